#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using BlinkPortEntriesTest = GeneratorTest;

constexpr OptFamily<8> kLEDportSpin{"LEDportSpin", ""};
constexpr OptFamily<8> kLEDbitSpin{"LEDbitSpin", ""};
constexpr OptFamily<8> kLedLowChk{"LedLowChk", ""};

TEST_F(BlinkPortEntriesTest, NothingImportedWritesNothing) {
    open("mega128g");
    EXPECT_EQ(only(WriteBlinkPortEntries), Listing{});
}

TEST_F(BlinkPortEntriesTest, EveryLedWithItsLevel) {
    open("mega128g"); // ports A .. G: item k is "none" for 0, then PortA ..
    o().setValue("LedTimeSpin", 50);
    for (int k = 0; k < 8; ++k) {
        o().setItemIndex(kLEDportSpin(k), k % 7 + 1);
        o().setValue(kLEDbitSpin(k), 7 - k);
        o().setChecked(kLedLowChk(k), k % 2 == 1);
    }
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  SysLedBlink    = 50;              {SysTicks}",
                       "  SysLedBlink0   = PortA, 7, high;", "  SysLedBlink1   = PortB, 6, low;",
                       "  SysLedBlink2   = PortC, 5, high;", "  SysLedBlink3   = PortD, 4, low;",
                       "  SysLedBlink4   = PortE, 3, high;", "  SysLedBlink5   = PortF, 2, low;",
                       "  SysLedBlink6   = PortG, 1, high;", "  SysLedBlink7   = PortA, 0, low;"}));

    // An LED on "none" drops its own line only.
    o().setItemIndex(kLEDportSpin(3), 0);
    o().setItemIndex(kLEDportSpin(6), -1); // lost its choice: counts as "none"
    Listing l = only(WriteBlinkPortEntries);
    EXPECT_EQ(l.size(), 7u);
    EXPECT_EQ(find(l, "  SysLedBlink3"), -1);
    EXPECT_EQ(find(l, "  SysLedBlink6"), -1);
}

TEST_F(BlinkPortEntriesTest, NoLedWithoutLed0) {
    open("mega128g");
    o().setItemIndex(kLEDportSpin(1), 2);
    o().setItemIndex(kLEDportSpin(0), 0);
    EXPECT_EQ(only(WriteBlinkPortEntries), Listing{});

    o().setItemIndex(kLEDportSpin(0), 1);
    o().setEnabled(kLEDportSpin(0), false); // no system tick
    EXPECT_EQ(only(WriteBlinkPortEntries), Listing{});
    o().setEnabled(kLEDportSpin(0), true);
    o().setChecked(kLedLowChk(0), true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  SysLedBlink    = 30;              {SysTicks}",
                       "  SysLedBlink0   = PortA, 0, low;", "  SysLedBlink1   = PortB, 0, high;"}));
}

TEST_F(BlinkPortEntriesTest, PwmOnTimers1And3) {
    open("mega128g");
    d().PWMres = 10;
    d().PWMpresc = 4;
    d().PWMres3 = 8;
    d().PWMpresc3 = 1;
    o().setChecked("PWM1Cchk", true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  PWMres1        = 10;              {bits}", "  PWMpresc1      = 4;"}));

    o().setChecked("PWM1negChk", true);
    o().setChecked("PWM3Achk", true);
    o().setChecked("PWM3fastChk", true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  PWMres1        = 10;              {bits}", "  PWMpresc1      = 4;",
                       "  PWMmode1       = negative;", "  PWMres3        = 8;              {bits}",
                       "  PWMpresc3      = 1;", "  PWMmode3       = fast;"}));

    o().setChecked("PWM1Cchk", false);
    o().setChecked("PWM3Achk", false);
    o().setChecked("PWM3Bchk", true);
    o().setChecked("PWM3negChk", true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  PWMres3        = 8;              {bits}", "  PWMpresc3      = 1;",
                       "  PWMmode3       = fast, negative;"}));
}

TEST_F(BlinkPortEntriesTest, BothSwitchPorts) {
    open("mega128g");
    d().SwitchPort1 = PinA;
    o().setText("SwPort1MaskFld", "$F0");
    o().setText("SwPort1PolFld", "$0F");
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  SwitchPort1    = PinA, $F0",
                       "  PolarityP1     = $0F;            // polarity"}));

    d().SwitchPort1 = PinNone;
    d().SwitchPort2 = PinL;
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  SwitchPort2    = PinL, $00",
                       "  PolarityP2     = $00;            // polarity"}));

    d().SwitchPort1 = PinJ;
    o().setText("SwPort2PolFld", "$A5");
    EXPECT_EQ(
        only(WriteBlinkPortEntries),
        (Listing{"  SwitchPort1    = PinJ, $F0", "  PolarityP1     = $0F;            // polarity",
                 "  SwitchPort2    = PinL, $00",
                 "  PolarityP2     = $A5;            // polarity"}));
}

TEST_F(BlinkPortEntriesTest, UserAndBankPorts) {
    open("mega128g");
    o().setValue("UsrDatDevSpin", 4096);
    o().setValue("BankPortSpin", 16);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  UserPort       = $1000;          {Data Bytes}",
                       "  BankPort       = 16;              {Bank Ports}"}));
    o().setValue("UsrDatDevSpin", 512);
    o().setValue("BankPortSpin", 0);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  UserPort       = $0200;          {Data Bytes}"}));
    o().setValue("UsrDatDevSpin", 0x12345);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  UserPort       = $12345;          {Data Bytes}"}));
}

