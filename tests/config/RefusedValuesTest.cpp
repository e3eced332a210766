// What the number and list fields take, one rule for both front ends: a value outside the
// field's bounds or items is refused when the field is left and never reaches the program.

#include "ProjectFixture.h"
#include "config/UserSettings.h"

namespace pramlet::test {

using RefusedValuesTest = ProjectFixture;

TEST_F(RefusedValuesTest, TakesOnlyValuesWithinBoundsSpecialNamesAndItems) {
    select("mega16x"); // 1024 bytes of RAM
    gotoPage(1);
    EXPECT_TRUE(o().takes("SysStackSpin", "1024"));
    EXPECT_FALSE(o().takes("SysStackSpin", "1025"));
    EXPECT_FALSE(o().takes("SysStackSpin", "abc"));
    EXPECT_TRUE(o().takes("WatchDogSpin", "1 sec"));
    EXPECT_TRUE(o().takes("WatchDogSpin", "7"));
    EXPECT_FALSE(o().takes("WatchDogSpin", "250"));
    EXPECT_FALSE(o().takes("WatchDogSpin", "xyz"));
    EXPECT_TRUE(o().takes("FreqSpin", "-3")); // no bounds: any whole number
    EXPECT_FALSE(o().takes("FreqSpin", "4 MHz"));
    EXPECT_TRUE(o().takes("ComboBoxBootArea", o()["ComboBoxBootArea"].items.front()));
    EXPECT_FALSE(o().takes("ComboBoxBootArea", "$0000-$FFFF"));
    EXPECT_TRUE(o().takes("FuseWrChk", "override"));
    EXPECT_FALSE(o().takes("FuseWrChk", "always"));
    EXPECT_TRUE(o().takes("ComboBoxVCC", "7")); // its handler judges the voltage
}

TEST_F(RefusedValuesTest, ARefusedNumberReturnsToTheValueTakenAndRunsNoHandler) {
    select("mega16x");
    gotoPage(1);
    enter("SysStackSpin", "200");
    EXPECT_EQ(p.derived().SysStackSize, 200);
    p.setBuilt(true);
    p.userType("SysStackSpin", "5000");
    EXPECT_EQ(o().text("SysStackSpin"), "5000"); // while typing
    p.userLeave("SysStackSpin");
    EXPECT_EQ(o().text("SysStackSpin"), "200");
    EXPECT_EQ(o()["SysStackSpin"].refused, "5000");
    EXPECT_EQ(o().value("SysStackSpin"), 200);
    EXPECT_EQ(p.derived().SysStackSize, 200);
    EXPECT_TRUE(dialogs.entries.empty());
    // Typing again ends the refusal; a rule's write ends it too.
    p.userType("SysStackSpin", "30");
    EXPECT_EQ(o()["SysStackSpin"].refused, "");
    p.userLeave("SysStackSpin");
    EXPECT_EQ(p.derived().SysStackSize, 50); // raised to 50 by the page's rule
    enter("SysStackSpin", "x");
    EXPECT_EQ(o()["SysStackSpin"].refused, "x");
    p.opts().setValue("SysStackSpin", 60);
    EXPECT_EQ(o()["SysStackSpin"].refused, "");
}

TEST_F(RefusedValuesTest, ATextTheWatchdogDoesNotTakeKeepsTheWatchdog) {
    select("mega16x");
    enter("WatchDogSpin", "1 sec");
    EXPECT_EQ(p.derived().WatchDog, 6);
    for (const char* text : {"xyz", "250", ""}) {
        enter("WatchDogSpin", text);
        EXPECT_EQ(o().text("WatchDogSpin"), "1 sec") << text;
        EXPECT_EQ(p.derived().WatchDog, 6) << text;
    }
}

// A baud rate runs its handler on every valid edit; refused when left, the rules run again on
// the value taken, so that nothing derived from a half-typed rate stays.
TEST_F(RefusedValuesTest, ARefusedBaudRateLeavesNothingOfTheTyping) {
    select("mega16x");
    gotoPage(2);
    ASSERT_TRUE(o().enabled("Baud1Spin"));
    enter("Baud1Spin", "9600");
    const Derived before = p.derived();
    p.userType("Baud1Spin", "19200");
    p.userType("Baud1Spin", "19200x");
    p.userLeave("Baud1Spin");
    EXPECT_EQ(o().text("Baud1Spin"), "9600");
    EXPECT_EQ(p.derived().SerBaud, before.SerBaud);
    EXPECT_EQ(p.derived().SerBaud[0], 9600);
}

TEST_F(RefusedValuesTest, TheBatchFrontEndRefusesWhatTheFieldsRefuse) {
    select("mega16x");
    gotoPage(1);
    std::string problem;
    EXPECT_FALSE(ApplySetting(p, {"SysStackSpin", "5000"}, problem));
    EXPECT_EQ(problem, "option SysStackSpin cannot take \"5000\"");
    EXPECT_TRUE(ApplySetting(p, {"SysStackSpin", "512"}, problem));
    EXPECT_EQ(p.derived().SysStackSize, 512);
    gotoPage(0);
    EXPECT_FALSE(ApplySetting(p, {"WatchDogSpin", "xyz"}, problem));
    EXPECT_EQ(problem, "option WatchDogSpin cannot take \"xyz\"");
    gotoPage(14);
    EXPECT_FALSE(ApplySetting(p, {"FuseWrChk", "always"}, problem));
    EXPECT_EQ(problem, "option FuseWrChk cannot take \"always\"");
}

} // namespace pramlet::test
