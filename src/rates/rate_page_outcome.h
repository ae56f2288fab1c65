#pragma once
// What one recomputation of the interest or the damages page writes, so that
// the whole text of a page is computed without a window. The page applies it
// in field order: interval, echo, message box, emptying the result box and
// the segment list, the new lines and segments, and last the conversion error.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dates/calendar_period.h"
#include "dates/civil_date.h"

namespace lumtar {

inline constexpr std::string_view kDatesReversed = "日期选择有误";
inline constexpr std::string_view kStartTooEarly = "起始日期不能早于1991年4月21日";
inline constexpr std::string_view kResultRule = " -----------------------------------";
inline constexpr std::string_view kSegmentHeading = "     分段明细：";

struct RatePageOutcome {
    std::string interval;                        // always written
    std::optional<std::string> echo;             // amount echo; "" empties it
    std::optional<std::string> message;          // a message box
    bool clearsResults = false;                  // result box and segment list emptied
    std::vector<std::string> lines;              // appended to the result box
    std::vector<std::string> segments;           // the segment list
    std::optional<std::string> conversionError;  // text that is not a number, raised last
};

// The steps both pages begin with: the order of the dates, the interval, and an
// empty amount field, which empties the echo. The period from start to end
// when the page goes on; nothing when it stops there.
std::optional<Period> BeginRatePage(RatePageOutcome& outcome, const CivilDate& start,
                                    const CivilDate& end, std::string_view amountText);

// "间隔： 1年2个月3天".
std::string IntervalText(const Period& length);

// " 期间： 1年  2个月 3天": the working line of a period, under the caller's caption.
std::string PeriodLine(std::string_view caption, const Period& length);

// The number typed in a field, or nothing with the conversion error recorded.
std::optional<double> ConvertTyped(std::string_view text, RatePageOutcome& outcome);

}  // namespace lumtar
