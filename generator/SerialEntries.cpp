#include "config/SerialPorts.h"
#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

// The keys of serial ports 1..4; those of the first port carry no digit.
struct SerialKeys {
    tPeriphT periph;
    const char* port;
    const char* rx;
    const char* tx;
    const char* dtr;
};
// clang-format off
const SerialKeys kSerialKeys[4] = {
    {SerPort,  "  SerPort        = ", "  RxBuffer       = ", "  TxBuffer       = ", "  SerPortDTR     = "},
    {SerPort2, "  SerPort2       = ", "  RxBuffer2      = ", "  TxBuffer2      = ", "  SerPortDTR2    = "},
    {SerPort3, "  SerPort3       = ", "  RxBuffer3      = ", "  TxBuffer3      = ", "  SerPortDTR3    = "},
    {SerPort4, "  SerPort4       = ", "  RxBuffer4      = ", "  TxBuffer4      = ", "  SerPortDTR4    = "},
};
const char* const kSlipKeys[4] = {
    "  SLIPport1      = ",
    "  SLIPport2      = ",
    "  SLIPport3      = ",
    "  SLIPport4      = ",
};
// clang-format on

// Frame suffix by the item index of SerFormNSpin: "1 stop bit", "2 stop bits", "Even
// Parity", "Odd Parity".
const char* const kSerForm[4] = {", Stop1", ", Stop2", ", ParEven", ", ParOdd"};

std::string serForm(int item) {
    return item >= 0 && item < 4 ? kSerForm[item] : "";
}

void serialPorts(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const Derived& d = p.derived();
    for (int n = 1; n <= 4; ++n) {
        const SerialKeys& key = kSerialKeys[n - 1];
        const size_t i = static_cast<size_t>(n - 1);
        if (!p.cpu().Periph.has(key.periph) || d.SerBaud[i] <= 0) continue;

        out.push_back(key.port + to_string(d.SerBaud[i]) + serForm(o.itemIndex(kSerFormSpin(n))) +
                      ";    {Baud, StopBits|Parity}");
        if (d.RxBuffer[i] > 0)
            out.push_back(key.rx + to_string(d.RxBuffer[i]) + ", " + ramPageName(d.RxBuffData[i]) +
                          ";");
        if (d.TxBuffer[i] > 0)
            out.push_back(key.tx + to_string(d.TxBuffer[i]) + ", " + ramPageName(d.TxBuffData[i]) +
                          ";");
        if (chosenIndex(o, kDTRPortSpin(n)) > 0) // the first item is "No DTR"
            out.push_back(key.dtr + chosenText(o, kDTRPortSpin(n)) + ", " +
                          to_string(o.value(kDTRBitSpin(n))) +
                          (o.checked(kDTRenaChk(n)) ? ", Positive;" : ", Negative;"));
    }
}

void incrPort4(const Options& o, Listing& out) {
    if (!o.checked("IncrP4Chk")) return;
    out.push_back("  IncrPort4      = " + chosenText(o, "IncrP4PortSpin") + ", " +
                  to_string(o.value("IncrP4ChanSpin")) +
                  (o.checked("IncrP4IntChk") ? ", 16;" : ", 32;"));
    const char* timer = o.checked("IncrP4Tmr1Chk")   ? "Timer1, "
                        : o.checked("IncrP4Tmr3Chk") ? "Timer3, "
                        : o.checked("IncrP4Tmr4Chk") ? "Timer4, "
                                                     : "Timer5, ";
    out.push_back("  IncrScan4      = " + std::string(timer) +
                  to_string(o.value("IncrP4ScanSpin")) + ";");
}

void slipPorts(const Options& o, Listing& out) {
    for (int n = 1; n <= 4; ++n)
        if (o.checked(kSlipChk(n)))
            out.push_back(kSlipKeys[n - 1] + to_string(o.value(kSlipBaud(n))) + ";");
}

void canController(const Options& o, Listing& out) {
    if (!(o.enabled("CANimpChk") && o.checked("CANimpChk"))) return;
    const bool stamps = o.enabled("CANtimeStampChk") && o.checked("CANtimeStampChk");
    out.push_back("  CAN_AVR        = " + to_string(o.value("CANrxPipeSpin")) + ", " +
                  to_string(o.value("CANtxPipeSpin")) + ", iData" +
                  (stamps ? ", CAN_SysTime" : "") + ";");
    out.push_back("  CAN_AVRbaud    = CAN_Baud" + to_string(o.value("CANbaudSpin")) + ";");
}

void dds10(const Options& o, Listing& out) {
    if (!o.checked("DSS10chk")) return;
    out.push_back("  DDS10port      = " + chosenText(o, "DDS10portSpin") + ";");
    if (o.checked("DDS10Tmr1Chk"))
        out.push_back("  DDS10Timer     = Timer1;");
    else if (o.checked("DDS10Tmr2Chk"))
        out.push_back("  DDS10Timer     = Timer2;");
    else if (o.checked("DDS10Tmr3Chk"))
        out.push_back("  DDS10Timer     = Timer3;");
    else if (o.checked("DDS10Tmr4Chk"))
        out.push_back("  DDS10Timer     = Timer4;");
    else
        out.push_back("  DDS10Timer     = Timer5;");
    out.push_back("  DDS10Tables    = 2;");
    if (chosenIndex(o, "DDS10portSpin") == 0) { // "SPI": the driver sets the hardware SPI
        out.push_back("  SPIorder       = LSB;");
        out.push_back("  SPIcpol        = 1;");
        out.push_back("  SPIcpha        = 1;");
        out.push_back("  SPIpresc       = 0;      // presc = 0..3 -> 4/16/64/128");
        out.push_back("  SPI_SS         = true;   // use SS pin as chipselect");
    }
}

} // namespace

void WriteSerialEntries(const BuildInput& p, Listing& out) {
    serialPorts(p, out);
    incrPort4(p.opts(), out);
    slipPorts(p.opts(), out);
    canController(p.opts(), out);
    dds10(p.opts(), out);
}

} // namespace pramlet
