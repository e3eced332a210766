program Blinker;

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

Import SysTick, PWMport1A, PWMport1B, PWMport3C, SwitchPort1, SwitchPort2, UserPort, FileSystem, LCDGraphic, BankPort, SysLEDblink;

From System Import LongWord;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SysLedBlink    = 50;              {SysTicks}
  SysLedBlink0   = PortB, 3, low;
  SysLedBlink5   = PortD, 7, high;
  PWMres1        = 0;              {bits}
  PWMpresc1      = 0;
  PWMmode1       = fast, negative;
  PWMres3        = 0;              {bits}
  PWMpresc3      = 0;
  SwitchPort1    = PinD, $F0
  PolarityP1     = $0F;            // polarity
  SwitchPort2    = PinE, $00
  PolarityP2     = $00;            // polarity
  UserPort       = $1000;          {Data Bytes}
  BankPort       = 4;              {Bank Ports}
  FileBuffer     = iData;
  FileHandles    = 4, iData;
  Disk_A         = 64, ReadOnly;            {kBytes}
// SecTrk_A      = ???;                {sectors/track option}
// TRKOFFS_A     = ???;                {system tracks option}
  Disk_B         = 32;            {kBytes}
// SecTrk_B      = ???;                {sectors/track option}
// TRKOFFS_B     = ???;                {system tracks option}
  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}
  GViewports     = 2, iData;        {logical ViewPorts, scalings}

Implementation

{$IDATA}

{--------------------------------------------------------------}
{ Type Declarations }

type


{--------------------------------------------------------------}
{ Const Declarations }

{--------------------------------------------------------------}
{ Var Declarations }
{$UDATA}

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
end Blinker.

