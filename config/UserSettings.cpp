#include "config/UserSettings.h"

#include "config/InputFilter.h"
#include "config/Project.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace pramlet {

namespace {

bool isSettable(OptionKind kind) {
    switch (kind) {
    case OptionKind::CheckBox:
    case OptionKind::OneOf:
    case OptionKind::Number:
    case OptionKind::NumberSpecial:
    case OptionKind::Choice:
    case OptionKind::Text:
    case OptionKind::CheckList:
    case OptionKind::RadioGroup:
    case OptionKind::PortFrame: return true;
    default: return false;
    }
}

// A control can be used only while it and every box around it are enabled and shown.
bool usable(const Options& o, const OptionDef& def, std::string& problem) {
    for (const OptionDef* d = &def; d; d = d->parent.empty() ? nullptr : findOption(d->parent)) {
        const OptionState& s = o[OptName::lookup(d->name)];
        if (!s.visible || !s.enabled) {
            problem = "option " + def.name + " is " + (s.visible ? "disabled" : "hidden") +
                      (d == &def ? "" : " (" + d->name + ")");
            return false;
        }
    }
    return true;
}

bool cannotTake(const Setting& s, std::string& problem) {
    problem = "option " + s.option + " cannot take \"" + s.value + "\"";
    return false;
}

int itemOf(const OptionState& s, const std::string& text) {
    for (size_t i = 0; i < s.items.size(); ++i)
        if (s.items[i] == text) return static_cast<int>(i);
    return -1;
}

// A number as decimal or "$" hexadecimal, 0..255.
bool parseByte(const std::string& text, std::uint8_t& out) {
    if (text.empty() || text.size() > 4) return false;
    const bool hex = text[0] == '$';
    const std::string digits = hex ? text.substr(1) : text;
    if (digits.empty()) return false;
    unsigned v = 0;
    for (char c : digits) {
        const auto u = static_cast<unsigned char>(c);
        if (hex ? !std::isxdigit(u) : !std::isdigit(u)) return false;
        v = v * (hex ? 16 : 10) +
            static_cast<unsigned>(std::isdigit(u) ? c - '0' : std::toupper(u) - 'A' + 10);
    }
    if (v > 255) return false;
    out = static_cast<std::uint8_t>(v);
    return true;
}

// The editable choices hold a supply voltage: digits, optionally a point and digits, within
// the range the supply voltage check accepts.
bool isSupplyVoltage(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "0" : text.substr(point + 1);
    auto digits = [](const std::string& d) {
        return !d.empty() && d.size() <= 6 &&
               std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(whole) || !digits(fraction)) return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() && v >= 1.8 && v <= 5.0;
}

void typeAndLeave(Project& p, OptName option, const std::string& text) {
    p.userType(option, text);
    p.userLeave(option);
}

bool setCheckList(Project& p, const Setting& s, std::string& problem) {
    const OptionState& state = p.opts()[OptName::lookup(s.option)];
    std::vector<bool> wanted(state.itemChecked.size(), false);
    size_t from = 0;
    while (!s.value.empty() && from <= s.value.size()) {
        size_t comma = s.value.find(',', from);
        if (comma == std::string::npos) comma = s.value.size();
        int item = -1;
        if (!parseDecimal(s.value.substr(from, comma - from), item) || item < 0 ||
            item >= static_cast<int>(wanted.size()))
            return cannotTake(s, problem);
        wanted[item] = true;
        from = comma + 1;
    }
    for (size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i] != state.itemChecked[i] && !state.itemEnabled[i]) {
            problem = "option " + s.option + ": item " + std::to_string(i) + " is disabled";
            return false;
        }
    for (size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i] != p.opts()[OptName::lookup(s.option)].itemChecked[i])
            p.userCheckItem(OptName::lookup(s.option), static_cast<int>(i), wanted[i]);
    return true;
}

// "DDR/PORT": every bit that differs is one click on its cell, then the frame is left.
bool setPortFrame(Project& p, const Setting& s, std::string& problem) {
    const int ordinal = PortOrdinal(s.option.back());
    const auto slash = s.value.find('/');
    std::uint8_t ddr = 0, port = 0;
    if (ordinal == 0 || slash == std::string::npos || !parseByte(s.value.substr(0, slash), ddr) ||
        !parseByte(s.value.substr(slash + 1), port))
        return cannotTake(s, problem);
    TFramePort& frame = p.frame(ordinal);
    const std::uint8_t ddrClicks = ddr ^ frame.DDRStatus();
    const std::uint8_t portClicks = port ^ frame.PortStatus();
    if ((ddrClicks & ~frame.DDRMask()) || (portClicks & ~frame.PortMask())) {
        problem =
            "option " + s.option + ": the port does not offer all the bits of \"" + s.value + "\"";
        return false;
    }
    for (int bit = 0; bit < 8; ++bit) {
        if ((ddrClicks >> bit) & 1) frame.VelGeneralGridPortsSelectCell(1, bit + 1);
        if ((portClicks >> bit) & 1) frame.VelGeneralGridPortsSelectCell(2, bit + 1);
    }
    p.userLeave(OptName::lookup(s.option));
    return true;
}

} // namespace

const OptionDef* SettableOption(const std::string& name, std::string& problem) {
    const OptionDef* def = findOption(name);
    if (!def) {
        problem = "unknown option " + name;
        return nullptr;
    }
    if (def->page < 0 || !isSettable(def->kind)) {
        problem = "option " + name + " is not set by a user";
        return nullptr;
    }
    if (name == "AppNameEdit") {
        problem = "the application name is given by --app";
        return nullptr;
    }
    if (name == "FNameEdit") {
        problem = "the output file is given by -o";
        return nullptr;
    }
    return def;
}

