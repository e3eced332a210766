#include "config/OptionCatalogue.h"

#include "config/SpecialValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

using namespace pramlet;

namespace {

const OptionDef& opt(std::string_view name) {
    const OptionDef* def = findOption(name);
    if (!def) throw std::runtime_error("no option " + std::string(name));
    return *def;
}

bool isInteger(const std::string& text, int& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && ec == std::errc() && p == text.data() + text.size();
}

std::vector<std::string> names(const std::vector<const OptionDef*>& defs) {
    std::vector<std::string> out;
    for (const OptionDef* d : defs)
        out.push_back(d->name);
    return out;
}

} // namespace

// Entries per page, group boxes included, counted from the option tables by hand
// (page 1 includes ResJmpLabel, page 14 the two fixed lines of the boot fuse box; page -1
// holds the window-level controls).
TEST(OptionCatalogue, EntriesPerPage) {
    const std::map<int, int> expected = {
        {-1, 7}, {0, 19}, {1, 59},  {2, 74},  {3, 73},  {4, 74}, {5, 77},  {6, 38},  {7, 51},
        {8, 48}, {9, 61}, {10, 50}, {11, 10}, {12, 10}, {13, 2}, {14, 34}, {15, 43},
    };
    std::map<int, int> counted;
    for (const OptionDef& def : optionCatalogue())
        ++counted[def.page];
    EXPECT_EQ(counted, expected);
    EXPECT_EQ(optionCatalogue().size(), 730u);
}

TEST(OptionCatalogue, PagesAppearInOrder) {
    const auto& all = optionCatalogue();
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const OptionDef& a, const OptionDef& b) {
        return a.page < b.page;
    }));
}

TEST(OptionCatalogue, NamesAreUniqueAndFound) {
    std::set<std::string> seen;
    for (const OptionDef& def : optionCatalogue()) {
        EXPECT_FALSE(def.name.empty());
        EXPECT_TRUE(seen.insert(def.name).second) << "duplicate " << def.name;
        EXPECT_EQ(findOption(def.name), &def) << def.name;
    }
    EXPECT_EQ(findOption("NoSuchOption"), nullptr);
    EXPECT_EQ(findOption(""), nullptr);
    EXPECT_EQ(findOption("freqspin"), nullptr); // names are matched exactly
}

// A parent is a group box of the same page, listed before the options it holds.
TEST(OptionCatalogue, ParentsAreEarlierGroupBoxesOfTheSamePage) {
    std::map<std::string, const OptionDef*> boxesSoFar;
    for (const OptionDef& def : optionCatalogue()) {
        if (!def.parent.empty()) {
            auto it = boxesSoFar.find(def.parent);
            ASSERT_NE(it, boxesSoFar.end())
                << def.name << " in unknown or later box " << def.parent;
            EXPECT_EQ(it->second->page, def.page) << def.name;
        }
        if (def.kind == OptionKind::GroupBox) boxesSoFar[def.name] = &def;
    }
    EXPECT_TRUE(opt("Tab").parent.empty());
}

TEST(OptionCatalogue, EveryOneOfGroupHasExactlyOneDefaultMember) {
    std::map<std::string, std::vector<const OptionDef*>> groups;
    for (const OptionDef& def : optionCatalogue())
        if (def.kind == OptionKind::OneOf) groups[def.group].push_back(&def);
    ASSERT_FALSE(groups.empty());
    for (const auto& [group, members] : groups) {
        ASSERT_FALSE(group.empty());
        EXPECT_EQ(members.front()->name, group) << "group is named after its first member";
        EXPECT_GE(members.size(), 2u) << group;
        int defaults = 0;
        for (const OptionDef* m : members) {
            EXPECT_TRUE(m->def == "1" || m->def == "0") << m->name;
            defaults += m->def == "1";
            EXPECT_EQ(m->page, members.front()->page) << m->name;
            EXPECT_EQ(m->parent, members.front()->parent) << m->name;
        }
        EXPECT_EQ(defaults, 1) << group;
        EXPECT_EQ(groupMembers(group), members) << group;
    }
}

