#include "config/Format.h"

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

} // namespace pramlet
