#include "dates/civil_date.h"

#include <array>
#include <cstdio>

namespace lumtar {
namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long kEpochOffset = 25569;  // 1970-01-01 is day 25569 after 1899-12-30

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int MonthLength(int year, int month) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        case 2:
            return IsLeapYear(year) ? 29 : 28;
        default:
            return 30;
    }
}

bool IsValid(const CivilDate& date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= MonthLength(date.year, date.month);
}

long long DayNumber(const CivilDate& date) {
    return DaysFromCivil(date.year, static_cast<unsigned>(date.month),
                         static_cast<unsigned>(date.day)) +
           kEpochOffset;
}

CivilDate FromDayNumber(long long dayNumber) {
    return CivilFromDays(dayNumber - kEpochOffset);
}

CivilDate AddDays(const CivilDate& date, long long days) {
    return FromDayNumber(DayNumber(date) + days);
}

int DayOfWeek(const CivilDate& date) {
    // 1899-12-30 was a Saturday.
    const long long n = (DayNumber(date) + 6) % 7;
    return static_cast<int>(n < 0 ? n + 7 : n);
}

std::string_view ChineseWeekdayName(const CivilDate& date) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return kNames[DayOfWeek(date)];
}

std::string Yyyymmdd(const CivilDate& date) {
    if (date.year < 0 || date.year > 9999) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%04d%02d%02d", date.year, date.month, date.day);
        return buf;
    }
    // Written by hand: the working texts write two dates for every rate period.
    std::string text(8, '0');
    int y = date.year;
    for (int i = 3; i >= 0; --i, y /= 10) text[i] = static_cast<char>('0' + y % 10);
    text[4] = static_cast<char>('0' + date.month / 10 % 10);
    text[5] = static_cast<char>('0' + date.month % 10);
    text[6] = static_cast<char>('0' + date.day / 10 % 10);
    text[7] = static_cast<char>('0' + date.day % 10);
    return text;
}

std::optional<CivilDate> ParseYyyymmdd(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    auto number = [&](std::size_t from, std::size_t count) {
        int v = 0;
        for (std::size_t i = from; i < from + count; ++i) v = v * 10 + (text[i] - '0');
        return v;
    };
    CivilDate date{number(0, 4), number(4, 2), number(6, 2)};
    if (!IsValid(date)) return std::nullopt;
    return date;
}

}  // namespace lumtar
