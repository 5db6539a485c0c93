#include <gtest/gtest.h>

#include <tuple>

#include "core/calc/preferences_model.h"
#include "core/text/letter_case.h"

using namespace numeralia;

namespace {

Variant num(double v) { return Variant::fromNumber(v); }

SharedState dollars() {
    SharedState state;
    state.currencyName1 = "dólar";
    state.currencyName2 = "yen";
    state.exchangeFactor = num(150.25);
    state.soundOn = 0;
    return state;
}

// The shared values the window edits: the two names, the factor, the sound switch.
using Shared = std::tuple<std::string, std::string, Variant, int>;
Shared shared(const SharedState& s) {
    return {s.currencyName1, s.currencyName2, s.exchangeFactor, s.soundOn};
}

// What the window shows: Text1, Text2, Label1, Label2, valor and Check1.
using Boxes = std::vector<std::string>;
Boxes boxes(const PreferencesModel& p) {
    const char* check = p.soundChecked() ? "on" : "off";
    return {p.text1(), p.text2(), p.label1(), p.label2(), p.valor(), check};
}

}  // namespace

TEST(PreferencesModel, OpensWithTheSharedValues) {
    SharedState state = dollars();
    EXPECT_EQ(boxes(PreferencesModel(state)),
              (Boxes{"dólar", "yen", "1 dólar =", "yen", "150,25", "off"}));
    SharedState first;  // a first run: nothing set yet
    const Boxes empty = boxes(PreferencesModel(first));
    EXPECT_EQ(empty[2], "1  =");
    EXPECT_EQ(empty[4], "");
}

TEST(PreferencesModel, NamesAreStoredInLowerCaseAtEveryChange) {
    SharedState state = dollars();
    PreferencesModel prefs(state);
    const struct { const char *typed, *stored, *label1; } steps[] = {
        {"E", "e", "1 e ="}, {"EURo", "euro", "1 euro ="}};
    for (const auto& step : steps) {
        prefs.editText1(step.typed);
        EXPECT_EQ(state.currencyName1, step.stored);
        EXPECT_EQ(prefs.label1(), step.label1);
        EXPECT_EQ(prefs.text1(), step.typed);  // the box keeps what is typed until left
    }
    prefs.leaveText1();
    EXPECT_EQ(prefs.text1(), "euro");
    prefs.editText2("PESETAS");
    EXPECT_EQ(state.currencyName2, "pesetas");
    EXPECT_EQ(prefs.label2(), "pesetas");
    prefs.leaveText2();
    EXPECT_EQ(prefs.text2(), "pesetas");
}

TEST(PreferencesModel, FactorIsReadWhenTheBoxIsLeft) {
    const struct { const char* typed; double stored; const char* shown; } rows[] = {
        {"1.5", 1.5, "1,5"}, {"2e3", 2000, "2000"}, {"abc", 150.25, "150,25"},
        {"", 150.25, "150,25"}};
    for (const auto& row : rows) {
        SharedState state = dollars();
        PreferencesModel prefs(state);
        prefs.editValor(row.typed);
        EXPECT_EQ(state.exchangeFactor, num(150.25)) << "read only on leaving";
        prefs.leaveValor();
        EXPECT_EQ(state.exchangeFactor, num(row.stored)) << row.typed;
        EXPECT_EQ(prefs.valor(), row.shown) << row.typed;
    }
}

TEST(PreferencesModel, OriginalesGuardarCancelar) {
    SharedState state = dollars();
    PreferencesModel prefs(state);
    prefs.setSound(true);
    EXPECT_EQ(state.soundOn, 1);
    prefs.setSound(false);
    EXPECT_EQ(state.soundOn, 0);
    prefs.restoreOriginals();
    EXPECT_EQ(shared(state), (Shared{"euro", "pts", num(166.386), 1}));
    EXPECT_EQ(boxes(prefs), (Boxes{"euro", "pts", "1 euro =", "pts", "166,386", "on"}));
    // "Cancelar" goes back to what the window found when it opened.
    prefs.cancel();
    EXPECT_EQ(shared(state), (Shared{"dólar", "yen", num(150.25), 0}));
    // After "Guardar" it goes back to what was kept, a factor still being typed included.
    prefs.editText1("Libra");
    prefs.editValor("0.85");
    prefs.save();
    EXPECT_EQ(state.exchangeFactor, num(0.85));
    prefs.restoreOriginals();
    prefs.cancel();
    EXPECT_EQ(shared(state), (Shared{"libra", "yen", num(0.85), 0}));
    EXPECT_EQ(prefs.valor(), "0,85");
    // A factor typed and then cancelled is dropped.
    prefs.editValor("9");
    prefs.cancel();
    EXPECT_EQ(state.exchangeFactor, num(0.85));
    EXPECT_EQ(prefs.valor(), "0,85");
}
