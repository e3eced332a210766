#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

// Port texts by ordinal, PortA .. PortL (no I); only lettered ports have them.
const char* const kPortSemicolon[12] = {"",       "PortA;", "PortB;", "PortC;", "PortD;", "PortE;",
                                        "PortF;", "PortG;", "PortH;", "PortJ;", "PortK;", "PortL;"};
const char* const kPortComma[12] = {"",        "PortA, ", "PortB, ", "PortC, ",
                                    "PortD, ", "PortE, ", "PortF, ", "PortG, ",
                                    "PortH, ", "PortJ, ", "PortK, ", "PortL, "};

bool lettered(tPortsT port) {
    return port >= PortA && port <= PortL;
}

// Without a port for the software I2C bus the drivers talk over the hardware TWI.
bool overTWI(const Options& o) {
    return o.checked("I2CnoneChk");
}

void characterLCD(const Options& o, const Derived& d, Listing& out) {
    if (!lettered(d.LCDport)) return;
    out.push_back("  LCDport        = " + std::string(kPortSemicolon[d.LCDport]));
    if (o.checked("LCD66712"))
        out.push_back("  LCDtype        = 66712;");
    else if (o.checked("LCD44780"))
        out.push_back("  LCDtype        = 44780;");
    else if (o.checked("LCD0073"))
        out.push_back("  LCDtype        = 0073;");
    else
        out.push_back("  LCDtype        = 0070;");
    out.push_back(
        "  LCDrows        = " + to_string(d.LCDrows) +
        (o.checked("LCD2Ena") ? ", 2;           {rows, enables}" : ";              {rows}"));
    out.push_back("  LCDcolumns     = " + to_string(d.LCDcols) +
                  ";             {columns per line}");
}

// With both boxes checked the I2C bus is written.
void multiLCD(const Options& o, Listing& out) {
    const bool twi = o.checked("LCDmultiTWIchk");
    if (!twi && !o.checked("LCDmultiSPIchk")) return;
    out.push_back("  LCDmultiPort    = " +
                  std::string(!twi         ? "SPI;           // SPI_Soft, PortB, 1, 2, 3, 0"
                              : overTWI(o) ? "I2C_TWI;"
                                           : "I2C_Soft;"));
    out.push_back("  LCDrows_M       = " + to_string(o.value("LCDmultiRowSel")) +
                  ";             {rows}");
    out.push_back("  LCDcolumns_M    = " + to_string(o.value("LCDmultiColSel")) +
                  ";             {columns per line}");
    if (o.checked("LCDM66712"))
        out.push_back("  LCDtype_M       = 66712;");
    else if (o.checked("LCDM44780"))
        out.push_back("  LCDtype_M       = 44780;");
    else if (o.checked("LCDM0073"))
        out.push_back("  LCDtype_M       = 0073;");
    else
        out.push_back("  LCDtype_M       = 0070;");
}

void linePrinter(const Options& o, Listing& out) {
    if (o.checked("LPTI2CChk"))
        out.push_back("  LPTport        = Soft_I2C, " + o.text("LPTadrSpin") + ";");
    else if (o.checked("LPTTWIChk"))
        out.push_back("  LPTport        = TWI_I2C, " + o.text("LPTadrSpin") +
                      ";   // Soft_I2C, addr");
    else if (o.checked("LPTportChk"))
        out.push_back("  LPTport        = " + chosenText(o, "LPTdatSpin") + ", " +
                      chosenText(o, "LPTctrlSpin") + ";  // data port, control port");
}

constexpr OptFamily<8> kPortChk{"Port", "chk"};

// A port list with no port checked names Port0.
void i2cExpander(const Options& o, Listing& out) {
    if (!o.checked("I2CexpChk")) return;
    out.push_back("  I2Cexpand      = " +
                  std::string(overTWI(o) ? "I2C_TWI, $38;" : "I2C_Soft, $38;"));
    std::string ports;
    for (int n = 0; n < 8; ++n)
        if (o.checked(kPortChk(n))) ports += "Port" + to_string(n) + ", ";
    if (ports.empty()) ports = "Port0, ";
    ports.resize(ports.size() - 2);
    out.push_back("  I2CexpPorts    = " + ports + "; // I2Cexpand ports");
}

constexpr OptFamily<4> kI2C7segSpin{"I2C_7segSpin", "", 1};
const char* const kI2C7segKey[4] = {
    "  I2C_7sDig1     = ", "  I2C_7sDig2     = ", "  I2C_7sDig3     = ", "  I2C_7sDig4     = "};

// Displays 3 and 4 count only while the page leaves them enabled: it disables them when
// the first displays already use up the digits.
void i2cSegmentDisplay(const Options& o, Listing& out) {
    if (!o.checked("I2C_7segChk")) return;
    out.push_back("  I2C_Disp7      = " +
                  std::string(overTWI(o) ? "I2C_TWI, iData;" : "I2C_Soft, iData;"));
    for (int n = 1; n <= 4; ++n) {
        const OptName spin = kI2C7segSpin(n);
        if (o.value(spin) > 0 && (n <= 2 || o.enabled(spin)))
            out.push_back(kI2C7segKey[n - 1] + to_string(o.value(spin)) + ";");
    }
}

// Sizes from 17 on select a 14-segment display with N - 16 digits, which is never
// multiplexed.
void segmentDisplay(const Options& o, const Derived& d, Listing& out) {
    if (!lettered(d.Disp7sPort)) return;
    const int n = o.value("Disp7SizeSpin");
    const int start = o.value("Disp7StartSpin");
    const bool mux = o.checked("MuxD7Chk");
    const bool seg14 = n >= 17;

    std::string port = kPortComma[d.Disp7sPort];
    if (!seg14) port += mux ? "Mux, " : "nonMux, ";
    port += to_string(start);
    port += seg14 ? "; {Port, Portbit}"
            : mux ? ";  {multiplexed, Portbit}"
                  : "; {not multiplexed, Portbit}";

    std::string mode = o.checked("ShiftRD7Chk")   ? "ShiftRight"
                       : o.checked("ShiftLD7Chk") ? "ShiftLeft"
                                                  : "Wrap";
    mode += o.checked("DspBlankChk") ? ";" : ", noBlank;";
    const std::string area = o.checked("Disp7iDatChk") ? "iData;" : "xData;";

    if (!seg14) {
        out.push_back("  Disp7sPort     = " + port);
        out.push_back("  DispMode       = " + mode);
        out.push_back("  DispDigits  = " + to_string(n) + ", " + area);
    } else {
        out.push_back("  Disp14sPort    = " + port);
        out.push_back("  Disp14Mode     = " + mode);
        out.push_back("  Disp14Digits   = " + to_string(n - 16) + ", " + area);
    }
}

} // namespace

void WriteDisplayEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const Derived& d = p.derived();
    characterLCD(o, d, out);
    multiLCD(o, out);
    linePrinter(o, out);
    i2cExpander(o, out);
    i2cSegmentDisplay(o, out);
    segmentDisplay(o, d, out);
}

} // namespace pramlet
