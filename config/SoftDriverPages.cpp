#include "config/SoftDriverPages.h"

#include "config/PortLists.h"
#include "config/Project.h"

#include <array>

namespace pramlet {

namespace {

// The members of a port group for the letters A .. L (no I), by port ordinal - 1.
using Letters = std::array<OptName, kPortCount>;

const Letters kSwitch1 = {"SwitchP1Achk", "SwitchP1Bchk", "SwitchP1Cchk", "SwitchP1Dchk",
                          "SwitchP1Echk", "SwitchP1Fchk", "SwitchP1Gchk", "SwitchP1Hchk",
                          "SwitchP1Jchk", "SwitchP1Kchk", "SwitchP1Lchk"};
const Letters kSwitch2 = {"SwitchP2Achk", "SwitchP2Bchk", "SwitchP2Cchk", "SwitchP2Dchk",
                          "SwitchP2Echk", "SwitchP2Fchk", "SwitchP2Gchk", "SwitchP2Hchk",
                          "SwitchP2Jchk", "SwitchP2Kchk", "SwitchP2Lchk"};
const Letters kLCD = {"LCDaChk", "LCDbChk", "LCDcChk", "LCDdChk", "LCDeChk", "LCDfChk",
                      "LCDgChk", "LCDhChk", "LCDjChk", "LCDkChk", "LCDlChk"};
const Letters kI2C = {"I2CaChk", "I2CbChk", "I2CcChk", "I2CdChk", "I2CeChk", "I2CfChk",
                      "I2CgChk", "I2ChChk", "I2CjChk", "I2CkChk", "I2ClChk"};
const Letters kDisp7 = {"Disp7aChk", "Disp7bChk", "Disp7cChk", "Disp7dChk",
                        "Disp7eChk", "Disp7fChk", "Disp7gChk", "Disp7hChk",
                        "Disp7jChk", "Disp7kChk", "Disp7lChk"};
const Letters kStepper = {"StepperAchk", "StepperBchk", "StepperCchk", "StepperDchk",
                          "StepperEchk", "StepperFchk", "StepperGchk", "StepperHchk",
                          "StepperJchk", "StepperKchk", "StepperLchk"};
const Letters kKeybRow = {"KeybRAchk", "KeybRBchk", "KeybRCchk", "KeybRDchk",
                          "KeybREchk", "KeybRFchk", "KeybRGchk", "KeybRHchk",
                          "KeybRJchk", "KeybRKchk", "KeybRLchk"};
const Letters kKeybCol = {"KeybCAchk", "KeybCBchk", "KeybCCchk", "KeybCDchk",
                          "KeybCEchk", "KeybCFchk", "KeybCGchk", "KeybCHchk",
                          "KeybCJchk", "KeybCKchk", "KeybCLchk"};

enum class Register { Ports, Pins, DDRs };

// Whether a driver may use port `ordinal` through that register: the controller has it,
// and ports A and C are not the memory bus of external RAM.
bool offered(const Project& p, int ordinal, Register reg) {
    const tCpuDesc& cpu = p.cpu();
    if ((ordinal == PortA || ordinal == PortC) && p.derived().ExternRam > 0) return false;
    switch (reg) {
    case Register::Ports: return cpu.Ports.has(static_cast<tPortsT>(ordinal));
    case Register::Pins: return cpu.Pins.has(static_cast<tPinsT>(ordinal));
    case Register::DDRs: return cpu.DDRs.has(static_cast<tDDRsT>(ordinal));
    }
    return false;
}

// Enables each letter member the controller offers; a chosen member that is not offered
// gives way to the group's "none".
void offerLetters(Project& p, const Letters& members, OptName none, Register reg) {
    Options& o = p.opts();
    for (int n = 1; n <= kPortCount; ++n) {
        const OptName m = members[n - 1];
        const bool on = offered(p, n, reg);
        o.setEnabled(m, on);
        if (!on && o.checked(m)) p.ruleChoose(none);
    }
}

void disableLetters(Options& o, const Letters& members) {
    for (OptName m : members)
        o.setEnabled(m, false);
}

// Ordinal 1..11 of the chosen letter member, 0 when none of them is chosen.
int chosenLetter(const Options& o, const Letters& members) {
    for (int n = 1; n <= kPortCount; ++n)
        if (o.checked(members[n - 1])) return n;
    return 0;
}

void enableAll(Options& o, OptNames names, bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

// An xData member is offered only with external RAM; without it the iData member is chosen.
void xDataMember(Project& p, OptName iData, OptName xData, bool on) {
    const bool ram = p.derived().ExternRam > 0;
    p.opts().setEnabled(xData, on && ram);
    if (on && !ram && p.opts().checked(xData)) p.ruleChoose(iData);
}

// Page 4.

void switchPorts(Project& p) {
    Options& o = p.opts();
    if (p.derived().SysTick > 0) {
        offerLetters(p, kSwitch1, "SwitchP1noneChk", Register::Pins);
        offerLetters(p, kSwitch2, "SwitchP2noneChk", Register::Pins);
        const bool first = !o.checked("SwitchP1noneChk");
        const bool second = !o.checked("SwitchP2noneChk");
        enableAll(o, {"SwPort1MaskFld", "SwPort1PolFld"}, first);
        enableAll(o, {"SwPort2MaskFld", "SwPort2PolFld"}, second);
    } else {
        // The switches are debounced by the system tick.
        p.ruleChoose("SwitchP1noneChk");
        p.ruleChoose("SwitchP2noneChk");
        disableLetters(o, kSwitch1);
        disableLetters(o, kSwitch2);
        enableAll(o, {"SwPort1MaskFld", "SwPort1PolFld", "SwPort2MaskFld", "SwPort2PolFld"}, false);
    }
}

void lcdPort(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    const bool used = !o.checked("LCDnoneChk");
    enableAll(o,
              {"LCDrowSel", "LCDcolSel", "LCD44780", "LCD66712", "LCD0070", "LCD0073", "LCD2Ena"},
              used);
    if (used) {
        int rows = 0;
        if (parseDecimal(trimmed(o.text("LCDrowSel")), rows)) d.LCDrows = rows;
        d.LCDcols = o.value("LCDcolSel");
    } else {
        d.LCDrows = 0;
        d.LCDcols = 16;
    }
}

void i2cPort(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    d.I2Cport = static_cast<tPortsT>(chosenLetter(o, kI2C));
    if (o.checked("I2CnoneChk")) {
        enableAll(o, {"I2CdatSel", "I2CclkSel"}, false);
        d.I2Cdata = -1;
        d.I2Cclock = -1;
    } else {
        enableAll(o, {"I2CdatSel", "I2CclkSel"}, true);
        d.I2Cdata = o.value("I2CdatSel");
        d.I2Cclock = o.value("I2CclkSel");
    }
}

void encoder(Project& p) {
    Options& o = p.opts();
    o.refill("IncPortSpin", portListItems(p.cpu(), PortList::Pins, p.derived().ExternRam));
    const bool counting = o.itemIndex("IncCountSpin") > 0;
    enableAll(o, {"IncPortSpin", "CheckListBoxincrEncBits"}, counting);
    // The phase members only show what the checked pins make of the encoder.
    enableAll(o, {"Incr2chanChk", "Incr3chanChk"}, false);
}

// Page 5.

void displayPort(Project& p) {
    Options& o = p.opts();
    if (p.derived().SysTick > 0) {
        offerLetters(p, kDisp7, "Disp7noneChk", Register::Ports);
    } else {
        // The display is multiplexed by the system tick.
        p.ruleChoose("Disp7noneChk");
        disableLetters(o, kDisp7);
    }
    p.derived().Disp7sPort = static_cast<tPortsT>(chosenLetter(o, kDisp7));
}

void displayOptions(Project& p) {
    Options& o = p.opts();
    if (o.checked("Disp7noneChk")) {
        enableAll(o,
                  {"Disp7iDatChk", "Disp7xDatChk", "Disp7SizeSpin", "MuxD7Chk", "NonMuxD7Chk",
                   "WrapD7Chk", "ShiftRD7Chk", "ShiftLD7Chk", "DspBlankChk", "Disp7StartSpin"},
                  false);
        o.setValue("Disp7StartSpin", 0);
    } else {
        enableAll(o,
                  {"Disp7StartSpin", "Disp7SizeSpin", "Disp7iDatChk", "WrapD7Chk", "ShiftRD7Chk",
                   "ShiftLD7Chk", "DspBlankChk"},
                  true);
        // Displays of more than 16 digits are always multiplexed.
        enableAll(o, {"MuxD7Chk", "NonMuxD7Chk"}, o.value("Disp7SizeSpin") <= 16);
        if (p.derived().ExternRam > 0) {
            o.setEnabled("Disp7xDatChk", true);
        } else {
            p.ruleChoose("Disp7iDatChk");
            o.setEnabled("Disp7xDatChk", false);
        }
    }
    // The digit lines follow the first port bit: the multiplexer and the blank pin each take
    // one more bit of the port.
    const bool mux = o.checked("MuxD7Chk");
    const bool blank = o.checked("DspBlankChk");
    const int highest = mux && blank ? 3 : mux || blank ? 4 : 5;
    o.setBounds("Disp7StartSpin", 0, highest);
    if (o.value("Disp7StartSpin") > highest) o.setValue("Disp7StartSpin", highest);
}

void stepper(Project& p) {
    Options& o = p.opts();
    offerLetters(p, kStepper, "StepperNoneChk", Register::Ports);
    const bool used = !o.checked("StepperNoneChk");
    const bool user = o.checked("StepperUSRchk");
    o.setEnabled("StepMaxSpin", used);
    o.setEnabled("StepTypeSpin", used && !user); // the user's back end makes the steps
    p.derived().StepPort = user ? UserPort : static_cast<tPortsT>(chosenLetter(o, kStepper));
}

// A keyboard port group: members on offer while a keyboard is imported; the others are
// disabled and unchecked, so the group may end with no member chosen.
int keyboardPort(Project& p, const Letters& members, Register reg, bool keyboard) {
    Options& o = p.opts();
    int chosen = 0;
    for (int n = 1; n <= kPortCount; ++n) {
        const OptName m = members[n - 1];
        const bool on = keyboard && offered(p, n, reg);
        o.setEnabled(m, on);
        if (on) {
            if (o.checked(m)) chosen = n;
        } else {
            p.ruleCheck(m, false);
        }
    }
    return chosen;
}

void keyboard(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    if (d.SysTick != 0) {
        enableAll(o, {"KeyBoard4Chk", "KeyBoard8Chk"}, true);
    } else {
        p.ruleCheck("KeyBoard4Chk", false);
        p.ruleCheck("KeyBoard8Chk", false);
        enableAll(o, {"KeyBoard4Chk", "KeyBoard8Chk"}, false);
    }
    const bool four = o.checked("KeyBoard4Chk");
    const bool eight = o.checked("KeyBoard8Chk");
    d.KeyBRport = PortNone;
    d.KeyBCport = PinNone;
    const int row = keyboardPort(p, kKeybRow, Register::Ports, four || eight);
    const int col = keyboardPort(p, kKeybCol, Register::Pins, four || eight);
    d.KeyBRport = static_cast<tPortsT>(row);
    d.KeyBCport = static_cast<tPinsT>(col);

    const OptNames sizes = {"KbRowFirstSpin", "KbColFirstSpin", "KbRowCountSpin", "KbColCountSpin"};
    if (four) {
        enableAll(o, sizes, true);
        for (OptName n : sizes)
            o.setVisible(n, true);
        o.setMax("KbRowCountSpin", 2);
    } else if (eight) {
        // Eight columns are fixed: only the rows are chosen.
        enableAll(o, {"KbColCountSpin", "KbColFirstSpin"}, false);
        o.setVisible("KbColCountSpin", false);
        o.setVisible("KbColFirstSpin", false);
        enableAll(o, {"KbRowFirstSpin", "KbRowCountSpin"}, true);
        o.setMax("KbRowCountSpin", 6);
    } else {
        enableAll(o, sizes, false);
        for (OptName n : sizes)
            o.setVisible(n, true);
        o.setMax("KbRowCountSpin", 2);
    }
}

// Page 6.

void fileSystem(Project& p) {
    Options& o = p.opts();
    if (o.value("DiskASpin") != 0) {
        o.setEnabled("FHandlesSpin", true);
        // The file buffers go to external RAM only where the project has it.
        o.setEnabled("FileiDatChk", true);
        if (p.derived().ExternRam <= 0) {
            p.ruleChoose("FileiDatChk");
            o.setEnabled("FilexDatChk", false);
        } else {
            o.setEnabled("FilexDatChk", true);
        }
        enableAll(o, {"DiskBSpin", "DiskBROChk"}, true);
        if (o.value("DiskBSpin") != 0) {
            enableAll(o, {"DiskCSpin", "DiskCROChk"}, true);
            if (o.value("DiskCSpin") != 0) {
                enableAll(o, {"DiskDSpin", "DiskDROChk"}, true);
            } else {
                o.setValue("DiskDSpin", 0);
                enableAll(o, {"DiskDSpin", "DiskDROChk"}, false);
            }
        } else {
            o.setValue("DiskCSpin", 0);
            o.setValue("DiskDSpin", 0);
            enableAll(o, {"DiskCSpin", "DiskDSpin", "DiskCROChk", "DiskDROChk"}, false);
        }
    } else {
        for (OptName disk : OptNames{"DiskBSpin", "DiskCSpin", "DiskDSpin"})
            o.setValue(disk, 0);
        enableAll(o,
                  {"DiskBSpin", "DiskCSpin", "DiskDSpin", "DiskBROChk", "DiskCROChk", "DiskDROChk",
                   "FileiDatChk", "FilexDatChk", "FHandlesSpin"},
                  false);
    }
}

void lan(Project& p) {
    Options& o = p.opts();
    const int xram = p.derived().ExternRam;
    o.refill("LanSciSpin", portListItems(p.cpu(), PortList::SerialPorts, xram, "None"));
    const bool on = o.itemIndex("LanSciSpin") != 0;
    enableAll(o,
              {"LANFrameSpin", "LANAddrSpin", "LANCheckSpin", "LANbaudSpin", "LANiDatChk",
               "LANbitSpin", "LanModeChk", "ComboBoxLANPort"},
              on);
    xDataMember(p, "LANiDatChk", "LANxDatChk", on);
    if (on) o.refill("ComboBoxLANPort", portListItems(p.cpu(), PortList::Ports, xram));
    // Only a slave answers to a masked address.
    o.setEnabled("LANmaskChk", on && o.text("LanModeChk") == "Slave");
}

void sound(Project& p) {
    Options& o = p.opts();
    o.refill("ComboBoxSound",
             portListItems(p.cpu(), PortList::Ports, p.derived().ExternRam, "none"));
    o.setEnabled("SoundBitSpin", o.itemIndex("ComboBoxSound") != 0);
}

// The graphics buffer: like every xData member, offered only with external RAM.
void graphicsMemory(Project& p) {
    xDataMember(p, "LCDGraphiDatChk", "LCDGraphxDatChk", p.opts().checked("LCDgraphChk"));
}

// The size of the graphic display as typed: 0 when the text is no number.
int graphSize(const std::string& text) {
    int v = 0;
    return parseDecimal(trimmed(text), v) ? v : 0;
}

void graphSizeCheck(Project& p, OptName edit, const char* message) {
    const int size = graphSize(p.opts().text(edit));
    if (size < 16 || size > 640) p.dialogs().message(MsgKind::Error, message, MsgButton::Ok);
}

} // namespace

void Page4Rules(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    p.setTitle(4);
    switchPorts(p);
    offerLetters(p, kLCD, "LCDnoneChk", Register::DDRs);
    offerLetters(p, kI2C, "I2CnoneChk", Register::DDRs);
    d.SwitchPort1 = static_cast<tPinsT>(chosenLetter(o, kSwitch1));
    d.SwitchPort2 = static_cast<tPinsT>(chosenLetter(o, kSwitch2));
    d.LCDport = static_cast<tPortsT>(chosenLetter(o, kLCD));
    lcdPort(p);
    i2cPort(p);
    encoder(p);
}

void Page5Rules(Project& p) {
    p.setTitle(5);
    displayPort(p);
    displayOptions(p);
    stepper(p);
    keyboard(p);
}

void Page6Rules(Project& p) {
    p.setTitle(6);
    fileSystem(p);
    lan(p);
    sound(p);
    graphicsMemory(p);
}

void EncoderPinRule(Project& p) {
    Options& o = p.opts();
    const std::uint8_t bits = o.checkListByte("CheckListBoxincrEncBits");
    p.derived().fIncChannelBits = bits;
    p.setBuilt(false);
    int count = 0;
    for (int n = 0; n < 8; ++n)
        count += (bits >> n) & 1;
    if (count == 2 || count == 3) {
        p.ruleChoose(count == 2 ? OptName("Incr2chanChk") : OptName("Incr3chanChk"));
        p.runPageRules(4);
    }
}

void LCDgraphChkRule(Project& p) {
    Options& o = p.opts();
    const bool on = o.checked("LCDgraphChk");
    enableAll(o,
              {"GraphXEdit", "GraphYEdit", "LCDgraphModeChk", "PixFontChk", "PixFontEdit",
               "LCDGraphiDatChk", "ViewPspin"},
              on);
    graphicsMemory(p);
    if (!on) p.ruleCheck("PixFontChk", false);
}

void PixFontChkRule(Project& p) {
    p.opts().setEnabled("PixFontEdit", p.opts().checked("PixFontChk"));
}

void GraphXEditExitRule(Project& p) {
    graphSizeCheck(p, "GraphXEdit", "LCD Graphics\rX-Size not in range of 16..640");
}

void GraphYEditExitRule(Project& p) {
    graphSizeCheck(p, "GraphYEdit", "LCD Graphics\rY-Size not in range of 16..640");
}

} // namespace pramlet
