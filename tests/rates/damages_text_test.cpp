#include "rates/damages_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/release.h"

namespace lumtar {
namespace {

using Lines = std::vector<std::string>;
const BenchmarkRates kRates(34);

RatePageOutcome Damages(DamagesRate rate, CivilDate start, CivilDate end, std::string amount,
                        std::string percent) {
    return DamagesPageText(kRates, kReleaseV14_2.latestRateLine,
                           {rate, start, end, std::move(amount), std::move(percent)});
}

struct AgreedCase {
    const char* name;
    DamagesRate rate;
    CivilDate start;
    CivilDate end;
    const char* percent;
    const char* interval;
    Lines lines;
};

class AgreedRateTest : public testing::TestWithParam<AgreedCase> {};

TEST_P(AgreedRateTest, WritesTheWorkingAndTheDamages) {
    const AgreedCase& c = GetParam();
    const RatePageOutcome out = Damages(c.rate, c.start, c.end, "10000", c.percent);
    EXPECT_EQ(out.interval, c.interval);
    EXPECT_EQ(out.echo, "一万元");
    EXPECT_TRUE(out.clearsResults);
    EXPECT_TRUE(out.segments.empty());
    EXPECT_EQ(out.lines, c.lines);
}

const std::string kRule = " -----------------------------------";
const std::string kTooHigh = " 利率过高，填写可能有误";
const std::string kResult = " 【计算结果】逾期违约金(元)：";

INSTANTIATE_TEST_SUITE_P(
    Options, AgreedRateTest,
    testing::Values(AgreedCase{"DailyCountsRealDays",
                               DamagesRate::Daily,
                               {2012, 1, 1},
                               {2012, 3, 1},
                               "0.05",
                               "间隔： 0年2个月0天",
                               {" 金额(元):10000", "", " 逾期： 60天  ", " 约定利率：日利率 0.05%",
                                "", kRule, kResult + "300.00"}},
                    AgreedCase{"MonthlyCountsThirtyDayMonths",
                               DamagesRate::Monthly,
                               {2011, 1, 1},
                               {2012, 3, 16},
                               "2",
                               "间隔： 1年2个月15天",
                               {" 金额(元):10000", "", " 逾期： 1年  2个月 15天",
                                " 约定利率：月利率 2%", "", kRule, kResult + "2900.00"}},
                    AgreedCase{"YearlyCountsTheBankYear",
                               DamagesRate::Yearly,
                               {2011, 1, 1},
                               {2012, 3, 16},
                               "12",
                               "间隔： 1年2个月15天",
                               {" 金额(元):10000", "", " 逾期： 1年  2个月 15天",
                                " 约定利率：年利率 12%", "", kRule, kResult + "1450.00"}},
                    AgreedCase{"RateTextAsTyped",
                               DamagesRate::Yearly,
                               {2011, 1, 1},
                               {2012, 1, 1},
                               " 6.0",
                               "间隔： 1年0个月0天",
                               {" 金额(元):10000", "", " 逾期： 1年  0个月 0天",
                                " 约定利率：年利率  6.0%", "", kRule, kResult + "600.00"}},
                    AgreedCase{"SameDayDaily",
                               DamagesRate::Daily,
                               {2012, 9, 9},
                               {2012, 9, 9},
                               "0.05",
                               "间隔： 0年0个月0天",
                               {" 金额(元):10000", "", " 逾期： 0天  ", " 约定利率：日利率 0.05%",
                                "", kRule, kResult + "0.00"}},
                    AgreedCase{"SameDayMonthly",
                               DamagesRate::Monthly,
                               {2012, 9, 9},
                               {2012, 9, 9},
                               "2",
                               "间隔： 0年0个月0天",
                               {" 金额(元):10000", "", " 逾期： 0年  0个月 0天",
                                " 约定利率：月利率 2%", "", kRule, kResult + "0.00"}},
                    AgreedCase{"DailyAtLimitHasNoWarning",
                               DamagesRate::Daily,
                               {2012, 1, 1},
                               {2012, 1, 2},
                               "1",
                               "间隔： 0年0个月1天",
                               {" 金额(元):10000", "", " 逾期： 1天  ", " 约定利率：日利率 1%", "",
                                kRule, kResult + "100.00"}},
                    AgreedCase{"DailyAboveLimitWarns",
                               DamagesRate::Daily,
                               {2012, 1, 1},
                               {2012, 1, 2},
                               "1.01",
                               "间隔： 0年0个月1天",
                               {" 金额(元):10000", "", " 逾期： 1天  ", " 约定利率：日利率 1.01%",
                                "", kRule, kTooHigh, kResult + "101.00"}},
                    AgreedCase{"NegativeRateIsNotChecked",
                               DamagesRate::Daily,
                               {2012, 1, 1},
                               {2012, 1, 2},
                               "-1",
                               "间隔： 0年0个月1天",
                               {" 金额(元):10000", "", " 逾期： 1天  ", " 约定利率：日利率 -1%", "",
                                kRule, kResult + "-100.00"}},
                    AgreedCase{"BeforeTheRateTableIsFine",
                               DamagesRate::Daily,
                               {1980, 1, 1},
                               {1980, 1, 2},
                               "1",
                               "间隔： 0年0个月1天",
                               {" 金额(元):10000", "", " 逾期： 1天  ", " 约定利率：日利率 1%", "",
                                kRule, kResult + "100.00"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    DamagesRate rate;
    const char* percent;
    bool warns;
};

class RateLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(RateLimitTest, WarnsOnlyAboveTheLimit) {
    const RatePageOutcome out =
        Damages(GetParam().rate, {2012, 1, 1}, {2012, 2, 1}, "10000", GetParam().percent);
    ASSERT_GE(out.lines.size(), 7u);
    EXPECT_EQ(out.lines[6] == kTooHigh, GetParam().warns);
    EXPECT_EQ(out.lines.back().rfind(kResult, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RateLimitTest,
    testing::Values(LimitCase{"Daily1", DamagesRate::Daily, "1", false},
                    LimitCase{"Daily101", DamagesRate::Daily, "1.01", true},
                    LimitCase{"Monthly10", DamagesRate::Monthly, "10", false},
                    LimitCase{"Monthly1001", DamagesRate::Monthly, "10.01", true},
                    LimitCase{"Yearly100", DamagesRate::Yearly, "100", false},
                    LimitCase{"Yearly10001", DamagesRate::Yearly, "100.01", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DamagesPageTextTest, BenchmarkSummedOverAdjustments) {
    const RatePageOutcome out =
        Damages(DamagesRate::Benchmark, {2012, 6, 1}, {2012, 7, 31}, "10000", "ignored");
    const Lines entries{"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额11.86\n",
                        "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额45.50\n",
                        "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额38.89\n"};
    Lines expected{" 债务金额(元):10000",
                   " 期间： 0年  1个月 30天",
                   " 所属利率档： 六个月以内（含六个月）",
                   " 最新基准利率调整日期：2012年7月6日",
                   " 单倍，按人民银行同期贷款利率（按基准利率）,分段累加计算",
                   "",
                   " 计算结果：96.25",
                   "     分段明细："};
    expected.insert(expected.end(), entries.begin(), entries.end());
    EXPECT_EQ(out.interval, "间隔： 0年1个月30天");
    EXPECT_EQ(out.echo, "一万元");
    EXPECT_FALSE(out.conversionError);  // the rate field is never read
    EXPECT_EQ(out.lines, expected);
    EXPECT_EQ(out.segments, entries);
}

TEST(DamagesPageTextTest, BenchmarkTierFromTheWholePeriod) {
    const struct {
        CivilDate start;
        CivilDate end;
        const char* tier;
    } cases[] = {
        {{2012, 1, 15}, {2012, 7, 15}, " 所属利率档： 六个月以内（含六个月）"},
        {{2012, 1, 15}, {2012, 7, 16}, " 所属利率档： 六个月至一年（含一年）"},
        {{2007, 1, 15}, {2012, 1, 15}, " 所属利率档： 三至五年（含五年）"},
    };
    for (const auto& c : cases) {
        const RatePageOutcome out = Damages(DamagesRate::Benchmark, c.start, c.end, "1", "");
        ASSERT_GE(out.lines.size(), 3u);
        EXPECT_EQ(out.lines[2], c.tier);
    }
}

TEST(DamagesPageTextTest, BenchmarkInsideOnePeriodAndEndingOnAnAdjustment) {
    const RatePageOutcome inside =
        Damages(DamagesRate::Benchmark, {2012, 7, 10}, {2012, 8, 10}, "10000", "");
    EXPECT_EQ(inside.segments,
              Lines{"\n     基准利率5.60计算期间 20120710至20120810共0年1个月0天  金额46.67\n"});
    const RatePageOutcome ending =
        Damages(DamagesRate::Benchmark, {2012, 6, 1}, {2012, 7, 6}, "10000", "");
    EXPECT_EQ(ending.segments.back(),
              "     基准利率5.60计算期间20120706至20120706共0年0个月0天 金额0.00\n");
}

TEST(DamagesPageTextTest, BenchmarkRefusesStartsBeforeTheTable) {
    const RatePageOutcome early =
        Damages(DamagesRate::Benchmark, {1991, 4, 20}, {1992, 1, 1}, "10000", "");
    EXPECT_EQ(early.message, "起始日期不能早于1991年4月21日");
    EXPECT_EQ(early.interval, "间隔： 0年8个月11天");
    EXPECT_FALSE(early.echo);
    EXPECT_FALSE(early.clearsResults);
    const RatePageOutcome first =
        Damages(DamagesRate::Benchmark, {1991, 4, 21}, {1992, 1, 1}, "10000", "");
    EXPECT_FALSE(first.message);
    EXPECT_EQ(first.segments.size(), 1u);
}

TEST(DamagesPageTextTest, StopsAndFailuresLeaveTheRightFieldsAlone) {
    const RatePageOutcome reversed =
        Damages(DamagesRate::Daily, {2012, 9, 9}, {2012, 9, 4}, "10000", "1");
    EXPECT_EQ(reversed.interval, "日期选择有误");
    EXPECT_FALSE(reversed.echo);
    EXPECT_FALSE(reversed.clearsResults);

    const RatePageOutcome noAmount =
        Damages(DamagesRate::Benchmark, {1991, 4, 20}, {2012, 9, 4}, "", "1");
    EXPECT_EQ(noAmount.echo, "");
    EXPECT_FALSE(noAmount.message);
    EXPECT_FALSE(noAmount.clearsResults);

    const RatePageOutcome noRate =
        Damages(DamagesRate::Monthly, {2012, 1, 1}, {2012, 9, 4}, "5", "");
    EXPECT_EQ(noRate.echo, "五元");
    EXPECT_TRUE(noRate.clearsResults);
    EXPECT_TRUE(noRate.lines.empty());
    EXPECT_FALSE(noRate.conversionError);

    const RatePageOutcome badRate =
        Damages(DamagesRate::Monthly, {2012, 1, 1}, {2012, 9, 4}, "5", "2%");
    EXPECT_EQ(badRate.echo, "五元");
    EXPECT_TRUE(badRate.clearsResults);
    EXPECT_TRUE(badRate.lines.empty());
    EXPECT_EQ(badRate.conversionError, "'2%' is not a valid floating point value");

    const RatePageOutcome badAmount =
        Damages(DamagesRate::Benchmark, {2012, 1, 1}, {2012, 9, 4}, "1,000", "");
    EXPECT_FALSE(badAmount.echo);
    EXPECT_TRUE(badAmount.clearsResults);
    EXPECT_EQ(badAmount.conversionError, "'1,000' is not a valid floating point value");
}

TEST(DamagesPageTextTest, DecadesToThePickersLastDay) {
    const RatePageOutcome daily =
        Damages(DamagesRate::Daily, {1900, 1, 1}, {9999, 12, 31}, "99999999999", "1");
    EXPECT_EQ(daily.lines[2], " 逾期： 2958463天  ");
    EXPECT_EQ(daily.lines.back().rfind(kResult + "29584629999704", 0), 0u);
    const RatePageOutcome benchmark =
        Damages(DamagesRate::Benchmark, {1991, 4, 21}, {9999, 12, 31}, "99999999999", "");
    EXPECT_EQ(benchmark.segments.size(), 34u);
}

}  // namespace
}  // namespace lumtar
