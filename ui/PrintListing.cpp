#include "ui/PrintListing.h"

#include "ui/ListingFont.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace pramlet {

int printListing(QPrinter& printer, const std::vector<std::string>& lines, QString& error) {
    const QPageLayout::Orientation remembered = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName("Pramlet listing");

    int pages = 0;
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "The printer could not start the print job.";
        printer.setPageOrientation(remembered);
        return -1;
    }
    const QFont font = listingFont(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = painter.viewport().height();
    int y = 0;
    pages = 1;
    for (const auto& line : lines) {
        if (y + lineHeight > pageHeight && y > 0) {
            printer.newPage();
            ++pages;
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), QString("   ") + QString::fromStdString(line));
        y += lineHeight;
    }
    painter.end();
    printer.setPageOrientation(remembered);
    return pages;
}

} // namespace pramlet
