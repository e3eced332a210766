#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

namespace {

// What the conditions of the import items read.
struct In {
    const Options& o;
    const Derived& d;
    const tCpuDesc& cpu;

    bool on(OptName option) const { return o.checked(option); }
    bool has(tPeriphT periph) const { return cpu.Periph.has(periph); }
    int value(OptName option) const { return o.value(option); }
    int index(OptName option) const { return o.itemIndex(option); }
};

struct Item {
    const char* name; // with its leading ", "
    bool (*when)(const In&);
};

const Item kImport[] = {
    {", SysTick", [](const In& i) { return i.d.SysTick > 0; }},
    {", FlashWrite", [](const In& i) { return i.on("BootBlockChk"); }},
    {", RTclock", [](const In& i) { return !i.on("RTCnoneBtn"); }},
    {", DCFclock", [](const In& i) { return i.index("ComboBoxDCF77") != 0; }},
    {", WatchDog", [](const In& i) { return i.d.WatchDog >= 0; }},
    {", SerPort", [](const In& i) { return i.has(SerPort) && i.d.SerBaud[0] > 0; }},
    {", SerPort2", [](const In& i) { return i.has(SerPort2) && i.d.SerBaud[1] > 0; }},
    {", SerPort3", [](const In& i) { return i.has(SerPort3) && i.d.SerBaud[2] > 0; }},
    {", SerPort4", [](const In& i) { return i.has(SerPort4) && i.d.SerBaud[3] > 0; }},
    {", CAN_AVR", [](const In& i) { return i.o.enabled("CANimpChk") && i.on("CANimpChk"); }},
    {", PWMport1A", [](const In& i) { return i.on("PWM1Achk"); }},
    {", PWMport1B", [](const In& i) { return i.on("PWM1Bchk"); }},
    {", PWMport1C", [](const In& i) { return i.on("PWM1Cchk"); }},
    {", PWMport3A", [](const In& i) { return i.on("PWM3Achk"); }},
    {", PWMport3B", [](const In& i) { return i.on("PWM3Bchk"); }},
    {", PWMport3C", [](const In& i) { return i.on("PWM3Cchk"); }},
    {", ADCPort", [](const In& i) { return i.has(ADCport) && i.d.ADCchans > 0; }},
    {", SwitchPort1", [](const In& i) { return i.d.SwitchPort1 != PinNone; }},
    {", SwitchPort2", [](const In& i) { return i.d.SwitchPort2 != PinNone; }},
    {", I2Cport", [](const In& i) { return i.d.I2Cport != PortNone; }},
    {", LCDport", [](const In& i) { return i.d.LCDport != PortNone; }},
    {", LCDmultiPort",
     [](const In& i) { return i.on("LCDmultiTWIchk") || i.on("LCDmultiSPIchk"); }},
    {", LPTport",
     [](const In& i) { return i.on("LPTI2CChk") || i.on("LPTTWIChk") || i.on("LPTportChk"); }},
    {", I2Cexpand", [](const In& i) { return i.on("I2CexpChk"); }},
    {", I2C_Disp7", [](const In& i) { return i.on("I2C_7segChk"); }},
    {", Disp7sPort",
     [](const In& i) { return i.d.Disp7sPort != PortNone && i.value("Disp7SizeSpin") <= 16; }},
    {", Disp14sPort",
     [](const In& i) { return i.d.Disp7sPort != PortNone && i.value("Disp7SizeSpin") > 16; }},
    {", StepPort", [](const In& i) { return i.d.StepPort != PortNone; }},
    {", SPIport", [](const In& i) { return i.d.SPIused; }},
    {", LANport", [](const In& i) { return i.index("LanSciSpin") != 0; }},
    {", BeepPort", [](const In& i) { return i.index("ComboBoxSound") != 0; }},
    {", MatrixPort", [](const In& i) { return i.on("KeyBoard4Chk"); }},
    {", KeyPort8", [](const In& i) { return i.on("KeyBoard8Chk"); }},
    {", UserPort", [](const In& i) { return i.value("UsrDatDevSpin") != 0; }},
    {", FileSystem", [](const In& i) { return i.value("DiskASpin") != 0; }},
    {", LCDGraphic", [](const In& i) { return i.on("LCDgraphChk"); }},
    {", IncrPort", [](const In& i) { return i.index("IncCountSpin") > 0; }},
    {", BankPort", [](const In& i) { return i.value("BankPortSpin") > 0; }},
    {", Heap", [](const In& i) { return i.d.Heap; }},
    {", SPIdriver", [](const In& i) { return i.on("SPIDrvChk"); }},
    {", SPIdriver1", [](const In& i) { return i.on("SPIsoftDrvChk1"); }},
    {", SPIdriver2", [](const In& i) { return i.on("SPIsoftDrvChk2"); }},
    {", MSPI_0", [](const In& i) { return i.on("MSPIchk0"); }},
    {", MSPI_1", [](const In& i) { return i.on("MSPIchk1"); }},
    {", MSPI_2", [](const In& i) { return i.on("MSPIchk2"); }},
    {", TickTimer", [](const In& i) { return i.on("TickTimerChk"); }},
    {", RC5Rxport", [](const In& i) { return i.on("RC5RxChk"); }},
    {", RC5Txport", [](const In& i) { return i.on("RC5TxChk"); }},
    // At most one TWI import: master before slave before the network.
    {", TWImaster", [](const In& i) { return i.on("TWImasterChk"); }},
    {", TWIslave", [](const In& i) { return !i.on("TWImasterChk") && i.on("TWIslaveChk"); }},
    {", TWInet",
     [](const In& i) {
         return !i.on("TWImasterChk") && !i.on("TWIslaveChk") && !i.on("TWInetNoneChk");
     }},
    {", SoftPWM", [](const In& i) { return i.index("ComboBoxSoftPWM") != 0; }},
    {", IOexpand", [](const In& i) { return i.index("ComboBoxIOExpander") != 0; }},
    {", ServoPort", [](const In& i) { return i.index("ComboBoxServoPort") != 0; }},
    {", SHT11drvr", [](const In& i) { return i.on("SHT11Chk"); }},
    {", FAT16", [](const In& i) { return i.on("FAT16chk"); }},
    {", wzNet4", [](const In& i) { return i.on("TCP_IPchk"); }},
    {", ROVAstack", [](const In& i) { return i.on("ROVAchk"); }},
    {", SysLEDblink",
     [](const In& i) { return i.o.enabled("LEDportSpin0") && i.index("LEDportSpin0") > 0; }},
    {", DDS10", [](const In& i) { return i.on("DSS10chk"); }},
    {", WiegandPort", [](const In& i) { return i.on("WiegandChk"); }},
    {", IncrPort4", [](const In& i) { return i.on("IncrP4Chk"); }},
    {", SLIPport1", [](const In& i) { return i.on("SlipChk1"); }},
    {", SLIPport2", [](const In& i) { return i.on("SlipChk2"); }},
    {", SLIPport3", [](const In& i) { return i.on("SlipChk3"); }},
    {", SLIPport4", [](const In& i) { return i.on("SlipChk4"); }},
};

const Item kSystemImport[] = {
    {", LongWord",
     [](const In& i) {
         return i.d.LongWords || i.value("DiskASpin") != 0 || i.on("TickTimerChk") ||
                i.on("ROVAchk");
     }},
    {", LongInt",
     [](const In& i) {
         return i.d.LongInts || i.on("DSS10chk") || (i.on("IncrP4Chk") && i.on("IncrP4LongChk"));
     }},
    {", Float", [](const In& i) { return i.d.Floats || i.on("DSS10chk"); }},
    {", Processes", [](const In& i) { return i.d.Processes || i.on("TCP_IPchk"); }},
    {", Tasks", [](const In& i) { return i.d.Tasks || i.on("TCP_IPchk"); }},
    {", Exceptions", [](const In& i) { return i.on("ExceptBox"); }},
    {", Pipes", [](const In& i) { return i.d.Pipes; }},
    {", PIDs", [](const In& i) { return i.d.PIDs; }},
    {", BootVectors",
     [](const In& i) { return i.o.enabled("BootVectChk") && i.on("BootVectChk"); }},
    {", PCINTserv0", [](const In& i) { return i.on("PCINTchk0"); }},
    {", PCINTserv1", [](const In& i) { return i.on("PCINTchk1"); }},
    {", PCINTserv2", [](const In& i) { return i.on("PCINTchk2"); }},
    {", PCINTserv3", [](const In& i) { return i.on("PCINTchk3"); }},
    {", FlashCheck_S", [](const In& i) { return i.on("AppCheckSumChk"); }},
    {", FlashCheck_B", [](const In& i) { return i.on("BootCheckSumChk"); }},
};

const Item kRTclockImport[] = {
    {", RTCalarm", [](const In& i) { return i.on("RTCalarmChk"); }},
    {", RTCtimer", [](const In& i) { return i.value("RTCtimerSpin") > 0; }},
};

const Item kNetImport[] = {
    {", UDP", [](const In& i) { return i.on("TCP_UDPchk"); }},
    {", DNS", [](const In& i) { return i.on("TCP_DNSchk"); }},
    {", SNTP", [](const In& i) { return i.on("TCP_SNTPchk"); }},
    {", SMTP", [](const In& i) { return i.on("TCP_SMTPchk"); }},
    {", Telnet", [](const In& i) { return i.on("TCP_TelnetChk"); }},
    {", HTTP", [](const In& i) { return i.on("TCP_HTTPchk"); }},
};

// The names of the items that apply, separated by ", ".
template <size_t N> std::string list(const In& in, const Item (&items)[N]) {
    std::string text;
    for (const Item& item : items)
        if (item.when(in)) text += item.name;
    return text.size() > 2 ? text.substr(2) : std::string();
}

} // namespace

