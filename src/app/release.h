#pragma once
// What differs between the two releases built from these sources. Each
// program entry passes one of these to the main window.

#include <string_view>

namespace lumtar {

struct Release {
    std::string_view name;             // "V14.2"
    std::string_view caption;          // window caption
    int rateRows;                      // rows of the benchmark-rate table in force
    std::string_view latestRateLabel;  // caption under the interest page's pickers
    std::string_view latestRateLine;   // working line naming the latest adjustment
    bool benchmarkDamagesOption;       // damages at the benchmark rate
    std::string_view damagesHeading;   // heading of the damages page's rate options
    std::string_view copyright;        // bottom-strip copyright line
};

inline constexpr Release kReleaseV14_2{
    "V14.2",
    "LumtarV14.2   计算结果仅供参考 ",
    34,
    "最新收录利率2012年7月6日",
    " 最新基准利率调整日期：2012年7月6日",
    true,
    "利率选项:",
    "©Orvane 2012.08 V14.2",
};

inline constexpr Release kReleaseV13{
    "V13",
    "LumtarV13   计算结果仅供参考 ",
    32,
    "最新收录利率2011年7月7日",
    " 最新基准利率调整日期：2011年7月7日",
    false,
    "利率约定",
    "©Orvane 2011.07 V13",
};

}  // namespace lumtar
