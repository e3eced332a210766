#include "GeneratorFixture.h"
#include "tests/support/RecordingDialogs.h"

namespace pramlet::test {
namespace {

using HeaderTest = GeneratorTest;

TEST_F(HeaderTest, NameOfTwoCharactersIsRefusedAndChangesNothing) {
    open("mega16g");
    std::vector<std::string> focus;
    p.setFocusRequest([&](OptName option) { focus.emplace_back(option.str()); });
    p.setListing({"kept"});
    p.setBuilt(true);
    o().setText("AppNameEdit", "ab");

    EXPECT_FALSE(BuildApp(p));
    EXPECT_EQ(p.listing(), Listing{"kept"});
    EXPECT_TRUE(p.built());
    EXPECT_EQ(focus, std::vector<std::string>{"AppNameEdit"});
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0],
              (RecordingDialogs::Entry{"error", "specify Application Name!", "OK"}));

    p.setBuilt(false);
    EXPECT_FALSE(Build(p));
    EXPECT_FALSE(p.built());
    EXPECT_FALSE(o().enabled("StoreBtn"));
}

TEST_F(HeaderTest, NameOfThreeCharactersBuildsAndSetsTheFlags) {
    open("mega16g");
    o().setText("AppNameEdit", "abc");
    EXPECT_TRUE(Build(p));
    EXPECT_EQ(p.AppName(), "abc");
    EXPECT_EQ(p.listing().at(0), "program abc;");
    EXPECT_TRUE(p.built());
    for (OptName button : OptNames{"StoreBtn", "ShowBtn", "PrintBtn", "BuildBtn"})
        EXPECT_TRUE(o().enabled(button)) << button;
    EXPECT_TRUE(dialogs.entries.empty());
}

TEST_F(HeaderTest, NameLengthCountsCharactersNotBytes) {
    open("mega16g");
    o().setText("AppNameEdit", "\u00C4\u00D6"); // two characters in four bytes
    EXPECT_FALSE(BuildApp(p));
    ASSERT_EQ(dialogs.entries.size(), 1u);
    EXPECT_EQ(dialogs.entries[0].text, "specify Application Name!");

    o().setText("AppNameEdit", "\u00C4\u00D6\u00DC");
    EXPECT_TRUE(BuildApp(p));
    EXPECT_EQ(p.listing().at(0), "program \u00C4\u00D6\u00DC;");
}

TEST_F(HeaderTest, RebuildStartsFromAnEmptyListing) {
    open("tiny45g");
    const Listing first = build();
    EXPECT_EQ(build(), first);
}

TEST_F(HeaderTest, DefaultHeaderOfAControllerWithoutBootSection) {
    open("tiny45g");
    const Listing h = only(WriteHeader);
    EXPECT_EQ(h, (Listing{"program Demo;", "", "{$NOSHADOW}",
                          "{ $WG}                     {global Warnings off}", "",
                          "Device = tiny45g, VCC=5.0;", ""}));
}

TEST_F(HeaderTest, WarningsMultitaskingAndSupplyVoltage) {
    open("tiny45g");
    o().setChecked("GlobWarnCheck", true);
    d().MultiTasking = tMultiTask::UserInt;
    o().setText("ComboBoxVCC", "3.3");
    EXPECT_EQ(only(WriteHeader),
              (Listing{"program Demo;", "", "{$WG}                      {global Warnings on}", "",
                       "Device = tiny45g, VCC=3.3;", ""}));
}

TEST_F(HeaderTest, BootLinesFollowTheChosenBootArea) {
    open("mega64g"); // areas $7000, $7800, $7C00, $7E00
    o().setItemIndex("ComboBoxBootArea", 2);

    EXPECT_EQ(only(WriteHeader).at(6), "{ $BOOTRST $07C00}         {Reset Jump to $07C00}");
    o().choose("ResJmpBtn");
    EXPECT_EQ(only(WriteHeader).at(6), "{$BOOTRST $07C00}          {Reset Jump to $07C00}");

    o().setChecked("BootBlockChk", true);
    o().setChecked("BootAppChk", true);
    Listing h = only(WriteHeader);
    EXPECT_EQ(h.at(6), "{$BootApplication $7C00}");
    EXPECT_EQ(h.size(), 8u);

    o().setChecked("BootBlockChk", false);
    h = only(WriteHeader);
    EXPECT_EQ(h.size(), 7u) << "neither boot line without the boot block";
    EXPECT_EQ(find(h, "{$Boot"), -1);
    EXPECT_EQ(find(h, "{ $BOOTRST"), -1);

    // No boot area chosen: address 0.
    o().setChecked("BootAppChk", false);
    o().setItemIndex("ComboBoxBootArea", -1);
    EXPECT_EQ(only(WriteHeader).at(6), "{$BOOTRST $00000}          {Reset Jump to $00000}");
}

