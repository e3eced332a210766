// The preview window in the real window, offscreen: it opens with F5 from any page and with
// its button, follows the user's changes with the same text pramlet-cli writes, keeps the
// view on its line, writes a burst of changes once, stops while closed, and never builds:
// the built flag, the stored listing and the dialogs stay untouched.

#include "components/widgets/VelGeneralGrid.h"
#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "generator/BuildApp.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/FramePortWidget.h"
#include "ui/ListingEditor.h"
#include "ui/ListingHighlighter.h"
#include "ui/MainWindow.h"
#include "ui/PreviewWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using namespace pramlet;

// The preview's text against the expected one, naming the first line that differs.
#define COMPARE_TEXT(actual, expected)                                                             \
    do {                                                                                           \
        const QString a_ = (actual), e_ = (expected);                                              \
        QVERIFY2(a_ == e_, firstDifference(a_, e_).constData());                                   \
    } while (false)

class TestPreview : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;
    QString devices;

    void start(const QString& dir) {
        cleanup();
        devices = dir;
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(dir.toStdString() + "/", {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickOn(QAbstractButton* b) { test::clickOn(b); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    void selectController(const QString& name) { test::chooseController(*window, name); }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // The user goes back to the wizard (the offscreen platform activates every window shown).
    void backToTheWizard() {
        window->activateWindow();
        // The preview is the wizard's own window, which counts as active with it.
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }))
            qFatal("the wizard is not active");
    }
    void typeAndLeave(QWidget* w, const QString& text) {
        backToTheWizard();
        w->setFocus();
        if (auto* spin = qobject_cast<TVelSpinEdit*>(w)) {
            spin->selectAll();
            QTest::keyClicks(spin, text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        QTest::keyClick(w, Qt::Key_Tab);
    }
    // F5 on the wizard window, with the pending changes written.
    PreviewWindow* pressF5() {
        backToTheWizard();
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTest::qWait(20);
        backToTheWizard();
        return window->preview();
    }
    // What pramlet-cli prints for the same controller and settings (exit status in `status`).
    QString cli(const QString& device, const QStringList& sets, int* status = nullptr) {
        QStringList args = {"--devices", devices, "--device", device};
        for (const QString& s : sets)
            args << "--set" << s;
        QProcess run;
        run.start(PRAMLET_BIN_DIR "/pramlet-cli", args);
        if (!run.waitForFinished(20000)) qFatal("pramlet-cli did not end");
        if (status) *status = run.exitCode();
        return QString::fromUtf8(run.readAllStandardOutput());
    }
    // The first line where two texts differ, for a failure message.
    static QByteArray firstDifference(const QString& actual, const QString& expected) {
        const QStringList a = actual.split('\n'), e = expected.split('\n');
        for (int i = 0; i < std::max(a.size(), e.size()); ++i) {
            const QString x = i < a.size() ? a[i] : "<end>", y = i < e.size() ? e[i] : "<end>";
            if (x != y)
                return QString("line %1: shown \"%2\", expected \"%3\"")
                    .arg(i + 1)
                    .arg(x, y)
                    .toUtf8();
        }
        return "same";
    }
    static QString shown(PreviewWindow* preview) { return preview->editor()->toPlainText() + '\n'; }
    static QString topLine(PreviewWindow* preview) {
        return preview->editor()->cursorForPosition(QPoint(2, 2)).block().text();
    }

  private slots:
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    void followsADriverPageCheckBoxByteForByte() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        goToPage(4);
        PreviewWindow* preview = pressF5();
        QVERIFY(preview && preview->isVisible());
        QVERIFY(!preview->isModal());
        COMPARE_TEXT(shown(preview), cli("p456few", {}));
        // No name yet: the name the batch front end takes, and a note that says so.
        QCOMPARE(preview->note()->text(),
                 QString("specify Application Name! The preview names the program \"Demo\"."));
        QVERIFY(preview->note()->isVisible());
        QCOMPARE(preview->windowTitle(), QString("Orvex Pramlet [AVR] preview [Demo]"));

        clickOn(widget<QRadioButton>("LCDgChk"));
        QApplication::processEvents();
        const QString withLcd = cli("p456few", {"LCDgChk=true"});
        COMPARE_TEXT(shown(preview), withLcd);
        clickOn(widget<QCheckBox>("LCD2Ena"));
        QApplication::processEvents();
        const QString twoEnables = cli("p456few", {"LCDgChk=true", "LCD2Ena=true"});
        QVERIFY(twoEnables != withLcd);
        COMPARE_TEXT(shown(preview), twoEnables);
        clickOn(widget<QCheckBox>("LCD2Ena"));
        QApplication::processEvents();
        COMPARE_TEXT(shown(preview), withLcd);

        // The preview is the listing window's text: numbered, coloured and read-only.
        TListingEditor* editor = preview->editor();
        QVERIFY(editor->isReadOnly());
        QVERIFY(editor->lineNumberArea()->width() > 0);
        const QTextBlock first = editor->document()->firstBlock();
        QCOMPARE(first.text(), QString("program Demo;"));
        const auto formats = first.layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats.front().format.foreground(),
                 editor->highlighter()->format(ListingToken::Keyword).foreground());
        editor->setFocus();
        QTest::keyClicks(editor, "xyz");
        COMPARE_TEXT(shown(preview), withLcd);

        // The name typed on the output page is the program's name from the next letter on.
        goToPage(15);
        typeAndLeave(widget<QLineEdit>("AppNameEdit"), "Blinky");
        QApplication::processEvents();
        QCOMPARE(editor->document()->firstBlock().text(), QString("program Blinky;"));
        QVERIFY(!preview->note()->isVisible());
        QCOMPARE(preview->windowTitle(), QString("Orvex Pramlet [AVR] preview [Blinky]"));
    }

    void followsEveryChangeExactly() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        // Lines come and go at the start, in the middle and at the end of the program; each
        // time the text is exactly what a build would write.
        auto same = [&] {
            QApplication::processEvents();
            const WrittenProgram expected = WriteProgramAhead(*project, "Demo");
            QString text;
            for (size_t i = 0; i < expected.lines.size(); ++i)
                text += (i ? "\n" : "") + QString::fromStdString(expected.lines[i]);
            return preview->editor()->toPlainText() == text && preview->lines() == expected.lines &&
                   preview->editor()->blockCount() == static_cast<int>(expected.lines.size());
        };
        goToPage(1);
        for (const char* box : {"BootBlockChk", "BootBlockChk"}) {
            clickOn(widget<QCheckBox>(box));
            QVERIFY2(same(), box);
        }
        goToPage(4);
        for (const char* radio : {"LCDgChk", "SwitchP1Bchk", "I2CgChk", "LCDnoneChk",
                                  "SwitchP1noneChk", "I2CnoneChk", "SwitchP2Bchk"}) {
            clickOn(widget<QRadioButton>(radio));
            QVERIFY2(same(), radio);
        }
        goToPage(5);
        clickOn(widget<QCheckBox>("KeyBoard4Chk"));
        QVERIFY(same());
        clickOn(widget<QCheckBox>("KeyBoard4Chk"));
        QVERIFY(same());
        // Another controller.
        goToPage(0);
        selectController("p456tiny");
        QVERIFY(same());
    }

    void neverBuildsNorChangesTheStoredListing() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        goToPage(15);
        typeAndLeave(widget<QLineEdit>("AppNameEdit"), "Keep");
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        QVERIFY(!project->built());
        QVERIFY(project->listing().empty());
        QVERIFY(!widget<QPushButton>("ShowBtn")->isEnabled());
        QVERIFY(!widget<QCheckBox>("LedCheck")->isChecked());

        clickButton("BuildBtn");
        QApplication::processEvents();
        QVERIFY(project->built());
        const std::vector<std::string> stored = project->listing();
        QCOMPARE(preview->lines(), stored);
        const int writes = preview->writes();

        // A change clears the flag as always; the preview follows, the stored listing stays.
        goToPage(4);
        clickOn(widget<QRadioButton>("LCDgChk"));
        QApplication::processEvents();
        QVERIFY(preview->writes() > writes);
        QVERIFY(preview->lines() != stored);
        QVERIFY(!project->built());
        QCOMPARE(project->listing(), stored);
        // Opening it again writes the program again and builds nothing.
        pressF5();
        QVERIFY(!project->built());
        QCOMPARE(project->listing(), stored);
        QVERIFY(dialogs->entries.empty());
    }

    void opensWithF5FromAnyPageAndTheButton() {
        start(PRAMLET_TEST_DATA "/p456");
        // Before any controller: nothing to write, and the note says why.
        PreviewWindow* preview = pressF5();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->note()->text(), QString("Select CPU type first!"));
        QCOMPARE(preview->editor()->toPlainText(), QString());
        QVERIFY(dialogs->entries.empty());
        preview->close();
        QVERIFY(!preview->isVisible());

        selectController("p456few");
        for (int page : {3, 9, 14}) {
            goToPage(page);
            QCOMPARE(pressF5(), preview);
            QVERIFY2(preview->isVisible(), qPrintable(QString::number(page)));
            QVERIFY(preview->editor()->toPlainText().startsWith("program Demo;"));
            preview->close();
        }
        goToPage(15);
        auto* button = widget<QPushButton>("PreviewBtn");
        QCOMPARE(button->text(), QString("preview"));
        QVERIFY(button->isEnabled()); // needs no build
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(preview->isVisible());
        QVERIFY(dialogs->entries.empty());
    }

    void closedItWritesNothingAndABurstIsWrittenOnce() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        goToPage(4);
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        int writes = preview->writes();

        // Several changes in one go (as loading settings makes them): one write.
        project->userChoose("LCDgChk");
        project->userChoose("SwitchP1Bchk");
        project->userChoose("I2CgChk");
        QCOMPARE(preview->writes(), writes);
        QApplication::processEvents();
        QCOMPARE(preview->writes(), writes + 1);
        writes = preview->writes();

        preview->close();
        clickOn(widget<QRadioButton>("LCDnoneChk"));
        QApplication::processEvents();
        QCOMPARE(preview->writes(), writes);
        // Opened again, it shows the state it missed.
        pressF5();
        QCOMPARE(preview->writes(), writes + 1);
        QCOMPARE(preview->lines(), WriteProgramAhead(*project, "Demo").lines);
    }

    void viewStaysOnItsLine() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        goToPage(4);
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        preview->resize(600, 300);
        QApplication::processEvents();
        QScrollBar* bar = preview->editor()->verticalScrollBar();
        const auto& lines = preview->lines();
        const auto at = std::find(lines.begin(), lines.end(), "Implementation");
        QVERIFY(at != lines.end());
        const int line = static_cast<int>(at - lines.begin());
        QVERIFY(line <= bar->maximum());
        bar->setValue(line);
        QCOMPARE(topLine(preview), QString("Implementation"));

        // Lines added above the view: the view moves with its line.
        clickOn(widget<QRadioButton>("LCDgChk"));
        QApplication::processEvents();
        QCOMPARE(topLine(preview), QString("Implementation"));
        QVERIFY(bar->value() > line);
        // And removed again.
        clickOn(widget<QRadioButton>("LCDnoneChk"));
        QApplication::processEvents();
        QCOMPARE(topLine(preview), QString("Implementation"));
        QCOMPARE(bar->value(), line);

        // A change below the view leaves it as it is.
        bar->setValue(0);
        const QString first = topLine(preview);
        clickOn(widget<QRadioButton>("LCDgChk"));
        QApplication::processEvents();
        QCOMPARE(bar->value(), 0);
        QCOMPARE(topLine(preview), first);
    }

    // A build that would warn or end early writes silently for the preview: the note says
    // what the build would say, the text is what it writes (the lines before its end).
    void noDialogFromAPreviewWrite() {
        start(PRAMLET_TEST_DATA "/generator");
        selectController("mega128g");
        goToPage(1);
        clickOn(widget<QCheckBox>("BootBlockChk"));
        typeAndLeave(widget<QWidget>("BootBaudSpin"), "115200");
        dialogs->entries.clear(); // the page's own warning on leaving the field
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        QVERIFY(dialogs->entries.empty());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(preview->note()->text().contains("\nA build warns: Baudrate error"));
        COMPARE_TEXT(shown(preview), cli("mega128g", {"BootBlockChk=true", "BootBaudSpin=115200"}));

        goToPage(0);
        typeAndLeave(widget<QWidget>("RamSpin"), "4096");
        goToPage(5);
        clickOn(widget<QCheckBox>("KeyBoard4Chk"));
        QApplication::processEvents();
        dialogs->entries.clear();
        pressF5();
        QVERIFY(dialogs->entries.empty());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(preview->note()->text(),
                 QString("specify Application Name! The preview names the program \"Demo\".\n"
                         "The build ends early: KeyBoard Row port not defined! Shown are the "
                         "lines written before it."));
        int status = 0;
        COMPARE_TEXT(shown(preview), cli("mega128g",
                                         {"RamSpin=4096", "BootBlockChk=true",
                                          "BootBaudSpin=115200", "KeyBoard4Chk=true"},
                                         &status));
        QCOMPARE(status, 1);
        QVERIFY(!project->built());
    }

    // Port bits reach the program when the frame is left, as in a build; once the port is
    // in use, a click on a bit changes the program at once.
    void followsThePortBits() {
        start(PRAMLET_TEST_DATA "/p456");
        selectController("p456few");
        goToPage(11);
        PreviewWindow* preview = pressF5();
        QVERIFY(preview);
        TVelGeneralGrid* grid = widget<FramePortWidget>("FramePortB")->grid();
        auto click = [&](int row, int col) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, col)).center());
            QApplication::processEvents();
        };
        const std::vector<std::string> before = preview->lines();
        backToTheWizard();
        click(1, 1);
        QCOMPARE(preview->lines(), before);
        QTest::keyClick(grid, Qt::Key_Tab);
        QApplication::processEvents();
        QVERIFY(preview->lines() != before);
        const TFramePort& frame = project->frame(2);
        auto masks = [&] {
            return QString("FramePortB=%1/%2").arg(frame.DDRStatus()).arg(frame.PortStatus());
        };
        COMPARE_TEXT(shown(preview), cli("p456few", {masks()}));

        const std::vector<std::string> used = preview->lines();
        click(2, 1);
        QVERIFY(preview->lines() != used);
        QCOMPARE(preview->lines(), WriteProgramAhead(*project, "Demo").lines);
        QTest::keyClick(grid, Qt::Key_Tab);
        QApplication::processEvents();
        COMPARE_TEXT(shown(preview), cli("p456few", {masks()}));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
