#include "rates/damages_text.h"

#include <stdexcept>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"
#include "rates/segmented_interest.h"

namespace lumtar {
namespace {

// A rate above this, in percent, is most likely a typing slip.
double PlausibleLimit(DamagesRate rate) {
    switch (rate) {
        case DamagesRate::Daily:
            return 1;
        case DamagesRate::Monthly:
            return 10;
        case DamagesRate::Yearly:
            return 100;
        case DamagesRate::Benchmark:
            break;
    }
    throw std::invalid_argument("the benchmark option has no agreed rate");
}

void AgreedRateLines(const DamagesInputs& in, double debt, const Period& length,
                     RatePageOutcome& out) {
    if (in.rateText.empty()) return;
    const std::optional<double> percent = ConvertTyped(in.rateText, out);
    if (!percent) return;

    const long long days = DayNumber(in.end) - DayNumber(in.start);
    const double damages = AgreedRateDamages(in.rate, debt, *percent, days, length);
    const std::string overdue = in.rate == DamagesRate::Daily
                                    ? " 逾期： " + std::to_string(days) + "天  "
                                    : PeriodLine("逾期", length);
    out.lines = {
        " 金额(元):" + in.amountText,
        "",
        overdue,
        " 约定利率：" + std::string(DamagesRateCaption(in.rate)) + " " + in.rateText + "%",
        "",
        std::string(kResultRule),
    };
    if (*percent > PlausibleLimit(in.rate)) out.lines.push_back(" 利率过高，填写可能有误");
    out.lines.push_back(" 【计算结果】逾期违约金(元)：" + FormatFixed2(damages));
}

void BenchmarkLines(const BenchmarkRates& rates, std::string_view latestRateLine,
                    const DamagesInputs& in, double debt, const Period& length,
                    RatePageOutcome& out) {
    const int tier = TermTierOf(length);
    SegmentedTotal pieces = SegmentedInterest(rates, debt, in.start, in.end, tier, 1);
    out.lines = {
        " 债务金额(元):" + in.amountText,
        PeriodLine("期间", length),
        " 所属利率档： " + std::string(TermTierText(tier)),
        std::string(latestRateLine),
        " 单倍，按人民银行同期贷款利率（按基准利率）,分段累加计算",
        "",
        " 计算结果：" + FormatFixed2(pieces.total),
        std::string(kSegmentHeading),
    };
    out.lines.insert(out.lines.end(), pieces.entries.begin(), pieces.entries.end());
    out.segments = std::move(pieces.entries);
}

}  // namespace

std::string_view DamagesRateCaption(DamagesRate rate) {
    switch (rate) {
        case DamagesRate::Daily:
            return "日利率";
        case DamagesRate::Monthly:
            return "月利率";
        case DamagesRate::Yearly:
            return "年利率";
        case DamagesRate::Benchmark:
            return "人民银行同期贷款基准利率";
    }
    return {};
}

double AgreedRateDamages(DamagesRate rate, double debt, double percent, long long days,
                         const Period& length) {
    const double y = length.years;
    const double m = length.months;
    const double d = length.days;
    switch (rate) {
        case DamagesRate::Daily:
            return debt * percent * 0.01 * static_cast<double>(days);
        case DamagesRate::Monthly:
            // A month counts 30 days.
            return (12 * y + m) * percent * 0.01 * debt + debt * (percent * d / 30 * 0.01);
        case DamagesRate::Yearly:
            // A year counts 12 months or 360 days.
            return y * percent * 0.01 * debt + debt * (percent * m / 12 * 0.01) +
                   debt * (percent * d / 360 * 0.01);
        case DamagesRate::Benchmark:
            break;
    }
    throw std::invalid_argument("the benchmark option has no agreed rate");
}

RatePageOutcome DamagesPageText(const BenchmarkRates& rates, std::string_view latestRateLine,
                                const DamagesInputs& in) {
    RatePageOutcome out;
    const std::optional<Period> begun = BeginRatePage(out, in.start, in.end, in.amountText);
    if (!begun) return out;
    const Period length = *begun;
    const bool benchmark = in.rate == DamagesRate::Benchmark;
    if (benchmark && in.start < kFirstRateDate) {
        out.message = kStartTooEarly;
        return out;
    }
    out.clearsResults = true;
    const std::optional<double> debt = ConvertTyped(in.amountText, out);
    if (!debt) return out;
    out.echo = AmountInChinese(*debt);
    if (benchmark)
        BenchmarkLines(rates, latestRateLine, in, *debt, length, out);
    else
        AgreedRateLines(in, *debt, length, out);
    return out;
}

}  // namespace lumtar
