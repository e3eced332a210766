#include "ui/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace pramlet {

QString dialogText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

void QtDialogs::message(MsgKind kind, const std::string& text, MsgButton button) {
    QMessageBox::StandardButton b = QMessageBox::Ok;
    switch (button) {
    case MsgButton::Ok: b = QMessageBox::Ok; break;
    case MsgButton::Retry: b = QMessageBox::Retry; break;
    case MsgButton::Ignore: b = QMessageBox::Ignore; break;
    case MsgButton::Abort: b = QMessageBox::Abort; break;
    case MsgButton::Cancel: b = QMessageBox::Cancel; break;
    }
    QMessageBox::Icon icon = kind == MsgKind::Error     ? QMessageBox::Critical
                             : kind == MsgKind::Warning ? QMessageBox::Warning
                                                        : QMessageBox::Information;
    QMessageBox box(icon, QApplication::applicationName(), dialogText(text), b, fParent);
    box.exec();
}

bool QtDialogs::askYesNo(const std::string& text) {
    return QMessageBox::question(fParent, QApplication::applicationName(), dialogText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::askYesAbort(const std::string& text) {
    return QMessageBox::question(fParent, QApplication::applicationName(), dialogText(text),
                                 QMessageBox::Yes | QMessageBox::Abort) == QMessageBox::Yes;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace pramlet
