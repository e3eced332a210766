// The window in a new user's hands, driven by real key and mouse events: the name from the
// command line, message boxes, storing, the marks of the controller in use, the tab order,
// the exit question, the controller filter, the port legend, the units beside the fields.

#include "components/widgets/VelGridEditor.h"
#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/FramePortWidget.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"
#include "ui/StartUp.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pramlet;

namespace {

const std::string kConfigData = PRAMLET_TEST_DATA "/config/";

// The box of a page column that holds `w`, or nullptr for the row under the boxes.
QWidget* topBox(QWidget* w, QWidget* content) {
    QWidget* box = nullptr;
    for (QWidget* p = w; p && p != content; p = p->parentWidget())
        if (p->parentWidget() == content) {
            const OptionDef* d = findOption(p->objectName().toStdString());
            if (d && d->kind == OptionKind::GroupBox) box = p;
        }
    return box;
}

// What the user sees of every named widget below `root`, sorted: class, enabled, hidden,
// hint, value, and the items of lists, tabs and choices.
QStringList widgetStates(QWidget* root) {
    QStringList states;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue;
        QString s = w->objectName() + " " + w->metaObject()->className() +
                    (w->isEnabled() ? " on" : " off") + (w->isHidden() ? " hidden" : "") +
                    " hint=" + w->toolTip();
        const QMetaProperty user = w->metaObject()->userProperty();
        if (user.isValid()) s += " value=" + user.read(w).toString();
        if (auto* label = qobject_cast<QLabel*>(w)) s += " text=" + label->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                s += " item=" + combo->itemText(i);
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                s += " " + list->item(i)->text() + (list->item(i)->font().bold() ? "*" : "") +
                     (list->item(i)->isSelected() ? "+" : "") +
                     (list->item(i)->isHidden() ? "-" : "");
            s += QString(" current=%1").arg(list->currentRow());
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            s += QString(" tab=%1").arg(tabs->currentIndex());
            for (int i = 0; i < tabs->count(); ++i)
                s += " " + tabs->tabText(i) + (tabs->tabIcon(i).isNull() ? "" : "!");
        }
        states << s;
    }
    states.sort();
    return states;
}

