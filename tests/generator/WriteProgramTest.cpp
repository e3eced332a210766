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
    EXPECT_EQ(written.lines.back(), "  MatrixRow      = PortD, 0;       {use PortD, start with bit0}");

    EXPECT_FALSE(BuildApp(p));
    EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                   {"error", "KeyBoard Column port not defined!", "Retry"}}));
    EXPECT_EQ(p.listing(), written.lines);
    EXPECT_FALSE(p.built());
}

} // namespace
} // namespace pramlet::test
