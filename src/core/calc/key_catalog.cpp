#include "core/calc/key_catalog.h"

#include <array>
#include <cstdlib>

#include "core/calc/calculator_model.h"
#include "core/calc/constants.h"
#include "core/calc/scientific_keys.h"
#include "core/calc/solver_keys.h"
#include "core/calc/statistics_keys.h"

namespace numeralia::calc {

namespace {

using M = CalculatorModel;

// One row per key. Groups follow key_id.h.
const KeyInfo kKeys[] = {
    // Number entry and display
    {KeyId::digit0, "digit0", "0", "{0}", [](M& m) { m.digit(0); }},
    {KeyId::digit1, "digit1", "1", "{1}", [](M& m) { m.digit(1); }},
    {KeyId::digit2, "digit2", "2", "{2}", [](M& m) { m.digit(2); }},
    {KeyId::digit3, "digit3", "3", "{3}", [](M& m) { m.digit(3); }},
    {KeyId::digit4, "digit4", "4", "{4}", [](M& m) { m.digit(4); }},
    {KeyId::digit5, "digit5", "5", "{5}", [](M& m) { m.digit(5); }},
    {KeyId::digit6, "digit6", "6", "{6}", [](M& m) { m.digit(6); }},
    {KeyId::digit7, "digit7", "7", "{7}", [](M& m) { m.digit(7); }},
    {KeyId::digit8, "digit8", "8", "{8}", [](M& m) { m.digit(8); }},
    {KeyId::digit9, "digit9", "9", "{9}", [](M& m) { m.digit(9); }},
    {KeyId::decimalPoint, "decimalPoint", ".", "{ . } o  { , }", [](M& m) { m.decimalPoint(); }},
    {KeyId::changeSign, "changeSign", "±", "Cambio de signo.  {<>}", [](M& m) { m.changeSign(); }},
    {KeyId::exponent, "exponent", "EXP", "Exponencial.  {E}", [](M& m) { m.exponent(); }},
    {KeyId::correction, "correction", "¬", "Corrector última cifra.  {BACKSPACE}",
     [](M& m) { m.correction(); }},
    {KeyId::clearEntry, "clearEntry", "C", "Corrector.  {C}", [](M& m) { m.clearEntry(); }},
    {KeyId::allClear, "allClear", "AC", "Borrado.  {A}", [](M& m) { m.allClear(); }},
    {KeyId::exponentialView, "exponentialView", "F--E", "Conversor decimal - exponencial",
     [](M& m) { m.exponentialView(); }},
    {KeyId::setDecimals, "setDecimals", "SET",
     "Número de decimales: escriba el número (1 a 15) y pulse SET", [](M& m) { m.setDecimals(); }},
    {KeyId::music, "music", "musica", "", [](M& m) { m.music(); }},

    // Operators
    {KeyId::plus, "plus", "+", "{ + }", [](M& m) { m.arithmetic("+"); }},
    {KeyId::minus, "minus", "--", "{ -- }", [](M& m) { m.arithmetic("--"); }},
    {KeyId::times, "times", "x", "{ * }", [](M& m) { m.arithmetic("x"); }},
    {KeyId::divide, "divide", "/", "{ / }", [](M& m) { m.arithmetic("/"); }},
    {KeyId::power, "power", "x^y", "Exponenciación", [](M& m) { m.power(); }},
    {KeyId::equals, "equals", "=", "{ENTER}", [](M& m) { m.equals(); }},
    {KeyId::percent, "percent", "%",
     "Cáculo de porcentajes.  Ejemplo: 25% de 200 = 50   [25],[%],[x],[200],[=]  da como "
     "resultado 50",
     [](M& m) { m.percent(); }},

    // Memories, transit memories, key history
    {KeyId::memoryAdd1, "memoryAdd1", "M1+", "Sumar a M1.  {SHIFT+1}",
     [](M& m) { m.memoryAdd(1); }},
    {KeyId::memoryAdd2, "memoryAdd2", "M2+", "Sumar a M2.  {SHIFT+2}",
     [](M& m) { m.memoryAdd(2); }},
    {KeyId::memoryAdd3, "memoryAdd3", "M3+", "Sumar a M3.  {SHIFT+3}",
     [](M& m) { m.memoryAdd(3); }},
    {KeyId::memoryAdd4, "memoryAdd4", "M4+", "Sumar a M4.  {SHIFT+4}",
     [](M& m) { m.memoryAdd(4); }},
    {KeyId::memoryRecall1, "memoryRecall1", "mr 1", "Usar M1", [](M& m) { m.memoryRecall(1); }},
    {KeyId::memoryRecall2, "memoryRecall2", "mr 2", "Usar M2", [](M& m) { m.memoryRecall(2); }},
    {KeyId::memoryRecall3, "memoryRecall3", "mr 3", "Usar M3", [](M& m) { m.memoryRecall(3); }},
    {KeyId::memoryRecall4, "memoryRecall4", "mr 4", "Usar M4", [](M& m) { m.memoryRecall(4); }},
    {KeyId::memoryClear1, "memoryClear1", "C1", "Borrado M1", [](M& m) { m.memoryClear(1); }},
    {KeyId::memoryClear2, "memoryClear2", "C2", "Borrado M2", [](M& m) { m.memoryClear(2); }},
    {KeyId::memoryClear3, "memoryClear3", "C3", "Borrado M3", [](M& m) { m.memoryClear(3); }},
    {KeyId::memoryClear4, "memoryClear4", "C4", "Borrado M4", [](M& m) { m.memoryClear(4); }},
    {KeyId::transit1, "transit1", "R1", "Memoria para programas accesorios",
     [](M& m) { m.transit(1); }},
    {KeyId::transit2, "transit2", "R2", "Memoria para programas accesorios",
     [](M& m) { m.transit(2); }},
    {KeyId::transit3, "transit3", "R3", "Memoria para programas accesorios",
     [](M& m) { m.transit(3); }},
    {KeyId::historyToggle, "historyToggle", "<< Historial  >>", "Registro de Resultados",
     [](M& m) { m.historyToggle(); }},
    {KeyId::historyClear, "historyClear", "C", "Borrado de Registros",
     [](M& m) { m.historyClear(); }},

    // Scientific functions, constants, angle modes and number bases (scientific_keys.h)
    {KeyId::sine, "sine", "sin", "Seno.  {F9}", [](M& m) { functionKey(m, Function::Sin); }},
    {KeyId::cosine, "cosine", "cos", "Coseno.  {F11}", [](M& m) { functionKey(m, Function::Cos); }},
    {KeyId::tangent, "tangent", "tan", "Tangente.  {F12}",
     [](M& m) { functionKey(m, Function::Tan); }},
    {KeyId::arcSine, "arcSine", "sin¹", "Arco seno.  {SHIFT+F9}",
     [](M& m) { functionKey(m, Function::Asin); }},
    {KeyId::arcCosine, "arcCosine", "cos¹", "Arco coseno.  {SHIFT+F11}",
     [](M& m) { functionKey(m, Function::Acos); }},
    {KeyId::arcTangent, "arcTangent", "tan¹", "Arco tangente.  {SHIFT+F12}",
     [](M& m) { functionKey(m, Function::Atan); }},
    {KeyId::hyperbolic, "hyperbolic", "hyp",
     "Función hiperbólica: pulse hyp y después sin, cos, tan o sus inversas",
     [](M& m) { hyperbolicKey(m); }},
    {KeyId::log10, "log10", "log", "Logaritmo decimal.  {F1}",
     [](M& m) { functionKey(m, Function::Log); }},
    {KeyId::naturalLog, "naturalLog", "ln", "Logaritmo neperiano.  {F3}",
     [](M& m) { functionKey(m, Function::Ln); }},
    {KeyId::square, "square", "x²", "Cuadrado.  {F6}",
     [](M& m) { functionKey(m, Function::Square); }},
    {KeyId::cube, "cube", "x³ ", "Cubo.  {F8}", [](M& m) { functionKey(m, Function::Cube); }},
    {KeyId::tenPower, "tenPower", "10^x", "Potencia de 10.  {F2}",
     [](M& m) { functionKey(m, Function::Pow10); }},
    {KeyId::ePower, "ePower", "e^x", "Potencia de e.  {F4}",
     [](M& m) { functionKey(m, Function::Exp); }},
    {KeyId::squareRoot, "squareRoot", "x½", "Raíz cuadrada.  {F5}",
     [](M& m) { functionKey(m, Function::Sqrt); }},
    {KeyId::reciprocal, "reciprocal", "1/x", "Inverso.  {I}",
     [](M& m) { functionKey(m, Function::Reciprocal); }},
    {KeyId::cubeRoot, "cubeRoot", "x¹/ ³ ", "Raíz cúbica.  {F7}",
     [](M& m) { functionKey(m, Function::CubeRoot); }},
    {KeyId::integerPart, "integerPart", "Int", "Mayor entero no superior al número",
     [](M& m) { functionKey(m, Function::Int); }},
    {KeyId::fractionalPart, "fractionalPart", "Frac", "Parte fraccionaria",
     [](M& m) { functionKey(m, Function::Frac); }},
    {KeyId::fixPart, "fixPart", "Fix", "Parte entera", [](M& m) { functionKey(m, Function::Fix); }},
    {KeyId::pi, "pi", "p", "Número pi.  {P}", [](M& m) { piKey(m, 1, "pi"); }},
    {KeyId::twoPi, "twoPi", "2 p", "Dos veces pi", [](M& m) { piKey(m, 2, "2 pi"); }},
    {KeyId::random, "random", "rand", "Número aleatorio entre 0 y 1", [](M& m) { randomKey(m); }},
    {KeyId::factorial, "factorial", "n !", "Factorial: n! = 1·2·3·…·n, n entero de 0 a 170.  {N}",
     [](M& m) { functionKey(m, Function::Factorial); }},
    {KeyId::constFaraday, "constFaraday", "F", constantToolTip("F"),
     [](M& m) { constantKey(m, "F"); }},
    {KeyId::constGravitation, "constGravitation", "G", constantToolTip("G"),
     [](M& m) { constantKey(m, "G"); }},
    {KeyId::constAvogadro, "constAvogadro", "NA", constantToolTip("NA"),
     [](M& m) { constantKey(m, "NA"); }},
    {KeyId::constGas, "constGas", "R", constantToolTip("R"), [](M& m) { constantKey(m, "R"); }},
    {KeyId::constMolarVolume, "constMolarVolume", "Vm", constantToolTip("Vm"),
     [](M& m) { constantKey(m, "Vm"); }},
    {KeyId::constLight, "constLight", "c", constantToolTip("c"), [](M& m) { constantKey(m, "c"); }},
    {KeyId::constCharge, "constCharge", "e", constantToolTip("e"),
     [](M& m) { constantKey(m, "e"); }},
    {KeyId::constGravity, "constGravity", "g", constantToolTip("g"),
     [](M& m) { constantKey(m, "g"); }},
    {KeyId::constPlanck, "constPlanck", "h", constantToolTip("h"),
     [](M& m) { constantKey(m, "h"); }},
    {KeyId::constBoltzmann, "constBoltzmann", "k", constantToolTip("k"),
     [](M& m) { constantKey(m, "k"); }},
    {KeyId::constAtomicMass, "constAtomicMass", "u", constantToolTip("u"),
     [](M& m) { constantKey(m, "u"); }},
    {KeyId::constElectronMass, "constElectronMass", "me", constantToolTip("me"),
     [](M& m) { constantKey(m, "me"); }},
    {KeyId::constPermittivity, "constPermittivity", "Eo", constantToolTip("Eo"),
     [](M& m) { constantKey(m, "Eo"); }},
    {KeyId::constRydberg, "constRydberg", "Â¥", constantToolTip("R∞"),
     [](M& m) { constantKey(m, "R∞"); }},
    {KeyId::constBohrMagneton, "constBohrMagneton", "µb", constantToolTip("µb"),
     [](M& m) { constantKey(m, "µb"); }},
    {KeyId::constCoulomb, "constCoulomb", "K", constantToolTip("K"),
     [](M& m) { constantKey(m, "K"); }},
    {KeyId::modeRad, "modeRad", "rad", "Modo radianes",
     [](M& m) { angleModeKey(m, AngleMode::Rad); }},
    {KeyId::modeDeg, "modeDeg", "deg", "Modo grados sexagesimales",
     [](M& m) { angleModeKey(m, AngleMode::Deg); }},
    {KeyId::modeGra, "modeGra", "gra", "Modo grados centesimales",
     [](M& m) { angleModeKey(m, AngleMode::Gra); }},
    {KeyId::toRad, "toRad", "rad", "Convertir a radianes",
     [](M& m) { angleConversionKey(m, AngleMode::Rad); }},
    {KeyId::toDeg, "toDeg", "deg", "Convertir a grados sexagesimales",
     [](M& m) { angleConversionKey(m, AngleMode::Deg); }},
    {KeyId::toGra, "toGra", "gra", "Convertir a grados centesimales",
     [](M& m) { angleConversionKey(m, AngleMode::Gra); }},
    {KeyId::toDegreesMinutesSeconds, "toDegreesMinutesSeconds", "gms",
     "Grados decimales a grados, minutos y segundos", [](M& m) { degreesMinutesSecondsKey(m); }},
    {KeyId::dmsSeparator, "dmsSeparator", "#",
     "Separador de grados, minutos y segundos: 12#29#60.  {º}", [](M& m) { fieldSeparatorKey(m); }},
    {KeyId::fromDegreesMinutesSeconds, "fromDegreesMinutesSeconds", "g",
     "Grados, minutos y segundos a grados decimales", [](M& m) { degreesFromFieldsKey(m); }},
    {KeyId::reduceAngle, "reduceAngle", "red", "Reduce un ángulo de 360° o más a la primera vuelta",
     [](M& m) { reduceAngleKey(m); }},
    {KeyId::decimalMode, "decimalMode", "Decimal", "Modo decimal", [](M& m) { decimalModeKey(m); }},
    {KeyId::hexadecimalMode, "hexadecimalMode", "Hexadecimal",
     "Modo hexadecimal: teclas A a F  {A a F mayúsculas}", [](M& m) { hexadecimalModeKey(m); }},
    {KeyId::toHex, "toHex", "HEX", "Decimal a hexadecimal.  {H}", [](M& m) { toBaseKey(m, 16); }},
    {KeyId::toOctal, "toOctal", "OCT", "Decimal o hexadecimal a octal.  {O}",
     [](M& m) { toBaseKey(m, 8); }},
    {KeyId::toDecimal, "toDecimal", "DEC", "Hexadecimal a decimal.  {D}",
     [](M& m) { toDecimalKey(m); }},
    {KeyId::hexDigitA, "hexDigitA", "A", "Dígito hexadecimal A = 10.  {A mayúscula}",
     [](M& m) { hexDigitKey(m, 10); }},
    {KeyId::hexDigitB, "hexDigitB", "B", "Dígito hexadecimal B = 11.  {B mayúscula}",
     [](M& m) { hexDigitKey(m, 11); }},
    {KeyId::hexDigitC, "hexDigitC", "C", "Dígito hexadecimal C = 12.  {C mayúscula}",
     [](M& m) { hexDigitKey(m, 12); }},
    {KeyId::hexDigitD, "hexDigitD", "D", "Dígito hexadecimal D = 13.  {D mayúscula}",
     [](M& m) { hexDigitKey(m, 13); }},
    {KeyId::hexDigitE, "hexDigitE", "E", "Dígito hexadecimal E = 14.  {E mayúscula}",
     [](M& m) { hexDigitKey(m, 14); }},
    {KeyId::hexDigitF, "hexDigitF", "F", "Dígito hexadecimal F = 15.  {F mayúscula}",
     [](M& m) { hexDigitKey(m, 15); }},

    // VAT and currency; the windows show the currency names on the currency keys.
    {KeyId::vatAmount, "vatAmount", "IVA", "Cálculo de IVA.  {V}", [](M& m) { m.vatAmount(); }},
    {KeyId::vatAdd, "vatAdd", "+IVA", "Sumar el IVA. {SHIFT+V}", [](M& m) { m.vatAdd(); }},
    {KeyId::vatRemove, "vatRemove", "--IVA", "Restar el IVA.  {CTRL+V}",
     [](M& m) { m.vatRemove(); }},
    {KeyId::vatSetRate, "vatSetRate", "d.IVA", "Redefinición del tipo IVA",
     [](M& m) { m.vatSetRate(); }},
    {KeyId::currencyTo2, "currencyTo2", "moneda 2", "Conversor a moneda 2.  {Q}",
     [](M& m) { m.currencyTo2(); }},
    {KeyId::currencyTo1, "currencyTo1", "moneda 1", "Conversor a moneda 1.  {W}",
     [](M& m) { m.currencyTo1(); }},

    // Statistics and polygon area (statistics_keys.h). Captions beginning with "S" or "D"
    // are drawn in the Symbol typeface: Σ and σ.
    {KeyId::statEnterX, "statEnterX", "«  X", "Introducción Datos estadisticos X.  {X}",
     [](M& m) { statEntryKey(m, StatList::X); }},
    {KeyId::statEnterY, "statEnterY", "Y  »", "Introducción Datos estadísticos Y/Frecuencias.  {Y}",
     [](M& m) { statEntryKey(m, StatList::Y); }},
    {KeyId::statSumX, "statSumX", "S x", "Sumatoria de X",
     [](M& m) { statSumKey(m, StatList::X); }},
    {KeyId::statSumY, "statSumY", "S y", "Sumatoria de Y",
     [](M& m) { statSumKey(m, StatList::Y); }},
    {KeyId::statSumXY, "statSumXY", "S xy", "Sumatoria de XY",
     [](M& m) { statResultKey(m, StatResult::SumXY); }},
    {KeyId::statDeleteEntry, "statDeleteEntry", " Borrar dato nº", "Borrado de datos especificados",
     [](M& m) { statDeleteKey(m); }},
    {KeyId::statClear, "statClear", " Borrar Estadist", "Borrado de datos estadísticos",
     [](M& m) { statClearKey(m); }},
    {KeyId::statSumX2, "statSumX2", "S x²", "Sumatoria de X²",
     [](M& m) { statResultKey(m, StatResult::SumX2); }},
    {KeyId::statMeanX, "statMeanX", "X m", "Media de X",
     [](M& m) { statResultKey(m, StatResult::MeanX); }},
    {KeyId::statDeviationX, "statDeviationX", "D x n", "Desviación estándard de la población X",
     [](M& m) { statResultKey(m, StatResult::DeviationX); }},
    {KeyId::statSampleDeviationX, "statSampleDeviationX", "D x n-1",
     "Desviación estándard de la muestra X",
     [](M& m) { statResultKey(m, StatResult::SampleDeviationX); }},
    {KeyId::statSumY2, "statSumY2", "S y²", "Sumatoria de Y²",
     [](M& m) { statResultKey(m, StatResult::SumY2); }},
    {KeyId::statMeanY, "statMeanY", "Y m", "Media de Y",
     [](M& m) { statResultKey(m, StatResult::MeanY); }},
    {KeyId::statDeviationY, "statDeviationY", "D y n", "Desviación estándard de la población Y",
     [](M& m) { statResultKey(m, StatResult::DeviationY); }},
    {KeyId::statSampleDeviationY, "statSampleDeviationY", "D y n-1",
     "Desviación estándard de la muestra Y",
     [](M& m) { statResultKey(m, StatResult::SampleDeviationY); }},
    {KeyId::statCount, "statCount", "N", "Población",
     [](M& m) { statResultKey(m, StatResult::Count); }},
    {KeyId::statWeightedMeanX, "statWeightedMeanX", "X m", "Valor medio  de X con sus frecuencias",
     [](M& m) { statResultKey(m, StatResult::WeightedMeanX); }},
    {KeyId::statWeightedDeviationX, "statWeightedDeviationX", "D X n",
     "Desviación típica de X con sus frecuencias",
     [](M& m) { statResultKey(m, StatResult::WeightedDeviationX); }},
    {KeyId::statSlope, "statSlope", "a", "Regresión lineal: Coeficiente de X",
     [](M& m) { statResultKey(m, StatResult::Slope); }},
    {KeyId::statIntercept, "statIntercept", "b", "Regresión lineal: Ordenada en el origen",
     [](M& m) { statResultKey(m, StatResult::Intercept); }},
    {KeyId::statDetermination, "statDetermination", "r ²", "Regresión lineal: Coeficiente crítico",
     [](M& m) { statResultKey(m, StatResult::Determination); }},
    {KeyId::statEstimateX, "statEstimateX", "EoX", "Regresión lineal: Valor estimado de X",
     [](M& m) { statResultKey(m, StatResult::EstimateX); }},
    {KeyId::statEstimateY, "statEstimateY", "EoY", "Regresión lineal: Valor estimado de Y",
     [](M& m) { statResultKey(m, StatResult::EstimateY); }},
    {KeyId::polygonArea, "polygonArea", "Area", "Area de un Polígono",
     [](M& m) { statResultKey(m, StatResult::Area); }},

    // Equation solvers and number tools (solver_keys.h)
    {KeyId::complexRectangular, "complexRectangular", "(x,y)",
     "Introducción de Coordenadas Cartesianas", [](M& m) { complexKey(m, true); }},
    {KeyId::complexPolar, "complexPolar", "m,Ø", "Introducción de Coordenadas Polares",
     [](M& m) { complexKey(m, false); }},
    {KeyId::blueDisplayClear, "blueDisplayClear", "C", "Borrado",
     [](M& m) { blueDisplayClearKey(m); }},
    {KeyId::quadraticEquation, "quadraticEquation", "abc", "Resolución de ecuaciones de 2º grado",
     [](M& m) { quadraticKey(m); }},
    {KeyId::integerDivision, "integerDivision", "Div",
     "Cálculo del Cociente y Resto de una división", [](M& m) { divisionKey(m); }},
    {KeyId::factorization, "factorization", "Fact", "Descomposición Factorial",
     [](M& m) { factorizationKey(m); }},
    {KeyId::variations, "variations", "V m,n", "Variaciones SR de m elementos tomados de n en n",
     [](M& m) { countingKey(m, Counting::Variations); }},
    {KeyId::variationsWithRepetition, "variationsWithRepetition", "VR m,n",
     "Variaciones CR de m elementos tomados de n en n",
     [](M& m) { countingKey(m, Counting::VariationsWithRepetition); }},
    {KeyId::combinations, "combinations", "C m,n", "Combinaciones de m elementos tomados de n en n",
     [](M& m) { countingKey(m, Counting::Combinations); }},
    {KeyId::combinationsWithRepetition, "combinationsWithRepetition", "CR m,n",
     "Combinaciones CR de m elementos tomados de n en n",
     [](M& m) { countingKey(m, Counting::CombinationsWithRepetition); }},
    {KeyId::linearSystem, "linearSystem", "S.Ec", "Resolución de Sistemas de Ecuaciones Lineales",
     [](M& m) { linearSystemKey(m); }},
    {KeyId::interpolation, "interpolation", "intp", "Interpolación Polinómica de Lagrange",
     [](M& m) { interpolationKey(m); }},
    {KeyId::magneticMoment, "magneticMoment", "µeff", "Cálculo del Momento magético efectivo (BM)",
     [](M& m) { magneticMomentKey(m); }},
    {KeyId::temperature, "temperature", "Tem", "Conversor de Temperaturas",
     [](M& m) { temperatureKey(m); }},
    {KeyId::reserved1, "reserved1", "Res", "Reservado para futuras aplicaciones",
     [](M& m) { reservedKey(m); }},
    {KeyId::reserved2, "reserved2", "Res", "Reservado para futuras Aplicaciones",
     [](M& m) { reservedKey(m); }},
};

// Row index of each id, built once.
const std::array<const KeyInfo*, kKeyCount>& index() {
    static const std::array<const KeyInfo*, kKeyCount> table = [] {
        std::array<const KeyInfo*, kKeyCount> t{};
        for (const KeyInfo& key : kKeys) t[static_cast<std::size_t>(key.id)] = &key;
        for (const KeyInfo* row : t) {
            if (row == nullptr) std::abort();  // an id without its catalog row
        }
        return t;
    }();
    return table;
}

}  // namespace

std::span<const KeyInfo> allKeys() { return kKeys; }

const KeyInfo& keyInfo(KeyId id) { return *index()[static_cast<std::size_t>(id)]; }

std::optional<KeyId> keyByName(std::string_view name) {
    for (const KeyInfo& key : kKeys) {
        if (key.name == name) return key.id;
    }
    return std::nullopt;
}

std::vector<KeyId> keysByCaption(std::string_view caption) {
    std::vector<KeyId> found;
    for (const KeyInfo& key : kKeys) {
        if (key.caption == caption) found.push_back(key.id);
    }
    return found;
}

}  // namespace numeralia::calc
