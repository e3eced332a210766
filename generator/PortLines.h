#pragma once
// The lines of one port frame in InitPorts.

#include "config/PortFrame.h"

#include <string>
#include <vector>

namespace pramlet {

// Appends the frame's lines of InitPorts: "  PortX:= %........;" when it has value bits,
// then "  DDRX:= %........;" when it has direction bits.
void WritePortLines(const TFramePort& frame, std::vector<std::string>& listing);

} // namespace pramlet
