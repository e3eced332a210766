#include "ProjectFixture.h"

#include "config/SystemPages.h"
#include "tests/support/RecordingDialogs.h"

namespace pramlet::test {

using ControllerClickTest = ProjectFixture;
using Page0Test = ProjectFixture;
using Page1Test = ProjectFixture;
using SupplyVoltageTest = ProjectFixture;

TEST_F(ControllerClickTest, EnablesTheFirstPageAndRefillsPortLists) {
    select("mega16x");
    for (OptName box : OptNames{"GroupBox1", "GroupBox2", "GroupBox14", "GroupBox15", "GroupBox43",
                                "FreqSpin", "SysTickSpin", "WatchDogSpin", "VoltSpin"})
        EXPECT_TRUE(o().enabled(box)) << box;
    using V = std::vector<std::string>;
    EXPECT_EQ(o()["LEDportSpin3"].items, (V{"none", "PortB", "PortC", "PortD"}));
    EXPECT_EQ(o()["DDS10portSpin"].items, (V{"SPI", "PortB", "PortC", "PortD"}));
    EXPECT_EQ(o()["ComboBoxRC5"].items, (V{"PinB", "PinC", "PinD"}));
    EXPECT_EQ(o()["WiegandPortSpin"].items, (V{"PortB", "PortC", "PortD"}));
    EXPECT_EQ(o()["WiegandIntSpin"].items, (V{"INT0", "INT1"})); // RESET stands first
    EXPECT_TRUE(o().enabled("WiegandChk"));
    EXPECT_TRUE(o().enabled("LPTTWIChk"));
    EXPECT_EQ(o()["ADCspin"].maxValue, 8);
    EXPECT_EQ(p.windowCaption(), "Orvex Pramlet [AVR] [mega16x]    ");
}

TEST_F(ControllerClickTest, ShorterListKeepsNoSelectionBeyondItsEnd) {
    select("mega128xr");
    p.userSelect("LEDportSpin0", 7); // PortG
    p.userCheck("WiegandChk", true);
    select("tiny256");
    EXPECT_EQ(o()["LEDportSpin0"].items, (std::vector<std::string>{"none", "PortB"}));
    EXPECT_EQ(o().itemIndex("LEDportSpin0"), -1);
    EXPECT_TRUE(o().enabled("WiegandChk")); // tiny256 has INT0 in second place
    select("mega2k");                       // no interrupt vectors at all
    EXPECT_FALSE(o().enabled("WiegandChk"));
    EXPECT_FALSE(o().checked("WiegandChk"));
    EXPECT_FALSE(o().enabled("LPTTWIChk"));
}

TEST_F(Page0Test, ExternalRamOnlyWhereTheControllerHasIt) {
    select("mega128xr");
    EXPECT_TRUE(o().enabled("RamSpin"));
    EXPECT_FALSE(o().enabled("NoInitChk")); // RamSpin still 0
    EXPECT_FALSE(o().enabled("SysStackxDatChk"));
    enter("RamSpin", "32768");
    EXPECT_TRUE(o().enabled("NoInitChk"));
    EXPECT_TRUE(o().enabled("XDataWaitSpin"));
    EXPECT_TRUE(o().enabled("SysStackxDatChk"));
    EXPECT_EQ(p.derived().ExternRam, 32768);
    p.userCheck("NoInitChk", true);
    p.userChoose("SysStackxDatChk");
    enter("RamSpin", "None"); // the special name of 0
    EXPECT_FALSE(o().checked("NoInitChk"));
    EXPECT_FALSE(o().enabled("NoInitChk"));
    EXPECT_TRUE(o().checked("SysStackiDatChk"));
    EXPECT_FALSE(o().enabled("SysStackxDatChk"));
}

TEST_F(Page0Test, ControllerWithoutExternalRamKeepsTheRamValue) {
    select("mega128xr");
    enter("RamSpin", "1024");
    p.userCheck("NoInitChk", true);
    select("mega16x");
    EXPECT_FALSE(o().enabled("RamSpin"));
    EXPECT_FALSE(o().enabled("NoInitChk"));
    EXPECT_FALSE(o().checked("NoInitChk"));
    EXPECT_EQ(o().value("RamSpin"), 1024);
    // The kept value is no external RAM for this controller: nothing may be put there.
    EXPECT_EQ(p.derived().ExternRam, 0);
    EXPECT_FALSE(o().enabled("SysStackxDatChk"));
    EXPECT_TRUE(o().checked("SysStackiDatChk"));
    gotoPage(1);
    EXPECT_FALSE(o().enabled("HeapXDataChk"));
    gotoPage(0);
    select("mega128xr"); // back on a controller with external RAM, the value counts again
    EXPECT_EQ(p.derived().ExternRam, 1024);
}

TEST_F(Page0Test, HugeClockSaturatesInsteadOfOverflowing) {
    select("mega16x");
    enter("FreqSpin", "3000000");
    EXPECT_EQ(p.derived().Frequency, 2147483647);
    enter("FreqSpin", "20000");
    EXPECT_EQ(p.derived().Frequency, 20000000);
}

TEST_F(Page0Test, ProgrammingModeFollowsANewController) {
    select("mega128xr");
    EXPECT_TRUE(o().enabled("prgJTAGchk"));
    p.userChoose("prgJTAGchk");
    select("mega16x");
    EXPECT_TRUE(o().checked("prgNoneChk"));
    EXPECT_FALSE(o().enabled("prgJTAGchk"));
}

TEST_F(Page0Test, BootFuseBoxNeedsBootBlockAndFuseWriting) {
    select("mega16x");
    EXPECT_FALSE(o()["BootFuseGroup"].visible); // no boot block yet
    gotoPage(1);
    p.userCheck("BootBlockChk", true);
    gotoPage(0);
    EXPECT_TRUE(o()["BootFuseGroup"].visible); // "init only"
    p.opts().setItemIndex("FuseWrChk", 0);     // "write never"
    p.userLeave("FreqSpin");
    EXPECT_FALSE(o()["BootFuseGroup"].visible);
    p.opts().setItemIndex("FuseWrChk", 2); // "override"
    p.userLeave("FreqSpin");
    EXPECT_TRUE(o()["BootFuseGroup"].visible);
}

TEST_F(Page1Test, StackLimitsBySmallRam) {
    select("tiny256");
    p.opts().setValue("SysStackSpin", 40);
    p.opts().setValue("SysFrameSpin", 40);
    gotoPage(1);
    EXPECT_EQ(o().value("SysStackSpin"), 16);
    EXPECT_EQ(o().value("SysFrameSpin"), 32);
    EXPECT_EQ(o()["SysStackSpin"].maxValue, 256);
}

TEST_F(Page1Test, StackLimitsByLargeRam) {
    select("mega2k");
    p.opts().setValue("SysStackSpin", 20);
    p.opts().setValue("SysFrameSpin", 20);
    gotoPage(1);
    EXPECT_EQ(o().value("SysStackSpin"), 100);
    EXPECT_EQ(o().value("SysFrameSpin"), 100);
    select("mega16x"); // 1024 bytes: at least 50, already above
    gotoPage(1);
    EXPECT_EQ(o().value("SysStackSpin"), 100);
}

TEST_F(Page1Test, NoSystemTickFallsBackToStandard) {
    select("mega16x");
    gotoPage(1);
    p.userChoose("MultiTaskChk");
    p.userCheck("TaskChk", true);
    EXPECT_TRUE(p.derived().Tasks);
    EXPECT_TRUE(o().enabled("TaskStackSpin"));
    gotoPage(0);
    enter("SysTickSpin", "0");
    gotoPage(1);
    EXPECT_TRUE(o().checked("StandardChk"));
    EXPECT_FALSE(o().enabled("MultiTaskChk"));
    EXPECT_FALSE(o().checked("TaskChk"));
    EXPECT_FALSE(o().enabled("TaskStackSpin"));
    EXPECT_FALSE(p.derived().Tasks);
    EXPECT_EQ(p.derived().MultiTasking, tMultiTask::Standard);
}

TEST_F(Page1Test, SystemTimeSixteenWinsAndThirtyTwoNeedsLongs) {
    select("mega16x");
    gotoPage(1);
    EXPECT_FALSE(o().enabled("SysTime32Chk"));
    p.userCheck("LongWchk", true);
    EXPECT_TRUE(o().enabled("SysTime32Chk"));
    p.userCheck("SysTime32Chk", true);
    p.userCheck("SysTime16Chk", true);
    EXPECT_TRUE(o().checked("SysTime16Chk"));
    EXPECT_FALSE(o().checked("SysTime32Chk"));
    p.userCheck("SysTime32Chk", true);
    p.userCheck("LongWchk", false);
    EXPECT_FALSE(o().enabled("SysTime32Chk"));
    EXPECT_FALSE(o().checked("SysTime32Chk"));
}

TEST_F(Page1Test, HeapMembersByRam) {
    select("tiny256");
    gotoPage(1);
    EXPECT_FALSE(o().enabled("HeapIDataChk"));
    EXPECT_FALSE(o().enabled("HeapXDataChk"));
    p.userChoose("HeapUserChk");
    EXPECT_TRUE(p.derived().Heap);
    select("mega16x");
    gotoPage(1);
    EXPECT_TRUE(o().enabled("HeapIDataChk"));
    p.userChoose("HeapIDataChk");
    select("tiny256");
    gotoPage(1);
    EXPECT_TRUE(o().checked("HeapNoneChk"));
    EXPECT_FALSE(p.derived().Heap);
}

TEST_F(Page1Test, BootAreaListWithTwoAreasAndIndexFallback) {
    select("mega16x");
    gotoPage(1);
    EXPECT_EQ(o()["ComboBoxBootArea"].items.size(), 4u);
    p.userSelect("ComboBoxBootArea", 3);
    EXPECT_EQ(o().text("ResJmpLabel"), "$1F80");
    EXPECT_EQ(p.derived().fBootIndex, 0x1F80);
    gotoPage(0);
    select("mega2k");
    gotoPage(1);
    EXPECT_EQ(o()["ComboBoxBootArea"].items,
              (std::vector<std::string>{"$1E00-$1FFF", "$1C00-$1FFF"}));
    EXPECT_EQ(o().itemIndex("ComboBoxBootArea"), 0);
    EXPECT_EQ(p.derived().fBootIndex, 0x1E00);
    EXPECT_TRUE(o().enabled("BootBlockChk"));
}

TEST_F(Page1Test, NoBootSectionDisablesTheBootBlock) {
    select("tiny256");
    gotoPage(1);
    EXPECT_EQ(o()["ComboBoxBootArea"].items, (std::vector<std::string>{"none"}));
    EXPECT_EQ(o().itemIndex("ComboBoxBootArea"), 0);
    EXPECT_FALSE(o().enabled("ComboBoxBootArea"));
    EXPECT_FALSE(o().enabled("BootBlockChk"));
    EXPECT_EQ(o().text("ResJmpLabel"), "$0000");
    EXPECT_EQ(p.derived().fBootIndex, 0);
    EXPECT_FALSE(o().enabled("BootSer1Chck"));
}

TEST_F(Page1Test, BootOptionsFollowTheBootBlockAndApplication) {
    select("mega16x");
    gotoPage(1);
    EXPECT_FALSE(o().enabled("BootAppChk"));
    p.userCheck("BootBlockChk", true);
    EXPECT_TRUE(o().enabled("BootAppChk"));
    EXPECT_TRUE(o().enabled("BootSer1Chck"));
    EXPECT_FALSE(o().enabled("BootSer2Chck")); // one serial port only
    EXPECT_TRUE(o().enabled("BootBaudSpin"));
    EXPECT_TRUE(o().enabled("BootVectChk"));
    EXPECT_TRUE(o().enabled("BootCheckSumChk"));
    p.userCheck("BootCheckSumChk", true);
    p.userCheck("BootAppChk", true);
    EXPECT_FALSE(o().enabled("BootVectChk"));
    EXPECT_FALSE(o().enabled("ResJmpBtn"));
    EXPECT_FALSE(o().enabled("BootCheckSumChk"));
    EXPECT_TRUE(o().checked("BootCheckSumChk")); // kept while the boot block stays
    p.userCheck("BootBlockChk", false);
    EXPECT_FALSE(o().checked("BootCheckSumChk"));
    EXPECT_FALSE(o().enabled("BootAppChk"));
}

TEST_F(SupplyVoltageTest, BoundsIncludedOthersRefused) {
    select("mega16x");
    for (const char* ok : {"1.8", "5.0", "3.3", " 2.5 "}) {
        dialogs.entries.clear();
        p.setBuilt(true);
        p.userType("ComboBoxVCC", ok);
        p.userLeave("ComboBoxVCC");
        EXPECT_TRUE(dialogs.entries.empty()) << ok;
        EXPECT_FALSE(p.built()) << ok;
    }
    for (const char* bad : {"1.7", "5.1", "five", ""}) {
        dialogs.entries.clear();
        p.setBuilt(true);
        p.userType("ComboBoxVCC", bad);
        p.userLeave("ComboBoxVCC");
        ASSERT_EQ(dialogs.entries.size(), 1u) << bad;
        EXPECT_EQ(dialogs.entries[0],
                  (RecordingDialogs::Entry{"error", "VCC not in range 1.8-5.0V", "OK"}));
        EXPECT_TRUE(p.built()) << bad;
        EXPECT_EQ(o().text("ComboBoxVCC"), bad);
    }
}

TEST_F(SupplyVoltageTest, LeavingVoltSpinChecksComboBoxVCC) {
    select("mega16x");
    p.opts().setText("ComboBoxVCC", "9");
    p.userLeave("VoltSpin");
    ASSERT_EQ(dialogs.entries.size(), 1u);
}

TEST_F(SupplyVoltageTest, UserDecimalCommaAccepted) {
    select("mega16x");
    p.setDecimalPoint(',');
    p.userType("ComboBoxVCC", "3,3");
    p.userLeave("ComboBoxVCC");
    p.userType("ComboBoxVCC", "5.0"); // the list's own items stay valid
    p.userLeave("ComboBoxVCC");
    EXPECT_TRUE(dialogs.entries.empty());
}

} // namespace pramlet::test
