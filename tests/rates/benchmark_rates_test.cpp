#include "rates/benchmark_rates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace lumtar {
namespace {

struct PeriodCase {
    const char* name;
    int rows;
    CivilDate day;
    int period;
};

class RatePeriodOfTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(RatePeriodOfTest, FindsTheRowInForce) {
    const BenchmarkRates rates(GetParam().rows);
    EXPECT_EQ(RatePeriodOf(rates, GetParam().day), GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Adjustments, RatePeriodOfTest,
                         testing::Values(PeriodCase{"DayBeforeFirst", 34, {1991, 4, 20}, 0},
                                         PeriodCase{"LongBeforeFirst", 34, {1900, 1, 1}, 0},
                                         PeriodCase{"FirstDay", 34, {1991, 4, 21}, 1},
                                         PeriodCase{"DayBeforeSecond", 34, {1993, 5, 14}, 1},
                                         PeriodCase{"SecondDay", 34, {1993, 5, 15}, 2},
                                         PeriodCase{"June2012", 34, {2012, 6, 8}, 33},
                                         PeriodCase{"DayBeforeLatest", 34, {2012, 7, 5}, 33},
                                         PeriodCase{"Latest", 34, {2012, 7, 6}, 34},
                                         PeriodCase{"FarFuture", 34, {9999, 12, 31}, 34},
                                         PeriodCase{"V13DayBeforeLatest", 32, {2011, 7, 6}, 31},
                                         PeriodCase{"V13Latest", 32, {2011, 7, 7}, 32},
                                         PeriodCase{"V13AfterItsTable", 32, {2012, 7, 6}, 32}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BenchmarkRatesTest, HoldsTheBanksRates) {
    const BenchmarkRates rates(kAllRateRows);
    EXPECT_EQ(rates.latestRow(), 34);
    EXPECT_DOUBLE_EQ(rates.percentPerYear(34, 0), 5.60);
    EXPECT_DOUBLE_EQ(rates.percentPerYear(1, 4), 9.72);
    EXPECT_DOUBLE_EQ(rates.percentPerYear(32, 1), 6.56);
    double largest = 0;
    double smallest = 100;
    for (const RateRow& row : rates.rows()) {
        largest = std::max(largest,
                           *std::max_element(row.percentPerYear.begin(), row.percentPerYear.end()));
        smallest = std::min(
            smallest, *std::min_element(row.percentPerYear.begin(), row.percentPerYear.end()));
    }
    EXPECT_DOUBLE_EQ(largest, rates.percentPerYear(5, 4));
    EXPECT_DOUBLE_EQ(largest, 15.30);
    EXPECT_DOUBLE_EQ(smallest, rates.percentPerYear(27, 0));
    EXPECT_DOUBLE_EQ(smallest, 4.86);
}

TEST(BenchmarkRatesTest, RowsAreInStrictDateOrderFromTheFirstDate) {
    const auto rows = BenchmarkRates(kAllRateRows).rows();
    EXPECT_EQ(rows.front().adjustedOn, kFirstRateDate);
    EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                    return !(a.adjustedOn < b.adjustedOn);
                }) == rows.end());
    EXPECT_EQ(rows.back().adjustedOn, (CivilDate{2012, 7, 6}));
}

TEST(BenchmarkRatesTest, OlderReleaseEndsWithJuly2011) {
    const BenchmarkRates v13(32);
    EXPECT_EQ(v13.rows().size(), 32u);
    EXPECT_EQ(v13.adjustedOn(32), (CivilDate{2011, 7, 7}));
    EXPECT_DOUBLE_EQ(v13.percentPerYear(32, 4), 7.05);
    EXPECT_THROW(v13.percentPerYear(33, 0), std::out_of_range);
}

TEST(BenchmarkRatesTest, RefusesRowsAndTiersOutsideTheTable) {
    EXPECT_THROW(BenchmarkRates(0), std::invalid_argument);
    EXPECT_THROW(BenchmarkRates(35), std::invalid_argument);
    const BenchmarkRates rates(kAllRateRows);
    EXPECT_THROW(rates.percentPerYear(0, 0), std::out_of_range);  // before the first date
    EXPECT_THROW(rates.percentPerYear(1, 5), std::out_of_range);
    EXPECT_THROW(rates.percentPerYear(1, -1), std::out_of_range);
    EXPECT_THROW(TermTierText(5), std::out_of_range);
}

struct TierCase {
    const char* name;
    Period length;
    int tier;
};

class TermTierOfTest : public testing::TestWithParam<TierCase> {};

TEST_P(TermTierOfTest, IncludesTheUpperBound) {
    EXPECT_EQ(TermTierOf(GetParam().length), GetParam().tier);
}

INSTANTIATE_TEST_SUITE_P(
    LoanTerms, TermTierOfTest,
    testing::Values(
        TierCase{"Nothing", {0, 0, 0}, 0}, TierCase{"SixMonths", {0, 6, 0}, 0},
        TierCase{"SixMonthsOneDay", {0, 6, 1}, 1}, TierCase{"SevenMonths", {0, 7, 0}, 1},
        TierCase{"OneYear", {1, 0, 0}, 1}, TierCase{"OneYearOneDay", {1, 0, 1}, 2},
        TierCase{"OneYearOneMonth", {1, 1, 0}, 2}, TierCase{"AlmostThreeYears", {2, 11, 30}, 2},
        TierCase{"ThreeYears", {3, 0, 0}, 2}, TierCase{"ThreeYearsOneDay", {3, 0, 1}, 3},
        TierCase{"AlmostFiveYears", {4, 11, 30}, 3}, TierCase{"FiveYears", {5, 0, 0}, 3},
        TierCase{"FiveYearsOneMonth", {5, 1, 0}, 4}, TierCase{"SixYears", {6, 0, 0}, 4},
        TierCase{"Decades", {25, 3, 2}, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TermTierOfTest, ReversedPeriodHasNoTier) {
    EXPECT_THROW(TermTierOf({-1, 11, 25}), std::invalid_argument);
}

TEST(TermTierOfTest, TiersAreNamedAsTheBankNamesThem) {
    EXPECT_EQ(TermTierText(0), "六个月以内（含六个月）");
    EXPECT_EQ(TermTierText(1), "六个月至一年（含一年）");
    EXPECT_EQ(TermTierText(2), "一至三年（含三年）");
    EXPECT_EQ(TermTierText(3), "三至五年（含五年）");
    EXPECT_EQ(TermTierText(4), "五年以上");
}

}  // namespace
}  // namespace lumtar
