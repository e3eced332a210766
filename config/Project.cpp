#include "config/Project.h"

#include "config/Format.h"
#include "config/OnChipPages.h"
#include "config/OutputPage.h"
#include "config/PortFusePages.h"
#include "config/SoftDriverPages.h"
#include "config/SpecialDriverPages.h"
#include "config/SystemPages.h"
#include "device/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace pramlet {

namespace {

const PageInfo kPages[kPageCount] = {
    {"CPUselSheet", "select processor type"},
    {"DataTypeSheet", "System and Types import"},
    {"OnChipSheet1", "onChip driver import I"},
    {"OnChipSheet2", "onChip driver import II"},
    {"SoftDriverSheet1", "soft driver import I"},
    {"SoftDriverSheet2", "soft driver import II"},
    {"SoftDriverSheet3", "soft driver import III"},
    {"SpecialSheet1", "special driver import I"},
    {"SpecialSheet2", "special driver import II"},
    {"SpecialSheet3", "special driver import III"},
    {"SpecialSheet4", "special driver import IV"},
    {"PortAsheet", "Port A..E init"},
    {"PortDsheet", "Port F..K init"},
    {"PortGsheet", "Port L init"},
    {"FuseSheet", "Fuses Setup"},
    {"OutPutShhet", "Save new application"},
};

using PageRules = void (*)(Project&);

// The rules each page runs on entering it and on a change of its options.
const PageRules kPageRules[kPageCount] = {
    Page0Rules,  Page1Rules,  Page2Rules,  Page3Rules,  Page4Rules,  Page5Rules,
    Page6Rules,  Page7Rules,  Page8Rules,  Page9Rules,  Page10Rules, Page11Rules,
    Page12Rules, Page13Rules, Page14Rules, Page15Rules,
};

bool equalNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const PageInfo& pageInfo(int page) {
    return kPages[std::clamp(page, 0, kPageCount - 1)];
}

Project::Project(Dialogs& dialogs) : fDialogs(dialogs), fLoader(dialogs), fCatalogue(fLoader) {
    fOptions.setText("Tab", kPages[0].title);
}

Project::Project(const Project& other, Dialogs& dialogs)
    : fDialogs(dialogs), fOptions(other.fOptions), fDerived(other.fDerived),
      CurCPUData(other.CurCPUData), fLoader(dialogs), fCatalogue(other.fCatalogue, fLoader),
      fDataDirs(other.fDataDirs), fFrames(other.fFrames), fFamilyTab(other.fFamilyTab),
      fControllerTab(other.fControllerTab), fPage(other.fPage),
      fWindowCaption(other.fWindowCaption), fFileName(other.fFileName),
      fStoreFolder(other.fStoreFolder), fAppName(other.fAppName), fCPUchanged(other.fCPUchanged),
      fDecimalPoint(other.fDecimalPoint) {}

TFramePort& Project::frame(int ordinal) {
    return fFrames.at(static_cast<size_t>(ordinal - 1));
}

const TFramePort& Project::frame(int ordinal) const {
    return fFrames.at(static_cast<size_t>(ordinal - 1));
}

const std::vector<OptName>& Project::controllerLists() {
    static const std::vector<OptName> lists = [] {
        std::vector<OptName> v;
        for (const auto& f : kCpuFamilies)
            v.push_back(OptName::lookup(f.id));
        return v;
    }();
    return lists;
}

void Project::start(const std::string& homePath, const std::vector<std::string>& args) {
    fCatalogue.SetHomePath(homePath);
    TCommandLine cl = ParseCommandLine(args);
    if (!cl.ReadError.empty()) fDialogs.message(MsgKind::Error, cl.ReadError, MsgButton::Ok);
    if (cl.FileName) {
        fFileName = *cl.FileName;
        fOptions.setText("FNameEdit", fFileName);
    }
    if (cl.AppName) {
        // A preset name goes through the rules of a typed one (blanks are removed with a
        // message each).
        fOptions.setText("AppNameEdit", *cl.AppName);
        runHandler(Handler::AppNameEditChange, "AppNameEdit");
        fAppName = fOptions.text("AppNameEdit");
    }
    if (fScanAhead && fScanAhead->Reads(fCatalogue))
        fCatalogue.TakeScan(*fScanAhead);
    else
        fCatalogue.Scan();
    fScanAhead.reset();
    refillControllerLists();
    SupplyCurrentRule(*this); // once when the window is first shown
    fPage = 0;
    refresh();
    notify();
}

void Project::scanAhead(const std::string& homePath) {
    fScanAhead.reset();
    TDeviceCatalogue directories(fLoader);
    directories.CopyListFrom(fCatalogue);
    directories.SetHomePath(homePath);
    fScanAhead = std::make_unique<TScanAhead>(directories);
}

void Project::restart() {
    fOptions = Options();
    fOptions.setText("Tab", kPages[0].title);
    fDerived = Derived();
    CurCPUData = tCpuDesc();
    fFrames = makePortFrames();
    fFamilyTab = 0;
    fControllerTab = -1;
    fWindowCaption = "Orvex Pramlet [AVR]";
    fFileName.clear();
    fAppName.clear();
    fListing.clear();
    fCPUchanged = false;
    refillControllerLists();
    SupplyCurrentRule(*this);
    fPage = 0;
    refresh();
    for (const OptionState& s : fOptions.all())
        fOptions.edit(OptName::lookup(s.def->name));
    notify();
}

void Project::startLike(const Project& other) {
    fDataDirs = other.fDataDirs;
    fCatalogue.CopyListFrom(other.fCatalogue);
    restart();
}

void Project::refillControllerLists() {
    for (int tab = 0; tab < kFamilyCount; ++tab) {
        const OptName list = controllerLists()[tab];
        fOptions.refill(list, fCatalogue.Names(static_cast<tCpuFamily>(tab)));
        fOptions.setItemIndex(list, -1);
    }
}

const std::vector<std::string>& Project::controllerNames(int tab) const {
    return fCatalogue.Names(static_cast<tCpuFamily>(std::clamp(tab, 0, kFamilyCount - 1)));
}

void Project::setFamilyTab(int tab) {
    fFamilyTab = std::clamp(tab, 0, kFamilyCount - 1);
    notify();
}

std::string Project::CurCPUName() const {
    if (fControllerTab < 0) return {};
    return fOptions.text(controllerLists()[fControllerTab]);
}

// A list without a selected item means no controller, even where a description without a
// name put an empty entry into the catalogue.
int Project::CurCPU() const {
    if (fControllerTab < 0 || fOptions.itemIndex(controllerLists()[fControllerTab]) < 0) return -1;
    return fCatalogue.CurCPU(CurCPUName());
}

std::string Project::CurCPUDSCName() const {
    return CurCPU() < 0 ? std::string() : fCatalogue.CurCPUDSCName(CurCPUName());
}

void Project::clickController(int tab, int index) {
    fFamilyTab = std::clamp(tab, 0, kFamilyCount - 1);
    fControllerTab = fFamilyTab;
    for (int other = 0; other < kFamilyCount; ++other)
        if (other != fFamilyTab) fOptions.setItemIndex(controllerLists()[other], -1);
    fOptions.setItemIndex(controllerLists()[fFamilyTab], index);
    ListBox1ClickCheck();
    notify();
}

bool Project::clickControllerByName(const std::string& name) {
    for (const auto& entry : fCatalogue.CPUList()) {
        if (!equalNoCase(entry.name, name)) continue;
        for (int tab = 0; tab < kFamilyCount; ++tab) {
            const auto& names = controllerNames(tab);
            auto it = std::find(names.begin(), names.end(), entry.name);
            if (it != names.end()) {
                clickController(tab, static_cast<int>(it - names.begin()));
                return true;
            }
        }
    }
    return false;
}

void Project::ListBox1ClickCheck() {
    const std::string path = CurCPUDSCName();
    fLoader.SetIniEditorFileName(path);
    fCPUchanged = true;
    fLoader.LoadCPU(path, CurCPUData);

    for (OptName box : OptNames{"GroupBox1", "GroupBox2", "GroupBox14", "GroupBox15", "GroupBox43",
                                "FreqSpin", "SysTickSpin", "WatchDogSpin", "VoltSpin"})
        fOptions.setEnabled(box, true);
    fOptions.setChecked("LedCheck", false);

    runPageRules(0);

    // The pages that own lists of the controller's ports and interrupts fill them anew.
    OnChipControllerLoaded(*this);
    SpecialDriverControllerLoaded(*this);
}

void Project::setTitle(int page) {
    if (page == fPage) fOptions.setText("Tab", kPages[page].title);
}

void Project::setWindowCaption(const std::string& caption) {
    if (caption == fWindowCaption) return;
    fWindowCaption = caption;
    fOptions.edit("Tab"); // the caption travels with the title for the observers
}

void Project::runPageRules(int page) {
    if (page < 0 || page >= kPageCount) return;
    kPageRules[page](*this);
}

void Project::refresh() {
    fOptions.setEnabled("PrevBtn", fPage > 0);
    fOptions.setEnabled("NextBtn", fPage < kPageCount - 1);
    runPageRules(fPage);
    OptionState& status = fOptions.edit("StatusLine");
    if (status.items.size() < 2) status.items.resize(2);
    status.items[1] = "page " + std::to_string(fPage + 1) + " of 16";
}

bool Project::next() {
    if (CurCPU() < 0) {
        fDialogs.beep();
        fDialogs.message(MsgKind::Error, "Select CPU type first!", MsgButton::Ok);
        return false;
    }
    if (fPage >= kPageCount - 1) return false;
    ++fPage;
    refresh();
    notify();
    return true;
}

void Project::prev() {
    if (fPage <= 0) return;
    --fPage;
    refresh();
    notify();
}

void Project::userChanged(OptName option, Trigger trigger) {
    // The observers hear of every user action, also of one that changes only derived values
    // or a port frame's bits (leaving a frame): its option counts as changed.
    fOptions.edit(option);
    runHandler(handlerFor(option, trigger), option);
    notify();
}

void Project::userCheck(OptName option, bool on) {
    fOptions.setChecked(option, on);
    userChanged(option, Trigger::Click);
}

void Project::userChoose(OptName member) {
    fOptions.choose(member);
    userChanged(member, Trigger::Click);
}

void Project::userSelect(OptName option, int index) {
    fOptions.setItemIndex(option, index);
    userChanged(option, Trigger::Click);
}

void Project::userCheckItem(OptName option, int item, bool on) {
    fOptions.setItemChecked(option, item, on);
    userChanged(option, Trigger::Click);
}

void Project::userType(OptName option, const std::string& text) {
    fOptions.setTypedText(option, text);
    userChanged(option, Trigger::Edit);
}

void Project::userLeave(OptName option) {
    // A number the field refuses is not taken: the option returns to the value taken
    // before, and the leave handler does not run. A handler that followed the typing runs
    // again, so that what it derived follows the value taken.
    if (!fOptions.take(option)) {
        runHandler(handlerFor(option, Trigger::Edit), option);
        notify();
        return;
    }
    userChanged(option, Trigger::Leave);
}

void Project::ruleCheck(OptName option, bool on) {
    if (fOptions.setChecked(option, on)) runHandler(handlerFor(option, Trigger::Click), option);
}

void Project::ruleChoose(OptName member) {
    if (fOptions.choose(member)) runHandler(handlerFor(member, Trigger::Click), member);
}

void Project::runHandler(Handler h, OptName option) {
    if (h == Handler::None) return;
    const HandlerRow& row = handlerRow(h);
    if (row.acts && !row.acts(*this, option)) return;
    if (!row.keepsBuiltFlag) setBuilt(false);
    if (row.run) row.run(*this, option);
}

void Project::setBuilt(bool on) {
    fOptions.setChecked("LedCheck", on);
}

void Project::buttonStates() {
    const bool b = built();
    for (OptName btn : OptNames{"StoreBtn", "ShowBtn", "PrintBtn"})
        fOptions.setEnabled(btn, b);
    fOptions.setEnabled("BuildBtn", characterCount(fOptions.text("AppNameEdit")) >= 3);
}

bool Project::readyCheck() {
    if (built()) return true;
    fDialogs.message(MsgKind::Error, "first build Application !", MsgButton::Ok);
    requestFocus("BuildBtn");
    return false;
}

void Project::requestFocus(OptName option) {
    if (fFocusRequest) fFocusRequest(option);
}

void Project::userChooseFile(const std::optional<std::string>& path) {
    act([&] {
        if (path) {
            fOptions.setText("FNameEdit", *path);
            fFileName = *path;
        }
        buttonStates();
    });
}

std::string Project::storeFolder() const {
    if (!fStoreFolder.empty()) return fStoreFolder;
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

void Project::act(const std::function<void()>& action) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    };
    {
        const Depth inside(fActionDepth);
        action();
    }
    notify();
}

// Inside an action the observers wait for its end.
void Project::notify() {
    if (fActionDepth > 0) return;
    std::vector<std::string> changed = fOptions.takeChanged();
    if (changed.empty()) return;
    for (auto& o : fObservers)
        o(changed);
}

} // namespace pramlet
