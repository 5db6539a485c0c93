// The Normal model: the same key scripts give the same displays in both models, the keys it
// lacks do nothing, and the "Modo" switch keeps the shared state and nothing else.

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc_script.h"
#include "core/calc/calculator_kind.h"

namespace numeralia::calc {
namespace {

using testing::RecordingSounds;
using testing::runScript;

// Both models on one shared state each, set up alike.
struct ModelPair {
    SharedState scientificShared, normalShared;
    RecordingSounds scientificSounds, normalSounds;
    CalculatorModel scientific{prepared(scientificShared), scientificSounds,
                               CalculatorKind::Scientific};
    CalculatorModel normal{prepared(normalShared), normalSounds, CalculatorKind::Normal};

    static SharedState& prepared(SharedState& shared) {
        shared.memory1 = 2.5;
        shared.memory3 = -4;
        shared.transitValue2 = 1000;
        shared.currencyName1 = "euro";
        shared.currencyName2 = "pts";
        shared.exchangeFactor = Variant::fromNumber(166.386);
        shared.soundOn = 1;
        shared.soundCue = 4;
        return shared;
    }
};

// Everything a window of either model shows, and what the next key depends on.
void expectSameState(const CalculatorModel& a, const CalculatorModel& b, const std::string& what) {
    const CalculatorState& s = a.state();
    const CalculatorState& n = b.state();
    EXPECT_EQ(s.numero, n.numero) << what;
    EXPECT_EQ(s.result, n.result) << what;
    EXPECT_EQ(s.func, n.func) << what;
    EXPECT_EQ(s.ivas, n.ivas) << what;
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(s.memories[i], n.memories[i]) << what;
    EXPECT_EQ(s.history, n.history) << what;
    EXPECT_EQ(s.historyText, n.historyText) << what;
    EXPECT_EQ(s.historyVisible, n.historyVisible) << what;
    EXPECT_EQ(s.errorKind, n.errorKind) << what;
    EXPECT_EQ(s.picture, n.picture) << what;
    EXPECT_EQ(s.pendingOperator, n.pendingOperator) << what;
    EXPECT_EQ(s.accumulator, n.accumulator) << what;
    EXPECT_EQ(s.entryFlag, n.entryFlag) << what;
}

std::vector<std::string> tokens(const std::string& script) {
    std::istringstream in(script);
    std::vector<std::string> out;
    for (std::string token; in >> token;) out.push_back(token);
    return out;
}

TEST(CalcNormalModel, SameScriptsSameDisplaysInBothModels) {
    // A script of keys both models have, and the main display and info line it leaves.
    const struct { const char *keys, *numero, *result; } rows[] = {
        {"2 + 3 / 4 =", "1,25", "1,25"},
        {"12,5 x^y 2 =", "156,25", "156,25"},
        {"25 % x 200 =", "50", "50"},
        {"1 / 0 =", "0", "Error: Parada crítica"},
        {"9 square squareRoot cube cubeRoot", "9", "9"},
        {"0 1/x", "0", "Error: División por cero"},
        {"2 ± squareRoot", "0", "Error: Número negativo"},
        {"8 ± cubeRoot", "0", "Error: Parada crítica"},
        {"pi x 2 =", "6,28318530717958", "6,28318530717958"},  // twice the 15 digits shown
        {"1 EXP 3 + 1 =", "1001", "1001"},
        {"123456 F--E", "123456", "1,23456e+05"},
        {"123 correction", "12", "0"},
        {"5 M1+ memoryRecall1 + memoryRecall3 =", "3,5", "3,5"},
        {"3 M2+ C2 memoryRecall2", "0", "0"},
        {"R2 / 8 =", "125", "125"},
        {"100 +IVA", "116", "116"},
        {"116 --IVA", "100", "100"},
        {"21 d.IVA 100 +IVA", "121", "121"},
        {"1 currencyTo2", "166,386", "166,386"},
        {"4 + 2 historyToggle select0", "4", "0"},
        {"7 clearEntry 3 + 1 =", "4", "4"},
        {"5 / 0 = AC 2", "2", "0"},
        {"music 8", "8", "0"},  // the same cue played
    };
    for (const auto& row : rows) {
        ModelPair models;
        for (const std::string& token : tokens(row.keys)) {
            if (token.starts_with("select")) {
                const std::size_t entry = std::stoul(token.substr(6));
                models.scientific.selectHistoryEntry(entry);
                models.normal.selectHistoryEntry(entry);
                continue;
            }
            const bool number = token.find_first_not_of("0123456789,") == std::string::npos;
            if (!number) {
                ASSERT_TRUE(kindHasKey(CalculatorKind::Normal, testing::keyForToken(token)))
                    << token << " in " << row.keys;
            }
            runScript(models.scientific, token);
            runScript(models.normal, token);
        }
        EXPECT_EQ(models.normal.state().numero, row.numero) << row.keys;
        EXPECT_EQ(models.normal.state().result, row.result) << row.keys;
        expectSameState(models.scientific, models.normal, row.keys);
        EXPECT_EQ(models.scientificSounds.played, models.normalSounds.played) << row.keys;
        if (std::string(row.keys).starts_with("music")) {
            EXPECT_EQ(models.normalSounds.played, std::vector<std::string>{"tic.wav"});
        }
        EXPECT_EQ(models.scientificShared.vatRate, models.normalShared.vatRate) << row.keys;
    }
}

// Long random runs of the keys both models have: the displays never part.
TEST(CalcNormalModel, RandomPressesOfCommonKeysGiveTheSameDisplays) {
    std::vector<KeyId> common;
    for (const KeyInfo& key : allKeys()) {
        if (kindHasKey(CalculatorKind::Normal, key.id)) common.push_back(key.id);
    }
    ASSERT_EQ(common.size(), 51u);
    std::mt19937 pick(12);
    std::uniform_int_distribution<std::size_t> anyKey(0, common.size() - 1);
    std::uniform_int_distribution<int> digit(0, 9);
    std::bernoulli_distribution typing(0.4);
    ModelPair models;
    std::string recent;
    for (int i = 0; i < 30000; ++i) {
        const KeyId id = typing(pick) ? static_cast<KeyId>(digit(pick)) : common[anyKey(pick)];
        recent = (recent.size() > 200 ? recent.substr(recent.size() - 200) : recent) + " " +
                 std::string(keyInfo(id).name);
        models.scientific.press(id);
        models.normal.press(id);
        if (models.scientific.state().numero != models.normal.state().numero ||
            models.scientific.state().result != models.normal.state().result ||
            models.scientific.state().history != models.normal.state().history) {
            expectSameState(models.scientific, models.normal, recent);
            FAIL() << "press " << i;
        }
    }
    expectSameState(models.scientific, models.normal, "the end");
}

TEST(CalcNormalModel, KeysItLacksDoNothing) {
    SharedState shared;
    RecordingSounds sounds;
    CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    runScript(normal, "12 + 3");
    const CalculatorState before = normal.state();
    int lacking = 0;
    for (const KeyInfo& key : allKeys()) {
        if (kindHasKey(CalculatorKind::Normal, key.id)) continue;
        ++lacking;
        normal.press(key.id);
        normal.typeKey(key.id);
        EXPECT_EQ(normal.state().numero, before.numero) << key.name;
        EXPECT_EQ(normal.state().func, before.func) << key.name;
        EXPECT_EQ(normal.state().history, before.history) << key.name;
        EXPECT_EQ(normal.state().displayPattern, kGeneralNumber) << key.name;
    }
    EXPECT_EQ(lacking, kKeyCount - 51);
    EXPECT_EQ(shared.memory4, 0);
    EXPECT_TRUE(sounds.played.empty());
    runScript(normal, "=");
    EXPECT_EQ(normal.state().numero, "15");
}

TEST(CalcNormalModel, ChoosingAModel) {
    using K = CalculatorKind;
    const struct { K current, chosen; bool reopen; const char* recorded; } rows[] = {
        {K::Scientific, K::Normal, true, "normalita"},
        {K::Scientific, K::Scientific, false, "avanzada"},
        {K::Normal, K::Scientific, true, "avanzada"},
        {K::Normal, K::Normal, false, "normalita"},
    };
    for (const auto& row : rows) {
        SharedState shared;
        shared.calculatorModel = "otro";
        EXPECT_EQ(chooseModel(shared, row.current, row.chosen), row.reopen);
        EXPECT_EQ(shared.calculatorModel, row.recorded);
    }
}

// Switching from the Scientific model to the Normal one and back: the shared state stays,
// the window state starts afresh.
TEST(CalcNormalModel, SwitchKeepsTheSharedStateAndClearsTheWindow) {
    SharedState shared;
    RecordingSounds sounds;
    shared.transitValue1 = 1000;
    shared.transitLabel1 = "Factor de conversión de Kilómetros a Metros";
    shared.transitValue3 = 0.5;
    shared.currencyName1 = "euro";
    shared.currencyName2 = "pts";
    shared.exchangeFactor = Variant::fromNumber(166.386);
    const SharedState transits = shared;

    // A window opened afresh: nothing of the closed one, the shared VAT rate.
    const auto expectFresh = [](const CalculatorState& state) {
        EXPECT_EQ(state.numero, "0");
        EXPECT_EQ(state.func, "");
        EXPECT_TRUE(state.history.empty());
        EXPECT_EQ(state.pendingOperator, "");
        EXPECT_EQ(state.accumulator, std::nullopt);
        EXPECT_EQ(state.ivas, "7,5 %");
    };
    auto scientific = std::make_unique<CalculatorModel>(shared, sounds, CalculatorKind::Scientific);
    runScript(*scientific, "1 M1+ 2 M2+ 3 M3+ 4 M4+ 7,5 d.IVA 9 + 8");
    ASSERT_FALSE(scientific->state().history.empty());
    ASSERT_TRUE(chooseModel(shared, CalculatorKind::Scientific, CalculatorKind::Normal));
    scientific.reset();
    auto normal = std::make_unique<CalculatorModel>(shared, sounds, CalculatorKind::Normal);
    EXPECT_EQ(shared.calculatorModel, "normalita");
    const CalculatorState& n = normal->state();
    expectFresh(n);
    EXPECT_EQ((std::vector<std::string>{n.memories[0], n.memories[1], n.memories[2]}),
              (std::vector<std::string>{"1", "2", "3"}));
    runScript(*normal, "R1 + R3 = M3+");
    EXPECT_EQ(n.numero, "1000,5");

    EXPECT_FALSE(chooseModel(shared, CalculatorKind::Normal, CalculatorKind::Normal));
    EXPECT_EQ(normal->state().numero, "1000,5");  // "Normal" in the Normal model: it stays
    ASSERT_TRUE(chooseModel(shared, CalculatorKind::Normal, CalculatorKind::Scientific));
    normal.reset();
    scientific = std::make_unique<CalculatorModel>(shared, sounds, CalculatorKind::Scientific);
    const CalculatorState& s = scientific->state();
    EXPECT_EQ(shared.calculatorModel, "avanzada");
    expectFresh(s);
    EXPECT_EQ(s.dcm, "15");
    EXPECT_EQ((std::vector<std::string>{s.memories[0], s.memories[1], s.memories[2], s.memories[3]}),
              (std::vector<std::string>{"1", "2", "1003,5", "4"}));
    EXPECT_EQ(shared.memory4, 4);
    EXPECT_EQ(shared.transitValue1, transits.transitValue1);
    EXPECT_EQ(shared.transitLabel1, transits.transitLabel1);
    EXPECT_EQ(shared.transitValue3, transits.transitValue3);
    EXPECT_EQ(shared.currencyName1, "euro");
    EXPECT_EQ(shared.currencyName2, "pts");
    EXPECT_EQ(shared.exchangeFactor, transits.exchangeFactor);
}

TEST(CalcNormalModel, OpensAsTheNormalModel) {
    SharedState shared;
    shared.vatRate = Variant::fromNumber(0);
    RecordingSounds sounds;
    CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    EXPECT_EQ(shared.calculatorModel, "normalita");
    EXPECT_EQ(shared.vatRate, Variant::fromNumber(16));
    EXPECT_EQ(normal.state().ivas, "16 %");
    EXPECT_EQ(normal.state().displayPattern, kGeneralNumber);
    // "¬" leaves the focus where it is; in the Scientific model it goes to "=".
    runScript(normal, "12 correction");
    EXPECT_FALSE(normal.focusToEquals());
    EXPECT_EQ(normal.state().numero, "1");
    CalculatorModel scientific(shared, sounds, CalculatorKind::Scientific);
    runScript(scientific, "12 correction");
    EXPECT_TRUE(scientific.focusToEquals());
}

}  // namespace
}  // namespace numeralia::calc
