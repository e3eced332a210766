#include "GeneratorFixture.h"

#include "config/SerialPorts.h"

namespace pramlet::test {
namespace {

using SerialEntriesTest = GeneratorTest;

struct Choice {
    OptName member;
    const char* text;
};

TEST_F(SerialEntriesTest, NothingImportedWritesNothing) {
    open("mega128g");
    EXPECT_EQ(only(WriteSerialEntries), Listing{});
}

TEST_F(SerialEntriesTest, Port1WithDtrAndBuffers) {
    open("mega128g");
    d().SerBaud[0] = 9600;
    d().RxBuffer[0] = 32;
    d().RxBuffData[0] = tRamPage::xData;
    d().TxBuffer[0] = 16;
    d().TxBuffData[0] = tRamPage::iData;
    o().setItemIndex("SerForm1Spin", 2);
    o().refill("DTR1PortSpin", {"No DTR", "PinA", "PinB", "PinD"});
    o().setItemIndex("DTR1PortSpin", 3);
    o().setValue("DTR1BitSpin", 5);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort        = 9600, ParEven;    {Baud, StopBits|Parity}",
                       "  RxBuffer       = 32, xData;", "  TxBuffer       = 16, iData;",
                       "  SerPortDTR     = PinD, 5, Negative;"}));

    // High enable; buffers of 0 drop only their own line; "No DTR" drops the DTR line.
    o().setChecked("DTR1enaChk", true);
    d().TxBuffer[0] = 0;
    d().RxBuffData[0] = tRamPage::iData;
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort        = 9600, ParEven;    {Baud, StopBits|Parity}",
                       "  RxBuffer       = 32, iData;", "  SerPortDTR     = PinD, 5, Positive;"}));
    d().RxBuffer[0] = 0;
    o().setItemIndex("DTR1PortSpin", 0);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort        = 9600, ParEven;    {Baud, StopBits|Parity}"}));

    // A port of baud rate 0 writes nothing, not even its buffers or DTR.
    d().SerBaud[0] = 0;
    d().RxBuffer[0] = 32;
    o().setItemIndex("DTR1PortSpin", 1);
    EXPECT_EQ(only(WriteSerialEntries), Listing{});
}

TEST_F(SerialEntriesTest, FourPortsWithTheirFrames) {
    open("mega256g");
    for (int n = 0; n < 4; ++n) {
        d().SerBaud[n] = 9600 * (n + 1);
        d().RxBuffer[n] = 8;
        d().TxBuffer[n] = 4;
        d().TxBuffData[n] = tRamPage::xData;
        o().setItemIndex(kSerFormSpin(n + 1), n);
        o().refill(kDTRPortSpin(n + 1), {"No DTR", "PinA"});
        o().setItemIndex(kDTRPortSpin(n + 1), 1);
        o().setValue(kDTRBitSpin(n + 1), n);
    }
    o().setChecked("DTR3enaChk", true);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort        = 9600, Stop1;    {Baud, StopBits|Parity}",
                       "  RxBuffer       = 8, iData;", "  TxBuffer       = 4, xData;",
                       "  SerPortDTR     = PinA, 0, Negative;",
                       "  SerPort2       = 19200, Stop2;    {Baud, StopBits|Parity}",
                       "  RxBuffer2      = 8, iData;", "  TxBuffer2      = 4, xData;",
                       "  SerPortDTR2    = PinA, 1, Negative;",
                       "  SerPort3       = 28800, ParEven;    {Baud, StopBits|Parity}",
                       "  RxBuffer3      = 8, iData;", "  TxBuffer3      = 4, xData;",
                       "  SerPortDTR3    = PinA, 2, Positive;",
                       "  SerPort4       = 38400, ParOdd;    {Baud, StopBits|Parity}",
                       "  RxBuffer4      = 8, iData;", "  TxBuffer4      = 4, xData;",
                       "  SerPortDTR4    = PinA, 3, Negative;"}));
}

TEST_F(SerialEntriesTest, PortsTheControllerLacksAndOpenChoices) {
    open("mega128g"); // two serial ports
    d().SerBaud = {0, 0, 4800, 4800};
    EXPECT_EQ(only(WriteSerialEntries), Listing{});

    // No frame chosen: no suffix. A DTR list that lost its choice counts as on "No DTR".
    d().SerBaud[1] = 4800;
    o().setItemIndex("SerForm2Spin", -1);
    o().refill("DTR2PortSpin", {"No DTR", "PinA"});
    o().setItemIndex("DTR2PortSpin", -1);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort2       = 4800;    {Baud, StopBits|Parity}"}));
}

