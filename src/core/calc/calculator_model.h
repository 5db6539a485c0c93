#pragma once
// The calculator: one model serves both calculator windows. What differs between the
// Scientific and the Normal model is data (CalculatorKind: which keys exist), not code.
//
// A key is a parameterless action on the window's state (CalculatorState); press(KeyId)
// finds it in the key catalog. Key actions are members, so the key files of every group
// share the hidden routines below: display-change step, display formatting step,
// all-clear step, calculation failure path, history recorder, history append and the
// function frame.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/calculator_kind.h"
#include "core/calc/calculator_state.h"
#include "core/calc/key_id.h"
#include "core/calc/random_source.h"
#include "core/calc/solver_dialogs.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::calc {

// Thrown inside a key's error trap: the computation failed (division by zero, overflow, a
// text that is not a number, an invalid power). The trap takes the calculation failure path.
struct CalcFailure {};

// Thrown inside a key's error trap by a check of the key: message begins with "Error: ".
struct ReportedError {
    std::string message;
};

class CalculatorModel {
  public:
    CalculatorModel(SharedState& shared, SoundPlayer& sounds,
                    CalculatorKind kind = CalculatorKind::Scientific);

    const CalculatorState& state() const { return state_; }
    CalculatorKind kind() const { return kind_; }
    const SharedState& shared() const { return shared_; }
    bool hasKey(KeyId id) const;
    // Whether the key can be pressed now: the model has it and the number mode allows it
    // (base_keys.cpp). A disabled key does nothing, from the keyboard too.
    bool isEnabled(KeyId id) const;

    // A click on a key. Keys the model does not have do nothing.
    void press(KeyId id);
    // The same key pressed from the keyboard: a digit typed this way leaves the focus where
    // it is; every other key behaves exactly as a click.
    void typeKey(KeyId id);
    // Picking an entry of the key history list.
    void selectHistoryEntry(std::size_t index);
    // A number pasted from the clipboard goes into the main display as if it had been typed
    // (entry flag 1, display-change step); in hexadecimal mode only hexadecimal digits are
    // taken. Any other text changes nothing but the info line (kPasteRefused), without sound.
    // Copying needs nothing from the model: it takes the texts on show.
    void paste(std::string_view clipboard);

    // True when the last key wants the keyboard focus on "=" (so that Enter presses "=").
    bool focusToEquals() const { return focusToEquals_; }

    // ---- Key actions (the key catalog points at these) ----
    // Number entry and display (entry_keys.cpp)
    void digit(int d);  // 0 to 9; 10 to 15 are the hexadecimal letters A to F
    void decimalPoint();
    void changeSign();
    void exponent();
    void clearEntry();
    void allClear();
    void correction();
    void exponentialView();
    void setDecimals();
    void music();

    // Operators (operator_keys.cpp)
    void arithmetic(std::string_view op);  // "+", "--", "x", "/"
    void power();
    void equals();
    void percent();

    // Memories, transit memories, key history (memory_keys.cpp); n is 1 to 4 (1 to 3).
    void memoryAdd(int n);
    void memoryRecall(int n);
    void memoryClear(int n);
    void transit(int n);
    void historyToggle();
    void historyClear();

    // VAT and currency (vat_keys.cpp)
    void vatAmount();    // "IVA"
    void vatAdd();       // "+IVA"
    void vatRemove();    // "--IVA"
    void vatSetRate();   // "d.IVA"
    void currencyTo2();  // currency 1 to currency 2
    void currencyTo1();  // currency 2 to currency 1

    // ---- Hidden routines the keys share ----
    // Where a function key runs the history recorder.
    enum class RecordAt { Start, Result };
    // How a key's computation ended.
    enum class Outcome { Done, Reported, Failed };
    // How the function frame of the last key ended (Done when the key ran no frame).
    Outcome lastFrameOutcome() const { return lastFrameOutcome_; }

