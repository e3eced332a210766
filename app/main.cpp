// The wizard: the main window over the project, started in the program's own directory
// with the command line's output file, application name or project file.

#include "config/Project.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvex Pramlet");

    pramlet::QtDialogs dialogs;
    pramlet::Project project(dialogs);
    project.setDecimalPoint(QLocale().decimalPoint().at(0).toLatin1());

    std::vector<std::string> args;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    std::string home = QDir(QApplication::applicationDirPath()).absolutePath().toStdString() + "/";

    try {
        project.start(home, args);
        pramlet::MainWindow window(project);
        dialogs.setParent(&window);
        window.show();
        return app.exec();
    } catch (const pramlet::ApplicationAbort&) {
        return 2; // the message has been shown
    }
}
