#pragma once
// Every key of the calculator windows has a short stable id: the driver numeralia-keys, the
// tests, the keyboard tables and the windows all name keys by it.
//
// Adding a key:
//   1. one line in the enum below, in the section of its group (the enumerator is the
//      stable name, lower camel case);
//   2. one row in the table of key_catalog.cpp: {KeyId::x, "x", caption, tool tip, action};
//   3. the action: a member function declared in calculator_model.h and defined in the
//      .cpp of its group (entry_keys.cpp, operator_keys.cpp, memory_keys.cpp, ...);
//   4. a row in docs/keys.md, and in keyboard_tables.cpp if a keyboard key presses it.
// Ids are never renamed or reused: scripts and tests refer to them.

#include <cstdint>

namespace numeralia::calc {

enum class KeyId : std::uint16_t {
    // Number entry and display
    digit0,
    digit1,
    digit2,
    digit3,
    digit4,
    digit5,
    digit6,
    digit7,
    digit8,
    digit9,
    decimalPoint,
    changeSign,
    exponent,
    correction,
    clearEntry,
    allClear,
    exponentialView,
    setDecimals,
    music,

    // Operators
    plus,
    minus,
    times,
    divide,
    power,
    equals,
    percent,

    // Memories, transit memories, key history
    memoryAdd1,
    memoryAdd2,
    memoryAdd3,
    memoryAdd4,
    memoryRecall1,
    memoryRecall2,
    memoryRecall3,
    memoryRecall4,
    memoryClear1,
    memoryClear2,
    memoryClear3,
    memoryClear4,
    transit1,
    transit2,
    transit3,
    historyToggle,
    historyClear,

    // Scientific functions, constants, angle modes and number bases (function_keys.cpp,
    // angle_keys.cpp, base_keys.cpp)
    sine,
    cosine,
    tangent,
    arcSine,
    arcCosine,
    arcTangent,
    hyperbolic,
    log10,
    naturalLog,
    square,
    cube,
    tenPower,
    ePower,
    squareRoot,
    reciprocal,
    cubeRoot,
    integerPart,
    fractionalPart,
    fixPart,
    pi,
    twoPi,
    random,
    factorial,
    constFaraday,  // the sixteen constant keys, in keypad order (constants.h)
    constGravitation,
    constAvogadro,
    constGas,
    constMolarVolume,
    constLight,
    constCharge,
    constGravity,
    constPlanck,
    constBoltzmann,
    constAtomicMass,
    constElectronMass,
    constPermittivity,
    constRydberg,
    constBohrMagneton,
    constCoulomb,
    modeRad,
    modeDeg,
    modeGra,
    toRad,
    toDeg,
    toGra,
    toDegreesMinutesSeconds,
    dmsSeparator,
    fromDegreesMinutesSeconds,
    reduceAngle,
    decimalMode,
    hexadecimalMode,
    toHex,
    toOctal,
    toDecimal,
    hexDigitA,
    hexDigitB,
    hexDigitC,
    hexDigitD,
    hexDigitE,
    hexDigitF,

    // VAT and currency (vat_keys.cpp)
    vatAmount,
    vatAdd,
    vatRemove,
    vatSetRate,
    currencyTo2,
    currencyTo1,

    // Statistics and polygon area (statistics_keys.cpp)
    statEnterX,
    statEnterY,
    statSumX,
    statSumY,
    statSumXY,
    statDeleteEntry,
    statClear,
    statSumX2,
    statMeanX,
    statDeviationX,
    statSampleDeviationX,
    statSumY2,
    statMeanY,
    statDeviationY,
    statSampleDeviationY,
    statCount,
    statWeightedMeanX,
    statWeightedDeviationX,
    statSlope,
    statIntercept,
    statDetermination,
    statEstimateX,
    statEstimateY,
    polygonArea,

    // Equation solvers and number tools (solver_keys.h)
    complexRectangular,
    complexPolar,
    blueDisplayClear,
    quadraticEquation,
    integerDivision,
    factorization,
    variations,
    variationsWithRepetition,
    combinations,
    combinationsWithRepetition,
    linearSystem,
    interpolation,
    magneticMoment,
    temperature,
    reserved1,
    reserved2,

    count  // not a key: the number of ids
};

inline constexpr int kKeyCount = static_cast<int>(KeyId::count);

}  // namespace numeralia::calc
