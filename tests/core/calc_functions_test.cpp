// The function keys of the Scientific calculator: values, reported errors, failures and the
// rules of the hyperbolic flag, as rows of (key, argument, angle mode, flag, expected).

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

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

TEST(CalcFunctions, ValuesMessagesFailuresAndTheHyperbolicFlag) {
    using enum Function;
    using enum AngleMode;
    struct Row {
        Function f;
        double x;
        std::string expected;
        AngleMode mode = Deg;
    };
    const std::string infinite = "Error: Resultado infinito",
                      range = "Error: Número fuera de rango",
                      notPositive = "Error: Número negativo ó nulo",
                      negative = "Error: Número negativo";
    // clang-format off
    const Row plain[] = {
        // The trigonometric keys follow the angle mode.
        {Sin, 30, "0,5"}, {Cos, 60, "0,5"}, {Cos, 90, "0"}, {Tan, 45, "1"},
        {Sin, 180, "0"},  // 1,2E-16 is below the zero threshold
        {Tan, 90, infinite}, {Tan, -90, infinite}, {Tan, 100, infinite, Gra},
        {Sin, 100, "1", Gra}, {Sin, 1, "0,841470984807897", Rad},
        {Sin, 1e308, kFailed},  // the argument overflows in the conversion
        {Asin, 0.5, "33,3333333333333", Gra}, {Asin, 0.5, "30"},
        {Asin, -0.5, "-0,523598775598299", Rad},
        {Asin, 1, kFailed},  // the root in the divisor is 0
        {Asin, 1.0000001, "Error: | x | > 1"}, {Acos, 0.5, "60"}, {Acos, 0, "100", Gra},
        {Acos, -0.5, "2,0943951023932", Rad}, {Acos, 1, kFailed, Rad},
        {Acos, -1.5, "Error: | x | > 1", Rad}, {Atan, 1, "45"},
        {Atan, 1e300, "90"},  // never reported
        {Atan, -1, "-0,785398163397448", Rad},
        // The other keys and their domains.
        {Log, 1000, "3"}, {Log, 0, notPositive}, {Log, -5, notPositive},
        {Ln, 1, "0"}, {Ln, 0, notPositive},
        {Square, -3, "9"}, {Square, 1e154, "1E+308"}, {Square, -1.1e154, range},
        {Cube, -2, "-8"}, {Cube, 5e102, text::generalText(std::pow(5e102, 3.0))},
        {Cube, 5.1e102, range}, {Pow10, 308, "1E+308"}, {Pow10, -400, "0"}, {Pow10, 309, range},
        {Exp, 1, "2,71828182845905"}, {Exp, 709, text::generalText(std::exp(709.0))},
        {Exp, 709.5, range}, {Sqrt, 2, "1,4142135623731"}, {Sqrt, -1, negative},
        {Reciprocal, 4, "0,25"}, {Reciprocal, 0, "Error: División por cero"},
        {Reciprocal, 4.9406564584124654e-324, kFailed},  // overflows
        {CubeRoot, 27, "3"}, {CubeRoot, 0, "0"}, {CubeRoot, -8, kFailed},
        {Int, -2.1, "-3"}, {Int, 2.9, "2"}, {Fix, -2.1, "-2"}, {Frac, -2.1, "-0,1"},
        {Fix, -0.5, "0"},  // never "-0"
        // n! is the exact product rounded once (a running product of doubles gives
        // 9,33262154439441E+157 for 100! and 7,25741561530799E+306 for 170!).
        {Factorial, 0, "1"}, {Factorial, 5, "120"}, {Factorial, 20, "2,43290200817664E+18"},
        {Factorial, 100, "9,33262154439442E+157"}, {Factorial, 170, "7,257415615308E+306"},
        {Factorial, 171, range},
        {Factorial, 1e300, range}, {Factorial, -1, negative}, {Factorial, -2.5, negative},
        {Factorial, 2.5, "Error: Número no entero"},
    };
    // The hyperbolic keys ignore the angle mode. They clear the flag when they compute a
    // value; the inverse cosine and tangent on every exit; the other keys never.
    struct HypRow {
        Function f;
        double x;
        std::string expected;
        bool clears;
        AngleMode mode = Deg;
    };
    const HypRow hyperbolic[] = {
        {Cos, 0.5, "1,12762596520638", true}, {Sin, 1, "1,1752011936438", true, Gra},
        {Tan, 0.5, "0,46211715726001", true, Rad},
        {Sin, 705, text::generalText(std::sinh(705.0)), true},
        {Sin, 705.5, infinite, false}, {Cos, 706, infinite, false},
        {Sin, -710, kFailed, false}, {Cos, -710, kFailed, false},  // e^-x overflows
        {Tan, -710, kFailed, false}, {Tan, 701, "1", false}, {Tan, -700, "-1", true},
        {Asin, 1, "0,881373587019543", true},
        {Asin, -1e7, "-16,8112428315183", true},  // no cancellation for negatives
        {Asin, 1e200, kFailed, false},            // x² overflows
        {Acos, 2, "1,31695789692482", true}, {Acos, 1, "0", true},
        {Acos, 0.5, "Error: | x | < 1", true},
        {Acos, -2, kFailed, true},  // the logarithm of a negative number
        {Atan, 0.5, "0,549306144334055", true}, {Atan, 1, "Error: | x | >= 1", true},
        {Atan, -1, "Error: | x | >= 1", true}, {Log, 10, "1", false}, {Sqrt, -1, negative, false},
    };
    // clang-format on
    for (const Row& r : plain) {
        const FunctionResult got = evaluateFunction(r.f, r.x, r.mode, false);
        EXPECT_EQ(shown(got.outcome), r.expected)
            << functionLabel(r.f, false) << " of " << r.x << " in " << angleModeText(r.mode);
        EXPECT_FALSE(got.clearsHyperbolic) << functionLabel(r.f, false) << " of " << r.x;
    }
    for (const HypRow& r : hyperbolic) {
        const FunctionResult got = evaluateFunction(r.f, r.x, r.mode, true);
        EXPECT_EQ(shown(got.outcome), r.expected)
            << functionLabel(r.f, true) << " of " << r.x << " in " << angleModeText(r.mode);
        EXPECT_EQ(got.clearsHyperbolic, r.clears) << functionLabel(r.f, true) << " of " << r.x;
    }
    // Every whole n below 23 has an exact factorial in a double.
    double exact = 1;
    for (int n = 1; n <= 22; ++n) EXPECT_EQ(factorial(n).value, exact *= n) << n;
}

// No argument, however extreme, gives a value that is not a finite number, and every
// message begins with "Error: ".
TEST(CalcFunctions, NoKeyGivesInfinityOrNotANumber) {
    const double max = std::numeric_limits<double>::max();
    const double extremes[] = {0.0,  -0.0,  1.0,   -1.0,  1e-320, -1e-320, 0.9999999999999999,
                               1e15, -1e15, 1e154, 1e300, -1e300, max,     -max,
                               705,  709.7, 709.8, 710,   -709.8};
    for (int f = 0; f <= static_cast<int>(F::Factorial); ++f) {
        for (AngleMode m : {A::Rad, A::Deg, A::Gra}) {
            for (bool hyp : {false, true}) {
                for (double x : extremes) {
                    const MathResult o =
                        evaluateFunction(static_cast<Function>(f), x, m, hyp).outcome;
                    if (o.isValue()) {
                        EXPECT_TRUE(std::isfinite(o.value)) << f << " " << x;
                    } else if (o.isReported()) {
                        EXPECT_EQ(o.message.rfind("Error: ", 0), 0u) << f << " " << x;
                    }
                }
            }
        }
    }
}

}  // namespace
