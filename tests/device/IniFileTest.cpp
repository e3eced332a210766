#include "device/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

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
    const std::string text =
        "\xEF\xBB\xBF[Device]\nk=1\nK=2\nx\n[memory]\nk=9\n[ DEVICE ]\nm=4\ny\n"
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

// Texts made of lines that look like headers without being ones, brackets inside values and
// comments, blanks before a header and all three line ends: the parse that passes over the
// lines outside the wanted sections must read each section exactly as a plain line by line
// reading does.
TEST(TIniDocument, PassingOverUnwantedLinesReadsEverySectionAsLineByLine) {
    const std::vector<std::string> lines = {"[device]",
                                            "[ Device ]  ",
                                            " \t[device]",
                                            "[memory]",
                                            "[devices]",
                                            "[device",
                                            "device]",
                                            "k=1",
                                            "K = [2]",
                                            "m=[device]",
                                            "x [device]",
                                            ";[device]",
                                            "x",
                                            "[",
                                            "]",
                                            "",
                                            " ",
                                            "\t",
                                            "k=[memory]\t",
                                            "[x] y"};
    const std::vector<std::string> ends = {"\n", "\r\n", "\r"};
    // The plain reading: every line split off, trimmed, then sorted into its section.
    auto plain = [](std::string_view text) {
        std::map<std::string,
                 std::pair<std::map<std::string, std::string>, std::vector<std::string>>>
            sections;
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        std::pair<std::map<std::string, std::string>, std::vector<std::string>>* current = nullptr;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view line = TrimControl(text.substr(start, end - start));
            start = end + 1;
            if (line.empty() || line.front() == ';') continue;
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                current = &sections[AsciiLower(TrimControl(line.substr(1, line.size() - 2)))];
            } else if (current) {
                const std::size_t eq = line.find('=');
                if (eq == std::string_view::npos)
                    current->second.emplace_back(line);
                else
                    current->first.emplace(AsciiLower(TrimControl(line.substr(0, eq))),
                                           std::string(TrimControl(line.substr(eq + 1))));
            }
        }
        return sections;
    };
    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        std::string text = round % 7 == 0 ? "\xEF\xBB\xBF" : "";
        const int count = static_cast<int>(random() % 14);
        for (int i = 0; i < count; ++i) {
            text += lines[random() % lines.size()];
            if (i + 1 < count || random() % 2) text += ends[random() % ends.size()];
        }
        const auto expected = plain(text);
        const auto whole = TIniDocument::FromText(text);
        const auto one = TIniDocument::FromText(text, "device");
        for (const char* section : {"device", "memory", "devices", "x"}) {
            const auto it = expected.find(section);
            const bool has = it != expected.end();
            EXPECT_EQ(whole.HasSection(section), has) << section << " in \"" << text << '"';
            EXPECT_EQ(one.HasSection(section), has && std::string(section) == "device")
                << section << " in \"" << text << '"';
            for (const auto* doc : {&whole, &one}) {
                if (!has || !doc->HasSection(section)) continue;
                EXPECT_EQ(doc->ReadSectionLines(section), it->second.second) << '"' << text << '"';
                for (const char* key : {"k", "m", "x [device]"}) {
                    const auto value = it->second.first.find(key);
                    EXPECT_EQ(doc->HasKey(section, key), value != it->second.first.end());
                    if (value != it->second.first.end()) {
                        EXPECT_EQ(doc->ReadString(section, key), value->second)
                            << '"' << text << '"';
                    }
                }
            }
        }
        if (HasFailure()) break;
    }
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
