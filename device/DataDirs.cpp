#include "device/DataDirs.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

std::string withSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

} // namespace

TDataDirs DataDirsFor(const std::string& programDir, const char* xdgDataHome, const char* home) {
    TDataDirs dirs;
    dirs.program = withSlash(programDir);
    if (!dirs.program.empty()) {
        // bin/../share/pramlet, written without the "..", so that messages show a plain path.
        fs::path bin = fs::path(dirs.program).lexically_normal();
        if (!bin.has_filename()) bin = bin.parent_path();
        dirs.installed = withSlash((bin.parent_path() / "share" / "pramlet").string());
    }
    std::string dataHome;
    if (xdgDataHome && xdgDataHome[0] == '/')
        dataHome = xdgDataHome;
    else if (home && home[0] != '\0')
        dataHome = withSlash(home) + ".local/share";
    if (!dataHome.empty()) dirs.user = withSlash(dataHome) + "pramlet/devices/";
    return dirs;
}

TDataDirs DefaultDataDirs(const std::string& programDir) {
    return DataDirsFor(programDir, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string FindHelpFile(const TDataDirs& dirs, const std::string& fileName) {
    std::error_code ec;
    const std::string own = dirs.program + fileName;
    if (fs::is_regular_file(own, ec) || dirs.installed.empty()) return own;
    const std::string installed = dirs.installed + kInstalledHelpDir + fileName;
    return fs::is_regular_file(installed, ec) ? installed : own;
}

} // namespace pramlet
