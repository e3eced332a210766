#include "device/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace pramlet {
namespace {

TEST(ParseIniInteger, AcceptsDecimalAndBothHexForms) {
    EXPECT_EQ(ParseIniInteger("0"), 0);
    EXPECT_EQ(ParseIniInteger("12"), 12);
    EXPECT_EQ(ParseIniInteger("+7"), 7);
    EXPECT_EQ(ParseIniInteger("-3"), -3);
    EXPECT_EQ(ParseIniInteger("$3F"), 63);
    EXPECT_EQ(ParseIniInteger("$3f"), 63);
    EXPECT_EQ(ParseIniInteger("0x1FF"), 511);
    EXPECT_EQ(ParseIniInteger("0X10"), 16);
    EXPECT_EQ(ParseIniInteger("00"), 0); // two characters: decimal
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
}

TEST(ParseIniInteger, RejectsWhatIsNoNumber) {
    for (const char* text : {"", "$", "0x", "+", "-", "12a", "1.5", " 1", "-$10", "-0x10", "$G1",
                             "0xZZ", "2147483648", "-2147483649", "$100000000", "true"})
        EXPECT_EQ(ParseIniInteger(text), std::nullopt) << '"' << text << '"';
}

TEST(TIniDocument, ParsesSectionsEntriesCommentsAndBareLines) {
    const auto ini = TIniDocument::FromText("before=ignored\n"
                                            "\t[ Device ]  \n"
                                            "; a comment\n"
                                            "  device = ATmega8 \n"
                                            "\n"
                                            "formula=a=b\n"
                                            "[interruptvectors]\n"
                                            "RESET\n"
                                            "INT0\n"
                                            "INT0=1\n"
                                            "  TIMER0 OVF\n");
    EXPECT_FALSE(ini.HasKey("", "before"));
    EXPECT_EQ(ini.ReadString("device", "device"), "ATmega8");
    EXPECT_EQ(ini.ReadString("DEVICE", "DEVICE"), "ATmega8");
    EXPECT_EQ(ini.ReadString("device", "formula"), "a=b");
    EXPECT_FALSE(ini.HasKey("device", "; a comment"));
    EXPECT_EQ(ini.ReadSectionLines("InterruptVectors"),
              (std::vector<std::string>{"RESET", "INT0", "TIMER0 OVF"}));
    EXPECT_EQ(ini.ReadString("interruptvectors", "int0"), "1");
    EXPECT_TRUE(ini.ReadSectionLines("missing").empty());
    EXPECT_EQ(ini.ReadString("device", "missing", "dflt"), "dflt");
}

TEST(TIniDocument, FirstOfEqualKeysWinsAndRepeatedSectionsMerge) {
    const auto ini = TIniDocument::FromText("[a]\nk=1\nK=2\nx\n[b]\n[A]\nk=3\nm=4\ny\n");
    EXPECT_EQ(ini.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "m", 0), 4);
    EXPECT_EQ(ini.ReadSectionLines("a"), (std::vector<std::string>{"x", "y"}));
}

TEST(TIniDocument, OneSectionAloneIsParsedAsTheWholeTextGivesIt) {
    const std::string text = "\xEF\xBB\xBF[Device]\nk=1\nK=2\nx\n[memory]\nk=9\n[ DEVICE ]\nm=4\ny\n"
                             "[devices]\nk=7\n";
    const auto whole = TIniDocument::FromText(text);
    const auto one = TIniDocument::FromText(text, "device");
    EXPECT_EQ(one.ReadInteger("device", "k", 0), 1);
    EXPECT_EQ(one.ReadInteger("device", "m", 0), whole.ReadInteger("device", "m", 0));
    EXPECT_EQ(one.ReadSectionLines("device"), whole.ReadSectionLines("device"));
    EXPECT_EQ(one.ReadSectionLines("device"), (std::vector<std::string>{"x", "y"}));
    EXPECT_FALSE(one.HasSection("memory"));
    EXPECT_FALSE(one.HasSection("devices"));
    EXPECT_TRUE(whole.HasSection("memory"));
}

TEST(TIniDocument, FlagIsTrueOnlyForLowerCaseTrue) {
    const auto ini = TIniDocument::FromText("[s]\na=true\nb=True\nc=TRUE\nd=1\ne=\nf= true \n");
    EXPECT_TRUE(ini.ReadBool("s", "a"));
    EXPECT_FALSE(ini.ReadBool("s", "b"));
    EXPECT_FALSE(ini.ReadBool("s", "c"));
    EXPECT_FALSE(ini.ReadBool("s", "d"));
    EXPECT_FALSE(ini.ReadBool("s", "e"));
    EXPECT_TRUE(ini.ReadBool("s", "f")); // values are trimmed
    EXPECT_FALSE(ini.ReadBool("s", "missing"));
}

TEST(TIniDocument, IntegerFallsBackWhenMissingOrNotANumber) {
    const auto ini = TIniDocument::FromText("[s]\nhex=$3F\nbad=3F\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("s", "hex", -1), 63);
    EXPECT_EQ(ini.ReadInteger("s", "bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("s", "empty", 255), 255);
    EXPECT_EQ(ini.ReadInteger("s", "missing", 255), 255);
}

TEST(TIniDocument, ReadsFilesWithByteOrderMarkAndAnyLineEnd) {
    test::TempDir dir;
    const std::string file =
        dir.write("x.dsc", "\xEF\xBB\xBF[device]\r\ndevice=ATtiny13\r\nHLL=true\rJTAG=true\n");
    const auto ini = TIniDocument::FromFile(file);
    EXPECT_EQ(ini.ReadString("device", "device"), "ATtiny13");
    EXPECT_TRUE(ini.ReadBool("device", "HLL"));
    EXPECT_TRUE(ini.ReadBool("device", "JTAG"));
}

TEST(TIniDocument, MissingFileIsEmpty) {
    test::TempDir dir;
    const auto ini = TIniDocument::FromFile(dir.path() + "none.dsc");
    EXPECT_FALSE(ini.HasSection("device"));
    EXPECT_EQ(ini.ReadString("device", "device"), "");
}

} // namespace
} // namespace pramlet
