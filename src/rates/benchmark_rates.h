#pragma once
// The People's Bank of China benchmark lending rates, one row per adjustment,
// with the lookups the interest and damages pages need: the rate period a day
// falls into and the loan-term tier that fits the length of a period.

#include <array>
#include <span>
#include <string_view>

#include "dates/calendar_period.h"
#include "dates/civil_date.h"

namespace lumtar {

inline constexpr int kTermTierCount = 5;
// Adjustments known to the newest release; an older release carries fewer.
inline constexpr int kAllRateRows = 34;
// The first adjustment in the table: no interest is computed from an earlier day.
inline constexpr CivilDate kFirstRateDate{1991, 4, 21};

struct RateRow {
    CivilDate adjustedOn;
    std::array<double, kTermTierCount> percentPerYear;  // by term tier
};

// The table as one release carries it: its first `rowCount` adjustments.
// Rows are numbered from 1; row k is in force from its adjustment day up to
// the day before the next adjustment, and the last row has no end.
class BenchmarkRates {
public:
    // Throws std::invalid_argument unless 1 <= rowCount <= kAllRateRows.
    explicit BenchmarkRates(int rowCount);

    int latestRow() const { return rowCount_; }
    std::span<const RateRow> rows() const;
    // Throw std::out_of_range for a row outside 1..latestRow() or a bad tier.
    const CivilDate& adjustedOn(int row) const;
    double percentPerYear(int row, int tier) const;

private:
    int rowCount_;
};

// The row in force on the day (1..latestRow), or 0 before kFirstRateDate.
// An adjustment day already has the new rates.
int RatePeriodOf(const BenchmarkRates& rates, const CivilDate& day);

// The loan-term tier (0..4) of a period of y years, m months and d days:
// exactly six months, one, three or five years stay in the lower tier.
// Throws std::invalid_argument for negative years, which only a reversed
// pair of dates gives.
int TermTierOf(const Period& length);

// "六个月以内（含六个月）" ... "五年以上"; throws std::out_of_range for a bad tier.
std::string_view TermTierText(int tier);

}  // namespace lumtar
