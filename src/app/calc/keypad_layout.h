#pragma once
// Where each key of a calculator window sits: a section of the keypad and a cell of its
// grid. Adding a key to a window is one row in its layout table (scientific_layout.cpp,
// normal_layout.cpp); the keys both models have sit alike in both (keypad_layout.cpp).

#include <span>
#include <vector>

#include "core/calc/key_id.h"

namespace numeralia::app {

// The panels of the calculator body.
enum class KeySection {
    Functions,  // scientific functions, constants, angles and number bases; the Normal
                // model's powers, roots, 1/x and π
    Memories,   // M1 to M4 rows and R1 to R3 (column 0 of the M rows holds the memory displays)
    Main,       // digits, operators, clearing
    Vat,        // VAT and currency keys (a row under the main keys)
    Displays,   // keys that sit beside the displays: SET, musica, history keys, the "C"
                // of the blue display
    Statistics,  // statistics and polygon area, under the grey data displays (right column)
    Solvers,     // equation solvers and number tools, under the statistics (solver_panel.cpp)
};

inline constexpr int kKeySectionCount = static_cast<int>(KeySection::Solvers) + 1;

// How a key looks.
enum class KeyStyle { Digit, Operator, Equals, Clear, Function, Memory, Transit, Vat, Plain };

struct KeySlot {
    calc::KeyId id;
    KeySection section;
    int row;
    int column;
    KeyStyle style;
    int rowSpan = 1;
    int columnSpan = 1;
};

// The keys of both models: the main keys, one row per memory (M+, mr, C) then R1 to R3,
// the VAT and currency keys, and beside the displays "musica" and the key history keys.
std::vector<KeySlot> pocketKeys(int memories);

std::span<const KeySlot> scientificLayout();
std::span<const KeySlot> normalLayout();

}  // namespace numeralia::app
