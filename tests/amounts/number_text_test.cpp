#include "amounts/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace lumtar {
namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

class FormatFixed2Test : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed2Test, WritesTwoDecimals) {
    EXPECT_EQ(FormatFixed2(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, FormatFixed2Test,
    testing::Values(FormatCase{"Whole", 2300, "2300.00"}, FormatCase{"Zero", 0, "0.00"},
                    FormatCase{"LeadingZero", 0.5, "0.50"},
                    FormatCase{"HalfAwayFromZeroAsRead", 1.005, "1.01"},
                    FormatCase{"HalfAwayFromZeroNegative", -1.005, "-1.01"},
                    FormatCase{"ThirdRoundsDown", 766.6666666666666, "766.67"},
                    FormatCase{"BelowHalfCent", 50.00025, "50.00"},
                    FormatCase{"CarryAcrossPoint", 9.995, "10.00"},
                    FormatCase{"NegativeHairIsZero", -1e-12, "0.00"},
                    FormatCase{"TinyRoundsToCent", 0.005, "0.01"},
                    FormatCase{"Huge", 1e20, "100000000000000000000.00"},
                    FormatCase{"Infinity", std::numeric_limits<double>::infinity(), "INF"},
                    FormatCase{"Nan", std::nan(""), "NAN"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    const char* text;
    bool ok;
    double value;
};

class ParseFloatTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseFloatTest, ReadsTheAmountFieldsForms) {
    const auto value = ParseFloat(GetParam().text);
    ASSERT_EQ(value.has_value(), GetParam().ok);
    if (GetParam().ok) {
        EXPECT_DOUBLE_EQ(*value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, ParseFloatTest,
    testing::Values(ParseCase{"Digits", "1500", true, 1500},
                    ParseCase{"BlanksAround", " 1500 ", true, 1500},
                    ParseCase{"Decimal", "1234.56", true, 1234.56},
                    ParseCase{"Signed", "-5", true, -5}, ParseCase{"Plus", "+5", true, 5},
                    ParseCase{"Exponent", "1e20", true, 1e20},
                    ParseCase{"ExponentBeingTyped", "1e", true, 1},
                    ParseCase{"SignedExponentBeingTyped", "1e-", true, 1},
                    ParseCase{"LeadingPoint", ".5", true, 0.5},
                    ParseCase{"TrailingPoint", "5.", true, 5},
                    ParseCase{"Empty", "", false, 0}, ParseCase{"Blank", " ", false, 0},
                    ParseCase{"Comma", "1,500", false, 0},
                    ParseCase{"Letter", "12a", false, 0}, ParseCase{"LoneSign", "-", false, 0},
                    ParseCase{"TwoPoints", "1.2.3", false, 0},
                    ParseCase{"InfinityWord", "inf", false, 0},
                    ParseCase{"NanWord", "nan", false, 0}, ParseCase{"Hex", "0x10", false, 0},
                    ParseCase{"Overflow", "1e400", false, 0},
                    ParseCase{"InnerBlank", "1 5", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrToFloatTest, NamesTheTextInItsError) {
    try {
        StrToFloat("abc");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(ParseInt32Test, AcceptsOnlyWhole32BitNumbers) {
    EXPECT_EQ(ParseInt32("93"), 93);
    EXPECT_EQ(ParseInt32("-5"), -5);
    EXPECT_EQ(ParseInt32(" 7"), 7);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(ParseInt32("2147483648"));
    EXPECT_FALSE(ParseInt32("99999999999"));
    EXPECT_FALSE(ParseInt32("1.5"));
    EXPECT_FALSE(ParseInt32("abc"));
    EXPECT_FALSE(ParseInt32(""));
    EXPECT_FALSE(ParseInt32("7 "));
}

}  // namespace
}  // namespace lumtar
