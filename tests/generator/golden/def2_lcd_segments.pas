program Displays;

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

Import SysTick, LCDport, Disp7sPort;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  LCDport        = PortK;
  LCDtype        = 0073;
  LCDrows        = 1;              {rows}
  LCDcolumns     = 24;             {columns per line}
  Disp7sPort     = PortB, Mux, 1;  {multiplexed, Portbit}
  DispMode       = ShiftRight;
  DispDigits  = 8, iData;

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
end Displays.

