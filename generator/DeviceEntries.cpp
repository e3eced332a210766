#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

// Port and pin register texts by ordinal, A .. L (no I).
const char* const kPortSemicolon[12] = {"",       "PortA;", "PortB;", "PortC;", "PortD;", "PortE;",
                                        "PortF;", "PortG;", "PortH;", "PortJ;", "PortK;", "PortL;"};
const char* const kPortComma[12] = {"",        "PortA, ", "PortB, ", "PortC, ",
                                    "PortD, ", "PortE, ", "PortF, ", "PortG, ",
                                    "PortH, ", "PortJ, ", "PortK, ", "PortL, "};
const char* const kPinName[12] = {"",     "PinA", "PinB", "PinC", "PinD", "PinE",
                                  "PinF", "PinG", "PinH", "PinJ", "PinK", "PinL"};

// By the item index of StepTypeSpin.
const char* const kStepType[8] = {"StepF2;", "StepF4;", "StepH4;", "StepH6;",
                                  "StepM2;", "StepM4;", "StepM6;", "StepM8;"};

constexpr const char* kRowUndefined = "KeyBoard Row port not defined!";
constexpr const char* kColumnUndefined = "KeyBoard Column port not defined!";
constexpr const char* kSamePorts = "KeyBoard error: Same Ports for ROW and COLOMN!";

bool lettered(tPortsT port) {
    return port >= PortA && port <= PortL;
}
bool lettered(tPinsT pin) {
    return pin >= PinA && pin <= PinL;
}

// The user port has no pins: only its back end is named.
void stepper(const Options& o, tPortsT port, Listing& out) {
    if (port == PortNone) return;
    if (lettered(port)) out.push_back("  StepPort    = " + std::string(kPortSemicolon[port]));
    out.push_back("  StepMinFreq    = 100;");
    out.push_back("  StepMaxFreq    = " + to_string(o.value("StepMaxSpin")) + ";");
    const int type = chosenIndex(o, "StepTypeSpin");
    out.push_back("  StepType       = " + std::string(port == UserPort ? "UserPort;"
                                                      : type < 8       ? kStepType[type]
                                                                       : kStepType[0]));
}

// The ports of both keyboards are checked as their lines are written, so that a build that
// ends keeps the lines before the missing port.
void matrixKeyboard(const Options& o, const Derived& d, Listing& out) {
    if (!o.checked("KeyBoard4Chk")) return;
    if (!lettered(d.KeyBRport)) throw BuildEnded(kRowUndefined);
    const std::string R = kPortComma[d.KeyBRport];
    const std::string r0 = to_string(o.value("KbRowFirstSpin"));
    const std::string c0 = to_string(o.value("KbColFirstSpin"));
    const std::string nr = to_string(o.value("KbRowCountSpin"));
    const std::string nc = to_string(o.value("KbColCountSpin"));
    out.push_back("  MatrixRow      = " + R + r0 + ";       {use " + R + "start with bit" + r0 +
                  "}");
    if (!lettered(d.KeyBCport)) throw BuildEnded(kColumnUndefined);
    const std::string C = kPinName[d.KeyBCport];
    out.push_back("  MatrixCol      = " + C + ", " + c0 + ";        {use " + C +
                  ", start with bit" + c0 + "}");
    out.push_back("  MatrixType     = " + nr + ", " + nc + ";           {" + nr + " Rows at " + R +
                  nc + " Columns at " + C + "}");
}

// Rows and columns on one letter clash here, a port and a pin register alike; the check
// comes before the row check, so two unset ports report the clash.
void eightColumnKeyboard(const Options& o, const Derived& d, Listing& out) {
    if (!o.checked("KeyBoard8Chk")) return;
    if (static_cast<int>(d.KeyBCport) == static_cast<int>(d.KeyBRport))
        throw BuildEnded(kSamePorts);
    if (!lettered(d.KeyBRport)) throw BuildEnded(kRowUndefined);
    const std::string R = kPortComma[d.KeyBRport];
    const std::string r0 = to_string(o.value("KbRowFirstSpin"));
    const std::string nr = to_string(o.value("KbRowCountSpin"));
    out.push_back("  KeyB8Row       = " + R + r0 + ";       {use " + R + "start with bit" + r0 +
                  "}");
    if (!lettered(d.KeyBCport)) throw BuildEnded(kColumnUndefined);
    const std::string C = kPinName[d.KeyBCport];
    out.push_back("  KeyB8Col       = " + C + ";           {use " + C + "}");
    out.push_back("  KeyB8Type      = " + nr + ";              {" + nr + " Rows at " + R +
                  " 8 Columns at " + C + "}");
}

