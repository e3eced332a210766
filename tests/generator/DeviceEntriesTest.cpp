#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using DeviceEntriesTest = GeneratorTest;

constexpr const char* kRowError = "KeyBoard Row port not defined!";
constexpr const char* kColumnError = "KeyBoard Column port not defined!";
constexpr const char* kSameError = "KeyBoard error: Same Ports for ROW and COLOMN!";

// The text of the error that ends the section, or "" when it completes.
template <typename Run> std::string endedWith(Run run) {
    try {
        run();
    } catch (const BuildEnded& e) {
        return e.what();
    }
    return "";
}

TEST_F(DeviceEntriesTest, NothingImportedWritesNothing) {
    open("mega640g");
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, StepperOnAPortWithEachType) {
    open("mega640g");
    o().choose("StepperKchk");
    d().StepPort = PortK;
    o().setValue("StepMaxSpin", 8000);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  StepPort    = PortK;", "  StepMinFreq    = 100;",
                       "  StepMaxFreq    = 8000;", "  StepType       = StepF2;"}));
    const char* const types[8] = {"StepF2;", "StepF4;", "StepH4;", "StepH6;",
                                  "StepM2;", "StepM4;", "StepM6;", "StepM8;"};
    for (int i = 0; i < 8; ++i) {
        o().setItemIndex("StepTypeSpin", i);
        EXPECT_EQ(only(WriteDeviceEntries).at(3), std::string("  StepType       = ") + types[i]);
    }
    // No type chosen: the first, as the list shows when it is fresh.
    o().setItemIndex("StepTypeSpin", -1);
    EXPECT_EQ(only(WriteDeviceEntries).at(3), "  StepType       = StepF2;");
}

TEST_F(DeviceEntriesTest, StepperOnTheUserPortOrNone) {
    open("mega640g");
    o().choose("StepperUSRchk");
    d().StepPort = UserPort;
    o().setItemIndex("StepTypeSpin", 5);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  StepMinFreq    = 100;", "  StepMaxFreq    = 5000;",
                       "  StepType       = UserPort;"}));
    o().choose("StepperNoneChk");
    d().StepPort = PortNone;
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, MatrixKeyboard) {
    open("mega640g");
    o().setChecked("KeyBoard4Chk", true);
    o().choose("KeybRCchk");
    o().choose("KeybCCchk");
    d().KeyBRport = PortC;
    d().KeyBCport = PinC; // one letter for rows and columns is no error here
    o().setValue("KbColFirstSpin", 4);
    o().setValue("KbRowCountSpin", 2); // the page allows up to 2 for this keyboard
    o().setValue("KbColCountSpin", 4);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  MatrixRow      = PortC, 0;       {use PortC, start with bit0}",
                       "  MatrixCol      = PinC, 4;        {use PinC, start with bit4}",
                       "  MatrixType     = 2, 4;           {2 Rows at PortC, 4 Columns at PinC}"}));

    d().KeyBRport = PortL;
    d().KeyBCport = PinJ;
    o().setValue("KbRowFirstSpin", 2);
    o().setValue("KbColFirstSpin", 6);
    o().setValue("KbRowCountSpin", 2);
    o().setValue("KbColCountSpin", 3);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  MatrixRow      = PortL, 2;       {use PortL, start with bit2}",
                       "  MatrixCol      = PinJ, 6;        {use PinJ, start with bit6}",
                       "  MatrixType     = 2, 3;           {2 Rows at PortL, 3 Columns at PinJ}"}));
}

TEST_F(DeviceEntriesTest, MatrixKeyboardErrorsInTheirOrder) {
    open("mega640g");
    o().setChecked("KeyBoard4Chk", true);
    d().KeyBRport = PortNone;
    d().KeyBCport = PinNone;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kRowError);
    d().KeyBCport = PinB;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kRowError);
    d().KeyBRport = UserPort; // not a port with pins
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kRowError);
    d().KeyBRport = PortB;
    d().KeyBCport = PinNone;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kColumnError);
    d().KeyBCport = PinB;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), "");
}

