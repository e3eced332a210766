// The soft driver pages over three small controllers of tests/data/p456: one with external
// memory and ports A to L, one with few and partial ports, a tiny one with port B only.

#include "config/Handlers.h"
#include "config/InputFilter.h"
#include "config/Project.h"
#include "tests/config/ProjectFixture.h"
#include "tests/support/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace pramlet::test {
namespace {

using Items = std::vector<std::string>;
using Entry = RecordingDialogs::Entry;

class SoftDriverFixture : public ProjectFixture {
  protected:
    void SetUp() override { p.start(std::string(PRAMLET_TEST_DATA) + "/p456/", {}); }
    // A value of the first page, then back to `page`.
    void onFirstPage(OptName option, const std::string& text, int page) {
        gotoPage(0);
        enter(option, text);
        gotoPage(page);
    }
    const Derived& d() const { return p.derived(); }
};

using Page4Test = SoftDriverFixture;
using EncoderPinTest = SoftDriverFixture;
using SwitchMaskFilterTest = SoftDriverFixture;
using Page5Test = SoftDriverFixture;
using Page6Test = SoftDriverFixture;
using LCDgraphicsTest = SoftDriverFixture;
using SoftDriverHandlersTest = SoftDriverFixture;

// ---- Page 4: switch ports, LCD, I2C, encoder ----

TEST_F(Page4Test, TitleAndDefaults) {
    select("p456xram");
    gotoPage(4);
    EXPECT_EQ(o().text("Tab"), "soft driver import I");
    EXPECT_EQ(d().SwitchPort1, PinNone);
    EXPECT_EQ(d().SwitchPort2, PinNone);
    EXPECT_EQ(d().LCDport, PortNone);
    EXPECT_EQ(d().I2Cport, PortNone);
    EXPECT_EQ(d().LCDrows, 0);
    EXPECT_EQ(d().LCDcols, 16);
    EXPECT_EQ(d().I2Cdata, -1);
    EXPECT_EQ(d().I2Cclock, -1);
}

TEST_F(Page4Test, SwitchPortsFollowTheInputRegisters) {
    select("p456few"); // pins of B, D and F only
    gotoPage(4);
    for (OptName m : OptNames{"SwitchP1Bchk", "SwitchP1Dchk", "SwitchP1Fchk", "SwitchP2Bchk",
                              "SwitchP2Dchk", "SwitchP2Fchk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    for (OptName m : OptNames{"SwitchP1Achk", "SwitchP1Cchk", "SwitchP1Echk", "SwitchP1Gchk",
                              "SwitchP1Lchk", "SwitchP2Echk", "SwitchP2Gchk", "SwitchP2Hchk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    // The masks belong to a chosen port.
    for (OptName f : OptNames{"SwPort1MaskFld", "SwPort1PolFld", "SwPort2MaskFld", "SwPort2PolFld"})
        EXPECT_FALSE(o().enabled(f)) << f;
    p.userChoose("SwitchP1Fchk");
    EXPECT_TRUE(o().enabled("SwPort1MaskFld"));
    EXPECT_TRUE(o().enabled("SwPort1PolFld"));
    EXPECT_FALSE(o().enabled("SwPort2MaskFld"));
    EXPECT_EQ(d().SwitchPort1, PinF);
    p.userChoose("SwitchP2Bchk");
    EXPECT_TRUE(o().enabled("SwPort2PolFld"));
    EXPECT_EQ(d().SwitchPort2, PinB);
    p.userChoose("SwitchP1noneChk");
    EXPECT_FALSE(o().enabled("SwPort1MaskFld"));
    EXPECT_EQ(d().SwitchPort1, PinNone);
}

TEST_F(Page4Test, LCDandI2CFollowTheDirectionRegisters) {
    select("p456few"); // direction registers of B, D and G only
    gotoPage(4);
    for (OptName m : OptNames{"LCDbChk", "LCDdChk", "LCDgChk", "I2CbChk", "I2CdChk", "I2CgChk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    for (OptName m : OptNames{"LCDaChk", "LCDeChk", "LCDfChk", "I2CeChk", "I2CfChk", "I2ClChk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    p.userChoose("LCDgChk");
    EXPECT_EQ(d().LCDport, PortG);
    p.userChoose("I2CdChk");
    EXPECT_EQ(d().I2Cport, PortD);
    // Another controller without port G: the chosen member gives way to none.
    select("p456tiny");
    gotoPage(4);
    EXPECT_TRUE(o().checked("LCDnoneChk"));
    EXPECT_TRUE(o().checked("I2CnoneChk"));
    EXPECT_EQ(d().LCDport, PortNone);
    EXPECT_EQ(d().I2Cport, PortNone);
}

TEST_F(Page4Test, ExternalRamTakesPortsAandC) {
    select("p456xram");
    gotoPage(4);
    for (OptName m : OptNames{"SwitchP1Achk", "SwitchP2Cchk", "LCDaChk", "LCDcChk", "I2CaChk",
                              "I2CcChk", "SwitchP1Lchk", "LCDlChk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    p.userChoose("SwitchP1Achk");
    p.userChoose("SwitchP2Cchk");
    p.userChoose("LCDcChk");
    p.userChoose("I2CaChk");
    EXPECT_EQ(d().SwitchPort2, PinC);
    onFirstPage("RamSpin", "4096", 4);
    for (OptName m : OptNames{"SwitchP1Achk", "SwitchP1Cchk", "SwitchP2Achk", "SwitchP2Cchk",
                              "LCDaChk", "LCDcChk", "I2CaChk", "I2CcChk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    for (OptName m : OptNames{"SwitchP1Bchk", "LCDdChk", "I2CbChk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    for (OptName none : OptNames{"SwitchP1noneChk", "SwitchP2noneChk", "LCDnoneChk", "I2CnoneChk"})
        EXPECT_TRUE(o().checked(none)) << none;
    EXPECT_EQ(d().SwitchPort1, PinNone);
    EXPECT_EQ(d().SwitchPort2, PinNone);
    EXPECT_EQ(d().LCDport, PortNone);
    EXPECT_EQ(d().I2Cport, PortNone);
    EXPECT_FALSE(o().enabled("SwPort1MaskFld"));
}

TEST_F(Page4Test, NoSystemTickNoSwitchPorts) {
    select("p456xram");
    gotoPage(4);
    p.userChoose("SwitchP1Bchk");
    p.userChoose("SwitchP2Dchk");
    onFirstPage("SysTickSpin", "0", 4);
    EXPECT_TRUE(o().checked("SwitchP1noneChk"));
    EXPECT_TRUE(o().checked("SwitchP2noneChk"));
    for (OptName m : OptNames{"SwitchP1Bchk", "SwitchP1Dchk", "SwitchP2Bchk", "SwitchP2Lchk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    for (OptName f : OptNames{"SwPort1MaskFld", "SwPort1PolFld", "SwPort2MaskFld", "SwPort2PolFld"})
        EXPECT_FALSE(o().enabled(f)) << f;
    EXPECT_EQ(d().SwitchPort1, PinNone);
    EXPECT_EQ(d().SwitchPort2, PinNone);
    // The LCD needs no tick.
    EXPECT_TRUE(o().enabled("LCDbChk"));
    // A negative tick is no tick either.
    onFirstPage("SysTickSpin", "-5", 4);
    EXPECT_FALSE(o().enabled("SwitchP1Bchk"));
    onFirstPage("SysTickSpin", "1", 4);
    EXPECT_TRUE(o().enabled("SwitchP1Bchk"));
}

TEST_F(Page4Test, LCDRowsAndColumns) {
    select("p456few");
    gotoPage(4);
    const OptNames lcdOptions = {"LCDrowSel", "LCDcolSel", "LCD44780", "LCD66712",
                                 "LCD0070",   "LCD0073",   "LCD2Ena"};
    for (OptName n : lcdOptions)
        EXPECT_FALSE(o().enabled(n)) << n;
    enter("LCDcolSel", "40"); // a disabled field's value does not count
    EXPECT_EQ(d().LCDcols, 16);
    p.userChoose("LCDbChk");
    for (OptName n : lcdOptions)
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_EQ(d().LCDrows, 2);
    EXPECT_EQ(d().LCDcols, 40);
    p.userSelect("LCDrowSel", 2);
    EXPECT_EQ(d().LCDrows, 4);
    p.userChoose("LCDnoneChk");
    EXPECT_EQ(d().LCDrows, 0);
    EXPECT_EQ(d().LCDcols, 16);
}

TEST_F(Page4Test, I2CPinsCopiedOnlyWithAPort) {
    select("p456few");
    gotoPage(4);
    EXPECT_FALSE(o().enabled("I2CdatSel"));
    EXPECT_FALSE(o().enabled("I2CclkSel"));
    p.userChoose("I2CbChk");
    EXPECT_TRUE(o().enabled("I2CdatSel"));
    EXPECT_EQ(d().I2Cdata, 4);
    EXPECT_EQ(d().I2Cclock, 5);
    enter("I2CdatSel", "1");
    enter("I2CclkSel", "0");
    EXPECT_EQ(d().I2Cdata, 1);
    EXPECT_EQ(d().I2Cclock, 0);
    p.userChoose("I2CnoneChk");
    EXPECT_FALSE(o().enabled("I2CdatSel"));
    EXPECT_EQ(d().I2Cdata, -1);
    EXPECT_EQ(d().I2Cclock, -1);
}

TEST_F(Page4Test, EncoderPortListAndCounter) {
    select("p456xram");
    gotoPage(4);
    EXPECT_EQ(o()["IncPortSpin"].items, (Items{"PinA", "PinB", "PinC", "PinD", "PinE", "PinF",
                                               "PinG", "PinH", "PinJ", "PinK", "PinL"}));
    EXPECT_EQ(o().itemIndex("IncPortSpin"), 0);
    EXPECT_FALSE(o().enabled("IncPortSpin"));
    EXPECT_FALSE(o().enabled("CheckListBoxincrEncBits"));
    p.userSelect("IncCountSpin", 2);
    EXPECT_TRUE(o().enabled("IncPortSpin"));
    EXPECT_TRUE(o().enabled("CheckListBoxincrEncBits"));
    // The phase members only show the phase count.
    EXPECT_FALSE(o().enabled("Incr2chanChk"));
    EXPECT_FALSE(o().enabled("Incr3chanChk"));
    p.userSelect("IncPortSpin", 10);
    EXPECT_EQ(o().text("IncPortSpin"), "PinL");
    // External RAM leaves PinC out; the list keeps the position, not the name.
    onFirstPage("RamSpin", "1024", 4);
    EXPECT_EQ(o()["IncPortSpin"].items, (Items{"PinA", "PinB", "PinD", "PinE", "PinF", "PinG",
                                               "PinH", "PinJ", "PinK", "PinL"}));
    EXPECT_EQ(o().itemIndex("IncPortSpin"), -1);
    select("p456few");
    gotoPage(4);
    EXPECT_EQ(o()["IncPortSpin"].items, (Items{"PinB", "PinD", "PinF"}));
    p.userSelect("IncCountSpin", 0);
    EXPECT_FALSE(o().enabled("IncPortSpin"));
}

TEST_F(EncoderPinTest, TwoAndThreePinsChooseThePhases) {
    select("p456few");
    gotoPage(4);
    p.userSelect("IncCountSpin", 1);
    p.userCheckItem("CheckListBoxincrEncBits", 0, true);
    EXPECT_EQ(d().fIncChannelBits, 0x01);
    EXPECT_TRUE(o().checked("Incr2chanChk"));
    p.userCheckItem("CheckListBoxincrEncBits", 5, true);
    EXPECT_EQ(d().fIncChannelBits, 0x21);
    EXPECT_TRUE(o().checked("Incr2chanChk"));
    p.userCheckItem("CheckListBoxincrEncBits", 7, true);
    EXPECT_EQ(d().fIncChannelBits, 0xA1);
    EXPECT_TRUE(o().checked("Incr3chanChk"));
    // A fourth pin changes only the bits.
    p.userCheckItem("CheckListBoxincrEncBits", 2, true);
    EXPECT_EQ(d().fIncChannelBits, 0xA5);
    EXPECT_TRUE(o().checked("Incr3chanChk"));
    p.userCheckItem("CheckListBoxincrEncBits", 7, false);
    EXPECT_EQ(d().fIncChannelBits, 0x25);
    EXPECT_TRUE(o().checked("Incr3chanChk"));
    p.userCheckItem("CheckListBoxincrEncBits", 0, false);
    EXPECT_EQ(d().fIncChannelBits, 0x24);
    EXPECT_TRUE(o().checked("Incr2chanChk"));
    // One pin, or none: the phase member stays.
    p.userCheckItem("CheckListBoxincrEncBits", 5, false);
    p.userCheckItem("CheckListBoxincrEncBits", 2, false);
    EXPECT_EQ(d().fIncChannelBits, 0);
    EXPECT_TRUE(o().checked("Incr2chanChk"));
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(EncoderPinTest, ClearsTheBuiltFlag) {
    select("p456few");
    gotoPage(4);
    p.userSelect("IncCountSpin", 1);
    p.setBuilt(true);
    p.userCheckItem("CheckListBoxincrEncBits", 3, true); // one pin: no phase change
    EXPECT_FALSE(p.built());
}

TEST_F(SwitchMaskFilterTest, OnlyDigitsAndUpperCaseHexLetters) {
    for (OptName f :
         OptNames{"SwPort1MaskFld", "SwPort1PolFld", "SwPort2MaskFld", "SwPort2PolFld"}) {
        const OptionDef& def = *o()[f].def;
        EXPECT_EQ(typedCharacters(def), "0123456789ABCDEF") << f;
        for (char c : std::string("0123456789ABCDEF"))
            EXPECT_TRUE(acceptsTyped(def, c)) << f << ' ' << c;
        for (char c : std::string("abcdefGZz$ _-x"))
            EXPECT_FALSE(acceptsTyped(def, c)) << f << ' ' << c;
        EXPECT_TRUE(acceptsText(def, "$00"));
        EXPECT_TRUE(acceptsText(def, "$F0"));
        EXPECT_TRUE(acceptsText(def, "$A"));
        EXPECT_FALSE(acceptsText(def, "$f0"));
        EXPECT_FALSE(acceptsText(def, "$0g"));
        EXPECT_FALSE(acceptsText(def, "$G1"));
        EXPECT_FALSE(acceptsText(def, "$$1"));
    }
    // Other texts keep to their masks alone.
    EXPECT_TRUE(typedCharacters(*o()["GraphXEdit"].def).empty());
    EXPECT_TRUE(acceptsText(*o()["PixFontEdit"].def, "font.pchr"));
}

// ---- Page 5: segment display, stepper, keyboards ----

TEST_F(Page5Test, DisplayPortFollowsThePortRegisters) {
    select("p456few"); // output registers of B, D and E
    gotoPage(5);
    EXPECT_EQ(o().text("Tab"), "soft driver import II");
    for (OptName m : OptNames{"Disp7bChk", "Disp7dChk", "Disp7eChk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    for (OptName m : OptNames{"Disp7aChk", "Disp7fChk", "Disp7gChk", "Disp7lChk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    p.userChoose("Disp7eChk");
    EXPECT_EQ(d().Disp7sPort, PortE);
    onFirstPage("SysTickSpin", "0", 5);
    EXPECT_TRUE(o().checked("Disp7noneChk"));
    EXPECT_FALSE(o().enabled("Disp7eChk"));
    EXPECT_FALSE(o().enabled("Disp7bChk"));
    EXPECT_EQ(d().Disp7sPort, PortNone);
}

TEST_F(Page5Test, DisplayOptionsNeedAPort) {
    select("p456xram");
    gotoPage(5);
    const OptNames options = {"Disp7iDatChk", "Disp7xDatChk",  "Disp7SizeSpin", "MuxD7Chk",
                              "NonMuxD7Chk",  "WrapD7Chk",     "ShiftRD7Chk",   "ShiftLD7Chk",
                              "DspBlankChk",  "Disp7StartSpin"};
    for (OptName n : options)
        EXPECT_FALSE(o().enabled(n)) << n;
    p.userChoose("Disp7bChk");
    for (OptName n : options)
        EXPECT_EQ(o().enabled(n), n != "Disp7xDatChk") << n;
    EXPECT_FALSE(o().enabled("Disp7xDatChk")); // no external RAM yet
    onFirstPage("RamSpin", "2048", 5);
    EXPECT_TRUE(o().enabled("Disp7xDatChk"));
    p.userChoose("Disp7xDatChk");
    onFirstPage("RamSpin", "0", 5);
    EXPECT_TRUE(o().checked("Disp7iDatChk"));
    EXPECT_FALSE(o().enabled("Disp7xDatChk"));
    enter("Disp7StartSpin", "2");
    p.userChoose("Disp7noneChk");
    EXPECT_EQ(o().value("Disp7StartSpin"), 0);
}

TEST_F(Page5Test, LongDisplaysAreMultiplexedAndTheFirstBitIsLimited) {
    select("p456xram");
    gotoPage(5);
    p.userChoose("Disp7dChk");
    enter("Disp7SizeSpin", "16");
    EXPECT_TRUE(o().enabled("MuxD7Chk"));
    EXPECT_TRUE(o().enabled("NonMuxD7Chk"));
    // Mux and blank pin: at most bit 3. A bit above the bound is refused as typed, as
    // pramlet-cli refuses it; the value taken before stays.
    EXPECT_EQ(o()["Disp7StartSpin"].maxValue, 3);
    const int before = o().value("Disp7StartSpin");
    enter("Disp7StartSpin", "7");
    EXPECT_EQ(o().value("Disp7StartSpin"), before);
    EXPECT_EQ(o()["Disp7StartSpin"].refused, "7");
    enter("Disp7StartSpin", "3");
    EXPECT_EQ(o().value("Disp7StartSpin"), 3);
    EXPECT_EQ(o()["Disp7StartSpin"].refused, "");
    p.userChoose("NonMuxD7Chk");
    EXPECT_EQ(o()["Disp7StartSpin"].maxValue, 4);
    enter("Disp7StartSpin", "7");
    EXPECT_EQ(o().value("Disp7StartSpin"), 3);
    enter("Disp7StartSpin", "4");
    EXPECT_EQ(o().value("Disp7StartSpin"), 4);
    p.userCheck("DspBlankChk", false);
    EXPECT_EQ(o()["Disp7StartSpin"].maxValue, 5);
    enter("Disp7StartSpin", "5");
    EXPECT_EQ(o().value("Disp7StartSpin"), 5);
    // A bound that shrinks under a value lowers it.
    p.userChoose("MuxD7Chk");
    EXPECT_EQ(o()["Disp7StartSpin"].maxValue, 4);
    EXPECT_EQ(o().value("Disp7StartSpin"), 4);
    enter("Disp7SizeSpin", "20");
    EXPECT_FALSE(o().enabled("MuxD7Chk"));
    EXPECT_FALSE(o().enabled("NonMuxD7Chk"));
}

TEST_F(Page5Test, TwentyDigitsNonMuxWithoutBlankLowersSevenToFive) {
    select("p456xram");
    gotoPage(5);
    p.userChoose("Disp7bChk");
    p.userChoose("NonMuxD7Chk");
    p.userCheck("DspBlankChk", false);
    enter("Disp7SizeSpin", "20");
    p.opts().setText("Disp7StartSpin", "7"); // typed and not yet left
    gotoPage(6);
    gotoPage(5);
    EXPECT_EQ(o().value("Disp7StartSpin"), 5);
    EXPECT_FALSE(o().enabled("MuxD7Chk"));
    EXPECT_TRUE(o().checked("NonMuxD7Chk"));
}

TEST_F(Page5Test, StepperPorts) {
    select("p456few");
    gotoPage(5);
    EXPECT_FALSE(o().enabled("StepMaxSpin"));
    EXPECT_FALSE(o().enabled("StepTypeSpin"));
    EXPECT_TRUE(o().enabled("StepperUSRchk"));
    EXPECT_TRUE(o().enabled("StepperEchk"));  // an output register
    EXPECT_FALSE(o().enabled("StepperFchk")); // only an input register
    EXPECT_FALSE(o().enabled("StepperGchk")); // only a direction register
    EXPECT_EQ(d().StepPort, PortNone);
    p.userChoose("StepperEchk");
    EXPECT_TRUE(o().enabled("StepMaxSpin"));
    EXPECT_TRUE(o().enabled("StepTypeSpin"));
    EXPECT_EQ(d().StepPort, PortE);
    p.userChoose("StepperUSRchk");
    EXPECT_EQ(d().StepPort, UserPort);
    EXPECT_TRUE(o().enabled("StepMaxSpin"));
    EXPECT_FALSE(o().enabled("StepTypeSpin"));
    // The user port stays on any controller.
    select("p456tiny");
    gotoPage(5);
    EXPECT_TRUE(o().checked("StepperUSRchk"));
    EXPECT_EQ(d().StepPort, UserPort);
    p.userChoose("StepperBchk");
    select("p456xram");
    onFirstPage("RamSpin", "1024", 5);
    EXPECT_TRUE(o().checked("StepperBchk"));
    p.userChoose("StepperCchk"); // disabled under external RAM: the window cannot do this
    EXPECT_TRUE(o().checked("StepperNoneChk"));
    EXPECT_EQ(d().StepPort, PortNone);
}

TEST_F(Page5Test, KeyboardsNeedTheSystemTickAndExcludeEachOther) {
    select("p456few");
    gotoPage(5);
    EXPECT_TRUE(o().enabled("KeyBoard4Chk"));
    p.userCheck("KeyBoard4Chk", true);
    p.userCheck("KeyBoard8Chk", true);
    EXPECT_FALSE(o().checked("KeyBoard4Chk"));
    EXPECT_TRUE(o().checked("KeyBoard8Chk"));
    p.userCheck("KeyBoard4Chk", true);
    EXPECT_FALSE(o().checked("KeyBoard8Chk"));
    onFirstPage("SysTickSpin", "0", 5);
    EXPECT_FALSE(o().checked("KeyBoard4Chk"));
    EXPECT_FALSE(o().enabled("KeyBoard4Chk"));
    EXPECT_FALSE(o().enabled("KeyBoard8Chk"));
    // "not 0": a negative tick keeps them.
    onFirstPage("SysTickSpin", "-1", 5);
    EXPECT_TRUE(o().enabled("KeyBoard4Chk"));
}

TEST_F(Page5Test, KeyboardPortsAreOfferedWhileAKeyboardIsImported) {
    select("p456few");
    gotoPage(5);
    // No keyboard: every member is disabled and the default row and column are unchecked.
    EXPECT_FALSE(o().enabled("KeybRBchk"));
    EXPECT_FALSE(o().checked("KeybRAchk"));
    EXPECT_FALSE(o().checked("KeybCAchk"));
    EXPECT_EQ(d().KeyBRport, PortNone);
    EXPECT_EQ(d().KeyBCport, PinNone);
    p.userCheck("KeyBoard4Chk", true);
    for (OptName m :
         OptNames{"KeybRBchk", "KeybRDchk", "KeybREchk", "KeybCBchk", "KeybCDchk", "KeybCFchk"})
        EXPECT_TRUE(o().enabled(m)) << m;
    for (OptName m : OptNames{"KeybRAchk", "KeybRFchk", "KeybRGchk", "KeybCEchk", "KeybCGchk"})
        EXPECT_FALSE(o().enabled(m)) << m;
    EXPECT_EQ(d().KeyBRport, PortNone); // nothing chosen yet
    p.userChoose("KeybREchk");
    p.userChoose("KeybCFchk");
    EXPECT_EQ(d().KeyBRport, PortE);
    EXPECT_EQ(d().KeyBCport, PinF);
    p.userCheck("KeyBoard4Chk", false);
    EXPECT_EQ(d().KeyBRport, PortNone);
    EXPECT_EQ(d().KeyBCport, PinNone);
    EXPECT_FALSE(o().checked("KeybREchk"));
    EXPECT_FALSE(o().checked("KeybCFchk"));
}

TEST_F(Page5Test, KeyboardPortsUnderExternalRam) {
    select("p456xram");
    gotoPage(5);
    p.userCheck("KeyBoard8Chk", true);
    p.userChoose("KeybRCchk");
    p.userChoose("KeybCAchk");
    EXPECT_EQ(d().KeyBRport, PortC);
    EXPECT_EQ(d().KeyBCport, PinA);
    onFirstPage("RamSpin", "1024", 5);
    EXPECT_FALSE(o().enabled("KeybRCchk"));
    EXPECT_FALSE(o().checked("KeybRCchk"));
    EXPECT_FALSE(o().enabled("KeybCAchk"));
    EXPECT_TRUE(o().enabled("KeybRLchk"));
    EXPECT_EQ(d().KeyBRport, PortNone);
    EXPECT_EQ(d().KeyBCport, PinNone);
}

TEST_F(Page5Test, KeyboardSizes) {
    select("p456few");
    gotoPage(5);
    const OptNames sizes = {"KbRowFirstSpin", "KbColFirstSpin", "KbRowCountSpin", "KbColCountSpin"};
    for (OptName n : sizes) {
        EXPECT_FALSE(o().enabled(n)) << n;
        EXPECT_TRUE(o()[n].visible) << n;
    }
    EXPECT_EQ(o()["KbRowCountSpin"].maxValue, 2);
    p.userCheck("KeyBoard8Chk", true);
    EXPECT_FALSE(o()["KbColCountSpin"].visible);
    EXPECT_FALSE(o()["KbColFirstSpin"].visible);
    EXPECT_FALSE(o().enabled("KbColCountSpin"));
    EXPECT_TRUE(o().enabled("KbRowFirstSpin"));
    EXPECT_TRUE(o().enabled("KbRowCountSpin"));
    EXPECT_EQ(o()["KbRowCountSpin"].maxValue, 6);
    p.userCheck("KeyBoard4Chk", true);
    for (OptName n : sizes) {
        EXPECT_TRUE(o().enabled(n)) << n;
        EXPECT_TRUE(o()[n].visible) << n;
    }
    EXPECT_EQ(o()["KbRowCountSpin"].maxValue, 2);
    p.userCheck("KeyBoard4Chk", false);
    for (OptName n : sizes)
        EXPECT_TRUE(o()[n].visible) << n;
    EXPECT_FALSE(o().enabled("KbRowFirstSpin"));
}

// ---- Page 6: file system, LAN, sound ----

TEST_F(Page6Test, DisksAreUsedInOrder) {
    select("p456few");
    gotoPage(6);
    EXPECT_EQ(o().text("Tab"), "soft driver import III");
    for (OptName n : OptNames{"DiskBSpin", "DiskCSpin", "DiskDSpin", "DiskBROChk", "DiskCROChk",
                              "DiskDROChk", "FileiDatChk", "FilexDatChk", "FHandlesSpin"})
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_TRUE(o().enabled("DiskAROChk"));
    enter("DiskASpin", "64");
    EXPECT_TRUE(o().enabled("FHandlesSpin"));
    EXPECT_TRUE(o().enabled("FileiDatChk"));
    EXPECT_FALSE(o().enabled("FilexDatChk")); // no external RAM
    EXPECT_TRUE(o().enabled("DiskBSpin"));
    EXPECT_TRUE(o().enabled("DiskBROChk"));
    EXPECT_FALSE(o().enabled("DiskCSpin"));
    enter("DiskBSpin", "32");
    EXPECT_TRUE(o().enabled("DiskCSpin"));
    EXPECT_TRUE(o().enabled("DiskCROChk"));
    EXPECT_FALSE(o().enabled("DiskDSpin"));
    enter("DiskCSpin", "64");
    EXPECT_TRUE(o().enabled("DiskDSpin"));
    EXPECT_TRUE(o().enabled("DiskDROChk"));
    enter("DiskDSpin", "16");
    p.userCheck("DiskCROChk", true);
    // Taking disk B away takes C and D with it.
    enter("DiskBSpin", "0");
    EXPECT_EQ(o().value("DiskCSpin"), 0);
    EXPECT_EQ(o().value("DiskDSpin"), 0);
    EXPECT_FALSE(o().enabled("DiskCSpin"));
    EXPECT_FALSE(o().enabled("DiskCROChk"));
    EXPECT_FALSE(o().enabled("DiskDROChk"));
    EXPECT_TRUE(o().checked("DiskCROChk")); // disabled, not unchecked
    enter("DiskBSpin", "8");
    enter("DiskCSpin", "8");
    enter("DiskDSpin", "8");
    enter("DiskCSpin", "0");
    EXPECT_EQ(o().value("DiskDSpin"), 0);
    EXPECT_FALSE(o().enabled("DiskDSpin"));
    EXPECT_EQ(o().value("DiskBSpin"), 8);
    enter("DiskASpin", "0");
    EXPECT_EQ(o().value("DiskBSpin"), 0);
    for (OptName n : OptNames{"DiskBSpin", "FileiDatChk", "FHandlesSpin", "DiskBROChk"})
        EXPECT_FALSE(o().enabled(n)) << n;
}

TEST_F(Page6Test, DiskCIsClearedOnEnteringThePage) {
    select("p456few");
    gotoPage(6);
    enter("DiskASpin", "64");
    enter("DiskBSpin", "32");
    enter("DiskCSpin", "64");
    p.opts().setValue("DiskBSpin", 0); // as a file a user could not make reads it
    gotoPage(5);
    gotoPage(6);
    EXPECT_EQ(o().value("DiskCSpin"), 0);
}

TEST_F(Page6Test, FileBuffersInExternalRamOnlyWithIt) {
    select("p456xram");
    onFirstPage("RamSpin", "8192", 6);
    enter("DiskASpin", "64");
    EXPECT_TRUE(o().enabled("FilexDatChk"));
    p.userChoose("FilexDatChk");
    onFirstPage("RamSpin", "0", 6);
    EXPECT_TRUE(o().checked("FileiDatChk"));
    EXPECT_FALSE(o().enabled("FilexDatChk"));
    // A RAM size kept from a controller with external memory counts for nothing here.
    onFirstPage("RamSpin", "8192", 6);
    p.userChoose("FilexDatChk");
    select("p456few");
    gotoPage(6);
    EXPECT_EQ(o().value("RamSpin"), 8192);
    EXPECT_TRUE(o().checked("FileiDatChk"));
    EXPECT_FALSE(o().enabled("FilexDatChk"));
}

TEST_F(Page6Test, LanListsAndControls) {
    const OptNames controls = {"LANFrameSpin", "LANAddrSpin", "LANCheckSpin", "LANbaudSpin",
                               "LANiDatChk",   "LANbitSpin",  "LanModeChk",   "ComboBoxLANPort"};
    select("p456few");
    gotoPage(6);
    EXPECT_EQ(o()["LanSciSpin"].items, (Items{"None", "SerPort"}));
    EXPECT_EQ(o().itemIndex("LanSciSpin"), 0);
    for (OptName n : controls)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("LANxDatChk"));
    EXPECT_FALSE(o().enabled("LANmaskChk"));
    EXPECT_EQ(o()["ComboBoxLANPort"].items, (Items{"None", "2 byte adr"})); // not refilled yet
    p.userSelect("LanSciSpin", 1);
    for (OptName n : controls)
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_EQ(o()["ComboBoxLANPort"].items, (Items{"PortB", "PortD", "PortE"}));
    EXPECT_FALSE(o().enabled("LANmaskChk"));
    EXPECT_FALSE(o().enabled("LANxDatChk")); // no external RAM
    p.userSelect("LanModeChk", 1);
    EXPECT_TRUE(o().enabled("LANmaskChk"));
    p.userSelect("LanModeChk", 0);
    EXPECT_FALSE(o().enabled("LANmaskChk"));
    p.userSelect("LanSciSpin", 0);
    for (OptName n : controls)
        EXPECT_FALSE(o().enabled(n)) << n;

    select("p456xram");
    gotoPage(6);
    EXPECT_EQ(o()["LanSciSpin"].items, (Items{"None", "SerPort", "SerPort2"}));
    p.userSelect("LanSciSpin", 2);
    EXPECT_EQ(o()["ComboBoxLANPort"].items.size(), 11u); // the port list keeps A and C
    // The tiny controller has no serial port, but the list offers the first one.
    select("p456tiny");
    gotoPage(6);
    EXPECT_EQ(o()["LanSciSpin"].items, (Items{"None", "SerPort"}));
    EXPECT_EQ(o().itemIndex("LanSciSpin"), -1); // SerPort2 is gone
    EXPECT_TRUE(o().enabled("LANFrameSpin"));   // no item is not "None"
}

TEST_F(Page6Test, LanBufferInExternalRamOnlyWithIt) {
    select("p456xram");
    gotoPage(6);
    p.userSelect("LanSciSpin", 1);
    EXPECT_FALSE(o().enabled("LANxDatChk"));
    onFirstPage("RamSpin", "4096", 6);
    EXPECT_TRUE(o().enabled("LANxDatChk"));
    p.userChoose("LANxDatChk");
    onFirstPage("RamSpin", "0", 6);
    EXPECT_TRUE(o().checked("LANiDatChk"));
    EXPECT_FALSE(o().enabled("LANxDatChk"));
}

TEST_F(Page6Test, SoundPortList) {
    select("p456few");
    gotoPage(6);
    EXPECT_EQ(o()["ComboBoxSound"].items, (Items{"none", "PortB", "PortD", "PortE"}));
    EXPECT_EQ(o().itemIndex("ComboBoxSound"), 0);
    EXPECT_FALSE(o().enabled("SoundBitSpin"));
    p.userSelect("ComboBoxSound", 3);
    EXPECT_TRUE(o().enabled("SoundBitSpin"));
    select("p456tiny");
    gotoPage(6);
    EXPECT_EQ(o()["ComboBoxSound"].items, (Items{"none", "PortB"}));
    EXPECT_EQ(o().itemIndex("ComboBoxSound"), -1);
    EXPECT_TRUE(o().enabled("SoundBitSpin")); // no item is not "none"
}

// ---- Page 6: the graphic LCD's own handlers ----

TEST_F(LCDgraphicsTest, TheBoxEnablesItsOptions) {
    select("p456few");
    gotoPage(6);
    const OptNames options = {"GraphXEdit",  "GraphYEdit",      "LCDgraphModeChk", "PixFontChk",
                              "PixFontEdit", "LCDGraphiDatChk", "ViewPspin"};
    p.setBuilt(true);
    p.userCheck("LCDgraphChk", true);
    EXPECT_TRUE(p.built());
    for (OptName n : options)
        EXPECT_TRUE(o().enabled(n)) << n;
    EXPECT_FALSE(o().enabled("LCDGraphxDatChk")); // no external RAM
    p.userCheck("PixFontChk", true);
    EXPECT_TRUE(p.built());
    EXPECT_TRUE(o().enabled("PixFontEdit"));
    p.userCheck("PixFontChk", false);
    EXPECT_FALSE(o().enabled("PixFontEdit"));
    p.userCheck("PixFontChk", true);
    p.userCheck("LCDgraphChk", false);
    EXPECT_FALSE(o().checked("PixFontChk"));
    for (OptName n : options)
        EXPECT_FALSE(o().enabled(n)) << n;
    EXPECT_TRUE(p.built());
    // Page rules that run meanwhile leave them as the box set them.
    p.userCheck("LCDgraphChk", true);
    enter("DiskASpin", "1");
    EXPECT_TRUE(o().enabled("GraphXEdit"));
    EXPECT_TRUE(o().enabled("PixFontEdit"));
}

TEST_F(LCDgraphicsTest, GraphicsBufferInExternalRamOnlyWithIt) {
    select("p456xram");
    onFirstPage("RamSpin", "4096", 6);
    EXPECT_FALSE(o().enabled("LCDGraphxDatChk"));
    p.userCheck("LCDgraphChk", true);
    EXPECT_TRUE(o().enabled("LCDGraphxDatChk"));
    p.userChoose("LCDGraphxDatChk");
    onFirstPage("RamSpin", "0", 6);
    EXPECT_TRUE(o().checked("LCDGraphiDatChk"));
    EXPECT_FALSE(o().enabled("LCDGraphxDatChk"));
    p.userCheck("LCDgraphChk", false);
    EXPECT_FALSE(o().enabled("LCDGraphiDatChk"));
}

TEST_F(LCDgraphicsTest, SizeOutOfRangeIsReportedOnLeavingTheField) {
    select("p456few");
    gotoPage(6);
    p.userCheck("LCDgraphChk", true);
    const Entry xError{"error", "LCD Graphics\rX-Size not in range of 16..640", "OK"};
    const Entry yError{"error", "LCD Graphics\rY-Size not in range of 16..640", "OK"};
    p.setBuilt(true);
    for (const char* bad : {"8", "700", "641", "15", "0", "abc", ""}) {
        dialogs.entries.clear();
        p.userType("GraphXEdit", bad);
        EXPECT_TRUE(dialogs.entries.empty()) << bad; // typing alone shows nothing
        p.userLeave("GraphXEdit");
        EXPECT_EQ(dialogs.entries, (std::vector<Entry>{xError})) << bad;
        EXPECT_EQ(o().text("GraphXEdit"), bad);
        dialogs.entries.clear();
        enter("GraphYEdit", bad);
        EXPECT_EQ(dialogs.entries, (std::vector<Entry>{yError})) << bad;
        EXPECT_EQ(o().text("GraphYEdit"), bad);
    }
    EXPECT_TRUE(p.built());
    for (const char* good : {"16", "640", "128", "064"}) {
        dialogs.entries.clear();
        enter("GraphXEdit", good);
        enter("GraphYEdit", good);
        EXPECT_TRUE(dialogs.entries.empty()) << good;
    }
    // Each leaving of a bad size shows the box again.
    dialogs.entries.clear();
    p.userType("GraphXEdit", "9");
    p.userLeave("GraphXEdit");
    p.userLeave("GraphXEdit");
    EXPECT_EQ(dialogs.entries.size(), 2u);
}

// ---- The handler rows of the three pages ----

TEST_F(SoftDriverHandlersTest, OptionsWithoutHandler) {
    for (const char* n : {"LCD44780", "LCD66712", "LCD0070", "LCD0073", "StepTypeSpin",
                          "UsrDatDevSpin", "BankPortSpin", "PixFontEdit", "LCDgraphModeChk",
                          "ViewPspin", "DiskAROChk", "DiskBROChk", "DiskCROChk", "DiskDROChk"})
        for (Trigger t : {Trigger::Click, Trigger::Edit, Trigger::Leave})
            EXPECT_EQ(handlerFor(n, t), Handler::None) << n;
}

TEST_F(SoftDriverHandlersTest, PageHandlersAndOwnHandlers) {
    EXPECT_EQ(handlerFor("SwitchP1Bchk", Trigger::Click), Handler::Drivers2Click);
    EXPECT_EQ(handlerFor("SwPort1MaskFld", Trigger::Leave), Handler::Drivers2Click);
    EXPECT_EQ(handlerFor("SwPort1MaskFld", Trigger::Edit), Handler::None);
    EXPECT_EQ(handlerFor("IncCountSpin", Trigger::Click), Handler::Drivers2Click);
    EXPECT_EQ(handlerFor("CheckListBoxincrEncBits", Trigger::Click),
              Handler::CheckListBoxincrEncBitsClickCheck);
    EXPECT_EQ(handlerFor("Disp7SizeSpin", Trigger::Leave), Handler::Drivers3Click);
    EXPECT_EQ(handlerFor("KeybRBchk", Trigger::Click), Handler::Drivers3Click);
    EXPECT_EQ(handlerFor("KeyBoard4Chk", Trigger::Click), Handler::KeyBoard4ChkClick);
    EXPECT_EQ(handlerFor("KeyBoard8Chk", Trigger::Click), Handler::KeyBoard8ChkClick);
    EXPECT_EQ(handlerFor("DiskASpin", Trigger::Leave), Handler::LANdrvClick);
    EXPECT_EQ(handlerFor("LanModeChk", Trigger::Click), Handler::LANdrvClick);
    EXPECT_EQ(handlerFor("ComboBoxSound", Trigger::Click), Handler::LANdrvClick);
    EXPECT_EQ(handlerFor("LCDGraphxDatChk", Trigger::Click), Handler::LANdrvClick);
    EXPECT_EQ(handlerFor("LCDgraphChk", Trigger::Click), Handler::LCDgraphChkClick);
    EXPECT_EQ(handlerFor("PixFontChk", Trigger::Click), Handler::PixFontChkClick);
    EXPECT_EQ(handlerFor("GraphXEdit", Trigger::Leave), Handler::GraphXEditExit);
    EXPECT_EQ(handlerFor("GraphYEdit", Trigger::Leave), Handler::GraphYEditExit);
    EXPECT_EQ(handlerFor("GraphXEdit", Trigger::Edit), Handler::None);
}

TEST_F(SoftDriverHandlersTest, OptionsWithoutHandlerKeepTheBuiltFlag) {
    select("p456few");
    gotoPage(4);
    p.userChoose("LCDbChk");
    p.setBuilt(true);
    p.userChoose("LCD0073");
    EXPECT_TRUE(p.built());
    p.userCheck("LCD2Ena", true);
    EXPECT_FALSE(p.built());
    gotoPage(5);
    p.setBuilt(true);
    enter("BankPortSpin", "3");
    enter("UsrDatDevSpin", "1024");
    EXPECT_TRUE(p.built());
    gotoPage(6);
    p.setBuilt(true);
    p.userCheck("DiskAROChk", true);
    enter("ViewPspin", "3");
    EXPECT_TRUE(p.built());
    enter("LANbaudSpin", "19200"); // disabled in the window; its handler runs all the same
    EXPECT_FALSE(p.built());
}

TEST_F(SoftDriverHandlersTest, RulesTwiceChangeNothing) {
    select("p456xram");
    gotoPage(4);
    p.userChoose("SwitchP1Dchk");
    p.userChoose("LCDbChk");
    gotoPage(5);
    p.userCheck("KeyBoard8Chk", true);
    p.userChoose("KeybRBchk");
    p.userChoose("StepperUSRchk");
    gotoPage(6);
    p.userSelect("LanSciSpin", 2);
    enter("DiskASpin", "8");
    for (int page = 4; page <= 6; ++page) {
        gotoPage(page);
        p.opts().takeChanged();
        p.runPageRules(page);
        EXPECT_EQ(p.opts().takeChanged(), std::vector<std::string>{}) << page;
    }
}

} // namespace
} // namespace pramlet::test
