#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "lotto_script.h"

using numeralia::lotto::kMessageTitle;
using numeralia::testing::ChosenNumbers;
using numeralia::testing::LottoFixture;

namespace {

// The numbers a simple bet draws, again and again: a discarded draw, then 41, 3, 3 again
// (drawn once more), 20, 7, 33, 12 make the bet 3 7 12 20 33 41.
const std::vector<int> kDraws = {0, 41, 3, 3, 20, 7, 33, 12};
// The same for a bet of 7 to 11 numbers, which goes on with 45, 1, 8, 49, 27.
const std::vector<int> kLongDraws = {0, 41, 3, 3, 20, 7, 33, 12, 45, 1, 8, 49, 27};
const std::string kSimple = " 3,  7,  12,  20,  33,  41";
const std::string kSimpleFields = "0,000007 %|0,0003 %|0,007 %|0,11 %";
const std::string kEmptyFields = "|||";
const std::string kInvalidBet = "Error:  Apuesta No Válida";
const std::string kInvalidCount = "Error:  Número de Apuestas No Válido";
const std::string kPrompt = "¿ Cuantas Apuestas Sencillas deseas realizar ?";
const std::string kLimit =
    "¡ ATENCIÓN !  Ha llegado al límite de las 500 Apuestas Seleccionadas. Si no las salvaguarda "
    "ahora en Fichero, serán eliminadas al realizar una Nueva Apuesta";

struct Row {
    const char* script;
    std::vector<std::optional<std::string>> answers;  // for the input box of "auto"
    std::string marked;
    std::string bet;
    std::string fields;
    std::string info;
    std::string counter;
    std::string messages;  // the texts shown, joined with "|"
    std::string icons;     // "i" information, "!" warning, "x" critical error
    std::string sounds;
    std::vector<int> draws = kDraws;
};

struct LottoKeys : LottoFixture, ::testing::WithParamInterface<Row> {};

TEST_P(LottoKeys, ShowWhatTheKeysDid) {
    const Row& row = GetParam();
    ChosenNumbers draws(row.draws);
    model.setRandomSource(draws);
    state.soundOn = 1;
    dialogs.textAnswers = row.answers;
    run(row.script);
    EXPECT_EQ(marked(), row.marked);
    EXPECT_EQ(model.currentBet(), row.bet);
    EXPECT_EQ(fields(), row.fields);
    EXPECT_EQ(model.information(), row.info);
    EXPECT_EQ(model.counter(), row.counter);
    EXPECT_EQ(messages(), row.messages);
    EXPECT_EQ(dialogs.icons, row.icons);
    EXPECT_EQ(played(), row.sounds);
    EXPECT_FALSE(model.running());
    // The bet size is always the number of marked cells, and every stored bet is a valid bet.
    EXPECT_EQ(model.betSize(), marked().empty() ? 0 : static_cast<int>(std::count(
                                                          row.marked.begin(), row.marked.end(), ' ')) + 1);
    for (const std::string& bet : model.storedBets())
        EXPECT_TRUE(numeralia::lotto::parseBet(bet).has_value()) << bet;
}

const std::string kMultiple7 = " 1 Apuesta Múltiple equivalente a    7 Apuestas Sencillas";
const std::string kMultiple11 = " 1 Apuesta Múltiple equivalente a    462 Apuestas Sencillas";
const std::string k11Marked = "1 3 7 8 12 20 27 33 41 45 49";
const std::string k11Bet = " 1,  3,  7,  8,  12,  20,  27,  33,  41,  45,  49";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, LottoKeys, ::testing::Values(
    // Random bets: ascending whatever the order of drawing, a number drawn twice drawn again.
    Row{"6", {}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "", "", "", ""},
    Row{"7", {}, "3 7 12 20 33 41 45", " 3,  7,  12,  20,  33,  41,  45",
        "0,000050 %|0,0011 %|0,017 %|0,19 %", kMultiple7, "", "", "", "", kLongDraws},
    Row{"11", {}, k11Marked, k11Bet, "0,003304 %|0,0242 %|0,156 %|0,90 %", kMultiple11, "", "", "", "",
        kLongDraws},
    // Cells only answer in manual mode.
    Row{"#5", {}, "", "", kEmptyFields, "", "", "", "", ""},
    // The store key stores the bet last drawn, again and again; with no bet it does nothing.
    Row{"S", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"6 S S", {}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "2", "", "", ""},
    // The list: shown (even empty), the store key only closes it, size keys wait for it.
    Row{"show S", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"show 6", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"6 S show S S", {}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "2", "", "", ""},
    Row{"6 S S clear", {}, "", "", kEmptyFields, "", "0", "", "", ""},
    // Manual bets: fields from the 6th to the 11th marked number.
    Row{"manual #1 #2 #3 #4 #5", {}, "1 2 3 4 5", "", kEmptyFields, "", "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #49", {}, "1 2 3 4 5 49", "", kSimpleFields, " 1 Apuesta Sencilla", "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #6 #7 #8 #9 #10 #11 #12", {}, "1 2 3 4 5 6 7 8 9 10 11 12", "",
        kEmptyFields, "", "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #6 #7 #8 #9 #10 #11 #12 #12", {}, "1 2 3 4 5 6 7 8 9 10 11", "",
        "0,003304 %|0,0242 %|0,156 %|0,90 %", kMultiple11, "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #6 #6", {}, "1 2 3 4 5", "", kEmptyFields, "", "", "", "", ""},
    Row{"manual #30 #2 #9 #4 #5 #6 #7 S", {}, "2 4 5 6 7 9 30", " 2,  4,  5,  6,  7,  9,  30",
        "0,000050 %|0,0011 %|0,017 %|0,19 %", kMultiple7, "1", "", "", ""},
    Row{"manual #1 #2 S", {}, "1 2", "", kEmptyFields, "", "", kInvalidBet, "x", "hey.wav"},
    Row{"manual #1 #2 #3 #4 #5 #6 c", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #6 c #7", {}, "7", "", kEmptyFields, "", "", "", "", ""},
    Row{"manual 6 8 11", {}, "", "", kEmptyFields, "", "", "", "", ""},
    // Switching mode frees every cell and forgets the bet they showed.
    Row{"6 manual", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"6 manual #1", {}, "1", "", kEmptyFields, "", "", "", "", ""},
    Row{"6 random S", {}, "", "", kEmptyFields, "", "", "", "", ""},
    Row{"manual #1 #2 #3 #4 #5 #6 random 6", {}, "3 7 12 20 33 41", kSimple, kSimpleFields,
        " 1 Apuesta Sencilla", "", "", "", ""},
    // Automatic mode: the count asked in an input box.
    Row{"auto", {"3"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "3", kPrompt, "", ""},
    Row{"auto", {" 2 apuestas"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "2", kPrompt, "", ""},
    Row{"auto", {"1.5"}, "", "", kEmptyFields, "", "", kPrompt + "|" + kInvalidCount, "x", "hey.wav"},
    Row{"auto", {"2,5"}, "", "", kEmptyFields, "", "", kPrompt + "|" + kInvalidCount, "x", "hey.wav"},
    Row{"auto", {""}, "", "", kEmptyFields, "", "", kPrompt, "", ""},
    Row{"auto", {std::nullopt}, "", "", kEmptyFields, "", "", kPrompt, "", ""},
    Row{"auto", {"tres"}, "", "", kEmptyFields, "", "", kPrompt, "", ""},
    Row{"auto", {"0"}, "", "", kEmptyFields, "", "", kPrompt, "", ""},
    Row{"auto", {"-4"}, "", "", kEmptyFields, "", "", kPrompt, "", ""},
    Row{"manual #1 #2 auto", {"1"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "1", kPrompt, "", ""},
    // A list left open does not swallow the first bet of a run.
    Row{"6 S show auto", {"2"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "3", kPrompt, "", ""},
    // The 500th bet warns; the 501st clears the list, itself included.
    Row{"auto", {"500"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "500",
        kPrompt + "|" + kLimit, "!", "ooh.wav"},
    Row{"auto", {"501"}, "", "", kEmptyFields, "", "0", kPrompt + "|" + kLimit, "!", "ooh.wav"},
    Row{"auto", {"503"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "2",
        kPrompt + "|" + kLimit, "!", "ooh.wav"},
    Row{"auto", {"1002"}, "", "", kEmptyFields, "", "0", kPrompt + "|" + kLimit + "|" + kLimit, "!!",
        "ooh.wav ooh.wav"},
    Row{"auto 6 S", {"499"}, "3 7 12 20 33 41", kSimple, kSimpleFields, " 1 Apuesta Sencilla", "500",
        kPrompt + "|" + kLimit, "!", "ooh.wav"},
    Row{"auto manual #1 #2 #3 #4 #5 #6 S", {"499"}, "1 2 3 4 5 6", " 1,  2,  3,  4,  5,  6", kSimpleFields,
        " 1 Apuesta Sencilla", "500", kPrompt + "|" + kLimit, "!", "ooh.wav"}));
// clang-format on

TEST_F(LottoFixture, DrawnNumbersKeepTheirOrderAndTheCueIsRemembered) {
    ChosenNumbers draws(kDraws);
    model.setRandomSource(draws);
    run("6");
    const auto& drawn = model.drawnNumbers();
    EXPECT_EQ(std::vector<int>(drawn.begin() + 1, drawn.begin() + 7),
              (std::vector<int>{41, 3, 20, 7, 33, 12}));
    EXPECT_EQ(drawn[0], 0);
    EXPECT_EQ(drawn[7], 0);
    run("manual S");
    EXPECT_EQ(state.soundCue, 1);
    EXPECT_TRUE(sounds.played.empty());  // sounds are off
    dialogs.textAnswers = {"500"};
    run("auto");
    EXPECT_EQ(state.soundCue, 2);
}

TEST_F(LottoFixture, StoredBetsAndTheList) {
    std::vector<int> simpleThenLong = kDraws;
    simpleThenLong.insert(simpleThenLong.end(), kLongDraws.begin(), kLongDraws.end());
    ChosenNumbers draws(simpleThenLong);
    model.setRandomSource(draws);
    EXPECT_EQ(model.counter(), "");
    EXPECT_EQ(model.storeCaption(), "Seleccionar");
    run("show");
    EXPECT_TRUE(model.listVisible());
    EXPECT_TRUE(model.storedBets().empty());
    EXPECT_EQ(model.storeCaption(), "Cerrar Ventana");
    run("S");
    EXPECT_FALSE(model.listVisible());
    EXPECT_EQ(model.storeCaption(), "Seleccionar");
    run("6 S 11 S show");
    EXPECT_EQ(model.storedBets(), (std::vector<std::string>{kSimple, k11Bet}));
    EXPECT_TRUE(model.listVisible());
    run("7");  // waits for the list
    EXPECT_EQ(model.currentBet(), k11Bet);
    run("clear");
    EXPECT_FALSE(model.listVisible());
    EXPECT_TRUE(model.storedBets().empty());
    EXPECT_EQ(model.storeCaption(), "Seleccionar");
}

TEST_F(LottoFixture, SizeKeysCaptionsTipsAndModes) {
    struct Key {
        int n;
        const char* caption;
        const char* tip;
        bool enabled;
    };
    auto check = [&](const char* when, std::initializer_list<Key> keys) {
        for (const Key& k : keys) {
            EXPECT_EQ(model.sizeKeyCaption(k.n), k.caption) << when << " " << k.n;
            EXPECT_EQ(model.sizeKeyTip(k.n), k.tip) << when << " " << k.n;
            EXPECT_EQ(model.sizeKeyEnabled(k.n), k.enabled) << when << " " << k.n;
        }
    };
    // clang-format off
    check("at opening", {{6, "6", "Obtención de una Apuesta Sencilla (6 Números)", true},
                         {7, "7", "Obtención de una Apuesta Múltiple (7 Números) ", true},
                         {11, "11", "Obtención de una Apuesta Múltiple (11 Números) ", true}});
    EXPECT_FALSE(model.isManual());
    run("manual");
    check("manual", {{6, "6", "Obtención de una Apuesta Sencilla (6 Números)", false},
                     {7, "c", "Borrar Números", true},
                     {8, "8", "Obtención de una Apuesta Múltiple (8 Números) ", false}});
    EXPECT_TRUE(model.isManual());
    run("random");
    check("random", {{7, "7", "Obtención de una Apuesta Múltiple (7 Números)", true},
                     {10, "10", "Obtención de una Apuesta Múltiple (10 Números) ", true}});
    EXPECT_FALSE(model.sizeKeyEnabled(5));
    EXPECT_FALSE(model.sizeKeyEnabled(12));
    // clang-format on
}

// The pacer sees every bet; "Cancelar" stops the run between two bets, keeping what was
// stored, and a cancelled run leaves the window usable.
TEST_F(LottoFixture, AutomaticRunReportsProgressAndCanBeCancelled) {
    struct Pacer : numeralia::lotto::AutomaticPacer {
        numeralia::lotto::LottoModel* model = nullptr;
        std::vector<long long> seen;
        long long maximum = 0;
        long long cancelAt = 0;
        std::vector<std::string> texts;
        bool proceed(const numeralia::lotto::LottoModel& m) override {
            texts.push_back(m.progressText());
            EXPECT_TRUE(m.running());
            seen.push_back(m.progressValue());
            maximum = m.progressMaximum();
            // What the user may click while the run goes on does nothing.
            model->sizeKey(11);
            model->clearStoredBets();
            model->automaticMode();
            if (m.progressValue() == cancelAt) model->cancelAutomatic();
            return true;
        }
    } pacer;
    pacer.model = &model;
    pacer.cancelAt = 7;
    model.setPacer(&pacer);
    dialogs.textAnswers = {"1000"};
    run("auto");
    EXPECT_EQ(pacer.seen.size(), 7u);
    EXPECT_EQ(pacer.seen.back(), 7);
    EXPECT_EQ(pacer.maximum, 1000);
    EXPECT_EQ(pacer.texts.front(), "1 de 1.000 Apuestas");
    EXPECT_EQ(pacer.texts.back(), "7 de 1.000 Apuestas");
    EXPECT_EQ(model.counter(), "7");
    EXPECT_EQ(model.storedBets().size(), 7u);
    EXPECT_FALSE(model.running());
    EXPECT_EQ(model.progressMaximum(), 0);
    EXPECT_EQ(dialogs.messages.size(), 1u);  // the input box only: the clicks did nothing
    run("6 S");
    EXPECT_EQ(model.counter(), "8");
    // A pacer that answers false stops the run too.
    struct Stop : numeralia::lotto::AutomaticPacer {
        bool proceed(const numeralia::lotto::LottoModel& m) override { return m.progressValue() < 3; }
    } stop;
    model.setPacer(&stop);
    dialogs.textAnswers = {"50"};
    run("auto");
    EXPECT_EQ(model.counter(), "11");
}

}  // namespace
