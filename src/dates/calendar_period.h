#pragma once
// The length of a period in whole years, months and days, with the court's
// rules for borrowing a month and for periods that end on a month's last day.

#include <string>

#include "dates/civil_date.h"

namespace lumtar {

struct Period {
    int years = 0;
    int months = 0;
    int days = 0;

    friend bool operator==(const Period&, const Period&) = default;
};

// Any two dates give an answer; an end before the start gives negative years.
Period CalendarPeriod(const CivilDate& start, const CivilDate& end);

// "1年2个月3天".
std::string PeriodText(const Period& period);

}  // namespace lumtar
