#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

const char* order(bool msb) {
    return msb ? "MSB;" : "LSB;";
}
const char* bit(bool one) {
    return one ? "1;" : "0;";
}

void hardwareSPI(const Options& o, Listing& out) {
    if (!o.checked("SPIDrvChk")) return;
    out.push_back("  SPIpresc       = " + to_string(o.value("SPIdrvPrescChk")) + ";");
    out.push_back("  SPIOrder       = " + std::string(order(o.checked("SPIDrvMSBchk"))));
    out.push_back("  SPICPOL        = " + std::string(bit(o.checked("SPIDRVcpolChk"))));
    out.push_back("  SPICPHA        = " + std::string(bit(o.checked("SPIDRVcPhaseAChk"))));
    out.push_back("  SPI_SS         = " +
                  std::string(o.checked("UseSSpinChk") ? "true;" : "false;"));
}

struct MasterSPI {
    OptName used, presc, msb, cpol, cpha;
    const char* prescKey;
    const char* orderKey;
    const char* cpolKey;
    const char* cphaKey;
};
// clang-format off
const MasterSPI kMasterSPI[3] = {
    {"MSPIchk0", "MSPIpresc0", "MSPImsb0", "MSPICpol0", "MSPICpha0",
     "  MSPIpresc0     = ", "  MSPIOrder0     = ", "  MSPIcpol0      = ", "  MSPIcpha0      = "},
    {"MSPIchk1", "MSPIpresc1", "MSPImsb1", "MSPICpol1", "MSPICpha1",
     "  MSPIpresc1     = ", "  MSPIOrder1     = ", "  MSPIcpol1      = ", "  MSPIcpha1      = "},
    {"MSPIchk2", "MSPIpresc2", "MSPImsb2", "MSPICpol2", "MSPICpha2",
     "  MSPIpresc2     = ", "  MSPIOrder2     = ", "  MSPIcpol2      = ", "  MSPIcpha2      = "},
};
// clang-format on

void masterSPI(const Options& o, const MasterSPI& m, Listing& out) {
    if (!o.checked(m.used)) return;
    out.push_back(m.prescKey + to_string(o.value(m.presc)) + ";");
    out.push_back(m.orderKey + std::string(order(o.checked(m.msb))));
    out.push_back(m.cpolKey + std::string(bit(o.checked(m.cpol))));
    out.push_back(m.cphaKey + std::string(bit(o.checked(m.cpha))));
}

struct SoftSPI {
    OptName used, port, firstBit, msb, pha, clk;
    const char* driverKey;
    const char* orderMSB;
    const char* orderLSB;
    const char* pha1;
    const char* pha0;
    const char* pol1;
    const char* pol0;
};
// clang-format off
const SoftSPI kSoftSPI[2] = {
    {"SPIsoftDrvChk1", "SoftSPIportSpin1", "SoftSPIbitSpin1", "SPIsoftMSBchk1", "SPIsoftPHAchk1",
     "SPIsoftCLKchk1", "  SPIdriver1     = ",
     "  SPIorder1      = MSB;", "  SPIorder1      = LSB;",
     "  SPIcPHA1       = 1;",   "  SPIcPHA1       = 0;",
     "  SPIcPol1       = 1;",   "  SPIcPol1       = 0;"},
    {"SPIsoftDrvChk2", "SoftSPIportSpin2", "SoftSPIbitSpin2", "SPIsoftMSBchk2", "SPIsoftPHAchk2",
     "SPIsoftCLKchk2", "  SPIdriver2     = ",
     "  SPIorder2      = MSB;", "  SPIorder2      = LSB;",
     "  SPIcPHA2       = 1;",   "  SPIcPHA2       = 0;",
     "  SPIcPol2       = 1;",   "  SPIcPol2       = 0;"},
};
// clang-format on

// The four pins are always the consecutive bits b .. b+3, even past bit 7: the driver
// page bounds only the first.
void softSPI(const Options& o, const SoftSPI& s, Listing& out) {
    if (!o.checked(s.used)) return;
    const int b = o.value(s.firstBit);
    out.push_back(s.driverKey + chosenText(o, s.port) + ", " + to_string(b) + ", " +
                  to_string(b + 1) + ", " + to_string(b + 2) + ", " + to_string(b + 3) +
                  ";  // SCK, MOSI, MISO, SS");
    out.push_back(o.checked(s.msb) ? s.orderMSB : s.orderLSB);
    out.push_back(o.checked(s.pha) ? s.pha1 : s.pha0);
    out.push_back(o.checked(s.clk) ? s.pol1 : s.pol0);
}

void tickTimer(const Options& o, Listing& out) {
    if (!o.checked("TickTimerChk")) return;
    out.push_back("  TickTimer      = " + tickTimerName(o) +
                  (o.checked("TickTimerPinOutChk") ? ", pinout;" : ";"));
}

} // namespace

void WriteSPIEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    hardwareSPI(o, out);
    for (const MasterSPI& m : kMasterSPI)
        masterSPI(o, m, out);
    for (const SoftSPI& s : kSoftSPI)
        softSPI(o, s, out);
    tickTimer(o, out);
}

} // namespace pramlet
