// A build that a keyboard error ends: status 1, the message on stderr, the lines written
// before it on stdout, and never a stored file.

#include "app/cli/Cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pramlet {
namespace {

struct Result {
    int status;
    std::string out, err;
};

Result run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--devices", PRAMLET_TEST_DATA "/generator", "--device", "mega128g",
                               "--app", "Keys"});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// External RAM takes ports A and C, so the matrix keyboard is left without a row port.
const std::vector<std::string> kNoRowPort = {"--set", "RamSpin=4096", "--set", "KeyBoard4Chk=true"};

TEST(CliBuildEnded, KeyboardErrorExitsWith1AndPrintsTheLinesSoFar) {
    const Result r = run(kNoRowPort);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: KeyBoard Row port not defined!\n");
    EXPECT_EQ(r.out.rfind("program Keys;\n", 0), 0u);
    EXPECT_NE(r.out.find("\nDefine\n"), std::string::npos);
    EXPECT_EQ(r.out.find("Implementation"), std::string::npos);
    EXPECT_EQ(r.out.find("end Keys."), std::string::npos);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.back(), '\n');
}

TEST(CliBuildEnded, NoFileIsWrittenOrReplaced) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "pramlet-cli-build-ended-test.pas";
    std::filesystem::remove(path);
    std::vector<std::string> args = kNoRowPort;
    args.insert(args.end(), {"-o", path.string()});
    Result r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(path));

    std::ofstream(path) << "kept\n";
    r = run(args);
    EXPECT_EQ(r.status, 1);
    std::ifstream file(path);
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(text, "kept\n");
    std::filesystem::remove(path);
}

TEST(CliBuildEnded, SamePortsOfTheEightColumnKeyboard) {
    const Result r = run({"--set", "KeyBoard8Chk=true"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: KeyBoard error: Same Ports for ROW and COLOMN!\n");
}

} // namespace
} // namespace pramlet
