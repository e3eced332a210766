#include "config/InputFilter.h"

#include "config/OptionCatalogue.h"

namespace pramlet {

namespace {

constexpr std::string_view kHexByteMask = "$>AA;1;_";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Characters of a mask that stand for a typed character; the others are literals, except
// the case switches, which take no place at all.
bool isPlaceholder(char m) {
    switch (m) {
    case '0':
    case '9':
    case '#':
    case 'A':
    case 'a':
    case 'L':
    case 'l':
    case 'C':
    case 'c': return true;
    default: return false;
    }
}

} // namespace

std::string_view typedCharacters(const OptionDef& def) {
    if (def.kind == OptionKind::Text && def.mask == kHexByteMask) return kHexDigits;
    return {};
}

bool acceptsTyped(const OptionDef& def, char c) {
    const std::string_view set = typedCharacters(def);
    return set.empty() || set.find(c) != std::string_view::npos;
}

bool acceptsText(const OptionDef& def, const std::string& text) {
    const std::string_view set = typedCharacters(def);
    if (set.empty()) return true;
    const std::string_view layout = std::string_view(def.mask).substr(0, def.mask.find(';'));
    size_t m = 0;
    for (char c : text) {
        while (m < layout.size() && (layout[m] == '>' || layout[m] == '<'))
            ++m;
        const bool literal = m < layout.size() && !isPlaceholder(layout[m]);
        ++m;
        if (literal && c == layout[m - 1]) continue;
        if (set.find(c) == std::string_view::npos) return false;
    }
    return true;
}

} // namespace pramlet
