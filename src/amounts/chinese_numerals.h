#pragma once
// Amounts written out in Chinese numerals with 元, 角 and 分, as court
// documents write them, and the choice between figures and numerals.

#include <string>
#include <string_view>

namespace lumtar {

inline constexpr std::string_view kTooManyDigits = "数值过大!";
inline constexpr std::string_view kNotADigit = "输入含非数字字符!";

// Numerals for a non-negative whole number given as decimal digits, or one of
// the two failure texts above.
std::string DigitsInChinese(std::string_view digits);

// The amount rounded to the 分 and written in numerals; never fails, a failure
// text of DigitsInChinese ends up inside the result ("输入含非数字字符!元").
std::string AmountInChinese(double amount);

// Figures ("0.00") or numerals, as a page's "小写"/"大写" choice says.
std::string AmountText(double amount, bool numerals);

}  // namespace lumtar
