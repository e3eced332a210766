#include "device/DeviceLoader.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace pramlet {
namespace {

class DeviceLoaderTest : public ::testing::Test {
  protected:
    // Loads a description written with the given text into a fresh record. Each one gets a
    // file name of its own: the loader reuses the open document for the same name.
    tCpuDesc load(const std::string& text) {
        tCpuDesc cpu;
        const std::string name = "MEGA" + std::to_string(++files) + ".dsc";
        loader.LoadCPU(dir.write(name, "[device]\ndevice=ATmega8\n" + text), cpu);
        return cpu;
    }

    test::TempDir dir;
    RecordingDialogs dialogs;
    TDeviceLoader loader{dialogs};
    int files = 0;
};

TEST_F(DeviceLoaderTest, FillsEveryFieldFromACompleteDescription) {
    tCpuDesc expected;
    expected.CpuName = "ATmega128T";
    expected.ExtRam = true;
    expected.Ports = {PortA, PortB, PortC, PortD, PortG};
    expected.Pins = {PinA, PinB, PinD, PinG};
    expected.DDRs = {DDRA, DDRB, DDRC, DDRD, DDRG};
    expected.BootVect = true;
    for (int port = 1; port <= kPortCount; ++port)
        expected.mask(port) = 255;
    expected.maskC = 0x3F;
    expected.maskG = 0x1F;
    expected.Periph = {SerPort,   SerPort2,  UARTN,     SPIport,   TWIport, ADCport, CANport,
                       PWMport1A, PWMport1B, PWMport3A, PWMport3B, MSPI0,   MSPI2,   PCINT0,
                       PCINT3,    INT0,      INT1,      INT2,      INT6};
    expected.ADCmax = 8;
    expected.BOOTRST0 = 0xF000;
    expected.BOOTRST1 = 0xF800;
    expected.BOOTRST2 = 0xFC00;
    expected.BOOTRST3 = 0xFE00;
    expected.BOOTRSTE = 0xFFFF;
    expected.DataSize = 4096;
    expected.ASSR = 0x50;
    expected.Timers = 3;
    expected.LockBit0 = {"LB1", "LB2", "BLB01", "BLB02", "BLB11", "BLB12", "", ""};
    expected.Fuses0 = {"CKSEL0", "CKSEL1", "CKSEL2", "CKSEL3", "SUT0", "SUT1", "BODEN", "BODLEVEL"};
    expected.Fuses1 = {"BOOTRST", "BOOTSZ0", "BOOTSZ1", "EESAVE",
                       "CKOPT",   "SPIEN",   "JTAGEN",  "OCDEN"};
    expected.Fuses2 = {"WDTON", "M103C", "", "", "", "", "", ""};
    expected.FuseDefault0 = 0x1E;
    expected.FuseDefault1 = 0x66;
    expected.FuseDefault2 = 0x02;
    expected.LockWRmask0 = 0x3F;
    expected.FuseWRMask0 = 0xFF;
    expected.FuseWRMask1 = 0xBF;
    expected.FuseWRMask2 = 0x03;
    expected.JTAG = true;

    tCpuDesc cpu;
    loader.LoadCPU(PRAMLET_TEST_DATA "/devices-full/MEGA128T.dsc", cpu);
    EXPECT_EQ(cpu, expected);
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(DeviceLoaderTest, MinimalDescriptionGivesTheDefaults) {
    const tCpuDesc cpu = load("");
    EXPECT_EQ(cpu.DataSize, 1); // -1 - (-1) + 1
    EXPECT_FALSE(cpu.ExtRam);
    EXPECT_TRUE(cpu.Ports.empty());
    EXPECT_TRUE(cpu.Pins.empty());
    EXPECT_TRUE(cpu.DDRs.empty());
    EXPECT_TRUE(cpu.Periph.empty());
    EXPECT_EQ(cpu.ADCmax, -1);
    EXPECT_EQ(cpu.BOOTRST0, -1);
    EXPECT_EQ(cpu.BOOTRSTE, -1);
    EXPECT_EQ(cpu.ASSR, -1);
    EXPECT_EQ(cpu.Timers, 1);
    EXPECT_EQ(cpu.maskL, 255);
    EXPECT_EQ(cpu.FuseWRMask0, 0);
    EXPECT_FALSE(cpu.BootVect);
    EXPECT_FALSE(cpu.JTAG);
}

TEST_F(DeviceLoaderTest, DataSizeWrapsInsteadOfOverflowing) {
    EXPECT_EQ(load("[memory]\nidatastart=$60\nidataend=$45F\n").DataSize, 1024);
    EXPECT_EQ(load("[memory]\nidatastart=0\nidataend=$7FFFFFFF\n").DataSize, INT32_MIN);
    EXPECT_EQ(load("[memory]\nidatastart=$80000000\nidataend=0\n").DataSize, INT32_MIN + 1);
}

TEST_F(DeviceLoaderTest, ALoadLeavesNothingOfThePreviousController) {
    tCpuDesc cpu;
    loader.LoadCPU(PRAMLET_TEST_DATA "/devices-full/MEGA128T.dsc", cpu);
    const tCpuDesc minimal = load("");
    loader.LoadCPU(dir.path() + "MEGA1.dsc", cpu);
    EXPECT_EQ(cpu, minimal);
}

TEST_F(DeviceLoaderTest, FlagsNeedLowerCaseTrue) {
    const tCpuDesc cpu = load("JTAG=True\nUARTN=true\n[memory]\nxdata=TRUE\n"
                              "[peripheral]\nspi=true\nI2C=yes\n");
    EXPECT_FALSE(cpu.JTAG);
    EXPECT_FALSE(cpu.ExtRam);
    EXPECT_TRUE(cpu.Periph.has(UARTN));
    EXPECT_TRUE(cpu.Periph.has(SPIport));
    EXPECT_FALSE(cpu.Periph.has(TWIport));
}

TEST_F(DeviceLoaderTest, Timer3OutputIsPresentFromZeroOn) {
    const tCpuDesc cpu = load("[timer3]\noc3A=0\noc3B=-1\n");
    EXPECT_TRUE(cpu.Periph.has(PWMport3A));
    EXPECT_FALSE(cpu.Periph.has(PWMport3B));
    EXPECT_FALSE(cpu.Periph.has(PWMport3C));
}

TEST_F(DeviceLoaderTest, ConverterChannels) {
    tCpuDesc cpu = load("[peripheral]\nadc=0\n");
    EXPECT_FALSE(cpu.Periph.has(ADCport));
    EXPECT_EQ(cpu.ADCmax, 0);
    cpu = load("[peripheral]\nadc=1\n");
    EXPECT_TRUE(cpu.Periph.has(ADCport));
    EXPECT_EQ(cpu.ADCmax, 1);
    cpu = load("[peripheral]\nadc=many\n");
    EXPECT_FALSE(cpu.Periph.has(ADCport));
    EXPECT_EQ(cpu.ADCmax, -1);
}

TEST_F(DeviceLoaderTest, ExternalInterruptsSkipTheFirstVector) {
    tCpuDesc cpu = load("[interruptvectors]\nINT0\nINT1\n");
    EXPECT_FALSE(cpu.Periph.has(INT0));
    EXPECT_TRUE(cpu.Periph.has(INT1));
    cpu = load("[interruptvectors]\nRESET\nINT0\nINT0=1\nint7\nINT8\nINT3X\n");
    EXPECT_TRUE(cpu.Periph.has(INT0));
    EXPECT_TRUE(cpu.Periph.has(INT7));
    EXPECT_FALSE(cpu.Periph.has(INT3));
    cpu = load("[interruptvectors]\nRESET\nINT2=1\n");
    EXPECT_FALSE(cpu.Periph.has(INT2));
}

TEST_F(DeviceLoaderTest, HighestTimer) {
    EXPECT_EQ(load("[peripheral]\nTimer2=true\nTimer4=true\n").Timers, 4);
    EXPECT_EQ(load("[peripheral]\nTimer5=true\n").Timers, 5);
    EXPECT_EQ(load("[peripheral]\nTimer3=True\nTimer2=true\n").Timers, 2);
    EXPECT_EQ(load("[peripheral]\nTimer5=false\n").Timers, 1);
}

TEST_F(DeviceLoaderTest, PortMasksTakeTheLowByte) {
    const tCpuDesc cpu = load("[controlregs]\nportb=$38\n[PortMasks]\nmaskc=$3F\nmaskd=0x1FF\n"
                              "maske=junk\nmaskf=-1\nmaskg=0\n");
    EXPECT_EQ(cpu.maskB, 255);
    EXPECT_EQ(cpu.maskC, 63);
    EXPECT_EQ(cpu.maskD, 255);
    EXPECT_EQ(cpu.maskE, 255);
    EXPECT_EQ(cpu.maskF, 255);
    EXPECT_EQ(cpu.maskG, 0);
    EXPECT_EQ(cpu.Ports, tPorts{PortB});
}

TEST_F(DeviceLoaderTest, PinChangeGroupsNeedAValue) {
    const tCpuDesc cpu = load("[PCINT]\nPCINT0=PCMSK0\nPCINT1=\n");
    EXPECT_TRUE(cpu.Periph.has(PCINT0));
    EXPECT_FALSE(cpu.Periph.has(PCINT1));
    EXPECT_FALSE(cpu.Periph.has(PCINT2));
}

TEST_F(DeviceLoaderTest, MissingNameAbortsWithTheFileName) {
    tCpuDesc cpu;
    cpu.CpuName = "before";
    for (const char* text : {"[device]\ndevice=\nHLL=true\n", "[memory]\nxdata=true\n"}) {
        dialogs.entries.clear();
        const std::string path = dir.write("MEGA99.dsc", text);
        loader.SetIniEditorFileName(""); // read the rewritten file anew
        EXPECT_THROW(loader.LoadCPU(path, cpu), ApplicationAbort);
        EXPECT_EQ(dialogs.entries, (std::vector<RecordingDialogs::Entry>{
                                       {"error", "device= in file MEGA99.dscnot found", "Abort"}}));
    }
    EXPECT_THROW(loader.LoadCPU(dir.path() + "GONE.dsc", cpu), ApplicationAbort);
    EXPECT_EQ(dialogs.entries.back().text, "device= in file GONE.dscnot found");
    EXPECT_EQ(cpu.CpuName, "before");
}

TEST_F(DeviceLoaderTest, TheSameFileIsReadOnce) {
    const std::string a = dir.write("A.dsc", "[device]\ndevice=A\n");
    const std::string b = dir.write("B.dsc", "[device]\ndevice=B\n");
    tCpuDesc cpu;
    loader.LoadCPU(a, cpu);
    loader.LoadCPU(a, cpu);
    EXPECT_EQ(loader.FileReads(), 1);
    dir.write("A.dsc", "[device]\ndevice=changed\n");
    loader.LoadCPU(a, cpu);
    EXPECT_EQ(cpu.CpuName, "A"); // filled again from the document in memory
    loader.LoadCPU(b, cpu);
    loader.LoadCPU(a, cpu);
    EXPECT_EQ(loader.FileReads(), 3);
    EXPECT_EQ(cpu.CpuName, "changed");
    EXPECT_EQ(loader.IniEditorFileName(), a);
}

TEST_F(DeviceLoaderTest, AScannedFileIsUsedWholeWithoutReadingItAgain) {
    const std::string a = dir.write("A.dsc", "[memory]\nidatastart=$60\nidataend=$45F\n"
                                             "[device]\ndevice=A\nHLL=true\n");
    loader.ScanIniEditorFileName(a);
    EXPECT_EQ(loader.IniEditor().ReadString("device", "device"), "A");
    EXPECT_FALSE(loader.IniEditor().HasSection("memory")); // a scan parses [device] alone
    dir.write("A.dsc", "[device]\ndevice=changed\n");
    tCpuDesc cpu;
    loader.LoadCPU(a, cpu);
    EXPECT_EQ(loader.FileReads(), 1);
    EXPECT_EQ(cpu.CpuName, "A");
    EXPECT_EQ(cpu.DataSize, 0x400);
    // A missing file scanned gives an empty document, loaded or not.
    loader.ScanIniEditorFileName(dir.path() + "GONE.dsc");
    EXPECT_FALSE(loader.IniEditor().HasSection("device"));
    EXPECT_THROW(loader.LoadCPU(dir.path() + "GONE.dsc", cpu), ApplicationAbort);
    EXPECT_EQ(loader.FileReads(), 2);
}

TEST(ParseFuseDefault, BitNamesJoinedByPlus) {
    const TByteLabels names = {"CKSEL0", "CKSEL1", "", "SUT0", "", "", "", "BODLEVEL"};
    EXPECT_EQ(ParseFuseDefault("CKSEL1+SUT0", names), 0x0A);
    EXPECT_EQ(ParseFuseDefault("sut0+cksel0", names), 0x09);   // names match in any case
    EXPECT_EQ(ParseFuseDefault("CKSEL0+CKSEL0", names), 0x02); // a name twice counts twice
    EXPECT_EQ(ParseFuseDefault("BODLEVEL+BODLEVEL+CKSEL0", names), 0x01); // modulo 256
    EXPECT_EQ(ParseFuseDefault("SUT0+NOSUCH+", names), 0x08);
    EXPECT_EQ(ParseFuseDefault("0+CKSEL0", names), 0); // leading zero: none
    EXPECT_EQ(ParseFuseDefault("0x0A", names), 0);
    EXPECT_EQ(ParseFuseDefault("SUT0 + CKSEL0", names), 0); // blanks are part of the names
}

TEST(ParseFuseDefault, ShortTextsAndEmptyNamesGiveNoBits) {
    const TByteLabels names = {"AB", "", "", "", "", "", "", ""};
    EXPECT_EQ(ParseFuseDefault("AB", names), 0); // fewer than 3 characters
    EXPECT_EQ(ParseFuseDefault("", names), 0);
    EXPECT_EQ(ParseFuseDefault("AB+", names), 0x01);
    // An empty piece must not stand for a bit without a name.
    EXPECT_EQ(ParseFuseDefault("AB++AB", names), 0x02);
    EXPECT_EQ(ParseFuseDefault("+++", names), 0);
}

TEST(tCpuDesc, MasksByPortOrdinal) {
    tCpuDesc cpu;
    cpu.maskA = 1;
    cpu.maskH = 8;
    cpu.maskJ = 9;
    cpu.maskL = 11;
    EXPECT_EQ(cpu.mask(1), 1);
    EXPECT_EQ(cpu.mask(PortOrdinal('H')), 8);
    EXPECT_EQ(cpu.mask(PortOrdinal('j')), 9);
    EXPECT_EQ(cpu.mask(11), 11);
    EXPECT_THROW(cpu.mask(0), std::out_of_range);
    EXPECT_THROW(cpu.mask(12), std::out_of_range);
    EXPECT_EQ(PortLetter(8), 'H');
    EXPECT_EQ(PortLetter(9), 'J');
    EXPECT_EQ(PortLetter(12), '\0');
    EXPECT_EQ(PortOrdinal('I'), 0);
}

} // namespace
} // namespace pramlet
