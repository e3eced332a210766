#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using I2CEntriesTest = GeneratorTest;

TEST_F(I2CEntriesTest, NothingImportedWritesNothing) {
    open("mega128g");
    EXPECT_EQ(only(WriteI2CEntries), Listing{});
}

TEST_F(I2CEntriesTest, SoftwareI2CPort) {
    open("mega128g");
    d().I2Cport = PortD;
    d().I2Cdata = 4;
    d().I2Cclock = 5;
    EXPECT_EQ(only(WriteI2CEntries), (Listing{"  I2Cport        = PortD;", "  I2Cdat         = 4;",
                                              "  I2Cclk         = 5;"}));
    d().I2Cport = PortL;
    EXPECT_EQ(only(WriteI2CEntries).at(0), "  I2Cport        = PortL;");

    // No port, or the user port, which has no pins to name: no I2C lines.
    for (tPortsT port : {PortNone, UserPort}) {
        d().I2Cport = port;
        EXPECT_EQ(only(WriteI2CEntries), Listing{});
    }
}

TEST_F(I2CEntriesTest, TwiMasterBitRates) {
    open("mega128g");
    o().choose("TWImasterChk");
    const std::pair<int, const char*> rates[] = {{100, "  TWIpresc       = TWI_BR100;"},
                                                 {400, "  TWIpresc       = TWI_BR400;"},
                                                 {72, "  TWIpresc       = 72;"}};
    for (const auto& [value, line] : rates) {
        o().setText("TWIprescSpin", std::to_string(value)); // as typed, past the field's bound
        EXPECT_EQ(only(WriteI2CEntries), Listing{line});
    }
}

TEST_F(I2CEntriesTest, TwiSlave) {
    open("mega128g");
    o().choose("TWIslaveChk");
    o().setValue("TWIbufSpin", 16);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  TWImode        = Transparent;    {HandShake or Transparen}",
                       "  TWIbuffer      = 16, iData;       {buffer/packet size}",
                       "  TWIaddr        = 02;             {default slave address}"}));
    o().choose("TWImodeHSKChk");
    o().choose("TWIXdataCheck");
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  TWImode        = HandShake;    {HandShake or Transparen}",
                       "  TWIbuffer      = 16, xData;       {buffer/packet size}",
                       "  TWIaddr        = 02;             {default slave address}"}));
}

TEST_F(I2CEntriesTest, TwiNetworkModes) {
    open("mega128g");
    o().choose("TWInetMasterSlaveChk");
    o().setValue("TWInetPrescSpin", 100);
    o().setValue("TWInetBufSpin", 12);
    o().setValue("TWIBCspin", 4);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  TWInetMode     = MasterSlave;",
                       "  TWInode        = 02;             {default address in slave mode}",
                       "  TWIpresc       = TWI_BR100;              {Bitrate}",
                       "  TWIframe       = 12, iData;       {buffer/packet size}",
                       "  TWIframeBC     = 4;              {Broadcast Frame size}"}));

    o().choose("TWInetMasterChk");
    o().choose("TWInetXdataCheck");
    o().setValue("TWInetPrescSpin", 20);
    o().setValue("TWIBCspin", 0);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  TWInetMode     = Master;",
                       "  TWInode        = 02;             {default address in slave mode}",
                       "  TWIpresc       = 20;              {Bitrate}",
                       "  TWIframe       = 12, xData;       {buffer/packet size}"}));

    o().choose("TWInetSlaveChk");
    EXPECT_EQ(only(WriteI2CEntries).at(0), "  TWInetMode     = Slave;");

    // Plain TWI wins over a network mode; with neither, nothing.
    o().choose("TWImasterChk");
    EXPECT_EQ(only(WriteI2CEntries), (Listing{"  TWIpresc       = 1;"}));
    o().choose("TWInoneChk");
    o().choose("TWInetNoneChk");
    EXPECT_EQ(only(WriteI2CEntries), Listing{});
}

TEST_F(I2CEntriesTest, SoftPwm) {
    open("mega128g");
    o().refill("ComboBoxSoftPWM", {"None", "PortA", "PortB"});
    o().setItemIndex("ComboBoxSoftPWM", 2);
    o().setValue("SoftPWMcycleSpin", 20);
    o().setValue("SoftPWMresSpin", 100);
    o().setValue("SoftPWMchanSpin", 4);
    o().setValue("SoftPWMstartSpin", 2);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  SoftPWMport    = PortB;          {use PortB for PWM output}",
                       "  SoftPWMtimer   = Timer0, 20;     {use timerx, PWM cycle time msec}",
                       "  SoftPWMres     = 100;            {PWM resolution is 100 points}",
                       "  SoftPWMchans   = 4, 2;           {x channels, bity is the first bit}"}));
    o().choose("SoftPWMtmr2Chk");
    EXPECT_EQ(only(WriteI2CEntries).at(1),
              "  SoftPWMtimer   = Timer1, 20;     {use timerx, PWM cycle time msec}");

    for (int none : {0, -1}) { // "None", or a list that lost its choice
        o().setItemIndex("ComboBoxSoftPWM", none);
        EXPECT_EQ(only(WriteI2CEntries), Listing{});
    }
}

