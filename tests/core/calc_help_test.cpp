// The Help window's texts: every key, display and menu entry has one; the composed texts
// and the fixed openings read as they must; every keyboard key, message and worked example a
// text gives is what the calculator really does; the search finds the right elements.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calc_error_rows.h"
#include "calc_script.h"
#include "core/calc/calc_help.h"
#include "core/calc/calc_help_texts.h"
#include "core/calc/calculator_kind.h"
#include "core/calc/key_catalog.h"
#include "core/calc/keyboard_tables.h"
#include "core/calc/linear_system.h"
#include "core/calc/math_result.h"
#include "core/calc/scientific_keys.h"
#include "core/text/pasted_number.h"

using namespace numeralia::calc;
using numeralia::calc::testing::Calculator;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<KeyId> scientificKeys() {
    std::vector<KeyId> keys;
    for (const KeyInfo& key : allKeys()) {
        if (kindHasKey(CalculatorKind::Scientific, key.id)) keys.push_back(key.id);
    }
    return keys;
}

// ---- Every element has a text ----

// The key ids of the first table of docs/keys.md whose window column names the Scientific
// model; "digit0 .. digit9" stands for the ids between.
std::vector<std::string> documentedScientificIds() {
    std::ifstream in(std::string(NUMERALIA_SOURCE_DIR) + "/docs/keys.md");
    EXPECT_TRUE(in) << "docs/keys.md not found";
    std::vector<std::string> ids;
    std::string line;
    bool inTable = false;
    while (std::getline(in, line)) {
        if (line.starts_with("## ")) break;  // the key table ends before the first section
        if (!line.starts_with("| ")) continue;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
        if (cells.size() < 3) continue;
        if (!inTable) {  // the heading and its rule
            inTable = contains(cells[0], "id");
            continue;
        }
        if (cells[0].starts_with("---") || !contains(cells[2], "Científica")) continue;
        std::stringstream names(cells[0]);
        std::string previous;
        bool range = false;
        for (std::string name; names >> name;) {
            if (!name.empty() && name.back() == ',') name.pop_back();
            if (name == "..") {
                range = true;
                continue;
            }
            if (range) {
                // previous and name share a stem and end in digits or capital letters
                const auto first = keyByName(previous), last = keyByName(name);
                EXPECT_TRUE(first && last) << previous << " .. " << name;
                if (first && last) {
                    for (int k = static_cast<int>(*first) + 1; k <= static_cast<int>(*last); ++k)
                        ids.emplace_back(keyInfo(static_cast<KeyId>(k)).name);
                }
                range = false;
            } else {
                ids.push_back(name);
            }
            previous = name;
        }
    }
    return ids;
}

TEST(CalcHelp, EveryDocumentedKeyAndListedElementHasAText) {
    const std::vector<std::string> ids = documentedScientificIds();
    EXPECT_GT(ids.size(), 100u);
    for (const std::string& name : ids) {
        const auto id = keyByName(name);
        ASSERT_TRUE(id) << "docs/keys.md names an unknown key " << name;
        EXPECT_FALSE(keyHelpText(*id).empty()) << name;
    }
    for (const HelpElement& e : helpElements())
        EXPECT_GT(helpText(e).size(), 20u) << e.name;
    EXPECT_EQ(displayHelpText("nada"), "");
    EXPECT_EQ(menuHelpText("Salir"), "");
    EXPECT_EQ(menuHelpText("Ayuda"), menuHelpText("A&yuda"));
    EXPECT_FALSE(menuHelpText("Ayuda").empty());
}

// ---- Composed texts and fixed openings ----

struct ExactRow {
    std::string text;
    std::string expected;
};

TEST(CalcHelp, ComposedTexts) {
    const ExactRow rows[] = {
        {keyHelpText(KeyId::memoryRecall3),
         "Presenta en la ventana principal de datos el número guardado en la Memoria 3"},
        {keyHelpText(KeyId::memoryAdd2),
         "Suma el número actual a la Memoria 2. Los valores actuales de las Memorias M1 a M4 son "
         "guardados en la calculadora aún cuando el programa haya finalizado. Al volver a abrir "
         "la calculadora, se mostrarán los valores finales de M1 a M4 de la última sesión. "
         "TECLADO: la tecla  ' SHIFT + 2 '  realiza el mismo efecto."},
        {keyHelpText(KeyId::memoryClear4), "Borra el contenido de la Memoria 4"},
        {displayHelpText("m1"), "Esta ventana muestra el contenido de la Memoria 1"},
        {keyHelpText(KeyId::hexDigitF), "Tecla Hexadecimal:   F  (Hexadecimal) = 15  (Decimal)"},
    };
    for (const ExactRow& row : rows) EXPECT_EQ(row.text, row.expected);
    // A constant key names its own constant after the common opening.
    EXPECT_TRUE(contains(keyHelpText(KeyId::constLight),
                         "Velocidad de la luz en el vacío: c = 299792458 m/s."));
    EXPECT_TRUE(contains(keyHelpText(KeyId::constFaraday), "Constante de Faraday: F = "));
}

