#include "ui/MainWindow.h"

#include "components/widgets/VelSpinEdit.h"
#include "generator/BuildApp.h"
#include "output/SettingsCommands.h"
#include "output/StoreListing.h"
#include "ui/FieldLeave.h"
#include "ui/FramePortWidget.h"
#include "ui/HelpWindow.h"
#include "ui/ListForm.h"
#include "ui/OptionBinders.h"
#include "ui/PageView.h"
#include "ui/PreviewWindow.h"
#include "ui/PrintListing.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

namespace pramlet {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

MainWindow::MainWindow(Project& project, QWidget* parent)
    : QMainWindow(parent),
      fProject(project), fContext{
                             .project = project,
                             .owner = this,
                             .repainting = [this] { return fRefreshing; },
                             .act =
                                 [this](const std::string& name,
                                        const std::function<void()>& action) { act(name, action); },
                             .command = [this](const std::string& name) { runCommand(name); },
                             .chooserFilter = this} {
    setObjectName("MainWindow");
    setWindowTitle("Orvex Pramlet [AVR]");

    auto* central = new QWidget(this);
    // A click beside the controls leaves the field being edited, as a click on another
    // control does.
    central->setFocusPolicy(Qt::ClickFocus);
    auto* layout = new QVBoxLayout(central);
    fTitle = new QLabel(qs(pageInfo(0).title), central);
    fTitle->setObjectName("Tab");
    QFont titleFont = fTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    fTitle->setFont(titleFont);
    layout->addWidget(fTitle);

    fPages = new QStackedWidget(central);
    fPages->setObjectName("PageControl");
    // Each page gets its widgets when it is first needed: shown, asked for, or in idle time.
    // Until then it holds a bare place in the stack.
    for (int page = 0; page < kPageCount; ++page) {
        auto* place = new QWidget;
        fPages->addWidget(place);
        if (page > 0) place->setUpdatesEnabled(false);
    }
    fBuilt.assign(kPageCount, false);
    layout->addWidget(fPages, 1);

    auto* nav = new QHBoxLayout;
    nav->addStretch(1);
    for (const char* name : {"PrevBtn", "NextBtn"}) {
        const OptionDef* d = findOption(name);
        auto* b = new QPushButton(qs(d->caption), central);
        b->setObjectName(name);
        b->setToolTip(qs(d->hint));
        b->setMinimumWidth(100);
        bind(*d, b, nullptr);
        nav->addWidget(b);
    }
    connect(static_cast<QPushButton*>(optionWidget("PrevBtn")), &QPushButton::clicked, this,
            [this] { fProject.prev(); });
    connect(static_cast<QPushButton*>(optionWidget("NextBtn")), &QPushButton::clicked, this,
            [this] { fProject.next(); });
    // Keyboard: Ctrl+PgDown and Ctrl+PgUp walk the pages like next and prev.
    auto* nextKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    // The field being edited is left first, as a click on the button would leave it.
    auto leaveField = [] {
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    };
    connect(nextKey, &QShortcut::activated, this, [this, leaveField] {
        leaveField();
        if (fProject.opts().enabled("NextBtn")) fProject.next();
    });
    auto* prevKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(prevKey, &QShortcut::activated, this, [this, leaveField] {
        leaveField();
        if (fProject.opts().enabled("PrevBtn")) fProject.prev();
    });
    layout->addLayout(nav);
    setCentralWidget(central);
    // F1 opens the help at the current page's section, from any page.
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::helpForPage);
    // F5 opens the preview, from any page.
    auto* previewKey = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(previewKey, &QShortcut::activated, this, [this] { runCommand("PreviewBtn"); });
    // Ctrl+S and Ctrl+O save and load the settings, from any page.
    auto* saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, [this] { runCommand("SaveSettingsBtn"); });
    auto* loadKey = new QShortcut(QKeySequence::Open, this);
    connect(loadKey, &QShortcut::activated, this, [this] { runCommand("LoadSettingsBtn"); });

    const OptionDef* status = findOption("StatusLine");
    fStatus0 = new QLabel(status && !status->items.empty() ? qs(status->items[0]) : "", this);
    fStatus0->setObjectName("StatusPanel0");
    fStatus1 = new QLabel(this);
    fStatus1->setObjectName("StatusPanel1");
    fLed = new QCheckBox(qs(findOption("LedCheck")->caption), this);
    fLed->setObjectName("LedCheck");
    fLed->setEnabled(false);
    bind(*findOption("LedCheck"), fLed, nullptr);
    statusBar()->addWidget(fStatus0, 1);
    statusBar()->addPermanentWidget(fStatus1);
    statusBar()->addPermanentWidget(fLed);

    fProject.setFocusRequest([this](OptName name) { focusOption(name.name()); });
    fProject.addObserver([this](const std::vector<std::string>& names) { refresh(names); });
    refreshAll();
    resize(1240, 760);
    // The other pages are built while the user looks at the first one.
    QTimer::singleShot(200, this, &MainWindow::buildIdlePage);
}

