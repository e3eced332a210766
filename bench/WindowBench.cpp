// Timings of the window a user waits for, on the offscreen platform: start-up until the first
// page is painted (against a bare main window with one label and against the first page made
// by hand in plain Qt, in the same run), a controller click until every widget shows the new
// state, next and prev, Build and show, a change until the preview shows it.
// Run: QT_QPA_PLATFORM=offscreen build/bin/pramlet-window-bench (from the build tree, so that
// the bundled devices lie beside it).

#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "ui/ListForm.h"
#include "ui/ListingEditor.h"
#include "ui/MainWindow.h"
#include "ui/PreviewWindow.h"
#include "ui/StartUp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace {

using namespace pramlet;
using Clock = std::chrono::steady_clock;

std::string devicesDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
}

// Counts the paint events a widget receives.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
    bool painted = false;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Runs the event loop until `w` has been painted (the whole window is painted in the same
// pass); gives up after five seconds.
void waitPainted(QWidget* w) {
    PaintWatch watch(w);
    const auto start = Clock::now();
    while (!watch.painted && Clock::now() - start < std::chrono::seconds(5))
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!watch.painted) qFatal("not painted: %s", qPrintable(w->objectName()));
}

// The first page's controller tabs: painted only when the page is.
QWidget* firstPage(MainWindow& w) {
    return w.controllerTabs();
}

void seconds(benchmark::State& state, Clock::time_point start) {
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
}

// The first page's widgets made by hand in plain Qt, without the project, the catalogue or
// the option binders: the same title, filter, family tabs with the first family's 37 names,
// the five boxes (disabled, as before a controller is chosen), buttons and status line. Its
// start-up against the bare window's is what the page itself costs; the wizard's against it
// is what the program adds.
QMainWindow* firstPageByHand(QWidget*& painted) {
    auto* window = new QMainWindow;
    window->setWindowTitle("Orvex Pramlet [AVR]");
    auto* central = new QWidget(window);
    auto* layout = new QVBoxLayout(central);
    auto* title = new QLabel("select processor type", central);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel("Filter:"));
    auto* filter = new QLineEdit;
    filter->setPlaceholderText("e.g. 328");
    filter->setMinimumWidth(240);
    filter->setMaximumWidth(360);
    filterRow->addWidget(filter);
    filterRow->addStretch(1);
    layout->addLayout(filterRow);
    auto* tabs = new QTabWidget;
    tabs->setMinimumHeight(220);
    auto* list = new QListWidget;
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setGridSize(QSize(235, 22));
    list->addItems({"tiny10",   "tiny13",   "tiny13A",   "tiny1634", "tiny167", "tiny20",
                    "tiny22",   "tiny2313", "tiny2313A", "tiny24",   "tiny24A", "tiny25",
                    "tiny26",   "tiny261",  "tiny261A",  "tiny4",    "tiny40",  "tiny4313",
                    "tiny43U",  "tiny44",   "tiny441",   "tiny44A",  "tiny45",  "tiny461",
                    "tiny461A", "tiny48",   "tiny5",     "tiny828",  "tiny84",  "tiny841",
                    "tiny84A",  "tiny85",   "tiny861",   "tiny861A", "tiny87",  "tiny88",
                    "tiny9"});
    tabs->addTab(list, "TINY");
    for (const char* family : {"AVR", "MEGA", "XMEGA", "UPDI-TINY-MEGA"})
        tabs->addTab(new QWidget, family);
    layout->addWidget(tabs, 1);
    auto* boxes = new QGridLayout;
    auto box = [&](const char* caption, int row, int column) {
        auto* b = new QGroupBox(caption);
        b->setEnabled(false);
        boxes->addWidget(b, row, column);
        return new QGridLayout(b);
    };
    auto spin = [](int value, const QString& special = {}) {
        auto* s = new QSpinBox;
        s->setRange(-1, 1000000);
        s->setValue(value);
        s->setSpecialValueText(special);
        return s;
    };
    box("Frequency (kHz)", 0, 0)->addWidget(spin(16000), 0, 0);
    box("WatchDog", 1, 0)->addWidget(spin(-1, "None"), 0, 0);
    QGridLayout* ram = box("External Ram", 0, 1);
    ram->addWidget(new QCheckBox("no Init"), 0, 0, 1, 3);
    ram->addWidget(new QLabel("Size"), 1, 0);
    ram->addWidget(spin(0, "None"), 1, 1);
    ram->addWidget(new QLabel("bytes"), 1, 2);
    ram->addWidget(new QLabel("Wait states"), 2, 0);
    ram->addWidget(spin(1), 2, 1);
    QGridLayout* tick = box("System Tick", 0, 2);
    tick->addWidget(new QLabel("Period"), 0, 0);
    tick->addWidget(spin(10), 0, 1);
    tick->addWidget(new QLabel("ms"), 0, 2);
    auto* vcc = new QComboBox;
    vcc->setEditable(true);
    vcc->addItems({"3.0", "3.3", "5.0"});
    vcc->setCurrentIndex(2);
    box("VCC", 1, 2)->addWidget(vcc, 0, 0);
    auto* commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(new QPushButton("Help"));
    commands->addWidget(new QPushButton("About"));
    boxes->addLayout(commands, 2, 2);
    layout->addLayout(boxes);
    auto* nav = new QHBoxLayout;
    nav->addStretch(1);
    auto* prev = new QPushButton("prev");
    prev->setEnabled(false);
    nav->addWidget(prev);
    nav->addWidget(new QPushButton("next"));
    layout->addLayout(nav);
    window->setCentralWidget(central);
    window->statusBar()->addWidget(new QLabel("Rev 1.2"), 1);
    window->statusBar()->addPermanentWidget(new QLabel("page 1 of 16"));
    auto* led = new QCheckBox("Checked");
    led->setEnabled(false);
    window->statusBar()->addPermanentWidget(led);
    window->resize(1240, 760);
    painted = tabs;
    return window;
}

