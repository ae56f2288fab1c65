#include "dates/deadline.h"

#include <algorithm>
#include <set>

#include "amounts/number_text.h"
#include "app/ini_text.h"

namespace lumtar {
namespace {

constexpr std::string_view kWeekendMark = "假日 ";
constexpr std::string_view kDayOffMark = "放假公休调休";
constexpr std::string_view kWorkingDayMark = "调为工作日";
constexpr std::string_view kEndBeforeStart = "错误：终止日期早于起始日期,请更正";

bool IsNumKey(std::string_view key) {
    return key.size() == 3 && (key[0] == 'n' || key[0] == 'N') &&
           (key[1] == 'u' || key[1] == 'U') && (key[2] == 'm' || key[2] == 'M');
}

// The number a key such as "12" names: decimal digits without a leading zero.
std::optional<long long> KeyNumber(std::string_view key) {
    if (key.empty() || key.size() > 10 || key.front() == '0') return std::nullopt;
    long long n = 0;
    for (char c : key) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool Listed(const std::vector<std::string>& dates, const std::string& day) {
    return std::find(dates.begin(), dates.end(), day) != dates.end();
}

bool InPickerRange(const CivilDate& date) {
    return date >= kEarliestPickerDate && date <= kLatestPickerDate;
}

}  // namespace

std::vector<std::string> ListedDates(const SectionEntries& section) {
    int count = 0;
    for (const auto& [key, value] : section) {
        if (IsNumKey(key)) {
            count = IniParseInteger(value).value_or(0);
            break;
        }
    }
    std::vector<std::string> dates;
    std::set<long long> seen;
    for (const auto& [key, value] : section) {
        const auto n = KeyNumber(key);
        if (!n || *n > count || !seen.insert(*n).second) continue;
        dates.push_back(value);
    }
    return dates;
}

std::string DayMark(const CivilDate& date, const HolidayLists& lists) {
    const std::string digits = Yyyymmdd(date);
    if (Listed(lists.workingDays, digits)) return std::string(kWorkingDayMark);
    if (Listed(lists.daysOff, digits)) return std::string(kDayOffMark);
    const int weekday = DayOfWeek(date);
    if (weekday == 0 || weekday == 6) return std::string(kWeekendMark);
    return {};
}

CountResult CountDeadline(const CivilDate& start, std::string_view dayCountText,
                          const HolidayLists& lists) {
    if (dayCountText.empty()) return {CountOutcome::Blank, {}};
    const auto dayCount = ParseInt32(dayCountText);
    if (!dayCount) return {CountOutcome::Refused, {}};
    const CivilDate end = AddDays(start, *dayCount);
    if (!InPickerRange(end)) return {CountOutcome::Refused, {}};

    Deadline deadline;
    deadline.end = end;
    deadline.weekday = std::string(ChineseWeekdayName(end));
    deadline.mark = DayMark(end, lists);
    deadline.period = PeriodText(CalendarPeriod(start, end));
    deadline.dayCount = *dayCount;
    return {CountOutcome::Counted, deadline};
}

Interval MeasureInterval(const CivilDate& start, const CivilDate& end) {
    if (end < start) return {true, std::string(kEndBeforeStart), 0};
    return {false, PeriodText(CalendarPeriod(start, end)), DayNumber(end) - DayNumber(start)};
}

}  // namespace lumtar
