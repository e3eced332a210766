program Sensors;

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

Import SysTick, ADCPort, SysLEDblink, DDS10, WiegandPort, IncrPort4;

From System Import LongInt, Float;

From SysLEDblink Import LEDmessage;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  IncrPort4      = PortC, 3, 32;
  IncrScan4      = Timer3, 10;
  DDS10port      = PortB;
  DDS10Timer     = Timer3;
  DDS10Tables    = 2;
  WiegandPort    = INT4, PortD, 2, 3; // INTx, PINx, DATA0, DATA1
  ADCchans       = 6, iData, Int2;
  ADCpresc       = 3;
  SysLedBlink    = 100;              {SysTicks}
  SysLedBlink0   = PortB, 1, high;
  SysLedBlink1   = PortE, 6, low;

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
var
  WiegandData : array[0..4] of byte;

{--------------------------------------------------------------}
{ functions }



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end Sensors.

