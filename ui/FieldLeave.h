#pragma once
// Leaving a field as the user means it: Enter, or the input focus moving on to another
// control. The focus going away with the whole window (a message box opening, another
// program activated, a drop-down list popping up) leaves nothing: the user is still in the
// field, and a handler that shows a message would otherwise run again under its own box.

#include <QObject>

#include <functional>

class QWidget;

namespace pramlet {

// True when losing the focus for this reason means the user has left the control.
bool leavesTheControl(Qt::FocusReason reason);

class FieldLeave : public QObject {
    Q_OBJECT

  public:
    // Watches `field`, the widget that holds the focus while the user edits it; `leave`
    // runs when it is left. With `takeReturn` the field never sees Enter itself (an
    // editable combo box would add the typed text to its list).
    FieldLeave(QWidget* field, std::function<void()> leave, bool takeReturn = false);

    // The text changed since the value was applied: leaving applies it.
    void edited() { fEdited = true; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> fLeave;
    bool fTakeReturn;
    // The text changed since Enter or leaving applied it; leaving a field whose text did
    // not change runs nothing.
    bool fEdited = false;
};

} // namespace pramlet
