#include "PortFuseFixture.h"

#include "config/PortFusePages.h"

namespace pramlet::test {

using PortPagesTest = PortFuseFixture;
using FusePageTest = PortFuseFixture;
using Items = std::vector<std::string>;

TEST_F(PortPagesTest, MasksFollowTheControllersPorts) {
    open("pfmega", 13); // pages 11..13 have run
    struct Expect {
        char port;
        int portMask, ddrMask;
    };
    // C and E have no direction register: C loses its value mask, E keeps it.
    const Expect expected[] = {{'A', 0xFF, 0xFF}, {'B', 0xFF, 0xFF}, {'C', 0x00, 0x00},
                               {'D', 0xFF, 0xFF}, {'E', 0xFF, 0x00}, {'F', 0xFF, 0xFF},
                               {'G', 0x1F, 0x1F}, {'H', 0xFF, 0xFF}, {'J', 0xFF, 0xFF},
                               {'K', 0x0F, 0x0F}, {'L', 0xFF, 0xFF}};
    for (const Expect& e : expected) {
        EXPECT_EQ(frame(e.port).PortMask(), e.portMask) << e.port;
        EXPECT_EQ(frame(e.port).DDRMask(), e.ddrMask) << e.port;
    }
    EXPECT_EQ(o().text("Tab"), "Port L init");
}

TEST_F(PortPagesTest, LeavingAFrameSetsTheUsedFlags) {
    open("pfmega", 11);
    p.setBuilt(true);
    frame('B').VelGeneralGridPortsSelectCell(2, 1); // value bit 0
    p.userLeave("FramePortB");
    EXPECT_TRUE(portUsed('B'));
    EXPECT_FALSE(ddrUsed('B'));
    EXPECT_FALSE(p.built());

    frame('B').VelGeneralGridPortsSelectCell(2, 1);
    frame('D').VelGeneralGridPortsSelectCell(1, 1);
    frame('D').VelGeneralGridPortsSelectCell(1, 2);
    p.userLeave("FramePortD");
    EXPECT_FALSE(portUsed('B'));
    EXPECT_TRUE(ddrUsed('D'));
    EXPECT_FALSE(portUsed('D'));

    // A frame of page 12 runs the rules of page 12.
    gotoPage(12);
    frame('K').VelGeneralGridPortsSelectCell(1, 4);
    p.userLeave("FramePortK");
    EXPECT_TRUE(ddrUsed('K'));
}

TEST_F(PortPagesTest, PortWithoutDirectionRegisterLosesItsValue) {
    open("pfmega", 11);
    EXPECT_TRUE(frame('E').VelGeneralGridPortsSelectCell(2, 3));
    EXPECT_FALSE(frame('E').VelGeneralGridPortsSelectCell(1, 3));
    p.userLeave("FramePortE");
    EXPECT_EQ(frame('E').PortStatus(), 0);
    EXPECT_FALSE(portUsed('E'));
    EXPECT_FALSE(ddrUsed('E'));
    // Port C offers neither column.
    EXPECT_FALSE(frame('C').VelGeneralGridPortsSelectCell(2, 1));
    EXPECT_FALSE(frame('C').VelGeneralGridPortsSelectCell(1, 1));
}

TEST_F(PortPagesTest, ExternalRamLocksPortsAAndC) {
    open("pfmega", 11);
    frame('A').VelGeneralGridPortsSelectCell(1, 1);
    frame('A').VelGeneralGridPortsSelectCell(2, 2);
    p.userLeave("FramePortA");
    ASSERT_TRUE(portUsed('A'));
    ASSERT_TRUE(ddrUsed('A'));

    gotoPage(0);
    enter("RamSpin", "32768");
    gotoPage(11);
    for (char port : {'A', 'C'}) {
        EXPECT_EQ(frame(port).PortMask(), 0) << port;
        EXPECT_EQ(frame(port).DDRMask(), 0) << port;
        EXPECT_FALSE(portUsed(port)) << port;
        EXPECT_FALSE(ddrUsed(port)) << port;
        EXPECT_FALSE(frame(port).VelGeneralGridPortsSelectCell(1, 1)) << port;
    }
    EXPECT_EQ(frame('B').PortMask(), 0xFF);

    // Without the external RAM port A offers its pins again, with the bits chosen before.
    gotoPage(0);
    enter("RamSpin", "0");
    gotoPage(11);
    EXPECT_TRUE(portUsed('A'));
    EXPECT_TRUE(ddrUsed('A'));
}

TEST_F(PortPagesTest, ControllerWithoutThePortLocksItsFrame) {
    open("pfmega", 12);
    frame('K').VelGeneralGridPortsSelectCell(1, 1);
    frame('K').VelGeneralGridPortsSelectCell(2, 1);
    p.userLeave("FramePortK");
    ASSERT_TRUE(ddrUsed('K'));

    gotoPage(0);
    select("pftiny");
    gotoPage(12);
    EXPECT_EQ(frame('K').PortMask(), 0);
    EXPECT_EQ(frame('K').DDRMask(), 0);
    EXPECT_FALSE(portUsed('K'));
    EXPECT_FALSE(ddrUsed('K'));
    EXPECT_EQ(frame('K').Cell(1, 1), "4");
    EXPECT_EQ(frame('K').Cell(0, 1), "");
    gotoPage(11);
    EXPECT_EQ(frame('B').PortMask(), 0x0F);
    EXPECT_EQ(frame('B').Cell(2, 5), "4");
}

TEST_F(PortPagesTest, MaskChangesAreReportedToTheObservers) {
    std::vector<std::string> seen;
    p.addObserver([&](const std::vector<std::string>& changed) {
        seen.insert(seen.end(), changed.begin(), changed.end());
    });
    open("pfmega", 10);
    seen.clear();
    ASSERT_TRUE(p.next());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "FramePortB"), seen.end());
    seen.clear();
    p.prev();
    ASSERT_TRUE(p.next()); // the same masks again: nothing to redraw
    EXPECT_EQ(std::find(seen.begin(), seen.end(), "FramePortB"), seen.end());
}

