#include "app/cli/OptionsListing.h"

#include "app/cli/StderrDialogs.h"
#include "config/UserSettings.h"
#include "config/Project.h"

#include <cstdio>

namespace pramlet {

namespace {

constexpr int kBadInput = 2;

const char* kindName(const OptionDef& def) {
    switch (def.kind) {
    case OptionKind::CheckBox: return "check";
    case OptionKind::OneOf: return "member";
    case OptionKind::Number:
    case OptionKind::NumberSpecial: return "number";
    case OptionKind::Choice: return def.editable ? "combo" : "choice";
    case OptionKind::Text: return "text";
    case OptionKind::CheckList: return "checklist";
    case OptionKind::RadioGroup: return "radio";
    case OptionKind::PortFrame: return "port";
    default: return "other";
    }
}

// Disabled or hidden when the option or any box around it is.
const char* stateName(const Options& o, const OptionDef& def) {
    bool disabled = false;
    for (const OptionDef* d = &def; d; d = d->parent.empty() ? nullptr : findOption(d->parent)) {
        const OptionState& s = o[OptName::lookup(d->name)];
        if (!s.visible) return "hidden";
        disabled = disabled || !s.enabled;
    }
    return disabled ? "disabled" : "enabled";
}

// Fields are one line each: tabs and line breaks inside a text become blanks.
std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string join(const std::vector<std::string>& items, const char* separator) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i)
        out += (i ? separator : "") + items[i];
    return out;
}

std::string hexByte(unsigned v) {
    char buf[4];
    std::snprintf(buf, sizeof buf, "$%02X", v & 0xFFu);
    return buf;
}

std::string takesOf(const Project& p, const OptionDef& def, const OptionState& s) {
    switch (def.kind) {
    case OptionKind::CheckBox: return "true|false";
    case OptionKind::OneOf: return "true";
    case OptionKind::Number:
    case OptionKind::NumberSpecial: {
        std::string out = s.minValue == 0 && s.maxValue == 0
                              ? std::string("any")
                              : std::to_string(s.minValue) + ".." + std::to_string(s.maxValue);
        for (const std::string& line : s.special.lines())
            out += "|" + line.substr(0, line.find('='));
        return out;
    }
    case OptionKind::Choice:
    case OptionKind::RadioGroup: return join(s.items, "|");
    case OptionKind::Text:
        if (!def.mask.empty()) return "mask:" + def.mask;
        return def.maxLength > 0 ? "max:" + std::to_string(def.maxLength) : "any";
    case OptionKind::CheckList: {
        std::vector<std::string> items;
        for (size_t i = 0; i < s.items.size(); ++i)
            if (i >= s.itemEnabled.size() || s.itemEnabled[i])
                items.push_back(std::to_string(i) + "=" + s.items[i]);
        return join(items, "|");
    }
    case OptionKind::PortFrame: {
        const TFramePort& frame = p.frame(PortOrdinal(def.name.back()));
        return hexByte(frame.DDRMask()) + "/" + hexByte(frame.PortMask());
    }
    default: return "";
    }
}

void printPage(const Project& p, int page, std::ostream& out) {
    std::string problem;
    for (const OptionDef& def : optionCatalogue())
        if (def.page == page && SettableOption(def.name, problem))
            out << OptionLine(p, def) << '\n';
}

} // namespace

std::string OptionLine(const Project& p, const OptionDef& def) {
    const OptionState& s = p.opts()[OptName::lookup(def.name)];
    const std::string caption = !s.caption.empty() ? s.caption : def.label;
    return std::to_string(def.page) + "\t" + def.name + "\t" + kindName(def) + "\t" +
           stateName(p.opts(), def) + "\t" + field(SettingValue(p, def)) + "\t" +
           field(takesOf(p, def, s)) + "\t" + field(caption);
}

int runOptionsListing(const CliArgs& args, const std::string& dir, std::ostream& out,
                      std::ostream& err) {
    std::string problem;
    for (const CliSetting& s : args.settings)
        if (!SettableOption(s.option, problem)) {
            err << "pramlet-cli: " << Printable(problem) << '\n';
            return kBadInput;
        }

    StderrDialogs dialogs(err);
    Project p(dialogs);
    try {
        p.setDataDirectories(args.dataDirs);
        p.start(dir, {});
        if (args.device.empty()) {
            // No controller: the pages cannot be entered, so every page shows its start-up state.
            for (int page = 0; page < kPageCount; ++page)
                if (args.page < 0 || args.page == page) printPage(p, page, out);
            return OutputWritten(out, err, "the standard output") ? 0 : kBadInput;
        }
        if (!p.clickControllerByName(args.device)) {
            err << "pramlet-cli: unknown device " << Printable(args.device) << '\n';
            return kBadInput;
        }
        for (int page = 0; page < kPageCount; ++page) {
            if (page == 0)
                p.refresh();
            else if (!p.next())
                return kBadInput;
            for (const CliSetting& s : args.settings) {
                if (findOption(s.option)->page != page) continue;
                if (!ApplySetting(p, s, problem)) {
                    err << "pramlet-cli: " << Printable(problem) << '\n';
                    return kBadInput;
                }
            }
            if (args.page < 0 || args.page == page) printPage(p, page, out);
            if (args.page == page) break;
        }
    } catch (const ApplicationAbort&) {
        return kBadInput; // the message is already on err
    }
    return OutputWritten(out, err, "the standard output") ? 0 : kBadInput;
}

} // namespace pramlet