TEST_F(BlinkPortEntriesTest, DisksAToDWithReadOnly) {
    open("mega128g");
    o().setValue("DiskASpin", 64);
    o().setValue("FHandlesSpin", 3);
    o().setChecked("DiskAROChk", true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  FileBuffer     = iData;", "  FileHandles    = 3, iData;",
                       "  Disk_A         = 64, ReadOnly;            {kBytes}",
                       "// SecTrk_A      = ???;                {sectors/track option}",
                       "// TRKOFFS_A     = ???;                {system tracks option}"}));

    o().choose("FilexDatChk");
    o().setChecked("DiskAROChk", false);
    o().setValue("DiskBSpin", 128);
    o().setValue("DiskCSpin", 32);
    o().setValue("DiskDSpin", 16);
    o().setChecked("DiskCROChk", true);
    o().setChecked("DiskDROChk", true);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  FileBuffer     = xData;", "  FileHandles    = 3, xData;",
                       "  Disk_A         = 64;            {kBytes}",
                       "// SecTrk_A      = ???;                {sectors/track option}",
                       "// TRKOFFS_A     = ???;                {system tracks option}",
                       "  Disk_B         = 128;            {kBytes}",
                       "// SecTrk_B      = ???;                {sectors/track option}",
                       "// TRKOFFS_B     = ???;                {system tracks option}",
                       "  Disk_C         = 32, ReadOnly;            {kBytes}",
                       "// SecTrk_C      = ???;                {sectors/track option}",
                       "// TRKOFFS_C     = ???;                {system tracks option}",
                       "  Disk_D         = 16, ReadOnly;            {kBytes}",
                       "// SecTrk_D      = ???;                {sectors/track option}",
                       "// TRKOFFS_D     = ???;                {system tracks option}"}));

    // Each disk line depends on its own size; buffer and handles come with disk A only.
    o().setValue("DiskASpin", 0);
    o().setValue("DiskBSpin", 0);
    o().setValue("DiskCSpin", 0);
    o().setChecked("DiskDROChk", false);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  Disk_D         = 16;            {kBytes}",
                       "// SecTrk_D      = ???;                {sectors/track option}",
                       "// TRKOFFS_D     = ???;                {system tracks option}"}));
}

TEST_F(BlinkPortEntriesTest, GraphicLcdSizesFontAndMode) {
    open("mega128g");
    o().setChecked("LCDgraphChk", true);
    d().Graphx = 240;
    d().Graphy = 64;
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  LCDGraphic     = 240, 64, 8;     {x-pix, y-pix, accesswidth}",
                       "  GViewports     = 1, iData;        {logical ViewPorts, scalings}"}));

    o().setChecked("PixFontChk", true);
    o().setText("PixFontEdit", "My Font.pchr");
    o().setChecked("LCDgraphModeChk", true);
    o().choose("LCDGraphxDatChk");
    o().setValue("ViewPspin", 3);
    EXPECT_EQ(only(WriteBlinkPortEntries),
              (Listing{"  LCDGraphic     = 240, 64, 8;     {x-pix, y-pix, accesswidth}",
                       "  GViewports     = 3, xData;        {logical ViewPorts, scalings}",
                       "  DefCharSet     = 'My Font.pchr';{FileName}",
                       "  TGraphStr      = 16;              {Graphic Text String Length}",
                       "  LCDgraphMode   = column, xData;  {Column Mode Controller}"}));

    // Sizes the output page has not yet checked are taken as it takes them: 16..640, else 128.
    const std::pair<int, int> sizes[] = {{16, 640}, {15, 641}, {0, 700}};
    const char* const lines[] = {"  LCDGraphic     = 16, 640, 8;     {x-pix, y-pix, accesswidth}",
                                 "  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}",
                                 "  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}"};
    for (size_t i = 0; i < 3; ++i) {
        d().Graphx = sizes[i].first;
        d().Graphy = sizes[i].second;
        EXPECT_EQ(only(WriteBlinkPortEntries).at(0), lines[i]);
    }
}

TEST_F(BlinkPortEntriesTest, EntriesInTheirOrder) {
    open("mega128g");
    o().setChecked("LCDgraphChk", true);
    d().Graphx = d().Graphy = 128;
    o().setValue("DiskASpin", 8);
    o().setValue("BankPortSpin", 2);
    o().setValue("UsrDatDevSpin", 1);
    d().SwitchPort2 = PinB;
    d().SwitchPort1 = PinC;
    d().PWMres3 = 9;
    o().setChecked("PWM3Achk", true);
    d().PWMres = 12;
    o().setChecked("PWM1Achk", true);
    o().setItemIndex(kLEDportSpin(0), 2);
    EXPECT_EQ(
        only(WriteBlinkPortEntries),
        (Listing{"  SysLedBlink    = 30;              {SysTicks}",
                 "  SysLedBlink0   = PortB, 0, high;", "  PWMres1        = 12;              {bits}",
                 "  PWMpresc1      = 4;", "  PWMres3        = 9;              {bits}",
                 "  PWMpresc3      = 4;", "  SwitchPort1    = PinC, $00",
                 "  PolarityP1     = $00;            // polarity", "  SwitchPort2    = PinB, $00",
                 "  PolarityP2     = $00;            // polarity",
                 "  UserPort       = $0001;          {Data Bytes}",
                 "  BankPort       = 2;              {Bank Ports}", "  FileBuffer     = iData;",
                 "  FileHandles    = 0, iData;", "  Disk_A         = 8;            {kBytes}",
                 "// SecTrk_A      = ???;                {sectors/track option}",
                 "// TRKOFFS_A     = ???;                {system tracks option}",
                 "  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}",
                 "  GViewports     = 1, iData;        {logical ViewPorts, scalings}"}));
}

} // namespace
} // namespace pramlet::test
