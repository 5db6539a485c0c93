#include "core/calc/calculator_model.h"

#include <cmath>

#include "core/calc/key_catalog.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/vat_currency.h"
#include "core/shell/sounds.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

bool hasDigit(std::string_view text) {
    for (char c : text) {
        if (c >= '0' && c <= '9') return true;
    }
    return false;
}

}  // namespace

CalculatorModel::CalculatorModel(SharedState& shared, SoundPlayer& sounds, CalculatorKind kind)
    : shared_(shared), sounds_(sounds), kind_(kind) {
    open();
}

void CalculatorModel::open() {
    state_ = CalculatorState{};
    shared_.calculatorModel = std::string(modelName(kind_));
    const double memories[] = {shared_.memory1, shared_.memory2, shared_.memory3, shared_.memory4};
    for (int i = 0; i < 4; ++i) state_.memories[i] = text::generalText(memories[i]);

    vat::applyDefaultRate(shared_.vatRate);
    state_.ivas = vat::rateDisplayText(shared_.vatRate);
    // The lists outlive the window: its sums and data displays start from them.
    if (kind_ == CalculatorKind::Scientific) rebuildStatistics(state_.statistics, shared_);
}

bool CalculatorModel::hasKey(KeyId id) const { return kindHasKey(kind_, id); }

void CalculatorModel::press(KeyId id) {
    focusToEquals_ = false;
    lastFrameOutcome_ = Outcome::Done;
    if (!isEnabled(id)) return;
    keyInfo(id).action(*this);
    // Every key of the calculator hands the focus back to "=" (Enter presses "="), except
    // "¬" in the Normal model: there it leaves the focus where it is.
    focusToEquals_ = !(kind_ == CalculatorKind::Normal && id == KeyId::correction);
}

void CalculatorModel::typeKey(KeyId id) {
    const bool digitKey = id >= KeyId::digit0 && id <= KeyId::digit9;
    press(id);
    if (digitKey) focusToEquals_ = false;
}

void CalculatorModel::selectHistoryEntry(std::size_t index) {
    focusToEquals_ = false;
    if (index >= state_.history.size()) return;
    const std::string entry = state_.history[index];
    setDisplay(entry);
    state_.historyVisible = false;
    focusToEquals_ = true;
}

// ---- Hidden routines ----

double CalculatorModel::readNumber(std::string_view text) {
    if (const auto value = text::parseNumber(text)) return *value;
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    if (t.starts_with("&h") || t.starts_with("&H")) {
        if (const auto value = text::leadingNumber(t)) return *value;
        throw CalcFailure{};
    }
    // A display left ending in "E" or "E-" by "EXP" and "±" reads with exponent 0.
    for (std::string_view mark : {"E", "E-", "E+", "e", "e-", "e+"}) {
        if (t.size() > mark.size() && t.ends_with(mark)) {
            if (const auto value = text::parseNumber(t.substr(0, t.size() - mark.size())))
                return *value;
        }
    }
    // A recalled label of the key history holds no digit at all: it reads as 0.
    if (!hasDigit(t)) return 0.0;
    throw CalcFailure{};
}

double CalculatorModel::checked(double r) {
    if (!std::isfinite(r)) throw CalcFailure{};
    return r == 0.0 ? 0.0 : r;  // never show "-0"
}

void CalculatorModel::setDisplay(const std::string& text) {
    // Only a change of the text counts: writing the "0" an error left behind leaves the
    // error on show (the formatting step after an error path does exactly that).
    if (text == state_.numero) return;
    state_.numero = text;
    if (!text::leadingNumber(state_.numero)) {
        failurePath();
        return;
    }
    clearShownError();
    if (!(state_.numero == "0" && state_.result != "0")) {
        appendHistory(state_.numero);
        state_.historyText = state_.numero;
    }
}

void CalculatorModel::typeIntoDisplay(const std::string& text) {
    if (text == state_.numero) {
        clearShownError();
    } else {
        setDisplay(text);  // a change clears a shown error itself, or fails
    }
}

