program Clocks;

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

Import SysTick, RTclock, DCFclock, SPIdriver, SPIdriver1, TickTimer, RC5Txport;

From System Import LongWord;

From RTclock Import RTCalarm, RTCtimer;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0064, iData;
  FrameSize      = $0064, iData;
  RC5Txport      = negative;       {pulse polarity}
  RC5mode        = rc_6bit;        {command bit count}
  SPIpresc       = 0;
  SPIOrder       = MSB;
  SPICPOL        = 0;
  SPICPHA        = 0;
  SPI_SS         = true;
  SPIdriver1     = PortC, 4, 5, 6, 7;  // SCK, MOSI, MISO, SS
  SPIorder1      = LSB;
  SPIcPHA1       = 0;
  SPIcPol1       = 0;
  TickTimer      = Timer3;
  RTClock        = iData, DateTime;{Time, DateTime}
  RTCtimer       = 2;              {channels}
  RTCsource      = SysTick;
  DCFclock       = iData;
  DCFport        = PinD, 5, positive; {Port, Pin#, Polarity}

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

{$NOSAVE}
Interrupt TIMER3COMPA;           // TickTimer
begin
end;

procedure RTCtimer;           // CallBack from RTCtimer
begin
end;

procedure RTCalarm;           // CallBack from RTCalarm
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
end Clocks.

