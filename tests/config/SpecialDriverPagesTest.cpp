// Rules of the special driver pages 7 to 10, over the small controllers of tests/data/p710:
//   mega710f   external RAM, TWI, CAN, PWM1A, MSPI0..2, five timers, asynchronous timer,
//              ports A..E, G, H (H without direction register)
//   mega710t3  three timers, TWI, MSPI0, no PWM1A, no asynchronous timer; ports B, C, D
//   mega710t4  four timers, TWI, PWM1A, MSPI1, asynchronous timer; ports B, D
//   tiny710    one timer, nothing else; ports B, D (D without direction register)

#include "config/Project.h"
#include "tests/config/ProjectFixture.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pramlet::test {

using V = std::vector<std::string>;
using Entry = RecordingDialogs::Entry;

class SpecialPagesFixture : public ProjectFixture {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/p710/", {}); }
    // External RAM on the first page of a controller that has the memory interface.
    void externalRam(const std::string& bytes) {
        gotoPage(0);
        enter("RamSpin", bytes);
    }
    void i2cPort(OptName member) {
        gotoPage(4);
        p.userChoose(member);
    }
    int count(const Entry& e) const {
        return static_cast<int>(std::count(dialogs.entries.begin(), dialogs.entries.end(), e));
    }
};

const Entry kBeep{"beep", "", ""};

// ---------------------------------------------------------------- page 7

using Page7Test = SpecialPagesFixture;

TEST_F(Page7Test, TitleAndTickTimerMembersFollowTheTimerCount) {
    select("mega710t4");
    gotoPage(7);
    EXPECT_EQ(o().text("Tab"), "special driver import I");
    for (OptName n : OptNames{"TickTimer1Chk", "TickTimer3Chk", "TickTimer4Chk", "TickTimer5Chk",
                              "TickTimerSavChk", "TickTimerPinOutChk", "TickTimerIntChk"})
        EXPECT_FALSE(o().enabled(n)) << n;

    p.userCheck("TickTimerChk", true);
    EXPECT_TRUE(o().enabled("TickTimer1Chk"));
    EXPECT_TRUE(o().enabled("TickTimer3Chk"));
    EXPECT_TRUE(o().enabled("TickTimer4Chk"));
    EXPECT_FALSE(o().enabled("TickTimer5Chk"));
    EXPECT_TRUE(o().enabled("TickTimerPinOutChk"));
    EXPECT_TRUE(o().enabled("TickTimerIntChk"));
    EXPECT_FALSE(o().enabled("TickTimerSavChk")); // only with the timer interrupt
    p.userCheck("TickTimerIntChk", true);
    EXPECT_TRUE(o().enabled("TickTimerSavChk"));

    p.userChoose("TickTimer4Chk");
    EXPECT_TRUE(o().checked("TickTimer4Chk"));
}

TEST_F(Page7Test, ChosenTimerTheControllerLacksGivesWayToTimer1) {
    select("mega710f");
    gotoPage(7);
    p.userCheck("TickTimerChk", true);
    p.userChoose("TickTimer5Chk");
    p.userChoose("TickTimer5Chk");
    select("mega710t4");
    gotoPage(7);
    EXPECT_TRUE(o().checked("TickTimer1Chk"));
    EXPECT_FALSE(o().enabled("TickTimer5Chk"));
    p.userChoose("TickTimer4Chk");
    select("mega710t3");
    gotoPage(7);
    EXPECT_TRUE(o().checked("TickTimer1Chk"));
    EXPECT_TRUE(o().enabled("TickTimer3Chk"));
    EXPECT_FALSE(o().enabled("TickTimer4Chk"));
}

TEST_F(Page7Test, WithoutTheTickTimerAChosenMissingTimerStays) {
    select("mega710f");
    gotoPage(7);
    p.userCheck("TickTimerChk", true);
    p.userChoose("TickTimer5Chk");
    p.userCheck("TickTimerChk", false);
    select("tiny710");
    gotoPage(7);
    EXPECT_TRUE(o().checked("TickTimer5Chk"));
    EXPECT_FALSE(o().enabled("TickTimer5Chk"));
}

TEST_F(Page7Test, HardAndSoftSPIDrivers) {
    select("mega710t3");
    gotoPage(7);
    const OptNames hard = {"SPIDrvMSBchk", "SPIDRVcPhaseAChk", "SPIDRVcpolChk", "SPIdrvPrescChk",
                           "UseSSpinChk"};
    for (OptName n : hard)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("SPIDrvChk", true);
    for (OptName n : hard)
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_EQ(o()["SPIdrvPrescChk"].maxValue, 3);

    const OptNames soft2 = {"SPIsoftMSBchk2", "SPIsoftPHAchk2", "SPIsoftCLKchk2", "SoftSPIbitSpin2",
                            "SoftSPIportSpin2"};
    p.userCheck("SPIsoftDrvChk1", true);
    for (OptName n : OptNames{"SPIsoftMSBchk1", "SPIsoftPHAchk1", "SPIsoftCLKchk1",
                              "SoftSPIbitSpin1", "SoftSPIportSpin1"})
        EXPECT_TRUE(o().enabled(n)) << n;
    for (OptName n : soft2)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_EQ(o()["SoftSPIportSpin1"].items, (V{"PortB", "PortC", "PortD"}));
    p.userCheck("SPIsoftDrvChk2", true);
    for (OptName n : soft2)
        EXPECT_TRUE(o().enabled(n)) << n;
}

