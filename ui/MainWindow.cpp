#include "ui/MainWindow.h"

#include "components/widgets/VelSpinEdit.h"
#include "generator/BuildApp.h"
#include "output/StoreListing.h"
#include "ui/FieldLeave.h"
#include "ui/FramePortWidget.h"
#include "ui/HelpWindow.h"
#include "ui/ListForm.h"
#include "ui/PrintListing.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
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

// The catalogue's masks as the line edit knows them: "$>AA;1;_" is a "$" and two upper-case
// hexadecimal digits, "000" up to three digits, "0.0;1;_" a digit, a point and a digit.
QString inputMask(const std::string& mask) {
    if (mask == "$>AA;1;_") return "$>HH;_";
    if (mask == "000") return "000";
    if (mask == "0.0;1;_") return "9.9;_";
    return {};
}

// Rough height of a box's content in rows, to spread boxes over columns evenly.
int estimatedRows(const std::string& parent, int page) {
    int rows = 0;
    std::string lastGroup;
    int inGroup = 0;
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || d.parent != parent) continue;
        if (d.kind == OptionKind::GroupBox) {
            rows += 2 + estimatedRows(d.name, page);
        } else if (d.kind == OptionKind::OneOf) {
            if (d.group != lastGroup) inGroup = 0;
            lastGroup = d.group;
            if (inGroup++ % 4 == 0) ++rows;
        } else if (d.kind == OptionKind::CheckList) {
            rows += 5;
        } else if (d.kind == OptionKind::PortFrame) {
            rows += 9;
        } else {
            ++rows;
            lastGroup.clear();
        }
    }
    return rows;
}

bool hasContent(const OptionDef& d) {
    switch (d.kind) {
    case OptionKind::TitleBar:
    case OptionKind::StatusLine:
    case OptionKind::FileDialog:
    case OptionKind::PrintDialog:
    case OptionKind::ControllerList: return false;
    default: return true;
    }
}

// Numbered options of one box that go together: names that differ in one character running
// 0, 1, 2 ... or A, B, C ... (LedLowChk0..7, LEDportSpin0..7, LEDbitSpin0..7; DiskAROChk..
// DiskDROChk, DiskASpin..DiskDSpin). Two or more such series over the same numbers form a
// table, so that each LED, disk or port stands on a line (or in a column) of its own.
using Series = std::vector<const OptionDef*>;
using SeriesTable = std::vector<Series>;

std::vector<SeriesTable> seriesTables(const std::string& parent, int page) {
    std::map<std::string, Series> byKey;
    std::vector<std::string> keys; // in catalogue order
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || d.parent != parent || !hasContent(d)) continue;
        // Summaries keep their list of captions; commands and frames are no series.
        if (d.kind != OptionKind::CheckBox && d.kind != OptionKind::Number &&
            d.kind != OptionKind::NumberSpecial && d.kind != OptionKind::Choice &&
            d.kind != OptionKind::Text)
            continue;
        for (size_t p = 0; p < d.name.size(); ++p) {
            const char c = d.name[p];
            if (!std::isdigit(static_cast<unsigned char>(c)) && !(c >= 'A' && c <= 'Z')) continue;
            std::string key = std::to_string(p) + ":" + d.name;
            key[key.find(':') + 1 + p] = '#';
            if (!byKey.count(key)) keys.push_back(key);
            byKey[key].push_back(&d);
        }
    }
    std::vector<std::pair<std::string, Series>> series; // index characters, members
    std::set<const OptionDef*> taken;
    for (const auto& key : keys) {
        Series members = byKey[key];
        if (members.size() < 2) continue;
        const size_t p = std::stoul(key);
        std::sort(members.begin(), members.end(),
                  [p](auto* a, auto* b) { return a->name[p] < b->name[p]; });
        std::string index;
        for (auto* m : members)
            index += m->name[p];
        bool run = index[0] == '0' || index[0] == '1' || index[0] == 'A';
        for (size_t i = 1; run && i < index.size(); ++i)
            run = index[i] == index[0] + static_cast<char>(i);
        if (!run || std::any_of(members.begin(), members.end(),
                                [&](auto* m) { return taken.count(m) > 0; }))
            continue;
        taken.insert(members.begin(), members.end());
        series.emplace_back(index, members);
    }
    std::vector<SeriesTable> tables;
    std::vector<std::string> tableIndex;
    for (auto& [index, members] : series) {
        auto it = std::find(tableIndex.begin(), tableIndex.end(), index);
        if (it == tableIndex.end()) {
            tableIndex.push_back(index);
            tables.push_back({members});
        } else {
            tables[it - tableIndex.begin()].push_back(members);
        }
    }
    std::erase_if(tables, [](const SeriesTable& t) { return t.size() < 2; });
    return tables;
}

} // namespace

