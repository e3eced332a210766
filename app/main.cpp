// The wizard window: the controller lists of the catalogue, one tab per family.

#include "device/DeviceCatalogue.h"
#include "device/DeviceLoader.h"
#include "device/Dialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabWidget>

namespace {

using namespace pramlet;

class WindowDialogs : public Dialogs {
  public:
    explicit WindowDialogs(QWidget* parent) : fParent(parent) {}

    void message(MsgKind kind, const std::string& text, MsgButton button) override {
        QMessageBox box(kind == MsgKind::Error     ? QMessageBox::Critical
                        : kind == MsgKind::Warning ? QMessageBox::Warning
                                                   : QMessageBox::Information,
                        QApplication::applicationName(), QString::fromStdString(text),
                        standardButton(button), fParent);
        box.exec();
    }
    bool askYesNo(const std::string& text) override {
        return ask(text, QMessageBox::No) == QMessageBox::Yes;
    }
    bool askYesAbort(const std::string& text) override {
        return ask(text, QMessageBox::Abort) == QMessageBox::Yes;
    }
    void beep() override { QApplication::beep(); }

  private:
    static QMessageBox::StandardButton standardButton(MsgButton button) {
        switch (button) {
        case MsgButton::Ok: return QMessageBox::Ok;
        case MsgButton::Retry: return QMessageBox::Retry;
        case MsgButton::Ignore: return QMessageBox::Ignore;
        case MsgButton::Abort: return QMessageBox::Abort;
        }
        return QMessageBox::Ok;
    }
    int ask(const std::string& text, QMessageBox::StandardButton other) {
        return QMessageBox::question(fParent, QApplication::applicationName(),
                                     QString::fromStdString(text), QMessageBox::Yes | other);
    }

    QWidget* fParent;
};

// Names flow top to bottom and wrap into about five columns of the list's width.
class ControllerList : public QListWidget {
  public:
    ControllerList() {
        setViewMode(QListView::ListMode);
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setUniformItemSizes(true);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        const int column = qMax(40, viewport()->width() / 5);
        setGridSize(QSize(column, fontMetrics().height() + 4));
        QListWidget::resizeEvent(event);
    }
};

class MainWindow : public QMainWindow {
  public:
    MainWindow() : fDialogs(this), fLoader(fDialogs), fCatalogue(fLoader) {
        setWindowTitle("Orvex Pramlet [AVR]");
        auto* tabs = new QTabWidget(this);
        setCentralWidget(tabs);

        fCatalogue.SetHomePath(QCoreApplication::applicationDirPath().toStdString());
        fCatalogue.Scan();
        for (int f = 0; f < kFamilyCount; ++f) {
            auto* list = new ControllerList;
            list->setObjectName(QString::fromUtf8(kCpuFamilies[f].id));
            for (const std::string& name : fCatalogue.Names(static_cast<tCpuFamily>(f)))
                list->addItem(QString::fromStdString(name));
            connect(list, &QListWidget::itemClicked, this,
                    [this](QListWidgetItem* item) { select(item->text().toStdString()); });
            tabs->addTab(list, QString::fromUtf8(kCpuFamilies[f].tab));
        }
        resize(720, 420);
    }

  private:
    void select(const std::string& CurCPUName) {
        const std::string path = fCatalogue.CurCPUDSCName(CurCPUName);
        if (fCatalogue.CurCPU(CurCPUName) < 0) return;
        try {
            fLoader.LoadCPU(path, CurCPUData);
        } catch (const ApplicationAbort&) {
            QApplication::exit(2);
            return;
        }
        statusBar()->showMessage(QString::fromStdString(
            CurCPUData.CpuName + ": " + std::to_string(CurCPUData.DataSize) + " bytes RAM"));
    }

    WindowDialogs fDialogs;
    TDeviceLoader fLoader;
    TDeviceCatalogue fCatalogue;
    tCpuDesc CurCPUData;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvex Pramlet");
    MainWindow window;
    window.show();
    return QApplication::exec();
}
