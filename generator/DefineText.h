#pragma once
// Reading the lists of the driver pages for the Define entries.

#include "config/Options.h"

#include <string>

namespace pramlet {

// The position chosen in list `name`. A list that lost its choice (a shorter list refilled
// for another controller) counts as on its first item, as a fresh list is: a "none" item
// then means no driver, and a list of ports gives its first port rather than an empty value.
inline int chosenIndex(const Options& o, OptName name) {
    return o.itemIndex(name) < 0 ? 0 : o.itemIndex(name);
}

// The text of the item chosen in list `name`, read as chosenIndex reads the position.
inline std::string chosenText(const Options& o, OptName name) {
    const OptionState& s = o[name];
    if (s.itemIndex >= 0) return s.text;
    return s.items.empty() ? std::string() : s.items.front();
}

} // namespace pramlet
