#include "core/bank/schedules.h"

#include <cmath>

namespace numeralia::bank {

namespace {

// The whole months of a term: the table has a row for each month up to the term.
int wholeMonths(float months) { return months >= 1.0f ? static_cast<int>(std::floor(months)) : 0; }

}  // namespace

LoanSchedule computeLoan(double principal, float monthlyRate, float months, Timing timing) {
    LoanSchedule loan;
    const double rate = monthlyRate;
    const double periods = months;
    loan.payment = annuityPayment(rate, periods, principal, timing);
    loan.totalPaid = loan.payment * periods;
    const int count = wholeMonths(months);
    loan.rows.reserve(static_cast<std::size_t>(count));
    double balance = principal;
    for (int month = 1; month <= count; ++month) {
        const double principalShare =
            roundToCents(principalPart(rate, month, periods, principal, timing));
        const double interestShare = roundToCents(loan.payment - principalShare);
        balance -= principalShare;
        // The balance is a sum of cents; rounding it again only drops the binary noise that
        // would otherwise show as "-0,00" at the end of the table.
        loan.rows.push_back(
            {month, {loan.payment, principalShare, interestShare, roundToCents(balance)}});
    }
    return loan;
}

DepositSchedule computeDeposit(double principal, float monthlyRate, float months) {
    DepositSchedule deposit;
    const double rate = monthlyRate;
    deposit.yearlyEquivalentRate = (std::pow(1.0 + rate, 12.0) - 1.0) * 100.0;
    const int count = wholeMonths(months);
    deposit.rows.reserve(static_cast<std::size_t>(count));
    double balance = principal;
    double interestSoFar = 0;
    for (int month = 1; month <= count; ++month) {
        const double opening = balance;
        const double interest = roundToCents(opening * rate);
        interestSoFar += interest;
        balance += interest;
        deposit.rows.push_back({month, {opening, interest, interestSoFar, balance}});
    }
    deposit.finalCapital = balance;
    deposit.totalInterest = interestSoFar;
    return deposit;
}

SavingsSchedule computeSavings(double openingCapital, double monthlyContribution,
                               double yearlyIncreasePercent, float monthlyRate, float months,
                               Timing timing) {
    SavingsSchedule plan;
    const double rate = monthlyRate;
    const double yearlyGrowth = 1.0 + yearlyIncreasePercent / 100.0;
    const int count = wholeMonths(months);
    plan.rows.reserve(static_cast<std::size_t>(count));
    double balance = openingCapital;
    double contributed = openingCapital;
    double interestSoFar = 0;
    double yearContribution = monthlyContribution;
    for (int month = 1; month <= count; ++month) {
        if (month > 1 && (month - 1) % 12 == 0) yearContribution *= yearlyGrowth;
        const double contribution = roundToCents(yearContribution);
        // Paid at the beginning of the month, the contribution earns that month's interest.
        const double earning =
            timing == Timing::BeginningOfPeriod ? balance + contribution : balance;
        const double interest = roundToCents(earning * rate);
        contributed += contribution;
        interestSoFar += interest;
        balance += contribution + interest;
        plan.rows.push_back({month, {contribution, interest, contributed, balance}});
    }
    plan.totalContributed = contributed;
    plan.finalCapital = balance;
    plan.totalInterest = interestSoFar;
    return plan;
}

}  // namespace numeralia::bank
