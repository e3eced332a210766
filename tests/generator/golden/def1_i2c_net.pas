program TWInet;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega256g, VCC=5.0;
{ $BOOTRST $1F000}         {Reset Jump to $1F000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick, TWInet;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  TWInetMode     = MasterSlave;
  TWInode        = 02;             {default address in slave mode}
  TWIpresc       = TWI_BR100;              {Bitrate}
  TWIframe       = 12, iData;       {buffer/packet size}
  TWIframeBC     = 4;              {Broadcast Frame size}

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
end TWInet.

