// The INI reader over arbitrary bytes: every lookup answers, integers parse or fall back.
#include "device/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pramlet;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TIniDocument doc = TIniDocument::FromText(text);
    for (const char* section : {"device", "memory", "interruptvectors", "PortMasks"}) {
        doc.ReadSectionLines(section);
        for (const char* key : {"device", "HLL", "BOOTRST0", "idataend", "maska"}) {
            const bool has = doc.HasKey(section, key);
            if (has != doc.HasKey(AsciiUpper(section), AsciiLower(key))) std::abort();
            doc.ReadBool(section, key);
            doc.ReadInteger(section, key, -1);
            doc.ReadString(section, key);
        }
    }
    // Every line of the input as an integer value.
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        const auto value = ParseIniInteger(TrimControl(text.substr(from, end - from)));
        if (value && TrimControl(text.substr(from, end - from)).empty()) std::abort();
        from = end + 1;
    }
    return 0;
}
