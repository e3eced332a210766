#pragma once
// The lines of one port frame in InitPorts.

#include "config/PortFrame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pramlet {

// "%" and the eight bits from bit 7 down to bit 0: 85 gives "%01010101".
std::string BitString(std::uint8_t value);

// Appends the frame's lines of InitPorts: "  PortX:= %........;" when it has value bits,
// then "  DDRX:= %........;" when it has direction bits.
void WritePortLines(const TFramePort& frame, std::vector<std::string>& listing);

} // namespace pramlet
