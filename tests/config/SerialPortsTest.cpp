#include "PortFuseFixture.h"

#include "config/SerialPorts.h"
#include "tests/support/RecordingDialogs.h"

namespace pramlet::test {

TEST(BaudDivisorTest, RateWithinTolerance) {
    const tBaudDivisor r = BaudDivisor(16000, 9600); // 104.17 -> 104 - 1
    EXPECT_EQ(r.divisor, 103);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.ps, "067h");
    EXPECT_EQ(r.psh, "");
}

TEST(BaudDivisorTest, InexactRateIsReportedWithItsSign) {
    const tBaudDivisor r = BaudDivisor(16000, 115200); // 8.68 -> 9 - 1, 111111.1 baud
    EXPECT_EQ(r.divisor, 8);
    EXPECT_EQ(r.message, "Baudrate error : -3.680% too high");
    EXPECT_EQ(r.ps, "008h");
    EXPECT_EQ(r.psh, "");
}

TEST(BaudDivisorTest, ErrorOfExactlyTwoAndAHalfPercentPasses) {
    // 16 MHz / (16 * 10) = 100000 baud reached in every case below.
    EXPECT_EQ(BaudDivisor(16000, 97500).message, "");
    EXPECT_EQ(BaudDivisor(16000, 102500).message, "");
    EXPECT_EQ(BaudDivisor(16000, 97499).message, "Baudrate error : 2.501% too high");
    EXPECT_EQ(BaudDivisor(16000, 102501).message, "Baudrate error : -2.501% too high");
    EXPECT_EQ(BaudDivisor(16000, 102501).divisor, 9);
}

TEST(BaudDivisorTest, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(BaudDivisor(16000, 400000).divisor, 1); // 2.5 -> 2, minus 1
    EXPECT_EQ(BaudDivisor(14000, 250000).divisor, 3); // 3.5 -> 4
    EXPECT_EQ(BaudDivisor(12000, 500000).divisor, 1); // 1.5 -> 2
}

TEST(BaudDivisorTest, TooLowRateIsClampedToTwelveBits) {
    const tBaudDivisor r = BaudDivisor(1000, 1);
    EXPECT_EQ(r.divisor, 4095);
    EXPECT_EQ(r.message, "Baudrate is too low!!");
    EXPECT_EQ(r.ps, "0FFh");
    EXPECT_EQ(r.psh, "00Fh");
    // 16 MHz: 244 baud needs 4097, 245 baud 4081.
    EXPECT_EQ(BaudDivisor(16000, 244).message, "Baudrate is too low!!");
    EXPECT_EQ(BaudDivisor(16000, 245).divisor, 4081);
    EXPECT_EQ(BaudDivisor(16000, 245).message, "");
}

TEST(BaudDivisorTest, LargestDivisorsAndTheHighByte) {
    // 16 MHz / 16 / 3906.25 = 256 -> divisor 255, still one byte.
    EXPECT_EQ(BaudDivisor(16000, 3906).divisor, 255);
    EXPECT_EQ(BaudDivisor(16000, 3906).psh, "");
    const tBaudDivisor r = BaudDivisor(16000, 300); // 3333.3 -> 3332 = 0D04h
    EXPECT_EQ(r.divisor, 3332);
    EXPECT_EQ(r.ps, "004h");
    EXPECT_EQ(r.psh, "00Dh");
    EXPECT_EQ(r.message, "");
}

TEST(BaudDivisorTest, TooHighRateGivesZero) {
    // An eighth of the clock: the quotient 0.5 rounds to 0.
    for (int baud : {2000000, 4000000}) {
        const tBaudDivisor r = BaudDivisor(16000, baud);
        EXPECT_EQ(r.divisor, 0) << baud;
        EXPECT_EQ(r.message, "Baudrate is too high!!") << baud;
        EXPECT_EQ(r.ps, "000h");
        EXPECT_EQ(r.psh, "");
    }
    EXPECT_EQ(BaudDivisor(16000, 1999999).message, "Baudrate error : -100.000% too high");
    // No rate at all is no reachable rate either.
    for (int baud : {0, -9600}) {
        const tBaudDivisor r = BaudDivisor(16000, baud);
        EXPECT_EQ(r.divisor, 0) << baud;
        EXPECT_EQ(r.message, "Baudrate is too high!!") << baud;
        EXPECT_EQ(r.ps, "000h");
    }
}

using CalcBaudDivisorTest = PortFuseFixture;

TEST_F(CalcBaudDivisorTest, ShowsTheWarningWithIgnoreAndKeepsTheDivisor) {
    open("pfmega", 1);
    p.opts().setValue("FreqSpin", 16000);
    p.opts().setValue("BootBaudSpin", 115200);
    p.derived().psh = "stale";
    CalcBaudDivisor(p);
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0],
              (RecordingDialogs::Entry{"error", "Baudrate error : -3.680% too high", "Ignore"}));
    EXPECT_EQ(p.derived().ps, "008h");
    EXPECT_EQ(p.derived().psh, "");

    dialogs.entries.clear();
    p.opts().setValue("BootBaudSpin", 300);
    CalcBaudDivisor(p);
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_EQ(p.derived().ps, "004h");
    EXPECT_EQ(p.derived().psh, "00Dh");
}

