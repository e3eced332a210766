#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <string>

namespace pramlet {

namespace {

using std::to_string;

// Port texts of the I2C port by ordinal, PortA .. PortL (no I).
const char* const kPortText[12] = {"",       "PortA;", "PortB;", "PortC;", "PortD;", "PortE;",
                                   "PortF;", "PortG;", "PortH;", "PortJ;", "PortK;", "PortL;"};

// Only a lettered port carries the bus; the user port has no pins to name.
void softI2C(const Derived& d, Listing& out) {
    if (d.I2Cport == PortNone || d.I2Cport > PortL) return;
    out.push_back("  I2Cport        = " + std::string(kPortText[d.I2Cport]));
    out.push_back("  I2Cdat         = " + to_string(d.I2Cdata) + ";");
    out.push_back("  I2Cclk         = " + to_string(d.I2Cclock) + ";");
}

// The two standard bit rates have names; any other value is written as it stands.
std::string bitRate(int value) {
    if (value == 100) return "TWI_BR100";
    if (value == 400) return "TWI_BR400";
    return to_string(value);
}

// Plain TWI and the TWI network exclude each other: one branch at most.
void twi(const Options& o, Listing& out) {
    if (o.checked("TWImasterChk")) {
        out.push_back("  TWIpresc       = " + bitRate(o.value("TWIprescSpin")) + ";");
    } else if (o.checked("TWIslaveChk")) {
        out.push_back("  TWImode        = " +
                      std::string(o.checked("TWImodeTranspChk") ? "Transparent" : "HandShake") +
                      ";    {HandShake or Transparen}");
        out.push_back("  TWIbuffer      = " + to_string(o.value("TWIbufSpin")) +
                      (o.checked("TWIIdataCheck") ? ", iData;       {buffer/packet size}"
                                                  : ", xData;       {buffer/packet size}"));
        out.push_back("  TWIaddr        = 02;             {default slave address}");
    } else if (!o.checked("TWInetNoneChk")) {
        const char* mode = o.checked("TWInetMasterChk")  ? "Master;"
                           : o.checked("TWInetSlaveChk") ? "Slave;"
                                                         : "MasterSlave;";
        out.push_back("  TWInetMode     = " + std::string(mode));
        out.push_back("  TWInode        = 02;             {default address in slave mode}");
        out.push_back("  TWIpresc       = " + bitRate(o.value("TWInetPrescSpin")) +
                      ";              {Bitrate}");
        out.push_back("  TWIframe       = " + to_string(o.value("TWInetBufSpin")) +
                      (o.checked("TWInetIdataCheck") ? ", iData;       {buffer/packet size}"
                                                     : ", xData;       {buffer/packet size}"));
        if (o.value("TWIBCspin") > 0)
            out.push_back("  TWIframeBC     = " + to_string(o.value("TWIBCspin")) +
                          ";              {Broadcast Frame size}");
    }
}

// The first item of each port list below is "None" or "none".
void softPWM(const Options& o, Listing& out) {
    if (chosenIndex(o, "ComboBoxSoftPWM") == 0) return;
    const std::string port = chosenText(o, "ComboBoxSoftPWM");
    const std::string res = to_string(o.value("SoftPWMresSpin"));
    out.push_back("  SoftPWMport    = " + port + ";          {use " + port + " for PWM output}");
    out.push_back(
        "  SoftPWMtimer   = " + std::string(o.checked("SoftPWMtmr0Chk") ? "Timer0, " : "Timer1, ") +
        to_string(o.value("SoftPWMcycleSpin")) + ";     {use timerx, PWM cycle time msec}");
    out.push_back("  SoftPWMres     = " + res + ";            {PWM resolution is " + res +
                  " points}");
    out.push_back("  SoftPWMchans   = " + to_string(o.value("SoftPWMchanSpin")) + ", " +
                  to_string(o.value("SoftPWMstartSpin")) +
                  ";           {x channels, bity is the first bit}");
}

void servo(const Options& o, Listing& out) {
    if (chosenIndex(o, "ComboBoxServoPort") == 0) return;
    out.push_back("  ServoPort      = " + chosenText(o, "ComboBoxServoPort") + ", " +
                  to_string(o.value("ServoStartSpin")) + ", " +
                  (o.checked("ServoIdataCheck") ? "iData;" : "xData;") +
                  " {use Portx, startbit n, RAMpage}");
    out.push_back("  ServoChans     = " + to_string(o.value("ServoChanSpin")) +
                  (o.checked("ServoPosCheck") ? ", positive;" : ", negative;") +
                  "     {channel count, pulse polarity}");
    out.push_back("  ServoNeutral   = " + o.text("ServoPulseSpin") +
                  (o.checked("ServoTimr1Check") ? ", Timer1;" : ", Timer3;") +
                  "     {msec zero pulse width, Timer used}");
}

void ioExpander(const Options& o, Listing& out) {
    if (chosenIndex(o, "ComboBoxIOExpander") == 0) return;
    out.push_back("  IOexpand       = " + chosenText(o, "ComboBoxIOExpander") + ", " +
                  to_string(o.value("IOexpStartSpin")) + ", " +
                  (o.checked("IOexpIdataCheck") ? "iData;" : "xData;") +
                  " {use Portx, startbit n, RAMpage}");
    if (o.value("IOexpInpSpin") > 0)
        out.push_back("  IOexpInp       = " + to_string(o.value("IOexpInpSpin")) + ";" +
                      "               {bytes input}");
    if (o.value("IOexpOutpSpin") > 0)
        out.push_back("  IOexpOutp      = " + to_string(o.value("IOexpOutpSpin")) + ";" +
                      "               {bytes output}");
}

} // namespace

void WriteI2CEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    softI2C(p.derived(), out);
    twi(o, out);
    softPWM(o, out);
    servo(o, out);
    ioExpander(o, out);
}

} // namespace pramlet
