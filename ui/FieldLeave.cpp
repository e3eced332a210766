#include "ui/FieldLeave.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace pramlet {

bool leavesTheControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

FieldLeave::FieldLeave(QWidget* field, std::function<void()> leave, bool takeReturn)
    : QObject(field), fLeave(std::move(leave)), fTakeReturn(takeReturn) {
    field->installEventFilter(this);
}

bool FieldLeave::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            fEdited = false;
            fLeave();
            return fTakeReturn;
        }
    } else if (event->type() == QEvent::FocusOut &&
               leavesTheControl(static_cast<QFocusEvent*>(event)->reason())) {
        const bool edited = fEdited;
        fEdited = false;
        if (edited) fLeave();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pramlet
