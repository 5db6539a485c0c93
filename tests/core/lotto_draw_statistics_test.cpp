#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <memory>

#include "lotto_script.h"

using numeralia::RandomSource;
using numeralia::SeededRandomSource;

namespace {

// Critical values of the chi-square distribution at the 0,1 % level: 48 degrees of freedom
// for the counts of the 49 numbers together, and 1 degree of freedom at 0,1 % / 49 for each
// number on its own (so that the 49 checks together keep the 0,1 % level).
constexpr double kCriticalAll = 84.037;
constexpr double kCriticalEach = 18.151;

struct Counts {
    double statistic = 0;  // chi-square of the 49 counts
    double worst = 0;      // the largest term of one number
    long long numbers = 0;
    bool repeated = false;  // some bet held a number twice
};

// Draws simple bets with the "6" key until 10^6 numbers have been drawn and counts each
// number.
Counts countDraws(RandomSource& source) {
    numeralia::testing::LottoSetup fixture;
    fixture.model.setRandomSource(source);
    std::array<long long, 50> seen{};
    Counts counts;
    while (counts.numbers < 1'000'000) {
        fixture.model.sizeKey(6);
        std::array<bool, 50> inBet{};
        const auto& drawn = fixture.model.drawnNumbers();
        for (int k = 1; k <= 6; ++k) {
            const int x = drawn[static_cast<std::size_t>(k)];
            if (x < 1 || x > 49 || inBet[static_cast<std::size_t>(x)] ||
                !fixture.model.isMarked(x - 1))
                counts.repeated = true;
            else
                inBet[static_cast<std::size_t>(x)] = true;
            ++seen[static_cast<std::size_t>(x)];
        }
        if (!numeralia::lotto::parseBet(fixture.model.currentBet())) counts.repeated = true;
        counts.numbers += 6;
    }
    const double expected = static_cast<double>(counts.numbers) / 49.0;
    for (int x = 1; x <= 49; ++x) {
        const double d = static_cast<double>(seen[static_cast<std::size_t>(x)]) - expected;
        const double term = d * d / expected;
        counts.statistic += term;
        counts.worst = std::max(counts.worst, term);
    }
    return counts;
}

// A generator that favours small numbers a little: r^1,02.
struct Skewed : RandomSource {
    SeededRandomSource base{99};
    double draw() override { return std::pow(base.draw(), 1.02); }
};

// Every 49th draw is 0,5 (number 25) instead of a random number.
struct Sticky : RandomSource {
    SeededRandomSource base{5};
    long long n = 0;
    double draw() override { return ++n % 49 == 0 ? 0.5 : base.draw(); }
};

struct Case {
    const char* name;
    std::function<std::unique_ptr<RandomSource>()> make;
    bool uniform;
};

TEST(LottoDrawStatistics, NumbersAreUniformAndDistinctWithinABet) {
    const Case cases[] = {
        {"seed 1", [] { return std::make_unique<SeededRandomSource>(1); }, true},
        // The check itself notices a generator that is only slightly off.
        {"skewed", [] { return std::make_unique<Skewed>(); }, false},
        {"sticky", [] { return std::make_unique<Sticky>(); }, false},
    };
    for (const Case& c : cases) {
        const auto source = c.make();
        const Counts counts = countDraws(*source);
        EXPECT_FALSE(counts.repeated) << c.name;
        EXPECT_GE(counts.numbers, 1'000'000) << c.name;
        const bool withinBounds = counts.statistic < kCriticalAll && counts.worst < kCriticalEach;
        EXPECT_EQ(withinBounds, c.uniform)
            << c.name << ": chi-square " << counts.statistic << ", largest term " << counts.worst;
    }
}

// Two generators seeded from the clock one after the other draw different bets.
TEST(LottoDrawStatistics, ClockSeedsDiffer) {
    SeededRandomSource first(numeralia::clockSeed());
    SeededRandomSource second(numeralia::clockSeed());
    int same = 0;
    for (int i = 0; i < 8; ++i) same += first.draw() == second.draw();
    EXPECT_LT(same, 8);
}

}  // namespace
