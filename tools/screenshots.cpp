// Walks the wizard window page by page with a bundled controller and saves one PNG per page,
// then one of the preview with a few soft drivers chosen (preview.png).
// Run under a real X server (tools/screenshots.sh starts one with xvfb-run).

#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "ui/ListingEditor.h"
#include "ui/MainWindow.h"
#include "ui/PreviewWindow.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
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
    bool previewShown = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (previewShown) {
            const QString file = outDir + "/preview.png";
            window.preview()->grab().save(file);
            std::printf("%s\n", file.toLocal8Bit().constData());
            app.quit();
            return;
        }
        if (page >= pramlet::kPageCount) {
            // Back on the first soft driver page: a switch port, an LCD and I2C, and the
            // preview open beside it on the Define section.
            while (project.page() > 4)
                project.prev();
            project.act([&] {
                project.userChoose("SwitchP1Dchk");
                project.userChoose("LCDcChk");
                project.userChoose("I2CeChk");
            });
            window.PreviewBtnClick();
            pramlet::PreviewWindow* preview = window.preview();
            preview->resize(760, 640);
            const auto& lines = preview->lines();
            const auto define = std::find(lines.begin(), lines.end(), "Define");
            if (define != lines.end())
                preview->editor()->verticalScrollBar()->setValue(
                    static_cast<int>(define - lines.begin()) - 2);
            previewShown = true;
            return;
        }
        const QString file = QString("%1/page%2.png").arg(outDir).arg(page + 1, 2, 10, QChar('0'));
        window.grab().save(file);
        std::printf("%s\n", file.toLocal8Bit().constData());
        if (++page < pramlet::kPageCount) project.next();
    });
    timer.start(400);
    return app.exec();
}
