#pragma once
// Random numbers for the windows that draw them (the calculator's "rand" key, the lottery's
// bets). A window model draws through this interface; the program hands it a generator
// seeded from the clock, tests and the driver one with a fixed seed.

#include <cstdint>
#include <random>

namespace numeralia {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // A uniform number in [0, 1).
    virtual double draw() = 0;
};

// One pseudo-random sequence from a seed: the same seed gives the same numbers. Each draw
// has 53 random bits, every double in [0, 1) with that spacing equally likely.
class SeededRandomSource : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint64_t seed) : generator_(seed) {}
    double draw() override;

  private:
    std::mt19937_64 generator_;
};

// A seed that differs from run to run: the high-resolution clock mixed with a counter, so
// two sources created within one clock tick still differ.
std::uint64_t clockSeed();

}  // namespace numeralia
