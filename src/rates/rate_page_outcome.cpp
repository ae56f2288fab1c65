#include "rates/rate_page_outcome.h"

#include "amounts/number_text.h"

namespace lumtar {

std::optional<Period> BeginRatePage(RatePageOutcome& outcome, const CivilDate& start,
                                    const CivilDate& end, std::string_view amountText) {
    if (end < start) {
        outcome.interval = kDatesReversed;
        return std::nullopt;
    }
    const Period length = CalendarPeriod(start, end);
    outcome.interval = IntervalText(length);
    if (amountText.empty()) {
        outcome.echo = "";
        return std::nullopt;
    }
    return length;
}

std::string IntervalText(const Period& length) {
    return "间隔： " + PeriodText(length);
}

std::string PeriodLine(std::string_view caption, const Period& length) {
    return " " + std::string(caption) + "： " + std::to_string(length.years) + "年  " +
           std::to_string(length.months) + "个月 " + std::to_string(length.days) + "天";
}

std::optional<double> ConvertTyped(std::string_view text, RatePageOutcome& outcome) {
    try {
        return StrToFloat(text);
    } catch (const ConversionError& error) {
        outcome.conversionError = error.what();
        return std::nullopt;
    }
}

}  // namespace lumtar
