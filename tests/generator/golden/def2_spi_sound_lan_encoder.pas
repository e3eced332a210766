program Devices;

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

Import SysTick, SPIport, LANport, BeepPort, IncrPort;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SPIbuffer      = 16, iData;
  SPIport        = Slave;
  SPIretry       = 4;
  SPIpresc       = 1;
  SPIOrder       = MSB;
  SPICPOL        = 0;
  SPICPHA        = 1;
  BeepPort       = PortE, 3;
  LANport        = SerPort2;
  LANctrl        = PortJ, 6;
  LANbaud        = 19200;
  LANmode        = Slave;
  LANadr         = 2 byte adr;              {8/16 BIT}
  LANframe       = 32, iData;       {Frame size in bytes}
  LANcheck       = CRC16;       {ChkSum8, ChkSum16, CRC16}
  IncrCounter    = 32, 3;          {16 or 32 bit integer, 3phase}
  IncrPort       = PinB, $07;      {Port and BitMask}

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
end Devices.

