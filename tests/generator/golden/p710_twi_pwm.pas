program SlavePWM;

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

Import SysTick, RC5Rxport, TWIslave, SoftPWM;

From System Import ;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0032, iData;
  FrameSize      = $0032, iData;
  RC5Rxport      = PinD, 2, negative; {Port, Pin#, polarity}
  RC5mode        = rc_6bit;        {command bit count}
  TWImode        = HandShake;    {HandShake or Transparen}
  TWIbuffer      = 16, iData;       {buffer/packet size}
  TWIaddr        = 02;             {default slave address}
  SoftPWMport    = PortB;          {use PortB for PWM output}
  SoftPWMtimer   = Timer1, 10;     {use timerx, PWM cycle time msec}
  SoftPWMres     = 16;            {PWM resolution is 16 points}
  SoftPWMchans   = 4, 0;           {x channels, bity is the first bit}

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
end SlavePWM.

