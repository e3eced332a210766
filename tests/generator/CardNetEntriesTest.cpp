#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using CardNetEntriesTest = GeneratorTest;

TEST_F(CardNetEntriesTest, NothingImportedWritesNothing) {
    open("mega128g");
    d().ADCchans = 0;
    EXPECT_EQ(only(WriteCardNetEntries), Listing{});
}

TEST_F(CardNetEntriesTest, WiegandReader) {
    open("mega128g");
    o().setChecked("WiegandChk", true);
    o().setItemIndex("WiegandIntSpin", 2);  // INT2
    o().setItemIndex("WiegandPortSpin", 3); // PortD
    o().setValue("WiegandBitSpin0", 6);
    o().setValue("WiegandBitSpin1", 7);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  WiegandPort    = INT2, PortD, 6, 7; // INTx, PINx, DATA0, DATA1"}));
}

TEST_F(CardNetEntriesTest, Fat16ByMedia) {
    open("mega128g");
    o().setChecked("FAT16chk", true);
    o().setValue("FileHandleSpin", 3);
    o().setValue("DirLevelSpin", 4);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  FAT16          = MMC_SPI, iData;", "  F16_FileHandles  = 3;",
                       "  F16_DirLevels    = 4;"}));

    o().choose("MMCsoftChk");
    o().choose("FATxDataChk");
    o().setItemIndex("MMCsoftSpin", 1);
    o().setChecked("TCP_TelnetChk", true); // the telnet string comes with the file system
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  FAT16          = MMC_SOFT, xData;",
                       "  F16_MMCport    = PortB, 0, 1, 2, 3;  // SS, SCK, MOSI, MISO",
                       "  F16_FileHandles  = 3;", "  F16_DirLevels    = 4;",
                       "  TelnetStrLen     = 40;"}));

    o().choose("F16usrChk");
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  FAT16          = UserPort, xData;", "  F16_FileHandles  = 3;",
                       "  F16_DirLevels    = 4;", "  TelnetStrLen     = 40;"}));

    o().setChecked("F16usrChk", false); // no media chosen: no media line
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  F16_FileHandles  = 3;", "  F16_DirLevels    = 4;",
                       "  TelnetStrLen     = 40;"}));

    o().setChecked("FAT16chk", false);
    EXPECT_EQ(only(WriteCardNetEntries), Listing{});
}

TEST_F(CardNetEntriesTest, WizNetByInterface) {
    open("mega128g");
    o().setChecked("TCP_IPchk", true);
    o().setValue("TCP_SockSpin", 4);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  wzNet4         = I2C_TWI, iData;", "  wzSocks        = 4;"}));
    o().choose("TCP_I2Cchk");
    o().choose("TCP_xDataChk");
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  wzNet4         = I2C_Soft, xData;", "  wzSocks        = 4;"}));
    o().choose("TCP_UserChk");
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  wzNet4         = UserPort, xData;", "  wzSocks        = 4;"}));
}

TEST_F(CardNetEntriesTest, RovaStack) {
    open("mega128g");
    o().setChecked("ROVAchk", true);
    o().setValue("ROVA_TimerSpin", 2);
    o().setValue("ROVA_SockSpin", 3);
    o().setChecked("ROVA_UDPchk", true); // the protocols write nothing here
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  ROVAdriver     = ENC28J60;", "  ROVAtimer      = Timer2;",
                       "  ROVAsockets    = 3;"}));
    o().choose("ROVA_USERchk");
    EXPECT_EQ(only(WriteCardNetEntries).at(0), "  ROVAdriver     = User;");
    o().choose("ROVA_SLIPchk");
    EXPECT_EQ(only(WriteCardNetEntries).at(0), "  ROVAdriver     = SLIP;");
    o().setChecked("ROVA_SLIPchk", false);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  ROVAtimer      = Timer2;", "  ROVAsockets    = 3;"}));
}

