#pragma once
// The page "迟延利息": interest for delayed performance of a money judgment,
// the debt times the benchmark rate for a loan of the same term, doubled,
// times the delay, by three methods side by side: at the latest rate, at the
// rate in force when the time for payment ran out, and piece by piece over
// the rate adjustments inside the delay.

#include <string>
#include <string_view>

#include "rates/benchmark_rates.h"
#include "rates/rate_page_outcome.h"

namespace lumtar {

struct InterestInputs {
    CivilDate start;         // the day the time for payment ran out
    CivilDate end;           // the day the delay is counted to
    std::string amountText;  // the amount field, as typed
};

// The full recomputation of the page. `latestRateLine` names the release's
// latest adjustment (" 最新基准利率调整日期：2012年7月6日").
RatePageOutcome InterestPageText(const BenchmarkRates& rates, std::string_view latestRateLine,
                                 const InterestInputs& inputs);

}  // namespace lumtar
