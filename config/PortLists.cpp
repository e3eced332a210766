#include "config/PortLists.h"

namespace pramlet {

std::vector<std::string> portListItems(const tCpuDesc& cpu, PortList list, int externRam,
                                       const std::string& leading) {
    std::vector<std::string> items;
    if (!leading.empty()) items.push_back(leading);
    if (list == PortList::SerialPorts) {
        items.push_back("SerPort");
        if (cpu.Periph.has(SerPort2)) items.push_back("SerPort2");
        return items;
    }
    for (int n = 1; n <= kPortCount; ++n) {
        std::string letter(1, PortLetter(n));
        switch (list) {
        case PortList::DataDirection:
            if (cpu.DDRs.has(static_cast<tDDRsT>(n))) items.push_back("Port" + letter);
            break;
        case PortList::Ports:
            if (cpu.Ports.has(static_cast<tPortsT>(n))) items.push_back("Port" + letter);
            break;
        case PortList::Pins:
            if (cpu.Pins.has(static_cast<tPinsT>(n)) && !(n == PinC && externRam > 0))
                items.push_back("Pin" + letter);
            break;
        case PortList::SerialPorts: break;
        }
    }
    return items;
}

} // namespace pramlet
