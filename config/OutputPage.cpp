#include "config/OutputPage.h"

#include "config/Project.h"

namespace pramlet {

void Page15Rules(Project& p) {
    p.buttonStates();
    p.setTitle(15);
}

} // namespace pramlet
