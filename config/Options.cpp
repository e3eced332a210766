#include "config/Options.h"

#include <algorithm>

namespace pramlet {

namespace {
size_t rowOf(const OptionDef& d) {
    return static_cast<size_t>(&d - optionCatalogue().data());
}
} // namespace

OptName OptName::lookup(std::string_view name) {
    const OptionDef* d = findOption(name);
    if (!d) throw UnknownOption(name);
    return OptName(Row{}, rowOf(*d));
}

OptName OptName::fromIndex(std::size_t i) {
    if (i >= kOptionCount) throw std::out_of_range("no option row " + std::to_string(i));
    return OptName(Row{}, i);
}

Options::Options() {
    const auto& cat = optionCatalogue();
    fStates.reserve(cat.size());
    for (const auto& d : cat) {
        OptionState s;
        s.def = &d;
        s.enabled = d.enabled;
        s.caption = d.caption;
        s.hint = d.hint;
        s.items = d.items;
        s.minValue = d.min;
        s.maxValue = d.max;
        switch (d.kind) {
        case OptionKind::CheckBox:
        case OptionKind::OneOf: s.checked = d.def == "1"; break;
        case OptionKind::Number:
        case OptionKind::NumberSpecial: {
            s.special.setLines(d.special);
            int v = 0;
            parseDecimal(d.def, v);
            s.text = s.spinRules().write(v); // a special value shows its name
            s.taken = s.text;
            break;
        }
        case OptionKind::Choice:
        case OptionKind::RadioGroup:
            s.text = d.def;
            for (size_t i = 0; i < d.items.size(); ++i)
                if (d.items[i] == d.def) s.itemIndex = static_cast<int>(i);
            break;
        case OptionKind::CheckList: {
            int byte = 0;
            parseDecimal(d.def, byte);
            s.itemChecked.assign(d.items.size(), false);
            s.itemEnabled.assign(d.items.size(), true);
            for (size_t i = 0; i < d.items.size() && i < 31; ++i)
                s.itemChecked[i] = (byte >> i) & 1;
            break;
        }
        default: s.text = d.def; break;
        }
        fStates.push_back(std::move(s));
    }
}

bool Options::has(std::string_view name) {
    return findOption(name) != nullptr;
}

const OptionState& Options::operator[](OptName name) const {
    return fStates[name.index()];
}

OptionState& Options::state(OptName name) {
    return fStates[name.index()];
}

void Options::touch(const OptionState& s) {
    fChanged.insert(s.def->name);
}

OptionState& Options::edit(OptName name) {
    OptionState& s = state(name);
    touch(s);
    return s;
}

namespace {
bool isNumber(const OptionState& s) {
    return s.def->kind == OptionKind::Number || s.def->kind == OptionKind::NumberSpecial;
}
} // namespace

int Options::value(OptName name) const {
    const OptionState& s = (*this)[name];
    return s.spinRules().read(s.text);
}

bool Options::takes(OptName name, const std::string& text) const {
    const OptionState& s = (*this)[name];
    switch (s.def->kind) {
    case OptionKind::Number:
    case OptionKind::NumberSpecial: return s.spinRules().isValid(text);
    case OptionKind::Choice:
        if (s.def->editable) return true;
        [[fallthrough]];
    case OptionKind::RadioGroup:
        return std::find(s.items.begin(), s.items.end(), text) != s.items.end();
    default: return true;
    }
}

bool Options::valueValid(OptName name) const {
    const OptionState& s = (*this)[name];
    return s.spinRules().isValid(s.text);
}

std::string Options::chosen(OptName member) const {
    const OptionState& s = (*this)[member];
    for (const OptionDef* m : groupMembers(s.def->group))
        if (fStates[rowOf(*m)].checked) return m->name;
    return {};
}

std::uint8_t Options::checkListByte(OptName name) const {
    const OptionState& s = (*this)[name];
    unsigned byte = 0;
    for (size_t i = 0; i < s.itemChecked.size() && i < 8; ++i)
        if (s.itemChecked[i]) byte |= 1u << i;
    return static_cast<std::uint8_t>(byte);
}

bool Options::setChecked(OptName name, bool on) {
    OptionState& s = state(name);
    if (s.checked == on) return false;
    s.checked = on;
    touch(s);
    return true;
}

bool Options::choose(OptName member) {
    OptionState& s = state(member);
    if (s.checked) return false;
    for (const OptionDef* m : groupMembers(s.def->group))
        setChecked(OptName::fromIndex(rowOf(*m)), false);
    s.checked = true;
    touch(s);
    return true;
}

bool Options::setEnabled(OptName name, bool on) {
    OptionState& s = state(name);
    if (s.enabled == on) return false;
    s.enabled = on;
    touch(s);
    return true;
}

bool Options::setVisible(OptName name, bool on) {
    OptionState& s = state(name);
    if (s.visible == on) return false;
    s.visible = on;
    touch(s);
    return true;
}

bool Options::setValue(OptName name, int value) {
    OptionState& s = state(name);
    return setText(name, s.spinRules().write(value));
}

bool Options::setText(OptName name, const std::string& text) {
    OptionState& s = state(name);
    if (isNumber(s)) {
        s.taken = text;
        if (!s.refused.empty()) {
            s.refused.clear();
            touch(s);
        }
    }
    if (s.text == text) return false;
    s.text = text;
    touch(s);
    return true;
}

bool Options::setTypedText(OptName name, const std::string& text) {
    OptionState& s = state(name);
    if (!s.refused.empty()) {
        s.refused.clear();
        touch(s);
    }
    if (s.text == text) return false;
    s.text = text;
    touch(s);
    return true;
}

bool Options::take(OptName name) {
    OptionState& s = state(name);
    if (!isNumber(s)) return true;
    if (s.spinRules().isValid(s.text)) {
        s.taken = s.text;
        return true;
    }
    s.refused = s.text;
    s.text = s.taken;
    touch(s);
    return false;
}

bool Options::setItemIndex(OptName name, int index) {
    OptionState& s = state(name);
    if (index < -1 || index >= static_cast<int>(s.items.size())) index = -1;
    std::string text = index >= 0 ? s.items[index] : std::string();
    if (s.itemIndex == index && s.text == text) return false;
    s.itemIndex = index;
    s.text = text;
    touch(s);
    return true;
}

bool Options::setBounds(OptName name, int minValue, int maxValue) {
    OptionState& s = state(name);
    if (s.minValue == minValue && s.maxValue == maxValue) return false;
    s.minValue = minValue;
    s.maxValue = maxValue;
    touch(s);
    return true;
}

bool Options::setMax(OptName name, int maxValue) {
    return setBounds(name, state(name).minValue, maxValue);
}

bool Options::setCaption(OptName name, const std::string& caption) {
    OptionState& s = state(name);
    if (s.caption == caption) return false;
    s.caption = caption;
    touch(s);
    return true;
}

bool Options::setHint(OptName name, const std::string& hint) {
    OptionState& s = state(name);
    if (s.hint == hint) return false;
    s.hint = hint;
    touch(s);
    return true;
}

bool Options::setUsed(OptName name, bool used) {
    OptionState& s = state(name);
    if (s.used == used) return false;
    s.used = used;
    touch(s);
    return true;
}

bool Options::refill(OptName name, const std::vector<std::string>& items) {
    OptionState& s = state(name);
    int keep = s.itemIndex;
    bool changed = s.items != items;
    s.items = items;
    if (s.def->kind == OptionKind::CheckList) {
        s.itemChecked.resize(items.size(), false);
        s.itemEnabled.resize(items.size(), true);
    }
    if (changed) touch(s);
    return setItemIndex(name, keep < static_cast<int>(items.size()) ? keep : -1) || changed;
}

bool Options::setItemChecked(OptName name, int item, bool on) {
    OptionState& s = state(name);
    if (item < 0 || item >= static_cast<int>(s.itemChecked.size())) return false;
    if (s.itemChecked[item] == on) return false;
    s.itemChecked[item] = on;
    touch(s);
    return true;
}

bool Options::setItemEnabled(OptName name, int item, bool on) {
    OptionState& s = state(name);
    if (item < 0 || item >= static_cast<int>(s.itemEnabled.size())) return false;
    if (s.itemEnabled[item] == on) return false;
    s.itemEnabled[item] = on;
    touch(s);
    return true;
}

std::vector<std::string> Options::takeChanged() {
    std::vector<std::string> out(fChanged.begin(), fChanged.end());
    fChanged.clear();
    return out;
}

} // namespace pramlet
