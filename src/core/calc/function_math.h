#pragma once
// The one-argument functions of the Scientific calculator: what each computes from the
// number on display, the errors it reports, and its rules for the hyperbolic flag. The
// window model runs them inside the common frame of a function key.

#include "core/calc/angle_math.h"
#include "core/calc/math_result.h"

namespace numeralia::calc {

enum class Function {
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,  // trigonometric: read the angle mode and "hyp"
    Log,
    Ln,
    Square,
    Cube,
    Pow10,
    Exp,
    Sqrt,
    Reciprocal,
    CubeRoot,
    Int,
    Frac,
    Fix,
    Factorial,
};

bool isTrigonometric(Function f);

// The label written into the function label and the key history; with the hyperbolic flag
// the trigonometric keys have their "H" labels ("sinH", "atnH", ...).
const char* functionLabel(Function f, bool hyperbolic);

// The sine, cosine, tangent, arc sine and arc cosine keys record their label in the key
// history only once they have a result; every other function records it at once.
bool recordsAfterResult(Function f);

struct FunctionResult {
    MathResult outcome;
    // Whether the key leaves the hyperbolic flag empty. Only a trigonometric key evaluated
    // with the flag clears it: when it computed a hyperbolic value, and for the arc cosine
    // and arc tangent keys on every exit.
    bool clearsHyperbolic = false;
};

// x is the number on display; `hyperbolic` is the flag ("H"), read by the trigonometric
// keys only.
FunctionResult evaluateFunction(Function f, double x, AngleMode mode, bool hyperbolic);

// n! for a whole n from 0 to 170: the exact product 1·2·…·n rounded once to the nearest
// double (the key "n !"). Negative, fractional and larger arguments are reported.
MathResult factorial(double n);

}  // namespace numeralia::calc
