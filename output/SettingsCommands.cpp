#include "output/SettingsCommands.h"

#include "config/Project.h"
#include "output/SaveSettings.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace pramlet {

std::string withSettingsExtension(const std::string& path) {
    fs::path file(path);
    if (file.extension().empty()) file += std::string(kSettingsExtension);
    return file.string();
}

std::string SaveSettingsCommand(Project& p, const std::string& path) {
    Dialogs& dialogs = p.dialogs();
    if (p.CurCPU() < 0) {
        dialogs.beep();
        dialogs.message(MsgKind::Error, "Select CPU type first!", MsgButton::Ok);
        return {};
    }
    const std::string file = withSettingsExtension(path);
    StoreFailure failure;
    std::vector<std::string> unsaved;
    if (!writeSettingsFile(p, file, failure, &unsaved)) {
        dialogs.message(MsgKind::Error,
                        "Cannot write settings file \"" + file + "\": " + failure.reason,
                        MsgButton::Ok);
        return {};
    }
    if (!unsaved.empty()) {
        std::string text = "Settings stored in \"" + file +
                           "\", but a settings file cannot bring back the value of:";
        for (const std::string& option : unsaved)
            text += "\r" + option;
        dialogs.message(MsgKind::Warning, text, MsgButton::Ok);
    }
    return file;
}

bool LoadSettingsCommand(Project& p, const std::string& path) {
    Dialogs& dialogs = p.dialogs();
    SettingsFile settings;
    std::string error;
    if (!ReadSettingsFile(path, settings, error)) {
        dialogs.message(MsgKind::Error, error, MsgButton::Ok);
        return false;
    }
    // Checked before the project starts afresh, so that a file of a controller this library
    // lacks leaves the user's project as it was.
    if (p.catalogue().CurCPU(settings.device) < 0) {
        dialogs.message(MsgKind::Error,
                        path + ":" + std::to_string(settings.deviceLine) + ": unknown device " +
                            settings.device,
                        MsgButton::Ok);
        return false;
    }
    std::vector<SkippedSetting> skipped;
    std::string problem;
    if (!LoadSettings(p, settings.device, settings.app, settings.file, settings.settings, skipped,
                      problem)) {
        dialogs.message(MsgKind::Error, path + ": " + problem, MsgButton::Ok);
        return false;
    }
    if (!skipped.empty())
        dialogs.message(MsgKind::Warning, SkippedSettingsMessage(path, skipped), MsgButton::Ok);
    return true;
}

std::string SkippedSettingsMessage(const std::string& path,
                                   const std::vector<SkippedSetting>& skipped) {
    std::string text = "Settings of \"" + path + "\" loaded; the controller cannot take " +
                       (skipped.size() == 1 ? "this one, which was skipped:"
                                            : "these, which were skipped:");
    for (const SkippedSetting& s : skipped)
        text += "\rline " + std::to_string(s.line) + ": " + s.option + " = " +
                QuoteSettingValue(s.value) + ": " + s.why;
    return text;
}

} // namespace pramlet
