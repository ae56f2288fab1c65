#pragma once
// The page "违约金": liquidated damages for late payment, either at a rate
// the parties agreed per day, month or year, or at the benchmark lending rate
// summed piece by piece over the rate adjustments inside the period.

#include <string>
#include <string_view>

#include "rates/benchmark_rates.h"
#include "rates/rate_page_outcome.h"

namespace lumtar {

enum class DamagesRate { Daily, Monthly, Yearly, Benchmark };

struct DamagesInputs {
    DamagesRate rate = DamagesRate::Daily;
    CivilDate start;
    CivilDate end;
    std::string amountText;  // the amount field, as typed
    std::string rateText;    // the agreed rate in percent, as typed; unused at the benchmark
};

// "日利率", "月利率", "年利率", "人民银行同期贷款基准利率".
std::string_view DamagesRateCaption(DamagesRate rate);

// Agreed-rate damages for a period of whole days (daily rate) or of years,
// months and days (monthly and yearly rates, a month of 30 days and a year of
// 12 months or 360 days). Not for the benchmark option.
double AgreedRateDamages(DamagesRate rate, double debt, double percent, long long days,
                         const Period& length);

// The full recomputation of the page. `latestRateLine` names the release's
// latest adjustment (" 最新基准利率调整日期：2012年7月6日").
RatePageOutcome DamagesPageText(const BenchmarkRates& rates, std::string_view latestRateLine,
                                const DamagesInputs& inputs);

}  // namespace lumtar
