#include "config/Handlers.h"

#include "config/OnChipPages.h"
#include "config/OptionCatalogue.h"
#include "config/PortFusePages.h"
#include "config/Project.h"
#include "config/SoftDriverPages.h"
#include "config/SpecialDriverPages.h"
#include "config/SystemPages.h"

#include <array>
#include <iterator>
#include <vector>

namespace pramlet {

namespace {

using H = Handler;

// What the handlers run once the built flag has been cleared (or kept).

template <int Page> void pageRules(Project& p, OptName) {
    p.runPageRules(Page);
}

// A rule of its own, then the rules of its page.
template <void (*Rule)(Project&), int Page> void ruleThenPage(Project& p, OptName) {
    Rule(p);
    p.runPageRules(Page);
}

template <void (*Rule)(Project&)> void rule(Project& p, OptName) {
    Rule(p);
}

// The two keyboards exclude each other.
void keyboard4(Project& p, OptName) {
    if (p.opts().checked("KeyBoard4Chk")) p.ruleCheck("KeyBoard8Chk", false);
    p.runPageRules(5);
}

void keyboard8(Project& p, OptName) {
    if (p.opts().checked("KeyBoard8Chk")) p.ruleCheck("KeyBoard4Chk", false);
    p.runPageRules(5);
}

// Baud rates act only on valid text, so that a half-typed value changes nothing.
bool validValue(Project& p, OptName option) {
    return p.opts().valueValid(option);
}

bool supplyVoltageValid(Project& p, OptName) {
    return SupplyVoltageCheck(p);
}

void appNameChanged(Project& p, OptName option) {
    if (RemoveBlankFromAppName(p)) {
        p.requestFocus("AppNameEdit");
        // Putting the text back is a change of the name again.
        p.runHandler(H::AppNameEditChange, option);
    }
    p.setBuilt(false);
    p.buttonStates();
}

void fileNameChanged(Project& p, OptName) {
    p.setFileName(p.opts().text("FNameEdit"));
    p.buttonStates();
}

void buttonStates(Project& p, OptName) {
    p.buttonStates();
}

// One row per handler, in the order of Handler. The row's name is the enumerator's own
// spelling.
#define HANDLER(h, acts, run, keepsBuiltFlag)                                                      \
    HandlerRow {                                                                                   \
        H::h, #h, acts, run, keepsBuiltFlag                                                        \
    }
constexpr HandlerRow kHandlers[] = {
    HandlerRow{H::None, "", nullptr, nullptr, true},
    HANDLER(NoInitChkClick, nullptr, pageRules<0>, false),
    HANDLER(RamSpinChanged, nullptr, pageRules<0>, false),
    HANDLER(ComboBoxVCCExit, supplyVoltageValid, pageRules<0>, false),
    HANDLER(TypesChkClick, nullptr, pageRules<1>, false),
    HANDLER(BootAreaSpinChanged, nullptr, pageRules<1>, false),
    HANDLER(Drivers1Click, nullptr, pageRules<2>, false),
    HANDLER(Baud1SpinChange, validValue, pageRules<2>, false),
    HANDLER(Drivers1Aclick, nullptr, pageRules<3>, false),
    HANDLER(Drivers2Click, nullptr, pageRules<4>, false),
    HANDLER(CheckListBoxincrEncBitsClickCheck, nullptr, (ruleThenPage<EncoderPinRule, 4>), false),
    HANDLER(Drivers3Click, nullptr, pageRules<5>, false),
    HANDLER(KeyBoard4ChkClick, nullptr, keyboard4, false),
    HANDLER(KeyBoard8ChkClick, nullptr, keyboard8, false),
    HANDLER(LANdrvClick, nullptr, pageRules<6>, false),
    HANDLER(LCDgraphChkClick, nullptr, rule<LCDgraphChkRule>, true),
    HANDLER(PixFontChkClick, nullptr, rule<PixFontChkRule>, true),
    HANDLER(GraphXEditExit, nullptr, rule<GraphXEditExitRule>, true),
    HANDLER(GraphYEditExit, nullptr, rule<GraphYEditExitRule>, true),
    HANDLER(RC5click, nullptr, pageRules<7>, false),
    HANDLER(TWIchkClick, nullptr, pageRules<8>, false),
    HANDLER(IOexpCheck, nullptr, pageRules<9>, false),
    HANDLER(LCDmultiTWIchkClick, nullptr, (ruleThenPage<LCDmultiTWIchkRule, 9>), false),
    HANDLER(LCDmultiSPIchkClick, nullptr, (ruleThenPage<LCDmultiSPIchkRule, 9>), false),
    HANDLER(I2C_7segChkClick, nullptr, (ruleThenPage<I2C_7segChkRule, 9>), false),
    HANDLER(I2CexpChkClick, nullptr, (ruleThenPage<I2CexpChkRule, 9>), false),
    HANDLER(SHT11ChkClick, nullptr, pageRules<10>, false),
    HANDLER(Ports1Click, nullptr, pageRules<11>, false),
    HANDLER(Ports2Click, nullptr, pageRules<12>, false),
    HANDLER(Ports3Click, nullptr, pageRules<13>, false),
    HANDLER(BuildFuse0ChkClick, nullptr, pageRules<14>, false),
    HANDLER(FuseWrChkClick, nullptr, rule<FuseWrChkRule>, false),
    HANDLER(prgNoneChkClick, nullptr, nullptr, false),
    HANDLER(VoltSpinChanged, nullptr, nullptr, false),
    HANDLER(CurrentSpinChanged, nullptr, rule<SupplyCurrentRule>, false),
    HANDLER(progOptsEnaChkClick, nullptr, rule<WriteOptionsRule>, false),
    HANDLER(GlobWarnCheckClick, nullptr, buttonStates, false),
    HANDLER(AppNameEditChange, nullptr, appNameChanged, false),
    HANDLER(FNameEditChange, nullptr, fileNameChanged, true),
};
#undef HANDLER

static_assert(std::size(kHandlers) == kHandlerCount, "one row for every handler");
consteval bool rowsInOrder() {
    for (std::size_t i = 0; i < std::size(kHandlers); ++i)
        if (kHandlers[i].handler != static_cast<Handler>(i)) return false;
    return true;
}
static_assert(rowsInOrder(), "the rows stand in the order of Handler");

// Options with a handler of their own, whatever their page.
struct Binding {
    OptName option;
    Handler onClick = H::None;
    Handler onEdit = H::None;
    Handler onLeave = H::None;
};
constexpr Binding kOwnBindings[] = {
    {"NoInitChk", H::NoInitChkClick},
    {"FreqSpin", H::None, H::None, H::NoInitChkClick},
    {"SysTickSpin", H::None, H::None, H::NoInitChkClick},
    {"WatchDogSpin", H::None, H::None, H::NoInitChkClick},
    {"RamSpin", H::None, H::None, H::RamSpinChanged},
    {"ComboBoxVCC", H::None, H::None, H::ComboBoxVCCExit},
    {"VoltSpin", H::VoltSpinChanged, H::VoltSpinChanged, H::ComboBoxVCCExit},
    {"ResJmpDefBtn", H::BootAreaSpinChanged},
    {"ResJmpBtn", H::BootAreaSpinChanged},
    {"BootBlockChk", H::BootAreaSpinChanged},
    {"BootSer1Chck", H::BootAreaSpinChanged},
    {"BootSer2Chck", H::BootAreaSpinChanged},
    {"BootENCChck", H::BootAreaSpinChanged},
    {"BootAppChk", H::BootAreaSpinChanged},
    {"Baud1Spin", H::None, H::Baud1SpinChange},
    {"Baud2Spin", H::None, H::Baud1SpinChange},
    {"Baud3Spin", H::None, H::Baud1SpinChange},
    {"Baud4Spin", H::None, H::Baud1SpinChange},
    {"CheckListBoxincrEncBits", H::CheckListBoxincrEncBitsClickCheck},
    {"KeyBoard4Chk", H::KeyBoard4ChkClick},
    {"KeyBoard8Chk", H::KeyBoard8ChkClick},
    {"LCDgraphChk", H::LCDgraphChkClick},
    {"PixFontChk", H::PixFontChkClick},
    {"GraphXEdit", H::None, H::None, H::GraphXEditExit},
    {"GraphYEdit", H::None, H::None, H::GraphYEditExit},
    {"LCDmultiTWIchk", H::LCDmultiTWIchkClick},
    {"LCDmultiSPIchk", H::LCDmultiSPIchkClick},
    {"I2C_7segChk", H::I2C_7segChkClick},
    {"I2CexpChk", H::I2CexpChkClick},
    {"BuildLock0Chk", H::BuildFuse0ChkClick},
    {"BuildFuse0Chk", H::BuildFuse0ChkClick},
    {"BuildFuse1Chk", H::BuildFuse0ChkClick},
    {"BuildFuse2Chk", H::BuildFuse0ChkClick},
    {"FuseWrChk", H::FuseWrChkClick},
    {"prgNoneChk", H::prgNoneChkClick},
    {"prgSPIchk", H::prgNoneChkClick},
    {"prgJTAGchk", H::prgNoneChkClick},
    {"CurrentSpin", H::None, H::CurrentSpinChanged},
    {"progOptsEnaChk", H::progOptsEnaChkClick},
    {"ProgFuseChk", H::progOptsEnaChkClick},
    {"ProgLockChk", H::progOptsEnaChkClick},
    {"ProgFlashChk", H::progOptsEnaChkClick},
    {"progEEpromChk", H::progOptsEnaChkClick},
    {"GlobWarnCheck", H::GlobWarnCheckClick},
    {"AppNameEdit", H::None, H::AppNameEditChange, H::AppNameEditChange},
    {"FNameEdit", H::None, H::FNameEditChange, H::FNameEditChange},
};

// Options whose change calls no handler: their values are only read by the generator.
constexpr OptName kWithoutHandler[] = {
    "XDataWaitSpin", "BootFusesChk",     "BootVectChk",   "BootLockChk",      "DTR1enaChk",
    "DTR2enaChk",    "DTR3enaChk",       "DTR4enaChk",    "LedLowChk0",       "LedLowChk1",
    "LedLowChk2",    "LedLowChk3",       "LedLowChk4",    "LedLowChk5",       "LedLowChk6",
    "LedLowChk7",    "IncrP4ScanSpin",   "PCINTtemplChk", "LCD44780",         "LCD66712",
    "LCD0070",       "LCD0073",          "StepTypeSpin",  "UsrDatDevSpin",    "BankPortSpin",
    "PixFontEdit",   "LCDgraphModeChk",  "ViewPspin",     "DiskAROChk",       "DiskBROChk",
    "DiskCROChk",    "DiskDROChk",       "RC5extChk",     "DCFinvChk",        "TWIIdataCheck",
    "TWIXdataCheck", "TWImodeTranspChk", "TWImodeHSKChk", "TWInetIdataCheck", "TWInetXdataCheck",
    "MSPImsb0",      "MSPICpha0",        "MSPICpol0",     "MSPImsb1",         "MSPICpha1",
    "MSPICpol1",     "MSPImsb2",         "MSPICpha2",     "MSPICpol2",        "LCDM44780",
    "LCDM0070",      "LCDM66712",        "LCDM0073",      "Port0chk",         "Port1chk",
    "Port2chk",      "Port3chk",         "Port4chk",      "Port5chk",         "Port6chk",
    "Port7chk",      "LockBox0",         "FuseBox0",      "FuseBox1",         "FuseBox2",
    "NoteBookSpin",  "COMportSpin",
};

// An option stands in at most one of the two tables, once.
consteval bool eachOptionBoundOnce() {
    std::array<bool, kOptionCount> seen{};
    for (const Binding& b : kOwnBindings) {
        if (seen[b.option.index()]) return false;
        seen[b.option.index()] = true;
    }
    for (OptName o : kWithoutHandler) {
        if (seen[o.index()]) return false;
        seen[o.index()] = true;
    }
    return true;
}
static_assert(eachOptionBoundOnce(), "an option is bound twice");

// The handler every other option of a page calls.
constexpr Handler kPageHandler[] = {
    H::None,          H::TypesChkClick, H::Drivers1Click, H::Drivers1Aclick,
    H::Drivers2Click, H::Drivers3Click, H::LANdrvClick,   H::RC5click,
    H::TWIchkClick,   H::IOexpCheck,    H::SHT11ChkClick, H::Ports1Click,
    H::Ports2Click,   H::Ports3Click,   H::None,          H::None,
};
static_assert(std::size(kPageHandler) == kPageCount, "one handler for every page");

bool changedByLeaving(const OptionDef& d) {
    switch (d.kind) {
    case OptionKind::Number:
    case OptionKind::NumberSpecial:
    case OptionKind::Text:
    case OptionKind::PortFrame: return true;
    case OptionKind::Choice: return d.editable;
    default: return false;
    }
}

bool isCommandOrShown(const OptionDef& d) {
    switch (d.kind) {
    case OptionKind::GroupBox:
    case OptionKind::Button:
    case OptionKind::Summary:
    case OptionKind::Label:
    case OptionKind::ControllerList:
    case OptionKind::TitleBar:
    case OptionKind::StatusLine:
    case OptionKind::FileDialog:
    case OptionKind::PrintDialog: return true;
    default: return false;
    }
}

// The handlers of every option by trigger, in catalogue order: an own binding, else none
// for the options without a handler, else the page's handler on the option's trigger.
using Triggers = std::array<Handler, 3>;
const std::vector<Triggers>& bindings() {
    static const std::vector<Triggers> table = [] {
        const std::vector<OptionDef>& catalogue = optionCatalogue();
        std::vector<Triggers> t(catalogue.size(), Triggers{H::None, H::None, H::None});
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            const OptionDef& d = catalogue[i];
            if (d.page < 0 || d.page >= kPageCount || isCommandOrShown(d)) continue;
            const Trigger trigger = changedByLeaving(d) ? Trigger::Leave : Trigger::Click;
            t[i][static_cast<std::size_t>(trigger)] = kPageHandler[d.page];
        }
        for (OptName o : kWithoutHandler)
            t[o.index()] = Triggers{H::None, H::None, H::None};
        for (const Binding& b : kOwnBindings)
            t[b.option.index()] = Triggers{b.onClick, b.onEdit, b.onLeave};
        return t;
    }();
    return table;
}

} // namespace

const HandlerRow& handlerRow(Handler h) {
    return kHandlers[static_cast<std::size_t>(h)];
}

Handler handlerFor(OptName option, Trigger trigger) {
    return bindings()[option.index()][static_cast<std::size_t>(trigger)];
}

Handler handlerFor(std::string_view option, Trigger trigger) {
    if (!findOption(option)) return H::None;
    return handlerFor(OptName::lookup(option), trigger);
}

} // namespace pramlet
