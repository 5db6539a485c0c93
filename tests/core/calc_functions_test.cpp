// The function keys of the Scientific calculator: values, reported errors, failures and the
// rules of the hyperbolic flag, as rows of (key, argument, angle mode, flag, expected).

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/calc/function_math.h"
#include "core/text/number_text.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

using F = Function;
using A = AngleMode;

constexpr const char* kFailed = "<failure>";

// What the key leaves for the display: the general text of its value, its message, or
// kFailed for the calculation failure path.
std::string shown(const MathResult& o) {
    if (o.isValue()) return text::generalText(o.value);
    if (o.isReported()) return o.message;
    return kFailed;
}

struct Row {
    Function f;
    double x;
    AngleMode mode;
    bool hyp;
    std::string expected;
};

void expectRows(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        const FunctionResult got = evaluateFunction(r.f, r.x, r.mode, r.hyp);
        EXPECT_EQ(shown(got.outcome), r.expected)
            << functionLabel(r.f, r.hyp) << " of " << r.x << " in " << angleModeText(r.mode);
        if (got.outcome.isValue()) {
            EXPECT_TRUE(std::isfinite(got.outcome.value));
        }
    }
}

TEST(CalcFunctions, TrigonometricKeysFollowTheAngleMode) {
    expectRows({
        {F::Sin, 30, A::Deg, false, "0,5"},
        {F::Sin, 180, A::Deg, false, "0"},  // 1,2E-16 is below the zero threshold
        {F::Cos, 90, A::Deg, false, "0"},
        {F::Cos, 60, A::Deg, false, "0,5"},
        {F::Tan, 45, A::Deg, false, "1"},
        {F::Tan, 90, A::Deg, false, "Error: Resultado infinito"},
        {F::Tan, -90, A::Deg, false, "Error: Resultado infinito"},
        {F::Tan, 100, A::Gra, false, "Error: Resultado infinito"},
        {F::Sin, 100, A::Gra, false, "1"},
        {F::Sin, 200, A::Gra, false, "0"},
        {F::Sin, 1, A::Rad, false, "0,841470984807897"},
        {F::Cos, 0, A::Rad, false, "1"},
        {F::Sin, 1e308, A::Deg, false, kFailed},  // the argument overflows in the conversion
        {F::Asin, 0.5, A::Gra, false, "33,3333333333333"},
        {F::Asin, 0.5, A::Deg, false, "30"},
        {F::Asin, -0.5, A::Rad, false, "-0,523598775598299"},
        {F::Asin, 1, A::Deg, false, kFailed},  // the root in the divisor is 0
        {F::Asin, -1, A::Deg, false, kFailed},
        {F::Asin, 1.0000001, A::Deg, false, "Error: | x | > 1"},
        {F::Acos, 0.5, A::Deg, false, "60"},
        {F::Acos, 0, A::Gra, false, "100"},
        {F::Acos, -0.5, A::Rad, false, "2,0943951023932"},
        {F::Acos, 1, A::Rad, false, kFailed},
        {F::Acos, -1.5, A::Rad, false, "Error: | x | > 1"},
        {F::Atan, 1, A::Deg, false, "45"},
        {F::Atan, 1, A::Gra, false, "50"},
        {F::Atan, 1e300, A::Deg, false, "90"},  // never reported
        {F::Atan, -1, A::Rad, false, "-0,785398163397448"},
    });
}

