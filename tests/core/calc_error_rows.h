#pragma once
// Key scripts that end in a reported error or the calculation failure path, the message they
// leave, and the keys whose help texts quote that message.

#include <ostream>
#include <string>

namespace numeralia::calc::testing {

constexpr const char* kFailed = "Error: Parada crítica";

struct ErrorRow {
    std::string keys;
    const char* message;
    const char* quotedBy = "";  // key names separated by blanks
};

inline void PrintTo(const ErrorRow& row, std::ostream* out) { *out << row.keys; }

inline std::string repeated(const char* keys, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += keys;
    return out;
}

// clang-format off
inline const ErrorRow kErrorRows[] = {
    {"0 log10", "Error: Número negativo ó nulo", "log10"},
    {"5 changeSign naturalLog", "Error: Número negativo ó nulo", "naturalLog"},
    {"9 0 tangent", "Error: Resultado infinito", "tangent"},
    {"7 0 6 hyperbolic sine", "Error: Resultado infinito", "sine hyperbolic"},
    {"7 0 6 hyperbolic cosine", "Error: Resultado infinito", "cosine"},
    {"0 reciprocal", "Error: División por cero", "reciprocal"},
    {"2 arcSine", "Error: | x | > 1", "arcSine"},
    {"1 arcSine", kFailed, "arcSine"},
    {"2 arcCosine", "Error: | x | > 1", "arcCosine"},
    {"hyperbolic 2 arcTangent", "Error: | x | >= 1", "arcTangent hyperbolic"},
    {"hyperbolic 0,5 arcCosine", "Error: | x | < 1", "arcCosine hyperbolic"},
    {"4 changeSign squareRoot", "Error: Número negativo", "squareRoot"},
    {"8 changeSign cubeRoot", kFailed, "cubeRoot"},
    {"1 7 1 factorial", "Error: Número fuera de rango"},
    {"2,5 factorial", "Error: Número no entero"},
    {"3 0 9 tenPower", "Error: Número fuera de rango", "tenPower"},
    {"7 1 0 ePower", "Error: Número fuera de rango", "ePower"},
    {"1 exponent 1 5 5 square", "Error: Número fuera de rango", "square"},
    {"1 exponent 1 0 3 cube", "Error: Número fuera de rango", "cube"},
    {"3 5 9 reduceAngle", "Error: Angulo inferior a 360°", "reduceAngle"},
    {"3 exponent 9 reduceAngle", kFailed, "reduceAngle"},
    {"1,5 fromDegreesMinutesSeconds", "Error: Entrada no válida", "fromDegreesMinutesSeconds"},
    {"1 2,5 dmsSeparator 3 fromDegreesMinutesSeconds", "Error: Entrada no válida"},
    {"1 7 exponent 3 0 7 toGra", kFailed},
    {"1,5 toHex", "Error: Número no entero", "toHex"},
    {"1 exponent 1 7 toHex", "Error: Número fuera de rango", "toHex"},
    {"2,5 toOctal", "Error: Número no entero", "toOctal"},
    {"1 exponent 1 7 toOctal", "Error: Número fuera de rango", "toOctal"},
    {"1 2,5 toDecimal", "Error: Entrada no válida", "toDecimal"},
    {"hexadecimalMode 1" + repeated(" digit0", 14) + " toDecimal", "Error: Número fuera de rango",
     "toDecimal"},
    {"1 0 1 vatSetRate", "Error: IVA superior al 100 %", "vatSetRate"},
    {"1 changeSign vatSetRate", "Error: IVA negativo", "vatSetRate"},
    {"1 7 exponent 3 0 7 vatAdd", kFailed},
    {"1 currencyTo2", kFailed, "currencyTo2"},
    {"1 currencyTo1", kFailed, "currencyTo1"},
    {"5 divide 0 equals", kFailed, "divide"},
    {"2 changeSign power 0,5 equals", kFailed, "power"},
    {"1 exponent 3 0 9", kFailed, "exponent"},
    {"1 exponent 2 0 0 times 1 exponent 2 0 0 equals", kFailed, "times"},
    // Statistics: the guards of the result keys, a bad entry number, a display or a sum that
    // is no number, the 201st entry of a list.
    {"1 statEnterX statSumXY", "Error: los datos no coinciden", "statSumXY"},
    {"1 statEnterX 2 statEnterX 3 statEnterY statSlope", "Error: los datos no coinciden"},
    {"statMeanX", "Error: No hay datos estadísticos", "statMeanX"},
    {"statDeviationY", "Error: No hay datos estadísticos", "statDeviationY"},
    {"5 statEnterX statSampleDeviationX", "Error: Se necesitan al menos 2 datos",
     "statSampleDeviationX"},
    {"1 statEnterX 1 statEnterY 1 statEnterX 2 statEnterY statSlope",
     "Error: Todos los datos X son iguales", "statSlope"},
    {"1 statEnterX 1 statEnterX 1 statEnterY 2 statEnterY statIntercept",
     "Error: Todos los datos X son iguales"},
    {"1 statEnterX 1 statEnterY 2 statEnterX 1 statEnterY statDetermination",
     "Error: Todos los datos Y son iguales", "statDetermination"},
    {"1 statEnterX 1 statEnterY 2 statEnterX 1 statEnterY 5 statEstimateX",
     "Error: Pendiente nula (a = 0)", "statEstimateX"},
    {"1 statEnterX 1 statEnterX 1 statEnterY 2 statEnterY 7 statEstimateY",
     "Error: Todos los datos X son iguales"},
    {"1 statEnterX 0 statEnterY statWeightedMeanX", "Error: La suma de las frecuencias es 0",
     "statWeightedMeanX"},
    {"1 statEnterX 1 changeSign statEnterY statWeightedDeviationX",
     "Error: Frecuencia negativa en los datos Y", "statWeightedDeviationX"},
    {"1 statEnterX 1 statEnterY polygonArea", "Error: Un polígono necesita al menos 3 vértices",
     "polygonArea"},
    {"1 statEnterX 5 statDeleteEntry", "Error: Dato Nº 5 no valido", "statDeleteEntry"},
    {"3 1 toHex statEnterX", kFailed},
    {repeated("1 statEnterX ", 201), kFailed, "statEnterX"},
    {repeated("1 statEnterY ", 201), kFailed, "statEnterY"},
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
// clang-format on

}  // namespace numeralia::calc::testing
