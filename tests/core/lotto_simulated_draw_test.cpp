#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "lotto_script.h"

using numeralia::SeededRandomSource;
using numeralia::lotto::countBet;
using numeralia::lotto::Draw;
using numeralia::lotto::DrawOutcome;
using numeralia::testing::ChosenNumbers;
using numeralia::testing::LottoFixture;

namespace {

using Counts = std::array<long long, 5>;  // 6, 5 + complementary, 5, 4, 3 hits

// Goes through every simple bet of the bet one by one.
Counts bruteForce(const std::vector<int>& bet, const Draw& draw) {
    Counts counts{};
    const int n = static_cast<int>(bet.size());
    std::vector<bool> pick(static_cast<std::size_t>(n), false);
    std::fill(pick.begin(), pick.begin() + 6, true);
    do {
        int hits = 0;
        bool complementary = false;
        for (int i = 0; i < n; ++i) {
            if (!pick[static_cast<std::size_t>(i)]) continue;
            const int x = bet[static_cast<std::size_t>(i)];
            hits += std::count(draw.winning.begin(), draw.winning.end(), x) > 0;
            complementary = complementary || x == draw.complementary;
        }
        if (hits == 6) ++counts[0];
        if (hits == 5 && complementary) ++counts[1];
        if (hits == 5 && !complementary) ++counts[2];
        if (hits == 4) ++counts[3];
        if (hits == 3) ++counts[4];
    } while (std::prev_permutation(pick.begin(), pick.end()));
    return counts;
}

TEST(LottoSimulatedDraw, SimpleBetsInEachCategory) {
    const Draw draw{{3, 7, 12, 20, 33, 41}, 25};
    struct Row {
        std::vector<int> bet;
        Counts expected;
    };
    // clang-format off
    const Row rows[] = {
        {{3, 7, 12, 20, 33, 41}, {1, 0, 0, 0, 0}},
        {{3, 7, 12, 20, 33, 25}, {0, 1, 0, 0, 0}},
        {{3, 7, 12, 20, 33, 26}, {0, 0, 1, 0, 0}},
        {{3, 7, 12, 20, 25, 26}, {0, 0, 0, 1, 0}},
        {{3, 7, 12, 1, 2, 25}, {0, 0, 0, 0, 1}},
        {{3, 7, 1, 2, 4, 5}, {0, 0, 0, 0, 0}},
        // Seven numbers with the six winning ones and the complementary: the simple bet without
        // the complementary has 6 hits, the six others 5 and the complementary.
        {{3, 7, 12, 20, 33, 41, 25}, {1, 6, 0, 0, 0}},
        {{3, 7, 12, 20, 33, 41, 1}, {1, 0, 6, 0, 0}},
        // Eleven numbers, three of them winning: C(3,3)·C(8,3) = 56 simple bets with 3 hits.
        {{3, 7, 12, 1, 2, 4, 5, 6, 8, 9, 10}, {0, 0, 0, 0, 56}},
    };
    // clang-format on
    for (const Row& row : rows) {
        DrawOutcome outcome;
        countBet(row.bet, draw, outcome);
        EXPECT_EQ(outcome.simpleBets, row.expected) << row.bet.size() << " numbers";
        EXPECT_EQ(outcome.simpleBets, bruteForce(row.bet, draw));
    }
    // Random draws and bets of every size against the simple bets counted one by one.
    SeededRandomSource random(77);
    for (int i = 0; i < 300; ++i) {
        const Draw d = numeralia::lotto::drawNumbers(random);
        const Draw b = numeralia::lotto::drawNumbers(random);
        std::vector<int> bet(b.winning.begin(), b.winning.end());
        const int extra = i % 6;  // 6 to 11 numbers
        while (static_cast<int>(bet.size()) < 6 + extra) {
            const int x = numeralia::lotto::randomNumber(random);
            if (std::find(bet.begin(), bet.end(), x) == bet.end()) bet.push_back(x);
        }
        // Put the complementary in some of the bets.
        if (i % 3 == 0 && std::find(bet.begin(), bet.end(), d.complementary) == bet.end())
            bet.back() = d.complementary;
        std::sort(bet.begin(), bet.end());
        if (std::adjacent_find(bet.begin(), bet.end()) != bet.end()) continue;
        DrawOutcome outcome;
        countBet(bet, d, outcome);
        ASSERT_EQ(outcome.simpleBets, bruteForce(bet, d)) << i;
        ASSERT_EQ(outcome.checked, numeralia::lotto::choose(static_cast<int>(bet.size()), 6));
    }
}

TEST(LottoSimulatedDraw, SevenDistinctNumbers) {
    SeededRandomSource random(3);
    for (int i = 0; i < 10000; ++i) {
        const Draw d = numeralia::lotto::drawNumbers(random);
        ASSERT_TRUE(std::is_sorted(d.winning.begin(), d.winning.end()));
        ASSERT_EQ(std::adjacent_find(d.winning.begin(), d.winning.end()), d.winning.end());
        ASSERT_EQ(std::count(d.winning.begin(), d.winning.end(), d.complementary), 0);
        ASSERT_GE(d.winning.front(), 1);
        ASSERT_LE(d.winning.back(), 49);
        ASSERT_GE(d.complementary, 1);
        ASSERT_LE(d.complementary, 49);
    }
}

// The menu entry draws, shows the result and keeps it for the window.
TEST_F(LottoFixture, SimulatedDrawTellsHowTheStoredBetsDid) {
    // Winning numbers drawn as 41 3 20 7 33 12, complementary 25 (41 is drawn twice).
    ChosenNumbers draws({41, 3, 20, 7, 33, 12, 41, 25});
    model.setRandomSource(draws);
    run("draw");
    EXPECT_EQ(messages(), "Combinación Ganadora:   3,  7,  12,  20,  33,  41\nComplementario:   25\n\n"
                          "No hay Apuestas Seleccionadas que comprobar.");
    ASSERT_TRUE(model.lastDraw().has_value());
    EXPECT_EQ(model.lastDraw()->complementary, 25);

    dialogs.messages.clear();
    run("manual #3 #7 #12 #20 #33 #41 #25 S c #3 #7 #12 #1 #2 #4 S c #1 #2 #4 #5 #6 #8 S");
    draws.next = 0;
    run("draw");
    EXPECT_EQ(messages(),
              "Combinación Ganadora:   3,  7,  12,  20,  33,  41\nComplementario:   25\n\n"
              "Aciertos de las 3 Apuestas Seleccionadas (9 Apuestas Sencillas):\n"
              "\n    6 Aciertos:  1\n    5 Aciertos + Complementario:  6\n    5 Aciertos:  0"
              "\n    4 Aciertos:  0\n    3 Aciertos:  1");
    EXPECT_EQ(model.lastOutcome().checked, 9);
    EXPECT_EQ(dialogs.icons, "ii");
}

}  // namespace
