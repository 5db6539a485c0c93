#pragma once
// The Bank operations window: an entry field typed on the keypad or the keyboard, inputs
// assigned from it with labelled keys, a choice of years or months for the term, and a
// calculation per operation (loan, fixed-term deposit, savings plan) that fills three result
// fields, a month-by-month table and the transit memories R1 to R3.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/bank/bank_operations.h"
#include "core/bank/schedules.h"
#include "core/shell/platform.h"
#include "core/shell/shared_state.h"

namespace numeralia::bank {

// The longest term the window computes: 100 years.
inline constexpr int kMaxMonths = 1200;

class BankModel {
  public:
    BankModel(SharedState& state, SoundPlayer& sounds, Dialogs& dialogs);

    // What the window shows.
    const std::string& entry() const { return entry_; }
    const std::string& capital() const { return capital_; }
    const std::string& rate() const { return rate_; }
    const std::string& term() const { return term_; }
    const std::string& contribution() const { return contribution_; }
    const std::string& increase() const { return increase_; }
    const std::array<std::string, 3>& results() const { return results_; }
    const std::array<std::string, 3>& resultCaptions() const {
        return textsOf(operation_).resultCaptions;
    }
    const std::array<std::string, 5>& columnTitles() const {
        return textsOf(operation_).columnTitles;
    }
    std::string caption() const;
    Operation operation() const { return operation_; }
    bool termInMonths() const { return termInMonths_; }
    // The keys "Aport. Mensual" and "Incr. Anual (%)" and their fields (savings plans only).
    bool savingsFieldsEnabled() const { return operation_ == Operation::Savings; }
    // The status-bar sound indicator, checked each time the window becomes active.
    bool soundIndicatorVisible() const { return state_.soundOn == 1; }

    // The table: one row per month, five columns; texts are written when asked for, so a
    // long table costs nothing until it is shown.
    std::size_t rowCount() const { return rows_.size(); }
    std::string cellText(std::size_t row, int column) const;
    const std::vector<ScheduleRow>& rows() const { return rows_; }
    // Rows of the table as text for a spreadsheet: a line of column titles, then one line
    // per row (in the order given; rows beyond the table are skipped), cells as shown,
    // separated by tabs; every line ends in a line break.
    std::string rowsText(const std::vector<std::size_t>& rows) const;
    std::string tableText() const;
    // Changes whenever the table or its column titles may have changed.
    unsigned tableRevision() const { return tableRevision_; }

    // After a calculation: the inputs it used (caption, value) and how payments were timed,
    // for the printed page. Empty while there are no results.
    const std::vector<std::pair<std::string, std::string>>& calculatedInputs() const {
        return calculatedInputs_;
    }
    bool hasResults() const { return !calculatedInputs_.empty(); }

    // Keypad.
    void pressDigit(int digit);
    void pressPoint();
    void pressClear();
    void assignCapital();       // "Capital  Base", F1
    void assignRate();          // "Interés (%)", F2
    void assignTerm();          // "Tiempo", F3
    void assignContribution();  // "Aport. Mensual", F4 (savings plans only)
    void assignIncrease();      // "Incr. Anual (%)", F5 (savings plans only)
    void calculate();           // "Calcular", F12
    void chooseYears();
    void chooseMonths();

    // Menu "Tipo Operación".
    void loanMode();
    void depositMode();
    void savingsMode();

    // Keyboard: digits, "." and "," and "C"/"c" typed; F1 to F5 and F12. Returns false for a
    // key the window ignores.
    bool typeCharacter(char c);
    bool pressFunctionKey(int number);

  private:
    void assignTo(std::string& field);
    void enterMode(Operation operation);
    void clearResults();
    bool calculateLoan(std::vector<std::string>& problems);
    bool calculateDeposit(std::vector<std::string>& problems);
    bool calculateSavings(std::vector<std::string>& problems);
    Timing askTiming();
    void publish(const std::array<double, 3>& transit, const std::array<std::string, 3>& shown);
    // Deposits and savings plans: results and R1 to R3 to the cent.
    bool publishInCents(const std::array<double, 3>& amounts, std::vector<ScheduleRow>& rows,
                        Timing timing, std::vector<std::string>& problems);
    void rememberInputs(bool withSavings, const std::string& timing);

    SharedState& state_;
    SoundPlayer& sounds_;
    Dialogs& dialogs_;

    Operation operation_ = Operation::Loan;
    bool termInMonths_ = false;
    std::string entry_ = "0";
    std::string capital_, rate_, term_, contribution_, increase_;
    std::array<std::string, 3> results_;
    std::vector<ScheduleRow> rows_;
    unsigned tableRevision_ = 0;
    std::vector<std::pair<std::string, std::string>> calculatedInputs_;
};

}  // namespace numeralia::bank
