#pragma once
// Interest at the benchmark rate over a period that crosses rate adjustments:
// the period is cut at every adjustment day inside it, each piece earns the
// rate then in force, and the pieces are added. One line of working text per
// piece lets the clerk follow the sum.

#include <string>
#include <vector>

#include "dates/calendar_period.h"
#include "rates/benchmark_rates.h"

namespace lumtar {

// Interest on `amount` at `percentPerYear` for a period of whole years,
// months and days, in the bank's year of 12 months or 360 days: the three
// terms are summed first, then multiplied by multiplier x amount. Nothing is
// rounded.
double BankYearInterest(double amount, double percentPerYear, const Period& length, int multiplier);

struct SegmentedTotal {
    double total = 0;                  // unrounded sum of the unrounded pieces
    std::vector<std::string> entries;  // one working line per piece, in date order
};

// The start must not be before kFirstRateDate nor after the end (callers
// check both first); std::invalid_argument otherwise. The tier is chosen by
// the caller from the whole period and applies to every piece.
SegmentedTotal SegmentedInterest(const BenchmarkRates& rates, double amount, const CivilDate& start,
                                 const CivilDate& end, int tier, int multiplier);

}  // namespace lumtar
