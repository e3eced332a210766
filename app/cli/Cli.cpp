#include "app/cli/Cli.h"

#include "app/cli/BatchBuild.h"
#include "app/cli/StderrDialogs.h"
#include "device/DeviceCatalogue.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

constexpr const char* kUsage =
    "usage: pramlet-cli --device NAME [--devices DIR] [--app NAME] [--set OPTION=VALUE]... "
    "[-o FILE]\n"
    "       pramlet-cli --device NAME [--devices DIR] [--set OPTION=VALUE]... --summary\n"
    "       pramlet-cli --list [--devices DIR]\n"
    "       pramlet-cli --help\n";

void listCatalogue(const TDeviceCatalogue& catalogue, std::ostream& out) {
    for (int f = 0; f < kFamilyCount; ++f) {
        out << kCpuFamilies[f].tab << '\n';
        for (const std::string& name : catalogue.Names(static_cast<tCpuFamily>(f)))
            out << "  " << Printable(name) << '\n';
    }
}

} // namespace

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, std::string& problem) {
    CliArgs result;
    bool given[4] = {}; // --devices, --device, --app, -o
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
        if (arg == "--help" || arg == "-h") {
            CliArgs help;
            help.help = true;
            return help;
        } else if (arg == "--summary") {
            if (result.summary) {
                problem = arg + " given twice";
                return std::nullopt;
            }
            result.summary = true;
        } else if (arg == "--list") {
            result.list = true;
        } else if (arg == "--devices") {
            if (!value(result.devicesDir, 0, false)) return std::nullopt;
        } else if (arg == "--device") {
            if (!value(result.device, 1, false)) return std::nullopt;
            buildOption = true;
        } else if (arg == "--app") {
            // An empty name is the user's choice; the build refuses it as too short.
            if (!value(result.app, 2, true)) return std::nullopt;
            buildOption = true;
        } else if (arg == "-o") {
            if (!value(result.outFile, 3, false)) return std::nullopt;
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
    if (result.list && result.summary) {
        problem = "--list takes no --summary";
        return std::nullopt;
    }
    if (result.list && buildOption) {
        problem = "--list takes no --device, --app, --set or -o";
        return std::nullopt;
    }
    if (!result.list && result.device.empty()) {
        problem = buildOption || result.summary ? "--device is missing" : "nothing to do";
        return std::nullopt;
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
        err << "pramlet-cli: " << Printable(problem) << '\n' << kUsage;
        return 2;
    }
    if (parsed->help) {
        out << kUsage;
        return OutputWritten(out, err, "the standard output") ? 0 : 2;
    }

    const std::string dir = parsed->devicesDir.empty() ? ProgramDirectory() : parsed->devicesDir;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        err << "pramlet-cli: no such directory: " << Printable(dir) << '\n';
        return 2;
    }

    if (!parsed->list) return runBatchBuild(*parsed, dir, out, err);

    StderrDialogs dialogs(err);
    try {
        TDeviceLoader loader(dialogs);
        TDeviceCatalogue catalogue(loader);
        catalogue.SetHomePath(dir);
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
