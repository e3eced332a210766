#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The serial port, IncrPort4, SLIP, CAN and DDS10 entries come with the rules of the
// on-chip driver pages, which copy the baud rates and buffers they read. Nothing yet.
void WriteSerialEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
