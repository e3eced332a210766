#include "ProjectFixture.h"
#include "tests/support/RecordingDialogs.h"

#include <set>

namespace pramlet::test {

using NavigationTest = ProjectFixture;

TEST_F(NavigationTest, FreshProjectHoldsTheCatalogueDefaults) {
    EXPECT_EQ(o().value("FreqSpin"), 16000);
    EXPECT_EQ(o().value("SysTickSpin"), 10);
    EXPECT_EQ(o().value("WatchDogSpin"), -1);
    EXPECT_EQ(o().text("WatchDogSpin"), "None");
    EXPECT_EQ(o().text("SerForm1Spin"), "1 stop bit");
    EXPECT_EQ(o().text("LCDrowSel"), "2");
    EXPECT_EQ(o().text("FuseWrChk"), "init only");
    EXPECT_TRUE(o().checked("ROVA_UDPchk"));
    EXPECT_TRUE(o().checked("StandardChk"));
    EXPECT_EQ(o().chosen("HeapIDataChk"), "HeapNoneChk");
    EXPECT_FALSE(o().enabled("GroupBox1"));
    EXPECT_FALSE(p.built());
}

TEST_F(NavigationTest, NumberWithoutBoundsAcceptsAnyValue) {
    Options& opts = p.opts();
    opts.setValue("FreqSpin", 123456789);
    EXPECT_EQ(opts.value("FreqSpin"), 123456789);
    opts.setValue("FreqSpin", -5);
    EXPECT_EQ(opts.value("FreqSpin"), -5);
    opts.setValue("ExceptSpin", 99); // 1..15 clamps
    EXPECT_EQ(opts.value("ExceptSpin"), 15);
}

TEST_F(NavigationTest, NextIsRefusedWithoutAController) {
    EXPECT_FALSE(p.next());
    EXPECT_EQ(p.page(), 0);
    ASSERT_EQ(dialogs.entries.size(), 2u);
    EXPECT_EQ(dialogs.entries[0].kind, "beep");
    EXPECT_EQ(dialogs.entries[1],
              (RecordingDialogs::Entry{"error", "Select CPU type first!", "OK"}));
}

// The controller in use stays in use whichever tab is shown: a tab without a selected entry
// does not make next refuse.
TEST_F(NavigationTest, SwitchingTheFamilyTabLoadsNothingAndKeepsTheController) {
    select("mega16x");
    EXPECT_EQ(p.CurCPUName(), "mega16x");
    const int tab = p.controllerTab();
    p.setFamilyTab(0); // TINY: nothing selected there
    EXPECT_EQ(p.familyTab(), 0);
    EXPECT_EQ(p.controllerTab(), tab);
    EXPECT_EQ(p.CurCPUName(), "mega16x");
    EXPECT_GE(p.CurCPU(), 0);
    EXPECT_EQ(p.cpu().CpuName, "mega16x");
    EXPECT_TRUE(p.next());
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(NavigationTest, OnlyTheListOfTheControllerInUseHasASelection) {
    select("mega16x");
    ASSERT_TRUE(p.clickControllerByName("tiny256"));
    int selected = 0;
    for (OptName list : Project::controllerLists())
        if (o().itemIndex(list) >= 0) ++selected;
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(p.familyTab(), p.controllerTab());
    EXPECT_EQ(p.CurCPUName(), "tiny256");
}

// A copy of the project (the sandbox that runs the pages ahead) keeps the controller in use
// and the folder of the last store.
TEST_F(NavigationTest, ACopyKeepsTheControllerInUse) {
    select("mega16x");
    p.setFamilyTab(0);
    p.setStoreFolder("/tmp/stored");
    RecordingDialogs quiet;
    Project copy(p, quiet);
    EXPECT_EQ(copy.CurCPUName(), "mega16x");
    EXPECT_EQ(copy.controllerTab(), p.controllerTab());
    EXPECT_EQ(copy.storeFolder(), "/tmp/stored");
    EXPECT_TRUE(copy.next());
    EXPECT_TRUE(quiet.entries.empty());
}

TEST_F(NavigationTest, NoControllerBeforeTheFirstClick) {
    EXPECT_EQ(p.controllerTab(), -1);
    EXPECT_EQ(p.CurCPUName(), "");
    EXPECT_EQ(p.CurCPU(), -1);
    p.setFamilyTab(2);
    EXPECT_FALSE(p.next());
}

TEST_F(NavigationTest, WalkAllPagesAndBack) {
    select("mega16x");
    EXPECT_FALSE(o().enabled("PrevBtn"));
    EXPECT_TRUE(o().enabled("NextBtn"));
    for (int page = 1; page < kPageCount; ++page) {
        ASSERT_TRUE(p.next());
        EXPECT_EQ(p.page(), page);
        EXPECT_EQ(o().text("Tab"), pageInfo(page).title);
        EXPECT_EQ(o()["StatusLine"].items[1], "page " + std::to_string(page + 1) + " of 16");
    }
    EXPECT_FALSE(o().enabled("NextBtn"));
    EXPECT_FALSE(p.next());
    EXPECT_EQ(p.page(), 15);
    for (int page = 14; page >= 0; --page) {
        p.prev();
        EXPECT_EQ(o().text("Tab"), pageInfo(page).title);
    }
    EXPECT_FALSE(o().enabled("PrevBtn"));
    EXPECT_EQ(o()["StatusLine"].items[1], "page 1 of 16");
}

TEST_F(NavigationTest, HandledChangeClearsTheBuiltFlagUnhandledKeepsIt) {
    select("mega16x");
    p.setBuilt(true);
    enter("XDataWaitSpin", "2"); // no handler
    EXPECT_TRUE(p.built());
    p.userCheck("LCDgraphChk", true); // LCD graphics handlers keep the flag
    p.userCheck("PixFontChk", true);
    enter("GraphXEdit", "64");
    enter("GraphYEdit", "64");
    EXPECT_TRUE(p.built());
    enter("FreqSpin", "8000");
    EXPECT_FALSE(p.built());
    EXPECT_EQ(p.derived().Frequency, 8000000);
}

TEST_F(NavigationTest, ButtonStatesFollowNameLengthAndBuiltFlag) {
    p.userType("AppNameEdit", "ab");
    EXPECT_FALSE(o().enabled("BuildBtn"));
    p.userType("AppNameEdit", "\xC3\xA4"
                              "b"); // two characters in three bytes
    EXPECT_FALSE(o().enabled("BuildBtn"));
    p.userType("AppNameEdit", "abc");
    EXPECT_TRUE(o().enabled("BuildBtn"));
    EXPECT_FALSE(o().enabled("StoreBtn"));
    p.setBuilt(true);
    p.buttonStates();
    EXPECT_TRUE(o().enabled("StoreBtn"));
    EXPECT_TRUE(o().enabled("ShowBtn"));
    EXPECT_TRUE(o().enabled("PrintBtn"));
    p.userType("AppNameEdit", "abcd"); // a new name needs a new build
    EXPECT_FALSE(o().enabled("StoreBtn"));
}

TEST_F(NavigationTest, BlanksInTheApplicationNameGoOneMessageEach) {
    std::vector<std::string> focus;
    p.setFocusRequest([&](OptName n) { focus.emplace_back(n.str()); });
    p.userType("AppNameEdit", "my app x");
    EXPECT_EQ(o().text("AppNameEdit"), "myappx");
    ASSERT_EQ(dialogs.entries.size(), 2u);
    EXPECT_EQ(dialogs.entries[1],
              (RecordingDialogs::Entry{"error", "no spaces in name possible!", "OK"}));
    EXPECT_EQ(focus, (std::vector<std::string>{"AppNameEdit", "AppNameEdit"}));
}

TEST_F(NavigationTest, ReadyCheckRefusesWithoutBuild) {
    std::string focus;
    p.setFocusRequest([&](OptName n) { focus = n.str(); });
    EXPECT_FALSE(p.readyCheck());
    EXPECT_EQ(dialogs.entries.back(),
              (RecordingDialogs::Entry{"error", "first build Application !", "OK"}));
    EXPECT_EQ(focus, "BuildBtn");
    p.setBuilt(true);
    EXPECT_TRUE(p.readyCheck());
}

TEST_F(NavigationTest, ObserversHearTheChangedOptions) {
    std::vector<std::string> heard;
    p.addObserver([&](const std::vector<std::string>& c) { heard = c; });
    select("mega16x");
    EXPECT_NE(std::find(heard.begin(), heard.end(), "GroupBox1"), heard.end());
    EXPECT_NE(std::find(heard.begin(), heard.end(), "LEDportSpin0"), heard.end());
}

// A user action of several steps, actions inside it among them, reaches the observers once,
// with everything it changed.
TEST_F(NavigationTest, ObserversHearEachUserActionOnce) {
    select("mega16x");
    std::vector<std::vector<std::string>> heard;
    p.addObserver([&](const std::vector<std::string>& c) { heard.push_back(c); });
    p.userType("AppNameEdit", "abcd");
    EXPECT_EQ(heard.size(), 1u);
    heard.clear();
    p.act([&] {
        p.userType("AppNameEdit", "abcde");
        p.userCheck("NoInitChk", !o().checked("NoInitChk"));
        p.act([&] { p.userType("AppNameEdit", "abcdef"); });
    });
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_NE(std::find(heard[0].begin(), heard[0].end(), "AppNameEdit"), heard[0].end());
    EXPECT_NE(std::find(heard[0].begin(), heard[0].end(), "NoInitChk"), heard[0].end());
}

// The file chooser's choice becomes the file name and the field's text; cancelling it keeps
// both.
TEST_F(NavigationTest, ChosenFileBecomesTheFileName) {
    int calls = 0;
    p.addObserver([&](const std::vector<std::string>&) { ++calls; });
    p.userChooseFile("/tmp/out/blink.pas");
    EXPECT_EQ(p.FileName(), "/tmp/out/blink.pas");
    EXPECT_EQ(o().text("FNameEdit"), "/tmp/out/blink.pas");
    EXPECT_EQ(calls, 1);
    p.userChooseFile(std::nullopt);
    EXPECT_EQ(p.FileName(), "/tmp/out/blink.pas");
    EXPECT_EQ(o().text("FNameEdit"), "/tmp/out/blink.pas");
}

} // namespace pramlet::test

namespace pramlet::test {

using StartUpTest = ProjectFixture;

TEST_F(StartUpTest, SupplyCurrentIsTakenOnceAtStart) {
    EXPECT_EQ(p.derived().Current, 100);
    EXPECT_TRUE(o().enabled("VoltSpin"));
}

// The window's start: the scan begun ahead gives the start the same lists, the same
// messages in the same place among the others, and the same state as a scan at the start;
// a scan ahead of other directories is not used.
TEST_F(StartUpTest, AScanAheadStartsAsAScanAtTheStart) {
    const std::string home = std::string(PRAMLET_TEST_DATA) + "/config";
    const std::vector<std::string> args = {"/tmp/out/blink.pas", "my app"};
    RecordingDialogs nowDialogs;
    Project now(nowDialogs);
    now.setDataDirectories(
        {.program = "", .installed = home + "/PTINY256.dsc/", .user = home + "/../p23/"});
    now.start(home, args);

    for (const std::string& aheadHome :
         {home, home + "/", std::string(PRAMLET_TEST_DATA) + "/p456"}) {
        RecordingDialogs d;
        Project ahead(d);
        ahead.setDataDirectories(
            {.program = "", .installed = home + "/PTINY256.dsc/", .user = home + "/../p23/"});
        ahead.scanAhead(aheadHome);
        ahead.start(home, args);
        EXPECT_EQ(d.entries, nowDialogs.entries) << aheadHome;
        ASSERT_EQ(d.entries.size(), 2u); // the name's blank, then the unreadable folder
        EXPECT_EQ(ahead.catalogue().CPUList(), now.catalogue().CPUList()) << aheadHome;
        for (const OptionState& s : now.opts().all()) {
            const OptionState& t = ahead.opts()[OptName::lookup(s.def->name)];
            EXPECT_EQ(t.items, s.items) << s.def->name;
            EXPECT_EQ(t.text, s.text) << s.def->name;
            EXPECT_EQ(t.enabled, s.enabled) << s.def->name;
        }
    }
}

TEST_F(StartUpTest, CommandLinePresetsTheNames) {
    RecordingDialogs d;
    Project q(d);
    q.start(std::string(PRAMLET_TEST_DATA) + "/config/", {"/tmp/out/blink.pas", "Blinky"});
    EXPECT_EQ(q.opts().text("FNameEdit"), "/tmp/out/blink.pas");
    EXPECT_EQ(q.opts().text("AppNameEdit"), "Blinky");
    EXPECT_EQ(q.FileName(), "/tmp/out/blink.pas");
    EXPECT_EQ(q.AppName(), "Blinky");
}

} // namespace pramlet::test

namespace pramlet::test {

using RuleChainTest = ProjectFixture;

// A member chosen by a rule runs its own handler: the page 0 rules put the scheduler back
// into iData, and the page 1 rules that its handler runs update the derived value at once.
TEST_F(RuleChainTest, RuleMadeChoiceRunsThatOptionsHandler) {
    select("mega128xr");
    enter("RamSpin", "4096");
    gotoPage(1);
    p.userChoose("MultiTaskChk");
    p.userChoose("SchedxDatChk");
    EXPECT_EQ(p.derived().Scheduler, tRamPage::xData);
    gotoPage(0);
    p.setBuilt(true);
    enter("RamSpin", "0");
    EXPECT_TRUE(o().checked("SchediDatChk"));
    EXPECT_EQ(p.derived().Scheduler, tRamPage::iData);   // page 1 rules ran from page 0
    EXPECT_EQ(o().text("Tab"), "select processor type"); // the title stays the page's own
    EXPECT_FALSE(p.built());
}

} // namespace pramlet::test

namespace pramlet::test {

// Which user action on an option calls which handler: clicks and selections for boxes,
// members and lists, leaving the field for numbers, texts and port frames, and every edit
// only where a row asks for it.
TEST(HandlerTableTest, EachOptionCallsItsRowsHandlerOnItsOwnTrigger) {
    using H = Handler;
    using T = Trigger;
    struct Row {
        OptName option;
        T trigger;
        H handler;
    };
    const Row rows[] = {
        {"NoInitChk", T::Click, H::NoInitChkClick},
        {"FreqSpin", T::Leave, H::NoInitChkClick},
        {"FreqSpin", T::Edit, H::None},
        {"WatchDogSpin", T::Leave, H::NoInitChkClick},
        {"RamSpin", T::Leave, H::RamSpinChanged},
        {"XDataWaitSpin", T::Leave, H::None},
        {"ComboBoxVCC", T::Leave, H::ComboBoxVCCExit},
        {"ComboBoxVCC", T::Click, H::None}, // page 0 has no handler for its other options
        {"VoltSpin", T::Leave, H::ComboBoxVCCExit},
        {"VoltSpin", T::Click, H::VoltSpinChanged},
        {"VoltSpin", T::Edit, H::VoltSpinChanged},
        {"SysStackSpin", T::Leave, H::TypesChkClick},
        {"SysStackSpin", T::Edit, H::None},
        {"ComboBoxBootArea", T::Click, H::TypesChkClick},
        {"BootBaudSpin", T::Leave, H::TypesChkClick},
        {"ResJmpBtn", T::Click, H::BootAreaSpinChanged},
        {"BootENCChck", T::Click, H::BootAreaSpinChanged},
        {"BootAppChk", T::Click, H::BootAreaSpinChanged},
        {"BootVectChk", T::Click, H::None},
        {"Baud3Spin", T::Edit, H::Baud1SpinChange},
        {"Baud3Spin", T::Leave, H::None},
        {"DTR2enaChk", T::Click, H::None},
        {"CheckListBoxincrEncBits", T::Click, H::CheckListBoxincrEncBitsClickCheck},
        {"KeyBoard8Chk", T::Click, H::KeyBoard8ChkClick},
        {"LanModeChk", T::Click, H::LANdrvClick},
        {"GraphYEdit", T::Leave, H::GraphYEditExit},
        {"PixFontEdit", T::Leave, H::None},
        {"I2CexpChk", T::Click, H::I2CexpChkClick},
        {"Port5chk", T::Click, H::None},
        {"FramePortL", T::Leave, H::Ports3Click},
        {"BuildFuse2Chk", T::Click, H::BuildFuse0ChkClick},
        {"FuseBox2", T::Click, H::None},
        {"FuseWrChk", T::Click, H::FuseWrChkClick},
        {"prgJTAGchk", T::Click, H::prgNoneChkClick},
        {"CurrentSpin", T::Edit, H::CurrentSpinChanged},
        {"progEEpromChk", T::Click, H::progOptsEnaChkClick},
        {"COMportSpin", T::Click, H::None},
        {"GlobWarnCheck", T::Click, H::GlobWarnCheckClick},
        {"AppNameEdit", T::Edit, H::AppNameEditChange},
        {"AppNameEdit", T::Leave, H::AppNameEditChange},
        {"BuildBtn", T::Click, H::None},
    };
    for (const Row& r : rows)
        EXPECT_STREQ(handlerName(handlerFor(r.option, r.trigger)), handlerName(r.handler))
            << r.option << " trigger " << static_cast<int>(r.trigger);

    for (H h : {H::LCDgraphChkClick, H::PixFontChkClick, H::GraphXEditExit, H::GraphYEditExit})
        EXPECT_TRUE(keepsBuiltFlag(h)) << handlerName(h);
    for (H h : {H::NoInitChkClick, H::ComboBoxVCCExit, H::BootAreaSpinChanged, H::VoltSpinChanged,
                H::prgNoneChkClick, H::GlobWarnCheckClick, H::AppNameEditChange})
        EXPECT_FALSE(keepsBuiltFlag(h)) << handlerName(h);
}

// Every handler has a row of its own: a name of its own and what it runs; the two that run
// nothing beyond clearing the built flag are the programmer and supply voltage clicks.
TEST(HandlerTableTest, EveryHandlerHasItsOwnNamedRow) {
    std::set<std::string> names;
    for (std::size_t i = 1; i < kHandlerCount; ++i) {
        const auto h = static_cast<Handler>(i);
        const HandlerRow& row = handlerRow(h);
        EXPECT_EQ(row.handler, h);
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (h != Handler::prgNoneChkClick && h != Handler::VoltSpinChanged) {
            EXPECT_NE(row.run, nullptr) << row.name;
        }
    }
    EXPECT_STREQ(handlerName(Handler::None), "");
    EXPECT_EQ(handlerRow(Handler::None).run, nullptr);
    EXPECT_TRUE(keepsBuiltFlag(Handler::None));
}

// The supply voltage is checked before its handler clears the built flag: a refused value
// leaves the build valid.
using HandlerRunTest = ProjectFixture;

TEST_F(HandlerRunTest, RefusedSupplyVoltageKeepsTheBuild) {
    select("mega16x");
    p.setBuilt(true);
    p.userType("ComboBoxVCC", "7.5");
    p.userLeave("ComboBoxVCC");
    EXPECT_TRUE(p.built());
    ASSERT_FALSE(dialogs.entries.empty());
    EXPECT_EQ(dialogs.entries.back().text, "VCC not in range 1.8-5.0V");
    p.userType("ComboBoxVCC", "3.3");
    p.userLeave("ComboBoxVCC");
    EXPECT_FALSE(p.built());
}

} // namespace pramlet::test
