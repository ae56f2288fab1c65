#include "fees/apportionment.h"

#include "amounts/number_text.h"

namespace lumtar {

double RemainingPortion(double amount, std::span<const double> portions) {
    double remainder = amount;
    for (double portion : portions) remainder -= portion;
    return remainder;
}

double FeeShare(double portion, double amount, double fee) {
    return portion / amount * fee;
}

bool IsShortfall(double remainder) {
    return FormatFixed2(remainder).starts_with('-');
}

std::string AgreementNote(double fee, const std::array<double, 4>& shownShares) {
    double sum = 0;
    for (double share : shownShares) sum += share;
    const std::string gap = FormatFixed2(fee - sum);
    if (gap != "0.00") return std::string(kSharesDiffer) + gap;
    return std::string(kSharesAgree);
}

}  // namespace lumtar
