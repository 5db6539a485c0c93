#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/bank/bank_model.h"
#include "fake_platform.h"

using numeralia::SharedState;
using numeralia::bank::BankModel;

namespace {

using Messages = std::vector<std::pair<std::string, std::string>>;
const std::string kTitle = "Numeralia - Operaciones Bancarias";
const std::string kExampleLoan = "5000000<F1>5<F2>10<F3><F12>";

template <class Texts>
std::string join(const Texts& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += text + "|";
    return joined.substr(0, joined.size() - 1);
}

struct BankFixture : ::testing::Test {
    SharedState state;
    numeralia::testing::FakeSoundPlayer sounds;
    numeralia::testing::FakeDialogs dialogs;  // answers Yes: payments at the end of the month
    BankModel model{state, sounds, dialogs};

    // Types the characters on the keyboard; F-keys are written "<F1>".."<F12>".
    void keys(const std::string& sequence) {
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            if (sequence[i] != '<') {
                model.typeCharacter(sequence[i]);
                continue;
            }
            const std::size_t end = sequence.find('>', i);
            model.pressFunctionKey(std::stoi(sequence.substr(i + 2, end - i - 2)));
            i = end;
        }
    }
    // The five cells of a table row, joined with "|".
    std::string row(std::size_t index) const {
        std::string text = model.cellText(index, 0);
        for (int column = 1; column < 5; ++column) text += "|" + model.cellText(index, column);
        return text;
    }
    std::string results() const { return join(model.results()); }
};

}  // namespace

// What was typed, and then "entry|capital|rate|term". An assignment key takes the entry as a
// number and resets it; an entry beyond the number range clears every field.
TEST_F(BankFixture, EntryFieldAndAssignmentKeys) {
    // clang-format off
    const std::pair<std::string, const char*> cases[] = {
        {"", "0|||"},     {"0", "0|||"},     {"007", "7|||"},   {"15", "15|||"},
        {"1.5.", "1.5|||"}, {"1,5", "1.5|||"}, {".", "0.|||"},  {"..", "0.|||"},
        {"12c", "0|||"},  {"12C3", "3|||"},  {"x9", "9|||"},    {"9+-*/", "9|||"},
        {"007<F1>", "0|7||"}, {"5000000<F1>5<F2>10<F3>", "0|5000000|5|10"}, {"1.5<F2>", "0||1,5|"},
        {"2.<F3>", "0|||2"},  {".25<F2>", "0||0,25|"}, {"0<F1>", "0|0||"},
        {"100<F1>5<F2>" + std::string(400, '9') + "<F3>", "0|||"}};
    // clang-format on
    for (const auto& [typed, fields] : cases) {
        model.pressClear();
        keys(typed);
        EXPECT_EQ(join(std::array{model.entry(), model.capital(), model.rate(), model.term()}),
                  fields)
            << "typed " << typed;
    }
}

TEST_F(BankFixture, SavingsKeysWorkOnlyInSavingsPlans) {
    keys("100<F4>3<F5>");
    EXPECT_EQ(model.contribution() + model.increase(), "");
    EXPECT_EQ(model.entry(), "1003");  // both keys ignored: the entry goes on growing
    EXPECT_FALSE(model.savingsFieldsEnabled());
    model.savingsMode();
    EXPECT_TRUE(model.savingsFieldsEnabled());
    keys("100<F4>3<F5>");
    EXPECT_EQ(model.contribution() + "|" + model.increase(), "100|3");
    model.depositMode();
    EXPECT_FALSE(model.savingsFieldsEnabled());
    EXPECT_EQ(model.contribution(), "");
}