TEST(CalcHelp, FixedOpeningsAndWholeTexts) {
    struct Row {
        KeyId key;
        std::string opening;
        bool whole;
    };
    const Row rows[] = {
        {KeyId::digit7,
         "Teclas de entrada de datos numéricos. TECLADO: las teclas  ' 0-9 '  realizan el mismo "
         "efecto.",
         true},
        {KeyId::allClear, "Tecla de Borrado. TECLADO: la tecla  ' A '  realiza el mismo efecto.",
         true},
        {KeyId::clearEntry,
         "Tecla de Rectificación de la última entrada numérica. TECLADO: la tecla  ' C '  "
         "realiza el mismo efecto.",
         true},
        {KeyId::equals,
         "Calcula el Total de las operaciones en curso. TECLADO: la tecla  ' ENTER '  realiza el "
         "mismo efecto.",
         true},
        {KeyId::random, "Generador de numeros aleatorios comprendidos entre 0 - 1", true},
        {KeyId::reserved1,
         "Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora.", true},
        {KeyId::constGas, "16 Teclas de Constantes Científicas de uso frecuente", false},
        {KeyId::setDecimals,
         "Fija el número de Cifras Decimales. Los resultados de las operaciones matemáticas "
         "ajustarán su número de cifras decimales a este valor. Al arrancar el programa, el "
         "número de cifras decimales por defecto es 15.",
         false},
        {KeyId::historyToggle,
         "Historial. La Calculadora puede registrar hasta 500 pulsaciones de Tecla/Resultados. "
         "Si se sobrepasa este valor, los registros almacenados hasta ese momento serán "
         "sobreescritos.",
         false},
        {KeyId::transit2,
         "Memorias de Transito. En las Memorias R1 a R3 se almacenan los resultados de la "
         "ejecución de los sub-programas que componen la Calculadora.",
         false},
        {KeyId::percent,
         "Cáculo de porcentajes.  Ejemplo: 25% de 200 = 50   [25],[%],[x],[200],[=]  da como "
         "resultado 50",
         false},
    };
    for (const Row& row : rows) {
        const std::string text = keyHelpText(row.key);
        if (row.whole) {
            EXPECT_EQ(text, row.opening);
        } else {
            EXPECT_TRUE(text.starts_with(row.opening) && text.size() > row.opening.size())
                << keyInfo(row.key).name;
        }
    }
    EXPECT_TRUE(contains(keyHelpText(KeyId::vatSetRate),
                         "NOTA: No está permitido definir un valor de IVA superior a 100"));
}

// ---- Keyboard keys ----

// How a text names a keyboard key: "' F9 '", "' SHIFT + F9 '", "' CTRL + V '".
std::string keyDownName(const KeyDownRow& row) {
    std::string key;
    if (row.keyCode >= kVkF1 && row.keyCode <= kVkF1 + 11) {
        key = "F" + std::to_string(row.keyCode - kVkF1 + 1);
    } else {
        key = std::string(1, static_cast<char>(row.keyCode));
    }
    if (row.shiftState == kShiftBit) key = "SHIFT + " + key;
    if (row.shiftState == kCtrlBit) key = "CTRL + " + key;
    return "' " + key + " '";
}