TEST_F(I2CEntriesTest, ServoDriver) {
    open("mega128g");
    o().refill("ComboBoxServoPort", {"none", "PortA", "PortB", "PortC"});
    o().setItemIndex("ComboBoxServoPort", 3);
    o().setValue("ServoStartSpin", 2);
    o().setValue("ServoChanSpin", 6);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  ServoPort      = PortC, 2, iData; {use Portx, startbit n, RAMpage}",
                       "  ServoChans     = 6, positive;     {channel count, pulse polarity}",
                       "  ServoNeutral   = 1.5, Timer1;     {msec zero pulse width, Timer used}"}));
    o().choose("ServoXdataCheck");
    o().choose("ServoNegCheck");
    o().choose("ServoTimr3Check");
    o().setText("ServoPulseSpin", "2.0");
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  ServoPort      = PortC, 2, xData; {use Portx, startbit n, RAMpage}",
                       "  ServoChans     = 6, negative;     {channel count, pulse polarity}",
                       "  ServoNeutral   = 2.0, Timer3;     {msec zero pulse width, Timer used}"}));
    o().setItemIndex("ComboBoxServoPort", 0);
    EXPECT_EQ(only(WriteI2CEntries), Listing{});
}

TEST_F(I2CEntriesTest, IoExpanderByteCounts) {
    open("mega128g");
    o().refill("ComboBoxIOExpander", {"None", "PortA", "PortB"});
    o().setItemIndex("ComboBoxIOExpander", 1);
    o().setValue("IOexpStartSpin", 2);
    o().setValue("IOexpInpSpin", 2);
    o().setValue("IOexpOutpSpin", 3);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  IOexpand       = PortA, 2, iData; {use Portx, startbit n, RAMpage}",
                       "  IOexpInp       = 2;               {bytes input}",
                       "  IOexpOutp      = 3;               {bytes output}"}));
    o().setValue("IOexpInpSpin", 0);
    o().choose("IOexpXdataCheck");
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  IOexpand       = PortA, 2, xData; {use Portx, startbit n, RAMpage}",
                       "  IOexpOutp      = 3;               {bytes output}"}));
    o().setValue("IOexpInpSpin", 1);
    o().setValue("IOexpOutpSpin", 0);
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  IOexpand       = PortA, 2, xData; {use Portx, startbit n, RAMpage}",
                       "  IOexpInp       = 1;               {bytes input}"}));
}

TEST_F(I2CEntriesTest, EntriesInTheirOrder) {
    open("mega128g");
    o().refill("ComboBoxIOExpander", {"None", "PortA"});
    o().setItemIndex("ComboBoxIOExpander", 1);
    o().refill("ComboBoxServoPort", {"none", "PortB"});
    o().setItemIndex("ComboBoxServoPort", 1);
    o().refill("ComboBoxSoftPWM", {"None", "PortC"});
    o().setItemIndex("ComboBoxSoftPWM", 1);
    o().choose("TWImasterChk");
    d().I2Cport = PortA;
    d().I2Cdata = 1;
    d().I2Cclock = 0;
    EXPECT_EQ(only(WriteI2CEntries),
              (Listing{"  I2Cport        = PortA;", "  I2Cdat         = 1;",
                       "  I2Cclk         = 0;", "  TWIpresc       = 1;",
                       "  SoftPWMport    = PortC;          {use PortC for PWM output}",
                       "  SoftPWMtimer   = Timer0, 10;     {use timerx, PWM cycle time msec}",
                       "  SoftPWMres     = 16;            {PWM resolution is 16 points}",
                       "  SoftPWMchans   = 1, 0;           {x channels, bity is the first bit}",
                       "  ServoPort      = PortB, 0, iData; {use Portx, startbit n, RAMpage}",
                       "  ServoChans     = 1, positive;     {channel count, pulse polarity}",
                       "  ServoNeutral   = 1.5, Timer1;     {msec zero pulse width, Timer used}",
                       "  IOexpand       = PortA, 0, iData; {use Portx, startbit n, RAMpage}",
                       "  IOexpInp       = 1;               {bytes input}",
                       "  IOexpOutp      = 1;               {bytes output}"}));
}

} // namespace
} // namespace pramlet::test
