#include "app/cli/Cli.h"
#include "config/UserSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace pramlet {
namespace {

struct CliResult {
    int status;
    std::string out, err;

    bool has(const std::string& line) const {
        return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
    }
};

// pramlet-cli over the test controllers with these further arguments.
CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--devices", PRAMLET_TEST_DATA "/generator"});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliBuild, PrintsTheListingLineByLine) {
    const CliResult r = cli({"--device", "TINY45G", "--app", "Blinky"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("program Blinky;\n\n{$NOSHADOW}\n", 0), 0u);
    const std::string end = "end Blinky.\n\n";
    ASSERT_GE(r.out.size(), end.size());
    EXPECT_EQ(r.out.substr(r.out.size() - end.size()), end);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_TRUE(cli({"--device", "tiny45g"}).has("program Demo;"));
}

TEST(CliBuild, OutputFileHoldsTheSameLinesWithCrLf) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "pramlet-cli-build-test.pas").string();
    std::filesystem::remove(path);
    const CliResult printed = cli({"--device", "tiny45g"});
    const CliResult stored = cli({"--device", "tiny45g", "-o", path});
    EXPECT_EQ(stored.status, 0);
    EXPECT_EQ(stored.out, "");
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    std::string expected;
    for (char c : printed.out)
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(text, expected);
    std::filesystem::remove(path);

    const CliResult bad = cli({"--device", "tiny45g", "-o", "/no/such/dir/x.pas"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("cannot write /no/such/dir/x.pas"), std::string::npos);
}

TEST(CliBuild, BadInputEndsWithStatus2AndNoListing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--device", "mega99"}, "pramlet-cli: unknown device mega99\n"},
        {{"--device", "tiny45g", "--set", "NoSuchChk=true"},
         "pramlet-cli: unknown option NoSuchChk\n"},
        {{"--device", "tiny45g", "--set", "GroupBox1=true"},
         "pramlet-cli: option GroupBox1 is not set by a user\n"},
        {{"--device", "tiny45g", "--set", "AppNameEdit=Blinky"},
         "pramlet-cli: the application name is given by --app\n"},
        // No external memory on this controller.
        {{"--device", "tiny45g", "--set", "RamSpin=1024"},
         "pramlet-cli: option RamSpin is disabled\n"},
        // No extended fuse byte: its group is hidden, and its list with it.
        {{"--device", "tiny45g", "--set", "FuseBox2=1"},
         "pramlet-cli: option FuseBox2 is hidden (FuseGroup2)\n"},
        {{"--device", "tiny45g", "--set", "WatchDogSpin=8"},
         "pramlet-cli: option WatchDogSpin cannot take \"8\"\n"},
        {{"--device", "tiny45g", "--set", "FreqSpin=8 MHz"},
         "pramlet-cli: option FreqSpin cannot take \"8 MHz\"\n"},
        {{"--device", "tiny45g", "--set", "ExceptBox=yes"},
         "pramlet-cli: option ExceptBox cannot take \"yes\"\n"},
        {{"--device", "tiny45g", "--set", "StandardChk=false"},
         "pramlet-cli: option StandardChk cannot take \"false\"\n"},
        {{"--device", "tiny45g", "--set", "COMportSpin=COM9"},
         "pramlet-cli: option COMportSpin cannot take \"COM9\"\n"},
        {{"--device", "tiny45g", "--set", "FuseWrChk=Override"},
         "pramlet-cli: option FuseWrChk cannot take \"Override\"\n"},
        {{"--device", "tiny45g", "--set", "FuseBox0=1,8"},
         "pramlet-cli: option FuseBox0 cannot take \"1,8\"\n"},
        {{"--device", "tiny45g", "--set", "LockBox0=2"},
         "pramlet-cli: option LockBox0: item 2 is disabled\n"},
        {{"--device", "mega16g", "--set", "SwitchP1Bchk=true", "--set", "SwPort1MaskFld=$1"},
         "pramlet-cli: option SwPort1MaskFld cannot take \"$1\"\n"},
        {{"--device", "mega128g", "--set", "FramePortG=$20/0"},
         "pramlet-cli: option FramePortG: the port does not offer all the bits of \"$20/0\"\n"},
        {{"--device", "mega128g", "--set", "FramePortG=1"},
         "pramlet-cli: option FramePortG cannot take \"1\"\n"},
        {{"--device", "mega128g", "--set", "FramePortG=256/0"},
         "pramlet-cli: option FramePortG cannot take \"256/0\"\n"},
    };
    for (const auto& [args, err] : cases) {
        const CliResult r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err, err) << args.back();
    }
}

