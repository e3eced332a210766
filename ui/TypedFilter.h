#pragma once
// Applies the core's typing filter of a text option (config/InputFilter.h) to its line edit:
// a typed, pasted or dropped character the option refuses never reaches the field.

#include <QObject>

class QLineEdit;

namespace pramlet {

struct OptionDef;

class TypedFilter : public QObject {
    Q_OBJECT

  public:
    // Watches `edit`, the field of option `def`; owned by the edit.
    TypedFilter(QLineEdit* edit, const OptionDef& def);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool accepts(const QString& text) const;

    const OptionDef& fDef;
};

} // namespace pramlet
