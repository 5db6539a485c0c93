// Every key that reports an error or takes the failure path leaves its message and its face
// on show, whether or not a number of decimals was set with "SET" (the formatting step after
// an error path must not clear it); the next digit clears them.

#include <gtest/gtest.h>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

constexpr const char* kFailed = "Error: Parada crítica";

struct ErrorRow {
    const char* keys;
    const char* message;
};

void PrintTo(const ErrorRow& row, std::ostream* out) { *out << row.keys; }

const ErrorRow kErrorRows[] = {
    {"0 log10", "Error: Número negativo ó nulo"},
    {"0 naturalLog", "Error: Número negativo ó nulo"},
    {"9 0 tangent", "Error: Resultado infinito"},
    {"0 reciprocal", "Error: División por cero"},
    {"2 arcSine", "Error: | x | > 1"},
    {"2 arcCosine", "Error: | x | > 1"},
    {"hyperbolic 2 arcTangent", "Error: | x | >= 1"},
    {"hyperbolic 0,5 arcCosine", "Error: | x | < 1"},
    {"4 changeSign squareRoot", "Error: Número negativo"},
    {"1 7 1 factorial", "Error: Número fuera de rango"},
    {"2,5 factorial", "Error: Número no entero"},
    {"4 0 0 tenPower", "Error: Número fuera de rango"},
    {"1 exponent 3 0 8 square", "Error: Número fuera de rango"},
    {"5 reduceAngle", "Error: Angulo inferior a 360°"},
    {"1 2,5 dmsSeparator 3 fromDegreesMinutesSeconds", "Error: Entrada no válida"},
    {"1 7 exponent 3 0 7 toGra", kFailed},
    {"1,5 toHex", "Error: Número no entero"},
    {"1 0 1 vatSetRate", "Error: IVA superior al 100 %"},
    {"1 changeSign vatSetRate", "Error: IVA negativo"},
    {"1 7 exponent 3 0 7 vatAdd", kFailed},
    {"1 currencyTo2", kFailed},
    {"1 currencyTo1", kFailed},
    {"5 divide 0 equals", kFailed},
    {"2 changeSign power 0,5 equals", kFailed},
    // Statistics: the guards of the result keys, a bad entry number, a display or a sum that
    // is no number.
    {"1 statEnterX 2 statEnterX 3 statEnterY statSumXY", "Error: los datos no coinciden"},
    {"1 statEnterX 2 statEnterX 3 statEnterY statSlope", "Error: los datos no coinciden"},
    {"statMeanX", "Error: No hay datos estadísticos"},
    {"statDeviationY", "Error: No hay datos estadísticos"},
    {"5 statEnterX statSampleDeviationX", "Error: Se necesitan al menos 2 datos"},
    {"1 statEnterX 1 statEnterX 1 statEnterY 2 statEnterY statIntercept",
     "Error: Todos los datos X son iguales"},
    {"1 statEnterX 2 statEnterX 3 statEnterY 3 statEnterY statDetermination",
     "Error: Todos los datos Y son iguales"},
    {"1 statEnterX 2 statEnterX 5 statEnterY 5 statEnterY 7 statEstimateX",
     "Error: Pendiente nula (a = 0)"},
    {"1 statEnterX 1 statEnterX 1 statEnterY 2 statEnterY 7 statEstimateY",
     "Error: Todos los datos X son iguales"},
    {"1 statEnterX 0 statEnterY statWeightedMeanX", "Error: La suma de las frecuencias es 0"},
    {"1 statEnterX 1 changeSign statEnterY statWeightedDeviationX",
     "Error: Frecuencia negativa en los datos Y"},
    {"1 statEnterX 1 statEnterY polygonArea", "Error: Un polígono necesita al menos 3 vértices"},
    {"1 statDeleteEntry", "Error: Dato Nº 1 no valido"},
    {"3 1 toHex statEnterX", kFailed},
    {"1 exponent 3 0 0 statEnterX 1 exponent 3 0 0 statEnterX statSumX2", kFailed},
    {"1 exponent 3 0 8 statEnterY 1 exponent 3 0 8 statEnterY statSumY", kFailed},

    // Equation solvers and number tools.
    {"1 complexRectangular 1 dmsSeparator 2 complexRectangular", kFailed},
    {"1 dmsSeparator 2 complexPolar", kFailed},
    {"0 quadraticEquation 0 quadraticEquation", "Error: a y b no pueden ser nulos a la vez"},
    {"6 integerDivision 0 integerDivision", "Error: División por cero"},
    {"6,5 integerDivision", "Error: Número no entero"},
    {"1 factorization", "Error: Número menor que 2"},
    {"1 exponent 1 6 factorization", "Error: Número fuera de rango"},
    {"10,12 variations", "Error: n mayor que m"},
    {"171,171 variations", "Error: Número fuera de rango"},
    {"2 exponent 1 combinationsWithRepetition", "Error: Entrada no válida"},
    {"1 dmsSeparator 2 variationsWithRepetition", kFailed},
    {"8 magneticMoment", "Error: n entero de 0 a 7"},
    {"1 interpolation", "Error: Se necesitan al menos 2 puntos"},
};

class CalcErrorDisplay : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(CalcErrorDisplay, TheErrorStaysOnShowUntilTheNextDigit) {
    const ErrorRow& row = GetParam();
    for (const std::string before : {"", "3 SET "}) {
        SCOPED_TRACE(before + row.keys);
        Calculator calc;
        calc.shared.soundOn = 1;
        const CalculatorState& s = calc.run(before + row.keys);
        EXPECT_EQ(s.numero, "0");
        EXPECT_EQ(s.result, row.message);
        EXPECT_EQ(s.errorKind, kErrorShown);
        EXPECT_EQ(s.picture, std::string_view(row.message) == kFailed
                                 ? ErrorPicture::Critical
                                 : ErrorPicture::FunctionError);
        EXPECT_EQ(calc.sounds.played, std::vector<std::string>{"pato.wav"});

        calc.run("7");
        EXPECT_EQ(s.numero, "7");
        EXPECT_EQ(s.result, "0");
        EXPECT_EQ(s.errorKind, kNoError);
        EXPECT_EQ(s.picture, ErrorPicture::Normal);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CalcErrorDisplay, ::testing::ValuesIn(kErrorRows));

}  // namespace
}  // namespace numeralia::calc
