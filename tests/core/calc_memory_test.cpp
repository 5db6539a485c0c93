// Memories, transit memories and the key history.

#include <gtest/gtest.h>

#include <string>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

const std::string kIndent(18, ' ');

TEST(CalcMemories, AddRecallAndClear) {
    struct Row {
        double before;
        const char* keys;
        const char* box;
        double after;
        const char* numero;
    };
    const Row rows[] = {
        {5, "3 M1+", "8", 8, "3"},
        {5, "0 M1+", "0", 0, "0"},
        {5, "2 ± M1+", "3", 3, "-2"},
        {0.1, "0,2 M1+", "0,3", 0.3, "0,2"},  // the memory takes the value of its box,
        {5, "M1+ memoryRecall1", "0", 0, "0"},
        {2.5, "memoryRecall1", "2,5", 2.5, "2,5"},
        {2.5, "7 memoryRecall1 3", "2,5", 2.5, "3"},  // the next digit starts a new number
        {4, "7 C1 memoryRecall1", "0", 0, "0"},
        {1e308, "1 EXP 308 M1+", "1E+308", 1e308, "0"},  // overflow: the memory keeps its text
    };
    for (const Row& row : rows) {
        SharedState shared;
        shared.memory1 = row.before;
        testing::RecordingSounds sounds;
        CalculatorModel model(shared, sounds);
        testing::runScript(model, row.keys);
        const CalculatorState& s = model.state();
        EXPECT_EQ(s.memories[0], row.box) << row.keys;
        EXPECT_EQ(shared.memory1, row.after) << row.keys;
        EXPECT_EQ(s.numero, row.numero) << row.keys;
    }
}

TEST(CalcMemories, EachKeyWritesItsOwnMemory) {
    Calculator calc;
    calc.run("1 M1+ 2 M2+ 3 M3+ 4 M4+ C2");
    EXPECT_EQ(calc.shared.memory1, 1);
    EXPECT_EQ(calc.shared.memory2, 0);
    EXPECT_EQ(calc.shared.memory3, 3);
    EXPECT_EQ(calc.shared.memory4, 4);
    EXPECT_EQ(calc.model.state().memories[3], "4");
    calc.run("memoryRecall3 + memoryRecall4 =");
    EXPECT_EQ(calc.model.state().numero, "7");
}

TEST(CalcMemories, OverflowTakesTheFailurePath) {
    Calculator calc;
    calc.run("1 EXP 308 M1+ M1+");
    EXPECT_EQ(calc.model.state().result, "Error: Parada crítica");
    EXPECT_EQ(calc.model.state().memories[0], "1E+308");
    EXPECT_EQ(calc.shared.memory1, 1e308);
}

TEST(CalcTransit, RecallsTheValueWithAllItsDigits) {
    Calculator calc;
    calc.shared.transitValue1 = 1234.5678;
    calc.shared.transitValue3 = -2e-20;
    const CalculatorState& s = calc.run("3 SET R1");
    EXPECT_EQ(s.numero, "1234,5678");
    EXPECT_EQ(s.result, "1234,5678");
    EXPECT_EQ(s.func, "R1");
    EXPECT_EQ(s.entryFlag, 0);
    calc.run("+ R3 =");
    EXPECT_EQ(s.result, "1234,5678");
    calc.run("R3");
    EXPECT_EQ(s.numero, "-2E-20");
    calc.run("2");
    EXPECT_EQ(s.numero, "2");
}

TEST(CalcHistory, RecordsDisplaysAndLabels) {
    Calculator calc;
    const CalculatorState& s = calc.run("1 2 5 + 5 = AC");
    // "+" with nothing pending shows "0" (logged: the info line is "0"); "AC" puts "0" in
    // the display while the info line still shows 130 (not logged).
    const std::vector<std::string> expected = {"1",
                                               "12",
                                               "125",
                                               "0",
                                               kIndent + "+",
                                               "5",
                                               "             TOTAL =",
                                               "130",
                                               "*** ERROR / BORRADO ***"};
    EXPECT_EQ(s.history, expected);
    EXPECT_EQ(s.historyText, "*** ERROR / BORRADO ***");
}

TEST(CalcHistory, TheFiveHundredAndFirstEntryStartsAFreshList) {
    Calculator calc;
    for (int i = 0; i < 250; ++i) calc.run("1 clearEntry");  // "1", then "0": 500 entries
    ASSERT_EQ(calc.model.state().history.size(), 500u);
    calc.run("7");
    EXPECT_EQ(calc.model.state().history, std::vector<std::string>{"7"});
    calc.run("clearEntry");
    for (int i = 0; i < 249; ++i) calc.run("1 clearEntry");
    EXPECT_EQ(calc.model.state().history.size(), 500u);
    calc.run("=");
    EXPECT_EQ(calc.model.state().history, std::vector<std::string>{"             TOTAL ="});
}

TEST(CalcHistory, SelectingAnEntryPutsItsTextInTheDisplay) {
    Calculator calc;
    calc.run("4 2 + 1 = historyToggle");
    const CalculatorState& s = calc.model.state();
    EXPECT_TRUE(s.historyVisible);
    calc.model.selectHistoryEntry(1);  // "42"
    EXPECT_EQ(s.numero, "42");
    EXPECT_FALSE(s.historyVisible);
    EXPECT_EQ(s.history.back(), "42");
    calc.model.selectHistoryEntry(3);  // the "+" label, indent included: it reads as 0
    EXPECT_EQ(s.numero, kIndent + "+");
    calc.run("+ 1 =");
    EXPECT_EQ(s.numero, "1");
    calc.model.selectHistoryEntry(999);  // no such entry: nothing happens
    EXPECT_EQ(s.numero, "1");
}

TEST(CalcHistory, ClearAndToggle) {
    Calculator calc;
    calc.run("1 2 historyToggle historyToggle historyClear");
    EXPECT_TRUE(calc.model.state().history.empty());
    EXPECT_FALSE(calc.model.state().historyVisible);
    calc.run("¬");  // an empty history: the correction does nothing
    EXPECT_EQ(calc.model.state().numero, "12");
    EXPECT_EQ(calc.model.state().func, "");
}

TEST(CalcHistory, TheRecorderClearsAShownError) {
    Calculator calc;
    const CalculatorState& s = calc.run("5 / 0 = R1");
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.errorKind, kNoError);
    EXPECT_EQ(s.func, "R1");
}

}  // namespace
}  // namespace numeralia::calc
