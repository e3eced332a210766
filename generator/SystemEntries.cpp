#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"

#include <algorithm>

namespace pramlet {

namespace {

// Watchdog timeout in milliseconds by prescaler.
const char* const kWatchDogMsec[] = {"16", "32", "64", "125", "250", "500", "1000", "2000"};

std::string area(tRamPage page) {
    return page == tRamPage::iData ? "iData;" : "xData;";
}

} // namespace

void WriteSystemEntries(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const Derived& d = p.derived();

    out.push_back("Define");
    if (d.ExternRam > 0) {
        // The external RAM ends at the top of the 64 K data space; a larger size than the
        // space holds starts it at 0 rather than at a negative address.
        const int start = std::max(0, 65536 - d.ExternRam);
        out.push_back("  XData          = $" + hexDigits(start, 5) + ", $0FFFF" +
                      (o.checked("NoInitChk") ? ", noInit;" : ";"));
        out.push_back("  XDataWaits     = " + std::to_string(o.value("XDataWaitSpin")) + ";");
    }
    out.push_back("  ProcClock      = " + std::to_string(d.Frequency) + ";       {Hertz}");
    if (d.SysTick > 0)
        out.push_back("  SysTick        = " + std::to_string(d.SysTick) + ";             {msec}");

    if (o.checked("HeapIDataChk"))
        out.push_back("  Heap           = iData;");
    else if (o.checked("HeapXDataChk"))
        out.push_back("  Heap           = xData;");
    else if (o.checked("HeapUserChk"))
        out.push_back("  Heap           = $F000..$FFFF;   // as an example");

    if (d.WatchDog >= 0 && d.WatchDog <= 7)
        out.push_back("  WatchDog       = msec" + std::string(kWatchDogMsec[d.WatchDog]) +
                      ";         {presc = " + std::to_string(d.WatchDog) + "}");

    out.push_back("  StackSize      = $" + hexDigits(d.SysStackSize, 4) + ", " +
                  area(d.SysStackData));
    out.push_back("  FrameSize      = $" + hexDigits(d.SysFrameSize, 4) + ", " +
                  area(d.SysFrameData));

    if (d.MultiTasking == tMultiTask::MultiTask || o.checked("TCP_IPchk")) {
        out.push_back("  Scheduler      = " +
                      std::string(o.checked("IdleProcChk") ? "10, 10, " : "") + area(d.Scheduler));
        if (d.Tasks || o.checked("TCP_IPchk")) {
            out.push_back("  TaskStack      = $" + hexDigits(d.TaskStackSize, 4) + ", " +
                          area(d.TaskStackData));
            out.push_back("  TaskFrame      = $" + hexDigits(d.TaskFrameSize, 4) + ";");
        }
    }

    if (o.checked("ExceptBox"))
        out.push_back("  Exceptions     = " + std::to_string(o.value("ExceptSpin")) +
                      ";              {levels}");
}

} // namespace pramlet
