#pragma once
// The simulated draw: six winning numbers and a complementary number drawn like a real
// draw, and how the stored bets would have done. A multiple bet counts every simple bet it
// stands for, each in the best prize category it reaches.

#include <array>
#include <string>
#include <vector>

#include "core/shell/random_source.h"

namespace numeralia::lotto {

// A number from 1 to 49: integer part of r × 49, plus 1, for r uniform in [0, 1).
int randomNumber(RandomSource& random);

struct Draw {
    std::array<int, 6> winning{};  // ascending
    int complementary = 0;         // not among the winning numbers
};

// Seven distinct numbers: the first six drawn are the winning ones, the seventh the
// complementary.
Draw drawNumbers(RandomSource& random);

// The prize categories, best first.
enum class Prize { Six, FivePlusComplementary, Five, Four, Three };
inline constexpr std::size_t kPrizeCount = 5;

// Simple bets in each category (indexed by Prize) and simple bets checked.
struct DrawOutcome {
    std::array<long long, kPrizeCount> simpleBets{};
    long long checked = 0;
    int bets = 0;
};

// Adds a bet (distinct numbers from 1 to 49) to the outcome.
void countBet(const std::vector<int>& bet, const Draw& draw, DrawOutcome& outcome);

// The message the window shows: the winning combination and the simple bets per category.
std::string drawReport(const Draw& draw, const DrawOutcome& outcome);

}  // namespace numeralia::lotto
