#pragma once
// The month-by-month tables of the three bank operations: a loan repaid by annuity, a
// fixed-term deposit and a savings plan. Plain numbers; the window model writes the texts.

#include <array>
#include <vector>

#include "core/bank/annuity.h"

namespace numeralia::bank {

// One month of a table: the month number and the four amounts of its columns.
struct ScheduleRow {
    int month = 0;
    std::array<double, 4> amounts{};
};

// A loan: the monthly payment, what is paid in all (payment times months) and the rows
// (payment, principal part, interest part, outstanding balance), parts rounded to cents.
struct LoanSchedule {
    double payment = 0;
    double totalPaid = 0;
    std::vector<ScheduleRow> rows;
};

// `monthlyRate` and `months` are the single-precision values the window keeps; the table has
// one row for each whole month up to `months`.
LoanSchedule computeLoan(double principal, float monthlyRate, float months, Timing timing);

// A fixed-term deposit: interest compounded monthly and paid with the capital at maturity.
// Rows: opening balance, interest of the month (to cents), interest so far, closing balance.
struct DepositSchedule {
    double yearlyEquivalentRate = 0;  // in percent, the effective yearly rate (TAE)
    double finalCapital = 0;
    double totalInterest = 0;
    std::vector<ScheduleRow> rows;
};

DepositSchedule computeDeposit(double principal, float monthlyRate, float months);

// A savings plan: an optional opening capital plus a monthly contribution that grows by
// `yearlyIncreasePercent` at the start of each new year of the plan; contributions made at
// the end or at the beginning of each month. Rows: contribution, interest of the month (to
// cents), contributions so far (opening capital included), balance.
struct SavingsSchedule {
    double totalContributed = 0;
    double finalCapital = 0;
    double totalInterest = 0;
    std::vector<ScheduleRow> rows;
};

SavingsSchedule computeSavings(double openingCapital, double monthlyContribution,
                               double yearlyIncreasePercent, float monthlyRate, float months,
                               Timing timing);

}  // namespace numeralia::bank
