// Sanity checks over every description file shipped in devices/.

#include "device/DeviceCatalogue.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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

} // namespace
} // namespace pramlet
