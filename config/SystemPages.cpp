#include "config/SystemPages.h"

#include "config/Format.h"
#include "config/Project.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pramlet {

namespace {

const OptName kXDataMembers[] = {"SchedxDatChk", "SysStackxDatChk", "SysFrameXDatChk",
                                     "TaskStackxDatChk"};
const OptName kIDataMembers[] = {"SchediDatChk", "SysStackiDatChk", "SysFrameIDatChk",
                                     "TaskStackiDatChk"};
const OptName kTaskControls[] = {"TaskStackiDatChk", "TaskStackxDatChk", "TaskStackSpin",
                                     "TaskFrameSpin"};
const OptName kBootInterface[] = {"BootBaudSpin", "BootSer1Chck", "BootSer2Chck", "BootENCChck",
                                      "BootFusesChk", "BootLockChk",  "BootVectChk"};

tRamPage ramPage(const Options& o, OptName iDataMember) {
    return o.checked(iDataMember) ? tRamPage::iData : tRamPage::xData;
}

void enableAll(Options& o, OptNames names, bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

template <size_t N> void enableAll(Options& o, const OptName (&names)[N], bool on) {
    for (OptName n : names)
        o.setEnabled(n, on);
}

void externalRam(Project& p) {
    Options& o = p.opts();
    if (p.cpu().ExtRam) {
        o.setEnabled("RamSpin", true);
        bool ram = o.value("RamSpin") > 0;
        o.setEnabled("NoInitChk", ram);
        o.setEnabled("XDataWaitSpin", ram);
        if (o.value("RamSpin") == 0) p.ruleCheck("NoInitChk", false);
    } else {
        enableAll(o, {"RamSpin", "NoInitChk", "XDataWaitSpin"}, false);
        p.ruleCheck("NoInitChk", false);
    }
}

void stackLimits(Project& p) {
    Options& o = p.opts();
    const int size = p.cpu().DataSize;
    o.setMax("SysStackSpin", size);
    auto raise = [&](OptName n, int v) {
        if (o.value(n) < v) o.setValue(n, v);
    };
    auto lower = [&](OptName n, int v) {
        if (o.value(n) > v) o.setValue(n, v);
    };
    if (size > 1024) {
        raise("SysStackSpin", 100);
        raise("SysFrameSpin", 100);
    } else if (size > 512) {
        raise("SysStackSpin", 50);
        raise("SysFrameSpin", 50);
    } else if (size > 256) {
        raise("SysStackSpin", 32);
        raise("SysFrameSpin", 32);
    } else {
        lower("SysStackSpin", 16);
        lower("SysFrameSpin", 32);
    }
}

void multitasking(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    const bool xram = d.ExternRam > 0;
    if (d.SysTick != 0) {
        o.setEnabled("SysTime16Chk", true);
        bool longs = o.checked("LongWchk") || o.checked("LongIchk");
        o.setEnabled("SysTime32Chk", longs);
        if (!longs) p.ruleCheck("SysTime32Chk", false);
        if (o.checked("SysTime16Chk") && o.checked("SysTime32Chk"))
            p.ruleCheck("SysTime32Chk", false);
        enableAll(o, {"ProcessChk", "TaskChk", "MultiTaskChk"}, true);
        if (o.checked("MultiTaskChk")) {
            o.setEnabled("SchediDatChk", true);
            o.setEnabled("SchedxDatChk", xram);
            o.setEnabled("IdleProcChk", true);
            if (o.checked("TaskChk")) {
                d.Tasks = true;
                enableAll(o, {"TaskStackiDatChk", "TaskStackSpin", "TaskFrameSpin"}, true);
                o.setEnabled("TaskStackxDatChk", xram);
            } else {
                d.Tasks = false;
                enableAll(o, kTaskControls, false);
            }
            d.Processes = o.checked("ProcessChk");
        } else {
            d.Processes = false;
            d.Tasks = false;
            p.ruleCheck("ProcessChk", false);
            p.ruleCheck("TaskChk", false);
            enableAll(o, {"ProcessChk", "TaskChk", "SchediDatChk", "SchedxDatChk", "IdleProcChk"},
                      false);
            enableAll(o, kTaskControls, false);
        }
    } else {
        p.ruleCheck("ProcessChk", false);
        p.ruleCheck("TaskChk", false);
        enableAll(o, {"ProcessChk", "TaskChk"}, false);
        if (o.checked("MultiTaskChk")) p.ruleChoose("StandardChk");
        enableAll(o, {"MultiTaskChk", "SchediDatChk", "SchedxDatChk", "IdleProcChk"}, false);
        enableAll(o, kTaskControls, false);
        d.Processes = false;
        d.Tasks = false;
        enableAll(o, {"SysTime16Chk", "SysTime32Chk"}, false);
    }
}

void heap(Project& p) {
    Options& o = p.opts();
    if (p.derived().ExternRam < 1) {
        o.setEnabled("HeapXDataChk", false);
        if (o.checked("HeapXDataChk")) p.ruleChoose("HeapNoneChk");
    } else {
        o.setEnabled("HeapXDataChk", true);
    }
    if (p.cpu().DataSize < 512) {
        o.setEnabled("HeapIDataChk", false);
        if (o.checked("HeapIDataChk")) p.ruleChoose("HeapNoneChk");
    } else {
        o.setEnabled("HeapIDataChk", true);
    }
    p.derived().Heap =
        o.checked("HeapXDataChk") || o.checked("HeapIDataChk") || o.checked("HeapUserChk");
}

void bootArea(Project& p) {
    Options& o = p.opts();
    const tCpuDesc& cpu = p.cpu();
    int remembered = std::max(0, o.itemIndex("ComboBoxBootArea"));
    if (p.CurCPU() < 0 || cpu.BOOTRST0 < 1) {
        p.ruleCheck("BootBlockChk", false);
        p.ruleCheck("BootAppChk", false);
        enableAll(o, {"BootBlockChk", "BootAppChk", "ComboBoxBootArea", "ResJmpLabel"}, false);
        o.refill("ComboBoxBootArea", {"none"});
        o.setItemIndex("ComboBoxBootArea", 0);
        o.setText("ResJmpLabel", "$0000");
        p.ruleChoose("ResJmpDefBtn");
        enableAll(o, {"ResJmpDefBtn", "ResJmpBtn"}, false);
        p.derived().fBootIndex = 0;
        enableAll(o, kBootInterface, false);
        return;
    }
    const int starts[] = {cpu.BOOTRST0, cpu.BOOTRST1, cpu.BOOTRST2, cpu.BOOTRST3};
    std::vector<std::string> items;
    for (int start : starts) {
        if (start < 1) break;
        items.push_back("$" + hexDigits(start, 4) + "-$" + hexDigits(cpu.BOOTRSTE, 4));
    }
    if (remembered >= static_cast<int>(items.size())) remembered = 0;
    o.refill("ComboBoxBootArea", items);
    o.setItemIndex("ComboBoxBootArea", remembered);
    o.setText("ResJmpLabel", "$" + hexDigits(starts[remembered], 4));
    p.derived().fBootIndex = starts[remembered];
    o.setEnabled("BootBlockChk", true);
}

void bootOptions(Project& p) {
    Options& o = p.opts();
    const tCpuDesc& cpu = p.cpu();
    if (!o.enabled("BootBlockChk")) return;
    if (o.checked("BootBlockChk")) {
        const bool app = o.checked("BootAppChk");
        enableAll(o, {"BootAppChk", "ComboBoxBootArea"}, true);
        enableAll(o, {"ResJmpLabel", "ResJmpDefBtn", "ResJmpBtn", "BootENCChck"}, !app);
        o.setEnabled("BootSer1Chck", cpu.Periph.has(SerPort));
        o.setEnabled("BootSer2Chck", cpu.Periph.has(SerPort2));
        o.setEnabled("BootBaudSpin", o.checked("BootSer1Chck") || o.checked("BootSer2Chck"));
        enableAll(o, {"BootFusesChk", "BootLockChk"}, true);
        o.setEnabled("BootVectChk", cpu.BootVect && !app);
    } else {
        enableAll(o, {"BootAppChk", "ResJmpLabel", "ComboBoxBootArea", "ResJmpDefBtn", "ResJmpBtn"},
                  false);
        enableAll(o, kBootInterface, false);
    }
}

} // namespace

void Page0Rules(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    p.setTitle(0);
    p.setWindowCaption("Orvex Pramlet [AVR] [" + p.CurCPUName() + "]    ");
    externalRam(p);
    // A controller without external RAM keeps the user's RamSpin for a later controller,
    // but the program must not place anything there.
    d.ExternRam = p.cpu().ExtRam ? o.value("RamSpin") : 0;
    d.SysTick = o.value("SysTickSpin");
    // The clock field has no bound: a value beyond the integer range of Hz saturates
    // instead of overflowing.
    d.Frequency = static_cast<int>(std::clamp<long long>(o.value("FreqSpin") * 1000LL,
                                                         std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max()));
    d.WatchDog = o.value("WatchDogSpin");
    if (d.ExternRam > 0) {
        enableAll(o, kXDataMembers, true);
    } else {
        for (OptName m : kIDataMembers)
            p.ruleChoose(m);
        enableAll(o, kXDataMembers, false);
    }
    o.setVisible("BootFuseGroup", o.itemIndex("FuseWrChk") >= 1 && o.checked("BootBlockChk"));
    if (p.CPUchanged()) {
        p.ruleChoose("prgNoneChk");
        o.setEnabled("prgJTAGchk", p.cpu().JTAG);
    }
}

void Page1Rules(Project& p) {
    Options& o = p.opts();
    Derived& d = p.derived();
    p.setTitle(1);
    o.setEnabled("ExceptSpin", o.checked("ExceptBox"));
    stackLimits(p);
    multitasking(p);
    d.MultiTasking = o.checked("StandardChk") ? tMultiTask::Standard
                     : o.checked("UserInts")  ? tMultiTask::UserInt
                                              : tMultiTask::MultiTask;
    d.LongWords = o.checked("LongWchk");
    d.LongInts = o.checked("LongIchk");
    d.Floats = o.checked("FloatChk");
    d.Pipes = o.checked("PipeChk");
    d.PIDs = o.checked("PIDchk");
    d.SysStackSize = o.value("SysStackSpin");
    d.SysFrameSize = o.value("SysFrameSpin");
    d.TaskStackSize = o.value("TaskStackSpin");
    d.TaskFrameSize = o.value("TaskFrameSpin");
    d.SysStackData = ramPage(o, "SysStackiDatChk");
    d.SysFrameData = ramPage(o, "SysFrameIDatChk");
    d.Scheduler = ramPage(o, "SchediDatChk");
    d.TaskStackData = ramPage(o, "TaskStackiDatChk");
    heap(p);
    bootArea(p);
    bootOptions(p);
    o.setEnabled("BootCheckSumChk", o.checked("BootBlockChk") && !o.checked("BootAppChk"));
    if (!o.checked("BootBlockChk")) p.ruleCheck("BootCheckSumChk", false);
}

bool SupplyVoltageCheck(Project& p) {
    std::string text = trimmed(p.opts().text("ComboBoxVCC"));
    // The user's decimal separator and the point of the list items are both accepted, so
    // that the offered items stay valid in every locale.
    for (char& c : text)
        if (c == p.decimalPoint()) c = '.';
    double v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    bool ok = !text.empty() && ec == std::errc() && end == text.data() + text.size() && v >= 1.8 &&
              v <= 5.0;
    if (!ok) p.dialogs().message(MsgKind::Error, "VCC not in range 1.8-5.0V", MsgButton::Ok);
    return ok;
}

bool RemoveBlankFromAppName(Project& p) {
    std::string text = p.opts().text("AppNameEdit");
    auto blank = text.find(' ');
    if (blank == std::string::npos) return false;
    p.dialogs().message(MsgKind::Error, "no spaces in name possible!", MsgButton::Ok);
    text.erase(blank, 1);
    p.opts().setText("AppNameEdit", text);
    return true;
}

} // namespace pramlet