TEST_F(Page7Test, SoftSPIPortListKeepsItsPositionAndDropsWhatTheControllerLacks) {
    select("mega710f");
    gotoPage(7);
    p.userCheck("SPIsoftDrvChk1", true);
    EXPECT_EQ(o()["SoftSPIportSpin1"].items,
              (V{"PortA", "PortB", "PortC", "PortD", "PortE", "PortG", "PortH"}));
    p.userSelect("SoftSPIportSpin1", 6);
    EXPECT_EQ(o().text("SoftSPIportSpin1"), "PortH");
    select("mega710t3");
    gotoPage(7);
    EXPECT_EQ(o().itemIndex("SoftSPIportSpin1"), -1);
    p.userSelect("SoftSPIportSpin1", 1);
    EXPECT_EQ(o().text("SoftSPIportSpin1"), "PortC");
}

TEST_F(Page7Test, RC5ReceiverAndTransmitter) {
    select("mega710t3");
    gotoPage(7);
    for (OptName n :
         OptNames{"ComboBoxRC5", "RC5BitSpin", "RC5RXinvChk", "RC5TXinvChk", "RC5extChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("RC5TxChk", true);
    EXPECT_TRUE(o().enabled("RC5TXinvChk"));
    EXPECT_TRUE(o().enabled("RC5extChk"));
    EXPECT_FALSE(o().enabled("ComboBoxRC5"));
    p.userCheck("RC5TxChk", false);
    p.userCheck("RC5RxChk", true);
    for (OptName n : OptNames{"ComboBoxRC5", "RC5BitSpin", "RC5RXinvChk", "RC5extChk"})
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("RC5TXinvChk"));
    EXPECT_EQ(o()["ComboBoxRC5"].items, (V{"PinB", "PinC", "PinD"}));
}

TEST_F(Page7Test, RC5extAndDCFpolarityCallNoHandler) {
    select("mega710t3");
    gotoPage(7);
    p.userCheck("RC5RxChk", true);
    p.setBuilt(true);
    p.userCheck("RC5extChk", true);
    EXPECT_TRUE(p.built());
    p.userCheck("DCFinvChk", true);
    EXPECT_TRUE(p.built());
    enter("RC5BitSpin", "3"); // any other option of the page clears the flag
    EXPECT_FALSE(p.built());
}

TEST_F(Page7Test, ClockWithAsynchronousTimer) {
    select("mega710t4"); // ASSR present
    gotoPage(7);
    for (OptName n : OptNames{"RTCnoneBtn", "RTCtimeBtn", "RTCdateTimeBtn", "RTCalarmChk",
                              "RTCtimerSpin", "RTCidataChk"})
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("RTCxdataChk")); // no external RAM
    EXPECT_TRUE(o().enabled("RTCsystickChk"));
    p.userChoose("RTCdateTimeBtn");
    p.userCheck("RTCalarmChk", true);
    enter("RTCtimerSpin", "4");
    EXPECT_EQ(o().value("RTCtimerSpin"), 4);
}

