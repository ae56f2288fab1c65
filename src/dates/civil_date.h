#pragma once
// A calendar day without time of day. Day numbers count from 1899-12-30, the
// epoch of the date serials clerks know from spreadsheets.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace lumtar {

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;

    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
// 28 to 31; a month outside 1..12 gives 30.
int MonthLength(int year, int month);
bool IsValid(const CivilDate& date);

// Whole days since 1899-12-30 (negative before it).
long long DayNumber(const CivilDate& date);
CivilDate FromDayNumber(long long dayNumber);
CivilDate AddDays(const CivilDate& date, long long days);

// 0 = Sunday ... 6 = Saturday.
int DayOfWeek(const CivilDate& date);
// "星期日" ... "星期六".
std::string_view ChineseWeekdayName(const CivilDate& date);

// Eight digits, year month day: 2012-07-06 gives "20120706".
std::string Yyyymmdd(const CivilDate& date);
std::optional<CivilDate> ParseYyyymmdd(std::string_view text);

}  // namespace lumtar
