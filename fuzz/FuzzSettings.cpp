// The command line of the batch front end: one argument per line, as in the golden .args
// files. Parsing answers with arguments or a reason; the checks of each setting and the
// masked-edit matcher never fail on any text.
#include "app/cli/Cli.h"
#include "config/UserSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pramlet;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        if (text[from] != '#') args.push_back(text.substr(from, end - from));
        from = end + 1;
    }

    std::string problem;
    const std::optional<CliArgs> parsed = ParseCliArgs(args, problem);
    if (!parsed) {
        if (problem.empty()) std::abort();
        return 0;
    }
    // A command: help, the version, the option lines (with or without a controller), the
    // controller list, or a build or summary for one controller (named by --device or by the
    // settings file of --config).
    const bool other = parsed->help || parsed->version || parsed->options;
    const bool build = !parsed->device.empty() || !parsed->configFile.empty();
    if (!other && parsed->list == build) std::abort();
    for (const CliSetting& s : parsed->settings) {
        if (s.option.empty()) std::abort();
        if (SettableOption(s.option, problem)) SettingValueAcceptable(s, problem);
        // The value against masks of the catalogue's kinds and against itself as a mask.
        std::string accepted;
        for (const char* mask : {"$>AA;1;_", "000", "0.0;1;_", "99:99", "\\"})
            if (MaskAccepts(mask, s.value, accepted) && accepted.size() > s.value.size())
                std::abort();
        MaskAccepts(s.option, s.value, accepted);
    }
    return 0;
}
