#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The LCD, LPT port, I2C expander and segment display entries come with their driver pages.
// Nothing yet.
void WriteDisplayEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
