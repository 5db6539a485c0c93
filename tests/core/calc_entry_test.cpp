// Number entry, clearing, operators and "=", the display formatting step, the exponential view
// and the error display, as key scripts with the displays they must leave.

#include <gtest/gtest.h>

#include <string>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

using Row = testing::DisplayRow;

class CalcEntry : public ::testing::TestWithParam<Row> {};

TEST_P(CalcEntry, LeavesDisplays) { testing::expectDisplays(GetParam()); }

constexpr const char* kFailed = "Error: Parada crítica";
constexpr const char* kCleared = "*** ERROR / BORRADO ***";

const Row kEntryRows[] = {
    // Digits and the decimal separator.
    {"0 0 5", "5", "0"}, {"2 + 3 = . 5", "0,5", "5"}, {"1 . 5 .", "1,5", "0"}, {". .", "0,", "0"},
    // Exponent and sign.
    {"5 EXP 3 ±", "-5000", "0"}, {"5 EXP ± 3", "5E-3", "0"}, {"5 EXP ± 3 x 2 =", "0,01", "0,01"},
    {"5 EXP x 2 =", "10", "10"}, {"EXP", "0", "0"}, {"5 EXP EXP", "5E", "0"}, {"±", "0", "0"},
    {"0 . ±", "0,", "0"}, {"2,50 ±", "-2,5", "0"}, {"7 ± 1", "-71", "0"},
    // "C" clears the display only; the chain goes on. "¬" takes back from the key history.
    {"2 + 3 clearEntry 4 =", "6", "6"}, {"1 2 3 ¬ ¬", "123", "0"}, {"1 2 3 ¬ 4", "124", "0"},
    // Decimals with SET: results only, through the display formatting step.
    {"3 SET 1 / 3 =", "0,333", "0,333333333333333"}, {"3 SET 1", "1", "0"},
    {"16 SET 1 / 3 =", "0,333333333333333", "0,333333333333333"},
    {"2 SET 1 / 3 + 1 =", "1,33", "1,33333333333333"},
    {"3 SET 123456,789 + 0 =", "1,235E+5", "123456,789"}, {"3 SET 1 / 1000000 =", "1,E-6", "1E-06"},
    {"3 SET 20000 + 0 =", "2,E+4", "20000"}, {"3 SET 10000 + 0 =", "10000", "10000"},
    {"3 SET 12,3456 + 0 =", "12,346", "12,3456"}, {"3 SET 2,0004 + 0 =", "2", "2,0004"},
    {"3 SET 0 + 0 =", "0", "0"},
    // Exponential view: the info line only.
    {"0,05 F--E", "0,05", "5,00e-02"}, {"100 F--E", "100", "1,00e+02"},
    {"1234,5 F--E", "1234,5", "1,23450e+03"}, {"0,00012345 F--E", "0,00012345", "1,2345e-04"},
    {"123456789,12 F--E", "123456789,12", "1,2345678912e+08"}, {"5 ± F--E", "-5", "-5,00e+00"},
    {"F--E 3", "3", "0,00e+00"},
    // Operators: strict left to right, no precedence.
    {"2 + 3 x 4 =", "20", "20", "="}, {"2 + 3 = x 4 =", "20", "20", "="},
    {"2 + 3 +", "5", "5", "+"}, {"2 +", "0", "0", "+"}, {"7 / 2 = =", "3,5", "3,5", "="},
    // "=" with nothing pending keeps the display, unless the info line holds a plain negative
    // whole number.
    {"2 + 3 = 7 =", "7", "7", "="}, {"2 -- 5 = 7 =", "-3", "-3", "="},
    {"2 -- 5,5 = 7 =", "7", "7", "="},
    // Powers and percentages.
    {"2 x^y 10 =", "1024", "1024", "="}, {"2 x^y 3 x^y", "8", "8", "x^y"},
    {"2 x^y 0,5 ± =", "0,707106781186548", "0,707106781186548", "="},
    {"25 % x 200 =", "50", "50", "="}, {"25 % 1", "0,251", "0,25", "%"},
    // Errors: the display shows 0 and the message; the next key clears it. Underflow is none.
    {"5 / 0 =", "0", kFailed, kCleared}, {"5 / 0 +", "0", "0", ""}, {"5 / 0 = AC", "0", "0"},
    {"5 / 0 = 7", "7", "0"}, {"5 / 0 = .", "0,", "0"}, {"5 / 0 = clearEntry", "0", "0"},
    {"2 x^y 2000 x^y", "0", "0", ""}, {"1 EXP ± 300 x 1 EXP ± 300 =", "0", "0", "="},
};

