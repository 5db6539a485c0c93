#include "app/calc/keypad_layout.h"

#include "app/calc/function_keypad.h"
#include "app/calc/solver_panel.h"
#include "app/calc/statistics_panel.h"

namespace numeralia::app {

namespace {

using calc::KeyId;
using S = KeySection;
using K = KeyStyle;

// The Scientific model's keys besides the pocket keys of both models (keypad_layout.cpp).
constexpr KeySlot kScientific[] = {
    // Beside the displays.
    {KeyId::setDecimals, S::Displays, 0, 0, K::Plain},

    // Functions panel (6 columns): function_keypad.cpp; statistics: statistics_panel.cpp;
    // solvers: solver_panel.cpp.
};

}  // namespace

std::span<const KeySlot> scientificLayout() {
    static const std::vector<KeySlot> all = [] {
        std::vector<KeySlot> keys = pocketKeys(4);
        keys.insert(keys.end(), std::begin(kScientific), std::end(kScientific));
        for (const auto panel :
             {functionPanelLayout(), statisticsPanelLayout(), solverPanelLayout()})
            keys.insert(keys.end(), panel.begin(), panel.end());
        return keys;
    }();
    return all;
}

}  // namespace numeralia::app
