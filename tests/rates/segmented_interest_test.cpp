#include "rates/segmented_interest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "amounts/number_text.h"

namespace lumtar {
namespace {

const BenchmarkRates kV14(34);
const BenchmarkRates kV13(32);

struct SegmentCase {
    const char* name;
    const BenchmarkRates* rates;
    double amount;
    CivilDate start;
    CivilDate end;
    int tier;
    int multiplier;
    const char* total;
    std::vector<std::string> entries;
};

class SegmentedInterestTest : public testing::TestWithParam<SegmentCase> {};

TEST_P(SegmentedInterestTest, WritesOneEntryPerRatePeriod) {
    const SegmentCase& c = GetParam();
    const SegmentedTotal result =
        SegmentedInterest(*c.rates, c.amount, c.start, c.end, c.tier, c.multiplier);
    EXPECT_EQ(FormatFixed2(result.total), c.total);
    EXPECT_EQ(result.entries, c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, SegmentedInterestTest,
    testing::Values(
        SegmentCase{"AcrossTwoAdjustmentsDoubled",
                    &kV14,
                    10000,
                    {2012, 6, 1},
                    {2012, 7, 31},
                    0,
                    2,
                    "192.50",
                    {"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额23.72\n",
                     "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额91.00\n",
                     "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额77.78\n"}},
        SegmentCase{"AcrossTwoAdjustmentsSingle",
                    &kV14,
                    10000,
                    {2012, 6, 1},
                    {2012, 7, 31},
                    0,
                    1,
                    "96.25",
                    {"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额11.86\n",
                     "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额45.50\n",
                     "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额38.89\n"}},
        SegmentCase{"SameDay",
                    &kV14,
                    10000,
                    {2012, 9, 9},
                    {2012, 9, 9},
                    0,
                    2,
                    "0.00",
                    {"\n     基准利率5.60计算期间 20120909至20120909共0年0个月0天  金额0.00\n"}},
        SegmentCase{"InsideOnePeriod",
                    &kV14,
                    10000,
                    {2012, 7, 10},
                    {2012, 8, 10},
                    0,
                    2,
                    "93.33",
                    {"\n     基准利率5.60计算期间 20120710至20120810共0年1个月0天  金额93.33\n"}},
        SegmentCase{"StartOnAdjustmentDay",
                    &kV14,
                    10000,
                    {2012, 6, 8},
                    {2012, 6, 30},
                    0,
                    2,
                    "71.50",
                    {"\n     基准利率5.85计算期间 20120608至20120630共0年0个月22天  金额71.50\n"}},
        SegmentCase{"EndOnAdjustmentDay",
                    &kV14,
                    10000,
                    {2012, 6, 1},
                    {2012, 7, 6},
                    0,
                    2,
                    "114.72",
                    {"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额23.72\n",
                     "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额91.00\n",
                     "     基准利率5.60计算期间20120706至20120706共0年0个月0天 金额0.00\n"}},
        SegmentCase{"MiddlePieceOfElevenMonths",
                    &kV14,
                    10000,
                    {2011, 6, 1},
                    {2012, 7, 31},
                    1,
                    2,
                    "1514.00",
                    {"\n     基准利率6.31计算期间20110601至20110707共0年1个月6天 金额126.20\n",
                     "     基准利率6.56计算期间20110707至20120608共0年11个月1天 金额1206.31\n",
                     "     基准利率6.31计算期间20120608至20120706共0年0个月28天 金额98.16\n",
                     "     基准利率6.00计算期间20120706至20120731共0年0个月25天 金额83.33\n"}},
        // The pieces as written add up to 192.61; the total adds the unrounded pieces.
        SegmentCase{"TotalAddsUnroundedPieces",
                    &kV14,
                    10006,
                    {2012, 6, 1},
                    {2012, 7, 31},
                    0,
                    2,
                    "192.62",
                    {"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额23.74\n",
                     "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额91.05\n",
                     "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额77.82\n"}},
        SegmentCase{"NegativeAmount",
                    &kV14,
                    -10000,
                    {2012, 7, 10},
                    {2012, 8, 10},
                    0,
                    2,
                    "-93.33",
                    {"\n     基准利率5.60计算期间 20120710至20120810共0年1个月0天  金额-93.33\n"}},
        SegmentCase{"ZeroAmount",
                    &kV14,
                    0,
                    {2012, 7, 10},
                    {2012, 8, 10},
                    0,
                    2,
                    "0.00",
                    {"\n     基准利率5.60计算期间 20120710至20120810共0年1个月0天  金额0.00\n"}},
        SegmentCase{"OlderReleaseEndsAtItsLatestRow",
                    &kV13,
                    10000,
                    {2011, 6, 1},
                    {2012, 7, 31},
                    1,
                    2,
                    "1525.67",
                    {"\n     基准利率6.31计算期间20110601至20110707共0年1个月6天 金额126.20\n",
                     "     基准利率6.56计算期间20110707至20120731共1年0个月24天 金额1399.47\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SegmentedInterestTest, FirstDayOfTheTableUsesItsFirstRates) {
    const SegmentedTotal result =
        SegmentedInterest(kV14, 10000, kFirstRateDate, {1993, 6, 1}, 2, 1);
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0].rfind("\n     基准利率9.00计算期间19910421至19930515", 0), 0u);
    EXPECT_EQ(result.entries[1].rfind("     基准利率10.80计算期间19930515至19930601", 0), 0u);
}

TEST(SegmentedInterestTest, WholeTableToThePickersLastDayIsQuick) {
    const auto before = std::chrono::steady_clock::now();
    const SegmentedTotal result =
        SegmentedInterest(kV14, 99999999999.0, kFirstRateDate, {9999, 12, 31}, 4, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100));
    ASSERT_EQ(result.entries.size(), 34u);
    EXPECT_EQ(result.entries.back().rfind("     基准利率6.55计算期间20120706至99991231共7987年", 0),
              0u);
    EXPECT_GT(result.total, 0);
}

TEST(SegmentedInterestTest, RefusesDatesTheCallersMustCheck) {
    EXPECT_THROW(SegmentedInterest(kV14, 1, {1991, 4, 20}, {2012, 1, 1}, 0, 2),
                 std::invalid_argument);
    EXPECT_THROW(SegmentedInterest(kV14, 1, {2012, 1, 2}, {2012, 1, 1}, 0, 2),
                 std::invalid_argument);
}

TEST(BankYearInterestTest, CountsTwelveMonthsAndThreeHundredSixtyDaysToTheYear) {
    EXPECT_EQ(FormatFixed2(BankYearInterest(100000, 6.15, {2, 11, 30}, 2)), "36900.00");
    EXPECT_EQ(FormatFixed2(BankYearInterest(10000, 5.60, {0, 1, 30}, 2)), "186.67");
    EXPECT_DOUBLE_EQ(BankYearInterest(360, 10, {1, 0, 0}, 1),
                     BankYearInterest(360, 10, {0, 0, 360}, 1));
}

}  // namespace
}  // namespace lumtar
