#pragma once
// The arithmetic of a loan repaid in equal monthly instalments (the annuity method), in the
// terms bank tables and spreadsheets use: a rate per period, a number of periods, the
// principal lent and whether each payment falls at the end or at the beginning of its period.

namespace numeralia::bank {

enum class Timing { EndOfPeriod = 0, BeginningOfPeriod = 1 };

// Rounds an amount to cents as the bank tables do: the floor of (x + 0.005) * 100, over 100.
// So 2.345 becomes 2.35 and 2.344 becomes 2.34.
double roundToCents(double x);

// The equal payment that repays `principal` in `periods` payments at `rate` per period
// (a spreadsheet's PMT with present value -principal and future value 0). With a zero rate
// it is principal / periods.
double annuityPayment(double rate, double periods, double principal, Timing timing);

// The interest part of payment number `period` (1-based) of that annuity (IPMT).
double interestPart(double rate, int period, double periods, double principal, Timing timing);

// The principal part of payment number `period` (PPMT): the payment less its interest part.
double principalPart(double rate, int period, double periods, double principal, Timing timing);

}  // namespace numeralia::bank
