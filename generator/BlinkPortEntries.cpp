#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The LED blinker, PWM, switch, user and bank port, disk and graphic LCD entries come with
// their driver pages. Nothing yet.
void WriteBlinkPortEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
