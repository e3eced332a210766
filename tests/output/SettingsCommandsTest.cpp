// The window's settings commands without the window: save and load with their messages, the
// project left as it was by a file that cannot be used.

#include "output/SettingsCommands.h"
#include "tests/config/ProjectFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class SettingsCommands : public test::ProjectFixture {
  protected:
    test::TempDir dir;

    // A project with a few changes on two pages, ending on the output page.
    void makeChanges() {
        select("mega128xr");
        gotoPage(1);
        enter("FreqSpin", "12000");
        p.userCheck("BootBlockChk", true);
        gotoPage(kPageCount - 1);
        enter("AppNameEdit", "Blinky");
        dialogs.entries.clear();
    }
};

TEST(SettingsExtension, AddedOnlyWhereThereIsNone) {
    EXPECT_EQ(withSettingsExtension("/a/b"), "/a/b.pramlet");
    EXPECT_EQ(withSettingsExtension("/a/b.pramlet"), "/a/b.pramlet");
    EXPECT_EQ(withSettingsExtension("/a.d/b"), "/a.d/b.pramlet");
    EXPECT_EQ(withSettingsExtension("/a/b.txt"), "/a/b.txt");
}

TEST_F(SettingsCommands, SavedSettingsLoadIntoAFreshProjectAsTheyWere) {
    makeChanges();
    const std::string written = SaveSettingsCommand(p, dir.path() + "blinky");
    EXPECT_EQ(written, dir.path() + "blinky.pramlet");
    EXPECT_TRUE(dialogs.entries.empty());
    const std::string text = readFile(written);
    EXPECT_EQ(text, "# pramlet settings 1\ndevice = mega128xr\napp = Blinky\n"
                    "FreqSpin = 12000\nBootBlockChk = true\n");

    RecordingDialogs quiet;
    Project fresh(quiet);
    fresh.startLike(p);
    ASSERT_TRUE(LoadSettingsCommand(fresh, written));
    EXPECT_TRUE(quiet.entries.empty());
    EXPECT_EQ(fresh.page(), kPageCount - 1);
    EXPECT_EQ(fresh.CurCPUName(), "mega128xr");
    EXPECT_EQ(FormatSettings(fresh).text, text);
}

TEST_F(SettingsCommands, NothingIsSavedWithoutAControllerOrWhereTheFileCannotBeWritten) {
    EXPECT_EQ(SaveSettingsCommand(p, dir.path() + "none.pramlet"), "");
    ASSERT_EQ(dialogs.entries.size(), 2u); // the beep and the message
    EXPECT_EQ(dialogs.entries.back().text, "Select CPU type first!");
    EXPECT_FALSE(fs::exists(dir.path() + "none.pramlet"));

    makeChanges();
    const std::string missing = dir.path() + "no/such/dir/x.pramlet";
    EXPECT_EQ(SaveSettingsCommand(p, missing), "");
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0].text.rfind("Cannot write settings file \"" + missing + "\": ", 0),
              0u)
        << dialogs.entries[0].text;
}

TEST_F(SettingsCommands, AFileThatCannotBeUsedLeavesTheProjectAsItWas) {
    makeChanges();
    const std::string before = FormatSettings(p).text;
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"# pramlet settings 1\ndevice = mega99\napp = Demo\n", "x.pramlet:2: unknown device mega99"},
        {"# other\ndevice = mega16x\n", "x.pramlet:1: "},
        {"# pramlet settings 1\ndevice = mega16x\napp = De", "x.pramlet:3: "},
    };
    for (const auto& c : cases) {
        const std::string path = dir.write("x.pramlet", c.text);
        dialogs.entries.clear();
        EXPECT_FALSE(LoadSettingsCommand(p, path));
        ASSERT_EQ(dialogs.entries.size(), 1u) << c.text;
        EXPECT_EQ(dialogs.entries[0].text.rfind(dir.path() + c.message, 0), 0u)
            << dialogs.entries[0].text;
        EXPECT_EQ(FormatSettings(p).text, before);
        EXPECT_EQ(p.page(), kPageCount - 1);
    }
    dialogs.entries.clear();
    EXPECT_FALSE(LoadSettingsCommand(p, dir.path() + "gone.pramlet"));
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(FormatSettings(p).text, before);
}

TEST_F(SettingsCommands, SkippedSettingsAreListedInOneMessageAndTheRestIsApplied) {
    makeChanges();
    const std::string path = dir.write("s.pramlet", "# pramlet settings 1\ndevice = mega16x\n"
                                                    "app = Blinky\nFreqSpin = 8000\n"
                                                    "Baud3Spin = 19200\nNoSuchSpin = \" 1\"\n");
    ASSERT_TRUE(LoadSettingsCommand(p, path));
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0].text,
              "Settings of \"" + path +
                  "\" loaded; the controller cannot take these, which were skipped:"
                  "\rline 5: Baud3Spin = 19200: option Baud3Spin is disabled"
                  "\rline 6: NoSuchSpin = \" 1\": unknown option NoSuchSpin");
    EXPECT_EQ(FormatSettings(p).text,
              "# pramlet settings 1\ndevice = mega16x\napp = Blinky\nFreqSpin = 8000\n");
    EXPECT_EQ(p.page(), kPageCount - 1);
}

} // namespace
} // namespace pramlet
