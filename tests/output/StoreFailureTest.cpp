// Storing when the disk, the folder or the target stands in the way: in every case the old
// file is intact or the new one complete, never a fragment, and the message says why.
#include "config/Project.h"
#include "output/StoreListing.h"
#include "tests/support/TempDir.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool isRoot() {
    return ::geteuid() == 0;
}

// A listing long enough to need several writes.
std::vector<std::string> bigListing() {
    std::vector<std::string> lines;
    for (int i = 0; i < 5000; ++i)
        lines.push_back("  x" + std::to_string(i) + " := " + std::to_string(i * 7) + ";");
    return lines;
}

std::string stored(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

// Writes like ::write until `budget` bytes are used up, then fails like a full disk.
ByteWriter diskFullAfter(std::size_t budget) {
    return [budget](int fd, const char* data, std::size_t size) mutable -> long {
        if (budget == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, std::min<std::size_t>(budget, 1000));
        budget -= n;
        return static_cast<long>(::write(fd, data, n));
    };
}

const std::string kOld = "old program\r\n";

TEST(StoreFailure, DiskFullAtAnyByteLeavesTheOldFileAndNoFragment) {
    test::TempDir dir;
    const auto lines = bigListing();
    const std::string target = dir.write("app.pas", kOld);
    for (std::size_t failAt :
         {std::size_t{0}, std::size_t{1}, std::size_t{4096}, stored(lines).size() - 1}) {
        StoreFailure f;
        EXPECT_FALSE(
            writeListingFile(lines, target, dir.path() + "app.bak", f, diskFullAfter(failAt)))
            << failAt;
        EXPECT_EQ(f.message(), "Cannot write file \"" + target + "\": No space left on device");
        EXPECT_EQ(readFile(target), kOld);
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"app.pas"}) << failAt;
    }
    // With nothing there before, nothing is there after: no empty file, no fragment.
    StoreFailure f;
    EXPECT_FALSE(writeListingFile(lines, dir.path() + "new.pas", "", f, diskFullAfter(10)));
    EXPECT_FALSE(fs::exists(dir.path() + "new.pas"));

    // Enough room: the whole text.
    EXPECT_TRUE(writeListingFile(lines, target, "", f, diskFullAfter(stored(lines).size())));
    EXPECT_EQ(readFile(target), stored(lines));
}

TEST(StoreFailure, RealFullDiskLeavesTheOldFile) {
    test::SmallDisk disk("size=1m");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here; the injected writer covers it";
    const std::string target = disk.path() + "app.pas";
    std::ofstream(target, std::ios::binary) << kOld;
    disk.fill();
    StoreFailure f;
    EXPECT_FALSE(writeListingFile(bigListing(), target, disk.path() + "app.bak", f));
    EXPECT_EQ(f.reason, "No space left on device");
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_EQ(namesIn(disk.path()), (std::vector<std::string>{"app.pas", "filler"}));
    fs::remove(disk.path() + "filler");
    EXPECT_TRUE(writeListingFile(bigListing(), target, "", f));
    EXPECT_EQ(readFile(target), stored(bigListing()));
}

TEST(StoreFailure, ReadOnlyFolder) {
    test::SmallDisk readOnly("size=64k,ro");
    test::TempDir fallback;
    std::string folder;
    if (readOnly.mounted()) {
        folder = readOnly.path();
    } else if (!isRoot()) {
        folder = fallback.path();
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    } else {
        GTEST_SKIP() << "neither a read-only mount nor a folder the superuser cannot write";
    }
    StoreFailure f;
    EXPECT_FALSE(writeListingFile({"x"}, folder + "app.pas", "", f));
    EXPECT_EQ(f.action, "create file");
    EXPECT_TRUE(f.reason == "Read-only file system" || f.reason == "Permission denied") << f.reason;
    EXPECT_FALSE(fs::exists(folder + "app.pas"));
    if (!readOnly.mounted()) fs::permissions(folder, fs::perms::owner_all);
}

TEST(StoreFailure, ExistingBackupIsReplacedOnlyOnceTheNewTextIsWritten) {
    test::TempDir dir;
    const std::string target = dir.write("app.pas", kOld);
    const std::string backup = dir.write("app.bak", "older\r\n");
    StoreFailure f;
    EXPECT_FALSE(writeListingFile({"new"}, target, backup, f, diskFullAfter(2)));
    EXPECT_EQ(readFile(backup), "older\r\n");
    EXPECT_EQ(readFile(target), kOld);
    EXPECT_TRUE(writeListingFile({"new"}, target, backup, f));
    EXPECT_EQ(readFile(backup), kOld);
    EXPECT_EQ(readFile(target), "new\r\n");

    // A backup name taken by a folder: reported, nothing changed.
    fs::remove(backup);
    fs::create_directory(backup);
    fs::create_directory(backup + "/keep"); // a non-empty folder is never replaced
    EXPECT_FALSE(writeListingFile({"newer"}, target, backup, f));
    EXPECT_EQ(f.action, "make the backup");
    EXPECT_EQ(readFile(target), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"app.bak", "app.pas"}));
}

