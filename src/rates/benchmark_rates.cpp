#include "rates/benchmark_rates.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace lumtar {
namespace {

// Annual rates in percent: up to six months, six months to one year, one to
// three years, three to five years, over five years.
constexpr std::array<RateRow, kAllRateRows> kRows{{
    {{1991, 4, 21}, {8.10, 8.64, 9.00, 9.54, 9.72}},
    {{1993, 5, 15}, {8.82, 9.36, 10.80, 12.06, 12.24}},
    {{1993, 7, 11}, {9.00, 10.98, 12.24, 13.86, 14.04}},
    {{1995, 1, 1}, {9.00, 10.98, 12.96, 14.58, 14.76}},
    {{1995, 7, 1}, {10.08, 12.06, 13.50, 15.12, 15.30}},
    {{1996, 5, 1}, {9.72, 10.98, 13.14, 14.94, 15.12}},
    {{1996, 8, 23}, {9.18, 10.08, 10.98, 11.70, 12.42}},
    {{1997, 10, 23}, {7.65, 8.64, 9.36, 9.90, 10.53}},
    {{1998, 3, 25}, {7.02, 7.92, 9.00, 9.72, 10.35}},
    {{1998, 7, 1}, {6.57, 6.93, 7.11, 7.65, 8.01}},
    {{1998, 12, 7}, {6.12, 6.39, 6.66, 7.20, 7.56}},
    {{1999, 6, 10}, {5.58, 5.85, 5.94, 6.03, 6.21}},
    {{2002, 2, 21}, {5.04, 5.31, 5.49, 5.58, 5.76}},
    {{2004, 10, 29}, {5.22, 5.58, 5.76, 5.85, 6.12}},
    {{2006, 4, 28}, {5.40, 5.85, 6.03, 6.12, 6.39}},
    {{2006, 8, 19}, {5.58, 6.12, 6.30, 6.48, 6.84}},
    {{2007, 3, 18}, {5.67, 6.39, 6.57, 6.75, 7.11}},
    {{2007, 5, 19}, {5.85, 6.57, 6.75, 6.93, 7.20}},
    {{2007, 7, 21}, {6.03, 6.84, 7.02, 7.20, 7.38}},
    {{2007, 8, 22}, {6.21, 7.02, 7.20, 7.38, 7.56}},
    {{2007, 9, 15}, {6.48, 7.29, 7.47, 7.65, 7.83}},
    {{2007, 12, 21}, {6.57, 7.47, 7.56, 7.74, 7.83}},
    {{2008, 9, 16}, {6.21, 7.20, 7.29, 7.56, 7.74}},
    {{2008, 10, 9}, {6.12, 6.93, 7.02, 7.29, 7.47}},
    {{2008, 10, 30}, {6.03, 6.66, 6.75, 7.02, 7.20}},
    {{2008, 11, 27}, {5.04, 5.58, 5.67, 5.94, 6.12}},
    {{2008, 12, 23}, {4.86, 5.31, 5.40, 5.76, 5.94}},
    {{2010, 10, 20}, {5.10, 5.56, 5.60, 5.96, 6.14}},
    {{2010, 12, 26}, {5.35, 5.81, 5.85, 6.22, 6.40}},
    {{2011, 2, 9}, {5.60, 6.06, 6.10, 6.45, 6.60}},
    {{2011, 4, 6}, {5.85, 6.31, 6.40, 6.65, 6.80}},
    {{2011, 7, 7}, {6.10, 6.56, 6.65, 6.90, 7.05}},
    {{2012, 6, 8}, {5.85, 6.31, 6.40, 6.65, 6.80}},
    {{2012, 7, 6}, {5.60, 6.00, 6.15, 6.40, 6.55}},
}};

constexpr std::array<std::string_view, kTermTierCount> kTierTexts{
    "六个月以内（含六个月）",
    "六个月至一年（含一年）",
    "一至三年（含三年）",
    "三至五年（含五年）",
    "五年以上",
};

void CheckRow(const BenchmarkRates& rates, int row) {
    if (row < 1 || row > rates.latestRow())
        throw std::out_of_range("no benchmark rate row " + std::to_string(row));
}

}  // namespace

BenchmarkRates::BenchmarkRates(int rowCount) : rowCount_(rowCount) {
    if (rowCount < 1 || rowCount > kAllRateRows)
        throw std::invalid_argument("benchmark rate table of " + std::to_string(rowCount) +
                                    " rows");
}

std::span<const RateRow> BenchmarkRates::rows() const {
    return std::span<const RateRow>(kRows).first(static_cast<std::size_t>(rowCount_));
}

const CivilDate& BenchmarkRates::adjustedOn(int row) const {
    CheckRow(*this, row);
    return kRows[static_cast<std::size_t>(row - 1)].adjustedOn;
}

double BenchmarkRates::percentPerYear(int row, int tier) const {
    CheckRow(*this, row);
    return kRows[static_cast<std::size_t>(row - 1)].percentPerYear.at(
        static_cast<std::size_t>(tier));
}

int RatePeriodOf(const BenchmarkRates& rates, const CivilDate& day) {
    const auto rows = rates.rows();
    // The first row adjusted after the day; the one before it is in force.
    const auto after =
        std::upper_bound(rows.begin(), rows.end(), day,
                         [](const CivilDate& d, const RateRow& row) { return d < row.adjustedOn; });
    return static_cast<int>(after - rows.begin());
}

int TermTierOf(const Period& length) {
    const int y = length.years;
    if (y < 0) throw std::invalid_argument("a period with negative years has no loan term");
    const bool wholeYears = length.months == 0 && length.days == 0;
    switch (y) {
        case 0: {
            const bool upToSixMonths =
                length.months < 6 || (length.months == 6 && length.days == 0);
            return upToSixMonths ? 0 : 1;
        }
        case 1:
            return wholeYears ? 1 : 2;
        case 2:
            return 2;
        case 3:
            return wholeYears ? 2 : 3;
        case 4:
            return 3;
        case 5:
            return wholeYears ? 3 : 4;
        default:
            return 4;
    }
}

std::string_view TermTierText(int tier) {
    return kTierTexts.at(static_cast<std::size_t>(tier));
}

}  // namespace lumtar
