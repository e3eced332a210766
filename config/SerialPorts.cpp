#include "config/SerialPorts.h"

#include "config/Format.h"
#include "config/PortLists.h"
#include "config/Project.h"

#include <charconv>
#include <cmath>

namespace pramlet {

namespace {

// The options of one serial port, by its number 1..4.
struct SerialOptions {
    OptName baud, slip, rxBuf, txBuf, rxI, rxX, txI, txX, form, dtrPort, dtrBit, dtrEna;

    explicit SerialOptions(int n)
        : baud(kBaudSpin(n)), slip(kSlipChk(n)), rxBuf(kRxBufSpin(n)), txBuf(kTxBufSpin(n)),
          rxI(kRxiDatChk(n)), rxX(kRxxDatChk(n)), txI(kTxiDatChk(n)), txX(kTxxDatChk(n)),
          form(kSerFormSpin(n)), dtrPort(kDTRPortSpin(n)), dtrBit(kDTRBitSpin(n)),
          dtrEna(kDTRenaChk(n)) {}
};

const tPeriphT kSerialPorts[4] = {SerPort, SerPort2, SerPort3, SerPort4};

double roundHalfEven(double x) {
    double r = std::round(x); // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    return r;
}

std::string fixed3(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
    return ec == std::errc() ? std::string(buf, end) : std::string();
}

} // namespace

void SerialPortRule(Project& p, int port) {
    if (port < 0 || port > 3) return;
    Options& o = p.opts();
    const SerialOptions s(port + 1);
    const int xram = p.derived().ExternRam;
    o.refill(s.dtrPort, portListItems(p.cpu(), PortList::Pins, xram, "No DTR"));

    const bool present = p.cpu().Periph.has(kSerialPorts[port]);
    o.setEnabled(s.baud, present);
    o.setEnabled(s.slip, present);
    if (present && o.value(s.baud) != 0) {
        for (const OptName* n : {&s.rxBuf, &s.txBuf, &s.rxI, &s.txI, &s.form, &s.dtrPort})
            o.setEnabled(*n, true);
        const bool dtr = o.itemIndex(s.dtrPort) > 0;
        o.setEnabled(s.dtrBit, dtr);
        o.setEnabled(s.dtrEna, dtr);
        if (xram <= 0) {
            p.ruleChoose(s.rxI);
            p.ruleChoose(s.txI);
        }
        o.setEnabled(s.rxX, xram > 0);
        o.setEnabled(s.txX, xram > 0);
        return;
    }
    for (const OptName* n : {&s.rxBuf, &s.txBuf, &s.rxI, &s.rxX, &s.txI, &s.txX, &s.form,
                             &s.dtrPort, &s.dtrBit, &s.dtrEna})
        o.setEnabled(*n, false);
    o.setItemIndex(s.dtrPort, 0);
}

tBaudDivisor BaudDivisor(int freqKHz, int baud) {
    tBaudDivisor r;
    const double f = 1000.0 * freqKHz;
    // A rate of 0 or below cannot be divided down to: it counts as too high.
    double d = baud > 0 ? roundHalfEven(f / (16.0 * baud)) - 1 : -1;
    if (d < 0) {
        r.message = "Baudrate is too high!!";
        d = 0;
    } else if (d > 4095) {
        r.message = "Baudrate is too low!!";
        d = 4095;
    } else {
        const double reached = f / (16.0 * (d + 1));
        const double error = 100.0 * (reached - baud) / reached;
        if (std::fabs(error) > 2.5) r.message = "Baudrate error : " + fixed3(error) + "% too high";
    }
    r.divisor = static_cast<int>(d);
    r.ps = hexDigits(r.divisor & 0xFF, 3) + "h";
    if ((r.divisor >> 8) > 0) r.psh = hexDigits(r.divisor >> 8, 3) + "h";
    return r;
}

void CalcBaudDivisor(Project& p) {
    const tBaudDivisor r = BaudDivisor(p.opts().value("FreqSpin"), p.opts().value("BootBaudSpin"));
    if (!r.message.empty()) p.dialogs().message(MsgKind::Error, r.message, MsgButton::Ignore);
    p.derived().ps = r.ps;
    p.derived().psh = r.psh;
}

} // namespace pramlet
