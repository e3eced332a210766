program StepKeys;

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

Import SysTick, StepPort, MatrixPort;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  StepMinFreq    = 100;
  StepMaxFreq    = 3000;
  StepType       = UserPort;
  MatrixRow      = PortL, 2;       {use PortL, start with bit2}
  MatrixCol      = PinJ, 4;        {use PinJ, start with bit4}
  MatrixType     = 2, 4;           {2 Rows at PortL, 4 Columns at PinJ}

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

UserDevice StepperIOS(CW : boolean);
begin
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end StepKeys.