TListForm* MainWindow::listForm() {
    if (!fListForm) fListForm = new TListForm(this);
    return fListForm;
}

MainWindow::~MainWindow() {
    fProject.setFocusRequest(nullptr);
}

QWidget* MainWindow::optionWidget(const std::string& name) {
    if (const OptionDef* d = findOption(name)) {
        ensurePage(d->page);
        const auto& lists = Project::controllerLists();
        for (size_t tab = 0; tab < lists.size(); ++tab)
            if (lists[tab].name() == name) controllerList(static_cast<int>(tab));
    }
    auto it = fBound.find(name);
    return it == fBound.end() ? nullptr : it->second.widget;
}

void MainWindow::ensurePage(int page) {
    if (page < 0 || page >= kPageCount || fBuilt[page]) return;
    fBuilt[page] = true;
    const bool wasRefreshing = fRefreshing;
    fRefreshing = true;
    PageWidgets widgets{
        .make = [this](const OptionDef& d) { return createOptionWidget(d, fContext); },
        .bind = [this](const OptionDef& d, QWidget* w, QLabel* label) { bind(d, w, label); },
        .group =
            [this](const std::string& group) {
                QButtonGroup*& g = fGroups[group];
                if (!g) {
                    g = new QButtonGroup(this);
                    g->setExclusive(true);
                }
                return g;
            },
    };
    auto* scroll = new QScrollArea;
    scroll->setObjectName(pageInfo(page).sheet);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::ClickFocus); // no Tab stop of its own
    QWidget* place = fPages->widget(page);
    scroll->setUpdatesEnabled(place->updatesEnabled());
    const bool shown = fPages->currentWidget() == place;
    fPages->insertWidget(page, scroll);
    if (shown) fPages->setCurrentWidget(scroll);
    fPages->removeWidget(place);
    delete place;
    QWidget* content =
        buildPageContent(planPage(page), page == 0 ? buildControllerTabs() : nullptr, widgets);
    // The port pages explain their pictures under the frames (the content's layout holds
    // the frames' row, then the row of the page's own commands).
    if (std::any_of(optionCatalogue().begin(), optionCatalogue().end(), [&](const OptionDef& d) {
            return d.page == page && d.kind == OptionKind::PortFrame;
        }))
        if (auto* outer = qobject_cast<QVBoxLayout*>(content->layout())) {
            // Right under the frames; the free room goes below it.
            outer->setStretch(0, 0);
            outer->insertWidget(1, FramePortWidget::makeLegend());
            outer->insertStretch(2, 1);
        }
    scroll->setWidget(content);
    for (auto& [name, b] : fBound)
        if (b.def->page == page && b.def->kind != OptionKind::ControllerList) paint(b, true);
    if (page == 0) {
        controllerList(fControllerTabs->currentIndex());
        refreshControllerLists();
    }
    fRefreshing = wasRefreshing;
}

void MainWindow::buildIdlePage() {
    for (int page = 0; page < kPageCount; ++page) {
        if (fBuilt[page]) continue;
        ensurePage(page);
        QTimer::singleShot(0, this, &MainWindow::buildIdlePage);
        return;
    }
    for (size_t tab = 0; tab < fControllerLists.size(); ++tab) {
        if (fControllerLists[tab]) continue;
        controllerList(static_cast<int>(tab));
        QTimer::singleShot(0, this, &MainWindow::buildIdlePage);
        return;
    }
}

