#include "core/chem/formula_parser.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/chem/elements.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace numeralia::chem {

namespace {

constexpr int kMaxCount = 9999;
// The most atoms of one element, counted over the whole formula.
constexpr long long kMaxTotal = 999999;
// The deepest groups go: (((...))) nested beyond any real formula is refused rather than
// read by a recursion as deep as the text is long.
constexpr int kMaxDepth = 20;

bool isSeparator(char32_t c) { return c == U'·' || c == U'*' || c == U'.' || c == U'•' || c == U'∙'; }
bool isUpper(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool isLower(char32_t c) { return c >= U'a' && c <= U'z'; }
// A digit, written plainly or as a subscript (H₂O).
int digitOf(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'₀' && c <= U'₉') return static_cast<int>(c - U'₀');
    return -1;
}
char32_t closerOf(char32_t c) { return c == U'(' ? U')' : c == U'[' ? U']' : c == U'{' ? U'}' : 0; }
bool isCloser(char32_t c) { return c == U')' || c == U']' || c == U'}'; }

std::string quoted(char32_t c) { return "«" + text::utf8Of(c) + "»"; }

class Parser {
public:
    explicit Parser(std::string_view typed) : text_(text::codePoints(typed)) {}

    std::variant<std::vector<FormulaAtom>, FormulaError> run() {
        skipBlanks();
        if (at_ == text_.size()) return fail("Escriba una fórmula, por ejemplo H2SO4.", 0);
        while (!error_) {
            part();
            if (error_) break;
            skipBlanks();
            if (at_ == text_.size()) break;
            // part() stops only at a separator or at a closer that has no opener.
            if (isCloser(text_[at_])) {
                fail(quoted(text_[at_]) + " cierra un paréntesis que no se ha abierto.", at_);
                break;
            }
            ++at_;  // the separator
            skipBlanks();
            if (at_ == text_.size()) fail("Falta la fórmula que sigue al punto.", at_ - 1);
        }
        if (!error_) checkTotals();
        if (error_) return *error_;
        return atoms_;
    }

private:
    // One part of a hydrate: an optional coefficient, then elements and groups.
    void part() {
        const std::size_t start = at_;
        const long long coefficient = number(1);
        if (error_) return;
        const std::size_t first = atoms_.size();
        sequence(0);
        if (error_) return;
        if (atoms_.size() == first) {
            if (at_ < text_.size() && isSeparator(text_[at_]))
                fail("Falta la fórmula antes del punto.", at_);
            else if (at_ == text_.size() || isCloser(text_[at_]))
                fail("Falta la fórmula tras el número.", start);
            return;
        }
        multiply(first, coefficient, start);
    }

    // Elements and groups up to the end, a separator or the closer.
    void sequence(char32_t closer) {
        while (!error_) {
            skipBlanks();
            if (at_ == text_.size()) return;
            const char32_t c = text_[at_];
            if (c == closer || isSeparator(c) || isCloser(c)) return;
            if (const char32_t inner = closerOf(c)) {
                group(inner);
            } else if (isUpper(c)) {
                symbol();
            } else if (isLower(c)) {
                fail(quoted(c) + " no empieza ningún símbolo: los símbolos empiezan por mayúscula.", at_);
            } else if (digitOf(c) >= 0) {
                fail("Un número sin elemento ni paréntesis delante.", at_);
            } else {
                fail(quoted(c) + " no puede estar en una fórmula.", at_);
            }
        }
    }

    void group(char32_t closer) {
        const std::size_t open = at_++;
        if (depth_ == kMaxDepth) {
            fail("Demasiados paréntesis unos dentro de otros (como mucho " + std::to_string(kMaxDepth) + ").", open);
            return;
        }
        const std::size_t first = atoms_.size();
        ++depth_;
        sequence(closer);
        --depth_;
        if (error_) return;
        if (at_ == text_.size()) {
            fail("Falta cerrar el paréntesis " + quoted(text_[open]) + ".", open);
            return;
        }
        if (text_[at_] != closer) {
            if (isSeparator(text_[at_])) fail("Un punto de hidrato dentro de un paréntesis.", at_);
            else fail(quoted(text_[at_]) + " no cierra el paréntesis " + quoted(text_[open]) + ".", at_);
            return;
        }
        if (atoms_.size() == first) {
            fail("Un paréntesis vacío.", open, at_ - open + 1);
            return;
        }
        ++at_;
        const std::size_t countAt = at_;
        const long long count = number(1);
        if (!error_) multiply(first, count, countAt);
    }

