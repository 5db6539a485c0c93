#include "core/lotto/combinations.h"

#include "core/text/number_text.h"

namespace numeralia::lotto {

namespace {

constexpr std::array<const char*, 4> kPatterns = {"0.000000", "0.0000", "0.000", "0.00"};

// The texts of every bet size, written once: an automatic run shows them for every bet.
struct BetTexts {
    std::array<std::array<std::string, 4>, kLargestBet + 1> probabilities;
    std::array<std::string, kLargestBet + 1> information;

    BetTexts() {
        const CombinationTable table = combinationTable();
        for (int n = kSmallestBet; n <= kLargestBet; ++n) {
            for (std::size_t row = 0; row < kHits.size(); ++row) {
                const double ways = table[row][static_cast<std::size_t>(n)];
                const double probability =
                    ways * 100.0 / static_cast<double>(choose(kNumbers, kHits[row]));
                probabilities[static_cast<std::size_t>(n)][row] =
                    text::formatPattern(probability, kPatterns[row]) + " %";
            }
            information[static_cast<std::size_t>(n)] =
                n == kSmallestBet ? " 1 Apuesta Sencilla"
                                  : " 1 Apuesta Múltiple equivalente a   " +
                                        text::signBlankText(static_cast<double>(table[0][static_cast<std::size_t>(n)])) +
                                        " Apuestas Sencillas";
        }
    }
};

const BetTexts& betTexts() {
    static const BetTexts texts;
    return texts;
}

std::size_t sizeIndex(int n) {
    return static_cast<std::size_t>(n < kSmallestBet ? kSmallestBet : n > kLargestBet ? kLargestBet : n);
}

}  // namespace

CombinationTable combinationTable() {
    CombinationTable table{};
    for (std::size_t row = 0; row < kHits.size(); ++row) {
        for (int n = kSmallestBet; n <= kLargestBet; ++n)
            table[row][static_cast<std::size_t>(n)] = static_cast<float>(choose(n, kHits[row]));
    }
    return table;
}

const std::array<std::string, 4>& probabilityTexts(int n) { return betTexts().probabilities[sizeIndex(n)]; }

const std::string& informationText(int n) { return betTexts().information[sizeIndex(n)]; }

}  // namespace numeralia::lotto
