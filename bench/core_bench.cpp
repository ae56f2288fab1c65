// Core calculations, each as a page runs it at every keystroke.
#include <benchmark/benchmark.h>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"
#include "dates/calendar_period.h"
#include "dates/deadline.h"
#include "fees/fee_schedules.h"
#include "rates/damages_text.h"
#include "rates/interest_text.h"
#include "rates/segmented_interest.h"

namespace lumtar {
namespace {

void BM_AmountInChinese(benchmark::State& state) {
    double amount = 99999999999.99;
    for (auto _ : state) benchmark::DoNotOptimize(AmountInChinese(amount));
}
BENCHMARK(BM_AmountInChinese)->Name("AmountInChinese");

void BM_FormatFixed2(benchmark::State& state) {
    double amount = 36456.111111;
    for (auto _ : state) benchmark::DoNotOptimize(FormatFixed2(amount));
}
BENCHMARK(BM_FormatFixed2)->Name("FormatFixed2");

void BM_ParseFloat(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ParseFloat(" 1234567.89 "));
}
BENCHMARK(BM_ParseFloat)->Name("ParseFloat");

template <double (*Schedule)(double)>
void BM_Schedule(benchmark::State& state) {
    double amount = 30000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(Schedule(amount));
    }
}
BENCHMARK(BM_Schedule<PropertyCaseFee>)->Name("PropertyCaseFee");
BENCHMARK(BM_Schedule<EnforcementFee>)->Name("EnforcementFee");
BENCHMARK(BM_Schedule<PreservationFee>)->Name("PreservationFee");
BENCHMARK(BM_Schedule<PaymentOrderFee>)->Name("PaymentOrderFee");

void BM_DivorceCaseFee(benchmark::State& state) {
    double amount = 30000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(DivorceCaseFee(amount, 50));
    }
}
BENCHMARK(BM_DivorceCaseFee)->Name("DivorceCaseFee");

void BM_PersonalityRightsFee(benchmark::State& state) {
    double amount = 30000000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(PersonalityRightsFee(amount, 100));
    }
}
BENCHMARK(BM_PersonalityRightsFee)->Name("PersonalityRightsFee");

void BM_CalendarPeriod(benchmark::State& state) {
    CivilDate start{2011, 12, 31};
    CivilDate end{2012, 12, 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(start);
        benchmark::DoNotOptimize(CalendarPeriod(start, end));
    }
}
BENCHMARK(BM_CalendarPeriod)->Name("CalendarPeriod");

// The longest period the table allows crosses every one of its 34 rows.
void BM_SegmentedInterestLongest(benchmark::State& state) {
    const BenchmarkRates rates(34);
    const int tier = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            SegmentedInterest(rates, 100000, {1991, 4, 21}, {2030, 12, 31}, tier, 2));
}
BENCHMARK(BM_SegmentedInterestLongest)->Name("SegmentedInterest/Longest/tier")->DenseRange(0, 4);

void BM_InterestPageText(benchmark::State& state) {
    const BenchmarkRates rates(34);
    const InterestInputs inputs{{1991, 4, 21}, {2030, 12, 31}, "100000"};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            InterestPageText(rates, " 最新基准利率调整日期：2012年7月6日", inputs));
}
BENCHMARK(BM_InterestPageText)->Name("InterestPageText/Longest");

void BM_DamagesPageText(benchmark::State& state) {
    const BenchmarkRates rates(34);
    DamagesInputs inputs;
    inputs.rate = DamagesRate::Benchmark;
    inputs.start = {1991, 4, 21};
    inputs.end = {2030, 12, 31};
    inputs.amountText = "100000";
    for (auto _ : state)
        benchmark::DoNotOptimize(
            DamagesPageText(rates, " 最新基准利率调整日期：2012年7月6日", inputs));
}
BENCHMARK(BM_DamagesPageText)->Name("DamagesPageText/Benchmark/Longest");

void BM_CountDeadline(benchmark::State& state) {
    HolidayLists lists;
    CivilDate day{2007, 1, 1};
    for (int i = 0; i < 400; ++i, day = AddDays(day, 17))
        (i % 4 ? lists.daysOff : lists.workingDays).push_back(Yyyymmdd(day));
    for (auto _ : state) benchmark::DoNotOptimize(CountDeadline({2012, 9, 28}, "93", lists));
}
BENCHMARK(BM_CountDeadline)->Name("CountDeadline/400ListedDays");

}  // namespace
}  // namespace lumtar
