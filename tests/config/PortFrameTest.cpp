#include "config/PortFrame.h"

#include <gtest/gtest.h>

namespace pramlet::test {

using Lines = std::vector<std::string>;

TEST(PortFrameTest, FramesKnowTheirLetterWithoutPortI) {
    TPortFrames frames = makePortFrames();
    std::string letters;
    for (const TFramePort& f : frames)
        letters += f.PortLetter();
    EXPECT_EQ(letters, "ABCDEFGHJKL");
    EXPECT_EQ(frames[9].Name(), "FramePortK");
}

TEST(PortFrameTest, CellsOfAFourPinPort) {
    TFramePort f("FramePortB");
    f.setPortMask(15);
    f.setDDRMask(15);
    f.setDDRStatus(0x02);
    f.setPortStatus(0x08);
    for (int col = 0; col < 3; ++col)
        EXPECT_EQ(f.Cell(col, 0), "") << "title row, column " << col;
    Lines bits, dirs, vals;
    for (int row = 1; row <= 8; ++row) {
        bits.push_back(f.Cell(0, row));
        dirs.push_back(f.Cell(1, row));
        vals.push_back(f.Cell(2, row));
    }
    EXPECT_EQ(bits, (Lines{"0", "1", "2", "3", "", "", "", ""}));
    EXPECT_EQ(dirs, (Lines{"0", "1", "0", "0", "4", "4", "4", "4"}));
    EXPECT_EQ(vals, (Lines{"2", "2", "2", "3", "4", "4", "4", "4"}));
}

TEST(PortFrameTest, BitNumberShownWhenEitherMaskHasIt) {
    TFramePort f("FramePortE");
    f.setPortMask(0x01);
    f.setDDRMask(0x00);
    EXPECT_EQ(f.Cell(0, 1), "0");
    EXPECT_EQ(f.Cell(1, 1), "4");
    EXPECT_EQ(f.Cell(2, 1), "2");
    EXPECT_EQ(f.Cell(0, 2), "");
}

TEST(PortFrameTest, ClicksToggleOnlyInsideTheMask) {
    TFramePort f("FramePortB");
    f.setPortMask(15);
    f.setDDRMask(15);
    EXPECT_TRUE(f.VelGeneralGridPortsSelectCell(1, 1));
    EXPECT_EQ(f.DDRStatus(), 0x01);
    EXPECT_TRUE(f.VelGeneralGridPortsSelectCell(2, 4));
    EXPECT_EQ(f.PortStatus(), 0x08);
    EXPECT_TRUE(f.VelGeneralGridPortsSelectCell(1, 1)); // each selection inverts once
    EXPECT_EQ(f.DDRStatus(), 0x00);

    // Rows 5..8 lie outside the mask; column 0, the title row and cells off the grid are
    // never toggles.
    for (int row = 5; row <= 8; ++row) {
        EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(1, row));
        EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(2, row));
    }
    EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(0, 2));
    EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(1, 0));
    EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(2, 9));
    EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(3, 1));
    EXPECT_FALSE(f.VelGeneralGridPortsSelectCell(-1, 1));
    EXPECT_EQ(f.DDRStatus(), 0x00);
    EXPECT_EQ(f.PortStatus(), 0x08);
}

} // namespace pramlet::test
