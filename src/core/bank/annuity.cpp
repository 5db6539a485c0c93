#include "core/bank/annuity.h"

#include <cmath>

namespace numeralia::bank {

namespace {

// What is still owed after `count` whole periods of the annuity, measured at the end of the
// last of them (interest of those periods included, their payments made).
double balanceAfter(double rate, double count, double payment, double principal, Timing timing) {
    if (rate == 0.0) return principal - payment * count;
    const double growth = std::pow(1.0 + rate, count);
    const double paymentsWorth =
        payment * (timing == Timing::BeginningOfPeriod ? 1.0 + rate : 1.0) * (growth - 1.0) / rate;
    return principal * growth - paymentsWorth;
}

}  // namespace

double roundToCents(double x) { return std::floor((x + 0.005) * 100.0) / 100.0; }

double annuityPayment(double rate, double periods, double principal, Timing timing) {
    if (rate == 0.0) return principal / periods;
    const double payment = principal * rate / (1.0 - std::pow(1.0 + rate, -periods));
    return timing == Timing::BeginningOfPeriod ? payment / (1.0 + rate) : payment;
}

double interestPart(double rate, int period, double periods, double principal, Timing timing) {
    if (rate == 0.0) return 0.0;
    const double payment = annuityPayment(rate, periods, principal, timing);
    if (timing == Timing::EndOfPeriod) {
        // Interest of period `period` on what was owed after the previous payment.
        return balanceAfter(rate, period - 1, payment, principal, timing) * rate;
    }
    // Paid in advance: the first payment carries no interest; payment `period` pays the
    // interest of the period that began with payment `period` - 1.
    if (period <= 1) return 0.0;
    return (balanceAfter(rate, period - 2, payment, principal, timing) - payment) * rate;
}

double principalPart(double rate, int period, double periods, double principal, Timing timing) {
    return annuityPayment(rate, periods, principal, timing) -
           interestPart(rate, period, periods, principal, timing);
}

}  // namespace numeralia::bank