void WriteImports(const BuildInput& p, Listing& out) {
    const In in{p.opts(), p.derived(), p.cpu()};

    out.push_back("Import " + list(in, kImport) + ";");
    out.push_back("");
    out.push_back("From System Import " + list(in, kSystemImport) + ";");
    out.push_back("");

    if (in.on("RTCalarmChk") || in.value("RTCtimerSpin") > 0) {
        out.push_back("From RTclock Import " + list(in, kRTclockImport) + ";");
        out.push_back("");
    }
    if (in.on("LCDgraphChk") && in.on("PixFontChk")) {
        out.push_back("From LCDGraphic Import CharSet;    {block CharSet, pixels}");
        out.push_back("");
    }
    if (in.on("TCP_IPchk")) {
        out.push_back("From wzNet4 Import " + list(in, kNetImport) + ";");
        out.push_back("");
    }
    if (in.o.enabled("LEDbitSpin0") && in.on("BlinkMsgChk")) {
        out.push_back("From SysLEDblink Import LEDmessage;");
        out.push_back("");
    }
    if (in.d.SysTick > 0) {
        if (in.on("SysTime16Chk"))
            out.push_back("From SysTick import SystemTime16;");
        else if (in.on("SysTime32Chk"))
            out.push_back("From SysTick import SystemTime32;");
        out.push_back("");
    }
}

} // namespace pramlet
