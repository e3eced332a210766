#pragma once
// The serial port rule of the first on-chip driver page and the baud rate divisor of the
// boot loader.

#include "config/OptionNames.h"

#include <string>

namespace pramlet {

class Project;

// The options of the four serial ports, by port number 1..4.
inline constexpr OptFamily<4> kBaudSpin{"Baud", "Spin", 1};
inline constexpr OptFamily<4> kSlipChk{"SlipChk", "", 1};
inline constexpr OptFamily<4> kSlipBaud{"SlipBaud", "", 1};
inline constexpr OptFamily<4> kRxBufSpin{"RxBuf", "Spin", 1};
inline constexpr OptFamily<4> kTxBufSpin{"TxBuf", "Spin", 1};
inline constexpr OptFamily<4> kRxiDatChk{"Rx", "iDatChk", 1};
inline constexpr OptFamily<4> kRxxDatChk{"Rx", "xDatChk", 1};
inline constexpr OptFamily<4> kTxiDatChk{"Tx", "iDatChk", 1};
inline constexpr OptFamily<4> kTxxDatChk{"Tx", "xDatChk", 1};
inline constexpr OptFamily<4> kSerFormSpin{"SerForm", "Spin", 1};
inline constexpr OptFamily<4> kDTRPortSpin{"DTR", "PortSpin", 1};
inline constexpr OptFamily<4> kDTRBitSpin{"DTR", "BitSpin", 1};
inline constexpr OptFamily<4> kDTRenaChk{"DTR", "enaChk", 1};

// Enables the options of serial port `port` (0 for port 1 .. 3 for port 4) by the
// controller's ports, the chosen baud rate and the external RAM, and refills its DTR list.
void SerialPortRule(Project& p, int port);

// The USART divisor for a clock in kHz and a baud rate, as assembler constants.
struct tBaudDivisor {
    int divisor = 0;     // clamped to 0..4095
    std::string message; // the warning to show; empty when the rate is reached
    std::string ps;      // low byte, "067h"
    std::string psh;     // high byte, empty when it is 0
};
tBaudDivisor BaudDivisor(int freqKHz, int baud);

// Computes the divisor of FreqSpin and BootBaudSpin into ps and psh; a warning is shown
// in an error box with an Ignore button, and the divisor it leaves is kept.
void CalcBaudDivisor(Project& p);

} // namespace pramlet
