#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "bank_fakes.h"
#include "core/bank/bank_model.h"

using numeralia::SharedState;
using numeralia::bank::BankModel;
using numeralia::bank::Operation;
using numeralia::testing::BankDialogs;
using numeralia::testing::BankSounds;

namespace {

struct BankFixture : ::testing::Test {
    SharedState state;
    BankSounds sounds;
    BankDialogs dialogs;
    BankModel model{state, sounds, dialogs};

    // Types the characters on the keyboard; F-keys are written "<F1>".."<F12>".
    void keys(const std::string& sequence) {
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            if (sequence[i] == '<') {
                const std::size_t end = sequence.find('>', i);
                model.pressFunctionKey(std::stoi(sequence.substr(i + 2, end - i - 2)));
                i = end;
            } else {
                model.typeCharacter(sequence[i]);
            }
        }
    }

    std::vector<std::string> row(std::size_t index) {
        std::vector<std::string> texts;
        for (int column = 0; column < 5; ++column) texts.push_back(model.cellText(index, column));
        return texts;
    }
};

}  // namespace

TEST_F(BankFixture, EntryFieldFollowsTheKeypadRules) {
    struct Case {
        const char* typed;
        const char* entry;
    } cases[] = {
        {"", "0"},   {"0", "0"},   {"007", "7"}, {"15", "15"},  {"1.5.", "1.5"}, {"1,5", "1.5"},
        {".", "0."}, {"..", "0."}, {"12c", "0"}, {"12C3", "3"}, {"x9", "9"},     {"9+-*/", "9"},
    };
    for (const Case& c : cases) {
        model.pressClear();
        keys(c.typed);
        EXPECT_EQ(model.entry(), c.entry) << "typed " << c.typed;
    }
}

TEST_F(BankFixture, AssignmentKeysConvertTheEntryAndResetIt) {
    struct Case {
        const char* typed;
        const char* capital;
        const char* rate;
        const char* term;
    } cases[] = {
        {"007<F1>", "7", "", ""},    {"5000000<F1>5<F2>10<F3>", "5000000", "5", "10"},
        {"1.5<F2>", "", "1,5", ""},  {"2.<F3>", "", "", "2"},
        {".25<F2>", "", "0,25", ""}, {"0<F1>", "0", "", ""},
    };
    for (const Case& c : cases) {
        model.pressClear();
        keys(c.typed);
        EXPECT_EQ(model.capital(), c.capital) << c.typed;
        EXPECT_EQ(model.rate(), c.rate) << c.typed;
        EXPECT_EQ(model.term(), c.term) << c.typed;
        EXPECT_EQ(model.entry(), "0") << c.typed;
    }
}

TEST_F(BankFixture, AssigningAnEntryBeyondTheNumberRangeClearsEverything) {
    keys("100<F1>5<F2>" + std::string(400, '9') + "<F3>");
    EXPECT_EQ(model.capital(), "");
    EXPECT_EQ(model.rate(), "");
    EXPECT_EQ(model.term(), "");
    EXPECT_EQ(model.entry(), "0");
}

TEST_F(BankFixture, SavingsKeysWorkOnlyInSavingsPlans) {
    keys("100<F4>3<F5>");
    EXPECT_EQ(model.contribution(), "");
    EXPECT_EQ(model.increase(), "");
    EXPECT_EQ(model.entry(), "1003");  // both keys ignored: the entry goes on growing
    EXPECT_FALSE(model.savingsFieldsEnabled());
    model.savingsMode();
    EXPECT_TRUE(model.savingsFieldsEnabled());
    keys("100<F4>3<F5>");
    EXPECT_EQ(model.contribution(), "100");
    EXPECT_EQ(model.increase(), "3");
    model.depositMode();
    EXPECT_FALSE(model.savingsFieldsEnabled());
    EXPECT_EQ(model.contribution(), "");
}

TEST_F(BankFixture, ExampleLoanPaidAtTheEndOfTheMonth) {
    state.transitValue1 = 9;
    keys("5000000<F1>5<F2>10<F3><F12>");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "¿ Realiza los pagos al final del mes ?");
    EXPECT_EQ(dialogs.lastTitle, "Numeralia - Operaciones Bancarias");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(model.results()[0], "53.032");
    EXPECT_EQ(model.results()[1], "6.363.931");
    EXPECT_EQ(model.results()[2], "1.363.930");
    EXPECT_EQ(state.transitValue1, 53032);
    EXPECT_EQ(state.transitValue2, 6363930);
    EXPECT_EQ(state.transitValue3, 1363930);
    EXPECT_EQ(state.transitLabel1, "Mensualidad");
    EXPECT_EQ(state.transitLabel2, "Capital Final");
    EXPECT_EQ(state.transitLabel3, "Intereses");
    ASSERT_EQ(model.rowCount(), 120u);
    EXPECT_EQ(row(0), (std::vector<std::string>{"1", "53.032,76", "32.199,42", "20.833,34",
                                                "4.967.800,58"}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"2", "53.032,76", "32.333,59", "20.699,17",
                                                "4.935.466,99"}));
    EXPECT_EQ(model.cellText(119, 0), "120");
    EXPECT_LT(std::fabs(model.rows()[119].amounts[3]), 0.10);
    EXPECT_EQ(model.entry(), "0");
}

