#include "core/calc/quadratic.h"

#include <cmath>

namespace numeralia::calc {

namespace {

bool allFinite(const QuadraticRoots& r) {
    return std::isfinite(r.x1) && std::isfinite(r.x2) && std::isfinite(r.re) && std::isfinite(r.im);
}

// Never a negative zero in a root.
double tidy(double v) { return v == 0.0 ? 0.0 : v; }

}  // namespace

QuadraticSolution solveQuadratic(double a, double b, double c) {
    using Kind = QuadraticRoots::Kind;
    QuadraticRoots r;
    if (a == 0.0) {
        if (b == 0.0) return {MathResult::reported(message::notAnEquation), {}};
        r.kind = Kind::Linear;
        r.x1 = r.x2 = tidy(-c / b);
    } else {
        const double d = std::fma(b, b, -4.0 * a * c);
        if (!std::isfinite(d) || !std::isfinite(b * b)) return {MathResult::failed(), {}};
        if (d == 0.0) {
            r.kind = Kind::DoubleReal;
            r.x1 = r.x2 = tidy(-b / (2.0 * a));
        } else if (d > 0.0) {
            r.kind = Kind::TwoReal;
            const double root = std::sqrt(d);
            const double q = -0.5 * (b + std::copysign(root, b));
            // q/a is the root of the sign of −b; c/q the other one.
            const double sameSign = q / a;
            const double other = c / q;
            r.x1 = tidy(b >= 0.0 ? other : sameSign);
            r.x2 = tidy(b >= 0.0 ? sameSign : other);
        } else {
            r.kind = Kind::Complex;
            r.re = tidy(-b / (2.0 * a));
            r.im = std::sqrt(-d) / (2.0 * std::fabs(a));
        }
    }
    if (!allFinite(r)) return {MathResult::failed(), {}};
    return {MathResult::of(0.0), r};
}

}  // namespace numeralia::calc
