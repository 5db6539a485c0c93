// Checks the amortization tables against a plain month-by-month loop: each month the
// interest is charged on what is still owed and the rest of the payment repays principal.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

#include "core/bank/schedules.h"

using numeralia::bank::Timing;

namespace {

long long cents(double x) { return std::llround(x * 100.0); }
double toCents(double x) { return std::floor((x + 0.005) * 100.0) / 100.0; }

}  // namespace

TEST(BankAmortization, EveryRowAgreesWithAMonthByMonthLoop) {
    constexpr Timing kEnd = Timing::EndOfPeriod, kBeginning = Timing::BeginningOfPeriod;
    const struct {
        double principal, yearlyPercent;
        int months;
        Timing timing;
    } loans[] = {
        {5000000, 5, 120, kEnd},   {5000000, 5, 120, kBeginning},
        {150000, 3.75, 360, kEnd}, {150000, 3.75, 360, kBeginning},  // 30 years
        {10000, 0, 48, kEnd},      {10000, 0, 48, kBeginning},       // no interest
        {1234.56, 12.5, 7, kEnd},  {200000, 18, 1200, kEnd},         // 100 years
        {1, 2, 1, kEnd},
    };
    for (const auto& loan : loans) {
        SCOPED_TRACE(::testing::Message()
                     << loan.principal << " at " << loan.yearlyPercent << " % for " << loan.months
                     << " months, timing " << static_cast<int>(loan.timing));
        const float rateSingle = static_cast<float>(loan.yearlyPercent / 1200.0);
        const double r = rateSingle;
        const bool advance = loan.timing == kBeginning;
        const double payment = r == 0 ? loan.principal / loan.months
                                      : loan.principal * r / (1 - std::pow(1 + r, -loan.months)) /
                                            (advance ? 1 + r : 1.0);
        const auto table = numeralia::bank::computeLoan(
            loan.principal, rateSingle, static_cast<float>(loan.months), loan.timing);
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(loan.months));
        EXPECT_EQ(cents(table.payment), cents(payment));
        EXPECT_NEAR(table.totalPaid, payment * loan.months, 1e-6 * loan.principal);

        double owed = loan.principal;   // exact balance, what the next interest is charged on
        double shown = loan.principal;  // balance less the rounded principal parts
        for (int month = 1; month <= loan.months; ++month) {
            const double interest = (advance && month == 1) ? 0.0 : owed * r;
            owed -= payment - interest;
            const double part = toCents(payment - interest);
            shown -= part;
            const auto& row = table.rows[static_cast<std::size_t>(month - 1)];
            const std::array<long long, 5> got{row.month, cents(row.amounts[0]),
                                               cents(row.amounts[1]), cents(row.amounts[2]),
                                               cents(row.amounts[3])};
            const std::array<long long, 5> want{month, cents(payment), cents(part),
                                                cents(toCents(payment - part)), cents(shown)};
            EXPECT_EQ(got, want) << "month " << month << " (amounts in cents)";
            if (got != want) break;
        }
        EXPECT_NEAR(owed, 0.0, 1e-6 * loan.principal);
        // The rounded parts leave at most half a cent per month on the last balance.
        EXPECT_LE(std::fabs(table.rows.back().amounts[3]), 0.005 * loan.months + 1e-9);
    }
}

TEST(BankAmortization, CentRoundingAddsHalfACentAndTakesTheFloor) {
    const std::pair<double, double> cases[] = {
        {2.345, 2.35}, {2.344, 2.34},         {0.004, 0.0},          {0.005, 0.01},
        {-0.004, 0.0}, {20833.338, 20833.34}, {32199.424, 32199.42}, {1e9 + 0.125, 1e9 + 0.13}};
    for (const auto& [in, out] : cases)
        EXPECT_DOUBLE_EQ(numeralia::bank::roundToCents(in), out) << in;
}
