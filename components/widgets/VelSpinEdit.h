#pragma once
// TVelSpinEdit: the number field with named special values ("None" for -1 and the like).
// Its text is what counts: Value reads the text through SpinRules, invalid text stays
// visible in the error font instead of being corrected when the field is left.

#include "config/SpecialValues.h"

#include <QFont>
#include <QSpinBox>
#include <QStringList>

namespace pramlet {

class TVelSpinEdit : public QSpinBox {
    Q_OBJECT

  public:
    explicit TVelSpinEdit(QWidget* parent = nullptr);

    // Reading: a special name gives its integer, else the decimal text, else MinValue
    // (no clamping). Writing: a table value shows its name, else the number clamped to
    // MinValue..MaxValue unless the bounds are equal.
    int Value() const;
    void setValue(int pValue);
    QString Text() const;
    void setText(const QString& pText);
    bool IsValid() const;

    int MinValue() const { return fRules.minValue; }
    int MaxValue() const { return fRules.maxValue; }
    void setMinValue(int pMin) { setRange(pMin, fRules.maxValue); }
    void setMaxValue(int pMax) { setRange(fRules.minValue, pMax); }
    // 0..0 means no bound.
    void setRange(int pMin, int pMax);
    void setMaxLength(int pLength);
    int Increment() const { return singleStep(); }
    void setIncrement(int pStep) { setSingleStep(pStep); }

    QStringList SpecialValues() const;
    // Copies the lines and checks them; an invalid table throws SpecialValuesError with
    // its message and leaves the previous table in place.
    void setSpecialValues(const QStringList& pLines);
    const tSpecialValuesList& SpecialValuesList() const { return fSpecialValues; }

    QFont NormalFont() const { return fNormalFont; }
    QFont ErrorFont() const { return fErrorFont; }
    // Copies the font's attributes; nullptr copies the field's current font.
    void setNormalFont(const QFont* pFont);
    void setErrorFont(const QFont* pFont);

    bool ReadOnly() const { return isReadOnly(); }
    // Read-only fields show no up/down buttons.
    void setReadOnly(bool pReadOnly);

  signals:
    // The text changed (typed, stepped or written); emitted before the font follows.
    void valueTextChanged(const QString& pText);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;

  private:
    int Bound(int pValue) const { return qBound(minimum(), pValue, maximum()); }
    void SyncText();
    void SyncInnerValue();
    void ApplyFont();

    tSpecialValuesList fSpecialValues;
    SpinRules fRules;
    QString fText;
    QFont fNormalFont;
    QFont fErrorFont;
};

} // namespace pramlet
