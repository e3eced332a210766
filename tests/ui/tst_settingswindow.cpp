// Settings files in the real window, offscreen: Ctrl+S saves the choices, Ctrl+O (or the
// output page's button) loads them into a fresh window, which ends on the output page with
// every choice shown; what the controller cannot take is listed in one message; a file that
// cannot be used leaves the window's project as it was; a cancelled chooser does nothing.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "config/SettingsFile.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace pramlet;

namespace {

// One window over its own project and recorded dialogs.
struct Wizard {
    RecordingDialogs dialogs;
    Project project{dialogs};
    std::unique_ptr<MainWindow> window;
    std::vector<bool> asked; // the chooser's `save` argument, call by call
    std::optional<QString> answer;

    Wizard() {
        project.start(PRAMLET_TEST_DATA "/config/", {});
        window = std::make_unique<MainWindow>(project);
        window->settingsFileChooser = [this](bool save) {
            asked.push_back(save);
            return answer;
        };
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the window is not shown");
    }
    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    void selectController(const QString& name) { test::chooseController(*window, name); }
    void goToPage(int page) { test::goToPage(*window, project, page); }
    void typeAndLeave(QWidget* w, const QString& text) {
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
    void key(Qt::Key k) { QTest::keyClick(window.get(), k, Qt::ControlModifier); }
};

QString readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

void writeAll(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    f.write(text);
}

const char* const kSaved = "# pramlet settings 1\ndevice = mega128xr\napp = Blinky\n"
                           "FreqSpin = 12000\nBootBlockChk = true\n";

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT

  private slots:
    void saveWithCtrlSAndLoadWithCtrlOIntoAFreshWindow() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/blinky"; // the extension is added
        {
            Wizard w;
            w.selectController("mega128xr");
            w.goToPage(1);
            w.typeAndLeave(w.widget<QWidget>("FreqSpin"), "12000");
            QTest::mouseClick(w.widget<QCheckBox>("BootBlockChk"), Qt::LeftButton, {},
                              QPoint(8, 8));
            QVERIFY(w.project.opts().checked("BootBlockChk"));
            w.goToPage(kPageCount - 1);
            w.typeAndLeave(w.widget<QLineEdit>("AppNameEdit"), "Blinky");
            w.answer = path;
            w.key(Qt::Key_S);
            QCOMPARE(w.asked, std::vector<bool>{true});
            QCOMPARE(readAll(path + ".pramlet"), QString(kSaved));
            QCOMPARE(w.window->statusPanel(0)->text(),
                     "Settings stored in " + QFileInfo(path + ".pramlet").absoluteFilePath());
            QVERIFY(w.dialogs.entries.empty());
        }
        Wizard fresh;
        fresh.answer = path + ".pramlet";
        fresh.key(Qt::Key_O);
        QCOMPARE(fresh.asked, std::vector<bool>{false});
        QVERIFY(fresh.dialogs.entries.empty());
        QCOMPARE(fresh.project.page(), kPageCount - 1);
        QCOMPARE(fresh.window->pages()->currentIndex(), kPageCount - 1);
        QCOMPARE(fresh.widget<QLineEdit>("AppNameEdit")->text(), QString("Blinky"));
        QCOMPARE(QString::fromStdString(FormatSettings(fresh.project).text), QString(kSaved));
        QVERIFY(fresh.window->windowTitle().contains("mega128xr", Qt::CaseInsensitive));
        // The pages show what was loaded.
        fresh.goToPage(1);
        QCOMPARE(fresh.widget<TVelSpinEdit>("FreqSpin")->text(), QString("12000"));
        QVERIFY(fresh.widget<QCheckBox>("BootBlockChk")->isChecked());
    }

    void theOutputPageButtonsAndACancelledChooser() {
        QTemporaryDir dir;
        Wizard w;
        w.selectController("mega16x");
        w.goToPage(kPageCount - 1);
        w.answer = std::nullopt; // the user cancels
        w.clickButton("SaveSettingsBtn");
        w.clickButton("LoadSettingsBtn");
        QCOMPARE(w.asked, (std::vector<bool>{true, false}));
        QVERIFY(w.dialogs.entries.empty());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        w.answer = dir.path() + "/x.pramlet";
        w.clickButton("SaveSettingsBtn");
        QVERIFY(QFile::exists(dir.path() + "/x.pramlet"));
    }

    void skippedSettingsAreListedInOneMessage() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/s.pramlet";
        writeAll(path, "# pramlet settings 1\ndevice = mega16x\napp = Blinky\n"
                       "FreqSpin = 8000\nBaud3Spin = 19200\n");
        Wizard w;
        w.answer = path;
        w.key(Qt::Key_O);
        QCOMPARE(w.dialogs.entries.size(), size_t(1));
        QCOMPARE(w.dialogs.entries[0].kind, std::string("warning"));
        QCOMPARE(QString::fromStdString(w.dialogs.entries[0].text),
                 "Settings of \"" + path +
                     "\" loaded; the controller cannot take this one, which was skipped:"
                     "\rline 5: Baud3Spin = 19200: option Baud3Spin is disabled");
        QCOMPARE(w.project.opts().text("FreqSpin"), std::string("8000"));
        QCOMPARE(w.project.page(), kPageCount - 1);
        QCOMPARE(w.window->statusPanel(0)->text(),
                 "Settings loaded from " + QFileInfo(path).absoluteFilePath());
    }

    void aFileThatCannotBeUsedLeavesTheProjectAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.path() + "/bad.pramlet";
        writeAll(path, "# pramlet settings 1\ndevice = mega99\napp = Blinky\nFreqSpin = 8000\n");
        Wizard w;
        w.selectController("mega128xr");
        w.goToPage(1);
        w.typeAndLeave(w.widget<QWidget>("FreqSpin"), "12000");
        const std::string before = FormatSettings(w.project).text;
        w.dialogs.entries.clear();
        w.answer = path;
        w.key(Qt::Key_O);
        QCOMPARE(w.dialogs.entries.size(), size_t(1));
        QCOMPARE(QString::fromStdString(w.dialogs.entries[0].text),
                 path + ":2: unknown device mega99");
        QCOMPARE(FormatSettings(w.project).text, before);
        QCOMPARE(w.project.page(), 1);
        QCOMPARE(w.widget<TVelSpinEdit>("FreqSpin")->text(), QString("12000"));
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
