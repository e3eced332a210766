#pragma once
// The batch front end pramlet-cli, callable in-process.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pramlet {

struct CliSetting {
    std::string option; // control name
    std::string value;  // as written after "="
};

struct CliArgs {
    bool list = false;                // --list
    std::string devicesDir;           // --devices DIR; empty: the program's own directory
    std::string device;               // --device NAME: build a program for that controller
    std::string app = "Demo";         // --app NAME
    std::vector<CliSetting> settings; // --set OPTION=VALUE, in command-line order
    std::string outFile;              // -o FILE; empty: the listing goes to `out`
};

// Reads the arguments after the program name. On a usage error returns nullopt and says why
// in `problem`.
std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, std::string& problem);

// The directory of the running program, with a trailing '/'.
std::string ProgramDirectory();

// Runs pramlet-cli with the arguments after the program name. Results go to `out`, messages
// and usage errors to `err`. Returns the exit status: 0 done, 1 the build ended early, 2 bad
// input or a fatal message.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace pramlet
