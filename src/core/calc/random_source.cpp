#include "core/calc/random_source.h"

#include <cmath>

namespace numeralia::calc {

double ClockRandomSource::draw() {
    generator_.seed(static_cast<std::mt19937::result_type>(clockSeed()));
    return static_cast<double>(generator_() >> 8) / 16777216.0;  // 24 bits: exact in a float
}

double singlePrecisionUnit(double drawn) {
    if (!(drawn > 0.0)) return 0.0;
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const float f = static_cast<float>(drawn);
    return static_cast<double>(f < largestBelowOne ? f : largestBelowOne);
}

}  // namespace numeralia::calc
