#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The SPI driver and tick timer entries come with their driver pages. Nothing yet.
void WriteSPIEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
