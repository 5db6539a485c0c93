#include "app/calc/keypad_layout.h"

#include <iterator>
#include <vector>

#include "app/calc/function_keypad.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

// The Scientific model's keys. The Functions panel is a grid of 6 columns.
constexpr KeySlot kScientific[] = {
    // Main keys: a 5-column pocket calculator keypad.
    {KeyId::digit7, S::Main, 0, 0, K::Digit},
    {KeyId::digit8, S::Main, 0, 1, K::Digit},
    {KeyId::digit9, S::Main, 0, 2, K::Digit},
    {KeyId::divide, S::Main, 0, 3, K::Operator},
    {KeyId::allClear, S::Main, 0, 4, K::Clear},
    {KeyId::digit4, S::Main, 1, 0, K::Digit},
    {KeyId::digit5, S::Main, 1, 1, K::Digit},
    {KeyId::digit6, S::Main, 1, 2, K::Digit},
    {KeyId::times, S::Main, 1, 3, K::Operator},
    {KeyId::clearEntry, S::Main, 1, 4, K::Clear},
    {KeyId::digit1, S::Main, 2, 0, K::Digit},
    {KeyId::digit2, S::Main, 2, 1, K::Digit},
    {KeyId::digit3, S::Main, 2, 2, K::Digit},
    {KeyId::minus, S::Main, 2, 3, K::Operator},
    {KeyId::correction, S::Main, 2, 4, K::Clear},
    {KeyId::digit0, S::Main, 3, 0, K::Digit},
    {KeyId::decimalPoint, S::Main, 3, 1, K::Digit},
    {KeyId::changeSign, S::Main, 3, 2, K::Digit},
    {KeyId::plus, S::Main, 3, 3, K::Operator},
    {KeyId::equals, S::Main, 3, 4, K::Equals, 2, 1},
    {KeyId::exponent, S::Main, 4, 0, K::Plain},
    {KeyId::percent, S::Main, 4, 1, K::Operator},
    {KeyId::power, S::Main, 4, 2, K::Operator},
    {KeyId::exponentialView, S::Main, 4, 3, K::Plain},

    // Memories: display in column 0, then M+, mr, C; transit memories underneath.
    {KeyId::memoryAdd1, S::Memories, 0, 1, K::Memory},
    {KeyId::memoryRecall1, S::Memories, 0, 2, K::Memory},
    {KeyId::memoryClear1, S::Memories, 0, 3, K::Memory},
    {KeyId::memoryAdd2, S::Memories, 1, 1, K::Memory},
    {KeyId::memoryRecall2, S::Memories, 1, 2, K::Memory},
    {KeyId::memoryClear2, S::Memories, 1, 3, K::Memory},
    {KeyId::memoryAdd3, S::Memories, 2, 1, K::Memory},
    {KeyId::memoryRecall3, S::Memories, 2, 2, K::Memory},
    {KeyId::memoryClear3, S::Memories, 2, 3, K::Memory},
    {KeyId::memoryAdd4, S::Memories, 3, 1, K::Memory},
    {KeyId::memoryRecall4, S::Memories, 3, 2, K::Memory},
    {KeyId::memoryClear4, S::Memories, 3, 3, K::Memory},
    {KeyId::transit1, S::Memories, 4, 1, K::Transit},
    {KeyId::transit2, S::Memories, 4, 2, K::Transit},
    {KeyId::transit3, S::Memories, 4, 3, K::Transit},

    // VAT and currency.
    {KeyId::vatSetRate, S::Vat, 0, 0, K::Vat},
    {KeyId::vatAmount, S::Vat, 0, 1, K::Vat},
    {KeyId::vatAdd, S::Vat, 0, 2, K::Vat},
    {KeyId::vatRemove, S::Vat, 0, 3, K::Vat},
    {KeyId::currencyTo2, S::Vat, 1, 0, K::Vat, 1, 2},
    {KeyId::currencyTo1, S::Vat, 1, 2, K::Vat, 1, 2},

    // Beside the displays.
    {KeyId::setDecimals, S::Displays, 0, 0, K::Plain},
    {KeyId::music, S::Displays, 0, 1, K::Plain},
    {KeyId::historyToggle, S::Displays, 1, 0, K::Plain},
    {KeyId::historyClear, S::Displays, 1, 1, K::Clear},

    // Functions panel (6 columns): function_keypad.cpp.
};

}  // namespace

std::span<const KeySlot> scientificLayout() {
    static const std::vector<KeySlot> all = [] {
        std::vector<KeySlot> slots(std::begin(kScientific), std::end(kScientific));
        const auto functions = functionPanelLayout();
        slots.insert(slots.end(), functions.begin(), functions.end());
        return slots;
    }();
    return all;
}

}  // namespace numeralia::app
