#include "amounts/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lumtar {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the shape of a decimal number; strtod alone would also take hex,
// "inf" and "nan".
bool HasDecimalShape(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        while (i < s.size() && IsDigit(s[i])) ++i;
    }
    return i == s.size();
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseFloat(std::string_view text) {
    std::string s(TrimBlanks(text));
    if (!HasDecimalShape(s)) return std::nullopt;
    // An exponent still being typed ("1e", "1e-") counts for nothing.
    while (!s.empty() && (s.back() == 'e' || s.back() == 'E' || s.back() == '+' || s.back() == '-'))
        s.pop_back();
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double StrToFloat(std::string_view text) {
    if (auto value = ParseFloat(text)) return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = ParseInt32(text)) return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::string FormatFixed2(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    // 15 significant digits d1.d2...d15 and the decimal exponent.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string digits;
    digits.reserve(15);
    const char* p = buf;
    for (; p < written.ptr && *p != 'e'; ++p)
        if (IsDigit(*p)) digits += *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), written.ptr, exponent);

    // Keep the digits down to the hundredths and round half away from zero.
    const int keep = exponent + 3;
    std::string cents;
    if (keep >= static_cast<int>(digits.size())) {
        cents = digits + std::string(keep - digits.size(), '0');
    } else if (keep <= 0) {
        cents = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else {
        cents = digits.substr(0, keep);
        if (digits[keep] >= '5') {
            int i = keep - 1;
            while (i >= 0 && cents[i] == '9') cents[i--] = '0';
            if (i < 0)
                cents.insert(cents.begin(), '1');
            else
                ++cents[i];
        }
    }
    const auto firstNonZero = cents.find_first_not_of('0');
    cents = firstNonZero == std::string::npos ? "0" : cents.substr(firstNonZero);
    const bool zero = cents == "0";
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');
    cents.insert(cents.size() - 2, ".");
    return (value < 0 && !zero) ? "-" + cents : cents;
}

std::string FormatGeneral15(double wholeValue) {
    if (std::isnan(wholeValue)) return "NAN";
    if (std::isinf(wholeValue)) return wholeValue < 0 ? "-INF" : "INF";
    if (std::fabs(wholeValue) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", wholeValue);
        return buf;
    }
    // Mantissa without trailing zeros, "E", exponent without sign padding.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", wholeValue);
    std::string s(buf);
    const auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    const int exponent = std::atoi(s.c_str() + e + 1);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + "E" + std::to_string(exponent);
}

}  // namespace lumtar