TEST(OptionCatalogue, DefaultsFitTheirKind) {
    for (const OptionDef& def : optionCatalogue()) {
        SCOPED_TRACE(def.name);
        int value = 0;
        switch (def.kind) {
        case OptionKind::CheckBox: EXPECT_TRUE(def.def == "0" || def.def == "1"); break;
        case OptionKind::Number:
        case OptionKind::NumberSpecial:
            ASSERT_TRUE(isInteger(def.def, value));
            EXPECT_GT(def.step, 0);
            if (def.min != 0 || def.max != 0) {
                EXPECT_LE(def.min, value);
                EXPECT_LE(value, def.max);
            }
            EXPECT_EQ(def.kind == OptionKind::NumberSpecial, !def.special.empty());
            break;
        case OptionKind::Choice:
        case OptionKind::RadioGroup:
            if (def.items.empty()) {
                EXPECT_TRUE(def.def.empty());
            } else {
                EXPECT_NE(std::find(def.items.begin(), def.items.end(), def.def), def.items.end());
            }
            break;
        case OptionKind::CheckList:
            EXPECT_EQ(def.def, "0");
            EXPECT_EQ(def.items.size(), 8u);
            break;
        case OptionKind::Text:
            if (def.maxLength > 0) {
                EXPECT_LE(def.def.size(), static_cast<size_t>(def.maxLength));
            }
            if (!def.mask.empty()) {
                EXPECT_GT(def.maxLength, 0);
            }
            break;
        default: break;
        }
        EXPECT_TRUE(def.kind == OptionKind::Choice || !def.editable);
        EXPECT_TRUE(def.kind == OptionKind::OneOf || def.group.empty());
    }
}

TEST(OptionCatalogue, SpecialValueTablesAreValidAndNameTheirDefaults) {
    int tables = 0;
    for (const OptionDef& def : optionCatalogue()) {
        if (def.special.empty()) continue;
        ++tables;
        SCOPED_TRACE(def.name);
        tSpecialValuesList list(def.special);
        EXPECT_NO_THROW(list.CheckValid());
        SpinRules rules{def.min, def.max, &list};
        int value = 0;
        ASSERT_TRUE(isInteger(def.def, value));
        EXPECT_EQ(rules.read(rules.write(value)), value);
    }
    // RamSpin, XDataWaitSpin, WatchDogSpin, Baud1..4, DTR1..4BitSpin, UsrDatDevSpin, BankPortSpin,
    // RTCtimerSpin
    EXPECT_EQ(tables, 14);
}

TEST(OptionCatalogue, SamplesOfNumbers) {
    const OptionDef& freq = opt("FreqSpin");
    EXPECT_EQ(freq.page, 0);
    EXPECT_EQ(freq.parent, "GroupBox1");
    EXPECT_EQ(freq.kind, OptionKind::Number);
    EXPECT_EQ(freq.def, "16000");
    EXPECT_EQ(freq.step, 1000);
    EXPECT_EQ(freq.min, 0);
    EXPECT_EQ(freq.max, 0);

    const OptionDef& wd = opt("WatchDogSpin");
    EXPECT_EQ(wd.kind, OptionKind::NumberSpecial);
    EXPECT_EQ(wd.def, "-1");
    EXPECT_EQ(wd.min, -1);
    EXPECT_EQ(wd.max, 7);
    EXPECT_EQ(wd.special,
              (std::vector<std::string>{"None=-1", "16ms=0", "32ms=1", "64ms=2", "125ms=3",
                                        "250ms=4", "0.5 sec=5", "1 sec=6", "2 sec=7"}));
    EXPECT_EQ(tSpecialValuesList(wd.special).IntToValue(-1), "None");

    EXPECT_EQ(opt("Baud3Spin").step, 9600);
    EXPECT_EQ(opt("TxBuf4Spin").max, 255);
    EXPECT_EQ(opt("TWIbufSpin").min, 2);
    EXPECT_EQ(opt("SysStackSpin").label, "Stack size");
    EXPECT_EQ(opt("LEDbitSpin5").label, "LED5");
    EXPECT_EQ(opt("I2C_7segSpin3").label, "Display 3");
}

