#include "fees/fee_schedules.h"

namespace lumtar {

double PropertyCaseFee(double x) {
    if (x <= 10'000) return 50;
    if (x <= 100'000) return x * 0.025 - 200;
    if (x <= 200'000) return x * 0.02 + 300;
    if (x <= 500'000) return x * 0.015 + 1'300;
    if (x <= 1'000'000) return x * 0.01 + 3'800;
    if (x <= 2'000'000) return x * 0.009 + 4'800;
    if (x <= 5'000'000) return x * 0.008 + 6'800;
    if (x <= 10'000'000) return x * 0.007 + 11'800;
    if (x <= 20'000'000) return x * 0.006 + 21'800;
    return x * 0.005 + 41'800;
}

double DivorceCaseFee(double x, int baseFee) {
    if (x <= 200'000) return baseFee;
    return (x - 200'000) * 0.005 + baseFee;
}

double PersonalityRightsFee(double x, int baseFee) {
    if (x <= 50'000) return baseFee;
    if (x <= 100'000) return baseFee + (x - 50'000) * 0.01;
    return (x - 100'000) * 0.005 + 500 + baseFee;
}

double EnforcementFee(double x) {
    if (x <= 10'000) return 50;
    if (x <= 500'000) return x * 0.015 - 100;
    if (x <= 5'000'000) return (x - 500'000) * 0.01 + 7'400;
    if (x <= 10'000'000) return (x - 5'000'000) * 0.005 + 52'400;
    return (x - 10'000'000) * 0.001 + 77'400;
}

double PreservationFee(double x) {
    constexpr double kCeiling = 5'000;
    double fee;
    if (x <= 1'000)
        fee = 30;
    else if (x <= 100'000)
        fee = x * 0.01 + 20;
    else
        fee = (x - 100'000) * 0.005 + 1'020;
    return fee > kCeiling ? kCeiling : fee;
}

double PaymentOrderFee(double x) {
    return PropertyCaseFee(x) * (1.0 / 3.0);
}

AcceptanceFees ComputeAcceptanceFees(double amount, int divorceBaseFee, int personalityBaseFee,
                                     bool halved) {
    AcceptanceFees fees{PropertyCaseFee(amount), DivorceCaseFee(amount, divorceBaseFee),
                        PersonalityRightsFee(amount, personalityBaseFee)};
    if (halved) {
        fees.property *= 0.5;
        fees.divorce *= 0.5;
        fees.personality *= 0.5;
    }
    return fees;
}

ApplicationFees ComputeApplicationFees(double amount) {
    return {EnforcementFee(amount), PreservationFee(amount), PaymentOrderFee(amount)};
}

}  // namespace lumtar
