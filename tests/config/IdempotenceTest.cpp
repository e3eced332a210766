// Page rules give the same state when they run again: over every bundled controller and a
// few option mixes, each page's rules run twice and the whole configuration state is
// compared.

#include "config/OptionCatalogue.h"
#include "config/Project.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pramlet {
namespace {

// Everything the rules may touch, as one comparable text.
std::string snapshot(const Project& p) {
    std::ostringstream s;
    for (const auto& o : p.opts().all()) {
        s << o.def->name << '|' << o.checked << '|' << o.text << '|' << o.enabled << o.visible
          << '|' << o.itemIndex << '|' << o.minValue << ".." << o.maxValue << '|' << o.caption
          << '|' << o.hint << '|';
        for (const auto& i : o.items)
            s << i << ',';
        for (bool b : o.itemChecked)
            s << b;
        for (bool b : o.itemEnabled)
            s << b;
        s << '\n';
    }
    const Derived& d = p.derived();
    s << d.ExternRam << ' ' << d.SysTick << ' ' << d.Frequency << ' ' << d.WatchDog << ' '
      << int(d.MultiTasking) << ' ' << d.Processes << d.Tasks << d.Heap << ' ' << d.SysStackSize
      << ' ' << d.SysFrameSize << ' ' << d.TaskStackSize << ' ' << d.TaskFrameSize << ' '
      << int(d.SysStackData) << int(d.SysFrameData) << int(d.Scheduler) << int(d.TaskStackData)
      << ' ' << d.fBootIndex << ' ' << d.Current << '\n';
    for (int n = 0; n < 4; ++n)
        s << d.SerBaud[n] << '/' << d.RxBuffer[n] << '/' << d.TxBuffer[n] << '/'
          << int(d.RxBuffData[n]) << int(d.TxBuffData[n]) << ' ';
    s << d.SPIused << ' ' << d.PWMres << ' ' << d.PWMpresc << ' ' << d.PWMres3 << ' ' << d.PWMpresc3
      << ' ' << d.ADCchans << ' ' << d.ADCpresc << ' ' << int(d.ADCbuffer) << '\n';
    s << int(d.SwitchPort1) << ' ' << int(d.SwitchPort2) << ' ' << int(d.LCDport) << ' '
      << d.LCDrows << ' ' << d.LCDcols << ' ' << int(d.I2Cport) << ' ' << d.I2Cdata << ' '
      << d.I2Cclock << ' ' << int(d.fIncChannelBits) << ' ' << int(d.Disp7sPort) << ' '
      << int(d.StepPort) << ' ' << int(d.KeyBRport) << ' ' << int(d.KeyBCport) << ' ' << d.Graphx
      << ' ' << d.Graphy << '\n';
    for (int n = 0; n < 11; ++n)
        s << d.PortUsed[n] << d.DDRUsed[n] << ' ' << int(p.frame(n + 1).DDRMask()) << '/'
          << int(p.frame(n + 1).PortMask()) << '/' << int(p.frame(n + 1).DDRStatus()) << '/'
          << int(p.frame(n + 1).PortStatus()) << '\n';
    s << p.CPUchanged() << p.built() << p.windowCaption() << '\n';
    return s.str();
}

// True when a user can reach the option: it and its enclosing box are enabled and shown.
bool usable(const Options& o, const OptionState& s) {
    if (!s.enabled || !s.visible) return false;
    if (s.def->parent.empty() || !Options::has(s.def->parent)) return true;
    const OptionState& box = o[OptName::lookup(s.def->parent)];
    return box.enabled && box.visible;
}

class IdempotenceTest : public ::testing::TestWithParam<int> {
  protected:
    RecordingDialogs dialogs;
    Project p{dialogs};

    void SetUp() override { p.start(std::string(PRAMLET_SOURCE_DIR) + "/devices/", {}); }

    // Option mixes that drive the rules down different branches.
    void applyMix(int mix) {
        switch (mix) {
        case 1:
            p.userType("RamSpin", "4096");
            p.userLeave("RamSpin");
            break;
        case 2:
            p.userType("SysTickSpin", "0");
            p.userLeave("SysTickSpin");
            break;
        default: break;
        }
    }
    void mixOnSystemPage(int mix) {
        if (mix == 1) {
            p.userCheck("BootBlockChk", true);
            p.userChoose("MultiTaskChk");
            p.userCheck("TaskChk", true);
            p.userChoose("SysStackxDatChk");
        } else if (mix == 2) {
            p.userCheck("LongWchk", true);
            p.userCheck("SysTime32Chk", true);
            p.userCheck("BootBlockChk", true);
            p.userCheck("BootAppChk", true);
        }
    }
    // On the driver pages, mix 1 clicks every check box a user can reach, in form order,
    // and mix 2 also chooses the last usable member of every group and raises every usable
    // number to its upper bound: both drive the rules into their conflict branches.
    void mixOnDriverPage(int mix) {
        const int page = p.page();
        if (mix == 0 || page < 2 || page > 10) return;
        for (const OptionDef& def : optionCatalogue()) {
            if (def.page != page) continue;
            const OptName name = OptName::lookup(def.name);
            const OptionState& s = p.opts()[name];
            if (!usable(p.opts(), s)) continue;
            if (def.kind == OptionKind::CheckBox && !s.checked) {
                p.userCheck(name, true);
            } else if (mix == 2 && def.kind == OptionKind::OneOf && !s.checked) {
                p.userChoose(name); // later members win: the last usable one stays chosen
            } else if (mix == 2 && def.kind == OptionKind::Number && s.maxValue > s.minValue) {
                p.userType(name, std::to_string(s.maxValue));
                p.userLeave(name);
            }
        }
    }
};

TEST_P(IdempotenceTest, EveryPageGivesTheSameStateTwice) {
    const auto& list = p.catalogue().CPUList();
    ASSERT_FALSE(list.empty());
    // Every seventh controller of the library, offset by the parameter.
    for (size_t i = static_cast<size_t>(GetParam()); i < list.size(); i += 7) {
        const std::string name = list[i].name;
        for (int mix = 0; mix < 3; ++mix) {
            while (p.page() > 0)
                p.prev();
            ASSERT_TRUE(p.clickControllerByName(name)) << name;
            applyMix(mix);
            ASSERT_TRUE(p.next());
            mixOnSystemPage(mix);
            while (p.page() < kPageCount - 1) {
                ASSERT_TRUE(p.next());
                mixOnDriverPage(mix);
            }
            for (int page = 0; page < kPageCount; ++page) {
                p.runPageRules(page);
                const std::string once = snapshot(p);
                p.runPageRules(page);
                EXPECT_EQ(once, snapshot(p)) << name << " mix " << mix << " page " << page;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BundledControllers, IdempotenceTest, ::testing::Range(0, 7));

} // namespace
} // namespace pramlet
