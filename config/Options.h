#pragma once
// The state of every option of the catalogue: checked, value text, enabled, visible, items,
// chosen index, bounds. Plain data that the page rules and the generator read by name.

#include "components/SpecialValues.h"
#include "config/OptionCatalogue.h"

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pramlet {

class UnknownOption : public std::out_of_range {
  public:
    explicit UnknownOption(std::string_view name)
        : std::out_of_range("unknown option " + std::string(name)) {}
};

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
    std::string caption;
    std::string hint;

    SpinRules spinRules() const { return {minValue, maxValue, &special}; }
};

class Options {
  public:
    Options(); // every option at its catalogue default

    bool has(std::string_view name) const;
    const OptionState& operator[](std::string_view name) const;
    // Direct access marks the option as changed for the observers.
    OptionState& edit(std::string_view name);

    // Reading.
    bool checked(std::string_view name) const { return (*this)[name].checked; }
    bool enabled(std::string_view name) const { return (*this)[name].enabled; }
    int value(std::string_view name) const; // numbers, read as the number field reads them
    bool valueValid(std::string_view name) const;
    const std::string& text(std::string_view name) const { return (*this)[name].text; }
    int itemIndex(std::string_view name) const { return (*this)[name].itemIndex; }
    // The chosen member of the one-of group that `member` belongs to.
    std::string chosen(std::string_view member) const;
    // Check lists as a byte: item n checked sets bit n.
    std::uint8_t checkListByte(std::string_view name) const;

    // Writing. Each returns true when the state changed.
    bool setChecked(std::string_view name, bool on);
    bool choose(std::string_view member); // checks it, unchecks the rest of its group
    bool setEnabled(std::string_view name, bool on);
    bool setVisible(std::string_view name, bool on);
    bool setValue(std::string_view name, int value); // as the number field writes it
    bool setText(std::string_view name, const std::string& text);
    bool setItemIndex(std::string_view name, int index); // -1: nothing chosen
    bool setBounds(std::string_view name, int minValue, int maxValue);
    bool setMax(std::string_view name, int maxValue);
    bool setCaption(std::string_view name, const std::string& caption);
    bool setHint(std::string_view name, const std::string& hint);
    // Refills a list and chooses again the position chosen before; a position the shorter
    // list no longer has leaves nothing chosen.
    bool refill(std::string_view name, const std::vector<std::string>& items);
    bool setItemChecked(std::string_view name, int item, bool on);
    bool setItemEnabled(std::string_view name, int item, bool on);

    // Names changed since the last call, for the observers.
    std::vector<std::string> takeChanged();

    const std::vector<OptionState>& all() const { return fStates; }

  private:
    OptionState& state(std::string_view name);
    void touch(const OptionState& s);

    std::vector<OptionState> fStates; // catalogue order
    std::map<std::string, size_t, std::less<>> fIndex;
    std::set<std::string> fChanged;
};

} // namespace pramlet
