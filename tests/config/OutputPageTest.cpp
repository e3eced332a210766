// The output page's summary fields, over the controllers of tests/data/p23 (see
// OnChipPagesTest.cpp). The values of the driver pages are set where those pages leave them,
// then the output page's rules run again.

#include "ProjectFixture.h"

#include "config/OutputPage.h"

namespace pramlet::test {

using Entry = RecordingDialogs::Entry;

class OutputPageTest : public ProjectFixture {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/p23/", {}); }

    void open(const std::string& device) {
        select(device);
        gotoPage(15);
        dialogs.entries.clear();
    }
    void rerun() { Page15Rules(p); }
    Derived& d() { return p.derived(); }
    Options& opts() { return p.opts(); }
    // Text and look of a field after the page's rules ran again.
    std::pair<std::string, bool> field(OptName name) {
        rerun();
        return {o().text(name), o()[name].used};
    }
    using F = std::pair<std::string, bool>;
    static F used(const std::string& text) { return {text, true}; }
    static F unused(const std::string& text = "none") { return {text, false}; }
};

TEST_F(OutputPageTest, TitleButtonsAndTheFieldsThatAreAlwaysShown) {
    open("p23quad");
    EXPECT_EQ(o().text("Tab"), "Save new application");
    EXPECT_FALSE(o().enabled("StoreBtn"));
    EXPECT_EQ(field("CPUpan"), used("p23quad"));
    EXPECT_EQ(field("ClockPan"), used("16000000Hz"));
    EXPECT_EQ(field("MultiTaskPan"), used("Standard"));
    EXPECT_EQ(field("SysStackPan"), used("100")); // raised for 8 KiB of RAM
    EXPECT_EQ(field("SysFramePan"), used("100"));
    d().MultiTasking = tMultiTask::UserInt;
    EXPECT_EQ(field("MultiTaskPan"), used("UserInts"));
    d().MultiTasking = tMultiTask::MultiTask;
    EXPECT_EQ(field("MultiTaskPan"), used("MultiTask"));
}

TEST_F(OutputPageTest, RamAndTickShowTheirNumberEvenWhenUnused) {
    open("p23quad");
    EXPECT_EQ(field("ExtRamPan"), unused("0"));
    EXPECT_EQ(field("SystickPan"), used("10msec"));
    gotoPage(0);
    enter("RamSpin", "4096");
    enter("SysTickSpin", "0");
    gotoPage(15);
    EXPECT_EQ(field("ExtRamPan"), used("4096"));
    EXPECT_EQ(field("SystickPan"), unused("0msec"));
}

TEST_F(OutputPageTest, SerialPortsNeedTheControllersPortAndARate) {
    open("p23quad");
    EXPECT_EQ(field("SerPort1Pan"), unused());
    gotoPage(2);
    enter("Baud1Spin", "9600");
    enter("Baud2Spin", "115200");
    gotoPage(15);
    EXPECT_EQ(field("SerPort1Pan"), used("9600Bd"));
    EXPECT_EQ(field("SerPort2Pan"), used("115200Bd"));
    // A controller without a second port: the rate is kept, but no port is there.
    open("p23small");
    EXPECT_EQ(d().SerBaud[1], 115200);
    EXPECT_EQ(field("SerPort2Pan"), unused());
    EXPECT_EQ(field("SerPort1Pan"), used("9600Bd"));
    open("p23none");
    EXPECT_EQ(field("SerPort1Pan"), unused());
}

TEST_F(OutputPageTest, PwmAdcAndSpi) {
    open("p23quad");
    gotoPage(2);
    p.userCheck("PWM1Bchk", true);
    enter("PWMresSel", "9");
    enter("SPIBufSpin", "8");
    gotoPage(3);
    enter("ADCspin", "3");
    gotoPage(15);
    EXPECT_EQ(field("PWMport1Pan"), unused());
    EXPECT_EQ(field("PWMport2Pan"), used("9bit")); // the timer 1 resolution for both
    EXPECT_EQ(field("ADCportPan"), used("3chans"));
    EXPECT_EQ(field("SPIportPan"), used("used"));
    opts().setChecked("PWM1Achk", true);
    EXPECT_EQ(field("PWMport1Pan"), used("9bit"));
    // Without converter or SPI port the kept values show nothing.
    open("p23small");
    d().ADCchans = 3;
    d().SPIused = true;
    EXPECT_EQ(field("ADCportPan"), unused());
    EXPECT_EQ(field("SPIportPan"), unused());
    open("p23mid");
    d().ADCchans = 0;
    EXPECT_EQ(field("ADCportPan"), unused());
}

TEST_F(OutputPageTest, PortsOfTheSoftDrivers) {
    open("p23quad");
    for (OptName f : OptNames{"SwitchPort1Pan", "SwitchPort2Pan", "Disp7sPan", "I2CportPan",
                              "StepPortPan", "LCDportPan", "KeyBoardPan", "LANportPan"})
        EXPECT_EQ(field(f), unused()) << f;
    d().SwitchPort1 = tPinsT::PinC;
    d().SwitchPort2 = tPinsT::PinL;
    d().Disp7sPort = tPortsT::PortA;
    d().StepPort = tPortsT::PortJ;
    d().LCDport = tPortsT::PortK;
    EXPECT_EQ(field("SwitchPort1Pan"), used("PinC"));
    EXPECT_EQ(field("SwitchPort2Pan"), used("PinL"));
    EXPECT_EQ(field("Disp7sPan"), used("PortA"));
    EXPECT_EQ(field("StepPortPan"), used("PortJ"));
    EXPECT_EQ(field("LCDportPan"), used("PortK"));
    d().StepPort = tPortsT::UserPort;
    EXPECT_EQ(field("StepPortPan"), used("UserPort"));
    opts().setChecked("KeyBoard8Chk", true);
    EXPECT_EQ(field("KeyBoardPan"), used("used"));
    opts().setChecked("KeyBoard8Chk", false);
    opts().setChecked("KeyBoard4Chk", true);
    EXPECT_EQ(field("KeyBoardPan"), used("used"));
    opts().setItemIndex("LanSciSpin", 1);
    EXPECT_EQ(field("LANportPan"), used("used"));
    opts().setItemIndex("LanSciSpin", 0);
    EXPECT_EQ(field("LANportPan"), unused());
}

TEST_F(OutputPageTest, EqualI2CPinsAreReportedOnEveryEntry) {
    open("p23quad");
    d().I2Cdata = d().I2Cclock = 4;
    rerun();
    EXPECT_TRUE(dialogs.entries.empty()); // no I2C port
    d().I2Cport = tPortsT::PortA;
    rerun();
    EXPECT_EQ(dialogs.entries,
              (std::vector<Entry>{{"error", "I2Cdata pin = I2Cclock pin !", "OK"}}));
    EXPECT_EQ(o().text("I2CportPan"), "PortA");
    EXPECT_EQ(d().I2Cdata, 4); // the pins stay as they are
    dialogs.entries.clear();
    d().I2Cclock = 5;
    rerun();
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(OutputPageTest, HeapAndTasks) {
    open("p23quad");
    EXPECT_EQ(field("HeapPan"), unused());
    EXPECT_EQ(field("TaskStackPan"), unused());
    d().Heap = true;
    opts().choose("HeapIDataChk");
    EXPECT_EQ(field("HeapPan"), used("iData"));
    opts().choose("HeapXDataChk");
    EXPECT_EQ(field("HeapPan"), used("xData"));
    opts().choose("HeapUserChk");
    EXPECT_EQ(field("HeapPan"), used("User"));
    d().Tasks = true;
    d().TaskStackSize = 64;
    d().TaskFrameSize = 32;
    EXPECT_EQ(field("TaskStackPan"), used("64"));
    EXPECT_EQ(field("TaskFramePan"), used("32"));
}

TEST_F(OutputPageTest, UserDeviceAndDisks) {
    open("p23quad");
    EXPECT_EQ(field("UsrDatDevPan"), unused());
    EXPECT_EQ(field("FileSysPan"), unused());
    opts().setValue("UsrDatDevSpin", 2048);
    EXPECT_EQ(field("UsrDatDevPan"), used("2048"));
    opts().setValue("DiskASpin", 64);
    EXPECT_EQ(field("FileSysPan"), used("A"));
    opts().setValue("DiskBSpin", 32);
    opts().setValue("DiskDSpin", 8);
    EXPECT_EQ(field("FileSysPan"), used("A, B, D"));
    opts().setValue("DiskCSpin", 8);
    EXPECT_EQ(field("FileSysPan"), used("A, B, C, D"));
    opts().setValue("DiskASpin", 0);
    EXPECT_EQ(field("FileSysPan"), unused());
}

TEST_F(OutputPageTest, GraphicsSizeIsFixedWhileTheLcdIsChecked) {
    open("p23quad");
    opts().setChecked("LCDgraphChk", true);
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"700", "64", "128x64"}, {"16", "640", "16x640"},   {"15", "641", "128x128"},
        {"abc", "", "128x128"},  {"240", "128", "240x128"},
    };
    for (const auto& [x, y, shown] : cases) {
        opts().setText("GraphXEdit", x);
        opts().setText("GraphYEdit", y);
        EXPECT_EQ(field("LCDgraphPan"), used(shown)) << x << " " << y;
    }
    EXPECT_EQ(d().Graphx, 240);
    EXPECT_EQ(d().Graphy, 128);
    opts().setChecked("LCDgraphChk", false);
    opts().setText("GraphXEdit", "999");
    EXPECT_EQ(field("LCDgraphPan"), unused());
    EXPECT_EQ(d().Graphx, 240); // kept while unchecked
}

TEST_F(OutputPageTest, ClockOrDcfReceiverMakeTheRtcUsed) {
    open("p23quad");
    EXPECT_EQ(field("RTCpan"), unused());
    opts().choose("RTCtimeBtn");
    EXPECT_EQ(field("RTCpan"), used("used"));
    opts().choose("RTCnoneBtn");
    opts().refill("ComboBoxDCF77", {"None", "PinA"});
    opts().setItemIndex("ComboBoxDCF77", 1);
    EXPECT_EQ(field("RTCpan"), used("used"));
    opts().setItemIndex("ComboBoxDCF77", 0);
    EXPECT_EQ(field("RTCpan"), unused());
}

} // namespace pramlet::test
