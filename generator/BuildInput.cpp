#include "generator/BuildInput.h"

#include "config/Project.h"
#include "config/SerialPorts.h"

namespace pramlet {

BuildInput::BuildInput(const Project& p, const BuildValues& values)
    : fOptions(p.opts()), fDerived(p.derived()), fCpu(p.cpu()), fProject(p), fValues(values) {}

const TFramePort& BuildInput::frame(int ordinal) const {
    return fProject.frame(ordinal);
}

BuildValues PrepareBuild(const Project& p, const std::string& name) {
    const Options& o = p.opts();
    BuildValues v;
    v.AppName = name;
    v.Current = p.derived().Current;
    v.Voltage1 = p.derived().Voltage1;
    if (o.itemIndex("FuseWrChk") > 0) {
        v.Current = o.value("CurrentSpin");
        v.Voltage1 = o.text("VoltSpin");
    }
    v.ps = p.derived().ps;
    v.psh = p.derived().psh;
    if (o.checked("BootBlockChk")) {
        const tBaudDivisor r = BaudDivisor(o.value("FreqSpin"), o.value("BootBaudSpin"));
        v.ps = r.ps;
        v.psh = r.psh;
        v.baudWarning = r.message;
    }
    return v;
}

} // namespace pramlet
