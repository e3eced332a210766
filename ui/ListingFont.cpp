#include "ui/ListingFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace pramlet {

QFont listingFont(int pointSize) {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize);
    if (QFontInfo(font).family() != "Courier New" || !isMonospaced(font)) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(pointSize);
    }
    return font;
}

bool isMonospaced(const QFont& font) {
    const QFontMetrics m(font);
    return m.horizontalAdvance("iiiiiiii") == m.horizontalAdvance("WWWWWWWW");
}

} // namespace pramlet