TEST_F(DeviceEntriesTest, EightColumnKeyboard) {
    open("mega640g");
    o().setChecked("KeyBoard8Chk", true);
    d().KeyBRport = PortC;
    d().KeyBCport = PinA;
    o().setMax("KbRowCountSpin", 6); // as the page bounds it for this keyboard
    o().setValue("KbRowCountSpin", 4);
    EXPECT_EQ(
        only(WriteDeviceEntries),
        (Listing{"  KeyB8Row       = PortC, 0;       {use PortC, start with bit0}",
                 "  KeyB8Col       = PinA;           {use PinA}",
                 "  KeyB8Type      = 4;              {4 Rows at PortC,  8 Columns at PinA}"}));
}

TEST_F(DeviceEntriesTest, EightColumnKeyboardErrorsInTheirOrder) {
    open("mega640g");
    o().setChecked("KeyBoard8Chk", true);
    // A port and a pin register of one letter clash; two unset ports report the clash first.
    d().KeyBRport = PortA;
    d().KeyBCport = PinA;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kSameError);
    d().KeyBRport = PortL;
    d().KeyBCport = PinL;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kSameError);
    d().KeyBRport = PortNone;
    d().KeyBCport = PinNone;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kSameError);
    d().KeyBCport = PinD;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kRowError);
    d().KeyBRport = PortD;
    d().KeyBCport = PinNone;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), kColumnError);
    d().KeyBCport = PinE;
    EXPECT_EQ(endedWith([&] { only(WriteDeviceEntries); }), "");
}

// A build that ends shows the message once with its Retry button, keeps the lines written
// before it and leaves the built flag cleared, also after a completed build.
TEST_F(DeviceEntriesTest, KeyboardErrorEndsTheBuildAtOnce) {
    open("mega640g");
    ASSERT_TRUE(BuildApp(p));
    ASSERT_TRUE(p.built());

    o().setChecked("AppCheckSumChk", true);
    o().setChecked("KeyBoard4Chk", true);
    o().choose("StepperBchk");
    d().StepPort = PortB;
    d().KeyBRport = PortD;
    d().KeyBCport = PinNone;
    dialogs.entries.clear();
    EXPECT_FALSE(BuildApp(p));
    EXPECT_EQ(dialogs.entries,
              (std::vector<RecordingDialogs::Entry>{{"error", kColumnError, "Retry"}}));
    EXPECT_FALSE(p.built());
    ASSERT_GE(p.listing().size(), 2u);
    EXPECT_EQ(p.listing().back(), "  MatrixRow      = PortD, 0;       {use PortD, start with bit0}");
    EXPECT_EQ(p.listing()[p.listing().size() - 2], "  StepType       = StepF2;");
    EXPECT_EQ(p.listing().front(), "program Demo;");
    EXPECT_EQ(find(p.listing(), "  FlashChksum"), -1);
    EXPECT_EQ(find(p.listing(), "Implementation"), -1);

    // Corrected, the next build completes.
    d().KeyBCport = PinE;
    dialogs.entries.clear();
    EXPECT_TRUE(BuildApp(p));
    EXPECT_TRUE(dialogs.entries.empty());
    EXPECT_TRUE(p.built());
    EXPECT_TRUE(contains(p.listing(), "  FlashChksum    = ProgEnd;        {or absolute address}"));
}

TEST_F(DeviceEntriesTest, BothKeyboardsEachOnItsOwnMatrixFirst) {
    open("mega640g");
    o().setChecked("KeyBoard4Chk", true);
    o().setChecked("KeyBoard8Chk", true);
    d().KeyBRport = PortB;
    d().KeyBCport = PinB;
    // The matrix keyboard is written, then the 8-column keyboard finds the clash.
    Listing out;
    const BuildValues values = PrepareBuild(p, p.AppName());
    EXPECT_EQ(endedWith([&] { WriteDeviceEntries(BuildInput(p, values), out); }), kSameError);
    EXPECT_EQ(out.size(), 3u);
    EXPECT_EQ(find(out, "  MatrixType"), 2);
}

