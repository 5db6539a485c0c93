// Checks the amortization tables against a plain month-by-month loop: each month the
// interest is charged on what is still owed and the rest of the payment repays principal.

#include <gtest/gtest.h>

#include <cmath>

#include "core/bank/schedules.h"

using numeralia::bank::computeLoan;
using numeralia::bank::Timing;

namespace {

long long cents(double x) { return std::llround(x * 100.0); }
double toCents(double x) { return std::floor((x + 0.005) * 100.0) / 100.0; }

struct Loan {
    double principal;
    double yearlyPercent;
    int months;
    Timing timing;
};

}  // namespace

TEST(BankAmortization, EveryRowAgreesWithAMonthByMonthLoop) {
    const Loan loans[] = {
        {5000000, 5, 120, Timing::EndOfPeriod},
        {5000000, 5, 120, Timing::BeginningOfPeriod},
        {150000, 3.75, 360, Timing::EndOfPeriod},  // 30 years
        {150000, 3.75, 360, Timing::BeginningOfPeriod},
        {10000, 0, 48, Timing::EndOfPeriod},  // no interest
        {10000, 0, 48, Timing::BeginningOfPeriod},
        {1234.56, 12.5, 7, Timing::EndOfPeriod},
        {200000, 18, 1200, Timing::EndOfPeriod},  // 100 years
        {1, 2, 1, Timing::EndOfPeriod},
    };
    for (const Loan& loan : loans) {
        SCOPED_TRACE(::testing::Message()
                     << loan.principal << " at " << loan.yearlyPercent << " % for " << loan.months
                     << " months, timing " << static_cast<int>(loan.timing));
        const float rateSingle = static_cast<float>(loan.yearlyPercent / 1200.0);
        const double r = rateSingle;
        const bool advance = loan.timing == Timing::BeginningOfPeriod;
        double payment = loan.principal / loan.months;
        if (r != 0) {
            payment = loan.principal * r / (1 - std::pow(1 + r, -loan.months));
            if (advance) payment /= 1 + r;
        }
        const auto table =
            computeLoan(loan.principal, rateSingle, static_cast<float>(loan.months), loan.timing);
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(loan.months));
        EXPECT_EQ(cents(table.payment), cents(payment));
        EXPECT_NEAR(table.totalPaid, payment * loan.months, 1e-6 * loan.principal);

        double owed = loan.principal;   // exact balance, what the next interest is charged on
        double shown = loan.principal;  // balance less the rounded principal parts
        int mismatches = 0;
        for (int month = 1; month <= loan.months; ++month) {
            const double interest = (advance && month == 1) ? 0.0 : owed * r;
            const double principalPart = payment - interest;
            owed -= principalPart;
            const double part = toCents(principalPart);
            shown -= part;
            const auto& row = table.rows[static_cast<std::size_t>(month - 1)];
            const bool same = row.month == month && cents(row.amounts[0]) == cents(payment) &&
                              cents(row.amounts[1]) == cents(part) &&
                              cents(row.amounts[2]) == cents(toCents(payment - part)) &&
                              cents(row.amounts[3]) == cents(shown);
            if (!same && ++mismatches <= 3) {
                ADD_FAILURE() << "month " << month << ": table " << row.amounts[1] << " "
                              << row.amounts[2] << " " << row.amounts[3] << ", loop " << part << " "
                              << toCents(payment - part) << " " << shown;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_NEAR(owed, 0.0, 1e-6 * loan.principal);
        // The rounded parts leave at most half a cent per month on the last balance.
        EXPECT_LE(std::fabs(table.rows.back().amounts[3]), 0.005 * loan.months + 1e-9);
    }
}

TEST(BankAmortization, CentRoundingAddsHalfACentAndTakesTheFloor) {
    const struct {
        double in;
        double out;
    } cases[] = {
        {2.345, 2.35}, {2.344, 2.34},         {0.004, 0.0},          {0.005, 0.01},
        {-0.004, 0.0}, {20833.338, 20833.34}, {32199.424, 32199.42}, {1e9 + 0.125, 1e9 + 0.13}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numeralia::bank::roundToCents(c.in), c.out) << c.in;
}
