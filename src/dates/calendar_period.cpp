#include "dates/calendar_period.h"

namespace lumtar {

Period CalendarPeriod(const CivilDate& start, const CivilDate& end) {
    const int a = start.day;
    const int b = end.day;
    const int startMonthLength = MonthLength(start.year, start.month);
    const int endMonthLength = MonthLength(end.year, end.month);

    Period p{end.year - start.year, end.month - start.month, 0};
    if (b >= a) {
        if (p.months < 0) {
            p.years -= 1;
            p.months += 12;
        }
        p.days = b - a;
        return p;
    }
    // Borrow a month: the start month's remaining days are added to the end day.
    if (p.months <= 0) {
        p.years -= 1;
        p.months += 12;
    }
    p.months -= 1;
    p.days = (startMonthLength - a) + b;
    // A period ending on the last day of its month counts that month as complete.
    if (b == endMonthLength) {
        p.days = startMonthLength - a;
        p.months += 1;
        if (p.months == 12) {
            p.years += 1;
            p.months = 0;
        }
    }
    return p;
}

std::string PeriodText(const Period& period) {
    return std::to_string(period.years) + "年" + std::to_string(period.months) + "个月" +
           std::to_string(period.days) + "天";
}

}  // namespace lumtar