std::string characterName(const CharacterRow& row) {
    const char32_t c = row.characters.front();
    if (c == U'\b') return "' RETROCESO '";
    if (c >= U'0' && c <= U'9') return "' 0-9 '";
    std::string utf8;
    if (c < 0x80) {
        utf8 = std::string(1, static_cast<char>(c >= U'a' && c <= U'z' ? c - 32 : c));
    } else {  // º and ª
        utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return "' " + utf8 + " '";
}

TEST(CalcHelp, TextsNameTheKeyboardKeysOfTheirKey) {
    const KeyboardTables& tables = keyboardTables(CalculatorKind::Scientific);
    std::set<KeyId> typed;
    for (const KeyDownRow& row : tables.keyDown) {
        typed.insert(row.key);
        const std::string text = keyHelpText(row.key);
        EXPECT_TRUE(contains(text, "TECLADO:") && contains(text, keyDownName(row)))
            << keyInfo(row.key).name << " lacks " << keyDownName(row);
    }
    for (const CharacterRow& row : tables.characters) {
        typed.insert(row.key);
        const std::string text = keyHelpText(row.key);
        EXPECT_TRUE(contains(text, "TECLADO:") && contains(text, characterName(row)))
            << keyInfo(row.key).name << " lacks " << characterName(row);
    }
    // No text promises a keyboard key that does not exist ("=" is pressed by Enter, which
    // presses the key that holds the focus).
    for (KeyId id : scientificKeys()) {
        if (id == KeyId::equals || typed.contains(id)) continue;
        EXPECT_FALSE(contains(keyHelpText(id), "TECLADO")) << keyInfo(id).name;
    }
}

// ---- Messages ----

// The rows of the error-display test leave their message on show; the keys a row names quote
// it in their texts.
TEST(CalcHelp, TextsNameTheMessagesTheirKeyGives) {
    int quoted = 0;
    for (const numeralia::calc::testing::ErrorRow& row : numeralia::calc::testing::kErrorRows) {
        std::istringstream names(row.quotedBy);
        for (std::string name; names >> name; ++quoted) {
            const auto key = keyByName(name);
            ASSERT_TRUE(key) << name;
            EXPECT_TRUE(contains(keyHelpText(*key), "«" + std::string(row.message) + "»"))
                << name << " lacks " << row.message;
        }
    }
    EXPECT_GE(quoted, 50);
}

TEST(CalcHelp, SolverTextsNameTheirMessagesAndLimits) {
    namespace msg = message;
    struct Row {
        KeyId key;
        std::vector<std::string> mentions;
    };
    const std::string most = std::to_string(kMostEquations),
                      fewest = std::to_string(kFewestEquations);
    const Row rows[] = {
        {KeyId::complexRectangular,
         {"(x,y)", "Coord. Rectangulares", "Coord. Polares", "deg", "Error: Parada crítica"}},
        {KeyId::complexPolar, {"m,Ø", "deg"}},
        {KeyId::blueDisplayClear, {"abc", "Div"}},
        {KeyId::quadraticEquation, {msg::notAnEquation, "x1 = p + q i", "x2 = p − q i"}},
        {KeyId::integerDivision,
         {msg::notWhole, msg::outOfRange, msg::divisionByZero, "9007199254740992"}},
        {KeyId::factorization,
         {msg::notWhole, msg::belowTwo, msg::outOfRange, "25428 = 2² · 3 · 13 · 163"}},
        {KeyId::variations,
         {msg::nAboveM, msg::negative, msg::invalidEntry, msg::outOfRange, "20,10"}},
        {KeyId::variationsWithRepetition, {msg::negative, msg::invalidEntry, msg::outOfRange}},
        {KeyId::combinations, {msg::nAboveM, msg::outOfRange, "118264581564861424"}},
        {KeyId::combinationsWithRepetition, {msg::negative, msg::invalidEntry, msg::outOfRange}},
        {KeyId::linearSystem, {msg::singularSystem, msg::badCoefficient, fewest + " a " + most}},
        {KeyId::interpolation, {msg::dataMismatch, msg::tooFewPoints, msg::repeatedX}},
        {KeyId::magneticMoment, {msg::electronCount, "√(n·(n + 2))"}},
        {KeyId::temperature, {msg::belowAbsoluteZero, "273,15", "459,67"}},
        {KeyId::factorial, {msg::negative, msg::notWhole, msg::outOfRange, "170"}},
        {KeyId::statEnterX, {"hasta un máximo de 200 entradas"}},
        {KeyId::statEnterY, {"hasta un máximo de 200 entradas"}},
    };
    for (const Row& row : rows) {
        const std::string text = keyHelpText(row.key);
        for (const std::string& mention : row.mentions)
            EXPECT_TRUE(contains(text, mention)) << keyInfo(row.key).name << " lacks " << mention;
    }
    EXPECT_TRUE(displayHelpText("blueDisplay").starts_with("Pantalla auxiliar azul"));
}

// ---- Worked examples ----

struct Example {
    KeyId key;                        // whose text gives it
    std::vector<std::string> presses;  // the brackets' contents
    bool message = false;              // "da el mensaje": the info line holds the result
    std::string result;
};

// The examples of a text: "[a],[b],...  da como resultado R" and "...  da el mensaje «M»".
std::vector<Example> examplesOf(KeyId key, const std::string& text) {
    std::vector<Example> found;
    for (const std::string marker : {"  da como resultado ", "  da el mensaje "}) {
        for (std::size_t at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + 1)) {
            Example e{key, {}, marker == "  da el mensaje ", {}};
            // The brackets, read backwards: "]" ... "[" joined by ",".
            std::size_t end = at;
            while (end > 0 && text[end - 1] == ']') {
                const std::size_t open = text.rfind('[', end - 1);
                if (open == std::string::npos) break;
                e.presses.insert(e.presses.begin(), text.substr(open + 1, end - open - 2));
                if (open == 0 || text[open - 1] != ',') break;
                end = open - 1;
            }
            // The result: «quoted» or up to the next blank, without a closing ".", "," or ")".
            std::size_t from = at + marker.size();
            if (text.compare(from, 2, "«") == 0) {
                const std::size_t close = text.find("»", from);
                e.result = text.substr(from + 2, close - from - 2);
            } else {
                const std::size_t blank = text.find(' ', from);
                e.result = text.substr(from, blank == std::string::npos ? blank : blank - from);
                while (!e.result.empty() && std::string(".,);").find(e.result.back()) !=
                                                std::string::npos)
                    e.result.pop_back();
            }
            EXPECT_FALSE(e.presses.empty()) << keyInfo(key).name << " at " << at;
            found.push_back(e);
        }
    }
    return found;
}

