#include "config/SpecialDriverPages.h"

#include "config/Project.h"

namespace pramlet {

void Page7Rules(Project& p) {
    p.setTitle(7);
}

void Page8Rules(Project& p) {
    p.setTitle(8);
}

void Page9Rules(Project& p) {
    p.setTitle(9);
}

void Page10Rules(Project& p) {
    p.setTitle(10);
}

void LCDmultiTWIchkRule(Project&) {}
void LCDmultiSPIchkRule(Project&) {}
void I2C_7segChkRule(Project&) {}
void I2CexpChkRule(Project&) {}

} // namespace pramlet
