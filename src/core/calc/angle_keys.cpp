// The angle keys of the Scientific model: the three mode keys, the three conversion keys,
// degrees-minutes-seconds ("gms", "#", "g") and the reduction to the first turn ("red").

#include "core/calc/calculator_model.h"
#include "core/calc/scientific_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

AngleMode currentMode(const CalculatorState& s) {
    return angleModeFromText(s.angulo).value_or(AngleMode::Deg);
}

// The conversion key of the unit as a whole; returns how its computation ended.
CalculatorModel::Outcome convert(CalculatorModel& m, AngleMode unit) {
    CalculatorState& s = m.mutableState();
    const AngleMode from = currentMode(s);
    const std::string label(angleModeText(unit));
    if (from == unit) {
        // Nothing is computed: both displays stay as they are.
        s.func = label;
        m.recordHistory();
        m.formatDisplay();
        s.entryFlag = 0;
        return CalculatorModel::Outcome::Done;
    }
    return m.functionFrame(label,
                           [&](double x) { return valueOrThrow(*convertAngle(x, from, unit)); });
}

// Text typed for degrees, minutes and seconds: decimal numbers, possibly with an exponent,
// joined by "#".
bool isDecimalFieldText(std::string_view t) {
    if (t.starts_with('-')) t.remove_prefix(1);
    if (t.empty() || t.front() < '0' || t.front() > '9') return false;
    return t.find_first_not_of("0123456789,#E+-") == std::string_view::npos;
}

}  // namespace

void angleModeKey(CalculatorModel& m, AngleMode mode) {
    m.mutableState().angulo = std::string(angleModeText(mode));
    m.focusEquals();
}

void angleConversionKey(CalculatorModel& m, AngleMode unit) { convert(m, unit); }

void degreesMinutesSecondsKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    s.func = "gms";
    m.recordHistory();
    // The number is first brought to degrees by the "deg" conversion key, label included.
    // When that conversion fails its error stays on show.
    if (convert(m, AngleMode::Deg) != CalculatorModel::Outcome::Done) return;
    const auto outcome = m.trap([&] {
        s.result = degreesMinutesSecondsText(m.displayValue());
        s.angulo = std::string(angleModeText(AngleMode::Deg));
        m.appendHistory(s.result);
        s.historyText = s.result;
    });
    if (outcome == CalculatorModel::Outcome::Done)
        m.formatDisplay();  // the display keeps the degrees
    s.entryFlag = 0;
}

void fieldSeparatorKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    // Degrees are decimal: a typed hexadecimal number, or the digits of a "HEX" result
    // brought back by "¬" and typed on, take no separator.
    if (s.entryFlag == 1 && s.numero != "0" && isDecimalFieldText(s.numero)) {
        if (s.result.starts_with("Err")) s.result = "0";
        m.setDisplay(s.numero + "#");
    }
    m.focusEquals();
}

void degreesFromFieldsKey(CalculatorModel& m) {
    CalculatorState& s = m.mutableState();
    const std::string typed = s.numero;
    s.func = "Gr";
    m.recordHistory();
    m.trap([&] {
        const double degrees = valueOrThrow(degreesFromFields(typed));
        s.angulo = std::string(angleModeText(AngleMode::Deg));
        m.showResult(degrees);
    });
    m.formatDisplay();
    s.entryFlag = 0;
}

void reduceAngleKey(CalculatorModel& m) {
    m.functionFrame("red", [](double x) { return valueOrThrow(reduceAngle(x)); });
}

}  // namespace numeralia::calc
