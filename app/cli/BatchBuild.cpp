#include "app/cli/BatchBuild.h"

#include "app/cli/StderrDialogs.h"
#include "app/cli/UserSettings.h"
#include "config/Project.h"
#include "generator/BuildApp.h"

#include <fstream>

namespace pramlet {

namespace {

constexpr int kBuilt = 0, kEndedEarly = 1, kBadInput = 2;

// The name is typed key by key into the field, as the user types it.
void typeAppName(Project& p, const std::string& name) {
    if (!p.opts().text("AppNameEdit").empty()) p.userType("AppNameEdit", "");
    for (char c : name)
        p.userType("AppNameEdit", p.opts().text("AppNameEdit") + c);
    p.userLeave("AppNameEdit");
}

bool writeStored(const std::vector<std::string>& lines, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        file << line << "\r\n";
    file.close();
    return !file.fail();
}

} // namespace

int runBatchBuild(const CliArgs& args, const std::string& dir, std::ostream& out,
                  std::ostream& err) {
    std::string problem;
    for (const CliSetting& s : args.settings)
        if (!SettableOption(s.option, problem)) {
            err << "pramlet-cli: " << problem << '\n';
            return kBadInput;
        }

    // Questions are answered Yes, as by the user who asked for this build. The build itself
    // asks none; -o writes its file without the overwrite and backup questions of storing,
    // since the command line named that file.
    StderrDialogs dialogs(err);
    Project p(dialogs);
    try {
        p.setDataDirectories(args.dataDirs);
        p.start(dir, {});
        if (!p.clickControllerByName(args.device)) {
            err << "pramlet-cli: unknown device " << args.device << '\n';
            return kBadInput;
        }
        for (int page = 0; page < kPageCount; ++page) {
            if (page == 0)
                p.refresh();
            else if (!p.next())
                return kBadInput;
            for (const CliSetting& s : args.settings) {
                if (findOption(s.option)->page != page) continue;
                if (!ApplySetting(p, s, problem)) {
                    err << "pramlet-cli: " << problem << '\n';
                    return kBadInput;
                }
            }
        }
        typeAppName(p, args.app);
        if (!Build(p)) return kEndedEarly;
    } catch (const ApplicationAbort&) {
        return kBadInput; // the message is already on err
    }

    if (!args.outFile.empty()) {
        if (!writeStored(p.listing, args.outFile)) {
            err << "pramlet-cli: cannot write " << args.outFile << '\n';
            return kBadInput;
        }
        return kBuilt;
    }
    for (const std::string& line : p.listing)
        out << line << '\n';
    return kBuilt;
}

} // namespace pramlet
