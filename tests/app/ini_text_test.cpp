#include "app/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtar {
namespace {

const std::string kSite =
    "[ad]\r\nnum=7\r\ntotal=2\r\n[1]\r\nhttp=example.org/a\r\nname=\xC9\xCF\xBA\xA3\r\n"
    "[holiday]\r\nnum=2\r\n1=20121001\r\n2 = 20121002 \r\n";

struct FindCase {
    const char* name;
    const char* section;
    const char* key;
    const char* expected;  // nullptr: missing
};

class IniFindValueTest : public testing::TestWithParam<FindCase> {};

TEST_P(IniFindValueTest, FindsValuesAsTheProfileRoutinesDo) {
    const auto value = IniFindValue(kSite, GetParam().section, GetParam().key);
    if (GetParam().expected == nullptr) {
        EXPECT_FALSE(value.has_value());
    } else {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Lookups, IniFindValueTest,
                         testing::Values(FindCase{"Plain", "ad", "num", "7"},
                                         FindCase{"SectionCaseIgnored", "AD", "Total", "2"},
                                         FindCase{"SameKeyOtherSection", "holiday", "num", "2"},
                                         FindCase{"BlanksTrimmed", "holiday", "2", "20121002"},
                                         FindCase{"GbkValueKeptByteForByte", "1", "name",
                                                  "\xC9\xCF\xBA\xA3"},
                                         FindCase{"MissingKey", "holiday", "3", nullptr},
                                         FindCase{"MissingSection", "notholiday", "num", nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFindValueTest, GbkTrailByteIsNotTakenForABracketOrEquals) {
    // 0x81 0x5D is one GBK character whose trail byte is ']' in ASCII; 0x81 0x3D likewise '='.
    const std::string file = "[a\x81]b]\nk\x81=x=1\n";
    EXPECT_EQ(IniFindValue(file, "a\x81]b", "k\x81=x"), "1");
}

TEST(IniSetValueTest, ReplacesOneLineAndKeepsEveryOtherByte) {
    const std::string before = "; note\r\n[QVD]\r\nlihun=50\r\nrenge=100\r\n[other]\r\nx=1\r\n";
    EXPECT_EQ(IniSetValue(before, "qvd", "LIHUN", "120"),
              "; note\r\n[QVD]\r\nlihun=120\r\nrenge=100\r\n[other]\r\nx=1\r\n");
}

TEST(IniSetValueTest, AddsKeyAtTheEndOfItsSection) {
    EXPECT_EQ(IniSetValue("[qvd]\nlihun=50\n[x]\ny=1\n", "qvd", "renge", "300"),
              "[qvd]\nlihun=50\nrenge=300\n[x]\ny=1\n");
    EXPECT_EQ(IniSetValue("[qvd]\nlihun=50", "qvd", "renge", "300"),
              "[qvd]\nlihun=50\nrenge=300\n");
}

TEST(IniSetValueTest, CreatesFileAndSection) {
    EXPECT_EQ(IniSetValue("", "qvd", "lihun", "50"), "[qvd]\nlihun=50\n");
    EXPECT_EQ(IniSetValue("[a]\nb=1", "qvd", "lihun", "-5"), "[a]\nb=1\n[qvd]\nlihun=-5\n");
}

struct IntegerCase {
    const char* name;
    const char* text;
    std::optional<int> value;
};

class IniParseIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniParseIntegerTest, ReadsDecimalAndHex) {
    EXPECT_EQ(IniParseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Integers, IniParseIntegerTest,
                         testing::Values(IntegerCase{"Decimal", "120", 120},
                                         IntegerCase{"Negative", "-7", -7},
                                         IntegerCase{"Hex", "0x78", 120},
                                         IntegerCase{"HexUpper", "0X1F", 31},
                                         IntegerCase{"HexAllOnes", "0xFFFFFFFF", -1},
                                         IntegerCase{"Letters", "abc", std::nullopt},
                                         IntegerCase{"Empty", "", std::nullopt},
                                         IntegerCase{"TrailingText", "12a", std::nullopt},
                                         IntegerCase{"Max", "2147483647", 2147483647},
                                         IntegerCase{"Overflow", "2147483648", std::nullopt},
                                         IntegerCase{"Huge", "99999999999999999999", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumtar
