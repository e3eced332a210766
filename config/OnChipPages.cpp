#include "config/OnChipPages.h"

#include "config/PortLists.h"
#include "config/Project.h"
#include "config/SerialPorts.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace pramlet {

namespace {

constexpr OptFamily<8> kLEDportSpin{"LEDportSpin", ""};
constexpr OptFamily<8> kLEDbitSpin{"LEDbitSpin", ""};
constexpr OptFamily<8> kLedLowChk{"LedLowChk", ""};
constexpr OptFamily<4> kPCINTchk{"PCINTchk", ""};

// The SPI options that follow the buffer size.
const OptName kSPIfollowers[] = {"SPIretrySpin", "SPIprescSpin", "SPIMSBchk",  "SPIMastChk",
                                 "SPIclkChk",    "SPIphaseChk",  "SPIiDatChk", "SPIxDatChk"};

const OptName kADCfollowers[] = {"ADCprescSpin", "ADCintChk", "ADCiDatChk", "ADCxDatChk"};

tRamPage ramPage(const Options& o, OptName iDataMember) {
    return o.checked(iDataMember) ? tRamPage::iData : tRamPage::xData;
}

void enableAll(Options& o, OptNames names, bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

template <size_t N> void enableAll(Options& o, const OptName (&names)[N], bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

void hardwareSPI(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    if (p.cpu().Periph.has(SPIport)) {
        o.setEnabled("SPIBufSpin", true);
        d.SPIused = o.value("SPIBufSpin") != 0;
        enableAll(o, kSPIfollowers, d.SPIused);
    } else {
        d.SPIused = false;
        o.setValue("SPIBufSpin", 0);
        o.setEnabled("SPIBufSpin", false);
        enableAll(o, kSPIfollowers, false);
    }
}

// The three outputs of one PWM timer and the options they share.
struct PwmTimer {
    OptName out[3];
    tPeriphT periph[3];
    OptName shared[4];
};

const PwmTimer kPwm1{{"PWM1Achk", "PWM1Bchk", "PWM1Cchk"},
                     {PWMport1A, PWMport1B, PWMport1C},
                     {"PWMresSel", "PWMprescSel", "PWM1negChk", "PWM1fastChk"}};
const PwmTimer kPwm3{{"PWM3Achk", "PWM3Bchk", "PWM3Cchk"},
                     {PWMport3A, PWMport3B, PWMport3C},
                     {"PWMres3Sel", "PWMpresc3Sel", "PWM3negChk", "PWM3fastChk"}};

void pwmTimer(Project& p, const PwmTimer& t) {
    Options& o = p.opts();
    bool present = false, used = false;
    for (int i = 0; i < 3; ++i) {
        const bool has = p.cpu().Periph.has(t.periph[i]);
        o.setEnabled(t.out[i], has);
        if (!has) p.ruleCheck(t.out[i], false);
        present = present || has;
    }
    for (OptName out : t.out)
        used = used || o.checked(out);
    enableAll(o, t.shared, present && used);
}

void adc(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    // A count chosen for a controller with more channels would configure channels this
    // converter lacks: it is lowered to what the converter has.
    if (p.cpu().Periph.has(ADCport) && o.value("ADCspin") > p.cpu().ADCmax)
        o.setValue("ADCspin", p.cpu().ADCmax);
    if (p.cpu().Periph.has(ADCport) && d.SysTick > 0) {
        o.setEnabled("ADCspin", true);
        if (o.value("ADCspin") != 0) {
            enableAll(o, {"ADCprescSpin", "ADCintChk", "ADCiDatChk"}, true);
            if (d.ExternRam > 0) {
                o.setEnabled("ADCxDatChk", true);
            } else {
                p.ruleChoose("ADCiDatChk");
                o.setEnabled("ADCxDatChk", false);
            }
        } else {
            enableAll(o, kADCfollowers, false);
        }
    } else {
        o.setEnabled("ADCspin", false);
        enableAll(o, kADCfollowers, false);
    }
    d.ADCchans = o.value("ADCspin");
    d.ADCpresc = o.value("ADCprescSpin");
    d.ADCbuffer = ramPage(o, "ADCiDatChk");
}

void systemLEDs(Project& p) {
    Options& o = p.opts();
    const bool tick = p.derived().SysTick != 0;
    for (int n = 0; n < 8; ++n) {
        o.setEnabled(kLEDportSpin(n), tick);
        const bool led = tick && o.itemIndex(kLEDportSpin(n)) > 0;
        o.setEnabled(kLEDbitSpin(n), led);
        o.setEnabled(kLedLowChk(n), led);
    }
    enableAll(o, {"LedTimeSpin", "BlinkMsgChk"}, tick);
}

struct TimerMember {
    OptName member;
    int number; // the timer it needs
};

// A timer member is offered when the controller has at least that many timers; a chosen one
// it lacks falls back to timer 1.

void timerChoice(Project& p, OptName timer1, std::initializer_list<TimerMember> others, bool on) {
    Options& o = p.opts();
    o.setEnabled(timer1, on);
    for (const auto& [member, number] : others) {
        if (!on) {
            o.setEnabled(member, false);
            continue;
        }
        const bool has = p.cpu().Timers >= number;
        o.setEnabled(member, has);
        if (!has && o.checked(member)) p.ruleChoose(timer1);
    }
}

void encoder4(Project& p) {
    const bool on = p.opts().checked("IncrP4Chk");
    enableAll(p.opts(), {"IncrP4PortSpin", "IncrP4ChanSpin", "IncrP4IntChk", "IncrP4LongChk"}, on);
    timerChoice(p, "IncrP4Tmr1Chk",
                {{"IncrP4Tmr3Chk", 3}, {"IncrP4Tmr4Chk", 4}, {"IncrP4Tmr5Chk", 5}}, on);
}

void dds10(Project& p) {
    const bool on = p.opts().checked("DSS10chk");
    p.opts().setEnabled("DDS10portSpin", on);
    timerChoice(
        p, "DDS10Tmr1Chk",
        {{"DDS10Tmr2Chk", 2}, {"DDS10Tmr3Chk", 3}, {"DDS10Tmr4Chk", 4}, {"DDS10Tmr5Chk", 5}}, on);
}

void pinChangeInterrupts(Project& p) {
    Options& o = p.opts();
    bool any = false;
    for (int n = 0; n < 4; ++n) {
        const bool has = p.cpu().Periph.has(static_cast<tPeriphT>(PCINT0 + n));
        o.setEnabled(kPCINTchk(n), has);
        if (!has) p.ruleCheck(kPCINTchk(n), false);
        any = any || o.checked(kPCINTchk(n));
    }
    o.setEnabled("PCINTtemplChk", any);
    if (!any) p.ruleCheck("PCINTtemplChk", false);
}

void wiegand(Project& p) {
    Options& o = p.opts();
    const bool on = o.checked("WiegandChk");
    enableAll(o, {"WiegandIntSpin", "WiegandPortSpin", "WiegandBitSpin0", "WiegandBitSpin1"}, on);
    // The driver needs the tick; the import stays, so the message comes on every run.
    if (on && p.derived().SysTick <= 0) {
        p.dialogs().beep();
        p.dialogs().message(MsgKind::Error, "Wiegand Driver needs the SysTick import",
                            MsgButton::Cancel);
    }
}

void slipPorts(Project& p) {
    Options& o = p.opts();
    for (int n = 1; n <= 4; ++n) {
        if (o.enabled(kSlipChk(n))) {
            o.setEnabled(kSlipBaud(n), o.checked(kSlipChk(n)));
        } else {
            p.ruleCheck(kSlipChk(n), false);
            o.setEnabled(kSlipBaud(n), false);
        }
    }
}

} // namespace

void Page2Rules(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    p.setTitle(2);
    for (int port = 0; port < 4; ++port)
        SerialPortRule(p, port);
    hardwareSPI(p);
    pwmTimer(p, kPwm1);
    d.PWMres = o.value("PWMresSel");
    d.PWMpresc = o.value("PWMprescSel");
    pwmTimer(p, kPwm3);
    d.PWMres3 = o.value("PWMres3Sel");
    d.PWMpresc3 = o.value("PWMpresc3Sel");
    for (int n = 1; n <= 4; ++n) {
        const size_t i = static_cast<size_t>(n - 1);
        d.SerBaud[i] = o.value(kBaudSpin(n));
        d.RxBuffer[i] = o.value(kRxBufSpin(n));
        d.TxBuffer[i] = o.value(kTxBufSpin(n));
        d.RxBuffData[i] = ramPage(o, kRxiDatChk(n));
        d.TxBuffData[i] = ramPage(o, kTxiDatChk(n));
    }
}

void Page3Rules(Project& p) {
    p.setTitle(3);
    adc(p);
    systemLEDs(p);
    encoder4(p);
    dds10(p);
    pinChangeInterrupts(p);
    wiegand(p);
    slipPorts(p);
}

void OnChipControllerLoaded(Project& p) {
    Options& o = p.opts();
    const tCpuDesc& cpu = p.cpu();
    const int xram = p.derived().ExternRam;
    for (int n = 0; n < 8; ++n)
        o.refill(kLEDportSpin(n), portListItems(cpu, PortList::Ports, xram, "none"));
    o.refill("DDS10portSpin", portListItems(cpu, PortList::Ports, xram, "SPI"));
    for (OptName list : OptNames{"IncrP4PortSpin", "WiegandPortSpin"})
        o.refill(list, portListItems(cpu, PortList::Ports, xram));
    o.setMax("ADCspin", cpu.ADCmax);

    std::vector<std::string> ints;
    for (int n = 0; n < 8; ++n)
        if (cpu.Periph.has(static_cast<tPeriphT>(INT0 + n))) ints.push_back("INT" + std::to_string(n));
    o.refill("WiegandIntSpin", ints);
    o.setEnabled("WiegandChk", !ints.empty());
    if (ints.empty()) p.ruleCheck("WiegandChk", false);
}

} // namespace pramlet