// Start-up is timed in a fresh process each time, as a user starts the program (the
// program's own start: the files read while the window is made): from the parent's clock
// reading to the first page painted in the child, which reports the time and ends at once. The bare window is timed the same way, so that both pay for loading
// Qt, its fonts and the platform.
int childStartUp(const char* what, long long startNs, int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<QMainWindow> window;
    QWidget* painted = nullptr;
    if (std::string(what) == "page") {
        window.reset(firstPageByHand(painted));
    } else if (std::string(what) == "bare") {
        window = std::make_unique<QMainWindow>();
        auto* label = new QLabel("Orvex Pramlet [AVR]", window.get());
        window->setCentralWidget(label);
        window->resize(1240, 760);
        painted = label;
    } else {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        auto wizard = makeStartedWindow(*project, devicesDir(), {});
        painted = firstPage(*wizard);
        window = std::move(wizard);
    }
    window->show();
    waitPainted(painted);
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const long long cpuNs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000000LL +
                            (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1000LL;
    std::printf("%lld %lld\n", now - startNs, cpuNs);
    std::fflush(stdout);
    std::_Exit(0);
}

// The child's wall time and its own processor time (user and system), in seconds.
std::pair<double, double> timeChild(const char* what) {
    const long long start =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count();
    const std::string command = "QT_QPA_PLATFORM=offscreen '" +
                                std::filesystem::canonical("/proc/self/exe").string() +
                                "' --start-up " + what + " " + std::to_string(start);
    FILE* child = popen(command.c_str(), "r");
    if (!child) qFatal("cannot start the child");
    long long ns = -1;
    long long cpuNs = -1;
    if (std::fscanf(child, "%lld %lld", &ns, &cpuNs) != 2) ns = -1;
    pclose(child);
    if (ns < 0) qFatal("the child reported no time");
    return {static_cast<double>(ns) * 1e-9, static_cast<double>(cpuNs) * 1e-9};
}

// Wall time as the benchmark's time; the child's processor time as "cpu_ms", which a
// loaded machine does not stretch.
void startUp(benchmark::State& state, const char* what) {
    double cpu = 0;
    for (auto _ : state) {
        const auto [wall, own] = timeChild(what);
        state.SetIterationTime(wall);
        cpu += own;
    }
    state.counters["cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
}

void BareWindowStartUp(benchmark::State& state) {
    startUp(state, "bare");
}
BENCHMARK(BareWindowStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void FirstPageByHandStartUp(benchmark::State& state) {
    startUp(state, "page");
}
BENCHMARK(FirstPageByHandStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

void WizardStartUp(benchmark::State& state) {
    startUp(state, "wizard");
}
BENCHMARK(WizardStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

// A window over the full library with the largest controller chosen.
struct Wizard {
    RecordingDialogs dialogs;
    Project project{dialogs};
    std::unique_ptr<MainWindow> window;
    Wizard() {
        project.start(devicesDir(), {});
        window = std::make_unique<MainWindow>(project);
        window->show();
        waitPainted(firstPage(*window));
        select("XMEGA128A1U");
    }
    // Selects a controller in its list as the keyboard or a click does.
    void select(const QString& name) {
        QTabWidget* tabs = window->controllerTabs();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            QListWidget* list = window->controllerList(tab);
            auto items = list->findItems(name, Qt::MatchFixedString);
            if (items.isEmpty()) continue;
            tabs->setCurrentIndex(tab);
            list->setCurrentItem(items.front());
            return;
        }
        qFatal("no controller %s", qPrintable(name));
    }
    void click(const char* button) {
        static_cast<QPushButton*>(window->optionWidget(button))->click();
    }
};

void ControllerClickInWindow(benchmark::State& state) {
    Wizard w;
    bool flip = false;
    for (auto _ : state) {
        const auto start = Clock::now();
        w.select(flip ? "XMEGA128A1U" : "mega2560");
        QApplication::processEvents();
        seconds(state, start);
        flip = !flip;
    }
}
BENCHMARK(ControllerClickInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

void NextAndPrevInWindow(benchmark::State& state) {
    Wizard w;
    // Every page once, so that each has been built and shown before the timing.
    while (w.project.page() < kPageCount - 1)
        w.click("NextBtn");
    while (w.project.page() > 0)
        w.click("PrevBtn");
    for (auto _ : state) {
        const auto start = Clock::now();
        w.click("NextBtn");
        QApplication::processEvents();
        w.click("PrevBtn");
        QApplication::processEvents();
        seconds(state, start);
    }
}
BENCHMARK(NextAndPrevInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The first walk over every page, each being shown for the first time (time per page).
void FirstWalkInWindow(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Wizard w;
        state.ResumeTiming();
        const auto start = Clock::now();
        while (w.project.page() < kPageCount - 1) {
            w.click("NextBtn");
            QApplication::processEvents();
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count() /
                               (kPageCount - 1));
    }
}
BENCHMARK(FirstWalkInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BuildAndShowInWindow(benchmark::State& state) {
    Wizard w;
    while (w.project.page() < kPageCount - 1)
        w.click("NextBtn");
    w.project.userType("AppNameEdit", "Blinky");
    for (auto _ : state) {
        // The listing window closes as soon as it is shown.
        QTimer::singleShot(0, w.window->listForm(), &QDialog::accept);
        const auto start = Clock::now();
        w.click("BuildBtn");
        w.click("ShowBtn");
        QApplication::processEvents();
        seconds(state, start);
    }
}
BENCHMARK(BuildAndShowInWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A check box on a driver page, clicked, until the open preview has painted the program with
// the change: the pages ahead run on a copy, the program is written, the changed lines are
// replaced and coloured, the text is painted.
void ChangeToPreviewPainted(benchmark::State& state) {
    Wizard w;
    while (w.project.page() < 5)
        w.click("NextBtn");
    w.window->PreviewBtnClick();
    PreviewWindow* preview = w.window->preview();
    QWidget* text = preview->editor()->viewport();
    waitPainted(text);
    auto* box = static_cast<QAbstractButton*>(w.window->optionWidget("KeyBoard4Chk"));
    for (auto _ : state) {
        const auto start = Clock::now();
        const int writes = preview->writes();
        box->click();
        waitPainted(text);
        seconds(state, start);
        if (preview->writes() != writes + 1) qFatal("the preview did not follow");
    }
}
BENCHMARK(ChangeToPreviewPainted)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on size hints would drown the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type >= QtCriticalMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (argc == 4 && std::string(argv[1]) == "--start-up")
        return childStartUp(argv[2], std::stoll(argv[3]), 1, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
