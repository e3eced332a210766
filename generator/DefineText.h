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

// The timer of the tick timer: the chosen one of Timer1, Timer3, Timer4 and Timer5, so that
// its Define entry and its interrupt name the timer the page shows.
inline std::string tickTimerName(const Options& o) {
    if (o.checked("TickTimer1Chk")) return "Timer1";
    if (o.checked("TickTimer4Chk")) return "Timer4";
    if (o.checked("TickTimer5Chk")) return "Timer5";
    return "Timer3";
}

} // namespace pramlet
