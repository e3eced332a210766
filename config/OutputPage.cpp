#include "config/OutputPage.h"

#include "config/Project.h"

#include <string>

namespace pramlet {

namespace {

// What one summary field shows: used, with its text; unused fields show "none" unless the
// row gives an unused text of its own.
struct Shown {
    bool used;
    std::string text;
    std::string unusedText = "none";
};

std::string portText(tPortsT port) {
    if (port == tPortsT::UserPort) return "UserPort";
    return std::string("Port") + PortLetter(static_cast<int>(port));
}

std::string pinText(tPinsT pin) {
    return std::string("Pin") + PortLetter(static_cast<int>(pin));
}

// The graphics size the generator gets: the field's integer, or 128 when it is none or lies
// outside 16..640.
int graphicsSize(const std::string& text) {
    int v = 0;
    if (!parseDecimal(trimmed(text), v)) v = 0;
    return v < 16 || v > 640 ? 128 : v;
}

void show(Options& o, OptName field, const Shown& s) {
    o.setUsed(field, s.used);
    o.setText(field, s.used ? s.text : s.unusedText);
}

void showAlways(Options& o, OptName field, const std::string& text) {
    o.setText(field, text);
}

void fileSystem(Options& o) {
    const bool used = o.value("DiskASpin") != 0;
    std::string text = "A";
    if (o.value("DiskBSpin") != 0) text += ", B";
    if (o.value("DiskCSpin") != 0) text += ", C";
    if (o.value("DiskDSpin") != 0) text += ", D";
    show(o, "FileSysPan", {used, text});
}

void lcdGraphics(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    const bool used = o.checked("LCDgraphChk");
    if (used) {
        d.Graphx = graphicsSize(o.text("GraphXEdit"));
        d.Graphy = graphicsSize(o.text("GraphYEdit"));
    }
    show(o, "LCDgraphPan", {used, std::to_string(d.Graphx) + "x" + std::to_string(d.Graphy)});
}

std::string heapText(const Options& o) {
    if (o.checked("HeapIDataChk")) return "iData";
    if (o.checked("HeapXDataChk")) return "xData";
    return "User";
}

const char* multiTaskText(tMultiTask m) {
    switch (m) {
    case tMultiTask::Standard: return "Standard";
    case tMultiTask::UserInt: return "UserInts";
    case tMultiTask::MultiTask: return "MultiTask";
    }
    return "Standard";
}

void summary(Project& p) {
    Options& o = p.opts();
    const Derived& d = p.derived();
    const tCpuDesc& cpu = p.cpu();
    const std::string ram = std::to_string(d.ExternRam);
    const std::string tick = std::to_string(d.SysTick) + "msec";

    showAlways(o, "CPUpan", cpu.CpuName);
    show(o, "ExtRamPan", {d.ExternRam != 0, ram, ram});
    showAlways(o, "ClockPan", std::to_string(d.Frequency) + "Hz");
    show(o, "SystickPan", {d.SysTick != 0, tick, tick});
    show(o, "SerPort1Pan",
         {cpu.Periph.has(SerPort) && d.SerBaud[0] >= 1, std::to_string(d.SerBaud[0]) + "Bd"});
    show(o, "SerPort2Pan",
         {cpu.Periph.has(SerPort2) && d.SerBaud[1] >= 1, std::to_string(d.SerBaud[1]) + "Bd"});
    show(o, "PWMport1Pan", {o.checked("PWM1Achk"), std::to_string(d.PWMres) + "bit"});
    show(o, "PWMport2Pan", {o.checked("PWM1Bchk"), std::to_string(d.PWMres) + "bit"});
    show(o, "SwitchPort1Pan", {d.SwitchPort1 != tPinsT::PinNone, pinText(d.SwitchPort1)});
    show(o, "SwitchPort2Pan", {d.SwitchPort2 != tPinsT::PinNone, pinText(d.SwitchPort2)});
    show(o, "Disp7sPan", {d.Disp7sPort != tPortsT::PortNone, portText(d.Disp7sPort)});
    const bool i2c = d.I2Cport != tPortsT::PortNone;
    show(o, "I2CportPan", {i2c, portText(d.I2Cport)});
    // The pins are only reported: the build goes on with them.
    if (i2c && d.I2Cdata == d.I2Cclock)
        p.dialogs().message(MsgKind::Error, "I2Cdata pin = I2Cclock pin !", MsgButton::Ok);
    show(o, "StepPortPan", {d.StepPort != tPortsT::PortNone, portText(d.StepPort)});
    show(o, "KeyBoardPan", {o.checked("KeyBoard4Chk") || o.checked("KeyBoard8Chk"), "used"});
    show(o, "LCDportPan", {d.LCDport != tPortsT::PortNone, portText(d.LCDport)});
    show(o, "ADCportPan",
         {cpu.Periph.has(ADCport) && d.ADCchans >= 1, std::to_string(d.ADCchans) + "chans"});
    show(o, "SPIportPan", {cpu.Periph.has(SPIport) && d.SPIused, "used"});
    show(o, "LANportPan", {o.itemIndex("LanSciSpin") != 0, "used"});
    showAlways(o, "MultiTaskPan", multiTaskText(d.MultiTasking));
    showAlways(o, "SysStackPan", std::to_string(d.SysStackSize));
    showAlways(o, "SysFramePan", std::to_string(d.SysFrameSize));
    show(o, "HeapPan", {d.Heap, heapText(o)});
    show(o, "TaskStackPan", {d.Tasks, std::to_string(d.TaskStackSize)});
    show(o, "TaskFramePan", {d.Tasks, std::to_string(d.TaskFrameSize)});
    show(o, "UsrDatDevPan",
         {o.value("UsrDatDevSpin") != 0, std::to_string(o.value("UsrDatDevSpin"))});
    fileSystem(o);
    lcdGraphics(p);
    show(o, "RTCpan", {!o.checked("RTCnoneBtn") || o.itemIndex("ComboBoxDCF77") != 0, "used"});
}

} // namespace

void Page15Rules(Project& p) {
    p.buttonStates();
    p.setTitle(15);
    summary(p);
}

} // namespace pramlet
