#include "generator/PortLines.h"

#include <gtest/gtest.h>

namespace pramlet::test {

using Lines = std::vector<std::string>;

TEST(BitStringTest, WritesBitSevenFirst) {
    EXPECT_EQ(BitString(85), "%01010101");
    EXPECT_EQ(BitString(0), "%00000000");
    EXPECT_EQ(BitString(0x80), "%10000000");
    EXPECT_EQ(BitString(3), "%00000011");
}

TEST(PortLineWriterTest, DirectionOnlyGivesOnlyTheDirectionLine) {
    TFramePort f("FramePortD");
    f.setDDRMask(0xFF);
    f.setPortMask(0xFF);
    f.VelGeneralGridPortsSelectCell(1, 1);
    f.VelGeneralGridPortsSelectCell(1, 2);
    Lines out;
    WritePortLines(f, out);
    EXPECT_EQ(out, (Lines{"  DDRD:= %00000011;"}));
}

TEST(PortLineWriterTest, ValueLineComesBeforeTheDirectionLine) {
    TFramePort f("FramePortB");
    f.setDDRMask(0xFF);
    f.setPortMask(0xFF);
    f.setPortStatus(0x01);
    f.setDDRStatus(0xF0);
    Lines out{"begin"};
    WritePortLines(f, out);
    EXPECT_EQ(out, (Lines{"begin", "  PortB:= %00000001;", "  DDRB:= %11110000;"}));
}

TEST(PortLineWriterTest, NothingForAnUnsetFrame) {
    TFramePort f("FramePortL");
    f.setDDRMask(0xFF);
    f.setPortMask(0xFF);
    Lines out;
    WritePortLines(f, out);
    EXPECT_TRUE(out.empty());
}

TEST(PortLineWriterTest, BitsOutsideTheMasksAreNeverWritten) {
    // Chosen for a controller with a wider port, then masked by the current one.
    TFramePort f("FramePortG");
    f.setDDRMask(0xFF);
    f.setPortMask(0xFF);
    f.setDDRStatus(0x81);
    f.setPortStatus(0x80);
    f.setDDRMask(0x1F);
    f.setPortMask(0x1F);
    EXPECT_EQ(f.DDRBits(), 0x01);
    EXPECT_EQ(f.PortBits(), 0x00);
    Lines out;
    WritePortLines(f, out);
    EXPECT_EQ(out, (Lines{"  DDRG:= %00000001;"}));
    // A port without direction register never writes a direction line.
    f.setDDRMask(0);
    out.clear();
    WritePortLines(f, out);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(f.Cell(1, 1), "4");
    // The chosen bits come back with the wider controller.
    f.setDDRMask(0xFF);
    f.setPortMask(0xFF);
    EXPECT_EQ(f.DDRBits(), 0x81);
    EXPECT_EQ(f.PortBits(), 0x80);
}

} // namespace pramlet::test