TEST_F(Page7Test, ClockWithoutAsynchronousTimerNeedsTheSystemTick) {
    select("mega710t3"); // no ASSR
    gotoPage(7);
    for (OptName n : OptNames{"RTCnoneBtn", "RTCtimeBtn", "RTCdateTimeBtn", "RTCalarmChk",
                              "RTCtimerSpin", "RTCidataChk", "RTCxdataChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    // The system tick is the way to a clock here, so its box stays usable.
    EXPECT_TRUE(o().enabled("RTCsystickChk"));
    p.userCheck("RTCsystickChk", true);
    EXPECT_TRUE(o().enabled("RTCtimeBtn"));
    p.userChoose("RTCtimeBtn");
    p.userCheck("RTCalarmChk", true);
    enter("RTCtimerSpin", "2");

    p.userCheck("RTCsystickChk", false);
    EXPECT_TRUE(o().checked("RTCnoneBtn"));
    EXPECT_FALSE(o().checked("RTCalarmChk"));
    EXPECT_EQ(o().value("RTCtimerSpin"), 0);
    EXPECT_EQ(o().text("RTCtimerSpin"), "None");
    EXPECT_FALSE(o().enabled("RTCtimeBtn"));
}

TEST_F(Page7Test, NoSystemTickUnchecksTheClockTick) {
    select("mega710t3");
    gotoPage(7);
    p.userCheck("RTCsystickChk", true);
    p.userChoose("RTCtimeBtn");
    gotoPage(0);
    enter("SysTickSpin", "0");
    gotoPage(7);
    EXPECT_FALSE(o().checked("RTCsystickChk"));
    EXPECT_FALSE(o().enabled("RTCsystickChk"));
    EXPECT_TRUE(o().checked("RTCnoneBtn"));
}

TEST_F(Page7Test, ClockMemoryFollowsExternalRam) {
    select("mega710f");
    gotoPage(7);
    EXPECT_FALSE(o().enabled("RTCxdataChk"));
    externalRam("8192");
    gotoPage(7);
    EXPECT_TRUE(o().enabled("RTCxdataChk"));
    p.userChoose("RTCxdataChk");
    externalRam("0");
    gotoPage(7);
    EXPECT_TRUE(o().checked("RTCidataChk"));
    EXPECT_FALSE(o().enabled("RTCxdataChk"));
}

TEST_F(Page7Test, ClockMemoryIgnoresARamValueTheControllerCannotUse) {
    select("mega710f");
    externalRam("8192");
    gotoPage(7);
    p.userChoose("RTCxdataChk");
    select("mega710t4"); // no memory interface; RamSpin keeps its 8192
    EXPECT_EQ(o().value("RamSpin"), 8192);
    gotoPage(7);
    EXPECT_TRUE(o().checked("RTCidataChk"));
    EXPECT_FALSE(o().enabled("RTCxdataChk"));
}

TEST_F(Page7Test, DCFListStartsWithNone) {
    select("mega710f");
    externalRam("4096");
    gotoPage(7);
    // PinC is the memory bus under external RAM.
    EXPECT_EQ(o()["ComboBoxDCF77"].items,
              (V{"None", "PinA", "PinB", "PinD", "PinE", "PinG", "PinH"}));
    EXPECT_EQ(o().itemIndex("ComboBoxDCF77"), 0);
    EXPECT_FALSE(o().enabled("DCFBitSpin"));
    EXPECT_FALSE(o().enabled("DCFinvChk"));
    p.userSelect("ComboBoxDCF77", 6);
    EXPECT_TRUE(o().enabled("DCFBitSpin"));
    EXPECT_TRUE(o().enabled("DCFinvChk"));
    // A shorter list leaves nothing chosen, which counts as a chosen pin.
    select("mega710t4");
    gotoPage(7);
    EXPECT_EQ(o()["ComboBoxDCF77"].items, (V{"None", "PinB", "PinD"}));
    EXPECT_EQ(o().itemIndex("ComboBoxDCF77"), -1);
    EXPECT_TRUE(o().enabled("DCFBitSpin"));
    p.userSelect("ComboBoxDCF77", 0);
    EXPECT_FALSE(o().enabled("DCFinvChk"));
}

// ---------------------------------------------------------------- page 8

using Page8Test = SpecialPagesFixture;

const OptNames kPlainTWIParts = {"TWIIdataCheck", "TWIXdataCheck",    "TWIprescSpin",
                                 "TWIbufSpin",    "TWImodeTranspChk", "TWImodeHSKChk"};
const OptNames kNetTWIParts = {"TWInetIdataCheck", "TWInetXdataCheck", "TWInetPrescSpin",
                               "TWInetBufSpin", "TWIBCspin"};

TEST_F(Page8Test, WithoutTWIPortBothPartsAreOff) {
    select("tiny710");
    gotoPage(8);
    EXPECT_EQ(o().text("Tab"), "special driver import II");
    EXPECT_TRUE(o().checked("TWInoneChk"));
    EXPECT_TRUE(o().checked("TWInetNoneChk"));
    for (OptName n : OptNames{"TWInoneChk", "TWImasterChk", "TWIslaveChk", "TWInetNoneChk",
                              "TWInetMasterChk", "TWInetSlaveChk", "TWInetMasterSlaveChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    for (OptName n : kPlainTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
    for (OptName n : kNetTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page8Test, AChosenMasterGivesWayOnAControllerWithoutTWI) {
    select("mega710t3");
    gotoPage(8);
    p.userChoose("TWImasterChk");
    select("tiny710");
    gotoPage(8);
    EXPECT_TRUE(o().checked("TWInoneChk"));
    EXPECT_FALSE(o().checked("TWImasterChk"));
}

TEST_F(Page8Test, NothingChosenOffersBothParts) {
    select("mega710t3");
    gotoPage(8);
    for (OptName n : OptNames{"TWInoneChk", "TWImasterChk", "TWIslaveChk", "TWInetNoneChk",
                              "TWInetMasterChk", "TWInetSlaveChk", "TWInetMasterSlaveChk"})
        EXPECT_TRUE(o().enabled(n)) << n;
    for (OptName n : kPlainTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
    for (OptName n : kNetTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page8Test, TWIMasterSwitchesTheNetworkOff) {
    select("mega710t3");
    gotoPage(8);
    p.userChoose("TWImasterChk");
    EXPECT_TRUE(o().enabled("TWIprescSpin"));
    for (OptName n : OptNames{"TWIIdataCheck", "TWIXdataCheck", "TWImodeTranspChk", "TWImodeHSKChk",
                              "TWIbufSpin"})
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_TRUE(o().checked("TWInetNoneChk"));
    for (OptName n : OptNames{"TWInetMasterChk", "TWInetSlaveChk", "TWInetMasterSlaveChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    for (OptName n : kNetTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_TRUE(o().enabled("TWInetNoneChk"));
    EXPECT_TRUE(o().enabled("TWInoneChk"));
    // "none" brings the network back.
    p.userChoose("TWInoneChk");
    EXPECT_TRUE(o().enabled("TWInetMasterChk"));
}

TEST_F(Page8Test, TWISlaveBufferFollowsExternalRam) {
    select("mega710f");
    gotoPage(8);
    p.userChoose("TWIslaveChk");
    for (OptName n : OptNames{"TWIIdataCheck", "TWIbufSpin", "TWImodeTranspChk", "TWImodeHSKChk"})
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("TWIXdataCheck"));
    EXPECT_FALSE(o().enabled("TWIprescSpin"));
    EXPECT_EQ(o()["TWIbufSpin"].minValue, 2);
    externalRam("16384");
    gotoPage(8);
    EXPECT_TRUE(o().enabled("TWIXdataCheck"));
    p.userChoose("TWIXdataCheck");
    externalRam("0");
    gotoPage(8);
    EXPECT_TRUE(o().checked("TWIIdataCheck"));
    EXPECT_FALSE(o().enabled("TWIXdataCheck"));
}

TEST_F(Page8Test, NetworkNodeSwitchesPlainTWIOff) {
    select("mega710f");
    gotoPage(8);
    p.userChoose("TWInetSlaveChk");
    EXPECT_TRUE(o().checked("TWInoneChk"));
    EXPECT_FALSE(o().enabled("TWImasterChk"));
    EXPECT_FALSE(o().enabled("TWIslaveChk"));
    for (OptName n : kPlainTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
    for (OptName n : OptNames{"TWInetPrescSpin", "TWInetBufSpin", "TWIBCspin", "TWInetIdataCheck"})
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("TWInetXdataCheck"));
    externalRam("4096");
    gotoPage(8);
    EXPECT_TRUE(o().enabled("TWInetXdataCheck"));
    p.userChoose("TWInetNoneChk");
    EXPECT_TRUE(o().enabled("TWImasterChk"));
    for (OptName n : kNetTWIParts)
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page8Test, SoftPWMListAndTimer2) {
    select("mega710t3"); // no PWM1A
    gotoPage(8);
    EXPECT_EQ(o()["ComboBoxSoftPWM"].items, (V{"None", "PortB", "PortC", "PortD"}));
    const OptNames all = {"SoftPWMtmr0Chk",   "SoftPWMtmr2Chk",  "SoftPWMresSpin",
                          "SoftPWMstartSpin", "SoftPWMchanSpin", "SoftPWMcycleSpin"};
    for (OptName n : all)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userSelect("ComboBoxSoftPWM", 2);
    for (OptName n : all)
        EXPECT_EQ(o().enabled(n), n != OptName("SoftPWMtmr2Chk")) << n;
    select("mega710t4");
    gotoPage(8);
    EXPECT_EQ(o()["ComboBoxSoftPWM"].items, (V{"None", "PortB", "PortD"}));
    EXPECT_EQ(o().text("ComboBoxSoftPWM"), "PortD");
    EXPECT_TRUE(o().enabled("SoftPWMtmr2Chk"));
}

TEST_F(Page8Test, MultiSPIGroupsFollowTheController) {
    select("mega710f");
    gotoPage(8);
    for (OptName g : OptNames{"MSPIgroup0", "MSPIgroup1", "MSPIgroup2"})
        EXPECT_TRUE(o()[g].visible) << g;
    for (OptName n : OptNames{"MSPImsb1", "MSPICpha1", "MSPICpol1", "MSPIpresc1"})
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("MSPIchk1", true);
    for (OptName n : OptNames{"MSPImsb1", "MSPICpha1", "MSPICpol1", "MSPIpresc1"})
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("MSPImsb0"));
    p.userCheck("MSPIchk0", true);

    select("mega710t4"); // MSPI1 only
    gotoPage(8);
    EXPECT_FALSE(o()["MSPIgroup0"].visible);
    EXPECT_TRUE(o()["MSPIgroup1"].visible);
    EXPECT_FALSE(o()["MSPIgroup2"].visible);
    EXPECT_FALSE(o().checked("MSPIchk0"));
    EXPECT_TRUE(o().checked("MSPIchk1"));
    select("tiny710");
    gotoPage(8);
    EXPECT_FALSE(o()["MSPIgroup1"].visible);
    EXPECT_FALSE(o().checked("MSPIchk1"));
}

TEST_F(Page8Test, MemoryAndModeMembersCallNoHandler) {
    select("mega710f");
    gotoPage(8);
    p.userChoose("TWIslaveChk");
    p.setBuilt(true);
    p.userChoose("TWImodeHSKChk");
    p.userCheck("MSPImsb0", true);
    EXPECT_TRUE(p.built());
    p.userCheck("MSPIchk2", true);
    EXPECT_FALSE(p.built());
}

// ---------------------------------------------------------------- page 9

using Page9Test = SpecialPagesFixture;

const std::string kMultiLcdText = "LCDmultiPort needs either\r\n    I2Cport import\r\n"
                                  "or TWImaster import\r\nor TWInetMaster import\r\n"
                                  "or TWInetMasterSlave import";
const std::string kSevenSegText = "I2C_7seg Port needs either\r\n    I2Cport import\r\n"
                                  "or TWImaster import\r\nor TWInetMaster import\r\n"
                                  "or TWInetMasterSlave import";
const std::string kExpanderText = "I2Cexpander needs either\r\n    I2Cport import\r\n"
                                  "or TWImaster import\r\nor TWInetMaster import\r\n"
                                  "or TWInetMasterSlave import";

TEST_F(Page9Test, CANOnlyOnAControllerWithCAN) {
    select("mega710f");
    gotoPage(9);
    EXPECT_EQ(o().text("Tab"), "special driver import III");
    const OptNames parts = {"CANtimeStampChk", "CANrxPipeSpin", "CANtxPipeSpin", "CANbaudSpin"};
    EXPECT_TRUE(o().enabled("CANimpChk"));
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("CANimpChk", true);
    EXPECT_FALSE(o().enabled("CANtimeStampChk")); // no system time imported
    for (OptName n : OptNames{"CANrxPipeSpin", "CANtxPipeSpin", "CANbaudSpin"})
        EXPECT_TRUE(o().enabled(n)) << n;
    gotoPage(1);
    p.userCheck("SysTime16Chk", true);
    gotoPage(9);
    EXPECT_TRUE(o().enabled("CANtimeStampChk"));

    select("mega710t3");
    gotoPage(9);
    EXPECT_FALSE(o().enabled("CANimpChk"));
    EXPECT_FALSE(o().checked("CANimpChk"));
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page9Test, IOExpanderListHasOnlyPortsWithDirectionRegister) {
    select("mega710f");
    gotoPage(9);
    EXPECT_EQ(o()["ComboBoxIOExpander"].items,
              (V{"None", "PortA", "PortB", "PortC", "PortD", "PortE", "PortG"}));
    const OptNames parts = {"IOexpStartSpin", "IOexpInpSpin", "IOexpOutpSpin", "IOexpIdataCheck",
                            "IOexpXdataCheck"};
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userSelect("ComboBoxIOExpander", 2);
    for (OptName n : parts)
        EXPECT_EQ(o().enabled(n), n != OptName("IOexpXdataCheck")) << n;
    externalRam("2048");
    gotoPage(9);
    EXPECT_TRUE(o().enabled("IOexpXdataCheck"));
    select("tiny710");
    gotoPage(9);
    EXPECT_EQ(o()["ComboBoxIOExpander"].items, (V{"None", "PortB"}));
    EXPECT_EQ(o().itemIndex("ComboBoxIOExpander"), -1);
}

TEST_F(Page9Test, IOExpanderByteCountsAndStartPin) {
    select("mega710t3");
    gotoPage(9);
    p.userSelect("ComboBoxIOExpander", 1);
    enter("IOexpStartSpin", "6");
    EXPECT_EQ(o().value("IOexpStartSpin"), 2); // one input and one output byte
    enter("IOexpOutpSpin", "0");
    enter("IOexpStartSpin", "6");
    EXPECT_EQ(o().value("IOexpStartSpin"), 6); // inputs only: the pin is free
    enter("IOexpInpSpin", "0");
    EXPECT_EQ(o().value("IOexpInpSpin"), 1); // no bytes at all: one input byte
    EXPECT_EQ(o().value("IOexpStartSpin"), 6);
    enter("IOexpOutpSpin", "3");
    EXPECT_EQ(o().value("IOexpStartSpin"), 2);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page9Test, DependantsNeedAnI2CBusOrATWIMaster) {
    select("mega710t3");
    gotoPage(9);
    p.userCheck("I2CexpChk", true);
    EXPECT_FALSE(o().checked("I2CexpChk"));
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, {"error", kExpanderText, "Cancel"}}));
    dialogs.entries.clear();
    p.userCheck("I2C_7segChk", true);
    EXPECT_FALSE(o().checked("I2C_7segChk"));
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, {"error", kSevenSegText, "Cancel"}}));
    dialogs.entries.clear();
    p.userCheck("LCDmultiTWIchk", true);
    EXPECT_FALSE(o().checked("LCDmultiTWIchk"));
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, {"error", kMultiLcdText, "Cancel"}}));
    dialogs.entries.clear();
    // The SPI interface needs no bus.
    p.userCheck("LCDmultiSPIchk", true);
    EXPECT_TRUE(o().checked("LCDmultiSPIchk"));
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page9Test, EachBusMakesTheDependantsPossible) {
    for (OptName master : OptNames{"TWImasterChk", "TWInetMasterChk", "TWInetMasterSlaveChk"}) {
        select("mega710t3");
        gotoPage(8);
        p.userChoose(master);
        gotoPage(9);
        for (OptName box : OptNames{"I2CexpChk", "I2C_7segChk", "LCDmultiTWIchk"}) {
            p.userCheck(box, true);
            EXPECT_TRUE(o().checked(box)) << master << ' ' << box;
        }
        EXPECT_TRUE(dialogs.entries.empty()) << master;
        p.userChoose("LPTTWIChk");
        EXPECT_TRUE(o().checked("LPTTWIChk"));
        gotoPage(8);
        p.userChoose(master == OptName("TWImasterChk") ? OptName("TWInoneChk")
                                                       : OptName("TWInetNoneChk"));
    }
    select("mega710t3");
    i2cPort("I2CbChk");
    gotoPage(9);
    p.userCheck("I2CexpChk", true);
    EXPECT_TRUE(o().checked("I2CexpChk"));
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page9Test, TheCheckRunsAlsoWhenTheBoxIsUnchecked) {
    select("mega710t3");
    gotoPage(9);
    p.userCheck("I2CexpChk", false);
    EXPECT_EQ(count({"error", kExpanderText, "Cancel"}), 1);
    EXPECT_EQ(count(kBeep), 1);
}

