// Number entry, clearing, the display formatting step, the exponential view and the error
// display, as key scripts with the displays they must leave.

#include <gtest/gtest.h>

#include <string>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

using Row = testing::DisplayRow;

class CalcEntry : public ::testing::TestWithParam<Row> {};

TEST_P(CalcEntry, LeavesDisplays) { testing::expectDisplays(GetParam()); }

const Row kEntryRows[] = {
    // Digits and the decimal separator.
    {"0 0 5", "5", "0"},
    {"2 + 3 = . 5", "0,5", "5"},
    {"1 . 5 .", "1,5", "0"},
    {". .", "0,", "0"},
    {"1 2 . 3 4", "12,34", "0"},
    // Exponent and sign.
    {"5 EXP 3", "5E3", "0"},
    {"5 EXP 3 ±", "-5000", "0"},
    {"5 EXP ±", "5E-", "0"},
    {"5 EXP ± 3", "5E-3", "0"},
    {"5 EXP ± 3 x 2 =", "0,01", "0,01"},
    {"5 EXP x 2 =", "10", "10"},
    {"EXP", "0", "0"},
    {"5 EXP EXP", "5E", "0"},
    {"±", "0", "0"},
    {"0 . ±", "0,", "0"},
    {"2,50 ±", "-2,5", "0"},
    {"7 . ±", "-7", "0"},
    {"7 ± ±", "7", "0"},
    {"7 ± 1", "-71", "0"},
    // "C" clears the display only; the chain goes on.
    {"2 + 3 clearEntry", "0", "0"},
    {"2 + 3 clearEntry 4 =", "6", "6"},
    // Correction from the key history.
    {"1 2 3 ¬", "12", "0"},
    {"1 2 3 ¬ ¬", "123", "0"},
    {"¬", "0", "0"},
    {"1 2 3 ¬ 4", "124", "0"},
    // Decimals with SET: results only, through the display formatting step.
    {"3 SET 1 / 3 =", "0,333", "0,333333333333333"},
    {"3 SET", "3", "0"},
    {"3 SET 1", "1", "0"},
    {"16 SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    {"0 SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    {"2 ± SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    {"2,5 SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    {"3 SET 123456,789 + 0 =", "1,235E+5", "123456,789"},
    {"3 SET 1 / 1000000 =", "1,E-6", "1E-06"},
    {"3 SET 20000 + 0 =", "2,E+4", "20000"},
    {"3 SET 12,3456 + 0 =", "12,346", "12,3456"},
    {"3 SET 2,5 + 0 =", "2,5", "2,5"},
    {"3 SET 2,0004 + 0 =", "2", "2,0004"},
    {"3 SET 10000 + 0 =", "10000", "10000"},
    {"3 SET 0 + 0 =", "0", "0"},
    {"2 SET 1 / 3 + 1 =", "1,33", "1,33333333333333"},
    {"15 SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    // Exponential view: the info line only.
    {"0,05 F--E", "0,05", "5,00e-02"},
    {"5 F--E", "5", "5,00e+00"},
    {"100 F--E", "100", "1,00e+02"},
    {"1234,5 F--E", "1234,5", "1,23450e+03"},
    {"0,00012345 F--E", "0,00012345", "1,2345e-04"},
    {"123456789,12 F--E", "123456789,12", "1,2345678912e+08"},
    {"5 ± F--E", "-5", "-5,00e+00"},
    {"F--E 3", "3", "0,00e+00"},
    // Errors: the display shows 0 and the message; the next key clears it.
    {"5 / 0 =", "0", "Error: Parada crítica"},
    {"5 / 0 = AC", "0", "0"},
    {"5 / 0 = 7", "7", "0"},
    {"5 / 0 = .", "0,", "0"},
    {"5 / 0 = AC 7", "7", "0"},
    {"5 / 0 = 0", "0", "0"},
    {"5 / 0 = clearEntry", "0", "0"},
};

INSTANTIATE_TEST_SUITE_P(Scripts, CalcEntry, ::testing::ValuesIn(kEntryRows));

TEST(CalcErrors, DivisionByZeroShowsTheCriticalPictureUntilTheNextKey) {
    Calculator calc;
    calc.shared.soundOn = 1;
    const CalculatorState& s = calc.run("5 / 0 =");
    EXPECT_EQ(s.picture, ErrorPicture::Critical);
    EXPECT_EQ(s.errorKind, kErrorShown);
    EXPECT_EQ(s.func, "*** ERROR / BORRADO ***");
    EXPECT_EQ(s.pendingOperator, "");
    EXPECT_EQ(calc.sounds.played, std::vector<std::string>{"pato.wav"});
    calc.run("AC");
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.result, "0");
    EXPECT_EQ(calc.sounds.played.size(), 1u);  // no sound for a plain "AC"
    calc.run("5 / 0 = 0");  // a "0" typed on the "0" the error left clears the error too
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.errorKind, kNoError);
}

TEST(CalcErrors, NoSoundWhenTheSoundsAreOff) {
    Calculator calc;
    calc.run("5 / 0 =");
    EXPECT_TRUE(calc.sounds.played.empty());
}

TEST(CalcErrors, ANumberBeyondTheDoubleRangeFails) {
    Calculator calc;
    calc.run(std::string(308, '9'));
    EXPECT_EQ(calc.model.state().numero.size(), 308u);
    calc.run("9");  // the 309th digit goes beyond the double range
    EXPECT_EQ(calc.model.state().numero, "0");
    EXPECT_EQ(calc.model.state().result, "Error: Parada crítica");
    EXPECT_EQ(calc.model.state().picture, ErrorPicture::Critical);
    Calculator exponent;
    exponent.run("1 EXP 309");
    EXPECT_EQ(exponent.model.state().result, "Error: Parada crítica");
}

TEST(CalcErrors, NoKeyEverShowsInfinityOrNan) {
    const char* scripts[] = {"1 EXP 308 x 10 =", "0 / 0 =",           "2 ± x^y 0,5 =",
                             "0 x^y 2 ± =",      "1 EXP 308 M1+ M1+", "1 EXP 308 + 1 EXP 308 ="};
    for (const char* script : scripts) {
        Calculator calc;
        calc.run(script);
        for (const std::string& text : {calc.model.state().numero, calc.model.state().result,
                                        calc.model.state().memories[0]}) {
            EXPECT_EQ(text.find("inf"), std::string::npos) << script << ": " << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << script << ": " << text;
        }
        EXPECT_EQ(calc.model.state().result, "Error: Parada crítica") << script;
    }
}

TEST(CalcEntryState, FlagsAndLabels) {
    Calculator calc;
    const CalculatorState& s = calc.run("3 SET");
    EXPECT_EQ(s.func, "SET");
    EXPECT_EQ(s.dcm, "3");
    EXPECT_EQ(s.displayPattern, "0.###");
    EXPECT_EQ(s.entryFlag, 0);
    calc.run("16 SET");
    EXPECT_EQ(s.dcm, "3");  // refused: the pattern and the decimals display stay
    EXPECT_EQ(s.entryFlag, 0);
    calc.run("5 F--E");
    EXPECT_EQ(s.entryFlag, 0);
    calc.run("2 ±");
    EXPECT_EQ(s.entryFlag, 1);
    EXPECT_EQ(s.func, "±");
}

TEST(CalcEntryState, MusicPlaysTheCurrentCueOnlyWithTheSoundsOn) {
    Calculator calc;
    calc.shared.soundCue = 2;
    calc.run("musica");
    EXPECT_TRUE(calc.sounds.played.empty());
    calc.shared.soundOn = 1;
    calc.run("musica");
    calc.shared.soundCue = 0;
    calc.run("musica");
    EXPECT_EQ(calc.sounds.played, std::vector<std::string>{"ooh.wav"});
}

TEST(CalcEntryState, OpeningSetsTheModelAndTheVatRate) {
    SharedState shared;
    testing::RecordingSounds sounds;
    shared.memory2 = 2.5;
    CalculatorModel model(shared, sounds);
    EXPECT_EQ(shared.calculatorModel, "avanzada");
    EXPECT_EQ(model.state().memories[1], "2,5");
    EXPECT_EQ(model.state().ivas, "16 %");
    EXPECT_EQ(shared.vatRate, Variant::fromNumber(16));
    CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    EXPECT_EQ(shared.calculatorModel, "normalita");
}

TEST(CalcEntryState, TheNormalModelRunsTheSameEngineWithFewerKeys) {
    SharedState shared;
    testing::RecordingSounds sounds;
    CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    testing::runScript(normal, "2 + 3 / 4 =");
    EXPECT_EQ(normal.state().numero, "1,25");
    testing::runScript(normal, "3 SET");  // no SET key: nothing happens
    EXPECT_EQ(normal.state().func, "=");
    EXPECT_EQ(normal.state().dcm, "15");
    EXPECT_FALSE(normal.hasKey(KeyId::memoryAdd4));
}

}  // namespace
}  // namespace numeralia::calc
