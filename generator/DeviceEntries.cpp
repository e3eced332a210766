#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The stepper, keyboard, SPI port, beeper, LAN, clock and counter entries come with their
// driver pages; their keyboard checks will end a build with BuildEnded. Nothing yet.
void WriteDeviceEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
