#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using SPIEntriesTest = GeneratorTest;

TEST_F(SPIEntriesTest, NothingImportedWritesNothing) {
    open("mega640g");
    EXPECT_EQ(only(WriteSPIEntries), Listing{});
}

TEST_F(SPIEntriesTest, HardwareDriverBothWays) {
    open("mega640g");
    o().setChecked("SPIDrvChk", true);
    o().setValue("SPIdrvPrescChk", 2);
    o().setChecked("UseSSpinChk", false);
    EXPECT_EQ(only(WriteSPIEntries),
              (Listing{"  SPIpresc       = 2;", "  SPIOrder       = LSB;", "  SPICPOL        = 0;",
                       "  SPICPHA        = 0;", "  SPI_SS         = false;"}));
    o().setChecked("SPIDrvMSBchk", true);
    o().setChecked("SPIDRVcpolChk", true);
    o().setChecked("UseSSpinChk", true);
    EXPECT_EQ(only(WriteSPIEntries),
              (Listing{"  SPIpresc       = 2;", "  SPIOrder       = MSB;", "  SPICPOL        = 1;",
                       "  SPICPHA        = 0;", "  SPI_SS         = true;"}));
    // Polarity and phase each follow their own box.
    o().setChecked("SPIDRVcpolChk", false);
    o().setChecked("SPIDRVcPhaseAChk", true);
    const Listing l = only(WriteSPIEntries);
    EXPECT_EQ(l.at(2), "  SPICPOL        = 0;");
    EXPECT_EQ(l.at(3), "  SPICPHA        = 1;");
}

TEST_F(SPIEntriesTest, OnlyTheThirdMasterSPI) {
    open("mega640g");
    o().setChecked("MSPIchk2", true);
    o().setValue("MSPIpresc2", 200);
    o().setChecked("MSPICpha2", true);
    EXPECT_EQ(only(WriteSPIEntries), (Listing{"  MSPIpresc2     = 200;", "  MSPIOrder2     = LSB;",
                                              "  MSPIcpol2      = 0;", "  MSPIcpha2      = 1;"}));
}

TEST_F(SPIEntriesTest, MasterSPIPortsInTheirOrderEachWithItsOwnKeys) {
    open("mega640g");
    o().setChecked("MSPIchk1", true);
    o().setChecked("MSPImsb1", true);
    o().setChecked("MSPICpol1", true);
    o().setChecked("MSPIchk0", true);
    o().setValue("MSPIpresc0", 0);
    o().setChecked("MSPImsb2", true); // port 2 not imported: its boxes write nothing
    EXPECT_EQ(only(WriteSPIEntries),
              (Listing{"  MSPIpresc0     = 0;", "  MSPIOrder0     = LSB;", "  MSPIcpol0      = 0;",
                       "  MSPIcpha0      = 0;", "  MSPIpresc1     = 1;", "  MSPIOrder1     = MSB;",
                       "  MSPIcpol1      = 1;", "  MSPIcpha1      = 0;"}));
}

TEST_F(SPIEntriesTest, SoftDriversNameFourConsecutiveBits) {
    open("mega640g");
    o().refill("SoftSPIportSpin1", {"PortA", "PortB", "PortC"});
    o().setItemIndex("SoftSPIportSpin1", 1);
    o().setChecked("SPIsoftDrvChk1", true);
    o().setValue("SoftSPIbitSpin1", 4);
    EXPECT_EQ(
        only(WriteSPIEntries),
        (Listing{"  SPIdriver1     = PortB, 4, 5, 6, 7;  // SCK, MOSI, MISO, SS",
                 "  SPIorder1      = LSB;", "  SPIcPHA1       = 0;", "  SPIcPol1       = 0;"}));

    // Bit 5 names bits past 7: the first bit alone is bounded by the page.
    o().setValue("SoftSPIbitSpin1", 5);
    o().setChecked("SPIsoftMSBchk1", true);
    o().setChecked("SPIsoftCLKchk1", true);
    EXPECT_EQ(
        only(WriteSPIEntries),
        (Listing{"  SPIdriver1     = PortB, 5, 6, 7, 8;  // SCK, MOSI, MISO, SS",
                 "  SPIorder1      = MSB;", "  SPIcPHA1       = 0;", "  SPIcPol1       = 1;"}));
}

