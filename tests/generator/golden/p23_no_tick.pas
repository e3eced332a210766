program NoTick;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega16g, VCC=5.0;
{ $BOOTRST $01C00}         {Reset Jump to $01C00}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import PWMport1A, DDS10;

From System Import LongInt, Float;

Define
  ProcClock      = 16000000;       {Hertz}
  StackSize      = $0032, iData;
  FrameSize      = $0032, iData;
  DDS10port      = SPI;
  DDS10Timer     = Timer1;
  DDS10Tables    = 2;
  SPIorder       = LSB;
  SPIcpol        = 1;
  SPIcpha        = 1;
  SPIpresc       = 0;      // presc = 0..3 -> 4/16/64/128
  SPI_SS         = true;   // use SS pin as chipselect
  PWMres1        = 10;              {bits}
  PWMpresc1      = 4;

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
end NoTick.

