// The Scientific model's function, constant, angle and number-base keys, as key scripts
// with the displays, labels, angle mode and hyperbolic flag they must leave.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

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
    double drawn = 0.123456789;  // what "rand" draws
};

struct FixedRandom : RandomSource {
    double value;
    explicit FixedRandom(double v) : value(v) {}
    double draw() override { return value; }
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.keys; }

class CalcScientificKeys : public ::testing::TestWithParam<Row> {};

TEST_P(CalcScientificKeys, LeaveDisplays) {
    const Row& row = GetParam();
    FixedRandom fixed(row.drawn);
    Calculator calc;
    calc.model.setRandomSource(fixed);
    const CalculatorState& s = calc.run(row.keys);
    auto expect = [&](const std::string& got, const char* expected, const char* what) {
        if (std::string(expected) != kAny) {
            EXPECT_EQ(got, expected) << what << " after " << row.keys;
        }
    };
    expect(s.numero, row.numero, "display");
    expect(s.result, row.result, "result");
    expect(s.func, row.func, "function label");
    expect(s.angulo, row.angulo, "angle mode");
    expect(s.hyperbolic, row.hyperbolic, "hyperbolic flag");
}

// clang-format off
const Row kFunctionRows[] = {
    {"30 sin", "0,5", "0,5", "sin"},
    {"90 tan", "0", "Error: Resultado infinito", "*** ERROR / BORRADO ***"},
    {"modeGra 0,5 sin¹", "33,3333333333333", "33,3333333333333", "asin", "gra"},
    {"1 sin¹", "0", "Error: Parada crítica"},  // the failure path
    {"3 SET 0,5 sin¹", "30", "30"}, {"3 SET 3 1/x", "0,333", "0,333333333333333"},
    {"1000 log", "3", "3", "log"}, {"27 cubeRoot", "3", "3", "x¹/³"},
    {"2,1 ± Int", "-3", "-3", "Int"}, {"2,1 ± Fix", "-2", "-2"}, {"2,1 ± Frac", "-0,1", "-0,1"},
    {"2 x²", "4", "4", "x²"}, {"2 cube", "8", "8", "x³"}, {"4 x½", "2", "2", "sqr"},
    {"2 SET pi", "3,14159265358979", "0", "pi"}, {"twoPi", "6,28318530717959", "0", "2 pi"},
    {"5 factorial", "120", "120", "n!"}, {"2,5 factorial", "0", "Error: Número no entero"},
    {"constLight", "299792458", "0", "c"}, {"2 SET constPlanck", "6,62607015E-34", "0", "h"},
    {"constLight x 2 =", "599584916", "599584916"},
    {"rand", "0,1234568", "0,1234568", "rand"},  // drawn at single precision
    {"1 rand 5", "0,12345685", kAny},  // "rand" leaves the entry flag at 1
    {"2 SET rand", "0,12", kAny}, {"rand", "0,9999999", kAny, kAny, kAny, kAny, 0.99999999},
};
INSTANTIATE_TEST_SUITE_P(Functions, CalcScientificKeys, ::testing::ValuesIn(kFunctionRows));

const Row kHyperbolicRows[] = {
    {"0,5 hyp cos", "1,12762596520638", "1,12762596520638", "cosH", "deg", ""},
    {"705,5 hyp sin", "0", "Error: Resultado infinito", kAny, "deg", "H"},
    {"705,5 hyp sin 1 sin", "1,1752011936438", "1,1752011936438", "sinH", "deg", ""},
    {"701 hyp tan", "1", "1", "tanH", "deg", "H"},
    {"710 ± hyp sin", "0", "Error: Parada crítica", kAny, "deg", "H"},
    {"0,5 hyp cos¹", "0", "Error: | x | < 1", kAny, "deg", ""},
    {"2 ± hyp cos¹", "0", "Error: Parada crítica", kAny, "deg", ""},
    {"hyp hyp 0,5 tan¹", "0,549306144334055", "0,549306144334055", "atnH", "deg", ""},
    {"hyp 100 log", "2", "2", "log", "deg", "H"},  // other keys leave the flag set
    {"hyp 100 log 0 sin", "0", "0", "sinH", "deg", ""},
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
    {"12 # #", "12##", "0"}, {"0 #", "0", kAny}, {"5 + #", "0", kAny},  // only in a typed number
    // nor on the digits of a "HEX" result brought back by "¬" and typed on
    {"51940 toHex statMeanY correction 9 #", "CAE49", kAny},
    {"12,5 gms", "12,5", "12°  30'  0,00''", "deg", "deg"},
    {"modeRad pi gms", "180", "180°  0'  0,00''", "deg", "deg"},
    {"725,7 red", "5,70000000000005", "5,70000000000005", "red"},
    {"359 red", "0", "Error: Angulo inferior a 360°"}, {"modeRad", "0", "0", "", "rad"},
    {"3 gms ± ¬", "3", "3°  0'  0,00''", "corr"},  // the correction skips the gms record
};
INSTANTIATE_TEST_SUITE_P(Angles, CalcScientificKeys, ::testing::ValuesIn(kAngleRows));