TEST(CalcFunctions, HyperbolicKeysIgnoreTheAngleMode) {
    expectRows({
        {F::Cos, 0.5, A::Deg, true, "1,12762596520638"},
        {F::Sin, 1, A::Gra, true, "1,1752011936438"},
        {F::Tan, 0.5, A::Rad, true, "0,46211715726001"},
        {F::Sin, 705, A::Deg, true, text::generalText(std::sinh(705.0))},
        {F::Sin, 705.5, A::Deg, true, "Error: Resultado infinito"},
        {F::Cos, 706, A::Deg, true, "Error: Resultado infinito"},
        {F::Sin, -710, A::Deg, true, kFailed},  // e^-x overflows
        {F::Cos, -710, A::Deg, true, kFailed},
        {F::Tan, 701, A::Deg, true, "1"},
        {F::Tan, -710, A::Deg, true, kFailed},
        {F::Tan, -700, A::Deg, true, "-1"},
        {F::Asin, 1, A::Deg, true, "0,881373587019543"},
        {F::Asin, -1, A::Deg, true, "-0,881373587019543"},
        {F::Asin, -1e7, A::Deg, true, "-16,8112428315183"},  // no cancellation for negatives
        {F::Asin, 1e200, A::Deg, true, kFailed},             // x² overflows
        {F::Acos, 2, A::Deg, true, "1,31695789692482"},
        {F::Acos, 1, A::Deg, true, "0"},
        {F::Acos, 0.5, A::Deg, true, "Error: | x | < 1"},
        {F::Acos, -2, A::Deg, true, kFailed},  // the logarithm of a negative number
        {F::Atan, 0.5, A::Deg, true, "0,549306144334055"},
        {F::Atan, 1, A::Deg, true, "Error: | x | >= 1"},
        {F::Atan, -1, A::Deg, true, "Error: | x | >= 1"},
    });
}

TEST(CalcFunctions,
     TheHyperbolicFlagIsClearedByComputedValuesAndAlwaysByTheInverseCosineAndTangent) {
    struct FlagRow {
        Function f;
        double x;
        bool clears;
    };
    const std::vector<FlagRow> rows{
        {F::Sin, 1, true},    {F::Sin, 705.5, false},  {F::Sin, -710, false}, {F::Cos, 1, true},
        {F::Cos, 706, false}, {F::Tan, 1, true},       {F::Tan, 701, false},  {F::Tan, -710, false},
        {F::Asin, 1, true},   {F::Asin, 1e200, false}, {F::Acos, 2, true},    {F::Acos, 0.5, true},
        {F::Acos, -2, true},  {F::Atan, 0.5, true},    {F::Atan, 2, true},
    };
    for (const FlagRow& r : rows) {
        EXPECT_EQ(evaluateFunction(r.f, r.x, A::Deg, true).clearsHyperbolic, r.clears)
            << functionLabel(r.f, true) << " of " << r.x;
    }
    // Without the flag nothing is cleared, and the other keys never touch it.
    EXPECT_FALSE(evaluateFunction(F::Acos, 0.5, A::Deg, false).clearsHyperbolic);
    EXPECT_FALSE(evaluateFunction(F::Log, 10, A::Deg, true).clearsHyperbolic);
    EXPECT_FALSE(evaluateFunction(F::Sqrt, -1, A::Deg, true).clearsHyperbolic);
}

