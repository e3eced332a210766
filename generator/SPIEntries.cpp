#include "generator/Sections.h"

namespace pramlet {

// The SPI driver and tick timer entries come with their driver pages. Nothing yet.
void WriteSPIEntries(Project&, Listing&) {}

} // namespace pramlet