MainWindow::MainWindow(Project& project, QWidget* parent) : QMainWindow(parent), fProject(project) {
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
    for (int page = 0; page < kPageCount; ++page)
        fPages->addWidget(buildPage(page));
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

    fListForm = new TListForm(this);

    fProject.setFocusRequest([this](OptName name) { focusOption(name.name()); });
    fProject.addObserver([this](const std::vector<std::string>& names) { refresh(names); });
    refreshAll();
    resize(1240, 760);
}

MainWindow::~MainWindow() {
    fProject.setFocusRequest(nullptr);
}

QWidget* MainWindow::optionWidget(const std::string& name) const {
    auto it = fBound.find(name);
    return it == fBound.end() ? nullptr : it->second.widget;
}

QWidget* MainWindow::buildPage(int page) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(pageInfo(page).sheet);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::ClickFocus); // no Tab stop of its own
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    if (page == 0) outer->addWidget(buildControllerTabs(), 1);

    // Top-level boxes spread over columns, each going to the currently shortest one.
    std::vector<const OptionDef*> top;
    std::vector<const OptionDef*> loose;
    int total = 0;
    for (const auto& d : optionCatalogue()) {
        if (d.page != page || !d.parent.empty() || !hasContent(d)) continue;
        if (d.kind == OptionKind::GroupBox) {
            top.push_back(&d);
            total += 2 + estimatedRows(d.name, page);
        } else {
            loose.push_back(&d);
        }
    }
    // Port pages show their frames side by side; other pages fill up to four columns.
    const bool frames = !top.empty() && std::all_of(top.begin(), top.end(), [](auto* d) {
        const OptionDef* first = nullptr;
        for (const auto& o : optionCatalogue())
            if (o.parent == d->name) {
                first = &o;
                break;
            }
        return first && first->kind == OptionKind::PortFrame;
    });
    const int wanted = std::max(static_cast<int>(std::ceil(total / 20.0)),
                                std::min(3, static_cast<int>(top.size())));
    const int columns = frames ? static_cast<int>(top.size()) : std::clamp(wanted, 1, 4);
    auto* grid = new QHBoxLayout;
    grid->setSpacing(12);
    std::vector<QVBoxLayout*> cols;
    std::vector<int> heights(columns, 0);
    for (int c = 0; c < columns; ++c) {
        cols.push_back(new QVBoxLayout);
        cols.back()->setSpacing(8);
        grid->addLayout(cols.back(), 1);
    }
    for (const OptionDef* d : top) {
        int c =
            static_cast<int>(std::min_element(heights.begin(), heights.end()) - heights.begin());
        auto* box = new QGroupBox(qs(d->caption));
        box->setObjectName(qs(d->name));
        bind(*d, box, nullptr);
        fillBox(box, d->name, page);
        cols[c]->addWidget(box);
        heights[c] += 2 + estimatedRows(d->name, page);
    }
    for (auto* col : cols)
        col->addStretch(1);
    outer->addLayout(grid, page == 0 ? 0 : 1);

    if (!loose.empty()) {
        // Commands and fields that stand on the page itself, in a row under the boxes.
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (const OptionDef* d : loose) {
            QWidget* w = makeWidget(*d);
            QLabel* label = nullptr;
            if (!d->label.empty()) {
                label = new QLabel(qs(d->label));
                label->setBuddy(w);
                row->addWidget(label);
            }
            row->addWidget(w);
            bind(*d, w, label);
        }
        outer->addLayout(row);
    }
    scroll->setWidget(content);
    return scroll;
}

