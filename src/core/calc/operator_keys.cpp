// The operators: strict left-to-right evaluation with one accumulator and one pending
// operator; "=" ends the chain; "%" is unary.

#include <cmath>

#include "core/calc/calculator_model.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

bool isOperator(std::string_view op) {
    return op == "+" || op == "--" || op == "x" || op == "/" || op == "x^y";
}

}  // namespace

// accumulator (op) main display; CalcFailure for division by zero, overflow, a negative
// base with a fractional exponent and any text that is not a number.
double CalculatorModel::binaryOperation(std::string_view op) const {
    const double a = state_.accumulator ? readNumber(*state_.accumulator) : 0.0;
    const double b = displayValue();
    double r = 0;
    if (op == "+") {
        r = a + b;
    } else if (op == "--") {
        r = a - b;
    } else if (op == "x") {
        r = a * b;
    } else if (op == "/") {
        if (b == 0) throw CalcFailure{};
        r = a / b;
    } else {
        if (a < 0 && b != std::floor(b)) throw CalcFailure{};
        if (a == 0 && b < 0) throw CalcFailure{};
        r = std::pow(a, b);
    }
    return checked(r);
}

void CalculatorModel::arithmetic(std::string_view op) {
    resetErrorMessage();
    bool stored = true;
    if (isOperator(state_.pendingOperator)) {
        const Outcome outcome = trap([&] {
            state_.result = text::generalText(binaryOperation(state_.pendingOperator));
            state_.accumulator = state_.result;
            setDisplay(state_.result);
            formatDisplay();
        });
        stored = outcome == Outcome::Done;
    } else {
        state_.accumulator = state_.numero;
        setDisplay("0");
    }
    // After a failure the operator is not stored: the pending operator stays empty.
    if (stored) state_.pendingOperator = std::string(op);
    state_.func = state_.pendingOperator;
    recordHistory();
    state_.entryFlag = 0;
}

void CalculatorModel::power() {
    if (state_.pendingOperator == "x^y") {
        trap([&] {
            const std::string r = text::generalText(binaryOperation("x^y"));
            state_.result = r;
            state_.accumulator = r;
            setDisplay(r);
        });
    } else {
        state_.accumulator = state_.numero;
        setDisplay("0");
        state_.pendingOperator = "x^y";
    }
    state_.func = state_.pendingOperator;
    recordHistory();
    state_.entryFlag = 0;
}

void CalculatorModel::equals() {
    // The info line survives only when it holds a plain negative whole number.
    const auto lead = text::leadingNumber(state_.result);
    if (!lead || text::signBlankText(*lead, '.') != state_.result) state_.result = "0";
    if (text::leadingNumber(state_.result).value_or(0) == 0) state_.result = state_.numero;
    resetErrorMessage();
    if (isOperator(state_.pendingOperator)) {
        const Outcome outcome = trap(
            [&] { state_.result = text::generalText(binaryOperation(state_.pendingOperator)); });
        if (outcome != Outcome::Done) return;
    }
    state_.func = "=";
    recordHistory();
    setDisplay(state_.result);
    state_.entryFlag = 0;
    formatDisplay();
    state_.pendingOperator.clear();
}

void CalculatorModel::percent() {
    state_.func = "%";
    recordHistory();
    trap([&] { showResult(displayValue() / 100); });
}

}  // namespace numeralia::calc
