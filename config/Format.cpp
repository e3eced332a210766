#include "config/Format.h"

#include <algorithm>
#include <cstdio>

namespace pramlet {

std::string hexDigits(std::int64_t value, int width) {
    auto u = static_cast<std::uint32_t>(value);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", width, static_cast<unsigned>(u));
    return buf;
}

std::string decDigits(std::int64_t value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, static_cast<long long>(value));
    return buf;
}

// Every byte that does not continue a multi-byte sequence starts a character.
std::size_t characterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace pramlet
