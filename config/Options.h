#pragma once
// The state of every option of the catalogue: checked, value text, enabled, visible, items,
// chosen index, bounds. Plain data that the page rules and the generator read by name.

#include "config/OptionCatalogue.h"
#include "config/OptionNames.h"
#include "config/SpecialValues.h"

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pramlet {

struct OptionState {
    const OptionDef* def = nullptr;
    bool checked = false; // check boxes and one-of members
    std::string text;     // numbers: the shown text; choices: the chosen or typed text
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> items; // choices, radio groups, check lists, controller lists
    int itemIndex = -1;             // choices, radio groups, controller lists
    std::vector<bool> itemChecked;  // check lists
    std::vector<bool> itemEnabled;  // check lists
    int minValue = 0;               // numbers; 0..0 is no bound
    int maxValue = 0;
    tSpecialValuesList special; // numbers with special values
    // Numbers: the text last taken (written by a rule, or left by the user with a text the
    // field takes), and a text the user left that the field refused: `text` went back to
    // `taken`, the window still shows `refused` in the error style until the next change.
    std::string taken;
    std::string refused;
    bool used = true;           // summary fields: white when used, silver when not
    std::string caption;
    std::string hint;

    SpinRules spinRules() const { return {minValue, maxValue, &special}; }
};

class Options {
  public:
    Options(); // every option at its catalogue default

    static bool has(std::string_view name);
    const OptionState& operator[](OptName name) const;
    // Direct access marks the option as changed for the observers.
    OptionState& edit(OptName name);

    // Reading.
    bool checked(OptName name) const { return (*this)[name].checked; }
    bool enabled(OptName name) const { return (*this)[name].enabled; }
    int value(OptName name) const; // numbers, read as the number field reads them
    bool valueValid(OptName name) const;
    // True when the option can take `text` as its value now: a number within its bounds or
    // one of its special names, an item of a list or radio group; an editable choice takes
    // any text (the supply voltage check of its handler judges it). Both front ends ask this
    // before a value is taken.
    bool takes(OptName name, const std::string& text) const;
    const std::string& text(OptName name) const { return (*this)[name].text; }
    int itemIndex(OptName name) const { return (*this)[name].itemIndex; }
    // The chosen member of the one-of group that `member` belongs to.
    std::string chosen(OptName member) const;
    // Check lists as a byte: item n checked sets bit n.
    std::uint8_t checkListByte(OptName name) const;

    // Writing. Each returns true when the state changed.
    bool setChecked(OptName name, bool on);
    bool choose(OptName member); // checks it, unchecks the rest of its group
    bool setEnabled(OptName name, bool on);
    bool setVisible(OptName name, bool on);
    bool setValue(OptName name, int value); // as the number field writes it
    bool setText(OptName name, const std::string& text); // a number takes it at once
    // The user's typing: the text changes; a number takes it only when the field is left
    // (take()).
    bool setTypedText(OptName name, const std::string& text);
    // The user leaves a number field: a text the field takes is taken; any other text is
    // refused (the option returns to the text taken before, `refused` keeps the typed one)
    // and false is returned. Other options take every text.
    bool take(OptName name);
    bool setItemIndex(OptName name, int index); // -1: nothing chosen
    bool setBounds(OptName name, int minValue, int maxValue);
    bool setMax(OptName name, int maxValue);
    bool setCaption(OptName name, const std::string& caption);
    bool setHint(OptName name, const std::string& hint);
    bool setUsed(OptName name, bool used);
    // Refills a list and chooses again the position chosen before; a position the shorter
    // list no longer has leaves nothing chosen.
    bool refill(OptName name, const std::vector<std::string>& items);
    bool setItemChecked(OptName name, int item, bool on);
    bool setItemEnabled(OptName name, int item, bool on);

    // Names changed since the last call, for the observers.
    std::vector<std::string> takeChanged();

    const std::vector<OptionState>& all() const { return fStates; }

  private:
    OptionState& state(OptName name);
    void touch(const OptionState& s);

    std::vector<OptionState> fStates; // catalogue order
    std::set<std::string> fChanged;
};

} // namespace pramlet
