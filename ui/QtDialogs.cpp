#include "ui/QtDialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>

namespace pramlet {

QString dialogText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

void fitMessageBox(QMessageBox& box) {
    // A message of short lines ("File", the name, "exists", "Overwrite ?") would make a box
    // too narrow for its own title. A spacer under the text keeps it wide enough for the
    // title, the frame's buttons beside it, and a reading width.
    const QFontMetrics metrics(box.font());
    const int titleWidth = metrics.horizontalAdvance(box.windowTitle()) +
                           6 * box.style()->pixelMetric(QStyle::PM_TitleBarButtonSize);
    const int width = std::max({kMessageBoxMinWidth, titleWidth, metrics.averageCharWidth() * 40});
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

namespace {

int exec(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QApplication::applicationName(), dialogText(text), buttons, parent);
    fitMessageBox(box);
    return box.exec();
}

} // namespace

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
    exec(fParent, icon, text, b);
}

bool QtDialogs::askYesNo(const std::string& text) {
    return exec(fParent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtDialogs::askYesAbort(const std::string& text) {
    return exec(fParent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::Abort) ==
           QMessageBox::Yes;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace pramlet