TEST_F(HeaderTest, BootAddressAboveFFFFKeepsAllDigits) {
    open("mega256g");
    o().setItemIndex("ComboBoxBootArea", 0);
    EXPECT_EQ(only(WriteHeader).at(6), "{ $BOOTRST $1F000}         {Reset Jump to $1F000}");
    o().setChecked("BootBlockChk", true);
    o().setChecked("BootAppChk", true);
    EXPECT_EQ(only(WriteHeader).at(6), "{$BootApplication $1F000}");
}

using FuseBlockTest = GeneratorTest;

TEST_F(FuseBlockTest, WriteNeverGivesNoBlockAndNoEmptyLine) {
    open("tiny45g");
    o().setItemIndex("FuseWrChk", 0);
    EXPECT_TRUE(only(WriteFuseBlock).empty());
    const Listing& l = build();
    EXPECT_EQ(l.at(6), "");
    EXPECT_EQ(l.at(7).rfind("Import ", 0), 0u);
}

TEST_F(FuseBlockTest, InitOnlyAndOverrideWithNoteBookComPortAndSupply) {
    open("tiny45g");
    o().setItemIndex("FuseWrChk", 1);
    o().setItemIndex("NoteBookSpin", 2);
    o().setText("CurrentSpin", "0");
    Listing f = only(WriteFuseBlock);
    EXPECT_EQ(slice(f, "", 3),
              (Listing{"Define_Fuses", "//  Override_Fuses;", "  NoteBook   = C;"}));
    EXPECT_EQ(find(f, "  COMport"), -1);
    EXPECT_EQ(find(f, "  Supply"), -1);
    EXPECT_EQ(PrepareBuild(p, p.AppName()).Current, 0);

    o().setItemIndex("FuseWrChk", 2);
    o().setItemIndex("COMportSpin", 1);
    o().setText("CurrentSpin", "250");
    o().setText("VoltSpin", "3.3");
    f = only(WriteFuseBlock);
    EXPECT_EQ(f.at(1), "  Override_Fuses;");
    EXPECT_EQ(f.at(3), "  COMport    = USB;");
    EXPECT_EQ(f.at(4), "  Supply     = 3.3, 250;");
    EXPECT_EQ(PrepareBuild(p, p.AppName()).Current, 250);
    EXPECT_EQ(PrepareBuild(p, p.AppName()).Voltage1, "3.3");
    EXPECT_EQ(f.back(), "");
}

TEST_F(FuseBlockTest, BitListsNameTheCheckedBitsOfShownAndEnabledGroups) {
    open("mega16g");
    for (OptName group : OptNames{"LockGroup0", "FuseGroup0", "FuseGroup1", "FuseGroup2"})
        o().setVisible(group, true);
    for (OptName list : OptNames{"LockBox0", "FuseBox0", "FuseBox1", "FuseBox2"}) {
        o().setEnabled(list, true);
        for (int bit = 0; bit < 8; ++bit) {
            o().setItemEnabled(list, bit, true);
            o().setItemChecked(list, bit, false);
        }
    }
    o().setItemChecked("FuseBox0", 1, true);
    o().setItemChecked("FuseBox0", 4, true);
    o().setItemChecked("FuseBox1", 7, true);
    // A checked bit that cannot be written does not make a line of its own...
    o().setItemChecked("FuseBox2", 5, true);
    o().setItemEnabled("FuseBox2", 5, false);
    // ...but is named when a writable bit is checked too.
    o().setItemChecked("FuseBox1", 2, true);
    o().setItemEnabled("FuseBox1", 2, false);

    const Listing f = only(WriteFuseBlock);
    const int at = find(f, "  LockBits0");
    ASSERT_GE(at, 0);
    EXPECT_EQ(Listing(f.begin() + at, f.begin() + at + 4),
              (Listing{"  LockBits0 = [];", "  FuseBits0  = [CKSEL1, SUT0];",
                       "  FuseBits1  = [BOOTSZ1, OCDEN];", "  FuseBits2  = [];"}));
}

