program SerBufs;

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

Import SysTick, SerPort, SerPort2, SLIPport2;

From System Import ;


Define
  XData          = $0E000, $0FFFF;
  XDataWaits     = 1;
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SerPort        = 38400, ParOdd;    {Baud, StopBits|Parity}
  RxBuffer       = 64, xData;
  TxBuffer       = 32, xData;
  SerPortDTR     = PinD, 4, Positive;
  SerPort2       = 9600, Stop2;    {Baud, StopBits|Parity}
  RxBuffer2      = 16, iData;
  SLIPport2      = 19200;

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
end SerBufs.

