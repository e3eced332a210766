#pragma once
// The writers of the generated program, one per section, in the order the build calls them.
// Each reads the options, the derived values and the device record through a const view
// and appends whole lines to `out`; none changes a line once appended.

#include <stdexcept>
#include <string>
#include <vector>

namespace pramlet {

class BuildInput;

using Listing = std::vector<std::string>;

// Thrown by a section that found the configuration inconsistent, with the text of its
// message: the build shows it and ends at once, the lines written so far stay and the built
// flag stays cleared.
class BuildEnded : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Program line, compiler switches, device line and boot directives.
void WriteHeader(const BuildInput& p, Listing& out);
// Define_Fuses block, only when the ISP file is updated.
void WriteFuseBlock(const BuildInput& p, Listing& out);
// Import, From System Import and the optional From-import lines.
void WriteImports(const BuildInput& p, Listing& out);

// The Define section.
// The Define line and the system entries: external RAM, clock, tick, heap, watchdog,
// stacks, frames, scheduler, tasks, exceptions.
void WriteSystemEntries(const BuildInput& p, Listing& out);
// Serial ports, IncrPort4, SLIP ports, CAN, DDS10.
void WriteSerialEntries(const BuildInput& p, Listing& out);
// Wiegand reader, FAT16, network drivers, SHT11, RC5, ADC.
void WriteCardNetEntries(const BuildInput& p, Listing& out);
// LED blinker, PWM, switch, user and bank ports, disks, graphic LCD.
void WriteBlinkPortEntries(const BuildInput& p, Listing& out);
// Software I2C, TWI, soft PWM, servo, I/O expander.
void WriteI2CEntries(const BuildInput& p, Listing& out);
// SPI drivers and the tick timer.
void WriteSPIEntries(const BuildInput& p, Listing& out);
// LCDs, LPT port, I2C expanders and segment displays.
void WriteDisplayEntries(const BuildInput& p, Listing& out);
// Stepper, keyboards, SPI port, beeper, LAN, clocks, counters; ends the Define section.
// May throw BuildEnded (keyboard port errors).
void WriteDeviceEntries(const BuildInput& p, Listing& out);

// uses lines, Implementation, the type, const and var blocks, the functions banner.
void WriteUsesAndDeclarations(const BuildInput& p, Listing& out);
// Boot block and flash loader skeleton, only with a boot block.
void WriteBootBlock(const BuildInput& p, Listing& out);
// Interrupt, callback and user device skeletons.
void WriteSkeletons(const BuildInput& p, Listing& out);
// InitPorts and the main program, ending with "end <AppName>." and an empty line.
void WriteInitPortsAndMain(const BuildInput& p, Listing& out);

} // namespace pramlet