TEST_F(CardNetEntriesTest, Sht11PolledWithoutSystemTick) {
    open("mega128g");
    o().setChecked("SHT11Chk", true);
    o().setItemIndex("ComboBoxSHA11Clock", 1);
    o().setValue("SHT11ClkSpin", 2);
    o().setValue("SHT11DatSpin", 3);
    const Listing pins = {"  SHT11clk       = PortB, 2;       {Port, Pin#}",
                          "  SHT11Dat       = PortA, 3;       {Port, Pin#}"};
    auto with = [&](const std::string& driver) {
        Listing l{driver};
        l.insert(l.end(), pins.begin(), pins.end());
        return l;
    };
    d().SysTick = 10;
    EXPECT_EQ(only(WriteCardNetEntries), with("  SHT11drvr      = polled;"));
    o().setChecked("SHT11SysTickchk", true);
    EXPECT_EQ(only(WriteCardNetEntries), with("  SHT11drvr      = SysTickChecked;"));
    d().SysTick = 0;
    EXPECT_EQ(only(WriteCardNetEntries), with("  SHT11drvr      = polled;"));
}

TEST_F(CardNetEntriesTest, Rc5ReceiverAndTransmitter) {
    open("mega128g");
    o().setChecked("RC5RxChk", true);
    o().setItemIndex("ComboBoxRC5", 4); // PinE
    o().setValue("RC5BitSpin", 7);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  RC5Rxport      = PinE, 7, negative; {Port, Pin#, polarity}",
                       "  RC5mode        = rc_6bit;        {command bit count}"}));

    o().setChecked("RC5RXinvChk", true);
    o().setChecked("RC5TxChk", true);
    o().setChecked("RC5extChk", true);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  RC5Rxport      = PinE, 7, positive; {Port, Pin#, polarity}",
                       "  RC5Txport      = negative;       {pulse polarity}",
                       "  RC5mode        = rc_7bit;        {command bit count}"}));

    o().setChecked("RC5RxChk", false);
    o().setChecked("RC5TXinvChk", true);
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  RC5Txport      = positive;       {pulse polarity}",
                       "  RC5mode        = rc_7bit;        {command bit count}"}));
}

TEST_F(CardNetEntriesTest, AdcWithChannelsOnAControllerWithAdc) {
    open("mega128g");
    d().ADCchans = 8;
    d().ADCpresc = 5;
    d().ADCbuffer = tRamPage::xData;
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  ADCchans       = 8, xData;", "  ADCpresc       = 5;"}));
    o().setChecked("ADCintChk", true);
    d().ADCbuffer = tRamPage::iData;
    EXPECT_EQ(only(WriteCardNetEntries),
              (Listing{"  ADCchans       = 8, iData, Int2;", "  ADCpresc       = 5;"}));
    d().ADCchans = 0;
    EXPECT_EQ(only(WriteCardNetEntries), Listing{});

    open("mega162g"); // no ADC
    d().ADCchans = 8;
    EXPECT_EQ(only(WriteCardNetEntries), Listing{});
}

TEST_F(CardNetEntriesTest, EntriesInTheirOrder) {
    open("mega128g");
    d().ADCchans = 1;
    d().SysTick = 10;
    for (OptName n :
         OptNames{"RC5TxChk", "SHT11Chk", "ROVAchk", "TCP_IPchk", "FAT16chk", "WiegandChk"})
        o().setChecked(n, true);
    EXPECT_EQ(
        only(WriteCardNetEntries),
        (Listing{"  WiegandPort    = INT0, PortA, 0, 0; // INTx, PINx, DATA0, DATA1",
                 "  FAT16          = MMC_SPI, iData;", "  F16_FileHandles  = 2;",
                 "  F16_DirLevels    = 2;", "  wzNet4         = I2C_TWI, iData;",
                 "  wzSocks        = 2;", "  ROVAdriver     = ENC28J60;",
                 "  ROVAtimer      = Timer0;", "  ROVAsockets    = 2;",
                 "  SHT11drvr      = polled;", "  SHT11clk       = PortA, 0;       {Port, Pin#}",
                 "  SHT11Dat       = PortA, 0;       {Port, Pin#}",
                 "  RC5Txport      = negative;       {pulse polarity}",
                 "  RC5mode        = rc_6bit;        {command bit count}",
                 "  ADCchans       = 1, iData;", "  ADCpresc       = 0;"}));
}

} // namespace
} // namespace pramlet::test
