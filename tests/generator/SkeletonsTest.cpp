#include "GeneratorFixture.h"

namespace pramlet::test {
namespace {

using SkeletonsTest = GeneratorTest;

// The heads of the routines the skeletons declare, in the order written.
Listing heads(const Listing& l) {
    Listing h;
    for (const std::string& line : l)
        for (const char* key : {"Interrupt ", "UserDevice ", "procedure "})
            if (line.rfind(key, 0) == 0) h.push_back(line);
    return h;
}

TEST_F(SkeletonsTest, NothingUsedWritesNothing) {
    open("mega640g");
    EXPECT_EQ(only(WriteSkeletons), Listing{});
}

TEST_F(SkeletonsTest, PinChangeHandlersOnlyWithTemplates) {
    open("mega640g");
    o().setChecked("PCINTchk1", true);
    o().setChecked("PCINTchk3", true);
    EXPECT_EQ(only(WriteSkeletons), Listing{}) << "no templates asked for";
    o().setChecked("PCINTtemplChk", true);
    EXPECT_EQ(only(WriteSkeletons),
              (Listing{"Interrupt PCint08;", "begin", "  // ...", "end;", "",
                       "Interrupt PCint09;", "begin", "  // ...", "end;", "",
                       "Interrupt PCint24;", "begin", "  // ...", "end;", "",
                       "Interrupt PCint25;", "begin", "  // ...", "end;", ""}));
    o().setChecked("PCINTchk0", true);
    o().setChecked("PCINTchk2", true);
    o().setChecked("PCINTchk3", false);
    EXPECT_EQ(heads(only(WriteSkeletons)),
              (Listing{"Interrupt PCint00;", "Interrupt PCint01;", "Interrupt PCint08;",
                       "Interrupt PCint09;", "Interrupt PCint16;", "Interrupt PCint17;"}));
}

TEST_F(SkeletonsTest, UserAndBankDevices) {
    open("mega640g");
    o().setValue("UsrDatDevSpin", 1024);
    const Listing user = only(WriteSkeletons);
    ASSERT_EQ(user.size(), 19u);
    EXPECT_EQ(user.front(),
              "(* for a UserDevice import the following 3 function must be implemented *)");
    EXPECT_EQ(heads(user), (Listing{"UserDevice UsrDevIni;          // User Device init",
                                    "UserDevice UsrDevInp(adr : word) : byte;",
                                    "UserDevice UsrDevOut(adr : word; outp : byte);"}));
    EXPECT_EQ(Listing(user.begin() + 5, user.begin() + 8), (Listing{"", "end;", ""}));
    EXPECT_EQ(user[11], "  return(xxx);");
    EXPECT_EQ(user.back(), "");

    o().setValue("UsrDatDevSpin", 0);
    o().setValue("BankPortSpin", 2);
    const Listing bank = only(WriteSkeletons);
    ASSERT_EQ(bank.size(), 19u);
    EXPECT_EQ(bank.front(),
              "(* for a BankDevice import the following 3 function must be implemented *)");
    EXPECT_EQ(heads(bank),
              (Listing{"UserDevice BankDevIni;          // Bank Device init",
                       "UserDevice BankDevInp(bank : byte; adr : word) : byte;",
                       "UserDevice BankDevOut(bank : byte; adr : word; arg : byte);"}));

    o().setValue("UsrDatDevSpin", 2048);
    EXPECT_EQ(heads(only(WriteSkeletons)).at(3),
              "UserDevice BankDevIni;          // Bank Device init");
}

TEST_F(SkeletonsTest, DiskBackEndBracketedByDebugSwitches) {
    open("mega640g");
    o().setValue("DiskASpin", 64);
    const Listing l = only(WriteSkeletons);
    ASSERT_EQ(l.size(), 25u);
    EXPECT_EQ(l.front(), "{$D- debugging off}");
    EXPECT_EQ(l[1], "  (* commands passed to user defined function \"FileIOS\" *)");
    EXPECT_EQ(
        l[5],
        "  (*  3  set sector#    drive = drive#    arg1 = sector arg2 = none   result = bool   *)");
    EXPECT_EQ(l[11],
              "UserDevice FileIOS(cmd, drive : byte; arg1 : word; arg2 : longword) : boolean; "
              "// File System BIOS");
    EXPECT_EQ(l[15], "    0 : result:= true; |              // Init Disk Subsystem");
    EXPECT_EQ(l[22], "end;");
    EXPECT_EQ(l[23], "{$D+ debugging on}");
    EXPECT_EQ(l[24], "");
}

TEST_F(SkeletonsTest, StepperBackEndOnlyForTheUserPort) {
    open("mega640g");
    d().StepPort = PortB;
    EXPECT_EQ(only(WriteSkeletons), Listing{});
    d().StepPort = UserPort;
    EXPECT_EQ(only(WriteSkeletons),
              (Listing{"UserDevice StepperIOS(CW : boolean);", "begin", "end;", ""}));
}

TEST_F(SkeletonsTest, NetworkAndFat16BackEndsOnlyOnTheUserPort) {
    open("mega640g");
    o().setChecked("TCP_IPchk", true);
    o().choose("TCP_TWIchk");
    o().setChecked("FAT16chk", true);
    o().choose("MMCchk");
    EXPECT_EQ(only(WriteSkeletons), Listing{});

    o().choose("TCP_UserChk");
    EXPECT_EQ(only(WriteSkeletons),
              (Listing{"UserDevice wzNet_IOS(doRead : boolean; wzAddr : word; ptr : pointer; cnt "
                       ": word) : boolean;",
                       "begin", "  return(true);", "end;", ""}));
    o().choose("F16usrChk");
    o().setChecked("TCP_IPchk", false);
    const Listing l = only(WriteSkeletons);
    ASSERT_EQ(l.size(), 17u);
    EXPECT_EQ(l.front(), "UserDevice FAT16_IOS(F16cmd : tF16cmd; buffer : pointer; BlockAddr : "
                         "longword) : boolean;");
    EXPECT_EQ(l[4], "                   // buffer and blockaddr are dont care");
    EXPECT_EQ(l[5], "                 |");
    EXPECT_EQ(l[14], "  return(true);");
    o().setChecked("FAT16chk", false);
    EXPECT_EQ(only(WriteSkeletons), Listing{});
}

TEST_F(SkeletonsTest, GraphicBackEndVariants) {
    open("mega640g");
    o().setChecked("LCDgraphModeChk", true);
    EXPECT_EQ(only(WriteSkeletons), Listing{}) << "no graphics imported";
    o().setChecked("LCDgraphChk", true);
    EXPECT_EQ(
        only(WriteSkeletons),
        (Listing{"UserDevice GraphIOS(cmd : byte; arg : byte);", "begin",
                 "  (* Display Refresh with \"GraphIOS\" *)",
                 "  (* cmd = 0   arg = rowaddr    set rowaddr to arg *)",
                 "  (* cmd = 1   arg = pixels     write data byte    *)", "  if cmd = 0 then",
                 "    // set row addr", "  else", "    // write byte", "  endif", "end;", ""}));
    o().setChecked("LCDgraphModeChk", false);
    const Listing l = only(WriteSkeletons);
    ASSERT_EQ(l.size(), 23u);
    EXPECT_EQ(l.front(), "UserDevice GraphIOS(cmd : byte; adr : word; mask, pixel : byte) : byte;");
    EXPECT_EQ(
        l[9],
        "  (*  6  xor pixel      adr = byte adr  mask = mask   pixel = pixel  result = none   *)");
    EXPECT_EQ(l[10], "");
    EXPECT_EQ(l[12], "    0  : cmd:= 0; |                    // display init");
    EXPECT_EQ(l[20], "  return(cmd);");
    EXPECT_EQ(l[22], "");
}

TEST_F(SkeletonsTest, TickTimerInterrupt) {
    open("mega640g");
    o().setChecked("TickTimerIntChk", true);
    EXPECT_EQ(only(WriteSkeletons), Listing{}) << "no tick timer imported";
    o().setChecked("TickTimerChk", true);
    EXPECT_EQ(only(WriteSkeletons),
              (Listing{"Interrupt TIMER1COMPA;           // TickTimer", "begin", "end;", ""}));
    o().setChecked("TickTimerSavChk", false);
    o().choose("TickTimer3Chk");
    EXPECT_EQ(only(WriteSkeletons),
              (Listing{"{$NOSAVE}", "Interrupt TIMER3COMPA;           // TickTimer", "begin",
                       "end;", ""}));
    o().choose("TickTimer5Chk");
    EXPECT_EQ(only(WriteSkeletons).at(1), "Interrupt TIMER5COMPA;           // TickTimer");
    o().choose("TickTimer4Chk");
    EXPECT_EQ(only(WriteSkeletons).at(1), "Interrupt TIMER4COMPA;           // TickTimer");
    o().setChecked("TickTimerIntChk", false);
    EXPECT_EQ(only(WriteSkeletons), Listing{});
}

TEST_F(SkeletonsTest, ClockCallbacks) {
    open("mega640g");
    o().setValue("RTCtimerSpin", 1); // no Define entry for one channel, but its callback
    EXPECT_EQ(
        only(WriteSkeletons),
        (Listing{"procedure RTCtimer;           // CallBack from RTCtimer", "begin", "end;", ""}));
    o().setValue("RTCtimerSpin", 0);
    o().setChecked("RTCalarmChk", true);
    EXPECT_EQ(
        only(WriteSkeletons),
        (Listing{"procedure RTCalarm;           // CallBack from RTCalarm", "begin", "end;", ""}));
    o().setChecked("RTCalarmChk", false);
    for (OptName clock : OptNames{"RTCtimeBtn", "RTCdateTimeBtn"}) {
        o().choose(clock);
        EXPECT_EQ(
            only(WriteSkeletons),
            (Listing{"procedure RTCtickSecond;      // CallBack from RTCclock", "begin", "end;", "",
                     "procedure RTCtickMinute;      // CallBack from RTCclock", "begin", "end;", "",
                     "procedure RTCtickHour;        // CallBack from RTCclock", "begin", "end;",
                     ""}));
    }
    o().choose("RTCnoneBtn");
    EXPECT_EQ(only(WriteSkeletons), Listing{});
}

TEST_F(SkeletonsTest, AllInTheirOrderBetweenBootBlockAndInitPorts) {
    open("mega640g");
    o().choose("RTCtimeBtn");
    o().setChecked("RTCalarmChk", true);
    o().setValue("RTCtimerSpin", 2);
    o().setChecked("TickTimerChk", true);
    o().setChecked("TickTimerIntChk", true);
    o().setChecked("LCDgraphChk", true);
    o().setChecked("FAT16chk", true);
    o().choose("F16usrChk");
    o().setChecked("TCP_IPchk", true);
    o().choose("TCP_UserChk");
    d().StepPort = UserPort;
    o().setValue("DiskASpin", 32);
    o().setValue("BankPortSpin", 1);
    o().setValue("UsrDatDevSpin", 1024);
    o().setChecked("PCINTtemplChk", true);
    o().setChecked("PCINTchk2", true);
    EXPECT_EQ(heads(only(WriteSkeletons)),
              (Listing{"Interrupt PCint16;", "Interrupt PCint17;",
                       "UserDevice UsrDevIni;          // User Device init",
                       "UserDevice UsrDevInp(adr : word) : byte;",
                       "UserDevice UsrDevOut(adr : word; outp : byte);",
                       "UserDevice BankDevIni;          // Bank Device init",
                       "UserDevice BankDevInp(bank : byte; adr : word) : byte;",
                       "UserDevice BankDevOut(bank : byte; adr : word; arg : byte);",
                       "UserDevice FileIOS(cmd, drive : byte; arg1 : word; arg2 : longword) : "
                       "boolean; // File System BIOS",
                       "UserDevice StepperIOS(CW : boolean);",
                       "UserDevice wzNet_IOS(doRead : boolean; wzAddr : word; ptr : pointer; cnt "
                       ": word) : boolean;",
                       "UserDevice FAT16_IOS(F16cmd : tF16cmd; buffer : pointer; BlockAddr : "
                       "longword) : boolean;",
                       "UserDevice GraphIOS(cmd : byte; adr : word; mask, pixel : byte) : byte;",
                       "Interrupt TIMER1COMPA;           // TickTimer",
                       "procedure RTCtimer;           // CallBack from RTCtimer",
                       "procedure RTCalarm;           // CallBack from RTCalarm",
                       "procedure RTCtickSecond;      // CallBack from RTCclock",
                       "procedure RTCtickMinute;      // CallBack from RTCclock",
                       "procedure RTCtickHour;        // CallBack from RTCclock"}));

    // In the program they stand together, after the declarations, before the main program.
    const Listing skeletons = only(WriteSkeletons);
    const Listing& l = build();
    const int at = find(l, "Interrupt PCint16;");
    ASSERT_GT(at, 0);
    const auto begin = l.begin() + at;
    ASSERT_LT(at + skeletons.size(), l.size());
    EXPECT_EQ(Listing(begin, begin + static_cast<long>(skeletons.size())), skeletons);
    EXPECT_GT(find(l, "{ Main Program }"), at + static_cast<int>(skeletons.size()));
    EXPECT_LT(find(l, "Implementation"), at);
}

} // namespace
} // namespace pramlet::test
