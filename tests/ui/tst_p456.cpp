// The soft driver pages in the real window, offscreen: the widgets follow the page rules,
// the graphic LCD sizes are checked on leaving their fields, the switch masks drop what
// they do not take.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace pramlet;

class TestSoftDriverPages : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickOn(QAbstractButton* b) { test::clickOn(b); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    void selectController(int tab, const QString& name) {
        test::chooseController(*window, tab, name);
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // Types into a field and leaves it with Tab, as a user does.
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
    // A choice chosen as the mouse would choose it.
    void choose(const char* name, const QString& item) {
        auto* combo = widget<QComboBox>(name);
        const int index = combo->findText(item);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QStringList items(const char* name) {
        QStringList out;
        auto* combo = widget<QComboBox>(name);
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(PRAMLET_TEST_DATA "/p456/", {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        selectController(2, "p456few");
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    void choosingAnLCDPortEnablesItsOptions() {
        goToPage(4);
        const char* lcdOptions[] = {"LCDrowSel", "LCDcolSel", "LCD44780", "LCD66712",
                                    "LCD0070",   "LCD0073",   "LCD2Ena"};
        for (const char* n : lcdOptions)
            QVERIFY2(!widget<QWidget>(n)->isEnabled(), n);
        QVERIFY(!widget<QRadioButton>("LCDfChk")->isEnabled()); // no direction register
        clickOn(widget<QRadioButton>("LCDgChk"));
        QCOMPARE(project->derived().LCDport, PortG);
        for (const char* n : lcdOptions)
            QVERIFY2(widget<QWidget>(n)->isEnabled(), n);
        choose("LCDrowSel", "4");
        QCOMPARE(project->derived().LCDrows, 4);
        clickOn(widget<QRadioButton>("LCDnoneChk"));
        for (const char* n : lcdOptions)
            QVERIFY2(!widget<QWidget>(n)->isEnabled(), n);
        QCOMPARE(project->derived().LCDrows, 0);
    }

    void noSystemTickDisablesSwitchesDisplayAndKeyboards() {
        goToPage(4);
        clickOn(widget<QRadioButton>("SwitchP1Bchk"));
        QVERIFY(widget<QLineEdit>("SwPort1MaskFld")->isEnabled());
        goToPage(5);
        // No keyboard: the row and column groups hold no chosen member.
        QVERIFY(!widget<QRadioButton>("KeybRAchk")->isChecked());
        QVERIFY(!widget<QRadioButton>("KeybCAchk")->isChecked());
        clickOn(widget<QCheckBox>("KeyBoard4Chk"));
        QVERIFY(widget<QRadioButton>("KeybRBchk")->isEnabled());
        goToPage(0);
        typeAndLeave(widget<TVelSpinEdit>("SysTickSpin"), "0");
        QCOMPARE(project->derived().SysTick, 0);
        goToPage(4);
        QVERIFY(widget<QRadioButton>("SwitchP1noneChk")->isChecked());
        QVERIFY(!widget<QRadioButton>("SwitchP1Bchk")->isEnabled());
        QVERIFY(!widget<QRadioButton>("SwitchP2Dchk")->isEnabled());
        QVERIFY(!widget<QLineEdit>("SwPort1MaskFld")->isEnabled());
        QVERIFY(!widget<QLineEdit>("SwPort2PolFld")->isEnabled());
        goToPage(5);
        QVERIFY(!widget<QCheckBox>("KeyBoard4Chk")->isChecked());
        QVERIFY(!widget<QCheckBox>("KeyBoard4Chk")->isEnabled());
        QVERIFY(!widget<QCheckBox>("KeyBoard8Chk")->isEnabled());
        QVERIFY(!widget<QRadioButton>("KeybRBchk")->isEnabled());
        QVERIFY(widget<QRadioButton>("Disp7noneChk")->isChecked());
        QVERIFY(!widget<QRadioButton>("Disp7bChk")->isEnabled());
        QVERIFY(!widget<QWidget>("Disp7SizeSpin")->isEnabled());
    }

    void refilledListsShowTheControllersPorts() {
        goToPage(4);
        QCOMPARE(items("IncPortSpin"), (QStringList{"PinB", "PinD", "PinF"}));
        QVERIFY(!widget<QComboBox>("IncPortSpin")->isEnabled());
        choose("IncCountSpin", "16 Bits");
        QVERIFY(widget<QComboBox>("IncPortSpin")->isEnabled());
        QVERIFY(widget<QListWidget>("CheckListBoxincrEncBits")->isEnabled());
        goToPage(6);
        QCOMPARE(items("LanSciSpin"), (QStringList{"None", "SerPort"}));
        QCOMPARE(items("ComboBoxSound"), (QStringList{"none", "PortB", "PortD", "PortE"}));
        QVERIFY(!widget<QWidget>("SoundBitSpin")->isEnabled());
        choose("ComboBoxSound", "PortD");
        QVERIFY(widget<QWidget>("SoundBitSpin")->isEnabled());
        choose("LanSciSpin", "SerPort");
        QCOMPARE(items("ComboBoxLANPort"), (QStringList{"PortB", "PortD", "PortE"}));
        QVERIFY(widget<QWidget>("LANbaudSpin")->isEnabled());
    }

    void encoderPinsChooseThePhaseCount() {
        goToPage(4);
        choose("IncCountSpin", "32 Bits");
        auto* list = widget<QListWidget>("CheckListBoxincrEncBits");
        for (int pin : {1, 2, 3}) {
            list->item(pin)->setCheckState(Qt::Checked);
            if (pin == 2) QVERIFY(widget<QRadioButton>("Incr2chanChk")->isChecked());
        }
        QVERIFY(widget<QRadioButton>("Incr3chanChk")->isChecked());
        QVERIFY(!widget<QRadioButton>("Incr3chanChk")->isEnabled());
        QCOMPARE(int(project->derived().fIncChannelBits), 0x0E);
    }

    void graphicsSizeIsCheckedOnLeavingTheField() {
        goToPage(6);
        auto* x = widget<QLineEdit>("GraphXEdit");
        QVERIFY(!x->isEnabled());
        clickOn(widget<QCheckBox>("LCDgraphChk"));
        QVERIFY(x->isEnabled());
        QVERIFY(widget<QCheckBox>("PixFontChk")->isEnabled());
        dialogs->entries.clear();
        x->setFocus();
        x->selectAll();
        QTest::keyClicks(x, "700");
        QVERIFY(dialogs->entries.empty()); // typing shows nothing yet
        QTest::keyClick(x, Qt::Key_Tab);
        QCOMPARE(dialogs->entries.size(), size_t(1));
        QCOMPARE(dialogs->entries[0].kind, std::string("error"));
        QCOMPARE(dialogs->entries[0].text,
                 std::string("LCD Graphics\rX-Size not in range of 16..640"));
        QCOMPARE(dialogs->entries[0].button, std::string("OK"));
        QCOMPARE(x->text(), QString("700")); // the value stays
        dialogs->entries.clear();
        typeAndLeave(widget<QLineEdit>("GraphYEdit"), "8");
        QCOMPARE(dialogs->entries.size(), size_t(1));
        QCOMPARE(dialogs->entries[0].text,
                 std::string("LCD Graphics\rY-Size not in range of 16..640"));
        dialogs->entries.clear();
        typeAndLeave(x, "320");
        QVERIFY(dialogs->entries.empty());
        clickOn(widget<QCheckBox>("LCDgraphChk"));
        QVERIFY(!x->isEnabled());
    }

    void switchMaskDropsWhatItDoesNotTake() {
        goToPage(4);
        clickOn(widget<QRadioButton>("SwitchP1Dchk"));
        auto* mask = widget<QLineEdit>("SwPort1MaskFld");
        QVERIFY(mask->isEnabled());
        mask->setFocus();
        mask->selectAll();
        QTest::keyClicks(mask, "a");
        QCOMPARE(mask->text(), QString("$00")); // the lower-case letter is dropped
        QCOMPARE(project->opts().text("SwPort1MaskFld"), std::string("$00"));
        QTest::keyClicks(mask, "1fgF");
        QCOMPARE(mask->text(), QString("$1F"));
        QCOMPARE(project->opts().text("SwPort1MaskFld"), std::string("$1F"));
        QTest::keyClick(mask, Qt::Key_Tab);
        QCOMPARE(project->opts().text("SwPort1MaskFld"), std::string("$1F"));
        // Pasting lower case changes nothing either.
        auto* pol = widget<QLineEdit>("SwPort1PolFld");
        pol->setFocus();
        pol->selectAll();
        QApplication::clipboard()->setText("ab");
        QTest::keyClick(pol, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(project->opts().text("SwPort1PolFld"), std::string("$00"));
        QApplication::clipboard()->setText("C3");
        pol->selectAll();
        QTest::keyClick(pol, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pol->text(), QString("$C3"));
        QCOMPARE(project->opts().text("SwPort1PolFld"), std::string("$C3"));
    }
};

QTEST_MAIN(TestSoftDriverPages)
#include "tst_p456.moc"
