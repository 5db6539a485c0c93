// The Scientific model's function, constant, angle and number-base keys, as key scripts
// with the displays, labels, angle mode and hyperbolic flag they must leave.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calc_script.h"
#include "core/calc/random_source.h"
#include "core/calc/scientific_keys.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

constexpr const char* kAny = "*";  // not checked

struct Row {
    const char* keys;
    const char* numero;
    const char* result;
    const char* func = kAny;
    const char* angulo = kAny;
    const char* hyperbolic = kAny;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.keys; }

class CalcScientificKeys : public ::testing::TestWithParam<Row> {};

TEST_P(CalcScientificKeys, LeaveDisplays) {
    const Row& row = GetParam();
    Calculator calc;
    const CalculatorState& s = calc.run(row.keys);
    EXPECT_EQ(s.numero, row.numero) << row.keys;
    EXPECT_EQ(s.result, row.result) << row.keys;
    auto expectUnlessAny = [&](const std::string& got, const char* expected, const char* what) {
        if (std::string(expected) != kAny) {
            EXPECT_EQ(got, expected) << what << " after " << row.keys;
        }
    };
    expectUnlessAny(s.func, row.func, "function label");
    expectUnlessAny(s.angulo, row.angulo, "angle mode");
    expectUnlessAny(s.hyperbolic, row.hyperbolic, "hyperbolic flag");
}

const Row kFunctionRows[] = {
    {"30 sin", "0,5", "0,5", "sin"},
    {"180 sin", "0", "0"},
    {"90 tan", "0", "Error: Resultado infinito", "*** ERROR / BORRADO ***"},
    {"modeGra 100 sin", "1", "1"},
    {"modeGra 0,5 sin¹", "33,3333333333333", "33,3333333333333", "asin", "gra"},
    {"1 sin¹", "0", "Error: Parada crítica"},
    {"1,0000001 sin¹", "0", "Error: | x | > 1"},
    {"3 SET 0,5 sin¹", "30", "30"},
    {"2 SET 1 tan¹", "45", "45", "atn"},
    {"log", "0", "Error: Número negativo ó nulo"},
    {"1000 log", "3", "3", "log"},
    {"8 ± cubeRoot", "0", "Error: Parada crítica"},
    {"27 cubeRoot", "3", "3", "x¹/³"},
    {"309 10^x", "0", "Error: Número fuera de rango"},
    {"308 10^x", "1E+308", "1E+308"},
    {"2,1 ± Int", "-3", "-3", "Int"},
    {"2,1 ± Fix", "-2", "-2"},
    {"2,1 ± Frac", "-0,1", "-0,1"},
    {"2 x²", "4", "4", "x²"},
    {"2 cube", "8", "8", "x³"},
    {"4 x½", "2", "2", "sqr"},
    {"4 ± x½", "0", "Error: Número negativo"},
    {"0 1/x", "0", "Error: División por cero"},
    {"3 SET 3 1/x", "0,333", "0,333333333333333"},
    {"2 SET pi", "3,14159265358979", "0", "pi"},
    {"twoPi", "6,28318530717959", "0", "2 pi"},
    {"5 factorial", "120", "120", "n!"},
    {"0 factorial", "1", "1"},
    {"171 factorial", "0", "Error: Número fuera de rango"},
    {"2,5 factorial", "0", "Error: Número no entero"},
    {"3 ± factorial", "0", "Error: Número negativo"},
    {"constLight", "299792458", "0", "c"},
    {"2 SET constPlanck", "6,62607015E-34", "0", "h"},
    {"constRydberg", "10973731,568157", "0", "R∞"},
    {"constLight x 2 =", "599584916", "599584916"},
};
INSTANTIATE_TEST_SUITE_P(Functions, CalcScientificKeys, ::testing::ValuesIn(kFunctionRows));

const Row kHyperbolicRows[] = {
    {"0,5 hyp cos", "1,12762596520638", "1,12762596520638", "cosH", "deg", ""},
    {"705 hyp sin", "7,52626916531597E+305", "7,52626916531597E+305", "sinH", "deg", ""},
    {"705,5 hyp sin", "0", "Error: Resultado infinito", kAny, "deg", "H"},
    {"705,5 hyp sin 1 sin", "1,1752011936438", "1,1752011936438", "sinH", "deg", ""},
    {"701 hyp tan", "1", "1", "tanH", "deg", "H"},
    {"710 ± hyp sin", "0", "Error: Parada crítica", kAny, "deg", "H"},
    {"0,5 hyp cos¹", "0", "Error: | x | < 1", kAny, "deg", ""},
    {"2 hyp tan¹", "0", "Error: | x | >= 1", kAny, "deg", ""},
    {"2 ± hyp cos¹", "0", "Error: Parada crítica", kAny, "deg", ""},
    {"1 hyp sin¹", "0,881373587019543", "0,881373587019543", "asinH", "deg", ""},
    {"hyp hyp 0,5 tan¹", "0,549306144334055", "0,549306144334055", "atnH", "deg", ""},
    {"hyp 100 log", "2", "2", "log", "deg", "H"},  // other keys leave the flag set
    {"hyp 100 log 0 sin", "0", "0", "sinH", "deg", ""},
    {"modeRad hyp 0 cos", "1", "1", "cosH", "rad", ""},
};
INSTANTIATE_TEST_SUITE_P(Hyperbolic, CalcScientificKeys, ::testing::ValuesIn(kHyperbolicRows));