class SerialPortRuleTest : public PortFuseFixture {
  protected:
    // The options of port 1 that follow the baud rate.
    const std::vector<OptName> kFollowers = {"RxBuf1Spin", "TxBuf1Spin",   "Rx1iDatChk",
                                             "Tx1iDatChk", "SerForm1Spin", "DTR1PortSpin"};
};

TEST_F(SerialPortRuleTest, PortWithoutBaudRateOffersOnlyRateAndSlip) {
    open("pfmega", 2);
    Options& opts = p.opts();
    opts.setValue("Baud1Spin", 9600);
    SerialPortRule(p, 0);
    opts.setItemIndex("DTR1PortSpin", 2);
    SerialPortRule(p, 0);
    EXPECT_TRUE(opts.enabled("DTR1BitSpin"));
    EXPECT_TRUE(opts.enabled("DTR1enaChk"));

    opts.setText("Baud1Spin", "None");
    SerialPortRule(p, 0);
    EXPECT_TRUE(opts.enabled("Baud1Spin"));
    EXPECT_TRUE(opts.enabled("SlipChk1"));
    for (OptName n : kFollowers)
        EXPECT_FALSE(opts.enabled(n)) << n;
    for (OptName n : OptNames{"Rx1xDatChk", "Tx1xDatChk", "DTR1BitSpin", "DTR1enaChk"})
        EXPECT_FALSE(opts.enabled(n)) << n;
    EXPECT_EQ(opts.itemIndex("DTR1PortSpin"), 0);
    EXPECT_EQ(opts.text("DTR1PortSpin"), "No DTR");
}

TEST_F(SerialPortRuleTest, MissingPortIsLockedWhateverItsRate) {
    open("pfmega", 2);
    Options& opts = p.opts();
    opts.setValue("Baud3Spin", 9600);
    opts.setItemIndex("DTR3PortSpin", 1);
    SerialPortRule(p, 2);
    EXPECT_FALSE(opts.enabled("Baud3Spin"));
    EXPECT_FALSE(opts.enabled("SlipChk3"));
    for (OptName n :
         OptNames{"RxBuf3Spin", "TxBuf3Spin", "Rx3iDatChk", "Rx3xDatChk", "Tx3iDatChk",
                  "Tx3xDatChk", "SerForm3Spin", "DTR3PortSpin", "DTR3BitSpin", "DTR3enaChk"})
        EXPECT_FALSE(opts.enabled(n)) << n;
    EXPECT_EQ(opts.itemIndex("DTR3PortSpin"), 0);
    EXPECT_EQ(opts.value("Baud3Spin"), 9600);
}

TEST_F(SerialPortRuleTest, WithoutExternalRamBuffersGoToIData) {
    open("pfmega", 2);
    Options& opts = p.opts();
    opts.choose("Rx2xDatChk");
    opts.choose("Tx2xDatChk");
    opts.setValue("Baud2Spin", 19200);
    SerialPortRule(p, 1);
    EXPECT_TRUE(opts.checked("Rx2iDatChk"));
    EXPECT_TRUE(opts.checked("Tx2iDatChk"));
    EXPECT_FALSE(opts.enabled("Rx2xDatChk"));
    EXPECT_FALSE(opts.enabled("Tx2xDatChk"));
    EXPECT_FALSE(opts.enabled("DTR2BitSpin")); // "No DTR"
    EXPECT_EQ(opts["DTR2PortSpin"].items,
              (std::vector<std::string>{"No DTR", "PinA", "PinB", "PinC", "PinD", "PinE", "PinF",
                                        "PinG", "PinH", "PinJ", "PinK", "PinL"}));
}

TEST_F(SerialPortRuleTest, ExternalRamOffersXDataAndHidesPinC) {
    open("pfmega", 0);
    enter("RamSpin", "4096");
    gotoPage(2);
    Options& opts = p.opts();
    opts.setValue("Baud1Spin", 9600);
    SerialPortRule(p, 0);
    opts.setItemIndex("DTR1PortSpin", 3); // PinD
    opts.choose("Rx1xDatChk");
    SerialPortRule(p, 0);
    EXPECT_TRUE(opts.enabled("Rx1xDatChk"));
    EXPECT_TRUE(opts.enabled("Tx1xDatChk"));
    EXPECT_TRUE(opts.checked("Rx1xDatChk"));
    EXPECT_EQ(opts["DTR1PortSpin"].items,
              (std::vector<std::string>{"No DTR", "PinA", "PinB", "PinD", "PinE", "PinF", "PinG",
                                        "PinH", "PinJ", "PinK", "PinL"}));
    EXPECT_EQ(opts.text("DTR1PortSpin"), "PinD");
    EXPECT_TRUE(opts.enabled("DTR1BitSpin"));
}

TEST_F(SerialPortRuleTest, ShortDtrListLosesASelectionBeyondItsEnd) {
    open("pfmega", 2);
    Options& opts = p.opts();
    opts.setValue("Baud1Spin", 9600);
    SerialPortRule(p, 0);
    opts.setItemIndex("DTR1PortSpin", 11); // PinL
    gotoPage(0);
    select("pftiny"); // pins B and D only
    gotoPage(2);
    SerialPortRule(p, 0);
    EXPECT_EQ(opts["DTR1PortSpin"].items, (std::vector<std::string>{"No DTR", "PinB", "PinD"}));
    EXPECT_EQ(opts.itemIndex("DTR1PortSpin"), -1);
    EXPECT_FALSE(opts.enabled("DTR1BitSpin"));
}

} // namespace pramlet::test
