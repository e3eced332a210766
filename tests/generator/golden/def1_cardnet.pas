program CardNet;

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

Import SysTick, ADCPort, I2Cport, RC5Rxport, RC5Txport, TWImaster, SHT11drvr, FAT16, wzNet4, ROVAstack, WiegandPort;

From System Import LongWord, Processes, Tasks;

From wzNet4 Import Telnet;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  Scheduler      = iData;
  TaskStack      = $0000, iData;
  TaskFrame      = $0000;
  WiegandPort    = INT1, PortE, 2, 3; // INTx, PINx, DATA0, DATA1
  FAT16          = MMC_SOFT, iData;
  F16_MMCport    = PortB, 0, 1, 2, 3;  // SS, SCK, MOSI, MISO
  F16_FileHandles  = 3;
  F16_DirLevels    = 4;
  TelnetStrLen     = 40;
  wzNet4         = I2C_TWI, iData;
  wzSocks        = 4;
  ROVAdriver     = ENC28J60;
  ROVAtimer      = Timer2;
  ROVAsockets    = 3;
  SHT11drvr      = SysTickChecked;
  SHT11clk       = PortA, 3;       {Port, Pin#}
  SHT11Dat       = PortA, 4;       {Port, Pin#}
  RC5Rxport      = PinD, 2, positive; {Port, Pin#, polarity}
  RC5Txport      = negative;       {pulse polarity}
  RC5mode        = rc_7bit;        {command bit count}
  ADCchans       = 8, iData, Int2;
  ADCpresc       = 6;
  I2Cport        = PortB;
  I2Cdat         = 0;
  I2Cclk         = 1;
  TWIpresc       = 1;

uses UFAT16;

uses WzKernel, wzTelnet;

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
end CardNet.

