#include "core/calc/interpolation.h"

namespace numeralia::calc {

MathResult lagrangeInterpolation(std::span<const double> xs, std::span<const double> ys, double x) {
    if (xs.size() != ys.size()) return MathResult::reported(message::dataMismatch);
    if (xs.size() < 2) return MathResult::reported(message::tooFewPoints);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        for (std::size_t j = i + 1; j < xs.size(); ++j) {
            if (xs[i] == xs[j]) return MathResult::reported(message::repeatedX);
        }
    }
    double y = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        double term = ys[i];
        for (std::size_t j = 0; j < xs.size(); ++j) {
            if (j != i) term *= (x - xs[j]) / (xs[i] - xs[j]);
        }
        y += term;
    }
    return MathResult::of(y);  // a failure beyond the double range
}

}  // namespace numeralia::calc
