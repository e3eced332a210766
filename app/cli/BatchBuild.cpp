#include "app/cli/BatchBuild.h"

#include "app/cli/StderrDialogs.h"
#include "config/UserSettings.h"
#include "config/Format.h"
#include "config/Project.h"
#include "generator/BuildApp.h"
#include "output/StoreListing.h"

#include <algorithm>

namespace pramlet {

namespace {

constexpr int kBuilt = 0, kEndedEarly = 1, kBadInput = 2;

int refuse(std::ostream& err, const std::string& problem) {
    err << "pramlet-cli: " << Printable(problem) << '\n';
    return kBadInput;
}

// The name as the build will take it: blanks are dropped with a warning, as the window drops
// each one typed; control characters and over-long names are refused.
bool acceptAppName(const std::string& given, std::string& name, std::ostream& err) {
    if (const std::string problem = AppNameProblem(given); !problem.empty()) {
        refuse(err, "--app " + given + ": " + problem);
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

} // namespace

int runBatchBuild(const CliArgs& args, const std::string& dir, std::ostream& out, std::ostream& err,
                  const ByteWriter& writer) {
    // Everything the command line says is checked before anything is built.
    std::string problem;
    for (const CliSetting& s : args.settings)
        if (!SettableOption(s.option, problem) || !SettingValueAcceptable(s, problem))
            return refuse(err, problem);
    std::string appName;
    if (!acceptAppName(args.app, appName, err)) return kBadInput;

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
        if (!p.clickControllerByName(args.device))
            return refuse(err, "unknown device " + args.device);
        for (int page = 0; page < kPageCount; ++page) {
            if (page == 0)
                p.refresh();
            else if (!p.next())
                return kBadInput;
            for (const CliSetting& s : args.settings) {
                if (findOption(s.option)->page != page) continue;
                if (!ApplySetting(p, s, problem)) return refuse(err, problem);
            }
        }
        if (args.summary) {
            printSummary(p, out);
            return OutputWritten(out, err, "the summary to the standard output") ? kBuilt
                                                                                 : kBadInput;
        }
        enterAppName(p, appName);
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