QWidget* MainWindow::buildControllerTabs() {
    fControllerTabs = new QTabWidget;
    fControllerTabs->setObjectName("PageControlCPU");
    // Each tab holds a place for its list; the list is made when the tab is first shown
    // (or asked for, or in idle time), so that the start makes the one list it shows.
    for (const auto& listName : Project::controllerLists()) {
        const OptionDef* d = findOption(listName.name());
        auto* place = new QWidget;
        auto* placeLayout = new QVBoxLayout(place);
        placeLayout->setContentsMargins(0, 0, 0, 0);
        fControllerTabs->addTab(place, qs(d ? d->caption : listName.str()));
    }
    fControllerLists.assign(static_cast<size_t>(fControllerTabs->count()), nullptr);
    connect(fControllerTabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!fRefreshing) fProject.setFamilyTab(tab);
        controllerList(tab);
    });
    fControllerTabs->setMinimumHeight(220);

    // A filter above the lists narrows every tab to the names that contain its text; the
    // lists keep their order, and the controller in use stays in use.
    auto* pane = new QWidget;
    pane->setObjectName("ControllerPane");
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    auto* filterLabel = new QLabel("Filter:");
    fFilter = new QLineEdit;
    fFilter->setObjectName("ControllerFilter");
    fFilter->setPlaceholderText("e.g. 328");
    fFilter->setMinimumWidth(240);
    // The clear button's icon is looked up when the button is made, which costs the start a
    // millisecond: it is made when the user first types.
    connect(
        fFilter, &QLineEdit::textEdited, fFilter, [this] { fFilter->setClearButtonEnabled(true); },
        Qt::SingleShotConnection);
    fFilter->setToolTip("Shows only the controllers whose names contain this text");
    fFilter->setMaximumWidth(360);
    filterLabel->setBuddy(fFilter);
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(fFilter);
    filterRow->addStretch(1);
    layout->addLayout(filterRow);
    layout->addWidget(fControllerTabs, 1);
    connect(fFilter, &QLineEdit::textChanged, this, [this] { applyControllerFilter(); });
    return pane;
}

QListWidget* MainWindow::controllerList(int tab) {
    if (!fControllerTabs) ensurePage(0);
    if (tab < 0 || tab >= static_cast<int>(fControllerLists.size())) return nullptr;
    if (!fControllerLists[tab]) {
        const bool wasRefreshing = fRefreshing;
        fRefreshing = true;
        makeControllerList(tab);
        refreshControllerLists();
        fRefreshing = wasRefreshing;
    }
    return fControllerLists[tab];
}

void MainWindow::makeControllerList(int tab) {
    const OptName listName = Project::controllerLists()[tab];
    const OptionDef* d = findOption(listName.name());
    QWidget* place = fControllerTabs->widget(tab);
    auto* list = new QListWidget(place);
    fControllerLists[tab] = list; // known to the event filter before it is first resized
    list->setObjectName(qs(listName.str()));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::LeftToRight); // five columns, read row by row
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setGridSize(QSize(150, 22));
    list->viewport()->installEventFilter(this); // five columns whatever the width
    place->layout()->addWidget(list);
    // Tab reaches it from the family tabs, as if it had been made with them.
    QWidget::setTabOrder(fControllerTabs->tabBar(), list);
    // Laid out at once, so that it is painted in its five columns from the first time.
    if (place->isVisible()) {
        list->show();
        place->layout()->activate();
    }
    if (d) bind(*d, list, nullptr);
    auto click = [this, tab](int row) {
        try {
            fProject.clickController(tab, row);
        } catch (const ApplicationAbort&) {
            QApplication::exit(2);
        }
    };
    // Choosing with the mouse or the keyboard loads the controller; a click on the
    // controller already chosen loads it again. The selection cannot be taken away.
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, click] {
        if (fRefreshing) return;
        if (fListPressed) fListPressSelected = true;
        const auto items = list->selectedItems();
        if (items.isEmpty()) {
            fRefreshing = true;
            refreshControllerLists();
            fRefreshing = false;
            return;
        }
        click(list->row(items.front()));
    });
    connect(list, &QListWidget::itemClicked, this, [this, list, click](QListWidgetItem* item) {
        if (fRefreshing || fListPressSelected) return;
        click(list->row(item));
    });
}

void MainWindow::applyControllerFilter() {
    if (!fControllerTabs || !fFilter) return;
    const QString wanted = fFilter->text().trimmed();
    for (int tab = 0; tab < fControllerTabs->count(); ++tab) {
        QListWidget* list = fControllerLists[tab];
        if (!list) {
            // Filtered when it is made; the tab's count waits till then.
            fControllerTabs->setTabToolTip(tab, QString());
            continue;
        }
        int shown = 0;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const bool hide =
                !wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive);
            if (item->isHidden() != hide) item->setHidden(hide);
            if (!hide) ++shown;
        }
        // The tab says how many names it still shows while the filter is in use.
        fControllerTabs->setTabToolTip(
            tab,
            wanted.isEmpty() ? QString() : QString("%1 of %2 shown").arg(shown).arg(list->count()));
    }
}

