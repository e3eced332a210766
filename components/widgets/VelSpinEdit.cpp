#include "components/widgets/VelSpinEdit.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <climits>

namespace pramlet {

TVelSpinEdit::TVelSpinEdit(QWidget* parent) : QSpinBox(parent) {
    fRules.special = &fSpecialValues;
    fNormalFont = font();
    fErrorFont = font();
    QSpinBox::setRange(INT_MIN, INT_MAX);
    fText = lineEdit()->text();
    // Typed text arrives through the line edit, stepped text through valueChanged (the
    // spin box writes its line edit with signals blocked).
    connect(lineEdit(), &QLineEdit::textChanged, this, &TVelSpinEdit::SyncText);
    connect(this, &QSpinBox::valueChanged, this, &TVelSpinEdit::SyncText);
    // The spin box leaves its text empty until it is first shown.
    setText(QStringLiteral("0"));
}

int TVelSpinEdit::Value() const {
    return fRules.read(Text().toStdString());
}

void TVelSpinEdit::setValue(int pValue) {
    setText(QString::fromStdString(fRules.write(pValue)));
}

QString TVelSpinEdit::Text() const {
    return lineEdit()->text();
}

void TVelSpinEdit::setText(const QString& pText) {
    lineEdit()->setText(pText);
    SyncText();
}

bool TVelSpinEdit::IsValid() const {
    return fRules.isValid(Text().toStdString());
}

void TVelSpinEdit::setRange(int pMin, int pMax) {
    fRules.minValue = pMin;
    fRules.maxValue = pMax;
    {
        const QSignalBlocker blocker(this);
        if (pMin == 0 && pMax == 0)
            QSpinBox::setRange(INT_MIN, INT_MAX);
        else
            QSpinBox::setRange(pMin, pMax);
    }
    SyncInnerValue();
    ApplyFont();
}

void TVelSpinEdit::setMaxLength(int pLength) {
    lineEdit()->setMaxLength(pLength);
}

QStringList TVelSpinEdit::SpecialValues() const {
    QStringList lines;
    for (const auto& line : fSpecialValues.lines())
        lines << QString::fromStdString(line);
    return lines;
}

void TVelSpinEdit::setSpecialValues(const QStringList& pLines) {
    std::vector<std::string> lines;
    for (const QString& line : pLines)
        lines.push_back(line.toStdString());
    tSpecialValuesList table(std::move(lines));
    // Checked before it is taken: a table with a broken line would make every later
    // lookup of the field throw.
    table.CheckValid();
    fSpecialValues = std::move(table);
    SyncInnerValue();
    ApplyFont();
}

void TVelSpinEdit::setNormalFont(const QFont* pFont) {
    fNormalFont = pFont ? *pFont : font();
    ApplyFont();
}

void TVelSpinEdit::setErrorFont(const QFont* pFont) {
    fErrorFont = pFont ? *pFont : font();
    ApplyFont();
}

void TVelSpinEdit::setReadOnly(bool pReadOnly) {
    QSpinBox::setReadOnly(pReadOnly);
    setButtonSymbols(pReadOnly ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
}

QValidator::State TVelSpinEdit::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    // Names must be typeable; without a table only signs and digits are.
    if (!fSpecialValues.empty()) return QValidator::Acceptable;
    for (QChar c : input)
        if (!((c >= u'0' && c <= u'9') || c == u'+' || c == u'-')) return QValidator::Invalid;
    return QValidator::Acceptable;
}

void TVelSpinEdit::fixup(QString& input) const {
    Q_UNUSED(input);
}

int TVelSpinEdit::valueFromText(const QString& text) const {
    return fRules.read(text.toStdString());
}

QString TVelSpinEdit::textFromValue(int value) const {
    // The spin box rewrites its text from its value when the field is left or Enter is
    // pressed; the current text stands for the value it reads as, so it is kept.
    if (Bound(fRules.read(fText.toStdString())) == value) return fText;
    return QString::fromStdString(fRules.write(value));
}

void TVelSpinEdit::SyncText() {
    QString text = lineEdit()->text();
    if (text == fText) return;
    fText = text;
    SyncInnerValue();
    emit valueTextChanged(text);
    ApplyFont();
}

void TVelSpinEdit::SyncInnerValue() {
    int inner = Bound(fRules.read(fText.toStdString()));
    if (inner != QSpinBox::value()) {
        const QSignalBlocker blocker(this);
        QSpinBox::setValue(inner);
    }
}

void TVelSpinEdit::ApplyFont() {
    setFont(IsValid() ? fNormalFont : fErrorFont);
}

} // namespace pramlet