void spiPort(const Options& o, const Derived& d, Listing& out) {
    if (!d.SPIused) return;
    out.push_back("  SPIbuffer      = " + to_string(o.value("SPIBufSpin")) + ", " +
                  (o.checked("SPIiDatChk") ? "iData;" : "xData;"));
    out.push_back("  SPIport        = " +
                  std::string(o.checked("SPIMastChk") ? "Master;" : "Slave;"));
    out.push_back("  SPIretry       = " + to_string(o.value("SPIretrySpin")) + ";");
    out.push_back("  SPIpresc       = " + to_string(o.value("SPIprescSpin")) + ";");
    out.push_back("  SPIOrder       = " + std::string(o.checked("SPIMSBchk") ? "MSB;" : "LSB;"));
    out.push_back("  SPICPOL        = " + std::string(o.checked("SPIclkChk") ? "1;" : "0;"));
    out.push_back("  SPICPHA        = " + std::string(o.checked("SPIphaseChk") ? "1;" : "0;"));
}

// The first item of the sound, LAN, DCF77 and counter lists is "none" or "None".
void beeper(const Options& o, Listing& out) {
    if (chosenIndex(o, "ComboBoxSound") == 0) return;
    out.push_back("  BeepPort       = " + chosenText(o, "ComboBoxSound") + ", " +
                  to_string(o.value("SoundBitSpin")) + ";");
}

// The address mask belongs to a slave; a master ignores the box.
void serialLAN(const Options& o, Listing& out) {
    if (chosenIndex(o, "LanSciSpin") == 0) return;
    const bool slave = o.itemIndex("LanModeChk") != 0;
    out.push_back("  LANport        = " + chosenText(o, "LanSciSpin") + ";");
    out.push_back("  LANctrl        = " + chosenText(o, "ComboBoxLANPort") + ", " +
                  to_string(o.value("LANbitSpin")) + ";");
    out.push_back("  LANbaud        = " + to_string(o.value("LANbaudSpin")) + ";");
    out.push_back("  LANmode        = " + std::string(slave ? "Slave;" : "Master;"));
    out.push_back("  LANadr         = " + chosenText(o, "LANAddrSpin") +
                  (slave && o.checked("LANmaskChk") ? ", Mask;        {8/16 BIT}"
                                                    : ";              {8/16 BIT}"));
    out.push_back("  LANframe       = " + to_string(o.value("LANFrameSpin")) +
                  (o.checked("LANiDatChk") ? ", iData;" : ", xData;") +
                  "       {Frame size in bytes}");
    out.push_back("  LANcheck       = " + chosenText(o, "LANCheckSpin") +
                  ";       {ChkSum8, ChkSum16, CRC16}");
}

// One timer channel needs no entry; its callback is written all the same.
void realTimeClock(const Options& o, Listing& out) {
    if (o.checked("RTCnoneBtn")) return;
    out.push_back(
        "  RTClock        = " + std::string(o.checked("RTCidataChk") ? "iData, " : "xData, ") +
        (o.checked("RTCtimeBtn") ? "Time;    {Time, DateTime}" : "DateTime;{Time, DateTime}"));
    if (o.value("RTCtimerSpin") > 1)
        out.push_back("  RTCtimer       = " + to_string(o.value("RTCtimerSpin")) +
                      ";              {channels}");
    if (o.checked("RTCsystickChk")) out.push_back("  RTCsource      = SysTick;");
}

// The receiver keeps its time in the clock's memory area.
void dcf77(const Options& o, Listing& out) {
    if (chosenIndex(o, "ComboBoxDCF77") == 0) return;
    out.push_back("  DCFclock       = " +
                  std::string(o.checked("RTCidataChk") ? "iData;" : "xData;"));
    out.push_back("  DCFport        = " + chosenText(o, "ComboBoxDCF77") + ", " +
                  to_string(o.value("DCFBitSpin")) +
                  (o.checked("DCFinvChk") ? ", positive" : ", negative") +
                  "; {Port, Pin#, Polarity}");
}

void encoderCounter(const Options& o, Listing& out) {
    const int bits = chosenIndex(o, "IncCountSpin");
    if (bits == 0) return;
    out.push_back("  IncrCounter    = " + to_string(16 * bits) +
                  (o.checked("Incr2chanChk") ? ", 2;          {16 or 32 bit integer, 2phase}"
                                             : ", 3;          {16 or 32 bit integer, 3phase}"));
    out.push_back("  IncrPort       = " + chosenText(o, "IncPortSpin") + ", $" +
                  hexDigits(o.checkListByte("CheckListBoxincrEncBits"), 2) +
                  ";      {Port and BitMask}");
}

} // namespace

void WriteDeviceEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const Derived& d = p.derived();
    stepper(o, d.StepPort, out);
    matrixKeyboard(o, d, out);
    eightColumnKeyboard(o, d, out);
    spiPort(o, d, out);
    beeper(o, out);
    serialLAN(o, out);
    realTimeClock(o, out);
    dcf77(o, out);
    encoderCounter(o, out);
    if (o.checked("AppCheckSumChk"))
        out.push_back("  FlashChksum    = ProgEnd;        {or absolute address}");
}

} // namespace pramlet
