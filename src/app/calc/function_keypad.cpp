#include "app/calc/function_keypad.h"

#include <QPushButton>

#include "app/calc/calc_keypad.h"
#include "core/calc/calculator_model.h"
#include "core/calc/key_catalog.h"
#include "core/calc/scientific_keys.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

constexpr KeySlot kFunctionPanel[] = {
    // Trigonometric functions and "hyp".
    {KeyId::sine, S::Functions, 0, 0, K::Function},
    {KeyId::cosine, S::Functions, 0, 1, K::Function},
    {KeyId::tangent, S::Functions, 0, 2, K::Function},
    {KeyId::hyperbolic, S::Functions, 0, 3, K::Function},
    {KeyId::log10, S::Functions, 0, 4, K::Function},
    {KeyId::naturalLog, S::Functions, 0, 5, K::Function},
    {KeyId::arcSine, S::Functions, 1, 0, K::Function},
    {KeyId::arcCosine, S::Functions, 1, 1, K::Function},
    {KeyId::arcTangent, S::Functions, 1, 2, K::Function},
    {KeyId::factorial, S::Functions, 1, 3, K::Function},
    {KeyId::tenPower, S::Functions, 1, 4, K::Function},
    {KeyId::ePower, S::Functions, 1, 5, K::Function},
    // Powers, roots, parts, π and random numbers.
    {KeyId::square, S::Functions, 2, 0, K::Function},
    {KeyId::cube, S::Functions, 2, 1, K::Function},
    {KeyId::squareRoot, S::Functions, 2, 2, K::Function},
    {KeyId::cubeRoot, S::Functions, 2, 3, K::Function},
    {KeyId::reciprocal, S::Functions, 2, 4, K::Function},
    {KeyId::pi, S::Functions, 2, 5, K::Function},
    {KeyId::integerPart, S::Functions, 3, 0, K::Function},
    {KeyId::fractionalPart, S::Functions, 3, 1, K::Function},
    {KeyId::fixPart, S::Functions, 3, 2, K::Function},
    {KeyId::random, S::Functions, 3, 3, K::Function},
    {KeyId::twoPi, S::Functions, 3, 5, K::Function},
    // Angle modes, conversions, degrees-minutes-seconds, reduction.
    {KeyId::modeRad, S::Functions, 4, 0, K::Vat},
    {KeyId::modeDeg, S::Functions, 4, 1, K::Vat},
    {KeyId::modeGra, S::Functions, 4, 2, K::Vat},
    {KeyId::toRad, S::Functions, 4, 3, K::Plain},
    {KeyId::toDeg, S::Functions, 4, 4, K::Plain},
    {KeyId::toGra, S::Functions, 4, 5, K::Plain},
    {KeyId::toDegreesMinutesSeconds, S::Functions, 5, 0, K::Plain},
    {KeyId::dmsSeparator, S::Functions, 5, 1, K::Plain},
    {KeyId::fromDegreesMinutesSeconds, S::Functions, 5, 2, K::Plain},
    {KeyId::reduceAngle, S::Functions, 5, 3, K::Plain},
    // The sixteen constants.
    {KeyId::constFaraday, S::Functions, 6, 0, K::Memory},
    {KeyId::constGravitation, S::Functions, 6, 1, K::Memory},
    {KeyId::constAvogadro, S::Functions, 6, 2, K::Memory},
    {KeyId::constGas, S::Functions, 6, 3, K::Memory},
    {KeyId::constMolarVolume, S::Functions, 6, 4, K::Memory},
    {KeyId::constLight, S::Functions, 6, 5, K::Memory},
    {KeyId::constCharge, S::Functions, 7, 0, K::Memory},
    {KeyId::constGravity, S::Functions, 7, 1, K::Memory},
    {KeyId::constPlanck, S::Functions, 7, 2, K::Memory},
    {KeyId::constBoltzmann, S::Functions, 7, 3, K::Memory},
    {KeyId::constAtomicMass, S::Functions, 7, 4, K::Memory},
    {KeyId::constElectronMass, S::Functions, 7, 5, K::Memory},
    {KeyId::constPermittivity, S::Functions, 8, 0, K::Memory},
    {KeyId::constRydberg, S::Functions, 8, 1, K::Memory},
    {KeyId::constBohrMagneton, S::Functions, 8, 2, K::Memory},
    {KeyId::constCoulomb, S::Functions, 8, 3, K::Memory},
    // Number bases.
    {KeyId::decimalMode, S::Functions, 9, 0, K::Plain, 1, 3},
    {KeyId::hexadecimalMode, S::Functions, 9, 3, K::Plain, 1, 3},
    {KeyId::hexDigitA, S::Functions, 10, 0, K::Digit},
    {KeyId::hexDigitB, S::Functions, 10, 1, K::Digit},
    {KeyId::hexDigitC, S::Functions, 10, 2, K::Digit},
    {KeyId::hexDigitD, S::Functions, 10, 3, K::Digit},
    {KeyId::hexDigitE, S::Functions, 10, 4, K::Digit},
    {KeyId::hexDigitF, S::Functions, 10, 5, K::Digit},
    {KeyId::toHex, S::Functions, 11, 0, K::Operator, 1, 2},
    {KeyId::toOctal, S::Functions, 11, 2, K::Operator, 1, 2},
    {KeyId::toDecimal, S::Functions, 11, 4, K::Operator, 1, 2},
};

// Keys that show a state of the model by staying lit: "hyp" while the flag is set, the
// mode key of the angle mode, the option of the number mode.
constexpr KeyId kCheckable[] = {KeyId::hyperbolic, KeyId::modeRad,     KeyId::modeDeg,
                                KeyId::modeGra,    KeyId::decimalMode, KeyId::hexadecimalMode};

}  // namespace

std::span<const KeySlot> functionPanelLayout() { return kFunctionPanel; }

void prepareFunctionKeys(const CalcKeypad& keypad) {
    for (KeyId id : kCheckable) {
        if (QPushButton* button = keypad.button(id)) button->setCheckable(true);
    }
}

void refreshFunctionKeys(const CalcKeypad& keypad, const calc::CalculatorModel& model) {
    for (const calc::KeyInfo& key : calc::allKeys()) {
        if (QPushButton* button = keypad.button(key.id))
            button->setEnabled(model.isEnabled(key.id));
    }
    const calc::CalculatorState& s = model.state();
    const bool hexadecimal = calc::isHexadecimalMode(s);
    const std::pair<KeyId, bool> lit[] = {
        {KeyId::hyperbolic, !s.hyperbolic.empty()}, {KeyId::modeRad, s.angulo == "rad"},
        {KeyId::modeDeg, s.angulo == "deg"},        {KeyId::modeGra, s.angulo == "gra"},
        {KeyId::decimalMode, !hexadecimal},         {KeyId::hexadecimalMode, hexadecimal},
    };
    for (const auto& [id, on] : lit) {
        if (QPushButton* button = keypad.button(id)) button->setChecked(on);
    }
}

}  // namespace numeralia::app
