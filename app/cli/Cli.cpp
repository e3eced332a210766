#include "app/cli/Cli.h"

#include "app/cli/BatchBuild.h"
#include "app/cli/OptionsListing.h"
#include "app/cli/StderrDialogs.h"
#include "device/DeviceCatalogue.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

#ifndef PRAMLET_VERSION
#define PRAMLET_VERSION "unknown"
#endif

constexpr const char* kUsage =
    "usage: pramlet-cli --device NAME [--devices DIR] [--app NAME]\n"
    "                   [--set OPTION=VALUE]... [-o FILE]\n"
    "       pramlet-cli [--device NAME] --config FILE [--devices DIR] [--app NAME]\n"
    "                   [--set OPTION=VALUE]... [-o FILE] [--save-config FILE]\n"
    "       pramlet-cli --device NAME [--devices DIR] [--app NAME]\n"
    "                   [--set OPTION=VALUE]... --save-config FILE [-o FILE]\n"
    "       pramlet-cli --device NAME [--devices DIR] [--set OPTION=VALUE]...\n"
    "                   --summary\n"
    "       pramlet-cli --list [--devices DIR]\n"
    "       pramlet-cli --options [--device NAME] [--page N] [--set OPTION=VALUE]...\n"
    "                   [--devices DIR]\n"
    "       pramlet-cli --help | --version\n";

constexpr const char* kHelp =
    R"(usage: pramlet-cli --device NAME [--devices DIR] [--app NAME]
                   [--set OPTION=VALUE]... [-o FILE]
       pramlet-cli [--device NAME] --config FILE [--devices DIR] [--app NAME]
                   [--set OPTION=VALUE]... [-o FILE] [--save-config FILE]
       pramlet-cli --device NAME [--devices DIR] [--app NAME]
                   [--set OPTION=VALUE]... --save-config FILE [-o FILE]
       pramlet-cli --device NAME [--devices DIR] [--set OPTION=VALUE]...
                   --summary
       pramlet-cli --list [--devices DIR]
       pramlet-cli --options [--device NAME] [--page N] [--set OPTION=VALUE]...
                   [--devices DIR]
       pramlet-cli --help | --version

Writes the Pascal program of a controller project, as the wizard pramlet does,
from the command line.

Commands:
  --device NAME       build the program for controller NAME (letter case
                      ignored); the listing goes to standard output
  --config FILE       apply the settings file FILE (see SETTINGS FILES): its
                      controller and application name unless --device or
                      --app is given, then its settings; a --set after
                      --config wins over the file's line for the same option
  --save-config FILE  write the settings of the run to FILE as a settings file;
                      without -o nothing is built
  --summary           walk the pages as for a build, then print the output
                      page's summary instead of the program
  --list              list the controllers by family tab: the tab's caption,
                      then one name per line indented by two blanks
  --options           list every option a user sets, in page order, one line
                      each (see OPTION LINES); with --device, as each page
                      shows them for that controller when it is entered
  --help, -h          show this text
  --version           show the program's name and version

Options:
  --devices DIR       read the description files of DIR only; without it,
                      those of the program's directory, the installed data
                      directory (<prefix>/share/pramlet/devices) and the
                      user's directory ($XDG_DATA_HOME/pramlet/devices, by
                      default ~/.local/share/pramlet/devices); a user's file
                      of the same controller name wins
  --app NAME          the application name of the program (default Demo)
  --set OPTION=VALUE  change an option as a user would, on its page, in the
                      order given; repeatable
  -o FILE             write the listing to FILE (CR LF line ends) instead
  --page N            with --options: only page N (0 to 15)

Values of --set, by the option's kind:
  check               true or false
  member              true (chooses this member of its group)
  radio, choice       the item's text exactly
  combo               any text
  number              a decimal integer, or a special value's name
  text                the text (a masked text as the mask takes it)
  checklist           the numbers of the items to check, comma separated; the
                      others are unchecked (empty: none)
  port                DDR/PORT as two numbers, decimal or $hex, e.g. $0F/$01

OPTION LINES (--options), fields separated by one tab:
  PAGE OPTION KIND STATE VALUE TAKES CAPTION
  PAGE is 0 to 15, KIND one of the kinds above, STATE enabled, disabled or
  hidden (the option or a box around it), VALUE the current value written as
  --set takes it. TAKES: check "true|false", member "true", number "MIN..MAX"
  ("any" without bounds) then "|NAME" per special value, radio, choice and
  combo the items separated by "|", text "any", "max:N" or "mask:MASK",
  checklist the enabled items as "N=TEXT" separated by "|", port "$DDR/$PORT"
  masks of the bits that can change. Without --device the lines show the state
  after start-up, before any controller is chosen.