TEST_F(Page9Test, LosingTheBusUnchecksTheDependantsWithOneMessageEach) {
    select("mega710t3");
    gotoPage(8);
    p.userChoose("TWImasterChk");
    gotoPage(9);
    for (OptName box : OptNames{"I2CexpChk", "I2C_7segChk", "LCDmultiTWIchk"})
        p.userCheck(box, true);
    gotoPage(8);
    p.userChoose("TWInoneChk");
    dialogs.entries.clear();
    gotoPage(9);
    for (OptName box : OptNames{"I2CexpChk", "I2C_7segChk", "LCDmultiTWIchk"})
        EXPECT_FALSE(o().checked(box)) << box;
    EXPECT_EQ(count({"error", kExpanderText, "Cancel"}), 1);
    EXPECT_EQ(count({"error", kSevenSegText, "Cancel"}), 1);
    EXPECT_EQ(count({"error", kMultiLcdText, "Cancel"}), 1);
    EXPECT_EQ(count(kBeep), 3);
    dialogs.entries.clear();
    gotoPage(10);
    gotoPage(9);
    EXPECT_TRUE(dialogs.entries.empty()); // nothing left to uncheck
}

TEST_F(Page9Test, MultiPortLcdInterfacesExcludeEachOther) {
    select("mega710t3");
    i2cPort("I2CcChk");
    gotoPage(9);
    const OptNames parts = {"LCDmultiRowSel", "LCDmultiColSel", "LCDM44780",
                            "LCDM0070",       "LCDM66712",      "LCDM0073"};
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("LCDmultiTWIchk", true);
    for (OptName n : parts)
        EXPECT_TRUE(o().enabled(n)) << n;
    p.userCheck("LCDmultiSPIchk", true);
    EXPECT_TRUE(o().checked("LCDmultiSPIchk"));
    EXPECT_FALSE(o().checked("LCDmultiTWIchk"));
    p.userCheck("LCDmultiTWIchk", true);
    EXPECT_TRUE(o().checked("LCDmultiTWIchk"));
    EXPECT_FALSE(o().checked("LCDmultiSPIchk"));
    p.userCheck("LCDmultiTWIchk", false);
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page9Test, ExpanderPortsFollowTheImport) {
    select("mega710t3");
    i2cPort("I2CbChk");
    gotoPage(9);
    const OptNames ports = {"Port0chk", "Port1chk", "Port2chk", "Port3chk",
                            "Port4chk", "Port5chk", "Port6chk", "Port7chk"};
    for (OptName n : ports)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("I2CexpChk", true);
    for (OptName n : ports)
        EXPECT_TRUE(o().enabled(n)) << n;
    p.setBuilt(true);
    p.userCheck("Port5chk", true); // no handler of its own
    p.userChoose("LCDM0073");
    EXPECT_TRUE(p.built());
}

