#include "output/SaveSettings.h"

#include "config/SettingsFile.h"

namespace pramlet {

bool writeSettingsFile(const Project& p, const std::string& path, StoreFailure& failure,
                       std::vector<std::string>* unsaved, const ByteWriter& writer) {
    SettingsText settings = FormatSettings(p);
    if (unsaved) *unsaved = std::move(settings.unsaved);
    return writeTextFile(settings.text, path, "", failure, writer);
}

} // namespace pramlet
