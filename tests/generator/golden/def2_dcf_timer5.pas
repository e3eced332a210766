program DcfClock;

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

Import SysTick, RTclock, DCFclock, TickTimer;

From System Import LongWord;

From RTclock Import RTCtimer;


Define
  XData          = $0E000, $0FFFF;
  XDataWaits     = 1;
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  TickTimer      = Timer5;
  RTClock        = xData, Time;    {Time, DateTime}
  DCFclock       = xData;
  DCFport        = PinE, 4, negative; {Port, Pin#, Polarity}

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

Interrupt TIMER5COMPA;           // TickTimer
begin
end;

procedure RTCtimer;           // CallBack from RTCtimer
begin
end;

procedure RTCtickSecond;      // CallBack from RTCclock
begin
end;

procedure RTCtickMinute;      // CallBack from RTCclock
begin
end;

procedure RTCtickHour;        // CallBack from RTCclock
begin
end;



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end DcfClock.