    void symbol() {
        const std::size_t start = at_;
        std::string name = text::utf8Of(text_[at_++]);
        if (at_ < text_.size() && isLower(text_[at_])) name += text::utf8Of(text_[at_++]);
        if (!elementBySymbol(name)) {
            fail("«" + name + "» no es el símbolo de ningún elemento.", start, at_ - start);
            return;
        }
        const long long count = number(1);
        if (error_) return;
        atoms_.push_back({name, static_cast<int>(count)});
        starts_.push_back(start);
    }

    // The atoms of one element added up over the whole formula stay within kMaxTotal; the
    // fault is placed at the symbol that passes it.
    void checkTotals() {
        std::vector<std::pair<std::string, long long>> totals;
        for (std::size_t i = 0; i < atoms_.size(); ++i) {
            auto total = std::find_if(totals.begin(), totals.end(),
                                      [&](const auto& t) { return t.first == atoms_[i].symbol; });
            if (total == totals.end()) total = totals.insert(totals.end(), {atoms_[i].symbol, 0});
            total->second += atoms_[i].count;
            if (total->second > kMaxTotal) {
                fail("Demasiados átomos de " + atoms_[i].symbol + ".", starts_[i], atoms_[i].symbol.size());
                return;
            }
        }
    }

    // The digits that stand here, or `absent` when there are none.
    long long number(long long absent) {
        const std::size_t start = at_;
        long long value = 0;
        while (at_ < text_.size() && digitOf(text_[at_]) >= 0) {
            value = value * 10 + digitOf(text_[at_]);
            ++at_;
            if (value > kMaxCount) {
                while (at_ < text_.size() && digitOf(text_[at_]) >= 0) ++at_;
                fail("Un número demasiado grande (como mucho 9999).", start, at_ - start);
                return 0;
            }
        }
        if (at_ == start) return absent;
        if (value == 0) fail("Un subíndice 0.", start, at_ - start);
        return value;
    }

    void multiply(std::size_t first, long long factor, std::size_t where) {
        for (std::size_t i = first; i < atoms_.size(); ++i) {
            const long long total = static_cast<long long>(atoms_[i].count) * factor;
            if (total > kMaxTotal) {
                fail("Demasiados átomos de " + atoms_[i].symbol + ".", where);
                return;
            }
            atoms_[i].count = static_cast<int>(total);
        }
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == U' ' || text_[at_] == U'\t')) ++at_;
    }

    FormulaError fail(std::string message, std::size_t index, std::size_t length = 1) {
        if (!error_) error_ = FormulaError{std::move(message), index + 1, length};
        return *error_;
    }

    std::vector<char32_t> text_;
    std::size_t at_ = 0;
    std::vector<FormulaAtom> atoms_;
    std::vector<std::size_t> starts_;  // where the symbol of each atom stands
    int depth_ = 0;                    // groups open around the current position
    std::optional<FormulaError> error_;
};

}  // namespace

std::variant<std::vector<FormulaAtom>, FormulaError> parseFormula(std::string_view typed) {
    return Parser(typed).run();
}

FormulaAnalysis analyseFormula(std::string_view typed) {
    FormulaAnalysis analysis;
    auto parsed = parseFormula(typed);
    if (auto* error = std::get_if<FormulaError>(&parsed)) {
        analysis.error = *error;
        return analysis;
    }
    const auto& atoms = std::get<std::vector<FormulaAtom>>(parsed);
    std::vector<std::string> distinct;
    for (const FormulaAtom& atom : atoms) {
        if (std::find(distinct.begin(), distinct.end(), atom.symbol) == distinct.end())
            distinct.push_back(atom.symbol);
    }
    if (distinct.size() > static_cast<std::size_t>(MolecularWeightCalculator::kMaxEntries)) {
        analysis.error = FormulaError{"La fórmula tiene más de 30 elementos distintos.", 1,
                                      text::codePoints(typed).size()};
        return analysis;
    }
    analysis.sum.start();
    for (const FormulaAtom& atom : atoms) {
        analysis.sum.add(atom.symbol, element(*elementBySymbol(atom.symbol)).weight, atom.count);
    }
    const double total = analysis.sum.runningMass();
    for (const auto& entry : analysis.sum.entries()) {
        const double mass = atomsMass(element(*elementBySymbol(entry.symbol)).weight, entry.count);
        const double percent = total > 0 ? mass / total * 100 : 0;
        analysis.composition.push_back({entry.symbol, entry.count, text::generalText(mass),
                                        text::formatPattern(percent, "0.00"), percent});
    }
    return analysis;
}

}  // namespace numeralia::chem
