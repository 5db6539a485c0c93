#pragma once
// The statistics of the Scientific calculator, computed from the stored lists: means,
// deviations, weighted statistics with frequencies, the least-squares line and the area of a
// polygon. Entry k of a list (1-based) is element k - 1 of its span.
//
// Every quantity is computed from centred values (the data minus their mean), never from the
// textbook forms Σx² − N·x̄² and N·Σxy − Σx·Σy: those subtract two nearly equal large
// numbers and lose every digit for data far from zero (1000000001, 1000000002, 1000000003
// would give a deviation of 0 or the root of a negative number).

#include <cstddef>
#include <span>
#include <vector>

#include "core/calc/math_result.h"

namespace numeralia::calc {

using StatData = std::span<const double>;

// The messages of the statistics keys (unequal counts give message::dataMismatch).
namespace statmessage {
inline constexpr const char* noData = "Error: No hay datos estadísticos";
inline constexpr const char* tooFew = "Error: Se necesitan al menos 2 datos";
inline constexpr const char* equalX = "Error: Todos los datos X son iguales";
inline constexpr const char* equalY = "Error: Todos los datos Y son iguales";
inline constexpr const char* zeroSlope = "Error: Pendiente nula (a = 0)";
inline constexpr const char* zeroFrequencies = "Error: La suma de las frecuencias es 0";
inline constexpr const char* negativeFrequency = "Error: Frecuencia negativa en los datos Y";
inline constexpr const char* fewVertices = "Error: Un polígono necesita al menos 3 vértices";
}  // namespace statmessage

// Σ x_k·y_k in entry order, from 0; unequal counts are reported.
MathResult sumOfProducts(StatData x, StatData y);

MathResult mean(StatData x);
// Standard deviation with divisor N (population) or N − 1 (sample).
MathResult populationDeviation(StatData x);
MathResult sampleDeviation(StatData x);

// Mean and standard deviation of x weighted by the frequencies n (divisor Σn).
MathResult weightedMean(StatData x, StatData n);
MathResult weightedDeviation(StatData x, StatData n);

// The least-squares line y = a·x + b through the pairs (x_k, y_k), and r².
MathResult regressionSlope(StatData x, StatData y);      // a
MathResult regressionIntercept(StatData x, StatData y);  // b
MathResult determination(StatData x, StatData y);        // r²
MathResult estimateY(StatData x, StatData y, double at);  // a·at + b
MathResult estimateX(StatData x, StatData y, double at);  // (at − b) / a

// The area of the polygon with the vertices (x_k, y_k) in entry order, closed back to the
// first vertex (trapezoid method).
MathResult polygonArea(StatData x, StatData y);

// A class of a histogram: the values v with low <= v < high (the last class includes high).
struct HistogramClass {
    double low;
    double high;
    int count;
};

// The distribution of the data in classes of equal width: ⌈log2 N⌉ + 1 classes (Sturges),
// at most one per distinct value; all values equal give one class around them.
std::vector<HistogramClass> histogram(StatData x);

}  // namespace numeralia::calc
