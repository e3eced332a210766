#include "app/cli/Cli.h"

#include "app/cli/BatchBuild.h"
#include "app/cli/StderrDialogs.h"
#include "device/DeviceCatalogue.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

constexpr const char* kUsage =
    "usage: pramlet-cli --device NAME [--devices DIR] [--app NAME] [--set OPTION=VALUE]... "
    "[-o FILE]\n"
    "       pramlet-cli --list [--devices DIR]\n";

void listCatalogue(const TDeviceCatalogue& catalogue, std::ostream& out) {
    for (int f = 0; f < kFamilyCount; ++f) {
        out << kCpuFamilies[f].tab << '\n';
        for (const std::string& name : catalogue.Names(static_cast<tCpuFamily>(f)))
            out << "  " << name << '\n';
    }
}

} // namespace

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& args, std::string& problem) {
    CliArgs result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // Options with a value take the next argument.
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (arg == "--list") {
            result.list = true;
        } else if (arg == "--devices") {
            if (!value(result.devicesDir)) return std::nullopt;
        } else if (arg == "--device") {
            if (!value(result.device)) return std::nullopt;
        } else if (arg == "--app") {
            if (!value(result.app)) return std::nullopt;
        } else if (arg == "-o") {
            if (!value(result.outFile)) return std::nullopt;
        } else if (arg == "--set") {
            std::string setting;
            if (!value(setting)) return std::nullopt;
            const auto eq = setting.find('=');
            if (eq == std::string::npos || eq == 0) {
                problem = "--set needs OPTION=VALUE: " + setting;
                return std::nullopt;
            }
            result.settings.push_back({setting.substr(0, eq), setting.substr(eq + 1)});
        } else {
            problem = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (result.list == !result.device.empty()) {
        problem = result.list ? "--list and --device exclude each other" : "nothing to do";
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

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string problem;
    const std::optional<CliArgs> parsed = ParseCliArgs(args, problem);
    if (!parsed) {
        err << "pramlet-cli: " << problem << '\n' << kUsage;
        return 2;
    }

    const std::string dir = parsed->devicesDir.empty() ? ProgramDirectory() : parsed->devicesDir;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        err << "pramlet-cli: no such directory: " << dir << '\n';
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
        return 0;
    } catch (const ApplicationAbort&) {
        return 2; // the message is already on err
    }
}

} // namespace pramlet
