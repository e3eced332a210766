program Expand;

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

Import SysTick, CAN_AVR, LCDmultiPort, LPTport, I2Cexpand, I2C_Disp7, TWInet, IOexpand, ServoPort, SHT11drvr, FAT16, wzNet4, ROVAstack;

From System Import LongWord, Processes, Tasks;

From wzNet4 Import UDP, DNS;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  Scheduler      = iData;
  TaskStack      = $0000, iData;
  TaskFrame      = $0000;
  CAN_AVR        = 16, 16, iData;
  CAN_AVRbaud    = CAN_Baud9600;
  FAT16          = MMC_SPI, iData;
  F16_FileHandles  = 2;
  F16_DirLevels    = 2;
  wzNet4         = I2C_TWI, iData;
  wzSocks        = 2;
  ROVAdriver     = ENC28J60;
  ROVAtimer      = Timer0;
  ROVAsockets    = 2;
  SHT11drvr      = polled;
  SHT11clk       = PortA, 0;       {Port, Pin#}
  SHT11Dat       = PortA, 0;       {Port, Pin#}
  TWInetMode     = Master;
  TWInode        = 02;             {default address in slave mode}
  TWIpresc       = 1;              {Bitrate}
  TWIframe       = 8, iData;       {buffer/packet size}
  TWIframeBC     = 8;              {Broadcast Frame size}
  ServoPort      = PortC, 0, iData; {use Portx, startbit n, RAMpage}
  ServoChans     = 4, positive;     {channel count, pulse polarity}
  ServoNeutral   = 1.5, Timer3;     {msec zero pulse width, Timer used}
  IOexpand       = PortB, 2, iData; {use Portx, startbit n, RAMpage}
  IOexpInp       = 2;               {bytes input}
  IOexpOutp      = 2;               {bytes output}
  LCDmultiPort    = SPI;           // SPI_Soft, PortB, 1, 2, 3, 0
  LCDrows_M       = 1;             {rows}
  LCDcolumns_M    = 20;             {columns per line}
  LCDtype_M       = 44780;
  LPTport        = TWI_I2C, 3;   // Soft_I2C, addr
  I2Cexpand      = I2C_TWI, $38;
  I2CexpPorts    = Port1; // I2Cexpand ports
  I2C_Disp7      = I2C_TWI, iData;
  I2C_7sDig1     = 8;
  I2C_7sDig2     = 4;

uses UFAT16;

uses WzKernel, wzDNS;

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
end Expand.

