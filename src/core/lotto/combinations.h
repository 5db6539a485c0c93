#pragma once
// The numbers behind a 6-from-49 bet: how many simple bets a bet of n numbers stands for,
// the probability of k hits, and the texts the window shows for them.

#include <array>
#include <string>

namespace numeralia::lotto {

inline constexpr int kNumbers = 49;    // numbers in the draw, 1 to 49
inline constexpr int kDrawn = 6;       // winning numbers of a draw
inline constexpr int kSmallestBet = 6;  // a simple bet
inline constexpr int kLargestBet = 11;  // the largest multiple bet

// C(n, k), the number of k-subsets of n numbers; 0 when k < 0 or k > n.
constexpr long long choose(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    long long c = 1;
    for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
    return c;
}

// The combination table: entry [row][n] = C(n, k) for the hits k = 6, 5, 4, 3 (rows 0 to 3)
// and the bet sizes n = 6 to 11 (columns 0 to 5 unused), in single precision.
using CombinationTable = std::array<std::array<float, 12>, 4>;
CombinationTable combinationTable();

// The hits of the four probability fields, in their order.
inline constexpr std::array<int, 4> kHits = {6, 5, 4, 3};

// The four probability field texts for a bet of n numbers (6 to 11): C(n, k) × 100 / C(49, k)
// with "0.000000", "0.0000", "0.000" and "0.00" for 6, 5, 4 and 3 hits, then " %".
const std::array<std::string, 4>& probabilityTexts(int n);

// The information label for a bet of n numbers (6 to 11): " 1 Apuesta Sencilla", or
// " 1 Apuesta Múltiple equivalente a   " followed by C(n, 6) with a leading blank and
// " Apuestas Sencillas".
const std::string& informationText(int n);

}  // namespace numeralia::lotto
