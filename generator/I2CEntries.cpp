#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

// The software I2C, TWI, soft PWM, servo and I/O expander entries come with their driver
// pages. Nothing yet.
void WriteI2CEntries(const BuildInput&, Listing&) {}

} // namespace pramlet
