#pragma once
// Number formatting shared by the rules and the generator.

#include <cstddef>
#include <cstdint>
#include <string>

namespace pramlet {

// Upper-case hexadecimal digits, zero-padded to at least `width`; negative values are
// written as their 32-bit two's complement.
std::string hexDigits(std::int64_t value, int width);
// Decimal, zero-padded to at least `width` (sign first).
std::string decDigits(std::int64_t value, int width = 0);
// Characters of a UTF-8 text (names are limited by characters, not bytes).
std::size_t characterCount(const std::string& text);

} // namespace pramlet
