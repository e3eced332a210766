// The two on-chip driver pages and the serial port rule as the pages run it, over the
// controllers of tests/data/p23:
//   p23quad  four serial ports, SPI, all PWM outputs, 5 timers, PCINT0..3, INT0..7, 16 ADC
//            channels, ports A..L, external memory
//   p23mid   two serial ports, SPI, PWM1A/1B and PWM3A, 4 timers, PCINT0 and 2, INT0/1,
//            4 ADC channels, ports A..D
//   p23small one serial port, no SPI, PWM1A only, 2 timers, no PCINT, no INT pin, no ADC,
//            ports B and D
//   p23none  no serial port, no SPI, no PWM, 1 timer, INT2 only, ports B and C, external memory

#include "ProjectFixture.h"

#include "config/Handlers.h"
#include "config/SerialPorts.h"
#include "tests/support/RecordingDialogs.h"

namespace pramlet::test {

using V = std::vector<std::string>;
using Entry = RecordingDialogs::Entry;

class OnChipFixture : public ProjectFixture {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/p23/", {}); }

    void open(const std::string& device, int page) {
        select(device);
        gotoPage(page);
        dialogs.entries.clear();
    }
    void expectEnabled(OptNames names, bool on) {
        for (OptName n : names)
            EXPECT_EQ(o().enabled(n), on) << n;
    }
    const Derived& d() const { return p.derived(); }
    const Entry kWiegand{"error", "Wiegand Driver needs the SysTick import", "Cancel"};
    const Entry kBeep{"beep", "", ""};
};

using SerialPortsPageTest = OnChipFixture;
using SPIPageTest = OnChipFixture;
using PWMPageTest = OnChipFixture;
using Page2HandlerTest = OnChipFixture;
using ADCPageTest = OnChipFixture;
using SysLEDPageTest = OnChipFixture;
using TimerChoicePageTest = OnChipFixture;
using PCINTPageTest = OnChipFixture;
using WiegandPageTest = OnChipFixture;
using SlipPageTest = OnChipFixture;
using OnChipIdempotenceTest = OnChipFixture;

// ---- Page 2: serial ports ------------------------------------------------------------------

TEST_F(SerialPortsPageTest, EachPortFollowsTheControllersSerialPorts) {
    open("p23quad", 2);
    EXPECT_EQ(o().text("Tab"), "onChip driver import I");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(o().enabled(kBaudSpin(n))) << n;
        EXPECT_TRUE(o().enabled(kSlipChk(n))) << n;
        EXPECT_FALSE(o().enabled(kRxBufSpin(n))) << n; // no baud rate yet
    }
    open("p23mid", 2);
    expectEnabled({"Baud1Spin", "Baud2Spin", "SlipChk1", "SlipChk2"}, true);
    expectEnabled({"Baud3Spin", "Baud4Spin", "SlipChk3", "SlipChk4"}, false);
    open("p23none", 2);
    expectEnabled({"Baud1Spin", "Baud2Spin", "Baud3Spin", "Baud4Spin"}, false);
    expectEnabled({"SlipChk1", "SlipChk2", "SlipChk3", "SlipChk4"}, false);
}

TEST_F(SerialPortsPageTest, ABaudRateOpensThePortAndIsCopied) {
    open("p23quad", 2);
    enter("Baud3Spin", "19200");
    expectEnabled(
        {"RxBuf3Spin", "TxBuf3Spin", "Rx3iDatChk", "Tx3iDatChk", "SerForm3Spin", "DTR3PortSpin"},
        true);
    expectEnabled({"Rx3xDatChk", "Tx3xDatChk", "DTR3BitSpin", "DTR3enaChk"}, false);
    EXPECT_EQ(d().SerBaud[2], 19200);
    EXPECT_EQ(d().SerBaud[0], 0);
    p.userSelect("DTR3PortSpin", 4); // PinD
    expectEnabled({"DTR3BitSpin", "DTR3enaChk"}, true);
    enter("RxBuf3Spin", "64");
    enter("TxBuf3Spin", "32");
    EXPECT_EQ(d().RxBuffer[2], 64);
    EXPECT_EQ(d().TxBuffer[2], 32);
    enter("Baud3Spin", "None");
    EXPECT_EQ(d().SerBaud[2], 0);
    EXPECT_EQ(o().text("DTR3PortSpin"), "No DTR");
    expectEnabled({"RxBuf3Spin", "TxBuf3Spin", "DTR3BitSpin", "DTR3enaChk"}, false);
    EXPECT_EQ(d().RxBuffer[2], 64); // copied whether the field is usable or not
}