// Each operation's results, R1 to R3, timing question and table rows. The loans end near a
// zero balance; the loan paid at the beginning of the month pays the end-of-month payment
// divided by 1 + r, and no interest in its first month.
TEST_F(BankFixture, CalculationsFillResultsTransitMemoriesAndTable) {
    const std::string loanQuestion = "¿ Realiza los pagos al final del mes ?";
    const std::string loanLabels = "Mensualidad|Capital Final|Intereses";
    const std::string lastExampleRow = "120|53.032,76|52.812,71|220,05|0,01";
    struct Case {
        const char* what;
        void (BankModel::*mode)();
        bool months, atEnd;
        std::string typed, question, results;
        std::array<double, 3> transit;
        std::string labels;
        std::size_t rowCount;
        std::vector<std::pair<std::size_t, std::string>> rows;
    } cases[] = {
        // clang-format off
        {"example loan", &BankModel::loanMode, false, true, kExampleLoan, loanQuestion,
         "53.032|6.363.931|1.363.930", {53032, 6363930, 1363930}, loanLabels, 120,
         {{0, "1|53.032,76|32.199,42|20.833,34|4.967.800,58"},
          {1, "2|53.032,76|32.333,59|20.699,17|4.935.466,99"}, {119, lastExampleRow}}},
        {"example loan as 120 months", &BankModel::loanMode, true, true,
         "5000000<F1>5<F2>120<F3><F12>", loanQuestion, "53.032|6.363.931|1.363.930",
         {53032, 6363930, 1363930}, loanLabels, 120, {{119, lastExampleRow}}},
        {"example loan paid at the beginning", &BankModel::loanMode, false, false, kExampleLoan,
         loanQuestion, "52.812|6.337.525|1.337.524", {52812, 6337524, 1337524}, loanLabels, 120,
         {{0, "1|52.812,71|52.812,71|0,00|4.947.187,29"},
          {1, "2|52.812,71|32.199,42|20.613,29|4.914.987,87"},
          {119, "120|52.812,71|52.593,57|219,14|0,01"}}},
        {"zero rate", &BankModel::loanMode, true, true, "1200<F1>0<F2>12<F3><F12>", loanQuestion,
         "100|1.200|0", {100, 1200, 0}, loanLabels, 12, {{11, "12|100,00|100,00|0,00|0,00"}}},
        {"deposit compounds monthly without asking", &BankModel::depositMode, true, true,
         "10000<F1>3<F2>12<F3><F12>", "", "3,04|10.304,16|304,16", {3.04, 10304.16, 304.16},
         "TAE (%) del depósito a plazo fijo|Capital final del depósito a plazo fijo|"
         "Intereses del depósito a plazo fijo", 12,
         {{0, "1|10.000,00|25,00|25,00|10.025,00"}, {1, "2|10.025,00|25,06|50,06|10.050,06"},
          {11, "12|10.278,46|25,70|304,16|10.304,16"}}},
        {"savings contribution grows each year", &BankModel::savingsMode, true, true,
         "100<F4>10<F5>0<F2>24<F3><F12>", "¿ Realiza las aportaciones al final del mes ?",
         "2.520,00|2.520,00|0,00", {2520, 2520, 0},
         "Total aportado al plan de ahorro|Capital final del plan de ahorro|"
         "Intereses del plan de ahorro", 24,
         {{11, "12|100,00|0,00|1.200,00|1.200,00"}, {12, "13|110,00|0,00|1.310,00|1.310,00"},
          {23, "24|110,00|0,00|2.520,00|2.520,00"}}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        (model.*c.mode)();
        c.months ? model.chooseMonths() : model.chooseYears();
        dialogs.messages.clear();
        dialogs.answer = c.atEnd;
        state.transitValue1 = 9;
        keys(c.typed);
        EXPECT_EQ(dialogs.messages,
                  (c.question.empty() ? Messages{} : Messages{{kTitle, c.question}}));
        EXPECT_EQ(results(), c.results);
        EXPECT_EQ((std::array{state.transitValue1, state.transitValue2, state.transitValue3}),
                  c.transit);
        EXPECT_EQ(join(std::array{state.transitLabel1, state.transitLabel2, state.transitLabel3}),
                  c.labels);
        ASSERT_EQ(model.rowCount(), c.rowCount);
        for (const auto& [index, text] : c.rows) EXPECT_EQ(row(index), text);
        EXPECT_EQ(model.entry(), "0");
    }
}

TEST_F(BankFixture, SavingsPlanAgreesWithTheAnnuityFutureValue) {
    // Monthly cent rounding keeps the balance within a few cents of the closed form.
    for (bool atEnd : {true, false}) {
        dialogs.answer = atEnd;
        model.savingsMode();
        keys("1000<F1>100<F4>6<F2>5<F3><F12>");
        const double r = static_cast<float>(6.0 / 1200.0);
        const double growth = std::pow(1 + r, 60);
        const double expected = 1000 * growth + 100 * (growth - 1) / r * (atEnd ? 1.0 : 1.0 + r);
        EXPECT_NEAR(state.transitValue2, expected, 0.30) << atEnd;
        EXPECT_DOUBLE_EQ(state.transitValue1, 7000);
        EXPECT_NEAR(state.transitValue3, state.transitValue2 - 7000, 1e-6);
    }
}

TEST_F(BankFixture, ClearEmptiesInputsResultsAndTableButKeepsTransitMemories) {
    keys(kExampleLoan + "77c");
    EXPECT_EQ(model.entry(), "0");
    EXPECT_EQ(model.capital() + model.rate() + model.term(), "");
    EXPECT_EQ(results(), "||");
    EXPECT_EQ(model.rowCount(), 0u);
    EXPECT_EQ(state.transitValue1, 53032);
    EXPECT_EQ(state.transitLabel3, "Intereses");
}

// Typed after the example loan, whose inputs stay unless cleared with "c": the message names
// every wrong input and the earlier results and table go; the transit memories stay.
TEST_F(BankFixture, WrongInputsAreNamedAndLeaveNothingBehind) {
    const struct {
        const char* typed;
        std::vector<const char*> named;
        bool asked = false;  // the timing question comes before the amounts are found too large
    } cases[] = {
        // clang-format off
        {"c5000000<F1>10<F3>", {"Interés (%): falta"}},
        {"c5<F2>10<F3>", {"Capital Base: falta"}},
        {"c5000000<F1>5<F2>", {"Tiempo: falta"}},
        {"c", {"Capital Base: falta", "Interés (%): falta", "Tiempo: falta"}},
        {"0<F3>", {"Tiempo: el plazo debe ser mayor que 0"}},
        {"101<F3>", {"Tiempo: el plazo no puede pasar de 1.200 meses"}},
        {"1.05<F3>", {"Tiempo: el plazo debe ser un número entero de meses (12,6 meses)"}},
        {"999999999999999999<F1>500<F2>100<F3>", {"demasiado grandes"}, true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        keys(kExampleLoan);
        ASSERT_EQ(model.rowCount(), 120u);
        state.transitValue2 = 42;
        dialogs.messages.clear();
        keys(std::string(c.typed) + "<F12>");
        ASSERT_EQ(dialogs.messages.size(), c.asked ? 2u : 1u);
        const auto& [title, text] = dialogs.messages.back();
        EXPECT_EQ(title, kTitle);
        for (const char* name : c.named) {
            EXPECT_NE(text.find(name), std::string::npos) << "should name " << name << " in\n"
                                                          << text;
        }
        EXPECT_EQ(results(), "||");
        EXPECT_EQ(model.rowCount(), 0u);
        EXPECT_EQ(state.transitValue2, 42);
        EXPECT_FALSE(model.hasResults());
    }
}

TEST_F(BankFixture, ModesSetCaptionsAndClear) {
    const struct {
        void (BankModel::*mode)();
        const char *caption, *results, *columns;
    } cases[] = {
        // clang-format off
        {&BankModel::depositMode, "Depósitos a Plazo Fijo", "TAE (%)|Capital Final|Intereses",
         "Mes|Saldo Inicial|Interés|Int. Acumulado|Saldo Final"},
        {&BankModel::savingsMode, "Planes de Ahorro", "Total Aportado|Capital Final|Intereses",
         "Mes|Aportación|Interés|Total Aportado|Saldo"},
        {&BankModel::loanMode, "Préstamos", "Mensualidad|Capital Final|Intereses",
         "Mes|Pago|Nominal|Interés|Pendiente"},
        // clang-format on
    };
    EXPECT_EQ(model.caption(), "Operaciones Bancarias  -  Préstamos");
    for (const auto& c : cases) {
        keys("5<F1>");
        (model.*c.mode)();
        EXPECT_EQ(model.caption(), std::string("Operaciones Bancarias  -  ") + c.caption);
        EXPECT_EQ(join(model.resultCaptions()), c.results);
        EXPECT_EQ(join(model.columnTitles()), c.columns);
        EXPECT_EQ(model.capital(), "");
    }
}

TEST_F(BankFixture, CueSoundAfterEachCalculationWhenSoundsAreOn) {
    using Played = std::vector<numeralia::testing::FakeSoundPlayer::Play>;
    const std::string loan = "1000<F1>5<F2>1<F3><F12>";
    const struct {
        short soundOn, cue;
        std::string typed;
        Played played;
    } cases[] = {// clang-format off
        {1, 1, loan, {{"hey.wav", true}}}, {1, 4, loan, {{"tic.wav", true}}}, {1, 0, loan, {}},
        {0, 2, loan, {}}, {1, 1, "c<F12>", {}}};  // the last: nothing to calculate
    // clang-format on
    for (const auto& c : cases) {
        sounds.played.clear();
        state.soundOn = c.soundOn;
        state.soundCue = c.cue;
        keys(c.typed);
        EXPECT_EQ(sounds.played, c.played) << c.typed << " " << c.soundOn << " " << c.cue;
        EXPECT_EQ(state.soundCue, c.cue);
    }
}

// Rows copied for a spreadsheet: the column titles of the operation, the rows asked for in
// the order given, tabs between cells, a line break after every line.
TEST_F(BankFixture, RowsAsTabSeparatedTextWithTheColumnTitles) {
    const std::string loanTitles = "Mes\tPago\tNominal\tInterés\tPendiente\n";
    EXPECT_EQ(model.tableText(), loanTitles);  // no table yet: the titles alone
    keys("1200<F1>0<F2>1<F3><F12>");
    ASSERT_EQ(model.rowCount(), 12u);
    const struct {
        std::vector<std::size_t> rows;
        std::string text;
    } cases[] = {
        {{0}, loanTitles + "1\t100,00\t100,00\t0,00\t1.100,00\n"},
        {{11, 1}, loanTitles + "12\t100,00\t100,00\t0,00\t0,00\n2\t100,00\t100,00\t0,00\t1.000,00\n"},
        {{12, 40}, loanTitles},
        {{}, loanTitles},
    };
    for (const auto& c : cases) EXPECT_EQ(model.rowsText(c.rows), c.text);
    const std::string table = model.tableText();
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 13);
    EXPECT_TRUE(table.ends_with("12\t100,00\t100,00\t0,00\t0,00\n"));

    model.savingsMode();  // another operation, other titles
    EXPECT_EQ(model.tableText(), "Mes\tAportación\tInterés\tTotal Aportado\tSaldo\n");
}