TEST_F(SPIEntriesTest, SecondSoftDriverWritesPhaseBeforePolarity) {
    open("mega640g");
    o().refill("SoftSPIportSpin2", {"PortA", "PortB", "PortL"});
    o().setItemIndex("SoftSPIportSpin2", 2);
    o().setChecked("SPIsoftDrvChk2", true);
    o().setChecked("SPIsoftPHAchk2", true);
    EXPECT_EQ(
        only(WriteSPIEntries),
        (Listing{"  SPIdriver2     = PortL, 0, 1, 2, 3;  // SCK, MOSI, MISO, SS",
                 "  SPIorder2      = LSB;", "  SPIcPHA2       = 1;", "  SPIcPol2       = 0;"}));
    // A port list that lost its choice names its first port, never an empty port.
    o().setItemIndex("SoftSPIportSpin2", -1);
    EXPECT_EQ(only(WriteSPIEntries).at(0),
              "  SPIdriver2     = PortA, 0, 1, 2, 3;  // SCK, MOSI, MISO, SS");
}

TEST_F(SPIEntriesTest, TickTimerNamesTheChosenTimer) {
    open("mega640g");
    o().setChecked("TickTimerChk", true);
    EXPECT_EQ(only(WriteSPIEntries), Listing{"  TickTimer      = Timer1;"});
    o().setChecked("TickTimerPinOutChk", true);
    EXPECT_EQ(only(WriteSPIEntries), Listing{"  TickTimer      = Timer1, pinout;"});
    o().setChecked("TickTimerPinOutChk", false);
    o().choose("TickTimer3Chk");
    EXPECT_EQ(only(WriteSPIEntries), Listing{"  TickTimer      = Timer3;"});
    // The page offers timers 4 and 5 on a controller that has them; the entry names them.
    o().choose("TickTimer4Chk");
    EXPECT_EQ(only(WriteSPIEntries), Listing{"  TickTimer      = Timer4;"});
    o().choose("TickTimer5Chk");
    o().setChecked("TickTimerPinOutChk", true);
    EXPECT_EQ(only(WriteSPIEntries), Listing{"  TickTimer      = Timer5, pinout;"});
    o().setChecked("TickTimerChk", false);
    EXPECT_EQ(only(WriteSPIEntries), Listing{});
}

TEST_F(SPIEntriesTest, EntriesInTheirOrder) {
    open("mega640g");
    o().setChecked("TickTimerChk", true);
    o().refill("SoftSPIportSpin1", {"PortC"});
    o().setItemIndex("SoftSPIportSpin1", 0);
    o().refill("SoftSPIportSpin2", {"PortD"});
    o().setItemIndex("SoftSPIportSpin2", 0);
    o().setChecked("SPIsoftDrvChk2", true);
    o().setChecked("SPIsoftDrvChk1", true);
    o().setChecked("MSPIchk0", true);
    o().setChecked("SPIDrvChk", true);
    const Listing l = only(WriteSPIEntries);
    ASSERT_EQ(l.size(), 5u + 4u + 4u + 4u + 1u);
    EXPECT_EQ(l[0], "  SPIpresc       = 0;");
    EXPECT_EQ(l[5], "  MSPIpresc0     = 1;");
    EXPECT_EQ(l[9], "  SPIdriver1     = PortC, 0, 1, 2, 3;  // SCK, MOSI, MISO, SS");
    EXPECT_EQ(l[13], "  SPIdriver2     = PortD, 0, 1, 2, 3;  // SCK, MOSI, MISO, SS");
    EXPECT_EQ(l[17], "  TickTimer      = Timer1;");
}

} // namespace
} // namespace pramlet::test
