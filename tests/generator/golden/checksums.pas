program Checked;

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

Import SysTick, FlashWrite;

From System Import FlashCheck_S, FlashCheck_B;


Define
  ProcClock      = 16000000;       {Hertz}
  SysTick        = 10;             {msec}
  StackSize      = $0032, iData;
  FrameSize      = $0032, iData;
  FlashChksum    = ProgEnd;        {or absolute address}

Implementation

{$IDATA}

{--------------------------------------------------------------}
{ Type Declarations }

type


{--------------------------------------------------------------}
{ Const Declarations }
const
  _BootCheckF[@$37FC]  : word    = $AA55;

{--------------------------------------------------------------}
{ Var Declarations }
{$IDATA}


{--------------------------------------------------------------}
{ functions }

{$PHASE BootBlock $1C00}
procedure BootTest;               // this is the first code building
begin                             // part of the boot block
                                  // this is the absolute reset entry
  if not CalcFlashCheck_B then  // get BootBlock Checksum
    // failed
  endif;
  ASM;
   ; check Flash validity         // replace "%" by real name
    LDI       _ACCCLO, %._BOOTCHECKF AND 0FFh
    LDI       _ACCCHI, %._BOOTCHECKF SHRB 8
    LPM       _ACCA, Z+
    CPI       _ACCA, 055h
    BRNE      BootTestX
    LPM       _ACCA, Z+
    CPI       _ACCA, 0AAh
    BRNE      BootTestX
   ;  // normal program start
    JMP       0000h;
    BootTestX:
   ; // check failed, try to download
  ENDASM;

  FlashDownLoader;
end;

procedure FlashLoaderInit;
begin
  ASM;
   ; > > SERPORT Init < <
   ; > > Baudrate 9600Baud < <
    LDI       _ACCA, 018h                   ; Rx and Tx enanable, polling
    STS       ucsr0b, _ACCA                 ;
    LDI       _ACCA, 067h                   ; Baud
    STS       UBRR0L, _ACCA                 ;
  ENDASM;
end;

procedure FlashLoaderRecv;
begin
  ASM;
FLASHLDRRX:
    LDS       _ACCA, ucsr0a                  ; Receiver ready?
    SBRS      _ACCA, 7                       ; Receiver ready?
    RJMP      FLASHLDRRX                     ; if not
    LDS       _ACCA, udr0
  ENDASM;
end;

procedure FlashLoaderTransm;
begin
  ASM;
FLASHLDRTX:
    LDS       _ACCB, ucsr0a                 ; Transmitter ready?
    SBRS      _ACCB, 5                      ; Transmitter ready?
    RJMP      FLASHLDRTX                    ; if not
    STS       udr0, _ACCA
  ENDASM;
end;

{ optional
procedure FlashLoaderExit;
begin
  ASM: JMP    0000h;
end;
}
{$DEPHASE BootBlock}



{--------------------------------------------------------------}
{ Main Program }
{$IDATA}

begin


  EnableInts;
  loop


  endloop;
end Checked.

