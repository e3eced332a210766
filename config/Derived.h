#pragma once
// Derived configuration values: what the page rules copy out of the options for the
// generator. Each starts as 0, false, empty or the first member of its enumeration and takes
// its value when its page's rules first run.

#include "device/CpuDesc.h"

#include <array>
#include <cstdint>
#include <string>

namespace pramlet {

enum class tRamPage { iData, xData };
enum class tMultiTask { Standard, UserInt, MultiTask };

inline const char* ramPageName(tRamPage p) {
    return p == tRamPage::iData ? "iData" : "xData";
}

struct Derived {
    // Controller and system pages.
    int ExternRam = 0;
    int SysTick = 0;
    int Frequency = 0; // Hz
    int WatchDog = 0;
    tMultiTask MultiTasking = tMultiTask::Standard;
    bool LongWords = false, LongInts = false, Floats = false, Pipes = false, PIDs = false;
    bool Processes = false, Tasks = false;
    int SysStackSize = 0, SysFrameSize = 0, TaskStackSize = 0, TaskFrameSize = 0;
    tRamPage SysStackData = tRamPage::iData, SysFrameData = tRamPage::iData;
    tRamPage Scheduler = tRamPage::iData, TaskStackData = tRamPage::iData;
    bool Heap = false;
    int fBootIndex = 0;

    // On-chip driver pages (index 0..3 for ports 1..4).
    std::array<int, 4> SerBaud{}, RxBuffer{}, TxBuffer{};
    std::array<tRamPage, 4> RxBuffData{}, TxBuffData{};
    bool SPIused = false;
    int PWMres = 0, PWMpresc = 0, PWMres3 = 0, PWMpresc3 = 0;
    int ADCchans = 0, ADCpresc = 0;
    tRamPage ADCbuffer = tRamPage::iData;

    // Soft driver pages.
    tPinsT SwitchPort1 = tPinsT::PinNone, SwitchPort2 = tPinsT::PinNone;
    tPortsT LCDport = tPortsT::PortNone;
    int LCDrows = 0, LCDcols = 0;
    tPortsT I2Cport = tPortsT::PortNone;
    int I2Cdata = 0, I2Cclock = 0;
    std::uint8_t fIncChannelBits = 0;
    tPortsT Disp7sPort = tPortsT::PortNone;
    tPortsT StepPort = tPortsT::PortNone;
    tPortsT KeyBRport = tPortsT::PortNone;
    tPinsT KeyBCport = tPinsT::PinNone;
    int Graphx = 0, Graphy = 0;

    // Port and fuse pages (index 0..10 for A..L without I).
    std::array<bool, 11> PortUsed{}, DDRUsed{};
    int Current = 0;
    std::string Voltage1; // supply voltage text of the fuse block

    // Baud divisor of the boot loader: assembler constants such as "067h".
    std::string ps, psh;
};

} // namespace pramlet
