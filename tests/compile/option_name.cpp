// Compiled by two tests: once naming a catalogue option (must compile) and once naming an
// option the catalogue lacks (must not compile).
#include "config/OptionNames.h"

#ifndef OPTION_NAME
#error "OPTION_NAME must be given"
#endif

constexpr pramlet::OptName kNamed = OPTION_NAME;
#ifdef BAD_FAMILY
constexpr pramlet::OptFamily<5> kFamily{"Baud", "Spin", 1}; // there is no Baud5Spin
#else
constexpr pramlet::OptFamily<4> kFamily{"Baud", "Spin", 1};
#endif

int main() {
    return static_cast<int>(kNamed.index() + kFamily(1).index() > 0 ? 0 : 1);
}
