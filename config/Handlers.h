#pragma once
// The change handlers: which one each option calls on which kind of user action, and what
// each runs. Both are tables in Handlers.cpp, checked while compiling.

#include "config/OptionNames.h"

#include <cstddef>
#include <string_view>

namespace pramlet {

class Project;

// The handlers by the names of the window's event wiring; each names one row of the
// handler table.
enum class Handler {
    None,
    NoInitChkClick,
    RamSpinChanged,
    ComboBoxVCCExit,
    TypesChkClick,
    BootAreaSpinChanged,
    Drivers1Click,
    Baud1SpinChange,
    Drivers1Aclick,
    Drivers2Click,
    CheckListBoxincrEncBitsClickCheck,
    Drivers3Click,
    KeyBoard4ChkClick,
    KeyBoard8ChkClick,
    LANdrvClick,
    LCDgraphChkClick,
    PixFontChkClick,
    GraphXEditExit,
    GraphYEditExit,
    RC5click,
    TWIchkClick,
    IOexpCheck,
    LCDmultiTWIchkClick,
    LCDmultiSPIchkClick,
    I2C_7segChkClick,
    I2CexpChkClick,
    SHT11ChkClick,
    Ports1Click,
    Ports2Click,
    Ports3Click,
    BuildFuse0ChkClick,
    FuseWrChkClick,
    prgNoneChkClick,
    VoltSpinChanged,
    CurrentSpinChanged,
    progOptsEnaChkClick,
    GlobWarnCheckClick,
    AppNameEditChange,
    FNameEditChange,
};
inline constexpr std::size_t kHandlerCount = static_cast<std::size_t>(Handler::FNameEditChange) + 1;

// One row of the handler table.
struct HandlerRow {
    Handler handler;
    const char* name; // as the window's event wiring knows it
    // Whether the handler acts at all on this change (nullptr: always); a handler that does
    // not act leaves the built flag too.
    bool (*acts)(Project& p, OptName option);
    void (*run)(Project& p, OptName option); // nullptr: nothing
    bool keepsBuiltFlag;
};
const HandlerRow& handlerRow(Handler h);

// How the user changed an option: a click or a new selection, an edit of the text (every
// keystroke), or leaving the field.
enum class Trigger { Click, Edit, Leave };

// The handler the option calls for that action; Handler::None when it calls none.
Handler handlerFor(OptName option, Trigger trigger);
// The same for a name known only at run time; Handler::None for a name the catalogue lacks.
Handler handlerFor(std::string_view option, Trigger trigger);
inline Handler handlerFor(const char* option, Trigger trigger) {
    return handlerFor(std::string_view(option), trigger);
}

// The handler's name as the window's event wiring knows it.
inline const char* handlerName(Handler h) {
    return handlerRow(h).name;
}

// True for the handlers that leave the built flag as it is.
inline bool keepsBuiltFlag(Handler h) {
    return handlerRow(h).keepsBuiltFlag;
}

} // namespace pramlet
