#include "ui/OptionBinders.h"

#include "components/widgets/VelSpinEdit.h"
#include "config/InputFilter.h"
#include "config/Project.h"
#include "ui/FieldLeave.h"
#include "ui/FramePortWidget.h"
#include "ui/TypedFilter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace pramlet {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QStringList qsList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& i : items)
        list << qs(i);
    return list;
}

// The catalogue's masks as the line edit knows them: "$>AA;1;_" is a "$" and two hexadecimal
// digits (which characters it takes is the core's typing filter, TypedFilter), "000" up to
// three digits, "0.0;1;_" a digit, a point and a digit.
QString inputMask(const std::string& mask) {
    if (mask == "$>AA;1;_") return "$HH;_";
    if (mask == "000") return "000";
    if (mask == "0.0;1;_") return "9.9;_";
    return {};
}

FieldLeave* leaveOf(const OptName name, QWidget* field, const BindContext& c,
                    bool takeReturn = false) {
    return new FieldLeave(
        field, [=, &c] { c.act(name.str(), [&] { c.project.userLeave(name); }); }, takeReturn);
}

// A group of radio buttons is one Tab stop, as Qt users expect: its checked button, or its
// first enabled button while none is checked. The arrow keys move inside the group (and
// choose, as a click does); a click reaches every button.
void setGroupTabStop(const QList<QAbstractButton*>& buttons) {
    QAbstractButton* stop = nullptr;
    for (QAbstractButton* b : buttons)
        if (b->isChecked() && b->isEnabled()) stop = b;
    for (QAbstractButton* b : buttons)
        if (!stop && b->isEnabled()) stop = b;
    for (QAbstractButton* b : buttons) {
        const Qt::FocusPolicy policy = b == stop ? Qt::StrongFocus : Qt::ClickFocus;
        if (b->focusPolicy() != policy) b->setFocusPolicy(policy);
    }
}

class GroupBoxBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        return new QGroupBox(qs(d.caption));
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        static_cast<QGroupBox*>(w)->setTitle(qs(s.caption));
    }
};

class CheckBoxBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        return new QCheckBox(qs(d.caption));
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        QObject::connect(
            static_cast<QCheckBox*>(w), &QCheckBox::clicked, c.owner,
            [=, &c](bool on) { c.act(name.str(), [&] { c.project.userCheck(name, on); }); });
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* box = static_cast<QCheckBox*>(w);
        box->setChecked(s.checked);
        box->setText(qs(s.caption));
    }
};

class OneOfBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        return new QRadioButton(qs(d.caption));
    }
    // Choosing again what is chosen is no change: it runs no handler.
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        QObject::connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, c.owner, [=, &c] {
            if (!c.project.opts().checked(name))
                c.act(name.str(), [&] { c.project.userChoose(name); });
        });
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* r = static_cast<QRadioButton*>(w);
        if (s.checked) {
            r->setChecked(true);
        } else if (r->isChecked()) {
            // A rule left the group without a chosen member: no button shows one. An
            // exclusive group does not let its checked button go by itself.
            QButtonGroup* group = r->group();
            const bool exclusive = group && group->exclusive();
            if (group) group->setExclusive(false);
            const bool autoExclusive = r->autoExclusive();
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(autoExclusive);
            if (group) group->setExclusive(exclusive);
        }
        r->setText(qs(s.caption));
        if (QButtonGroup* group = r->group()) setGroupTabStop(group->buttons());
    }
};

class NumberBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        auto* spin = new TVelSpinEdit;
        spin->setSpecialValues(qsList(d.special));
        spin->setIncrement(d.step);
        spin->setRange(d.min, d.max);
        return spin;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        auto* spin = static_cast<TVelSpinEdit*>(w);
        FieldLeave* leave = leaveOf(name, spin, c);
        QObject::connect(
            spin, &TVelSpinEdit::valueTextChanged, c.owner, [=, &c](const QString& text) {
                if (c.repainting()) return;
                leave->edited();
                c.act(name.str(), [&] { c.project.userType(name, text.toStdString()); });
            });
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* spin = static_cast<TVelSpinEdit*>(w);
        if (spin->MinValue() != s.minValue || spin->MaxValue() != s.maxValue)
            spin->setRange(s.minValue, s.maxValue);
        // A refused text stays on show in the error font until the next change; the hint
        // says what the field takes and what the program keeps.
        const QString shown = qs(s.refused.empty() ? s.text : s.refused);
        if (spin->Text() != shown) spin->setText(shown);
        if (!s.refused.empty()) {
            QString takes = s.minValue == s.maxValue
                                ? QString("a whole number")
                                : QString("%1 to %2").arg(s.minValue).arg(s.maxValue);
            QStringList names;
            for (const auto& line : s.special.lines())
                names << qs(line.substr(0, line.find('=')));
            if (!names.isEmpty()) takes += " or " + names.join(", ");
            w->setToolTip(w->toolTip() + QString(" (\"%1\" is not taken: this field takes %2; "
                                                 "the program keeps %3)")
                                             .arg(shown, takes, qs(s.text)));
        }
    }
};

class ChoiceBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        auto* combo = new QComboBox;
        combo->setEditable(d.editable);
        if (d.editable) {
            // The typed text is the value: no completion from the items, nothing added.
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setCompleter(nullptr);
        }
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return combo;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        auto* combo = static_cast<QComboBox*>(w);
        FieldLeave* leave = d.editable ? leaveOf(name, combo, c, true) : nullptr;
        QObject::connect(combo, &QComboBox::activated, c.owner, [=, &c](int index) {
            const OptionState& s = c.project.opts()[name];
            if (index == s.itemIndex && combo->itemText(index) == qs(s.text)) return;
            if (leave && !c.repainting()) leave->edited();
            c.act(name.str(), [&] { c.project.userSelect(name, index); });
        });
        if (d.editable) {
            QObject::connect(
                combo->lineEdit(), &QLineEdit::textEdited, c.owner, [=, &c](const QString& text) {
                    leave->edited();
                    c.act(name.str(), [&] { c.project.userType(name, text.toStdString()); });
                });
        }
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* combo = static_cast<QComboBox*>(w);
        const QStringList items = qsList(s.items);
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
    }
};

class TextBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        auto* edit = new QLineEdit;
        if (QString mask = inputMask(d.mask); !mask.isEmpty()) edit->setInputMask(mask);
        if (d.maxLength > 0) edit->setMaxLength(d.maxLength);
        if (!typedCharacters(d).empty()) new TypedFilter(edit, d);
        return edit;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        auto* edit = static_cast<QLineEdit*>(w);
        FieldLeave* leave = leaveOf(name, edit, c);
        const OptionDef* def = &d;
        QObject::connect(edit, &QLineEdit::textEdited, c.owner, [=, &c](const QString& text) {
            // What the typing filter let through by another way (the context menu's paste)
            // is taken back.
            if (!acceptsText(*def, text.toStdString())) {
                edit->setText(qs(c.project.opts().text(name)));
                return;
            }
            leave->edited();
            c.act(name.str(), [&] { c.project.userType(name, text.toStdString()); });
        });
        if (name == "FNameEdit" && c.chooserFilter) edit->installEventFilter(c.chooserFilter);
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != qs(s.text)) edit->setText(qs(s.text));
    }
};

class SummaryBinder : public TextBinder {
    QWidget* create(const OptionDef&, Project&) const override {
        auto* edit = new QLineEdit;
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus); // can be copied from, but Tab passes it
        return edit;
    }
    void wire(const OptionDef&, QWidget*, const BindContext&) const override {}
    void repaint(const OptionState& s, QWidget* w) const override {
        // Used fields are white, unused ones silver.
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != qs(s.text)) edit->setText(qs(s.text));
        const QColor base = s.used ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xC0, 0xC0, 0xC0);
        if (edit->palette().color(QPalette::Base) != base) {
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, base);
            edit->setPalette(pal);
        }
    }
};

class LabelBinder : public OptionBinder {
    QWidget* create(const OptionDef&, Project&) const override { return new QLabel; }
    // A text set by the rules, else its fixed caption.
    void repaint(const OptionState& s, QWidget* w) const override {
        static_cast<QLabel*>(w)->setText(qs(s.text.empty() ? s.caption : s.text));
    }
};

class CheckListBinder : public OptionBinder {
    QWidget* create(const OptionDef&, Project&) const override {
        auto* list = new QListWidget;
        list->setSelectionMode(QAbstractItemView::NoSelection);
        return list;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        auto* list = static_cast<QListWidget*>(w);
        QObject::connect(list, &QListWidget::itemChanged, c.owner, [=, &c](QListWidgetItem* item) {
            c.act(name.str(), [&] {
                c.project.userCheckItem(name, list->row(item), item->checkState() == Qt::Checked);
            });
        });
    }
    void repaint(const OptionState& s, QWidget* w) const override {
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
    }
};

class RadioGroupBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        auto* box = new QGroupBox(qs(d.caption));
        auto* l = new QHBoxLayout(box);
        auto* group = new QButtonGroup(box);
        for (size_t n = 0; n < d.items.size(); ++n) {
            auto* b = new QRadioButton(qs(d.items[n]));
            group->addButton(b, static_cast<int>(n));
            l->addWidget(b);
        }
        return box;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        const OptName name = OptName::lookup(d.name);
        auto* group = w->findChild<QButtonGroup*>();
        QObject::connect(group, &QButtonGroup::idClicked, c.owner, [=, &c](int id) {
            if (id != c.project.opts().itemIndex(name))
                c.act(name.str(), [&] { c.project.userSelect(name, id); });
        });
    }
    void repaint(const OptionState& s, QWidget* w) const override {
        auto* group = w->findChild<QButtonGroup*>();
        if (auto* b = group->button(s.itemIndex)) b->setChecked(true);
        setGroupTabStop(group->buttons());
    }
};

class PortFrameBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project& project) const override {
        return new FramePortWidget(project, d.name);
    }
    void repaint(const OptionState&, QWidget* w) const override {
        static_cast<FramePortWidget*>(w)->refresh();
    }
    bool paintsOutsideState() const override { return true; }
};

class ButtonBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        // A button without a caption is named after its command ("HelpBtn": "Help").
        std::string text = d.caption;
        if (text.empty()) text = d.name.substr(0, d.name.size() - 3);
        auto* b = new QPushButton(qs(text));
        b->setMinimumWidth(100);
        return b;
    }
    void wire(const OptionDef& d, QWidget* w, const BindContext& c) const override {
        QObject::connect(static_cast<QPushButton*>(w), &QPushButton::clicked, c.owner,
                         [name = d.name, &c] { c.command(name); });
    }
};

class PlainBinder : public OptionBinder {
    QWidget* create(const OptionDef& d, Project&) const override {
        return new QLabel(qs(d.caption));
    }
};

} // namespace

const OptionBinder& binderFor(OptionKind kind) {
    static const GroupBoxBinder groupBox;
    static const CheckBoxBinder checkBox;
    static const OneOfBinder oneOf;
    static const NumberBinder number;
    static const ChoiceBinder choice;
    static const TextBinder text;
    static const SummaryBinder summary;
    static const LabelBinder label;
    static const CheckListBinder checkList;
    static const RadioGroupBinder radioGroup;
    static const PortFrameBinder portFrame;
    static const ButtonBinder button;
    static const PlainBinder plain;
    switch (kind) {
    case OptionKind::GroupBox: return groupBox;
    case OptionKind::CheckBox: return checkBox;
    case OptionKind::OneOf: return oneOf;
    case OptionKind::Number:
    case OptionKind::NumberSpecial: return number;
    case OptionKind::Choice: return choice;
    case OptionKind::Text: return text;
    case OptionKind::Summary: return summary;
    case OptionKind::Label: return label;
    case OptionKind::CheckList: return checkList;
    case OptionKind::RadioGroup: return radioGroup;
    case OptionKind::PortFrame: return portFrame;
    case OptionKind::Button: return button;
    default: return plain;
    }
}

QWidget* createOptionWidget(const OptionDef& d, const BindContext& context) {
    const OptionBinder& binder = binderFor(d.kind);
    QWidget* w = binder.create(d, context.project);
    w->setObjectName(qs(d.name));
    w->setToolTip(qs(d.hint));
    binder.wire(d, w, context);
    return w;
}

bool samePaint(const OptionState& a, const OptionState& b) {
    return a.checked == b.checked && a.text == b.text && a.enabled == b.enabled &&
           a.visible == b.visible && a.items == b.items && a.itemIndex == b.itemIndex &&
           a.itemChecked == b.itemChecked && a.itemEnabled == b.itemEnabled &&
           a.minValue == b.minValue && a.maxValue == b.maxValue && a.caption == b.caption &&
           a.hint == b.hint && a.refused == b.refused;
}

} // namespace pramlet