QWidget* MainWindow::buildControllerTabs() {
    fControllerTabs = new QTabWidget;
    fControllerTabs->setObjectName("PageControlCPU");
    for (const auto& listName : Project::controllerLists()) {
        const OptionDef* d = findOption(listName.name());
        auto* list = new QListWidget;
        list->setObjectName(qs(listName.str()));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setViewMode(QListView::ListMode);
        list->setFlow(QListView::LeftToRight); // five columns, read row by row
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setGridSize(QSize(150, 22));
        list->viewport()->installEventFilter(this); // five columns whatever the width
        fControllerTabs->addTab(list, qs(d ? d->caption : listName.str()));
        if (d) bind(*d, list, nullptr);
        const int tab = fControllerTabs->count() - 1;
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
    connect(fControllerTabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (!fRefreshing) fProject.setFamilyTab(tab);
    });
    fControllerTabs->setMinimumHeight(220);
    return fControllerTabs;
}

void MainWindow::fillBox(QWidget* box, const std::string& parent, int page) {
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    int row = 0;
    const std::vector<SeriesTable> tables = seriesTables(parent, page);
    std::set<const OptionDef*> inTable;
    std::set<size_t> placed;
    for (const auto& table : tables)
        for (const auto& series : table)
            inTable.insert(series.begin(), series.end());
    const auto& cat = optionCatalogue();
    for (size_t i = 0; i < cat.size(); ++i) {
        const OptionDef& d = cat[i];
        if (d.page != page || d.parent != parent || !hasContent(d)) continue;
        if (inTable.count(&d)) {
            // A table stands where its first option would.
            for (size_t t = 0; t < tables.size(); ++t) {
                const auto& table = tables[t];
                const bool member = std::any_of(table.begin(), table.end(), [&](const Series& s) {
                    return std::find(s.begin(), s.end(), &d) != s.end();
                });
                if (member && placed.insert(t).second)
                    grid->addWidget(buildSeriesTable(table), row++, 0, 1, 2);
            }
            continue;
        }
        if (d.kind == OptionKind::GroupBox) {
            if (parent.empty()) continue; // the page's own boxes stand in its columns
            auto* sub = new QGroupBox(qs(d.caption));
            sub->setObjectName(qs(d.name));
            bind(d, sub, nullptr);
            fillBox(sub, d.name, page);
            grid->addWidget(sub, row++, 0, 1, 2);
            continue;
        }
        if (d.kind == OptionKind::OneOf) {
            // The members of one group that follow each other share a row of buttons.
            auto* group = fGroups[d.group];
            if (!group) {
                group = new QButtonGroup(this);
                group->setExclusive(true);
                fGroups[d.group] = group;
            }
            auto* holder = new QWidget;
            auto* g = new QGridLayout(holder);
            g->setContentsMargins(0, 0, 0, 0);
            size_t j = i;
            int n = 0;
            for (; j < cat.size() && cat[j].kind == OptionKind::OneOf && cat[j].group == d.group &&
                   cat[j].parent == parent;
                 ++j, ++n) {
                auto* w = makeWidget(cat[j]);
                group->addButton(static_cast<QRadioButton*>(w));
                g->addWidget(w, n / 4, n % 4);
                bind(cat[j], w, nullptr);
            }
            // A text shown by the rules right after the group completes the last
            // member's caption ("Reset Jump to:" and the boot address).
            if (j < cat.size() && cat[j].kind == OptionKind::Label && cat[j].page == page &&
                cat[j].parent == parent) {
                auto* w = makeWidget(cat[j]);
                g->addWidget(w, (n - 1) / 4, (n - 1) % 4 + 1, Qt::AlignLeft);
                bind(cat[j], w, nullptr);
                ++j;
            }
            i = j - 1;
            grid->addWidget(holder, row++, 0, 1, 2);
            continue;
        }
        QWidget* w = makeWidget(d);
        QLabel* label = nullptr;
        if (!d.label.empty()) {
            label = new QLabel(qs(d.label));
            label->setBuddy(w);
            grid->addWidget(label, row, 0);
            grid->addWidget(w, row++, 1);
        } else if (d.kind == OptionKind::Summary) {
            label = new QLabel(qs(d.caption));
            grid->addWidget(label, row, 0);
            grid->addWidget(w, row++, 1);
        } else {
            grid->addWidget(w, row++, 0, 1, 2);
        }
        bind(d, w, label);
    }
    grid->setColumnStretch(1, 1);
}

