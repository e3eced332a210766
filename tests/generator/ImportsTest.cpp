#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using ImportsTest = GeneratorTest;

TEST_F(ImportsTest, EmptyListsAndTheSystemTickAlone) {
    open("tiny45g");
    d().SysTick = 0;
    Listing l = only(WriteImports);
    EXPECT_EQ(l, (Listing{"Import ;", "", "From System Import ;", ""}));

    d().SysTick = 10;
    l = only(WriteImports);
    EXPECT_EQ(l.at(0), "Import SysTick;");
    // Neither system time box: only the empty line of the system time.
    EXPECT_EQ(l, (Listing{"Import SysTick;", "", "From System Import ;", "", ""}));
}

// Every item of the Import line at once, in the order of the line.
TEST_F(ImportsTest, ImportLineHoldsEveryItemInOrder) {
    open("mega256g");
    Derived& v = d();
    v.SysTick = 10;
    v.WatchDog = 0;
    v.SerBaud = {9600, 9600, 9600, 9600};
    v.ADCchans = 2;
    v.SwitchPort1 = PinA;
    v.SwitchPort2 = PinB;
    v.I2Cport = PortC;
    v.LCDport = PortD;
    v.Disp7sPort = PortE;
    v.StepPort = UserPort;
    v.SPIused = true;
    v.Heap = true;
    for (OptName c :
         OptNames{"BootBlockChk",   "CANimpChk",      "PWM1Achk",     "PWM1Bchk",       "PWM1Cchk",
          "PWM3Achk",       "PWM3Bchk",       "PWM3Cchk",     "LCDmultiSPIchk", "I2CexpChk",
          "I2C_7segChk",    "KeyBoard4Chk",   "KeyBoard8Chk", "LCDgraphChk",    "SPIDrvChk",
          "SPIsoftDrvChk1", "SPIsoftDrvChk2", "MSPIchk0",     "MSPIchk1",       "MSPIchk2",
          "TickTimerChk",   "RC5RxChk",       "RC5TxChk",     "SHT11Chk",       "FAT16chk",
          "TCP_IPchk",      "ROVAchk",        "DSS10chk",     "WiegandChk",     "IncrP4Chk",
          "SlipChk1",       "SlipChk2",       "SlipChk3",     "SlipChk4"})
        o().setChecked(c, true);
    for (OptName e : OptNames{"CANimpChk", "LEDportSpin0"})
        o().setEnabled(e, true);
    o().choose("RTCtimeBtn");
    o().choose("LPTportChk");
    o().choose("TWIslaveChk");
    o().setText("UsrDatDevSpin", "1024");
    o().setText("DiskASpin", "64");
    o().setText("BankPortSpin", "2");
    o().setText("Disp7SizeSpin", "8");
    for (OptName list :
         OptNames{"ComboBoxDCF77", "LanSciSpin", "ComboBoxSound", "IncCountSpin", "ComboBoxSoftPWM",
          "ComboBoxIOExpander", "ComboBoxServoPort", "LEDportSpin0"}) {
        o().refill(list, {"None", "X"});
        o().setItemIndex(list, 1);
    }

    EXPECT_EQ(only(WriteImports).at(0),
              "Import SysTick, FlashWrite, RTclock, DCFclock, WatchDog, SerPort, SerPort2, "
              "SerPort3, SerPort4, CAN_AVR, PWMport1A, PWMport1B, PWMport1C, PWMport3A, "
              "PWMport3B, PWMport3C, SwitchPort1, SwitchPort2, I2Cport, LCDport, "
              "LCDmultiPort, LPTport, I2Cexpand, I2C_Disp7, Disp7sPort, StepPort, SPIport, "
              "LANport, BeepPort, MatrixPort, KeyPort8, UserPort, FileSystem, LCDGraphic, "
              "IncrPort, BankPort, Heap, SPIdriver, SPIdriver1, SPIdriver2, MSPI_0, MSPI_1, "
              "MSPI_2, TickTimer, RC5Rxport, RC5Txport, TWIslave, SoftPWM, IOexpand, "
              "ServoPort, SHT11drvr, FAT16, wzNet4, ROVAstack, SysLEDblink, DDS10, "
              "WiegandPort, IncrPort4, SLIPport1, SLIPport2, SLIPport3, SLIPport4;");
}

TEST_F(ImportsTest, PeripheralItemsNeedTheControllerAndAValue) {
    open("mega16g"); // SerPort and ADC, no SerPort2
    d().SysTick = 0;
    d().SerBaud = {0, 9600, 0, 0};
    d().ADCchans = 0;
    EXPECT_EQ(only(WriteImports).at(0), "Import ;");
    d().SerBaud = {-1, 9600, 0, 0};
    EXPECT_EQ(only(WriteImports).at(0), "Import ;");
    d().SerBaud = {1200, 9600, 0, 0};
    d().ADCchans = 3;
    EXPECT_EQ(only(WriteImports).at(0), "Import SerPort, ADCPort;");

    o().setChecked("CANimpChk", true);
    o().setEnabled("CANimpChk", false);
    EXPECT_EQ(only(WriteImports).at(0), "Import SerPort, ADCPort;");
}

