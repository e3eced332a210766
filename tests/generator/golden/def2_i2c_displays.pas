program I2Cdisplays;

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

Import SysTick, I2Cport, LCDmultiPort, LPTport, I2Cexpand, I2C_Disp7;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  I2Cport        = PortD;
  I2Cdat         = 2;
  I2Cclk         = 3;
  LCDmultiPort    = I2C_Soft;
  LCDrows_M       = 2;             {rows}
  LCDcolumns_M    = 16;             {columns per line}
  LCDtype_M       = 66712;
  LPTport        = PortC, PortF;  // data port, control port
  I2Cexpand      = I2C_Soft, $38;
  I2CexpPorts    = Port1, Port6; // I2Cexpand ports
  I2C_Disp7      = I2C_Soft, iData;
  I2C_7sDig1     = 6;
  I2C_7sDig2     = 4;
  I2C_7sDig3     = 2;

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
end I2Cdisplays.

