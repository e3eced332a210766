#include "config/SettingsFile.h"

#include "config/Project.h"
#include "device/FileRead.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace pramlet {

namespace {

constexpr std::string_view kFormatPrefix = "# pramlet settings ";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string hexByte(unsigned char c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", c);
    return buf;
}

// Length of the UTF-8 sequence starting at s[i], or 0 when it is none: no overlong forms,
// no surrogates, nothing above U+10FFFF.
size_t utf8Length(std::string_view s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else
        return 0;
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return 0;
    }
    return n;
}

// Why the bytes of one line (its line end removed) are no text of a settings file, or empty.
std::string textProblem(std::string_view line) {
    for (size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == 0) return "NUL byte: this is no text file";
        if ((c < 0x20 && c != '\t') || c == 0x7F) return "control character " + hexByte(c);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const size_t n = utf8Length(line, i);
        if (n == 0) return "invalid UTF-8 (byte " + hexByte(c) + ")";
        i += n;
    }
    return {};
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void addLine(std::string& text, const std::string& key, const std::string& value) {
    text += key + " =";
    if (!value.empty()) text += " " + QuoteSettingValue(value);
    text += '\n';
}

void enterPage(Project& p, int page) {
    if (page == 0)
        p.refresh();
    else
        p.next();
}

} // namespace

std::string QuoteSettingValue(const std::string& value) {
    if (value.empty()) return value;
    const auto quoted = [](char c) { return isBlank(c) || c == '"'; };
    if (quoted(value.front()) || quoted(value.back())) return '"' + value + '"';
    return value;
}

