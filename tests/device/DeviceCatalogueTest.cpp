#include "device/DeviceCatalogue.h"
#include "tests/support/TempDir.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace pramlet {
namespace {

TEST(FamilyOfFileName, RulesInTheirOrder) {
    EXPECT_EQ(FamilyOfFileName("MEGA8.dsc"), FamilyMega);
    EXPECT_EQ(FamilyOfFileName("XMEGA8.dsc"), FamilyXMega);   // "MEGA" at position 2
    EXPECT_EQ(FamilyOfFileName("UMEGA4809.dsc"), FamilyUPDI); // "MEGA" at position 2
    EXPECT_EQ(FamilyOfFileName("AMEGA8.dsc"), FamilyMega);
    EXPECT_EQ(FamilyOfFileName("ATMEGA8.dsc"), std::nullopt); // "MEGA" at position 3
    EXPECT_EQ(FamilyOfFileName("utiny1614.dsc"), FamilyUPDI);
    EXPECT_EQ(FamilyOfFileName("PTINY13.dsc"), FamilyTiny);
    EXPECT_EQ(FamilyOfFileName("TINY13.dsc"), std::nullopt);
    EXPECT_EQ(FamilyOfFileName("XTINY13.dsc"), std::nullopt);
    EXPECT_EQ(FamilyOfFileName("P90S2313.dsc"), FamilyAVR);
    EXPECT_EQ(FamilyOfFileName("AP90S4433.dsc"), FamilyAVR);
    EXPECT_EQ(FamilyOfFileName("AAP90.dsc"), std::nullopt);
    EXPECT_EQ(FamilyOfFileName("PMEGA8.dsc"), FamilyMega);
    EXPECT_EQ(FamilyOfFileName("P"), std::nullopt);
    EXPECT_EQ(FamilyOfFileName(""), std::nullopt);
}

class DeviceCatalogueTest : public ::testing::Test {
  protected:
    void scan(const std::string& dirName) {
        catalogue.SetHomePath(std::string(PRAMLET_TEST_DATA "/") + dirName);
        catalogue.Scan();
    }
    std::string home() const { return catalogue.HomePath(); }

    RecordingDialogs dialogs;
    TDeviceLoader loader{dialogs};
    TDeviceCatalogue catalogue{loader};
};

TEST_F(DeviceCatalogueTest, ListsAcceptedControllersByFamily) {
    scan("devices-catalogue");
    using Names = std::vector<std::string>;
    EXPECT_EQ(catalogue.Names(FamilyTiny), Names{"ATtiny13"});
    EXPECT_EQ(catalogue.Names(FamilyAVR), (Names{"AT90S2313", "AT90S4433"}));
    EXPECT_EQ(catalogue.Names(FamilyMega),
              (Names{"ATmega128", "ATmega162", "ATmega64", "ATmega64", "ATmega8"}));
    EXPECT_EQ(catalogue.Names(FamilyXMega), Names{"ATxmega128A1"});
    EXPECT_EQ(catalogue.Names(FamilyUPDI), (Names{"ATmega4809", "ATtiny1614"}));
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(DeviceCatalogueTest, CatalogueFollowsTheFileOrder) {
    scan("devices-catalogue");
    const std::string h = home();
    EXPECT_EQ(h, PRAMLET_TEST_DATA "/devices-catalogue/");
    EXPECT_EQ(catalogue.CPUList(), (std::vector<TCpuEntry>{
                                       {"AT90S4433", h + "AP90S4433.dsc"},
                                       {"ATmega128", h + "MEGA128.DSC"},
                                       {"ATmega64", h + "MEGA64.dsc"},
                                       {"ATmega64", h + "MEGA64A.dsc"},
                                       {"ATmega8", h + "MEGA8.dsc"},
                                       {"AT90S2313", h + "P90S2313.dsc"},
                                       {"ATtiny13", h + "PTINY13.dsc"},
                                       {"ATmega4809", h + "UMEGA4809.dsc"},
                                       {"ATtiny1614", h + "UTINY1614.dsc"},
                                       {"ATxmega128A1", h + "XMEGA128A1.dsc"},
                                       {"ATmega162", h + "mega162.dsc"},
                                   }));
}

TEST_F(DeviceCatalogueTest, LookupFindsTheFirstEntryIgnoringCase) {
    scan("devices-catalogue");
    EXPECT_EQ(catalogue.CurCPU("ATmega64"), 2);
    EXPECT_EQ(catalogue.CurCPU("atMEGA64"), 2);
    EXPECT_EQ(catalogue.CurCPUDSCName("ATMEGA64"), home() + "MEGA64.dsc");
    EXPECT_EQ(catalogue.CurCPU("ATmega8"), 4);
    EXPECT_EQ(catalogue.CurCPU("ATmega8X"), -1); // its file ATMEGA8.dsc is not listed
    EXPECT_EQ(catalogue.CurCPU("ATmega32"), -1); // HLL=True
    EXPECT_EQ(catalogue.CurCPU("ATmega16"), -1); // HLL missing
    EXPECT_EQ(catalogue.CurCPU(""), -1);
    EXPECT_EQ(catalogue.CurCPUDSCName(""), "");
}

TEST_F(DeviceCatalogueTest, LastScannedFileStaysOpen) {
    scan("devices-catalogue");
    EXPECT_EQ(loader.IniEditorFileName(), home() + "mega162.dsc");
    const int reads = loader.FileReads();
    tCpuDesc cpu;
    loader.LoadCPU(catalogue.CurCPUDSCName("ATmega162"), cpu);
    EXPECT_EQ(cpu.CpuName, "ATmega162");
    EXPECT_EQ(loader.FileReads(), reads);
}

TEST_F(DeviceCatalogueTest, NamelessControllerIsListedButAbortsWhenLoaded) {
    scan("devices-noname");
    ASSERT_EQ(catalogue.Names(FamilyMega), std::vector<std::string>{""});
    EXPECT_EQ(catalogue.CurCPU(""), 0);
    tCpuDesc cpu;
    EXPECT_THROW(loader.LoadCPU(catalogue.CurCPUDSCName(""), cpu), ApplicationAbort);
    EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                   {"error", "device= in file MEGA1.dscnot found", "Abort"}}));
}

TEST_F(DeviceCatalogueTest, RescanStartsAfreshAndMissingDirectoryIsEmpty) {
    scan("devices-catalogue");
    scan("devices-noname");
    EXPECT_EQ(catalogue.CPUList().size(), 1u);
    EXPECT_TRUE(catalogue.Names(FamilyTiny).empty());
    scan("devices-does-not-exist");
    EXPECT_TRUE(catalogue.CPUList().empty());
    for (int f = 0; f < kFamilyCount; ++f)
        EXPECT_TRUE(catalogue.Names(static_cast<tCpuFamily>(f)).empty());
}

TEST_F(DeviceCatalogueTest, HomePathKeepsOneTrailingSeparator) {
    test::TempDir dir;
    dir.write("MEGA8.dsc", "[device]\ndevice=ATmega8\nHLL=true\n");
    catalogue.SetHomePath(dir.path());
    EXPECT_EQ(catalogue.HomePath(), dir.path());
    catalogue.Scan();
    EXPECT_EQ(catalogue.CurCPUDSCName("ATmega8"), dir.path() + "MEGA8.dsc");
}

} // namespace
} // namespace pramlet