TEST(CalcFunctions, OtherKeysReportTheirDomainErrors) {
    expectRows({
        {F::Log, 1000, A::Deg, false, "3"},
        {F::Log, 0, A::Deg, false, "Error: Número negativo ó nulo"},
        {F::Log, -5, A::Deg, false, "Error: Número negativo ó nulo"},
        {F::Ln, 1, A::Deg, false, "0"},
        {F::Ln, 0, A::Deg, false, "Error: Número negativo ó nulo"},
        {F::Square, -3, A::Deg, false, "9"},
        {F::Square, 1e154, A::Deg, false, "1E+308"},
        {F::Square, -1.1e154, A::Deg, false, "Error: Número fuera de rango"},
        {F::Cube, -2, A::Deg, false, "-8"},
        {F::Cube, 5e102, A::Deg, false, text::generalText(std::pow(5e102, 3.0))},
        {F::Cube, 5.1e102, A::Deg, false, "Error: Número fuera de rango"},
        {F::Pow10, 308, A::Deg, false, "1E+308"},
        {F::Pow10, 309, A::Deg, false, "Error: Número fuera de rango"},
        {F::Pow10, -400, A::Deg, false, "0"},
        {F::Exp, 1, A::Deg, false, "2,71828182845905"},
        {F::Exp, 709, A::Deg, false, text::generalText(std::exp(709.0))},
        {F::Exp, 709.5, A::Deg, false, "Error: Número fuera de rango"},
        {F::Sqrt, 2, A::Deg, false, "1,4142135623731"},
        {F::Sqrt, -1, A::Deg, false, "Error: Número negativo"},
        {F::Reciprocal, 4, A::Deg, false, "0,25"},
        {F::Reciprocal, 0, A::Deg, false, "Error: División por cero"},
        {F::Reciprocal, 4.9406564584124654e-324, A::Deg, false, kFailed},  // overflows
        {F::CubeRoot, 27, A::Deg, false, "3"},
        {F::CubeRoot, 0, A::Deg, false, "0"},
        {F::CubeRoot, -8, A::Deg, false, kFailed},
        {F::Int, -2.1, A::Deg, false, "-3"},
        {F::Int, 2.9, A::Deg, false, "2"},
        {F::Fix, -2.1, A::Deg, false, "-2"},
        {F::Fix, -0.5, A::Deg, false, "0"},  // never "-0"
        {F::Frac, -2.1, A::Deg, false, "-0,1"},
        {F::Frac, 7.25, A::Deg, false, "0,25"},
    });
}

TEST(CalcFunctions, FactorialIsAnExactProductUpTo170) {
    expectRows({
        {F::Factorial, 0, A::Deg, false, "1"},
        {F::Factorial, 1, A::Deg, false, "1"},
        {F::Factorial, 5, A::Deg, false, "120"},
        {F::Factorial, 10, A::Deg, false, "3628800"},
        {F::Factorial, 20, A::Deg, false, "2,43290200817664E+18"},
        {F::Factorial, 170, A::Deg, false, text::generalText(7.257415615307994e306)},
        {F::Factorial, 171, A::Deg, false, "Error: Número fuera de rango"},
        {F::Factorial, 1e300, A::Deg, false, "Error: Número fuera de rango"},
        {F::Factorial, -1, A::Deg, false, "Error: Número negativo"},
        {F::Factorial, -2.5, A::Deg, false, "Error: Número negativo"},
        {F::Factorial, 2.5, A::Deg, false, "Error: Número no entero"},
    });
    // Every whole n below 23 has an exact factorial in a double.
    double exact = 1;
    for (int n = 1; n <= 22; ++n) {
        exact *= n;
        EXPECT_EQ(factorial(n).value, exact) << n;
    }
}

// No argument, however extreme, gives a value that is not a finite number.
TEST(CalcFunctions, NoKeyGivesInfinityOrNotANumber) {
    const double extremes[] = {0.0,
                               -0.0,
                               1.0,
                               -1.0,
                               1e-320,
                               -1e-320,
                               0.9999999999999999,
                               1e15,
                               -1e15,
                               1e154,
                               1e300,
                               -1e300,
                               std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(),
                               705,
                               709.7,
                               709.8,
                               710,
                               -709.8};
    const Function all[] = {F::Sin,   F::Cos,  F::Tan,  F::Asin,       F::Acos,
                            F::Atan,  F::Log,  F::Ln,   F::Square,     F::Cube,
                            F::Pow10, F::Exp,  F::Sqrt, F::Reciprocal, F::CubeRoot,
                            F::Int,   F::Frac, F::Fix,  F::Factorial};
    for (Function f : all) {
        for (AngleMode m : {A::Rad, A::Deg, A::Gra}) {
            for (bool hyp : {false, true}) {
                for (double x : extremes) {
                    const MathResult o = evaluateFunction(f, x, m, hyp).outcome;
                    if (o.isValue()) {
                        EXPECT_TRUE(std::isfinite(o.value)) << functionLabel(f, hyp) << " " << x;
                    } else if (o.isReported()) {
                        EXPECT_EQ(o.message.rfind("Error: ", 0), 0u);
                    }
                }
            }
        }
    }
}

}  // namespace
