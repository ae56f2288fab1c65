#pragma once
// The fee schedules of the Measures on the Payment of Litigation Costs
// (State Council Decree No. 481): the acceptance fee of a property case, a
// divorce case involving property and a personality-rights case with damages,
// and the application fees for enforcement, property preservation and a
// payment order. Amounts are yuan; nothing is rounded here, only when a fee is
// written as text.
//
// Each bracket includes its upper bound, so an amount exactly on a bound takes
// the lower bracket's rate.

namespace lumtar {

// Article 13 item 1: a sliding scale from 50 yuan up to 10,000 to 0.5% above
// 20 million, written as the closed form of the bracket sums.
double PropertyCaseFee(double amount);

// Article 13 item 2: the per-case base fee up to 200,000 of property, then 0.5%.
double DivorceCaseFee(double amount, int baseFee);

// Article 13 item 2: the per-case base fee up to 50,000 of damages, then 1% up
// to 100,000 and 0.5% above.
double PersonalityRightsFee(double amount, int baseFee);

// Article 14 item 1: enforcement, from 50 yuan up to 10,000 to 0.1% above 10 million.
double EnforcementFee(double amount);

// Article 14 item 2: property preservation, 30 yuan up to 1,000, never above 5,000.
double PreservationFee(double amount);

// Article 14 item 3: a payment order costs a third of the property-case fee.
double PaymentOrderFee(double amount);

// The three acceptance fees of one amount, as the page shows and keeps them.
struct AcceptanceFees {
    double property = 0;
    double divorce = 0;
    double personality = 0;
};

// Halved fees are those of mediation, withdrawal, the simple procedure and a
// counterclaim (Articles 15, 16 and 18).
AcceptanceFees ComputeAcceptanceFees(double amount, int divorceBaseFee, int personalityBaseFee,
                                     bool halved);

struct ApplicationFees {
    double enforcement = 0;
    double preservation = 0;
    double paymentOrder = 0;
};

ApplicationFees ComputeApplicationFees(double amount);

}  // namespace lumtar
