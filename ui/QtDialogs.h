#pragma once
// Message boxes, questions and the beep of the core, shown as modal Qt dialogs.

#include "device/Dialogs.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

namespace pramlet {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : fParent(parent) {}
    void setParent(QWidget* parent) { fParent = parent; }

    void message(MsgKind kind, const std::string& text, MsgButton button) override;
    bool askYesNo(const std::string& text) override;
    bool askYesAbort(const std::string& text) override;
    void beep() override;

  private:
    QPointer<QWidget> fParent;
};

// The narrowest message box, in pixels.
inline constexpr int kMessageBoxMinWidth = 360;
// Widens a message box to show its whole title and a readable line.
void fitMessageBox(QMessageBox& box);

// The core's "\r" line breaks as the dialog shows them.
QString dialogText(const std::string& text);

} // namespace pramlet
