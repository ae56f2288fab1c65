#include "dates/calendar_period.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtar {
namespace {

struct PeriodCase {
    const char* name;
    CivilDate start;
    CivilDate end;
    Period expected;
};

class CalendarPeriodTest : public testing::TestWithParam<PeriodCase> {};

TEST_P(CalendarPeriodTest, CountsYearsMonthsDays) {
    EXPECT_EQ(CalendarPeriod(GetParam().start, GetParam().end), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MonthBorrowAndMonthEnds, CalendarPeriodTest,
    testing::Values(
        PeriodCase{"SameDay", {2012, 9, 9}, {2012, 9, 9}, {0, 0, 0}},
        PeriodCase{"EndOnMonthLastDayNoBorrow", {2012, 2, 15}, {2012, 2, 29}, {0, 0, 14}},
        PeriodCase{"MonthEndToLeapFebruaryEnd", {2012, 1, 31}, {2012, 2, 29}, {0, 1, 0}},
        PeriodCase{"MonthEndToCommonFebruaryEnd", {2011, 1, 31}, {2011, 2, 28}, {0, 1, 0}},
        PeriodCase{"BorrowTakenBackLeap", {2012, 1, 30}, {2012, 2, 29}, {0, 1, 1}},
        PeriodCase{"BorrowTakenBackCommon", {2011, 1, 30}, {2011, 2, 28}, {0, 1, 1}},
        PeriodCase{"BorrowFromStartMonth", {2011, 1, 30}, {2011, 2, 27}, {0, 0, 28}},
        PeriodCase{"SameDayOfMonth", {2012, 1, 29}, {2012, 2, 29}, {0, 1, 0}},
        PeriodCase{"ThirtyFirstToThirtieth", {2012, 3, 31}, {2012, 4, 30}, {0, 1, 0}},
        PeriodCase{"ThirtyFirstToNotLastDay", {2012, 5, 31}, {2012, 6, 29}, {0, 0, 29}},
        PeriodCase{"ThirtiethToThirtieth", {2012, 8, 30}, {2012, 9, 30}, {0, 1, 0}},
        PeriodCase{"FebruaryEndToMarchEndPlain", {2011, 2, 28}, {2011, 3, 31}, {0, 1, 3}},
        PeriodCase{"BorrowFromJanuary", {2012, 1, 31}, {2012, 3, 1}, {0, 1, 1}},
        PeriodCase{"BorrowFromStartMonthNotFebruary", {2012, 1, 15}, {2012, 3, 14}, {0, 1, 30}},
        PeriodCase{"BorrowFromLeapFebruary", {2012, 2, 28}, {2012, 4, 27}, {0, 1, 28}},
        PeriodCase{"YearChangeMonthsBroughtUp", {2011, 12, 31}, {2012, 1, 31}, {0, 1, 0}},
        PeriodCase{"TakenBackWithoutCarry", {2011, 12, 31}, {2012, 11, 30}, {0, 11, 0}},
        PeriodCase{"BorrowWithYearBorrow", {2011, 12, 31}, {2012, 12, 30}, {0, 11, 30}},
        PeriodCase{"TakenBackAfterYearBorrow", {2011, 3, 31}, {2012, 2, 29}, {0, 11, 0}},
        PeriodCase{"TakenBackCarriesIntoYear", {2012, 2, 29}, {2013, 2, 28}, {1, 0, 0}},
        PeriodCase{"LeapDayToMarchFirst", {2012, 2, 29}, {2013, 3, 1}, {1, 0, 1}},
        PeriodCase{"LeapDayToLeapDay", {2012, 2, 29}, {2016, 2, 29}, {4, 0, 0}},
        PeriodCase{"YearAndDayBorrowTogether", {2010, 12, 15}, {2012, 1, 14}, {1, 0, 30}},
        PeriodCase{"WholeYearLessADay", {2012, 1, 1}, {2012, 12, 31}, {0, 11, 30}},
        PeriodCase{"EndBeforeStart", {2012, 9, 9}, {2012, 9, 4}, {-1, 11, 25}},
        // Not monotonic at month ends: the 29th, 30th and 31st of January to 29 February.
        PeriodCase{"NotMonotonicFrom29th", {2012, 1, 29}, {2012, 2, 29}, {0, 1, 0}},
        PeriodCase{"NotMonotonicFrom30th", {2012, 1, 30}, {2012, 2, 29}, {0, 1, 1}},
        PeriodCase{"NotMonotonicFrom31st", {2012, 1, 31}, {2012, 2, 29}, {0, 1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PeriodTextTest, WritesYearsMonthsDays) {
    EXPECT_EQ(PeriodText({0, 0, 0}), "0年0个月0天");
    EXPECT_EQ(PeriodText({0, 3, 2}), "0年3个月2天");
    EXPECT_EQ(PeriodText({-1, 11, 25}), "-1年11个月25天");
}

struct LeapCase {
    const char* name;
    int year;
    bool leap;
};

class LeapYearTest : public testing::TestWithParam<LeapCase> {};

TEST_P(LeapYearTest, FebruaryFollowsTheGregorianRule) {
    EXPECT_EQ(IsLeapYear(GetParam().year), GetParam().leap);
    EXPECT_EQ(MonthLength(GetParam().year, 2), GetParam().leap ? 29 : 28);
}

INSTANTIATE_TEST_SUITE_P(
    Years, LeapYearTest,
    testing::Values(LeapCase{"DivisibleByFour", 2012, true}, LeapCase{"Common", 2011, false},
                    LeapCase{"Century", 1900, false}, LeapCase{"FourthCentury", 2000, true},
                    LeapCase{"FarCentury", 2100, false}, LeapCase{"FarFourthCentury", 2400, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MonthLengthTest, GivesThirtyOutsideTheYear) {
    EXPECT_EQ(MonthLength(2012, 0), 30);
    EXPECT_EQ(MonthLength(2012, 13), 30);
    EXPECT_EQ(MonthLength(2012, 4), 30);
    EXPECT_EQ(MonthLength(2012, 12), 31);
}

struct DayNumberCase {
    const char* name;
    CivilDate date;
    long long dayNumber;
    const char* weekday;
};

class DayNumberTest : public testing::TestWithParam<DayNumberCase> {};

TEST_P(DayNumberTest, CountsFromTheSpreadsheetEpoch) {
    const auto& c = GetParam();
    EXPECT_EQ(DayNumber(c.date), c.dayNumber);
    EXPECT_EQ(FromDayNumber(c.dayNumber), c.date);
    EXPECT_EQ(ChineseWeekdayName(c.date), c.weekday);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDays, DayNumberTest,
    testing::Values(DayNumberCase{"Epoch", {1899, 12, 30}, 0, "星期六"},
                    DayNumberCase{"DayBeforeEpoch", {1899, 12, 29}, -1, "星期五"},
                    DayNumberCase{"PickerFirstDay", {1900, 1, 1}, 2, "星期一"},
                    DayNumberCase{"UnixEpoch", {1970, 1, 1}, 25569, "星期四"},
                    DayNumberCase{"NationalDay2012", {2012, 10, 1}, 41183, "星期一"},
                    DayNumberCase{"WorkingSaturday2012", {2012, 9, 29}, 41181, "星期六"},
                    DayNumberCase{"Sunday", {2012, 9, 30}, 41182, "星期日"},
                    DayNumberCase{"PickerLastDay", {9999, 12, 31}, 2958465, "星期五"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CivilDateTest, DayNumberAddDaysAndWeekdayRoundTrip) {
    // Every day from 1899 to 2101 and a stretch near the year 9999: the day
    // number goes back to the same date, the next day is one more, and the
    // weekday turns by one.
    auto walk = [](CivilDate date, int days) {
        for (int i = 0; i < days; ++i) {
            ASSERT_TRUE(IsValid(date)) << Yyyymmdd(date);
            const long long n = DayNumber(date);
            ASSERT_EQ(FromDayNumber(n), date) << n;
            const CivilDate next = AddDays(date, 1);
            ASSERT_EQ(DayNumber(next), n + 1) << Yyyymmdd(date);
            ASSERT_EQ(AddDays(next, -1), date) << Yyyymmdd(date);
            ASSERT_EQ(DayOfWeek(next), (DayOfWeek(date) + 1) % 7) << Yyyymmdd(date);
            ASSERT_LT(date, next);
            date = next;
        }
    };
    walk({1899, 1, 1}, 74000);
    walk({9990, 1, 1}, 3652);
    EXPECT_EQ(AddDays({2012, 9, 9}, 93), (CivilDate{2012, 12, 11}));
    EXPECT_EQ(AddDays({2012, 9, 9}, -5), (CivilDate{2012, 9, 4}));
}

TEST(CivilDateTest, EightDigitsBothWays) {
    EXPECT_EQ(Yyyymmdd({2012, 7, 6}), "20120706");
    EXPECT_EQ(ParseYyyymmdd("20120706"), (CivilDate{2012, 7, 6}));
    for (const char* bad : {"2012-07-06", "2012076", "201207066", " 20120706", "20120230",
                            "20121301", "2012070a", ""})
        EXPECT_FALSE(ParseYyyymmdd(bad).has_value()) << bad;
}

}  // namespace
}  // namespace lumtar