QWidget* MainWindow::buildSeriesTable(const std::vector<std::vector<const OptionDef*>>& table) {
    auto* holder = new QWidget;
    auto* g = new QGridLayout(holder);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(4);
    const int count = static_cast<int>(table.front().size());
    auto expands = [](const OptionDef* d) {
        return d->kind != OptionKind::CheckBox && d->kind != OptionKind::OneOf;
    };
    if (count == 2) {
        // Two of a kind side by side: a column each, the options one under the other.
        for (int n = 0; n < count; ++n) {
            for (int r = 0; r < static_cast<int>(table.size()); ++r) {
                const OptionDef* d = table[r][n];
                QWidget* w = makeWidget(*d);
                QLabel* label = nullptr;
                if (!d->label.empty()) {
                    label = new QLabel(qs(d->label));
                    label->setBuddy(w);
                    g->addWidget(label, r, 2 * n);
                    g->addWidget(w, r, 2 * n + 1);
                } else {
                    g->addWidget(w, r, 2 * n, 1, 2);
                }
                bind(*d, w, label);
            }
            g->setColumnStretch(2 * n + 1, 1);
        }
        return holder;
    }
    // More of a kind: a line each, led by the first label of the line.
    const bool labelled = std::any_of(table.begin(), table.end(),
                                      [](const Series& s) { return !s.front()->label.empty(); });
    for (int n = 0; n < count; ++n) {
        QLabel* lineLabel = nullptr;
        for (int c = 0; c < static_cast<int>(table.size()); ++c) {
            const OptionDef* d = table[c][n];
            QWidget* w = makeWidget(*d);
            QLabel* label = nullptr;
            if (!d->label.empty() && !lineLabel) {
                label = lineLabel = new QLabel(qs(d->label));
                label->setBuddy(w);
                g->addWidget(label, n, 0);
            }
            g->addWidget(w, n, c + (labelled ? 1 : 0));
            if (expands(d)) g->setColumnStretch(c + (labelled ? 1 : 0), 1);
            bind(*d, w, label);
        }
    }
    return holder;
}

