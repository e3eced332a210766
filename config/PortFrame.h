#pragma once
// The port frame model: the initial direction and output value of one 8-bit port, bit by
// bit, limited to the pins the controller has. The window's grid shows its cells; the
// generator turns it into the port's lines of InitPorts.

#include "config/OptionNames.h"
#include "device/CpuDesc.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pramlet {

class TFramePort {
  public:
    // The grid: column 0 bit number, column 1 direction, column 2 value; row 0 is the title
    // row, rows 1..8 are bits 0..7.
    static constexpr int kColCount = 3;
    static constexpr int kRowCount = 9;

    TFramePort() = default;
    explicit TFramePort(std::string name) : fName(std::move(name)) {}

    // "FramePortB"; the port letter is its last character.
    const std::string& Name() const { return fName; }
    char PortLetter() const { return fName.empty() ? '\0' : fName.back(); }

    std::uint8_t DDRMask() const { return fDDRMask; }
    std::uint8_t DDRStatus() const { return fDDRStatus; }
    std::uint8_t PortMask() const { return fPortMask; }
    std::uint8_t PortStatus() const { return fPortStatus; }
    // Each returns true when the value changed (the window then redraws the bit rows).
    bool setDDRMask(std::uint8_t v) { return assign(fDDRMask, v); }
    bool setDDRStatus(std::uint8_t v) { return assign(fDDRStatus, v); }
    bool setPortMask(std::uint8_t v) { return assign(fPortMask, v); }
    bool setPortStatus(std::uint8_t v) { return assign(fPortStatus, v); }

    // The chosen bits of the pins the controller has. A status keeps bits outside its mask
    // (set for an earlier controller, so that choosing that one again brings them back),
    // but only these bits count for the used flags and the generated lines.
    std::uint8_t DDRBits() const { return fDDRStatus & fDDRMask; }
    std::uint8_t PortBits() const { return fPortStatus & fPortMask; }

    // Cell text of the grid: column 0 the bit number, or empty for a pin the controller
    // lacks; columns 1 and 2 the image index ("0"/"1" direction in/out, "2"/"3" value 0/1,
    // "4" no such pin). The title row's cells are empty.
    std::string Cell(int col, int row) const;

    // Selecting a cell toggles its bit when the bit is inside that column's mask; true when
    // a bit was toggled. Column 0, the title row and bits outside the mask change nothing.
    bool VelGeneralGridPortsSelectCell(int col, int row);

  private:
    static bool assign(std::uint8_t& field, std::uint8_t v) {
        if (field == v) return false;
        field = v;
        return true;
    }

    std::string fName;
    std::uint8_t fDDRMask = 0;
    std::uint8_t fDDRStatus = 0;
    std::uint8_t fPortMask = 0;
    std::uint8_t fPortStatus = 0;
};

// The eleven frames FramePortA .. FramePortL, index = port ordinal - 1.
using TPortFrames = std::array<TFramePort, kPortCount>;
// The options of the frames, by port ordinal - 1.
inline constexpr OptName kFramePortOptions[kPortCount] = {
    "FramePortA", "FramePortB", "FramePortC", "FramePortD", "FramePortE", "FramePortF",
    "FramePortG", "FramePortH", "FramePortJ", "FramePortK", "FramePortL"};
TPortFrames makePortFrames();

} // namespace pramlet
