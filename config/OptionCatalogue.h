#pragma once
// The option catalogue: every option of the sixteen wizard pages and the window-level
// controls, as one table. The project configuration and the window are both built from it.

#include <string>
#include <string_view>
#include <vector>

namespace pramlet {

enum class OptionKind {
    GroupBox,       // a titled box; the options inside name it as their parent
    CheckBox,       // checked state
    OneOf,          // one member of a group of mutually exclusive choices (radio button)
    Number,         // integer with min, max (0..0: no bound) and step
    NumberSpecial,  // as Number, with named special values ("None=0")
    Choice,         // drop-down list: items and the chosen index; editable ones take any text
    Text,           // free or masked text
    CheckList,      // eight (or more) items, each checked and enabled by itself
    ControllerList, // one of the five controller lists of the first page
    RadioGroup,     // a titled group of choices held as one index
    PortFrame,      // the initial state of one 8-bit port
    Summary,        // read-only text of the output page
    Label,          // a text shown by the page rules (e.g. the reset jump address)
    Button,         // a command
    TitleBar,       // window level: the page title
    StatusLine,     // window level: the two-panel status line
    FileDialog,     // window level
    PrintDialog,    // window level
};

// Every member has an initializer, so that rows written with designated initializers may
// leave out any field.
struct OptionDef {
    std::string name{};
    int page = -1;        // 0..15; -1 for window-level controls
    std::string parent{}; // enclosing group box; empty: on the page itself
    OptionKind kind = OptionKind::CheckBox;
    std::string caption{}; // the control's own text (box title, check box text, button text)
    std::string label{};   // text of the label beside a control without a caption
    std::string hint{};
    // Default: check boxes "1"/"0"; one-of members "1" on the group's default member;
    // numbers decimal; choices and radio groups the item text; texts and summaries the
    // text; check lists the byte of checked items, decimal.
    std::string def{};
    int min = 0;
    int max = 0;
    int step = 1;
    std::vector<std::string> items{};
    std::vector<std::string> special{}; // lines "name=value", in order
    bool enabled = true;                // initially enabled
    std::string group{};                // one-of members: name of the group's first member
    std::string mask{};                 // texts: input mask as quoted ("$>AA;1;_", "000")
    int maxLength = 0;                  // texts: at most this many characters; 0 = no limit
    bool editable = false;              // choices whose text may be typed
};

// The whole catalogue in form order: page by page, each group box before its options.
const std::vector<OptionDef>& optionCatalogue();

// The option of that name (exact spelling), or nullptr.
const OptionDef* findOption(std::string_view name);

// Members of a one-of group in form order.
std::vector<const OptionDef*> groupMembers(std::string_view group);

} // namespace pramlet
