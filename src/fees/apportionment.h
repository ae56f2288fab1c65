#pragma once
// The numbers behind the apportionment window: a fee divided among up to four
// parties in proportion to the part of the subject amount each one bears.

#include <array>
#include <span>
#include <string>

namespace lumtar {

// The subject amount less the portions of the rows above, taken in row order.
double RemainingPortion(double amount, std::span<const double> portions);

// A party's share of the fee: its portion of the amount, times the fee.
double FeeShare(double portion, double amount, double fee);

// A remainder is short only when it is below zero as written to the cent: the
// next row receives the remainder in "0.00" form, so a hair below zero left by
// floating-point error (0.3 - 0.1 - 0.2) is no shortfall.
bool IsShortfall(double remainder);

// The note under the rows: whether the shares as shown add up to the fee as
// shown, or by how much rounding to the cent made them miss it.
std::string AgreementNote(double fee, const std::array<double, 4>& shownShares);

inline constexpr std::string_view kSharesAgree = " 分项诉讼费与总诉讼费 相符！  ";
inline constexpr std::string_view kSharesDiffer = " 因四舍五入，总诉讼费与分项诉讼费之和相差";

}  // namespace lumtar
