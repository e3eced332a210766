#pragma once
// What window tests do as a user would, with real events: click a button of the wizard or a
// check box, choose a controller, walk to a page with next and prev, type into a field and
// press Enter.

#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
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

// Clicks a check box or radio button on its indicator, as a user does.
inline void clickOn(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

// Chooses a controller with the mouse: its family's tab, then its name in the list.
inline void chooseController(MainWindow& window, int tab, const QString& name) {
    QTabBar* bar = window.controllerTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QListWidget* list = window.controllerList(tab);
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable("no controller " + name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.front()).center());
}

// The same, in whichever family's list has the name.
inline void chooseController(MainWindow& window, const QString& name) {
    for (int tab = 0; tab < window.controllerTabs()->count(); ++tab)
        if (!window.controllerList(tab)->findItems(name, Qt::MatchExactly).isEmpty())
            return chooseController(window, tab, name);
    QFAIL(qPrintable("no controller " + name));
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