TEST_F(FuseBlockTest, HiddenGroupsAndDisabledListsGiveNoLine) {
    open("mega16g");
    o().setVisible("LockGroup0", false);
    o().setVisible("FuseGroup0", true);
    o().setEnabled("FuseBox0", false);
    o().setVisible("FuseGroup1", true);
    o().setEnabled("FuseBox1", true);
    o().setVisible("FuseGroup2", false);
    const Listing f = only(WriteFuseBlock);
    EXPECT_EQ(find(f, "  LockBits0"), -1);
    EXPECT_EQ(find(f, "  FuseBits0"), -1);
    EXPECT_NE(find(f, "  FuseBits1"), -1);
    EXPECT_EQ(find(f, "  FuseBits2"), -1);
}

TEST_F(FuseBlockTest, CheckedBitWithoutNameGivesAnEmptyElement) {
    open("tiny45g"); // lock bits 0 and 1 only have names
    o().setVisible("LockGroup0", true);
    o().setEnabled("LockBox0", true);
    for (int bit : {0, 3, 1}) {
        o().setItemEnabled("LockBox0", bit, true);
        o().setItemChecked("LockBox0", bit, true);
    }
    EXPECT_TRUE(contains(only(WriteFuseBlock), "  LockBits0  = [LB1, LB2, ];"));
    o().setItemChecked("LockBox0", 1, false);
    o().setItemChecked("LockBox0", 4, true);
    EXPECT_TRUE(contains(only(WriteFuseBlock), "  LockBits0  = [LB1, , ];"));
}

TEST_F(FuseBlockTest, ProgModeAndWriteOptions) {
    open("mega128g");
    o().choose("prgNoneChk");
    o().setChecked("progOptsEnaChk", false);
    Listing f = only(WriteFuseBlock);
    EXPECT_EQ(find(f, "  ProgMode"), -1);
    EXPECT_EQ(find(f, "  Prog"), -1);

    o().choose("prgSPIchk");
    EXPECT_TRUE(contains(only(WriteFuseBlock), "  ProgMode   = SPI;"));

    o().choose("prgJTAGchk");
    o().setChecked("progOptsEnaChk", true);
    o().setChecked("ProgFuseChk", false);
    o().setChecked("ProgLockChk", true);
    o().setChecked("ProgFlashChk", true);
    o().setChecked("progEEpromChk", false);
    f = only(WriteFuseBlock);
    const int at = find(f, "  ProgMode");
    ASSERT_GE(at, 0);
    EXPECT_EQ(Listing(f.begin() + at, f.end()),
              (Listing{"  ProgMode   = JTAG;", "  ProgFuses  = false;", "  ProgLock   = true;",
                       "  ProgFlash  = true;", "  ProgEEprom = false;", ""}));
}

} // namespace
} // namespace pramlet::test

namespace pramlet::test {
namespace {

// Writers only read: building the same state twice gives the same listing, and a build
// leaves the supply values of its fuse block in the derived values.
TEST_F(FuseBlockTest, SameStateSameListingWhateverWasBuiltBefore) {
    open("tiny45g");
    o().setItemIndex("FuseWrChk", 2);
    o().setText("CurrentSpin", "250");
    o().setText("VoltSpin", "3.3");
    o().setText("AppNameEdit", "Twice");
    ASSERT_TRUE(BuildApp(p));
    const Listing first = p.listing();
    o().setText("CurrentSpin", "0");
    ASSERT_TRUE(BuildApp(p));
    EXPECT_NE(p.listing(), first);
    o().setText("CurrentSpin", "250");
    ASSERT_TRUE(BuildApp(p));
    EXPECT_EQ(p.listing(), first);
    EXPECT_EQ(d().Current, 250);
    EXPECT_EQ(d().Voltage1, "3.3");
}

} // namespace
} // namespace pramlet::test
