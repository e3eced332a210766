#include "app/cli/BatchBuild.h"

#include "app/cli/StderrDialogs.h"
#include "config/Format.h"
#include "config/Project.h"
#include "config/SettingsFile.h"
#include "config/UserSettings.h"
#include "generator/BuildApp.h"
#include "output/SaveSettings.h"
#include "output/StoreListing.h"

#include <algorithm>
#include <set>

namespace pramlet {

namespace {

constexpr int kBuilt = 0, kEndedEarly = 1, kBadInput = 2;

int refuse(std::ostream& err, const std::string& problem) {
    err << "pramlet-cli: " << Printable(problem) << '\n';
    return kBadInput;
}

// The name as the build will take it: blanks are dropped with a warning, as the window drops
// each one typed; control characters and over-long names are refused. `source` says where
// the name was given ("--app", "FILE:LINE: app").
bool acceptAppName(const std::string& given, const std::string& source, std::string& name,
                   std::ostream& err) {
    if (const std::string problem = AppNameProblem(given); !problem.empty()) {
        refuse(err, source + " " + given + ": " + problem);
        return false;
    }
    name = given;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    if (name != given)
        err << "pramlet-cli: warning: no spaces in name possible! \"" << Printable(given)
            << "\" is built as \"" << Printable(name) << "\"\n";
    return true;
}

// One line per summary field of the output page, in catalogue order: name, text, used.
void printSummary(const Project& p, std::ostream& out) {
    for (const OptionState& s : p.opts().all())
        if (s.def->kind == OptionKind::Summary)
            out << s.def->name << '\t' << Printable(s.text) << '\t' << (s.used ? "used" : "unused")
                << '\n';
}

// The whole name at once, as pasted: one change and leaving the field.
void enterAppName(Project& p, const std::string& name) {
    p.userType("AppNameEdit", name);
    p.userLeave("AppNameEdit");
}

void printLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines)
        out << line << '\n';
}

// Where a setting came from, for its message: "FILE:LINE: " or nothing for a --set item.
std::string origin(const std::string& configFile, int line) {
    return line > 0 ? configFile + ":" + std::to_string(line) + ": " : std::string();
}

// The settings in the order they are applied: the --set items before --config that the file
// does not set, the file's lines that no later --set item overrides, the later --set items.
std::vector<SettingLine> mergeSettings(const CliArgs& args, const SettingsFile& file) {
    std::set<std::string> inFile, later;
    for (const SettingLine& s : file.settings)
        inFile.insert(s.setting.option);
    for (std::size_t i = args.setsBeforeConfig; i < args.settings.size(); ++i)
        later.insert(args.settings[i].option);
    std::vector<SettingLine> merged;
    for (std::size_t i = 0; i < args.setsBeforeConfig && i < args.settings.size(); ++i)
        if (!inFile.count(args.settings[i].option)) merged.push_back({args.settings[i], 0});
    for (const SettingLine& s : file.settings)
        if (!later.count(s.setting.option)) merged.push_back(s);
    for (std::size_t i = args.setsBeforeConfig; i < args.settings.size(); ++i)
        merged.push_back({args.settings[i], 0});
    return merged;
}

} // namespace

int runBatchBuild(const CliArgs& args, const std::string& dir, std::ostream& out, std::ostream& err,
                  const ByteWriter& writer) {
    // Everything the command line says is checked before anything is built.
    std::string problem;
    for (const CliSetting& s : args.settings)
        if (!SettableOption(s.option, problem) || !SettingValueAcceptable(s, problem))
            return refuse(err, problem);
    SettingsFile file;
    if (!args.configFile.empty()) {
        if (!ReadSettingsFile(args.configFile, file, problem)) return refuse(err, problem);
        bool bad = false;
        for (const SettingLine& s : file.settings)
            if (!SettableOption(s.setting.option, problem) ||
                !SettingValueAcceptable(s.setting, problem)) {
                refuse(err, origin(args.configFile, s.line) + problem);
                bad = true;
            }
        if (bad) return kBadInput;
    }
    const bool appFromFile = !args.configFile.empty() && !args.appGiven;
    std::string appName;
    if (!acceptAppName(appFromFile ? file.app : args.app,
                       appFromFile ? origin(args.configFile, file.appLine) + "app" : "--app",
                       appName, err))
        return kBadInput;
    const std::string device = args.device.empty() ? file.device : args.device;
    const std::vector<SettingLine> settings = mergeSettings(args, file);

    // Questions are answered Yes, as by the user who asked for this build. The build itself
    // asks none; -o writes its file without the overwrite and backup questions of storing,
    // since the command line named that file.
    StderrDialogs dialogs(err);
    Project p(dialogs);
    try {
        p.setDataDirectories(args.dataDirs);
        p.start(dir, {});
        // The reasons are already on err; a build over an incomplete catalogue could pick
        // another file of the same controller.
        if (!p.catalogue().ReadErrors().empty()) return kBadInput;
        if (!p.clickControllerByName(device))
            return refuse(err, (args.device.empty() ? origin(args.configFile, file.deviceLine)
                                                    : std::string()) +
                                   "unknown device " + device);
        const std::vector<SkippedSetting> skipped = ReplaySettings(p, settings);
        for (const SkippedSetting& s : skipped)
            refuse(err, origin(args.configFile, s.line) + s.why);
        if (!skipped.empty()) return kBadInput;
        if (args.summary) {
            printSummary(p, out);
            if (!OutputWritten(out, err, "the summary to the standard output")) return kBadInput;
        }
        if (!args.saveConfig.empty()) {
            enterAppName(p, appName); // once: the build takes the name as it stands
            std::string outFile = args.outFile;
            if (outFile.empty() && file.file) outFile = *file.file;
            p.opts().setText("FNameEdit", outFile);
            std::vector<std::string> unsaved;
            StoreFailure failure;
            if (!writeSettingsFile(p, args.saveConfig, failure, &unsaved, writer))
                return refuse(err, "cannot write " + args.saveConfig + ": " + failure.reason);
            for (const std::string& option : unsaved)
                err << "pramlet-cli: warning: " << Printable(args.saveConfig)
                    << " cannot bring back the value of " << option << '\n';
        }
        if (args.summary || (!args.saveConfig.empty() && args.outFile.empty())) return kBuilt;
        if (args.saveConfig.empty()) enterAppName(p, appName);
        if (!Build(p)) {
            // The lines written before a build ended show where it stopped; no file is
            // written from them, as the window stores no unfinished listing.
            if (args.outFile.empty()) {
                printLines(p.listing(), out);
                OutputWritten(out, err, "the listing to the standard output");
            }
            return kEndedEarly;
        }
    } catch (const ApplicationAbort&) {
        return kBadInput; // the message is already on err
    }

    if (!args.outFile.empty()) {
        StoreFailure failure;
        if (!writeListingFile(p.listing(), args.outFile, "", failure, writer))
            return refuse(err, "cannot write " + args.outFile + ": " + failure.reason);
        return kBuilt;
    }
    printLines(p.listing(), out);
    return OutputWritten(out, err, "the listing to the standard output") ? kBuilt : kBadInput;
}

} // namespace pramlet
