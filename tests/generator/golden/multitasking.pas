program Tasker;

{ $WG}                     {global Warnings off}

Device = mega64g, VCC=5.0;
{ $BOOTRST $07000}         {Reset Jump to $07000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick;

From System Import LongWord, Processes, Tasks, Exceptions, Pipes;

From SysTick import SystemTime32;

Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 5;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  Scheduler      = 10, 10, iData;
  TaskStack      = $0040, iData;
  TaskFrame      = $0020;
  Exceptions     = 3;              {levels}

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


  Start_Processes;
  loop


  endloop;
end Tasker.