TEST_F(SerialPortsPageTest, ValuesOfAMissingPortAreStillCopied) {
    open("p23quad", 2);
    enter("Baud4Spin", "9600");
    open("p23mid", 2);
    EXPECT_FALSE(o().enabled("Baud4Spin"));
    EXPECT_EQ(d().SerBaud[3], 9600);
}

TEST_F(SerialPortsPageTest, BuffersGoToXDataOnlyWithExternalRam) {
    select("p23quad");
    enter("RamSpin", "8192");
    gotoPage(2);
    enter("Baud1Spin", "9600");
    expectEnabled({"Rx1xDatChk", "Tx1xDatChk"}, true);
    p.userChoose("Rx1xDatChk");
    EXPECT_EQ(d().RxBuffData[0], tRamPage::xData);
    EXPECT_EQ(d().TxBuffData[0], tRamPage::iData);
    // PinC carries the memory bus: no DTR line there.
    EXPECT_EQ(o()["DTR1PortSpin"].items[3], "PinD");

    gotoPage(0);
    enter("RamSpin", "0");
    gotoPage(2);
    EXPECT_TRUE(o().checked("Rx1iDatChk"));
    EXPECT_FALSE(o().enabled("Rx1xDatChk"));
    EXPECT_EQ(d().RxBuffData[0], tRamPage::iData);
    EXPECT_EQ(o()["DTR1PortSpin"].items[3], "PinC");
}

// ---- Page 2: hardware SPI ------------------------------------------------------------------

TEST_F(SPIPageTest, BufferSizeDecidesTheUse) {
    open("p23quad", 2);
    const OptNames followers = {"SPIretrySpin", "SPIprescSpin", "SPIMSBchk",  "SPIMastChk",
                                "SPIclkChk",    "SPIphaseChk",  "SPIiDatChk", "SPIxDatChk"};
    EXPECT_TRUE(o().enabled("SPIBufSpin"));
    expectEnabled(followers, false);
    EXPECT_FALSE(d().SPIused);
    enter("SPIBufSpin", "16");
    expectEnabled(followers, true);
    EXPECT_TRUE(d().SPIused);
    enter("SPIBufSpin", "0");
    expectEnabled(followers, false);
    EXPECT_FALSE(d().SPIused);
}

TEST_F(SPIPageTest, ControllerWithoutSPIClearsTheBuffer) {
    open("p23quad", 2);
    enter("SPIBufSpin", "16");
    open("p23small", 2);
    EXPECT_EQ(o().value("SPIBufSpin"), 0);
    EXPECT_FALSE(o().enabled("SPIBufSpin"));
    EXPECT_FALSE(o().enabled("SPIMastChk"));
    EXPECT_FALSE(d().SPIused);
}

// ---- Page 2: PWM ----------------------------------------------------------------------------

TEST_F(PWMPageTest, OnlyTheControllersOutputsAndTheirSharedOptions) {
    open("p23quad", 2);
    for (OptName n : OptNames{"PWM1Bchk", "PWM1Cchk", "PWM3Bchk"})
        p.userCheck(n, true);
    open("p23small", 2); // PWM1A only
    EXPECT_TRUE(o().enabled("PWM1Achk"));
    for (OptName n : OptNames{"PWM1Bchk", "PWM1Cchk", "PWM3Achk", "PWM3Bchk", "PWM3Cchk"}) {
        EXPECT_FALSE(o().enabled(n)) << n;
        EXPECT_FALSE(o().checked(n)) << n;
    }
    expectEnabled({"PWMresSel", "PWMprescSel", "PWM1negChk", "PWM1fastChk"}, false);
    p.userCheck("PWM1Achk", true);
    expectEnabled({"PWMresSel", "PWMprescSel", "PWM1negChk", "PWM1fastChk"}, true);
    expectEnabled({"PWMres3Sel", "PWMpresc3Sel", "PWM3negChk", "PWM3fastChk"}, false);
    p.userCheck("PWM1Achk", false);
    EXPECT_FALSE(o().enabled("PWMresSel"));
}