TEST_F(DeviceEntriesTest, SpiPortDriver) {
    open("mega640g");
    o().setValue("SPIBufSpin", 32);
    EXPECT_EQ(only(WriteDeviceEntries), Listing{}) << "the buffer alone is not the driver";
    d().SPIused = true;
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  SPIbuffer      = 32, iData;", "  SPIport        = Master;",
                       "  SPIretry       = 10;", "  SPIpresc       = 0;", "  SPIOrder       = MSB;",
                       "  SPICPOL        = 1;", "  SPICPHA        = 1;"}));
    o().choose("SPIxDatChk");
    o().setChecked("SPIMastChk", false);
    o().setValue("SPIretrySpin", 3);
    o().setValue("SPIprescSpin", 2);
    o().setChecked("SPIMSBchk", false);
    o().setChecked("SPIclkChk", false);
    o().setChecked("SPIphaseChk", false);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  SPIbuffer      = 32, xData;", "  SPIport        = Slave;",
                       "  SPIretry       = 3;", "  SPIpresc       = 2;", "  SPIOrder       = LSB;",
                       "  SPICPOL        = 0;", "  SPICPHA        = 0;"}));
}

// With the hardware SPI driver imported too, each writes its own prescaler and clock lines.
TEST_F(DeviceEntriesTest, SpiPortBesideTheHardwareDriver) {
    open("mega640g");
    o().setValue("SPIBufSpin", 8);
    d().SPIused = true;
    o().setChecked("SPIDrvChk", true);
    ASSERT_TRUE(BuildApp(p));
    int count = 0;
    for (const std::string& line : p.listing())
        if (line.rfind("  SPIpresc       = ", 0) == 0) ++count;
    EXPECT_EQ(count, 2);
    EXPECT_LT(find(p.listing(), "  SPI_SS"), find(p.listing(), "  SPIbuffer"));
}

TEST_F(DeviceEntriesTest, Beeper) {
    open("mega640g");
    o().refill("ComboBoxSound", {"none", "PortA", "PortB", "PortC"});
    o().setItemIndex("ComboBoxSound", 3);
    o().setValue("SoundBitSpin", 6);
    EXPECT_EQ(only(WriteDeviceEntries), Listing{"  BeepPort       = PortC, 6;"});
    for (int none : {0, -1}) {
        o().setItemIndex("ComboBoxSound", none);
        EXPECT_EQ(only(WriteDeviceEntries), Listing{});
    }
}

TEST_F(DeviceEntriesTest, LanMasterAndSlave) {
    open("mega640g");
    o().setItemIndex("LanSciSpin", 2);
    o().refill("ComboBoxLANPort", {"PortA", "PortB", "PortD"});
    o().setItemIndex("ComboBoxLANPort", 2);
    o().setValue("LANbitSpin", 5);
    o().setValue("LANFrameSpin", 24);
    o().setChecked("LANmaskChk", true); // a master has no mask
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  LANport        = SerPort2;", "  LANctrl        = PortD, 5;",
                       "  LANbaud        = 9600;", "  LANmode        = Master;",
                       "  LANadr         = 1 byte adr;              {8/16 BIT}",
                       "  LANframe       = 24, iData;       {Frame size in bytes}",
                       "  LANcheck       = ChkSum8;       {ChkSum8, ChkSum16, CRC16}"}));

    o().setItemIndex("LanModeChk", 1);
    o().setItemIndex("LanSciSpin", 1);
    o().setItemIndex("LANAddrSpin", 1);
    o().setItemIndex("LANCheckSpin", 2);
    o().choose("LANxDatChk");
    o().setValue("LANbaudSpin", 19200);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  LANport        = SerPort;", "  LANctrl        = PortD, 5;",
                       "  LANbaud        = 19200;", "  LANmode        = Slave;",
                       "  LANadr         = 2 byte adr, Mask;        {8/16 BIT}",
                       "  LANframe       = 24, xData;       {Frame size in bytes}",
                       "  LANcheck       = CRC16;       {ChkSum8, ChkSum16, CRC16}"}));
    o().setChecked("LANmaskChk", false);
    EXPECT_EQ(only(WriteDeviceEntries).at(4),
              "  LANadr         = 2 byte adr;              {8/16 BIT}");

    o().setItemIndex("LanSciSpin", 0);
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, RealTimeClock) {
    open("mega640g");
    o().choose("RTCtimeBtn");
    o().setValue("RTCtimerSpin", 1);
    EXPECT_EQ(only(WriteDeviceEntries),
              Listing{"  RTClock        = iData, Time;    {Time, DateTime}"});
    o().choose("RTCdateTimeBtn");
    o().choose("RTCxdataChk");
    o().setValue("RTCtimerSpin", 2);
    o().setChecked("RTCsystickChk", true);
    EXPECT_EQ(
        only(WriteDeviceEntries),
        (Listing{"  RTClock        = xData, DateTime;{Time, DateTime}",
                 "  RTCtimer       = 2;              {channels}", "  RTCsource      = SysTick;"}));
    o().choose("RTCnoneBtn");
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, Dcf77Polarity) {
    open("mega640g");
    o().refill("ComboBoxDCF77", {"None", "PinA", "PinB", "PinE"});
    o().setItemIndex("ComboBoxDCF77", 3);
    o().setValue("DCFBitSpin", 4);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  DCFclock       = iData;",
                       "  DCFport        = PinE, 4, negative; {Port, Pin#, Polarity}"}));
    o().setChecked("DCFinvChk", true);
    o().choose("RTCxdataChk"); // the clock's memory area
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  DCFclock       = xData;",
                       "  DCFport        = PinE, 4, positive; {Port, Pin#, Polarity}"}));
    o().setItemIndex("ComboBoxDCF77", 0);
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, EncoderCounterAndMask) {
    open("mega640g");
    o().refill("IncPortSpin", {"PinA", "PinB", "PinC"});
    o().setItemIndex("IncPortSpin", 1);
    o().setItemIndex("IncCountSpin", 1);
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  IncrCounter    = 16, 2;          {16 or 32 bit integer, 2phase}",
                       "  IncrPort       = PinB, $00;      {Port and BitMask}"}));
    for (int pin = 0; pin < 4; ++pin)
        o().setItemChecked("CheckListBoxincrEncBits", pin, true);
    EXPECT_EQ(only(WriteDeviceEntries).at(1),
              "  IncrPort       = PinB, $0F;      {Port and BitMask}");

    o().setItemChecked("CheckListBoxincrEncBits", 0, false);
    o().setItemChecked("CheckListBoxincrEncBits", 7, true);
    o().setItemIndex("IncCountSpin", 2);
    o().choose("Incr3chanChk");
    EXPECT_EQ(only(WriteDeviceEntries),
              (Listing{"  IncrCounter    = 32, 3;          {16 or 32 bit integer, 3phase}",
                       "  IncrPort       = PinB, $8E;      {Port and BitMask}"}));
    o().setItemIndex("IncCountSpin", 0);
    EXPECT_EQ(only(WriteDeviceEntries), Listing{});
}

