#pragma once
// Where the programs find their description files and help: their own directory first (a
// build tree, or a copy unpacked anywhere), then the data directory of an installation beside
// their bin/ directory, and the user's own description files.

#include <string>

namespace pramlet {

// Installed layout below <prefix>/share/pramlet/.
inline constexpr const char* kInstalledDevicesDir = "devices/";
inline constexpr const char* kInstalledHelpDir = "help/";

struct TDataDirs {
    std::string program;   // the program's own directory
    std::string installed; // <prefix>/share/pramlet/ for a program in <prefix>/bin/
    std::string user;      // the user's description files: <data home>/pramlet/devices/

    std::string installedDevices() const {
        return installed.empty() ? std::string() : installed + kInstalledDevicesDir;
    }
};

// The directories for a program in `programDir`. The user's data home is `xdgDataHome` when
// that is an absolute path, else `home` + "/.local/share"; without either there is no user
// directory. Every directory ends in '/'; none needs to exist.
TDataDirs DataDirsFor(const std::string& programDir, const char* xdgDataHome, const char* home);
// The same with the environment's XDG_DATA_HOME and HOME.
TDataDirs DefaultDataDirs(const std::string& programDir);

// The help document: in the program's directory, else in the installed help directory; the
// program directory's path when neither has it, so that the message names where it was missed.
std::string FindHelpFile(const TDataDirs& dirs, const std::string& fileName);

} // namespace pramlet