// Leaving a frame changes derived values only; the observers hear of it all the same, so
// that whoever shows the program follows the bits just clicked.
TEST_F(PortPagesTest, LeavingAFrameIsReportedToTheObservers) {
    open("pfmega", 11);
    std::vector<std::string> seen;
    p.addObserver([&](const std::vector<std::string>& changed) {
        seen.insert(seen.end(), changed.begin(), changed.end());
    });
    ASSERT_FALSE(p.built());
    ASSERT_TRUE(frame('B').VelGeneralGridPortsSelectCell(1, 1));
    p.userLeave("FramePortB");
    EXPECT_TRUE(ddrUsed('B'));
    EXPECT_NE(std::find(seen.begin(), seen.end(), "FramePortB"), seen.end());
}

TEST_F(FusePageTest, ListsAreFilledFromTheNewController) {
    open("pfmega", 14);
    EXPECT_FALSE(p.CPUchanged());
    EXPECT_EQ(o().text("Tab"), "Fuses Setup");
    EXPECT_EQ(o()["LockBox0"].items,
              (Items{"LB1", "LB2", "BLB01", "BLB02", "BLB11", "BOOTLOCK11", "", ""}));
    EXPECT_EQ(o()["FuseBox1"].items, (Items{"BOOTRST", "BOOTSZ0", "BOOTSZ1", "EESAVE", "CKOPT",
                                            "SPIEN", "JTAGEN", "OCDEN"}));
    EXPECT_EQ(enabledItems("LockBox0"), 0x3F);
    EXPECT_EQ(ticks("LockBox0"), 0x00);
    EXPECT_EQ(enabledItems("FuseBox0"), 0xFF);
    EXPECT_EQ(ticks("FuseBox0"), 0x1E); // CKSEL1+CKSEL2+CKSEL3+SUT0
    EXPECT_EQ(enabledItems("FuseBox1"), 0xDF);
    EXPECT_EQ(ticks("FuseBox1"), 0x66);
    EXPECT_EQ(ticks("FuseBox2"), 0x02);
    for (OptName group : OptNames{"LockGroup0", "FuseGroup0", "FuseGroup1", "FuseGroup2"})
        EXPECT_TRUE(o()[group].visible) << group;

    // Another visit without a new controller keeps the user's ticks.
    p.userCheckItem("LockBox0", 0, true);
    p.userCheckItem("FuseBox0", 1, false);
    p.prev();
    ASSERT_TRUE(p.next());
    EXPECT_EQ(ticks("LockBox0"), 0x01);
    EXPECT_EQ(ticks("FuseBox0"), 0x1C);

    gotoPage(0);
    select("pftiny");
    gotoPage(14);
    EXPECT_EQ(o()["FuseBox0"].items, (Items{"CKSEL0", "CKSEL1", "", "", "", "", "", "BOOTRST"}));
    EXPECT_EQ(ticks("FuseBox0"), 0x81);
    EXPECT_EQ(enabledItems("FuseBox0"), 0x83);
    EXPECT_EQ(ticks("LockBox0"), 0x00);
    EXPECT_FALSE(o()["FuseGroup2"].visible); // nothing writable there
    EXPECT_TRUE(o()["FuseGroup1"].visible);
}