bool ParseSettings(std::string_view text, const std::string& fileName, SettingsFile& settings,
                   std::string& error) {
    SettingsFile result;
    int n = 0;
    auto fail = [&](int line, const std::string& why) {
        error = fileName + ":" + std::to_string(line) + ": " + why;
        return false;
    };
    const std::string notOurs = "not a settings file of pramlet: the first line must be \"" +
                                std::string(kSettingsFormatLine) + "\"";
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // a byte order mark
    if (text.empty()) return fail(1, "the file is empty; " + notOurs);

    std::map<std::string, int, std::less<>> seen;
    for (size_t from = 0; from < text.size();) {
        ++n;
        const size_t end = text.find('\n', from);
        const bool ended = end != std::string_view::npos;
        std::string_view raw = text.substr(from, ended ? end - from : std::string_view::npos);
        from = ended ? end + 1 : text.size();
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (const std::string problem = textProblem(raw); !problem.empty()) return fail(n, problem);
        if (!ended) return fail(n, "the file ends inside this line: it was cut short");

        const std::string_view line = trim(raw);
        if (n == 1) {
            if (line == kSettingsFormatLine) continue;
            if (line.substr(0, kFormatPrefix.size()) == kFormatPrefix)
                return fail(n, "settings format version " +
                                   std::string(line.substr(kFormatPrefix.size())) +
                                   " is not read by this program (it reads version 1)");
            return fail(n, notOurs);
        }
        if (line.empty() || line.front() == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return fail(n, "\"" + std::string(line) + "\" is no OPTION = VALUE line");
        const std::string key(trim(line.substr(0, eq)));
        const std::string value = unquote(trim(line.substr(eq + 1)));
        if (key.empty()) return fail(n, "a line without a name before \"=\"");
        if (const auto it = seen.find(key); it != seen.end())
            return fail(n,
                        key + " is given twice (first on line " + std::to_string(it->second) + ")");
        seen.emplace(key, n);
        if (key == "device") {
            if (value.empty()) return fail(n, "device needs the name of a controller");
            result.device = value;
            result.deviceLine = n;
        } else if (key == "app") {
            result.app = value;
            result.appLine = n;
        } else if (key == "file") {
            result.file = value;
            result.fileLine = n;
        } else {
            result.settings.push_back({{key, value}, n});
        }
    }
    if (result.deviceLine == 0) return fail(n, "no \"device = NAME\" line in the file");
    if (result.appLine == 0) return fail(n, "no \"app = NAME\" line in the file");
    settings = std::move(result);
    return true;
}

bool ReadSettingsFile(const std::string& path, SettingsFile& settings, std::string& error) {
    const TFileRead read = ReadRegularFile(path);
    if (read.status != TFileRead::Ok) {
        error = path + ": cannot be read: " + read.reason;
        return false;
    }
    return ParseSettings(read.text, path, settings, error);
}

std::vector<SkippedSetting> ReplaySettings(Project& p, const std::vector<SettingLine>& settings) {
    std::vector<std::pair<size_t, SkippedSetting>> skipped;
    auto skip = [&](size_t i, const std::string& why) {
        const SettingLine& s = settings[i];
        skipped.push_back({i, {s.setting.option, s.setting.value, s.line, why}});
    };
    // What no project state changes is known before any page is entered.
    std::vector<int> pageOf(settings.size(), -1);
    for (size_t i = 0; i < settings.size(); ++i) {
        std::string problem;
        const OptionDef* def = SettableOption(settings[i].setting.option, problem);
        if (def && !SettingValueAcceptable(settings[i].setting, problem)) def = nullptr;
        if (def)
            pageOf[i] = def->page;
        else
            skip(i, problem);
    }

    p.act([&] {
        while (p.page() > 0)
            p.prev();
        for (int page = 0; page < kPageCount; ++page) {
            if (page > 0 && !p.next()) {
                for (size_t i = 0; i < settings.size(); ++i)
                    if (pageOf[i] >= page) skip(i, "no controller is chosen");
                break;
            }
            if (page == 0) p.refresh();
            for (size_t i = 0; i < settings.size(); ++i) {
                std::string problem;
                if (pageOf[i] == page && !ApplySetting(p, settings[i].setting, problem))
                    skip(i, problem);
            }
        }
    });

    std::stable_sort(skipped.begin(), skipped.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SkippedSetting> result;
    for (auto& s : skipped)
        result.push_back(std::move(s.second));
    return result;
}

bool LoadSettings(Project& p, const std::string& device, const std::string& app,
                  const std::optional<std::string>& file, const std::vector<SettingLine>& settings,
                  std::vector<SkippedSetting>& skipped, std::string& problem) {
    bool known = false;
    p.act([&] {
        p.restart();
        if (!p.clickControllerByName(device)) return;
        known = true;
        skipped = ReplaySettings(p, settings);
        if (file) {
            p.opts().setText("FNameEdit", *file);
            p.setFileName(*file);
        }
        p.userType("AppNameEdit", app);
        p.userLeave("AppNameEdit");
    });
    if (!known) problem = "unknown device " + device;
    return known;
}

SettingsText FormatSettings(const Project& p) {
    SettingsText result;
    std::string& text = result.text;
    text = std::string(kSettingsFormatLine) + "\n";
    addLine(text, "device", p.CurCPUName());
    addLine(text, "app", p.opts().text("AppNameEdit"));
    if (!p.opts().text("FNameEdit").empty()) addLine(text, "file", p.opts().text("FNameEdit"));

    std::vector<const OptionDef*> settable;
    std::map<std::string, std::string, std::less<>> wanted;
    for (const OptionDef& def : optionCatalogue()) {
        std::string problem;
        if (!SettableOption(def.name, problem)) continue;
        settable.push_back(&def);
        wanted[def.name] = SettingValue(p, def);
    }

    // The lines are found by the replay they are for, on a fresh project of the same
    // controller; its messages are nobody's concern.
    QuietDialogs quiet;
    Project replay(quiet);
    replay.startLike(p);
    std::vector<Setting> lines;
    auto startReplay = [&] { return replay.clickControllerByName(p.CurCPUName()); };
    // The replay again up to `page`, with the lines found so far: a setting that the option
    // took but did not keep (a rule undid it) is taken back this way.
    auto replayUpTo = [&](int page) {
        replay.restart();
        startReplay();
        size_t next = 0;
        for (int pg = 0; pg <= page; ++pg) {
            enterPage(replay, pg);
            std::string problem;
            for (; next < lines.size() && findOption(lines[next].option)->page == pg; ++next)
                ApplySetting(replay, lines[next], problem);
        }
    };

    // The options of a page that still differ from the wanted values.
    auto missing = [&](int page) {
        std::vector<const OptionDef*> out;
        for (const OptionDef* def : settable)
            if (def->page == page && SettingValue(replay, *def) != wanted[def->name])
                out.push_back(def);
        return out;
    };
    // Applies the wanted values of the page's options in `order`; an option that a later
    // one of its page enables is reached by a further pass.
    auto applyPage = [&](int page, const std::vector<const OptionDef*>& order) {
        std::set<std::string, std::less<>> written;
        for (int pass = 0; pass < 3; ++pass) {
            bool progress = false;
            for (const OptionDef* def : order) {
                if (written.count(def->name)) continue;
                const std::string& value = wanted[def->name];
                if (SettingValue(replay, *def) == value) continue;
                const Setting s{def->name, value};
                std::string problem;
                if (!SettingValueAcceptable(s, problem) || !ApplySetting(replay, s, problem))
                    continue;
                lines.push_back(s);
                if (SettingValue(replay, *def) == value) {
                    written.insert(def->name);
                    progress = true;
                } else {
                    lines.pop_back();
                    replayUpTo(page);
                }
            }
            if (!progress) break;
        }
    };

    try {
        if (!startReplay()) {
            for (const OptionDef* def : settable)
                result.unsaved.push_back(def->name);
            return result;
        }
        for (int page = 0; page < kPageCount; ++page) {
            enterPage(replay, page);
            std::vector<const OptionDef*> order;
            for (const OptionDef* def : settable)
                if (def->page == page) order.push_back(def);
            const size_t mark = lines.size();
            applyPage(page, order);
            const std::vector<const OptionDef*> left = missing(page);
            if (left.empty()) continue;
            // An option that another one of the page disables once set (the fuse bits of a
            // fuse byte that is not built) is set first in a second try; the try that leaves
            // fewer options differing is kept.
            const std::vector<Setting> firstTry(lines.begin() + static_cast<long>(mark),
                                                lines.end());
            lines.resize(mark);
            replayUpTo(page);
            std::vector<const OptionDef*> secondOrder = left;
            for (const OptionDef* def : order)
                if (std::find(left.begin(), left.end(), def) == left.end())
                    secondOrder.push_back(def);
            applyPage(page, secondOrder);
            if (missing(page).size() >= left.size()) {
                lines.resize(mark);
                lines.insert(lines.end(), firstTry.begin(), firstTry.end());
                replayUpTo(page);
            }
        }
    } catch (const ApplicationAbort&) {
        // The controller's description cannot be read any more: nothing more is found.
    }

    for (const Setting& s : lines)
        addLine(text, s.option, s.value);
    for (const OptionDef* def : settable)
        if (SettingValue(replay, *def) != wanted[def->name]) result.unsaved.push_back(def->name);
    return result;
}

} // namespace pramlet
