program FuseDemo;

{$NOSHADOW}
{$WG}                      {global Warnings on}

Device = mega128g, VCC=3.3;
{ $BOOTRST $0F000}         {Reset Jump to $0F000}

Define_Fuses
  Override_Fuses;
  NoteBook   = D;
  COMport    = USB;
  Supply     = 3.3, 250;
  LockBits0  = [LB1, LB2, BLB11];
  FuseBits0  = [CKSEL0, SUT0, SUT1, BODEN];
  FuseBits1  = [SPIEN];
  FuseBits2  = [WDTON];
  ProgMode   = JTAG;
  ProgFuses  = true;
  ProgLock   = true;
  ProgFlash  = false;
  ProgEEprom = true;

Import SysTick;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
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


  EnableInts;
  loop


  endloop;
end FuseDemo.

