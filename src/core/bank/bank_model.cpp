#include "core/bank/bank_model.h"

#include <cmath>

#include "core/bank/bank_inputs.h"
#include "core/shell/sounds.h"
#include "core/text/number_text.h"

namespace numeralia::bank {

namespace {

constexpr const char* kWholePattern = "###,###,##0";
constexpr const char* kCentsPattern = "###,###,##0.00";

// Amounts from this size on cannot be shown to the cent; the window refuses them.
constexpr double kLargestAmount = 1e15;

bool usable(double x) { return std::isfinite(x) && std::fabs(x) < kLargestAmount; }

bool usableTable(const std::vector<ScheduleRow>& rows) {
    if (rows.empty()) return true;
    for (double amount : rows.back().amounts) {
        if (!usable(amount)) return false;
    }
    return true;
}

std::string tooLargeProblem() {
    return "\xE2\x80\xA2 Los importes resultantes son demasiado grandes: revise el capital, "
           "el interés y el tiempo.";
}

}  // namespace

BankModel::BankModel(SharedState& state, SoundPlayer& sounds, Dialogs& dialogs)
    : state_(state), sounds_(sounds), dialogs_(dialogs) {
    loanMode();
}

std::string BankModel::caption() const { return kBaseCaption + textsOf(operation_).captionSuffix; }

std::string BankModel::cellText(std::size_t row, int column) const {
    if (row >= rows_.size() || column < 0 || column > 4) return {};
    const ScheduleRow& r = rows_[row];
    if (column == 0) return text::generalText(r.month);
    return text::formatPattern(r.amounts[static_cast<std::size_t>(column - 1)], kCentsPattern);
}

std::string BankModel::rowsText(const std::vector<std::size_t>& rows) const {
    std::string out;
    const auto line = [&out](auto cell) {
        for (int column = 0; column < 5; ++column) {
            if (column > 0) out += '\t';
            out += cell(column);
        }
        out += '\n';
    };
    line([this](int column) { return columnTitles()[static_cast<std::size_t>(column)]; });
    for (std::size_t row : rows) {
        if (row < rows_.size()) line([this, row](int column) { return cellText(row, column); });
    }
    return out;
}

std::string BankModel::tableText() const {
    std::vector<std::size_t> all(rows_.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    return rowsText(all);
}

// ---- keypad ----

void BankModel::pressDigit(int digit) {
    if (digit < 0 || digit > 9) return;
    const char c = static_cast<char>('0' + digit);
    if (entry_ == "Error") entry_ = "0";
    if (entry_ == "0")
        entry_ = std::string(1, c);
    else
        entry_ += c;
}

void BankModel::pressPoint() {
    if (entry_ == "Error") {
        entry_ = "0";
        return;
    }
    if (entry_.find('.') == std::string::npos) entry_ += '.';
}

void BankModel::pressClear() {
    entry_ = "0";
    capital_.clear();
    rate_.clear();
    term_.clear();
    contribution_.clear();
    increase_.clear();
    clearResults();
}

void BankModel::clearResults() {
    for (std::string& result : results_) result.clear();
    rows_.clear();
    rows_.shrink_to_fit();
    calculatedInputs_.clear();
    ++tableRevision_;
}

void BankModel::assignTo(std::string& field) {
    const std::optional<double> value = readEntry(entry_);
    if (!value) {
        pressClear();
        return;
    }
    field = text::generalText(*value);
    entry_ = "0";
}

void BankModel::assignCapital() { assignTo(capital_); }
void BankModel::assignRate() { assignTo(rate_); }
void BankModel::assignTerm() { assignTo(term_); }

void BankModel::assignContribution() {
    if (savingsFieldsEnabled()) assignTo(contribution_);
}

void BankModel::assignIncrease() {
    if (savingsFieldsEnabled()) assignTo(increase_);
}

void BankModel::chooseYears() { termInMonths_ = false; }
void BankModel::chooseMonths() { termInMonths_ = true; }

// ---- operations ----

void BankModel::enterMode(Operation operation) {
    pressClear();
    operation_ = operation;
}

void BankModel::loanMode() { enterMode(Operation::Loan); }
void BankModel::depositMode() { enterMode(Operation::Deposit); }
void BankModel::savingsMode() { enterMode(Operation::Savings); }

bool BankModel::typeCharacter(char c) {
    if (c >= '0' && c <= '9')
        pressDigit(c - '0');
    else if (c == '.' || c == ',')
        pressPoint();
    else if (c == 'C' || c == 'c')
        pressClear();
    else
        return false;
    return true;
}

bool BankModel::pressFunctionKey(int number) {
    switch (number) {
        case 1:
            assignCapital();
            return true;
        case 2:
            assignRate();
            return true;
        case 3:
            assignTerm();
            return true;
        case 4:
            assignContribution();
            return true;
        case 5:
            assignIncrease();
            return true;
        case 12:
            calculate();
            return true;
        default:
            return false;
    }
}

void BankModel::calculate() {
    // A calculation replaces what an earlier one showed; when it cannot be made, nothing of
    // the earlier one stays beside the new inputs, and the transit memories are kept.
    clearResults();
    std::vector<std::string> problems;
    bool done = false;
    switch (operation_) {
        case Operation::Loan:
            done = calculateLoan(problems);
            break;
        case Operation::Deposit:
            done = calculateDeposit(problems);
            break;
        case Operation::Savings:
            done = calculateSavings(problems);
            break;
    }
    if (!done) {
        clearResults();
        if (!problems.empty())
            dialogs_.inform(kMessageTitle, problemsMessage(problems, savingsFieldsEnabled()));
        return;
    }
    ++tableRevision_;
    entry_ = "0";
    playCueSound(state_, sounds_);
}

Timing BankModel::askTiming() {
    return dialogs_.askYesNo(kMessageTitle, textsOf(operation_).timingQuestion)
               ? Timing::EndOfPeriod
               : Timing::BeginningOfPeriod;
}

void BankModel::publish(const std::array<double, 3>& transit,
                        const std::array<std::string, 3>& shown) {
    results_ = shown;
    state_.transitValue1 = transit[0];
    state_.transitValue2 = transit[1];
    state_.transitValue3 = transit[2];
    const std::array<std::string, 3>& labels = textsOf(operation_).transitLabels;
    state_.transitLabel1 = labels[0];
    state_.transitLabel2 = labels[1];
    state_.transitLabel3 = labels[2];
}

void BankModel::rememberInputs(bool withSavings, const std::string& timing) {
    calculatedInputs_.clear();
    const std::string unit = termInMonths_ ? " meses" : " años";
    if (!capital_.empty() || operation_ != Operation::Savings)
        calculatedInputs_.emplace_back("Capital Base", capital_);
    if (withSavings) {
        calculatedInputs_.emplace_back("Aportación mensual", contribution_);
        calculatedInputs_.emplace_back("Incremento anual (%)", increase_.empty() ? "0" : increase_);
    }
    calculatedInputs_.emplace_back("Interés anual (%)", rate_);
    calculatedInputs_.emplace_back("Tiempo", term_ + unit);
    calculatedInputs_.emplace_back("Modalidad", timing);
}

bool BankModel::calculateLoan(std::vector<std::string>& problems) {
    const std::optional<double> principal = readRequired(capital_, "Capital Base", problems);
    const std::optional<double> yearly = readRequired(rate_, "Interés (%)", problems);
    const std::optional<float> months = readMonths(term_, termInMonths_, kMaxMonths, problems);
    if (!principal || !yearly || !months) return false;
    const float rate = monthlyRateOf(*yearly);
    const Timing timing = askTiming();
    LoanSchedule loan = computeLoan(*principal, rate, *months, timing);
    const double interest = loan.totalPaid - *principal;
    if (!usable(loan.payment) || !usable(loan.totalPaid) || !usableTable(loan.rows)) {
        problems.push_back(tooLargeProblem());
        return false;
    }
    const std::array<double, 3> transit{std::trunc(loan.payment), std::trunc(loan.totalPaid),
                                        std::trunc(interest)};
    publish(transit, {text::formatPattern(transit[0], kWholePattern),
                      text::formatPattern(loan.totalPaid, kWholePattern),
                      text::formatPattern(transit[2], kWholePattern)});
    rows_ = std::move(loan.rows);
    rememberInputs(false, textsOf(operation_).timingNames[static_cast<std::size_t>(timing)]);
    return true;
}

bool BankModel::calculateDeposit(std::vector<std::string>& problems) {
    const std::optional<double> principal = readRequired(capital_, "Capital Base", problems);
    const std::optional<double> yearly = readRequired(rate_, "Interés (%)", problems);
    const std::optional<float> months = readMonths(term_, termInMonths_, kMaxMonths, problems);
    if (!principal || !yearly || !months) return false;
    DepositSchedule deposit = computeDeposit(*principal, monthlyRateOf(*yearly), *months);
    return publishInCents(
        {deposit.yearlyEquivalentRate, deposit.finalCapital, deposit.totalInterest}, deposit.rows,
        Timing::EndOfPeriod, problems);
}

bool BankModel::calculateSavings(std::vector<std::string>& problems) {
    const std::optional<double> opening = readOptional(capital_, "Capital Base", problems);
    const std::optional<double> contribution =
        readRequired(contribution_, "Aport. Mensual", problems);
    const std::optional<double> increase = readOptional(increase_, "Incr. Anual (%)", problems);
    const std::optional<double> yearly = readRequired(rate_, "Interés (%)", problems);
    const std::optional<float> months = readMonths(term_, termInMonths_, kMaxMonths, problems);
    if (!opening || !contribution || !increase || !yearly || !months) return false;
    const float rate = monthlyRateOf(*yearly);
    const Timing timing = askTiming();
    SavingsSchedule plan =
        computeSavings(*opening, *contribution, *increase, rate, *months, timing);
    return publishInCents({plan.totalContributed, plan.finalCapital, plan.totalInterest}, plan.rows,
                          timing, problems);
}

bool BankModel::publishInCents(const std::array<double, 3>& amounts, std::vector<ScheduleRow>& rows,
                               Timing timing, std::vector<std::string>& problems) {
    if (!usable(amounts[0]) || !usable(amounts[1]) || !usable(amounts[2]) || !usableTable(rows)) {
        problems.push_back(tooLargeProblem());
        return false;
    }
    std::array<double, 3> transit{};
    std::array<std::string, 3> shown;
    for (std::size_t i = 0; i < 3; ++i) {
        transit[i] = roundToCents(amounts[i]);
        shown[i] = text::formatPattern(transit[i], kCentsPattern);
    }
    publish(transit, shown);
    rows_ = std::move(rows);
    rememberInputs(savingsFieldsEnabled(),
                   textsOf(operation_).timingNames[static_cast<std::size_t>(timing)]);
    return true;
}

}  // namespace numeralia::bank
