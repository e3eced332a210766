#include "config/PortFrame.h"

namespace pramlet {

std::string TFramePort::Cell(int col, int row) const {
    if (row < 1 || row >= kRowCount) return {};
    const unsigned bit = 1u << (row - 1);
    switch (col) {
    case 0: return (fDDRMask | fPortMask) & bit ? std::to_string(row - 1) : std::string();
    case 1: return !(fDDRMask & bit) ? "4" : fDDRStatus & bit ? "1" : "0";
    case 2: return !(fPortMask & bit) ? "4" : fPortStatus & bit ? "3" : "2";
    default: return {};
    }
}

bool TFramePort::VelGeneralGridPortsSelectCell(int col, int row) {
    if (row < 1 || row >= kRowCount) return false;
    const auto bit = static_cast<std::uint8_t>(1u << (row - 1));
    if (col == 1 && (fDDRMask & bit)) {
        fDDRStatus ^= bit;
        return true;
    }
    if (col == 2 && (fPortMask & bit)) {
        fPortStatus ^= bit;
        return true;
    }
    return false;
}

TPortFrames makePortFrames() {
    TPortFrames frames;
    for (int n = 1; n <= kPortCount; ++n)
        frames[n - 1] = TFramePort(std::string("FramePort") + PortLetter(n));
    return frames;
}

} // namespace pramlet
