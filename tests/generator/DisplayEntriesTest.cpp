#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using DisplayEntriesTest = GeneratorTest;

struct MemberLine {
    OptName member;
    const char* line;
};

TEST_F(DisplayEntriesTest, NothingImportedWritesNothing) {
    open("mega640g");
    EXPECT_EQ(only(WriteDisplayEntries), Listing{});
}

// The LCD's port, rows and columns are what the soft driver page keeps.
TEST_F(DisplayEntriesTest, CharacterLcdControllerTypes) {
    open("mega640g");
    o().choose("LCDcChk");
    d().LCDport = PortC;
    d().LCDrows = 2;
    d().LCDcols = 20;
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  LCDport        = PortC;", "  LCDtype        = 44780;",
                       "  LCDrows        = 2;              {rows}",
                       "  LCDcolumns     = 20;             {columns per line}"}));
    const MemberLine types[] = {{"LCD66712", "  LCDtype        = 66712;"},
                                {"LCD0073", "  LCDtype        = 0073;"},
                                {"LCD0070", "  LCDtype        = 0070;"}};
    for (const auto& [member, line] : types) {
        o().choose(member);
        EXPECT_EQ(only(WriteDisplayEntries).at(1), line);
    }
}

TEST_F(DisplayEntriesTest, CharacterLcdWithTwoEnablesOnPortL) {
    open("mega640g");
    d().LCDport = PortL;
    d().LCDrows = 4;
    d().LCDcols = 16;
    o().setChecked("LCD2Ena", true);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  LCDport        = PortL;", "  LCDtype        = 44780;",
                       "  LCDrows        = 4, 2;           {rows, enables}",
                       "  LCDcolumns     = 16;             {columns per line}"}));
}

TEST_F(DisplayEntriesTest, LcdOnASerialBus) {
    open("mega640g");
    o().setChecked("LCDmultiSPIchk", true);
    o().setValue("LCDmultiRowSel", 2);
    o().setValue("LCDmultiColSel", 16);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  LCDmultiPort    = SPI;           // SPI_Soft, PortB, 1, 2, 3, 0",
                       "  LCDrows_M       = 2;             {rows}",
                       "  LCDcolumns_M    = 16;             {columns per line}",
                       "  LCDtype_M       = 44780;"}));

    // The I2C bus wins when both are checked: the hardware TWI without a software I2C port.
    o().setChecked("LCDmultiTWIchk", true);
    EXPECT_EQ(only(WriteDisplayEntries).at(0), "  LCDmultiPort    = I2C_TWI;");
    o().setChecked("LCDmultiSPIchk", false);
    o().choose("I2CdChk");
    EXPECT_EQ(only(WriteDisplayEntries).at(0), "  LCDmultiPort    = I2C_Soft;");

    const MemberLine types[] = {{"LCDM66712", "  LCDtype_M       = 66712;"},
                                {"LCDM0073", "  LCDtype_M       = 0073;"},
                                {"LCDM0070", "  LCDtype_M       = 0070;"},
                                {"LCDM44780", "  LCDtype_M       = 44780;"}};
    for (const auto& [member, line] : types) {
        o().choose(member);
        EXPECT_EQ(only(WriteDisplayEntries).at(3), line);
    }
}

TEST_F(DisplayEntriesTest, LinePrinterByItsChoice) {
    open("mega640g");
    o().setValue("LPTadrSpin", 3);
    o().choose("LPTI2CChk");
    EXPECT_EQ(only(WriteDisplayEntries), Listing{"  LPTport        = Soft_I2C, 3;"});
    o().choose("LPTTWIChk");
    EXPECT_EQ(only(WriteDisplayEntries),
              Listing{"  LPTport        = TWI_I2C, 3;   // Soft_I2C, addr"});
    o().choose("LPTportChk");
    o().refill("LPTdatSpin", {"PortA", "PortB", "PortC"});
    o().setItemIndex("LPTdatSpin", 2);
    o().refill("LPTctrlSpin", {"PortA", "PortB", "PortC"});
    o().setItemIndex("LPTctrlSpin", 1);
    EXPECT_EQ(only(WriteDisplayEntries),
              Listing{"  LPTport        = PortC, PortB;  // data port, control port"});
    o().choose("LPTnoneChk");
    EXPECT_EQ(only(WriteDisplayEntries), Listing{});
}

TEST_F(DisplayEntriesTest, I2cExpanderPortList) {
    open("mega640g");
    o().setChecked("I2CexpChk", true);
    EXPECT_EQ(only(WriteDisplayEntries), (Listing{"  I2Cexpand      = I2C_TWI, $38;",
                                                  "  I2CexpPorts    = Port0; // I2Cexpand ports"}));
    o().setChecked("Port3chk", true);
    o().setChecked("Port0chk", true);
    EXPECT_EQ(only(WriteDisplayEntries).at(1),
              "  I2CexpPorts    = Port0, Port3; // I2Cexpand ports");
    o().setChecked("Port0chk", false);
    o().setChecked("Port7chk", true);
    o().choose("I2CbChk");
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  I2Cexpand      = I2C_Soft, $38;",
                       "  I2CexpPorts    = Port3, Port7; // I2Cexpand ports"}));
}

