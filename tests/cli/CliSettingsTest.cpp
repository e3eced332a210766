// pramlet-cli --config and --save-config: every golden program comes back from its saved
// settings alone; the file's device, name and lines give way to the command line; bad
// settings files are refused with file and line, and nothing is built; saving never loses
// the old file.

#include "app/cli/BatchBuild.h"
#include "app/cli/Cli.h"
#include "tests/cli/GoldenScenario.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

const std::string kDevices = PRAMLET_TEST_DATA "/generator";

struct CliRun {
    int status;
    std::string out, err;
};

CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--devices", kDevices});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

class SettingsRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(SettingsRoundTrip, SavedSettingsBuildTheSameProgramAndSummary) {
    const test::Scenario scenario =
        test::readScenario(fs::path(PRAMLET_GOLDEN_DIR) / (GetParam() + ".args"));
    test::TempDir dir;
    const std::string saved = dir.path() + "saved.pramlet";
    std::vector<std::string> args = scenario.args;
    args.insert(args.end(), {"--save-config", saved});
    const CliRun save = cli(args);
    ASSERT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(save.out, "") << "nothing is built without -o";

    const CliRun built = cli({"--config", saved});
    EXPECT_EQ(built.status, scenario.status) << built.err;
    const std::string golden = test::readFile(fs::path(PRAMLET_GOLDEN_DIR) / (GetParam() + ".pas"));
    EXPECT_TRUE(built.out == golden) << "settings:\n" << test::readFile(saved);

    std::vector<std::string> summaryArgs = scenario.args;
    summaryArgs.push_back("--summary");
    const CliRun summary = cli(summaryArgs);
    const CliRun summaryAgain = cli({"--config", saved, "--summary"});
    EXPECT_EQ(summary.status, 0);
    EXPECT_EQ(summaryAgain.status, 0) << summaryAgain.err;
    EXPECT_EQ(summary.out, summaryAgain.out);

    // Saving what was loaded gives the same text.
    const std::string again = dir.path() + "again.pramlet";
    EXPECT_EQ(cli({"--config", saved, "--save-config", again}).status, 0);
    EXPECT_EQ(test::readFile(again), test::readFile(saved));
}

INSTANTIATE_TEST_SUITE_P(Goldens, SettingsRoundTrip, ::testing::ValuesIn(test::goldenNames()),
                         [](const auto& info) { return info.param; });

class CliSettings : public ::testing::Test {
  protected:
    test::TempDir dir;
    std::string settings(const std::string& body, const std::string& name = "p.pramlet") {
        return dir.write(name, "# pramlet settings 1\ndevice = tiny45g\napp = Blinky\n" + body);
    }
    std::string saved(const std::string& name) { return test::readFile(dir.path() + name); }
};