QWidget* MainWindow::makeWidget(const OptionDef& d) {
    QWidget* w = nullptr;
    switch (d.kind) {
    case OptionKind::CheckBox: w = new QCheckBox(qs(d.caption)); break;
    case OptionKind::OneOf: w = new QRadioButton(qs(d.caption)); break;
    case OptionKind::Number:
    case OptionKind::NumberSpecial: {
        auto* spin = new TVelSpinEdit;
        QStringList special;
        for (const auto& line : d.special)
            special << qs(line);
        spin->setSpecialValues(special);
        spin->setIncrement(d.step);
        spin->setRange(d.min, d.max);
        w = spin;
        break;
    }
    case OptionKind::Choice: {
        auto* combo = new QComboBox;
        combo->setEditable(d.editable);
        if (d.editable) {
            // The typed text is the value: no completion from the items, nothing added.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
        }
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        w = combo;
        break;
    }
    case OptionKind::Text: {
        auto* edit = new QLineEdit;
        if (QString mask = inputMask(d.mask); !mask.isEmpty()) edit->setInputMask(mask);
        if (d.maxLength > 0) edit->setMaxLength(d.maxLength);
        w = edit;
        break;
    }
    case OptionKind::CheckList: {
        auto* list = new QListWidget;
        list->setSelectionMode(QAbstractItemView::NoSelection);
        w = list;
        break;
    }
    case OptionKind::RadioGroup: {
        auto* box = new QGroupBox(qs(d.caption));
        auto* l = new QHBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (size_t n = 0; n < d.items.size(); ++n) {
            auto* b = new QRadioButton(qs(d.items[n]));
            group->addButton(b, static_cast<int>(n));
            l->addWidget(b);
        }
        w = box;
        break;
    }
    case OptionKind::PortFrame: w = new FramePortWidget(fProject, d.name); break;
    case OptionKind::Summary: {
        auto* edit = new QLineEdit;
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus); // can be copied from, but Tab passes it
        w = edit;
        break;
    }
    case OptionKind::Label: w = new QLabel; break;
    case OptionKind::Button: {
        // A button without a caption is named after its command ("HelpBtn": "Help").
        std::string text = d.caption;
        if (text.empty()) text = d.name.substr(0, d.name.size() - 3);
        w = new QPushButton(qs(text));
        w->setMinimumWidth(100);
        break;
    }
    default: w = new QLabel(qs(d.caption)); break;
    }
    w->setObjectName(qs(d.name));
    w->setToolTip(qs(d.hint));
    connectWidget(d, w);
    return w;
}

void MainWindow::bind(const OptionDef& def, QWidget* widget, QLabel* label) {
    fBound[def.name] = {&def, widget, label};
    widget->installEventFilter(this);
    if (label) label->installEventFilter(this);
}

void MainWindow::connectWidget(const OptionDef& d, QWidget* w) {
    const OptName name = OptName::lookup(d.name);
    auto guard = [this](auto&& action) {
        if (fRefreshing) return;
        try {
            action();
        } catch (const ApplicationAbort&) {
            QApplication::exit(2);
        }
    };
    switch (d.kind) {
    case OptionKind::CheckBox:
        connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, this,
                [=, this](bool on) { guard([&] { fProject.userCheck(name, on); }); });
        break;
    // Choosing again what is chosen is no change: it runs no handler.
    case OptionKind::OneOf:
        connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, this, [=, this] {
            if (!fProject.opts().checked(name)) guard([&] { fProject.userChoose(name); });
        });
        break;
    case OptionKind::Number:
    case OptionKind::NumberSpecial: {
        auto* spin = static_cast<TVelSpinEdit*>(w);
        auto* leave = new FieldLeave(spin, [=, this] { guard([&] { fProject.userLeave(name); }); });
        connect(spin, &TVelSpinEdit::valueTextChanged, this, [=, this](const QString& text) {
            if (fRefreshing) return;
            leave->edited();
            guard([&] { fProject.userType(name, text.toStdString()); });
        });
        break;
    }
    case OptionKind::Choice: {
        auto* combo = static_cast<QComboBox*>(w);
        FieldLeave* leave = nullptr;
        if (d.editable)
            leave = new FieldLeave(
                combo, [=, this] { guard([&] { fProject.userLeave(name); }); }, true);
        connect(combo, &QComboBox::activated, this, [=, this](int index) {
            const OptionState& s = fProject.opts()[name];
            if (index == s.itemIndex && combo->itemText(index) == qs(s.text)) return;
            if (leave && !fRefreshing) leave->edited();
            guard([&] { fProject.userSelect(name, index); });
        });
        if (d.editable) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [=, this](const QString& text) {
                        leave->edited();
                        guard([&] { fProject.userType(name, text.toStdString()); });
                    });
        }
        break;
    }
    case OptionKind::Text: {
        auto* edit = static_cast<QLineEdit*>(w);
        auto* leave = new FieldLeave(edit, [=, this] { guard([&] { fProject.userLeave(name); }); });
        connect(edit, &QLineEdit::textEdited, this, [=, this](const QString& text) {
            leave->edited();
            guard([&] { fProject.userType(name, text.toStdString()); });
        });
        if (name == "FNameEdit") {
            edit->installEventFilter(this); // double click opens the file chooser
        }
        break;
    }
    case OptionKind::CheckList: {
        auto* list = static_cast<QListWidget*>(w);
        connect(list, &QListWidget::itemChanged, this, [=, this](QListWidgetItem* item) {
            guard([&] {
                fProject.userCheckItem(name, list->row(item), item->checkState() == Qt::Checked);
            });
        });
        break;
    }
    case OptionKind::RadioGroup: {
        auto* group = w->findChild<QButtonGroup*>();
        connect(group, &QButtonGroup::idClicked, this, [=, this](int id) {
            if (id != fProject.opts().itemIndex(name))
                guard([&] { fProject.userSelect(name, id); });
        });
        break;
    }
    case OptionKind::Button: {
        auto* b = static_cast<QPushButton*>(w);
        static const std::map<std::string, void (MainWindow::*)()> commands = {
            {"BuildBtn", &MainWindow::BuildBtnClick}, {"ShowBtn", &MainWindow::ShowBtnClick},
            {"StoreBtn", &MainWindow::StoreBtnClick}, {"PrintBtn", &MainWindow::PrintBtnClick},
            {"HelpBtn", &MainWindow::HelpBtnClick},   {"InfoBtn", &MainWindow::InfoBtnClick},
        };
        if (auto it = commands.find(name.str()); it != commands.end()) {
            auto method = it->second;
            connect(b, &QPushButton::clicked, this,
                    [=, this] { guard([&] { (this->*method)(); }); });
        } else if (name == "ExitBtn") {
            connect(b, &QPushButton::clicked, this, &QWidget::close);
        }
        break;
    }
    default: break;
    }
}

