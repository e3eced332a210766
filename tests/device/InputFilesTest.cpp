// Input files that are not what they seem: FIFOs, devices, huge or unreadable files, boot
// addresses beyond the flash. Each is refused with a reason instead of hanging, filling the
// memory or being taken silently.
#include "device/CommandLine.h"
#include "device/DeviceCatalogue.h"
#include "device/FileRead.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

bool isRoot() {
    return ::geteuid() == 0;
}

// A sparse file of that size: costs no disk space.
std::string sparseFile(const test::TempDir& dir, const std::string& name, std::uintmax_t size) {
    const std::string path = dir.write(name, "[device]\ndevice=big\nHLL=true\n");
    fs::resize_file(path, size);
    return path;
}

TEST(ReadRegularFile, ReadsOrdinaryFilesWholeAndTellsMissingFromUnreadable) {
    test::TempDir dir;
    const TFileRead ok = ReadRegularFile(dir.write("a.dsc", std::string("x\0y", 3)));
    EXPECT_EQ(ok.status, TFileRead::Ok);
    EXPECT_EQ(ok.text, std::string("x\0y", 3));

    const TFileRead missing = ReadRegularFile(dir.path() + "none.dsc");
    EXPECT_EQ(missing.status, TFileRead::Missing);

    fs::create_directory(dir.path() + "sub.dsc");
    const TFileRead folder = ReadRegularFile(dir.path() + "sub.dsc");
    EXPECT_EQ(folder.status, TFileRead::Failed);
    EXPECT_EQ(folder.reason, "Is a directory");

    if (!isRoot()) { // the superuser reads any file
        const std::string locked = dir.write("locked.dsc", "[device]\n");
        fs::permissions(locked, fs::perms::none);
        const TFileRead refused = ReadRegularFile(locked);
        EXPECT_EQ(refused.status, TFileRead::Failed);
        EXPECT_EQ(refused.reason, "Permission denied");
    }
}

TEST(ReadRegularFile, FifoAndDevicesAreRefusedAtOnce) {
    test::TempDir dir;
    const std::string fifo = dir.path() + "pipe.dsc";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const TFileRead fromFifo = ReadRegularFile(fifo); // no writer: a plain read would wait
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(fromFifo.status, TFileRead::Failed);
    EXPECT_EQ(fromFifo.reason, "not a regular file");

    fs::create_symlink("/dev/zero", dir.path() + "zero.dsc");
    const TFileRead fromZero = ReadRegularFile(dir.path() + "zero.dsc");
    EXPECT_EQ(fromZero.status, TFileRead::Failed);
    EXPECT_EQ(fromZero.reason, "not a regular file");

    fs::create_symlink(dir.path() + "gone.dsc", dir.path() + "dangling.dsc");
    EXPECT_EQ(ReadRegularFile(dir.path() + "dangling.dsc").status, TFileRead::Missing);
}

TEST(ReadRegularFile, SizeIsCapped) {
    test::TempDir dir;
    const std::string path = dir.write("a.dsc", std::string(100, 'x'));
    EXPECT_EQ(ReadRegularFile(path, 100).status, TFileRead::Ok);
    const TFileRead tooBig = ReadRegularFile(path, 99);
    EXPECT_EQ(tooBig.status, TFileRead::Failed);
    EXPECT_TRUE(tooBig.text.empty());
    const TFileRead huge = ReadRegularFile(sparseFile(dir, "b.dsc", kMaxInputFileSize + 1));
    EXPECT_EQ(huge.status, TFileRead::Failed);
    EXPECT_EQ(huge.reason, "larger than 16 MB");
}

// The scan reads each file by its name in the open directory: every kind of file gives what
// reading it by its whole path gives.
TEST(ReadRegularFile, ByNameInAnOpenDirectoryAsByPath) {
    test::TempDir dir;
    dir.write("plain.dsc", "[device]\r\ndevice=tiny13\n");
    dir.write("empty.dsc", "");
    sparseFile(dir, "huge.dsc", kMaxInputFileSize + 1);
    ASSERT_EQ(::mkfifo((dir.path() + "pipe.dsc").c_str(), 0600), 0);
    fs::create_directory(dir.path() + "folder.dsc");
    fs::create_symlink(dir.path() + "plain.dsc", dir.path() + "link.dsc");
    fs::create_symlink("/dev/zero", dir.path() + "zero.dsc");
    fs::create_symlink(dir.path() + "gone.dsc", dir.path() + "dangling.dsc");
    const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    for (const char* name : {"plain.dsc", "empty.dsc", "huge.dsc", "pipe.dsc", "folder.dsc",
                             "link.dsc", "zero.dsc", "dangling.dsc", "missing.dsc"}) {
        const TFileRead byPath = ReadRegularFile(dir.path() + name);
        const TFileRead byName = ReadRegularFileAt(folder, name);
        EXPECT_EQ(byName.status, byPath.status) << name;
        EXPECT_EQ(byName.text, byPath.text) << name;
        EXPECT_EQ(byName.reason, byPath.reason) << name;
    }
    EXPECT_EQ(ReadRegularFileAt(folder, "link.dsc").text, "[device]\r\ndevice=tiny13\n");
    EXPECT_EQ(ReadRegularFileAt(folder, "folder.dsc").status, TFileRead::Failed);
    ::close(folder);
}

