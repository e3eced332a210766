#include "components/widgets/VelSpinEdit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace pramlet;

class TestVelSpinEdit : public QObject {
    Q_OBJECT

  private:
    static QFont Bold() {
        QFont f;
        f.setBold(true);
        f.setItalic(true);
        return f;
    }

  private slots:
    void specialNamesInAnyCase() {
        TVelSpinEdit spin;
        spin.setSpecialValues({"None=-1", "16ms=0"});
        spin.setText("  nOnE ");
        QCOMPARE(spin.Value(), -1);
        QVERIFY(spin.IsValid());
        spin.setValue(0);
        QCOMPARE(spin.Text(), QString("16ms"));
        QCOMPARE(spin.Value(), 0);
        spin.setValue(-1);
        QCOMPARE(spin.Text(), QString("None"));
    }

    void typingNamesOnlyWithTable() {
        TVelSpinEdit spin;
        spin.setText("");
        QTest::keyClicks(&spin, "12a");
        QCOMPARE(spin.Text(), QString("12")); // digits only without a table

        spin.setSpecialValues({"Off=0"});
        spin.setText("");
        QTest::keyClicks(&spin, "oFF");
        QCOMPARE(spin.Text(), QString("oFF"));
        QCOMPARE(spin.Value(), 0);
        QVERIFY(spin.IsValid());
    }

    void errorFontFollowsValidity() {
        TVelSpinEdit spin;
        QFont normal;
        normal.setPointSize(11);
        const QFont error = Bold();
        spin.setNormalFont(&normal);
        spin.setErrorFont(&error);
        QCOMPARE(spin.font(), normal);

        spin.setText("12a");
        QVERIFY(!spin.IsValid());
        QCOMPARE(spin.font(), error);
        QCOMPARE(spin.Value(), 0); // MinValue

        spin.setText("-40");
        QVERIFY(spin.IsValid()); // no range: any integer
        QCOMPARE(spin.font(), normal);

        spin.setText("");
        QVERIFY(!spin.IsValid());
        QCOMPARE(spin.font(), error);

        spin.setRange(1, 15);
        spin.setText("0");
        QVERIFY(!spin.IsValid());
        spin.setText("15");
        QVERIFY(spin.IsValid());

        spin.setRange(-1, 0); // only 0..0 means no range
        spin.setText("1");
        QVERIFY(!spin.IsValid());
        spin.setText("-1");
        QVERIFY(spin.IsValid());
    }

    void fontSwitchesAfterChangeNotification() {
        TVelSpinEdit spin;
        const QFont error = Bold();
        spin.setErrorFont(&error);
        QList<bool> errorFontAtNotification;
        connect(&spin, &TVelSpinEdit::valueTextChanged, this,
                [&] { errorFontAtNotification << (spin.font() == error); });
        spin.setText("x1");
        spin.setText("5");
        QCOMPARE(errorFontAtNotification, (QList<bool>{false, true}));
        QVERIFY(spin.font() != error);
    }

    void nullFontCopiesCurrentFont() {
        TVelSpinEdit spin;
        QFont current;
        current.setPointSize(17);
        spin.setFont(current);
        spin.setErrorFont(nullptr);
        QCOMPARE(spin.ErrorFont().pointSize(), 17);
    }

    void writingClampsUnlessBoundsEqual() {
        TVelSpinEdit spin;
        spin.setRange(1, 15);
        spin.setValue(20);
        QCOMPARE(spin.Text(), QString("15"));
        spin.setRange(0, 0);
        spin.setValue(20);
        QCOMPARE(spin.Text(), QString("20"));
        spin.setValue(-2000000);
        QCOMPARE(spin.Text(), QString("-2000000"));
        QCOMPARE(spin.Value(), -2000000);
        spin.setRange(5, 5);
        spin.setValue(9);
        QCOMPARE(spin.Text(), QString("9"));
        QVERIFY(!spin.IsValid());
    }

    void invalidTextSurvivesLeavingTheField() {
        TVelSpinEdit spin;
        spin.setRange(1, 15);
        spin.setValue(7);
        QSignalSpy finished(&spin, &QAbstractSpinBox::editingFinished);
        spin.setText("0");
        QTest::keyClick(&spin, Qt::Key_Return);
        QCOMPARE(spin.Text(), QString("0"));
        QCOMPARE(spin.Value(), 0); // reading does not clamp
        QVERIFY(!spin.IsValid());
        QCOMPARE(finished.count(), 1);

        spin.setText("12a");
        QTest::keyClick(&spin, Qt::Key_Return);
        QCOMPARE(spin.Text(), QString("12a"));
    }

    void invalidTextSurvivesFocusLoss() {
        QWidget window;
        auto* spin = new TVelSpinEdit(&window);
        auto* other = new QSpinBox(&window);
        other->move(0, 40);
        spin->setRange(1, 15);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        QSignalSpy finished(spin, &QAbstractSpinBox::editingFinished);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, "0");
        QCOMPARE(spin->Text(), QString("0"));
        other->setFocus();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(spin->Text(), QString("0"));
        QVERIFY(!spin->IsValid());
    }

    void steppingShowsNames() {
        TVelSpinEdit spin;
        spin.setRange(-1, 10);
        spin.setSpecialValues({"None=-1", "16ms=0"});
        spin.setText("none");
        QSignalSpy changed(&spin, &TVelSpinEdit::valueTextChanged);
        spin.stepBy(1);
        QCOMPARE(spin.Text(), QString("16ms"));
        spin.stepBy(1);
        QCOMPARE(spin.Text(), QString("1"));
        spin.stepBy(-2);
        QCOMPARE(spin.Text(), QString("None"));
        QCOMPARE(changed.count(), 3);
    }

    void invalidTableIsRejected() {
        TVelSpinEdit spin;
        spin.setSpecialValues({"Off=0"});
        try {
            spin.setSpecialValues({"None"});
            QFAIL("no exception");
        } catch (const SpecialValuesError& e) {
            QCOMPARE(QString(e.what()), QString("Invalid String \"None\" in Special values table"));
        }
        try {
            spin.setSpecialValues({"None=x"});
            QFAIL("no exception");
        } catch (const SpecialValuesError& e) {
            QCOMPARE(QString(e.what()),
                     QString("Invalid Value \"x\" in \"None=x\" in Special values table"));
        }
        QCOMPARE(spin.SpecialValues(), QStringList{"Off=0"});
        spin.setText("off"); // the old table still works
        QCOMPARE(spin.Value(), 0);
    }

    void readOnlyHasNoButtons() {
        TVelSpinEdit spin;
        QCOMPARE(spin.buttonSymbols(), QAbstractSpinBox::UpDownArrows);
        spin.setReadOnly(true);
        QVERIFY(spin.ReadOnly());
        QCOMPARE(spin.buttonSymbols(), QAbstractSpinBox::NoButtons);
        spin.setReadOnly(false);
        QCOMPARE(spin.buttonSymbols(), QAbstractSpinBox::UpDownArrows);
    }
};

QTEST_MAIN(TestVelSpinEdit)
#include "tst_velspinedit.moc"
