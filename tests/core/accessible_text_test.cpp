// Names and descriptions a screen reader says for a control, from its tool tip and caption;
// and every key of both calculator models gets a name in words.

#include <gtest/gtest.h>

#include <string>

#include "core/calc/calculator_kind.h"
#include "core/calc/key_catalog.h"
#include "core/calc/scientific_keys.h"
#include "core/shell/accessible_text.h"

namespace numeralia {
namespace {

TEST(AccessibleText, NameFromToolTipOrSpelledCaption) {
    const struct {
        const char* toolTip;
        const char* caption;
        const char* name;
        const char* description;
    } rows[] = {
        // The tool tip without its shortcut braces and final stop.
        {"Raiz Cuadrada.  {F5}", "x½", "Raiz Cuadrada", "Atajo de teclado: F5"},
        {"Pi.  {P}", "π", "Pi", "Atajo de teclado: P"},
        {"Sumar el IVA. {SHIFT+V}", "+IVA", "Sumar el IVA", "Atajo de teclado: SHIFT+V"},
        {"Borrado M1", "C1", "Borrado M1", ""},
        {"Modo hexadecimal: teclas A a F  {A a F mayúsculas}", "Hexadecimal",
         "Modo hexadecimal: teclas A a F", "Atajo de teclado: A a F mayúsculas"},
        // A long tool tip: the first sentence names, the rest describes.
        {"Cáculo de porcentajes.  Ejemplo: 25% de 200 = 50", "%", "Cáculo de porcentajes",
         "Ejemplo: 25% de 200 = 50"},
        // Tool tips of shortcuts only: the caption, symbols in words.
        {"{ + }", "+", "Sumar", "Atajo de teclado: +"}, {"{ * }", "x", "Multiplicar", "Atajo de teclado: *"},
        {"{ENTER}", "=", "Igual", "Atajo de teclado: ENTER"}, {"{7}", "7", "7", "Atajo de teclado: 7"},
        {"{ . } o  { , }", ".", "Coma decimal", "Atajo de teclado: . o ,"},
        // No tool tip: the caption, spelled out where it is no word.
        {"", "Calcular", "Calcular", ""}, {"", "49", "49", ""}, {"", "x²", "x al cuadrado", ""},
        {"", "1/x", "1 entre x", ""}, {"", "n !", "n factorial", ""}, {"", "«  X", "X", ""},
        {"", "", "", ""},
    };
    for (const auto& row : rows) {
        const AccessibleTexts texts = accessibleTexts(row.toolTip, row.caption);
        EXPECT_EQ(texts.name, row.name) << row.toolTip << " / " << row.caption;
        EXPECT_EQ(texts.description, row.description) << row.toolTip << " / " << row.caption;
    }
}

TEST(AccessibleText, WordsAndBareSymbols) {
    const std::pair<const char*, bool> rows[] = {
        {"Sumar", true}, {"Pi", true},  {"7", true},     {"1.234,5", true}, {"Año", true},
        {"+", false},    {"x", false},  {"R1", false},   {"½", false},      {"π", false},
        {"", false},     {"--", false}, {"x²", false},   {"µb", false},     {"1/x", false},
    };
    for (const auto& [name, words] : rows) EXPECT_EQ(speaksInWords(name), words) << name;
}

TEST(AccessibleText, EveryCalculatorKeySpeaksInWords) {
    for (const auto kind : {calc::CalculatorKind::Scientific, calc::CalculatorKind::Normal}) {
        for (const calc::KeyInfo& key : calc::allKeys()) {
            if (!calc::kindHasKey(kind, key.id)) continue;
            const std::string_view tip = calc::keyToolTip(kind, key.id);
            const AccessibleTexts texts = accessibleTexts(tip, calc::shownCaption(kind, key.id));
            EXPECT_TRUE(speaksInWords(texts.name)) << key.name << ": \"" << texts.name << "\"";
            if (tip.find('{') != std::string_view::npos) {
                EXPECT_TRUE(texts.description.starts_with("Atajo de teclado: ") ||
                            texts.description.find(". Atajo de teclado: ") != std::string::npos)
                    << key.name << ": " << texts.description;
            }
        }
    }
}

}  // namespace
}  // namespace numeralia