const Row kAngleRows[] = {
    {"180 toRad", "3,14159265358979", "3,14159265358979", "rad", "deg"},
    {"modeRad 2,50 toRad", "2,50", "0", "rad", "rad"},  // nothing computed, nothing rewritten
    {"modeGra 50 toDeg", "45", "45", "deg", "gra"},
    {"modeRad pi toGra", "200", "200", "gra", "rad"},
    {"12 # 29 # 60 fromDegreesMinutesSeconds", "12,5", "12,5", "Gr", "deg"},
    {"modeRad 12 # 30 fromDegreesMinutesSeconds", "12,5", "12,5", "Gr", "deg"},
    {"12 # 30 # 1 . 5 fromDegreesMinutesSeconds", "0", "Error: Entrada no válida", kAny, "deg"},
    {"12 # #", "12##", "0"},
    {"12,5 gms", "12,5", "12°  30'  0,00''", "deg", "deg"},
    {"modeRad pi gms", "180", "180°  0'  0,00''", "deg", "deg"},
    {"modeGra 10 gms", "9", "9°  0'  0,00''", "deg", "deg"},
    {"725,7 red", "5,70000000000005", "5,70000000000005", "red"},
    {"360 red", "0", "0"},
    {"359 red", "0", "Error: Angulo inferior a 360°"},
    {"719,6 red", "-0,399999999999977", "-0,399999999999977"},
    {"modeRad", "0", "0", "", "rad"},
    {"3 gms ± ¬", "3", "3°  0'  0,00''",
     "corr"},  // the correction skips the degrees-minutes-seconds record
};
INSTANTIATE_TEST_SUITE_P(Angles, CalcScientificKeys, ::testing::ValuesIn(kAngleRows));

const Row kBaseRows[] = {
    {"255 HEX", "FF", "FF", "HEX"},
    {"255 ± OCT", "-377", "-377", "OCT"},
    {"2,5 HEX", "0", "Error: Número no entero"},
    {"9007199254740994 HEX", "0", "Error: Número fuera de rango"},
    {"516872 HEX", "7E308", "7E308"},  // hexadecimal digits that look like a huge decimal
    {"516872 HEX DEC", "516872", "516872", "DEC"},
    {"255 HEX DEC", "255", "255"},
    {"hexadecimalMode hexDigitF hexDigitF", "&hFF", "0"},
    {"hexadecimalMode hexDigitF hexDigitF DEC", "255", "255"},
    {"hexadecimalMode 1 hexDigitF OCT", "37", "37"},
    {"hexadecimalMode hexDigitA + 5 =", "15", "15"},
    {"hexadecimalMode 1 0 x 2 = HEX", "20", "20"},
    {"hexadecimalMode 5 . EXP sin pi constLight toRad", "&h5", "0"},  // disabled keys do nothing
    {"hexDigitA", "0", "0"},  // the letters only type in hexadecimal mode
    {"hexadecimalMode decimalMode 5", "5", "0"},
    {"hexadecimalMode 1 hexDigitC decimalMode 0 .", "0,", "0"},  // the mode ends the typed number
    {"1 2 hexadecimalMode 3", "&h3", "0"},
    {"hexadecimalMode hexDigitA x²", "100", "100"},
    {"hexadecimalMode 2 0 % 1 hexDigitD", "&hD", "0,32"},  // a letter never extends a decimal text
    {"hexadecimalMode 1 hexDigitE ±", "-30", "0"},         // the digit E is no exponent
    {"10190 HEX ±", "0", "Error: Parada crítica"},  // nor that of a result, which is no decimal
    {"hexadecimalMode 4 1 decimalMode 3 ¬ . EXP", "&h41",
     "0"},  // a recalled "&h" number stays whole
    {"hexadecimalMode hexDigitA hexDigitB 1", "&hAB1", "0"},
};
INSTANTIATE_TEST_SUITE_P(Bases, CalcScientificKeys, ::testing::ValuesIn(kBaseRows));