TEST(IniFromFile, UnreadableFileGivesAnEmptyDocumentAndTheReason) {
    test::TempDir dir;
    std::string error = "stale";
    EXPECT_TRUE(TIniDocument::FromFile(dir.write("a.dsc", "[device]\ndevice=x\n"), error)
                    .HasKey("device", "device"));
    EXPECT_EQ(error, "");
    TIniDocument::FromFile(dir.path() + "none.dsc", error);
    EXPECT_EQ(error, ""); // a missing file is no read error: it gives the empty document
    fs::create_symlink("/dev/zero", dir.path() + "zero.dsc");
    EXPECT_FALSE(TIniDocument::FromFile(dir.path() + "zero.dsc", error).HasSection("device"));
    EXPECT_EQ(error, "not a regular file");
}

TEST(IniFromFile, ProjectFileThatIsAFifoDoesNotHangTheStart) {
    test::TempDir dir;
    const std::string fifo = dir.path() + "blink.PPRO";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const TCommandLine cl = ParseCommandLine({fifo});
    EXPECT_EQ(cl.AppName, "blink");
    EXPECT_EQ(cl.FileName, dir.path()); // no MainFile read
    EXPECT_EQ(cl.ReadError, "Cannot read \"" + fifo + "\": not a regular file");
    EXPECT_EQ(ParseCommandLine({dir.write("ok.ppro", "[MainParams]\nMainFile=m.pas\n")}).ReadError,
              "");
}

class UnreadableCatalogueTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    RecordingDialogs dialogs;
    TDeviceLoader loader{dialogs};
    TDeviceCatalogue catalogue{loader};
};

TEST_F(UnreadableCatalogueTest, FileThatCannotBeReadIsReportedWithItsReason) {
    dir.write("PMEGA8.dsc", "[device]\ndevice=mega8\nHLL=true\n");
    const std::string big = sparseFile(dir, "PMEGA9.dsc", kMaxInputFileSize + 1);
    catalogue.SetHomePath(dir.path());
    catalogue.Scan();
    const std::string message = "Cannot read \"" + big + "\": larger than 16 MB";
    EXPECT_EQ(catalogue.ReadErrors(), std::vector<std::string>{message});
    EXPECT_EQ(dialogs.entries, std::vector<RecordingDialogs::Entry>({{"error", message, "OK"}}));
    // The rest is listed as before.
    EXPECT_EQ(catalogue.Names(FamilyMega), std::vector<std::string>{"mega8"});

    // A scan that succeeds forgets the old errors.
    fs::remove(big);
    catalogue.Scan();
    EXPECT_TRUE(catalogue.ReadErrors().empty());
}

TEST_F(UnreadableCatalogueTest, FolderThatCannotBeReadIsReported) {
    const std::string notAFolder = dir.write("file", "");
    catalogue.SetHomePath(notAFolder);
    catalogue.Scan();
    ASSERT_EQ(catalogue.ReadErrors().size(), 1u);
    EXPECT_EQ(catalogue.ReadErrors()[0], "Cannot read \"" + notAFolder + "/\": Not a directory");

    // A missing folder is an empty catalogue, as before.
    catalogue.SetHomePath(dir.path() + "none");
    catalogue.Scan();
    EXPECT_TRUE(catalogue.ReadErrors().empty());

    if (!isRoot()) {
        fs::create_directory(dir.path() + "locked");
        fs::permissions(dir.path() + "locked", fs::perms::none);
        catalogue.SetHomePath(dir.path() + "locked");
        catalogue.Scan();
        EXPECT_EQ(catalogue.ReadErrors().size(), 1u);
        fs::permissions(dir.path() + "locked", fs::perms::owner_all);
    }
}

