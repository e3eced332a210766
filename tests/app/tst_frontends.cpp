// Both front ends on the same settings: what the window refuses never reaches its program,
// whose listing is the one pramlet-cli writes (which refuses the same values).

#include "app/cli/Cli.h"
#include "components/widgets/VelSpinEdit.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/ui/WindowDriver.h"
#include "ui/MainWindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <sstream>

using namespace pramlet;

namespace {

const std::string kConfigData = PRAMLET_TEST_DATA "/config/";

// The listing pramlet-cli writes for these arguments over the test controllers, as lines;
// the status goes to `status`.
std::vector<std::string> cliListing(const std::vector<std::string>& args, int& status,
                                    const std::string& devices = kConfigData) {
    std::vector<std::string> all = {"--devices", devices};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    status = runCli(all, out, err);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList l;
    for (const auto& s : lines)
        l << QString::fromStdString(s);
    return l.join('\n');
}

} // namespace

class TestFrontEnds : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<RecordingDialogs> dialogs;
    std::unique_ptr<Project> project;
    std::unique_ptr<MainWindow> window;

    template <class W> W* widget(const char* name) { return test::optionWidget<W>(*window, name); }
    void clickButton(const char* name) { test::clickButton(*window, name); }
    void selectController(int tab, const QString& name) {
        test::chooseController(*window, tab, name);
    }
    void goToPage(int page) { test::goToPage(*window, *project, page); }
    // Types into a field as a user would and presses Enter.
    void typeInto(QWidget* w, const QString& text) { test::typeAndEnter(w, text); }
    void buildAs(const QString& name) {
        goToPage(15);
        typeInto(widget<QLineEdit>("AppNameEdit"), name);
        clickButton("BuildBtn");
        QVERIFY(project->built());
    }

  private slots:
    void init() {
        dialogs = std::make_unique<RecordingDialogs>();
        project = std::make_unique<Project>(*dialogs);
        project->start(kConfigData, {});
        window = std::make_unique<MainWindow>(*project);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        project.reset();
        dialogs.reset();
    }

    // A number above the controller's bounds or a watchdog text that is no value of the
    // field: shown in the error font, never in the program, whose listing is the one of
    // pramlet-cli, which refuses the same values.
    void refusedNumbersNeverReachTheProgram() {
        int status = -1;
        // mega16x: 1024 bytes of RAM.
        cliListing({"--device", "mega16x", "--set", "SysStackSpin=5000"}, status);
        QCOMPARE(status, 2);
        cliListing({"--device", "mega16x", "--set", "WatchDogSpin=xyz"}, status);
        QCOMPARE(status, 2);
        cliListing({"--device", "mega16x", "--set", "WatchDogSpin=250"}, status);
        QCOMPARE(status, 2);
        const auto expected = cliListing(
            {"--device", "mega16x", "--app", "Stack", "--set", "WatchDogSpin=1 sec"}, status);
        QCOMPARE(status, 0);

        selectController(2, "mega16x");
        auto* dog = widget<TVelSpinEdit>("WatchDogSpin");
        typeInto(dog, "1 sec");
        QCOMPARE(project->derived().WatchDog, 6);
        for (const char* refused : {"xyz", "250"}) {
            typeInto(dog, refused);
            QCOMPARE(dog->Text(), QString(refused));
            QCOMPARE(dog->font(), dog->ErrorFont());
            QVERIFY2(dog->toolTip().contains("is not taken"), qPrintable(dog->toolTip()));
            QCOMPARE(project->derived().WatchDog, 6);
        }
        goToPage(1);
        auto* stack = widget<TVelSpinEdit>("SysStackSpin");
        QCOMPARE(stack->MaxValue(), 1024);
        typeInto(stack, "5000");
        QCOMPARE(stack->Text(), QString("5000"));
        QCOMPARE(stack->font(), stack->ErrorFont());
        QCOMPARE(project->derived().SysStackSize, 50);
        buildAs("Stack");
        QCOMPARE(joined(project->listing()), joined(expected));

        // A value taken afterwards is taken again, and the error font goes.
        goToPage(1);
        typeInto(stack, "120");
        QCOMPARE(stack->font(), stack->NormalFont());
        QCOMPARE(project->derived().SysStackSize, 120);
    }
};

QTEST_MAIN(TestFrontEnds)
#include "tst_frontends.moc"
