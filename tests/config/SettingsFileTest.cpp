// Settings files: reading the text (format line, keys, quoting, line ends, what makes a file
// no settings file), replaying the settings page by page with the skipped ones listed, and
// the settings of a project written so that the replay brings the same state back.

#include "config/SettingsFile.h"
#include "tests/config/ProjectFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace pramlet {
namespace {

const std::string kHead = "# pramlet settings 1\ndevice = mega16x\napp = Demo\n";

SettingsFile parsed(const std::string& text) {
    SettingsFile f;
    std::string error;
    EXPECT_TRUE(ParseSettings(text, "p.pramlet", f, error)) << error;
    return f;
}

std::string parseError(const std::string& text) {
    SettingsFile f;
    std::string error;
    EXPECT_FALSE(ParseSettings(text, "p.pramlet", f, error)) << text;
    return error;
}

TEST(SettingsParse, KeysValuesCommentsAndLineNumbers) {
    const SettingsFile f = parsed("# pramlet settings 1\n"
                                  "# a comment\n"
                                  "\n"
                                  "  device\t=  Mega16X  \n"
                                  "app=Blinky\n"
                                  "file = out dir/Blinky.pas\n"
                                  "FreqSpin = 8000\n"
                                  "   # an indented comment\n"
                                  "SwPort1MaskFld =\n"
                                  "FramePortB = $0F/$01\n");
    EXPECT_EQ(f.device, "Mega16X");
    EXPECT_EQ(f.deviceLine, 4);
    EXPECT_EQ(f.app, "Blinky");
    EXPECT_EQ(f.appLine, 5);
    ASSERT_TRUE(f.file);
    EXPECT_EQ(*f.file, "out dir/Blinky.pas");
    ASSERT_EQ(f.settings.size(), 3u);
    EXPECT_EQ(f.settings[0].setting.option, "FreqSpin");
    EXPECT_EQ(f.settings[0].setting.value, "8000");
    EXPECT_EQ(f.settings[0].line, 7);
    EXPECT_EQ(f.settings[1].setting.value, "");
    EXPECT_EQ(f.settings[2].setting.value, "$0F/$01");
    EXPECT_EQ(f.settings[2].line, 10);
    EXPECT_FALSE(parsed(kHead).file);
}

TEST(SettingsParse, CrLfByteOrderMarkAndQuotedValues) {
    const SettingsFile f = parsed("\xEF\xBB\xBF# pramlet settings 1\r\ndevice = a\r\napp = b\r\n"
                                  "X = \" 5\"\r\nY = \"\"q\"\"\r\nZ = \"\r\nW = a=b\r\n");
    EXPECT_EQ(f.device, "a");
    ASSERT_EQ(f.settings.size(), 4u);
    EXPECT_EQ(f.settings[0].setting.value, " 5");
    EXPECT_EQ(f.settings[1].setting.value, "\"q\"");
    EXPECT_EQ(f.settings[2].setting.value, "\""); // a lone quote mark is no pair
    EXPECT_EQ(f.settings[3].setting.value, "a=b");
}

TEST(SettingsParse, QuotingGivesEveryValueBack) {
    for (const std::string value :
         {"", "a", " a", "a ", "\"", "\"\"", "\"a\"", "a\"", "\"a", "a b", "\t", "é ü"}) {
        const SettingsFile f = parsed(kHead + "X = " + QuoteSettingValue(value) + "\n");
        ASSERT_EQ(f.settings.size(), 1u);
        EXPECT_EQ(f.settings[0].setting.value, value) << QuoteSettingValue(value);
    }
    EXPECT_EQ(QuoteSettingValue("8000"), "8000");
    EXPECT_EQ(QuoteSettingValue(" 5"), "\" 5\"");
}

TEST(SettingsParse, NotASettingsFile) {
    EXPECT_EQ(parseError(""), "p.pramlet:1: the file is empty; not a settings file of pramlet: "
                              "the first line must be \"# pramlet settings 1\"");
    EXPECT_EQ(parseError("device = mega16x\napp = x\n"),
              "p.pramlet:1: not a settings file of pramlet: the first line must be \"# pramlet "
              "settings 1\"");
    EXPECT_EQ(parseError("# pramlet settings 2\ndevice = a\napp = b\n"),
              "p.pramlet:1: settings format version 2 is not read by this program (it reads "
              "version 1)");
    EXPECT_EQ(parseError("\n# pramlet settings 1\ndevice = a\napp = b\n"),
              "p.pramlet:1: not a settings file of pramlet: the first line must be \"# pramlet "
              "settings 1\"");
}

TEST(SettingsParse, GarbageIsRefusedWithItsLine) {
    EXPECT_EQ(parseError(kHead + std::string("FreqSpin = 80\0"
                                             "00\n",
                                             17)),
              "p.pramlet:4: NUL byte: this is no text file");
    EXPECT_EQ(parseError(std::string("\x7F"
                                     "ELF\x02\x01\x01\x00\x00",
                                     9)),
              "p.pramlet:1: control character \\x7F");
    EXPECT_EQ(parseError(kHead + "app2 = caf\xE9\n"), "p.pramlet:4: invalid UTF-8 (byte \\xE9)");
    // Overlong forms and surrogates are no UTF-8 either; a sequence cut by the line end.
    EXPECT_EQ(parseError(kHead + "X = \xC0\xAF\n"), "p.pramlet:4: invalid UTF-8 (byte \\xC0)");
    EXPECT_EQ(parseError(kHead + "X = \xED\xA0\x80\n"), "p.pramlet:4: invalid UTF-8 (byte \\xED)");
    EXPECT_EQ(parseError(kHead + "X = \xE2\x82\n"), "p.pramlet:4: invalid UTF-8 (byte \\xE2)");
    EXPECT_EQ(parseError(kHead + "X = a\rb\n"), "p.pramlet:4: control character \\x0D");
    EXPECT_EQ(parseError(kHead + "X = \x1B[2J\n"), "p.pramlet:4: control character \\x1B");
    EXPECT_EQ(parsed(kHead + "X = \xE2\x82\xAC\xF0\x9F\x98\x80\n").settings[0].setting.value,
              "\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(SettingsParse, TruncatedFiles) {
    // Cut inside a line: the last line has no line end.
    EXPECT_EQ(parseError(kHead + "FreqSpin = 80"),
              "p.pramlet:4: the file ends inside this line: it was cut short");
    EXPECT_EQ(parseError(kHead + "FreqSpin = 8000\r"),
              "p.pramlet:4: the file ends inside this line: it was cut short");
    EXPECT_EQ(parseError("# pramlet settings 1\ndevice = mega16x\nap"),
              "p.pramlet:3: the file ends inside this line: it was cut short");
    // Cut before the required keys.
    EXPECT_EQ(parseError("# pramlet settings 1\n"),
              "p.pramlet:1: no \"device = NAME\" line in the file");
    EXPECT_EQ(parseError("# pramlet settings 1\ndevice = mega16x\n"),
              "p.pramlet:2: no \"app = NAME\" line in the file");
    EXPECT_EQ(parseError(kHead + "FreqSpin\n"),
              "p.pramlet:4: \"FreqSpin\" is no OPTION = VALUE line");
    EXPECT_EQ(parseError(kHead + " = 5\n"), "p.pramlet:4: a line without a name before \"=\"");
    EXPECT_EQ(parseError("# pramlet settings 1\ndevice =\napp = x\n"),
              "p.pramlet:2: device needs the name of a controller");
}

TEST(SettingsParse, EachKeyOnce) {
    EXPECT_EQ(parseError(kHead + "FreqSpin = 8000\n# again\nFreqSpin = 4000\n"),
              "p.pramlet:6: FreqSpin is given twice (first on line 4)");
    EXPECT_EQ(parseError(kHead + "device = tiny256\n"),
              "p.pramlet:4: device is given twice (first on line 2)");
    EXPECT_EQ(parseError(kHead + "file = a\nfile = b\n"),
              "p.pramlet:5: file is given twice (first on line 4)");
}

TEST(SettingsParse, FilesThatCannotBeRead) {
    test::TempDir dir;
    SettingsFile f;
    std::string error;
    EXPECT_FALSE(ReadSettingsFile(dir.path() + "none.pramlet", f, error));
    EXPECT_EQ(error, dir.path() + "none.pramlet: cannot be read: No such file or directory");
    EXPECT_FALSE(ReadSettingsFile(dir.path(), f, error));
    EXPECT_EQ(error.rfind(dir.path() + ": cannot be read: ", 0), 0u) << error;
    const std::string path = dir.write("ok.pramlet", kHead + "FreqSpin = 8000\n");
    ASSERT_TRUE(ReadSettingsFile(path, f, error)) << error;
    EXPECT_EQ(f.settings.size(), 1u);
    const std::string bad = dir.write("bad.pramlet", kHead + "FreqSpin\n");
    EXPECT_FALSE(ReadSettingsFile(bad, f, error));
    EXPECT_EQ(error, bad + ":4: \"FreqSpin\" is no OPTION = VALUE line");
}

class SettingsReplay : public test::ProjectFixture {
  protected:
    std::string text() { return FormatSettings(p).text; }
    // The project's settings loaded into a second project of the same catalogue.
    std::string reloaded(std::vector<SkippedSetting>& skipped) {
        SettingsFile f = parsed(FormatSettings(p).text);
        RecordingDialogs quiet;
        Project q(quiet);
        q.startLike(p);
        std::string problem;
        EXPECT_TRUE(LoadSettings(q, f.device, f.app, f.file, f.settings, skipped, problem));
        return FormatSettings(q).text;
    }
};

TEST_F(SettingsReplay, SkippedSettingsAreListedAndLeaveTheProjectUnchanged) {
    select("mega16x");
    const std::vector<SettingLine> settings = {
        {{"NoSuchSpin", "1"}, 4},      {{"FreqSpin", "8000"}, 5},      {{"FreqSpin2", "1"}, 6},
        {{"WatchDogSpin", "12 s"}, 7}, {{"Baud3Spin", "19200"}, 8},    {{"ComboBoxVCC", "9"}, 9},
        {{"MultiTaskChk", "yes"}, 10}, {{"BootBlockChk", "true"}, 11}, {{"FreqSpin", "x"}, 12},
    };
    const std::vector<SkippedSetting> skipped = ReplaySettings(p, settings);
    EXPECT_EQ(p.page(), kPageCount - 1);
    std::vector<std::string> why;
    for (const SkippedSetting& s : skipped)
        why.push_back(std::to_string(s.line) + " " + s.option + "=" + s.value + ": " + s.why);
    const std::vector<std::string> expected = {
        "4 NoSuchSpin=1: unknown option NoSuchSpin",
        "6 FreqSpin2=1: unknown option FreqSpin2",
        "7 WatchDogSpin=12 s: option WatchDogSpin cannot take \"12 s\"",
        "8 Baud3Spin=19200: option Baud3Spin is disabled",
        "9 ComboBoxVCC=9: option ComboBoxVCC cannot take \"9\": a supply voltage is a decimal "
        "number from 1.8 to 5.0",
        "10 MultiTaskChk=yes: option MultiTaskChk cannot take \"yes\"",
        "12 FreqSpin=x: option FreqSpin cannot take \"x\"",
    };
    EXPECT_EQ(why, expected);
    // What could be applied is: the frequency, the boot block.
    EXPECT_EQ(o().text("FreqSpin"), "8000");
    EXPECT_TRUE(o().checked("BootBlockChk"));
}

TEST_F(SettingsReplay, WithoutAControllerEverySettingIsSkipped) {
    const std::vector<SkippedSetting> skipped = ReplaySettings(
        p, {{{"FreqSpin", "8000"}, 3}, {{"BootBlockChk", "true"}, 4}, {{"NoSuch", "1"}, 5}});
    ASSERT_EQ(skipped.size(), 3u);
    EXPECT_EQ(skipped[0].why, "option FreqSpin is disabled (GroupBox1)");
    EXPECT_EQ(skipped[1].why, "no controller is chosen");
    EXPECT_EQ(skipped[2].why, "unknown option NoSuch");
    EXPECT_EQ(p.page(), 0);
}

TEST_F(SettingsReplay, AFreshProjectWritesOnlyTheHead) {
    select("mega16x");
    gotoPage(kPageCount - 1);
    EXPECT_EQ(text(), "# pramlet settings 1\ndevice = mega16x\napp =\n");
    enter("AppNameEdit", "Blinky");
    p.userChooseFile(std::string(" my dir/x.pas"));
    EXPECT_EQ(text(),
              "# pramlet settings 1\ndevice = mega16x\napp = Blinky\nfile = \" my dir/x.pas\"\n");
}

TEST_F(SettingsReplay, ChangedOptionsInPageOrderAndTheyComeBack) {
    select("mega128xr");
    gotoPage(1);
    p.userCheck("BootBlockChk", true); // on page 1, after the first page's field below
    enter("FreqSpin", "8000");
    enter("WatchDogSpin", "1 sec");
    gotoPage(3);
    gotoPage(1);
    enter("FreqSpin", "12000");
    enter("WatchDogSpin", "None"); // back to its default: no line
    gotoPage(kPageCount - 1);
    enter("AppNameEdit", "Blinky");
    const std::string written = text();
    EXPECT_EQ(written, "# pramlet settings 1\ndevice = mega128xr\napp = Blinky\n"
                       "FreqSpin = 12000\nBootBlockChk = true\n");
    std::vector<SkippedSetting> skipped;
    EXPECT_EQ(reloaded(skipped), written);
    EXPECT_TRUE(skipped.empty());
}

TEST_F(SettingsReplay, RuleResultsAreNotWrittenAndNothingRefusedIs) {
    select("mega16x");
    gotoPage(1);
    // No system tick: the ADC and the LEDs of page 2 are disabled by that page's rules.
    enter("SysTickSpin", "0");
    gotoPage(kPageCount - 1);
    const SettingsText settings = FormatSettings(p);
    EXPECT_TRUE(settings.unsaved.empty());
    for (const SettingLine& s : parsed(settings.text).settings) {
        EXPECT_NE(s.setting.option.rfind("ADC", 0), 0u) << s.setting.option;
        EXPECT_NE(s.setting.option.rfind("LED", 0), 0u) << s.setting.option;
    }
    std::vector<SkippedSetting> skipped;
    EXPECT_EQ(reloaded(skipped), settings.text);
    EXPECT_TRUE(skipped.empty());
}

TEST_F(SettingsReplay, LoadStartsAfresh) {
    select("mega16x");
    gotoPage(1);
    enter("FreqSpin", "8000");
    std::vector<SkippedSetting> skipped;
    std::string problem;
    ASSERT_TRUE(LoadSettings(p, "Mega16X", "Demo", std::nullopt, {}, skipped, problem));
    EXPECT_EQ(text(), "# pramlet settings 1\ndevice = mega16x\napp = Demo\n");
    EXPECT_EQ(p.page(), kPageCount - 1);
    EXPECT_FALSE(LoadSettings(p, "mega99", "Demo", std::nullopt, {}, skipped, problem));
    EXPECT_EQ(problem, "unknown device mega99");
    EXPECT_EQ(p.CurCPU(), -1);
    EXPECT_EQ(p.page(), 0);
}

// A project started again over its catalogue is a project started anew.
TEST_F(SettingsReplay, RestartEqualsAFreshStart) {
    select("mega128xr");
    gotoPage(2);
    p.userCheck("BootBlockChk", true);
    std::vector<std::string> changed;
    p.addObserver([&](const std::vector<std::string>& c) { changed = c; });
    p.restart();
    EXPECT_GT(changed.size(), 100u);
    RecordingDialogs other;
    Project fresh(other);
    fresh.start(std::string(PRAMLET_TEST_DATA) + "/config/", {});
    for (size_t i = 0; i < fresh.opts().all().size(); ++i) {
        const OptionState& a = fresh.opts().all()[i];
        const OptionState& b = p.opts().all()[i];
        EXPECT_TRUE(a.checked == b.checked && a.text == b.text && a.enabled == b.enabled &&
                    a.items == b.items && a.itemIndex == b.itemIndex)
            << a.def->name;
    }
    EXPECT_EQ(p.page(), 0);
    EXPECT_EQ(p.CurCPU(), -1);
    EXPECT_FALSE(p.built());
    EXPECT_EQ(p.windowCaption(), fresh.windowCaption());
}

} // namespace
} // namespace pramlet
