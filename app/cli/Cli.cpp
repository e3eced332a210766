#include "app/cli/Cli.h"

#include "app/cli/StderrDialogs.h"
#include "device/DeviceCatalogue.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace pramlet {

namespace {

constexpr const char* kUsage = "usage: pramlet-cli --list [--devices DIR]\n";

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
        } else {
            problem = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (!result.list) {
        problem = "nothing to do";
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
