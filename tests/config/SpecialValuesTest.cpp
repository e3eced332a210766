#include "config/SpecialValues.h"

#include <gtest/gtest.h>

#include <climits>

using namespace pramlet;

namespace {

std::string ErrorOf(const tSpecialValuesList& table) {
    try {
        table.CheckValid();
    } catch (const SpecialValuesError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(SpecialValuesList, NamesMatchInAnyCaseWithBlanksAround) {
    tSpecialValuesList table({"None=-1", "16ms=0"});
    EXPECT_TRUE(table.IsValid("none"));
    EXPECT_TRUE(table.IsValid("  NONE \t"));
    EXPECT_TRUE(table.IsValid("16MS"));
    EXPECT_FALSE(table.IsValid("non"));
    EXPECT_EQ(table.ValueToInt(" nOnE "), -1);
    EXPECT_EQ(table.ValueToInt("16ms"), 0);
    EXPECT_EQ(table.IntToValue(0), "16ms");
    EXPECT_TRUE(table.IsValid(-1));
    EXPECT_FALSE(table.IsValid(1));
}

TEST(SpecialValuesList, BlanksInsideLinesAreTrimmed) {
    tSpecialValuesList table({"  0.5 sec = 5 "});
    EXPECT_EQ(table.ValueToInt("0.5 sec"), 5);
    EXPECT_EQ(table.IntToValue(5), "0.5 sec");
    EXPECT_NO_THROW(table.CheckValid());
}

TEST(SpecialValuesList, SharedValueShowsFirstName) {
    tSpecialValuesList table({"Off=0", "None=0", "Pin 3=3"});
    EXPECT_EQ(table.IntToValue(0), "Off");
    EXPECT_EQ(table.ValueToInt("None"), 0);
}

TEST(SpecialValuesList, CheckValidMessages) {
    EXPECT_EQ(ErrorOf(tSpecialValuesList({"Off=0", "None"})),
              "Invalid String \"None\" in Special values table");
    EXPECT_EQ(ErrorOf(tSpecialValuesList({"None= x"})),
              "Invalid Value \"x\" in \"None= x\" in Special values table");
    EXPECT_EQ(ErrorOf(tSpecialValuesList({"Big=99999999999"})),
              "Invalid Value \"99999999999\" in \"Big=99999999999\" in Special values table");
    EXPECT_EQ(ErrorOf(tSpecialValuesList()), "no error");
}

TEST(SpecialValuesList, LookupsOnLineWithoutEqualsSign) {
    tSpecialValuesList table({"Off=0", "Broken"});
    EXPECT_TRUE(table.IsValid("off")); // found before the broken line
    try {
        table.IsValid("x");
        FAIL() << "no exception";
    } catch (const SpecialValuesError& e) {
        EXPECT_STREQ(e.what(), "Invalid Value \"Broken\" in Special values table");
    }
    EXPECT_THROW(table.IntToValue(7), SpecialValuesError);
}

TEST(SpecialValuesList, MissingEntriesAndEmptyTable) {
    tSpecialValuesList empty;
    EXPECT_FALSE(empty.IsValid("None"));
    EXPECT_FALSE(empty.IsValid(0));
    try {
        empty.ValueToInt("None");
        FAIL() << "no exception";
    } catch (const ExceptionSpecialValuesList& e) {
        EXPECT_STREQ(e.what(), "Special Value not found");
    }
    tSpecialValuesList table({"None=0"});
    EXPECT_THROW(table.IntToValue(4), ExceptionSpecialValuesList);
    EXPECT_THROW(table.ValueToInt("Nonex"), ExceptionSpecialValuesList);
}

TEST(SpinRulesTest, ReadsNamesNumbersAndFallsBackToMinValue) {
    tSpecialValuesList table({"None=-1", "16ms=0"});
    SpinRules rules{1, 15, &table};
    EXPECT_EQ(rules.read(" NONE "), -1);
    EXPECT_EQ(rules.read("42"), 42); // no clamping on reading
    EXPECT_EQ(rules.read("12a"), 1);
    EXPECT_EQ(rules.read(""), 1);
    EXPECT_EQ(rules.read("+7"), 7);
    EXPECT_EQ(rules.read("+-7"), 1);
}

TEST(SpinRulesTest, WritesNamesAndClampsUnlessBoundsEqual) {
    tSpecialValuesList table({"None=-1", "16ms=0"});
    SpinRules rules{1, 15, &table};
    EXPECT_EQ(rules.write(0), "16ms");
    EXPECT_EQ(rules.write(-1), "None");
    EXPECT_EQ(rules.write(20), "15");
    EXPECT_EQ(rules.write(-5), "1");
    EXPECT_EQ((SpinRules{0, 0, nullptr}.write(20)), "20");
    EXPECT_EQ((SpinRules{5, 5, nullptr}.write(-20)), "-20");
    // Bounds in the wrong order: the lower bound wins instead of undefined behaviour.
    EXPECT_EQ((SpinRules{10, 5, nullptr}.write(7)), "10");
    EXPECT_EQ((SpinRules{INT_MIN, INT_MAX, nullptr}.write(INT_MAX)), std::to_string(INT_MAX));
}

TEST(SpinRulesTest, Validity) {
    SpinRules noRange{0, 0, nullptr};
    EXPECT_TRUE(noRange.isValid("-123456"));
    EXPECT_FALSE(noRange.isValid("12a"));
    EXPECT_FALSE(noRange.isValid(""));

    SpinRules range{1, 15, nullptr};
    EXPECT_FALSE(range.isValid("0"));
    EXPECT_TRUE(range.isValid("15"));
    EXPECT_FALSE(range.isValid("16"));

    // Only 0..0 means "no range".
    SpinRules small{-1, 0, nullptr};
    EXPECT_TRUE(small.isValid("-1"));
    EXPECT_TRUE(small.isValid("0"));
    EXPECT_FALSE(small.isValid("1"));
    EXPECT_FALSE(small.isValid("-2"));

    tSpecialValuesList table({"Off=100"});
    SpinRules special{1, 15, &table};
    EXPECT_TRUE(special.isValid(" off")); // names are valid outside the range
    EXPECT_FALSE(special.isValid("100")); // the number itself is not
}