void MainWindow::refresh(const std::vector<std::string>& names) {
    fRefreshing = true;
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
            refreshControllerLists();
            continue;
        }
        auto it = fBound.find(name);
        if (it != fBound.end()) refreshOption(it->second);
    }
    if (fPages->currentIndex() != fProject.page()) showPage();
    fRefreshing = false;
}

void MainWindow::refreshAll() {
    std::vector<std::string> names;
    for (const auto& s : fProject.opts().all())
        names.push_back(s.def->name);
    refresh(names);
    fRefreshing = true;
    showPage();
    fRefreshing = false;
}

void MainWindow::showPage() {
    fPages->setCurrentIndex(fProject.page());
    if (fControllerTabs && fControllerTabs->currentIndex() != fProject.familyTab())
        fControllerTabs->setCurrentIndex(fProject.familyTab());
}

void MainWindow::refreshControllerLists() {
    if (!fControllerTabs) return;
    for (int tab = 0; tab < fControllerTabs->count(); ++tab) {
        auto* list = static_cast<QListWidget*>(fControllerTabs->widget(tab));
        const OptionState& s = fProject.opts()[Project::controllerLists()[tab]];
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
        if (s.itemIndex >= 0 && s.itemIndex < list->count())
            list->setCurrentRow(s.itemIndex);
        else
            list->clearSelection();
    }
    if (fControllerTabs->currentIndex() != fProject.familyTab())
        fControllerTabs->setCurrentIndex(fProject.familyTab());
}

