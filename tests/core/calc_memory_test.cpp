// Memories, transit memories and the key history.

#include <gtest/gtest.h>

#include <string>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

const std::string kIndent(18, ' ');

TEST(CalcMemories, AddRecallAndClear) {
    // Keys, then the memory box, the display, and the memory before and after.
    const struct { const char *keys, *box, *numero; double before, after; } rows[] = {
        {"3 M1+", "8", "3", 5, 8}, {"0 M1+", "0", "0", 5, 0},
        {"7 C1 memoryRecall1", "0", "0", 4, 0},
        {"0,2 M1+", "0,3", "0,2", 0.1, 0.3},  // the memory takes the value of its box
        {"memoryRecall1", "2,5", "2,5", 2.5, 2.5},
        {"7 memoryRecall1 3", "2,5", "3", 2.5, 2.5},  // the next digit starts a new number
        {"1 EXP 308 M1+", "1E+308", "0", 1e308, 1e308},  // overflow: the memory keeps its text
    };
    for (const auto& row : rows) {
        SharedState shared;
        shared.memory1 = row.before;
        Calculator calc{shared, {}};  // opens with the memory above
        const CalculatorState& s = calc.run(row.keys);
        EXPECT_EQ(s.memories[0], row.box) << row.keys;
        EXPECT_EQ(calc.shared.memory1, row.after) << row.keys;
        EXPECT_EQ(s.numero, row.numero) << row.keys;
    }
}

TEST(CalcMemories, EachKeyWritesItsOwnMemory) {
    Calculator calc;
    const CalculatorState& s = calc.run("1 M1+ 2 M2+ 3 M3+ 4 M4+ C2");
    EXPECT_EQ(calc.shared.memory1, 1);
    EXPECT_EQ(calc.shared.memory2, 0);
    EXPECT_EQ(calc.shared.memory3, 3);
    EXPECT_EQ(calc.shared.memory4, 4);
    EXPECT_EQ(s.memories[3], "4");
    EXPECT_EQ(calc.run("memoryRecall3 + memoryRecall4 =").numero, "7");
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
    EXPECT_EQ(calc.run("+ R3 =").result, "1234,5678");
    EXPECT_EQ(calc.run("R3").numero, "-2E-20");
    EXPECT_EQ(calc.run("2").numero, "2");
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
    EXPECT_EQ(calc.run("7").history, std::vector<std::string>{"7"});
    calc.run("clearEntry");
    for (int i = 0; i < 249; ++i) calc.run("1 clearEntry");
    EXPECT_EQ(calc.model.state().history.size(), 500u);
    EXPECT_EQ(calc.run("=").history, std::vector<std::string>{"             TOTAL ="});
}

TEST(CalcHistory, SelectingAnEntryPutsItsTextInTheDisplay) {
    Calculator calc;
    const CalculatorState& s = calc.run("4 2 + 1 = historyToggle");
    EXPECT_TRUE(s.historyVisible);
    calc.model.selectHistoryEntry(1);  // "42"
    EXPECT_EQ(s.numero, "42");
    EXPECT_FALSE(s.historyVisible);
    EXPECT_EQ(s.history.back(), "42");
    calc.model.selectHistoryEntry(3);  // the "+" label, indent included: it reads as 0
    EXPECT_EQ(s.numero, kIndent + "+");
    EXPECT_EQ(calc.run("+ 1 =").numero, "1");
    calc.model.selectHistoryEntry(999);  // no such entry: nothing happens
    EXPECT_EQ(s.numero, "1");
}

TEST(CalcHistory, ClearToggleAndTheRecorder) {
    Calculator calc;
    const CalculatorState& s = calc.run("1 2 historyToggle historyToggle historyClear");
    EXPECT_TRUE(s.history.empty());
    EXPECT_FALSE(s.historyVisible);
    calc.run("¬");  // an empty history: the correction does nothing
    EXPECT_EQ(s.numero, "12");
    EXPECT_EQ(s.func, "");
    calc.run("5 / 0 = R1");  // the history recorder clears a shown error
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.errorKind, kNoError);
    EXPECT_EQ(s.func, "R1");
}

}  // namespace
}  // namespace numeralia::calc