// The key a bracket names: the text's own key when it has the caption, else the one key with
// the caption that can be pressed now, else the first in catalog order.
std::optional<KeyId> keyNamed(const std::string& caption, KeyId own, const CalculatorModel& m) {
    std::vector<KeyId> candidates;
    for (KeyId id : scientificKeys()) {
        if (keyInfo(id).caption == caption || shownCaption(id) == caption) candidates.push_back(id);
    }
    if (std::find(candidates.begin(), candidates.end(), own) != candidates.end()) return own;
    std::vector<KeyId> enabled;
    for (KeyId id : candidates) {
        if (m.isEnabled(id)) enabled.push_back(id);
    }
    if (enabled.size() == 1) return enabled.front();
    if (!candidates.empty()) return candidates.front();
    return std::nullopt;
}

void press(const Example& e, const std::string& bracket, CalculatorModel& m) {
    const bool typed = bracket.find_first_of("0123456789") != std::string::npos &&
                       bracket.find_first_not_of("0123456789,#") == std::string::npos;
    if (typed) {
        for (char c : bracket) {
            m.press(c == ','   ? KeyId::decimalPoint
                    : c == '#' ? KeyId::dmsSeparator
                               : static_cast<KeyId>(static_cast<int>(KeyId::digit0) + (c - '0')));
        }
        return;
    }
    const auto key = keyNamed(bracket == "." ? std::string(".") : bracket, e.key, m);
    ASSERT_TRUE(key) << keyInfo(e.key).name << ": no key [" << bracket << "]";
    m.press(*key);
}

TEST(CalcHelp, EveryWorkedExampleIsWhatTheCalculatorDoes) {
    std::vector<Example> examples;
    for (KeyId id : scientificKeys()) {
        for (const Example& e : examplesOf(id, keyHelpText(id))) examples.push_back(e);
    }
    EXPECT_GT(examples.size(), 60u);
    for (const Example& e : examples) {
        Calculator calc;
        for (const std::string& bracket : e.presses) press(e, bracket, calc.model);
        const CalculatorState& s = calc.model.state();
        std::string shown;
        for (const std::string& p : e.presses) shown += "[" + p + "]";
        if (e.message) {
            EXPECT_EQ(s.result, e.result) << keyInfo(e.key).name << ": " << shown;
        } else {
            // The result is in the main display, the info line or a line of the blue display.
            const auto& blue = s.solver.blue;
            const bool inBlue =
                std::find(blue.rectangular.begin(), blue.rectangular.end(), e.result) !=
                    blue.rectangular.end() ||
                std::find(blue.polar.begin(), blue.polar.end(), e.result) != blue.polar.end();
            EXPECT_TRUE(s.numero == e.result || s.result == e.result || inBlue)
                << keyInfo(e.key).name << ": " << shown << " gives " << s.numero << " | "
                << s.result << ", the text says " << e.result;
        }
    }
}