void MainWindow::refreshOption(const Bound& b) {
    const OptionState& s = fProject.opts()[OptName::lookup(b.def->name)];
    QWidget* w = b.widget;
    w->setEnabled(s.enabled);
    if (b.def->page >= 0) w->setVisible(s.visible);
    if (b.label) {
        b.label->setEnabled(s.enabled);
        b.label->setVisible(s.visible);
    }
    w->setToolTip(qs(s.hint));
    switch (b.def->kind) {
    case OptionKind::GroupBox: static_cast<QGroupBox*>(w)->setTitle(qs(s.caption)); break;
    case OptionKind::CheckBox: {
        auto* c = static_cast<QCheckBox*>(w);
        c->setChecked(s.checked);
        c->setText(qs(s.caption));
        break;
    }
    case OptionKind::OneOf: {
        auto* r = static_cast<QRadioButton*>(w);
        if (s.checked) r->setChecked(true);
        r->setText(qs(s.caption));
        break;
    }
    case OptionKind::Number:
    case OptionKind::NumberSpecial: {
        auto* spin = static_cast<TVelSpinEdit*>(w);
        if (spin->MinValue() != s.minValue || spin->MaxValue() != s.maxValue)
            spin->setRange(s.minValue, s.maxValue);
        if (spin->Text() != qs(s.text)) spin->setText(qs(s.text));
        break;
    }
    case OptionKind::Choice: {
        auto* combo = static_cast<QComboBox*>(w);
        QStringList items;
        for (const auto& i : s.items)
            items << qs(i);
        bool same = combo->count() == items.size();
        for (int i = 0; same && i < items.size(); ++i)
            same = combo->itemText(i) == items[i];
        if (!same) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(s.itemIndex);
        if (combo->isEditable() && combo->currentText() != qs(s.text))
            combo->setEditText(qs(s.text));
        break;
    }
    case OptionKind::Text:
    case OptionKind::Summary: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != qs(s.text)) edit->setText(qs(s.text));
        break;
    }
    case OptionKind::Label: // a text set by the rules, else its fixed caption
        static_cast<QLabel*>(w)->setText(qs(s.text.empty() ? s.caption : s.text));
        break;
    case OptionKind::CheckList: {
        auto* list = static_cast<QListWidget*>(w);
        while (list->count() > static_cast<int>(s.items.size()))
            delete list->takeItem(list->count() - 1);
        for (size_t i = 0; i < s.items.size(); ++i) {
            QListWidgetItem* item = static_cast<int>(i) < list->count()
                                        ? list->item(static_cast<int>(i))
                                        : new QListWidgetItem(list);
            item->setText(qs(s.items[i]));
            Qt::ItemFlags flags = Qt::ItemIsUserCheckable;
            if (i < s.itemEnabled.size() && s.itemEnabled[i]) flags |= Qt::ItemIsEnabled;
            item->setFlags(flags);
            item->setCheckState(i < s.itemChecked.size() && s.itemChecked[i] ? Qt::Checked
                                                                             : Qt::Unchecked);
        }
        // As tall as its eight items, no taller.
        const int rows = std::max<int>(8, list->count());
        list->setFixedHeight(rows * std::max(list->sizeHintForRow(0), 16) + 2 * list->frameWidth() +
                             4);
        break;
    }
    case OptionKind::RadioGroup: {
        auto* group = w->findChild<QButtonGroup*>();
        if (auto* b = group->button(s.itemIndex)) b->setChecked(true);
        break;
    }
    case OptionKind::PortFrame: static_cast<FramePortWidget*>(w)->refresh(); break;
    default: break;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (fControllerTabs) {
        for (int tab = 0; tab < fControllerTabs->count(); ++tab) {
            auto* list = static_cast<QListWidget*>(fControllerTabs->widget(tab));
            if (watched != list->viewport()) continue;
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
            fProject.setListing(fListForm->showListing(fProject.listing(), fBuiltAppName));
        fProject.buttonStates();
    });
}

void MainWindow::StoreBtnClick() {
    fProject.act([this] { pramlet::StoreBtnClick(fProject); });
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

void MainWindow::InfoBtnClick() {
    QMessageBox::about(this, "About",
                       "Orvex Pramlet [AVR]\nRev 1.2\n\nWrites the starting point of a firmware "
                       "project for an 8-bit AVR controller.");
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
}

} // namespace pramlet
