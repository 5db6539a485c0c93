#include "app/calc/keypad_layout.h"

#include "app/calc/function_keypad.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

// The Scientific model's keys besides the pocket keys of both models (keypad_layout.cpp).
constexpr KeySlot kScientific[] = {
    // Beside the displays.
    {KeyId::setDecimals, S::Displays, 0, 0, K::Plain},

    // Functions panel (6 columns): function_keypad.cpp.
};

}  // namespace

std::span<const KeySlot> scientificLayout() {
    static const std::vector<KeySlot> all = [] {
        std::vector<KeySlot> slots = pocketKeys(4);
        slots.insert(slots.end(), std::begin(kScientific), std::end(kScientific));
        const auto functions = functionPanelLayout();
        slots.insert(slots.end(), functions.begin(), functions.end());
        return slots;
    }();
    return all;
}

}  // namespace numeralia::app
