#include "generator/BuildInput.h"
#include "generator/DefineText.h"
#include "generator/Sections.h"

#include <initializer_list>
#include <string>

namespace pramlet {

namespace {

using Lines = std::initializer_list<const char*>;

void append(Listing& out, Lines lines) {
    for (const char* line : lines)
        out.push_back(line);
}

struct PinChange {
    OptName used;
    const char* first;
    const char* second;
};
const PinChange kPinChange[4] = {
    {"PCINTchk0", "Interrupt PCint00;", "Interrupt PCint01;"},
    {"PCINTchk1", "Interrupt PCint08;", "Interrupt PCint09;"},
    {"PCINTchk2", "Interrupt PCint16;", "Interrupt PCint17;"},
    {"PCINTchk3", "Interrupt PCint24;", "Interrupt PCint25;"},
};

void interruptHandler(Listing& out, const char* head) {
    out.push_back(head);
    append(out, {"begin", "  // ...", "end;", ""});
}

void pinChangeInterrupts(const Options& o, Listing& out) {
    if (!o.checked("PCINTtemplChk")) return;
    for (const PinChange& pc : kPinChange) {
        if (!o.checked(pc.used)) continue;
        interruptHandler(out, pc.first);
        interruptHandler(out, pc.second);
    }
}

// clang-format off
const Lines kUserDevice = {
    "(* for a UserDevice import the following 3 function must be implemented *)",
    "UserDevice UsrDevIni;          // User Device init",
    "begin",
    "  (* is called at System Init Time *)",
    "  (* initialize Device Hardware *)",
    "",
    "end;",
    "",
    "UserDevice UsrDevInp(adr : word) : byte;",
    "begin",
    "  ...",
    "  return(xxx);",
    "end;",
    "",
    "UserDevice UsrDevOut(adr : word; outp : byte);",
    "begin",
    "  ...",
    "end;",
    "",
};

const Lines kBankDevice = {
    "(* for a BankDevice import the following 3 function must be implemented *)",
    "UserDevice BankDevIni;          // Bank Device init",
    "begin",
    "  (* is called at System Init Time *)",
    "  (* initialize Device Hardware *)",
    "",
    "end;",
    "",
    "UserDevice BankDevInp(bank : byte; adr : word) : byte;",
    "begin",
    "  ...",
    "  return(xxx);",
    "end;",
    "",
    "UserDevice BankDevOut(bank : byte; adr : word; arg : byte);",
    "begin",
    "  ...",
    "end;",
    "",
};

const Lines kDiskBackEnd = {
    "{$D- debugging off}",
    "  (* commands passed to user defined function \"FileIOS\" *)",
    "  (*  0  driver init    drive = none      arg1 = none   arg2 = none   result = none   *)",
    "  (*  1  set drive#     drive = drive#    arg1 = none   arg2 = none   result = bool   *)",
    "  (*  2  set track#     drive = drive#    arg1 = track  arg2 = none   result = bool   *)",
    "  (*  3  set sector#    drive = drive#    arg1 = sector arg2 = none   result = bool   *)",
    "  (*  4  read sector    drive = drive#    arg1 = dest   arg2 = source result = bool   *)",
    "  (*  5  write sector   drive = drive#    arg1 = source arg2 = dest   result = bool   *)",
    "  (*  6  flush buffer   drive = drive#    arg1 = none   arg2 = none   result = none   *)",
    "  (*  please note: both read and write operations transfer always an 128 byte block   *)",
    "",
    "UserDevice FileIOS(cmd, drive : byte; arg1 : word; arg2 : longword) : boolean; // File System BIOS",
    "var result : boolean;",
    "begin",
    "  case cmd of",
    "    0 : result:= true; |              // Init Disk Subsystem",
    "    1..3 : |                          // normally not used, return a true",
    "    4    : |",
    "    5    : |",
    "    6    : |",
    "  endcase;",
    "  return(result);",
    "end;",
    "{$D+ debugging on}",
    "",
};

const Lines kStepperBackEnd = {
    "UserDevice StepperIOS(CW : boolean);",
    "begin",
    "end;",
    "",
};

const Lines kNetworkBackEnd = {
    "UserDevice wzNet_IOS(doRead : boolean; wzAddr : word; ptr : pointer; cnt : word) : boolean;",
    "begin",
    "  return(true);",
    "end;",
    "",
};

const Lines kFat16BackEnd = {
    "UserDevice FAT16_IOS(F16cmd : tF16cmd; buffer : pointer; BlockAddr : longword) : boolean;",
    "begin",
    "  case F16cmd of",
    "    cmdInitF16   : // initialize hardware",
    "                   // buffer and blockaddr are dont care",
    "                 |",
    "    cmdCheckF16  : // check for an existing media/disk",
    "                   // buffer and blockaddr are dont care",
    "                 |",
    "    cmdReadF16   : // read a 512byte block",
    "                 |",
    "    cmdWriteF16  : // write a 512byte block",
    "                 |",
    "  endcase;",
    "  return(true);",
    "end;",
    "",
};

// The display is refreshed row by row.
const Lines kGraphicRows = {
    "UserDevice GraphIOS(cmd : byte; arg : byte);",
    "begin",
    "  (* Display Refresh with \"GraphIOS\" *)",
    "  (* cmd = 0   arg = rowaddr    set rowaddr to arg *)",
    "  (* cmd = 1   arg = pixels     write data byte    *)",
    "  if cmd = 0 then",
    "    // set row addr",
    "  else",
    "    // write byte",
    "  endif",
    "end;",
    "",
};

// The back end gets the pixel commands.
const Lines kGraphicPixels = {
    "UserDevice GraphIOS(cmd : byte; adr : word; mask, pixel : byte) : byte;",
    "begin",
    "  (* commands passed to user defined function \"GraphIOS\" *)",
    "  (*  0  display init   adr = none      mask = none   pixel = none   result = none   *)",
    "  (*  1  display clear  adr = fillpatt  mask = none   pixel = none   result = bool   *)",
    "  (*  2  write byte     adr = byte adr  mask = byte   pixel = mode   result = none   *)",
    "  (*  3  read byte      adr = byte adr  mask = none   pixel = none   result = byte   *)",
    "  (*  4  set pixel      adr = byte adr  mask = mask   pixel = pixel  result = none   *)",
    "  (*  5  clear pixel    adr = byte adr  mask = mask   pixel = pixel  result = none   *)",
    "  (*  6  xor pixel      adr = byte adr  mask = mask   pixel = pixel  result = none   *)",
    "",
    "  case cmd of",
    "    0  : cmd:= 0; |                    // display init",
    "    1  : cmd:= 0; |                    // display clear",
    "    2  : cmd:= 0; |                    // write byte",
    "    3  : cmd:= 0; |                    // read byte",
    "    4  : cmd:= 0; |                    // set pixel",
    "    5  : cmd:= 0; |                    // clear pixel",
    "    6  : cmd:= 0; |                    // xor pixel",
    "  endcase;",
    "  return(cmd);",
    "end;",
    "",
};

const Lines kRTCtimer = {
    "procedure RTCtimer;           // CallBack from RTCtimer",
    "begin",
    "end;",
    "",
};

const Lines kRTCalarm = {
    "procedure RTCalarm;           // CallBack from RTCalarm",
    "begin",
    "end;",
    "",
};

const Lines kRTCclock = {
    "procedure RTCtickSecond;      // CallBack from RTCclock",
    "begin",
    "end;",
    "",
    "procedure RTCtickMinute;      // CallBack from RTCclock",
    "begin",
    "end;",
    "",
    "procedure RTCtickHour;        // CallBack from RTCclock",
    "begin",
    "end;",
    "",
};
// clang-format on

// The handler is named after the timer the tick timer runs on.
void tickTimerInterrupt(const Options& o, Listing& out) {
    if (!(o.checked("TickTimerChk") && o.checked("TickTimerIntChk"))) return;
    if (!o.checked("TickTimerSavChk")) out.push_back("{$NOSAVE}");
    const std::string timer = tickTimerName(o); // "Timer1" ..
    out.push_back("Interrupt TIMER" + timer.substr(5) + "COMPA;           // TickTimer");
    append(out, {"begin", "end;", ""});
}

} // namespace

void WriteSkeletons(const BuildInput& p, Listing& out) {
    const Options& o = p.opts();
    pinChangeInterrupts(o, out);
    if (o.value("UsrDatDevSpin") != 0) append(out, kUserDevice);
    if (o.value("BankPortSpin") != 0) append(out, kBankDevice);
    if (o.value("DiskASpin") != 0) append(out, kDiskBackEnd);
    if (p.derived().StepPort == UserPort) append(out, kStepperBackEnd);
    if (o.checked("TCP_IPchk") && o.checked("TCP_UserChk")) append(out, kNetworkBackEnd);
    if (o.checked("FAT16chk") && o.checked("F16usrChk")) append(out, kFat16BackEnd);
    if (o.checked("LCDgraphChk"))
        append(out, o.checked("LCDgraphModeChk") ? kGraphicRows : kGraphicPixels);
    tickTimerInterrupt(o, out);
    if (o.value("RTCtimerSpin") > 0) append(out, kRTCtimer);
    if (o.checked("RTCalarmChk")) append(out, kRTCalarm);
    if (o.checked("RTCtimeBtn") || o.checked("RTCdateTimeBtn")) append(out, kRTCclock);
}

} // namespace pramlet
