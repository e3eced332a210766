program XRamDemo;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega128g, VCC=5.0;
{ $BOOTRST $0F000}         {Reset Jump to $0F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick, WatchDog, Heap;

From System Import ;


Define
  XData          = $0E000, $0FFFF, noInit;
  XDataWaits     = 2;
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  Heap           = xData;
  WatchDog       = msec500;         {presc = 5}
  StackSize      = $0100, xData;
  FrameSize      = $0064, iData;

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



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin

//  WatchDogStart;

  EnableInts;
  loop

//  WatchDogTrig;

  endloop;
end XRamDemo.

