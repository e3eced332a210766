#include "config/OnChipPages.h"

#include "config/Project.h"

namespace pramlet {

void Page2Rules(Project& p) {
    p.setTitle(2);
}

void Page3Rules(Project& p) {
    p.setTitle(3);
}

} // namespace pramlet
