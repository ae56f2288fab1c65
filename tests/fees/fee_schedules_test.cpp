#include "fees/fee_schedules.h"

#include <gtest/gtest.h>

#include <string>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"

namespace lumtar {
namespace {

std::string Shown(double fee, bool numerals = false) {
    return AmountText(fee, numerals);
}

// The acceptance fees as the page shows them, with the default base fees.
struct AcceptanceCase {
    const char* name;
    double amount;
    bool halved;
    bool numerals;
    int divorceBase;
    int personalityBase;
    const char* property;
    const char* divorce;
    const char* personality;
};

class AcceptanceFeesTest : public testing::TestWithParam<AcceptanceCase> {};

TEST_P(AcceptanceFeesTest, ShowsTheThreeFees) {
    const AcceptanceCase& c = GetParam();
    const AcceptanceFees fees =
        ComputeAcceptanceFees(c.amount, c.divorceBase, c.personalityBase, c.halved);
    EXPECT_EQ(Shown(fees.property, c.numerals), c.property);
    EXPECT_EQ(Shown(fees.divorce, c.numerals), c.divorce);
    EXPECT_EQ(Shown(fees.personality, c.numerals), c.personality);
}

INSTANTIATE_TEST_SUITE_P(
    CaseAcceptance, AcceptanceFeesTest,
    testing::Values(
        AcceptanceCase{"Amount5000", 5000, false, false, 50, 100, "50.00", "50.00", "100.00"},
        AcceptanceCase{"Amount10000", 10000, false, false, 50, 100, "50.00", "50.00", "100.00"},
        AcceptanceCase{"Amount10000_01", 10000.01, false, false, 50, 100, "50.00", "50.00",
                       "100.00"},
        AcceptanceCase{"Amount50000", 50000, false, false, 50, 100, "1050.00", "50.00", "100.00"},
        AcceptanceCase{"Amount80000", 80000, false, false, 50, 100, "1800.00", "50.00", "400.00"},
        AcceptanceCase{"Amount100000", 100000, false, false, 50, 100, "2300.00", "50.00", "600.00"},
        AcceptanceCase{"Amount150000", 150000, false, false, 50, 100, "3300.00", "50.00", "850.00"},
        AcceptanceCase{"Amount200000", 200000, false, false, 50, 100, "4300.00", "50.00",
                       "1100.00"},
        AcceptanceCase{"Amount300000", 300000, false, false, 50, 100, "5800.00", "550.00",
                       "1600.00"},
        AcceptanceCase{"Amount1000000", 1000000, false, false, 50, 100, "13800.00", "4050.00",
                       "5100.00"},
        AcceptanceCase{"Amount20000000", 20000000, false, false, 50, 100, "141800.00", "99050.00",
                       "100100.00"},
        AcceptanceCase{"Amount30000000", 30000000, false, false, 50, 100, "191800.00", "149050.00",
                       "150100.00"},
        AcceptanceCase{"Halved", 100000, true, false, 50, 100, "1150.00", "25.00", "300.00"},
        AcceptanceCase{"Numerals", 100000, false, true, 50, 100, "二千三百元", "五十元", "六百元"},
        AcceptanceCase{"HalvedNumerals", 100000, true, true, 50, 100, "一千一百五十元", "二十五元",
                       "三百元"},
        AcceptanceCase{"HighestBaseFees", 300000, false, false, 300, 500, "5800.00", "800.00",
                       "2000.00"},
        AcceptanceCase{"BaseFeeOutsideRangeUsedAsStored", 100, false, false, 1000, 100, "50.00",
                       "1000.00", "100.00"},
        AcceptanceCase{"ElevenNines", 99999999999, false, false, 50, 100, "500041800.00",
                       "499999050.00", "500000100.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ApplicationCase {
    const char* name;
    double amount;
    bool numerals;
    const char* enforcement;
    const char* preservation;
    const char* paymentOrder;
};

class ApplicationFeesTest : public testing::TestWithParam<ApplicationCase> {};

TEST_P(ApplicationFeesTest, ShowsTheThreeFees) {
    const ApplicationCase& c = GetParam();
    const ApplicationFees fees = ComputeApplicationFees(c.amount);
    EXPECT_EQ(Shown(fees.enforcement, c.numerals), c.enforcement);
    EXPECT_EQ(Shown(fees.preservation, c.numerals), c.preservation);
    EXPECT_EQ(Shown(fees.paymentOrder, c.numerals), c.paymentOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Applications, ApplicationFeesTest,
    testing::Values(
        ApplicationCase{"Amount500", 500, false, "50.00", "30.00", "16.67"},
        ApplicationCase{"Amount1000", 1000, false, "50.00", "30.00", "16.67"},
        ApplicationCase{"Amount5000", 5000, false, "50.00", "70.00", "16.67"},
        ApplicationCase{"Amount10000", 10000, false, "50.00", "120.00", "16.67"},
        ApplicationCase{"Amount100000", 100000, false, "1400.00", "1020.00", "766.67"},
        ApplicationCase{"Amount500000", 500000, false, "7400.00", "3020.00", "2933.33"},
        ApplicationCase{"Amount895000", 895000, false, "11350.00", "4995.00", "4250.00"},
        ApplicationCase{"Amount896000", 896000, false, "11360.00", "5000.00", "4253.33"},
        ApplicationCase{"Amount1000000", 1000000, false, "12400.00", "5000.00", "4600.00"},
        ApplicationCase{"Amount5000000", 5000000, false, "52400.00", "5000.00", "15600.00"},
        ApplicationCase{"Amount10000000", 10000000, false, "77400.00", "5000.00", "27266.67"},
        ApplicationCase{"Amount20000000", 20000000, false, "87400.00", "5000.00", "47266.67"},
        ApplicationCase{"Numerals100000", 100000, true, "一千四百元", "一千零二十元",
                        "七百六十六元六角七分"},
        ApplicationCase{"Numerals10000", 10000, true, "五十元", "一百二十元", "一十六元六角七分"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every bracket bound, and a cent above it, where the next bracket's formula
// takes over: a wrong rate or constant in any bracket shows here.
struct BoundCase {
    const char* name;
    double (*fee)(double);
    double amount;
    double expected;
};

class BracketBoundTest : public testing::TestWithParam<BoundCase> {};

TEST_P(BracketBoundTest, MeetsTheNextBracket) {
    EXPECT_NEAR(GetParam().fee(GetParam().amount), GetParam().expected, 1e-7);
}

double Divorce(double x) {
    return DivorceCaseFee(x, 50);
}
double Personality(double x) {
    return PersonalityRightsFee(x, 100);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, BracketBoundTest,
    testing::Values(BoundCase{"Property10k", PropertyCaseFee, 10000, 50},
                    BoundCase{"Property10kAbove", PropertyCaseFee, 10000.01, 50.00025},
                    BoundCase{"Property100k", PropertyCaseFee, 100000, 2300},
                    BoundCase{"Property100kAbove", PropertyCaseFee, 100000.01, 2300.0002},
                    BoundCase{"Property200k", PropertyCaseFee, 200000, 4300},
                    BoundCase{"Property200kAbove", PropertyCaseFee, 200000.01, 4300.00015},
                    BoundCase{"Property500k", PropertyCaseFee, 500000, 8800},
                    BoundCase{"Property500kAbove", PropertyCaseFee, 500000.01, 8800.0001},
                    BoundCase{"Property1m", PropertyCaseFee, 1000000, 13800},
                    BoundCase{"Property1mAbove", PropertyCaseFee, 1000000.01, 13800.00009},
                    BoundCase{"Property2m", PropertyCaseFee, 2000000, 22800},
                    BoundCase{"Property2mAbove", PropertyCaseFee, 2000000.01, 22800.00008},
                    BoundCase{"Property5m", PropertyCaseFee, 5000000, 46800},
                    BoundCase{"Property5mAbove", PropertyCaseFee, 5000000.01, 46800.00007},
                    BoundCase{"Property10m", PropertyCaseFee, 10000000, 81800},
                    BoundCase{"Property10mAbove", PropertyCaseFee, 10000000.01, 81800.00006},
                    BoundCase{"Property20m", PropertyCaseFee, 20000000, 141800},
                    BoundCase{"Property20mAbove", PropertyCaseFee, 20000000.01, 141800.00005},
                    BoundCase{"PropertySmallest", PropertyCaseFee, 0.01, 50},
                    BoundCase{"Divorce200k", Divorce, 200000, 50},
                    BoundCase{"Divorce200kAbove", Divorce, 200000.01, 50.00005},
                    BoundCase{"Personality50k", Personality, 50000, 100},
                    BoundCase{"Personality50kAbove", Personality, 50000.01, 100.0001},
                    BoundCase{"Personality100k", Personality, 100000, 600},
                    BoundCase{"Personality100kAbove", Personality, 100000.01, 600.00005},
                    BoundCase{"Enforcement10k", EnforcementFee, 10000, 50},
                    BoundCase{"Enforcement10kAbove", EnforcementFee, 10000.01, 50.00015},
                    BoundCase{"Enforcement500k", EnforcementFee, 500000, 7400},
                    BoundCase{"Enforcement500kAbove", EnforcementFee, 500000.01, 7400.0001},
                    BoundCase{"Enforcement5m", EnforcementFee, 5000000, 52400},
                    BoundCase{"Enforcement5mAbove", EnforcementFee, 5000000.01, 52400.00005},
                    BoundCase{"Enforcement10m", EnforcementFee, 10000000, 77400},
                    BoundCase{"Enforcement10mAbove", EnforcementFee, 10000000.01, 77400.00001},
                    BoundCase{"Preservation1k", PreservationFee, 1000, 30},
                    BoundCase{"Preservation1kAbove", PreservationFee, 1000.01, 30.0001},
                    BoundCase{"Preservation100k", PreservationFee, 100000, 1020},
                    BoundCase{"Preservation100kAbove", PreservationFee, 100000.01, 1020.00005},
                    BoundCase{"PreservationBelowCeiling", PreservationFee, 895999.99, 4999.99995},
                    BoundCase{"PreservationCeiling", PreservationFee, 896000, 5000},
                    BoundCase{"PreservationAboveCeiling", PreservationFee, 896000.01, 5000},
                    BoundCase{"PreservationFarAboveCeiling", PreservationFee, 1e12, 5000},
                    BoundCase{"PaymentOrder10k", PaymentOrderFee, 10000, 50.0 / 3},
                    BoundCase{"PaymentOrder20mAbove", PaymentOrderFee, 20000000.01,
                              141800.00005 / 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FeeSchedules, HalvingActsOnFreshFeesOnly) {
    const AcceptanceFees full = ComputeAcceptanceFees(100000, 50, 100, false);
    const AcceptanceFees half = ComputeAcceptanceFees(100000, 50, 100, true);
    EXPECT_DOUBLE_EQ(half.property * 2, full.property);
    EXPECT_DOUBLE_EQ(ComputeAcceptanceFees(100000, 50, 100, true).property, half.property);
}

TEST(FeeSchedules, HugeAmountsStayFinite) {
    // "1e20" is accepted as an amount; the fees are computed, not refused.
    EXPECT_EQ(Shown(PropertyCaseFee(1e20)), FormatFixed2(1e20 * 0.005 + 41800));
    EXPECT_EQ(Shown(PreservationFee(1e20)), "5000.00");
    EXPECT_EQ(Shown(EnforcementFee(1e20)), FormatFixed2((1e20 - 1e7) * 0.001 + 77400));
}

}  // namespace
}  // namespace lumtar
