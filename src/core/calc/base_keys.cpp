// The number bases of the Scientific model: the options "Decimal" and "Hexadecimal", the
// keys "HEX", "OCT" and "DEC", and which keys each number mode enables.
//
// In hexadecimal mode every typed number carries the prefix "&h" (the letters A to F type
// its digits); the operators read such numbers and give decimal results. "HEX" and "OCT"
// show their digits without a prefix; "DEC" reads the display as hexadecimal, with or
// without the prefix.

#include <algorithm>
#include <array>

#include "core/calc/calculator_model.h"
#include "core/calc/key_catalog.h"
#include "core/calc/number_base.h"
#include "core/calc/scientific_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

// Keys of fractions, exponents, real functions, angles, constants, currencies and the tools
// of real numbers: they make no sense for the whole numbers of hexadecimal mode ("Div" and
// "Fact" work on whole numbers and stay).
constexpr std::array kDecimalOnly = {
    KeyId::decimalPoint,
    KeyId::exponent,
    KeyId::exponentialView,
    KeyId::currencyTo2,
    KeyId::currencyTo1,
    KeyId::sine,
    KeyId::cosine,
    KeyId::tangent,
    KeyId::arcSine,
    KeyId::arcCosine,
    KeyId::arcTangent,
    KeyId::hyperbolic,
    KeyId::log10,
    KeyId::naturalLog,
    KeyId::tenPower,
    KeyId::ePower,
    KeyId::squareRoot,
    KeyId::reciprocal,
    KeyId::cubeRoot,
    KeyId::integerPart,
    KeyId::fractionalPart,
    KeyId::fixPart,
    KeyId::pi,
    KeyId::twoPi,
    KeyId::random,
    KeyId::toRad,
    KeyId::toDeg,
    KeyId::toGra,
    KeyId::toDegreesMinutesSeconds,
    KeyId::dmsSeparator,
    KeyId::fromDegreesMinutesSeconds,
    KeyId::reduceAngle,
    KeyId::complexRectangular,
    KeyId::complexPolar,
    KeyId::quadraticEquation,
    KeyId::variations,
    KeyId::variationsWithRepetition,
    KeyId::combinations,
    KeyId::combinationsWithRepetition,
    KeyId::linearSystem,
    KeyId::interpolation,
    KeyId::magneticMoment,
    KeyId::temperature,
};

bool isConstantKey(KeyId id) { return id >= KeyId::constFaraday && id <= KeyId::constCoulomb; }
bool isHexLetterKey(KeyId id) { return id >= KeyId::hexDigitA && id <= KeyId::hexDigitF; }

// A base key's digits into the info line and the main display. Hexadecimal digits may look
// like a decimal number beyond the double range ("7E308"): that text is no typed number, so
// it is shown and logged without the range check of the display-change step.
void showDigits(CalculatorModel& m, const std::string& digits) {
    CalculatorState& s = m.mutableState();
    s.result = digits;
    if (text::leadingNumber(digits)) {
        m.setDisplay(digits);
    } else if (digits != s.numero) {
        s.numero = digits;
        m.appendHistory(digits);
        s.historyText = digits;
    }
}

// label, history recorder, conversion inside the error trap, entry flag 0.
template <class Convert>
CalculatorModel::Outcome baseKey(CalculatorModel& m, const char* label, Convert convert) {
    CalculatorState& s = m.mutableState();
    s.func = label;
    m.recordHistory();
    const auto outcome = m.trap([&] {
        const BaseText r = convert(s.numero);
        if (!r.ok) throw ReportedError{r.text};
        showDigits(m, r.text);
    });
    s.entryFlag = 0;
    return outcome;
}

}  // namespace

bool isHexadecimalMode(const CalculatorState& s) { return s.numberPrefix == kHexPrefix; }

bool keyEnabledInMode(const CalculatorState& s, KeyId id) {
    const bool hex = isHexadecimalMode(s);
    if (isHexLetterKey(id)) return hex;
    if (!hex) return true;
    return !isConstantKey(id) &&
           std::find(kDecimalOnly.begin(), kDecimalOnly.end(), id) == kDecimalOnly.end();
}

bool CalculatorModel::isEnabled(KeyId id) const {
    return hasKey(id) && keyEnabledInMode(state_, id);
}

// Changing the number mode ends the number being typed: the next digit starts a new number
// in the new mode, so that no text mixes the two.
void decimalModeKey(CalculatorModel& m) {
    m.mutableState().numberPrefix.clear();
    m.mutableState().entryFlag = 0;
}

void hexadecimalModeKey(CalculatorModel& m) {
    m.mutableState().numberPrefix = std::string(kHexPrefix);
    m.mutableState().entryFlag = 0;
}

void toBaseKey(CalculatorModel& m, int base) {
    baseKey(m, base == 16 ? "HEX" : "OCT",
            [base](const std::string& display) { return displayInBase(display, base); });
}

void toDecimalKey(CalculatorModel& m) {
    // The decimal number goes through the display formatting step like any result.
    if (baseKey(m, "DEC", hexadecimalInDecimal) == CalculatorModel::Outcome::Done)
        m.formatDisplay();
}

void hexDigitKey(CalculatorModel& m, int value) {
    // A letter continues only a typed hexadecimal number; after a decimal text (a result
    // that the entry flag still lets digits extend) it starts a new number.
    CalculatorState& s = m.mutableState();
    if (!isTypedHexadecimal(s.numero)) s.entryFlag = 0;
    m.digit(value);
}

}  // namespace numeralia::calc