TEST_F(CliSettings, SaveWritesTheChangedOptionsInPageOrder) {
    const CliRun r = cli({"--device", "Tiny45G", "--app", "my app", "--set", "MultiTaskChk=true",
                          "--set", "FreqSpin=8000", "--set", "WatchDogSpin=None", "--save-config",
                          dir.path() + "a.pramlet"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "pramlet-cli: warning: no spaces in name possible! \"my app\" is built as "
                     "\"myapp\"\n");
    EXPECT_EQ(saved("a.pramlet"), "# pramlet settings 1\ndevice = tiny45g\napp = myapp\n"
                                  "FreqSpin = 8000\nMultiTaskChk = true\n");
}

TEST_F(CliSettings, ConfigAloneBuildsAndSaveWithOutputWritesBoth) {
    const std::string file = settings("FreqSpin = 8000\n");
    CliRun r = cli({"--config", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("program Blinky;\n", 0), 0u);
    EXPECT_NE(r.out.find("  ProcClock      = 8000000;"), std::string::npos);

    const std::string pas = dir.path() + "out.pas";
    r = cli({"--config", file, "-o", pas, "--save-config", dir.path() + "b.pramlet"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::readFile(pas).rfind("program Blinky;\r\n", 0), 0u);
    EXPECT_EQ(saved("b.pramlet"), "# pramlet settings 1\ndevice = tiny45g\napp = Blinky\nfile = " +
                                      pas + "\nFreqSpin = 8000\n");
    // The file line is kept, but a build goes where -o says, else to standard output.
    r = cli({"--config", dir.path() + "b.pramlet", "--save-config", dir.path() + "c.pramlet"});
    EXPECT_EQ(saved("c.pramlet"), saved("b.pramlet"));
    r = cli({"--config", dir.path() + "b.pramlet"});
    EXPECT_EQ(r.out.rfind("program Blinky;\n", 0), 0u);
}

TEST_F(CliSettings, TheCommandLineWinsOverTheFile) {
    const std::string file = settings("FreqSpin = 8000\nSysTickSpin = 20\n");
    const std::string out = dir.path() + "o.pramlet";
    // --device and --app over the file's; a --set after --config over its line, one before
    // it under the file's line.
    CliRun r =
        cli({"--set", "FreqSpin=4000", "--set", "WatchDogSpin=1 sec", "--config", file, "--device",
             "mega16g", "--app", "Other", "--set", "SysTickSpin=30", "--save-config", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::readFile(out), "# pramlet settings 1\ndevice = mega16g\napp = Other\n"
                                   "FreqSpin = 8000\nSysTickSpin = 30\nWatchDogSpin = 1 sec\n");
    r = cli({"--config", file, "--set", "FreqSpin=12000", "--save-config", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::readFile(out), "# pramlet settings 1\ndevice = tiny45g\napp = Blinky\n"
                                   "FreqSpin = 12000\nSysTickSpin = 20\n");
}

TEST_F(CliSettings, BadSettingsFilesAreRefusedWithFileAndLine) {
    const std::string f = dir.path() + "x.pramlet";
    auto write = [&](const std::string& text) { return dir.write("x.pramlet", text); };
    const std::string head = "# pramlet settings 1\ndevice = tiny45g\napp = Blinky\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", f + ":1: the file is empty; not a settings file of pramlet: the first line must "
                 "be \"# pramlet settings 1\""},
        {"device = tiny45g\napp = x\n", f + ":1: not a settings file of pramlet: the first "
                                            "line must be \"# pramlet settings 1\""},
        {"# pramlet settings 7\n",
         f + ":1: settings format version 7 is not read by this program (it reads version 1)"},
        {head + "NoSuchSpin = 1\n", f + ":4: unknown option NoSuchSpin"},
        {head + "AppNameEdit = x\n", f + ":4: the application name is given by --app"},
        {head + "Baud3Spin = 19200\n", f + ":4: option Baud3Spin is disabled"},
        {head + "WatchDogSpin = 9\n", f + ":4: option WatchDogSpin cannot take \"9\""},
        {head + "WatchDogSpin = 12 s\n", f + ":4: option WatchDogSpin cannot take \"12 s\""},
        {"# pramlet settings 1\ndevice = mega99\napp = x\n", f + ":2: unknown device mega99"},
        {head + "FreqSpin 8000\n", f + ":4: \"FreqSpin 8000\" is no OPTION = VALUE line"},
        {head + "FreqSpin = 80", f + ":4: the file ends inside this line: it was cut short"},
        {"# pramlet settings 1\ndevice = tiny45g\n", f + ":2: no \"app = NAME\" line in the file"},
        {head + std::string("\0\0\x01\x02", 4), f + ":4: NUL byte: this is no text file"},
        {"# pramlet settings 1\n\xff\xfe\x00", f + ":2: invalid UTF-8 (byte \\xFF)"},
        {head + "FreqSpin = 8000\nFreqSpin = 4000\n",
         f + ":5: FreqSpin is given twice (first on line 4)"},
        {"# pramlet settings 1\ndevice = tiny45g\napp = a\x1b[2Jb\n",
         f + ":3: control character \\x1B"},
        {"# pramlet settings 1\ndevice = tiny45g\napp = a b c d e f g h i j k l m n o p q r s t u "
         "v w x y z a b c d e f g h i j k l m n o p q r s t u v w x y z\n",
         f + ":3: app a b c d e f g h i j k l m n o p q r s t u v w x y z a b c d e f g h i j k l "
             "m n o p q r s t u v w x y z: name too long! at most 64 characters"},
    };
    for (const auto& [text, message] : cases) {
        write(text);
        const std::string pas = dir.path() + "never.pas";
        const CliRun r = cli({"--config", f, "-o", pas});
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "pramlet-cli: " + message + "\n");
        EXPECT_FALSE(fs::exists(pas)) << message;
    }
}

TEST_F(CliSettings, EverySkippedLineIsReportedAndNothingIsBuilt) {
    const std::string f =
        settings("FreqSpin = 8000\nBaud3Spin = 19200\nWatchDogSpin = 9\nMultiTaskChk = true\n");
    const CliRun r = cli({"--config", f, "--set", "SysTickSpin=x"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "pramlet-cli: " + f + ":5: option Baud3Spin is disabled\npramlet-cli: " + f +
                         ":6: option WatchDogSpin cannot take \"9\"\npramlet-cli: option "
                         "SysTickSpin cannot take \"x\"\n");
    const CliRun r2 = cli({"--config", f, "--save-config", dir.path() + "s.pramlet"});
    EXPECT_EQ(r2.status, 2);
    EXPECT_EQ(r2.err, "pramlet-cli: " + f + ":5: option Baud3Spin is disabled\npramlet-cli: " + f +
                          ":6: option WatchDogSpin cannot take \"9\"\n");
    EXPECT_FALSE(fs::exists(dir.path() + "s.pramlet"));
}

TEST_F(CliSettings, FilesThatCannotBeRead) {
    CliRun r = cli({"--config", dir.path() + "none.pramlet"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: " + dir.path() +
                         "none.pramlet: cannot be read: No such file or directory\n");
    r = cli({"--config", dir.path()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("pramlet-cli: " + dir.path() + ": cannot be read: ", 0), 0u) << r.err;
    if (::geteuid() != 0) {
        const std::string locked = settings("", "locked.pramlet");
        fs::permissions(locked, fs::perms::none);
        r = cli({"--config", locked});
        EXPECT_EQ(r.err, "pramlet-cli: " + locked + ": cannot be read: Permission denied\n");
    }
}

TEST_F(CliSettings, ArgumentRules) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--config", "a", "--config", "b"}, "--config given twice"},
        {{"--config", ""}, "--config needs a value that is not empty"},
        {{"--device", "tiny45g", "--save-config"}, "--save-config needs a value"},
        {{"--options", "--config", "a"},
         "--config and --save-config belong to a build, not to --options"},
        {{"--list", "--config", "a"},
         "--list takes no --device, --app, --set, --config, --save-config or -o"},
        {{"--save-config", "a"}, "--device is missing"},
        {{"--device", "tiny45g", "--save-config", "a.x", "-o", "./a.x"},
         "-o and --save-config name the same file: ./a.x"},
    };
    for (const auto& [args, problem] : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << problem;
        EXPECT_EQ(r.err.rfind("pramlet-cli: " + problem + "\nusage:", 0), 0u) << r.err;
    }
}

TEST_F(CliSettings, FullDiskKeepsTheOldSettingsFile) {
    CliArgs args;
    args.device = "tiny45g";
    args.settings = {{"FreqSpin", "8000"}};
    args.saveConfig = dir.write("old.pramlet", "old\n");
    test::SmallDisk disk("size=64k");
    if (disk.mounted()) { // the real thing
        args.saveConfig = disk.path() + "old.pramlet";
        std::ofstream(args.saveConfig) << "old\n";
        disk.fill();
    }
    std::ostringstream out, err;
    // Without a mount, a writer that fails after 20 bytes stands for the full disk.
    std::size_t room = disk.mounted() ? SIZE_MAX : 20;
    const int status = runBatchBuild(args, kDevices + "/", out, err,
                                     [&room](int fd, const char* data, std::size_t size) -> long {
                                         if (room < size) {
                                             errno = ENOSPC;
                                             return -1;
                                         }
                                         room -= size;
                                         return static_cast<long>(::write(fd, data, size));
                                     });
    EXPECT_EQ(status, 2);
    EXPECT_EQ(err.str(),
              "pramlet-cli: cannot write " + args.saveConfig + ": No space left on device\n");
    EXPECT_EQ(test::readFile(args.saveConfig), "old\n");
    for (const auto& e : fs::directory_iterator(fs::path(args.saveConfig).parent_path()))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

} // namespace
} // namespace pramlet
