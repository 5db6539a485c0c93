#pragma once
// What the lottery tests share: a model with fake sounds, dialogs and files, random sources
// that draw chosen numbers, and a script of keys written as words.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/lotto/lotto_model.h"
#include "fake_platform.h"

namespace numeralia::testing {

// Draws the given numbers from 1 to 49 in turn (0 stands for a number that is discarded),
// then starts again.
struct ChosenNumbers : RandomSource {
    std::vector<int> numbers;
    std::size_t next = 0;
    explicit ChosenNumbers(std::vector<int> n) : numbers(std::move(n)) {}
    double draw() override {
        const int x = numbers[next++ % numbers.size()];
        return x == 0 ? 0.999 : (x - 0.5) / 49.0;
    }
};

// Fake dialogs that also note the icon of each message: "i" information, "!" warning,
// "x" critical error.
struct IconDialogs : FakeDialogs {
    std::string icons;
    void inform(const std::string& title, const std::string& text) override {
        icons += 'i';
        FakeDialogs::inform(title, text);
    }
    void warn(const std::string& title, const std::string& text) override {
        icons += '!';
        FakeDialogs::inform(title, text);
    }
    void error(const std::string& title, const std::string& text) override {
        icons += 'x';
        FakeDialogs::inform(title, text);
    }
};

// A lottery window model with fake platform.
struct LottoSetup {
    SharedState state;
    FakeSoundPlayer sounds;
    IconDialogs dialogs;
    FakeFileDialogs files;
    SeededRandomSource seeded{20240607};
    lotto::LottoModel model{state, sounds, dialogs, files};

    LottoSetup() { model.setRandomSource(seeded); }

    // Words separated by blanks: "6" to "11" size keys ("c" the clear key of manual mode),
    // "#N" a click on the number N, "S" the store key, "show", "clear", "random", "manual",
    // "auto", "draw".
    void run(const std::string& script) {
        std::istringstream words(script);
        std::string word;
        while (words >> word) {
            if (word == "S") {
                model.store();
            } else if (word == "c") {
                model.sizeKey(7);
            } else if (word[0] == '#') {
                model.clickCell(std::stoi(word.substr(1)) - 1);
            } else if (word == "show") {
                model.showStoredBets();
            } else if (word == "clear") {
                model.clearStoredBets();
            } else if (word == "random") {
                model.randomMode();
            } else if (word == "manual") {
                model.manualMode();
            } else if (word == "auto") {
                model.automaticMode();
            } else if (word == "draw") {
                model.simulatedDraw();
            } else {
                model.sizeKey(std::stoi(word));
            }
        }
    }

    // The marked numbers, ascending, separated by blanks.
    std::string marked() const {
        std::string text;
        for (int cell = 0; cell < lotto::kNumbers; ++cell) {
            if (model.isMarked(cell)) text += (text.empty() ? "" : " ") + std::to_string(cell + 1);
        }
        return text;
    }
    std::string fields() const {
        const auto& p = model.probabilities();
        return p[0] + "|" + p[1] + "|" + p[2] + "|" + p[3];
    }
    std::string messages() const {
        std::string text;
        for (const auto& [title, message] : dialogs.messages) {
            EXPECT_TRUE(title == lotto::kMessageTitle || title == "Simulador Loto - Modo Automático")
                << title;
            text += (text.empty() ? "" : "|") + message;
        }
        return text;
    }
    std::string played() const {
        std::string text;
        for (const auto& play : sounds.played) text += (text.empty() ? "" : " ") + play.file;
        return text;
    }
};

struct LottoFixture : LottoSetup, ::testing::Test {};

}  // namespace numeralia::testing
