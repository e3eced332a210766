// Saves pictures of the listing window with a generated program: light and dark palette, the
// second with the search bar open. Run under a real X server:
//   xvfb-run -a build/tools/pramlet-listing-screenshot mega128 docs/screenshots

#include "app/cli/Cli.h"
#include "ui/ListForm.h"
#include "ui/ListingEditor.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>
#include <QTextBlock>

#include <cstdio>
#include <sstream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: pramlet-listing-screenshot CONTROLLER OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir);

    const std::string devices = QApplication::applicationDirPath().toStdString() + "/../bin";
    std::ostringstream out, err;
    const int status = pramlet::runCli({"--devices", devices, "--device", argv[1], "--app",
                                        "Blinky", "--set", "BootBlockChk=true"},
                                       out, err);
    if (status != 0) {
        std::fprintf(stderr, "%s", err.str().c_str());
        return status;
    }

    for (const bool dark : {false, true}) {
        QPalette palette = QApplication::style()->standardPalette();
        if (dark) {
            palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
            palette.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
            palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
            palette.setColor(QPalette::AlternateBase, QColor(0x2b, 0x2b, 0x2b));
            palette.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
            palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
            palette.setColor(QPalette::ButtonText, QColor(0xe0, 0xe0, 0xe0));
        }
        QApplication::setPalette(palette);
        pramlet::TListForm form;
        form.setWindowTitle("Orvex Pramlet [AVR] [Blinky]");
        form.Liste()->setPlainText(QString::fromStdString(out.str()));
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        if (dark) {
            QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
            auto* bar = form.findChild<pramlet::TListingSearchBar*>("ListingSearch");
            bar->field()->setText("Implementation");
            bar->findNext();
        } else {
            // Scroll to the Define section, where most colours meet.
            QTextCursor c(form.Liste()->document()->findBlockByNumber(20));
            form.Liste()->setTextCursor(c);
        }
        QTest::qWait(300);
        const QString file = outDir + (dark ? "/listing-dark.png" : "/listing.png");
        form.grab().save(file);
        std::printf("%s\n", file.toLocal8Bit().constData());
    }
    return 0;
}