// A scan begun ahead on its own thread gives what a scan at the moment it is taken over
// gives: the same entries from the same directories, and the same messages in the same
// order, shown only when it is taken over.
TEST_F(UnreadableCatalogueTest, AScanAheadGivesWhatAScanThenGives) {
    dir.write("PMEGA8.dsc", "[device]\ndevice=mega8\nHLL=true\n");
    dir.write("PMEGA16.dsc", "[device]\ndevice=mega16\nHLL=true\n");
    const std::string big = sparseFile(dir, "PMEGA9.dsc", kMaxInputFileSize + 1);
    const std::string notAFolder = dir.write("installed", "");
    fs::create_directory(dir.path() + "user");
    dir.write("user/PMEGA16.dsc", "[device]\ndevice=MEGA16\nHLL=true\n");
    dir.write("user/PTINY13.dsc", "[device]\ndevice=tiny13\nHLL=true\n");
    catalogue.SetHomePath(dir.path());
    catalogue.SetDataDirectories(notAFolder, dir.path() + "user");
    catalogue.Scan();
    ASSERT_EQ(dialogs.entries.size(), 2u); // the big file and the installed "folder"

    RecordingDialogs aheadDialogs;
    TDeviceLoader aheadLoader{aheadDialogs};
    TDeviceCatalogue taken{aheadLoader};
    taken.SetHomePath(dir.path());
    taken.SetDataDirectories(notAFolder, dir.path() + "user");
    TScanAhead ahead(taken);
    EXPECT_TRUE(ahead.Reads(taken));
    ahead.Result(); // finished, and still nothing shown
    EXPECT_TRUE(aheadDialogs.entries.empty());
    taken.TakeScan(ahead);
    EXPECT_EQ(aheadDialogs.entries, dialogs.entries);
    EXPECT_EQ(taken.ReadErrors(), catalogue.ReadErrors());
    EXPECT_EQ(taken.CPUList(), catalogue.CPUList());
    for (int family = 0; family < kFamilyCount; ++family)
        EXPECT_EQ(taken.Names(static_cast<tCpuFamily>(family)),
                  catalogue.Names(static_cast<tCpuFamily>(family)));
    EXPECT_EQ(taken.Names(FamilyMega), (std::vector<std::string>{"MEGA16", "mega8"}));

    // Other directories are another scan.
    taken.SetHomePath(dir.path() + "user");
    EXPECT_FALSE(ahead.Reads(taken));
    taken.SetHomePath(dir.path());
    taken.SetDataDirectories(notAFolder, "");
    EXPECT_FALSE(ahead.Reads(taken));
}

// Only ordinary files are descriptions: the others are passed over without being opened.
TEST_F(UnreadableCatalogueTest, FifosAndLinksToDevicesAreNoDescriptions) {
    ASSERT_EQ(::mkfifo((dir.path() + "PMEGA1.dsc").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.path() + "PMEGA2.dsc");
    catalogue.SetHomePath(dir.path());
    catalogue.Scan();
    EXPECT_TRUE(catalogue.CPUList().empty());
    EXPECT_TRUE(catalogue.ReadErrors().empty());
    EXPECT_TRUE(dialogs.entries.empty());
}

class BootAddressTest : public ::testing::Test {
  protected:
    tCpuDesc load(const std::string& device) {
        tCpuDesc cpu;
        loader.LoadCPU(
            dir.write("PMEGA" + std::to_string(++files) + ".dsc", "[device]\ndevice=m\n" + device),
            cpu);
        return cpu;
    }
    test::TempDir dir;
    RecordingDialogs dialogs;
    TDeviceLoader loader{dialogs};
    int files = 0;
};

TEST_F(BootAddressTest, StartsBeyondTheFlashAreRefusedWithTheFileAndKey) {
    const tCpuDesc cpu = load("BOOTRST0=$40000000\nBOOTRST1=$1E00\nBOOTRST2=-5\n");
    EXPECT_EQ(cpu.BOOTRST0, -1);
    EXPECT_EQ(cpu.BOOTRST1, 0x1E00);
    EXPECT_EQ(cpu.BOOTRST2, -5); // "no such area" stays as written
    EXPECT_EQ(
        dialogs.entries,
        std::vector<RecordingDialogs::Entry>(
            {{"warning", "BOOTRST0=$40000000 in file PMEGA1.dsc lies outside the flash: ignored",
              "OK"}}));
}

TEST_F(BootAddressTest, FlashSizeOfTheFileBoundsTheStarts) {
    // 16 KB of flash: 8192 words, the last word address 8191.
    const tCpuDesc cpu =
        load("BOOTRST0=$1C00\nBOOTRST1=8191\nBOOTRST2=8192\n[memory]\nflashsize=16384\n");
    EXPECT_EQ(cpu.BOOTRST0, 0x1C00);
    EXPECT_EQ(cpu.BOOTRST1, 8191);
    EXPECT_EQ(cpu.BOOTRST2, -1);
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_NE(dialogs.entries[0].text.find("BOOTRST2=8192"), std::string::npos);

    EXPECT_TRUE(BootAddressInFlash(kMaxFlashWords - 1, -1));
    EXPECT_FALSE(BootAddressInFlash(kMaxFlashWords, -1));
    EXPECT_FALSE(BootAddressInFlash(kMaxFlashWords, std::int64_t{1} << 40)); // file claims more
    EXPECT_TRUE(BootAddressInFlash(0x10001, -1)); // beyond 64K words: RAMPZ 3
}

} // namespace
} // namespace pramlet
