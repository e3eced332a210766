program Ports;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega64g, VCC=5.0;
{ $BOOTRST $07000}         {Reset Jump to $07000}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;

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

procedure InitPorts;
begin
  DDRA:= %11111111;
  PortB:= %00000001;
  DDRB:= %00001111;
  DDRD:= %00000011;
  PortF:= %10000000;
  PortG:= %00001111;
  DDRG:= %00010000;
end InitPorts;


{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin
  InitPorts;


  EnableInts;
  loop


  endloop;
end Ports.

