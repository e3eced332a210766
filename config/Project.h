#pragma once
// The project: everything the main window owns for the program's run. The device catalogue
// and record, the option states, the derived values, the current page, the built flag and the
// listing. The window and the batch front end drive it with user actions; the page rules
// and the generator read and change it. No widget in here.

#include "config/Derived.h"
#include "config/Handlers.h"
#include "config/Options.h"
#include "config/PortFrame.h"
#include "device/CpuDesc.h"
#include "device/DataDirs.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceLoader.h"
#include "device/Dialogs.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pramlet {

inline constexpr int kPageCount = 16;

struct PageInfo {
    const char* sheet;
    const char* title;
};
const PageInfo& pageInfo(int page);

class Project {
  public:
    explicit Project(Dialogs& dialogs);
    // A copy of the state of `other` (its stored listing excepted) that talks to the user
    // through `dialogs`, with no observers and no focus requests: a sandbox for running
    // rules without the user seeing them. Its loader holds no description file yet.
    Project(const Project& other, Dialogs& dialogs);
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;

    Options& opts() { return fOptions; }
    const Options& opts() const { return fOptions; }
    Derived& derived() { return fDerived; }
    const Derived& derived() const { return fDerived; }
    const tCpuDesc& cpu() const { return CurCPUData; }
    Dialogs& dialogs() { return fDialogs; }
    TDeviceLoader& loader() { return fLoader; }
    const TDeviceCatalogue& catalogue() const { return fCatalogue; }
    // The port frames FramePortA .. FramePortL by port ordinal 1..11; throws
    // std::out_of_range for any other ordinal.
    TFramePort& frame(int ordinal);
    const TFramePort& frame(int ordinal) const;

    // Start-up: the program's directory, the command line, the catalogue scan, page 0.
    void start(const std::string& homePath, const std::vector<std::string>& args);
    // Begins the scan of start(homePath, ...) now, on a second thread, so that the files are
    // read while the window is being made; start() takes it over, with its messages, if it
    // reads the same directories, and scans itself otherwise.
    void scanAhead(const std::string& homePath);
    // Back to the state after start-up over the same catalogue, without scanning again:
    // every option at its default, no controller chosen, page 0, nothing built, no listing,
    // no file or application name. The observers hear of every option.
    void restart();
    // A project that has not started begins as `other` did, over a copy of its catalogue,
    // without reading the description files again (only the chosen controller's one, when
    // it is clicked).
    void startLike(const Project& other);
    const std::string& HomePath() const { return fCatalogue.HomePath(); }
    // The installed and the user's description directories, scanned by start() after the
    // program's own one.
    void setDataDirectories(const TDataDirs& dirs) {
        fDataDirs = dirs;
        fCatalogue.SetDataDirectories(dirs.installedDevices(), dirs.user);
    }
    // The help document; HTML, since the desktop has a viewer for that.
    std::string helpFile() const {
        TDataDirs dirs = fDataDirs;
        dirs.program = HomePath();
        return FindHelpFile(dirs, "Pramlet.html");
    }

    // The first page: five controller lists on family tabs.
    static const std::vector<OptName>& controllerLists(); // RadioGroupTiny ..
    // The tab shown. Switching it loads nothing and keeps the controller in use.
    int familyTab() const { return fFamilyTab; }
    void setFamilyTab(int tab);
    // The tab whose list holds the controller in use, -1 before the first load.
    int controllerTab() const { return fControllerTab; }
    // The controller in use: the selected item of the list it was chosen from, whichever tab
    // is shown; only one list has a selected item.
    std::string CurCPUName() const;
    int CurCPU() const;
    std::string CurCPUDSCName() const;
    // Names shown by the list on that tab, sorted.
    const std::vector<std::string>& controllerNames(int tab) const;
    // A click on item `index` of the list on tab `tab`: the tab becomes active, the item
    // selected (the other lists lose theirs), and the controller click runs.
    void clickController(int tab, int index);
    // The same for the first catalogue entry of that name (letter case ignored); false when
    // no list holds it.
    bool clickControllerByName(const std::string& name);
    void ListBox1ClickCheck();

