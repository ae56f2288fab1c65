#include "amounts/chinese_numerals.h"

#include <array>
#include <cmath>

#include "amounts/number_text.h"

namespace lumtar {
namespace {

constexpr std::array<std::string_view, 10> kDigitWords = {"零", "一", "二", "三", "四",
                                                          "五", "六", "七", "八", "九"};

// Unit of the digit at power of ten n: 十百千 inside a group of four, 万 at the
// middle of an eight-digit group and 亿 at its end (none for the units digit).
std::string_view UnitOf(int n) {
    switch (n % 4) {
        case 1:
            return "十";
        case 2:
            return "百";
        case 3:
            return "千";
        default:
            break;
    }
    if (n == 0) return "";
    return n % 8 == 4 ? "万" : "亿";
}

}  // namespace

std::string DigitsInChinese(std::string_view digits) {
    const int length = static_cast<int>(digits.size());
    if (length > 24) return std::string(kTooManyDigits);

    std::string out;
    bool zeroPending = false;     // a 零 is owed before the next non-zero digit
    bool groupHasDigits = false;  // a non-zero digit since the last 亿 position
    for (int i = 0; i < length; ++i) {
        const char c = digits[i];
        if (c < '0' || c > '9') return std::string(kNotADigit);
        const int d = c - '0';
        const int n = length - 1 - i;
        if (d != 0) {
            if (zeroPending) out += kDigitWords[0];
            out += kDigitWords[d];
            out += UnitOf(n);
            groupHasDigits = true;
        } else if (n % 8 == 0) {
            out += UnitOf(n);
        } else if (n % 8 == 4 && groupHasDigits) {
            out += UnitOf(n);
        }
        if (n % 8 == 0) groupHasDigits = false;
        zeroPending = d == 0 && n % 4 != 0;
    }
    return out.empty() ? std::string(kDigitWords[0]) : out;
}

std::string AmountInChinese(double amount) {
    std::string sign;
    if (!(amount >= 0)) {
        sign = "负";
        amount = -amount;
    }
    // Round to the 分 by adding half a 分 and cutting off what lies below it.
    const double rounded = amount + 0.005;
    int jiao = 0;
    int fen = 0;
    double whole = rounded;
    if (std::isfinite(rounded)) {
        whole = std::floor(rounded);
        const double fraction = rounded - whole;
        jiao = static_cast<int>(fraction * 10);
        fen = static_cast<int>(fraction * 100) - 10 * jiao;
        // Guards against a floating-point hair putting a digit out of 0..9.
        if (jiao < 0 || jiao > 9) jiao = 0;
        if (fen < 0 || fen > 9) fen = 0;
    }

    std::string fractionText;
    if (jiao != 0 || fen != 0) {
        fractionText = kDigitWords[jiao];
        if (jiao != 0) fractionText += "角";
        if (whole == 0 && jiao == 0) fractionText.clear();  // no 零 right after 零元
        if (fen != 0) {
            fractionText += kDigitWords[fen];
            fractionText += "分";
        }
    }
    return sign + DigitsInChinese(FormatGeneral15(whole)) + "元" + fractionText;
}

std::string AmountText(double amount, bool numerals) {
    return numerals ? AmountInChinese(amount) : FormatFixed2(amount);
}

}  // namespace lumtar