void MainWindow::bind(const OptionDef& def, QWidget* widget, QLabel* label) {
    fBound[def.name] = {&def, widget, label};
    widget->installEventFilter(this);
    if (label) label->installEventFilter(this);
}

void MainWindow::runCommand(const std::string& name) {
    static const std::map<std::string, void (MainWindow::*)()> commands = {
        {"BuildBtn", &MainWindow::BuildBtnClick},
        {"ShowBtn", &MainWindow::ShowBtnClick},
        {"StoreBtn", &MainWindow::StoreBtnClick},
        {"PrintBtn", &MainWindow::PrintBtnClick},
        {"HelpBtn", &MainWindow::HelpBtnClick},
        {"InfoBtn", &MainWindow::InfoBtnClick},
        {"PreviewBtn", &MainWindow::PreviewBtnClick},
        {"SaveSettingsBtn", &MainWindow::SaveSettingsBtnClick},
        {"LoadSettingsBtn", &MainWindow::LoadSettingsBtnClick},
    };
    if (auto it = commands.find(name); it != commands.end()) {
        auto method = it->second;
        act(name, [&] { (this->*method)(); });
    } else if (name == "ExitBtn") {
        close();
    }
}

void MainWindow::act(const std::string& name, const std::function<void()>& action) {
    if (fRefreshing) return;
    // The user has changed the widget: it is painted again from the project's state, even
    // where that did not change (a refused choice, a rule that undoes a click). A member of
    // a group changes the other members' buttons too.
    if (auto it = fBound.find(name); it != fBound.end()) {
        it->second.painted.reset();
        if (it->second.def->kind == OptionKind::OneOf)
            for (const OptionDef* m : groupMembers(it->second.def->group))
                if (auto jt = fBound.find(m->name); jt != fBound.end()) jt->second.painted.reset();
    }
    try {
        action();
    } catch (const ApplicationAbort&) {
        QApplication::exit(2);
    }
}

void MainWindow::refresh(const std::vector<std::string>& names, bool force) {
    fRefreshing = true;
    bool listsChanged = false;
    for (const auto& name : names) {
        if (name == "Tab") {
            fTitle->setText(qs(fProject.opts().text("Tab")));
            setWindowTitle(qs(fProject.windowCaption()));
        } else if (name == "StatusLine") {
            const auto& items = fProject.opts()["StatusLine"].items;
            if (items.size() > 1) fStatus1->setText(qs(items[1]));
        }
        const auto& lists = Project::controllerLists();
        if (std::any_of(lists.begin(), lists.end(), [&](OptName l) { return l.name() == name; })) {
            listsChanged = true;
            continue;
        }
        auto it = fBound.find(name);
        if (it != fBound.end()) paint(it->second, force);
    }
    if (listsChanged) refreshControllerLists();
    if (fPages->currentIndex() != fProject.page()) showPage();
    fRefreshing = false;
}

void MainWindow::refreshAll() {
    std::vector<std::string> names;
    for (const auto& s : fProject.opts().all())
        names.push_back(s.def->name);
    refresh(names, true);
    fRefreshing = true;
    showPage();
    fRefreshing = false;
}

void MainWindow::showPage() {
    const int page = fProject.page();
    ensurePage(page);
    if (fPages->currentIndex() != page) {
        // Hidden pages have their updates switched off for good, so that the stack's own
        // switch around a page change visits the two pages only, not every widget.
        QWidget* old = fPages->currentWidget();
        fPages->widget(page)->setUpdatesEnabled(true);
        fPages->setCurrentIndex(page);
        if (old) old->setUpdatesEnabled(false);
    }
    if (fControllerTabs && fControllerTabs->currentIndex() != fProject.familyTab())
        fControllerTabs->setCurrentIndex(fProject.familyTab());
}

