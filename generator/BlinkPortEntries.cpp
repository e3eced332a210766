#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

constexpr OptFamily<8> kLEDportSpin{"LEDportSpin", ""};
constexpr OptFamily<8> kLEDbitSpin{"LEDbitSpin", ""};
constexpr OptFamily<8> kLedLowChk{"LedLowChk", ""};

// Pin texts of the switch ports by ordinal, PinA .. PinL (no I).
const char* const kPinText[12] = {"",       "PinA, ", "PinB, ", "PinC, ", "PinD, ", "PinE, ",
                                  "PinF, ", "PinG, ", "PinH, ", "PinJ, ", "PinK, ", "PinL, "};

// LEDs 1 to 7 blink only together with LED 0. The first item of each port list is "none".
void ledBlinker(const Options& o, Listing& out) {
    if (!(o.enabled(kLEDportSpin(0)) && chosenIndex(o, kLEDportSpin(0)) > 0)) return;
    out.push_back("  SysLedBlink    = " + to_string(o.value("LedTimeSpin")) +
                  ";              {SysTicks}");
    for (int k = 0; k < 8; ++k)
        if (chosenIndex(o, kLEDportSpin(k)) > 0)
            out.push_back("  SysLedBlink" + to_string(k) + "   = " +
                          chosenText(o, kLEDportSpin(k)) + ", " + o.text(kLEDbitSpin(k)) +
                          (o.checked(kLedLowChk(k)) ? ", low;" : ", high;"));
}

struct PwmGroup {
    OptName a, b, c, neg, fast;
    const char* resKey;
    const char* prescKey;
    const char* modeKey;
};
// clang-format off
const PwmGroup kPwm1{"PWM1Achk", "PWM1Bchk", "PWM1Cchk", "PWM1negChk", "PWM1fastChk",
                     "  PWMres1        = ", "  PWMpresc1      = ", "  PWMmode1       = "};
const PwmGroup kPwm3{"PWM3Achk", "PWM3Bchk", "PWM3Cchk", "PWM3negChk", "PWM3fastChk",
                     "  PWMres3        = ", "  PWMpresc3      = ", "  PWMmode3       = "};
// clang-format on

void pwmGroup(const Options& o, const PwmGroup& g, int res, int presc, Listing& out) {
    if (!(o.checked(g.a) || o.checked(g.b) || o.checked(g.c))) return;
    out.push_back(g.resKey + to_string(res) + ";              {bits}");
    out.push_back(g.prescKey + to_string(presc) + ";");
    const bool neg = o.checked(g.neg), fast = o.checked(g.fast);
    if (neg && fast)
        out.push_back(g.modeKey + std::string("fast, negative;"));
    else if (neg)
        out.push_back(g.modeKey + std::string("negative;"));
    else if (fast)
        out.push_back(g.modeKey + std::string("fast;"));
}

// The switch port line ends with the mask, without a ";", as programs written so far have it.
void switchPort(const Options& o, tPinsT pin, const char* portKey, OptName mask, const char* polKey,
                OptName polarity, Listing& out) {
    if (pin == PinNone || pin > PinL) return;
    out.push_back(portKey + std::string(kPinText[pin]) + o.text(mask));
    out.push_back(polKey + o.text(polarity) + ";            // polarity");
}

struct Disk {
    OptName size, readOnly;
    const char* key;
    const char* secTrk;
    const char* trkOffs;
};
// clang-format off
const Disk kDisks[4] = {
    {"DiskASpin", "DiskAROChk", "  Disk_A         = ",
     "// SecTrk_A      = ???;                {sectors/track option}",
     "// TRKOFFS_A     = ???;                {system tracks option}"},
    {"DiskBSpin", "DiskBROChk", "  Disk_B         = ",
     "// SecTrk_B      = ???;                {sectors/track option}",
     "// TRKOFFS_B     = ???;                {system tracks option}"},
    {"DiskCSpin", "DiskCROChk", "  Disk_C         = ",
     "// SecTrk_C      = ???;                {sectors/track option}",
     "// TRKOFFS_C     = ???;                {system tracks option}"},
    {"DiskDSpin", "DiskDROChk", "  Disk_D         = ",
     "// SecTrk_D      = ???;                {sectors/track option}",
     "// TRKOFFS_D     = ???;                {system tracks option}"},
};
// clang-format on

// The buffer and the handles belong to disk A; every disk line depends on its own size.
void fileSystem(const Options& o, Listing& out) {
    if (o.value("DiskASpin") != 0) {
        const std::string area = o.checked("FileiDatChk") ? "iData" : "xData";
        out.push_back("  FileBuffer     = " + area + ";");
        out.push_back("  FileHandles    = " + to_string(o.value("FHandlesSpin")) + ", " + area +
                      ";");
    }
    for (const Disk& disk : kDisks) {
        if (o.value(disk.size) == 0) continue;
        out.push_back(disk.key + to_string(o.value(disk.size)) +
                      (o.checked(disk.readOnly) ? ", ReadOnly" : "") + ";            {kBytes}");
        out.push_back(disk.secTrk);
        out.push_back(disk.trkOffs);
    }
}

// A size the output page has not checked yet is taken as that page takes it.
int graphSize(int pixels) {
    return pixels >= 16 && pixels <= 640 ? pixels : 128;
}

void graphicLcd(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    if (!o.checked("LCDgraphChk")) return;
    const std::string area = o.checked("LCDGraphiDatChk") ? "iData" : "xData";
    out.push_back("  LCDGraphic     = " + to_string(graphSize(p.derived().Graphx)) + ", " +
                  to_string(graphSize(p.derived().Graphy)) +
                  ", 8;     {x-pix, y-pix, accesswidth}");
    out.push_back("  GViewports     = " + to_string(o.value("ViewPspin")) + ", " + area +
                  ";        {logical ViewPorts, scalings}");
    if (o.checked("PixFontChk")) {
        out.push_back("  DefCharSet     = '" + o.text("PixFontEdit") + "';{FileName}");
        out.push_back("  TGraphStr      = 16;              {Graphic Text String Length}");
    }
    if (o.checked("LCDgraphModeChk"))
        out.push_back("  LCDgraphMode   = column, " + area + ";  {Column Mode Controller}");
}

} // namespace

void WriteBlinkPortEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const Derived& d = p.derived();
    ledBlinker(o, out);
    pwmGroup(o, kPwm1, d.PWMres, d.PWMpresc, out);
    pwmGroup(o, kPwm3, d.PWMres3, d.PWMpresc3, out);
    switchPort(o, d.SwitchPort1, "  SwitchPort1    = ", "SwPort1MaskFld",
               "  PolarityP1     = ", "SwPort1PolFld", out);
    switchPort(o, d.SwitchPort2, "  SwitchPort2    = ", "SwPort2MaskFld",
               "  PolarityP2     = ", "SwPort2PolFld", out);
    if (o.value("UsrDatDevSpin") != 0)
        out.push_back("  UserPort       = $" + hexDigits(o.value("UsrDatDevSpin"), 4) +
                      ";          {Data Bytes}");
    if (o.value("BankPortSpin") != 0)
        out.push_back("  BankPort       = " + to_string(o.value("BankPortSpin")) +
                      ";              {Bank Ports}");
    fileSystem(o, out);
    graphicLcd(p, out);
}

} // namespace pramlet