class SevenSegTest : public SpecialPagesFixture {
  protected:
    void SetUp() override {
        SpecialPagesFixture::SetUp();
        select("mega710t3");
        i2cPort("I2CbChk");
        gotoPage(9);
        p.userCheck("I2C_7segChk", true);
        dialogs.entries.clear();
    }
    void sizes(int d1, int d2, int d3, int d4) {
        enter("I2C_7segSpin4", std::to_string(d4));
        enter("I2C_7segSpin3", std::to_string(d3));
        enter("I2C_7segSpin2", std::to_string(d2));
        enter("I2C_7segSpin1", std::to_string(d1));
    }
    std::vector<int> values() const {
        return {o().value("I2C_7segSpin1"), o().value("I2C_7segSpin2"), o().value("I2C_7segSpin3"),
                o().value("I2C_7segSpin4")};
    }
    std::vector<bool> enabled() const {
        return {o().enabled("I2C_7segSpin1"), o().enabled("I2C_7segSpin2"),
                o().enabled("I2C_7segSpin3"), o().enabled("I2C_7segSpin4")};
    }
};

TEST_F(SevenSegTest, UncheckedDisablesAllFour) {
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false})); // display 2 is 0
    p.userCheck("I2C_7segChk", false);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(SevenSegTest, ThirdDisplayLoweredWithABeep) {
    sizes(8, 6, 4, 0);
    EXPECT_EQ(values(), (std::vector<int>{8, 6, 2, 0}));
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep}));
}

