// The whole road of a build: a description file, then a line "%%", then settings
// OPTION=VALUE one per line. The controller is chosen, every page entered with its settings
// applied as user changes, the name entered and the program built and stored. Checked on
// the way: no exception but the fatal-message abort escapes, a page's rules run twice change
// nothing, a completed listing ends with "end <name>." and an empty line, and the stored file
// has CR LF only as line ends.
#include "config/Project.h"
#include "config/UserSettings.h"
#include "fuzz/FuzzSupport.h"
#include "generator/BuildApp.h"
#include "output/StoreListing.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pramlet {
namespace {

[[noreturn]] void broken(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

// Everything a page's rules may touch, as one comparable text.
std::string snapshot(const Project& p) {
    std::ostringstream s;
    for (const auto& o : p.opts().all()) {
        s << o.def->name << '|' << o.checked << '|' << o.text << '|' << o.enabled << o.visible
          << '|' << o.itemIndex << '|' << o.minValue << ".." << o.maxValue << '|';
        for (const auto& i : o.items)
            s << i << ',';
        for (bool b : o.itemChecked)
            s << b;
        for (bool b : o.itemEnabled)
            s << b;
        s << '\n';
    }
    const Derived& d = p.derived();
    s << d.ExternRam << ' ' << d.SysTick << ' ' << d.Frequency << ' ' << d.WatchDog << ' '
      << d.fBootIndex << ' ' << d.Current << '\n';
    for (int n = 1; n <= 11; ++n)
        s << int(p.frame(n).DDRStatus()) << '/' << int(p.frame(n).PortStatus()) << ' ';
    s << p.built() << '\n';
    return s.str();
}

void checkListing(const Project& p, const fuzz::ScratchDir& dir) {
    const auto& l = p.listing();
    if (l.size() < 2 || l.back() != "" || l[l.size() - 2] != "end " + p.AppName() + ".")
        broken("the listing does not end with \"end " + p.AppName() + ".\" and an empty line");
    for (const std::string& line : l)
        if (line.find_first_of("\r\n") != std::string::npos)
            broken("a line break inside a listing line: " + line);

    StoreFailure failure;
    const std::string path = dir.path() + "out.pas";
    if (!writeListingFile(l, path, "", failure)) broken("store failed: " + failure.message());
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crlf = i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
        if ((text[i] == '\r' && !crlf) || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')))
            broken("a CR or LF that is no CR LF line end at byte " + std::to_string(i));
    }
}

} // namespace
} // namespace pramlet

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pramlet;
    static const fuzz::ScratchDir dir;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n%%\n");
    const std::string description = input.substr(0, split);
    std::vector<Setting> settings;
    if (split != std::string::npos) {
        std::istringstream lines(input.substr(split + 4));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t eq = line.find('=');
            if (eq != std::string::npos && eq > 0)
                settings.push_back({line.substr(0, eq), line.substr(eq + 1)});
        }
    }
    dir.write("PMEGAFUZZ.dsc", description.data(), description.size());

    fuzz::NullDialogs dialogs;
    Project p(dialogs);
    try {
        p.start(dir.path(), {});
        if (p.catalogue().CPUList().empty()) return 0; // not listed (no HLL=true)
        if (!p.clickControllerByName(p.catalogue().CPUList()[0].name)) broken("listed, not found");
        std::string problem;
        for (int page = 0; page < kPageCount; ++page) {
            if (page == 0)
                p.refresh();
            else if (!p.next())
                return 0;
            for (const Setting& s : settings) {
                const OptionDef* def = SettableOption(s.option, problem);
                if (!def || def->page != page || !SettingValueAcceptable(s, problem)) continue;
                ApplySetting(p, s, problem);
            }
            const std::string before = snapshot(p);
            p.runPageRules(page);
            if (snapshot(p) != before)
                broken("page " + std::to_string(page) + " rules not idempotent");
        }
        p.userType("AppNameEdit", "Fuzz");
        p.userLeave("AppNameEdit");
        if (Build(p)) checkListing(p, dir);
    } catch (const ApplicationAbort&) {
        // A description without a controller name ends the program: the expected way out.
    }
    return 0;
}