void CalculatorModel::clearShownError() {
    if (state_.errorKind != kErrorShown) return;
    state_.picture = ErrorPicture::Normal;
    state_.result = "0";
    state_.errorKind = kNoError;
}

void CalculatorModel::formatDisplay() {
    focusToEquals_ = true;
    const std::string& pattern = state_.displayPattern;
    if (pattern == kGeneralNumber) return;
    double x = 0;
    try {
        x = displayValue();
    } catch (const CalcFailure&) {
        failurePath();
        return;
    }
    const double magnitude = std::fabs(x);
    if (x == 0) {
        setDisplay("0");
    } else if (magnitude > 10000) {
        setDisplay(text::formatPattern(x, pattern + "E+###"));
    } else if (magnitude >= 0.00001) {
        const std::string fixed = text::formatPattern(x, pattern);
        const auto value = text::parseNumber(fixed);
        setDisplay(value ? text::generalText(*value) : fixed);
    } else {
        setDisplay(text::formatPattern(x, pattern + "E-###"));
    }
}

void CalculatorModel::failurePath() {
    setDisplay("0");
    state_.errorKind = kCriticalError;
    allClear();
}

void CalculatorModel::reportedErrorPath(const std::string& message) {
    // The message and the error kind come first, so the display change to "0" neither
    // logs that "0" nor clears the message.
    state_.result = message;
    state_.errorKind = kReportedError;
    setDisplay("0");
    allClear();
}

void CalculatorModel::resetErrorMessage() {
    if (state_.result.starts_with("Err")) state_.result = "0";
}

void CalculatorModel::recordHistory() {
    const std::string& label = state_.func;
    if (label != kClearLabel && state_.result.starts_with("Err")) {
        state_.picture = ErrorPicture::Normal;
        state_.result = "0";
        state_.errorKind = kNoError;
    }
    std::string entry;
    if (label == "=") {
        entry = "             TOTAL " + label;
    } else if (label.starts_with("***")) {
        entry = label;
    } else {
        entry = std::string(18, ' ') + label;
    }
    appendHistory(entry);
    state_.historyText = label;
    focusToEquals_ = true;
}

void CalculatorModel::appendHistory(const std::string& entry) {
    auto& history = state_.history;
    if (history.size() >= kHistoryLimit) {
        // The full list is set aside and freed a few entries per key, so that no single key
        // pays for freeing 500 texts; its storage then serves the next list.
        retiredHistory_.clear();
        retiredHistory_.swap(history);
    } else {
        for (int i = 0; i < 4 && !retiredHistory_.empty(); ++i) retiredHistory_.pop_back();
    }
    history.push_back(entry);
}

void CalculatorModel::showResult(double r) {
    state_.result = text::generalText(checked(r));
    setDisplay(state_.result);
}

CalculatorModel::Outcome CalculatorModel::functionFrame(
    std::string label, const std::function<double(double)>& compute, RecordAt record) {
    return resultFrame(std::move(label), [&] { return compute(displayValue()); }, record);
}

CalculatorModel::Outcome CalculatorModel::resultFrame(std::string label,
                                                      const std::function<double()>& compute,
                                                      RecordAt record, ShowIn show) {
    state_.func = std::move(label);
    if (record == RecordAt::Start) recordHistory();
    lastFrameOutcome_ = trap([&] {
        const std::string text = text::generalText(checked(compute()));
        if (show == ShowIn::InfoLineAndDisplay) state_.result = text;
        if (record == RecordAt::Result) recordHistory();
        setDisplay(text);
    });
    formatDisplay();
    state_.entryFlag = 0;
    return lastFrameOutcome_;
}

void CalculatorModel::playErrorSound() { playWave(shared_, sounds_, kErrorSound, true); }

void CalculatorModel::playCueSound() { numeralia::playCueSound(shared_, sounds_); }

}  // namespace numeralia::calc
