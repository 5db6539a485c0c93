// Operators and "=": key scripts with the displays they must leave.

#include <gtest/gtest.h>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using Row = testing::DisplayRow;

class CalcOperators : public ::testing::TestWithParam<Row> {};

TEST_P(CalcOperators, LeavesDisplays) { testing::expectDisplays(GetParam()); }

const Row kRows[] = {
    // Strict left to right, no precedence.
    {"2 + 3 x 4 =", "20", "20", "="},
    {"2 + 3 = x 4 =", "20", "20", "="},
    {"2 + 3 +", "5", "5", "+"},
    {"2 + 3 + 4 =", "9", "9", "="},
    {"7 / 2 =", "3,5", "3,5", "="},
    {"7 / 2 = =", "3,5", "3,5", "="},
    {"1 / 3 =", "0,333333333333333", "0,333333333333333", "="},
    {"2 +", "0", "0", "+"},
    // "=" with nothing pending keeps the display, unless the info line holds a plain
    // negative whole number.
    {"2 + 3 = 7 =", "7", "7", "="},
    {"2 -- 5 = 7 =", "-3", "-3", "="},
    {"2 -- 5,5 = 7 =", "7", "7", "="},
    // Powers.
    {"2 x^y 10 =", "1024", "1024", "="},
    {"2 x^y 3 x^y", "8", "8", "x^y"},
    {"2 + 3 x^y 2 =", "9", "9", "="},
    // Percentages.
    {"25 % x 200 =", "50", "50", "="},
    {"0 %", "0", "0", "%"},
    {"25 % 1", "0,251", "0,25", "%"},
    // Failures: "=" stops with the error on show; an operator clears it again.
    {"5 / 0 =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"5 / 0 +", "0", "0", ""},
    {"0 / 0 =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"2 x^y 0,5 ± =", "0,707106781186548", "0,707106781186548", "="},
    {"2 ± x^y 0,5 =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"0 x^y 1 ± =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"1 EXP 300 x 1 EXP 300 =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"1 EXP ± 300 x 1 EXP ± 300 =", "0", "0", "="},  // underflow is no failure,
    {"10 x^y 400 =", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***"},
    {"2 x^y 2000 x^y", "0", "0", ""},
};

INSTANTIATE_TEST_SUITE_P(Scripts, CalcOperators, ::testing::ValuesIn(kRows));

}  // namespace
}  // namespace numeralia::calc
