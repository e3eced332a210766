program SoftTwo;

{$NOSHADOW}
{ $WG}                     {global Warnings off}

Device = mega16g, VCC=5.0;
{ $BOOTRST $01C00}         {Reset Jump to $01C00}

Define_Fuses
//  Override_Fuses;
  NoteBook   = A;
  Supply     = 5.0, 100;
  LockBits0 = [];
  FuseBits0  = [CKSEL1, CKSEL2, CKSEL3, SUT0];
  FuseBits1  = [BOOTSZ0, BOOTSZ1, SPIEN];
  FuseBits2  = [M103C];

Import SysTick, Disp14sPort, StepPort, KeyPort8, UserPort, BankPort;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0032, iData;
  FrameSize      = $0032, iData;
  UserPort       = $0800;          {Data Bytes}
  BankPort       = 2;              {Bank Ports}
  Disp14sPort    = PortB, 2; {Port, Portbit}
  Disp14Mode     = Wrap;
  Disp14Digits   = 4, iData;
  StepPort    = PortD;
  StepMinFreq    = 100;
  StepMaxFreq    = 8000;
  StepType       = StepH4;
  KeyB8Row       = PortC, 2;       {use PortC, start with bit2}
  KeyB8Col       = PinA;           {use PinA}
  KeyB8Type      = 4;              {4 Rows at PortC,  8 Columns at PinA}

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

(* for a UserDevice import the following 3 function must be implemented *)
UserDevice UsrDevIni;          // User Device init
begin
  (* is called at System Init Time *)
  (* initialize Device Hardware *)

end;

UserDevice UsrDevInp(adr : word) : byte;
begin
  ...
  return(xxx);
end;

UserDevice UsrDevOut(adr : word; outp : byte);
begin
  ...
end;

(* for a BankDevice import the following 3 function must be implemented *)
UserDevice BankDevIni;          // Bank Device init
begin
  (* is called at System Init Time *)
  (* initialize Device Hardware *)

end;

UserDevice BankDevInp(bank : byte; adr : word) : byte;
begin
  ...
  return(xxx);
end;

UserDevice BankDevOut(bank : byte; adr : word; arg : byte);
begin
  ...
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end SoftTwo.

