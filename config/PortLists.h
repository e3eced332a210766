#pragma once
// The four list rules that fill port and pin choices from the loaded controller.

#include "device/CpuDesc.h"

#include <string>
#include <vector>

namespace pramlet {

enum class PortList {
    DataDirection, // "PortA".. for each port with a DDR register
    Ports,         // "PortA".. for each port register
    Pins,          // "PinA".. for each input register; no "PinC" under external RAM
    SerialPorts,   // "SerPort", then "SerPort2" when the controller has a second one
};

// The list's items after the optional leading item (none when `leading` is empty).
std::vector<std::string> portListItems(const tCpuDesc& cpu, PortList list, int externRam,
                                       const std::string& leading = {});

} // namespace pramlet
