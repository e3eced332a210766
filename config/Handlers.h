#pragma once
// Which change handler each option calls, and on which kind of user action.

#include <string_view>

namespace pramlet {

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

// How the user changed an option: a click or a new selection, an edit of the text (every
// keystroke), or leaving the field.
enum class Trigger { Click, Edit, Leave };

// The handler the option calls for that action; Handler::None when it calls none.
Handler handlerFor(std::string_view option, Trigger trigger);

// The handler's name as the window's event wiring knows it.
const char* handlerName(Handler h);

// True for the handlers that leave the built flag as it is.
bool keepsBuiltFlag(Handler h);

} // namespace pramlet
