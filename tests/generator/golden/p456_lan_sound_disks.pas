program SoftThree;

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

Import LANport, BeepPort, FileSystem, LCDGraphic;

From System Import LongWord;

From LCDGraphic Import CharSet;    {block CharSet, pixels}

Define
  ProcClock      = 16000000;       {Hertz}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  FileBuffer     = iData;
  FileHandles    = 0, iData;
  Disk_A         = 64;            {kBytes}
// SecTrk_A      = ???;                {sectors/track option}
// TRKOFFS_A     = ???;                {system tracks option}
  Disk_B         = 32;            {kBytes}
// SecTrk_B      = ???;                {sectors/track option}
// TRKOFFS_B     = ???;                {system tracks option}
  Disk_C         = 16;            {kBytes}
// SecTrk_C      = ???;                {sectors/track option}
// TRKOFFS_C     = ???;                {system tracks option}
  Disk_D         = 8;            {kBytes}
// SecTrk_D      = ???;                {sectors/track option}
// TRKOFFS_D     = ???;                {system tracks option}
  LCDGraphic     = 128, 128, 8;     {x-pix, y-pix, accesswidth}
  GViewports     = 1, iData;        {logical ViewPorts, scalings}
  DefCharSet     = 'Graphchars.pchr';{FileName}
  TGraphStr      = 16;              {Graphic Text String Length}
  BeepPort       = PortE, 4;
  LANport        = SerPort2;
  LANctrl        = PortC, 5;
  LANbaud        = 9600;
  LANmode        = Slave;
  LANadr         = 1 byte adr, Mask;        {8/16 BIT}
  LANframe       = 0, iData;       {Frame size in bytes}
  LANcheck       = ChkSum8;       {ChkSum8, ChkSum16, CRC16}

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
end SoftThree.

