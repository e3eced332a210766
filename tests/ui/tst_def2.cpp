// A build that a keyboard error ends, in the real window: the error box with its single
// Retry button, then no listing to show, store or print.

#include "config/Project.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace pramlet;

class TestBuildEnded : public QObject {
    Q_OBJECT

  private slots:
    void keyboardErrorLeavesNothingToShow() {
        QtDialogs boxes;
        Project q(boxes);
        q.start(PRAMLET_TEST_DATA "/generator/", {});
        MainWindow w(q);
        boxes.setParent(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(q.clickControllerByName("mega128g"));
        q.userType("RamSpin", "4096"); // ports A and C go to the memory bus
        q.userLeave("RamSpin");
        while (q.page() < 5)
            q.next();
        q.userCheck("KeyBoard4Chk", true);
        while (q.page() < kPageCount - 1)
            q.next();
        q.userType("AppNameEdit", "Keys");
        q.userLeave("AppNameEdit");

        QStringList shown, buttons;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("counted").toBool()) return;
            box->setProperty("counted", true);
            shown << box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            QTimer::singleShot(20, box, [box] { box->button(QMessageBox::Retry)->click(); });
        });
        closer.start(5);
        auto* build = qobject_cast<QPushButton*>(w.optionWidget("BuildBtn"));
        QVERIFY(build);
        QTest::mouseClick(build, Qt::LeftButton);
        QTRY_COMPARE(shown, QStringList{"KeyBoard Row port not defined!"});
        QCOMPARE(buttons.size(), 1);
        closer.stop();

        QVERIFY(!q.built());
        QVERIFY(!qobject_cast<QCheckBox*>(w.optionWidget("LedCheck"))->isChecked());
        for (const char* name : {"ShowBtn", "StoreBtn", "PrintBtn"})
            QVERIFY2(!w.optionWidget(name)->isEnabled(), name);
        QVERIFY(!q.listing().empty());
        QCOMPARE(QString::fromStdString(q.listing().front()), QString("program Keys;"));
    }
};

QTEST_MAIN(TestBuildEnded)
#include "tst_def2.moc"
