#include "device/CommandLine.h"

#include "device/IniFile.h"

#include <algorithm>

namespace pramlet {

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine result;
    if (args.empty()) return result;
    const std::string& first = args[0];

    if (AsciiUpper(first).find(".PPRO") == std::string::npos) {
        result.FileName = first;
        if (args.size() > 1) result.AppName = args[1];
        return result;
    }

    // A project file: the application is named after it, the output is its main file.
    const std::size_t slash = first.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : first.substr(0, slash + 1);
    std::string appName = first.substr(directory.size());
    const std::size_t dot = appName.rfind('.');
    if (dot != std::string::npos) appName.erase(dot);
    std::replace(appName.begin(), appName.end(), ' ', '_');
    result.AppName = appName;

    std::string error;
    const TIniDocument project = TIniDocument::FromFile(first, error);
    if (!error.empty()) result.ReadError = "Cannot read \"" + first + "\": " + error;
    result.FileName = directory + project.ReadString("MainParams", "MainFile");
    return result;
}

} // namespace pramlet
