// Drives the real wizard window offscreen: controller lists, navigation, option widgets,
// build, listing window, store and print.

#include "components/LayoutPlan.h"
#include "components/widgets/VelGeneralGrid.h"
#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/FramePortWidget.h"
#include "ui/ListForm.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pramlet;

class TestMainWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    // Clicks a check box or radio button on its indicator, as a user does.
    void clickOn(QAbstractButton* b) { test::clickOn(b); }
    void next() { clickButton("NextBtn"); }
    void prev() { clickButton("PrevBtn"); }
    void selectController(int tab, const QString& name) {
        test::chooseController(*window, tab, name);
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // Types into a field as a user would and leaves it.
    void typeInto(QWidget* w, const QString& text) {
        w->setFocus();
        if (auto* spin = qobject_cast<TVelSpinEdit*>(w)) {
            spin->selectAll();
            QTest::keyClicks(spin, text);
            QTest::keyClick(spin, Qt::Key_Return);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }
    // The focus leaving a field for the given reason, as the window system reports it.
    static void focusOut(QWidget* w, Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusOut, reason);
        QApplication::sendEvent(w, &event);
    }
    static void pointer(QWidget* w, QEvent::Type type) {
        if (type == QEvent::Enter) {
            QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(w, &event);
        } else {
            QEvent event(type);
            QApplication::sendEvent(w, &event);
        }
    }
    void buildAs(const QString& name) {
        goToPage(15);
        typeInto(widget<QLineEdit>("AppNameEdit"), name);
        clickButton("BuildBtn");
    }

    // The first option whose widget shows another state than the project holds, or empty.
    QString mismatch() {
        for (const auto& s : project->opts().all()) {
            const OptionDef& d = *s.def;
            QWidget* x = window->optionWidget(d.name);
            if (!x || d.page < 0 || d.kind == OptionKind::ControllerList) continue;
            const QString n = QString::fromStdString(d.name);
            const QString text = QString::fromStdString(s.text);
            if (x->testAttribute(Qt::WA_ForceDisabled) == s.enabled) return n + " enabled";
            if (x->isHidden() == s.visible) return n + " visible";
            switch (d.kind) {
            case OptionKind::CheckBox:
            case OptionKind::OneOf:
                if (static_cast<QAbstractButton*>(x)->isChecked() != s.checked)
                    return n + " checked";
                break;
            case OptionKind::Number:
            case OptionKind::NumberSpecial:
                // A refused text stays on show until the next change.
                if (static_cast<TVelSpinEdit*>(x)->Text() !=
                    (s.refused.empty() ? text : QString::fromStdString(s.refused)))
                    return n + " text";
                break;
            case OptionKind::Choice: {
                auto* c = static_cast<QComboBox*>(x);
                if (c->count() != int(s.items.size())) return n + " items";
                for (int i = 0; i < c->count(); ++i)
                    if (c->itemText(i) != QString::fromStdString(s.items[i])) return n + " items";
                if (c->currentText() != text) return n + " text";
                break;
            }
            case OptionKind::Text:
            case OptionKind::Summary:
                if (static_cast<QLineEdit*>(x)->text() != text) return n + " text";
                break;
            case OptionKind::CheckList: {
                auto* l = static_cast<QListWidget*>(x);
                if (l->count() != int(s.items.size())) return n + " items";
                for (int i = 0; i < l->count(); ++i) {
                    if ((l->item(i)->checkState() == Qt::Checked) != bool(s.itemChecked[i]) ||
                        bool(l->item(i)->flags() & Qt::ItemIsEnabled) != bool(s.itemEnabled[i]) ||
                        l->item(i)->text() != QString::fromStdString(s.items[i]))
                        return n + " item " + QString::number(i);
                }
                break;
            }
            default: break;
            }
        }
        return {};
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(PRAMLET_TEST_DATA "/config/", {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    void nextIsRefusedUntilAControllerIsChosen() {
        next();
        QCOMPARE(project->page(), 0);
        QCOMPARE(window->pages()->currentIndex(), 0);
        QCOMPARE(dialogs->entries.size(), size_t(2));
        QCOMPARE(dialogs->entries[0].kind, std::string("beep"));
        QCOMPARE(dialogs->entries[1].text, std::string("Select CPU type first!"));
    }

    void choosingAControllerEnablesTheFirstPage() {
        QVERIFY(!widget<QWidget>("GroupBox1")->isEnabled());
        selectController(2, "mega16x");
        QCOMPARE(project->CurCPUName(), std::string("mega16x"));
        QVERIFY(widget<QWidget>("GroupBox1")->isEnabled());
        QCOMPARE(window->windowTitle(), QString("Orvex Pramlet [AVR] [mega16x]    "));
        auto* led = widget<QComboBox>("LEDportSpin0");
        QCOMPARE(led->count(), 4);
        QCOMPARE(led->itemText(1), QString("PortB"));
    }

    void controllerListsFollowTheKeyboardAndKeepTheirSelection() {
        selectController(2, "mega16x");
        auto* list = window->controllerList(2);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Right); // the names run row by row
        QCOMPARE(list->currentItem()->text(), QString("mega2k"));
        QCOMPARE(project->CurCPUName(), std::string("mega2k"));
        QCOMPARE(project->cpu().CpuName, std::string("mega2k"));
        // A control click does not take the selection away.
        QRect r = list->visualItemRect(list->currentItem());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, r.center());
        QCOMPARE(list->selectedItems().size(), qsizetype(1));
        QCOMPARE(project->CurCPUName(), std::string("mega2k"));
        QCOMPARE(project->CurCPU() >= 0, true);

        // Another list's controller takes the selection; back on the old tab, nothing is
        // selected and the controller in use stays until a click there loads another.
        selectController(0, "tiny256");
        QCOMPARE(project->cpu().CpuName, std::string("tiny256"));
        window->controllerTabs()->setCurrentIndex(2);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(project->CurCPUName(), std::string("tiny256"));
        QCOMPARE(project->cpu().CpuName, std::string("tiny256"));
        r = list->visualItemRect(list->findItems("mega2k", Qt::MatchExactly).front());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(project->cpu().CpuName, std::string("mega2k"));
    }

    void controllerListsShowFiveColumns() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_BIN_DIR "/", {});
        MainWindow w(q);
        w.resize(1240, 760);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int tab = 0; tab < w.controllerTabs()->count(); ++tab) {
            w.controllerTabs()->setCurrentIndex(tab);
            auto* list = w.controllerList(tab);
            QCoreApplication::processEvents();
            if (list->count() < 6) continue;
            const int top = list->visualItemRect(list->item(0)).top();
            for (int i = 1; i < 5; ++i)
                QCOMPARE(list->visualItemRect(list->item(i)).top(), top);
            QVERIFY(list->visualItemRect(list->item(5)).top() > top);
        }
    }

    void everyWidgetFollowsTheProject() {
        // Each controller, each page, every enabled check box, member, list item and
        // number a user can reach: afterwards every widget shows the project's state.
        for (const char* cpu : {"mega128xr", "tiny256", "mega2k"}) {
            QVERIFY(project->clickControllerByName(cpu));
            QCOMPARE(mismatch(), QString());
            goToPage(0);
            for (int page = 0; page < kPageCount; ++page) {
                goToPage(page);
                QCOMPARE(mismatch(), QString());
                for (const auto& def : optionCatalogue()) {
                    QWidget* x = def.page == page ? window->optionWidget(def.name) : nullptr;
                    if (!x || !x->isEnabled() || !x->isVisible()) continue;
                    if (auto* b = qobject_cast<QAbstractButton*>(x)) {
                        if (def.kind != OptionKind::CheckBox && def.kind != OptionKind::OneOf)
                            continue;
                        clickOn(b);
                    } else if (auto* c = qobject_cast<QComboBox*>(x); c && !c->isEditable()) {
                        for (int i = c->count() - 1; i >= 0 && c->isEnabled(); --i) {
                            c->setCurrentIndex(i);
                            emit c->activated(i);
                            QVERIFY2(mismatch().isEmpty(), qPrintable(mismatch()));
                        }
                    } else if (auto* spin = qobject_cast<TVelSpinEdit*>(x)) {
                        for (const char* t : {"3", "100000", "-5", "x", ""}) {
                            if (!spin->isEnabled()) break;
                            spin->setFocus();
                            spin->selectAll();
                            QTest::keyClick(spin, Qt::Key_Delete);
                            QTest::keyClicks(spin, t);
                            QTest::keyClick(spin, Qt::Key_Tab);
                            QVERIFY2(mismatch().isEmpty(), qPrintable(mismatch()));
                        }
                    }
                    QVERIFY2(mismatch().isEmpty(),
                             qPrintable(QString::fromStdString(def.name) + ": " + mismatch()));
                }
            }
        }
    }

    void walkingAllPagesShowsTitlesAndPageNumbers() {
        selectController(2, "mega16x");
        QVERIFY(!widget<QPushButton>("PrevBtn")->isEnabled());
        for (int page = 1; page < kPageCount; ++page) {
            next();
            QCOMPARE(window->pages()->currentIndex(), page);
            QCOMPARE(window->titleBar()->text(), QString(pageInfo(page).title));
            QCOMPARE(window->statusPanel(1)->text(), QString("page %1 of 16").arg(page + 1));
        }
        QVERIFY(!widget<QPushButton>("NextBtn")->isEnabled());
        for (int page = 14; page >= 0; --page) {
            prev();
            QCOMPARE(window->titleBar()->text(), QString(pageInfo(page).title));
        }
        QCOMPARE(window->statusPanel(1)->text(), QString("page 1 of 16"));
    }

    void keyboardWalksThePagesAndLeavesTheField() {
        selectController(2, "mega16x");
        auto* freq = widget<TVelSpinEdit>("FreqSpin");
        freq->setFocus();
        freq->selectAll();
        QTest::keyClicks(freq, "4000");
        QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(project->page(), 1);
        QCOMPARE(project->derived().Frequency, 4000000);
        QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(project->page(), 0);
    }

    void aFieldIsLeftByTheFocusMovingOnNotByTheWindowLosingIt() {
        selectController(2, "mega16x");
        auto* freq = widget<TVelSpinEdit>("FreqSpin");
        freq->setFocus();
        freq->selectAll();
        QTest::keyClicks(freq, "4000");
        // Another window taking the focus (a message box, another program) leaves
        // nothing: the user is still in the field.
        focusOut(freq, Qt::ActiveWindowFocusReason);
        focusOut(freq, Qt::PopupFocusReason);
        QCOMPARE(project->derived().Frequency, 16000000);
        QTest::keyClick(freq, Qt::Key_Tab);
        QCOMPARE(project->derived().Frequency, 4000000);
        QVERIFY(!freq->hasFocus());

        // Enter applies the value; leaving the field afterwards does not run the handler
        // a second time for the same text.
        auto* vcc = widget<QComboBox>("ComboBoxVCC");
        vcc->setFocus();
        vcc->lineEdit()->selectAll();
        QTest::keyClicks(vcc, "9");
        QTest::keyClick(vcc, Qt::Key_Return);
        QCOMPARE(dialogs->entries.size(), size_t(1));
        QCOMPARE(dialogs->entries[0].text, std::string("VCC not in range 1.8-5.0V"));
        QTest::keyClick(vcc, Qt::Key_Tab);
        QCOMPARE(dialogs->entries.size(), size_t(1));
        // Typed again, it is checked again on leaving.
        vcc->setFocus();
        vcc->lineEdit()->selectAll();
        QTest::keyClicks(vcc, "8");
        QTest::keyClick(vcc, Qt::Key_Tab);
        QCOMPARE(dialogs->entries.size(), size_t(2));
    }

    void aClickBesideTheFieldsLeavesTheField() {
        selectController(2, "mega16x");
        auto* freq = widget<TVelSpinEdit>("FreqSpin");
        freq->setFocus();
        freq->selectAll();
        QTest::keyClicks(freq, "2000");
        QTest::mouseClick(window->titleBar(), Qt::LeftButton);
        QCOMPARE(project->derived().Frequency, 2000000);
    }

    void aTypedSupplyVoltageStaysAsTyped() {
        selectController(2, "mega16x");
        auto* vcc = widget<QComboBox>("ComboBoxVCC");
        // No completion: what the field shows is what the program gets.
        vcc->setFocus();
        vcc->lineEdit()->selectAll();
        QTest::keyClicks(vcc, "3");
        QCOMPARE(vcc->currentText(), QString("3"));
        QCOMPARE(project->opts().text("ComboBoxVCC"), std::string("3"));
        // Enter takes the text as it is; it adds no item to the list.
        vcc->lineEdit()->selectAll();
        QTest::keyClicks(vcc, "4.5");
        QTest::keyClick(vcc, Qt::Key_Return);
        QCOMPARE(vcc->count(), 3);
        QCOMPARE(vcc->currentText(), QString("4.5"));
        QCOMPARE(project->opts().text("ComboBoxVCC"), std::string("4.5"));
        QVERIFY(dialogs->entries.empty());

        goToPage(14);
        auto* volt = widget<QComboBox>("VoltSpin");
        volt->setFocus();
        volt->lineEdit()->selectAll();
        QTest::keyClicks(volt, "3.6");
        QTest::keyClick(volt, Qt::Key_Return);
        QCOMPARE(volt->count(), 3);
        QCOMPARE(volt->currentText(), QString("3.6"));
        QCOMPARE(project->opts().text("VoltSpin"), std::string("3.6"));
    }

    void oneMessageBoxPerBlankInTheName() {
        // Real message boxes: opening one takes the focus from the name field, which
        // must not count as leaving it.
        QtDialogs boxes;
        Project q(boxes);
        q.start(PRAMLET_TEST_DATA "/config/", {});
        MainWindow w(q);
        boxes.setParent(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QVERIFY(q.clickControllerByName("mega16x"));
        for (int page = 1; page < kPageCount; ++page)
            q.next();
        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (box->property("counted").toBool()) return;
                box->setProperty("counted", true);
                shown << box->text();
                QTimer::singleShot(50, box, [box] { box->button(QMessageBox::Ok)->click(); });
            }
        });
        closer.start(5);
        auto* name = qobject_cast<QLineEdit*>(w.optionWidget("AppNameEdit"));
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QTest::keyClicks(name, "my app");
        QTRY_COMPARE(name->text(), QString("myapp"));
        QTest::qWait(100);
        QCOMPARE(shown, QStringList{"no spaces in name possible!"});
    }

    void statusLineShowsTheHintUnderThePointer() {
        selectController(2, "mega16x");
        QLabel* status = window->statusPanel(0);
        // The first text stays until the pointer meets a hint.
        pointer(widget<QWidget>("HelpBtn"), QEvent::Enter);
        pointer(widget<QWidget>("HelpBtn"), QEvent::Leave);
        QCOMPARE(status->text(), QString("Rev 1.2"));
        QWidget* ram = widget<QWidget>("GroupBox2");
        pointer(ram, QEvent::Enter);
        pointer(widget<QWidget>("NoInitChk"), QEvent::Enter);
        QCOMPARE(status->text(), QString("external memory init"));
        // Off the check box, still in its box: the box's hint.
        pointer(widget<QWidget>("NoInitChk"), QEvent::Leave);
        QCOMPARE(status->text(), QString("define external RAM size"));
        // A control without a hint of its own shows the hint of its box.
        pointer(ram, QEvent::Leave);
        pointer(widget<QWidget>("GroupBox1"), QEvent::Enter);
        pointer(widget<QWidget>("FreqSpin"), QEvent::Enter);
        QCOMPARE(status->text(), QString("define CPU clock"));
        pointer(widget<QWidget>("FreqSpin"), QEvent::Leave);
        pointer(widget<QWidget>("GroupBox1"), QEvent::Leave);
        // Where nothing has a hint, the line is empty.
        QCOMPARE(status->text(), QString());
    }

    void tabWalksTheControlsOfEachPageOnly() {
        selectController(2, "mega16x");
        for (int page = 0; page < kPageCount; ++page) {
            goToPage(page);
            QWidget* start = widget<QPushButton>(page < 15 ? "NextBtn" : "PrevBtn");
            start->setFocus();
            QSet<QWidget*> seen;
            for (int i = 0; i < 300; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* f = QApplication::focusWidget();
                if (f == start) break;
                QVERIFY2(!seen.contains(f), qPrintable(f->objectName()));
                seen.insert(f);
                // Each stop is an option (or a part of one), never a page, a read-only
                // summary or a cell of a port frame.
                QWidget* owner = f;
                while (owner && !window->optionWidget(owner->objectName().toStdString()) &&
                       owner != window->controllerTabs() && owner != window->controllerFilter())
                    owner = owner->parentWidget();
                QVERIFY2(owner, qPrintable(f->objectName()));
                const OptionDef* d = findOption(owner->objectName().toStdString());
                QVERIFY2(!d || d->kind != OptionKind::Summary, qPrintable(f->objectName()));
            }
        }
        // Walking through the port pages changed no bit.
        for (int port = 1; port <= 11; ++port) {
            QCOMPARE(int(project->frame(port).DDRStatus()), 0);
            QCOMPARE(int(project->frame(port).PortStatus()), 0);
        }
    }

    void externalRamEnablesTheXDataMembers() {
        selectController(2, "mega128xr");
        QVERIFY(!widget<QRadioButton>("SysStackxDatChk")->isEnabled());
        typeInto(widget<TVelSpinEdit>("RamSpin"), "32768");
        QVERIFY(widget<QCheckBox>("NoInitChk")->isEnabled());
        next();
        QVERIFY(widget<QRadioButton>("SysStackxDatChk")->isEnabled());
        clickOn(widget<QRadioButton>("SysStackxDatChk"));
        QVERIFY(project->opts().checked("SysStackxDatChk"));
        prev();
        typeInto(widget<TVelSpinEdit>("RamSpin"), "none");
        QVERIFY(widget<QRadioButton>("SysStackiDatChk")->isChecked());
        QVERIFY(!widget<QRadioButton>("SysStackxDatChk")->isEnabled());
    }

    void smallRamLimitsTheStack() {
        selectController(0, "tiny256");
        project->opts().setValue("SysStackSpin", 40);
        project->opts().setValue("SysFrameSpin", 40);
        next();
        QCOMPARE(widget<TVelSpinEdit>("SysStackSpin")->text(), QString("16"));
        QCOMPARE(widget<TVelSpinEdit>("SysFrameSpin")->text(), QString("32"));
        QCOMPARE(widget<QComboBox>("ComboBoxBootArea")->count(), 1);
        QVERIFY(!widget<QComboBox>("ComboBoxBootArea")->isEnabled());
    }

    void bootAreaListFollowsTheController() {
        selectController(2, "mega2k");
        next();
        auto* areas = widget<QComboBox>("ComboBoxBootArea");
        QCOMPARE(areas->count(), 2);
        QCOMPARE(areas->itemText(1), QString("$1C00-$1FFF"));
        clickOn(widget<QCheckBox>("BootBlockChk"));
        QVERIFY(areas->isEnabled());
        areas->setCurrentIndex(1);
        emit areas->activated(1);
        QCOMPARE(widget<QLabel>("ResJmpLabel")->text(), QString("$1C00"));
        // The address reads as the end of its button's caption: on the same line, after it.
        const QRect jump = widget<QWidget>("ResJmpBtn")->geometry();
        const QRect address = widget<QWidget>("ResJmpLabel")->geometry();
        QCOMPARE(widget<QWidget>("ResJmpLabel")->parentWidget(),
                 widget<QWidget>("ResJmpBtn")->parentWidget());
        QVERIFY(address.left() >= jump.right());
        QVERIFY(address.top() < jump.center().y() && jump.center().y() < address.bottom());
        QVERIFY(widget<QRadioButton>("BootSer2Chck")->isEnabled());
    }

    void blanksAreRemovedFromTheName() {
        selectController(2, "mega16x");
        goToPage(15);
        auto* name = widget<QLineEdit>("AppNameEdit");
        name->setFocus();
        QTest::keyClicks(name, "my app");
        QCOMPARE(name->text(), QString("myapp"));
        QCOMPARE(dialogs->entries.back().text, std::string("no spaces in name possible!"));
    }

    void buildShowStoreAndPrint() {
        QTemporaryDir dir;
        selectController(2, "mega16x");
        buildAs("Blinky");
        QVERIFY(widget<QCheckBox>("LedCheck")->isChecked());
        QVERIFY(widget<QPushButton>("StoreBtn")->isEnabled());
        QCOMPARE(project->listing().size() >= 2
                     ? QString::fromStdString(project->listing().end()[-2])
                     : QString(),
                 QString("end Blinky."));

        // Show: the listing window opens modally; an edit there reaches the listing.
        QTimer::singleShot(0, [this] {
            TListForm* form = window->listForm();
            QCOMPARE(form->windowTitle(), QString("Orvex Pramlet [AVR] [Blinky]"));
            form->Liste()->appendPlainText("// edited");
            form->close();
        });
        clickButton("ShowBtn");
        QCOMPARE(QString::fromStdString(project->listing().back()), QString("// edited"));

        // Store: a new file, then the same file again with a backup.
        const QString file = dir.filePath("blinky");
        typeInto(widget<QLineEdit>("FNameEdit"), file);
        clickButton("StoreBtn");
        QFile stored(file + ".pas");
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray text = stored.readAll();
        stored.close();
        QVERIFY(text.startsWith("program Blinky;\r\n"));
        QVERIFY(text.endsWith("end Blinky.\r\n\r\n// edited\r\n"));
        dialogs->answers = {true, true};
        clickButton("StoreBtn");
        QVERIFY(QFile::exists(dir.filePath("blinky.bak")));

        // Print into a PDF file instead of a printer.
        const QString pdf = dir.filePath("listing.pdf");
        window->printDialog = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
        clickButton("PrintBtn");
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.readAll().startsWith("%PDF"));
    }

    void choosingWhatIsChosenChangesNothing() {
        selectController(2, "mega16x");
        buildAs("Blinky");
        goToPage(14);
        QVERIFY(project->built());
        // The chosen member, the chosen item and the chosen radio group entry, chosen
        // again, are no change: the build stays valid.
        auto* isp = widget<QWidget>("FuseWrChk");
        auto buttons = isp->findChildren<QRadioButton*>();
        QCOMPARE(buttons.size(), qsizetype(3));
        clickOn(buttons[1]);
        clickOn(widget<QRadioButton>("prgNoneChk"));
        auto* volt = widget<QComboBox>("VoltSpin");
        emit volt->activated(volt->currentIndex());
        QVERIFY(project->built());
        goToPage(1);
        QVERIFY(project->built());
        clickOn(widget<QRadioButton>("StandardChk"));
        QVERIFY(project->built());
        // A different member is a change.
        clickOn(widget<QRadioButton>("UserInts"));
        QVERIFY(!project->built());
    }

    void changingAnOptionClearsTheBuiltFlag() {
        selectController(2, "mega16x");
        buildAs("Blinky");
        QVERIFY(widget<QCheckBox>("LedCheck")->isChecked());
        goToPage(0);
        typeInto(widget<TVelSpinEdit>("FreqSpin"), "8000");
        QVERIFY(!widget<QCheckBox>("LedCheck")->isChecked());
        goToPage(15);
        QVERIFY(!widget<QPushButton>("StoreBtn")->isEnabled());
        clickButton("StoreBtn"); // disabled: nothing happens
        QVERIFY(dialogs->entries.empty() ||
                dialogs->entries.back().text != "first build Application !");
    }

    void doubleClickOnTheFileNameOpensTheChooser() {
        selectController(2, "mega16x");
        goToPage(15);
        int asked = 0;
        window->fileChooser = [&]() -> std::optional<QString> {
            ++asked;
            return QString("/tmp/chosen.pas");
        };
        auto* name = widget<QLineEdit>("FNameEdit");
        QTest::mouseDClick(name, Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(name->text(), QString("/tmp/chosen.pas"));
        QCOMPARE(project->FileName(), std::string("/tmp/chosen.pas"));
        window->fileChooser = [&]() -> std::optional<QString> { return std::nullopt; };
        QTest::mouseDClick(name, Qt::LeftButton); // cancelled: the name stays
        QCOMPARE(name->text(), QString("/tmp/chosen.pas"));
    }

    void commandLinePresetsTheNameFields() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_TEST_DATA "/config/", {"/tmp/out/blink", "Blinky"});
        MainWindow w(q);
        auto* app = qobject_cast<QLineEdit*>(w.optionWidget("AppNameEdit"));
        auto* file = qobject_cast<QLineEdit*>(w.optionWidget("FNameEdit"));
        QCOMPARE(app->text(), QString("Blinky"));
        QCOMPARE(file->text(), QString("/tmp/out/blink"));
    }

    void pagesAreBuiltWhenFirstNeededOrInIdleTime() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_TEST_DATA "/config/", {});
        MainWindow w(q);
        QVERIFY(w.findChild<QWidget*>("GroupBox1"));
        QVERIFY(!w.findChild<QWidget*>("AppNameEdit"));
        // A page built after the project changed shows the project's state.
        QVERIFY(q.clickControllerByName("mega16x"));
        q.userType("AppNameEdit", "Blinky");
        auto* app = qobject_cast<QLineEdit*>(w.optionWidget("AppNameEdit"));
        QVERIFY(app);
        QCOMPARE(app->text(), QString("Blinky"));
        QVERIFY(app->isEnabled());
        // The other pages follow while the window waits for the user.
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(w.findChild<QWidget*>("FramePortA"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(optionCatalogue().begin(), optionCatalogue().end(),
                                             [&](const OptionDef& def) {
                                                 return def.page < 0 || !hasContent(def) ||
                                                        w.findChild<QWidget*>(
                                                            QString::fromStdString(def.name));
                                             }),
                                 10000);
    }

    void aPageChangeShowsOnlyTheNewPage() {
        selectController(2, "mega16x");
        for (int page = 1; page < kPageCount; ++page) {
            next();
            for (int other = 0; other < kPageCount; ++other)
                QCOMPARE(window->pages()->widget(other)->isVisible(), other == page);
            QVERIFY(window->pages()->currentWidget()->updatesEnabled());
        }
        goToPage(0);
        QVERIFY(window->pages()->currentWidget()->updatesEnabled());
        QVERIFY(window->controllerTabs()->isVisible());
    }

    void helpOpensTheHelpDocument() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_BIN_DIR "/", {}); // the help file lies beside the programs
        MainWindow w(q);
        w.show();
        QTest::mouseClick(qobject_cast<QPushButton*>(w.optionWidget("HelpBtn")), Qt::LeftButton);
        auto* help = w.findChild<QWidget*>("HelpWindow");
        QVERIFY(help);
        QVERIFY(help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
        QVERIFY(browser->toPlainText().contains("select processor type"));
    }

    void bootFuseBoxShowsItsNamesWithABootBlock() {
        selectController(2, "mega16x");
        next();
        clickOn(widget<QCheckBox>("BootBlockChk"));
        goToPage(14);
        QVERIFY(widget<QWidget>("BootFuseGroup")->isVisible());
        QCOMPARE(widget<QLabel>("BootFuseLab1")->text(), QString("Please check"));
        QCOMPARE(widget<QLabel>("BootFuseLab2")->text(), QString("these Fuses:"));
        QCOMPARE(widget<QLabel>("BootSZ0lab")->text(), QString("BOOTSZ0"));
    }

    void everyOptionIsShownWithItsCaptionLabelAndHint() {
        selectController(2, "mega128xr");
        for (int page = 0; page < kPageCount; ++page) {
            goToPage(page);
            for (const auto& d : optionCatalogue()) {
                if (d.page != page || d.kind == OptionKind::ControllerList) continue;
                QWidget* w = window->optionWidget(d.name);
                QVERIFY2(w, d.name.c_str());
                QCOMPARE(w->toolTip(), QString::fromStdString(d.hint));
                if (auto* b = qobject_cast<QAbstractButton*>(w); b && !d.caption.empty())
                    QCOMPARE(b->text(), QString::fromStdString(d.caption));
                const std::string& text = d.kind == OptionKind::Summary ? d.caption : d.label;
                if (text.empty()) continue;
                // Options the controller hides (the UART SPI boxes) have no place to check;
                // the window hides only what the project hides, itself or its box.
                if (!w->isVisible()) {
                    bool hidden = false;
                    for (const OptionDef* o = &d; o && !hidden; o = findOption(o->parent))
                        hidden = !project->opts()[OptName::lookup(o->name)].visible;
                    QVERIFY2(hidden, d.name.c_str());
                    continue;
                }
                // A label of that text on the option's line, before it (a field with a unit
                // beside it stands in a row of its own within the line).
                bool found = false;
                QWidget* line = w->parentWidget();
                if (line->objectName().isEmpty() && !qobject_cast<QGroupBox*>(line))
                    line = line->parentWidget();
                const QRect field(w->mapTo(line, QPoint()), w->size());
                for (auto* label : line->findChildren<QLabel*>()) {
                    const QRect at(label->mapTo(line, QPoint()), label->size());
                    found = found || (label->text() == QString::fromStdString(text) &&
                                      qAbs(at.center().y() - field.center().y()) < 4 &&
                                      at.right() < field.left());
                }
                QVERIFY2(found, d.name.c_str());
            }
        }
    }

    void numberedOptionsStandTogether() {
        selectController(2, "mega16x");
        auto sameLine = [this](const char* a, const char* b) {
            QWidget* x = widget<QWidget>(a);
            QWidget* y = widget<QWidget>(b);
            return x->parentWidget() == y->parentWidget() &&
                   qAbs(x->geometry().center().y() - y->geometry().center().y()) < 4 &&
                   x->geometry().right() < y->geometry().left();
        };
        goToPage(3);
        for (int n = 0; n < 8; ++n) {
            const QByteArray i = QByteArray::number(n);
            QVERIFY(sameLine("LedLowChk" + i, "LEDportSpin" + i));
            QVERIFY(sameLine("LEDportSpin" + i, "LEDbitSpin" + i));
        }
        QVERIFY(sameLine("SlipChk3", "SlipBaud3"));
        goToPage(6);
        QVERIFY(sameLine("DiskCROChk", "DiskCSpin"));
        // Two of a kind stand in two columns.
        goToPage(7);
        QCOMPARE(widget<QWidget>("SPIsoftMSBchk1")->x(), widget<QWidget>("SPIsoftDrvChk1")->x());
        QVERIFY(sameLine("SPIsoftMSBchk1", "SPIsoftMSBchk2"));
        QVERIFY(sameLine("SoftSPIportSpin1", "SoftSPIportSpin2"));
        // The summary keeps a captioned line per field.
        goToPage(15);
        for (const char* field : {"SerPort1Pan", "SerPort2Pan", "PWMport2Pan", "SwitchPort1Pan"}) {
            QWidget* w = widget<QWidget>(field);
            auto* label = qobject_cast<QLabel*>(
                w->parentWidget()->childAt(w->geometry().left() - 20, w->geometry().center().y()));
            QVERIFY2(label, field);
            QCOMPARE(label->text(), QString::fromStdString(findOption(field)->caption));
        }
    }

    void portFrameIsLeftByTheFocusMovingOn() {
        selectController(2, "mega16x");
        buildAs("Blinky");
        QVERIFY(project->built());
        goToPage(11);
        TVelGeneralGrid* grid = widget<FramePortWidget>("FramePortC")->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, 1)).center());
        QCOMPARE(int(project->frame(3).DDRStatus()), 1);
        focusOut(grid, Qt::ActiveWindowFocusReason);
        QVERIFY(project->built());
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        QVERIFY(!project->built());
        QVERIFY(project->derived().DDRUsed[2]);
        QCOMPARE(int(project->frame(3).DDRStatus()), 1);
    }

    void zeroPulseTakesADigitPointDigit() {
        selectController(2, "mega16x");
        goToPage(9);
        project->userSelect("ComboBoxServoPort", 1); // the pulse needs a servo port
        auto* pulse = widget<QLineEdit>("ServoPulseSpin");
        QCOMPARE(pulse->text(), QString("1.5"));
        typeInto(pulse, "ab");
        QVERIFY(!pulse->text().contains("ab"));
        typeInto(pulse, "27");
        QCOMPARE(pulse->text(), QString("2.7"));
        QCOMPARE(project->opts().text("ServoPulseSpin"), std::string("2.7"));
    }

    // The keyboard in a port frame: the arrows only move, Space and Enter toggle the bit
    // under the cursor.
    void arrowKeysMoveOverThePortBitsWithoutTogglingThem() {
        selectController(2, "mega16x");
        goToPage(11);
        TVelGeneralGrid* grid = widget<FramePortWidget>("FramePortC")->grid();
        grid->setFocus();
        const int ddr = project->frame(3).DDRStatus();
        const int port = project->frame(3).PortStatus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up,
                            Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(grid, key);
        QCOMPARE(int(project->frame(3).DDRStatus()), ddr);
        QCOMPARE(int(project->frame(3).PortStatus()), port);
        // The cursor stands on a bit of the direction column (row 1 is bit 0).
        QCOMPARE(grid->currentIndex().column(), 1);
        const int bit = 1 << (grid->currentIndex().row() - 1);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(int(project->frame(3).DDRStatus()), ddr ^ bit);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(int(project->frame(3).DDRStatus()), ddr);
        QTest::keyClick(grid, Qt::Key_Enter);
        QCOMPARE(int(project->frame(3).DDRStatus()), ddr ^ bit);
        QCOMPARE(int(project->frame(3).PortStatus()), port);
    }

    void movingIntoAControllerListLoadsNothing() {
        selectController(2, "mega16x");
        const QString title = window->windowTitle();
        // Another family's tab: switching to it loads nothing, nor does the focus entering
        // its list, from either side.
        window->controllerTabs()->setCurrentIndex(0);
        auto* list = window->controllerList(0);
        QVERIFY(list->selectedItems().isEmpty());
        widget<TVelSpinEdit>("FreqSpin")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        list->setFocus(Qt::BacktabFocusReason);
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(project->cpu().CpuName, std::string("mega16x"));
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(list->selectedItems().isEmpty());
        // Space on the highlighted entry loads it as a click does.
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->selectedItems().size(), qsizetype(1));
        QCOMPARE(project->cpu().CpuName, std::string("tiny256"));
    }

    void leavingAnUnchangedFieldRunsNothing() {
        selectController(2, "mega16x");
        buildAs("Blinky");
        QVERIFY(widget<QCheckBox>("LedCheck")->isChecked());
        auto* name = widget<QLineEdit>("AppNameEdit");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(!name->hasFocus());
        QVERIFY(widget<QCheckBox>("LedCheck")->isChecked());
        QVERIFY(widget<QPushButton>("StoreBtn")->isEnabled());
        // An edit still counts, even one that ends on the same text.
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClicks(name, "y");
        QTest::keyClick(name, Qt::Key_Tab);
        QVERIFY(!widget<QCheckBox>("LedCheck")->isChecked());
    }

    void f1OpensTheHelpAtTheCurrentPage() {
        RecordingDialogs d;
        Project q(d);
        q.start(PRAMLET_BIN_DIR "/", {});
        MainWindow w(q);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(q.clickControllerByName("mega16"));
        QVERIFY(q.next());
        QTest::keyClick(&w, Qt::Key_F1);
        auto* help = w.findChild<QWidget*>("HelpWindow");
        QVERIFY(help);
        QVERIFY(help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>("HelpBrowser");
        QCOMPARE(browser->source().fragment(), QString("p2"));
        while (q.page() < 12)
            QVERIFY(q.next());
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(browser->source().fragment(), QString("p12"));
    }

    void portFrameCellsToggleBits() {
        selectController(2, "mega16x");
        goToPage(11);
        auto* frame = widget<FramePortWidget>("FramePortC");
        TVelGeneralGrid* grid = frame->grid();
        grid->setFocus();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, 1)).center());
        QCOMPARE(int(project->frame(3).DDRStatus()), 1);
        // Bit 7 of port C is absent on this controller: a click changes nothing.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(8, 1)).center());
        QCOMPARE(int(project->frame(3).DDRStatus()), 1);
        widget<QPushButton>("NextBtn")->setFocus(); // leaving the frame
        QVERIFY(project->derived().DDRUsed[2]);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