TEST_F(BankFixture, ExampleLoanPaidAtTheBeginningOfTheMonth) {
    dialogs.answer = false;
    keys("5000000<F1>5<F2>10<F3><F12>");
    // The payment is the end-of-month one divided by 1 + r.
    EXPECT_EQ(model.results()[0], "52.812");
    EXPECT_EQ(model.results()[1], "6.337.525");
    EXPECT_EQ(model.results()[2], "1.337.524");
    EXPECT_EQ(state.transitValue1, 52812);
    ASSERT_EQ(model.rowCount(), 120u);
    EXPECT_EQ(row(0),
              (std::vector<std::string>{"1", "52.812,71", "52.812,71", "0,00", "4.947.187,29"}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"2", "52.812,71", "32.199,42", "20.613,29",
                                                "4.914.987,87"}));
    EXPECT_LT(std::fabs(model.rows()[119].amounts[3]), 0.10);
}

TEST_F(BankFixture, TermInMonthsGivesTheSameLoanAsInYears) {
    keys("5000000<F1>5<F2>10<F3><F12>");
    const auto years = model.results();
    const std::string lastYears = model.cellText(119, 4);
    model.chooseMonths();
    keys("5000000<F1>5<F2>120<F3><F12>");
    EXPECT_TRUE(model.termInMonths());
    EXPECT_EQ(model.results(), years);
    EXPECT_EQ(model.cellText(119, 4), lastYears);
    EXPECT_EQ(model.rowCount(), 120u);
}

TEST_F(BankFixture, ZeroRateLoanRepaysInEqualParts) {
    model.chooseMonths();
    keys("1200<F1>0<F2>12<F3><F12>");
    EXPECT_EQ(model.results()[0], "100");
    EXPECT_EQ(model.results()[2], "0");
    EXPECT_EQ(row(11), (std::vector<std::string>{"12", "100,00", "100,00", "0,00", "0,00"}));
}

TEST_F(BankFixture, ClearEmptiesInputsResultsAndTableButKeepsTransitMemories) {
    keys("5000000<F1>5<F2>10<F3><F12>77");
    keys("c");
    EXPECT_EQ(model.entry(), "0");
    EXPECT_EQ(model.capital() + model.rate() + model.term(), "");
    EXPECT_EQ(model.results()[0] + model.results()[1] + model.results()[2], "");
    EXPECT_EQ(model.rowCount(), 0u);
    EXPECT_EQ(state.transitValue1, 53032);
    EXPECT_EQ(state.transitLabel3, "Intereses");
}

TEST_F(BankFixture, WrongInputsAreNamedAndLeaveNothingBehind) {
    struct Case {
        const char* typed;
        std::vector<const char*> named;
    } cases[] = {
        {"5000000<F1>10<F3>", {"Interés (%): falta"}},
        {"5<F2>10<F3>", {"Capital Base: falta"}},
        {"5000000<F1>5<F2>", {"Tiempo: falta"}},
        {"5000000<F1>5<F2>0<F3>", {"Tiempo: el plazo debe ser mayor que 0"}},
        {"5000000<F1>5<F2>101<F3>", {"Tiempo: el plazo no puede pasar de 1.200 meses"}},
        {"5000000<F1>5<F2>1.05<F3>",
         {"Tiempo: el plazo debe ser un número entero de meses (12,6 meses)"}},
        {"", {"Capital Base: falta", "Interés (%): falta", "Tiempo: falta"}},
    };
    for (const Case& c : cases) {
        // A good loan first, so that there are results that must not stay.
        model.pressClear();
        keys("5000000<F1>5<F2>10<F3><F12>");
        ASSERT_EQ(model.rowCount(), 120u);
        state.transitValue2 = 42;
        dialogs.messages.clear();
        dialogs.questions.clear();
        model.pressClear();
        keys(c.typed);
        keys("<F12>");
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.typed;
        EXPECT_EQ(dialogs.lastTitle, "Numeralia - Operaciones Bancarias");
        for (const char* name : c.named) {
            EXPECT_NE(dialogs.messages[0].find(name), std::string::npos)
                << c.typed << " should name " << name << " in\n"
                << dialogs.messages[0];
        }
        EXPECT_TRUE(dialogs.questions.empty()) << c.typed;
        EXPECT_EQ(model.results()[0] + model.results()[1] + model.results()[2], "") << c.typed;
        EXPECT_EQ(model.rowCount(), 0u) << c.typed;
        EXPECT_EQ(state.transitValue2, 42) << c.typed;
        EXPECT_FALSE(model.hasResults());
    }
}