TEST_F(FusePageTest, BuildBoxesEnableTheListsAndKeepTheTicks) {
    open("pfmega", 14);
    p.setBuilt(true);
    p.userCheck("BuildFuse1Chk", false);
    EXPECT_FALSE(o().enabled("FuseBox1"));
    EXPECT_EQ(ticks("FuseBox1"), 0x66);
    EXPECT_FALSE(p.built());
    EXPECT_TRUE(o().enabled("FuseBox0"));
    p.userCheck("BuildLock0Chk", false);
    EXPECT_FALSE(o().enabled("LockBox0"));
    p.userCheck("BuildFuse1Chk", true);
    EXPECT_TRUE(o().enabled("FuseBox1"));

    // A hidden group's list is left alone.
    gotoPage(0);
    select("pftiny");
    gotoPage(14);
    const bool before = o().enabled("FuseBox2");
    p.userCheck("BuildFuse2Chk", !o().checked("BuildFuse2Chk"));
    EXPECT_EQ(o().enabled("FuseBox2"), before);
}

class BootFuseTest : public FusePageTest {
  protected:
    // A boot block with the boot fuses set by the wizard, boot area `area`.
    void bootBlock(const std::string& device, int area, bool resetJump) {
        open(device, 1);
        p.userCheck("BootBlockChk", true);
        p.userCheck("BootFusesChk", true);
        p.userSelect("ComboBoxBootArea", area);
        p.userChoose(resetJump ? OptName("ResJmpBtn") : OptName("ResJmpDefBtn"));
        gotoPage(14);
    }
    void area(int index, bool resetJump) {
        gotoPage(1);
        p.userSelect("ComboBoxBootArea", index);
        p.userChoose(resetJump ? OptName("ResJmpBtn") : OptName("ResJmpDefBtn"));
        gotoPage(14);
    }
};

TEST_F(BootFuseTest, BootSizeAndResetBitsFollowTheBootArea) {
    // FuseBox1: bit 0 BOOTRST, bit 1 BOOTSZ0, bit 2 BOOTSZ1; defaults also SPIEN, JTAGEN.
    bootBlock("pfmega", 1, false);
    EXPECT_EQ(ticks("FuseBox1"), 0x64); // BOOTSZ0 off, BOOTSZ1 on, BOOTRST off
    area(1, true);
    EXPECT_EQ(ticks("FuseBox1"), 0x65);
    area(0, true);
    EXPECT_EQ(ticks("FuseBox1"), 0x67);
    area(2, false);
    EXPECT_EQ(ticks("FuseBox1"), 0x62);
    area(3, false);
    EXPECT_EQ(ticks("FuseBox1"), 0x60);
    EXPECT_EQ(ticks("FuseBox0"), 0x1E); // other bytes untouched
    EXPECT_EQ(ticks("LockBox0"), 0x00); // BootLockChk is off
}

