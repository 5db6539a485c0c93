#pragma once
// Where each key of a calculator window sits: a section of the keypad and a cell of its
// grid. Adding a key to a window is one row in its layout table (scientific_layout.cpp).

#include <span>

#include "core/calc/key_id.h"

namespace numeralia::app {

// The panels of the calculator body.
enum class KeySection {
    Functions,  // scientific functions, constants, angles and number bases (left panel)
    Memories,   // M1 to M4 rows and R1 to R3 (column 0 of rows 0-3 holds the memory displays)
    Main,       // digits, operators, clearing
    Vat,        // VAT and currency keys (a row under the main keys)
    Displays,   // keys that sit beside the displays: SET, musica, history keys
};

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

std::span<const KeySlot> scientificLayout();

}  // namespace numeralia::app
