// The wizard: the main window over the project, started in the program's own directory
// with the command line's output file, application name or project file.

#include "config/Project.h"
#include "ui/QtDialogs.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <cstdio>
#include <cstring>

#ifndef PRAMLET_VERSION
#define PRAMLET_VERSION "unknown"
#endif

namespace {

constexpr const char* kHelp =
    R"(usage: pramlet [OUTPUT.pas [APPNAME]]
       pramlet PROJECT.ppro
       pramlet --help | --version

The project wizard: choose a controller, walk through the sixteen pages, press
Build, then show, store or print the generated Pascal program.

  OUTPUT.pas   the file that Store writes (shown on the last page)
  APPNAME      the application name of the program
  PROJECT.ppro a project file of the compiler: its name gives the application
               name, its MainFile entry the output file

The controllers are the description files (*.dsc) of the program's directory,
of <prefix>/share/pramlet/devices and of ~/.local/share/pramlet/devices (or
$XDG_DATA_HOME/pramlet/devices); a user's file of the same controller name
wins. The batch front end is pramlet-cli (see pramlet-cli --help).
)";

} // namespace

int main(int argc, char** argv) {
    // Answered before a window system is needed, so that they work on a terminal alone.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("pramlet %s\n", PRAMLET_VERSION);
            return 0;
        }
    }
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
        project.setDataDirectories(pramlet::DefaultDataDirs(home));
        auto window = pramlet::makeStartedWindow(project, home, args,
                                                 [&](QWidget& w) { dialogs.setParent(&w); });
        window->show();
        return app.exec();
    } catch (const pramlet::ApplicationAbort&) {
        return 2; // the message has been shown
    }
}