SETTINGS FILES (*.pramlet), UTF-8 text, LF or CR LF line ends:
  # pramlet settings 1      the first line, exactly
  device = NAME             the controller
  app = NAME                the application name
  file = PATH               optional; kept for the wizard, -o names the output
  OPTION = VALUE            one line per option that differs from what the
                            pages give by themselves, VALUE as --set takes it
  "#" starts a comment line, blank lines are ignored, blanks around "=" and at
  the ends of a line are dropped; a value that begins or ends with a blank or
  a quote mark stands in double quotes. Each key may stand once. The lines are
  applied as --set items are, page by page. A line the controller cannot take
  is reported as FILE:LINE and nothing is built.

Messages of the wizard go to standard error, one line each: "<kind>: <text>".

Exit status:
  0  done (for a build: the build completed)
  1  the build ended early (a keyboard port error, a name shorter than 3
     characters)
  2  bad input: an unknown argument or device, a missing value, a page out of
     range, an unknown or disabled option, a value the option cannot take, a
     settings file that cannot be read or is not well formed, a file that
     cannot be written

Examples:
  pramlet-cli --list
  pramlet-cli --device mega328P --app Blinky -o Blinky.pas
  pramlet-cli --device tiny45 --set FreqSpin=8000 --set WatchDogSpin=None
  pramlet-cli --options --device mega328P --page 3
  pramlet-cli --device mega128 --set FramePortB='$0F/$01'
  pramlet-cli --device mega328P --set FreqSpin=8000 --save-config blinky.pramlet
  pramlet-cli --config blinky.pramlet -o Blinky.pas
)";

void listCatalogue(const TDeviceCatalogue& catalogue, std::ostream& out) {
    for (int f = 0; f < kFamilyCount; ++f) {
        out << kCpuFamilies[f].tab << '\n';
        for (const std::string& name : catalogue.Names(static_cast<tCpuFamily>(f)))
            out << "  " << Printable(name) << '\n';
    }
}

} // namespace

const char* CliHelpText() {
    return kHelp;
}

