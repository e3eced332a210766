#pragma once
// What window tests do as a user would, with real events: click a button of the wizard, walk
// to a page with next and prev, type into a field and press Enter.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "ui/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace pramlet::test {

// The widget of an option, of the expected class; the test ends when there is none.
template <class W> W* optionWidget(MainWindow& window, const char* name) {
    auto* w = qobject_cast<W*>(window.optionWidget(name));
    if (!w) qFatal("no widget %s", name);
    return w;
}

inline void clickButton(MainWindow& window, const char* name) {
    QTest::mouseClick(optionWidget<QPushButton>(window, name), Qt::LeftButton);
}

inline void goToPage(MainWindow& window, const Project& project, int page) {
    while (project.page() < page)
        clickButton(window, "NextBtn");
    while (project.page() > page)
        clickButton(window, "PrevBtn");
}

// Replaces the field's text by `text`, typed key by key, and presses Enter.
inline void typeAndEnter(QWidget* w, const QString& text) {
    w->setFocus();
    if (auto* spin = qobject_cast<TVelSpinEdit*>(w)) {
        spin->selectAll();
        QTest::keyClick(spin, Qt::Key_Delete);
        QTest::keyClicks(spin, text);
        QTest::keyClick(spin, Qt::Key_Return);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
}

} // namespace pramlet::test