TEST_F(DisplayEntriesTest, I2cSegmentDisplayDigitGroups) {
    open("mega640g");
    o().setChecked("I2C_7segChk", true);
    o().setValue("I2C_7segSpin1", 4);
    o().setValue("I2C_7segSpin2", 4);
    o().setValue("I2C_7segSpin3", 4);
    o().setValue("I2C_7segSpin4", 2);
    // As the page rules leave them for 4 + 4 + 4 + 2 digits.
    o().setEnabled("I2C_7segSpin3", true);
    o().setEnabled("I2C_7segSpin4", true);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  I2C_Disp7      = I2C_TWI, iData;", "  I2C_7sDig1     = 4;",
                       "  I2C_7sDig2     = 4;", "  I2C_7sDig3     = 4;", "  I2C_7sDig4     = 2;"}));

    // Displays 3 and 4 count only while enabled; 1 and 2 only when above 0.
    o().setEnabled("I2C_7segSpin3", false);
    o().setValue("I2C_7segSpin1", 0);
    o().choose("I2CeChk");
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  I2C_Disp7      = I2C_Soft, iData;", "  I2C_7sDig2     = 4;",
                       "  I2C_7sDig4     = 2;"}));
    o().setEnabled("I2C_7segSpin4", false);
    o().setEnabled("I2C_7segSpin3", true);
    o().setValue("I2C_7segSpin3", 0);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  I2C_Disp7      = I2C_Soft, iData;", "  I2C_7sDig2     = 4;"}));
}

TEST_F(DisplayEntriesTest, SevenSegmentDisplayOnAPort) {
    open("mega640g");
    d().Disp7sPort = PortB;
    o().setValue("Disp7SizeSpin", 8);
    o().choose("ShiftRD7Chk");
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  Disp7sPort     = PortB, Mux, 0;  {multiplexed, Portbit}",
                       "  DispMode       = ShiftRight;", "  DispDigits  = 8, iData;"}));

    o().choose("NonMuxD7Chk");
    o().choose("ShiftLD7Chk");
    o().setChecked("DspBlankChk", false);
    o().setBounds("Disp7StartSpin", 0, 5); // as the page rules bound it without mux and blank
    o().setValue("Disp7StartSpin", 5);
    o().choose("Disp7xDatChk");
    o().setValue("Disp7SizeSpin", 16);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  Disp7sPort     = PortB, nonMux, 5; {not multiplexed, Portbit}",
                       "  DispMode       = ShiftLeft, noBlank;", "  DispDigits  = 16, xData;"}));
    o().choose("WrapD7Chk");
    EXPECT_EQ(only(WriteDisplayEntries).at(1), "  DispMode       = Wrap, noBlank;");
}

TEST_F(DisplayEntriesTest, FourteenSegmentDisplayFrom17On) {
    open("mega640g");
    d().Disp7sPort = PortK;
    o().setValue("Disp7SizeSpin", 17);
    o().setValue("Disp7StartSpin", 2);
    EXPECT_EQ(only(WriteDisplayEntries),
              (Listing{"  Disp14sPort    = PortK, 2; {Port, Portbit}", "  Disp14Mode     = Wrap;",
                       "  Disp14Digits   = 1, iData;"}));
    o().choose("NonMuxD7Chk"); // no multiplex word, whatever the members hold
    o().setValue("Disp7SizeSpin", 24);
    EXPECT_EQ(only(WriteDisplayEntries).at(0), "  Disp14sPort    = PortK, 2; {Port, Portbit}");
    EXPECT_EQ(only(WriteDisplayEntries).at(2), "  Disp14Digits   = 8, iData;");
}

TEST_F(DisplayEntriesTest, EntriesInTheirOrder) {
    open("mega640g");
    d().Disp7sPort = PortD;
    o().setValue("Disp7SizeSpin", 4);
    o().setChecked("I2C_7segChk", true);
    o().setChecked("I2CexpChk", true);
    o().choose("LPTI2CChk");
    o().setChecked("LCDmultiSPIchk", true);
    d().LCDport = PortA;
    d().LCDrows = 1;
    d().LCDcols = 8;
    const Listing l = only(WriteDisplayEntries);
    ASSERT_EQ(l.size(), 4u + 4u + 1u + 2u + 2u + 3u);
    EXPECT_EQ(l[0], "  LCDport        = PortA;");
    EXPECT_EQ(l[4], "  LCDmultiPort    = SPI;           // SPI_Soft, PortB, 1, 2, 3, 0");
    EXPECT_EQ(l[8], "  LPTport        = Soft_I2C, 0;");
    EXPECT_EQ(l[9], "  I2Cexpand      = I2C_TWI, $38;");
    EXPECT_EQ(l[11], "  I2C_Disp7      = I2C_TWI, iData;");
    EXPECT_EQ(l[13], "  Disp7sPort     = PortD, Mux, 0;  {multiplexed, Portbit}");
}

} // namespace
} // namespace pramlet::test