TEST_F(ImportsTest, OneTwiItemAndTheSegmentDisplaySize) {
    open("mega16g");
    d().SysTick = 0;
    o().choose("TWInetMasterChk");
    EXPECT_EQ(only(WriteImports).at(0), "Import TWInet;");
    o().choose("TWImasterChk");
    EXPECT_EQ(only(WriteImports).at(0), "Import TWImaster;");

    o().choose("TWInoneChk");
    o().choose("TWInetNoneChk");
    d().Disp7sPort = PortB;
    o().setText("Disp7SizeSpin", "16");
    EXPECT_EQ(only(WriteImports).at(0), "Import Disp7sPort;");
    o().setText("Disp7SizeSpin", "17");
    EXPECT_EQ(only(WriteImports).at(0), "Import Disp14sPort;");
}

TEST_F(ImportsTest, ChoiceWithoutSelectedItemCountsAsChosen) {
    open("mega16g");
    d().SysTick = 0;
    o().setItemIndex("ComboBoxDCF77", -1);
    EXPECT_EQ(only(WriteImports).at(0), "Import DCFclock;");
    o().setItemIndex("ComboBoxDCF77", 0);
    EXPECT_EQ(only(WriteImports).at(0), "Import ;");
}

TEST_F(ImportsTest, SystemImportLine) {
    open("mega16g");
    d().LongWords = d().LongInts = d().Floats = d().Processes = d().Tasks = true;
    d().Pipes = d().PIDs = true;
    for (OptName c : OptNames{"ExceptBox", "BootVectChk", "PCINTchk0", "PCINTchk1", "PCINTchk2",
                          "PCINTchk3", "AppCheckSumChk", "BootCheckSumChk"})
        o().setChecked(c, true);
    o().setEnabled("BootVectChk", true);
    EXPECT_EQ(only(WriteImports).at(2),
              "From System Import LongWord, LongInt, Float, Processes, Tasks, Exceptions, "
              "Pipes, PIDs, BootVectors, PCINTserv0, PCINTserv1, PCINTserv2, PCINTserv3, "
              "FlashCheck_S, FlashCheck_B;");

    o().setEnabled("BootVectChk", false);
    d().LongWords = d().LongInts = d().Floats = d().Processes = d().Tasks = false;
    d().Pipes = d().PIDs = false;
    for (OptName c : OptNames{"ExceptBox", "PCINTchk0", "PCINTchk1", "PCINTchk2", "PCINTchk3",
                          "AppCheckSumChk", "BootCheckSumChk"})
        o().setChecked(c, false);
    EXPECT_EQ(only(WriteImports).at(2), "From System Import ;");

    // The drivers that bring their own types.
    o().setChecked("TCP_IPchk", true);
    o().setChecked("DSS10chk", true);
    EXPECT_EQ(only(WriteImports).at(2), "From System Import LongInt, Float, Processes, Tasks;");
    o().setChecked("TCP_IPchk", false);
    o().setChecked("DSS10chk", false);
    o().setChecked("IncrP4Chk", true);
    EXPECT_EQ(only(WriteImports).at(2), "From System Import ;");
    o().choose("IncrP4LongChk");
    o().setChecked("ROVAchk", true);
    EXPECT_EQ(only(WriteImports).at(2), "From System Import LongWord, LongInt;");
}

TEST_F(ImportsTest, OptionalLinesInOrder) {
    open("mega16g");
    d().SysTick = 10;
    o().setChecked("RTCalarmChk", true);
    o().setText("RTCtimerSpin", "2");
    o().setChecked("LCDgraphChk", true);
    o().setChecked("PixFontChk", true);
    o().setChecked("TCP_IPchk", true);
    o().setChecked("TCP_UDPchk", true);
    o().setChecked("TCP_HTTPchk", true);
    o().setEnabled("LEDbitSpin0", true);
    o().setChecked("BlinkMsgChk", true);
    o().setChecked("SysTime32Chk", true);
    const Listing l = only(WriteImports);
    EXPECT_EQ(Listing(l.begin() + 4, l.end()),
              (Listing{"From RTclock Import RTCalarm, RTCtimer;", "",
                       "From LCDGraphic Import CharSet;    {block CharSet, pixels}", "",
                       "From wzNet4 Import UDP, HTTP;", "", "From SysLEDblink Import LEDmessage;",
                       "", "From SysTick import SystemTime32;", ""}));

    o().setChecked("SysTime16Chk", true);
    EXPECT_EQ(only(WriteImports).at(12), "From SysTick import SystemTime16;");
}

TEST_F(ImportsTest, OptionalLinesWithEmptyLists) {
    open("mega16g");
    d().SysTick = 0;
    o().setChecked("TCP_IPchk", true);
    EXPECT_EQ(only(WriteImports).at(4), "From wzNet4 Import ;");
    o().setChecked("TCP_IPchk", false);
    o().setText("RTCtimerSpin", "1");
    EXPECT_EQ(only(WriteImports).at(4), "From RTclock Import RTCtimer;");
    o().setEnabled("LEDbitSpin0", false);
    o().setChecked("BlinkMsgChk", true);
    o().setText("RTCtimerSpin", "None");
    EXPECT_EQ(only(WriteImports).size(), 4u);
}

} // namespace
} // namespace pramlet::test
