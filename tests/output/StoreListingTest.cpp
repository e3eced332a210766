#include "output/StoreListing.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pramlet {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class StoreTest : public ::testing::Test {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};
    fs::path dir;

    void SetUp() override {
        dir =
            fs::temp_directory_path() /
            ("pramlet-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        p.setListing({"program Demo;", "begin", "end Demo."});
        p.setBuilt(true);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

const std::string kStored = "program Demo;\r\nbegin\r\nend Demo.\r\n";

TEST(PasExtension, ReplacesOrAppendsOnTheFilePartOnly) {
    EXPECT_EQ(withPasExtension("blink"), "blink.pas");
    EXPECT_EQ(withPasExtension("blink.txt"), "blink.pas");
    EXPECT_EQ(withPasExtension("/home/u/my.dir/blink"), "/home/u/my.dir/blink.pas");
    EXPECT_EQ(withPasExtension("a.p"), "a.pas");
}

TEST_F(StoreTest, NotBuiltStoresNothing) {
    p.setBuilt(false);
    p.setFileName((dir / "x.pas").string());
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(dialogs.entries.back().text, "first build Application !");
    EXPECT_TRUE(filesInDir().empty());
}

TEST_F(StoreTest, ShortNameIsRefusedWithRetry) {
    p.setFileName("ab");
    EXPECT_FALSE(StoreBtnClick(p));
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0],
              (RecordingDialogs::Entry{
                  "error", "Filename too short!\r\nMust have more then 3 chars!", "Retry"}));
}

TEST_F(StoreTest, NewFileWithCrLfAndPasExtension) {
    p.setFileName((dir / "blink").string());
    ASSERT_TRUE(StoreBtnClick(p));
    EXPECT_EQ(p.FileName(), (dir / "blink.pas").string());
    EXPECT_EQ(readFile(dir / "blink.pas"), kStored);
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"blink.pas"}));
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(StoreTest, EditedListingIsWhatGetsStored) {
    p.setFileName((dir / "blink.pas").string());
    std::vector<std::string> edited = p.listing();
    edited[1] = "begin // edited";
    p.setListing(edited);
    ASSERT_TRUE(StoreBtnClick(p));
    EXPECT_EQ(readFile(dir / "blink.pas"), "program Demo;\r\nbegin // edited\r\nend Demo.\r\n");
}

TEST_F(StoreTest, AbortLeavesTheDiskUnchanged) {
    writeFile(dir / "blink.pas", "old");
    p.setFileName((dir / "blink.pas").string());
    dialogs.answers = {false};
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(readFile(dir / "blink.pas"), "old");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"blink.pas"}));
    ASSERT_EQ(dialogs.entries.size(), 2u);
    EXPECT_EQ(dialogs.entries[0].kind, "beep");
    EXPECT_EQ(dialogs.entries[1],
              (RecordingDialogs::Entry{"question", "File \rblink.pas\rexists\rOverwrite ?",
                                       "Yes/Abort"}));
}

TEST_F(StoreTest, OverwriteWithoutBackup) {
    writeFile(dir / "blink.pas", "old");
    p.setFileName((dir / "blink.pas").string());
    dialogs.answers = {true, false};
    ASSERT_TRUE(StoreBtnClick(p));
    EXPECT_EQ(readFile(dir / "blink.pas"), kStored);
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"blink.pas"}));
    EXPECT_EQ(dialogs.entries.back(),
              (RecordingDialogs::Entry{"question", "make a BackUp ?", "Yes/No"}));
}

TEST_F(StoreTest, BackupKeepsTheReplacedFileAndReplacesAnOlderBackup) {
    writeFile(dir / "blink.pas", "old");
    writeFile(dir / "blink.bak", "older");
    p.setFileName((dir / "blink.pas").string());
    dialogs.answers = {true, true};
    ASSERT_TRUE(StoreBtnClick(p));
    EXPECT_EQ(readFile(dir / "blink.pas"), kStored);
    EXPECT_EQ(readFile(dir / "blink.bak"), "old");
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"blink.bak", "blink.pas"}));
}

TEST_F(StoreTest, BackupThatCannotBeMadeIsReportedBeforeAnythingIsOverwritten) {
    writeFile(dir / "blink.pas", "old");
    fs::create_directories(dir / "blink.bak" / "inside"); // a non-empty folder of that name
    p.setFileName((dir / "blink.pas").string());
    dialogs.answers = {true, true};
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(readFile(dir / "blink.pas"), "old");
    EXPECT_TRUE(fs::is_directory(dir / "blink.bak" / "inside"));
    EXPECT_EQ(filesInDir(), (std::vector<std::string>{"blink.bak", "blink.pas"}));
    EXPECT_EQ(dialogs.entries.back().kind, "error");
    EXPECT_EQ(dialogs.entries.back().text.rfind("Cannot make the backup", 0), 0u);
}

TEST_F(StoreTest, MissingFolderIsReported) {
    p.setFileName((dir / "no-such-folder" / "blink").string());
    EXPECT_FALSE(StoreBtnClick(p));
    EXPECT_EQ(dialogs.entries.back().kind, "error");
    EXPECT_EQ(dialogs.entries.back().text.rfind("Cannot create file", 0), 0u);
    EXPECT_TRUE(filesInDir().empty());
}

} // namespace
} // namespace pramlet
