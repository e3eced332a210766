program SoftOne;

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

Import SysTick, SwitchPort1, SwitchPort2, I2Cport, LCDport, IncrPort;

From System Import ;


Define
  XData          = $0E000, $0FFFF;
  XDataWaits     = 1;
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SwitchPort1    = PinB, $F0
  PolarityP1     = $0C;            // polarity
  SwitchPort2    = PinD, $00
  PolarityP2     = $00;            // polarity
  I2Cport        = PortF;
  I2Cdat         = 3;
  I2Cclk         = 2;
  LCDport        = PortE;
  LCDtype        = 0073;
  LCDrows        = 4, 2;           {rows, enables}
  LCDcolumns     = 16;             {columns per line}
  IncrCounter    = 16, 2;          {16 or 32 bit integer, 2phase}
  IncrPort       = PinG, $03;      {Port and BitMask}

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
end SoftOne.

