// pramlet-cli --help, --version and --options, and the messages of bad command lines.

#include "app/cli/Cli.h"
#include "app/cli/OptionsListing.h"
#include "app/cli/StderrDialogs.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace pramlet {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string kDevices = PRAMLET_TEST_DATA "/generator";

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (;;) {
        const auto at = text.find(sep, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

// The --options lines by option name, each split into its seven fields.
std::map<std::string, std::vector<std::string>> optionLines(const std::string& out) {
    std::map<std::string, std::vector<std::string>> lines;
    for (const std::string& line : split(out, '\n'))
        if (!line.empty()) {
            const std::vector<std::string> fields = split(line, '\t');
            EXPECT_EQ(fields.size(), 7u) << line;
            if (fields.size() == 7) lines[fields[1]] = fields;
        }
    return lines;
}

TEST(CliHelp, HelpNamesEveryFlagAndTheExitStatuses) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"--device", "x", "--help"}, {"--bad", "--help"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, CliHelpText());
    }
    const std::string help = CliHelpText();
    for (const char* flag : {"--device NAME", "--devices DIR", "--app NAME", "--set OPTION=VALUE",
                             "-o FILE", "--list", "--options", "--page N", "--help", "--version",
                             "Exit status:", "Examples:", "~/.local/share/pramlet/devices"})
        EXPECT_NE(help.find(flag), std::string::npos) << flag;
    for (const std::string& line : split(help, '\n'))
        EXPECT_LE(line.size(), 80u) << line;
}

TEST(CliHelp, VersionIsNameAndNumber) {
    const CliRun r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, CliVersionText());
    EXPECT_EQ(r.out.rfind("pramlet-cli ", 0), 0u);
    EXPECT_NE(r.out.find_first_of("0123456789"), std::string::npos);
    EXPECT_EQ(r.out.find("unknown"), std::string::npos);
    EXPECT_EQ(r.out.back(), '\n');
}

TEST(CliHelp, BadCommandLinesSayWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--bogus"}, "unknown argument: --bogus"},
        {{"--options", "--page", "17"}, "--page takes a page number from 0 to 15: 17"},
        {{"--options", "--page", "-1"}, "--page takes a page number from 0 to 15: -1"},
        {{"--options", "--page", "3x"}, "--page takes a page number from 0 to 15: 3x"},
        {{"--options", "--page"}, "--page needs a value"},
        {{"--device"}, "--device needs a value"},
        {{"--page", "3", "--list"}, "--page belongs to --options"},
        {{"--options", "--list"}, "--list and --options exclude each other"},
        {{"--options", "-o", "x.pas"}, "-o belongs to a build, not to --options"},
        {{"--options", "--set", "FreqSpin=1000"}, "--set with --options needs --device"},
        {{}, "nothing to do"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "") << message;
        EXPECT_EQ(r.err.rfind("pramlet-cli: " + message, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("pramlet-cli --help"), std::string::npos) << r.err;
    }
    const CliRun unknownDevice = run({"--devices", kDevices, "--options", "--device", "nosuch"});
    EXPECT_EQ(unknownDevice.status, 2);
    EXPECT_EQ(unknownDevice.err, "pramlet-cli: unknown device nosuch\n");
    const CliRun unknownOption =
        run({"--devices", kDevices, "--options", "--device", "tiny45g", "--set", "NoSuchChk=1"});
    EXPECT_EQ(unknownOption.status, 2);
    EXPECT_EQ(unknownOption.err, "pramlet-cli: unknown option NoSuchChk\n");
}

