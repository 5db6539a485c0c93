#include "core/lotto/simulated_draw.h"

#include <algorithm>

#include "core/lotto/bets.h"
#include "core/lotto/combinations.h"
#include "core/text/number_text.h"

namespace numeralia::lotto {

int randomNumber(RandomSource& random) {
    const int x = static_cast<int>(random.draw() * kNumbers) + 1;
    return std::clamp(x, 1, kNumbers);
}

Draw drawNumbers(RandomSource& random) {
    std::array<bool, kNumbers + 1> taken{};
    auto next = [&] {
        int x = 0;
        do {
            x = randomNumber(random);
        } while (taken[static_cast<std::size_t>(x)]);
        taken[static_cast<std::size_t>(x)] = true;
        return x;
    };
    Draw draw;
    for (int& x : draw.winning) x = next();
    std::sort(draw.winning.begin(), draw.winning.end());
    draw.complementary = next();
    return draw;
}

void countBet(const std::vector<int>& bet, const Draw& draw, DrawOutcome& outcome) {
    const int n = static_cast<int>(bet.size());
    int hits = 0;
    bool complementary = false;
    for (int x : bet) {
        if (std::binary_search(draw.winning.begin(), draw.winning.end(), x)) ++hits;
        if (x == draw.complementary) complementary = true;
    }
    const int misses = n - hits;
    // Simple bets of the bet with exactly k winning numbers: C(hits, k) × C(misses, 6 − k).
    auto withHits = [&](int k) { return choose(hits, k) * choose(misses, kDrawn - k); };
    // Five winning numbers and, as the sixth, the complementary.
    const long long fivePlus = complementary ? choose(hits, 5) : 0;
    auto& count = outcome.simpleBets;
    count[static_cast<std::size_t>(Prize::Six)] += withHits(6);
    count[static_cast<std::size_t>(Prize::FivePlusComplementary)] += fivePlus;
    count[static_cast<std::size_t>(Prize::Five)] += withHits(5) - fivePlus;
    count[static_cast<std::size_t>(Prize::Four)] += withHits(4);
    count[static_cast<std::size_t>(Prize::Three)] += withHits(3);
    outcome.checked += choose(n, kDrawn);
    ++outcome.bets;
}

std::string drawReport(const Draw& draw, const DrawOutcome& outcome) {
    std::string report = "Combinación Ganadora:  " +
                         composeBetText({draw.winning.begin(), draw.winning.end()}) +
                         "\nComplementario:  " + text::signBlankText(draw.complementary) + "\n\n";
    if (outcome.bets == 0) return report + "No hay Apuestas Seleccionadas que comprobar.";
    report += outcome.bets == 1 ? std::string("Aciertos de la Apuesta Seleccionada")
                                : "Aciertos de las " + countText(outcome.bets) +
                                      " Apuestas Seleccionadas";
    report += outcome.checked == 1
                  ? std::string(" (1 Apuesta Sencilla):\n")
                  : " (" + countText(outcome.checked) + " Apuestas Sencillas):\n";
    static constexpr std::array<const char*, kPrizeCount> kNames = {
        "6 Aciertos", "5 Aciertos + Complementario", "5 Aciertos", "4 Aciertos", "3 Aciertos"};
    for (std::size_t i = 0; i < kPrizeCount; ++i)
        report += "\n    " + std::string(kNames[i]) + ":  " + countText(outcome.simpleBets[i]);
    return report;
}

}  // namespace numeralia::lotto
