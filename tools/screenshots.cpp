// Walks the wizard window page by page with a bundled controller and saves one PNG per page.
// Run under a real X server (tools/screenshots.sh starts one with xvfb-run).

#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvex Pramlet");
    if (argc < 3) {
        std::fprintf(stderr, "usage: pramlet-screenshots CONTROLLER OUTDIR\n");
        return 2;
    }
    const std::string controller = argv[1];
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outDir);

    pramlet::RecordingDialogs dialogs;
    pramlet::Project project(dialogs);
    project.start(QApplication::applicationDirPath().toStdString() + "/", {});
    pramlet::MainWindow window(project);
    window.resize(1280, 800);
    window.show();
    if (!project.clickControllerByName(controller)) {
        std::fprintf(stderr, "no controller %s\n", controller.c_str());
        return 2;
    }
    project.userType("AppNameEdit", "Demo");

    int page = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const QString file = QString("%1/page%2.png").arg(outDir).arg(page + 1, 2, 10, QChar('0'));
        window.grab().save(file);
        std::printf("%s\n", file.toLocal8Bit().constData());
        if (++page >= pramlet::kPageCount) {
            app.quit();
            return;
        }
        project.next();
    });
    timer.start(400);
    return app.exec();
}
