program Serial4;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega256g, VCC=5.0;
{ $BOOTRST $1F000}         {Reset Jump to $1F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick, SerPort, SerPort2, SerPort3, SerPort4, DDS10, SLIPport3;

From System Import LongInt, Float;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SerPort        = 9600, ParEven;    {Baud, StopBits|Parity}
  RxBuffer       = 32, iData;
  TxBuffer       = 16, iData;
  SerPort2       = 19200, Stop2;    {Baud, StopBits|Parity}
  TxBuffer2      = 8, iData;
  SerPort3       = 38400, Stop1;    {Baud, StopBits|Parity}
  RxBuffer3      = 64, iData;
  SerPort4       = 115200, ParOdd;    {Baud, StopBits|Parity}
  SLIPport3      = 19200;
  DDS10port      = SPI;
  DDS10Timer     = Timer1;
  DDS10Tables    = 2;
  SPIorder       = LSB;
  SPIcpol        = 1;
  SPIcpha        = 1;
  SPIpresc       = 0;      // presc = 0..3 -> 4/16/64/128
  SPI_SS         = true;   // use SS pin as chipselect

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
end Serial4.

