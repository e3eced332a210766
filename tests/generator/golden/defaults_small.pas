program Blinky;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = tiny45g, VCC=5.0;

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL0, CKSEL2, CKSEL3, SUT1, CKDIV8];
  FuseBits1  = [SPIEN];

Import SysTick;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0000, iData;
  FrameSize      = $0000, iData;

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
end Blinky.

