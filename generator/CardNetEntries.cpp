#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The Wiegand, FAT16, network, SHT11, RC5 and ADC entries come with their driver pages.
// Nothing yet.
void WriteCardNetEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
