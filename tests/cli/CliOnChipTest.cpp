// pramlet-cli on the on-chip driver pages: it refuses what the pages do not offer at that
// moment and accepts what they do; --summary prints the output page's summary fields.

#include "app/cli/Cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pramlet {
namespace {

struct CliRun {
    int status;
    std::string out, err;

    bool has(const std::string& line) const {
        return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
    }
};

// pramlet-cli over the controllers of tests/data/p23 with these further arguments.
CliRun cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--devices", PRAMLET_TEST_DATA "/p23"});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> with(std::vector<std::string> args,
                              std::initializer_list<const char*> settings) {
    for (const char* s : settings) {
        args.push_back("--set");
        args.push_back(s);
    }
    return args;
}

TEST(CliOnChip, RefusesWhatThePagesDoNotOffer) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        // No third serial port on this controller.
        {with({"--device", "p23mid"}, {"Baud3Spin=19200"}), "option Baud3Spin is disabled"},
        {with({"--device", "p23mid"}, {"SlipChk3=true"}), "option SlipChk3 is disabled"},
        // The buffers open only with a baud rate, and the DTR bit only with a DTR pin.
        {with({"--device", "p23quad"}, {"RxBuf1Spin=8", "Baud1Spin=9600"}),
         "option RxBuf1Spin is disabled"},
        {with({"--device", "p23quad"}, {"Baud1Spin=9600", "DTR1BitSpin=3"}),
         "option DTR1BitSpin is disabled"},
        {with({"--device", "p23quad"}, {"Baud1Spin=9600", "Rx1xDatChk=true"}),
         "option Rx1xDatChk is disabled"},
        {with({"--device", "p23small"}, {"SPIBufSpin=8"}), "option SPIBufSpin is disabled"},
        {with({"--device", "p23quad"}, {"SPIMastChk=false"}), "option SPIMastChk is disabled"},
        {with({"--device", "p23small"}, {"PWM1Bchk=true"}), "option PWM1Bchk is disabled"},
        {with({"--device", "p23small"}, {"PWMresSel=9"}), "option PWMresSel is disabled"},
        {with({"--device", "p23mid"}, {"ADCspin=5"}), "option ADCspin cannot take \"5\""},
        {with({"--device", "p23mid"}, {"SysTickSpin=0", "ADCspin=2"}),
         "option ADCspin is disabled"},
        {with({"--device", "p23mid"}, {"LEDbitSpin0=2"}), "option LEDbitSpin0 is disabled"},
        {with({"--device", "p23small"}, {"IncrP4Chk=true", "IncrP4Tmr3Chk=true"}),
         "option IncrP4Tmr3Chk is disabled"},
        {with({"--device", "p23mid"}, {"PCINTchk1=true"}), "option PCINTchk1 is disabled"},
        {with({"--device", "p23mid"}, {"PCINTtemplChk=true"}), "option PCINTtemplChk is disabled"},
        {with({"--device", "p23small"}, {"WiegandChk=true"}), "option WiegandChk is disabled"},
        {with({"--device", "p23mid"}, {"SlipBaud1=19200"}), "option SlipBaud1 is disabled"},
    };
    for (const auto& [args, problem] : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(r.err, "pramlet-cli: " + problem + "\n") << args.back();
    }
}

TEST(CliOnChip, AcceptsWhatThePagesOffer) {
    CliRun r = cli(with({"--device", "p23quad"}, {"Baud3Spin=19200", "RxBuf3Spin=16"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.has("Import SysTick, SerPort3;"));

    r = cli(with({"--device", "p23mid"},
                 {"Baud1Spin=9600", "DTR1PortSpin=PinB", "DTR1BitSpin=3", "DTR1enaChk=true",
                  "SPIBufSpin=8", "SPIMastChk=false", "PWM1Bchk=true", "PWMresSel=9",
                  "PWM3Achk=true", "ADCspin=4", "ADCintChk=true", "LEDportSpin0=PortB",
                  "LEDbitSpin0=2", "IncrP4Chk=true", "IncrP4Tmr4Chk=true", "PCINTchk2=true",
                  "PCINTtemplChk=true", "SlipChk2=true", "SlipBaud2=19200"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.has("Import SysTick, SerPort, PWMport1B, PWMport3A, ADCPort, SPIport, "
                      "SysLEDblink, IncrPort4, SLIPport2;"))
        << r.out;
}

TEST(CliOnChip, WiegandWithoutTickWarnsOnEveryRunAndStillImports) {
    const CliRun r = cli(with({"--device", "p23mid"}, {"SysTickSpin=0", "WiegandChk=true"}));
    EXPECT_EQ(r.status, 0);
    // Page 3 is entered with the reader unchecked; the click runs its rules once.
    EXPECT_EQ(r.err, "beep: \nerror: Wiegand Driver needs the SysTick import\n");
    EXPECT_TRUE(r.has("Import WiegandPort;"));
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(CliSummary, OneLinePerFieldInCatalogueOrder) {
    const CliRun r = cli(with({"--device", "p23quad", "--summary"},
                              {"Baud1Spin=9600", "Baud2Spin=19200", "PWM1Achk=true", "ADCspin=3"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> got = lines(r.out);
    ASSERT_EQ(got.size(), 28u);
    EXPECT_EQ(got.front(), "CPUpan\tp23quad\tused");
    EXPECT_EQ(got.back(), "SPIportPan\tnone\tunused");
    for (const char* line :
         {"ExtRamPan\t0\tunused", "ClockPan\t16000000Hz\tused", "SystickPan\t10msec\tused",
          "MultiTaskPan\tStandard\tused", "TaskStackPan\tnone\tunused", "SerPort1Pan\t9600Bd\tused",
          "SerPort2Pan\t19200Bd\tused", "PWMport1Pan\t10bit\tused", "PWMport2Pan\tnone\tunused",
          "ADCportPan\t3chans\tused"})
        EXPECT_TRUE(r.has(line)) << line;
    EXPECT_EQ(r.out.find("program "), std::string::npos); // nothing is built
}

TEST(CliSummary, MessagesStillGoToStderr) {
    const CliRun r =
        cli(with({"--device", "p23mid", "--summary"}, {"SysTickSpin=0", "WiegandChk=true"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "beep: \nerror: Wiegand Driver needs the SysTick import\n");
    EXPECT_TRUE(r.has("SystickPan\t0msec\tunused"));
}

TEST(CliSummary, BadInputIsRefusedAsForABuild) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {with({"--device", "p23mid", "--summary"}, {"Baud3Spin=19200"}),
         "pramlet-cli: option Baud3Spin is disabled\n"},
        {{"--device", "nosuch", "--summary"}, "pramlet-cli: unknown device nosuch\n"},
    };
    for (const auto& [args, err] : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, err);
    }
    for (const auto& [args, problem] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--device", "p23mid", "--summary", "-o", "x.pas"},
              "--summary writes no program: it takes no -o"},
             {{"--device", "p23mid", "--summary", "--summary"}, "--summary given twice"},
             {{"--list", "--summary"}, "--list takes no --summary"},
             {{"--summary"}, "--device is missing"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << problem;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("pramlet-cli: " + problem + "\n", 0), 0u) << r.err;
    }
}

} // namespace
} // namespace pramlet
