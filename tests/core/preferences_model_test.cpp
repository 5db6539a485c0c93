#include <gtest/gtest.h>

#include "core/calc/preferences_model.h"
#include "core/text/letter_case.h"

using namespace numeralia;

namespace {

SharedState dollars() {
    SharedState state;
    state.currencyName1 = "dólar";
    state.currencyName2 = "yen";
    state.exchangeFactor = Variant::fromNumber(150.25);
    state.soundOn = 0;
    return state;
}

}  // namespace

TEST(LetterCase, LowersLettersOfEveryCommonAlphabet) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"EURO", "euro"},          {"Pts", "pts"},           {"DÓLAR", "dólar"},
        {"ÑÁÉÍÚÜ", "ñáéíúü"},      {"ZŁOTY", "złoty"},       {"ČESKÁ KORUNA", "česká koruna"},
        {"РУБЛЬ", "рубль"},        {"ΔΡΑΧΜΗ", "δραχμη"},     {"€ 2×3", "€ 2×3"},
        {"ß", "ß"},                {"Ÿ", "ÿ"},               {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(text::lowerCase(row.in), row.out) << row.in;
}

TEST(PreferencesModel, OpensWithTheSharedValues) {
    SharedState state = dollars();
    PreferencesModel prefs(state);
    EXPECT_EQ(prefs.text1(), "dólar");
    EXPECT_EQ(prefs.text2(), "yen");
    EXPECT_EQ(prefs.label1(), "1 dólar =");
    EXPECT_EQ(prefs.label2(), "yen");
    EXPECT_EQ(prefs.valor(), "150,25");
    EXPECT_FALSE(prefs.soundChecked());

    SharedState first;  // a first run: nothing set yet
    PreferencesModel empty(first);
    EXPECT_EQ(empty.valor(), "");
    EXPECT_EQ(empty.label1(), "1  =");
}

TEST(PreferencesModel, NamesAreStoredInLowerCaseAtEveryChange) {
    SharedState state = dollars();
    PreferencesModel prefs(state);
    const struct {
        const char* typed;
        const char* stored;
        const char* label1;
    } steps[] = {{"E", "e", "1 e ="}, {"EU", "eu", "1 eu ="}, {"EURo", "euro", "1 euro ="}};
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
    const struct {
        const char* typed;
        double stored;
        const char* shown;
    } rows[] = {
        {"1.5", 1.5, "1,5"},       {"1,5", 1.5, "1,5"},       {"166.386", 166.386, "166,386"},
        {"2e3", 2000, "2000"},     {"abc", 150.25, "150,25"}, {"", 150.25, "150,25"},
        {"1.5.2", 150.25, "150,25"},
    };
    for (const auto& row : rows) {
        SharedState state = dollars();
        PreferencesModel prefs(state);
        prefs.editValor(row.typed);
        EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(150.25)) << "read only on leaving";
        prefs.leaveValor();
        EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(row.stored)) << row.typed;
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
    EXPECT_EQ(state.currencyName1, "euro");
    EXPECT_EQ(state.currencyName2, "pts");
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(166.386));
    EXPECT_EQ(state.soundOn, 1);
    EXPECT_EQ(prefs.text1(), "euro");
    EXPECT_EQ(prefs.label1(), "1 euro =");
    EXPECT_EQ(prefs.label2(), "pts");
    EXPECT_EQ(prefs.valor(), "166,386");
    EXPECT_TRUE(prefs.soundChecked());

    // "Cancelar" goes back to what the window found when it opened.
    prefs.cancel();
    EXPECT_EQ(state.currencyName1, "dólar");
    EXPECT_EQ(state.currencyName2, "yen");
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(150.25));
    EXPECT_EQ(state.soundOn, 0);

    // After "Guardar" it goes back to what was kept, a factor still being typed included.
    prefs.editText1("Libra");
    prefs.editValor("0.85");
    prefs.save();
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(0.85));
    prefs.restoreOriginals();
    prefs.cancel();
    EXPECT_EQ(state.currencyName1, "libra");
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(0.85));
    EXPECT_EQ(state.soundOn, 0);
    EXPECT_EQ(prefs.valor(), "0,85");

    // A factor typed and then cancelled is dropped.
    prefs.editValor("9");
    prefs.cancel();
    EXPECT_EQ(state.exchangeFactor, Variant::fromNumber(0.85));
    EXPECT_EQ(prefs.valor(), "0,85");
}
