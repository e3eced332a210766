program Clocks;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega640g, VCC=5.0;
{ $BOOTRST $0F000}         {Reset Jump to $0F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0, CKDIV8];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [BODLEVEL0, BODLEVEL1, BODLEVEL2];

Import SysTick, RTclock, FAT16, wzNet4;

From System Import Processes, Tasks, PCINTserv1, PCINTserv2, FlashCheck_S;

From RTclock Import RTCalarm, RTCtimer;

From wzNet4 Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  Scheduler      = iData;
  TaskStack      = $0000, iData;
  TaskFrame      = $0000;
  FAT16          = UserPort, iData;
  F16_FileHandles  = 2;
  F16_DirLevels    = 2;
  wzNet4         = UserPort, iData;
  wzSocks        = 2;
  RTClock        = iData, DateTime;{Time, DateTime}
  RTCtimer       = 2;              {channels}
  RTCsource      = SysTick;
  FlashChksum    = ProgEnd;        {or absolute address}

uses UFAT16;

uses WzKernel;

Implementation

{$IDATA}

{--------------------------------------------------------------}
{ Type Declarations }

type


{--------------------------------------------------------------}
{ Const Declarations }

{--------------------------------------------------------------}
{ Var Declarations }
{$IDATA}


{--------------------------------------------------------------}
{ functions }

Interrupt PCint08;
begin
  // ...
end;

Interrupt PCint09;
begin
  // ...
end;

Interrupt PCint16;
begin
  // ...
end;

Interrupt PCint17;
begin
  // ...
end;

UserDevice wzNet_IOS(doRead : boolean; wzAddr : word; ptr : pointer; cnt : word) : boolean;
begin
  return(true);
end;

UserDevice FAT16_IOS(F16cmd : tF16cmd; buffer : pointer; BlockAddr : longword) : boolean;
begin
  case F16cmd of
    cmdInitF16   : // initialize hardware
                   // buffer and blockaddr are dont care
                 |
    cmdCheckF16  : // check for an existing media/disk
                   // buffer and blockaddr are dont care
                 |
    cmdReadF16   : // read a 512byte block
                 |
    cmdWriteF16  : // write a 512byte block
                 |
  endcase;
  return(true);
end;

procedure RTCtimer;           // CallBack from RTCtimer
begin
end;

procedure RTCalarm;           // CallBack from RTCalarm
begin
end;

procedure RTCtickSecond;      // CallBack from RTCclock
begin
end;

procedure RTCtickMinute;      // CallBack from RTCclock
begin
end;

procedure RTCtickHour;        // CallBack from RTCclock
begin
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end Clocks.

