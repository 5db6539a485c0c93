// The function keys of the Scientific model: trigonometric and hyperbolic functions,
// logarithms, powers and roots, integer and fractional parts, factorial, π and 2π, "rand"
// and the sixteen constant keys.

#include <cmath>
#include <utility>

#include "core/calc/calculator_model.h"
#include "core/calc/constants.h"
#include "core/calc/key_catalog.h"
#include "core/calc/random_source.h"
#include "core/calc/scientific_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

constexpr std::string_view kHyperbolicFlag = "H";

// What "pi" and the constant keys share: label, history recorder, the value as general
// text into the main display, entry flag 0. No error trap, no display formatting step, the
// info line untouched: the value always shows all its digits.
void showConstant(CalculatorModel& m, const std::string& label, double value) {
    CalculatorState& s = m.mutableState();
    s.func = label;
    m.recordHistory();
    m.setDisplay(text::generalText(value));
    s.entryFlag = 0;
}

}  // namespace

double valueOrThrow(const MathResult& r) {
    if (r.isReported()) throw ReportedError{r.message};
    if (r.isFailed()) throw CalcFailure{};
    return r.value;
}

void functionKey(CalculatorModel& m, Function f) {
    CalculatorState& s = m.mutableState();
    const bool hyperbolic = isTrigonometric(f) && s.hyperbolic == kHyperbolicFlag;
    const AngleMode mode = angleModeFromText(s.angulo).value_or(AngleMode::Deg);
    // The arc cosine and arc tangent clear the flag on every exit, even when the display
    // cannot be read; the others only once they computed a hyperbolic value.
    bool clearsFlag = hyperbolic && (f == Function::Acos || f == Function::Atan);
    const auto record = recordsAfterResult(f) ? CalculatorModel::RecordAt::Result
                                              : CalculatorModel::RecordAt::Start;
    m.functionFrame(
        functionLabel(f, hyperbolic),
        [&](double x) {
            const FunctionResult r = evaluateFunction(f, x, mode, hyperbolic);
            clearsFlag = clearsFlag || r.clearsHyperbolic;
            return valueOrThrow(r.outcome);
        },
        record);
    if (clearsFlag) s.hyperbolic.clear();
}

void hyperbolicKey(CalculatorModel& m) {
    m.mutableState().hyperbolic = kHyperbolicFlag;
    m.focusEquals();
}

void piKey(CalculatorModel& m, double turns, const char* label) {
    showConstant(m, label, turns * 4.0 * std::atan(1.0));
}

void randomKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    s.func = "rand";
    m.recordHistory();
    s.result = text::singleText(singlePrecisionUnit(m.randomSource().draw()));
    m.setDisplay(s.result);
    m.formatDisplay();
}

void constantKey(CalculatorModel& m, std::string_view symbol) {
    if (const PhysicalConstant* c = findConstant(symbol)) showConstant(m, c->label, c->value);
}

std::string_view shownCaption(KeyId id) { return shownCaption(CalculatorKind::Scientific, id); }

std::string_view shownCaption(CalculatorKind kind, KeyId id) {
    // Captions drawn in the Symbol typeface, by their characters, and the glyphs they show.
    static constexpr std::pair<std::string_view, std::string_view> glyphs[] = {
        {"p", "π"},
        {"2 p", "2π"},
        {"Â¥", "ℜ∞"},
        {"S x", "Σ x"},
        {"S y", "Σ y"},
        {"S xy", "Σ xy"},
        {"S x²", "Σ x²"},
        {"S y²", "Σ y²"},
        {"D x n", "σ x n"},
        {"D x n-1", "σ x n-1"},
        {"D y n", "σ y n"},
        {"D y n-1", "σ y n-1"},
        {"D X n", "σ X n"},
    };
    const std::string_view caption = keyCaption(kind, id);
    for (const auto& [symbolText, glyph] : glyphs) {
        if (caption == symbolText) return glyph;
    }
    return caption;
}

}  // namespace numeralia::calc
