#include "rates/interest_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/release.h"

namespace lumtar {
namespace {

using Lines = std::vector<std::string>;

RatePageOutcome Interest(const Release& release, CivilDate start, CivilDate end,
                         std::string amount) {
    return InterestPageText(BenchmarkRates(release.rateRows), release.latestRateLine,
                            {start, end, std::move(amount)});
}

Lines Heading(const std::string& amount, const std::string& delay, const std::string& tier,
              const Release& release = kReleaseV14_2) {
    return {" 债务金额(元):" + amount,
            " 迟延期间： " + delay,
            " 所属利率档： " + tier,
            std::string(release.latestRateLine),
            " 双倍计算",
            "",
            " -----------------------------------"};
}

Lines Results(const std::string& latest, const std::string& atStart, const std::string& pieces) {
    return {" 【计算结果1】现行基准利率方法：" + latest,
            " 【计算结果2】指定给付时基准利率方法：" + atStart,
            " 【计算结果3】分段累加基准利率方法：" + pieces, "     分段明细："};
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(InterestPageTextTest, TwoMonthsAcrossTwoAdjustments) {
    const RatePageOutcome out = Interest(kReleaseV14_2, {2012, 6, 1}, {2012, 7, 31}, "10000");
    EXPECT_EQ(out.interval, "间隔： 0年1个月30天");
    EXPECT_EQ(out.echo, "一万元");
    EXPECT_TRUE(out.clearsResults);
    EXPECT_FALSE(out.message);
    EXPECT_FALSE(out.conversionError);
    const Lines entries{"\n     基准利率6.10计算期间20120601至20120608共0年0个月7天 金额23.72\n",
                        "     基准利率5.85计算期间20120608至20120706共0年0个月28天 金额91.00\n",
                        "     基准利率5.60计算期间20120706至20120731共0年0个月25天 金额77.78\n"};
    EXPECT_EQ(out.lines, Join({Heading("10000", "0年  1个月 30天", "六个月以内（含六个月）"),
                               Results("186.67", "203.33", "192.50"), entries}));
    EXPECT_EQ(out.segments, entries);
}

TEST(InterestPageTextTest, OlderReleaseStopsAtJuly2011) {
    const RatePageOutcome out = Interest(kReleaseV13, {2012, 6, 1}, {2012, 7, 31}, "10000");
    EXPECT_EQ(
        out.lines,
        Join({Heading("10000", "0年  1个月 30天", "六个月以内（含六个月）", kReleaseV13),
              Results("203.33", "203.33", "203.33"),
              {"\n     基准利率6.10计算期间 20120601至20120731共0年1个月30天  金额203.33\n"}}));
    EXPECT_EQ(out.lines[3], " 最新基准利率调整日期：2011年7月7日");
}

TEST(InterestPageTextTest, AlmostThreeYearsOverEightPieces) {
    const RatePageOutcome out = Interest(kReleaseV14_2, {2010, 1, 1}, {2012, 12, 31}, "100000");
    EXPECT_EQ(out.interval, "间隔： 2年11个月30天");
    ASSERT_EQ(out.lines.size(), 11u + 8u);
    EXPECT_EQ(Lines(out.lines.begin(), out.lines.begin() + 11),
              Join({Heading("100000", "2年  11个月 30天", "一至三年（含三年）"),
                    Results("36900.00", "32400.00", "36456.11")}));
    const char* const rates[] = {"5.40", "5.60", "5.85", "6.10", "6.40", "6.65", "6.40", "6.15"};
    for (int i = 0; i < 8; ++i)
        EXPECT_NE(out.segments[static_cast<std::size_t>(i)].find(std::string("基准利率") +
                                                                 rates[i] + "计算期间"),
                  std::string::npos)
            << i;
}

TEST(InterestPageTextTest, SameDayGivesZeroEverywhere) {
    const RatePageOutcome out = Interest(kReleaseV14_2, {2012, 9, 9}, {2012, 9, 9}, "10000");
    EXPECT_EQ(out.interval, "间隔： 0年0个月0天");
    EXPECT_EQ(out.lines,
              Join({Heading("10000", "0年  0个月 0天", "六个月以内（含六个月）"),
                    Results("0.00", "0.00", "0.00"),
                    {"\n     基准利率5.60计算期间 20120909至20120909共0年0个月0天  金额0.00\n"}}));
}

struct TierCase {
    const char* name;
    CivilDate start;
    CivilDate end;
    const char* tier;
    const char* atStartRate;
};

class InterestRateChoiceTest : public testing::TestWithParam<TierCase> {};

TEST_P(InterestRateChoiceTest, TierFromTheWholeDelayRateFromItsFirstDay) {
    const RatePageOutcome out = Interest(kReleaseV14_2, GetParam().start, GetParam().end, "10000");
    ASSERT_GE(out.lines.size(), 9u);
    EXPECT_EQ(out.lines[2], std::string(" 所属利率档： ") + GetParam().tier);
    EXPECT_EQ(out.lines[8],
              std::string(" 【计算结果2】指定给付时基准利率方法：") + GetParam().atStartRate);
}

INSTANTIATE_TEST_SUITE_P(
    Delays, InterestRateChoiceTest,
    testing::Values(
        TierCase{
            "ExactlySixMonths", {2012, 1, 15}, {2012, 7, 15}, "六个月以内（含六个月）", "610.00"},
        TierCase{
            "SixMonthsAndOneDay", {2012, 1, 15}, {2012, 7, 16}, "六个月至一年（含一年）", "659.64"},
        TierCase{
            "ExactlyOneYear", {2011, 1, 15}, {2012, 1, 15}, "六个月至一年（含一年）", "1162.00"},
        TierCase{
            "ExactlyThreeYears", {2009, 1, 15}, {2012, 1, 15}, "一至三年（含三年）", "3240.00"},
        TierCase{"ExactlyFiveYears", {2007, 1, 15}, {2012, 1, 15}, "三至五年（含五年）", "6480.00"},
        TierCase{"StartOnLatestAdjustment",
                 {2012, 7, 6},
                 {2012, 8, 6},
                 "六个月以内（含六个月）",
                 "93.33"},
        TierCase{"StartDayBeforeLatestAdjustment",
                 {2012, 7, 5},
                 {2012, 8, 5},
                 "六个月以内（含六个月）",
                 "97.50"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterestPageTextTest, StopsBeforeComputing) {
    struct Case {
        const char* what;
        CivilDate start;
        CivilDate end;
        const char* amount;
        const char* interval;
        std::optional<std::string> echo;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"reversed dates", {2012, 9, 9}, {2012, 9, 4}, "10000", "日期选择有误", {}, {}},
        {"reversed dates, no amount", {2012, 9, 9}, {2012, 9, 4}, "", "日期选择有误", {}, {}},
        {"no amount", {2012, 6, 1}, {2012, 7, 31}, "", "间隔： 0年1个月30天", "", {}},
        {"start too early",
         {1991, 4, 20},
         {1991, 5, 20},
         "100",
         "间隔： 0年1个月0天",
         {},
         "起始日期不能早于1991年4月21日"},
        {"start too early, no amount",
         {1991, 4, 20},
         {1991, 5, 20},
         "",
         "间隔： 0年1个月0天",
         "",
         {}},
        // A blank is text: the field is not empty and the start check comes first.
        {"blank amount, start too early",
         {1950, 1, 1},
         {1991, 5, 20},
         " ",
         "间隔： 41年4个月19天",
         {},
         "起始日期不能早于1991年4月21日"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RatePageOutcome out = Interest(kReleaseV14_2, c.start, c.end, c.amount);
        EXPECT_EQ(out.interval, c.interval);
        EXPECT_EQ(out.echo, c.echo);
        EXPECT_EQ(out.message, c.message);
        EXPECT_FALSE(out.clearsResults);
        EXPECT_TRUE(out.lines.empty());
        EXPECT_FALSE(out.conversionError);
    }
}

TEST(InterestPageTextTest, FirstTableDayIsAccepted) {
    const RatePageOutcome out = Interest(kReleaseV14_2, {1991, 4, 21}, {1991, 5, 21}, "10000");
    EXPECT_FALSE(out.message);
    EXPECT_EQ(out.segments.size(), 1u);
}

TEST(InterestPageTextTest, TextThatIsNotANumberEmptiesTheResultsAndKeepsTheEcho) {
    const RatePageOutcome out = Interest(kReleaseV14_2, {2012, 6, 1}, {2012, 7, 31}, "12a");
    EXPECT_EQ(out.interval, "间隔： 0年1个月30天");
    EXPECT_TRUE(out.clearsResults);
    EXPECT_EQ(out.conversionError, "'12a' is not a valid floating point value");
    EXPECT_FALSE(out.echo);
    EXPECT_TRUE(out.lines.empty());
}

TEST(InterestPageTextTest, NegativeAndZeroAmountsAreComputed) {
    const RatePageOutcome negative = Interest(kReleaseV14_2, {2012, 6, 1}, {2012, 7, 31}, "-10000");
    EXPECT_EQ(negative.echo, "负一万元");
    EXPECT_EQ(negative.lines[9], " 【计算结果3】分段累加基准利率方法：-192.50");
    const RatePageOutcome zero = Interest(kReleaseV14_2, {2012, 6, 1}, {2012, 7, 31}, "0");
    EXPECT_EQ(zero.echo, "零元");
    EXPECT_EQ(zero.lines[7], " 【计算结果1】现行基准利率方法：0.00");
}

TEST(InterestPageTextTest, DecadesToThePickersLastDay) {
    const RatePageOutcome out =
        Interest(kReleaseV14_2, {1991, 4, 21}, {9999, 12, 31}, "99999999999");
    EXPECT_EQ(out.interval, "间隔： 8008年8个月10天");
    EXPECT_EQ(out.segments.size(), 34u);
    EXPECT_EQ(out.lines[2], " 所属利率档： 五年以上");
}

}  // namespace
}  // namespace lumtar