TEST(CalcScientificAngles, SeparatorOnlyWhileANumberIsTyped) {
    Calculator before, after;
    EXPECT_EQ(after.run("5 + #").numero, before.run("5 +").numero);
    EXPECT_EQ(after.run("0 #").numero, "0");
    EXPECT_EQ(after.run("3 #").numero, "3#");
}

TEST(CalcScientificHistory, TrigonometricKeysRecordOnlyOnceTheyHaveAResult) {
    auto recorded = [](const std::string& keys, const std::string& label) {
        Calculator calc;
        const auto& h = calc.run(keys).history;
        return std::count(h.begin(), h.end(), std::string(18, ' ') + label);
    };
    EXPECT_EQ(recorded("0,5 sin¹", "asin"), 1);
    EXPECT_EQ(recorded("1 sin¹", "asin"), 0);
    EXPECT_EQ(recorded("90 tan", "tan"), 0);
    EXPECT_EQ(recorded("1 tan¹", "atn"), 1);
    EXPECT_EQ(recorded("0 log", "log"), 1);
    EXPECT_EQ(recorded("2 ± hyp cos¹", "acosH"), 0);
    EXPECT_EQ(recorded("0,5 hyp cos¹", "acosH"), 0);
    EXPECT_EQ(recorded("2 hyp cos¹", "acosH"), 1);
    EXPECT_EQ(recorded("modeRad 5 toRad", "rad"), 1);
    EXPECT_EQ(recorded("12,5 gms", "gms"), 1);
    EXPECT_EQ(recorded("12,5 gms", "deg"), 1);
    Calculator calc;
    EXPECT_EQ(calc.run("12,5 gms").history.back(), "12°  30'  0,00''");
}

struct FixedRandom : RandomSource {
    double value;
    explicit FixedRandom(double v) : value(v) {}
    double draw() override { return value; }
};

TEST(CalcScientificRandom, SinglePrecisionTextAndEntryFlagKept) {
    FixedRandom fixed(0.123456789);
    Calculator calc;
    calc.model.setRandomSource(fixed);
    EXPECT_EQ(calc.run("rand").numero, "0,1234568");
    EXPECT_EQ(calc.model.state().result, "0,1234568");
    EXPECT_EQ(calc.model.state().func, "rand");
    Calculator typing;
    typing.model.setRandomSource(fixed);
    EXPECT_EQ(typing.run("1 rand 5").numero, "0,12345685");  // "rand" leaves the entry flag at 1
    Calculator decimals;
    decimals.model.setRandomSource(fixed);
    EXPECT_EQ(decimals.run("2 SET rand").numero, "0,12");
    FixedRandom almostOne(0.99999999);
    Calculator top;
    top.model.setRandomSource(almostOne);
    EXPECT_EQ(top.run("rand").numero, "0,9999999");  // never 1
}

TEST(CalcScientificModes, HexadecimalModeDisablesTheCurrencyKeysAndEnablesTheLetters) {
    Calculator calc;
    const CalculatorModel& m = calc.model;
    EXPECT_TRUE(m.isEnabled(KeyId::currencyTo2));
    EXPECT_FALSE(m.isEnabled(KeyId::hexDigitA));
    calc.run("hexadecimalMode");
    EXPECT_TRUE(isHexadecimalMode(m.state()));
    for (KeyId id :
         {KeyId::currencyTo2, KeyId::currencyTo1, KeyId::decimalPoint, KeyId::sine, KeyId::pi,
          KeyId::constCoulomb, KeyId::toDegreesMinutesSeconds, KeyId::random}) {
        EXPECT_FALSE(m.isEnabled(id)) << static_cast<int>(id);
    }
    for (KeyId id :
         {KeyId::hexDigitA, KeyId::hexDigitF, KeyId::toHex, KeyId::toOctal, KeyId::toDecimal,
          KeyId::plus, KeyId::square, KeyId::factorial, KeyId::decimalMode, KeyId::modeRad}) {
        EXPECT_TRUE(m.isEnabled(id)) << static_cast<int>(id);
    }
    calc.run("decimalMode");
    EXPECT_TRUE(m.isEnabled(KeyId::currencyTo1));
    EXPECT_FALSE(m.isEnabled(KeyId::hexDigitF));
}

TEST(CalcScientificCaptions, SymbolCaptionsShowTheirGlyphs) {
    EXPECT_EQ(shownCaption(KeyId::pi), "π");
    EXPECT_EQ(shownCaption(KeyId::twoPi), "2π");
    EXPECT_EQ(shownCaption(KeyId::constRydberg), "ℜ∞");
    EXPECT_EQ(shownCaption(KeyId::constBohrMagneton), "µb");
    EXPECT_EQ(shownCaption(KeyId::sine), "sin");
}

}  // namespace
}  // namespace numeralia::calc