// The lines against the core's own state after the same walk through the pages.
TEST(CliOptions, LinesShowTheCoreStateOfTheController) {
    const CliRun tiny = run({"--devices", kDevices, "--options", "--device", "tiny45g"});
    const CliRun mega = run({"--devices", kDevices, "--options", "--device", "mega16g"});
    ASSERT_EQ(tiny.status, 0) << tiny.err;
    ASSERT_EQ(mega.status, 0) << mega.err;
    auto t = optionLines(tiny.out);
    auto m = optionLines(mega.out);

    // A list refilled by the controller.
    EXPECT_EQ(t["LEDportSpin0"], (std::vector<std::string>{"3", "LEDportSpin0", "choice", "enabled",
                                                           "none", "none|PortB", "LED0"}));
    EXPECT_EQ(m["LEDportSpin0"][5], "none|PortA|PortB|PortC|PortD");
    // Disabled for a controller without TWI.
    EXPECT_EQ(t["LPTTWIChk"][3], "disabled");
    EXPECT_EQ(m["LPTTWIChk"][3], "enabled");
    EXPECT_EQ(t["LPTTWIChk"][2], "member");

    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(kDevices + "/", {});
    ASSERT_TRUE(p.clickControllerByName("mega16g"));
    p.refresh();
    for (int page = 1; page <= 9; ++page)
        ASSERT_TRUE(p.next());
    const OptionState& led = p.opts()["LEDportSpin0"];
    std::string items;
    for (const std::string& item : led.items)
        items += (items.empty() ? "" : "|") + item;
    EXPECT_EQ(m["LEDportSpin0"][5], items);
    EXPECT_EQ(m["LPTTWIChk"][3], p.opts().enabled("LPTTWIChk") ? "enabled" : "disabled");
    const OptionState& adc = p.opts()["ADCspin"];
    EXPECT_EQ(m["ADCspin"][5], std::to_string(adc.minValue) + ".." + std::to_string(adc.maxValue));
    EXPECT_EQ(OptionLine(p, *findOption("LPTTWIChk")),
              "9\tLPTTWIChk\tmember\tenabled\tfalse\ttrue\tTWI");

    // Every settable option once, in catalogue page order.
    int lastPage = 0;
    for (const std::string& line : split(mega.out, '\n'))
        if (!line.empty()) {
            const int page = std::stoi(line);
            EXPECT_GE(page, lastPage) << line;
            lastPage = page;
        }
    EXPECT_EQ(lastPage, 15);
    EXPECT_EQ(m.count("AppNameEdit"), 0u); // given by --app
    EXPECT_EQ(m.count("BuildBtn"), 0u);
}

TEST(CliOptions, PageAndSettingsNarrowAndChangeTheLines) {
    const CliRun page3 = run({"--devices", kDevices, "--options", "--device", "mega16g", "--page",
                              "3", "--set", "ADCspin=2", "--set", "LEDportSpin0=PortB"});
    ASSERT_EQ(page3.status, 0) << page3.err;
    auto lines = optionLines(page3.out);
    for (const auto& [name, fields] : lines)
        EXPECT_EQ(fields[0], "3") << name;
    EXPECT_EQ(lines["ADCspin"][4], "2");
    EXPECT_EQ(lines["LEDportSpin0"][4], "PortB");

    // A value that --options shows is one that --set takes back.
    const CliRun port = run({"--devices", kDevices, "--options", "--device", "mega16g", "--page",
                             "11", "--set", "FramePortB=$0F/$01"});
    ASSERT_EQ(port.status, 0) << port.err;
    auto ports = optionLines(port.out);
    ASSERT_EQ(ports.count("FramePortB"), 1u);
    EXPECT_EQ(ports["FramePortB"], (std::vector<std::string>{"11", "FramePortB", "port", "enabled",
                                                             "$0F/$01", "$FF/$FF", ""}));
    const CliRun again = run({"--devices", kDevices, "--device", "mega16g", "--set",
                              "FramePortB=" + ports["FramePortB"][4]});
    EXPECT_EQ(again.status, 0) << again.err;

    // Without a controller every page shows its start-up state.
    const CliRun none = run({"--devices", kDevices, "--options", "--page", "0"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(optionLines(none.out)["FreqSpin"][3], "disabled");
}

// Fields are separated by tabs and items by "|": no text of the catalogue may hold either.
TEST(CliOptions, CatalogueTextsHoldNoSeparator) {
    for (const OptionDef& def : optionCatalogue())
        for (const std::string& item : def.items)
            EXPECT_EQ(item.find_first_of("|\t\n"), std::string::npos) << def.name << ": " << item;
}

} // namespace
} // namespace pramlet
