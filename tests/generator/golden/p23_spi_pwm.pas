program SpiPwm;

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

Import SysTick, PWMport1A, PWMport1B, SPIport;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0032, iData;
  FrameSize      = $0032, iData;
  PWMres1        = 8;              {bits}
  PWMpresc1      = 2;
  PWMmode1       = negative;
  SPIbuffer      = 32, iData;
  SPIport        = Master;
  SPIretry       = 5;
  SPIpresc       = 2;
  SPIOrder       = LSB;
  SPICPOL        = 0;
  SPICPHA        = 1;

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
end SpiPwm.