INSTANTIATE_TEST_SUITE_P(Scripts, CalcEntry, ::testing::ValuesIn(kEntryRows));

TEST(CalcErrors, DivisionByZeroShowsTheCriticalPictureUntilTheNextKey) {
    Calculator calc;
    calc.run("5 / 0 =");
    EXPECT_TRUE(calc.sounds.played.empty());  // the sounds are off
    calc.shared.soundOn = 1;
    const CalculatorState& s = calc.run("AC 5 / 0 =");
    EXPECT_EQ(s.picture, ErrorPicture::Critical);
    EXPECT_EQ(s.errorKind, kErrorShown);
    EXPECT_EQ(s.pendingOperator, "");
    EXPECT_EQ(calc.sounds.played, std::vector<std::string>{"pato.wav"});
    calc.run("AC");
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(calc.sounds.played.size(), 1u);  // no sound for a plain "AC"
    calc.run("5 / 0 = 0");  // a "0" typed on the "0" the error left clears the error too
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.errorKind, kNoError);
}

TEST(CalcErrors, ANumberBeyondTheDoubleRangeFails) {
    Calculator calc;
    const CalculatorState& s = calc.run(std::string(308, '9'));
    EXPECT_EQ(s.numero.size(), 308u);
    calc.run("9");  // the 309th digit goes beyond the double range
    EXPECT_EQ(s.numero, "0");
    EXPECT_EQ(s.result, kFailed);
    EXPECT_EQ(s.picture, ErrorPicture::Critical);
    EXPECT_EQ(Calculator().run("1 EXP 309").result, kFailed);
}

TEST(CalcErrors, NoKeyEverShowsInfinityOrNan) {
    const char* scripts[] = {
        "1 EXP 308 x 10 =", "0 / 0 =",           "2 ± x^y 0,5 =",          "0 x^y 2 ± =",
        "10 x^y 400 =",     "1 EXP 308 M1+ M1+", "1 EXP 308 + 1 EXP 308 ="};
    for (const char* script : scripts) {
        Calculator calc;
        const CalculatorState& s = calc.run(script);
        for (const std::string& text : {s.numero, s.result, s.memories[0]}) {
            EXPECT_EQ(text.find("inf"), std::string::npos) << script << ": " << text;
            EXPECT_EQ(text.find("nan"), std::string::npos) << script << ": " << text;
        }
        EXPECT_EQ(s.result, kFailed) << script;
    }
}

TEST(CalcEntryState, SetTakesWholeDecimalsFromOneToFifteen) {
    Calculator calc;
    const CalculatorState& s = calc.run("3 SET");
    EXPECT_EQ(s.func, "SET");
    EXPECT_EQ(s.dcm, "3");
    EXPECT_EQ(s.displayPattern, "0.###");
    for (const char* refused : {"16", "0", "2 ±", "2,5"}) {  // the pattern and display stay
        calc.run(std::string(refused) + " SET");
        EXPECT_EQ(s.dcm, "3") << refused;
        EXPECT_EQ(s.displayPattern, "0.###") << refused;
        EXPECT_EQ(s.entryFlag, 0) << refused;
    }
    EXPECT_EQ(calc.run("15 SET").dcm, "15");
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

// (The Normal model's opening is in the Normal model tests.)
TEST(CalcEntryState, OpensAsTheScientificModelShowingTheMemories) {
    SharedState shared;
    testing::RecordingSounds sounds;
    shared.memory2 = 2.5;
    CalculatorModel model(shared, sounds);
    EXPECT_EQ(shared.calculatorModel, "avanzada");
    EXPECT_EQ(model.state().memories[1], "2,5");
}

}  // namespace
}  // namespace numeralia::calc
