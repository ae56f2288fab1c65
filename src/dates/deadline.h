#pragma once
// The two sums of the date page. The deadline: counting N days from the day
// after a start date, which day is the last one, which weekday it falls on and
// whether it is a weekend, a listed day off or a weekend made a working day.
// The interval: from a start date to a picked end date, how many days and how
// long a period. The last day is never moved; the clerk reads the mark and decides.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dates/calendar_period.h"
#include "dates/civil_date.h"

namespace lumtar {

// The days the date pickers accept; a deadline outside them is refused.
inline constexpr CivilDate kEarliestPickerDate{1900, 1, 1};
inline constexpr CivilDate kLatestPickerDate{9999, 12, 31};

// Days off (public holidays and rest days moved by a swap) and weekend days
// made working days, each as the eight digits "yyyyMMdd" the settings file holds.
struct HolidayLists {
    std::vector<std::string> daysOff;
    std::vector<std::string> workingDays;
};

// One section of the settings file as key and value pairs, in file order.
using SectionEntries = std::vector<std::pair<std::string, std::string>>;

// The dates a "holiday" or "notholiday" section lists: the values of the keys
// "1" up to its "num" (missing or not an integer counts as 0). Only the keys
// present are taken, so a huge "num" costs nothing; a key repeated counts once,
// with its first value.
std::vector<std::string> ListedDates(const SectionEntries& section);

// The mark of a day: "假日 " for Saturday and Sunday, overridden by
// "放假公休调休" for a listed day off, overridden by "调为工作日" for a listed
// working day; empty for a plain working day. A listed date matches only when
// it is exactly the day's eight digits.
std::string DayMark(const CivilDate& date, const HolidayLists& lists);

struct Deadline {
    CivilDate end;
    std::string weekday;  // "星期一"
    std::string mark;     // as DayMark
    std::string period;   // from the start date, "0年0个月15天"
    std::int32_t dayCount = 0;
};

enum class CountOutcome {
    Blank,    // empty day count: only the period is blanked
    Refused,  // not a 32-bit integer, or a last day outside the pickers' range
    Counted,
};

struct CountResult {
    CountOutcome outcome = CountOutcome::Blank;
    Deadline deadline;  // when Counted
};

// The count from the start date and the day count as typed ("15", "-5").
CountResult CountDeadline(const CivilDate& start, std::string_view dayCountText,
                          const HolidayLists& lists);

struct Interval {
    bool endBeforeStart = false;
    std::string label;       // the period, or the refusal text
    long long dayCount = 0;  // end day number minus start day number
};

// From the start date to a picked end date; an end before the start is refused.
Interval MeasureInterval(const CivilDate& start, const CivilDate& end);

}  // namespace lumtar
