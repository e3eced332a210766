// The special driver pages in the real window, offscreen: the UART SPI boxes follow the
// controller, refilled lists show its ports, and the dependency checks answer a click.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace pramlet;

class TestSpecialPages : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickOn(QAbstractButton* b) { test::clickOn(b); }
    void selectController(const QString& name) {
        goToPage(0);
        test::chooseController(*window, name.startsWith("tiny") ? 0 : 2, name);
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    static QStringList items(QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(PRAMLET_TEST_DATA "/p710/", {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    void uartSpiBoxesFollowTheController() {
        selectController("mega710f");
        goToPage(8);
        for (const char* g : {"MSPIgroup0", "MSPIgroup1", "MSPIgroup2"})
            QVERIFY2(widget<QGroupBox>(g)->isVisible(), g);
        auto* chk = widget<QCheckBox>("MSPIchk0");
        QVERIFY(!widget<QCheckBox>("MSPImsb0")->isEnabled());
        clickOn(chk);
        QVERIFY(project->opts().checked("MSPIchk0"));
        QVERIFY(widget<QCheckBox>("MSPImsb0")->isEnabled());

        selectController("mega710t4"); // the second driver only
        goToPage(8);
        QVERIFY(!widget<QGroupBox>("MSPIgroup0")->isVisible());
        QVERIFY(widget<QGroupBox>("MSPIgroup1")->isVisible());
        QVERIFY(!widget<QGroupBox>("MSPIgroup2")->isVisible());
        QVERIFY(!chk->isChecked());
    }

    void refilledListsShowTheControllersPorts() {
        selectController("mega710f");
        goToPage(9);
        auto* expander = widget<QComboBox>("ComboBoxIOExpander");
        QCOMPARE(items(expander),
                 (QStringList{"None", "PortA", "PortB", "PortC", "PortD", "PortE", "PortG"}));
        QCOMPARE(
            items(widget<QComboBox>("ComboBoxServoPort")),
            (QStringList{"none", "PortA", "PortB", "PortC", "PortD", "PortE", "PortG", "PortH"}));
        QVERIFY(!widget<QWidget>("IOexpStartSpin")->isEnabled());
        expander->setCurrentIndex(2);
        emit expander->activated(2);
        QCOMPARE(project->opts().text("ComboBoxIOExpander"), std::string("PortB"));
        QVERIFY(widget<QWidget>("IOexpStartSpin")->isEnabled());

        selectController("tiny710");
        goToPage(10);
        QCOMPARE(items(widget<QComboBox>("ComboBoxSHA11Clock")), (QStringList{"PortB", "PortD"}));
        QCOMPARE(items(widget<QComboBox>("ComboBoxSHA11Data")), (QStringList{"PortB"}));
    }

    void dependencyMessageOnClick() {
        selectController("mega710t3");
        goToPage(9);
        dialogs->entries.clear();
        auto* box = widget<QCheckBox>("I2CexpChk");
        clickOn(box);
        QVERIFY(!box->isChecked());
        QCOMPARE(dialogs->entries.size(), size_t(2));
        QCOMPARE(dialogs->entries[0].kind, std::string("beep"));
        QCOMPARE(dialogs->entries[1].kind, std::string("error"));
        QCOMPARE(dialogs->entries[1].button, std::string("Cancel"));
        QCOMPARE(dialogs->entries[1].text,
                 std::string("I2Cexpander needs either\r\n    I2Cport import\r\n"
                             "or TWImaster import\r\nor TWInetMaster import\r\n"
                             "or TWInetMasterSlave import"));
        QVERIFY(!widget<QCheckBox>("Port0chk")->isEnabled());

        // With a TWI master the tick stays and the expander's ports open.
        while (project->page() > 8)
            QTest::mouseClick(widget<QPushButton>("PrevBtn"), Qt::LeftButton);
        clickOn(widget<QRadioButton>("TWImasterChk"));
        goToPage(9);
        dialogs->entries.clear();
        clickOn(box);
        QVERIFY(box->isChecked());
        QVERIFY(dialogs->entries.empty());
        QVERIFY(widget<QCheckBox>("Port0chk")->isEnabled());
    }

    void sevenSegmentLimitShowsInTheFields() {
        selectController("mega710t3");
        goToPage(8);
        clickOn(widget<QRadioButton>("TWImasterChk"));
        goToPage(9);
        clickOn(widget<QCheckBox>("I2C_7segChk"));
        QVERIFY(!widget<QWidget>("I2C_7segSpin3")->isEnabled());
        project->userType("I2C_7segSpin2", "6");
        project->userLeave("I2C_7segSpin2");
        QVERIFY(widget<QWidget>("I2C_7segSpin3")->isEnabled());
        project->userType("I2C_7segSpin3", "4");
        project->userLeave("I2C_7segSpin3");
        QCOMPARE(project->opts().value("I2C_7segSpin3"), 2);
        QCOMPARE(widget<TVelSpinEdit>("I2C_7segSpin3")->Text(), QString("2"));
        QVERIFY(!widget<QWidget>("I2C_7segSpin4")->isEnabled());
    }
};

QTEST_MAIN(TestSpecialPages)
#include "tests/support/RecordingDialogs.h"
#include "tst_p710.moc"
