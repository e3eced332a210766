#pragma once
// Settings files (*.pramlet): a project's choices as text, to come back to it and build the
// same program again. The format, version 1:
//
//     # pramlet settings 1            the first line, exactly
//     device = mega128                the controller (letter case ignored)
//     app = Blinky                    the application name
//     file = Blinky.pas               optional: the program's file
//     FreqSpin = 8000                 one OPTION = VALUE line per option, as --set takes it
//
// UTF-8 text; lines end with LF or CR LF and the last line too (a file without one was cut
// short). A line whose first non-blank character is "#" is a comment; blank lines are
// ignored. Blanks (spaces and tabs) around "=" and at the ends of a line are no part of the
// name or the value. A value that begins or ends with a blank or a double quote is written
// between double quotes, which reading removes: `X = " 5"` is the value " 5", `X = ""a""` the
// value "a" in quotes. The keys device and app are required, each key may stand once (a
// second line of the same key is refused). Other control characters than the tab, NUL
// bytes and invalid UTF-8 make the file no settings file.
//
// The option lines are written in page order. Applying them replays them as a user would
// make them: each page is entered in turn and its lines applied in file order.

#include "config/UserSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pramlet {

class Project;

inline constexpr std::string_view kSettingsFormatLine = "# pramlet settings 1";
inline constexpr std::string_view kSettingsExtension = ".pramlet";

// A setting and the number of its line (counted from 1; 0 for one not from a file).
struct SettingLine {
    Setting setting;
    int line = 0;
};

struct SettingsFile {
    std::string device;
    int deviceLine = 0;
    std::string app;
    int appLine = 0;
    std::optional<std::string> file;
    int fileLine = 0;
    std::vector<SettingLine> settings; // in file order
};

// Reads a settings text. False with `error` "NAME:LINE: reason" (NAME is `fileName`) when it
// is no settings file of this version or a line is not well formed. The option lines are
// not checked against the catalogue: ReplaySettings says which it skips and why.
bool ParseSettings(std::string_view text, const std::string& fileName, SettingsFile& settings,
                   std::string& error);

// Reads the file (an ordinary file of at most 16 MB) and parses it. A file that cannot be
// read gives "PATH: cannot be read: reason".
bool ReadSettingsFile(const std::string& path, SettingsFile& settings, std::string& error);

// A setting that a replay left out, and why ("option Baud3Spin is disabled").
struct SkippedSetting {
    std::string option;
    std::string value;
    int line = 0;
    std::string why;
};

// Replays the settings on a project whose controller is loaded: from page 0 each page is
// entered in turn and the settings of its options applied in the order given, each as
// ApplySetting does it; the project ends on the output page. A setting that is no settable
// option, whose value no option can take, or that the option refuses at that moment is left
// out, the project unchanged by it, and returned, in the order met.
std::vector<SkippedSetting> ReplaySettings(Project& p, const std::vector<SettingLine>& settings);

// A fresh start on the named controller followed by the replay of `settings`, and the
// application name (and, when given, the file name) entered as the output page takes them.
// False with the reason in `problem` when the catalogue has no such controller; the project
// is then back at its start-up state.
bool LoadSettings(Project& p, const std::string& device, const std::string& app,
                  const std::optional<std::string>& file, const std::vector<SettingLine>& settings,
                  std::vector<SkippedSetting>& skipped, std::string& problem);

// The settings of a project whose controller is loaded, as a settings text: the format line,
// device, app (the name field), file (the file name field, when not empty), then the option
// lines that a replay on a fresh project of the same controller needs to give the same
// state, in page order. The lines are found by such a replay: an option is written where,
// on entering its page, it differs from the wanted value and takes that value then, so a
// value that a rule brings about by itself is not written, and no line is written that the
// replay would refuse.
struct SettingsText {
    std::string text;
    // Options whose value the text cannot bring back (a state reached only by going back
    // to an earlier page after a later one changed what it offers); empty in the normal case.
    std::vector<std::string> unsaved;
};
SettingsText FormatSettings(const Project& p);

// The value as a settings file holds it: in quotes when it begins or ends with a blank or a
// quote mark.
std::string QuoteSettingValue(const std::string& value);

} // namespace pramlet