std::string CliVersionText() {
    return std::string("pramlet-cli ") + PRAMLET_VERSION + "\n";
}

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, std::string& problem) {
    CliArgs result;
    // --help answers whatever else stands on the line, also a mistake.
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") {
            result.help = true;
            return result;
        }
    bool given[7] = {}; // --devices, --device, --app, -o, --page, --config, --save-config
    bool buildOption = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Options with a value take the next argument; those given by `slot` once only, and
        // not empty unless `emptyOk`.
        auto value = [&](std::string& into, int slot, bool emptyOk) {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a value";
                return false;
            }
            if (slot >= 0 && given[slot]) {
                problem = arg + " given twice";
                return false;
            }
            if (slot >= 0) given[slot] = true;
            into = args[++i];
            if (into.empty() && !emptyOk) {
                problem = arg + " needs a value that is not empty";
                return false;
            }
            return true;
        };
        if (arg == "--version") {
            result.version = true;
        } else if (arg == "--summary") {
            if (result.summary) {
                problem = arg + " given twice";
                return std::nullopt;
            }
            result.summary = true;
        } else if (arg == "--list") {
            result.list = true;
        } else if (arg == "--options") {
            result.options = true;
        } else if (arg == "--page") {
            std::string page;
            if (!value(page, 4, false)) return std::nullopt;
            const bool digits =
                page.size() <= 2 && page.find_first_not_of("0123456789") == std::string::npos;
            if (!digits || std::stoi(page) > 15) {
                problem = "--page takes a page number from 0 to 15: " + page;
                return std::nullopt;
            }
            result.page = std::stoi(page);
        } else if (arg == "--devices") {
            if (!value(result.devicesDir, 0, false)) return std::nullopt;
        } else if (arg == "--device") {
            if (!value(result.device, 1, false)) return std::nullopt;
            buildOption = true;
        } else if (arg == "--app") {
            // An empty name is the user's choice; the build refuses it as too short.
            if (!value(result.app, 2, true)) return std::nullopt;
            result.appGiven = true;
            buildOption = true;
        } else if (arg == "-o") {
            if (!value(result.outFile, 3, false)) return std::nullopt;
            buildOption = true;
        } else if (arg == "--config") {
            if (!value(result.configFile, 5, false)) return std::nullopt;
            result.setsBeforeConfig = result.settings.size();
            buildOption = true;
        } else if (arg == "--save-config") {
            if (!value(result.saveConfig, 6, false)) return std::nullopt;
            buildOption = true;
        } else if (arg == "--set") {
            std::string setting;
            if (!value(setting, -1, false)) return std::nullopt;
            const auto eq = setting.find('=');
            if (eq == std::string::npos || eq == 0) {
                problem = "--set needs OPTION=VALUE: " + setting;
                return std::nullopt;
            }
            result.settings.push_back({setting.substr(0, eq), setting.substr(eq + 1)});
            buildOption = true;
        } else {
            problem = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (result.version) return result;
    if (result.options) {
        if (result.list)
            problem = "--list and --options exclude each other";
        else if (result.summary)
            problem = "--summary and --options exclude each other";
        else if (!result.outFile.empty())
            problem = "-o belongs to a build, not to --options";
        else if (given[2])
            problem = "--app belongs to a build, not to --options";
        else if (given[5] || given[6])
            problem = "--config and --save-config belong to a build, not to --options";
        else if (!result.settings.empty() && result.device.empty())
            problem = "--set with --options needs --device";
        if (!problem.empty()) return std::nullopt;
        return result;
    }
    if (given[4]) {
        problem = "--page belongs to --options";
        return std::nullopt;
    }
    if (result.list && result.summary) {
        problem = "--list takes no --summary";
        return std::nullopt;
    }
    if (result.list && buildOption) {
        problem = "--list takes no --device, --app, --set, --config, --save-config or -o";
        return std::nullopt;
    }
    if (!result.list && result.device.empty() && result.configFile.empty()) {
        problem = buildOption || result.summary
                      ? "--device is missing"
                      : "nothing to do: give --device NAME, --config FILE, --list or --options";
        return std::nullopt;
    }
    if (!result.saveConfig.empty() && !result.outFile.empty()) {
        // Links and "." or ".." followed as far as the paths exist.
        auto resolved = [](const std::string& path) {
            std::error_code ec;
            const fs::path full = fs::weakly_canonical(fs::absolute(path, ec), ec);
            return ec ? fs::path(path) : full;
        };
        if (resolved(result.saveConfig) == resolved(result.outFile)) {
            problem = "-o and --save-config name the same file: " + result.outFile;
            return std::nullopt;
        }
    }
    if (result.summary && given[3]) {
        problem = "--summary writes no program: it takes no -o";
        return std::nullopt;
    }
    return result;
}

std::string ProgramDirectory() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    fs::path dir = ec ? fs::current_path(ec) : exe.parent_path();
    std::string s = dir.string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

bool OutputWritten(std::ostream& out, std::ostream& err, const std::string& what) {
    const int before = errno;
    out.flush();
    if (out) return true;
    const int why = errno != before ? errno : 0;
    err << "pramlet-cli: cannot write " << what;
    if (why != 0) err << ": " << std::strerror(why);
    err << '\n';
    return false;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string problem;
    const std::optional<CliArgs> parsed = ParseCliArgs(args, problem);
    if (!parsed) {
        err << "pramlet-cli: " << Printable(problem) << '\n'
            << kUsage << "Try 'pramlet-cli --help' for more.\n";
        return 2;
    }
    if (parsed->help || parsed->version) {
        out << (parsed->help ? std::string(kHelp) : CliVersionText());
        return OutputWritten(out, err, "the standard output") ? 0 : 2;
    }

    CliArgs run = *parsed;
    const std::string dir = run.devicesDir.empty() ? ProgramDirectory() : run.devicesDir;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        err << "pramlet-cli: no such directory: " << Printable(dir) << '\n';
        return 2;
    }
    if (run.devicesDir.empty()) run.dataDirs = DefaultDataDirs(dir);

    if (run.options) return runOptionsListing(run, dir, out, err);
    if (!run.list) return runBatchBuild(run, dir, out, err);

    StderrDialogs dialogs(err);
    try {
        TDeviceLoader loader(dialogs);
        TDeviceCatalogue catalogue(loader);
        catalogue.SetHomePath(dir);
        catalogue.SetDataDirectories(run.dataDirs.installedDevices(), run.dataDirs.user);
        catalogue.Scan();
        listCatalogue(catalogue, out);
        if (!OutputWritten(out, err, "the standard output")) return 2;
        // What could not be read is already on err; the list is incomplete.
        return catalogue.ReadErrors().empty() ? 0 : 2;
    } catch (const ApplicationAbort&) {
        return 2; // the message is already on err
    }
}

} // namespace pramlet