    // The frame of a one-argument function key: label, history recorder, read the main
    // display, compute inside the error trap, result to the info line and the main display,
    // display formatting step, entry flag 0. compute may throw ReportedError{"Error: ..."}
    // for a domain error it tests (error kind 2, its message stays in the info line) or
    // CalcFailure; a non-finite result is a calculation failure. With RecordAt::Result the
    // recorder runs only once a result exists (not on the error paths).
    Outcome functionFrame(std::string label, const std::function<double(double)>& compute,
                          RecordAt record = RecordAt::Start);
    // Where a result key writes its result.
    enum class ShowIn { InfoLineAndDisplay, DisplayOnly };
    // The same frame for a key whose computation reads what it needs itself (the statistics
    // keys read the lists, not the main display); with ShowIn::DisplayOnly the info line
    // keeps its text.
    Outcome resultFrame(std::string label, const std::function<double()>& compute,
                        RecordAt record = RecordAt::Start,
                        ShowIn show = ShowIn::InfoLineAndDisplay);

    // Runs body inside the error trap: CalcFailure takes the calculation failure path,
    // ReportedError the reported-error path (message in the info line, main display "0",
    // error kind 2, all-clear step).
    template <class Body>
    Outcome trap(Body&& body) {
        try {
            body();
            return Outcome::Done;
        } catch (const ReportedError& error) {
            reportedErrorPath(error.message);
            return Outcome::Reported;
        } catch (const CalcFailure&) {
            failurePath();
            return Outcome::Failed;
        }
    }

    // Display-change step: the main display takes text; when the text changes, a number
    // beyond the double range fails, a shown error is cleared and the text is logged.
    // Writing the text the display already holds changes nothing.
    void setDisplay(const std::string& text);
    // The user's own entry into the main display (a digit, "C"): the display-change step,
    // and a shown error is cleared even when the text stays the same ("0" typed on the "0"
    // an error left behind).
    void typeIntoDisplay(const std::string& text);
    // A shown error (error kind 3) goes: normal picture, info line "0", error kind 0.
    void clearShownError();
    // Display formatting step with the display pattern chosen by "SET".
    void formatDisplay();
    // Calculation failure path: main display "0", error kind 1, all-clear step.
    void failurePath();
    // A key's own error: message in the info line, main display "0", error kind 2, all-clear.
    void reportedErrorPath(const std::string& message);
    // An info line that begins with "Err" becomes "0" (digits, ".", "±", operators).
    void resetErrorMessage();
    // History recorder: logs the function label (indented, "TOTAL" for "=").
    void recordHistory();
    // History append with the 500-entry rule.
    void appendHistory(const std::string& entry);
    // The result r as general number text into the info line, then into the main display.
    void showResult(double r);

    // The value of a display text (main display, accumulator, memory box). Throws
    // CalcFailure for a text that is not a number.
    static double readNumber(std::string_view text);
    double displayValue() const { return readNumber(state_.numero); }
    // r itself, or CalcFailure when it is not a finite number.
    static double checked(double r);
    // The keyboard focus goes to "=" after this key.
    void focusEquals() { focusToEquals_ = true; }
    // The error sound and the cue sound, when the sounds are on.
    void playErrorSound();
    void playCueSound();

    CalculatorState& mutableState() { return state_; }
    // The generator of "rand": reseeded from the clock, unless a test hands its own.
    void setRandomSource(RandomSource& source) { random_ = &source; }
    RandomSource& randomSource() { return random_ ? *random_ : clockRandom_; }
    // What "S.Ec" and "Tem" ask of the user; without it every question is cancelled.
    void setSolverDialogs(SolverDialogs& dialogs) { solverDialogs_ = &dialogs; }
    SolverDialogs& solverDialogs() { return solverDialogs_ ? *solverDialogs_ : noDialogs_; }
    SharedState& sharedState() { return shared_; }

  private:
    void open();
    double binaryOperation(std::string_view op) const;

    SharedState& shared_;
    SoundPlayer& sounds_;
    CalculatorKind kind_;
    CalculatorState state_;
    std::vector<std::string> retiredHistory_;  // the last full key history, being freed
    bool focusToEquals_ = false;
    Outcome lastFrameOutcome_ = Outcome::Done;
    ClockRandomSource clockRandom_;
    RandomSource* random_ = nullptr;
    NoSolverDialogs noDialogs_;
    SolverDialogs* solverDialogs_ = nullptr;
};

}  // namespace numeralia::calc
