// Settings files: any text is read as one. A refusal names the file and a line of it; a
// file that is read is loaded into a project of the test controllers (replayed page by page,
// the refused lines listed), and the settings written from that project read back and load
// to the same settings text again.
#include "config/Project.h"
#include "config/SettingsFile.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace pramlet {
namespace {

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

void checkRefusal(const std::string& text, const std::string& error) {
    const std::string head = "fuzz.pramlet:";
    if (error.rfind(head, 0) != 0) broken("a refusal without the file name: " + error);
    std::size_t end = head.size();
    int line = 0;
    while (end < error.size() && error[end] >= '0' && error[end] <= '9' && line < 100000000)
        line = line * 10 + (error[end++] - '0');
    if (line < 1 || line > lineCount(text) || error.compare(end, 2, ": ") != 0)
        broken("a refusal without a line of the file: " + error);
}

SettingsFile readBack(const std::string& text) {
    SettingsFile file;
    std::string error;
    if (!ParseSettings(text, "written", file, error)) broken("written settings refused: " + error);
    return file;
}

} // namespace
} // namespace pramlet

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pramlet;
    const std::string text(reinterpret_cast<const char*>(data), size);
    SettingsFile file;
    std::string error;
    if (!ParseSettings(text, "fuzz.pramlet", file, error)) {
        checkRefusal(text, error);
        return 0;
    }
    if (file.device.empty() || file.deviceLine < 2 || file.appLine < 2)
        broken("read without a device or a name");
    int last = 1;
    for (const SettingLine& s : file.settings) {
        if (s.line <= last || s.line > lineCount(text)) broken("lines out of order");
        last = s.line;
        const std::string& o = s.setting.option;
        if (o.empty() || o.front() == ' ' || o.back() == ' ' || o.front() == '\t' ||
            o.back() == '\t')
            broken("an option name with blanks at its ends: " + o);
    }

    // One project for every input, started once (a load starts it afresh).
    static fuzz::NullDialogs dialogs;
    static Project& p = *[] {
        auto* started = new Project(dialogs);
        started->start(PRAMLET_FUZZ_DEVICES, {});
        return started;
    }();
    std::vector<SkippedSetting> skipped;
    std::string problem;
    try {
        if (!LoadSettings(p, file.device, file.app, file.file, file.settings, skipped, problem))
            return 0; // not one of the test controllers
        for (const SkippedSetting& s : skipped)
            if (s.why.empty() || s.line < 2) broken("a skipped setting without line or reason");
        const std::string written = FormatSettings(p).text;
        const SettingsFile again = readBack(written);
        if (!LoadSettings(p, again.device, again.app, again.file, again.settings, skipped, problem))
            broken("written device unknown: " + problem);
        if (!skipped.empty()) broken("a written line refused: " + skipped.front().why);
        if (FormatSettings(p).text != written) broken("written settings load to others");
    } catch (const ApplicationAbort&) {
        // A fatal message of the wizard: the program would end here.
    }
    return 0;
}
