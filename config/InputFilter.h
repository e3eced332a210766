#pragma once
// What typing may put into a text option. The window drops a typed character that the field
// refuses and the batch front end refuses a value holding one, so both take the same texts.
//
// The hexadecimal byte fields (mask "$>AA;1;_", the switch masks and polarities) take the
// digits and the upper-case letters A to F only: every other character, a lower-case letter
// included, is dropped rather than turned into upper case.

#include <string>
#include <string_view>

namespace pramlet {

struct OptionDef;

// The characters a user may type into the field; empty when the field sets no such limit
// (its input mask, if any, still applies).
std::string_view typedCharacters(const OptionDef& def);

// Whether typing `c` into the field keeps the character.
bool acceptsTyped(const OptionDef& def, char c);

// Whether the field can hold `text`: every character that does not stand on a literal of
// the mask (the "$" of a hexadecimal byte) is one the field accepts.
bool acceptsText(const OptionDef& def, const std::string& text);

} // namespace pramlet
