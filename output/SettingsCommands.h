#pragma once
// The window's two settings commands, without the window: saving the project's settings to
// a file and loading a settings file into the project, each telling the user through the
// project's dialogs what went wrong or what was left out.

#include "config/SettingsFile.h"

#include <string>
#include <vector>

namespace pramlet {

class Project;

// `path` with the settings extension: a name without one gets ".pramlet"; another extension
// is kept ("x.txt" stays), as the user chose it.
std::string withSettingsExtension(const std::string& path);

// Writes the settings of `p` to `path` (given the settings extension) through the safe write.
// Without a controller nothing is written ("Select CPU type first!"); a write that fails says
// which file and why, and the file is as it was. Options the file cannot bring back are
// named in a warning after the write. Returns the path written, empty when nothing was.
std::string SaveSettingsCommand(Project& p, const std::string& path);

// Loads the settings file at `path`: a file that cannot be read, is no settings file of this
// version or names a controller the library lacks is reported with its file and line, and
// the project is left as it was. Otherwise the project starts afresh on the file's controller,
// every page is replayed as a user would make the changes, the project ends on the output
// page, and the settings it skipped are listed in one message (line, option, value, why).
// True when the file was applied.
bool LoadSettingsCommand(Project& p, const std::string& path);

// The message listing skipped settings, one line each: "line N: OPTION = VALUE: why".
std::string SkippedSettingsMessage(const std::string& path,
                                   const std::vector<SkippedSetting>& skipped);

} // namespace pramlet
