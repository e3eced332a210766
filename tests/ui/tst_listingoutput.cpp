// The listing window and printing of the listing.

#include "ui/ListForm.h"
#include "ui/ListingFont.h"
#include "ui/PrintListing.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pramlet;

class TestListingOutput : public QObject {
    Q_OBJECT

  private slots:
    void listFormShowsTheLastBuildsNameAndKeepsEdits() {
        TListForm form;
        QCOMPARE(form.windowTitle(), QString("Orvex Pramlet [AVR] []"));
        QCOMPARE(form.size(), QSize(754, 638));
        QCOMPARE(form.Liste()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(isMonospaced(form.Liste()->font()));

        QTimer::singleShot(0, [&] {
            QCOMPARE(form.windowTitle(), QString("Orvex Pramlet [AVR] [Blinky]"));
            form.Liste()->setPlainText("program Blinky;\n  x\n");
            form.close();
        });
        auto lines = form.showListing({"program Blinky;", "", "end Blinky.", ""}, "Blinky");
        QCOMPARE(lines, (std::vector<std::string>{"program Blinky;", "  x", ""}));

        // Reopening with the same listing keeps what was typed.
        QTimer::singleShot(0, [&] { form.close(); });
        lines = form.showListing(lines, "Blinky");
        QCOMPARE(lines, (std::vector<std::string>{"program Blinky;", "  x", ""}));
    }

    void printingRestoresTheOrientationAndBreaksPages() {
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("short.pdf"));
        printer.setPageOrientation(QPageLayout::Landscape);
        QString error;
        QCOMPARE(printListing(printer, {"program Demo;", "", "end Demo."}, error), 1);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);

        std::vector<std::string> many(400, "  x:= x + 1;");
        QPrinter longPrinter;
        longPrinter.setOutputFormat(QPrinter::PdfFormat);
        longPrinter.setOutputFileName(dir.filePath("long.pdf"));
        const int pages = printListing(longPrinter, many, error);
        QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
        QCOMPARE(longPrinter.pageLayout().orientation(), QPageLayout::Portrait);
        QFile pdf(dir.filePath("long.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), pages);
    }
};

QTEST_MAIN(TestListingOutput)
#include "tst_listingoutput.moc"
