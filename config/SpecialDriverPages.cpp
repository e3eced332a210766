#include "config/SpecialDriverPages.h"

#include "config/PortLists.h"
#include "config/Project.h"

namespace pramlet {

namespace {

void enableAll(Options& o, OptNames names, bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

bool hasPeriph(const Project& p, tPeriphT what) {
    return p.cpu().Periph.has(what);
}

std::vector<std::string> ports(const Project& p, PortList list, const std::string& leading = {}) {
    return portListItems(p.cpu(), list, p.derived().ExternRam, leading);
}

// The list's first item stands for "not imported". A list without a chosen item counts as
// imported, as the generator reads it.
bool onFirstItem(const Options& o, OptName list) {
    return o.itemIndex(list) == 0;
}

// The iData member is always offered; the xData member only while the project has external
// RAM, otherwise iData is chosen. True when that choice was changed (its handler ran).
bool followExternRam(Project& p, OptName iData, OptName xData) {
    Options& o = p.opts();
    o.setEnabled(iData, true);
    if (p.derived().ExternRam > 0) {
        o.setEnabled(xData, true);
        return false;
    }
    const bool change = !o.checked(iData);
    p.ruleChoose(iData);
    o.setEnabled(xData, false);
    return change;
}

// A bus master on the TWI port, plain or as a network node.
bool twiMaster(const Options& o) {
    return o.checked("TWImasterChk") || o.checked("TWInetMasterChk") ||
           o.checked("TWInetMasterSlaveChk");
}

// The soft I2C port of page 4.
bool i2cBus(const Options& o) {
    return !o.checked("I2CnoneChk");
}

// ---- page 7 ----

void tickTimer(Project& p) {
    Options& o = p.opts();
    if (!o.checked("TickTimerChk")) {
        enableAll(o,
                  {"TickTimer1Chk", "TickTimer3Chk", "TickTimer4Chk", "TickTimer5Chk",
                   "TickTimerSavChk", "TickTimerPinOutChk", "TickTimerIntChk"},
                  false);
        return;
    }
    enableAll(o, {"TickTimer1Chk", "TickTimerPinOutChk", "TickTimerIntChk"}, true);
    o.setEnabled("TickTimerSavChk", o.checked("TickTimerIntChk"));
    struct Timer {
        OptName member;
        int number;
    };
    static const Timer timers[] = {
        {"TickTimer3Chk", 3}, {"TickTimer4Chk", 4}, {"TickTimer5Chk", 5}};
    for (auto [member, n] : timers) {
        const bool has = p.cpu().Timers >= n;
        o.setEnabled(member, has);
        if (!has && o.checked(member)) p.ruleChoose("TickTimer1Chk");
    }
}

void hardSPI(Project& p) {
    enableAll(
        p.opts(),
        {"SPIDrvMSBchk", "SPIDRVcPhaseAChk", "SPIDRVcpolChk", "SPIdrvPrescChk", "UseSSpinChk"},
        p.opts().checked("SPIDrvChk"));
}

void softSPI(Project& p, OptName drv, OptNames parts, OptName portList) {
    Options& o = p.opts();
    const bool on = o.checked(drv);
    if (on) o.refill(portList, ports(p, PortList::Ports));
    enableAll(o, parts, on);
    o.setEnabled(portList, on);
}

void rc5(Project& p) {
    Options& o = p.opts();
    const bool rx = o.checked("RC5RxChk"), tx = o.checked("RC5TxChk");
    enableAll(o, {"ComboBoxRC5", "RC5BitSpin", "RC5RXinvChk"}, rx);
    o.setEnabled("RC5TXinvChk", tx);
    o.setEnabled("RC5extChk", rx || tx);
}

void realTimeClock(Project& p) {
    Options& o = p.opts();
    if (o.value("SysTickSpin") != 0) {
        o.setEnabled("RTCsystickChk", true);
    } else {
        p.ruleCheck("RTCsystickChk", false);
        o.setEnabled("RTCsystickChk", false);
    }
    if (p.cpu().ASSR > 0 || o.checked("RTCsystickChk")) {
        enableAll(o, {"RTCnoneBtn", "RTCtimeBtn", "RTCdateTimeBtn", "RTCalarmChk", "RTCtimerSpin"},
                  true);
        followExternRam(p, "RTCidataChk", "RTCxdataChk");
    } else {
        // RTCsystickChk stays as set above: it is the way to a clock without an
        // asynchronous timer.
        p.ruleChoose("RTCnoneBtn");
        enableAll(o,
                  {"RTCnoneBtn", "RTCtimeBtn", "RTCdateTimeBtn", "RTCalarmChk", "RTCtimerSpin",
                   "RTCidataChk", "RTCxdataChk"},
                  false);
        p.ruleCheck("RTCalarmChk", false);
        o.setValue("RTCtimerSpin", 0);
    }
}

void dcf77(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxDCF77", ports(p, PortList::Pins, "None"));
    enableAll(o, {"DCFBitSpin", "DCFinvChk"}, !onFirstItem(o, "ComboBoxDCF77"));
}

// ---- page 8 ----

const OptNames kTWIplainParts = {"TWIIdataCheck", "TWIXdataCheck",    "TWIprescSpin",
                                 "TWIbufSpin",    "TWImodeTranspChk", "TWImodeHSKChk"};

void plainTWI(Project& p) {
    Options& o = p.opts();
    enableAll(o, {"TWImasterChk", "TWIslaveChk"}, true);
    if (o.checked("TWImasterChk")) {
        o.setEnabled("TWIprescSpin", true);
        enableAll(
            o,
            {"TWIIdataCheck", "TWIXdataCheck", "TWImodeTranspChk", "TWImodeHSKChk", "TWIbufSpin"},
            false);
    } else if (o.checked("TWIslaveChk")) {
        followExternRam(p, "TWIIdataCheck", "TWIXdataCheck");
        enableAll(o, {"TWIbufSpin", "TWImodeTranspChk", "TWImodeHSKChk"}, true);
        o.setEnabled("TWIprescSpin", false);
    } else {
        enableAll(o, kTWIplainParts, false);
    }
}

void plainTWIoff(Project& p) {
    p.ruleChoose("TWInoneChk");
    Options& o = p.opts();
    enableAll(o, {"TWImasterChk", "TWIslaveChk"}, false);
    enableAll(o, kTWIplainParts, false);
}

void netTWI(Project& p) {
    Options& o = p.opts();
    enableAll(o, {"TWInetMasterChk", "TWInetSlaveChk", "TWInetMasterSlaveChk"}, true);
    if (o.checked("TWInetNoneChk")) {
        enableAll(o,
                  {"TWInetPrescSpin", "TWInetBufSpin", "TWIBCspin", "TWInetIdataCheck",
                   "TWInetXdataCheck"},
                  false);
    } else {
        enableAll(o, {"TWInetPrescSpin", "TWInetBufSpin", "TWIBCspin"}, true);
        followExternRam(p, "TWInetIdataCheck", "TWInetXdataCheck");
    }
}

void netTWIoff(Project& p) {
    p.ruleChoose("TWInetNoneChk");
    enableAll(p.opts(),
              {"TWInetMasterChk", "TWInetSlaveChk", "TWInetMasterSlaveChk", "TWInetIdataCheck",
               "TWInetXdataCheck", "TWInetPrescSpin", "TWInetBufSpin", "TWIBCspin"},
              false);
}

// Plain TWI and the TWI network exclude each other: whichever is chosen switches the other
// off, and its "none" member brings the other back.
void twi(Project& p) {
    Options& o = p.opts();
    if (!hasPeriph(p, TWIport)) {
        plainTWIoff(p);
        netTWIoff(p);
        enableAll(o, {"TWInoneChk", "TWInetNoneChk"}, false);
        return;
    }
    enableAll(o, {"TWInoneChk", "TWInetNoneChk"}, true);
    if (o.checked("TWInoneChk")) {
        netTWI(p);
        if (o.checked("TWInetNoneChk"))
            plainTWI(p);
        else
            plainTWIoff(p);
    } else {
        plainTWI(p);
        netTWIoff(p);
    }
}

void softPWM(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxSoftPWM", ports(p, PortList::Ports, "None"));
    const OptNames numbers = {"SoftPWMresSpin", "SoftPWMstartSpin", "SoftPWMchanSpin",
                              "SoftPWMcycleSpin"};
    if (onFirstItem(o, "ComboBoxSoftPWM")) {
        enableAll(o, {"SoftPWMtmr0Chk", "SoftPWMtmr2Chk"}, false);
        enableAll(o, numbers, false);
        return;
    }
    o.setEnabled("SoftPWMtmr0Chk", true);
    o.setEnabled("SoftPWMtmr2Chk", hasPeriph(p, PWMport1A));
    enableAll(o, numbers, true);
}

struct MultiSPI {
    tPeriphT periph;
    OptName group, chk, msb, cpha, cpol, presc;
};

void multiSPI(Project& p) {
    static const MultiSPI kDrivers[] = {
        {MSPI0, "MSPIgroup0", "MSPIchk0", "MSPImsb0", "MSPICpha0", "MSPICpol0", "MSPIpresc0"},
        {MSPI1, "MSPIgroup1", "MSPIchk1", "MSPImsb1", "MSPICpha1", "MSPICpol1", "MSPIpresc1"},
        {MSPI2, "MSPIgroup2", "MSPIchk2", "MSPImsb2", "MSPICpha2", "MSPICpol2", "MSPIpresc2"},
    };
    Options& o = p.opts();
    for (const MultiSPI& d : kDrivers) {
        const bool shown = hasPeriph(p, d.periph);
        o.setVisible(d.group, shown);
        if (!shown) {
            p.ruleCheck(d.chk, false);
            continue;
        }
        enableAll(o, {d.msb, d.cpha, d.cpol, d.presc}, o.checked(d.chk));
    }
}

// ---- page 9 ----

void can(Project& p) {
    Options& o = p.opts();
    const OptNames parts = {"CANtimeStampChk", "CANrxPipeSpin", "CANtxPipeSpin", "CANbaudSpin"};
    if (!hasPeriph(p, CANport)) {
        o.setEnabled("CANimpChk", false);
        p.ruleCheck("CANimpChk", false);
        enableAll(o, parts, false);
        return;
    }
    o.setEnabled("CANimpChk", true);
    if (!o.checked("CANimpChk")) {
        enableAll(o, parts, false);
        return;
    }
    o.setEnabled("CANtimeStampChk", o.checked("SysTime16Chk") || o.checked("SysTime32Chk"));
    enableAll(o, {"CANrxPipeSpin", "CANtxPipeSpin", "CANbaudSpin"}, true);
}

void ioExpander(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxIOExpander", ports(p, PortList::DataDirection, "None"));
    if (onFirstItem(o, "ComboBoxIOExpander")) {
        enableAll(o,
                  {"IOexpStartSpin", "IOexpInpSpin", "IOexpOutpSpin", "IOexpIdataCheck",
                   "IOexpXdataCheck"},
                  false);
        return;
    }
    enableAll(o, {"IOexpStartSpin", "IOexpInpSpin", "IOexpOutpSpin"}, true);
    const int in = o.value("IOexpInpSpin"), out = o.value("IOexpOutpSpin");
    if (in == 0 && out == 0) o.setValue("IOexpInpSpin", 1);
    // With inputs and outputs both on the port, the start pin leaves room for both.
    if (in > 0 && out > 0 && o.value("IOexpStartSpin") > 2) o.setValue("IOexpStartSpin", 2);
    followExternRam(p, "IOexpIdataCheck", "IOexpXdataCheck");
}

void i2cDependants(Project& p) {
    const Options& o = p.opts();
    if (i2cBus(o) || twiMaster(o)) return;
    for (OptName box : OptNames{"LCDmultiTWIchk", "I2CexpChk", "I2C_7segChk"})
        p.ruleCheck(box, false);
}

void lcdMulti(Project& p) {
    Options& o = p.opts();
    enableAll(
        o, {"LCDmultiRowSel", "LCDmultiColSel", "LCDM44780", "LCDM0070", "LCDM66712", "LCDM0073"},
        o.checked("LCDmultiTWIchk") || o.checked("LCDmultiSPIchk"));
}

void i2cExpander(Project& p) {
    enableAll(p.opts(),
              {"Port0chk", "Port1chk", "Port2chk", "Port3chk", "Port4chk", "Port5chk", "Port6chk",
               "Port7chk"},
              p.opts().checked("I2CexpChk"));
}

// The four displays share at most 16 digits; displays 3 and 4 are offered only while
// digits are left, and lowered with a beep where they take more than are left.
void i2c7seg(Project& p) {
    Options& o = p.opts();
    const OptNames displays = {"I2C_7segSpin1", "I2C_7segSpin2", "I2C_7segSpin3", "I2C_7segSpin4"};
    if (!o.checked("I2C_7segChk")) {
        enableAll(o, displays, false);
        return;
    }
    enableAll(o, {"I2C_7segSpin1", "I2C_7segSpin2"}, true);
    const int d1 = o.value("I2C_7segSpin1"), d2 = o.value("I2C_7segSpin2");
    if (d2 == 0 || d1 + d2 >= 16) {
        enableAll(o, {"I2C_7segSpin3", "I2C_7segSpin4"}, false);
        return;
    }
    o.setEnabled("I2C_7segSpin3", true);
    const int d3 = o.value("I2C_7segSpin3");
    if (d1 + d2 + d3 > 16) {
        p.dialogs().beep();
        o.setValue("I2C_7segSpin3", 16 - d1 - d2);
        o.setEnabled("I2C_7segSpin4", false);
    } else if (d1 + d2 + d3 != 16 && d3 != 0) {
        o.setEnabled("I2C_7segSpin4", true);
        if (d1 + d2 + d3 + o.value("I2C_7segSpin4") > 16) {
            p.dialogs().beep();
            o.setValue("I2C_7segSpin4", 16 - d1 - d2 - d3);
        }
    } else {
        o.setEnabled("I2C_7segSpin4", false);
    }
}

void servo(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxServoPort", ports(p, PortList::Ports, "none"));
    if (onFirstItem(o, "ComboBoxServoPort")) {
        enableAll(o,
                  {"ServoStartSpin", "ServoChanSpin", "ServoPulseSpin", "ServoIdataCheck",
                   "ServoXdataCheck", "ServoPosCheck", "ServoNegCheck", "ServoTimr1Check",
                   "ServoTimr3Check"},
                  false);
        return;
    }
    enableAll(o,
              {"ServoStartSpin", "ServoChanSpin", "ServoPulseSpin", "ServoIdataCheck",
               "ServoPosCheck", "ServoNegCheck", "ServoTimr1Check"},
              true);
    if (p.cpu().Timers == 3) {
        o.setEnabled("ServoTimr3Check", true);
    } else {
        p.ruleChoose("ServoTimr1Check");
        o.setEnabled("ServoTimr3Check", false);
    }
    // The channels fit in one 8-bit port.
    const int last = 8 - o.value("ServoChanSpin");
    if (o.value("ServoStartSpin") > last) o.setValue("ServoStartSpin", last);
    followExternRam(p, "ServoIdataCheck", "ServoXdataCheck");
}

void linePrinter(Project& p) {
    Options& o = p.opts();
    const bool i2c = i2cBus(o), master = twiMaster(o);
    o.setEnabled("LPTI2CChk", i2c);
    if (!i2c && o.checked("LPTI2CChk")) p.ruleChoose("LPTnoneChk");
    o.setEnabled("LPTTWIChk", master);
    if (!master && o.checked("LPTTWIChk")) p.ruleChoose("LPTnoneChk");
    o.refill("LPTdatSpin", ports(p, PortList::Ports));
    o.refill("LPTctrlSpin", ports(p, PortList::Ports));
    if (o.checked("LPTnoneChk")) {
        enableAll(o, {"LPTadrSpin", "LPTdatSpin", "LPTctrlSpin"}, false);
    } else if (o.checked("LPTportChk")) {
        enableAll(o, {"LPTdatSpin", "LPTctrlSpin"}, true);
        o.setEnabled("LPTadrSpin", false);
    } else {
        o.setEnabled("LPTadrSpin", true);
        enableAll(o, {"LPTdatSpin", "LPTctrlSpin"}, false);
    }
}

// Undoes a tick of a driver that needs an I2C bus when there is none.
void needsI2CBus(Project& p, OptName box, const char* text) {
    const Options& o = p.opts();
    if (i2cBus(o) || twiMaster(o)) return;
    p.opts().setChecked(box, false);
    p.dialogs().beep();
    p.dialogs().message(MsgKind::Error, text, MsgButton::Cancel);
}

// ---- page 10 ----

void sht11(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxSHA11Clock", ports(p, PortList::Ports));
    o.refill("ComboBoxSHA11Data", ports(p, PortList::DataDirection));
    o.setEnabled("SHT11SysTickchk", o.checked("SHT11Chk"));
}

// True when a changed choice ran the page's rules anew.
bool fat16(Project& p) {
    Options& o = p.opts();
    if (!o.checked("FAT16chk")) {
        enableAll(o,
                  {"MMCchk", "MMCsoftChk", "F16usrChk", "DirLevelSpin", "FileHandleSpin",
                   "FATiDataChk", "FATxDataChk", "MMCsoftSpin"},
                  false);
        return false;
    }
    enableAll(o, {"MMCchk", "MMCsoftChk", "F16usrChk", "DirLevelSpin", "FileHandleSpin"}, true);
    o.setEnabled("MMCsoftSpin", o.checked("MMCsoftChk"));
    return followExternRam(p, "FATiDataChk", "FATxDataChk");
}

bool tcpip(Project& p) {
    Options& o = p.opts();
    const OptNames always = {"TCP_TWIchk", "TCP_I2Cchk", "TCP_UserChk", "TCP_SockSpin",
                             "TCP_UDPchk", "TCP_DNSchk", "TCP_SNTPchk", "TCP_TelnetChk"};
    // Mail and web protocols are not offered by this driver.
    enableAll(o, {"TCP_SMTPchk", "TCP_HTTPchk"}, false);
    if (!o.checked("TCP_IPchk")) {
        enableAll(o, always, false);
        enableAll(o, {"TCP_iDataChk", "TCP_xDataChk"}, false);
        return false;
    }
    if (followExternRam(p, "TCP_iDataChk", "TCP_xDataChk")) return true;
    enableAll(o, always, true);
    // Only a warning: the choice stays, and so does the warning while the conflict stands.
    if (o.checked("TCP_TWIchk") && !twiMaster(o)) {
        p.dialogs().beep();
        p.dialogs().message(MsgKind::Error,
                            "TCP/IP over TWI needs either\r\nTWImaster import\r\n"
                            "or TWInetMaster import\r\nor TWInetMasterSlave import",
                            MsgButton::Cancel);
    } else if (o.checked("TCP_I2Cchk") && !i2cBus(o)) {
        p.dialogs().beep();
        p.dialogs().message(MsgKind::Error, "TCP/IP over I2C needs I2Cport import",
                            MsgButton::Cancel);
    }
    return false;
}

void rova(Project& p) {
    Options& o = p.opts();
    if (!o.checked("ROVAchk")) {
        enableAll(o,
                  {"ROVA_ENCchk", "ROVA_USERchk", "ROVA_SLIPchk", "ROVA_SockSpin", "ROVA_TimerSpin",
                   "ROVA_UDPchk", "ROVA_DNSchk", "ROVA_DHCPchk", "ROVA_SNTPchk", "ROVA_SMTPchk",
                   "ROVA_TELNETchk", "ROVA_HTTPchk"},
                  false);
        return;
    }
    enableAll(o, {"ROVA_ENCchk", "ROVA_SockSpin", "ROVA_TimerSpin", "ROVA_UDPchk"}, true);
    const int last = p.cpu().Timers - 1;
    o.setMax("ROVA_TimerSpin", last);
    // A bound of 0..0 means none, so a controller with one timer is held at 0 here; a
    // value kept from a controller with more timers is lowered the same way.
    if (o.value("ROVA_TimerSpin") > last) o.setValue("ROVA_TimerSpin", last);
}

} // namespace

void Page7Rules(Project& p) {
    p.setTitle(7);
    tickTimer(p);
    hardSPI(p);
    softSPI(p, "SPIsoftDrvChk1",
            {"SPIsoftMSBchk1", "SPIsoftPHAchk1", "SPIsoftCLKchk1", "SoftSPIbitSpin1"},
            "SoftSPIportSpin1");
    softSPI(p, "SPIsoftDrvChk2",
            {"SPIsoftMSBchk2", "SPIsoftPHAchk2", "SPIsoftCLKchk2", "SoftSPIbitSpin2"},
            "SoftSPIportSpin2");
    rc5(p);
    realTimeClock(p);
    dcf77(p);
}

void Page8Rules(Project& p) {
    p.setTitle(8);
    twi(p);
    softPWM(p);
    multiSPI(p);
}

void Page9Rules(Project& p) {
    p.setTitle(9);
    can(p);
    ioExpander(p);
    i2cDependants(p);
    lcdMulti(p);
    i2cExpander(p);
    i2c7seg(p);
    servo(p);
    linePrinter(p);
}

void Page10Rules(Project& p) {
    p.setTitle(10);
    sht11(p);
    // A changed memory choice runs these rules again from the start, warnings included;
    // stopping here keeps each warning to one per run.
    if (fat16(p)) return;
    if (tcpip(p)) return;
    rova(p);
}

// The two multi-port LCD interfaces exclude each other. The other box is cleared as part of
// this click: its own check would clear this box again and undo the user's tick.
void LCDmultiTWIchkRule(Project& p) {
    p.opts().setChecked("LCDmultiSPIchk", false);
    needsI2CBus(p, "LCDmultiTWIchk",
                "LCDmultiPort needs either\r\n    I2Cport import\r\nor TWImaster import\r\n"
                "or TWInetMaster import\r\nor TWInetMasterSlave import");
}

void LCDmultiSPIchkRule(Project& p) {
    p.opts().setChecked("LCDmultiTWIchk", false);
}

void I2C_7segChkRule(Project& p) {
    needsI2CBus(p, "I2C_7segChk",
                "I2C_7seg Port needs either\r\n    I2Cport import\r\nor TWImaster import\r\n"
                "or TWInetMaster import\r\nor TWInetMasterSlave import");
}

void I2CexpChkRule(Project& p) {
    needsI2CBus(p, "I2CexpChk",
                "I2Cexpander needs either\r\n    I2Cport import\r\nor TWImaster import\r\n"
                "or TWInetMaster import\r\nor TWInetMasterSlave import");
}

void SpecialDriverControllerLoaded(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxRC5", ports(p, PortList::Pins));
    for (OptName list :
         OptNames{"MMCsoftSpin", "SoftSPIportSpin1", "SoftSPIportSpin2", "LPTdatSpin", "LPTctrlSpin"})
        o.refill(list, ports(p, PortList::Ports));
    o.setEnabled("LPTTWIChk", hasPeriph(p, TWIport));
}

} // namespace pramlet
