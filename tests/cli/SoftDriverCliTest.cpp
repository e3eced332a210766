// The batch front end on the soft driver pages: it takes exactly what the window lets a user
// set there, the switch masks only in digits and upper-case hexadecimal letters.

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

// pramlet-cli over the controllers of tests/data/p456, each setting one --set.
CliRun cli(const std::string& device, const std::vector<std::string>& settings) {
    std::vector<std::string> args = {"--devices", PRAMLET_TEST_DATA "/p456", "--device", device};
    for (const auto& s : settings) {
        args.push_back("--set");
        args.push_back(s);
    }
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SoftDriverCli, SwitchMasksTakeUpperCaseHexOnly) {
    for (const char* bad : {"$0f", "$a0", "$0G", "$ZZ", "$1", "0F"}) {
        const CliRun r =
            cli("p456few", {"SwitchP1Bchk=true", std::string("SwPort1MaskFld=") + bad});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
        EXPECT_EQ(r.err,
                  "pramlet-cli: option SwPort1MaskFld cannot take \"" + std::string(bad) + "\"\n");
    }
    const CliRun lower = cli("p456few", {"SwitchP2Dchk=true", "SwPort2PolFld=$c3"});
    EXPECT_EQ(lower.status, 2);
    EXPECT_EQ(lower.err, "pramlet-cli: option SwPort2PolFld cannot take \"$c3\"\n");

    const CliRun ok =
        cli("p456few", {"SwitchP1Bchk=true", "SwPort1MaskFld=$0F", "SwPort1PolFld=$A5"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_TRUE(ok.has("  SwitchPort1    = PinB, $0F")) << ok.out;
    EXPECT_TRUE(ok.has("  PolarityP1     = $A5;            // polarity")) << ok.out;
}

TEST(SoftDriverCli, RefusesWhatTheRulesDisable) {
    const std::vector<std::pair<std::pair<std::string, std::vector<std::string>>, std::string>>
        cases = {
            // No switch port chosen: its mask is disabled.
            {{"p456few", {"SwPort1MaskFld=$0F"}}, "SwPort1MaskFld is disabled"},
            // Port F has only an input register, port G only a direction register.
            {{"p456few", {"LCDfChk=true"}}, "LCDfChk is disabled"},
            {{"p456few", {"SwitchP1Gchk=true"}}, "SwitchP1Gchk is disabled"},
            {{"p456few", {"StepperGchk=true"}}, "StepperGchk is disabled"},
            // The LCD sizes belong to a chosen LCD port; the settings go in command-line order.
            {{"p456few", {"LCDrowSel=4", "LCDbChk=true"}}, "LCDrowSel is disabled"},
            {{"p456few", {"I2CdatSel=2"}}, "I2CdatSel is disabled"},
            {{"p456few", {"CheckListBoxincrEncBits=0,1"}}, "CheckListBoxincrEncBits is disabled"},
            {{"p456few", {"Incr3chanChk=true"}}, "Incr3chanChk is disabled"},
            // No system tick: no switch ports, display or keyboards.
            {{"p456few", {"SysTickSpin=0", "SwitchP1Bchk=true"}}, "SwitchP1Bchk is disabled"},
            {{"p456few", {"SysTickSpin=0", "Disp7bChk=true"}}, "Disp7bChk is disabled"},
            {{"p456few", {"SysTickSpin=0", "KeyBoard4Chk=true"}}, "KeyBoard4Chk is disabled"},
            // External RAM takes ports A and C.
            {{"p456xram", {"RamSpin=4096", "LCDaChk=true"}}, "LCDaChk is disabled"},
            {{"p456xram", {"RamSpin=4096", "KeyBoard4Chk=true", "KeybCCchk=true"}},
             "KeybCCchk is disabled"},
            // The keyboard ports and sizes follow the keyboard.
            {{"p456few", {"KeybRBchk=true"}}, "KeybRBchk is disabled"},
            {{"p456few", {"KeyBoard8Chk=true", "KbColCountSpin=4"}}, "KbColCountSpin is hidden"},
            {{"p456few", {"Disp7bChk=true", "Disp7xDatChk=true"}}, "Disp7xDatChk is disabled"},
            {{"p456few", {"StepperUSRchk=true", "StepTypeSpin=StepH4"}},
             "StepTypeSpin is disabled"},
            // Disks in the order A, B, C, D.
            {{"p456few", {"DiskBSpin=32"}}, "DiskBSpin is disabled"},
            {{"p456few", {"DiskASpin=32", "DiskCSpin=32"}}, "DiskCSpin is disabled"},
            {{"p456few", {"LANbaudSpin=19200"}}, "LANbaudSpin is disabled"},
            {{"p456few", {"LanSciSpin=SerPort", "LANmaskChk=true"}}, "LANmaskChk is disabled"},
            {{"p456few", {"SoundBitSpin=3"}}, "SoundBitSpin is disabled"},
            {{"p456few", {"GraphXEdit=100"}}, "GraphXEdit is disabled"},
            {{"p456few",
              {"LCDgraphChk=true", "PixFontChk=true", "PixFontChk=false", "LCDgraphChk=false",
               "PixFontChk=true"}},
             "PixFontChk is disabled"},
            // Buffers in external RAM only with it.
            {{"p456few", {"LanSciSpin=SerPort", "LANxDatChk=true"}}, "LANxDatChk is disabled"},
            {{"p456xram", {"LCDgraphChk=true", "LCDGraphxDatChk=true"}},
             "LCDGraphxDatChk is disabled"},
            {{"p456few", {"DiskASpin=8", "FilexDatChk=true"}}, "FilexDatChk is disabled"},
        };
    for (const auto& [run, message] : cases) {
        const CliRun r = cli(run.first, run.second);
        EXPECT_EQ(r.status, 2) << run.second.back();
        EXPECT_EQ(r.out, "") << run.second.back();
        EXPECT_EQ(r.err, "pramlet-cli: option " + message + "\n") << run.second.back();
    }
}

TEST(SoftDriverCli, TakesWhatAUserCanSet) {
    const CliRun r = cli("p456xram", {"RamSpin=4096",          "SwitchP1Lchk=true",
                                      "SwPort1MaskFld=$FF",    "LCDbChk=true",
                                      "LCDrowSel=4",           "LCDcolSel=16",
                                      "I2CdChk=true",          "I2CdatSel=6",
                                      "IncCountSpin=32 Bits",  "CheckListBoxincrEncBits=0,1,2",
                                      "Disp7eChk=true",        "Disp7xDatChk=true",
                                      "KeyBoard4Chk=true",     "KeybRFchk=true",
                                      "KeybCGchk=true",        "StepperUSRchk=true",
                                      "LanSciSpin=SerPort2",   "LANxDatChk=true",
                                      "LanModeChk=Slave",      "LANmaskChk=true",
                                      "ComboBoxLANPort=PortH", "ComboBoxSound=PortJ",
                                      "SoundBitSpin=2",        "DiskASpin=16",
                                      "FilexDatChk=true",      "LCDgraphChk=true",
                                      "LCDGraphxDatChk=true",  "PixFontChk=true",
                                      "PixFontEdit=big.pchr"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.has("Import SysTick, SwitchPort1, I2Cport, LCDport, Disp7sPort, StepPort, "
                      "LANport, BeepPort, MatrixPort, FileSystem, LCDGraphic, IncrPort;"))
        << r.out;
}

TEST(SoftDriverCli, GraphicsSizeMessageAndTheBuildGoesOn) {
    const CliRun r = cli("p456few", {"LCDgraphChk=true", "GraphXEdit=700", "GraphYEdit=008"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "error: LCD Graphics\\rX-Size not in range of 16..640\n"
                     "error: LCD Graphics\\rY-Size not in range of 16..640\n");
}

} // namespace
} // namespace pramlet