TEST_F(PWMPageTest, TimerThreeFollowsItsOwnOutputs) {
    open("p23mid", 2); // PWM3A only
    expectEnabled({"PWM3Achk"}, true);
    expectEnabled({"PWM3Bchk", "PWM3Cchk", "PWMres3Sel"}, false);
    p.userCheck("PWM3Achk", true);
    expectEnabled({"PWMres3Sel", "PWMpresc3Sel", "PWM3negChk", "PWM3fastChk"}, true);
    expectEnabled({"PWMresSel", "PWMprescSel"}, false);
    enter("PWMres3Sel", "12");
    enter("PWMpresc3Sel", "2");
    EXPECT_EQ(d().PWMres3, 12);
    EXPECT_EQ(d().PWMpresc3, 2);
    EXPECT_EQ(d().PWMres, 10);
    EXPECT_EQ(d().PWMpresc, 4);
}

TEST_F(PWMPageTest, NoOutputsNoSharedOptions) {
    open("p23none", 2);
    for (OptName n : OptNames{"PWM1Achk", "PWM1Bchk", "PWM1Cchk", "PWM3Achk", "PWM3Bchk",
                              "PWM3Cchk", "PWMresSel", "PWMres3Sel", "PWM1negChk", "PWM3fastChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_EQ(d().PWMres, 10); // copied from the disabled fields
}

// ---- Page 2: handlers -----------------------------------------------------------------------

TEST_F(Page2HandlerTest, HandlerRowsOfTheFirstOnChipPage) {
    for (OptName n : OptNames{"PWM1Achk", "SPIMSBchk", "SPIiDatChk", "SerForm2Spin", "DTR4PortSpin",
                              "Tx3xDatChk"})
        EXPECT_EQ(handlerFor(n.name(), Trigger::Click), Handler::Drivers1Click) << n;
    for (OptName n : OptNames{"RxBuf1Spin", "TxBuf4Spin", "DTR2BitSpin", "SPIBufSpin", "PWMresSel",
                              "PWMpresc3Sel"}) {
        EXPECT_EQ(handlerFor(n.name(), Trigger::Leave), Handler::Drivers1Click) << n;
        EXPECT_EQ(handlerFor(n.name(), Trigger::Edit), Handler::None) << n;
    }
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(handlerFor(kBaudSpin(n).name(), Trigger::Edit), Handler::Baud1SpinChange);
        EXPECT_EQ(handlerFor(kBaudSpin(n).name(), Trigger::Leave), Handler::None);
        EXPECT_EQ(handlerFor(kDTRenaChk(n).name(), Trigger::Click), Handler::None);
    }
}

TEST_F(Page2HandlerTest, BaudRateActsOnEveryValidEditOnly) {
    open("p23quad", 2);
    p.setBuilt(true);
    p.userType("Baud2Spin", "96x");
    EXPECT_TRUE(p.built()); // an invalid intermediate text does nothing
    EXPECT_FALSE(o().enabled("RxBuf2Spin"));
    EXPECT_EQ(d().SerBaud[1], 0);
    p.userType("Baud2Spin", "9600"); // no need to leave the field
    EXPECT_FALSE(p.built());
    EXPECT_TRUE(o().enabled("RxBuf2Spin"));
    EXPECT_EQ(d().SerBaud[1], 9600);
}

TEST_F(Page2HandlerTest, DtrPolarityChangesNothingElse) {
    open("p23quad", 2);
    enter("Baud1Spin", "9600");
    p.userSelect("DTR1PortSpin", 1);
    p.setBuilt(true);
    p.userCheck("DTR1enaChk", true);
    EXPECT_TRUE(p.built());
    p.userCheck("PWM1Achk", true);
    EXPECT_FALSE(p.built());
}

// ---- Page 3: ADC ----------------------------------------------------------------------------

TEST_F(ADCPageTest, ChannelsOpenTheOtherOptions) {
    open("p23mid", 3);
    EXPECT_EQ(o().text("Tab"), "onChip driver import II");
    EXPECT_TRUE(o().enabled("ADCspin"));
    EXPECT_EQ(o()["ADCspin"].maxValue, 4);
    expectEnabled({"ADCprescSpin", "ADCintChk", "ADCiDatChk", "ADCxDatChk"}, false);
    enter("ADCspin", "3");
    expectEnabled({"ADCprescSpin", "ADCintChk", "ADCiDatChk"}, true);
    EXPECT_FALSE(o().enabled("ADCxDatChk")); // no external RAM
    enter("ADCprescSpin", "5");
    EXPECT_EQ(d().ADCchans, 3);
    EXPECT_EQ(d().ADCpresc, 5);
    EXPECT_EQ(d().ADCbuffer, tRamPage::iData);
    enter("ADCspin", "0");
    expectEnabled({"ADCprescSpin", "ADCintChk", "ADCiDatChk", "ADCxDatChk"}, false);
    EXPECT_EQ(d().ADCchans, 0);
}

TEST_F(ADCPageTest, XDataFollowsTheExternalRam) {
    select("p23quad");
    enter("RamSpin", "4096");
    gotoPage(3);
    enter("ADCspin", "2");
    EXPECT_TRUE(o().enabled("ADCxDatChk"));
    p.userChoose("ADCxDatChk");
    EXPECT_EQ(d().ADCbuffer, tRamPage::xData);
    gotoPage(0);
    enter("RamSpin", "0");
    gotoPage(3);
    EXPECT_TRUE(o().checked("ADCiDatChk"));
    EXPECT_FALSE(o().enabled("ADCxDatChk"));
    EXPECT_EQ(d().ADCbuffer, tRamPage::iData);
}

TEST_F(ADCPageTest, NoTickOrNoConverterDisablesAllAndKeepsTheValues) {
    open("p23quad", 3);
    enter("ADCspin", "5");
    gotoPage(0);
    enter("SysTickSpin", "0");
    gotoPage(3);
    expectEnabled({"ADCspin", "ADCprescSpin", "ADCintChk", "ADCiDatChk", "ADCxDatChk"}, false);
    EXPECT_EQ(o().value("ADCspin"), 5);
    EXPECT_EQ(d().ADCchans, 5);
    gotoPage(0);
    enter("SysTickSpin", "10");
    open("p23small", 3); // adc=0: no converter
    expectEnabled({"ADCspin", "ADCprescSpin", "ADCintChk", "ADCiDatChk", "ADCxDatChk"}, false);
}

TEST_F(ADCPageTest, CountAboveTheConvertersChannelsIsLowered) {
    open("p23quad", 3);
    enter("ADCspin", "12");
    open("p23mid", 3); // four channels
    EXPECT_EQ(o().value("ADCspin"), 4);
    EXPECT_EQ(d().ADCchans, 4);

    open("p23quad", 3);
    enter("ADCspin", "16");
    gotoPage(0);
    enter("SysTickSpin", "0"); // also while the converter is not offered
    open("p23mid", 3);
    EXPECT_FALSE(o().enabled("ADCspin"));
    EXPECT_EQ(d().ADCchans, 4);
    open("p23small", 3); // no converter: nothing to fit
    EXPECT_EQ(o().value("ADCspin"), 4);
}

// ---- Page 3: system LEDs --------------------------------------------------------------------

TEST_F(SysLEDPageTest, EachLedNeedsItsPort) {
    open("p23mid", 3);
    EXPECT_EQ(o()["LEDportSpin3"].items, (V{"none", "PortA", "PortB", "PortC", "PortD"}));
    for (int n = 0; n < 8; ++n)
        p.userSelect(OptName::lookup("LEDportSpin" + std::to_string(n)), 2);
    p.userSelect("LEDportSpin3", 0);
    for (int n = 0; n < 8; ++n) {
        const bool on = n != 3;
        EXPECT_TRUE(o().enabled(OptName::lookup("LEDportSpin" + std::to_string(n)))) << n;
        EXPECT_EQ(o().enabled(OptName::lookup("LEDbitSpin" + std::to_string(n))), on) << n;
        EXPECT_EQ(o().enabled(OptName::lookup("LedLowChk" + std::to_string(n))), on) << n;
    }
    expectEnabled({"LedTimeSpin", "BlinkMsgChk"}, true);
}

TEST_F(SysLEDPageTest, NoSystemTickNoLeds) {
    open("p23mid", 3);
    p.userSelect("LEDportSpin0", 1);
    gotoPage(0);
    enter("SysTickSpin", "0");
    gotoPage(3);
    for (int n = 0; n < 8; ++n) {
        EXPECT_FALSE(o().enabled(OptName::lookup("LEDportSpin" + std::to_string(n)))) << n;
        EXPECT_FALSE(o().enabled(OptName::lookup("LEDbitSpin" + std::to_string(n)))) << n;
        EXPECT_FALSE(o().enabled(OptName::lookup("LedLowChk" + std::to_string(n)))) << n;
    }
    expectEnabled({"LedTimeSpin", "BlinkMsgChk"}, false);
    EXPECT_EQ(o().itemIndex("LEDportSpin0"), 1);
}

// ---- Page 3: encoder and DDS10 timers --------------------------------------------------------

TEST_F(TimerChoicePageTest, EncoderFallsBackToTimer1) {
    open("p23quad", 3);
    p.userCheck("IncrP4Chk", true);
    expectEnabled({"IncrP4PortSpin", "IncrP4ChanSpin", "IncrP4Tmr1Chk", "IncrP4IntChk",
                   "IncrP4LongChk", "IncrP4Tmr3Chk", "IncrP4Tmr4Chk", "IncrP4Tmr5Chk"},
                  true);
    p.userChoose("IncrP4Tmr3Chk");
    open("p23small", 3); // two timers
    EXPECT_TRUE(o().checked("IncrP4Tmr1Chk"));
    expectEnabled({"IncrP4Tmr3Chk", "IncrP4Tmr4Chk", "IncrP4Tmr5Chk"}, false);
    EXPECT_TRUE(o().enabled("IncrP4Tmr1Chk"));

    open("p23mid", 3); // four timers
    expectEnabled({"IncrP4Tmr3Chk", "IncrP4Tmr4Chk"}, true);
    EXPECT_FALSE(o().enabled("IncrP4Tmr5Chk"));
    EXPECT_TRUE(o().enabled("IncrP4ScanSpin")); // left alone by the rules
}

TEST_F(TimerChoicePageTest, UncheckedEncoderIsDisabledAndKeepsItsTimer) {
    open("p23quad", 3);
    p.userCheck("IncrP4Chk", true);
    p.userChoose("IncrP4Tmr5Chk");
    p.userCheck("IncrP4Chk", false);
    expectEnabled({"IncrP4PortSpin", "IncrP4ChanSpin", "IncrP4Tmr1Chk", "IncrP4IntChk",
                   "IncrP4LongChk", "IncrP4Tmr3Chk", "IncrP4Tmr4Chk", "IncrP4Tmr5Chk"},
                  false);
    EXPECT_TRUE(o().checked("IncrP4Tmr5Chk"));
    EXPECT_TRUE(o().enabled("IncrP4ScanSpin"));
}

TEST_F(TimerChoicePageTest, DDS10TimersAndItsPortList) {
    open("p23quad", 3);
    expectEnabled({"DDS10portSpin", "DDS10Tmr1Chk", "DDS10Tmr2Chk", "DDS10Tmr5Chk"}, false);
    p.userCheck("DSS10chk", true);
    expectEnabled({"DDS10portSpin", "DDS10Tmr1Chk", "DDS10Tmr2Chk", "DDS10Tmr3Chk", "DDS10Tmr4Chk",
                   "DDS10Tmr5Chk"},
                  true);
    p.userChoose("DDS10Tmr2Chk");
    open("p23small", 3); // two timers: timer 2 stays
    EXPECT_TRUE(o().checked("DDS10Tmr2Chk"));
    expectEnabled({"DDS10Tmr3Chk", "DDS10Tmr4Chk", "DDS10Tmr5Chk"}, false);
    open("p23none", 3); // one timer
    EXPECT_TRUE(o().checked("DDS10Tmr1Chk"));
    EXPECT_FALSE(o().enabled("DDS10Tmr2Chk"));
    EXPECT_EQ(o()["DDS10portSpin"].items, (V{"SPI", "PortB", "PortC"}));
}

// ---- Page 3: pin change interrupts -----------------------------------------------------------

TEST_F(PCINTPageTest, OnlyTheControllersInterruptsAndTemplatesWithOne) {
    open("p23quad", 3);
    p.userCheck("PCINTchk1", true);
    EXPECT_TRUE(o().enabled("PCINTtemplChk"));
    p.userCheck("PCINTtemplChk", true);
    open("p23mid", 3); // PCINT0 and PCINT2
    expectEnabled({"PCINTchk0", "PCINTchk2"}, true);
    expectEnabled({"PCINTchk1", "PCINTchk3", "PCINTtemplChk"}, false);
    EXPECT_FALSE(o().checked("PCINTchk1"));
    EXPECT_FALSE(o().checked("PCINTtemplChk"));
    p.userCheck("PCINTchk2", true);
    EXPECT_TRUE(o().enabled("PCINTtemplChk"));
    EXPECT_FALSE(o().checked("PCINTtemplChk"));
    p.userCheck("PCINTchk2", false);
    EXPECT_FALSE(o().enabled("PCINTtemplChk"));
    open("p23small", 3);
    expectEnabled({"PCINTchk0", "PCINTchk1", "PCINTchk2", "PCINTchk3", "PCINTtemplChk"}, false);
}

// ---- Page 3: Wiegand reader ------------------------------------------------------------------

TEST_F(WiegandPageTest, InterruptListComesWithTheController) {
    select("p23quad");
    EXPECT_EQ(o()["WiegandIntSpin"].items,
              (V{"INT0", "INT1", "INT2", "INT3", "INT4", "INT5", "INT6", "INT7"}));
    select("p23none");
    EXPECT_EQ(o()["WiegandIntSpin"].items, (V{"INT2"}));
    EXPECT_EQ(o()["WiegandPortSpin"].items, (V{"PortB", "PortC"}));
    EXPECT_TRUE(o().enabled("WiegandChk"));
    p.userCheck("WiegandChk", true);
    select("p23small"); // INT0 first in the vector list does not count
    EXPECT_TRUE(o()["WiegandIntSpin"].items.empty());
    EXPECT_FALSE(o().enabled("WiegandChk"));
    EXPECT_FALSE(o().checked("WiegandChk"));
    gotoPage(3);
    EXPECT_FALSE(o().enabled("WiegandChk"));
}

TEST_F(WiegandPageTest, CheckedReaderOpensItsOptions) {
    open("p23mid", 3);
    const OptNames four = {"WiegandIntSpin", "WiegandPortSpin", "WiegandBitSpin0",
                           "WiegandBitSpin1"};
    expectEnabled(four, false);
    p.userCheck("WiegandChk", true);
    expectEnabled(four, true);
    EXPECT_TRUE(dialogs.entries.empty());
    p.userCheck("WiegandChk", false);
    expectEnabled(four, false);
}

TEST_F(WiegandPageTest, WithoutSystemTickEveryRunComplains) {
    select("p23mid");
    enter("SysTickSpin", "0");
    gotoPage(3);
    dialogs.entries.clear();
    p.userCheck("WiegandChk", true);
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, kWiegand}));
    EXPECT_TRUE(o().checked("WiegandChk"));
    EXPECT_TRUE(o().enabled("WiegandIntSpin"));
    dialogs.entries.clear();
    enter("WiegandBitSpin1", "3"); // any rerun of the page
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, kWiegand}));
    dialogs.entries.clear();
    p.prev();
    EXPECT_TRUE(dialogs.entries.empty());
    p.next();
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, kWiegand}));
    EXPECT_TRUE(o().checked("WiegandChk"));
    dialogs.entries.clear();
    p.userCheck("WiegandChk", false);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(WiegandPageTest, NegativeTickCountsAsNone) {
    select("p23mid");
    enter("SysTickSpin", "-5");
    gotoPage(3);
    dialogs.entries.clear();
    p.userCheck("WiegandChk", true);
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, kWiegand}));
}

