// Writing a program without building it: the same lines as a build, the messages handed back
// instead of shown, and the project left exactly as it was.

#include "PortFuseGeneratorFixture.h"

namespace pramlet::test {
namespace {

using WriteProgramTest = PortFuseGeneratorTest;

// What a build changes in the project besides the options.
struct Snapshot {
    bool built;
    Listing listing;
    std::string appName;
    int current;
    std::string voltage, ps, psh;
    bool operator==(const Snapshot&) const = default;
};

bool sameState(const OptionState& a, const OptionState& b) {
    return a.checked == b.checked && a.text == b.text && a.enabled == b.enabled &&
           a.visible == b.visible && a.items == b.items && a.itemIndex == b.itemIndex &&
           a.itemChecked == b.itemChecked && a.itemEnabled == b.itemEnabled &&
           a.minValue == b.minValue && a.maxValue == b.maxValue && a.used == b.used &&
           a.caption == b.caption && a.hint == b.hint;
}

Snapshot snapshot(const Project& p) {
    const Derived& d = p.derived();
    return {p.built(), p.listing(), p.AppName(), d.Current, d.Voltage1, d.ps, d.psh};
}

TEST_F(WriteProgramTest, SameLinesAsABuildAndNothingChanged) {
    openBoot("pfmega");
    o().setItemIndex("FuseWrChk", 1); // the build takes the supply values over
    o().setValue("CurrentSpin", 70);
    o().setValue("BootBaudSpin", 19200);
    const Snapshot before = snapshot(p);

    const WrittenProgram written = WriteProgram(p, "Other");
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_EQ(snapshot(p), before);
    EXPECT_TRUE(written.ended.empty());
    EXPECT_TRUE(written.warning.empty());
    ASSERT_FALSE(written.lines.empty());
    EXPECT_EQ(written.lines.front(), "program Other;");

    // Under the project's own name the build writes the same lines, and takes what a build
    // takes: the flag, the name, the supply values.
    p.opts().setText("AppNameEdit", "Other");
    const WrittenProgram again = WriteProgram(p, "Other");
    ASSERT_TRUE(BuildApp(p));
    EXPECT_EQ(p.listing(), again.lines);
    EXPECT_TRUE(p.built());
    EXPECT_EQ(p.AppName(), "Other");
    EXPECT_EQ(p.derived().Current, 70);
    EXPECT_TRUE(dialogs.entries.empty());

    // Written again after the build, nothing the build stored changes.
    const Snapshot built = snapshot(p);
    EXPECT_EQ(WriteProgram(p, "Third").lines.front(), "program Third;");
    EXPECT_EQ(snapshot(p), built);
}

TEST_F(WriteProgramTest, BaudWarningHandedBackNotShown) {
    openBoot("pfmega");
    o().setValue("BootBaudSpin", 115200);
    const WrittenProgram written = WriteProgram(p, "Demo");
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_EQ(written.warning, "Baudrate error : -3.680% too high");
    EXPECT_TRUE(written.ended.empty());
    EXPECT_TRUE(contains(written.lines, "    LDI       _ACCA, 008h                   ; Baud"));
    // The build shows the same warning and writes the same lines.
    ASSERT_TRUE(BuildApp(p));
    EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                   {"error", "Baudrate error : -3.680% too high", "Ignore"}}));
    EXPECT_EQ(p.listing(), written.lines);
}

// A section that ends the build: the lines before it and its message, nothing shown; the
// boot block is never reached, so its warning is not given either, as in a build.
TEST_F(WriteProgramTest, EndedBuildHandsBackTheLinesSoFar) {
    openBoot("pfmega");
    o().setValue("BootBaudSpin", 115200);
    ASSERT_TRUE(BuildApp(p));
    dialogs.entries.clear();
    o().setChecked("KeyBoard4Chk", true);
    o().choose("StepperBchk");
    d().StepPort = PortB;
    d().KeyBRport = PortD;
    d().KeyBCport = PinNone;
    const Snapshot before = snapshot(p);

    const WrittenProgram written = WriteProgram(p, "Demo");
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_EQ(snapshot(p), before);
    EXPECT_TRUE(before.built); // a preview of an ended build leaves the last build's flag
    EXPECT_EQ(written.ended, "KeyBoard Column port not defined!");
    EXPECT_TRUE(written.warning.empty());
    ASSERT_FALSE(written.lines.empty());
    EXPECT_EQ(written.lines.back(),
              "  MatrixRow      = PortD, 0;       {use PortD, start with bit0}");

    EXPECT_FALSE(BuildApp(p));
    EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                   {"error", "KeyBoard Column port not defined!", "Retry"}}));
    EXPECT_EQ(p.listing(), written.lines);
    EXPECT_FALSE(p.built());
}

// From a page before the output page: the pages ahead run on a copy, so the program is the
// one the user gets by going on and building, and what they would say is handed back.
TEST_F(WriteProgramTest, AheadIsWhatGoingOnAndBuildingGives) {
    ASSERT_TRUE(p.clickControllerByName("pfmega"));
    ASSERT_TRUE(p.next());
    p.userCheck("BootBlockChk", true);
    for (int page = 1; page < 4; ++page)
        ASSERT_TRUE(p.next());
    p.userChoose("I2CbChk");
    p.userType("I2CdatSel", "3");
    p.userLeave("I2CdatSel");
    p.userType("I2CclkSel", "3");
    p.userLeave("I2CclkSel");
    dialogs.entries.clear();
    const Snapshot before = snapshot(p);
    const std::vector<OptionState> options = o().all();

    const WrittenProgram ahead = WriteProgramAhead(p, "Ahead");
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_EQ(p.page(), 4);
    EXPECT_EQ(snapshot(p), before);
    EXPECT_TRUE(std::equal(options.begin(), options.end(), o().all().begin(), sameState));
    EXPECT_EQ(o().text("Tab"), "soft driver import I");
    EXPECT_EQ(ahead.onTheWay, (std::vector<std::string>{"I2Cdata pin = I2Cclock pin !"}));
    // The program written here alone lacks what the pages ahead add.
    EXPECT_NE(WriteProgram(p, "Ahead").lines, ahead.lines);

    while (p.page() < kPageCount - 1)
        ASSERT_TRUE(p.next());
    EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                   {"error", "I2Cdata pin = I2Cclock pin !", "OK"}}));
    p.opts().setText("AppNameEdit", "Ahead");
    ASSERT_TRUE(BuildApp(p));
    EXPECT_EQ(p.listing(), ahead.lines);
    // On the output page nothing is ahead: the program as it stands, nothing said.
    const WrittenProgram here = WriteProgramAhead(p, "Ahead");
    EXPECT_EQ(here.lines, ahead.lines);
    EXPECT_TRUE(here.onTheWay.empty());
}

} // namespace
} // namespace pramlet::test
