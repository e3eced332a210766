program CanNode;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = can128g, VCC=5.0;
{ $BOOTRST $0F000}         {Reset Jump to $0F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick, CAN_AVR, DDS10, IncrPort4;

From System Import LongInt, Float;

From SysTick import SystemTime16;

Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  IncrPort4      = PortB, 3, 32;
  IncrScan4      = Timer3, 20;
  CAN_AVR        = 8, 4, iData, CAN_SysTime;
  CAN_AVRbaud    = CAN_Baud125;
  DDS10port      = PortD;
  DDS10Timer     = Timer2;
  DDS10Tables    = 2;

uses UDDS10;

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
end CanNode.