TEST(OptionCatalogue, SamplesOfChoicesAndTexts) {
    const OptionDef& form = opt("SerForm1Spin");
    EXPECT_EQ(form.kind, OptionKind::Choice);
    EXPECT_EQ(form.def, "1 stop bit");
    EXPECT_EQ(form.items,
              (std::vector<std::string>{"1 stop bit", "2 stop bits", "Even Parity", "Odd Parity"}));
    EXPECT_EQ(opt("LCDrowSel").def, "2");
    EXPECT_EQ(opt("LCDrowSel").items, (std::vector<std::string>{"1", "2", "4"}));

    const OptionDef& fuseWr = opt("FuseWrChk");
    EXPECT_EQ(fuseWr.kind, OptionKind::RadioGroup);
    EXPECT_EQ(fuseWr.caption, "ISP File update");
    EXPECT_EQ(fuseWr.def, "init only");
    EXPECT_EQ(fuseWr.items, (std::vector<std::string>{"write never", "init only", "override"}));

    const OptionDef& vcc = opt("ComboBoxVCC");
    EXPECT_TRUE(vcc.editable);
    EXPECT_EQ(vcc.def, "5.0");
    EXPECT_TRUE(opt("VoltSpin").editable);
    EXPECT_FALSE(opt("NoteBookSpin").editable);

    const OptionDef& mask = opt("SwPort1MaskFld");
    EXPECT_EQ(mask.kind, OptionKind::Text);
    EXPECT_EQ(mask.mask, "$>AA;1;_");
    EXPECT_EQ(mask.maxLength, 3);
    EXPECT_EQ(mask.def, "$00");
    EXPECT_EQ(opt("SwPort2PolFld").parent, "GroupBox16");

    const OptionDef& graphX = opt("GraphXEdit");
    EXPECT_EQ(graphX.mask, "000");
    EXPECT_EQ(graphX.def, "128");
    EXPECT_FALSE(graphX.enabled);
    EXPECT_EQ(opt("ServoPulseSpin").mask, "0.0;1;_");
    EXPECT_EQ(opt("AppNameEdit").def, "");
}

TEST(OptionCatalogue, SamplesOfChecksAndGroups) {
    EXPECT_EQ(opt("ROVA_UDPchk").def, "1");
    EXPECT_EQ(opt("ROVA_DNSchk").def, "0");
    EXPECT_FALSE(opt("ROVA_DNSchk").enabled);
    EXPECT_EQ(opt("ProgFuseChk").def, "1");
    EXPECT_FALSE(opt("ProgFuseChk").enabled);
    EXPECT_EQ(opt("PCINTchk2").hint, "Import and Define Pin Change Interrupt 2");
    EXPECT_EQ(opt("SlipChk3").hint, "Import SLIPport3. Uses SerPort3");
    EXPECT_EQ(opt("PWM3Bchk").caption, "PWM3B");

    EXPECT_EQ(names(groupMembers("StandardChk")),
              (std::vector<std::string>{"StandardChk", "UserInts", "MultiTaskChk"}));
    EXPECT_EQ(opt("UserInts").hint, "User defined Interrupts, no Multitasking");
    EXPECT_TRUE(groupMembers("UserInts").empty()); // only the first member names the group
    EXPECT_TRUE(groupMembers("").empty());

    EXPECT_EQ(opt("HeapNoneChk").def, "1");
    EXPECT_EQ(opt("HeapIDataChk").def, "0");
    EXPECT_EQ(opt("TWInoneChk").def, "1");
    EXPECT_EQ(opt("TWImasterChk").group, "TWImasterChk");

    const auto stepper = groupMembers("StepperNoneChk");
    ASSERT_EQ(stepper.size(), 13u);
    EXPECT_EQ(stepper[7]->name, "StepperUSRchk");
    EXPECT_EQ(stepper[7]->caption, "UserPort");

    // Like groups of the serial ports are separate groups in their own boxes.
    EXPECT_EQ(opt("Tx3iDatChk").parent, "GroupBox81");
    EXPECT_EQ(names(groupMembers("Rx4iDatChk")),
              (std::vector<std::string>{"Rx4iDatChk", "Rx4xDatChk"}));

    const OptionDef& resJmp = opt("ResJmpDefBtn");
    EXPECT_EQ(resJmp.caption, "Reset Jump to:   $0000");
    EXPECT_FALSE(resJmp.enabled);
    EXPECT_FALSE(opt("ROVA_SLIPchk").enabled);
    EXPECT_TRUE(opt("ROVA_ENCchk").enabled);
}