const Row kBaseRows[] = {
    {"255 HEX", "FF", "FF", "HEX"}, {"255 ± OCT", "-377", "-377", "OCT"},
    {"2,5 HEX", "0", "Error: Número no entero"},
    {"9007199254740994 HEX", "0", "Error: Número fuera de rango"},
    {"516872 HEX", "7E308", "7E308"},  // hexadecimal digits that look like a huge decimal
    {"516872 HEX DEC", "516872", "516872", "DEC"},
    {"Hexadecimal hexDigitF hexDigitF DEC", "255", "255"},
    {"Hexadecimal 1 hexDigitF OCT", "37", "37"}, {"Hexadecimal hexDigitA + 5 =", "15", "15"},
    {"Hexadecimal hexDigitA x²", "100", "100"},
    {"Hexadecimal 5 . EXP sin pi constLight toRad", "&h5", "0"},  // disabled keys do nothing
    {"hexDigitA", "0", "0"}, {"Hexadecimal Decimal 5", "5", "0"},  // letters only in that mode
    {"Hexadecimal 1 hexDigitC Decimal 0 .", "0,", "0"},  // the mode ends the typed number
    {"1 2 Hexadecimal 3", "&h3", "0"}, {"Hexadecimal hexDigitA hexDigitB 1", "&hAB1", "0"},
    {"Hexadecimal 2 0 % 1 hexDigitD", "&hD", "0,32"},  // a letter never extends a decimal text
    {"Hexadecimal 1 hexDigitE ±", "-30", "0"},         // the digit E is no exponent
    {"10190 HEX ±", "0", "Error: Parada crítica"},  // nor that of a result, which is no decimal
    {"Hexadecimal 4 1 Decimal 3 ¬ . EXP", "&h41", "0"},  // a recalled "&h" stays whole
};
INSTANTIATE_TEST_SUITE_P(Bases, CalcScientificKeys, ::testing::ValuesIn(kBaseRows));
// clang-format on

TEST(CalcScientificHistory, TrigonometricKeysRecordOnlyOnceTheyHaveAResult) {
    struct HistoryRow {
        const char* keys;
        const char* label;
        long count;
    };
    // clang-format off
    const HistoryRow rows[] = {
        {"0,5 sin¹", "asin", 1}, {"1 sin¹", "asin", 0}, {"90 tan", "tan", 0},
        {"1 tan¹", "atn", 1}, {"0 log", "log", 1}, {"2 ± hyp cos¹", "acosH", 0},
        {"0,5 hyp cos¹", "acosH", 0}, {"2 hyp cos¹", "acosH", 1}, {"modeRad 5 toRad", "rad", 1},
        {"12,5 gms", "gms", 1}, {"12,5 gms", "deg", 1},
    };
    // clang-format on
    for (const HistoryRow& r : rows) {
        Calculator calc;
        const auto& h = calc.run(r.keys).history;
        EXPECT_EQ(std::count(h.begin(), h.end(), std::string(18, ' ') + r.label), r.count)
            << r.label << " after " << r.keys;
    }
    Calculator calc;
    EXPECT_EQ(calc.run("12,5 gms").history.back(), "12°  30'  0,00''");
}

TEST(CalcScientificModes, HexadecimalModeDisablesTheCurrencyKeysAndEnablesTheLetters) {
    using enum KeyId;
    Calculator calc;
    const CalculatorModel& m = calc.model;
    // clang-format off
    const std::pair<KeyId, bool> keys[] = {  // key, enabled in hexadecimal mode
        {currencyTo2, false}, {currencyTo1, false}, {decimalPoint, false}, {sine, false},
        {pi, false}, {constCoulomb, false}, {toDegreesMinutesSeconds, false}, {random, false},
        {hexDigitA, true}, {hexDigitF, true}, {toHex, true}, {toOctal, true}, {toDecimal, true},
        {plus, true}, {square, true}, {factorial, true}, {decimalMode, true}, {modeRad, true},
    };
    // clang-format on
    for (const char* mode : {"decimalMode", "hexadecimalMode", "decimalMode"}) {
        calc.run(mode);
        const bool hex = isHexadecimalMode(m.state());
        EXPECT_EQ(hex, std::string(mode) == "hexadecimalMode");
        for (const auto& [id, inHex] : keys) {
            const bool digit = id == hexDigitA || id == hexDigitF;
            EXPECT_EQ(m.isEnabled(id), hex ? inHex : !digit) << static_cast<int>(id) << " " << mode;
        }
    }
}

}  // namespace
}  // namespace numeralia::calc