TEST_F(BootFuseTest, BootLockBitIsCheckedByName) {
    open("pfmega", 1);
    p.userCheck("BootBlockChk", true);
    p.userCheck("BootLockChk", true);
    gotoPage(14);
    EXPECT_EQ(ticks("LockBox0"), 0x20);
    EXPECT_EQ(ticks("FuseBox1"), 0x66); // BootFusesChk is off
}

TEST_F(BootFuseTest, NothingWithoutTheBootBlock) {
    open("pfmega", 1);
    p.userCheck("BootFusesChk", true); // disabled in the window; set here all the same
    p.userCheck("BootLockChk", true);
    gotoPage(14);
    EXPECT_EQ(ticks("FuseBox1"), 0x66);
    EXPECT_EQ(ticks("LockBox0"), 0x00);
}

TEST_F(BootFuseTest, MissingNamesAreSkipped) {
    // pftiny: BOOTRST is bit 7 of the low byte, BOOTSZ1 bit 1 of the high byte, no BOOTSZ0
    // and no BOOTLOCK11. Each bit found is set in its own byte; nothing stands in for the
    // missing ones.
    bootBlock("pftiny", 1, false);
    EXPECT_EQ(ticks("FuseBox0"), 0x01); // CKSEL0 kept, BOOTRST off
    EXPECT_EQ(ticks("FuseBox1"), 0x02); // EESAVE untouched, BOOTSZ1 on
    area(1, true);
    EXPECT_EQ(ticks("FuseBox0"), 0x81);
    area(0, true);
    EXPECT_EQ(ticks("FuseBox1"), 0x02);
    area(0, false);
    gotoPage(1);
    p.userCheck("BootLockChk", true);
    gotoPage(14);
    EXPECT_EQ(ticks("LockBox0"), 0x00);
    EXPECT_EQ(ticks("FuseBox0"), 0x01);
}

TEST_F(BootFuseTest, ControllerWithoutBootNamesKeepsItsLists) {
    bootBlock("pfbare", 0, true);
    gotoPage(1);
    p.userCheck("BootLockChk", true);
    gotoPage(14);
    EXPECT_EQ(ticks("FuseBox1"), 0x00);
    EXPECT_EQ(ticks("LockBox0"), 0x00);
    EXPECT_TRUE(o()["LockGroup0"].visible);
    EXPECT_FALSE(o()["FuseGroup0"].visible);
    EXPECT_TRUE(o()["FuseGroup1"].visible);
}

TEST(FindBootFuseBitsTest, NamesAreExactAndTheLastPositionWins) {
    tCpuDesc cpu;
    cpu.Fuses0 = {"bootsz0", "", "", "BOOTRST", "", "", "", ""};
    cpu.Fuses1 = {"BOOTSZ1", "", "", "BOOTSZ0", "", "BOOTRST", "", ""};
    cpu.Fuses2 = {"", "", "", "BOOTSZ1", "", "", "", ""};
    cpu.LockBit0 = {"LB1", "BOOTLOCK11", "", "BOOTLOCK11", "", "", "", ""};
    const tBootFuseBits b = FindBootFuseBits(cpu);
    EXPECT_EQ(b.BOOTSZ1.box, 1); // position 0: the lower-case name does not count
    EXPECT_EQ(b.BOOTSZ1.bit, 0);
    EXPECT_EQ(b.BOOTRST.box, 1); // positions 3 (byte 0) and 5 (byte 1): 5 is found last
    EXPECT_EQ(b.BOOTRST.bit, 5);
    EXPECT_FALSE(b.BOOTSZ0.found()); // position 3 is taken by byte 0's BOOTRST
    EXPECT_EQ(b.BootLock, 1);

    const tBootFuseBits none = FindBootFuseBits(tCpuDesc{});
    EXPECT_FALSE(none.BOOTSZ0.found() || none.BOOTSZ1.found() || none.BOOTRST.found());
    EXPECT_EQ(none.BootLock, -1);
}

