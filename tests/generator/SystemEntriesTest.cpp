#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using SystemEntriesTest = GeneratorTest;

TEST_F(SystemEntriesTest, Defaults) {
    open("mega16g"); // 1 KiB of RAM: stack and frame raised to 50
    EXPECT_EQ(only(WriteSystemEntries),
              (Listing{"Define", "  ProcClock      = 16000000;       {Hertz}",
                       "  SysTick        = 10;             {msec}",
                       "  StackSize      = $0032, iData;", "  FrameSize      = $0032, iData;"}));
}

TEST_F(SystemEntriesTest, ExternalRamAtTheTopOfTheDataSpace) {
    open("mega128g");
    d().ExternRam = 4096;
    o().setText("XDataWaitSpin", "2 wait");
    Listing l = only(WriteSystemEntries);
    EXPECT_EQ(l.at(1), "  XData          = $0F000, $0FFFF;");
    EXPECT_EQ(l.at(2), "  XDataWaits     = 2;");

    o().setChecked("NoInitChk", true);
    d().ExternRam = 65536;
    EXPECT_EQ(only(WriteSystemEntries).at(1), "  XData          = $00000, $0FFFF, noInit;");

    // More than the data space holds starts at 0, not at a negative address.
    d().ExternRam = 70000;
    EXPECT_EQ(only(WriteSystemEntries).at(1), "  XData          = $00000, $0FFFF, noInit;");

    d().ExternRam = 0;
    EXPECT_EQ(find(only(WriteSystemEntries), "  XData"), -1);
}

TEST_F(SystemEntriesTest, ClockTickHeapWatchdogAndExceptions) {
    open("mega16g");
    d().Frequency = 7372800;
    d().SysTick = 0;
    d().WatchDog = 0;
    o().choose("HeapUserChk");
    o().setChecked("ExceptBox", true);
    o().setText("ExceptSpin", "4");
    EXPECT_EQ(only(WriteSystemEntries),
              (Listing{"Define", "  ProcClock      = 7372800;       {Hertz}",
                       "  Heap           = $F000..$FFFF;   // as an example",
                       "  WatchDog       = msec16;         {presc = 0}",
                       "  StackSize      = $0032, iData;", "  FrameSize      = $0032, iData;",
                       "  Exceptions     = 4;              {levels}"}));

    d().WatchDog = 5;
    EXPECT_EQ(only(WriteSystemEntries).at(3), "  WatchDog       = msec500;         {presc = 5}");
    d().WatchDog = -1;
    EXPECT_EQ(find(only(WriteSystemEntries), "  WatchDog"), -1);

    o().choose("HeapIDataChk");
    EXPECT_EQ(only(WriteSystemEntries).at(2), "  Heap           = iData;");
    o().choose("HeapXDataChk");
    EXPECT_EQ(only(WriteSystemEntries).at(2), "  Heap           = xData;");
    o().choose("HeapNoneChk");
    EXPECT_EQ(find(only(WriteSystemEntries), "  Heap"), -1);
}

TEST_F(SystemEntriesTest, StacksFramesAndMemoryAreas) {
    open("mega16g");
    d().SysStackSize = 0x20;
    d().SysStackData = tRamPage::xData;
    d().SysFrameSize = 0x12345;
    Listing l = only(WriteSystemEntries);
    EXPECT_TRUE(contains(l, "  StackSize      = $0020, xData;"));
    EXPECT_TRUE(contains(l, "  FrameSize      = $12345, iData;"));
}

TEST_F(SystemEntriesTest, SchedulerAndTaskEntries) {
    open("mega16g");
    d().MultiTasking = tMultiTask::MultiTask;
    d().Tasks = false;
    d().Scheduler = tRamPage::xData;
    Listing l = only(WriteSystemEntries);
    EXPECT_EQ(l.back(), "  Scheduler      = xData;");

    d().Tasks = true;
    d().TaskStackSize = 64;
    d().TaskStackData = tRamPage::iData;
    d().TaskFrameSize = 0x1000;
    o().setChecked("IdleProcChk", true);
    l = only(WriteSystemEntries);
    EXPECT_EQ(Listing(l.end() - 3, l.end()),
              (Listing{"  Scheduler      = 10, 10, xData;", "  TaskStack      = $0040, iData;",
                       "  TaskFrame      = $1000;"}));

    // The network needs the scheduler and the task entries whatever the multitasking says.
    d().MultiTasking = tMultiTask::Standard;
    d().Tasks = false;
    o().setChecked("TCP_IPchk", true);
    o().setChecked("IdleProcChk", false);
    l = only(WriteSystemEntries);
    EXPECT_EQ(Listing(l.end() - 3, l.end()),
              (Listing{"  Scheduler      = xData;", "  TaskStack      = $0040, iData;",
                       "  TaskFrame      = $1000;"}));

    o().setChecked("TCP_IPchk", false);
    d().Tasks = true; // tasks without the scheduler write nothing
    EXPECT_EQ(find(only(WriteSystemEntries), "  Task"), -1);
    EXPECT_EQ(find(only(WriteSystemEntries), "  Scheduler"), -1);
}

} // namespace
} // namespace pramlet::test
