#include "config/Handlers.h"

#include "config/OptionCatalogue.h"

#include <map>
#include <set>
#include <string>

namespace pramlet {

namespace {

struct Binding {
    Handler onClick = Handler::None;
    Handler onEdit = Handler::None;
    Handler onLeave = Handler::None;
};

// Options whose change calls no handler: their values are only read by the generator.
const std::set<std::string, std::less<>> kWithoutHandler = {
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

// Options with a handler of their own, whatever their page.
const std::map<std::string, Binding, std::less<>>& ownBindings() {
    using H = Handler;
    static const std::map<std::string, Binding, std::less<>> table = {
        {"NoInitChk", {H::NoInitChkClick, H::None, H::None}},
        {"FreqSpin", {H::None, H::None, H::NoInitChkClick}},
        {"SysTickSpin", {H::None, H::None, H::NoInitChkClick}},
        {"WatchDogSpin", {H::None, H::None, H::NoInitChkClick}},
        {"RamSpin", {H::None, H::None, H::RamSpinChanged}},
        {"ComboBoxVCC", {H::None, H::None, H::ComboBoxVCCExit}},
        {"VoltSpin", {H::VoltSpinChanged, H::VoltSpinChanged, H::ComboBoxVCCExit}},
        {"ResJmpDefBtn", {H::BootAreaSpinChanged, H::None, H::None}},
        {"ResJmpBtn", {H::BootAreaSpinChanged, H::None, H::None}},
        {"BootBlockChk", {H::BootAreaSpinChanged, H::None, H::None}},
        {"BootSer1Chck", {H::BootAreaSpinChanged, H::None, H::None}},
        {"BootSer2Chck", {H::BootAreaSpinChanged, H::None, H::None}},
        {"BootENCChck", {H::BootAreaSpinChanged, H::None, H::None}},
        {"BootAppChk", {H::BootAreaSpinChanged, H::None, H::None}},
        {"Baud1Spin", {H::None, H::Baud1SpinChange, H::None}},
        {"Baud2Spin", {H::None, H::Baud1SpinChange, H::None}},
        {"Baud3Spin", {H::None, H::Baud1SpinChange, H::None}},
        {"Baud4Spin", {H::None, H::Baud1SpinChange, H::None}},
        {"CheckListBoxincrEncBits", {H::CheckListBoxincrEncBitsClickCheck, H::None, H::None}},
        {"KeyBoard4Chk", {H::KeyBoard4ChkClick, H::None, H::None}},
        {"KeyBoard8Chk", {H::KeyBoard8ChkClick, H::None, H::None}},
        {"LCDgraphChk", {H::LCDgraphChkClick, H::None, H::None}},
        {"PixFontChk", {H::PixFontChkClick, H::None, H::None}},
        {"GraphXEdit", {H::None, H::None, H::GraphXEditExit}},
        {"GraphYEdit", {H::None, H::None, H::GraphYEditExit}},
        {"LCDmultiTWIchk", {H::LCDmultiTWIchkClick, H::None, H::None}},
        {"LCDmultiSPIchk", {H::LCDmultiSPIchkClick, H::None, H::None}},
        {"I2C_7segChk", {H::I2C_7segChkClick, H::None, H::None}},
        {"I2CexpChk", {H::I2CexpChkClick, H::None, H::None}},
        {"BuildLock0Chk", {H::BuildFuse0ChkClick, H::None, H::None}},
        {"BuildFuse0Chk", {H::BuildFuse0ChkClick, H::None, H::None}},
        {"BuildFuse1Chk", {H::BuildFuse0ChkClick, H::None, H::None}},
        {"BuildFuse2Chk", {H::BuildFuse0ChkClick, H::None, H::None}},
        {"FuseWrChk", {H::FuseWrChkClick, H::None, H::None}},
        {"prgNoneChk", {H::prgNoneChkClick, H::None, H::None}},
        {"prgSPIchk", {H::prgNoneChkClick, H::None, H::None}},
        {"prgJTAGchk", {H::prgNoneChkClick, H::None, H::None}},
        {"CurrentSpin", {H::None, H::CurrentSpinChanged, H::None}},
        {"progOptsEnaChk", {H::progOptsEnaChkClick, H::None, H::None}},
        {"ProgFuseChk", {H::progOptsEnaChkClick, H::None, H::None}},
        {"ProgLockChk", {H::progOptsEnaChkClick, H::None, H::None}},
        {"ProgFlashChk", {H::progOptsEnaChkClick, H::None, H::None}},
        {"progEEpromChk", {H::progOptsEnaChkClick, H::None, H::None}},
        {"GlobWarnCheck", {H::GlobWarnCheckClick, H::None, H::None}},
        {"AppNameEdit", {H::None, H::AppNameEditChange, H::AppNameEditChange}},
        {"FNameEdit", {H::None, H::FNameEditChange, H::FNameEditChange}},
    };
    return table;
}

// The handler every other option of a page calls.
constexpr Handler kPageHandler[16] = {
    Handler::None,          Handler::TypesChkClick, Handler::Drivers1Click, Handler::Drivers1Aclick,
    Handler::Drivers2Click, Handler::Drivers3Click, Handler::LANdrvClick,   Handler::RC5click,
    Handler::TWIchkClick,   Handler::IOexpCheck,    Handler::SHT11ChkClick, Handler::Ports1Click,
    Handler::Ports2Click,   Handler::Ports3Click,   Handler::None,          Handler::None,
};

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

} // namespace

Handler handlerFor(std::string_view option, Trigger trigger) {
    const auto& own = ownBindings();
    if (auto it = own.find(option); it != own.end()) {
        switch (trigger) {
        case Trigger::Click: return it->second.onClick;
        case Trigger::Edit: return it->second.onEdit;
        case Trigger::Leave: return it->second.onLeave;
        }
    }
    if (kWithoutHandler.count(option)) return Handler::None;
    const OptionDef* d = findOption(option);
    if (!d || d->page < 0 || d->page > 15 || isCommandOrShown(*d)) return Handler::None;
    bool leaving = changedByLeaving(*d);
    if ((trigger == Trigger::Leave) != leaving) return Handler::None;
    return kPageHandler[d->page];
}

const char* handlerName(Handler h) {
    static const char* const names[] = {
        "",
        "NoInitChkClick",
        "RamSpinChanged",
        "ComboBoxVCCExit",
        "TypesChkClick",
        "BootAreaSpinChanged",
        "Drivers1Click",
        "Baud1SpinChange",
        "Drivers1Aclick",
        "Drivers2Click",
        "CheckListBoxincrEncBitsClickCheck",
        "Drivers3Click",
        "KeyBoard4ChkClick",
        "KeyBoard8ChkClick",
        "LANdrvClick",
        "LCDgraphChkClick",
        "PixFontChkClick",
        "GraphXEditExit",
        "GraphYEditExit",
        "RC5click",
        "TWIchkClick",
        "IOexpCheck",
        "LCDmultiTWIchkClick",
        "LCDmultiSPIchkClick",
        "I2C_7segChkClick",
        "I2CexpChkClick",
        "SHT11ChkClick",
        "Ports1Click",
        "Ports2Click",
        "Ports3Click",
        "BuildFuse0ChkClick",
        "FuseWrChkClick",
        "prgNoneChkClick",
        "VoltSpinChanged",
        "CurrentSpinChanged",
        "progOptsEnaChkClick",
        "GlobWarnCheckClick",
        "AppNameEditChange",
        "FNameEditChange",
    };
    return names[static_cast<int>(h)];
}

bool keepsBuiltFlag(Handler h) {
    switch (h) {
    case Handler::None:
    case Handler::LCDgraphChkClick:
    case Handler::PixFontChkClick:
    case Handler::GraphXEditExit:
    case Handler::GraphYEditExit:
    case Handler::FNameEditChange: return true;
    default: return false;
    }
}

} // namespace pramlet
