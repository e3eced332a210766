#pragma once
// The wizard window, generated from the option catalogue: a title bar, the sixteen pages in
// a stack switched only by prev/next, and the status line. Every widget forwards the user's
// changes to the project and is repainted from the project's state when it reports a change.

#include "config/Project.h"
#include "ui/OptionBinders.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace pramlet {

class PreviewWindow;
class TListForm;

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(Project& project, QWidget* parent = nullptr);
    ~MainWindow() override;

    Project& project() { return fProject; }
    // The widget that shows an option (for the group members: the member's radio button).
    // Builds the option's page first when it has not been built yet.
    QWidget* optionWidget(const std::string& name);
    QStackedWidget* pages() const { return fPages; }
    QTabWidget* controllerTabs() const { return fControllerTabs; }
    // The controller list of a family tab, made when its tab is first shown or asked for.
    QListWidget* controllerList(int tab);
    QLineEdit* controllerFilter() const { return fFilter; }
    // The listing window, made when first needed (it is not part of the first page).
    TListForm* listForm();
    // The preview window; none until it is first opened.
    PreviewWindow* preview() const { return fPreview; }
    QLabel* statusPanel(int n) const { return n == 0 ? fStatus0 : fStatus1; }
    QLabel* titleBar() const { return fTitle; }

    // Commands of the buttons, callable by tests.
    void BuildBtnClick();
    void ShowBtnClick();
    void PreviewBtnClick();      // also F5, from any page
    void SaveSettingsBtnClick(); // also Ctrl+S, from any page
    void LoadSettingsBtnClick(); // also Ctrl+O, from any page
    void StoreBtnClick();
    void PrintBtnClick();
    void HelpBtnClick();
    void InfoBtnClick();
    // Prints to the given printer without the print dialog (tests print to PDF).
    bool printTo(QPrinter& printer);
    // Replaces the print dialog; returns false when the user cancels.
    std::function<bool(QPrinter&)> printDialog;
    // Replaces the file chooser of FNameEdit; returns the chosen path or nothing.
    std::function<std::optional<QString>()> fileChooser;
    // Replaces the settings file chooser (`save`: for saving); returns the path or nothing.
    std::function<std::optional<QString>(bool save)> settingsFileChooser;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Bound {
        const OptionDef* def = nullptr;
        QWidget* widget = nullptr;
        QLabel* label = nullptr;
        std::optional<OptionState> painted{}; // the state the widget shows; none: repaint
    };

    void ensurePage(int page);
    void buildIdlePage();
    QWidget* buildControllerTabs();
    void makeControllerList(int tab);
    void bind(const OptionDef& def, QWidget* widget, QLabel* label);
    void act(const std::string& name, const std::function<void()>& action);
    void runCommand(const std::string& name);
    // Repaints the widgets of the named options whose state changed since they were painted
    // (all of them with `force`).
    void refresh(const std::vector<std::string>& names, bool force = false);
    void refreshAll();
    void paint(Bound& b, bool force);
    void refreshControllerLists();
    void applyControllerFilter();
    void showPage();
    void focusOption(std::string_view name);
    void chooseFileName();
    std::optional<QString> chooseSettingsFile(bool save);
    void helpForPage();

    Project& fProject;
    QStackedWidget* fPages = nullptr;
    QTabWidget* fControllerTabs = nullptr;
    std::vector<QListWidget*> fControllerLists; // by tab; none until made
    QLabel* fTitle = nullptr;
    QLabel* fStatus0 = nullptr;
    QLabel* fStatus1 = nullptr;
    QCheckBox* fLed = nullptr;
    TListForm* fListForm = nullptr;
    PreviewWindow* fPreview = nullptr;
    QString fSettingsFolder; // of the last settings file saved or loaded
    QLineEdit* fFilter = nullptr;
    BindContext fContext;
    std::vector<bool> fBuilt; // by page
    std::map<std::string, Bound> fBound;
    std::map<std::string, QButtonGroup*> fGroups;
    bool fRefreshing = false;
    // A mouse button is down on a controller list, and that press changed its selection.
    bool fListPressed = false;
    bool fListPressSelected = false;
    QString fHint; // the hint last shown in the status line
    std::string fBuiltAppName;
    std::vector<std::string> fStoredListing; // the listing as last stored
};

} // namespace pramlet