void MainWindow::refreshControllerLists() {
    if (!fControllerTabs) return;
    for (int tab = 0; tab < fControllerTabs->count(); ++tab) {
        const OptionState& s = fProject.opts()[Project::controllerLists()[tab]];
        const bool inUse = tab == fProject.controllerTab() && s.itemIndex >= 0 &&
                           s.itemIndex < static_cast<int>(s.items.size());
        fControllerTabs->setTabIcon(tab, inUse ? style()->standardIcon(QStyle::SP_DialogApplyButton)
                                               : QIcon());
        QListWidget* list = fControllerLists[tab];
        if (!list) continue;
        QStringList items;
        for (const auto& n : s.items)
            items << qs(n);
        bool same = list->count() == items.size();
        for (int i = 0; same && i < items.size(); ++i)
            same = list->item(i)->text() == items[i];
        if (!same) {
            list->clear();
            list->addItems(items);
        }
        // The controller in use is selected and set in bold in its list, and its family's
        // tab carries a mark; the other lists have nothing selected.
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const bool bold = inUse && i == s.itemIndex;
            if (item->font().bold() != bold) {
                QFont f = item->font();
                f.setBold(bold);
                item->setFont(f);
            }
        }
        if (inUse) {
            list->setCurrentRow(s.itemIndex);
        } else {
            list->clearSelection();
            // A list without a current row would make the first row current, and so
            // choose it, when the focus moves into it: moving into a list loads nothing.
            if (!list->currentIndex().isValid() && list->count() > 0)
                list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                                        QItemSelectionModel::NoUpdate);
        }
    }
    if (fControllerTabs->currentIndex() != fProject.familyTab())
        fControllerTabs->setCurrentIndex(fProject.familyTab());
    applyControllerFilter();
}

