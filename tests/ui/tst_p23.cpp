// The on-chip driver pages in the real window, offscreen: the serial port boxes follow the
// controller, refilled lists show its ports, the system tick decides the LEDs and the ADC.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace pramlet;

class TestOnChipPages : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    bool enabled(const char* name) { return widget<QWidget>(name)->isEnabled(); }
    QStringList items(const char* name) {
        QStringList out;
        auto* c = widget<QComboBox>(name);
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
    void click(const char* name) {
        QTest::mouseClick(widget<QAbstractButton>(name), Qt::LeftButton);
    }
    void clickOn(const char* name) { test::clickOn(widget<QAbstractButton>(name)); }
    void selectController(const QString& name) {
        goToPage(0);
        test::chooseController(*window, 2, name); // MEGA
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // Types into a number field key by key; `leave` ends the edit with Return.
    void type(const char* name, const QString& text, bool leave = true) {
        auto* spin = widget<TVelSpinEdit>(name);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, text);
        if (leave) QTest::keyClick(spin, Qt::Key_Return);
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(PRAMLET_TEST_DATA "/p23/", {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    void serialPortBoxesFollowTheController() {
        selectController("p23mid"); // two serial ports
        goToPage(2);
        QCOMPARE(window->pages()->currentIndex(), 2);
        QVERIFY(enabled("Baud1Spin"));
        QVERIFY(enabled("Baud2Spin"));
        for (const char* n : {"Baud3Spin", "RxBuf3Spin", "TxBuf3Spin", "SerForm3Spin",
                              "DTR3PortSpin", "Rx3iDatChk", "Tx3xDatChk", "Baud4Spin"})
            QVERIFY2(!enabled(n), n);
        goToPage(3);
        QVERIFY(!enabled("SlipChk3"));
        QVERIFY(enabled("SlipChk2"));

        selectController("p23quad");
        goToPage(2);
        QVERIFY(enabled("Baud3Spin"));
        QVERIFY(enabled("Baud4Spin"));
        QVERIFY(!enabled("RxBuf3Spin"));
    }

    void typedBaudRateOpensThePortAtOnce() {
        selectController("p23quad");
        goToPage(2);
        type("Baud3Spin", "19200", false); // still in the field
        QVERIFY(enabled("RxBuf3Spin"));
        QVERIFY(enabled("DTR3PortSpin"));
        QCOMPARE(project->derived().SerBaud[2], 19200);
        QVERIFY(!enabled("DTR3BitSpin"));
        auto* dtr = widget<QComboBox>("DTR3PortSpin");
        dtr->setCurrentIndex(2);
        emit dtr->activated(2);
        QVERIFY(enabled("DTR3BitSpin"));
        QVERIFY(enabled("DTR3enaChk"));
    }

    void refilledListsShowTheControllersPorts() {
        selectController("p23mid");
        QCOMPARE(items("LEDportSpin0"), (QStringList{"none", "PortA", "PortB", "PortC", "PortD"}));
        QCOMPARE(items("DDS10portSpin"), (QStringList{"SPI", "PortA", "PortB", "PortC", "PortD"}));
        QCOMPARE(items("WiegandIntSpin"), (QStringList{"INT0", "INT1"}));
        goToPage(2);
        type("Baud1Spin", "9600");
        QCOMPARE(items("DTR1PortSpin"), (QStringList{"No DTR", "PinA", "PinB", "PinC", "PinD"}));

        selectController("p23small");
        QCOMPARE(items("LEDportSpin7"), (QStringList{"none", "PortB", "PortD"}));
        QCOMPARE(items("IncrP4PortSpin"), (QStringList{"PortB", "PortD"}));
        QVERIFY(items("WiegandIntSpin").isEmpty());
        goToPage(2);
        QCOMPARE(items("DTR1PortSpin"), (QStringList{"No DTR", "PinB", "PinD"}));
        goToPage(3);
        QVERIFY(!enabled("WiegandChk"));
    }

    void systemTickZeroDisablesLedsAndAdc() {
        selectController("p23quad");
        goToPage(3);
        auto* led = widget<QComboBox>("LEDportSpin2");
        led->setCurrentIndex(1);
        emit led->activated(1);
        QVERIFY(enabled("LEDbitSpin2"));
        QVERIFY(!enabled("LEDbitSpin3"));
        QVERIFY(enabled("ADCspin"));
        QVERIFY(enabled("LedTimeSpin"));

        goToPage(0);
        type("SysTickSpin", "0");
        goToPage(3);
        for (const char* n :
             {"LEDportSpin0", "LEDportSpin2", "LEDbitSpin2", "LedLowChk2", "LedTimeSpin",
              "BlinkMsgChk", "ADCspin", "ADCprescSpin", "ADCintChk", "ADCiDatChk"})
            QVERIFY2(!enabled(n), n);
        QCOMPARE(widget<QComboBox>("LEDportSpin2")->currentText(), QString("PortA"));

        dialogs->entries.clear();
        clickOn("WiegandChk");
        QVERIFY(widget<QAbstractButton>("WiegandChk")->isChecked());
        QCOMPARE(dialogs->entries.size(), size_t(2));
        QCOMPARE(dialogs->entries[0].kind, std::string("beep"));
        QCOMPARE(dialogs->entries[1].text, std::string("Wiegand Driver needs the SysTick import"));
        QCOMPARE(dialogs->entries[1].button, std::string("Cancel"));

        goToPage(0);
        type("SysTickSpin", "10");
        goToPage(3);
        QVERIFY(enabled("LEDportSpin0"));
        QVERIFY(enabled("LEDbitSpin2"));
        QVERIFY(enabled("ADCspin"));
    }

    void summaryFieldsShowTextAndUse() {
        selectController("p23quad");
        goToPage(2);
        type("Baud1Spin", "9600");
        goToPage(15);
        auto base = [&](const char* name) {
            return widget<QLineEdit>(name)->palette().color(QPalette::Base);
        };
        QCOMPARE(widget<QLineEdit>("SerPort1Pan")->text(), QString("9600Bd"));
        QCOMPARE(base("SerPort1Pan"), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(widget<QLineEdit>("SerPort2Pan")->text(), QString("none"));
        QCOMPARE(base("SerPort2Pan"), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(widget<QLineEdit>("CPUpan")->text(), QString("p23quad"));

        goToPage(2);
        type("Baud1Spin", "0");
        goToPage(15);
        QCOMPARE(widget<QLineEdit>("SerPort1Pan")->text(), QString("none"));
        QCOMPARE(base("SerPort1Pan"), QColor(0xC0, 0xC0, 0xC0));
    }
};

QTEST_MAIN(TestOnChipPages)
#include "tst_p23.moc"
