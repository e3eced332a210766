#include "PortFuseGeneratorFixture.h"

namespace pramlet::test {
namespace {

using InitPortsTest = PortFuseGeneratorTest;

const char* const kBanner = "{--------------------------------------------------------------}";

// The main program from its banner on, without ports, watchdog or multitasking.
Listing plainMain(const std::string& name) {
    return {kBanner,
            "{ Main Program }",
            "{$IDATA}",
            "",
            "begin",
            "",
            "",
            "  EnableInts;",
            "  loop",
            "",
            "",
            "  endloop;",
            "end " + name + ".",
            ""};
}

// Clicks the given direction and value bits of a frame and leaves it, as a user would.
void setFrame(Project& p, char port, std::uint8_t ddr, std::uint8_t value) {
    TFramePort& f = p.frame(PortOrdinal(port));
    for (int bit = 0; bit < 8; ++bit) {
        if ((ddr >> bit) & 1) f.VelGeneralGridPortsSelectCell(1, bit + 1);
        if ((value >> bit) & 1) f.VelGeneralGridPortsSelectCell(2, bit + 1);
    }
    p.userLeave(OptName::lookup(f.Name()));
}

TEST_F(InitPortsTest, MainProgramWithoutPortsWatchdogOrTasks) {
    openWith("pfmega", [] {});
    p.setAppName("Blinky");
    d().WatchDog = -1;
    Listing expected = {"", ""};
    for (const std::string& line : plainMain("Blinky"))
        expected.push_back(line);
    EXPECT_EQ(only(WriteInitPortsAndMain), expected);
}

TEST_F(InitPortsTest, OnlyTheDirectionOfPortK) {
    openWith("pfmega", [] {});
    p.prev();
    p.prev();
    p.prev(); // page 12
    setFrame(p, 'K', 0x03, 0x00);
    ASSERT_TRUE(d().DDRUsed[PortOrdinal('K') - 1]);
    d().WatchDog = -1;
    const Listing expected = {"procedure InitPorts;",
                              "begin",
                              "  DDRK:= %00000011;",
                              "end InitPorts;",
                              "",
                              "",
                              kBanner,
                              "{ Main Program }",
                              "{$IDATA}",
                              "",
                              "begin",
                              "  InitPorts;",
                              "",
                              "",
                              "  EnableInts;",
                              "  loop",
                              "",
                              "",
                              "  endloop;",
                              "end Demo.",
                              ""};
    EXPECT_EQ(only(WriteInitPortsAndMain), expected);
}

TEST_F(InitPortsTest, PortsInLetterOrder) {
    openWith("pfmega", [] {});
    p.prev(); // page 14
    p.prev(); // page 13
    setFrame(p, 'L', 0x80, 0x01);
    p.prev(); // page 12: frames shown as F, J, H, G, K
    setFrame(p, 'J', 0x00, 0x10);
    setFrame(p, 'G', 0x1F, 0x00);
    p.prev(); // page 11
    setFrame(p, 'D', 0x03, 0x00);
    setFrame(p, 'B', 0x00, 0x01);
    const Listing expected = {
        "procedure InitPorts;", "begin",
        "  PortB:= %00000001;", "  DDRD:= %00000011;",
        "  DDRG:= %00011111;",  "  PortJ:= %00010000;",
        "  PortL:= %00000001;", "  DDRL:= %10000000;",
        "end InitPorts;",
    };
    const Listing out = only(WriteInitPortsAndMain);
    EXPECT_EQ(Listing(out.begin(), out.begin() + static_cast<long>(expected.size())), expected);
}

TEST_F(InitPortsTest, PortsOfAnEarlierControllerAreLeftOut) {
    openWith("pfmega", [] {});
    p.prev();
    p.prev();
    p.prev(); // page 12
    setFrame(p, 'K', 0x0F, 0x00);
    while (p.page() > 0)
        p.prev();
    openWith("pftiny", [] {}); // no port K; the pages are walked again
    Listing out = only(WriteInitPortsAndMain);
    EXPECT_EQ(find(out, "procedure InitPorts;"), -1);
    EXPECT_EQ(find(out, "  InitPorts;"), -1);

    p.prev();
    p.prev();
    p.prev();
    p.prev(); // page 11
    setFrame(p, 'B', 0x00, 0x09);
    out = only(WriteInitPortsAndMain);
    const Listing expected = {"procedure InitPorts;", "begin", "  PortB:= %00001001;",
                              "end InitPorts;"};
    EXPECT_EQ(Listing(out.begin(), out.begin() + 4), expected);
}

TEST_F(InitPortsTest, WatchdogAndMultitaskingLines) {
    openWith("pfmega", [] {});
    d().WatchDog = 0;
    d().Tasks = true;
    d().Processes = false;
    const Listing expected = {"",
                              "",
                              kBanner,
                              "{ Main Program }",
                              "{$IDATA}",
                              "",
                              "begin",
                              "",
                              "//  WatchDogStart;",
                              "",
                              "  Start_Processes;",
                              "  loop",
                              "",
                              "//  WatchDogTrig;",
                              "",
                              "  endloop;",
                              "end Demo.",
                              ""};
    EXPECT_EQ(only(WriteInitPortsAndMain), expected);

    d().Tasks = false;
    d().Processes = true;
    EXPECT_TRUE(contains(only(WriteInitPortsAndMain), "  Start_Processes;"));
    d().Processes = false;
    d().WatchDog = -1;
    const Listing out = only(WriteInitPortsAndMain);
    EXPECT_TRUE(contains(out, "  EnableInts;"));
    EXPECT_EQ(find(out, "//  WatchDog"), -1);
    EXPECT_EQ(out.size(), expected.size() - 2);
}

TEST_F(InitPortsTest, BuildEndsWithTheApplicationName) {
    openWith("pfmega", [] {});
    o().setText("AppNameEdit", "Blinky");
    const Listing& out = build();
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[out.size() - 2], "end Blinky.");
    EXPECT_EQ(out.back(), "");
    EXPECT_TRUE(p.built());
}

} // namespace
} // namespace pramlet::test
