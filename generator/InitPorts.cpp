#include "config/PortFrame.h"
#include "generator/BuildInput.h"
#include "generator/PortLines.h"
#include "generator/Sections.h"

#include <algorithm>

namespace pramlet {

void WriteInitPortsAndMain(const BuildInput& p, Listing& out) {
    const Derived& d = p.derived();
    const auto used = [](bool flag) { return flag; };
    const bool initPorts = std::any_of(d.PortUsed.begin(), d.PortUsed.end(), used) ||
                           std::any_of(d.DDRUsed.begin(), d.DDRUsed.end(), used);

    if (initPorts) {
        out.push_back("procedure InitPorts;");
        out.push_back("begin");
        for (int n = 1; n <= kPortCount; ++n)
            WritePortLines(p.frame(n), out);
        out.push_back("end InitPorts;");
    }
    out.push_back("");
    out.push_back("");

    out.push_back("{--------------------------------------------------------------}");
    out.push_back("{ Main Program }");
    out.push_back("{$IDATA}");
    out.push_back("");
    out.push_back("begin");
    if (initPorts) out.push_back("  InitPorts;");
    out.push_back("");
    if (d.WatchDog >= 0) out.push_back("//  WatchDogStart;");
    out.push_back("");
    if (d.Processes || d.Tasks)
        out.push_back("  Start_Processes;");
    else
        out.push_back("  EnableInts;");
    out.push_back("  loop");
    out.push_back("");
    if (d.WatchDog >= 0) out.push_back("//  WatchDogTrig;");
    out.push_back("");
    out.push_back("  endloop;");
    out.push_back("end " + p.AppName() + ".");
    out.push_back("");
}

} // namespace pramlet