TEST(OptionCatalogue, SamplesOfGroupBoxes) {
    const OptionDef& box1 = opt("GroupBox1");
    EXPECT_EQ(box1.kind, OptionKind::GroupBox);
    EXPECT_EQ(box1.caption, "Frequency (kHz)");
    EXPECT_EQ(box1.hint, "define CPU clock");
    EXPECT_FALSE(box1.enabled);
    EXPECT_TRUE(opt("GroupBox13").enabled);

    EXPECT_EQ(opt("GroupBox30").hint, "Import Heap  manager");
    EXPECT_EQ(opt("GroupBox90").parent, "BootGroup");
    EXPECT_EQ(opt("BootBaudSpin").parent, "GroupBox90");
    EXPECT_EQ(opt("BootFusesChk").parent, "BootGroup"); // after the nested box ends
    EXPECT_EQ(opt("LANframeBox").parent, "GroupBox33");
    EXPECT_EQ(opt("LanModeChk").parent, "");
    EXPECT_EQ(opt("GroupBox61").parent, "GroupBox57");
    EXPECT_EQ(opt("MSPIpresc2").parent, "MSPIgroup2");
    EXPECT_EQ(opt("FuseBox1").parent, "FuseGroup1");
    EXPECT_EQ(opt("FuseGroup2").caption, "Extended fuse bits");
}

TEST(OptionCatalogue, FormOrder) {
    const auto& all = optionCatalogue();
    auto index = [&](std::string_view name) { return findOption(name) - all.data(); };
    EXPECT_EQ(index("ResJmpLabel"), index("ResJmpBtn") + 1);
    EXPECT_LT(index("GroupBox78"), index("LedLowChk0"));
    EXPECT_LT(index("FramePortJ"), index("FramePortH")); // page 12 holds F, J, H, G, K
    EXPECT_EQ(all.front().name, "Tab");
    EXPECT_EQ(all.back().name, "GlobWarnCheck");
}

TEST(OptionCatalogue, WindowLevelControls) {
    const OptionDef& led = opt("LedCheck");
    EXPECT_EQ(led.page, -1);
    EXPECT_EQ(led.kind, OptionKind::CheckBox);
    EXPECT_EQ(led.caption, "Checked");
    EXPECT_FALSE(led.enabled);

    const OptionDef& open = opt("OpenDialog");
    EXPECT_EQ(open.kind, OptionKind::FileDialog);
    EXPECT_EQ(open.caption, "Save Application to ...");
    EXPECT_EQ(open.def, ".pas");
    EXPECT_EQ(open.items, (std::vector<std::string>{"Pascal source", "*.pas", "all", "*.*"}));
    EXPECT_EQ(opt("StatusLine").items, (std::vector<std::string>{"Rev 1.2", "test"}));
    EXPECT_EQ(opt("NextBtn").hint, "next page");
    EXPECT_EQ(opt("Tab").caption, "select processor type");

    EXPECT_EQ(opt("RadioGroupUPDI").kind, OptionKind::ControllerList);
    EXPECT_EQ(opt("RadioGroupUPDI").caption, "UPDI-TINY-MEGA");
    EXPECT_EQ(opt("CPUpan").caption, "CPU :");
    EXPECT_EQ(opt("CPUpan").def, "90S8515");
    EXPECT_FALSE(opt("SPIportPan").enabled);
    EXPECT_EQ(opt("BootSZ1lab").kind, OptionKind::Label);
    EXPECT_EQ(opt("ResJmpLabel").def, "$0000");
}
