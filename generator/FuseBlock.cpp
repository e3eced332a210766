#include "generator/BuildInput.h"
#include "generator/Sections.h"

namespace pramlet {

namespace {

struct BitGroup {
    OptName group;     // the box, hidden when the controller has no writable bit in it
    OptName list;      // its check list, enabled by the box's "build" check
    const char* open;  // the line up to the first bit name
    const char* empty; // the line without any bit
    TByteLabels tCpuDesc::*names;
};

const BitGroup kBitGroups[] = {
    {"LockGroup0", "LockBox0", "  LockBits0  = [", "  LockBits0 = [];", &tCpuDesc::LockBit0},
    {"FuseGroup0", "FuseBox0", "  FuseBits0  = [", "  FuseBits0  = [];", &tCpuDesc::Fuses0},
    {"FuseGroup1", "FuseBox1", "  FuseBits1  = [", "  FuseBits1  = [];", &tCpuDesc::Fuses1},
    {"FuseGroup2", "FuseBox2", "  FuseBits2  = [", "  FuseBits2  = [];", &tCpuDesc::Fuses2},
};

struct WriteOption {
    const char* line;
    OptName check;
};

const WriteOption kWriteOptions[] = {
    {"  ProgFuses  = ", "ProgFuseChk"},
    {"  ProgLock   = ", "ProgLockChk"},
    {"  ProgFlash  = ", "ProgFlashChk"},
    {"  ProgEEprom = ", "progEEpromChk"},
};

void writeBitGroup(const BuildInput& p, const BitGroup& g, Listing& out) {
    const Options& o = p.opts();
    if (!o[g.group].visible || !o.enabled(g.list)) return;
    const OptionState& list = o[g.list];
    const TByteLabels& names = p.cpu().*g.names;
    bool any = false;
    for (size_t bit = 0; bit < 8 && bit < list.itemChecked.size(); ++bit)
        any = any || (list.itemChecked[bit] && list.itemEnabled[bit]);
    if (!any) {
        out.push_back(g.empty);
        return;
    }
    // Every checked bit is named, also one the controller does not let us write.
    std::string bits;
    for (size_t bit = 0; bit < 8 && bit < list.itemChecked.size(); ++bit)
        if (list.itemChecked[bit]) bits += names[bit] + ", ";
    bits.resize(bits.size() - 2);
    out.push_back(g.open + bits + "];");
}

} // namespace

void WriteFuseBlock(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    const int isp = o.itemIndex("FuseWrChk"); // write never, init only, override
    if (isp <= 0) return;

    out.push_back("Define_Fuses");
    out.push_back(isp == 2 ? "  Override_Fuses;" : "//  Override_Fuses;");
    out.push_back("  NoteBook   = " + o.text("NoteBookSpin") + ";");
    if (o.text("COMportSpin") != "none")
        out.push_back("  COMport    = " + o.text("COMportSpin") + ";");
    const BuildValues& v = p.values();
    if (v.Current > 0)
        out.push_back("  Supply     = " + v.Voltage1 + ", " + std::to_string(v.Current) + ";");
    for (const BitGroup& g : kBitGroups)
        writeBitGroup(p, g, out);
    if (o.checked("prgSPIchk")) out.push_back("  ProgMode   = SPI;");
    if (o.checked("prgJTAGchk")) out.push_back("  ProgMode   = JTAG;");
    if (o.checked("progOptsEnaChk"))
        for (const WriteOption& w : kWriteOptions)
            out.push_back(std::string(w.line) + (o.checked(w.check) ? "true;" : "false;"));
    out.push_back("");
}

} // namespace pramlet
