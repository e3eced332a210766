program Blinker;

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

Import SysTick, PWMport1A, PWMport1B, PWMport3C, SwitchPort1, SwitchPort2, UserPort, FileSystem, LCDGraphic, BankPort, SysLEDblink;

From System Import LongWord;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  SysLedBlink    = 50;              {SysTicks}
  SysLedBlink0   = PortB, 3, low;
  SysLedBlink5   = PortD, 7, high;
  PWMres1        = 9;              {bits}
  PWMpresc1      = 3;
  PWMmode1       = fast, negative;
  PWMres3        = 12;              {bits}
  PWMpresc3      = 4;
  SwitchPort1    = PinD, $F0
  PolarityP1     = $0F;            // polarity
  SwitchPort2    = PinE, $00
  PolarityP2     = $00;            // polarity
  UserPort       = $1000;          {Data Bytes}
  BankPort       = 4;              {Bank Ports}
  FileBuffer     = iData;
  FileHandles    = 4, iData;
  Disk_A         = 64, ReadOnly;            {kBytes}
// SecTrk_A      = ???;                {sectors/track option}
// TRKOFFS_A     = ???;                {system tracks option}
  Disk_B         = 32;            {kBytes}
// SecTrk_B      = ???;                {sectors/track option}
// TRKOFFS_B     = ???;                {system tracks option}
  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}
  GViewports     = 2, iData;        {logical ViewPorts, scalings}

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

{$D- debugging off}
  (* commands passed to user defined function "FileIOS" *)
  (*  0  driver init    drive = none      arg1 = none   arg2 = none   result = none   *)
  (*  1  set drive#     drive = drive#    arg1 = none   arg2 = none   result = bool   *)
  (*  2  set track#     drive = drive#    arg1 = track  arg2 = none   result = bool   *)
  (*  3  set sector#    drive = drive#    arg1 = sector arg2 = none   result = bool   *)
  (*  4  read sector    drive = drive#    arg1 = dest   arg2 = source result = bool   *)
  (*  5  write sector   drive = drive#    arg1 = source arg2 = dest   result = bool   *)
  (*  6  flush buffer   drive = drive#    arg1 = none   arg2 = none   result = none   *)
  (*  please note: both read and write operations transfer always an 128 byte block   *)

UserDevice FileIOS(cmd, drive : byte; arg1 : word; arg2 : longword) : boolean; // File System BIOS
var result : boolean;
begin
  case cmd of
    0 : result:= true; |              // Init Disk Subsystem
    1..3 : |                          // normally not used, return a true
    4    : |
    5    : |
    6    : |
  endcase;
  return(result);
end;
{$D+ debugging on}

UserDevice GraphIOS(cmd : byte; adr : word; mask, pixel : byte) : byte;
begin
  (* commands passed to user defined function "GraphIOS" *)
  (*  0  display init   adr = none      mask = none   pixel = none   result = none   *)
  (*  1  display clear  adr = fillpatt  mask = none   pixel = none   result = bool   *)
  (*  2  write byte     adr = byte adr  mask = byte   pixel = mode   result = none   *)
  (*  3  read byte      adr = byte adr  mask = none   pixel = none   result = byte   *)
  (*  4  set pixel      adr = byte adr  mask = mask   pixel = pixel  result = none   *)
  (*  5  clear pixel    adr = byte adr  mask = mask   pixel = pixel  result = none   *)
  (*  6  xor pixel      adr = byte adr  mask = mask   pixel = pixel  result = none   *)

  case cmd of
    0  : cmd:= 0; |                    // display init
    1  : cmd:= 0; |                    // display clear
    2  : cmd:= 0; |                    // write byte
    3  : cmd:= 0; |                    // read byte
    4  : cmd:= 0; |                    // set pixel
    5  : cmd:= 0; |                    // clear pixel
    6  : cmd:= 0; |                    // xor pixel
  endcase;
  return(cmd);
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end Blinker.

