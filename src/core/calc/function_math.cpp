#include "core/calc/function_math.h"

#include <cmath>

#include "core/calc/combinatorics.h"

namespace numeralia::calc {

namespace {

// Results of the plain sine, cosine and tangent beyond this are reported as infinite; below
// the zero threshold they are 0 (sin 180° is 0, not 1,2E-16).
constexpr double infiniteResultLimit = 1.0E15;
constexpr double zeroThreshold = 1.0E-15;

// Hyperbolic sine and cosine above this argument are reported as infinite; the hyperbolic
// tangent above its own limit is 1 without evaluation.
constexpr double hyperbolicLimit = 705.0;
constexpr double hyperbolicTangentLimit = 700.0;

constexpr double squareLimit = 1.0E154;
constexpr double cubeLimit = 5.0E102;
constexpr double tenPowerLimit = 308.0;
constexpr double ePowerLimit = 709.0;

MathResult plainTrigonometric(Function f, double x, AngleMode mode) {
    switch (f) {
        case Function::Sin:
        case Function::Cos:
        case Function::Tan: {
            const double a = angleToRadians(x, mode);
            if (!std::isfinite(a)) return MathResult::failed();
            const double r = f == Function::Sin   ? std::sin(a)
                             : f == Function::Cos ? std::cos(a)
                                                  : std::tan(a);
            if (!std::isfinite(r)) return MathResult::failed();
            if (std::fabs(r) > infiniteResultLimit)
                return MathResult::reported(message::infiniteResult);
            return MathResult::of(std::fabs(r) < zeroThreshold ? 0.0 : r);
        }
        case Function::Asin:
        case Function::Acos: {
            if (std::fabs(x) > 1.0) return MathResult::reported(message::aboveOne);
            // The arc sine and arc cosine through the arc tangent: at x = 1 or -1 the division
            // by the root fails.
            const double root = std::sqrt(1.0 - x * x);
            if (root == 0.0) return MathResult::failed();
            const double r = f == Function::Asin ? std::atan(x / root)
                                                 : std::atan(-x / root) + 2.0 * std::atan(1.0);
            return MathResult::of(radiansToAngle(r, mode));
        }
        default:
            return MathResult::of(radiansToAngle(std::atan(x), mode));
    }
}

// The hyperbolic functions fail where their exponential formulas overflow (a large negative
// argument of the sine, cosine or tangent; the square of a huge argument of the inverse
// functions); the values themselves come from the library functions, which keep full
// precision near zero and for negative arguments of the inverse sine.
FunctionResult hyperbolic(Function f, double x) {
    auto computed = [](double r) { return FunctionResult{MathResult::of(r), true}; };
    auto kept = [](MathResult o) { return FunctionResult{std::move(o), false}; };
    auto cleared = [](MathResult o) { return FunctionResult{std::move(o), true}; };
    const bool exponentialsOverflow = !std::isfinite(std::exp(x)) || !std::isfinite(std::exp(-x));
    switch (f) {
        case Function::Sin:
        case Function::Cos:
            if (x > hyperbolicLimit) return kept(MathResult::reported(message::infiniteResult));
            if (exponentialsOverflow) return kept(MathResult::failed());
            return computed(f == Function::Sin ? std::sinh(x) : std::cosh(x));
        case Function::Tan:
            if (x > hyperbolicTangentLimit) return kept(MathResult::of(1.0));
            if (exponentialsOverflow) return kept(MathResult::failed());
            return computed(std::tanh(x));
        case Function::Asin:
            if (!std::isfinite(x * x + 1.0)) return kept(MathResult::failed());
            return computed(std::asinh(x));
        case Function::Acos:
            if (std::fabs(x) < 1.0) return cleared(MathResult::reported(message::belowOne));
            // ln(x + √(x² − 1)) has no real value for x ≤ −1.
            if (x < 0.0 || !std::isfinite(x * x)) return cleared(MathResult::failed());
            return cleared(MathResult::of(std::acosh(x)));
        default:
            if (std::fabs(x) >= 1.0) return cleared(MathResult::reported(message::oneOrAbove));
            return cleared(MathResult::of(std::atanh(x)));
    }
}

MathResult plainFunction(Function f, double x) {
    switch (f) {
        case Function::Log:
        case Function::Ln:
            if (x <= 0.0) return MathResult::reported(message::negativeOrZero);
            return MathResult::of(f == Function::Ln ? std::log(x) : std::log(x) / std::log(10.0));
        case Function::Square:
            if (std::fabs(x) > squareLimit) return MathResult::reported(message::outOfRange);
            return MathResult::of(std::pow(x, 2.0));
        case Function::Cube:
            if (std::fabs(x) > cubeLimit) return MathResult::reported(message::outOfRange);
            return MathResult::of(std::pow(x, 3.0));
        case Function::Pow10:
            if (x > tenPowerLimit) return MathResult::reported(message::outOfRange);
            return MathResult::of(std::pow(10.0, x));
        case Function::Exp:
            if (x > ePowerLimit) return MathResult::reported(message::outOfRange);
            return MathResult::of(std::exp(x));
        case Function::Sqrt:
            if (x < 0.0) return MathResult::reported(message::negative);
            return MathResult::of(std::sqrt(x));
        case Function::Reciprocal:
            if (x == 0.0) return MathResult::reported(message::divisionByZero);
            return MathResult::of(1.0 / x);
        case Function::CubeRoot:
            // A negative base with a fractional exponent is an invalid power.
            if (x < 0.0) return MathResult::failed();
            return MathResult::of(std::pow(x, 1.0 / 3.0));
        case Function::Int:
            return MathResult::of(std::floor(x));
        case Function::Fix:
            return MathResult::of(std::trunc(x));
        case Function::Frac:
            return MathResult::of(x - std::trunc(x));
        case Function::Factorial:
            return factorial(x);
        default:
            return MathResult::failed();
    }
}

}  // namespace

bool isTrigonometric(Function f) {
    switch (f) {
        case Function::Sin:
        case Function::Cos:
        case Function::Tan:
        case Function::Asin:
        case Function::Acos:
        case Function::Atan:
            return true;
        default:
            return false;
    }
}

const char* functionLabel(Function f, bool hyperbolic) {
    switch (f) {
        case Function::Sin:
            return hyperbolic ? "sinH" : "sin";
        case Function::Cos:
            return hyperbolic ? "cosH" : "cos";
        case Function::Tan:
            return hyperbolic ? "tanH" : "tan";
        case Function::Asin:
            return hyperbolic ? "asinH" : "asin";
        case Function::Acos:
            return hyperbolic ? "acosH" : "acos";
        case Function::Atan:
            return hyperbolic ? "atnH" : "atn";
        case Function::Log:
            return "log";
        case Function::Ln:
            return "ln";
        case Function::Square:
            return "x²";
        case Function::Cube:
            return "x³";
        case Function::Pow10:
            return "10^x";
        case Function::Exp:
            return "e^x";
        case Function::Sqrt:
            return "sqr";
        case Function::Reciprocal:
            return "1/x";
        case Function::CubeRoot:
            return "x¹/³";
        case Function::Int:
            return "Int";
        case Function::Frac:
            return "Frac";
        case Function::Fix:
            return "Fix";
        case Function::Factorial:
            return "n!";
    }
    return "";
}

bool recordsAfterResult(Function f) { return isTrigonometric(f) && f != Function::Atan; }

FunctionResult evaluateFunction(Function f, double x, AngleMode mode, bool hyperbolicFlag) {
    if (!isTrigonometric(f)) return {plainFunction(f, x), false};
    if (hyperbolicFlag) return hyperbolic(f, x);
    return {plainTrigonometric(f, x, mode), false};
}

MathResult factorial(double n) {
    if (n < 0.0) return MathResult::reported(message::negative);
    if (n != std::trunc(n)) return MathResult::reported(message::notWhole);
    if (n > largestFactorial) return MathResult::reported(message::outOfRange);
    return MathResult::of(exactFactorial(static_cast<unsigned>(n)).toDouble());
}

}  // namespace numeralia::calc