TEST_F(FusePageTest, BootFuseGroupAndHints) {
    open("pfmega", 1);
    p.userCheck("BootBlockChk", true);
    p.userSelect("ComboBoxBootArea", 1);
    p.userChoose("ResJmpBtn");
    gotoPage(14);
    EXPECT_TRUE(o()["BootFuseGroup"].visible); // "init only"
    EXPECT_TRUE(o()["BootRstLab"].visible);
    EXPECT_TRUE(o()["BootSZ0lab"].visible);
    EXPECT_FALSE(o()["BootSZ1lab"].visible);

    p.setBuilt(true);
    p.userSelect("FuseWrChk", 0);
    EXPECT_FALSE(o()["BootFuseGroup"].visible);
    EXPECT_FALSE(p.built());
    p.userSelect("FuseWrChk", 2);
    EXPECT_TRUE(o()["BootFuseGroup"].visible);

    gotoPage(1);
    p.userSelect("ComboBoxBootArea", 3);
    p.userChoose("ResJmpDefBtn");
    gotoPage(14);
    EXPECT_FALSE(o()["BootRstLab"].visible);
    EXPECT_TRUE(o()["BootSZ0lab"].visible);
    EXPECT_TRUE(o()["BootSZ1lab"].visible);
    gotoPage(1);
    p.userSelect("ComboBoxBootArea", 0);
    gotoPage(14);
    EXPECT_FALSE(o()["BootSZ0lab"].visible);
    EXPECT_FALSE(o()["BootSZ1lab"].visible);

    // The wizard sets the boot fuses itself: the hints stay as they are.
    gotoPage(1);
    p.userCheck("BootFusesChk", true);
    p.userSelect("ComboBoxBootArea", 3);
    gotoPage(14);
    EXPECT_FALSE(o()["BootSZ0lab"].visible);

    gotoPage(1);
    p.userCheck("BootBlockChk", false);
    gotoPage(14);
    EXPECT_FALSE(o()["BootFuseGroup"].visible);
}

TEST_F(FusePageTest, SupplyCurrentOffersTheVoltage) {
    open("pfmega", 14);
    p.setBuilt(true);
    p.userType("CurrentSpin", "0");
    EXPECT_EQ(p.derived().Current, 0);
    EXPECT_FALSE(o().enabled("VoltSpin"));
    EXPECT_FALSE(p.built());
    p.userType("CurrentSpin", "250");
    EXPECT_EQ(p.derived().Current, 250);
    EXPECT_TRUE(o().enabled("VoltSpin"));
}

TEST_F(FusePageTest, WriteOptionsFollowTheirEnableBox) {
    open("pfmega", 14);
    const OptName options[] = {"ProgFuseChk", "ProgLockChk", "ProgFlashChk", "progEEpromChk"};
    for (OptName opt : options)
        EXPECT_FALSE(o().enabled(opt)) << opt;
    p.userCheck("progOptsEnaChk", true);
    for (OptName opt : options)
        EXPECT_TRUE(o().enabled(opt)) << opt;
    p.setBuilt(true);
    p.userCheck("ProgLockChk", true);
    EXPECT_FALSE(p.built());
    EXPECT_TRUE(o().enabled("ProgLockChk"));
    p.userCheck("progOptsEnaChk", false);
    for (OptName opt : options)
        EXPECT_FALSE(o().enabled(opt)) << opt;
    EXPECT_TRUE(o().checked("ProgLockChk"));
}

} // namespace pramlet::test
