#pragma once
// The roots of a·x² + b·x + c = 0 (the key "abc").

#include "core/calc/math_result.h"

namespace numeralia::calc {

struct QuadraticRoots {
    enum class Kind {
        TwoReal,     // x1 = (−b + √D)/(2a), x2 = (−b − √D)/(2a)
        DoubleReal,  // x1 = x2 = −b/(2a)
        Complex,     // x1 = re + im·i, x2 = re − im·i, im > 0
        Linear,      // a = 0: the single root x1 = −c/b
    };
    Kind kind = Kind::TwoReal;
    double x1 = 0;
    double x2 = 0;
    double re = 0;
    double im = 0;
};

// The roots, or the message for a = b = 0 (no equation left to solve). The two real roots
// are computed without cancellation (one through −(b + sign(b)·√D)/2, the other as the
// quotient c/that); anything beyond the double range fails.
struct QuadraticSolution {
    MathResult outcome;  // failed or reported, or a value (unused) when roots holds the roots
    QuadraticRoots roots;
};
QuadraticSolution solveQuadratic(double a, double b, double c);

}  // namespace numeralia::calc
