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
  LCDGraphic     = 240, 64, 8;     {x-pix, y-pix, accesswidth}
  GViewports     = 1, iData;        {logical ViewPorts, scalings}
  DefCharSet     = 'Graphchars.pchr';{FileName}
  TGraphStr      = 16;              {Graphic Text String Length}

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
end SoftThree.

