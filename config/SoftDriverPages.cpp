#include "config/SoftDriverPages.h"

#include "config/Project.h"

namespace pramlet {

void Page4Rules(Project& p) {
    p.setTitle(4);
}

void Page5Rules(Project& p) {
    p.setTitle(5);
}

void Page6Rules(Project& p) {
    p.setTitle(6);
}

void EncoderPinRule(Project&) {}
void LCDgraphChkRule(Project&) {}
void PixFontChkRule(Project&) {}
void GraphXEditExitRule(Project&) {}
void GraphYEditExitRule(Project&) {}

} // namespace pramlet
