#include "generator/PortLines.h"

namespace pramlet {

std::string BitString(std::uint8_t value) {
    std::string s = "%";
    for (int bit = 7; bit >= 0; --bit)
        s += (value >> bit) & 1 ? '1' : '0';
    return s;
}

void WritePortLines(const TFramePort& frame, std::vector<std::string>& listing) {
    const std::string X(1, frame.PortLetter());
    if (frame.PortBits() != 0)
        listing.push_back("  Port" + X + ":= " + BitString(frame.PortBits()) + ";");
    if (frame.DDRBits() != 0)
        listing.push_back("  DDR" + X + ":= " + BitString(frame.DDRBits()) + ";");
}

} // namespace pramlet
