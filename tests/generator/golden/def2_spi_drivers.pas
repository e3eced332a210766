program SpiDrivers;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega640g, VCC=5.0;
{ $BOOTRST $0F000}         {Reset Jump to $0F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0, CKDIV8];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [BODLEVEL0, BODLEVEL1, BODLEVEL2];

Import SysTick, SPIdriver, SPIdriver1, SPIdriver2, MSPI_0, MSPI_2, TickTimer;

From System Import LongWord;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SPIpresc       = 2;
  SPIOrder       = MSB;
  SPICPOL        = 0;
  SPICPHA        = 1;
  SPI_SS         = false;
  MSPIpresc0     = 12;
  MSPIOrder0     = LSB;
  MSPIcpol0      = 1;
  MSPIcpha0      = 0;
  MSPIpresc2     = 1;
  MSPIOrder2     = MSB;
  MSPIcpol2      = 0;
  MSPIcpha2      = 1;
  SPIdriver1     = PortB, 5, 6, 7, 8;  // SCK, MOSI, MISO, SS
  SPIorder1      = LSB;
  SPIcPHA1       = 1;
  SPIcPol1       = 0;
  SPIdriver2     = PortL, 0, 1, 2, 3;  // SCK, MOSI, MISO, SS
  SPIorder2      = MSB;
  SPIcPHA2       = 0;
  SPIcPol2       = 1;
  TickTimer      = Timer3, pinout;

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

{$NOSAVE}
Interrupt TIMER3COMPA;           // TickTimer
begin
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end SpiDrivers.