TEST(CliBuild, ShortNameEndsTheBuildWithStatus1) {
    const CliResult r = cli({"--device", "tiny45g", "--app", "ab"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "error: specify Application Name!\n");
}

TEST(CliBuild, NameWithABlankIsBuiltWithoutIt) {
    const CliResult r = cli({"--device", "tiny45g", "--app", "my app"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "pramlet-cli: warning: no spaces in name possible! \"my app\" is built as "
                     "\"myapp\"\n");
    EXPECT_TRUE(r.has("program myapp;"));
    EXPECT_TRUE(r.has("end myapp."));
}

// Settings of one page are applied in command-line order, each running the page's rules,
// and the pages one after the other whatever the order on the command line.
TEST(CliBuild, SettingsFollowThePagesAndTheirRules) {
    CliResult r =
        cli({"--device", "mega16g", "--set", "BootBlockChk=true", "--set", "BootAppChk=true"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has("{$BootApplication $1C00}"));

    r = cli({"--device", "mega16g", "--set", "BootAppChk=true", "--set", "BootBlockChk=true"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: option BootAppChk is disabled\n");

    r = cli({"--device", "mega16g", "--set", "MultiTaskChk=true", "--set", "SysTickSpin=5"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has("  SysTick        = 5;             {msec}"));
    EXPECT_TRUE(r.has("  Scheduler      = iData;"));

    r = cli({"--device", "mega16g", "--set", "SysTickSpin=0", "--set", "MultiTaskChk=true"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: option MultiTaskChk is disabled\n");
}

TEST(CliBuild, ValuesOfEachKindOfOption) {
    const CliResult r = cli({"--device", "mega128g",           "--set", "WatchDogSpin=125MS",
                             "--set",    "ComboBoxVCC=3.3",    "--set", "FuseWrChk=override",
                             "--set",    "COMportSpin=COM2",   "--set", "LockBox0=0,5",
                             "--set",    "LockBox0=5,1",       "--set", "FuseBox1=",
                             "--set",    "prgJTAGchk=true",    "--set", "GlobWarnCheck=true",
                             "--set",    "FramePortB=$0F/$01", "--set", "FramePortD=3/0",
                             "--set",    "FramePortB=$0E/1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* line :
         {"  WatchDog       = msec125;         {presc = 3}", "Device = mega128g, VCC=3.3;",
          "  Override_Fuses;", "  COMport    = COM2;", "  LockBits0  = [LB2, BLB12];",
          "  FuseBits1  = [];", "  ProgMode   = JTAG;",
          "{$WG}                      {global Warnings on}", "procedure InitPorts;",
          "  PortB:= %00000001;", "  DDRB:= %00001110;", "  DDRD:= %00000011;", "  InitPorts;"})
        EXPECT_TRUE(r.has(line)) << line;
}

TEST(CliBuild, MessagesOfTheBuildGoToStderrAndTheBuildGoesOn) {
    const CliResult r = cli({"--device", "mega16g", "--set", "FreqSpin=1000", "--set",
                             "BootBlockChk=true", "--set", "BootBaudSpin=115200"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "error: Baudrate error : -84.320% too high\n");
    EXPECT_TRUE(r.has("{$DEPHASE BootBlock}"));
}

// A supply voltage the window would show "VCC not in range" for is refused before anything
// is built.
TEST(CliBuild, SupplyVoltageOutOfRangeIsBadInput) {
    const CliResult r = cli({"--device", "tiny45g", "--set", "ComboBoxVCC=7"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
}

TEST(CliBuild, ArgumentErrors) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--device"},
                                               {"--device", "tiny45g", "--set", "=1"},
                                               {"--device", "tiny45g", "--set", "FreqSpin"},
                                               {"--list", "--device", "tiny45g"},
                                               {"--device", "tiny45g", "-o"}}) {
        const CliResult r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: pramlet-cli --device NAME"), std::string::npos) << r.err;
    }
}

TEST(MaskedText, AcceptsWhatTheMaskedEditTakes) {
    std::string t;
    EXPECT_TRUE(MaskAccepts("$>AA;1;_", "$1f", t));
    EXPECT_EQ(t, "$1F");
    EXPECT_TRUE(MaskAccepts("000", "128", t));
    EXPECT_EQ(t, "128");
    EXPECT_TRUE(MaskAccepts("0.0;1;_", "1.5", t));
    EXPECT_EQ(t, "1.5");
    for (const auto& [mask, text] :
         std::vector<std::pair<std::string, std::string>>{{"$>AA;1;_", "1F"},
                                                          {"$>AA;1;_", "$1"},
                                                          {"$>AA;1;_", "$1FF"},
                                                          {"$>AA;1;_", "$1-"},
                                                          {"000", "12"},
                                                          {"000", "12a"},
                                                          {"0.0;1;_", "15"},
                                                          {"0.0;1;_", "1,5"}})
        EXPECT_FALSE(MaskAccepts(mask, text, t)) << mask << " " << text;
}

} // namespace
} // namespace pramlet
