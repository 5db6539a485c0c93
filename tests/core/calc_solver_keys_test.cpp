// The keys of the equation solvers and number tools as the user presses them: key scripts
// and the blue display, main display, info line and tool state they must leave.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_script.h"
#include "core/calc/solver_keys.h"
#include "fake_platform.h"

using namespace numeralia;
using namespace numeralia::calc;
using namespace numeralia::calc::testing;

namespace {

using Lines = std::vector<std::string>;

// A key script and what the blue display and the displays show afterwards.
struct BlueRow {
    const char* keys;
    Lines left;  // empty: the blue display is hidden and empty
    Lines right;
    const char* numero = "0";
    const char* result = "0";
};

void expectBlue(const BlueRow& row) {
    Calculator calc;
    const CalculatorState& s = calc.run(row.keys);
    const BlueDisplay& blue = s.solver.blue;
    EXPECT_EQ(blue.rectangular, row.left) << row.keys;
    EXPECT_EQ(blue.polar, row.right) << row.keys;
    EXPECT_EQ(blue.visible, !row.left.empty()) << row.keys;
    EXPECT_EQ(s.numero, row.numero) << row.keys;
    EXPECT_EQ(s.result, row.result) << row.keys;
}

const char* const kRect = "Coord. Rectangulares";
const char* const kPolar = "Coord. Polares";
const char* const kCritical = "Error: Parada crítica";

TEST(CalcComplexKeys, ConversionsInBothDirections) {
    // The lines under "Coord. Rectangulares" and "Coord. Polares".
    const Lines q1{"m = 2,23606798", "Ø = 63,43494882 °"};
    const Lines five{"m = 5,00000000", "Ø = 53,13010235 °"};
    const Lines unitX{"x = 0,70710678", "y = 0,70710678 i"}, unitM{"m = 1", "Ø = 45 °"};
    struct Row {
        const char* keys;
        Lines left, right;
        const char* result = "0";
    };
    // clang-format off
    const Row rows[] = {
        {"1 (x,y) 2 (x,y)", {"x = 1", "y = 2 i"}, q1},
        // Below the positive x axis the angle is written twice, the positive one first.
        {"1 (x,y) 1 ± (x,y)", {"x = 1", "y = -1 i"},
         {"m = 1,41421356", "Ø = 315,00000000 °", "Ø = -45,00000000 °"}},
        {"1 ± (x,y) 0 (x,y)", {"x = -1", "y = 0 i"}, {"m = 1,00000000", "Ø = 180,00000000 °"}},
        {"1 ± (x,y) 1 ± (x,y)", {"x = -1", "y = -1 i"}, {"m = 1,41421356", "Ø = 225,00000000 °"}},
        {"0 (x,y) 5 (x,y)", {"x = 0", "y = 5 i"}, {"m = 5,00000000", "Ø = 90,00000000 °"}},
        {"0 (x,y) 5 ± (x,y)", {"x = 0", "y = -5 i"}, {"m = 5,00000000", "Ø = 270,00000000 °"}},
        {"0 (x,y) 0 (x,y)", {"x = 0", "y = 0 i"}, {"m = 0,00000000", "Ø = 0,00000000 °"}},
        // The operand lines keep the text as typed.
        {"1,50 (x,y) 2 (x,y)", {"x = 1,50", "y = 2 i"}, {"m = 2,50000000", "Ø = 53,13010235 °"}},
        {"1 m,Ø 45 m,Ø", unitX, unitM},
        {"2 m,Ø 120 ± m,Ø", {"x = -1,00000000", "y = -1,73205081 i"}, {"m = 2", "Ø = -120 °"}},
        // The first press of a new cycle empties the lines of the last one.
        {"1 (x,y) 2 (x,y) 3 (x,y) 4 (x,y)", {"x = 3", "y = 4 i"}, five},
        {"1 (x,y) 2 (x,y) 1 m,Ø 45 m,Ø", unitX, unitM},
        // A first operand waits for the second; each key goes by its own operand, so an
        // "m,Ø" between the two presses of "(x,y)" is that key's first press, without
        // emptying the display, and the completed "(x,y)" ends both.
        {"3 (x,y)", {"x = 3"}, {}},
        {"1 (x,y) 5 m,Ø", {"x = 1"}, {"m = 5"}},
        {"1 (x,y) 5 m,Ø 2 (x,y)", {"x = 1", "y = 2 i"}, {"m = 5", q1[0], q1[1]}},
        {"1 (x,y) 5 m,Ø 2 (x,y) 30 m,Ø", {}, {"m = 30"}},
        // "C" of the blue display forgets a first operand.
        {"7 (x,y) blueDisplayClear 3 (x,y) 4 (x,y)", {"x = 3", "y = 4 i"}, five},
        // A text that is not a number takes the calculation failure path and is not stored:
        // the next number typed completes the conversion.
        {"1 (x,y) 1 # 2 (x,y)", {"x = 1"}, {}, kCritical},
        {"1 (x,y) 1 # 2 (x,y) 2 (x,y)", {"x = 1", "y = 2 i"}, q1},
        {"1 m,Ø 1 # 2 m,Ø 45 m,Ø", unitX, unitM},
        // A failed first press of a new cycle leaves the last one's lines.
        {"1 (x,y) 2 (x,y) 1 # 2 (x,y)", {"x = 1", "y = 2 i"}, q1, kCritical},
        {"1 m,Ø 45 m,Ø 1 # 2 m,Ø", unitX, unitM, kCritical},
    };
    // clang-format on
    for (const Row& row : rows) {
        Lines left{kRect}, right{kPolar};
        left.insert(left.end(), row.left.begin(), row.left.end());
        right.insert(right.end(), row.right.begin(), row.right.end());
        expectBlue({row.keys, left, right, "0", row.result});
    }
}

TEST(CalcComplexKeys, StepLabelAngleModeAndFailureState) {
    Calculator calc;
    const CalculatorState& s = calc.run("modeRad 1 (x,y)");
    EXPECT_EQ(s.func, "Compl.");
    EXPECT_EQ(s.angulo, "deg");  // the switch to degrees stays
    EXPECT_EQ(s.solver.complexStep, 1);
    EXPECT_EQ(s.solver.complexX, "1");
    EXPECT_EQ(s.entryFlag, 0);
    // The label, then the display's change to "0".
    ASSERT_GE(s.history.size(), 2u);
    EXPECT_EQ(s.history[s.history.size() - 2], std::string(18, ' ') + "Compl.");
    EXPECT_EQ(s.history.back(), "0");

    // A failure at the second press keeps x and the step as they were.
    calc.run("1 # 2 (x,y)");
    EXPECT_EQ(s.errorKind, kErrorShown);
    EXPECT_EQ(s.solver.complexStep, 1);
    EXPECT_EQ(s.solver.complexX, "1");

    calc.run("2 (x,y)");
    EXPECT_EQ(s.solver.complexStep, 0);
    EXPECT_FALSE(s.solver.complexX || s.solver.complexModulus);

    // "C" of the blue display: no label, no history entry, main display "0".
    const std::size_t entries = calc.run("7").history.size();
    calc.run("blueDisplayClear");
    EXPECT_FALSE(s.solver.blue.visible);
    EXPECT_TRUE(s.solver.blue.rectangular.empty() && s.solver.blue.polar.empty());
    EXPECT_EQ(s.func, "Compl.");
    EXPECT_EQ(s.numero, "0");
    EXPECT_EQ(s.history.size(), entries + 1);  // only the display's change to "0"
    EXPECT_EQ(s.history.back(), "0");
    EXPECT_TRUE(calc.model.focusToEquals());
}

TEST(CalcEntryTools, QuadraticAndDivisionPressByPress) {
    // The tool whose titles head the two halves of the blue display, or none shown.
    enum Tool { None, Abc, Div, Compl };  // named after the keys
    const std::pair<const char*, const char*> titles[] = {
        {"", ""}, {"Ecuación de 2º grado", "Raíces"}, {"División entera", "Cociente y resto"},
        {kRect, kPolar}};
    struct Row {
        const char* keys;
        Tool tool;
        Lines left, right;
        const char* result = "0";
    };
    // clang-format off
    const Row rows[] = {
        {"2 abc 5 abc 3 ± abc", Abc, {"a = 2", "b = 5", "c = -3"}, {"x1 = 0,5", "x2 = -3"}},
        {"1 ± abc 5 abc 3 ± abc", Abc, {"a = -1", "b = 5", "c = -3"},
         {"x1 = 0,697224362268005", "x2 = 4,30277563773199"}},
        {"1 abc 2 abc 1 abc", Abc, {"a = 1", "b = 2", "c = 1"}, {"x1 = x2 = -1"}},
        {"1 abc 2 abc 5 abc", Abc, {"a = 1", "b = 2", "c = 5"}, {"x1 = -1 + 2 i", "x2 = -1 − 2 i"}},
        {"2 ± abc 0 abc 8 abc", Abc, {"a = -2", "b = 0", "c = 8"}, {"x1 = -2", "x2 = 2"}},
        {"0 abc 2 abc 3 ± abc", Abc, {"a = 0", "b = 2", "c = -3"}, {"x = 1,5"}},
        {"2 abc 5 abc", Abc, {"a = 2", "b = 5"}, {}},
        // a = b = 0 is refused at b, which the user then types again.
        {"0 abc 0 abc", Abc, {"a = 0"}, {}, "Error: a y b no pueden ser nulos a la vez"},
        {"0 abc 0 abc 4 abc 8 abc", Abc, {"a = 0", "b = 4", "c = 8"}, {"x = -2"}},
        {"1 abc 1 # abc", Abc, {"a = 1"}, {}, kCritical},

        {"6 Div 4 Div", Div, {"Dividendo = 6", "Divisor = 4"}, {"Cociente = 1", "Resto = 2"}},
        // The remainder is never negative: −7 = 2·(−4) + 1.
        {"7 ± Div 2 Div", Div, {"Dividendo = -7", "Divisor = 2"}, {"Cociente = -4", "Resto = 1"}},
        {"7 ± Div 2 ± Div", Div, {"Dividendo = -7", "Divisor = -2"}, {"Cociente = 4", "Resto = 1"}},
        {"9007199254740992 Div 3 Div", Div, {"Dividendo = 9007199254740992", "Divisor = 3"},
         {"Cociente = 3002399751580330", "Resto = 2"}},
        {"6 Div 0 Div", Div, {"Dividendo = 6"}, {}, "Error: División por cero"},
        {"6 Div 0 Div 5 Div", Div, {"Dividendo = 6", "Divisor = 5"}, {"Cociente = 1", "Resto = 1"}},
        {"6,5 Div", None, {}, {}, "Error: Número no entero"},
        {"6 Div 1,5 Div", Div, {"Dividendo = 6"}, {}, "Error: Número no entero"},
        {"9007199254740993 Div", None, {}, {}, "Error: Número fuera de rango"},

        // Another tool ends an unfinished entry: its first operand starts afresh.
        {"2 abc 6 Div 4 Div", Div, {"Dividendo = 6", "Divisor = 4"}, {"Cociente = 1", "Resto = 2"}},
        {"2 abc 6 Div 1 abc", Abc, {"a = 1"}, {}},
        {"2 abc 3 (x,y) 1 abc", Abc, {"a = 1"}, {}},
        {"1 (x,y) 2 abc 3 (x,y)", Compl, {"x = 3"}, {}},
        {"1 (x,y) 2 abc 3 (x,y) 4 (x,y)", Compl, {"x = 3", "y = 4 i"},
         {"m = 5,00000000", "Ø = 53,13010235 °"}},
        {"2 abc blueDisplayClear 1 abc", Abc, {"a = 1"}, {}},
        {"6 Div blueDisplayClear 5 Div", Div, {"Dividendo = 5"}, {}},
        // A failed first press of the complex conversion ends nothing and shows nothing.
        {"1 # 2 (x,y)", None, {}, {}, kCritical},
        {"2 abc 1 # 2 (x,y) 5 abc 3 ± abc", Abc, {"a = 2", "b = 5", "c = -3"},
         {"x1 = 0,5", "x2 = -3"}},
        {"7 Div 1 # 2 m,Ø 2 Div", Div, {"Dividendo = 7", "Divisor = 2"},
         {"Cociente = 3", "Resto = 1"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        Lines left, right;
        if (row.tool != None) {
            left = {titles[row.tool].first};
            right = {titles[row.tool].second};
        }
        left.insert(left.end(), row.left.begin(), row.left.end());
        right.insert(right.end(), row.right.begin(), row.right.end());
        expectBlue({row.keys, left, right, "0", row.result});
    }
}

TEST(CalcNumberTools, MagneticMomentAndInterpolation) {
    struct Row {
        const char* keys;
        const char* numero;  // also the info line, unless the row has a message
        Lines right;
        const char* message = nullptr;
    };
    const char* electrons = "Error: n entero de 0 a 7";
    // clang-format off
    const Row rows[] = {
        {"3 µeff", "3,87298334620742", {"Resultado", "µeff = 3,87298334620742 BM"}},
        {"0 µeff", "0", {"Resultado", "µeff = 0 BM"}},
        {"7 µeff", "7,93725393319377", {"Resultado", "µeff = 7,93725393319377 BM"}},
        {"8 µeff", "0", {}, electrons},
        {"1 ± µeff", "0", {}, electrons},
        {"2,5 µeff", "0", {}, electrons},
        // The statistics hold the points (0, 0), (1, 1), (2, 8), (3, 27) of y = x³.
        {"2,5 intp", "15,625", {"Resultado", "y = 15,625"}},
        {"4 intp", "64", {"Resultado", "y = 64"}},
    };
    // clang-format on
    for (const Row& row : rows) {
        Calculator calc;
        calc.shared.statDataX = {0, 1, 2, 3};
        calc.shared.statDataY = {0, 1, 8, 27};
        calc.shared.statCountX = calc.shared.statCountY = 4;
        const CalculatorState& s = calc.run(row.keys);
        EXPECT_EQ(s.numero, row.numero) << row.keys;
        EXPECT_EQ(s.result, row.message ? row.message : row.numero) << row.keys;
        EXPECT_EQ(s.solver.blue.polar, row.right) << row.keys;
    }
    // Only the counted entries are points; the point count heads the left half.
    Calculator calc;
    calc.shared.statDataX = {1, 3, 3};
    calc.shared.statDataY = {5, 7};
    calc.shared.statCountX = 3;
    calc.shared.statCountY = 2;
    EXPECT_EQ(calc.run("1 intp").result, "Error: los datos no coinciden");
    calc.shared.statCountX = 2;
    const CalculatorState& s = calc.run("2 intp");
    EXPECT_EQ(s.numero, "6");
    EXPECT_EQ(s.func, "intp");
    EXPECT_EQ(s.solver.blue.rectangular,
              (Lines{"Interpolación de Lagrange", "Puntos = 2", "x = 2"}));

    // The points as the statistics keys store them.
    Calculator entered;
    EXPECT_EQ(entered
                  .run("0 statEnterX 1 statEnterX 2 statEnterX 3 statEnterX 0 statEnterY "
                       "1 statEnterY 8 statEnterY 2 7 statEnterY 1,5 interpolation")
                  .numero,
              "3,375");
}

TEST(CalcDialogTools, TemperatureConversionChosenInItsDialog) {
    struct Row {
        const char* keys;
        std::optional<std::size_t> choice;
        const char* numero;
        const char* result;
        Lines right;
    };
    const Row rows[] = {
        {"25", 0, "298,15", "298,15", {"Resultado", "T = 298,15 K"}},
        {"300", 1, "26,85", "26,85", {"Resultado", "T = 26,85 °C"}},
        {"100", 2, "212", "212", {"Resultado", "T = 212 °F"}},
        {"98,6", 3, "37", "37", {"Resultado", "T = 37 °C"}},
        {"32", 4, "273,15", "273,15", {"Resultado", "T = 273,15 K"}},
        {"0", 5, "-459,67", "-459,67", {"Resultado", "T = -459,67 °F"}},
        {"300 ±", 0, "0", "Error: Temperatura inferior al cero absoluto", {}},
        {"25", std::nullopt, "25", "0", {}},  // cancelled: nothing changes
    };
    for (const Row& row : rows) {
        Calculator calc;
        numeralia::testing::FakeSolverDialogs dialogs;
        dialogs.choices = {row.choice};
        calc.model.setSolverDialogs(dialogs);
        const CalculatorState& s = calc.run(std::string(row.keys) + " Tem");
        EXPECT_EQ(s.numero, row.numero) << row.keys;
        EXPECT_EQ(s.result, row.result) << row.keys;
        EXPECT_EQ(s.solver.blue.polar, row.right) << row.keys;
        EXPECT_EQ(dialogs.choiceQuestions.size(), 1u) << row.keys;
    }
    // The dialog lists the six conversions and opens on the one chosen last.
    Calculator calc;
    numeralia::testing::FakeSolverDialogs dialogs;
    dialogs.choices = {3, std::nullopt};
    calc.model.setSolverDialogs(dialogs);
    calc.run("50 Tem 10 Tem");
    ASSERT_EQ(dialogs.choiceQuestions.size(), 2u);
    EXPECT_EQ(dialogs.choiceQuestions[0].initial, 0u);
    EXPECT_EQ(dialogs.choiceQuestions[1].initial, 3u);
    EXPECT_EQ(dialogs.choiceQuestions[0].choices.size(), 6u);
    EXPECT_EQ(dialogs.choiceQuestions[0].choices[0], "Celsius (°C)  →  Kelvin (K)");
    // A display that is not a number fails before anything is asked.
    EXPECT_EQ(calc.run("1 # 2 Tem").result, "Error: Parada crítica");
    EXPECT_EQ(dialogs.choiceQuestions.size(), 2u);
}

LinearSystemForm system(int n, std::vector<std::string> cells) {
    LinearSystemForm form;
    form.size = n;
    form.cells = std::move(cells);
    return form;
}

TEST(CalcDialogTools, LinearSystemTypedIntoItsGrid) {
    Calculator calc;
    numeralia::testing::FakeSolverDialogs dialogs;
    calc.model.setSolverDialogs(dialogs);
    const LinearSystemForm three =
        system(3, {"2", "1", "-1", "8", "-3", "-1", "2", "-11", "-2", "1", "2", "-3"});
    dialogs.systems = {three};
    const CalculatorState& s = calc.run("5 S.Ec");
    EXPECT_EQ(s.solver.blue.rectangular,
              (Lines{"Sistema de 3 ecuaciones", "2·X1 + 1·X2 − 1·X3 = 8",
                     "−3·X1 − 1·X2 + 2·X3 = -11", "−2·X1 + 1·X2 + 2·X3 = -3"}));
    EXPECT_EQ(s.solver.blue.polar, (Lines{"Solución", "X1 = 2", "X2 = 3", "X3 = -1"}));
    EXPECT_EQ(s.numero, "0");
    EXPECT_EQ(s.func, "S.Ec");
    // The first dialog offers an empty grid of three equations, the next one the last system.
    dialogs.systems = {std::nullopt};
    calc.run("S.Ec");
    ASSERT_EQ(dialogs.systemsOffered.size(), 2u);
    EXPECT_EQ(dialogs.systemsOffered[0], LinearSystemForm{});
    EXPECT_EQ(dialogs.systemsOffered[1], three);
    EXPECT_EQ(s.solver.blue.polar.size(), 4u);  // cancelled: the solution stays on show

    // Refused systems keep the blue display and are offered again for mending.
    const LinearSystemForm singular = system(2, {"1", "2", "3", "2", "4", "6"});
    const LinearSystemForm badField = system(2, {"1", "2", "3", "2", "x", "6"});
    dialogs.systems = {singular, badField, std::nullopt};
    EXPECT_EQ(calc.run("S.Ec").result, "Error: Sistema sin solución única");
    EXPECT_EQ(calc.run("S.Ec").result, "Error: Coeficiente no válido: ecuación 2, A22");
    calc.run("S.Ec");
    EXPECT_EQ(dialogs.systemsOffered.back(), badField);
    EXPECT_EQ(s.solver.blue.polar.size(), 4u);
}

}  // namespace

namespace {

TEST(CalcSolverKeys, HexadecimalModeKeepsOnlyTheWholeNumberTools) {
    Calculator calc;
    calc.run("hexadecimalMode");
    for (KeyId id : {KeyId::complexRectangular, KeyId::complexPolar, KeyId::quadraticEquation,
                     KeyId::variations, KeyId::combinationsWithRepetition, KeyId::linearSystem,
                     KeyId::interpolation, KeyId::magneticMoment, KeyId::temperature}) {
        EXPECT_FALSE(calc.model.isEnabled(id)) << keyInfo(id).name;
    }
    for (KeyId id : {KeyId::integerDivision, KeyId::factorization, KeyId::blueDisplayClear,
                     KeyId::reserved1, KeyId::reserved2}) {
        EXPECT_TRUE(calc.model.isEnabled(id)) << keyInfo(id).name;
    }
    // "Fact" reads a typed hexadecimal number: &hFF is 255 = 3 · 5 · 17.
    const CalculatorState& s = calc.run("hexDigitF hexDigitF Fact");
    EXPECT_EQ(s.solver.blue.rectangular,
              (Lines{"Descomposición factorial", "N = 255", "255 = 3 · 5 · 17"}));
    // The Normal model has none of the tools.
    SharedState shared;
    RecordingSounds sounds;
    const CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    for (int id = static_cast<int>(KeyId::complexRectangular);
         id <= static_cast<int>(KeyId::reserved2); ++id) {
        EXPECT_FALSE(normal.hasKey(static_cast<KeyId>(id))) << keyInfo(static_cast<KeyId>(id)).name;
    }
}

}  // namespace