TEST_F(BankFixture, HugeAmountsAreRefused) {
    keys("999999999999999999<F1>500<F2>100<F3><F12>");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("demasiado grandes"), std::string::npos);
    EXPECT_EQ(model.rowCount(), 0u);
    EXPECT_EQ(state.transitValue1, 0);
}

TEST_F(BankFixture, ModesSetCaptionsAndClear) {
    struct Case {
        void (BankModel::*mode)();
        const char* caption;
        const char* firstResult;
        const char* lastColumn;
    } cases[] = {
        {&BankModel::depositMode, "Operaciones Bancarias  -  Depósitos a Plazo Fijo", "TAE (%)",
         "Saldo Final"},
        {&BankModel::savingsMode, "Operaciones Bancarias  -  Planes de Ahorro", "Total Aportado",
         "Saldo"},
        {&BankModel::loanMode, "Operaciones Bancarias  -  Préstamos", "Mensualidad", "Pendiente"},
    };
    EXPECT_EQ(model.caption(), "Operaciones Bancarias  -  Préstamos");
    for (const Case& c : cases) {
        keys("5<F1>");
        (model.*c.mode)();
        EXPECT_EQ(model.caption(), c.caption);
        EXPECT_EQ(model.resultCaptions()[0], c.firstResult);
        EXPECT_EQ(model.resultCaptions()[1], "Capital Final");
        EXPECT_EQ(model.columnTitles()[0], "Mes");
        EXPECT_EQ(model.columnTitles()[4], c.lastColumn);
        EXPECT_EQ(model.capital(), "");
    }
}

TEST_F(BankFixture, FixedTermDepositCompoundsMonthlyWithoutAsking) {
    model.depositMode();
    model.chooseMonths();
    keys("10000<F1>3<F2>12<F3><F12>");
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(model.results()[0], "3,04");
    EXPECT_EQ(model.results()[1], "10.304,16");
    EXPECT_EQ(model.results()[2], "304,16");
    EXPECT_DOUBLE_EQ(state.transitValue2, 10304.16);
    EXPECT_DOUBLE_EQ(state.transitValue3, 304.16);
    EXPECT_EQ(state.transitLabel2, "Capital final del depósito a plazo fijo");
    ASSERT_EQ(model.rowCount(), 12u);
    EXPECT_EQ(row(0), (std::vector<std::string>{"1", "10.000,00", "25,00", "25,00", "10.025,00"}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"2", "10.025,00", "25,06", "50,06", "10.050,06"}));
    EXPECT_EQ(model.cellText(11, 4), "10.304,16");
}

TEST_F(BankFixture, SavingsPlanContributionGrowsEachYear) {
    model.savingsMode();
    model.chooseMonths();
    keys("100<F4>10<F5>0<F2>24<F3><F12>");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "¿ Realiza las aportaciones al final del mes ?");
    EXPECT_EQ(model.results()[0], "2.520,00");
    EXPECT_EQ(model.results()[1], "2.520,00");
    EXPECT_EQ(model.results()[2], "0,00");
    EXPECT_EQ(model.cellText(11, 1), "100,00");
    EXPECT_EQ(model.cellText(12, 1), "110,00");
    EXPECT_EQ(model.cellText(23, 3), "2.520,00");
    EXPECT_EQ(state.transitLabel1, "Total aportado al plan de ahorro");
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

TEST_F(BankFixture, CueSoundAfterEachCalculationWhenSoundsAreOn) {
    struct Case {
        short soundOn;
        short cue;
        std::vector<std::string> played;
    } cases[] = {
        {1, 1, {"hey.wav"}},
        {1, 4, {"tic.wav"}},
        {1, 0, {}},
        {0, 2, {}},
    };
    for (const Case& c : cases) {
        sounds.played.clear();
        state.soundOn = c.soundOn;
        state.soundCue = c.cue;
        keys("1000<F1>5<F2>1<F3><F12>");
        EXPECT_EQ(sounds.played, c.played);
        EXPECT_EQ(state.soundCue, c.cue);
    }
    sounds.played.clear();
    state.soundOn = 1;
    model.pressClear();
    keys("<F12>");  // nothing to calculate: no cue
    EXPECT_TRUE(sounds.played.empty());
}
