#include "config/OptionCatalogue.h"

#include <unordered_map>

namespace pramlet {

namespace {

// One page of the form: its rows in form order; the page index is stamped on by the builder.
struct Page {
    int index;
    std::vector<OptionDef> rows;
};

// The rows below are kept one per line so that each reads like a row of the option table.
// clang-format off
Page windowControls() {
    using enum OptionKind;
    return {-1, {
        {.name = "Tab", .kind = TitleBar, .caption = "select processor type"},
        {.name = "PrevBtn", .kind = Button, .caption = "prev", .hint = "previous page"},
        {.name = "NextBtn", .kind = Button, .caption = "next", .hint = "next page"},
        {.name = "StatusLine", .kind = StatusLine, .items = {"Rev 1.2", "test"}},
        {.name = "LedCheck", .kind = CheckBox, .caption = "Checked", .def = "0", .enabled = false},
        // items: the filter as pairs of description and pattern
        {.name = "OpenDialog", .kind = FileDialog, .caption = "Save Application to ...", .def = ".pas", .items = {"Pascal source", "*.pas", "all", "*.*"}},
        {.name = "PrintDialog", .kind = PrintDialog},
    }};
}

Page cpuSelSheet() {
    using enum OptionKind;
    return {0, {
        {.name = "RadioGroupTiny", .kind = ControllerList, .caption = "TINY"},
        {.name = "RadioGroupAVR", .kind = ControllerList, .caption = "AVR"},
        {.name = "RadioGroupMega", .kind = ControllerList, .caption = "MEGA"},
        {.name = "RadioGroupXMega", .kind = ControllerList, .caption = "XMEGA"},
        {.name = "RadioGroupUPDI", .kind = ControllerList, .caption = "UPDI-TINY-MEGA"},
        {.name = "GroupBox1", .kind = GroupBox, .caption = "Frequency (kHz)", .hint = "define CPU clock", .enabled = false},
        {.name = "FreqSpin", .parent = "GroupBox1", .kind = Number, .def = "16000", .step = 1000},
        {.name = "GroupBox2", .kind = GroupBox, .caption = "External Ram", .hint = "define external RAM size", .enabled = false},
        {.name = "NoInitChk", .parent = "GroupBox2", .kind = CheckBox, .caption = "no Init", .hint = "external memory init", .def = "0"},
        {.name = "RamSpin", .parent = "GroupBox2", .kind = NumberSpecial, .def = "0", .special = {"None=0"}},
        {.name = "XDataWaitSpin", .parent = "GroupBox2", .kind = NumberSpecial, .def = "1", .special = {"No wait=0", "1 wait=1", "2 wait=2"}},
        {.name = "GroupBox14", .kind = GroupBox, .caption = "System Tick", .hint = "define System Tick", .enabled = false},
        {.name = "SysTickSpin", .parent = "GroupBox14", .kind = Number, .def = "10"},
        {.name = "GroupBox15", .kind = GroupBox, .caption = "WatchDog", .enabled = false},
        {.name = "WatchDogSpin", .parent = "GroupBox15", .kind = NumberSpecial, .def = "-1", .min = -1, .max = 7, .special = {"None=-1", "16ms=0", "32ms=1", "64ms=2", "125ms=3", "250ms=4", "0.5 sec=5", "1 sec=6", "2 sec=7"}},
        {.name = "HelpBtn", .kind = Button},
        {.name = "GroupBox43", .kind = GroupBox, .caption = "VCC", .enabled = false},
        {.name = "ComboBoxVCC", .parent = "GroupBox43", .kind = Choice, .def = "5.0", .items = {"3.0", "3.3", "5.0"}, .editable = true},
        {.name = "InfoBtn", .kind = Button, .caption = "About"},
    }};
}

Page dataTypeSheet() {
    using enum OptionKind;
    return {1, {
        {.name = "GroupBox13", .kind = GroupBox, .caption = "System", .hint = "define System Stack and Frame size"},
        {.name = "SysStackiDatChk", .parent = "GroupBox13", .kind = OneOf, .caption = "iData", .def = "1", .group = "SysStackiDatChk"},
        {.name = "SysStackxDatChk", .parent = "GroupBox13", .kind = OneOf, .caption = "xData", .def = "0", .group = "SysStackiDatChk"},
        {.name = "SysFrameIDatChk", .parent = "GroupBox13", .kind = OneOf, .caption = "iData", .def = "1", .group = "SysFrameIDatChk"},
        {.name = "SysFrameXDatChk", .parent = "GroupBox13", .kind = OneOf, .caption = "xData", .def = "0", .group = "SysFrameIDatChk"},
        {.name = "ExceptBox", .parent = "GroupBox13", .kind = CheckBox, .caption = "Exceptions", .hint = "inport exceptions", .def = "0"},
        {.name = "ExceptSpin", .parent = "GroupBox13", .kind = Number, .def = "2", .min = 1, .max = 15},
        {.name = "SysStackSpin", .parent = "GroupBox13", .kind = Number, .label = "Stack size", .def = "0"},
        {.name = "SysFrameSpin", .parent = "GroupBox13", .kind = Number, .label = "Frame size", .def = "0"},

        {.name = "GroupBox3", .kind = GroupBox, .caption = "Data Types", .hint = "import data types"},
        {.name = "LongWchk", .parent = "GroupBox3", .kind = CheckBox, .caption = "LongWord", .hint = "import LongWords", .def = "0"},
        {.name = "LongIchk", .parent = "GroupBox3", .kind = CheckBox, .caption = "LongInt", .hint = "import LongInts", .def = "0"},
        {.name = "FloatChk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Float", .def = "0"},
        {.name = "PipeChk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Pipes", .hint = "import Pipes", .def = "0"},
        {.name = "PIDchk", .parent = "GroupBox3", .kind = CheckBox, .caption = "PIDs", .hint = "import PIDs", .def = "0"},
        {.name = "Word64Chk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Word64", .def = "0", .enabled = false},
        {.name = "Int64Chk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Int64", .def = "0", .enabled = false},
        {.name = "RecordChk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Records", .def = "0", .enabled = false},
        {.name = "DoubleChk", .parent = "GroupBox3", .kind = CheckBox, .caption = "Double", .def = "0", .enabled = false},

        {.name = "GroupBox4", .kind = GroupBox, .caption = "MultiTasking", .hint = "define fundamental System"},
        {.name = "StandardChk", .parent = "GroupBox4", .kind = OneOf, .caption = "Standard", .hint = "no User defined Interrupts, no Multitasking", .def = "1", .group = "StandardChk"},
        {.name = "UserInts", .parent = "GroupBox4", .kind = OneOf, .caption = "safe Interrupts", .hint = "User defined Interrupts, no Multitasking", .def = "0", .group = "StandardChk"},
        {.name = "MultiTaskChk", .parent = "GroupBox4", .kind = OneOf, .caption = "MultiTasking", .hint = "import Multitasking", .def = "0", .group = "StandardChk"},
        {.name = "ProcessChk", .parent = "GroupBox4", .kind = CheckBox, .caption = "Processes", .hint = "import Processes", .def = "0"},
        {.name = "TaskChk", .parent = "GroupBox4", .kind = CheckBox, .caption = "Tasks", .hint = "import Tasks", .def = "0"},
        {.name = "SchediDatChk", .parent = "GroupBox4", .kind = OneOf, .caption = "iData", .def = "1", .group = "SchediDatChk"},
        {.name = "SchedxDatChk", .parent = "GroupBox4", .kind = OneOf, .caption = "xData", .def = "0", .group = "SchediDatChk"},
        {.name = "IdleProcChk", .parent = "GroupBox4", .kind = CheckBox, .caption = "Idle process", .hint = "inport the idle process", .def = "0"},

        {.name = "GroupBox5", .kind = GroupBox, .caption = "Task", .hint = "define common Task parameters"},
        {.name = "TaskStackiDatChk", .parent = "GroupBox5", .kind = OneOf, .caption = "iData", .def = "1", .group = "TaskStackiDatChk"},
        {.name = "TaskStackxDatChk", .parent = "GroupBox5", .kind = OneOf, .caption = "xData", .def = "0", .group = "TaskStackiDatChk"},
        {.name = "TaskStackSpin", .parent = "GroupBox5", .kind = Number, .label = "Stack size", .def = "0"},
        {.name = "TaskFrameSpin", .parent = "GroupBox5", .kind = Number, .label = "Frame size", .def = "0"},

        {.name = "GroupBox30", .kind = GroupBox, .caption = "Heap Import", .hint = "Import Heap  manager"},
        {.name = "HeapIDataChk", .parent = "GroupBox30", .kind = OneOf, .caption = "iData", .def = "0", .group = "HeapIDataChk"},
        {.name = "HeapXDataChk", .parent = "GroupBox30", .kind = OneOf, .caption = "xData", .def = "0", .group = "HeapIDataChk"},
        {.name = "HeapNoneChk", .parent = "GroupBox30", .kind = OneOf, .caption = "none", .def = "1", .group = "HeapIDataChk"},
        {.name = "HeapUserChk", .parent = "GroupBox30", .kind = OneOf, .caption = "User defined", .def = "0", .group = "HeapIDataChk"},

        {.name = "BootGroup", .kind = GroupBox, .caption = "Boot Options"},
        {.name = "ResJmpDefBtn", .parent = "BootGroup", .kind = OneOf, .caption = "Reset Jump to:   $0000", .hint = "standard RESET entry", .def = "1", .enabled = false, .group = "ResJmpDefBtn"},
        {.name = "ResJmpBtn", .parent = "BootGroup", .kind = OneOf, .caption = "Reset Jump to:", .hint = "RESET jump into BOOT", .def = "0", .enabled = false, .group = "ResJmpDefBtn"},
        // the boot entry address beside ResJmpBtn, written by the page rules
        {.name = "ResJmpLabel", .parent = "BootGroup", .kind = Label, .def = "$0000"},
        {.name = "BootBlockChk", .parent = "BootGroup", .kind = CheckBox, .caption = "Bootblock", .hint = "Import Boot Block", .def = "0"},
        {.name = "GroupBox90", .parent = "BootGroup", .kind = GroupBox, .caption = "Interface"},
        {.name = "BootSer1Chck", .parent = "GroupBox90", .kind = OneOf, .caption = "SerPort", .hint = "select BOOT port 1. serial port", .def = "1", .group = "BootSer1Chck"},
        {.name = "BootSer2Chck", .parent = "GroupBox90", .kind = OneOf, .caption = "SerPort2", .hint = "select BOOT port 2. serial port", .def = "0", .group = "BootSer1Chck"},
        {.name = "BootENCChck", .parent = "GroupBox90", .kind = OneOf, .caption = "ROVA-ENC", .hint = "select BOOT port ROVA-ENC", .def = "0", .group = "BootSer1Chck"},
        {.name = "BootBaudSpin", .parent = "GroupBox90", .kind = Number, .label = "Baud Rate", .def = "9600", .step = 100},
        {.name = "BootFusesChk", .parent = "BootGroup", .kind = CheckBox, .caption = "set Boot Fuses", .hint = "calculate BOOT fuses given from BOOT size", .def = "0"},
        {.name = "BootVectChk", .parent = "BootGroup", .kind = CheckBox, .caption = "Boot Vectors", .hint = "import BOOT Vectors", .def = "0"},
        {.name = "BootLockChk", .parent = "BootGroup", .kind = CheckBox, .caption = "set Boot Lock", .hint = "set BOOT lock bits", .def = "0"},
        {.name = "BootAppChk", .parent = "BootGroup", .kind = CheckBox, .caption = "Boot Application", .hint = "make a Boot application", .def = "0"},
        {.name = "ComboBoxBootArea", .parent = "BootGroup", .kind = Choice, .label = "Boot Area"},

        {.name = "GroupBox94", .kind = GroupBox, .caption = "System Time"},
        {.name = "SysTime16Chk", .parent = "GroupBox94", .kind = CheckBox, .caption = "SystemTime16", .hint = "Import the System Time", .def = "0"},
        {.name = "SysTime32Chk", .parent = "GroupBox94", .kind = CheckBox, .caption = "SystemTime32", .hint = "Import the System Time", .def = "0"},

        {.name = "GroupBox95", .kind = GroupBox, .caption = "Checksums"},
        {.name = "AppCheckSumChk", .parent = "GroupBox95", .kind = CheckBox, .caption = "Application", .hint = "import Application Checksum", .def = "0"},
        {.name = "BootCheckSumChk", .parent = "GroupBox95", .kind = CheckBox, .caption = "Boot", .hint = "import Boot Checksum", .def = "0"},
    }};
}

Page onChipSheet1() {
    using enum OptionKind;
    return {2, {
        {.name = "GroupBox7", .kind = GroupBox, .caption = "SerPort", .hint = "import first RS232 port"},
        {.name = "Tx1iDatChk", .parent = "GroupBox7", .kind = OneOf, .caption = "iData", .def = "1", .group = "Tx1iDatChk"},
        {.name = "Tx1xDatChk", .parent = "GroupBox7", .kind = OneOf, .caption = "xData", .def = "0", .group = "Tx1iDatChk"},
        {.name = "Rx1iDatChk", .parent = "GroupBox7", .kind = OneOf, .caption = "iData", .def = "1", .group = "Rx1iDatChk"},
        {.name = "Rx1xDatChk", .parent = "GroupBox7", .kind = OneOf, .caption = "xData", .def = "0", .group = "Rx1iDatChk"},
        {.name = "DTR1enaChk", .parent = "GroupBox7", .kind = CheckBox, .caption = "high enable", .hint = "Level of DTR enable", .def = "0"},
        {.name = "Baud1Spin", .parent = "GroupBox7", .kind = NumberSpecial, .def = "0", .step = 9600, .special = {"None=0"}},
        {.name = "RxBuf1Spin", .parent = "GroupBox7", .kind = Number, .label = "RxBuffer", .def = "0"},
        {.name = "TxBuf1Spin", .parent = "GroupBox7", .kind = Number, .label = "TxBuffer", .def = "0", .max = 255},
        {.name = "SerForm1Spin", .parent = "GroupBox7", .kind = Choice, .def = "1 stop bit", .items = {"1 stop bit", "2 stop bits", "Even Parity", "Odd Parity"}},
        {.name = "DTR1PortSpin", .parent = "GroupBox7", .kind = Choice, .def = "No DTR", .items = {"No DTR"}},
        {.name = "DTR1BitSpin", .parent = "GroupBox7", .kind = NumberSpecial, .def = "0", .max = 7, .special = {"Pin 0=0", "Pin 1=1", "Pin 2=2", "Pin 3=3", "Pin 4=4", "Pin 5=5", "Pin 6=6", "Pin 7=7"}},

        {.name = "GroupBox8", .kind = GroupBox, .caption = "SerPort 2", .hint = "import first RS232 port"},
        {.name = "Tx2iDatChk", .parent = "GroupBox8", .kind = OneOf, .caption = "iData", .def = "1", .group = "Tx2iDatChk"},
        {.name = "Tx2xDatChk", .parent = "GroupBox8", .kind = OneOf, .caption = "xData", .def = "0", .group = "Tx2iDatChk"},
        {.name = "Rx2iDatChk", .parent = "GroupBox8", .kind = OneOf, .caption = "iData", .def = "1", .group = "Rx2iDatChk"},
        {.name = "Rx2xDatChk", .parent = "GroupBox8", .kind = OneOf, .caption = "xData", .def = "0", .group = "Rx2iDatChk"},
        {.name = "DTR2enaChk", .parent = "GroupBox8", .kind = CheckBox, .caption = "high enable", .hint = "Level of DTR enable", .def = "0"},
        {.name = "Baud2Spin", .parent = "GroupBox8", .kind = NumberSpecial, .def = "0", .step = 9600, .special = {"None=0"}},
        {.name = "RxBuf2Spin", .parent = "GroupBox8", .kind = Number, .label = "RxBuffer", .def = "0"},
        {.name = "TxBuf2Spin", .parent = "GroupBox8", .kind = Number, .label = "TxBuffer", .def = "0", .max = 255},
        {.name = "SerForm2Spin", .parent = "GroupBox8", .kind = Choice, .def = "1 stop bit", .items = {"1 stop bit", "2 stop bits", "Even Parity", "Odd Parity"}},
        {.name = "DTR2PortSpin", .parent = "GroupBox8", .kind = Choice, .def = "No DTR", .items = {"No DTR"}},
        {.name = "DTR2BitSpin", .parent = "GroupBox8", .kind = NumberSpecial, .def = "0", .max = 7, .special = {"Pin 0=0", "Pin 1=1", "Pin 2=2", "Pin 3=3", "Pin 4=4", "Pin 5=5", "Pin 6=6", "Pin 7=7"}},

        {.name = "GroupBox81", .kind = GroupBox, .caption = "SerPort 3", .hint = "import first RS232 port"},
        {.name = "Tx3iDatChk", .parent = "GroupBox81", .kind = OneOf, .caption = "iData", .def = "1", .group = "Tx3iDatChk"},
        {.name = "Tx3xDatChk", .parent = "GroupBox81", .kind = OneOf, .caption = "xData", .def = "0", .group = "Tx3iDatChk"},
        {.name = "Rx3iDatChk", .parent = "GroupBox81", .kind = OneOf, .caption = "iData", .def = "1", .group = "Rx3iDatChk"},
        {.name = "Rx3xDatChk", .parent = "GroupBox81", .kind = OneOf, .caption = "xData", .def = "0", .group = "Rx3iDatChk"},
        {.name = "DTR3enaChk", .parent = "GroupBox81", .kind = CheckBox, .caption = "high enable", .hint = "Level of DTR enable", .def = "0"},
        {.name = "Baud3Spin", .parent = "GroupBox81", .kind = NumberSpecial, .def = "0", .step = 9600, .special = {"None=0"}},
        {.name = "RxBuf3Spin", .parent = "GroupBox81", .kind = Number, .label = "RxBuffer", .def = "0"},
        {.name = "TxBuf3Spin", .parent = "GroupBox81", .kind = Number, .label = "TxBuffer", .def = "0", .max = 255},
        {.name = "SerForm3Spin", .parent = "GroupBox81", .kind = Choice, .def = "1 stop bit", .items = {"1 stop bit", "2 stop bits", "Even Parity", "Odd Parity"}},
        {.name = "DTR3PortSpin", .parent = "GroupBox81", .kind = Choice, .def = "No DTR", .items = {"No DTR"}},
        {.name = "DTR3BitSpin", .parent = "GroupBox81", .kind = NumberSpecial, .def = "0", .max = 7, .special = {"Pin 0=0", "Pin 1=1", "Pin 2=2", "Pin 3=3", "Pin 4=4", "Pin 5=5", "Pin 6=6", "Pin 7=7"}},

        {.name = "GroupBox82", .kind = GroupBox, .caption = "SerPort 4", .hint = "import first RS232 port"},
        {.name = "Tx4iDatChk", .parent = "GroupBox82", .kind = OneOf, .caption = "iData", .def = "1", .group = "Tx4iDatChk"},
        {.name = "Tx4xDatChk", .parent = "GroupBox82", .kind = OneOf, .caption = "xData", .def = "0", .group = "Tx4iDatChk"},
        {.name = "Rx4iDatChk", .parent = "GroupBox82", .kind = OneOf, .caption = "iData", .def = "1", .group = "Rx4iDatChk"},
        {.name = "Rx4xDatChk", .parent = "GroupBox82", .kind = OneOf, .caption = "xData", .def = "0", .group = "Rx4iDatChk"},
        {.name = "DTR4enaChk", .parent = "GroupBox82", .kind = CheckBox, .caption = "high enable", .hint = "Level of DTR enable", .def = "0"},
        {.name = "Baud4Spin", .parent = "GroupBox82", .kind = NumberSpecial, .def = "0", .step = 9600, .special = {"None=0"}},
        {.name = "RxBuf4Spin", .parent = "GroupBox82", .kind = Number, .label = "RxBuffer", .def = "0"},
        {.name = "TxBuf4Spin", .parent = "GroupBox82", .kind = Number, .label = "TxBuffer", .def = "0", .max = 255},
        {.name = "SerForm4Spin", .parent = "GroupBox82", .kind = Choice, .def = "1 stop bit", .items = {"1 stop bit", "2 stop bits", "Even Parity", "Odd Parity"}},
        {.name = "DTR4PortSpin", .parent = "GroupBox82", .kind = Choice, .def = "No DTR", .items = {"No DTR"}},
        {.name = "DTR4BitSpin", .parent = "GroupBox82", .kind = NumberSpecial, .def = "0", .max = 7, .special = {"Pin 0=0", "Pin 1=1", "Pin 2=2", "Pin 3=3", "Pin 4=4", "Pin 5=5", "Pin 6=6", "Pin 7=7"}},

        {.name = "GroupBox10", .kind = GroupBox, .caption = "PWMport Timer1", .hint = "import PWM ports"},
        {.name = "PWM1Achk", .parent = "GroupBox10", .kind = CheckBox, .caption = "PWM1A", .hint = "import PWM port", .def = "0"},
        {.name = "PWM1Bchk", .parent = "GroupBox10", .kind = CheckBox, .caption = "PWM1B", .hint = "import PWM port", .def = "0"},
        {.name = "PWM1Cchk", .parent = "GroupBox10", .kind = CheckBox, .caption = "PWM1C", .hint = "import PWM port", .def = "0"},
        {.name = "PWM1fastChk", .parent = "GroupBox10", .kind = CheckBox, .caption = "fast", .hint = "PWM fast mode", .def = "0"},
        {.name = "PWM1negChk", .parent = "GroupBox10", .kind = CheckBox, .caption = "neg", .hint = "PWM negative pulse", .def = "0"},
        {.name = "PWMresSel", .parent = "GroupBox10", .kind = Number, .label = "resolution", .def = "10", .min = 8, .max = 12},
        {.name = "PWMprescSel", .parent = "GroupBox10", .kind = Number, .label = "prescaler", .def = "4", .min = 1, .max = 5},

        {.name = "GroupBox34", .kind = GroupBox, .caption = "SPIport Network"},
        {.name = "SPIiDatChk", .parent = "GroupBox34", .kind = OneOf, .caption = "iData", .def = "1", .group = "SPIiDatChk"},
        {.name = "SPIxDatChk", .parent = "GroupBox34", .kind = OneOf, .caption = "xData", .def = "0", .group = "SPIiDatChk"},
        {.name = "SPIMSBchk", .parent = "GroupBox34", .kind = CheckBox, .caption = "MSB", .hint = "MSB first or LSB first", .def = "1"},
        {.name = "SPIMastChk", .parent = "GroupBox34", .kind = CheckBox, .caption = "Master", .def = "1"},
        {.name = "SPIclkChk", .parent = "GroupBox34", .kind = CheckBox, .caption = "CLKhi", .hint = "CLK idle Hi or Lo", .def = "1"},
        {.name = "SPIphaseChk", .parent = "GroupBox34", .kind = CheckBox, .caption = "CLKph1", .def = "1"},
        {.name = "SPIBufSpin", .parent = "GroupBox34", .kind = Number, .label = "SPIbuffer Rx/Tx", .def = "0", .max = 255},
        {.name = "SPIretrySpin", .parent = "GroupBox34", .kind = Number, .label = "Retries", .def = "10"},
        {.name = "SPIprescSpin", .parent = "GroupBox34", .kind = Number, .label = "prescaler", .def = "0", .max = 3},

        // The timer 3 outputs sit in the timer 3 box, beside its resolution and prescaler.
        {.name = "GroupBox77", .kind = GroupBox, .caption = "PWMport Timer3", .hint = "import PWM ports"},
        {.name = "PWM3Achk", .parent = "GroupBox77", .kind = CheckBox, .caption = "PWM3A", .hint = "import PWM port", .def = "0"},
        {.name = "PWM3Bchk", .parent = "GroupBox77", .kind = CheckBox, .caption = "PWM3B", .hint = "import PWM port", .def = "0"},
        {.name = "PWM3Cchk", .parent = "GroupBox77", .kind = CheckBox, .caption = "PWM3C", .hint = "import PWM port", .def = "0"},
        {.name = "PWM3fastChk", .parent = "GroupBox77", .kind = CheckBox, .caption = "fast", .hint = "PWM fast mode", .def = "0"},
        {.name = "PWM3negChk", .parent = "GroupBox77", .kind = CheckBox, .caption = "neg", .hint = "PWM negative pulse", .def = "0"},
        {.name = "PWMres3Sel", .parent = "GroupBox77", .kind = Number, .label = "resolution", .def = "10", .min = 8, .max = 12},
        {.name = "PWMpresc3Sel", .parent = "GroupBox77", .kind = Number, .label = "prescaler", .def = "4", .min = 1, .max = 5},
    }};
}

Page onChipSheet2() {
    using enum OptionKind;
    return {3, {
        {.name = "GroupBox9", .kind = GroupBox, .caption = "ADCport", .hint = "import ADC port"},
        {.name = "ADCiDatChk", .parent = "GroupBox9", .kind = OneOf, .caption = "iData", .def = "1", .group = "ADCiDatChk"},
        {.name = "ADCxDatChk", .parent = "GroupBox9", .kind = OneOf, .caption = "xData", .def = "0", .group = "ADCiDatChk"},
        {.name = "ADCintChk", .parent = "GroupBox9", .kind = CheckBox, .caption = "Integrate", .hint = "Integrate ADC result", .def = "0"},
        {.name = "ADCspin", .parent = "GroupBox9", .kind = Number, .hint = "define ADC channels to use", .def = "0"},
        {.name = "ADCprescSpin", .parent = "GroupBox9", .kind = Number, .label = "prescaler", .def = "0"},

        {.name = "GroupBox78", .kind = GroupBox, .caption = "SysLEDs", .hint = "import ADC port"},
        {.name = "LedLowChk0", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk1", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk2", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk3", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk4", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk5", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk6", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "LedLowChk7", .parent = "GroupBox78", .kind = CheckBox, .hint = "define active level for LedBlinker", .def = "0"},
        {.name = "BlinkMsgChk", .parent = "GroupBox78", .kind = CheckBox, .caption = "BlinkMessage", .hint = "Extend SysLeds with Message Blinker", .def = "0"},
        {.name = "LEDportSpin0", .parent = "GroupBox78", .kind = Choice, .label = "LED0", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin1", .parent = "GroupBox78", .kind = Choice, .label = "LED1", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin2", .parent = "GroupBox78", .kind = Choice, .label = "LED2", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin3", .parent = "GroupBox78", .kind = Choice, .label = "LED3", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin4", .parent = "GroupBox78", .kind = Choice, .label = "LED4", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin5", .parent = "GroupBox78", .kind = Choice, .label = "LED5", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin6", .parent = "GroupBox78", .kind = Choice, .label = "LED6", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDportSpin7", .parent = "GroupBox78", .kind = Choice, .label = "LED7", .def = "A", .items = {"A", "B", "C"}},
        {.name = "LEDbitSpin0", .parent = "GroupBox78", .kind = Number, .label = "LED0", .def = "0", .max = 7},
        {.name = "LEDbitSpin1", .parent = "GroupBox78", .kind = Number, .label = "LED1", .def = "0", .max = 7},
        {.name = "LEDbitSpin2", .parent = "GroupBox78", .kind = Number, .label = "LED2", .def = "0", .max = 7},
        {.name = "LEDbitSpin3", .parent = "GroupBox78", .kind = Number, .label = "LED3", .def = "0", .max = 7},
        {.name = "LEDbitSpin4", .parent = "GroupBox78", .kind = Number, .label = "LED4", .def = "0", .max = 7},
        {.name = "LEDbitSpin5", .parent = "GroupBox78", .kind = Number, .label = "LED5", .def = "0", .max = 7},
        {.name = "LEDbitSpin6", .parent = "GroupBox78", .kind = Number, .label = "LED6", .def = "0", .max = 7},
        {.name = "LEDbitSpin7", .parent = "GroupBox78", .kind = Number, .label = "LED7", .def = "0", .max = 7},
        {.name = "LedTimeSpin", .parent = "GroupBox78", .kind = Number, .label = "BlinkRate", .def = "30", .max = 3000},

        {.name = "GroupBox79", .kind = GroupBox, .caption = "DDS10"},
        {.name = "DDS10Tmr1Chk", .parent = "GroupBox79", .kind = OneOf, .caption = "Timer1", .def = "1", .group = "DDS10Tmr1Chk"},
        {.name = "DDS10Tmr2Chk", .parent = "GroupBox79", .kind = OneOf, .caption = "Timer2", .def = "0", .group = "DDS10Tmr1Chk"},
        {.name = "DDS10Tmr3Chk", .parent = "GroupBox79", .kind = OneOf, .caption = "Timer3", .def = "0", .group = "DDS10Tmr1Chk"},
        {.name = "DDS10Tmr4Chk", .parent = "GroupBox79", .kind = OneOf, .caption = "Timer4", .def = "0", .group = "DDS10Tmr1Chk"},
        {.name = "DDS10Tmr5Chk", .parent = "GroupBox79", .kind = OneOf, .caption = "Timer5", .def = "0", .group = "DDS10Tmr1Chk"},
        {.name = "DSS10chk", .parent = "GroupBox79", .kind = CheckBox, .caption = "import DDS10", .def = "0"},
        {.name = "DDS10portSpin", .parent = "GroupBox79", .kind = Choice, .def = "A", .items = {"A", "B", "C"}},

        {.name = "GroupBox80", .kind = GroupBox, .caption = "Incr Encoder 4chan"},
        {.name = "IncrP4IntChk", .parent = "GroupBox80", .kind = OneOf, .caption = "Integer", .def = "1", .group = "IncrP4IntChk"},
        {.name = "IncrP4LongChk", .parent = "GroupBox80", .kind = OneOf, .caption = "LongInt", .def = "0", .group = "IncrP4IntChk"},
        {.name = "IncrP4Tmr1Chk", .parent = "GroupBox80", .kind = OneOf, .caption = "Timer1", .def = "1", .group = "IncrP4Tmr1Chk"},
        {.name = "IncrP4Tmr3Chk", .parent = "GroupBox80", .kind = OneOf, .caption = "Timer3", .def = "0", .group = "IncrP4Tmr1Chk"},
        {.name = "IncrP4Tmr4Chk", .parent = "GroupBox80", .kind = OneOf, .caption = "Timer4", .def = "0", .group = "IncrP4Tmr1Chk"},
        {.name = "IncrP4Tmr5Chk", .parent = "GroupBox80", .kind = OneOf, .caption = "Timer5", .def = "0", .group = "IncrP4Tmr1Chk"},
        {.name = "IncrP4Chk", .parent = "GroupBox80", .kind = CheckBox, .caption = "import IncrPort4", .def = "0"},
        {.name = "IncrP4PortSpin", .parent = "GroupBox80", .kind = Choice, .def = "A", .items = {"A", "B", "C"}},
        {.name = "IncrP4ChanSpin", .parent = "GroupBox80", .kind = Number, .def = "0", .max = 7},
        {.name = "IncrP4ScanSpin", .parent = "GroupBox80", .kind = Number, .def = "10", .min = 1, .max = 100},

        {.name = "GroupBox91", .kind = GroupBox, .caption = "PCINT"},
        {.name = "PCINTchk0", .parent = "GroupBox91", .kind = CheckBox, .caption = "PCINT0", .hint = "Import and Define Pin Change Interrupt 0", .def = "0"},
        {.name = "PCINTchk1", .parent = "GroupBox91", .kind = CheckBox, .caption = "PCINT1", .hint = "Import and Define Pin Change Interrupt 1", .def = "0"},
        {.name = "PCINTchk2", .parent = "GroupBox91", .kind = CheckBox, .caption = "PCINT2", .hint = "Import and Define Pin Change Interrupt 2", .def = "0"},
        {.name = "PCINTchk3", .parent = "GroupBox91", .kind = CheckBox, .caption = "PCINT3", .hint = "Import and Define Pin Change Interrupt 3", .def = "0"},
        {.name = "PCINTtemplChk", .parent = "GroupBox91", .kind = CheckBox, .caption = "templates", .hint = "Make Pin Change  Interrupt templates", .def = "0"},

        {.name = "GroupBox92", .kind = GroupBox, .caption = "Wiegand"},
        {.name = "WiegandChk", .parent = "GroupBox92", .kind = CheckBox, .caption = "Wiegand", .hint = "Import and Define Wiegand Driver", .def = "0"},
        {.name = "WiegandIntSpin", .parent = "GroupBox92", .kind = Choice, .def = "A", .items = {"A", "B", "C"}},
        {.name = "WiegandPortSpin", .parent = "GroupBox92", .kind = Choice, .def = "A", .items = {"A", "B", "C"}},
        {.name = "WiegandBitSpin0", .parent = "GroupBox92", .kind = Number, .def = "0", .max = 7},
        {.name = "WiegandBitSpin1", .parent = "GroupBox92", .kind = Number, .def = "0", .max = 7},

        {.name = "GroupBox96", .kind = GroupBox, .caption = "SLIPports"},
        {.name = "SlipChk1", .parent = "GroupBox96", .kind = CheckBox, .caption = "SLIPport 1", .hint = "Import SLIPport1. Uses SerPort!", .def = "0"},
        {.name = "SlipChk2", .parent = "GroupBox96", .kind = CheckBox, .caption = "SLIPport 2", .hint = "Import SLIPport2. Uses SerPort2", .def = "0"},
        {.name = "SlipChk3", .parent = "GroupBox96", .kind = CheckBox, .caption = "SLIPport 3", .hint = "Import SLIPport3. Uses SerPort3", .def = "0"},
        {.name = "SlipChk4", .parent = "GroupBox96", .kind = CheckBox, .caption = "SLIPport 4", .hint = "Import SLIPport4. Uses SerPort4", .def = "0"},
        {.name = "SlipBaud1", .parent = "GroupBox96", .kind = Number, .def = "9600", .step = 100},
        {.name = "SlipBaud2", .parent = "GroupBox96", .kind = Number, .def = "9600", .step = 100},
        {.name = "SlipBaud3", .parent = "GroupBox96", .kind = Number, .def = "9600", .step = 100},
        {.name = "SlipBaud4", .parent = "GroupBox96", .kind = Number, .def = "9600", .step = 100},
    }};
}

Page softDriverSheet1() {
    using enum OptionKind;
    return {4, {
        {.name = "GroupBox6", .kind = GroupBox, .caption = "SwitchPort 1", .hint = "import unbounced Port"},
        {.name = "SwitchP1noneChk", .parent = "GroupBox6", .kind = OneOf, .caption = "none", .def = "1", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Achk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinA", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Bchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinB", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Cchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinC", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Dchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinD", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Echk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinE", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Fchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinF", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Gchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinG", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Hchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinH", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Jchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinJ", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Kchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinK", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwitchP1Lchk", .parent = "GroupBox6", .kind = OneOf, .caption = "PinL", .def = "0", .group = "SwitchP1noneChk"},
        {.name = "SwPort1MaskFld", .parent = "GroupBox6", .kind = Text, .label = "Edge Mask", .def = "$00", .mask = "$>AA;1;_", .maxLength = 3},
        {.name = "SwPort1PolFld", .parent = "GroupBox6", .kind = Text, .label = "Polarity", .def = "$00", .mask = "$>AA;1;_", .maxLength = 3},

        {.name = "GroupBox16", .kind = GroupBox, .caption = "SwitchPort 2", .hint = "import unbounced Port"},
        {.name = "SwitchP2noneChk", .parent = "GroupBox16", .kind = OneOf, .caption = "none", .def = "1", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Achk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinA", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Bchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinB", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Cchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinC", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Dchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinD", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Echk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinE", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Fchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinF", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Gchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinG", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Hchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinH", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Jchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinJ", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Kchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinK", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwitchP2Lchk", .parent = "GroupBox16", .kind = OneOf, .caption = "PinL", .def = "0", .group = "SwitchP2noneChk"},
        {.name = "SwPort2MaskFld", .parent = "GroupBox16", .kind = Text, .label = "Edge Mask", .def = "$00", .mask = "$>AA;1;_", .maxLength = 3},
        {.name = "SwPort2PolFld", .parent = "GroupBox16", .kind = Text, .label = "Polarity", .def = "$00", .mask = "$>AA;1;_", .maxLength = 3},

        {.name = "GroupBox17", .kind = GroupBox, .caption = "I2Cport", .hint = "import I2C port"},
        {.name = "I2CnoneChk", .parent = "GroupBox17", .kind = OneOf, .caption = "none", .hint = "define Port used by I2C", .def = "1", .group = "I2CnoneChk"},
        {.name = "I2CaChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortA", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CbChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortB", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CcChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortC", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CdChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortD", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CeChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortE", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CfChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortF", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CgChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortG", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2ChChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortH", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CjChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortJ", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2CkChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortK", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},
        {.name = "I2ClChk", .parent = "GroupBox17", .kind = OneOf, .caption = "PortL", .hint = "define Port used by I2C", .def = "0", .group = "I2CnoneChk"},

        {.name = "GroupBox12", .kind = GroupBox, .caption = "I2Cpins", .hint = "define pins used by I2C"},
        {.name = "I2CdatSel", .parent = "GroupBox12", .kind = Number, .label = "I2C data", .def = "4", .max = 7},
        {.name = "I2CclkSel", .parent = "GroupBox12", .kind = Number, .label = "I2C clock", .def = "5", .max = 7},

        {.name = "GroupBox18", .kind = GroupBox, .caption = "LCDport", .hint = "import LCD port"},
        {.name = "LCDnoneChk", .parent = "GroupBox18", .kind = OneOf, .caption = "none", .hint = "define Port used by LCD display", .def = "1", .group = "LCDnoneChk"},
        {.name = "LCDaChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortA", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDbChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortB", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDcChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortC", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDdChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortD", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDeChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortE", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDfChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortF", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDgChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortG", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDhChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortH", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDjChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortJ", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDkChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortK", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},
        {.name = "LCDlChk", .parent = "GroupBox18", .kind = OneOf, .caption = "PortL", .hint = "define Port used by LCD display", .def = "0", .group = "LCDnoneChk"},

        {.name = "GroupBox46", .kind = GroupBox, .caption = "Controller"},
        {.name = "LCD44780", .parent = "GroupBox46", .kind = OneOf, .caption = "HD44780", .def = "1", .group = "LCD44780"},
        {.name = "LCD66712", .parent = "GroupBox46", .kind = OneOf, .caption = "HD66712", .def = "0", .group = "LCD44780"},
        {.name = "LCD0070", .parent = "GroupBox46", .kind = OneOf, .caption = "KS0070", .def = "0", .group = "LCD44780"},
        {.name = "LCD0073", .parent = "GroupBox46", .kind = OneOf, .caption = "KS0073", .def = "0", .group = "LCD44780"},

        {.name = "GroupBox44", .kind = GroupBox, .caption = "Incr Encoder"},
        {.name = "Incr2chanChk", .parent = "GroupBox44", .kind = OneOf, .caption = "2phase", .hint = "2phase input", .def = "1", .group = "Incr2chanChk"},
        {.name = "Incr3chanChk", .parent = "GroupBox44", .kind = OneOf, .caption = "3phase", .hint = "3phase input", .def = "0", .group = "Incr2chanChk"},
        {.name = "IncPortSpin", .parent = "GroupBox44", .kind = Choice, .def = "Port A", .items = {"Port A", "2", "4"}},
        {.name = "IncCountSpin", .parent = "GroupBox44", .kind = Choice, .def = "None", .items = {"None", "16 Bits", "32 Bits"}},
        {.name = "CheckListBoxincrEncBits", .parent = "GroupBox44", .kind = CheckList, .def = "0", .items = {"Pin 0", "Pin 1", "Pin 2", "Pin 3", "Pin 4", "Pin 5", "Pin 6", "Pin 7"}},

        {.name = "GroupBox11", .kind = GroupBox, .caption = "LCDrows", .hint = "import LCD port"},
        {.name = "LCD2Ena", .parent = "GroupBox11", .kind = CheckBox, .caption = "2 enables", .hint = "display with 2 enables, or 2 separate displays", .def = "0"},
        {.name = "LCDrowSel", .parent = "GroupBox11", .kind = Choice, .def = "2", .items = {"1", "2", "4"}},
        {.name = "LCDcolSel", .parent = "GroupBox11", .kind = Number, .label = "Cols", .def = "20"},
    }};
}

Page softDriverSheet2() {
    using enum OptionKind;
    return {5, {
        {.name = "GroupBox28", .kind = GroupBox, .caption = "Display 7/14segments", .hint = "import Display 7segment"},
        {.name = "Disp7noneChk", .parent = "GroupBox28", .kind = OneOf, .caption = "none", .hint = "define port used by 7seg Display", .def = "1", .group = "Disp7noneChk"},
        {.name = "Disp7aChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortA", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7bChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortB", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7cChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortC", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7dChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortD", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7eChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortE", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7fChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortF", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7gChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortG", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7hChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortH", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7jChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortJ", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7kChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortK", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "Disp7lChk", .parent = "GroupBox28", .kind = OneOf, .caption = "PortL", .hint = "define port used by 7seg Display", .def = "0", .group = "Disp7noneChk"},
        {.name = "GroupBox29", .parent = "GroupBox28", .kind = GroupBox, .caption = "Display size", .hint = "define Display parameters"},
        {.name = "Disp7iDatChk", .parent = "GroupBox29", .kind = OneOf, .caption = "iData", .def = "1", .group = "Disp7iDatChk"},
        {.name = "Disp7xDatChk", .parent = "GroupBox29", .kind = OneOf, .caption = "xData", .def = "0", .group = "Disp7iDatChk"},
        {.name = "Disp7SizeSpin", .parent = "GroupBox29", .kind = Number, .def = "0"},
        {.name = "GroupBox32", .parent = "GroupBox28", .kind = GroupBox, .caption = "Display type", .hint = "define Display parameters"},
        {.name = "MuxD7Chk", .parent = "GroupBox32", .kind = OneOf, .caption = "mux", .hint = "multiplexed Display", .def = "1", .group = "MuxD7Chk"},
        {.name = "NonMuxD7Chk", .parent = "GroupBox32", .kind = OneOf, .caption = "nonMux", .hint = "nonmultiplexed Display", .def = "0", .group = "MuxD7Chk"},
        {.name = "GroupBox40", .parent = "GroupBox28", .kind = GroupBox, .caption = "Display mode", .hint = "define Display parameters"},
        // two hints for three members: they describe the two shift modes
        {.name = "WrapD7Chk", .parent = "GroupBox40", .kind = OneOf, .caption = "wrap", .def = "1", .group = "WrapD7Chk"},
        {.name = "ShiftRD7Chk", .parent = "GroupBox40", .kind = OneOf, .caption = "shiftRight", .hint = "entry left to right", .def = "0", .group = "WrapD7Chk"},
        {.name = "ShiftLD7Chk", .parent = "GroupBox40", .kind = OneOf, .caption = "shiftLeft", .hint = "right entry shift left", .def = "0", .group = "WrapD7Chk"},
        {.name = "DspBlankChk", .parent = "GroupBox28", .kind = CheckBox, .caption = "BlankPin", .def = "1"},
        {.name = "Disp7StartSpin", .parent = "GroupBox28", .kind = Number, .label = "first port bit", .def = "0"},

        {.name = "GroupBox31", .kind = GroupBox, .caption = "Stepper", .hint = "import Stepper Motor driver"},
        {.name = "StepperNoneChk", .parent = "GroupBox31", .kind = OneOf, .caption = "none", .def = "1", .group = "StepperNoneChk"},
        {.name = "StepperAchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortA", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperBchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortB", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperCchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortC", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperDchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortD", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperEchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortE", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperFchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortF", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperUSRchk", .parent = "GroupBox31", .kind = OneOf, .caption = "UserPort", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperGchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortG", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperHchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortH", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperJchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortJ", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperKchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortK", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepperLchk", .parent = "GroupBox31", .kind = OneOf, .caption = "PortL", .def = "0", .group = "StepperNoneChk"},
        {.name = "StepMaxSpin", .parent = "GroupBox31", .kind = Number, .label = "max", .def = "5000", .step = 1000},
        {.name = "StepTypeSpin", .parent = "GroupBox31", .kind = Choice, .def = "StepF2", .items = {"StepF2", "StepF4", "StepH4", "StepH6", "StepM2", "StepM4", "StepM6", "StepM8"}},

        {.name = "GroupBox35", .kind = GroupBox, .caption = "KeyBoard", .hint = "Import Matrix KeyBoard"},
        {.name = "KeyBoard4Chk", .parent = "GroupBox35", .kind = CheckBox, .caption = "import KeyBoard 4x4", .def = "0"},
        {.name = "KeyBoard8Chk", .parent = "GroupBox35", .kind = CheckBox, .caption = "import KeyBoard 8x8", .def = "0"},
        {.name = "GroupBox36", .parent = "GroupBox35", .kind = GroupBox, .caption = "Row port"},
        {.name = "KeybRAchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortA", .hint = "define port used by  KeyBoard Row driver", .def = "1", .group = "KeybRAchk"},
        {.name = "KeybRBchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortB", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRCchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortC", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRDchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortD", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybREchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortE", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRFchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortF", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRGchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortG", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRHchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortH", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRJchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortJ", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRKchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortK", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "KeybRLchk", .parent = "GroupBox36", .kind = OneOf, .caption = "PortL", .hint = "define port used by  KeyBoard Row driver", .def = "0", .group = "KeybRAchk"},
        {.name = "GroupBox37", .parent = "GroupBox35", .kind = GroupBox, .caption = "colmn port"},
        {.name = "KeybCAchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinA", .hint = "define port used by  KeyBoard Column driver", .def = "1", .group = "KeybCAchk"},
        {.name = "KeybCBchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinB", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCCchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinC", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCDchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinD", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCEchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinE", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCFchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinF", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCGchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinG", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCHchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinH", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCJchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinJ", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCKchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinK", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KeybCLchk", .parent = "GroupBox37", .kind = OneOf, .caption = "PinL", .hint = "define port used by  KeyBoard Column driver", .def = "0", .group = "KeybCAchk"},
        {.name = "KbColCountSpin", .parent = "GroupBox35", .kind = Number, .label = "rows", .def = "0", .max = 8},
        {.name = "KbRowFirstSpin", .parent = "GroupBox35", .kind = Number, .label = "1.pin row", .def = "0", .max = 7},
        {.name = "KbColFirstSpin", .parent = "GroupBox35", .kind = Number, .label = "1.pin column", .def = "0", .max = 7},
        {.name = "KbRowCountSpin", .parent = "GroupBox35", .kind = Number, .label = "columns", .def = "0", .max = 8},

        {.name = "GroupBox38", .kind = GroupBox, .caption = "User Data Device"},
        {.name = "UsrDatDevSpin", .parent = "GroupBox38", .kind = NumberSpecial, .def = "0", .step = 1024, .special = {"None=0"}},

        {.name = "GroupBox45", .kind = GroupBox, .caption = "Banking Port"},
        {.name = "BankPortSpin", .parent = "GroupBox45", .kind = NumberSpecial, .def = "0", .max = 16, .special = {"None=0"}},
    }};
}

Page softDriverSheet3() {
    using enum OptionKind;
    return {6, {
        {.name = "GroupBox33", .kind = GroupBox, .caption = "LAN Network"},
        {.name = "LANframeBox", .parent = "GroupBox33", .kind = GroupBox, .caption = "Packet", .hint = "LAN packet type"},
        {.name = "LANiDatChk", .parent = "LANframeBox", .kind = OneOf, .caption = "iData", .def = "1", .enabled = false, .group = "LANiDatChk"},
        {.name = "LANxDatChk", .parent = "LANframeBox", .kind = OneOf, .caption = "xData", .def = "0", .enabled = false, .group = "LANiDatChk"},
        {.name = "LANmaskChk", .parent = "LANframeBox", .kind = CheckBox, .caption = "Mask", .def = "0"},
        {.name = "LANFrameSpin", .parent = "LANframeBox", .kind = Number, .label = "Frame", .def = "0"},
        {.name = "LANAddrSpin", .parent = "LANframeBox", .kind = Choice, .def = "1 byte adr", .items = {"1 byte adr", "2 byte adr"}},
        {.name = "LANCheckSpin", .parent = "LANframeBox", .kind = Choice, .def = "ChkSum8", .items = {"ChkSum8", "ChkSum16", "CRC16"}},
        {.name = "ComboBoxLANPort", .parent = "GroupBox33", .kind = Choice, .label = "Ctrl", .def = "None", .items = {"None", "2 byte adr"}},
        {.name = "LANbitSpin", .parent = "GroupBox33", .kind = Number, .label = "bit", .def = "0", .max = 7},
        {.name = "LanSciSpin", .parent = "GroupBox33", .kind = Choice, .def = "None", .items = {"None", "SerPort", "SerPort2"}},
        {.name = "LANbaudSpin", .parent = "GroupBox33", .kind = Number, .label = "Baud", .def = "9600", .step = 9600},
        {.name = "LanModeChk", .kind = RadioGroup, .caption = "LAN mode", .hint = "set as Master or Slave", .def = "Master", .items = {"Master", "Slave"}},

        {.name = "GroupBox41", .kind = GroupBox, .caption = "LCD Graphics"},
        {.name = "LCDGraphiDatChk", .parent = "GroupBox41", .kind = OneOf, .caption = "iData", .def = "1", .enabled = false, .group = "LCDGraphiDatChk"},
        {.name = "LCDGraphxDatChk", .parent = "GroupBox41", .kind = OneOf, .caption = "xData", .def = "0", .enabled = false, .group = "LCDGraphiDatChk"},
        {.name = "GraphXEdit", .parent = "GroupBox41", .kind = Text, .label = "X", .hint = "define the x-size of the LCD display", .def = "128", .enabled = false, .mask = "000", .maxLength = 3},
        {.name = "GraphYEdit", .parent = "GroupBox41", .kind = Text, .label = "Y", .hint = "define the y-size of the LCD display", .def = "128", .enabled = false, .mask = "000", .maxLength = 3},
        {.name = "LCDgraphChk", .parent = "GroupBox41", .kind = CheckBox, .caption = "LCD Graphics", .hint = "Import the LCD Graphics module", .def = "0"},
        {.name = "PixFontChk", .parent = "GroupBox41", .kind = CheckBox, .caption = "LCD Pixel Chars", .hint = "Import the pixel font of the LCD graphics", .def = "0", .enabled = false},
        {.name = "PixFontEdit", .parent = "GroupBox41", .kind = Text, .label = "Pixel Font", .hint = "define the source file name for the pixel font", .def = "Graphchars.pchr", .enabled = false},
        {.name = "LCDgraphModeChk", .parent = "GroupBox41", .kind = CheckBox, .caption = "Column mode", .hint = "Set Graphics controller type. Blockmode KS0107", .def = "0", .enabled = false},
        {.name = "ViewPspin", .parent = "GroupBox41", .kind = Number, .label = "ViewPorts", .def = "1"},

        {.name = "GroupBox42", .kind = GroupBox, .caption = "Sound"},
        {.name = "ComboBoxSound", .parent = "GroupBox42", .kind = Choice, .def = "None", .items = {"None", "2 byte adr"}},
        {.name = "SoundBitSpin", .parent = "GroupBox42", .kind = Number, .label = "bit", .def = "0", .max = 7},

        {.name = "GroupBox39", .kind = GroupBox, .caption = "8bit File System", .hint = "import and define the File System"},
        {.name = "FileiDatChk", .parent = "GroupBox39", .kind = OneOf, .caption = "iData", .hint = "select memory area for  the FileSystem", .def = "1", .enabled = false, .group = "FileiDatChk"},
        {.name = "FilexDatChk", .parent = "GroupBox39", .kind = OneOf, .caption = "xData", .hint = "select memory area for  the FileSystem", .def = "0", .enabled = false, .group = "FileiDatChk"},
        {.name = "DiskAROChk", .parent = "GroupBox39", .kind = CheckBox, .caption = "R/O", .hint = "set Disk A read only", .def = "0"},
        {.name = "DiskBROChk", .parent = "GroupBox39", .kind = CheckBox, .caption = "R/O", .hint = "set Disk B read only", .def = "0"},
        {.name = "DiskCROChk", .parent = "GroupBox39", .kind = CheckBox, .caption = "R/O", .hint = "set Disk C read only", .def = "0"},
        {.name = "DiskDROChk", .parent = "GroupBox39", .kind = CheckBox, .caption = "R/O", .hint = "set Disk D read only", .def = "0"},
        {.name = "DiskASpin", .parent = "GroupBox39", .kind = Number, .label = "Disk A", .def = "0"},
        {.name = "DiskBSpin", .parent = "GroupBox39", .kind = Number, .label = "Disk B", .def = "0"},
        {.name = "DiskCSpin", .parent = "GroupBox39", .kind = Number, .label = "Disk C", .def = "0"},
        {.name = "DiskDSpin", .parent = "GroupBox39", .kind = Number, .label = "Disk D", .def = "0"},
        {.name = "FHandlesSpin", .parent = "GroupBox39", .kind = Number, .label = "File Handles", .def = "0"},
    }};
}

Page specialSheet1() {
    using enum OptionKind;
    return {7, {
        {.name = "GroupBox49", .kind = GroupBox, .caption = "Basic SPI Driver Hard"},
        {.name = "SPIDrvChk", .parent = "GroupBox49", .kind = CheckBox, .caption = "Import SPI Driver", .def = "0"},
        {.name = "SPIDrvMSBchk", .parent = "GroupBox49", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "SPIDRVcPhaseAChk", .parent = "GroupBox49", .kind = CheckBox, .caption = "ClockPhase = 1", .def = "0"},
        {.name = "SPIDRVcpolChk", .parent = "GroupBox49", .kind = CheckBox, .caption = "ClockPolarity = 1", .def = "0"},
        {.name = "UseSSpinChk", .parent = "GroupBox49", .kind = CheckBox, .caption = "use SS pin", .def = "1"},
        {.name = "SPIdrvPrescChk", .parent = "GroupBox49", .kind = Number, .label = "prescaler", .def = "0", .max = 3},

        {.name = "GroupBox50", .kind = GroupBox, .caption = "RC5", .hint = "Import RC5 driver"},
        {.name = "RC5TxChk", .parent = "GroupBox50", .kind = CheckBox, .caption = "RC5 Tx", .hint = "Inport RC5 transmit", .def = "0"},
        {.name = "RC5TXinvChk", .parent = "GroupBox50", .kind = CheckBox, .caption = "TX pos puls", .hint = "define RC5 pulse polarity", .def = "0"},
        {.name = "RC5RxChk", .parent = "GroupBox50", .kind = CheckBox, .caption = "RC5 Rx", .hint = "import RC5 receiver", .def = "0"},
        {.name = "RC5RXinvChk", .parent = "GroupBox50", .kind = CheckBox, .caption = "RX pos puls", .hint = "define RC5 pulse polarity", .def = "0"},
        {.name = "RC5extChk", .parent = "GroupBox50", .kind = CheckBox, .caption = "ext mode", .hint = "define RC5 ext mode with 7bits command", .def = "0"},
        {.name = "ComboBoxRC5", .parent = "GroupBox50", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "RC5BitSpin", .parent = "GroupBox50", .kind = Number, .label = "bit", .def = "0", .max = 7},

        {.name = "GroupBox51", .kind = GroupBox, .caption = "Realtime Clock"},
        // two hints for three members: "none" has none of its own
        {.name = "RTCnoneBtn", .parent = "GroupBox51", .kind = OneOf, .caption = "none", .def = "1", .group = "RTCnoneBtn"},
        {.name = "RTCtimeBtn", .parent = "GroupBox51", .kind = OneOf, .caption = "Time", .hint = "Import RTC with hh:mm:ss", .def = "0", .group = "RTCnoneBtn"},
        {.name = "RTCdateTimeBtn", .parent = "GroupBox51", .kind = OneOf, .caption = "Date+Time", .hint = "Import RTC with yy.mm.dd hh:mm:ss", .def = "0", .group = "RTCnoneBtn"},
        {.name = "GroupBox52", .parent = "GroupBox51", .kind = GroupBox, .caption = "memory loc"},
        {.name = "RTCidataChk", .parent = "GroupBox52", .kind = OneOf, .caption = "iData", .hint = "select memory area for RTC", .def = "1", .group = "RTCidataChk"},
        {.name = "RTCxdataChk", .parent = "GroupBox52", .kind = OneOf, .caption = "xData", .hint = "select memory area for RTC", .def = "0", .group = "RTCidataChk"},
        {.name = "RTCalarmChk", .parent = "GroupBox51", .kind = CheckBox, .caption = "Alarm", .hint = "Import RTC Alarm event", .def = "0"},
        {.name = "RTCsystickChk", .parent = "GroupBox51", .kind = CheckBox, .caption = "SysTick", .hint = "Use SysTick instead of Timer0/Timer2", .def = "0"},
        {.name = "RTCtimerSpin", .parent = "GroupBox51", .kind = NumberSpecial, .label = "timer channels", .def = "0", .max = 8, .special = {"None=0"}},

        {.name = "dcfgroup", .kind = GroupBox, .caption = "DCF-77 Port"},
        {.name = "DCFinvChk", .parent = "dcfgroup", .kind = CheckBox, .caption = "positive", .def = "0", .enabled = false},
        {.name = "ComboBoxDCF77", .parent = "dcfgroup", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "DCFBitSpin", .parent = "dcfgroup", .kind = Number, .label = "bit", .def = "0", .max = 7},

        {.name = "GroupBox76", .kind = GroupBox, .caption = "Timer Tick"},
        {.name = "TickTimer1Chk", .parent = "GroupBox76", .kind = OneOf, .caption = "Timer1", .def = "1", .group = "TickTimer1Chk"},
        {.name = "TickTimer3Chk", .parent = "GroupBox76", .kind = OneOf, .caption = "Timer3", .def = "0", .group = "TickTimer1Chk"},
        {.name = "TickTimer5Chk", .parent = "GroupBox76", .kind = OneOf, .caption = "Timer5", .def = "0", .group = "TickTimer1Chk"},
        {.name = "TickTimer4Chk", .parent = "GroupBox76", .kind = OneOf, .caption = "Timer4", .def = "0", .group = "TickTimer1Chk"},
        {.name = "TickTimerChk", .parent = "GroupBox76", .kind = CheckBox, .caption = "Import TickTimer", .hint = "Inport the Repat Timer", .def = "0"},
        {.name = "TickTimerSavChk", .parent = "GroupBox76", .kind = CheckBox, .caption = "Save registers", .hint = "Timer Interrupt register save", .def = "1"},
        {.name = "TickTimerPinOutChk", .parent = "GroupBox76", .kind = CheckBox, .caption = "Pin output", .hint = "Timer is connected to its output pin", .def = "0"},
        {.name = "TickTimerIntChk", .parent = "GroupBox76", .kind = CheckBox, .caption = "UseTimer Interrupt", .hint = "Implement Timer Interrupt", .def = "0"},

        {.name = "GroupBox87", .kind = GroupBox, .caption = "SPI Driver Soft"},
        {.name = "SPIsoftDrvChk1", .parent = "GroupBox87", .kind = CheckBox, .caption = "Import SPI Driver1", .hint = "Import SPI Soft Driver1", .def = "0"},
        {.name = "SPIsoftDrvChk2", .parent = "GroupBox87", .kind = CheckBox, .caption = "Import SPI Driver2", .hint = "Import SPI Soft Driver2", .def = "0"},
        {.name = "SPIsoftMSBchk1", .parent = "GroupBox87", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "SPIsoftMSBchk2", .parent = "GroupBox87", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "SPIsoftPHAchk1", .parent = "GroupBox87", .kind = CheckBox, .caption = "ClockPhase = 1", .def = "0"},
        {.name = "SPIsoftPHAchk2", .parent = "GroupBox87", .kind = CheckBox, .caption = "ClockPhase = 1", .def = "0"},
        {.name = "SPIsoftCLKchk1", .parent = "GroupBox87", .kind = CheckBox, .caption = "ClockPolarity = 1", .def = "0"},
        {.name = "SPIsoftCLKchk2", .parent = "GroupBox87", .kind = CheckBox, .caption = "ClockPolarity = 1", .def = "0"},
        {.name = "SoftSPIportSpin1", .parent = "GroupBox87", .kind = Choice, .label = "port", .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "SoftSPIportSpin2", .parent = "GroupBox87", .kind = Choice, .label = "port", .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "SoftSPIbitSpin1", .parent = "GroupBox87", .kind = Number, .label = "bit", .def = "0", .max = 7},
        {.name = "SoftSPIbitSpin2", .parent = "GroupBox87", .kind = Number, .label = "bit", .def = "0", .max = 7},
    }};
}

Page specialSheet2() {
    using enum OptionKind;
    return {8, {
        {.name = "GroupBox47", .kind = GroupBox, .caption = "TWI-I2C Import", .hint = "Import  I2C-TWI port"},
        {.name = "TWImasterChk", .parent = "GroupBox47", .kind = OneOf, .caption = "TWI Master", .hint = "Import TWI Master", .def = "0", .group = "TWImasterChk"},
        {.name = "TWInoneChk", .parent = "GroupBox47", .kind = OneOf, .caption = "none", .hint = "Disable TWI imports", .def = "1", .group = "TWImasterChk"},
        {.name = "TWIslaveChk", .parent = "GroupBox47", .kind = OneOf, .caption = "TWI Slave", .hint = "Import TWI Slave", .def = "0", .group = "TWImasterChk"},

        {.name = "GroupBox48", .kind = GroupBox, .caption = "general"},
        {.name = "TWIIdataCheck", .parent = "GroupBox48", .kind = OneOf, .caption = "iData", .hint = "select memory area for Buffer", .def = "1", .group = "TWIIdataCheck"},
        {.name = "TWIXdataCheck", .parent = "GroupBox48", .kind = OneOf, .caption = "xData", .hint = "select memory area for Buffer", .def = "0", .group = "TWIIdataCheck"},
        {.name = "TWIprescSpin", .parent = "GroupBox48", .kind = Number, .label = "prescaler", .def = "1", .max = 255},
        {.name = "TWIbufSpin", .parent = "GroupBox48", .kind = Number, .label = "buffer", .def = "8", .min = 2, .max = 255},
        {.name = "TWImodeTranspChk", .parent = "GroupBox48", .kind = OneOf, .caption = "Transparent", .hint = "transparent TWI slave mode", .def = "1", .group = "TWImodeTranspChk"},
        {.name = "TWImodeHSKChk", .parent = "GroupBox48", .kind = OneOf, .caption = "HandShake", .hint = "handshake TWI slave mode", .def = "0", .group = "TWImodeTranspChk"},

        {.name = "GroupBox53", .kind = GroupBox, .caption = "TWI Network", .hint = "Import TWI Network"},
        {.name = "TWInetMasterChk", .parent = "GroupBox53", .kind = OneOf, .caption = "TWInet Master", .hint = "Import TWI network Master", .def = "0", .group = "TWInetMasterChk"},
        {.name = "TWInetNoneChk", .parent = "GroupBox53", .kind = OneOf, .caption = "none", .hint = "Disable TWI network imports", .def = "1", .group = "TWInetMasterChk"},
        {.name = "TWInetSlaveChk", .parent = "GroupBox53", .kind = OneOf, .caption = "TWInet Slave", .hint = "Import TWI network Slave", .def = "0", .group = "TWInetMasterChk"},
        {.name = "TWInetMasterSlaveChk", .parent = "GroupBox53", .kind = OneOf, .caption = "TWInet MasterSlave", .hint = "Import TWI network MasterSlave", .def = "0", .group = "TWInetMasterChk"},

        {.name = "GroupBox54", .kind = GroupBox, .caption = "general"},
        {.name = "TWInetIdataCheck", .parent = "GroupBox54", .kind = OneOf, .caption = "iData", .hint = "select memory area for Packets", .def = "1", .group = "TWInetIdataCheck"},
        {.name = "TWInetXdataCheck", .parent = "GroupBox54", .kind = OneOf, .caption = "xData", .hint = "select memory area for Packets", .def = "0", .group = "TWInetIdataCheck"},
        {.name = "TWInetPrescSpin", .parent = "GroupBox54", .kind = Number, .label = "prescaler", .def = "1", .max = 255},
        {.name = "TWInetBufSpin", .parent = "GroupBox54", .kind = Number, .label = "frame size", .def = "8"},
        {.name = "TWIBCspin", .parent = "GroupBox54", .kind = Number, .label = "Broadcast Frame", .def = "8"},

        {.name = "GroupBox55", .kind = GroupBox, .caption = "Soft PWM", .hint = "Import SoftPWM"},
        {.name = "SoftPWMtmr0Chk", .parent = "GroupBox55", .kind = OneOf, .caption = "Timer0", .hint = "define the Timer used by SoftPWM", .def = "1", .group = "SoftPWMtmr0Chk"},
        {.name = "SoftPWMtmr2Chk", .parent = "GroupBox55", .kind = OneOf, .caption = "Timer2", .hint = "define the Timer used by SoftPWM", .def = "0", .group = "SoftPWMtmr0Chk"},
        {.name = "ComboBoxSoftPWM", .parent = "GroupBox55", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "SoftPWMresSpin", .parent = "GroupBox55", .kind = Number, .label = "resolution", .def = "16", .min = 10, .max = 254},
        {.name = "SoftPWMstartSpin", .parent = "GroupBox55", .kind = Number, .label = "1.channel", .def = "0", .max = 7},
        {.name = "SoftPWMchanSpin", .parent = "GroupBox55", .kind = Number, .label = "channels", .def = "1", .min = 1, .max = 8},
        {.name = "SoftPWMcycleSpin", .parent = "GroupBox55", .kind = Number, .label = "cycle time", .def = "10"},


        {.name = "MSPIgroup0", .kind = GroupBox, .caption = "UART SPI Driver MSPI-0"},
        {.name = "MSPIchk0", .parent = "MSPIgroup0", .kind = CheckBox, .caption = "Import MSPI0", .def = "0"},
        {.name = "MSPImsb0", .parent = "MSPIgroup0", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "MSPICpha0", .parent = "MSPIgroup0", .kind = CheckBox, .caption = "ClockPhase1", .def = "0"},
        {.name = "MSPICpol0", .parent = "MSPIgroup0", .kind = CheckBox, .caption = "ClockPol1", .def = "0"},
        {.name = "MSPIpresc0", .parent = "MSPIgroup0", .kind = Number, .label = "Prescaler", .def = "1", .max = 255},

        {.name = "MSPIgroup1", .kind = GroupBox, .caption = "UART SPI Driver MSPI-1"},
        {.name = "MSPIchk1", .parent = "MSPIgroup1", .kind = CheckBox, .caption = "Import MSPI1", .def = "0"},
        {.name = "MSPImsb1", .parent = "MSPIgroup1", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "MSPICpha1", .parent = "MSPIgroup1", .kind = CheckBox, .caption = "ClockPhase1", .def = "0"},
        {.name = "MSPICpol1", .parent = "MSPIgroup1", .kind = CheckBox, .caption = "ClockPol1", .def = "0"},
        {.name = "MSPIpresc1", .parent = "MSPIgroup1", .kind = Number, .label = "Prescaler", .def = "1", .max = 255},

        {.name = "MSPIgroup2", .kind = GroupBox, .caption = "UART SPI Driver MSPI-2"},
        {.name = "MSPIchk2", .parent = "MSPIgroup2", .kind = CheckBox, .caption = "Import MSPI2", .def = "0"},
        {.name = "MSPImsb2", .parent = "MSPIgroup2", .kind = CheckBox, .caption = "MSB first", .def = "0"},
        {.name = "MSPICpha2", .parent = "MSPIgroup2", .kind = CheckBox, .caption = "ClockPhase1", .def = "0"},
        {.name = "MSPICpol2", .parent = "MSPIgroup2", .kind = CheckBox, .caption = "ClockPol1", .def = "0"},
        {.name = "MSPIpresc2", .parent = "MSPIgroup2", .kind = Number, .label = "Prescaler", .def = "1", .max = 255},
    }};
}

Page specialSheet3() {
    using enum OptionKind;
    return {9, {
        {.name = "GroupBox56", .kind = GroupBox, .caption = "IO-Expander"},
        {.name = "GroupBox58", .parent = "GroupBox56", .kind = GroupBox, .caption = "buffers"},
        {.name = "IOexpIdataCheck", .parent = "GroupBox58", .kind = OneOf, .caption = "iData", .hint = "select memory area for Buffer", .def = "1", .group = "IOexpIdataCheck"},
        {.name = "IOexpXdataCheck", .parent = "GroupBox58", .kind = OneOf, .caption = "xData", .hint = "select memory area for Buffer", .def = "0", .group = "IOexpIdataCheck"},
        {.name = "ComboBoxIOExpander", .parent = "GroupBox56", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "IOexpStartSpin", .parent = "GroupBox56", .kind = Number, .label = "1. portpin", .def = "0", .max = 7},
        {.name = "IOexpInpSpin", .parent = "GroupBox56", .kind = Number, .label = "Input bytes", .def = "1"},
        {.name = "IOexpOutpSpin", .parent = "GroupBox56", .kind = Number, .label = "output bytes", .def = "1"},

        {.name = "GroupBox57", .kind = GroupBox, .caption = "Servo Port", .hint = "Import of ServoDriver"},
        {.name = "GroupBox59", .parent = "GroupBox57", .kind = GroupBox, .caption = "buffers"},
        {.name = "ServoIdataCheck", .parent = "GroupBox59", .kind = OneOf, .caption = "iData", .hint = "select memory area for Buffer", .def = "1", .group = "ServoIdataCheck"},
        {.name = "ServoXdataCheck", .parent = "GroupBox59", .kind = OneOf, .caption = "xData", .hint = "select memory area for Buffer", .def = "0", .group = "ServoIdataCheck"},
        {.name = "GroupBox60", .parent = "GroupBox57", .kind = GroupBox, .caption = "polarity"},
        {.name = "ServoPosCheck", .parent = "GroupBox60", .kind = OneOf, .caption = "pos", .hint = "Output polarity of ServoDriver", .def = "1", .group = "ServoPosCheck"},
        {.name = "ServoNegCheck", .parent = "GroupBox60", .kind = OneOf, .caption = "neg", .hint = "Output polarity of ServoDriver", .def = "0", .group = "ServoPosCheck"},
        {.name = "GroupBox61", .parent = "GroupBox57", .kind = GroupBox, .caption = "timer"},
        {.name = "ServoTimr1Check", .parent = "GroupBox61", .kind = OneOf, .caption = "Tmr1", .hint = "select timer to be used by ServoDriver", .def = "1", .group = "ServoTimr1Check"},
        {.name = "ServoTimr3Check", .parent = "GroupBox61", .kind = OneOf, .caption = "Tmr3", .hint = "select timer to be used by ServoDriver", .def = "0", .group = "ServoTimr1Check"},
        {.name = "ComboBoxServoPort", .parent = "GroupBox57", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "ServoStartSpin", .parent = "GroupBox57", .kind = Number, .label = "1. portpin", .def = "0", .max = 7},
        {.name = "ServoChanSpin", .parent = "GroupBox57", .kind = Number, .label = "channels", .def = "1", .min = 1, .max = 8},
        {.name = "ServoPulseSpin", .parent = "GroupBox57", .kind = Text, .label = "zero pulse", .def = "1.5", .mask = "0.0;1;_", .maxLength = 3},

        {.name = "GroupBox62", .kind = GroupBox, .caption = "LCDmultiPort"},
        {.name = "LCDM44780", .parent = "GroupBox62", .kind = OneOf, .caption = "HD44780", .def = "1", .group = "LCDM44780"},
        {.name = "LCDM0070", .parent = "GroupBox62", .kind = OneOf, .caption = "KS0070", .def = "0", .group = "LCDM44780"},
        {.name = "LCDM66712", .parent = "GroupBox62", .kind = OneOf, .caption = "HD66712", .def = "0", .group = "LCDM44780"},
        {.name = "LCDM0073", .parent = "GroupBox62", .kind = OneOf, .caption = "KS0073", .def = "0", .group = "LCDM44780"},
        {.name = "LCDmultiTWIchk", .parent = "GroupBox62", .kind = CheckBox, .caption = "I2C", .def = "0"},
        {.name = "LCDmultiSPIchk", .parent = "GroupBox62", .kind = CheckBox, .caption = "SPI", .def = "0"},
        {.name = "LCDmultiRowSel", .parent = "GroupBox62", .kind = Number, .label = "rows", .def = "1"},
        {.name = "LCDmultiColSel", .parent = "GroupBox62", .kind = Number, .label = "cols", .def = "20"},

        {.name = "GroupBox63", .kind = GroupBox, .caption = "I2C 7segDisp"},
        {.name = "I2C_7segChk", .parent = "GroupBox63", .kind = CheckBox, .caption = "import", .def = "0"},
        {.name = "I2C_7segSpin1", .parent = "GroupBox63", .kind = Number, .label = "Display 1", .def = "8"},
        {.name = "I2C_7segSpin2", .parent = "GroupBox63", .kind = Number, .label = "Display 2", .def = "0"},
        {.name = "I2C_7segSpin3", .parent = "GroupBox63", .kind = Number, .label = "Display 3", .def = "0"},
        {.name = "I2C_7segSpin4", .parent = "GroupBox63", .kind = Number, .label = "Display 4", .def = "0"},

        {.name = "GroupBox64", .kind = GroupBox, .caption = "I2C Expander"},
        {.name = "I2CexpChk", .parent = "GroupBox64", .kind = CheckBox, .caption = "import", .def = "0"},
        {.name = "Port0chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port0", .def = "0"},
        {.name = "Port2chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port2", .def = "0"},
        {.name = "Port4chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port4", .def = "0"},
        {.name = "Port6chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port6", .def = "0"},
        {.name = "Port1chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port1", .def = "0"},
        {.name = "Port3chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port3", .def = "0"},
        {.name = "Port5chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port5", .def = "0"},
        {.name = "Port7chk", .parent = "GroupBox64", .kind = CheckBox, .caption = "Port7", .def = "0"},

        {.name = "GroupBox85", .kind = GroupBox, .caption = "Line Printer"},
        {.name = "LPTnoneChk", .parent = "GroupBox85", .kind = OneOf, .caption = "none", .hint = "import LinePrinter", .def = "1", .group = "LPTnoneChk"},
        {.name = "LPTportChk", .parent = "GroupBox85", .kind = OneOf, .caption = "PORT", .hint = "LinePrinter port driver", .def = "0", .group = "LPTnoneChk"},
        {.name = "LPTI2CChk", .parent = "GroupBox85", .kind = OneOf, .caption = "I2C", .hint = "LinePrinter I2C driver", .def = "0", .group = "LPTnoneChk"},
        {.name = "LPTTWIChk", .parent = "GroupBox85", .kind = OneOf, .caption = "TWI", .hint = "LinePrinter TWI driver", .def = "0", .group = "LPTnoneChk"},
        {.name = "LPTadrSpin", .parent = "GroupBox85", .kind = Number, .def = "0", .max = 7},
        {.name = "LPTdatSpin", .parent = "GroupBox85", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "LPTctrlSpin", .parent = "GroupBox85", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},

        {.name = "CAN_AVRbox", .kind = GroupBox, .caption = "CAN-AVR", .hint = "Import CAN-AVR Driver"},
        {.name = "CANimpChk", .parent = "CAN_AVRbox", .kind = CheckBox, .caption = "import", .def = "0"},
        {.name = "CANtimeStampChk", .parent = "CAN_AVRbox", .kind = CheckBox, .caption = "Time Stamps", .hint = "Enable Time Stamps", .def = "0"},
        {.name = "CANrxPipeSpin", .parent = "CAN_AVRbox", .kind = Number, .def = "16"},
        {.name = "CANtxPipeSpin", .parent = "CAN_AVRbox", .kind = Number, .def = "16"},
        {.name = "CANbaudSpin", .parent = "CAN_AVRbox", .kind = Number, .def = "9600", .step = 9600},
    }};
}

Page specialSheet4() {
    using enum OptionKind;
    return {10, {
        {.name = "GroupBox65", .kind = GroupBox, .caption = "SHT11 RH/Temp Sensor"},
        {.name = "GroupBox66", .parent = "GroupBox65", .kind = GroupBox, .caption = "Clock Pin"},
        {.name = "ComboBoxSHA11Clock", .parent = "GroupBox66", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "SHT11ClkSpin", .parent = "GroupBox66", .kind = Number, .label = "portpin", .def = "0", .max = 7},
        {.name = "SHT11Chk", .parent = "GroupBox65", .kind = CheckBox, .caption = "SHT11 driver", .def = "0"},
        {.name = "GroupBox67", .parent = "GroupBox65", .kind = GroupBox, .caption = "Data Pin"},
        {.name = "SHT11DatSpin", .parent = "GroupBox67", .kind = Number, .label = "portpin", .def = "0", .max = 7},
        {.name = "ComboBoxSHA11Data", .parent = "GroupBox67", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "SHT11SysTickchk", .parent = "GroupBox65", .kind = CheckBox, .caption = "SysTick check", .def = "0"},

        {.name = "GroupBox71", .kind = GroupBox, .caption = "FAT16 filesystem"},
        {.name = "MMCchk", .parent = "GroupBox71", .kind = OneOf, .caption = "MMC/SD SPI", .hint = "Define Fat Media type Hardware SPI", .def = "1", .group = "MMCchk"},
        {.name = "MMCsoftChk", .parent = "GroupBox71", .kind = OneOf, .caption = "MMC/SD soft", .hint = "Define Fat Media type Software SPI by a port", .def = "0", .group = "MMCchk"},
        {.name = "F16usrChk", .parent = "GroupBox71", .kind = OneOf, .caption = "User port", .hint = "Define Fat Media type Completely User defined", .def = "0", .group = "MMCchk"},
        {.name = "FAT16chk", .parent = "GroupBox71", .kind = CheckBox, .caption = "import FAT16", .hint = "Import FAT16 driver", .def = "0"},
        {.name = "GroupBox73", .parent = "GroupBox71", .kind = GroupBox, .caption = "buffers"},
        {.name = "FATiDataChk", .parent = "GroupBox73", .kind = OneOf, .caption = "iData", .hint = "select memory area for Buffer", .def = "1", .group = "FATiDataChk"},
        {.name = "FATxDataChk", .parent = "GroupBox73", .kind = OneOf, .caption = "xData", .hint = "select memory area for Buffer", .def = "0", .group = "FATiDataChk"},
        {.name = "MMCsoftSpin", .parent = "GroupBox71", .kind = Choice, .def = "PinA", .items = {"PinA", "PinB"}},
        {.name = "DirLevelSpin", .parent = "GroupBox71", .kind = Number, .label = "DIR levels", .def = "2"},
        {.name = "FileHandleSpin", .parent = "GroupBox71", .kind = Number, .label = "File handles", .def = "2"},

        {.name = "GroupBox72", .kind = GroupBox, .caption = "TCP/IP W3100"},
        {.name = "TCP_TWIchk", .parent = "GroupBox72", .kind = OneOf, .caption = "TWI interface", .hint = "WizNet with TWI driver", .def = "1", .group = "TCP_TWIchk"},
        {.name = "TCP_I2Cchk", .parent = "GroupBox72", .kind = OneOf, .caption = "I2C interface", .hint = "WizNet with I2C driver", .def = "0", .group = "TCP_TWIchk"},
        {.name = "TCP_UserChk", .parent = "GroupBox72", .kind = OneOf, .caption = "User port", .hint = "WizNet with Userport", .def = "0", .group = "TCP_TWIchk"},
        {.name = "TCP_IPchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "import TCP/IP", .hint = "Import the WizNet TCP/IP driver", .def = "0"},
        {.name = "TCP_UDPchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "UDP", .def = "0"},
        {.name = "TCP_DNSchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "DNS", .def = "0"},
        {.name = "TCP_SNTPchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "SNTP", .def = "0"},
        {.name = "TCP_SMTPchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "SMTP", .def = "0"},
        {.name = "TCP_TelnetChk", .parent = "GroupBox72", .kind = CheckBox, .caption = "Telnet", .def = "0"},
        {.name = "TCP_HTTPchk", .parent = "GroupBox72", .kind = CheckBox, .caption = "HTTP", .def = "0"},
        {.name = "GroupBox74", .parent = "GroupBox72", .kind = GroupBox, .caption = "buffers"},
        {.name = "TCP_iDataChk", .parent = "GroupBox74", .kind = OneOf, .caption = "iData", .hint = "select memory area for Buffer", .def = "1", .group = "TCP_iDataChk"},
        {.name = "TCP_xDataChk", .parent = "GroupBox74", .kind = OneOf, .caption = "xData", .hint = "select memory area for Buffer", .def = "0", .group = "TCP_iDataChk"},
        {.name = "TCP_SockSpin", .parent = "GroupBox72", .kind = Number, .label = "Sockets", .def = "2", .min = 1, .max = 8},

        {.name = "GroupBox88", .kind = GroupBox, .caption = "ROVA Netstack"},
        {.name = "ROVA_ENCchk", .parent = "GroupBox88", .kind = OneOf, .caption = "ENC28J60", .hint = "ROVA with ENC28J60 SPI driver", .def = "1", .group = "ROVA_ENCchk"},
        {.name = "ROVA_SLIPchk", .parent = "GroupBox88", .kind = OneOf, .caption = "SLIP", .hint = "ROVA with ENC28J60 SPI driver", .def = "0", .enabled = false, .group = "ROVA_ENCchk"},
        {.name = "ROVA_USERchk", .parent = "GroupBox88", .kind = OneOf, .caption = "USER", .hint = "ROVA with ENC28J60 SPI driver", .def = "0", .enabled = false, .group = "ROVA_ENCchk"},
        {.name = "ROVAchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "import ROVA TCP/IP Driver", .def = "0"},
        {.name = "ROVA_UDPchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "UDP", .def = "1"},
        {.name = "ROVA_DNSchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "DNS", .def = "0", .enabled = false},
        {.name = "ROVA_SNTPchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "SNTP", .def = "0", .enabled = false},
        {.name = "ROVA_SMTPchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "SMTP", .def = "0", .enabled = false},
        {.name = "ROVA_TELNETchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "Telnet", .def = "0", .enabled = false},
        {.name = "ROVA_HTTPchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "HTTP", .def = "0", .enabled = false},
        {.name = "ROVA_DHCPchk", .parent = "GroupBox88", .kind = CheckBox, .caption = "DHCP", .def = "0", .enabled = false},
        {.name = "ROVA_SLIP_485chk", .parent = "GroupBox88", .kind = CheckBox, .caption = "RS485 CTRL", .hint = "Define line driver control for SLIP", .def = "0", .enabled = false},
        {.name = "ROVA_SockSpin", .parent = "GroupBox88", .kind = Number, .label = "Sockets", .def = "2", .min = 1, .max = 8},
        {.name = "ROVA_TimerSpin", .parent = "GroupBox88", .kind = Number, .label = "Timer", .def = "0", .max = 3},
    }};
}

Page portAsheet() {
    using enum OptionKind;
    return {11, {
        {.name = "GroupBox19", .kind = GroupBox, .caption = "Port A"},
        {.name = "FramePortA", .parent = "GroupBox19", .kind = PortFrame},
        {.name = "GroupBox20", .kind = GroupBox, .caption = "Port B"},
        {.name = "FramePortB", .parent = "GroupBox20", .kind = PortFrame},
        {.name = "GroupBox21", .kind = GroupBox, .caption = "Port C"},
        {.name = "FramePortC", .parent = "GroupBox21", .kind = PortFrame},
        {.name = "GroupBox22", .kind = GroupBox, .caption = "Port D"},
        {.name = "FramePortD", .parent = "GroupBox22", .kind = PortFrame},
        {.name = "GroupBox23", .kind = GroupBox, .caption = "Port E"},
        {.name = "FramePortE", .parent = "GroupBox23", .kind = PortFrame},
    }};
}

Page portDsheet() {
    using enum OptionKind;
    return {12, {
        {.name = "GroupBox24", .kind = GroupBox, .caption = "Port F"},
        {.name = "FramePortF", .parent = "GroupBox24", .kind = PortFrame},
        {.name = "GroupBox70", .kind = GroupBox, .caption = "Port J"},
        {.name = "FramePortJ", .parent = "GroupBox70", .kind = PortFrame},
        {.name = "GroupBox69", .kind = GroupBox, .caption = "Port H"},
        {.name = "FramePortH", .parent = "GroupBox69", .kind = PortFrame},
        {.name = "GroupBox68", .kind = GroupBox, .caption = "Port G"},
        {.name = "FramePortG", .parent = "GroupBox68", .kind = PortFrame},
        {.name = "GroupBox83", .kind = GroupBox, .caption = "Port K"},
        {.name = "FramePortK", .parent = "GroupBox83", .kind = PortFrame},
    }};
}

Page portGsheet() {
    using enum OptionKind;
    return {13, {
        {.name = "GroupBox84", .kind = GroupBox, .caption = "Port L"},
        {.name = "FramePortL", .parent = "GroupBox84", .kind = PortFrame},
    }};
}

Page fuseSheet() {
    using enum OptionKind;
    return {14, {
        {.name = "LockGroup0", .kind = GroupBox, .caption = "Lock bits"},
        {.name = "BuildLock0Chk", .parent = "LockGroup0", .kind = CheckBox, .caption = "build", .def = "1"},
        {.name = "LockBox0", .parent = "LockGroup0", .kind = CheckList, .def = "0", .items = {"Fuse 0", "Fuse 1", "Fuse 2", "Fuse 3", "Fuse 4", "Fuse 5", "Fuse 6", "Fuse 7"}},

        {.name = "FuseGroup0", .kind = GroupBox, .caption = "Fuse bits"},
        {.name = "BuildFuse0Chk", .parent = "FuseGroup0", .kind = CheckBox, .caption = "build", .def = "1"},
        {.name = "FuseBox0", .parent = "FuseGroup0", .kind = CheckList, .def = "0", .items = {"Fuse 0", "Fuse 1", "Fuse 2", "Fuse 3", "Fuse 4", "Fuse 5", "Fuse 6", "Fuse 7"}},

        {.name = "FuseGroup1", .kind = GroupBox, .caption = "High Fuse bits"},
        {.name = "BuildFuse1Chk", .parent = "FuseGroup1", .kind = CheckBox, .caption = "build", .def = "1"},
        {.name = "FuseBox1", .parent = "FuseGroup1", .kind = CheckList, .def = "0", .items = {"Fuse 0", "Fuse 1", "Fuse 2", "Fuse 3", "Fuse 4", "Fuse 5", "Fuse 6", "Fuse 7"}},

        {.name = "FuseGroup2", .kind = GroupBox, .caption = "Extended fuse bits"},
        {.name = "BuildFuse2Chk", .parent = "FuseGroup2", .kind = CheckBox, .caption = "build", .def = "1"},
        {.name = "FuseBox2", .parent = "FuseGroup2", .kind = CheckList, .def = "0", .items = {"Fuse 0", "Fuse 1", "Fuse 2", "Fuse 3", "Fuse 4", "Fuse 5", "Fuse 6", "Fuse 7"}},
        {.name = "FuseWrChk", .kind = RadioGroup, .caption = "ISP File update", .hint = "Select how the fuse should be handled", .def = "init only", .items = {"write never", "init only", "override"}},

        {.name = "BootFuseGroup", .kind = GroupBox, .caption = "BOOT Fuses"},
        // The box's two fixed lines, before the names the rules show.
        {.name = "BootFuseLab1", .parent = "BootFuseGroup", .kind = Label, .caption = "Please check"},
        {.name = "BootFuseLab2", .parent = "BootFuseGroup", .kind = Label, .caption = "these Fuses:"},
        {.name = "BootRstLab", .parent = "BootFuseGroup", .kind = Label, .caption = "BOOTRST"},
        {.name = "BootSZ0lab", .parent = "BootFuseGroup", .kind = Label, .caption = "BOOTSZ0"},
        {.name = "BootSZ1lab", .parent = "BootFuseGroup", .kind = Label, .caption = "BOOTSZ1"},

        {.name = "GroupBox75", .kind = GroupBox, .caption = "ProgMode"},
        {.name = "prgNoneChk", .parent = "GroupBox75", .kind = OneOf, .caption = "none", .def = "1", .group = "prgNoneChk"},
        {.name = "prgSPIchk", .parent = "GroupBox75", .kind = OneOf, .caption = "SPI", .def = "0", .group = "prgNoneChk"},
        {.name = "prgJTAGchk", .parent = "GroupBox75", .kind = OneOf, .caption = "JTAG", .def = "0", .group = "prgNoneChk"},

        {.name = "GroupBox86", .kind = GroupBox, .caption = "Environment"},
        {.name = "VoltSpin", .parent = "GroupBox86", .kind = Choice, .label = "Voltage", .def = "5.0", .items = {"3.0", "3.3", "5.0"}, .editable = true},
        {.name = "CurrentSpin", .parent = "GroupBox86", .kind = Number, .label = "Current (mA)", .def = "100", .step = 10},

        {.name = "GroupBox89", .kind = GroupBox, .caption = "write Options"},
        {.name = "ProgFuseChk", .parent = "GroupBox89", .kind = CheckBox, .caption = "prog FuseBits", .hint = "set program FuseBits", .def = "1", .enabled = false},
        {.name = "ProgLockChk", .parent = "GroupBox89", .kind = CheckBox, .caption = "prog LockBits", .hint = "set program LockBits", .def = "0", .enabled = false},
        {.name = "ProgFlashChk", .parent = "GroupBox89", .kind = CheckBox, .caption = "prog Flash", .hint = "set program Flash memory", .def = "1", .enabled = false},
        {.name = "progEEpromChk", .parent = "GroupBox89", .kind = CheckBox, .caption = "prog EEprom", .hint = "set program EEprom memory", .def = "0", .enabled = false},
        {.name = "progOptsEnaChk", .parent = "GroupBox89", .kind = CheckBox, .caption = "enable Options", .hint = "enable/disable options below", .def = "0"},

        {.name = "NoteBookSpin", .kind = Choice, .label = "NoteBook", .def = "A", .items = {"A", "B", "C", "D", "E", "F", "G"}},
        {.name = "COMportSpin", .kind = Choice, .label = "COMport", .def = "none", .items = {"none", "USB", "COM1", "COM2", "COM3", "COM4"}},
    }};
}

Page outPutShhet() {
    using enum OptionKind;
    return {15, {
        {.name = "StoreBtn", .kind = Button, .caption = "store", .hint = "store temporary Application source into a file"},
        {.name = "ExitBtn", .kind = Button, .caption = "exit", .hint = "exit Pramlet"},

        {.name = "GroupBox25", .kind = GroupBox, .caption = "Application basics", .hint = "summary of former definitions and imports"},
        {.name = "CPUpan", .parent = "GroupBox25", .kind = Summary, .caption = "CPU :", .def = "90S8515"},
        {.name = "ExtRamPan", .parent = "GroupBox25", .kind = Summary, .caption = "Ext Ram :", .def = "none"},
        {.name = "ClockPan", .parent = "GroupBox25", .kind = Summary, .caption = "Clock :", .def = "8000000Hz"},
        {.name = "SystickPan", .parent = "GroupBox25", .kind = Summary, .caption = "SysTick :", .def = "10msec"},
        {.name = "MultiTaskPan", .parent = "GroupBox25", .kind = Summary, .caption = "MultiTask :", .def = "standard"},
        {.name = "SysStackPan", .parent = "GroupBox25", .kind = Summary, .caption = "SysStack :", .def = "0"},
        {.name = "SysFramePan", .parent = "GroupBox25", .kind = Summary, .caption = "SysFrame", .def = "0"},
        {.name = "TaskStackPan", .parent = "GroupBox25", .kind = Summary, .caption = "TaskStack", .def = "0"},
        {.name = "TaskFramePan", .parent = "GroupBox25", .kind = Summary, .caption = "TaskFrame", .def = "0"},
        {.name = "HeapPan", .parent = "GroupBox25", .kind = Summary, .caption = "Heap", .def = "false"},
        {.name = "UsrDatDevPan", .parent = "GroupBox25", .kind = Summary, .caption = "UserDatDevice", .def = "none"},
        {.name = "FileSysPan", .parent = "GroupBox25", .kind = Summary, .caption = "File Sys Size", .def = "none"},
        {.name = "LCDgraphPan", .parent = "GroupBox25", .kind = Summary, .caption = "LCD Graphic", .def = "none"},
        {.name = "RTCpan", .parent = "GroupBox25", .kind = Summary, .caption = "RTC", .def = "none"},

        {.name = "GroupBox26", .kind = GroupBox, .caption = "Peripheral driver", .hint = "summary of former definitions and imports"},
        {.name = "SerPort1Pan", .parent = "GroupBox26", .kind = Summary, .caption = "SerPort", .def = "none"},
        {.name = "SerPort2Pan", .parent = "GroupBox26", .kind = Summary, .caption = "SerPort2", .def = "none"},
        {.name = "PWMport1Pan", .parent = "GroupBox26", .kind = Summary, .caption = "PWMport1", .def = "none"},
        {.name = "PWMport2Pan", .parent = "GroupBox26", .kind = Summary, .caption = "PWMport2", .def = "none"},
        {.name = "ADCportPan", .parent = "GroupBox26", .kind = Summary, .caption = "ADCport", .def = "none"},
        {.name = "SwitchPort1Pan", .parent = "GroupBox26", .kind = Summary, .caption = "SwitchPort1", .def = "none"},
        {.name = "SwitchPort2Pan", .parent = "GroupBox26", .kind = Summary, .caption = "SwitchPort2", .def = "none"},
        {.name = "I2CportPan", .parent = "GroupBox26", .kind = Summary, .caption = "I2Cport", .def = "none"},
        {.name = "LCDportPan", .parent = "GroupBox26", .kind = Summary, .caption = "LCDport", .def = "none"},
        {.name = "Disp7sPan", .parent = "GroupBox26", .kind = Summary, .caption = "Disp7s", .def = "none"},
        {.name = "LANportPan", .parent = "GroupBox26", .kind = Summary, .caption = "LANport", .def = "none", .enabled = false},
        {.name = "KeyBoardPan", .parent = "GroupBox26", .kind = Summary, .caption = "KeyBoard", .def = "none", .enabled = false},
        {.name = "StepPortPan", .parent = "GroupBox26", .kind = Summary, .caption = "StepperPort", .def = "none", .enabled = false},
        {.name = "SPIportPan", .parent = "GroupBox26", .kind = Summary, .caption = "SPIport", .def = "none", .enabled = false},

        {.name = "GroupBox27", .kind = GroupBox, .caption = "Application"},
        {.name = "AppNameEdit", .parent = "GroupBox27", .kind = Text, .label = "Name"},
        {.name = "PrintBtn", .parent = "GroupBox27", .kind = Button, .caption = "print", .hint = "print temporary Application source"},
        {.name = "FNameEdit", .parent = "GroupBox27", .kind = Text, .label = "File Name"},
        {.name = "ShowBtn", .parent = "GroupBox27", .kind = Button, .caption = "show", .hint = "show temporary Application source"},
        {.name = "PreviewBtn", .parent = "GroupBox27", .kind = Button, .caption = "preview", .hint = "show the program as a build would write it now, following every change (F5)"},
        {.name = "SaveSettingsBtn", .parent = "GroupBox27", .kind = Button, .caption = "save settings", .hint = "save the choices of every page as a settings file (Ctrl+S)"},
        {.name = "LoadSettingsBtn", .parent = "GroupBox27", .kind = Button, .caption = "load settings", .hint = "load a settings file: its choices are made again page by page (Ctrl+O)"},
        {.name = "BuildBtn", .parent = "GroupBox27", .kind = Button, .caption = "Build Application", .hint = "build temporary Application"},

        {.name = "GroupBox93", .kind = GroupBox, .caption = "Diverse"},
        {.name = "GlobWarnCheck", .parent = "GroupBox93", .kind = CheckBox, .caption = "global Warnings", .hint = "enable global Warnings", .def = "0"},
    }};
}

// clang-format on

std::vector<OptionDef> buildCatalogue() {
    std::vector<OptionDef> all;
    for (Page (*page)() :
         {windowControls, cpuSelSheet, dataTypeSheet, onChipSheet1, onChipSheet2, softDriverSheet1,
          softDriverSheet2, softDriverSheet3, specialSheet1, specialSheet2, specialSheet3,
          specialSheet4, portAsheet, portDsheet, portGsheet, fuseSheet, outPutShhet}) {
        Page p = page();
        for (OptionDef& row : p.rows) {
            row.page = p.index;
            all.push_back(std::move(row));
        }
    }
    return all;
}

} // namespace

const std::vector<OptionDef>& optionCatalogue() {
    static const std::vector<OptionDef> catalogue = buildCatalogue();
    return catalogue;
}

const OptionDef* findOption(std::string_view name) {
    static const auto index = [] {
        std::unordered_map<std::string_view, const OptionDef*> byName;
        for (const OptionDef& def : optionCatalogue())
            byName.emplace(def.name, &def);
        return byName;
    }();
    auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

std::vector<const OptionDef*> groupMembers(std::string_view group) {
    std::vector<const OptionDef*> members;
    if (group.empty()) return members;
    for (const OptionDef& def : optionCatalogue())
        if (def.kind == OptionKind::OneOf && def.group == group) members.push_back(&def);
    return members;
}

} // namespace pramlet
