#include "config/PortFusePages.h"

#include "config/Project.h"

namespace pramlet {

bool PortLockedByExternalRam(const Project& p, int ordinal) {
    const bool memoryBus = ordinal == PortA || ordinal == PortC;
    return memoryBus && p.derived().ExternRam > 0 &&
           p.cpu().Ports.has(static_cast<tPortsT>(ordinal));
}

namespace {

void portRule(Project& p, int ordinal) {
    const tCpuDesc& cpu = p.cpu();
    Derived& d = p.derived();
    TFramePort& f = p.frame(ordinal);
    bool changed = false;
    if (cpu.Ports.has(static_cast<tPortsT>(ordinal)) && !PortLockedByExternalRam(p, ordinal)) {
        const std::uint8_t mask = cpu.mask(ordinal);
        changed |= f.setPortMask(mask);
        if (cpu.DDRs.has(static_cast<tDDRsT>(ordinal))) {
            changed |= f.setDDRMask(mask);
        } else {
            changed |= f.setDDRMask(0);
            // Port C loses its value mask here, every other port its chosen value.
            if (ordinal == PortC)
                changed |= f.setPortMask(0);
            else
                changed |= f.setPortStatus(0);
        }
        d.PortUsed[ordinal - 1] = f.PortBits() != 0;
        d.DDRUsed[ordinal - 1] = f.DDRBits() != 0;
    } else {
        changed |= f.setPortMask(0);
        changed |= f.setDDRMask(0);
        d.PortUsed[ordinal - 1] = false;
        d.DDRUsed[ordinal - 1] = false;
    }
    if (changed) p.opts().edit(kFramePortOptions[ordinal - 1]); // the window redraws the frame
}

void portPage(Project& p, int page, int first, int last) {
    p.setTitle(page);
    for (int n = first; n <= last; ++n)
        portRule(p, n);
}

const OptName kFuseBoxes[3] = {"FuseBox0", "FuseBox1", "FuseBox2"};

// The four bit groups in the order of the fuse block, with what each is filled from.
struct BitGroup {
    OptName group;
    OptName box;
    OptName build;
    TByteLabels tCpuDesc::*names;
    std::uint8_t tCpuDesc::*writeMask;
    std::uint8_t tCpuDesc::*defaults; // nullptr: no bit starts checked
};

const BitGroup kBitGroups[4] = {
    {"LockGroup0", "LockBox0", "BuildLock0Chk", &tCpuDesc::LockBit0, &tCpuDesc::LockWRmask0,
     nullptr},
    {"FuseGroup0", "FuseBox0", "BuildFuse0Chk", &tCpuDesc::Fuses0, &tCpuDesc::FuseWRMask0,
     &tCpuDesc::FuseDefault0},
    {"FuseGroup1", "FuseBox1", "BuildFuse1Chk", &tCpuDesc::Fuses1, &tCpuDesc::FuseWRMask1,
     &tCpuDesc::FuseDefault1},
    {"FuseGroup2", "FuseBox2", "BuildFuse2Chk", &tCpuDesc::Fuses2, &tCpuDesc::FuseWRMask2,
     &tCpuDesc::FuseDefault2},
};

// The hints of BootFuseGroup name the boot fuses to set by hand when the wizard does not
// set them itself.
void bootFuseHints(Project& p) {
    Options& o = p.opts();
    if (!o.checked("BootBlockChk") || o.checked("BootFusesChk")) return;
    o.setVisible("BootRstLab", o.checked("ResJmpBtn"));
    const int area = o.itemIndex("ComboBoxBootArea");
    o.setVisible("BootSZ0lab", area == 1 || area == 3);
    o.setVisible("BootSZ1lab", area == 2 || area == 3);
}

void refillBitGroups(Project& p) {
    Options& o = p.opts();
    const tCpuDesc& cpu = p.cpu();
    for (const BitGroup& g : kBitGroups) {
        const std::uint8_t mask = cpu.*g.writeMask;
        o.setVisible(g.group, mask != 0);
        if (mask == 0) continue;
        const TByteLabels& names = cpu.*g.names;
        o.refill(g.box, std::vector<std::string>(names.begin(), names.end()));
        const std::uint8_t checked = g.defaults ? cpu.*g.defaults : 0;
        for (int n = 0; n < 8; ++n) {
            o.setItemEnabled(g.box, n, (mask >> n) & 1);
            o.setItemChecked(g.box, n, (checked >> n) & 1);
        }
    }
}

void setBootFuse(Options& o, const tFuseBit& b, bool on) {
    if (b.found()) o.setItemChecked(kFuseBoxes[b.box], b.bit, on);
}

void bootFusesAndLock(Project& p) {
    Options& o = p.opts();
    if (!o.checked("BootBlockChk")) return;
    const bool fuses = o.checked("BootFusesChk");
    const bool lock = o.checked("BootLockChk");
    if (!fuses && !lock) return;
    const tBootFuseBits bits = FindBootFuseBits(p.cpu());
    if (fuses) {
        // Boot size bits by area index: a checked item stands for a set bit.
        static const bool kSize[4][2] = {
            {true, true}, {false, true}, {true, false}, {false, false}};
        const int area = o.itemIndex("ComboBoxBootArea");
        if (area >= 0 && area < 4) {
            setBootFuse(o, bits.BOOTSZ0, kSize[area][0]);
            setBootFuse(o, bits.BOOTSZ1, kSize[area][1]);
        }
        setBootFuse(o, bits.BOOTRST, o.checked("ResJmpBtn"));
    }
    if (lock && bits.BootLock >= 0) o.setItemChecked("LockBox0", bits.BootLock, true);
}

} // namespace

void Page11Rules(Project& p) {
    portPage(p, 11, PortA, PortE);
}

void Page12Rules(Project& p) {
    portPage(p, 12, PortF, PortK);
}

void Page13Rules(Project& p) {
    portPage(p, 13, PortL, PortL);
}

tBootFuseBits FindBootFuseBits(const tCpuDesc& cpu) {
    tBootFuseBits found;
    const TByteLabels* bytes[3] = {&cpu.Fuses0, &cpu.Fuses1, &cpu.Fuses2};
    for (int bit = 0; bit < 8; ++bit) {
        for (int box = 0; box < 3; ++box) {
            const std::string& name = (*bytes[box])[bit];
            tFuseBit* slot = name == "BOOTSZ0"   ? &found.BOOTSZ0
                             : name == "BOOTSZ1" ? &found.BOOTSZ1
                             : name == "BOOTRST" ? &found.BOOTRST
                                                 : nullptr;
            if (slot) {
                *slot = {box, bit};
                break;
            }
        }
    }
    for (int bit = 0; bit < 8; ++bit)
        if (cpu.LockBit0[bit] == "BOOTLOCK11") {
            found.BootLock = bit;
            break;
        }
    return found;
}

void Page14Rules(Project& p) {
    Options& o = p.opts();
    p.setTitle(14);
    FuseWrChkRule(p);
    bootFuseHints(p);
    if (p.takeCPUchanged()) {
        refillBitGroups(p);
    }
    bootFusesAndLock(p);
    for (const BitGroup& g : kBitGroups)
        if (o[g.group].visible) o.setEnabled(g.box, o.checked(g.build));
}

void FuseWrChkRule(Project& p) {
    Options& o = p.opts();
    const int mode = o.itemIndex("FuseWrChk"); // "init only" or "override"
    o.setVisible("BootFuseGroup", (mode == 1 || mode == 2) && o.checked("BootBlockChk"));
}

void SupplyCurrentRule(Project& p) {
    p.derived().Current = p.opts().value("CurrentSpin");
    p.opts().setEnabled("VoltSpin", p.derived().Current > 0);
}

void WriteOptionsRule(Project& p) {
    Options& o = p.opts();
    const bool on = o.checked("progOptsEnaChk");
    for (OptName option : OptNames{"ProgFuseChk", "ProgLockChk", "ProgFlashChk", "progEEpromChk"})
        o.setEnabled(option, on);
}

} // namespace pramlet
