#pragma once
// The random numbers of the "rand" key. The key reseeds the generator from the clock and
// draws one number in [0, 1); tests hand the model a source of their own.

#include <cstdint>
#include <random>

#include "core/shell/random_source.h"

namespace numeralia::calc {

using numeralia::RandomSource;

// Reseeded from the clock at every draw (two draws within one clock tick still differ); the
// number has single precision (24 random bits).
class ClockRandomSource : public RandomSource {
  public:
    double draw() override;

  private:
    std::mt19937 generator_;
};

// A drawn number as the key shows it: at single precision and never rounded up to 1.
double singlePrecisionUnit(double drawn);

}  // namespace numeralia::calc
