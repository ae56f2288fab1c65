#pragma once
// Reading numbers typed by a clerk and writing amounts in the "0.00" figures form.
// Pure C++: shared by every page and by the core calculations.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumtar {

// Raised where a page converts text that is not a number; the text is the
// message the standard error box shows.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a decimal number: optional blanks around it, an optional sign, digits
// with at most one '.', an optional exponent ("1e" while typing reads as 1).
// Thousands separators, words for infinity or not-a-number and values beyond
// the range of a double are refused.
std::optional<double> ParseFloat(std::string_view text);

// ParseFloat or ConversionError "'text' is not a valid floating point value".
double StrToFloat(std::string_view text);

// Reads a signed 32-bit decimal integer: optional leading blanks, an optional
// sign, digits and nothing after them.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// ParseInt32 or ConversionError "'text' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// "0.00": at least one digit before the point, exactly two after it, rounded
// half away from zero, no thousands separator, "-" for a negative value.
// The value is rounded as a person reads it, from its 15-significant-digit
// decimal form, so 1.005 gives "1.01".
std::string FormatFixed2(double value);

// Whole number as plain decimal digits below 1e15, exponent form ("1E20")
// from there on: the 15-digit general format.
std::string FormatGeneral15(double wholeValue);

// Trims blanks (spaces and tabs) from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace lumtar
