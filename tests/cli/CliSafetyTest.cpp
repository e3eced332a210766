// The batch front end with bad input and bad output: every case is refused with a reason and
// a non-zero status, and nothing half-written is reported as done.
#include "app/cli/BatchBuild.h"
#include "app/cli/Cli.h"
#include "config/UserSettings.h"
#include "config/Project.h"
#include "generator/BuildApp.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

const std::string kDevices = PRAMLET_TEST_DATA "/generator";
const std::string kCli = PRAMLET_BIN_DIR "/pramlet-cli";

struct CliRun {
    int status;
    std::string out, err;
    bool errHas(const std::string& text) const { return err.find(text) != std::string::npos; }
};

CliRun cli(std::vector<std::string> args, const std::string& devices = kDevices) {
    args.insert(args.begin(), {"--devices", devices});
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The exit status of the program run by the shell.
int shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

// A stream that takes `room` characters and then fails, like a full disk under a redirect.
class FullBuffer : public std::streambuf {
  public:
    explicit FullBuffer(std::size_t room) : fRoom(room) {}
    std::string taken;

  protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        if (fRoom == 0) return traits_type::eof();
        --fRoom;
        taken += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t fRoom;
};

TEST(CliOutput, WriteErrorOnTheListingIsAFailure) {
    for (std::size_t room : {std::size_t{0}, std::size_t{100}}) {
        FullBuffer buffer(room);
        std::ostream out(&buffer);
        std::ostringstream err;
        EXPECT_EQ(runCli({"--devices", kDevices, "--device", "tiny45g"}, out, err), 2);
        EXPECT_NE(err.str().find("pramlet-cli: cannot write the listing to the standard output"),
                  std::string::npos)
            << err.str();
    }
    FullBuffer buffer(10);
    std::ostream out(&buffer);
    std::ostringstream err;
    EXPECT_EQ(runCli({"--list", "--devices", kDevices}, out, err), 2);
    EXPECT_EQ(runCli({"--help"}, out, err), 2);
}

TEST(CliOutput, ProgramFailsOnAFullOrClosedStandardOutput) {
    const std::string build = kCli + " --devices " + kDevices + " --device tiny45g";
    test::TempDir dir;
    const std::string errFile = dir.path() + "err";
    EXPECT_EQ(shell(build + " >/dev/full 2>" + errFile), 2);
    EXPECT_NE(readFile(errFile).find("No space left on device"), std::string::npos)
        << readFile(errFile);
    EXPECT_EQ(shell(build + " >&- 2>" + errFile), 2);
    EXPECT_NE(readFile(errFile).find("cannot write the listing"), std::string::npos);
    EXPECT_EQ(shell(kCli + " --list --devices " + kDevices + " >/dev/full 2>/dev/null"), 2);
    EXPECT_EQ(shell(build + " >/dev/null"), 0);
}

TEST(CliOutput, OutputFileFailuresNameTheFileAndTheReason) {
    test::TempDir dir;
    fs::create_directory(dir.path() + "folder.pas");
    CliRun r = cli({"--device", "tiny45g", "-o", dir.path() + "folder.pas"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: cannot write " + dir.path() + "folder.pas: Is a directory\n");

    r = cli({"--device", "tiny45g", "-o", "/dev/full"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: cannot write /dev/full: No space left on device\n");

    // Through a link: the file it names gets the program, the link stays.
    const std::string real = dir.write("real.pas", "old\r\n");
    fs::create_symlink("real.pas", dir.path() + "link.pas");
    r = cli({"--device", "tiny45g", "-o", dir.path() + "link.pas"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir.path() + "link.pas"));
    EXPECT_EQ(readFile(real).rfind("program Demo;\r\n", 0), 0u);

    // A 0444 file: refused (the old one stays) or, for the superuser, replaced whole.
    const std::string locked = dir.write("locked.pas", "old\r\n");
    fs::permissions(locked, fs::perms::owner_read);
    r = cli({"--device", "tiny45g", "-o", locked});
    if (::geteuid() == 0) {
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(readFile(locked).rfind("program Demo;\r\n", 0), 0u);
    } else {
        EXPECT_EQ(r.err, "pramlet-cli: cannot write " + locked + ": Permission denied\n");
        EXPECT_EQ(readFile(locked), "old\r\n");
    }
}

TEST(CliOutput, FullDiskKeepsTheOldOutputFile) {
    CliArgs args;
    args.device = "tiny45g";
    test::TempDir dir;
    args.outFile = dir.write("app.pas", "old\r\n");
    test::SmallDisk disk("size=64k");
    if (disk.mounted()) { // the real thing
        args.outFile = disk.path() + "app.pas";
        std::ofstream(args.outFile) << "old\r\n";
        disk.fill();
    }
    std::ostringstream out, err;
    // Without a mount, a writer that fails after 100 bytes stands for the full disk.
    std::size_t room = disk.mounted() ? SIZE_MAX : 100;
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
              "pramlet-cli: cannot write " + args.outFile + ": No space left on device\n");
    EXPECT_EQ(readFile(args.outFile), "old\r\n");
    const std::string folder = fs::path(args.outFile).parent_path();
    for (const auto& e : fs::directory_iterator(folder))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(CliInput, SupplyVoltagesMustBeNumbersInRange) {
    for (const std::string setting : {"ComboBoxVCC=9.9", "ComboBoxVCC=abc", "ComboBoxVCC=1.7",
                                      "ComboBoxVCC=", "ComboBoxVCC=3,3", "ComboBoxVCC=5.",
                                      "ComboBoxVCC=1e0", "VoltSpin=abc", "VoltSpin=9.9"}) {
        const CliRun r = cli({"--device", "tiny45g", "--set", setting});
        EXPECT_EQ(r.status, 2) << setting;
        EXPECT_EQ(r.out, "") << setting;
        EXPECT_TRUE(r.errHas("a supply voltage is a decimal number from 1.8 to 5.0")) << r.err;
    }
    CliRun r = cli({"--device", "tiny45g", "--set", "ComboBoxVCC=1.8"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("VCC=1.8;"), std::string::npos);
    r = cli({"--device", "tiny45g", "--set", "ComboBoxVCC=5"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(CliInput, ControlCharactersAreRefusedAndNeverEchoed) {
    for (const std::string name : {"ab\ncd", "ab\rcd", "ab\tcd", "ab\x1b[31mcd",
                                   "ab\x7f"
                                   "cd"}) {
        const CliRun r = cli({"--device", "tiny45g", "--app", name});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.errHas("no control characters in name possible!")) << r.err;
        EXPECT_EQ(r.err.find_first_of("\r\t\x1b\x7f"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err; // one line
    }
    CliRun r = cli({"--device", "tiny45g", "--set", "FreqSpin=4000\x1b[2J"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.errHas("\\x1B[2J")) << r.err;
    r = cli({"--device", "ti\x1bny"});
    EXPECT_EQ(r.err, "pramlet-cli: unknown device ti\\x1Bny\n");
}

TEST(CliInput, BlanksInTheNameAreDroppedWithOneWarning) {
    const CliRun r = cli({"--device", "tiny45g", "--app", "my app 2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.err,
        "pramlet-cli: warning: no spaces in name possible! \"my app 2\" is built as \"myapp2\"\n");
    EXPECT_NE(r.out.find("program myapp2;\n"), std::string::npos);
    EXPECT_NE(r.out.find("end myapp2.\n"), std::string::npos);
}

TEST(CliInput, LongNamesAreCappedAndCheap) {
    const auto start = std::chrono::steady_clock::now();
    CliRun r = cli({"--device", "tiny45g", "--app", std::string(100000, 'a')});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.errHas("name too long! at most 64 characters")) << r.err.substr(0, 200);
    EXPECT_LT(r.err.size(), 100200u);

    r = cli({"--device", "tiny45g", "--app", std::string(kMaxAppNameLength, 'a')});
    EXPECT_EQ(r.status, 0);
    // Blanks do not count against the cap once they are dropped... but the given name is
    // checked as given, so that the message speaks of what the user wrote.
    r = cli({"--device", "tiny45g", "--app", std::string(kMaxAppNameLength, 'a') + " "});
    EXPECT_EQ(r.status, 2);
}

TEST(CliInput, UnreadableDescriptionsEndWithStatus2) {
    test::TempDir dir;
    fs::copy_file(kDevices + "/PTINYG45.dsc", dir.path() + "PTINYG45.dsc");
    const std::string big = dir.write("PMEGAX.dsc", "[device]\ndevice=x\nHLL=true\n");
    fs::resize_file(big, 17u << 20);
    const std::string reason = "error: Cannot read \"" + big + "\": larger than 16 MB\n";
    CliRun r = cli({"--device", "tiny45g"}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, reason);
    r = cli({"--list"}, dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, reason);
    EXPECT_NE(r.out.find("  tiny45g\n"), std::string::npos); // what could be read is listed

    // A FIFO in place of a description is passed over: it cannot hang the scan.
    fs::remove(big);
    ASSERT_EQ(::mkfifo((dir.path() + "PMEGAF.dsc").c_str(), 0600), 0);
    r = cli({"--device", "tiny45g"}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");

    const std::string notAFolder = dir.write("plain", "");
    r = cli({"--list"}, notAFolder);
    EXPECT_EQ(r.status, 2);
}

TEST(CliArguments, HelpAndStrictOptions) {
    for (const char* help : {"--help", "-h"}) {
        std::ostringstream out, err;
        EXPECT_EQ(runCli({help}, out, err), 0);
        EXPECT_EQ(out.str().rfind("usage: pramlet-cli --device NAME", 0), 0u);
        EXPECT_EQ(err.str(), "");
    }
    const std::string listTakes =
        "--list takes no --device, --app, --set, --config, --save-config or -o";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--list", "--app", "x"}, listTakes},
        {{"--list", "--set", "FreqSpin=1"}, listTakes},
        {{"--list", "-o", "x.pas"}, listTakes},
        {{"--device", "tiny45g", "--device", "mega16g"}, "--device given twice"},
        {{"--device", "tiny45g", "--app", "a", "--app", "b"}, "--app given twice"},
        {{"--device", "tiny45g", "-o", "a", "-o", "b"}, "-o given twice"},
        {{"--devices", "x", "--device", "tiny45g"}, "--devices given twice"},
        {{"--device", "tiny45g", "--devices", ""}, "--devices given twice"},
        {{"--device", ""}, "--device needs a value that is not empty"},
        {{"--device", "tiny45g", "-o", ""}, "-o needs a value that is not empty"},
        {{"--app", "x"}, "--device is missing"},
    };
    for (const auto& [args, problem] : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << problem;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("pramlet-cli: " + problem + "\nusage:", 0), 0u) << r.err;
    }
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--devices", "", "--list"}, out, err), 2);
    EXPECT_EQ(err.str().rfind("pramlet-cli: --devices needs a value that is not empty\n", 0), 0u);

    const CliRun r = cli({"--device", "tiny45g", "--set", "FNameEdit=out.pas"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pramlet-cli: the output file is given by -o\n");
}

// The window's side of the name: the build refuses what the batch front end refuses.
TEST(WindowName, BuildRefusesControlCharactersAndOverlongNames) {
    RecordingDialogs dialogs;
    Project p(dialogs);
    p.start(kDevices + "/", {});
    ASSERT_TRUE(p.clickControllerByName("tiny45g"));
    for (int page = 1; page < kPageCount; ++page)
        ASSERT_TRUE(p.next());
    for (const std::string& name : {std::string("abc\ndef"), std::string("abc\x1b"),
                                    std::string(kMaxAppNameLength + 1, 'x')}) {
        dialogs.entries.clear();
        p.userType("AppNameEdit", name);
        EXPECT_FALSE(Build(p));
        ASSERT_FALSE(dialogs.entries.empty());
        EXPECT_EQ(dialogs.entries.back().text, AppNameProblem(name));
        EXPECT_TRUE(p.listing().empty());
    }
    p.userType("AppNameEdit", "Blinky");
    EXPECT_TRUE(Build(p));
}

} // namespace
} // namespace pramlet
