#include "config/SpecialValues.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace pramlet {

std::string trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

bool parseDecimal(const std::string& text, int& out) {
    if (text.empty()) return false;
    const char* first = text.data();
    const char* last = first + text.size();
    if (*first == '+') {
        ++first;
        if (first == last || *first == '-') return false;
    }
    auto [p, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && p == last;
}

namespace {

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

struct Line {
    std::string name;
    std::string valueText;
};

// Splits one table line for a lookup; a line without "=" is an error of the table.
Line split(const std::string& line) {
    auto eq = line.find('=');
    if (eq == std::string::npos)
        throw SpecialValuesError("Invalid Value \"" + line + "\" in Special values table");
    return {trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1, 255))};
}

bool lineValue(const Line& l, int& v) {
    return parseDecimal(l.valueText, v);
}

} // namespace

void tSpecialValuesList::CheckValid() const {
    for (const auto& line : fLines) {
        auto eq = line.find('=');
        if (eq == std::string::npos)
            throw SpecialValuesError("Invalid String \"" + line + "\" in Special values table");
        std::string valueText = trimmed(line.substr(eq + 1, 255));
        int v;
        if (!parseDecimal(valueText, v))
            throw SpecialValuesError("Invalid Value \"" + valueText + "\" in \"" + line +
                                     "\" in Special values table");
    }
}

bool tSpecialValuesList::IsValid(const std::string& pString) const {
    std::string key = trimmed(pString);
    for (const auto& line : fLines)
        if (equalNoCase(split(line).name, key)) return true;
    return false;
}

bool tSpecialValuesList::IsValid(int pVal) const {
    for (const auto& line : fLines) {
        int v;
        if (lineValue(split(line), v) && v == pVal) return true;
    }
    return false;
}

std::string tSpecialValuesList::IntToValue(int pVal) const {
    for (const auto& line : fLines) {
        Line l = split(line);
        int v;
        if (lineValue(l, v) && v == pVal) return l.name;
    }
    throw ExceptionSpecialValuesList("Special Value not found");
}

int tSpecialValuesList::ValueToInt(const std::string& pString) const {
    std::string key = trimmed(pString);
    for (const auto& line : fLines) {
        Line l = split(line);
        if (equalNoCase(l.name, key)) {
            int v = 0;
            lineValue(l, v);
            return v;
        }
    }
    throw ExceptionSpecialValuesList("Special Value not found");
}

int SpinRules::read(const std::string& text) const {
    if (special && special->IsValid(text)) return special->ValueToInt(text);
    int v;
    if (parseDecimal(trimmed(text), v)) return v;
    return minValue;
}

std::string SpinRules::write(int value) const {
    if (special && special->IsValid(value)) return special->IntToValue(value);
    // Bounds in the wrong order must not reach std::clamp: the lower one wins.
    if (minValue != maxValue) {
        if (value < minValue)
            value = minValue;
        else if (value > maxValue)
            value = maxValue;
    }
    return std::to_string(value);
}

bool SpinRules::isValid(const std::string& text) const {
    if (special && special->IsValid(text)) return true;
    int v;
    if (!parseDecimal(trimmed(text), v)) return false;
    if (minValue == 0 && maxValue == 0) return true;
    return minValue <= v && v <= maxValue;
}

} // namespace pramlet
