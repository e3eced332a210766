#include "device/IniFile.h"

#include "device/FileRead.h"

#include <algorithm>
#include <limits>

namespace pramlet {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::int32_t> parseHex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    if (!text.empty() && text[0] == '$') return parseHex(text.substr(1));
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseHex(text.substr(2));
    return parseDecimal(text);
}

std::string_view TrimControl(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

std::string AsciiUpper(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string AsciiLower(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

TIniDocument TIniDocument::FromText(std::string_view text) {
    return FromText(text, {});
}

namespace {

bool equalsLower(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() &&
           std::equal(text.begin(), text.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

// CR LF, LF and a lone CR all end a line.
std::size_t lineEnd(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || text[i] == '\r') return i;
    return std::string_view::npos;
}

// Whether the '[' at `at` is the first character of its line that is not a control
// character or a blank, that is, whether the line may be a section header.
bool opensLine(std::string_view text, std::size_t at) {
    while (at > 0) {
        const char c = text[--at];
        if (c == '\n' || c == '\r') return true;
        if (static_cast<unsigned char>(c) > 32) return false;
    }
    return true;
}

} // namespace

TIniDocument TIniDocument::FromText(std::string_view text, std::string_view onlySection) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) text.remove_prefix(bom.size());

    TIniDocument doc;
    Section* current = nullptr;
    while (!text.empty()) {
        if (!current) {
            // Before the first section and in sections not wanted only a header matters,
            // and a header's line opens with '[': the lines before the next such '[' are
            // passed over unread.
            std::size_t at = text.find('[');
            while (at != std::string_view::npos && !opensLine(text, at))
                at = text.find('[', at + 1);
            if (at == std::string_view::npos) break;
            text.remove_prefix(at);
        }
        std::size_t end = lineEnd(text);
        std::string_view line = TrimControl(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            const std::string_view name = TrimControl(line.substr(1, line.size() - 2));
            if (!onlySection.empty() && !equalsLower(name, onlySection))
                current = nullptr;
            else
                current = &doc.fSections[AsciiLower(name)];
            continue;
        }
        if (!current) continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            current->lines.emplace_back(line);
        } else {
            // emplace keeps an existing key: the first of equal keys wins.
            current->values.emplace(AsciiLower(TrimControl(line.substr(0, eq))),
                                    std::string(TrimControl(line.substr(eq + 1))));
        }
    }
    return doc;
}

TIniDocument TIniDocument::FromFile(const std::string& fileName) {
    std::string ignored;
    return FromFile(fileName, ignored);
}

TIniDocument TIniDocument::FromFile(const std::string& fileName, std::string& error) {
    const TFileRead read = ReadRegularFile(fileName);
    error = read.status == TFileRead::Failed ? read.reason : std::string();
    if (read.status != TFileRead::Ok) return {};
    return FromText(read.text);
}

const TIniDocument::Section* TIniDocument::find(std::string_view section) const {
    auto it = fSections.find(AsciiLower(section));
    return it == fSections.end() ? nullptr : &it->second;
}

const std::string* TIniDocument::findValue(std::string_view section, std::string_view key) const {
    const Section* s = find(section);
    if (!s) return nullptr;
    auto it = s->values.find(AsciiLower(key));
    return it == s->values.end() ? nullptr : &it->second;
}

bool TIniDocument::HasSection(std::string_view section) const {
    return find(section) != nullptr;
}

bool TIniDocument::HasKey(std::string_view section, std::string_view key) const {
    return findValue(section, key) != nullptr;
}

bool TIniDocument::ReadBool(std::string_view section, std::string_view key) const {
    const std::string* v = findValue(section, key);
    return v && *v == "true";
}

std::int32_t TIniDocument::ReadInteger(std::string_view section, std::string_view key,
                                       std::int32_t fallback) const {
    const std::string* v = findValue(section, key);
    if (!v) return fallback;
    return ParseIniInteger(*v).value_or(fallback);
}

std::string TIniDocument::ReadString(std::string_view section, std::string_view key,
                                     const std::string& fallback) const {
    const std::string* v = findValue(section, key);
    return v ? *v : fallback;
}

std::vector<std::string> TIniDocument::ReadSectionLines(std::string_view section) const {
    const Section* s = find(section);
    return s ? s->lines : std::vector<std::string>{};
}

} // namespace pramlet
