// Memories M1 to M4, transit memories R1 to R3 and the key history keys.

#include "core/calc/calculator_model.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

double& memoryVariable(SharedState& shared, int n) {
    switch (n) {
        case 1:
            return shared.memory1;
        case 2:
            return shared.memory2;
        case 3:
            return shared.memory3;
        default:
            return shared.memory4;
    }
}

double transitValue(const SharedState& shared, int n) {
    switch (n) {
        case 1:
            return shared.transitValue1;
        case 2:
            return shared.transitValue2;
        default:
            return shared.transitValue3;
    }
}

}  // namespace

void CalculatorModel::memoryAdd(int n) {
    std::string& box = state_.memories[static_cast<std::size_t>(n - 1)];
    trap([&] {
        const double x = displayValue();
        box = text::generalText(checked(x + readNumber(box)));
        if (x == 0) box = "0";  // adding 0 clears the memory
        memoryVariable(shared_, n) = readNumber(box);
    });
    focusEquals();
    state_.entryFlag = 0;
}

void CalculatorModel::memoryRecall(int n) {
    const std::string& box = state_.memories[static_cast<std::size_t>(n - 1)];
    trap([&] { setDisplay(text::generalText(readNumber(box))); });
    state_.entryFlag = 0;
    focusEquals();
}

void CalculatorModel::memoryClear(int n) {
    state_.memories[static_cast<std::size_t>(n - 1)] = "0";
    memoryVariable(shared_, n) = 0;
    focusEquals();
}

void CalculatorModel::transit(int n) {
    state_.func = "R" + std::to_string(n);
    recordHistory();
    trap([&] { showResult(transitValue(shared_, n)); });
    state_.entryFlag = 0;
}

void CalculatorModel::historyToggle() {
    state_.historyVisible = !state_.historyVisible;
    focusEquals();
}

void CalculatorModel::historyClear() {
    state_.history.clear();
    focusEquals();
}

}  // namespace numeralia::calc