TEST_F(DeviceEntriesTest, FlashChecksumEndsTheSection) {
    open("mega640g");
    o().setChecked("AppCheckSumChk", true);
    o().refill("IncPortSpin", {"PinA"});
    o().setItemIndex("IncPortSpin", 0);
    o().setItemIndex("IncCountSpin", 1);
    const Listing l = only(WriteDeviceEntries);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l.back(), "  FlashChksum    = ProgEnd;        {or absolute address}");
}

TEST_F(DeviceEntriesTest, EntriesInTheirOrder) {
    open("mega640g");
    o().setChecked("AppCheckSumChk", true);
    o().refill("IncPortSpin", {"PinA"});
    o().setItemIndex("IncPortSpin", 0);
    o().setItemIndex("IncCountSpin", 1);
    o().refill("ComboBoxDCF77", {"None", "PinA"});
    o().setItemIndex("ComboBoxDCF77", 1);
    o().choose("RTCtimeBtn");
    o().setItemIndex("LanSciSpin", 1);
    o().refill("ComboBoxSound", {"none", "PortA"});
    o().setItemIndex("ComboBoxSound", 1);
    d().SPIused = true;
    o().setChecked("KeyBoard8Chk", true);
    d().KeyBRport = PortA;
    d().KeyBCport = PinB;
    o().setChecked("KeyBoard4Chk", true);
    d().StepPort = PortC;
    const Listing l = only(WriteDeviceEntries);
    const char* const firsts[] = {"  StepPort",    "  MatrixRow",  "  KeyB8Row", "  SPIbuffer",
                                  "  BeepPort",    "  LANport",    "  RTClock",  "  DCFclock",
                                  "  IncrCounter", "  FlashChksum"};
    int last = -1;
    for (const char* first : firsts) {
        const int at = find(l, first);
        EXPECT_GT(at, last) << first;
        last = at;
    }
    EXPECT_EQ(last, static_cast<int>(l.size()) - 1);
}

} // namespace
} // namespace pramlet::test
