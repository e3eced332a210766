#include "ui/PageView.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pramlet {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Keeps a unit's label enabled and shown with its field.
class UnitFollower : public QObject {
  public:
    UnitFollower(QLabel* unit, QWidget* field) : QObject(field), fUnit(unit) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* field = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::EnabledChange) fUnit->setEnabled(field->isEnabled());
        if (event->type() == QEvent::ShowToParent) fUnit->show();
        if (event->type() == QEvent::HideToParent) fUnit->hide();
        return false;
    }

  private:
    QLabel* fUnit;
};

// Labels and units beside fields that have none of their own; the captions stay as they are.
struct Addition {
    const char* option;
    const char* label; // before the field, or nullptr
    const char* unit;  // after the field, or nullptr
};
constexpr Addition kAdditions[] = {
    {"SysTickSpin", "Period", "ms"},
    {"RamSpin", "Size", "bytes"},
    {"XDataWaitSpin", "Wait states", nullptr},
    {"SysStackiDatChk", "Stack in", nullptr},
    {"SysFrameIDatChk", "Frame in", nullptr},
    {"SysStackSpin", nullptr, "bytes"},
    {"SysFrameSpin", nullptr, "bytes"},
    {"TaskStackiDatChk", "Stack in", nullptr},
    {"TaskStackSpin", nullptr, "bytes"},
    {"TaskFrameSpin", nullptr, "bytes"},
};

const Addition* additionFor(const std::string& option) {
    for (const Addition& a : kAdditions)
        if (option == a.option) return &a;
    return nullptr;
}

// The field with its unit after it; the unit follows the field's enabled state.
QWidget* withUnit(QWidget* field, const char* unit) {
    if (!unit) return field;
    auto* holder = new QWidget;
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field, 1);
    auto* label = new QLabel(unit);
    label->setObjectName(field->objectName() + "Unit");
    label->setEnabled(field->isEnabled());
    row->addWidget(label);
    field->installEventFilter(new UnitFollower(label, field));
    return holder;
}

class Builder {
  public:
    explicit Builder(const PageWidgets& w) : fW(w) {}

    QGroupBox* box(const OptionDef& d, const std::vector<PlanRow>& rows) {
        auto* box = new QGroupBox(qs(d.caption));
        box->setObjectName(qs(d.name));
        fW.bind(d, box, nullptr);
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(4);
        int r = 0;
        for (const PlanRow& row : rows)
            addRow(grid, r++, row);
        grid->setColumnStretch(1, 1);
        return box;
    }

  private:
    // An option with its label in the first column; `buddy` when the label names it.
    void labelled(QGridLayout* grid, int r, int c, const OptionDef& d, const std::string& text,
                  bool span) {
        QWidget* w = fW.make(d);
        QLabel* label = nullptr;
        const Addition* more = additionFor(d.name);
        const std::string shown = !text.empty() ? text : more && more->label ? more->label : "";
        QWidget* cell = withUnit(w, more ? more->unit : nullptr);
        if (!shown.empty()) {
            label = new QLabel(qs(shown));
            if (!d.label.empty() || text.empty()) label->setBuddy(w);
            grid->addWidget(label, r, c);
            grid->addWidget(cell, r, c + 1);
        } else if (span) {
            grid->addWidget(cell, r, c, 1, 2);
        }
        fW.bind(d, w, label);
    }

    void addRow(QGridLayout* grid, int r, const PlanRow& row) {
        switch (row.kind) {
        case PlanRow::Kind::Option: labelled(grid, r, 0, *row.def, row.label, true); break;
        case PlanRow::Kind::Box: grid->addWidget(box(*row.def, row.rows), r, 0, 1, 2); break;
        case PlanRow::Kind::Group:
            if (const Addition* more = additionFor(row.members.front()->name); more && more->label) {
                auto* label = new QLabel(qs(more->label));
                label->setObjectName(qs(row.members.front()->name) + "Label");
                grid->addWidget(label, r, 0);
                grid->addWidget(group(row), r, 1);
            } else {
                grid->addWidget(group(row), r, 0, 1, 2);
            }
            break;
        case PlanRow::Kind::Table: grid->addWidget(table(row.table), r, 0, 1, 2); break;
        }
    }

