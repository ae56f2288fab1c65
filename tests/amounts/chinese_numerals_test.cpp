#include "amounts/chinese_numerals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lumtar {
namespace {

struct AmountCase {
    const char* name;
    double amount;
    const char* numerals;
};

class AmountInChineseTest : public testing::TestWithParam<AmountCase> {};

TEST_P(AmountInChineseTest, WritesTheAmountInNumerals) {
    EXPECT_EQ(AmountInChinese(GetParam().amount), GetParam().numerals);
}

INSTANTIATE_TEST_SUITE_P(
    EchoTable, AmountInChineseTest,
    testing::Values(AmountCase{"Zero", 0, "零元"},
                    AmountCase{"FiveFen", 0.05, "零元五分"},
                    AmountCase{"FiveJiao", 0.5, "零元五角"},
                    AmountCase{"ZeroJiaoBetweenYuanAndFen", 1.05, "一元零五分"},
                    AmountCase{"TenIsYiShi", 10, "一十元"},
                    AmountCase{"JiaoOnly", 20.3, "二十元三角"},
                    AmountCase{"InnerZero", 101, "一百零一元"},
                    AmountCase{"TwoInnerZeros", 1010, "一千零一十元"},
                    AmountCase{"FullFraction", 1234.56, "一千二百三十四元五角六分"},
                    AmountCase{"ZerosAcrossWan", 100001, "一十万零一元"},
                    AmountCase{"ZerosInsideLowGroup", 1000100, "一百万零一百元"},
                    AmountCase{"ZerosEndingGroup", 10001000, "一千万一千元"},
                    AmountCase{"WanAfterYi", 100010000, "一亿零一万元"},
                    AmountCase{"ElevenNines", 99999999999,
                               "九百九十九亿九千九百九十九万九千九百九十九元"},
                    AmountCase{"Negative", -3, "负三元"},
                    AmountCase{"ExponentFormIsNotDigits", 1e20, "输入含非数字字符!元"},
                    AmountCase{"HalfFenRoundsUp", 0.995, "一元"},
                    AmountCase{"InfinityDoesNotCrash", INFINITY, "输入含非数字字符!元"},
                    AmountCase{"NanDoesNotCrash", NAN, "负输入含非数字字符!元"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DigitsCase {
    const char* name;
    const char* digits;
    const char* numerals;
};

class DigitsInChineseTest : public testing::TestWithParam<DigitsCase> {};

TEST_P(DigitsInChineseTest, WritesDigitsInNumerals) {
    EXPECT_EQ(DigitsInChinese(GetParam().digits), GetParam().numerals);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, DigitsInChineseTest,
    testing::Values(DigitsCase{"Zero", "0", "零"}, DigitsCase{"TenThousand", "10000", "一万"},
                    DigitsCase{"WanYi", "1000000000000", "一万亿"},
                    DigitsCase{"TwentyFourDigits", "100000000000000000000000", "一千万亿亿"},
                    DigitsCase{"TwentyFiveDigits", "1000000000000000000000000", "数值过大!"},
                    DigitsCase{"Letter", "12a", "输入含非数字字符!"},
                    DigitsCase{"Empty", "", "零"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmountTextTest, FiguresAndNumeralsRoundIndependently) {
    EXPECT_EQ(AmountText(2300, false), "2300.00");
    EXPECT_EQ(AmountText(2300, true), "二千三百元");
    EXPECT_EQ(AmountText(0.5, false), "0.50");
    EXPECT_EQ(AmountText(0.5, true), "零元五角");
    EXPECT_EQ(AmountText(766.6666666666666, true), "七百六十六元六角七分");
}

}  // namespace
}  // namespace lumtar