void MainWindow::paint(Bound& b, bool force) {
    const OptionState& s = fProject.opts()[OptName::lookup(b.def->name)];
    const OptionBinder& binder = binderFor(b.def->kind);
    if (!force && b.painted && !binder.paintsOutsideState() && samePaint(*b.painted, s)) return;
    QWidget* w = b.widget;
    w->setEnabled(s.enabled);
    if (b.def->page >= 0) w->setVisible(s.visible);
    if (b.label) {
        b.label->setEnabled(s.enabled);
        b.label->setVisible(s.visible);
    }
    w->setToolTip(qs(s.hint));
    binder.repaint(s, w);
    b.painted = s;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (fControllerTabs) {
        for (QListWidget* list : fControllerLists) {
            if (!list || watched != list->viewport()) continue;
            if (event->type() == QEvent::Resize) {
                // The list lays its rows out as if its scroll bar were shown, so the five
                // columns share the width beside it.
                const QScrollBar* bar = list->verticalScrollBar();
                int width = list->viewport()->width();
                if (!bar->isVisible())
                    width -= list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar);
                list->setGridSize(QSize(std::max(80, width / 5 - 1), 22));
            } else if (event->type() == QEvent::MouseButtonPress) {
                fListPressed = true;
                fListPressSelected = false;
            } else if (event->type() == QEvent::MouseButtonRelease) {
                fListPressed = false;
            }
        }
    }
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        // The hint of the control under the pointer, else that of the box around it;
        // leaving a control puts the pointer over its parent. The line changes only with
        // the hint, so that its first text stays until a hint is shown.
        if (auto* w = qobject_cast<QWidget*>(watched)) {
            QString hint;
            for (QWidget* h = event->type() == QEvent::Enter ? w : w->parentWidget();
                 h && h != this && hint.isEmpty(); h = h->parentWidget())
                hint = h->toolTip();
            int bar = hint.indexOf('|');
            if (bar >= 0) hint = hint.mid(bar + 1);
            if (hint != fHint) fStatus0->setText(hint);
            fHint = hint;
        }
    } else if (event->type() == QEvent::MouseButtonDblClick &&
               watched->objectName() == "FNameEdit") {
        chooseFileName();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::chooseFileName() {
    std::optional<QString> chosen;
    if (fileChooser) {
        chosen = fileChooser();
    } else {
        QFileDialog dialog(this, "Save Application to ...");
        dialog.setDefaultSuffix("pas");
        dialog.setNameFilters({"Pascal source (*.pas)", "all (*.*)"});
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // storing asks
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().front();
    }
    fProject.userChooseFile(chosen ? std::optional<std::string>(chosen->toStdString())
                                   : std::nullopt);
}

void MainWindow::focusOption(std::string_view name) {
    if (QWidget* w = optionWidget(std::string(name))) w->setFocus();
}

void MainWindow::BuildBtnClick() {
    fProject.act([this] {
        Build(fProject);
        if (fProject.built()) fBuiltAppName = fProject.AppName();
    });
}

void MainWindow::ShowBtnClick() {
    fProject.act([this] {
        if (fProject.readyCheck())
            fProject.setListing(listForm()->showListing(fProject.listing(), fBuiltAppName));
        fProject.buttonStates();
    });
}

void MainWindow::PreviewBtnClick() {
    if (!fPreview) fPreview = new PreviewWindow(fProject, this);
    fPreview->open();
}

std::optional<QString> MainWindow::chooseSettingsFile(bool save) {
    if (settingsFileChooser) return settingsFileChooser(save);
    QFileDialog dialog(this, save ? "Save settings to ..." : "Load settings from ...");
    dialog.setNameFilters({"Pramlet settings (*.pramlet)", "all (*)"});
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) {
        dialog.setDefaultSuffix("pramlet");
        const QString app = qs(fProject.opts().text("AppNameEdit"));
        if (!app.isEmpty()) dialog.selectFile(app + ".pramlet");
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!fSettingsFolder.isEmpty()) dialog.setDirectory(fSettingsFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void MainWindow::SaveSettingsBtnClick() {
    const std::optional<QString> chosen = chooseSettingsFile(true);
    if (!chosen || chosen->isEmpty()) return;
    std::string written;
    fProject.act([&] { written = SaveSettingsCommand(fProject, chosen->toStdString()); });
    if (written.empty()) return;
    const QFileInfo file(qs(written));
    fSettingsFolder = file.absolutePath();
    fHint = "Settings stored in " + file.absoluteFilePath();
    fStatus0->setText(fHint);
}

void MainWindow::LoadSettingsBtnClick() {
    const std::optional<QString> chosen = chooseSettingsFile(false);
    if (!chosen || chosen->isEmpty()) return;
    bool loaded = false;
    fProject.act([&] { loaded = LoadSettingsCommand(fProject, chosen->toStdString()); });
    if (!loaded) return;
    const QFileInfo file(*chosen);
    fSettingsFolder = file.absolutePath();
    fHint = "Settings loaded from " + file.absoluteFilePath();
    fStatus0->setText(fHint);
}

void MainWindow::StoreBtnClick() {
    fProject.act([this] {
        if (!pramlet::StoreBtnClick(fProject)) return;
        fStoredListing = fProject.listing();
        // Where the file went, until the pointer shows another hint.
        fHint = "Stored as " + qs(fProject.FileName());
        fStatus0->setText(fHint);
    });
}

bool MainWindow::printTo(QPrinter& printer) {
    QString error;
    if (printListing(printer, fProject.listing(), error) < 0) {
        fProject.dialogs().message(MsgKind::Error, error.toStdString(), MsgButton::Ok);
        return false;
    }
    return true;
}

void MainWindow::PrintBtnClick() {
    fProject.act([this] {
        if (!fProject.readyCheck()) return;
        QPrinter printer;
        bool accepted = printDialog ? printDialog(printer) : [&] {
            QPrintDialog dialog(&printer, this);
            return dialog.exec() == QDialog::Accepted;
        }();
        if (accepted) printTo(printer);
    });
}

void MainWindow::HelpBtnClick() {
    showHelp(this, qs(fProject.helpFile()));
}

void MainWindow::helpForPage() {
    // The help's sections p1 .. p16 follow the page numbers; the three port pages share one.
    const int page = fProject.page();
    const int section = page <= 10 ? page + 1 : page <= 13 ? 12 : page + 1;
    showHelp(this, qs(fProject.helpFile()), "p" + QString::number(section));
}

void MainWindow::InfoBtnClick() {
    QMessageBox::about(this, "About",
                       "Orvex Pramlet [AVR]\nRev 1.2\n\nWrites the starting point of a firmware "
                       "project for an 8-bit AVR controller.");
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A built program that was never stored (or changed in the listing window since) would
    // be lost: the user is asked first. With nothing to lose the window closes at once.
    if (!fProject.built() || fProject.listing() == fStoredListing) {
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    "The program is built but not stored.\nStore it first?",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName("StoreFirstQuestion");
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    fitMessageBox(box);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) {
        StoreBtnClick();
        if (fProject.listing() != fStoredListing) {
            event->ignore(); // not stored: the user stays
            return;
        }
    } else if (answer != QMessageBox::No) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace pramlet
