#include "app/cli/Cli.h"
#include "app/cli/StderrDialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

TEST(CliList, PrintsEachFamilyWithItsSortedNames) {
    const CliRun r = run({"--list", "--devices", PRAMLET_TEST_DATA "/devices-catalogue"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "TINY\n"
                     "  ATtiny13\n"
                     "AVR\n"
                     "  AT90S2313\n"
                     "  AT90S4433\n"
                     "MEGA\n"
                     "  ATmega128\n"
                     "  ATmega162\n"
                     "  ATmega64\n"
                     "  ATmega64\n"
                     "  ATmega8\n"
                     "XMEGA\n"
                     "  ATxmega128A1\n"
                     "UPDI-TINY-MEGA\n"
                     "  ATmega4809\n"
                     "  ATtiny1614\n");
}

TEST(CliList, DevicesDefaultToTheProgramDirectory) {
    EXPECT_EQ(ProgramDirectory(), PRAMLET_BIN_DIR "/");
    const CliRun implicit = run({"--list"});
    const CliRun explicitDir = run({"--devices", PRAMLET_BIN_DIR, "--list"});
    EXPECT_EQ(implicit.status, 0);
    EXPECT_EQ(implicit.out, explicitDir.out);
    EXPECT_EQ(implicit.out.rfind("TINY\n", 0), 0u);
}

TEST(CliList, BadArgumentsGiveUsageAndStatus2) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--lst"}, {"--list", "extra"}, {"--list", "--devices"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage: pramlet-cli"), std::string::npos) << r.err;
    }
    const CliRun r = run({"--list", "--devices", PRAMLET_TEST_DATA "/no-such-dir"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no such directory"), std::string::npos);
}

TEST(CliList, ProgramPassesItsArgumentsAndStatus) {
    const std::string cli = PRAMLET_BIN_DIR "/pramlet-cli";
    EXPECT_EQ(
        std::system(
            (cli + " --list --devices " PRAMLET_TEST_DATA "/devices-noname >/dev/null").c_str()),
        0);
    const int bad = std::system((cli + " --bogus 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(bad));
    EXPECT_EQ(WEXITSTATUS(bad), 2);
}

TEST(StderrDialogs, OneLinePerMessageWithEscapedLineBreaks) {
    std::ostringstream err;
    StderrDialogs dialogs(err, false);
    dialogs.message(MsgKind::Warning, "Baud rate\r\nerror 3%", MsgButton::Ok);
    EXPECT_FALSE(dialogs.askYesNo("Overwrite?"));
    dialogs.beep();
    EXPECT_THROW(AbortW(dialogs, "device= in file X.dscnot found"), ApplicationAbort);
    EXPECT_EQ(err.str(), "warning: Baud rate\\r\\nerror 3%\n"
                         "question: Overwrite?\n"
                         "beep: \n"
                         "error: device= in file X.dscnot found\n");
}

} // namespace
} // namespace pramlet
