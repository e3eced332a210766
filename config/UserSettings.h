#pragma once
// A setting OPTION=VALUE (the batch front end's --set, a line of a settings file), applied as
// the user would make the change in the window: the click, selection, typing or cell clicks
// of that kind of option, each followed by the option's change handler.

#include <string>

namespace pramlet {

struct Setting {
    std::string option; // control name
    std::string value;  // as written after "="
};

class Project;
struct OptionDef;

// The catalogue entry the setting names, or nullptr with the reason in `problem` when there
// is none or it is nothing a user sets (a box, a button, a summary, the name of the build or
// of the output file, which have options of their own).
const OptionDef* SettableOption(const std::string& name, std::string& problem);

// False, with the reason in `problem`, for a value no option of that name can take whatever
// the project's state: control characters in any value, a supply voltage (the editable
// choices ComboBoxVCC and VoltSpin) that is no decimal number from 1.8 to 5.0. The setting
// must name a settable option.
bool SettingValueAcceptable(const Setting& setting, std::string& problem);

// Applies the setting on the current page. False, with the reason in `problem`, when the
// option is disabled or hidden now or cannot take the value; the project is then unchanged.
bool ApplySetting(Project& p, const Setting& setting, std::string& problem);

// The option's present value written as ApplySetting takes it: check boxes and group
// members "true" or "false", choices and radio groups the chosen item's text (empty when
// none), numbers and texts their text, check lists the checked items' numbers separated by
// ",", port frames "$DD/$PP" (direction and value bytes).
std::string SettingValue(const Project& p, const OptionDef& def);

// Text a masked edit with that mask ("$>AA;1;_", "000", "0.0;1;_") accepts for `typed`, or
// false when it accepts nothing of it.
bool MaskAccepts(const std::string& mask, const std::string& typed, std::string& accepted);

} // namespace pramlet