// ---- Page 3: SLIP ports ----------------------------------------------------------------------

TEST_F(SlipPageTest, SlipPortNeedsItsSerialPort) {
    open("p23quad", 3);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(o().enabled(kSlipChk(n))) << n;
        EXPECT_FALSE(o().enabled(kSlipBaud(n))) << n;
        p.userCheck(kSlipChk(n), true);
        EXPECT_TRUE(o().enabled(kSlipBaud(n))) << n;
    }
    open("p23mid", 3);
    for (int n = 1; n <= 4; ++n) {
        const bool has = n <= 2;
        EXPECT_EQ(o().enabled(kSlipChk(n)), has) << n;
        EXPECT_EQ(o().checked(kSlipChk(n)), has) << n;
        EXPECT_EQ(o().enabled(kSlipBaud(n)), has) << n;
    }
    p.userCheck("SlipChk2", false);
    EXPECT_FALSE(o().enabled("SlipBaud2"));
    EXPECT_EQ(handlerFor("SlipChk2", Trigger::Click), Handler::Drivers1Aclick);
}

// ---- Handlers of page 3 and idempotence ------------------------------------------------------

TEST_F(OnChipIdempotenceTest, Page3HandlerRows) {
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(handlerFor("LedLowChk" + std::to_string(n), Trigger::Click), Handler::None);
    EXPECT_EQ(handlerFor("PCINTtemplChk", Trigger::Click), Handler::None);
    EXPECT_EQ(handlerFor("IncrP4ScanSpin", Trigger::Leave), Handler::None);
    for (const char* n :
         {"ADCintChk", "ADCxDatChk", "LEDportSpin5", "BlinkMsgChk", "DSS10chk", "DDS10Tmr3Chk",
          "IncrP4Chk", "IncrP4LongChk", "PCINTchk3", "WiegandChk", "WiegandIntSpin", "SlipChk4"})
        EXPECT_EQ(handlerFor(n, Trigger::Click), Handler::Drivers1Aclick) << n;
    for (const char* n : {"ADCspin", "ADCprescSpin", "LEDbitSpin2", "LedTimeSpin", "IncrP4ChanSpin",
                          "WiegandBitSpin0", "SlipBaud3"})
        EXPECT_EQ(handlerFor(n, Trigger::Leave), Handler::Drivers1Aclick) << n;
}

TEST_F(OnChipIdempotenceTest, RunningTheRulesAgainChangesNothing) {
    for (const char* device : {"p23quad", "p23mid", "p23small", "p23none"}) {
        open(device, 3);
        p.userCheck("WiegandChk", o().enabled("WiegandChk"));
        p.userCheck("IncrP4Chk", true);
        p.userCheck("DSS10chk", true);
        for (int page : {2, 3}) {
            p.runPageRules(page);
            const auto before = o().all();
            const Derived saved = d();
            p.runPageRules(page);
            for (size_t i = 0; i < before.size(); ++i) {
                const OptionState &a = before[i], &b = o().all()[i];
                EXPECT_TRUE(a.checked == b.checked && a.enabled == b.enabled && a.text == b.text &&
                            a.items == b.items && a.itemIndex == b.itemIndex)
                    << device << " " << a.def->name;
            }
            EXPECT_EQ(saved.SerBaud, d().SerBaud);
            EXPECT_EQ(saved.SPIused, d().SPIused);
            EXPECT_EQ(saved.ADCchans, d().ADCchans);
        }
    }
}

} // namespace pramlet::test
