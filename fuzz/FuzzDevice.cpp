// The description loader over arbitrary file contents: a load either fills the record or ends
// with the missing-name abort; the catalogue lists the file or skips it.
#include "device/DeviceCatalogue.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pramlet;
    static const fuzz::ScratchDir dir;
    const std::string path = dir.write("PMEGAFUZZ.dsc", data, size);

    fuzz::NullDialogs dialogs;
    TDeviceLoader loader(dialogs);
    TDeviceCatalogue catalogue(loader);
    catalogue.SetHomePath(dir.path());
    catalogue.Scan();
    if (catalogue.CPUList().size() > 1 || !catalogue.ReadErrors().empty()) std::abort();

    tCpuDesc cpu;
    try {
        loader.LoadCPU(path, cpu);
    } catch (const ApplicationAbort&) {
        return 0; // no controller name: the program would end here
    }
    if (cpu.CpuName.empty() || cpu.Timers < 1 || cpu.Timers > 5) std::abort();
    for (std::int32_t start : {cpu.BOOTRST0, cpu.BOOTRST1, cpu.BOOTRST2, cpu.BOOTRST3})
        if (start > 0 && !BootAddressInFlash(start, -1)) std::abort();
    return 0;
}
