#include "dates/deadline.h"

#include <gtest/gtest.h>

#include <string>

#include "app/ini_text.h"

namespace lumtar {
namespace {

// The 2012 National Day week: 30 September to 7 October off, Saturday 29
// September worked. 29 September is also listed as a day off by mistake, and
// the Dragon Boat holiday of 22 June is written with separators.
const HolidayLists k2012Lists{
    {"20120929", "20120930", "20121001", "20121002", "20121003", "20121004", "20121005",
     "20121006", "20121007", "2012-06-22", "2012623"},
    {"20120929"}};

struct MarkCase {
    const char* name;
    CivilDate day;
    const char* mark;
};

class DayMarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(DayMarkTest, WeekendThenDayOffThenWorkingDay) {
    EXPECT_EQ(DayMark(GetParam().day, k2012Lists), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(
    NationalDay2012, DayMarkTest,
    testing::Values(MarkCase{"PlainMonday", {2012, 9, 24}, ""},
                    MarkCase{"Saturday", {2012, 9, 22}, "假日 "},
                    MarkCase{"Sunday", {2012, 9, 23}, "假日 "},
                    MarkCase{"DayOffOnSunday", {2012, 9, 30}, "放假公休调休"},
                    MarkCase{"DayOffOnMonday", {2012, 10, 1}, "放假公休调休"},
                    MarkCase{"ListedInBothIsWorkingDay", {2012, 9, 29}, "调为工作日"},
                    MarkCase{"AfterTheWeek", {2012, 10, 8}, ""},
                    MarkCase{"SeparatorsNeverMatch", {2012, 6, 22}, ""},
                    MarkCase{"MissingLeadingZeroNeverMatches", {2012, 6, 23}, "假日 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DayMarkTest, NoListsMarksOnlyWeekends) {
    EXPECT_EQ(DayMark({2012, 10, 1}, {}), "");
    EXPECT_EQ(DayMark({2012, 9, 29}, {}), "假日 ");
}

struct ListedCase {
    const char* name;
    SectionEntries section;
    std::vector<std::string> dates;
};

class ListedDatesTest : public testing::TestWithParam<ListedCase> {};

TEST_P(ListedDatesTest, TakesKeysOneToNum) {
    EXPECT_EQ(ListedDates(GetParam().section), GetParam().dates);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ListedDatesTest,
    testing::Values(
        ListedCase{"Empty", {}, {}},
        ListedCase{"NoNum", {{"1", "20121001"}}, {}},
        ListedCase{"NumCountsKeys", {{"num", "2"}, {"1", "a"}, {"2", "b"}, {"3", "c"}}, {"a", "b"}},
        ListedCase{"NumAboveKeys", {{"num", "3"}, {"1", "a"}, {"2", "b"}}, {"a", "b"}},
        ListedCase{"HugeNum", {{"num", "2147483647"}, {"1", "a"}, {"7", "g"}}, {"a", "g"}},
        ListedCase{"NegativeNum", {{"num", "-3"}, {"1", "a"}}, {}},
        ListedCase{"NumNotAnInteger", {{"num", "two"}, {"1", "a"}}, {}},
        ListedCase{"NumBeyond32Bits", {{"num", "99999999999"}, {"1", "a"}}, {}},
        ListedCase{"NumInHexadecimal", {{"num", "0x2"}, {"1", "a"}, {"2", "b"}}, {"a", "b"}},
        ListedCase{"NumCaseIgnored", {{"NUM", "1"}, {"1", "a"}}, {"a"}},
        ListedCase{"FirstNumCounts", {{"num", "1"}, {"num", "5"}, {"1", "a"}, {"2", "b"}}, {"a"}},
        ListedCase{"NumAfterKeys", {{"1", "a"}, {"num", "1"}}, {"a"}},
        ListedCase{"KeysNotDecimalIgnored",
                   {{"num", "9"}, {"01", "a"}, {"0", "b"}, {"+2", "c"}, {"x", "d"}, {"3", "e"}},
                   {"e"}},
        ListedCase{"RepeatedKeyFirstValue", {{"num", "1"}, {"1", "a"}, {"1", "b"}}, {"a"}},
        ListedCase{"KeyBeyondAnyInt", {{"num", "2147483647"}, {"99999999999", "a"}}, {}},
        ListedCase{"EmptyValueKept", {{"num", "1"}, {"1", ""}}, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListedDatesTest, ReadsASectionOfTheSettingsFile) {
    // A GBK comment, CRLF lines, blanks around keys and values, the section
    // name in another case and split in two parts, a key past "num".
    const std::string file =
        "; \xB9\xFA\xC7\xEC\xBD\xDA\r\n[Holiday]\r\nnum = 3\r\n1=20121001\r\n"
        "[notholiday]\r\nnum=1\r\n1=20120929\r\n"
        "[holiday]\r\n2= 20121002 \r\n3=20121003\r\n4=20121004\r\n";
    EXPECT_EQ(ListedDates(IniSectionEntries(file, "holiday")),
              (std::vector<std::string>{"20121001", "20121002", "20121003"}));
    EXPECT_EQ(ListedDates(IniSectionEntries(file, "notholiday")),
              (std::vector<std::string>{"20120929"}));
    EXPECT_TRUE(ListedDates(IniSectionEntries(file, "ad")).empty());
}

struct CountCase {
    const char* name;
    CivilDate start;
    const char* dayCount;
    CountOutcome outcome;
    CivilDate end;
    const char* weekday;
    const char* mark;
    const char* period;
};

class CountDeadlineTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountDeadlineTest, GivesWhatThePageShows) {
    const auto& c = GetParam();
    const CountResult result = CountDeadline(c.start, c.dayCount, k2012Lists);
    ASSERT_EQ(result.outcome, c.outcome);
    if (c.outcome != CountOutcome::Counted) return;
    EXPECT_EQ(result.deadline.end, c.end);
    EXPECT_EQ(result.deadline.weekday, c.weekday);
    EXPECT_EQ(result.deadline.mark, c.mark);
    EXPECT_EQ(result.deadline.period, c.period);
    EXPECT_EQ(DayNumber(result.deadline.end) - DayNumber(c.start), result.deadline.dayCount);
}

constexpr auto kCounted = CountOutcome::Counted;

CountCase NotCounted(const char* name, CivilDate start, const char* dayCount,
                     CountOutcome outcome = CountOutcome::Refused) {
    return {name, start, dayCount, outcome, {}, "", "", ""};
}

INSTANTIATE_TEST_SUITE_P(
    Deadlines, CountDeadlineTest,
    testing::Values(
        CountCase{"Fifteen", {2012, 9, 9}, "15", kCounted, {2012, 9, 24}, "星期一", "",
                  "0年0个月15天"},
        CountCase{"WorkingSaturday", {2012, 9, 26}, "3", kCounted, {2012, 9, 29}, "星期六",
                  "调为工作日", "0年0个月3天"},
        CountCase{"DayOffSunday", {2012, 9, 28}, "2", kCounted, {2012, 9, 30}, "星期日",
                  "放假公休调休", "0年0个月2天"},
        CountCase{"NationalDay", {2012, 9, 28}, "3", kCounted, {2012, 10, 1}, "星期一",
                  "放假公休调休", "0年0个月3天"},
        CountCase{"Zero", {2012, 9, 9}, "0", kCounted, {2012, 9, 9}, "星期日", "假日 ",
                  "0年0个月0天"},
        CountCase{"Negative", {2012, 9, 9}, "-5", kCounted, {2012, 9, 4}, "星期二", "",
                  "-1年11个月25天"},
        CountCase{"NinetyThree", {2012, 9, 9}, "93", kCounted, {2012, 12, 11}, "星期二", "",
                  "0年3个月2天"},
        CountCase{"LeadingBlanksRead", {2012, 9, 9}, " 15", kCounted, {2012, 9, 24}, "星期一",
                  "", "0年0个月15天"},
        CountCase{"LastPickerDay", {9999, 12, 30}, "1", kCounted, {9999, 12, 31}, "星期五", "",
                  "0年0个月1天"},
        CountCase{"FirstPickerDay", {1900, 1, 2}, "-1", kCounted, {1900, 1, 1}, "星期一", "",
                  "-1年11个月30天"},
        NotCounted("Empty", {2012, 9, 9}, "", CountOutcome::Blank),
        NotCounted("Letters", {2012, 9, 9}, "abc"),
        NotCounted("DecimalPoint", {2012, 9, 9}, "1.5"),
        NotCounted("OnlyBlank", {2012, 9, 9}, " "),
        NotCounted("TrailingBlank", {2012, 9, 9}, "15 "),
        NotCounted("Beyond32Bits", {2012, 9, 9}, "99999999999"),
        NotCounted("JustBeyond32Bits", {2012, 9, 9}, "2147483648"),
        NotCounted("PastLatestPickerDay", {9999, 12, 30}, "2"),
        NotCounted("BeforeEarliestPickerDay", {1900, 1, 2}, "-2"),
        NotCounted("LargestCount", {2012, 9, 9}, "2147483647"),
        NotCounted("SmallestCount", {2012, 9, 9}, "-2147483648")),
    [](const auto& info) { return std::string(info.param.name); });

struct IntervalCase {
    const char* name;
    CivilDate start;
    CivilDate end;
    bool refused;
    long long dayCount;
    const char* label;
};

class MeasureIntervalTest : public testing::TestWithParam<IntervalCase> {};

TEST_P(MeasureIntervalTest, CountsFromTheDayAfterTheStart) {
    const auto& c = GetParam();
    const Interval interval = MeasureInterval(c.start, c.end);
    EXPECT_EQ(interval.endBeforeStart, c.refused);
    EXPECT_EQ(interval.label, c.label);
    if (!c.refused) {
        EXPECT_EQ(interval.dayCount, c.dayCount);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, MeasureIntervalTest,
    testing::Values(
        IntervalCase{"NinetyThree", {2012, 9, 9}, {2012, 12, 11}, false, 93, "0年3个月2天"},
        IntervalCase{"Fifteen", {2012, 9, 9}, {2012, 9, 24}, false, 15, "0年0个月15天"},
        IntervalCase{"SameDay", {2012, 9, 9}, {2012, 9, 9}, false, 0, "0年0个月0天"},
        IntervalCase{"NextDay", {2012, 9, 9}, {2012, 9, 10}, false, 1, "0年0个月1天"},
        IntervalCase{"MonthEndRule", {2012, 1, 30}, {2012, 2, 29}, false, 30, "0年1个月1天"},
        IntervalCase{"WholePickerRange", {1900, 1, 1}, {9999, 12, 31}, false, 2958463,
                     "8099年11个月30天"},
        IntervalCase{"DayBefore", {2012, 9, 9}, {2012, 9, 8}, true, 0,
                     "错误：终止日期早于起始日期,请更正"},
        IntervalCase{"YearsBefore", {2012, 9, 9}, {1900, 1, 1}, true, 0,
                     "错误：终止日期早于起始日期,请更正"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumtar
