#include "app/calc/keypad_layout.h"

#include <iterator>

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

constexpr KeySlot kPocketKeys[] = {
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

    // VAT and currency.
    {KeyId::vatSetRate, S::Vat, 0, 0, K::Vat},
    {KeyId::vatAmount, S::Vat, 0, 1, K::Vat},
    {KeyId::vatAdd, S::Vat, 0, 2, K::Vat},
    {KeyId::vatRemove, S::Vat, 0, 3, K::Vat},
    {KeyId::currencyTo2, S::Vat, 1, 0, K::Vat, 1, 2},
    {KeyId::currencyTo1, S::Vat, 1, 2, K::Vat, 1, 2},

    // Beside the displays.
    {KeyId::music, S::Displays, 0, 1, K::Plain},
    {KeyId::historyToggle, S::Displays, 1, 0, K::Plain},
    {KeyId::historyClear, S::Displays, 1, 1, K::Clear},
};

}  // namespace

std::vector<KeySlot> pocketKeys(int memories) {
    std::vector<KeySlot> slots(std::begin(kPocketKeys), std::end(kPocketKeys));
    // Memories: the display in column 0, then M+, mr, C; the transit memories underneath.
    for (int m = 0; m < memories; ++m) {
        const auto key = [m](KeyId first) {
            return static_cast<KeyId>(static_cast<int>(first) + m);
        };
        slots.push_back({key(KeyId::memoryAdd1), S::Memories, m, 1, K::Memory});
        slots.push_back({key(KeyId::memoryRecall1), S::Memories, m, 2, K::Memory});
        slots.push_back({key(KeyId::memoryClear1), S::Memories, m, 3, K::Memory});
    }
    slots.push_back({KeyId::transit1, S::Memories, memories, 1, K::Transit});
    slots.push_back({KeyId::transit2, S::Memories, memories, 2, K::Transit});
    slots.push_back({KeyId::transit3, S::Memories, memories, 3, K::Transit});
    return slots;
}

}  // namespace numeralia::app