    // Pages.
    int page() const { return fPage; }
    void refresh();
    bool next(); // false when refused
    void prev();
    const std::string& windowCaption() const { return fWindowCaption; }
    void setWindowCaption(const std::string& caption);
    // Page rules set the title of their own page only while it is the current one.
    void setTitle(int page);
    void runPageRules(int page);

    // A user's change of an option that the window or the batch front end has already
    // applied to the option's state.
    void userChanged(OptName option, Trigger trigger);
    // The user's actions, each applied to the option and then reported as userChanged.
    void userCheck(OptName option, bool on);                // click on a check box
    void userChoose(OptName member);                        // click on a group member
    void userSelect(OptName option, int index);             // choice, radio group
    void userCheckItem(OptName option, int item, bool on);  // check list item
    void userType(OptName option, const std::string& text); // an edit of the text
    void userLeave(OptName option);                         // leaving the field
    // Changes of a check state or chosen member made by a rule: they run the option's
    // handler as a click would.
    void ruleCheck(OptName option, bool on);
    void ruleChoose(OptName member);
    void runHandler(Handler h, OptName option);

    // Built flag, buttons, ready check.
    bool built() const { return fOptions.checked("LedCheck"); }
    void setBuilt(bool on);
    void buttonStates();
    bool readyCheck(); // "first build Application !" when not built

    // Data of the output page: the file to store into, the name of the built program and
    // its listing.
    const std::string& FileName() const { return fFileName; }
    void setFileName(std::string name) { fFileName = std::move(name); }
    // The user's choice in the file chooser; nothing chosen changes only the button states.
    void userChooseFile(const std::optional<std::string>& path);
    // The folder a relative output file name is stored in: that of the last store, else the
    // user's home folder (HOME), else the working folder.
    std::string storeFolder() const;
    void setStoreFolder(std::string folder) { fStoreFolder = std::move(folder); }
    const std::string& AppName() const { return fAppName; }
    void setAppName(std::string name) { fAppName = std::move(name); }
    const std::vector<std::string>& listing() const { return fListing; }
    void setListing(std::vector<std::string> lines) { fListing = std::move(lines); }

    // A controller was loaded since the fuse page last took its bit names.
    bool CPUchanged() const { return fCPUchanged; }
    // True once after each load: the fuse page takes the bit names then.
    bool takeCPUchanged() { return std::exchange(fCPUchanged, false); }

    // Set by the window to move the input focus; without it, focus requests do nothing.
    void setFocusRequest(std::function<void(OptName option)> request) {
        fFocusRequest = std::move(request);
    }
    void requestFocus(OptName option);

    // Locale of the user for reading decimal numbers (the supply voltage).
    char decimalPoint() const { return fDecimalPoint; }
    void setDecimalPoint(char point) { fDecimalPoint = point; }

    // Observers are told the names of the options whose state changed; "Tab", "StatusLine"
    // and "Caption" stand for the title, the status panel and the window caption. Each user
    // action tells them once, when it ends.
    using Observer = std::function<void(const std::vector<std::string>& changed)>;
    void addObserver(Observer o) { fObservers.push_back(std::move(o)); }
    // Runs one user action made of several steps (a command of the window, a build); the
    // observers hear of its changes once, when the outermost action ends.
    void act(const std::function<void()>& action);

  private:
    void refillControllerLists();
    void notify();

    Dialogs& fDialogs;
    Options fOptions;
    Derived fDerived;
    tCpuDesc CurCPUData;
    TDeviceLoader fLoader;
    TDeviceCatalogue fCatalogue;
    std::unique_ptr<TScanAhead> fScanAhead;
    TDataDirs fDataDirs;
    TPortFrames fFrames = makePortFrames();
    int fFamilyTab = 0;
    int fControllerTab = -1;
    int fPage = 0;
    std::string fWindowCaption = "Orvex Pramlet [AVR]";
    std::vector<Observer> fObservers;
    int fActionDepth = 0;
    std::string fFileName;
    std::string fStoreFolder;
    std::string fAppName;
    std::vector<std::string> fListing;
    bool fCPUchanged = false;
    std::function<void(OptName option)> fFocusRequest;
    char fDecimalPoint = '.';
};

} // namespace pramlet
