// Sanity checks over every description file shipped in devices/.

#include "device/DeviceCatalogue.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace pramlet {
namespace {

const std::string kBundled = PRAMLET_SOURCE_DIR "/devices/";

std::vector<std::string> bundledFiles() {
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(kBundled, ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == ".dsc") {
            files.push_back(it->path().string());
        }
    std::sort(files.begin(), files.end());
    return files;
}

// Bits set in a fuse default must have a name.
void expectNamedBits(const std::string& file, int byte, std::uint8_t value,
                     const TByteLabels& names) {
    for (int bit = 0; bit < 8; ++bit)
        if (value & (1 << bit)) {
            EXPECT_FALSE(names[bit].empty()) << file << ": FuseDefault" << byte << " bit " << bit;
        }
}

TEST(BundledDevices, EveryFileLoadsSensibly) {
    const std::vector<std::string> files = bundledFiles();
    ASSERT_FALSE(files.empty()) << "no description files in " << kBundled;
    RecordingDialogs dialogs;
    TDeviceLoader loader(dialogs);
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        tCpuDesc cpu;
        ASSERT_NO_THROW(loader.LoadCPU(file, cpu));
        EXPECT_FALSE(cpu.CpuName.empty());
        EXPECT_GT(cpu.DataSize, 0);
        for (int port = 1; port <= kPortCount; ++port)
            if (cpu.Ports.has(static_cast<tPortsT>(port))) {
                EXPECT_NE(cpu.mask(port), 0) << "port " << PortLetter(port);
            }
        expectNamedBits(file, 0, cpu.FuseDefault0, cpu.Fuses0);
        expectNamedBits(file, 1, cpu.FuseDefault1, cpu.Fuses1);
        expectNamedBits(file, 2, cpu.FuseDefault2, cpu.Fuses2);
        for (std::int32_t boot : {cpu.BOOTRST0, cpu.BOOTRST1, cpu.BOOTRST2, cpu.BOOTRST3})
            if (boot > 0) {
                EXPECT_LE(boot, cpu.BOOTRSTE);
            }
    }
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST(BundledDevices, LibraryHasAtLeast200Controllers) {
    RecordingDialogs dialogs;
    TDeviceLoader loader(dialogs);
    TDeviceCatalogue catalogue(loader);
    catalogue.SetHomePath(kBundled);
    catalogue.Scan();
    EXPECT_GE(catalogue.CPUList().size(), 200u);
}

// Each file lands on the tab its file name decides, under the name it carries.
TEST(BundledDevices, EveryControllerIsOnItsTab) {
    RecordingDialogs dialogs;
    TDeviceLoader loader(dialogs);
    TDeviceCatalogue catalogue(loader);
    catalogue.SetHomePath(kBundled);
    catalogue.Scan();
    ASSERT_EQ(catalogue.CPUList().size(), bundledFiles().size());
    for (const TCpuEntry& entry : catalogue.CPUList()) {
        const std::string file = std::filesystem::path(entry.path).filename().string();
        const std::optional<tCpuFamily> family = FamilyOfFileName(file);
        ASSERT_TRUE(family) << file;
        const auto& names = catalogue.Names(*family);
        EXPECT_EQ(std::count(names.begin(), names.end(), entry.name), 1) << file;
    }
    EXPECT_TRUE(dialogs.entries.empty());
}

// The UPDI tab holds every part of the tiny 0-, 1- and 2-series and the mega 0-series, with
// the memory and ports of their largest package.
TEST(BundledDevices, UpdiTabHoldsTheFourSeries) {
    RecordingDialogs dialogs;
    TDeviceLoader loader(dialogs);
    TDeviceCatalogue catalogue(loader);
    catalogue.SetHomePath(kBundled);
    catalogue.Scan();
    const std::vector<std::string>& updi = catalogue.Names(FamilyUPDI);
    EXPECT_EQ(updi.size(), 45u);
    for (const char* name : {"tiny202", "tiny1607", "tiny212", "tiny3217", "tiny424", "tiny3227",
                             "mega808", "mega4809"})
        EXPECT_EQ(std::count(updi.begin(), updi.end(), name), 1) << name;

    struct Expect {
        const char* file;
        int dataSize;
        int ports; // port ordinals present, as bits 1..11
        int maskA, maskB, maskC;
        int adc;
    };
    const auto bit = [](int port) { return 1 << port; };
    for (const Expect& e : {
             Expect{"UTINY202.dsc", 128, bit(1), 0xCF, 0, 0, 6},
             Expect{"UTINY1616.dsc", 2048, bit(1) | bit(2) | bit(3), 0xFF, 0x3F, 0x0F, 12},
             Expect{"UTINY3227.dsc", 3072, bit(1) | bit(2) | bit(3), 0xFF, 0xFF, 0x3F, 15},
             Expect{"UMEGA808.dsc", 1024, bit(1) | bit(3) | bit(4) | bit(6), 0xFF, 0, 0x0F, 12},
         }) {
        SCOPED_TRACE(e.file);
        tCpuDesc cpu;
        loader.LoadCPU(kBundled + e.file, cpu);
        EXPECT_EQ(cpu.DataSize, e.dataSize);
        int ports = 0;
        for (int port = 1; port <= kPortCount; ++port)
            if (cpu.Ports.has(static_cast<tPortsT>(port))) ports |= bit(port);
        EXPECT_EQ(ports, e.ports);
        EXPECT_EQ(cpu.mask(1), e.maskA);
        if (e.maskB) {
            EXPECT_EQ(cpu.mask(2), e.maskB);
        }
        if (e.maskC) {
            EXPECT_EQ(cpu.mask(3), e.maskC);
        }
        EXPECT_EQ(cpu.ADCmax, e.adc);
    }
    EXPECT_TRUE(dialogs.entries.empty());
}

} // namespace
} // namespace pramlet
