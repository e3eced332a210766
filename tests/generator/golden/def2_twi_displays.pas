program TwiDisplays;

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

Import SysTick, LCDmultiPort, LPTport, I2Cexpand, I2C_Disp7, TWImaster;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  TWIpresc       = 1;
  LCDmultiPort    = SPI;           // SPI_Soft, PortB, 1, 2, 3, 0
  LCDrows_M       = 1;             {rows}
  LCDcolumns_M    = 20;             {columns per line}
  LCDtype_M       = 0073;
  LPTport        = TWI_I2C, 5;   // Soft_I2C, addr
  I2Cexpand      = I2C_TWI, $38;
  I2CexpPorts    = Port0; // I2Cexpand ports
  I2C_Disp7      = I2C_TWI, iData;
  I2C_7sDig1     = 8;

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
end TwiDisplays.

