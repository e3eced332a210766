#pragma once
// The batch front end pramlet-cli, callable in-process.

#include "config/UserSettings.h"
#include "device/DataDirs.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pramlet {

using CliSetting = Setting;

struct CliArgs {
    bool help = false;                // --help or -h: the help text, nothing else
    bool version = false;             // --version
    bool list = false;                // --list
    bool options = false;             // --options
    int page = -1;                    // --page N of --options; -1: every page
    std::string devicesDir;           // --devices DIR; empty: the program's own directory
    std::string device;               // --device NAME: build a program for that controller
    std::string app = "Demo";         // --app NAME
    bool appGiven = false;            // --app was given (it wins over a settings file's app)
    std::vector<CliSetting> settings; // --set OPTION=VALUE, in command-line order
    std::string outFile;              // -o FILE; empty: the listing goes to `out`
    bool summary = false;             // --summary: the output page's summary, no build
    std::string configFile;           // --config FILE: a settings file to apply
    std::string saveConfig;           // --save-config FILE: the settings of the run go there
    // The number of --set items before --config: the file's lines win over those, the items
    // after it win over the file's lines for the same option.
    std::size_t setsBeforeConfig = 0;
    // The installed and the user's description directories, scanned after the program's own
    // one; empty when --devices names the only directory.
    TDataDirs dataDirs;
};

// The text of --help and --version.
const char* CliHelpText();
std::string CliVersionText();

// Reads the arguments after the program name. On a usage error returns nullopt and says why
// in `problem`: an unknown argument, a missing or empty value, an option given twice, --list
// together with build options, -o and --save-config naming the same file.
std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, std::string& problem);

// The directory of the running program, with a trailing '/'.
std::string ProgramDirectory();

// Flushes `out`; when that or an earlier write to it failed, says so on `err` and returns
// false.
bool OutputWritten(std::ostream& out, std::ostream& err, const std::string& what);

// Runs pramlet-cli with the arguments after the program name. Results go to `out`, messages
// and usage errors to `err`. Returns the exit status: 0 done, 1 the build ended early, 2 bad
// input, an input that cannot be read, an output that cannot be written, or a fatal message.
// Text from the command line is echoed with its control characters escaped.
// Without --devices, the description files are those of the program's directory, the
// installed data directory and the user's directory.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace pramlet
