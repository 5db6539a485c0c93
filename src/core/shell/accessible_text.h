#pragma once
// What a screen reader says for a control: a name that tells in words what the control does
// and a description with its keyboard shortcut, both taken from the texts the control
// already shows (its tool tip and its caption).

#include <string>
#include <string_view>

namespace numeralia {

struct AccessibleTexts {
    std::string name;         // empty when neither tool tip nor caption says anything
    std::string description;  // empty when there is nothing more to say
};

// The name is the first sentence of the tool tip, without the shortcut braces and the final
// full stop ("Raíz cuadrada.  {F5}" gives "Raíz cuadrada"). A tool tip with no words outside
// the braces ("{ + }", "{7}") gives way to the caption, with symbols spelled out in words
// ("+" is "Sumar", "x" is "Multiplicar", "x²" is "x al cuadrado"); a caption in words or a
// number stays as it is. The description is the rest of the tool tip and then the shortcuts
// ("Atajo de teclado: F5", "Atajo de teclado: . o ,").
AccessibleTexts accessibleTexts(std::string_view toolTip, std::string_view caption);

// Whether a name speaks in words: it holds a word of two letters or more, or it is a
// number. A bare symbol ("+", "x", "½", "R1") does not.
bool speaksInWords(std::string_view name);

}  // namespace numeralia
