// Complete programs built by pramlet-cli from the controllers of tests/data/generator,
// compared byte for byte with the listings stored under tests/generator/golden/. Each
// golden NAME.pas is produced by the arguments in NAME.args, one per line ("#" lines are
// comments). A build that is to end early states its exit status in a line "#status N"
// (otherwise 0); NAME.pas then holds the lines printed before the build ended. Each line a
// build prints on standard error is stated in a line "#stderr TEXT"; without such lines
// nothing may be printed there.
//
// After a deliberate change of the generated text, rewrite the listings with
//     PRAMLET_UPDATE_GOLDEN=1 ctest -R Golden
// and review the diff of tests/generator/golden/ before committing it.

#include "app/cli/Cli.h"
#include "tests/cli/GoldenScenario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace pramlet {
namespace {

using test::goldenNames;
using test::readFile;
using test::readScenario;
using test::Scenario;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A unified diff of two texts with three lines of context, for the failure message.
std::string unifiedDiff(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> a = splitLines(expected), b = splitLines(actual);
    const size_t n = a.size(), m = b.size();
    std::vector<std::vector<int>> lcs(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            lcs[i][j] =
                a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);

    struct Op {
        char tag;
        std::string line;
        size_t ia, ib;
    };
    std::vector<Op> ops;
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j])
            ops.push_back({' ', a[i], i++, j++});
        else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1]))
            ops.push_back({'-', a[i], i++, j});
        else
            ops.push_back({'+', b[j], i, j++});
    }

    std::ostringstream out;
    out << "--- golden\n+++ generated\n";
    constexpr size_t kContext = 3;
    for (size_t k = 0; k < ops.size();) {
        if (ops[k].tag == ' ') {
            ++k;
            continue;
        }
        // One hunk holds the changes that are at most two contexts apart.
        size_t last = k;
        for (size_t t = k + 1; t < ops.size() && t <= last + 2 * kContext + 1; ++t)
            if (ops[t].tag != ' ') last = t;
        const size_t from = k >= kContext ? k - kContext : 0;
        const size_t to = std::min(ops.size(), last + 1 + kContext);
        out << "@@ -" << ops[from].ia + 1 << " +" << ops[from].ib + 1 << " @@\n";
        for (size_t h = from; h < to; ++h)
            out << ops[h].tag << ops[h].line << '\n';
        k = to;
    }
    return out.str();
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ListingMatches) {
    const fs::path dir = PRAMLET_GOLDEN_DIR;
    const Scenario scenario = readScenario(dir / (GetParam() + ".args"));
    std::vector<std::string> args = {"--devices", PRAMLET_TEST_DATA "/generator"};
    args.insert(args.end(), scenario.args.begin(), scenario.args.end());
    std::ostringstream out, err;
    ASSERT_EQ(runCli(args, out, err), scenario.status) << err.str();
    EXPECT_EQ(err.str(), scenario.err) << "the messages the scenario states, and no other";

    const fs::path golden = dir / (GetParam() + ".pas");
    const char* update = std::getenv("PRAMLET_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream(golden, std::ios::binary | std::ios::trunc) << out.str();
        GTEST_SKIP() << "rewrote " << golden;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; see the head of this file";
    const std::string expected = readFile(golden);
    EXPECT_TRUE(expected == out.str()) << unifiedDiff(expected, out.str());
}

INSTANTIATE_TEST_SUITE_P(Listings, Golden, ::testing::ValuesIn(goldenNames()),
                         [](const auto& info) { return info.param; });

TEST(GoldenDiff, ShowsChangedLinesWithContext) {
    const std::string diff = unifiedDiff("a\nb\nc\nd\ne\nf\ng\nh\n", "a\nb\nc\nd\nE\nf\ng\nh\n");
    EXPECT_EQ(diff, "--- golden\n+++ generated\n@@ -2 +2 @@\n b\n c\n d\n-e\n+E\n f\n g\n h\n");
}

// The bundled library, as the program finds it in its own directory.
TEST(BundledDevices, Mega128BuildsAProgram) {
    const std::string bin = PRAMLET_BIN_DIR;
    if (!fs::exists(bin + "/PMEGA128.dsc")) GTEST_SKIP() << "no mega128 in the bundled library";
    FILE* pipe =
        popen((bin + "/pramlet-cli --device mega128 --app Blinky 2>/dev/null").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[4096];
    for (size_t got; (got = fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, got);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(out.rfind("program Blinky;\n", 0), 0u);
    const std::string end = "\nend Blinky.\n\n";
    ASSERT_GE(out.size(), end.size());
    EXPECT_EQ(out.substr(out.size() - end.size()), end);
}

} // namespace
} // namespace pramlet