TEST_F(SevenSegTest, FullFirstTwoDisableTheOthers) {
    sizes(8, 8, 3, 3);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(values(), (std::vector<int>{8, 8, 3, 3})); // kept, only disabled
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(SevenSegTest, FourthDisplayOfferedWhileDigitsAreLeft) {
    sizes(4, 4, 4, 0);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));
    enter("I2C_7segSpin4", "9");
    EXPECT_EQ(values(), (std::vector<int>{4, 4, 4, 4}));
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep}));
    dialogs.entries.clear();
    enter("I2C_7segSpin4", "3");
    EXPECT_TRUE(dialogs.entries.empty());
    // Exactly 16 in three displays, or an empty third one, leave none for the fourth.
    enter("I2C_7segSpin3", "8");
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
    enter("I2C_7segSpin3", "0");
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, false}));
}

class ServoTest : public SpecialPagesFixture {
  protected:
    const std::vector<OptName> all = {"ServoStartSpin",  "ServoChanSpin",   "ServoPulseSpin",
                                      "ServoIdataCheck", "ServoXdataCheck", "ServoPosCheck",
                                      "ServoNegCheck",   "ServoTimr1Check", "ServoTimr3Check"};
};

TEST_F(ServoTest, ListStartsWithLowerCaseNone) {
    select("mega710t4");
    gotoPage(9);
    EXPECT_EQ(o()["ComboBoxServoPort"].items, (V{"none", "PortB", "PortD"}));
    for (OptName n : all)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userSelect("ComboBoxServoPort", 1);
    for (OptName n : all)
        EXPECT_EQ(o().enabled(n),
                  n != OptName("ServoXdataCheck") && n != OptName("ServoTimr3Check"))
            << n;
}

TEST_F(ServoTest, Timer3OnlyWithExactlyThreeTimers) {
    select("mega710t3");
    gotoPage(9);
    p.userSelect("ComboBoxServoPort", 1);
    EXPECT_TRUE(o().enabled("ServoTimr3Check"));
    p.userChoose("ServoTimr3Check");
    select("mega710f"); // five timers
    gotoPage(9);
    EXPECT_TRUE(o().checked("ServoTimr1Check"));
    EXPECT_FALSE(o().enabled("ServoTimr3Check"));
    EXPECT_TRUE(o().enabled("ServoTimr1Check"));
}