TEST(StoreFailure, TargetThatIsAFolderIsRefused) {
    test::TempDir dir;
    fs::create_directory(dir.path() + "app.pas");
    StoreFailure f;
    EXPECT_FALSE(writeListingFile({"x"}, dir.path() + "app.pas", "", f));
    EXPECT_EQ(f.message(), "Cannot write file \"" + dir.path() + "app.pas\": Is a directory");
    EXPECT_TRUE(fs::is_directory(dir.path() + "app.pas"));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"app.pas"});
}

TEST(StoreFailure, LinkIsFollowedAndKept) {
    test::TempDir dir;
    fs::create_directory(dir.path() + "real");
    const std::string real = dir.write("real/app.pas", kOld);
    fs::create_symlink("real/app.pas", dir.path() + "link.pas");
    StoreFailure f;
    EXPECT_TRUE(writeListingFile({"new"}, dir.path() + "link.pas", "", f));
    EXPECT_TRUE(fs::is_symlink(dir.path() + "link.pas"));
    EXPECT_EQ(readFile(real), "new\r\n");

    // A link to nothing yet creates the file it names.
    fs::create_symlink("real/later.pas", dir.path() + "later.pas");
    EXPECT_TRUE(writeListingFile({"later"}, dir.path() + "later.pas", "", f));
    EXPECT_EQ(readFile(dir.path() + "real/later.pas"), "later\r\n");
    EXPECT_TRUE(fs::is_symlink(dir.path() + "later.pas"));
}

TEST(StoreFailure, ReadOnlyTargetIsRefusedOrReplacedWholeKeepingItsMode) {
    test::TempDir dir;
    const std::string target = dir.write("app.pas", kOld);
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    StoreFailure f;
    const bool written = writeListingFile({"new"}, target, "", f);
    // Only the superuser may write a 0444 file; everybody else is told no.
    EXPECT_EQ(written, isRoot());
    if (written) {
        EXPECT_EQ(readFile(target), "new\r\n");
    } else {
        EXPECT_EQ(f.reason, "Permission denied");
        EXPECT_EQ(readFile(target), kOld);
    }
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"app.pas"});
}

TEST(StoreFailure, DevicesAreWrittenIntoNotReplaced) {
    StoreFailure f;
    EXPECT_TRUE(writeListingFile({"x"}, "/dev/null", "", f));
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    EXPECT_FALSE(writeListingFile({"x"}, "/dev/full", "", f));
    EXPECT_EQ(f.reason, "No space left on device");
}

// The window's store button over the same writer.
class StoreButtonFailureTest : public ::testing::Test {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};
    test::TempDir dir;

    void SetUp() override {
        p.setListing({"program Demo;", "end Demo."});
        p.setBuilt(true);
    }
    std::string lastMessage() const {
        return dialogs.entries.empty() ? "" : dialogs.entries.back().text;
    }
};

TEST_F(StoreButtonFailureTest, FolderTargetAndFullDeviceAreReported) {
    fs::create_directory(dir.path() + "app.pas");
    p.setFileName(dir.path() + "app");
    EXPECT_FALSE(StoreBtnClick(p)); // exists: overwrite? Yes; backup? Yes
    EXPECT_EQ(lastMessage(), "Cannot write file \"" + dir.path() + "app.pas\": Is a directory");
    EXPECT_TRUE(fs::is_directory(dir.path() + "app.pas"));
    EXPECT_FALSE(fs::exists(dir.path() + "app.bak"));

    dialogs.entries.clear();
    dialogs.answers = {true, false}; // overwrite, no backup
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(lastMessage(), "Cannot write file \"" + dir.path() + "app.pas\": Is a directory");
}

TEST_F(StoreButtonFailureTest, FullDiskKeepsTheOldFileAndItsBackup) {
    test::SmallDisk disk("size=1m");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here; the injected writer covers it";
    std::ofstream(disk.path() + "app.pas", std::ios::binary) << kOld;
    std::ofstream(disk.path() + "app.bak", std::ios::binary) << "older\r\n";
    p.setListing(bigListing());
    disk.fill();
    p.setFileName(disk.path() + "app.pas");
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(lastMessage(),
              "Cannot write file \"" + disk.path() + "app.pas\": No space left on device");
    EXPECT_EQ(readFile(disk.path() + "app.pas"), kOld);
    EXPECT_EQ(readFile(disk.path() + "app.bak"), "older\r\n");
    EXPECT_EQ(namesIn(disk.path()), (std::vector<std::string>{"app.bak", "app.pas", "filler"}));
}

} // namespace
} // namespace pramlet
