#pragma once
// Rules of the three port pages (pages 11, 12, 13) and the fuse page (page 14).

#include "device/CpuDesc.h"

namespace pramlet {

class Project;

// The port frames follow the controller's ports and masks; PortUsed/DDRUsed follow the
// frames. Page 11: ports A..E, page 12: F, G, H, J, K, page 13: L.
void Page11Rules(Project& p);
void Page12Rules(Project& p);
void Page13Rules(Project& p);
// Ports A and C carry the external RAM's bus: with external RAM the port frame offers none
// of their bits although the controller has the port.
bool PortLockedByExternalRam(const Project& p, int ordinal);

void Page14Rules(Project& p);
// BootFuseGroup is shown while fuses are written and the project has a boot block.
void FuseWrChkRule(Project& p);
// Current takes CurrentSpin; VoltSpin is offered only with a supply current.
void SupplyCurrentRule(Project& p);
// The four write options are offered while progOptsEnaChk is checked.
void WriteOptionsRule(Project& p);

// Where the boot fuses and the boot lock bit stand in the controller's bit names.
struct tFuseBit {
    int box = -1; // 0..2 for FuseBox0..FuseBox2; -1: the controller has no bit of that name
    int bit = -1;
    bool found() const { return box >= 0; }
};
struct tBootFuseBits {
    tFuseBit BOOTSZ0, BOOTSZ1, BOOTRST;
    int BootLock = -1; // bit of "BOOTLOCK11" in LockBit0; -1: none
};
tBootFuseBits FindBootFuseBits(const tCpuDesc& cpu);

} // namespace pramlet
