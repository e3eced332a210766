#pragma once
// The font of the listing: "Courier New", or the desktop's fixed font where it is missing.

#include <QFont>

namespace pramlet {

QFont listingFont(int pointSize);

// True when every character takes the same width (the listing's columns line up).
bool isMonospaced(const QFont& font);

} // namespace pramlet
