#include "config/Format.h"
#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

namespace {

// The boot start of the boot area chosen in ComboBoxBootArea; 0 when none is chosen.
int bootAddress(const BuildInput& p) {
    const tCpuDesc& cpu = p.cpu();
    switch (p.opts().itemIndex("ComboBoxBootArea")) {
    case 0: return cpu.BOOTRST0;
    case 1: return cpu.BOOTRST1;
    case 2: return cpu.BOOTRST2;
    case 3: return cpu.BOOTRST3;
    default: return 0;
    }
}

} // namespace

void WriteHeader(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const tCpuDesc& cpu = p.cpu();

    out.push_back("program " + p.AppName() + ";");
    out.push_back("");
    if (p.derived().MultiTasking == tMultiTask::Standard) out.push_back("{$NOSHADOW}");
    if (o.checked("GlobWarnCheck"))
        out.push_back("{$WG}                      {global Warnings on}");
    else
        out.push_back("{ $WG}                     {global Warnings off}");
    out.push_back("");
    out.push_back("Device = " + cpu.CpuName + ", VCC=" + o.text("ComboBoxVCC") + ";");

    const int boot = bootAddress(p);
    if (o.checked("BootAppChk") && o.checked("BootBlockChk"))
        out.push_back("{$BootApplication $" + hexDigits(boot, 4) + "}");
    if (cpu.BOOTRST0 > 0 && !o.checked("BootAppChk")) {
        const std::string s = "$" + hexDigits(boot, 5);
        if (o.checked("ResJmpBtn"))
            out.push_back("{$BOOTRST " + s + "}          {Reset Jump to " + s + "}");
        else
            out.push_back("{ $BOOTRST " + s + "}         {Reset Jump to " + s + "}");
    }
    out.push_back("");
}

} // namespace pramlet