TEST_F(SerialEntriesTest, IncrementalEncoderAndScanTimer) {
    open("mega128g");
    o().setChecked("IncrP4Chk", true);
    o().setItemIndex("IncrP4PortSpin", 1);
    o().setValue("IncrP4ChanSpin", 3);
    o().setValue("IncrP4ScanSpin", 25);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  IncrPort4      = PortB, 3, 16;", "  IncrScan4      = Timer1, 25;"}));

    o().choose("IncrP4LongChk");
    const Choice timers[] = {{"IncrP4Tmr3Chk", "Timer3, "},
                             {"IncrP4Tmr4Chk", "Timer4, "},
                             {"IncrP4Tmr5Chk", "Timer5, "}};
    for (const auto& [timer, text] : timers) {
        o().choose(timer);
        EXPECT_EQ(only(WriteSerialEntries),
                  (Listing{"  IncrPort4      = PortB, 3, 32;",
                           "  IncrScan4      = " + std::string(text) + "25;"}));
    }
}

TEST_F(SerialEntriesTest, SlipPorts) {
    open("mega256g");
    o().setChecked("SlipChk3", true);
    o().setValue("SlipBaud3", 19200);
    EXPECT_EQ(only(WriteSerialEntries), (Listing{"  SLIPport3      = 19200;"}));

    o().setChecked("SlipChk1", true);
    o().setChecked("SlipChk2", true);
    o().setChecked("SlipChk4", true);
    o().setValue("SlipBaud4", 115200);
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SLIPport1      = 9600;", "  SLIPport2      = 9600;",
                       "  SLIPport3      = 19200;", "  SLIPport4      = 115200;"}));
}

TEST_F(SerialEntriesTest, CanControllerOnlyWhenEnabledAndChecked) {
    open("can128g");
    o().setChecked("CANimpChk", true);
    o().setValue("CANrxPipeSpin", 8);
    o().setValue("CANtxPipeSpin", 4);
    o().setValue("CANbaudSpin", 125);
    o().setChecked("CANtimeStampChk", true);
    o().setEnabled("CANtimeStampChk", false); // no system time: no stamps
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  CAN_AVR        = 8, 4, iData;", "  CAN_AVRbaud    = CAN_Baud125;"}));

    o().setEnabled("CANtimeStampChk", true);
    EXPECT_EQ(only(WriteSerialEntries), (Listing{"  CAN_AVR        = 8, 4, iData, CAN_SysTime;",
                                                 "  CAN_AVRbaud    = CAN_Baud125;"}));

    o().setEnabled("CANimpChk", false); // a controller without CAN
    EXPECT_EQ(only(WriteSerialEntries), Listing{});
}

TEST_F(SerialEntriesTest, Dds10OnSpiAndOnAPort) {
    open("mega128g");
    o().setChecked("DSS10chk", true);
    const Listing spi = {"  SPIorder       = LSB;", "  SPIcpol        = 1;",
                         "  SPIcpha        = 1;",
                         "  SPIpresc       = 0;      // presc = 0..3 -> 4/16/64/128",
                         "  SPI_SS         = true;   // use SS pin as chipselect"};
    Listing onSpi = {"  DDS10port      = SPI;", "  DDS10Timer     = Timer1;",
                     "  DDS10Tables    = 2;"};
    onSpi.insert(onSpi.end(), spi.begin(), spi.end());
    EXPECT_EQ(only(WriteSerialEntries), onSpi);

    // A list that lost its choice (another controller loaded) counts as on its first item.
    o().setItemIndex("DDS10portSpin", -1);
    EXPECT_EQ(only(WriteSerialEntries), onSpi);

    o().setItemIndex("DDS10portSpin", 4); // PortD
    const Choice timers[] = {{"DDS10Tmr2Chk", "  DDS10Timer     = Timer2;"},
                             {"DDS10Tmr3Chk", "  DDS10Timer     = Timer3;"},
                             {"DDS10Tmr4Chk", "  DDS10Timer     = Timer4;"},
                             {"DDS10Tmr5Chk", "  DDS10Timer     = Timer5;"}};
    for (const auto& [timer, line] : timers) {
        o().choose(timer);
        EXPECT_EQ(only(WriteSerialEntries),
                  (Listing{"  DDS10port      = PortD;", line, "  DDS10Tables    = 2;"}));
    }
}

TEST_F(SerialEntriesTest, EntriesInTheirOrder) {
    open("can128g");
    o().setChecked("DSS10chk", true);
    o().setItemIndex("DDS10portSpin", 1);
    o().setChecked("CANimpChk", true);
    o().setChecked("SlipChk1", true);
    o().setChecked("IncrP4Chk", true);
    d().SerBaud[1] = 2400;
    EXPECT_EQ(only(WriteSerialEntries),
              (Listing{"  SerPort2       = 2400, Stop1;    {Baud, StopBits|Parity}",
                       "  IncrPort4      = PortA, 0, 16;", "  IncrScan4      = Timer1, 10;",
                       "  SLIPport1      = 9600;", "  CAN_AVR        = 16, 16, iData;",
                       "  CAN_AVRbaud    = CAN_Baud9600;", "  DDS10port      = PortA;",
                       "  DDS10Timer     = Timer1;", "  DDS10Tables    = 2;"}));
}

} // namespace
} // namespace pramlet::test
