#include "core/calc/random_source.h"

#include <chrono>
#include <cmath>

namespace numeralia::calc {

double ClockRandomSource::draw() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       static_cast<std::uint32_t>(++draws_)};
    generator_.seed(seed);
    return static_cast<double>(generator_() >> 8) / 16777216.0;  // 24 bits: exact in a float
}

double singlePrecisionUnit(double drawn) {
    if (!(drawn > 0.0)) return 0.0;
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const float f = static_cast<float>(drawn);
    return static_cast<double>(f < largestBelowOne ? f : largestBelowOne);
}

}  // namespace numeralia::calc