    QWidget* group(const PlanRow& row) {
        auto* holder = new QWidget;
        auto* g = new QGridLayout(holder);
        g->setContentsMargins(0, 0, 0, 0);
        QButtonGroup* buttons = fW.group(row.members.front()->group);
        int n = 0;
        for (const OptionDef* m : row.members) {
            QWidget* w = fW.make(*m);
            buttons->addButton(static_cast<QRadioButton*>(w));
            g->addWidget(w, n / 4, n % 4);
            fW.bind(*m, w, nullptr);
            ++n;
        }
        if (row.trailing) {
            QWidget* w = fW.make(*row.trailing);
            g->addWidget(w, (n - 1) / 4, (n - 1) % 4 + 1, Qt::AlignLeft);
            fW.bind(*row.trailing, w, nullptr);
        }
        return holder;
    }

    QWidget* table(const SeriesTable& t) {
        auto* holder = new QWidget;
        auto* g = new QGridLayout(holder);
        g->setContentsMargins(0, 0, 0, 0);
        g->setHorizontalSpacing(10);
        g->setVerticalSpacing(4);
        const int count = static_cast<int>(t.front().size());
        if (tableInColumns(t)) {
            // Two of a kind side by side: a column each, the options one under the other.
            for (int n = 0; n < count; ++n) {
                for (int r = 0; r < static_cast<int>(t.size()); ++r)
                    labelled(g, r, 2 * n, *t[r][n], t[r][n]->label, true);
                g->setColumnStretch(2 * n + 1, 1);
            }
            return holder;
        }
        // More of a kind: a line each, led by the first label of the line.
        const bool withLabels = std::any_of(
            t.begin(), t.end(), [](const Series& s) { return !s.front()->label.empty(); });
        for (int n = 0; n < count; ++n) {
            QLabel* lineLabel = nullptr;
            for (int c = 0; c < static_cast<int>(t.size()); ++c) {
                const OptionDef* d = t[c][n];
                QWidget* w = fW.make(*d);
                QLabel* label = nullptr;
                if (!d->label.empty() && !lineLabel) {
                    label = lineLabel = new QLabel(qs(d->label));
                    label->setBuddy(w);
                    g->addWidget(label, n, 0);
                }
                const int col = c + (withLabels ? 1 : 0);
                g->addWidget(w, n, col);
                if (d->kind != OptionKind::CheckBox && d->kind != OptionKind::OneOf)
                    g->setColumnStretch(col, 1);
                fW.bind(*d, w, label);
            }
        }
        return holder;
    }

    const PageWidgets& fW;
};

} // namespace

QWidget* buildPageContent(const PagePlan& plan, QWidget* top, const PageWidgets& widgets) {
    Builder build(widgets);
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    if (top) outer->addWidget(top, 1);
    auto* grid = new QHBoxLayout;
    grid->setSpacing(12);
    std::vector<QVBoxLayout*> cols;
    for (int c = 0; c < plan.columns; ++c) {
        cols.push_back(new QVBoxLayout);
        cols.back()->setSpacing(8);
        grid->addLayout(cols.back(), 1);
    }
    // The boxes are made column by column, so that Tab follows the reading order: down the
    // first column, then down the next.
    for (int c = 0; c < plan.columns; ++c)
        for (const BoxPlan& b : plan.boxes)
            if (b.column == c) cols[c]->addWidget(build.box(*b.def, b.rows));
    for (auto* col : cols)
        col->addStretch(1);
    outer->addLayout(grid, top ? 0 : 1);
    if (!plan.loose.empty()) {
        // Commands and fields that stand on the page itself, in a row under the boxes.
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (const OptionDef* d : plan.loose) {
            QWidget* w = widgets.make(*d);
            QLabel* label = nullptr;
            if (!d->label.empty()) {
                label = new QLabel(qs(d->label));
                label->setBuddy(w);
                row->addWidget(label);
            }
            row->addWidget(w);
            widgets.bind(*d, w, label);
        }
        outer->addLayout(row);
    }
    return content;
}

} // namespace pramlet
