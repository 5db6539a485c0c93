#pragma once
// Lagrange interpolation through the statistics pairs (the key "intp").

#include <span>

#include "core/calc/math_result.h"

namespace numeralia::calc {

// y(x) = Σ_i Y_i · Π_(j≠i) (x − X_j) / (X_i − X_j) through the points (xs[i], ys[i]).
// Reported: lists of different lengths, fewer than two points, two equal X values.
MathResult lagrangeInterpolation(std::span<const double> xs, std::span<const double> ys, double x);

}  // namespace numeralia::calc
