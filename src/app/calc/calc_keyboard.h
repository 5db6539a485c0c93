#pragma once
// Turns a Qt key event into the keys it presses, through the core keyboard tables: the
// key-down table (virtual-key code and Shift/Ctrl/Alt) and then the character table.

#include <QKeyEvent>
#include <optional>
#include <vector>

#include "core/calc/keyboard_tables.h"

namespace numeralia::app {

struct KeyStroke {
    int keyCode = 0;  // virtual-key code: 'A'..'Z', '0'..'9', 112.. for F1.., 8 Backspace
    int shiftState = 0;
    std::optional<char32_t> character;  // the typed character, if the key types one
};

KeyStroke keyStroke(const QKeyEvent& event);

// The keys the stroke presses, in order: the key-down match, then the character match (in
// hexadecimal mode the capital letters A to F type hexadecimal digits).
std::vector<calc::KeyId> keysPressed(const KeyStroke& stroke, const calc::KeyboardTables& tables,
                                     bool hexadecimalMode = false);

}  // namespace numeralia::app