// Every page's widgets made, then what the user sees of the window.
QStringList windowStates(MainWindow& w) {
    for (const OptionDef& d : optionCatalogue())
        w.optionWidget(d.name);
    return QStringList{w.windowTitle()} + widgetStates(&w);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    QListWidget* list(int tab) { return window->controllerList(tab); }
    void clickTab(int tab) {
        QTabBar* bar = window->controllerTabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    void selectController(int tab, const QString& name) {
        test::chooseController(*window, tab, name);
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // Types into a field as a user would and presses Enter.
    void typeInto(QWidget* w, const QString& text) { test::typeAndEnter(w, text); }
    void buildAs(const QString& name) {
        goToPage(15);
        typeInto(widget<QLineEdit>("AppNameEdit"), name);
        clickButton("BuildBtn");
        QVERIFY(project->built());
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(kConfigData, {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    // The program makes its window while the files are read, before the start: the window
    // shows what one made after the start shows, on every page, and goes on alike.
    void theWindowMadeWhileTheFilesAreReadShowsWhatOneMadeAfterTheStartShows() {
        const std::vector<std::string> args = {"/tmp/x.pas", "my app"};
        RecordingDialogs afterDialogs;
        Project after(afterDialogs);
        after.start(kConfigData, args);
        MainWindow madeAfter(after);
        RecordingDialogs whileDialogs;
        Project meanwhile(whileDialogs);
        MainWindow* heard = nullptr;
        auto madeWhile =
            makeStartedWindow(meanwhile, kConfigData, args, [&](MainWindow& w) { heard = &w; });
        QCOMPARE(heard, madeWhile.get());
        QCOMPARE(whileDialogs.entries, afterDialogs.entries);
        QCOMPARE(windowStates(*madeWhile), windowStates(madeAfter));
        for (Project* p : {&after, &meanwhile}) {
            QVERIFY(p->clickControllerByName("mega16x"));
            p->next();
        }
        QCOMPARE(windowStates(*madeWhile), windowStates(madeAfter));
    }

    // A family's list is made when its tab is first shown: it shows the filter typed before,
    // and the controller in use, chosen while it did not exist yet.
    void aListMadeWhenItsTabIsShownShowsTheFilterAndTheControllerInUse() {
        RecordingDialogs d;
        Project q(d);
        q.start(kConfigData, {});
        MainWindow w(q);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.controllerTabs()->widget(2)->findChild<QListWidget*>()); // not made yet
        QTest::keyClicks(w.controllerFilter(), "16");
        QVERIFY(q.clickControllerByName("mega16x"));
        QVERIFY(!w.controllerTabs()->tabIcon(2).isNull());
        QTabBar* bar = w.controllerTabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QListWidget* mega = w.controllerTabs()->widget(2)->findChild<QListWidget*>();
        QVERIFY(mega);
        QCOMPARE(mega, w.controllerList(2));
        QVERIFY(mega->isVisible());
        QStringList shown;
        for (int i = 0; i < mega->count(); ++i)
            if (!mega->item(i)->isHidden()) shown << mega->item(i)->text();
        QCOMPARE(shown, QStringList{"mega16x"});
        QCOMPARE(mega->count(), 3);
        QCOMPARE(mega->currentItem()->text(), QString("mega16x"));
        QVERIFY(mega->currentItem()->isSelected());
        QVERIFY(mega->currentItem()->font().bold());
        QCOMPARE(w.controllerTabs()->tabToolTip(2), QString("1 of 3 shown"));
    }

    void aNameFromTheCommandLineFollowsTheNameRules() {
        RecordingDialogs d;
        Project q(d);
        q.start(kConfigData, {"/tmp/x.pas", "my app"});
        MainWindow w(q);
        auto* app = qobject_cast<QLineEdit*>(w.optionWidget("AppNameEdit"));
        QCOMPARE(app->text(), QString("myapp"));
        QCOMPARE(q.AppName(), std::string("myapp"));
        QCOMPARE(d.entries.size(), size_t(1));
        QCOMPARE(d.entries[0].text, std::string("no spaces in name possible!"));
        QVERIFY(q.clickControllerByName("tiny256"));
        while (q.page() < kPageCount - 1)
            q.next();
        auto* build = qobject_cast<QPushButton*>(w.optionWidget("BuildBtn"));
        QVERIFY(build->isEnabled());
        QTest::mouseClick(build, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(q.listing().front()), QString("program myapp;"));
    }

    // The overwrite question: four short lines, yet as wide as its title and a readable
    // line.
    void messageBoxesShowTheirWholeTitle() {
        QTemporaryDir dir;
        QtDialogs boxes;
        Project q(boxes);
        q.start(kConfigData, {});
        MainWindow w(q);
        boxes.setParent(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(q.clickControllerByName("tiny256"));
        while (q.page() < kPageCount - 1)
            q.next();
        q.userType("AppNameEdit", "Boxes");
        w.BuildBtnClick();
        q.setFileName(dir.filePath("boxes.pas").toStdString());
        QFile existing(dir.filePath("boxes.pas"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();

        int width = 0, titleWidth = 0;
        QString text;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("seen").toBool()) return;
            box->setProperty("seen", true);
            if (text.isEmpty()) {
                text = box->text();
                width = box->width();
                titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            }
            QTimer::singleShot(10, box, [box] {
                box->button(box->button(QMessageBox::Abort) ? QMessageBox::Abort : QMessageBox::Ok)
                    ->click();
            });
        });
        closer.start(5);
        w.StoreBtnClick();
        closer.stop();
        QCOMPARE(text, QString("File \nboxes.pas\nexists\nOverwrite ?"));
        QVERIFY2(width >= kMessageBoxMinWidth, qPrintable(QString::number(width)));
        QVERIFY(width > titleWidth + 100);
    }

    // Store says where the file went; a relative name goes to the home folder, then beside
    // the last file stored; the field shows the name written.
    void storeShowsWhereTheFileWent() {
        QTemporaryDir home, other;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        selectController(0, "tiny256");
        buildAs("Stored");
        auto* name = widget<QLineEdit>("FNameEdit");
        typeInto(name, "first");
        clickButton("StoreBtn");
        const QString first = QDir(home.path()).filePath("first.pas");
        QVERIFY(QFile::exists(first));
        QCOMPARE(name->text(), first);
        QCOMPARE(window->statusPanel(0)->text(), "Stored as " + first);

        typeInto(name, other.filePath("second"));
        clickButton("StoreBtn");
        QVERIFY(QFile::exists(other.filePath("second.pas")));
        typeInto(name, "third.txt");
        clickButton("StoreBtn");
        QCOMPARE(name->text(), other.filePath("third.pas"));
        QVERIFY(QFile::exists(other.filePath("third.pas")));
        QCOMPARE(window->statusPanel(0)->text(), "Stored as " + other.filePath("third.pas"));
        qputenv("HOME", oldHome);
    }

    // The tab and list of the controller in use show it; another tab shown changes nothing.
    void theControllerInUseIsMarked() {
        selectController(2, "mega16x");
        QCOMPARE(window->controllerTabs()->currentIndex(), 2);
        QCOMPARE(list(2)->selectedItems().size(), qsizetype(1));
        QVERIFY(list(2)->selectedItems().front()->font().bold());
        QVERIFY(!window->controllerTabs()->tabIcon(2).isNull());
        QVERIFY(window->controllerTabs()->tabIcon(0).isNull());

        // Another tab, nothing highlighted there: the controller stays, next goes on.
        clickTab(0);
        QCOMPARE(window->controllerTabs()->currentIndex(), 0);
        QVERIFY(list(0)->selectedItems().isEmpty());
        QCOMPARE(project->cpu().CpuName, std::string("mega16x"));
        QCOMPARE(window->windowTitle(), QString("Orvex Pramlet [AVR] [mega16x]    "));
        clickButton("NextBtn");
        QCOMPARE(project->page(), 1);
        QVERIFY(dialogs->entries.empty());
        clickButton("PrevBtn");

        // Another controller: its list has the only selection and the mark.
        selectController(0, "tiny256");
        QVERIFY(list(2)->selectedItems().isEmpty());
        QVERIFY(!list(2)->findItems("mega16x", Qt::MatchExactly).front()->font().bold());
        QVERIFY(window->controllerTabs()->tabIcon(2).isNull());
        QVERIFY(!window->controllerTabs()->tabIcon(0).isNull());
        clickTab(2);
        QCOMPARE(project->cpu().CpuName, std::string("tiny256"));
        QCOMPARE(project->CurCPUName(), std::string("tiny256"));

        // A controller loaded from outside the window shows its tab.
        QVERIFY(project->clickControllerByName("mega2k"));
        QCOMPARE(window->controllerTabs()->currentIndex(), 2);
        QCOMPARE(list(2)->selectedItems().front()->text(), QString("mega2k"));
    }

    // Tab walks every page in reading order: the boxes column by column, each from top to
    // bottom, then the row under them; a group of radio buttons is one stop, its chosen
    // member, and the arrow keys move inside it.
    void tabFollowsTheReadingOrder() {
        selectController(2, "mega2k");
        for (int page = 0; page < kPageCount; ++page) {
            goToPage(page);
            auto* scroll = static_cast<QScrollArea*>(window->pages()->currentWidget());
            QWidget* content = scroll->widget();
            QList<QWidget*> stops;
            for (QWidget* w : content->findChildren<QWidget*>())
                if (w->isVisibleTo(content) && w->isEnabled() &&
                    (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                    stops << w;
            QVERIFY(!stops.isEmpty());
            // Start at the first stop of the first column.
            QWidget* first = content->nextInFocusChain();
            while (!stops.contains(first))
                first = first->nextInFocusChain();
            first->setFocus(Qt::OtherFocusReason);
            QList<QWidget*> walked;
            for (int n = 0; n < 400; ++n) {
                QWidget* f = QApplication::focusWidget();
                if (!f || !content->isAncestorOf(f)) break;
                if (walked.contains(f)) break;
                walked << f;
                QTest::keyClick(f, Qt::Key_Tab);
            }
            auto name = [](QWidget* w) {
                return w->objectName().isEmpty() ? QString(w->metaObject()->className()) + " in " +
                                                       w->parentWidget()->objectName()
                                                 : w->objectName();
            };
            // Column by column (the x of the box on the page; the row under the boxes
            // last), then line by line; widgets whose heights overlap share a line.
            auto before = [&](QWidget* a, QWidget* b) {
                QWidget* boxA = topBox(a, content);
                QWidget* boxB = topBox(b, content);
                // The first page's controller lists (and their filter) stand above the boxes.
                QWidget* lists = window->controllerTabs()->parentWidget();
                auto column = [&](QWidget* w, QWidget* box) {
                    return lists->isAncestorOf(w) ? -1 : box ? box->x() : 1 << 20;
                };
                const int colA = column(a, boxA), colB = column(b, boxB);
                if (colA != colB) return colA < colB;
                const QRect ra(a->mapTo(content, QPoint(0, 0)), a->size());
                const QRect rb(b->mapTo(content, QPoint(0, 0)), b->size());
                if (ra.bottom() < rb.top()) return true;
                if (rb.bottom() < ra.top()) return false;
                return ra.x() < rb.x();
            };
            for (int i = 1; i < walked.size(); ++i)
                QVERIFY2(before(walked[i - 1], walked[i]),
                         qPrintable(QString("page %1: %2 before %3")
                                        .arg(page + 1)
                                        .arg(name(walked[i - 1]), name(walked[i])) +
                                    QString(" at %1,%2 and %3,%4")
                                        .arg(walked[i - 1]->mapTo(content, QPoint()).x())
                                        .arg(walked[i - 1]->mapTo(content, QPoint()).y())
                                        .arg(walked[i]->mapTo(content, QPoint()).x())
                                        .arg(walked[i]->mapTo(content, QPoint()).y())));
            // Every stop is reached but the members of a group that are not its stop.
            for (QWidget* w : stops) {
                auto* radio = qobject_cast<QRadioButton*>(w);
                if (radio && !radio->isChecked()) {
                    QVERIFY2(!walked.contains(w), qPrintable(w->objectName()));
                    continue;
                }
                QVERIFY2(walked.contains(w),
                         qPrintable(QString("page %1: %2 skipped").arg(page + 1).arg(name(w))));
            }
        }

        // The arrows choose inside a group, as a click does.
        goToPage(1);
        auto* none = widget<QRadioButton>("HeapNoneChk");
        QVERIFY(none->isChecked());
        none->setFocus(Qt::TabFocusReason);
        QTest::keyClick(none, Qt::Key_Right);
        QVERIFY(!project->opts().checked("HeapNoneChk"));
        QWidget* now = QApplication::focusWidget();
        QVERIFY(now && now != none);
        QVERIFY(qobject_cast<QRadioButton*>(now)->isChecked());
        QVERIFY(project->opts().checked(OptName::lookup(now->objectName().toStdString())));
        QVERIFY(now->focusPolicy() & Qt::TabFocus);
        QVERIFY(!(none->focusPolicy() & Qt::TabFocus));
    }

    // Closing with a built program never stored asks first; with nothing to lose the window
    // closes at once.
    void exitAsksToStoreAProgramNeverStored() {
        QVERIFY(window->close()); // nothing built
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        selectController(2, "mega16x");
        buildAs("Unsaved");
        QStringList asked;
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("seen").toBool()) return;
            box->setProperty("seen", true);
            asked << box->text();
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QTimer::singleShot(10, box, [box, answer] { box->button(answer)->click(); });
        });
        answerer.start(5);
        QVERIFY(!window->close()); // Cancel: the window stays
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0], QString("The program is built but not stored.\nStore it first?"));
        QVERIFY(window->isVisible());

        // Yes stores, then closes.
        QTemporaryDir dir;
        project->setFileName(dir.filePath("unsaved").toStdString());
        answer = QMessageBox::Yes;
        QVERIFY(window->close());
        QCOMPARE(asked.size(), 2);
        QVERIFY(QFile::exists(dir.filePath("unsaved.pas")));

        // Stored: nothing to lose, no question.
        window->show();
        QVERIFY(window->close());
        QCOMPARE(asked.size(), 2);

        // An edit after the store is something to lose; No closes without storing.
        window->show();
        auto lines = project->listing();
        lines.push_back("// edited");
        project->setListing(lines);
        answer = QMessageBox::No;
        QVERIFY(window->close());
        QCOMPARE(asked.size(), 3);
        answerer.stop();
    }

    // The filter narrows every tab to the names containing its text, in the lists' order;
    // the controller in use stays in use.
    void theFilterNarrowsEveryTab() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_BIN_DIR "/", {});
        MainWindow w(q);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(q.clickControllerByName("mega128"));
        auto visible = [&](int tab) {
            QStringList names;
            auto* l = w.controllerList(tab);
            for (int i = 0; i < l->count(); ++i)
                if (!l->item(i)->isHidden()) names << l->item(i)->text();
            return names;
        };
        QList<QStringList> all;
        for (int tab = 0; tab < w.controllerTabs()->count(); ++tab)
            all << visible(tab);
        QLineEdit* filter = w.controllerFilter();
        QVERIFY(filter);
        filter->setFocus();
        QTest::keyClicks(filter, "328");
        int shown = 0;
        for (int tab = 0; tab < w.controllerTabs()->count(); ++tab) {
            QStringList expected;
            for (const QString& n : all[tab])
                if (n.contains("328")) expected << n;
            QCOMPARE(visible(tab), expected);
            shown += expected.size();
        }
        QVERIFY(shown >= 2);
        QCOMPARE(q.cpu().CpuName, std::string("mega128"));
        QCOMPARE(q.CurCPUName(), std::string("mega128"));
        QVERIFY(q.next());
        q.prev();
        // Letter case does not matter; an emptied filter shows everything again.
        filter->selectAll();
        QTest::keyClicks(filter, "MEGA328P");
        QCOMPARE(visible(2), QStringList{"mega328P"} + QStringList());
        filter->selectAll();
        QTest::keyClick(filter, Qt::Key_Delete);
        for (int tab = 0; tab < w.controllerTabs()->count(); ++tab)
            QCOMPARE(visible(tab), all[tab]);
    }

    // The port pages show a legend; a port the external RAM holds has padlocks and says why,
    // a port the controller lacks says that instead.
    void portPagesExplainTheirPictures() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_TEST_DATA "/generator/", {});
        MainWindow w(q);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(q.clickControllerByName("mega128g"));
        auto* ram = qobject_cast<TVelSpinEdit*>(w.optionWidget("RamSpin"));
        ram->setFocus();
        ram->selectAll();
        QTest::keyClicks(ram, "4096");
        QTest::keyClick(ram, Qt::Key_Return);
        QCOMPARE(q.derived().ExternRam, 4096);
        while (q.page() < 11)
            QVERIFY(q.next());
        auto* page = w.pages()->currentWidget();
        QStringList legend;
        for (int i = 0; i < 6; ++i)
            if (auto* l = page->findChild<QLabel*>(QString("PortLegend%1").arg(i)))
                legend << l->text();
        QCOMPARE(legend,
                 (QStringList{"input (DDR bit 0)", "output (DDR bit 1)", "value 0", "value 1",
                              "no such pin on this controller", "held by the external RAM bus"}));
        auto grid = [&](const char* frame) {
            return w.optionWidget(frame)->findChild<QWidget*>("VelGeneralGridPorts");
        };
        auto images = [&](const char* frame) {
            return w.optionWidget(frame)->findChild<TVelGridEditor*>("VelGridEditorDDR")->Images();
        };
        QVERIFY2(grid("FramePortA")->toolTip().contains("external RAM"),
                 qPrintable(grid("FramePortA")->toolTip()));
        QVERIFY(grid("FramePortC")->toolTip().contains("external RAM"));
        QCOMPARE(grid("FramePortB")->toolTip(), QString());
        auto plain = [&](const char* frame) {
            return static_cast<FramePortWidget*>(w.optionWidget(frame))->ImageListPort();
        };
        QVERIFY(images("FramePortA") != plain("FramePortA")); // the padlocks
        QCOMPARE(images("FramePortB"), plain("FramePortB"));
        // No external RAM: port A is an ordinary port again.
        while (q.page() > 0)
            q.prev();
        ram->setFocus();
        ram->selectAll();
        QTest::keyClicks(ram, "0");
        QTest::keyClick(ram, Qt::Key_Return);
        while (q.page() < 11)
            QVERIFY(q.next());
        QCOMPARE(grid("FramePortA")->toolTip(), QString());
        QCOMPARE(images("FramePortA"), plain("FramePortA"));
        // A port the controller lacks.
        while (q.page() < 12)
            QVERIFY(q.next());
        QWidget* missing = nullptr;
        for (const char* f : {"FramePortH", "FramePortJ", "FramePortK"})
            if (q.frame(PortOrdinal(f[9])).PortMask() == 0) missing = grid(f);
        QVERIFY(missing);
        QVERIFY2(missing->toolTip().startsWith("This controller has no Port "),
                 qPrintable(missing->toolTip()));
    }

    // Units and labels beside fields that had none; they follow their field.
    void fieldsShowTheirUnits() {
        auto* unit = window->findChild<QLabel*>("SysTickSpinUnit");
        QVERIFY(unit);
        QCOMPARE(unit->text(), QString("ms"));
        QVERIFY(!unit->isEnabled()); // no controller yet
        selectController(2, "mega16x");
        QVERIFY(unit->isEnabled());
        auto* period =
            qobject_cast<QLabel*>(widget<QWidget>("SysTickSpin")
                                      ->parentWidget()
                                      ->parentWidget()
                                      ->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly));
        QVERIFY(period);
        QCOMPARE(period->buddy(), widget<QWidget>("SysTickSpin"));
        QCOMPARE(period->text(), QString("Period"));
        QCOMPARE(window->findChild<QLabel*>("RamSpinUnit")->text(), QString("bytes"));
        goToPage(1);
        QCOMPARE(window->findChild<QLabel*>("SysStackSpinUnit")->text(), QString("bytes"));
        QCOMPARE(window->findChild<QLabel*>("SysStackiDatChkLabel")->text(), QString("Stack in"));
        // The captions of the boxes stay.
        QCOMPARE(widget<QGroupBox>("GroupBox14")->title(), QString("System Tick"));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
