#pragma once
// The start-up command line: an output file name and an application name, or a project file of
// the compiler (".PPRO") that names the main source file.

#include <optional>
#include <string>
#include <vector>

namespace pramlet {

struct TCommandLine {
    std::optional<std::string> FileName; // shown in FNameEdit when set
    std::optional<std::string> AppName;  // shown in AppNameEdit when set
    // "Cannot read ..." when the project file exists but cannot be read (not a regular file,
    // too large, refused); its main file is then unknown.
    std::string ReadError;
};

// args: the arguments after the program name.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);

} // namespace pramlet