bool SettingValueAcceptable(const Setting& s, std::string& problem) {
    for (char c : s.value)
        if (static_cast<unsigned char>(c) < 32 || c == 127) {
            problem = "option " + s.option + " cannot take \"" + s.value +
                      "\": control characters are no part of any value";
            return false;
        }
    const OptionDef* def = findOption(s.option);
    if (def && def->kind == OptionKind::Choice && def->editable && !isSupplyVoltage(s.value)) {
        problem = "option " + s.option + " cannot take \"" + s.value +
                  "\": a supply voltage is a decimal number from 1.8 to 5.0";
        return false;
    }
    return true;
}

bool ApplySetting(Project& p, const Setting& s, std::string& problem) {
    const OptionDef* def = SettableOption(s.option, problem);
    if (!def || !usable(p.opts(), *def, problem)) return false;
    const OptionState& state = p.opts()[OptName::lookup(s.option)];

    switch (def->kind) {
    case OptionKind::CheckBox:
        if (s.value != "true" && s.value != "false") return cannotTake(s, problem);
        if (state.checked != (s.value == "true"))
            p.userCheck(OptName::lookup(s.option), s.value == "true");
        return true;
    case OptionKind::OneOf:
        if (s.value != "true") return cannotTake(s, problem);
        if (!state.checked) p.userChoose(OptName::lookup(s.option));
        return true;
    case OptionKind::Number:
    case OptionKind::NumberSpecial:
        if (!p.opts().takes(OptName::lookup(s.option), s.value)) return cannotTake(s, problem);
        typeAndLeave(p, OptName::lookup(s.option), s.value);
        return true;
    case OptionKind::Choice:
        if (def->editable) {
            typeAndLeave(p, OptName::lookup(s.option), s.value);
            return true;
        }
        [[fallthrough]];
    case OptionKind::RadioGroup: {
        if (!p.opts().takes(OptName::lookup(s.option), s.value)) return cannotTake(s, problem);
        const int item = itemOf(state, s.value);
        p.userSelect(OptName::lookup(s.option), item);
        return true;
    }
    case OptionKind::Text: {
        std::string text = s.value;
        if (!acceptsText(*def, s.value)) return cannotTake(s, problem);
        if (!def->mask.empty() && !MaskAccepts(def->mask, s.value, text))
            return cannotTake(s, problem);
        if (def->maxLength > 0 && static_cast<int>(text.size()) > def->maxLength)
            return cannotTake(s, problem);
        typeAndLeave(p, OptName::lookup(s.option), text);
        return true;
    }
    case OptionKind::CheckList: return setCheckList(p, s, problem);
    case OptionKind::PortFrame: return setPortFrame(p, s, problem);
    default: return cannotTake(s, problem);
    }
}

std::string SettingValue(const Project& p, const OptionDef& def) {
    const OptionState& s = p.opts()[OptName::lookup(def.name)];
    switch (def.kind) {
    case OptionKind::CheckBox:
    case OptionKind::OneOf: return s.checked ? "true" : "false";
    case OptionKind::RadioGroup:
        return s.itemIndex >= 0 && s.itemIndex < static_cast<int>(s.items.size())
                   ? s.items[s.itemIndex]
                   : std::string();
    case OptionKind::CheckList: {
        std::string on;
        for (size_t i = 0; i < s.itemChecked.size(); ++i)
            if (s.itemChecked[i]) on += (on.empty() ? "" : ",") + std::to_string(i);
        return on;
    }
    case OptionKind::PortFrame: {
        const TFramePort& frame = p.frame(PortOrdinal(def.name.back()));
        char buf[16];
        std::snprintf(buf, sizeof buf, "$%02X/$%02X", frame.DDRStatus() & 0xFFu,
                      frame.PortStatus() & 0xFFu);
        return buf;
    }
    default: return s.text;
    }
}

bool MaskAccepts(const std::string& mask, const std::string& typed, std::string& accepted) {
    const std::string m = mask.substr(0, mask.find(';'));
    enum { Keep, Upper, Lower } letterCase = Keep;
    std::string out;
    size_t t = 0;
    for (size_t i = 0; i < m.size(); ++i) {
        const char c = m[i];
        if (c == '>' || c == '<') {
            letterCase = c == '>' ? Upper : Lower;
            continue;
        }
        if (t >= typed.size()) return false;
        auto ch = static_cast<unsigned char>(typed[t]);
        bool ok = false;
        switch (c) {
        case '0': ok = std::isdigit(ch); break;
        case '9': ok = std::isdigit(ch) || ch == ' '; break;
        case 'L': ok = std::isalpha(ch); break;
        case 'l': ok = std::isalpha(ch) || ch == ' '; break;
        case 'A': ok = std::isalnum(ch); break;
        case 'a': ok = std::isalnum(ch) || ch == ' '; break;
        case '\\':
            if (++i >= m.size()) return false;
            ok = typed[t] == m[i];
            break;
        default: ok = typed[t] == c; break; // a literal of the mask
        }
        if (!ok) return false;
        if (letterCase == Upper) ch = static_cast<unsigned char>(std::toupper(ch));
        if (letterCase == Lower) ch = static_cast<unsigned char>(std::tolower(ch));
        out += static_cast<char>(ch);
        ++t;
    }
    if (t != typed.size()) return false;
    accepted = out;
    return true;
}

} // namespace pramlet
