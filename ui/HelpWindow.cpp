#include "ui/HelpWindow.h"

#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace pramlet {

QWidget* showHelp(QWidget* parent, const QString& helpFile, const QString& section) {
    if (!QFileInfo::exists(helpFile)) {
        QMessageBox::warning(parent, "Help", "The help file " + helpFile + " was not found.");
        return nullptr;
    }
    auto* window = parent ? parent->findChild<QDialog*>("HelpWindow") : nullptr;
    if (!window) {
        window = new QDialog(parent);
        window->setObjectName("HelpWindow");
        window->setWindowTitle("Pramlet Help");
        auto* browser = new QTextBrowser(window);
        browser->setObjectName("HelpBrowser");
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        window->resize(760, 640);
    }
    auto* browser = window->findChild<QTextBrowser*>("HelpBrowser");
    QUrl url = QUrl::fromLocalFile(helpFile);
    if (!section.isEmpty()) url.setFragment(section);
    browser->setSource(url);
    window->show();
    window->raise();
    return window;
}

} // namespace pramlet