// ---- Finding elements, and the key that opens the window ----

TEST(CalcHelp, ElementsAreFoundByKindAndName) {
    struct Row {
        HelpKind kind;
        const char* name;
        const char* found;  // its name, or nullptr for none
    };
    const Row rows[] = {
        {HelpKind::Key, "memoryRecall3", "memoryRecall3"},
        {HelpKind::Display, "numero", "numero"},
        {HelpKind::Display, "m2", "m2"},
        {HelpKind::MenuEntry, "A&yuda", "A&yuda"},
        {HelpKind::MenuEntry, "Ayuda", "A&yuda"},
        {HelpKind::MenuEntry, "Gráfico-EST.", "Gráfico-EST."},
        {HelpKind::Key, "numero", nullptr},
        {HelpKind::Display, "memoryRecall3", nullptr},
        {HelpKind::MenuEntry, "Salir", nullptr},
    };
    for (const Row& row : rows) {
        const HelpElement* e = findHelpElement(row.kind, row.name);
        if (!row.found) {
            EXPECT_EQ(e, nullptr) << row.name;
        } else {
            ASSERT_NE(e, nullptr) << row.name;
            EXPECT_EQ(e->name, row.found);
            EXPECT_EQ(e->kind, row.kind);
        }
    }
    // The main display explains copy and paste with the rule the paste reader keeps.
    EXPECT_NE(displayHelpText("numero").find(numeralia::text::pasteRuleHelp()), std::string::npos);
    EXPECT_EQ(findHelpElement(HelpKind::Key, "pi")->caption, "π");
    EXPECT_EQ(findHelpElement(HelpKind::MenuEntry, "A&cerca de...")->caption, "Acerca de...");
}

TEST(CalcHelp, F1OpensHelpOnlyWhereNoKeyClaimsIt) {
    struct Row {
        CalculatorKind kind;
        int keyCode;
        int shiftState;
        bool opens;
    };
    const Row rows[] = {
        {CalculatorKind::Normal, kVkF1, 0, true},
        {CalculatorKind::Normal, kVkF1, kShiftBit, true},
        {CalculatorKind::Normal, kVkF1, kCtrlBit | kAltBit, true},
        {CalculatorKind::Normal, kVkF1 + 1, 0, false},
        {CalculatorKind::Normal, kVkF1 + 4, 0, false},  // F5 is the square root there
        {CalculatorKind::Scientific, kVkF1, 0, false},  // "log"
        {CalculatorKind::Scientific, kVkF1, kShiftBit, false},
        {CalculatorKind::Scientific, kVkF1, kCtrlBit, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(opensHelp(keyboardTables(row.kind), row.keyCode, row.shiftState), row.opens)
            << static_cast<int>(row.kind) << " " << row.keyCode << " " << row.shiftState;
    }
}

// ---- Search ----

std::vector<std::string> names(const std::vector<HelpElement>& found) {
    std::vector<std::string> v;
    for (const HelpElement& e : found) v.push_back(e.name);
    return v;
}

TEST(CalcHelp, SearchFindsByCaptionFirstThenByText) {
    struct Row {
        const char* query;
        std::vector<std::string> first;  // the first names found, in order
    };
    const Row rows[] = {
        {"mr 3", {"memoryRecall3"}},
        {"funcion", {"func"}},
        {"FUNCIÓN", {"func"}},
        {"hexadecimal", {"hexadecimalMode"}},
        {"raiz cubica", {"cubeRoot"}},
        {"tangente hiperbolica", {"tangent"}},
        {"ayuda", {"A&yuda"}},
        {"memoria 2", {"m2"}},
    };
    for (const Row& row : rows) {
        const std::vector<std::string> found = names(searchHelp(row.query));
        ASSERT_GE(found.size(), row.first.size()) << row.query;
        EXPECT_EQ(std::vector<std::string>(found.begin(), found.begin() + row.first.size()),
                  row.first)
            << row.query;
    }
    // Every word must be found; a blank query or an unknown word finds nothing.
    const std::vector<std::string> negative = names(searchHelp("negativo nulo"));
    EXPECT_EQ(negative, (std::vector<std::string>{"log10", "naturalLog", "quadraticEquation"}));
    EXPECT_TRUE(searchHelp("   ").empty());
    EXPECT_TRUE(searchHelp("zzzq").empty());
    EXPECT_TRUE(searchHelp("logaritmo zzzq").empty());
}

}  // namespace
