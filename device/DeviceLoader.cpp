#include "device/DeviceLoader.h"

#include "device/FileRead.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <string_view>

namespace pramlet {

namespace {

std::uint8_t lowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

struct FlagKey {
    const char* section;
    const char* key;
    tPeriphT element;
};

// Peripherals given by a flag, in load order.
constexpr FlagKey kPwm1Flags[] = {{"peripheral", "pwm1", PWMport1A},
                                  {"peripheral", "pwm2", PWMport1B},
                                  {"peripheral", "pwm3", PWMport1C}};
constexpr FlagKey kSerialFlags[] = {
    {"device", "UARTN", UARTN},         {"peripheral", "async", SerPort},
    {"peripheral", "async2", SerPort2}, {"peripheral", "async3", SerPort3},
    {"peripheral", "async4", SerPort4}, {"peripheral", "I2C", TWIport},
    {"peripheral", "spi", SPIport}};
constexpr FlagKey kLateFlags[] = {{"peripheral", "CAN", CANport},
                                  {"MSPI", "MSPI0", MSPI0},
                                  {"MSPI", "MSPI1", MSPI1},
                                  {"MSPI", "MSPI2", MSPI2},
                                  {"MSPI", "MSPI3", MSPI3}};

void readFlags(const TIniDocument& ini, const auto& table, tPeriph& periph) {
    for (const FlagKey& f : table)
        periph.set(f.element, ini.ReadBool(f.section, f.key));
}

// INTn counts when a line "INTn" stands anywhere in the vector list except first: the first
// vector is the reset vector's slot.
void readExternalInterrupts(const TIniDocument& ini, tPeriph& periph) {
    const std::vector<std::string> vectors = ini.ReadSectionLines("interruptvectors");
    for (int n = 0; n <= 7; ++n) {
        const auto element = static_cast<tPeriphT>(INT0 + n);
        periph.erase(element);
        const std::string name = "INT" + std::to_string(n);
        for (std::size_t i = 1; i < vectors.size(); ++i) {
            if (AsciiUpper(vectors[i]) == name) {
                periph.insert(element);
                break;
            }
        }
    }
}

std::int32_t highestTimer(const TIniDocument& ini) {
    for (int t = 5; t >= 2; --t)
        if (ini.ReadBool("peripheral", "Timer" + std::to_string(t))) return t;
    return 1;
}

TByteLabels readBitNames(const TIniDocument& ini, const char* section) {
    TByteLabels names;
    for (int bit = 0; bit < 8; ++bit)
        names[bit] = ini.ReadString(section, std::to_string(bit));
    return names;
}

} // namespace

std::uint8_t ParseFuseDefault(const std::string& text, const TByteLabels& bitNames) {
    if (text.size() < 3) return 0;
    const std::string upper = AsciiUpper(text);
    if (upper.front() == '0') return 0;

    unsigned value = 0;
    std::string_view rest = upper;
    while (true) {
        const std::size_t plus = rest.find('+');
        const std::string_view name = rest.substr(0, plus);
        // An empty name ("A++B", a trailing '+') must not pick a bit that has no name.
        if (!name.empty()) {
            for (int bit = 0; bit < 8; ++bit) {
                if (AsciiUpper(bitNames[bit]) == name) {
                    value += 1u << bit;
                    break;
                }
            }
        }
        if (plus == std::string_view::npos) break;
        rest.remove_prefix(plus + 1);
    }
    return static_cast<std::uint8_t>(value & 0xFF);
}

bool BootAddressInFlash(std::int64_t wordAddress, std::int64_t flashBytes) {
    const std::int64_t words =
        flashBytes > 0 ? std::min(flashBytes / 2, kMaxFlashWords) : kMaxFlashWords;
    return wordAddress < words;
}

void TDeviceLoader::SetIniEditorFileName(const std::string& fileName) {
    open(fileName, {}, AT_FDCWD, fileName);
}

void TDeviceLoader::ScanIniEditorFileName(const std::string& fileName) {
    open(fileName, "device", AT_FDCWD, fileName);
}

void TDeviceLoader::ScanIniEditorFileName(const std::string& fileName, int directoryFd,
                                          const std::string& name) {
    open(fileName, "device", directoryFd, name);
}

void TDeviceLoader::open(const std::string& fileName, std::string_view onlySection, int directoryFd,
                         const std::string& name) {
    if (fileName == fIniEditorFileName) {
        if (onlySection.empty() && !fUnparsedText.empty()) {
            fIniEditor = TIniDocument::FromText(fUnparsedText);
            fUnparsedText.clear();
        }
        return;
    }
    fIniEditorFileName = fileName;
    fUnparsedText.clear();
    TFileRead read = ReadRegularFileAt(directoryFd, name);
    ++fFileReads;
    fReadError = read.status == TFileRead::Failed ? read.reason : std::string();
    if (read.status != TFileRead::Ok) {
        fIniEditor = {};
    } else if (onlySection.empty()) {
        fIniEditor = TIniDocument::FromText(read.text);
    } else {
        fIniEditor = TIniDocument::FromText(read.text, onlySection);
        fUnparsedText = std::move(read.text);
    }
    if (!fReadError.empty())
        fDialogs.message(MsgKind::Error, "Cannot read \"" + fileName + "\": " + fReadError,
                         MsgButton::Ok);
}

void TDeviceLoader::LoadCPU(const std::string& path, tCpuDesc& CurCPUData) {
    SetIniEditorFileName(path);
    const TIniDocument& ini = fIniEditor;

    tCpuDesc d;
    d.CpuName = ini.ReadString("device", "device");
    if (d.CpuName.empty()) {
        const std::string fileName = std::filesystem::path(path).filename().string();
        AbortW(fDialogs, "device= in file " + fileName + "not found");
    }
    // Computed modulo 2^32, so that extreme addresses wrap instead of overflowing.
    const std::uint32_t dataEnd =
        static_cast<std::uint32_t>(ini.ReadInteger("memory", "idataend", -1));
    const std::uint32_t dataStart =
        static_cast<std::uint32_t>(ini.ReadInteger("memory", "idatastart", -1));
    d.DataSize = static_cast<std::int32_t>(dataEnd - dataStart + 1u);
    d.ExtRam = ini.ReadBool("memory", "xdata");

    readFlags(ini, kPwm1Flags, d.Periph);
    d.Periph.set(PWMport3A, ini.ReadInteger("timer3", "oc3A", -1) >= 0);
    d.Periph.set(PWMport3B, ini.ReadInteger("timer3", "oc3B", -1) >= 0);
    d.Periph.set(PWMport3C, ini.ReadInteger("timer3", "oc3C", -1) >= 0);
    readFlags(ini, kSerialFlags, d.Periph);
    d.ADCmax = ini.ReadInteger("peripheral", "adc", -1);
    d.Periph.set(ADCport, d.ADCmax > 0);
    readFlags(ini, kLateFlags, d.Periph);
    for (int n = 0; n <= 3; ++n) {
        const std::string key = "PCINT" + std::to_string(n);
        d.Periph.set(static_cast<tPeriphT>(PCINT0 + n), !ini.ReadString("PCINT", key).empty());
    }
    readExternalInterrupts(ini, d.Periph);

    d.ASSR = ini.ReadInteger("controlregs", "assr", -1);
    d.Timers = highestTimer(ini);
    const std::int64_t flashBytes = ini.ReadInteger("memory", "flashsize", -1);
    std::int32_t* const bootStarts[] = {&d.BOOTRST0, &d.BOOTRST1, &d.BOOTRST2, &d.BOOTRST3};
    for (int n = 0; n < 4; ++n) {
        const std::string key = "BOOTRST" + std::to_string(n);
        std::int32_t& start = *bootStarts[n];
        start = ini.ReadInteger("device", key, -1);
        if (start > 0 && !BootAddressInFlash(start, flashBytes)) {
            const std::string fileName = std::filesystem::path(path).filename().string();
            fDialogs.message(MsgKind::Warning,
                             key + "=" + ini.ReadString("device", key) + " in file " + fileName +
                                 " lies outside the flash: ignored",
                             MsgButton::Ok);
            start = -1;
        }
    }
    d.BOOTRSTE = ini.ReadInteger("device", "BOOTRSTE", -1);
    d.JTAG = ini.ReadBool("device", "JTAG");

    // Bit names first: the fuse defaults are written in terms of them.
    d.LockBit0 = readBitNames(ini, "lockbitsWR0");
    d.Fuses0 = readBitNames(ini, "FusebitsWR0");
    d.Fuses1 = readBitNames(ini, "FusebitsWR1");
    d.Fuses2 = readBitNames(ini, "FusebitsWR2");
    d.LockWRmask0 = lowByte(ini.ReadInteger("LockBitsWR0", "mask", 0));
    d.FuseWRMask0 = lowByte(ini.ReadInteger("FuseBitsWR0", "mask", 0));
    d.FuseWRMask1 = lowByte(ini.ReadInteger("FuseBitsWR1", "mask", 0));
    d.FuseWRMask2 = lowByte(ini.ReadInteger("FuseBitsWR2", "mask", 0));
    d.FuseDefault0 = ParseFuseDefault(ini.ReadString("fuses_default", "FuseBits0"), d.Fuses0);
    d.FuseDefault1 = ParseFuseDefault(ini.ReadString("fuses_default", "FuseBits1"), d.Fuses1);
    d.FuseDefault2 = ParseFuseDefault(ini.ReadString("fuses_default", "FuseBits2"), d.Fuses2);

    for (int port = 1; port <= kPortCount; ++port) {
        const std::string letter(1, PortLetter(port)); // keys ignore letter case
        d.Ports.set(static_cast<tPortsT>(port),
                    ini.ReadInteger("controlregs", "port" + letter, 0) > 0);
        d.Pins.set(static_cast<tPinsT>(port),
                   ini.ReadInteger("controlregs", "pin" + letter, 0) > 0);
        d.DDRs.set(static_cast<tDDRsT>(port),
                   ini.ReadInteger("controlregs", "ddr" + letter, 0) > 0);
        d.mask(port) = lowByte(ini.ReadInteger("PortMasks", "mask" + letter, 255));
    }

    d.BootVect = ini.ReadInteger("BootVectors", "ivce", -1) > 0;
    CurCPUData = std::move(d);
}

} // namespace pramlet
