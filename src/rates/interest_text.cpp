#include "rates/interest_text.h"

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"
#include "rates/segmented_interest.h"

namespace lumtar {
namespace {
// The law doubles the benchmark rate for delayed performance.
constexpr int kDoubled = 2;
}  // namespace

RatePageOutcome InterestPageText(const BenchmarkRates& rates, std::string_view latestRateLine,
                                 const InterestInputs& in) {
    RatePageOutcome out;
    const std::optional<Period> begun = BeginRatePage(out, in.start, in.end, in.amountText);
    if (!begun) return out;
    const Period delay = *begun;
    if (in.start < kFirstRateDate) {
        out.message = kStartTooEarly;
        return out;
    }
    out.clearsResults = true;
    const std::optional<double> amount = ConvertTyped(in.amountText, out);
    if (!amount) return out;
    out.echo = AmountInChinese(*amount);

    const int tier = TermTierOf(delay);
    const double atLatestRate =
        BankYearInterest(*amount, rates.percentPerYear(rates.latestRow(), tier), delay, kDoubled);
    const double atStartRate = BankYearInterest(
        *amount, rates.percentPerYear(RatePeriodOf(rates, in.start), tier), delay, kDoubled);
    SegmentedTotal pieces = SegmentedInterest(rates, *amount, in.start, in.end, tier, kDoubled);

    out.lines = {
        " 债务金额(元):" + in.amountText,
        PeriodLine("迟延期间", delay),
        " 所属利率档： " + std::string(TermTierText(tier)),
        std::string(latestRateLine),
        " 双倍计算",
        "",
        std::string(kResultRule),
        " 【计算结果1】现行基准利率方法：" + FormatFixed2(atLatestRate),
        " 【计算结果2】指定给付时基准利率方法：" + FormatFixed2(atStartRate),
        " 【计算结果3】分段累加基准利率方法：" + FormatFixed2(pieces.total),
        std::string(kSegmentHeading),
    };
    out.lines.insert(out.lines.end(), pieces.entries.begin(), pieces.entries.end());
    out.segments = std::move(pieces.entries);
    return out;
}

}  // namespace lumtar