TEST_F(ServoTest, ChannelsFitInOnePort) {
    select("mega710f");
    externalRam("1024");
    gotoPage(9);
    p.userSelect("ComboBoxServoPort", 2);
    EXPECT_TRUE(o().enabled("ServoXdataCheck"));
    enter("ServoStartSpin", "6");
    EXPECT_EQ(o().value("ServoStartSpin"), 6); // one channel
    enter("ServoChanSpin", "5");
    EXPECT_EQ(o().value("ServoStartSpin"), 3);
    enter("ServoChanSpin", "8");
    EXPECT_EQ(o().value("ServoStartSpin"), 0);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page9Test, LinePrinterInterfaces) {
    select("mega710t3");
    gotoPage(9);
    EXPECT_FALSE(o().enabled("LPTI2CChk"));
    EXPECT_FALSE(o().enabled("LPTTWIChk"));
    EXPECT_EQ(o()["LPTdatSpin"].items, (V{"PortB", "PortC", "PortD"}));
    EXPECT_EQ(o()["LPTctrlSpin"].items, (V{"PortB", "PortC", "PortD"}));
    for (OptName n : OptNames{"LPTadrSpin", "LPTdatSpin", "LPTctrlSpin"})
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userChoose("LPTportChk");
    EXPECT_TRUE(o().enabled("LPTdatSpin"));
    EXPECT_TRUE(o().enabled("LPTctrlSpin"));
    EXPECT_FALSE(o().enabled("LPTadrSpin"));

    i2cPort("I2CdChk");
    gotoPage(9);
    EXPECT_TRUE(o().enabled("LPTI2CChk"));
    EXPECT_FALSE(o().enabled("LPTTWIChk"));
    p.userChoose("LPTI2CChk");
    EXPECT_TRUE(o().enabled("LPTadrSpin"));
    EXPECT_FALSE(o().enabled("LPTdatSpin"));
    EXPECT_FALSE(o().enabled("LPTctrlSpin"));

    i2cPort("I2CnoneChk");
    gotoPage(9);
    EXPECT_TRUE(o().checked("LPTnoneChk"));
    EXPECT_FALSE(o().enabled("LPTI2CChk"));
}

TEST_F(Page9Test, LinePrinterOverTWIGivesWayWithoutMaster) {
    select("mega710t3");
    gotoPage(8);
    p.userChoose("TWInetMasterSlaveChk");
    gotoPage(9);
    p.userChoose("LPTTWIChk");
    EXPECT_TRUE(o().enabled("LPTadrSpin"));
    gotoPage(8);
    p.userChoose("TWInetSlaveChk"); // a slave is no master
    gotoPage(9);
    EXPECT_TRUE(o().checked("LPTnoneChk"));
    EXPECT_FALSE(o().enabled("LPTTWIChk"));
}

// ---------------------------------------------------------------- page 10

using Page10Test = SpecialPagesFixture;

const std::string kTcpTwiText = "TCP/IP over TWI needs either\r\nTWImaster import\r\n"
                                "or TWInetMaster import\r\nor TWInetMasterSlave import";
const std::string kTcpI2cText = "TCP/IP over I2C needs I2Cport import";

TEST_F(Page10Test, SensorListsHaveNoLeadingItem) {
    select("tiny710");
    gotoPage(10);
    EXPECT_EQ(o().text("Tab"), "special driver import IV");
    EXPECT_EQ(o()["ComboBoxSHA11Clock"].items, (V{"PortB", "PortD"}));
    EXPECT_EQ(o()["ComboBoxSHA11Data"].items, (V{"PortB"})); // D has no direction register
    EXPECT_FALSE(o().enabled("SHT11SysTickchk"));
    p.userCheck("SHT11Chk", true);
    EXPECT_TRUE(o().enabled("SHT11SysTickchk"));
    p.userSelect("ComboBoxSHA11Clock", 1);
    EXPECT_EQ(o().text("ComboBoxSHA11Clock"), "PortD");
}

TEST_F(Page10Test, FAT16MediaAndMemory) {
    select("mega710f");
    gotoPage(10);
    const OptNames parts = {"MMCchk",         "MMCsoftChk",  "F16usrChk",   "DirLevelSpin",
                            "FileHandleSpin", "FATiDataChk", "FATxDataChk", "MMCsoftSpin"};
    for (OptName n : parts)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("FAT16chk", true);
    for (OptName n : parts)
        EXPECT_EQ(o().enabled(n), n != OptName("FATxDataChk") && n != OptName("MMCsoftSpin")) << n;
    p.userChoose("MMCsoftChk");
    EXPECT_TRUE(o().enabled("MMCsoftSpin"));
    externalRam("4096");
    gotoPage(10);
    EXPECT_TRUE(o().enabled("FATxDataChk"));
    p.userChoose("FATxDataChk");
    externalRam("0");
    gotoPage(10);
    EXPECT_TRUE(o().checked("FATiDataChk"));
    EXPECT_FALSE(o().enabled("FATxDataChk"));
}

TEST_F(Page10Test, TcpIpOptionsAndTheProtocolsNeverOffered) {
    select("mega710f");
    gotoPage(8);
    p.userChoose("TWImasterChk");
    gotoPage(10);
    const OptNames offered = {"TCP_TWIchk",   "TCP_I2Cchk",    "TCP_UserChk",
                              "TCP_SockSpin", "TCP_UDPchk",    "TCP_DNSchk",
                              "TCP_SNTPchk",  "TCP_TelnetChk", "TCP_iDataChk"};
    for (OptName n : offered)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("TCP_IPchk", true);
    for (OptName n : offered)
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("TCP_xDataChk"));
    EXPECT_FALSE(o().enabled("TCP_SMTPchk"));
    EXPECT_FALSE(o().enabled("TCP_HTTPchk"));
    EXPECT_TRUE(dialogs.entries.empty()); // over the TWI master
    p.userCheck("TCP_IPchk", false);
    EXPECT_FALSE(o().enabled("TCP_TWIchk"));
}

