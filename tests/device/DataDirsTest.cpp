// The directories the programs read description files and help from, and the catalogue over
// the program's, the installed and the user's directory.

#include "device/DataDirs.h"
#include "device/DeviceCatalogue.h"
#include "tests/support/TempDir.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pramlet {
namespace {

using test::TempDir;

TEST(DataDirs, InstalledBesideBinAndUserUnderTheDataHome) {
    const TDataDirs d = DataDirsFor("/opt/p/bin", "/x/data", "/home/u");
    EXPECT_EQ(d.program, "/opt/p/bin/");
    EXPECT_EQ(d.installed, "/opt/p/share/pramlet/");
    EXPECT_EQ(d.installedDevices(), "/opt/p/share/pramlet/devices/");
    EXPECT_EQ(d.user, "/x/data/pramlet/devices/");

    // A relative XDG_DATA_HOME is ignored, as the desktop's base directory rules say.
    EXPECT_EQ(DataDirsFor("/usr/bin/", "data", "/home/u/").user,
              "/home/u/.local/share/pramlet/devices/");
    EXPECT_EQ(DataDirsFor("/usr/bin/", "", "/home/u").user,
              "/home/u/.local/share/pramlet/devices/");
    EXPECT_EQ(DataDirsFor("/usr/bin/", nullptr, nullptr).user, "");
    EXPECT_EQ(DataDirsFor("/usr/bin/", nullptr, "").user, "");
    EXPECT_EQ(DataDirsFor("/usr/bin/", nullptr, nullptr).installed, "/usr/share/pramlet/");
}

TEST(DataDirs, HelpFromTheProgramDirectoryFirst) {
    TempDir prefix;
    std::filesystem::create_directories(prefix.path() + "bin");
    std::filesystem::create_directories(prefix.path() + "share/pramlet/help");
    const TDataDirs d = DataDirsFor(prefix.path() + "bin", nullptr, nullptr);
    // Neither has it: the program's directory is named, for the message.
    EXPECT_EQ(FindHelpFile(d, "Pramlet.html"), prefix.path() + "bin/Pramlet.html");
    prefix.write("share/pramlet/help/Pramlet.html", "<html/>");
    EXPECT_EQ(FindHelpFile(d, "Pramlet.html"), prefix.path() + "share/pramlet/help/Pramlet.html");
    prefix.write("bin/Pramlet.html", "<html/>");
    EXPECT_EQ(FindHelpFile(d, "Pramlet.html"), prefix.path() + "bin/Pramlet.html");
}

class DataDirCatalogueTest : public ::testing::Test {
  protected:
    DataDirCatalogueTest() {
        for (const char* dir : {"bin", "share/pramlet/devices", "user"})
            std::filesystem::create_directories(root.path() + dir);
    }
    std::string device(const std::string& dir, const std::string& file, const std::string& name) {
        return root.write(dir + "/" + file, "[device]\ndevice=" + name + "\nHLL=true\n");
    }
    void scan() {
        catalogue.SetHomePath(root.path() + "bin");
        catalogue.SetDataDirectories(root.path() + "share/pramlet/devices", root.path() + "user");
        catalogue.Scan();
    }

    TempDir root;
    RecordingDialogs dialogs;
    TDeviceLoader loader{dialogs};
    TDeviceCatalogue catalogue{loader};
};

TEST_F(DataDirCatalogueTest, ProgramThenInstalledThenUserDirectory) {
    device("user", "PTINY13.dsc", "tiny13");
    device("share/pramlet/devices", "PMEGA8.dsc", "mega8");
    device("bin", "PMEGA16.dsc", "mega16");
    scan();
    const std::string r = root.path();
    EXPECT_EQ(catalogue.CPUList(),
              (std::vector<TCpuEntry>{{"mega16", r + "bin/PMEGA16.dsc"},
                                      {"mega8", r + "share/pramlet/devices/PMEGA8.dsc"},
                                      {"tiny13", r + "user/PTINY13.dsc"}}));
    EXPECT_EQ(catalogue.Names(FamilyMega), (std::vector<std::string>{"mega16", "mega8"}));
    EXPECT_EQ(catalogue.Names(FamilyTiny), (std::vector<std::string>{"tiny13"}));
}

TEST_F(DataDirCatalogueTest, UserFileOfTheSameControllerWins) {
    device("bin", "PMEGA8.dsc", "mega8");
    device("share/pramlet/devices", "PMEGA8.dsc", "mega8");
    device("user", "PMEGA8X.dsc", "MEGA8"); // the name compared without regard to case
    scan();
    EXPECT_EQ(catalogue.Names(FamilyMega), (std::vector<std::string>{"MEGA8"}));
    EXPECT_EQ(catalogue.CurCPUDSCName("mega8"), root.path() + "user/PMEGA8X.dsc");
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(DataDirCatalogueTest, ProgramDirectoryWinsOverTheInstalledOne) {
    device("bin", "PMEGA8.dsc", "mega8");
    device("share/pramlet/devices", "PMEGA8.dsc", "mega8");
    device("share/pramlet/devices", "PMEGA16.dsc", "mega16");
    scan();
    EXPECT_EQ(catalogue.Names(FamilyMega), (std::vector<std::string>{"mega16", "mega8"}));
    EXPECT_EQ(catalogue.CurCPUDSCName("mega8"), root.path() + "bin/PMEGA8.dsc");
}

TEST_F(DataDirCatalogueTest, DuplicatesWithinOneDirectoryStayListed) {
    device("user", "PMEGA8.dsc", "mega8");
    device("user", "PMEGA8B.dsc", "mega8");
    scan();
    EXPECT_EQ(catalogue.Names(FamilyMega), (std::vector<std::string>{"mega8", "mega8"}));
    EXPECT_EQ(catalogue.CurCPUDSCName("mega8"), root.path() + "user/PMEGA8.dsc");
}

TEST_F(DataDirCatalogueTest, MissingOrRepeatedDirectoriesAddNothing) {
    device("bin", "PMEGA8.dsc", "mega8");
    catalogue.SetHomePath(root.path() + "bin");
    catalogue.SetDataDirectories(root.path() + "no-such-dir", root.path() + "bin/");
    catalogue.Scan();
    EXPECT_EQ(catalogue.CPUList().size(), 1u);
    // A file the user's directory holds under a name of no family is not listed.
    device("user", "mega8.txt", "mega8");
    device("user", "ATMEGA8.dsc", "other");
    scan();
    EXPECT_EQ(catalogue.Names(FamilyMega), (std::vector<std::string>{"mega8"}));
}

} // namespace
} // namespace pramlet