TEST_F(Page10Test, TcpIpOverTWIWithoutMasterWarnsOnEveryRun) {
    select("mega710f");
    gotoPage(10);
    p.userCheck("TCP_IPchk", true);
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, {"error", kTcpTwiText, "Cancel"}}));
    EXPECT_TRUE(o().checked("TCP_IPchk")); // only a warning
    EXPECT_TRUE(o().checked("TCP_TWIchk"));
    dialogs.entries.clear();
    p.userCheck("TCP_UDPchk", true);
    gotoPage(9);
    gotoPage(10);
    EXPECT_EQ(count({"error", kTcpTwiText, "Cancel"}), 2);
    EXPECT_EQ(count(kBeep), 2);
    dialogs.entries.clear();
    p.userChoose("TCP_UserChk");
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page10Test, TcpIpOverI2CNeedsTheI2CPort) {
    select("mega710f");
    gotoPage(10);
    p.userCheck("TCP_IPchk", true);
    dialogs.entries.clear();
    p.userChoose("TCP_I2Cchk");
    EXPECT_EQ(dialogs.entries, (std::vector<Entry>{kBeep, {"error", kTcpI2cText, "Cancel"}}));
    dialogs.entries.clear();
    i2cPort("I2CbChk");
    gotoPage(10);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(Page10Test, MemoryFallbackWarnsOnlyOnce) {
    select("mega710f");
    externalRam("4096");
    gotoPage(10);
    p.userCheck("TCP_IPchk", true);
    p.userChoose("TCP_xDataChk");
    p.userCheck("FAT16chk", true);
    p.userChoose("FATxDataChk");
    externalRam("0");
    dialogs.entries.clear();
    gotoPage(10);
    EXPECT_TRUE(o().checked("TCP_iDataChk"));
    EXPECT_TRUE(o().checked("FATiDataChk"));
    EXPECT_EQ(count({"error", kTcpTwiText, "Cancel"}), 1);
    EXPECT_EQ(count(kBeep), 1);
}

TEST_F(Page10Test, RovaTimersFollowTheController) {
    select("mega710t3");
    gotoPage(10);
    const OptNames never = {"ROVA_SLIPchk", "ROVA_USERchk", "ROVA_DNSchk",
                            "ROVA_SNTPchk", "ROVA_SMTPchk", "ROVA_TELNETchk",
                            "ROVA_HTTPchk", "ROVA_DHCPchk", "ROVA_SLIP_485chk"};
    for (OptName n : OptNames{"ROVA_ENCchk", "ROVA_SockSpin", "ROVA_TimerSpin", "ROVA_UDPchk"})
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userCheck("ROVAchk", true);
    for (OptName n : OptNames{"ROVA_ENCchk", "ROVA_SockSpin", "ROVA_TimerSpin", "ROVA_UDPchk"})
        EXPECT_TRUE(o().enabled(n)) << n;
    for (OptName n : never)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_EQ(o()["ROVA_TimerSpin"].minValue, 0);
    EXPECT_EQ(o()["ROVA_TimerSpin"].maxValue, 2);
    p.userCheck("ROVAchk", false);
    for (OptName n : never)
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page10Test, RovaTimerLoweredOnAControllerWithFewerTimers) {
    select("mega710f");
    gotoPage(10);
    p.userCheck("ROVAchk", true);
    EXPECT_EQ(o()["ROVA_TimerSpin"].maxValue, 4);
    enter("ROVA_TimerSpin", "4");
    EXPECT_EQ(o().value("ROVA_TimerSpin"), 4);
    select("mega710t3");
    gotoPage(10);
    EXPECT_EQ(o().value("ROVA_TimerSpin"), 2);
    // One timer gives the bound 0..0, which is no bound at all: the value is held at 0.
    enter("ROVA_TimerSpin", "2");
    select("tiny710");
    gotoPage(10);
    EXPECT_EQ(o().value("ROVA_TimerSpin"), 0);
}

// ---------------------------------------------------------------- all four pages

// Running a page's rules again changes nothing, on every bundled controller and with the
// page's drivers switched on.
class SpecialPagesIdempotence : public ::testing::Test {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};
};

std::string state(const Project& p) {
    std::string s;
    for (const auto& o : p.opts().all()) {
        s += o.def->name + '|' + (o.checked ? '1' : '0') + o.text + (o.enabled ? 'e' : '-') +
             (o.visible ? 'v' : '-') + std::to_string(o.itemIndex) + '|' +
             std::to_string(o.minValue) + ".." + std::to_string(o.maxValue) + '|';
        for (const auto& i : o.items)
            s += i + ',';
        s += '\n';
    }
    return s;
}

TEST_F(SpecialPagesIdempotence, RulesTwiceGiveTheSameState) {
    p.start(std::string(PRAMLET_SOURCE_DIR) + "/devices/", {});
    int controllers = 0;
    for (int tab = 0; tab < kFamilyCount; ++tab) {
        const auto names = p.controllerNames(tab);
        for (size_t i = 0; i < names.size(); i += 7) { // a spread over each family
            while (p.page() > 0)
                p.prev();
            p.clickController(tab, static_cast<int>(i));
            ++controllers;
            for (int page = 1; page <= 10; ++page)
                ASSERT_TRUE(p.next());
            for (OptName on :
                 OptNames{"TickTimerChk", "SPIDrvChk", "SPIsoftDrvChk1", "RC5RxChk", "MSPIchk0",
                          "CANimpChk", "I2C_7segChk", "TCP_IPchk", "FAT16chk", "ROVAchk"})
                p.opts().setChecked(on, true);
            p.opts().setItemIndex("ComboBoxServoPort", 1);
            p.opts().setItemIndex("ComboBoxIOExpander", 1);
            p.opts().setItemIndex("ComboBoxSoftPWM", 1);
            for (int page = 7; page <= 10; ++page) {
                p.runPageRules(page);
                const std::string once = state(p);
                dialogs.entries.clear();
                p.runPageRules(page);
                EXPECT_EQ(state(p), once) << names[i] << " page " << page;
            }
        }
    }
    EXPECT_GT(controllers, 20);
}

} // namespace pramlet::test
