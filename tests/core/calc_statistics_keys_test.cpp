// The statistics keys of the Scientific calculator: data entry, the grey data displays, the
// count display, deletion and clearing, and the result keys, as rows of key scripts and the
// displays they must leave. After every row the window's displays and sums must describe the
// program-wide lists.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <sstream>

#include "calc_script.h"
#include "core/calc/statistics_keys.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

// The lines of a data display joined with "|".
std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += (out.empty() ? "" : "|") + line;
    return out;
}

// Counts, lists, data displays, count display and running sums tell the same data.
void expectConsistent(const Calculator& calc) {
    const SharedState& shared = calc.shared;
    const StatisticsDisplays& shown = calc.model.state().statistics;
    const StatData x = statDataX(shared);
    const StatData y = statDataY(shared);
    ASSERT_EQ(x.size(), static_cast<std::size_t>(shared.statCountX));
    ASSERT_EQ(y.size(), static_cast<std::size_t>(shared.statCountY));
    ASSERT_EQ(shown.dataX.size(), x.size());
    ASSERT_EQ(shown.dataY.size(), y.size());
    for (std::size_t k = 0; k < x.size(); ++k) EXPECT_EQ(shown.dataX[k], statLine(int(k + 1), x[k]));
    for (std::size_t k = 0; k < y.size(); ++k) EXPECT_EQ(shown.dataY[k], statLine(int(k + 1), y[k]));
    EXPECT_EQ(shown.num, std::to_string(std::max(x.size(), y.size())));
    const auto near = [](double running, StatData data, bool squares) {
        double sum = 0, scale = 0;
        for (double v : data) {
            sum += squares ? v * v : v;
            scale += squares ? v * v : std::fabs(v);
        }
        return std::fabs(running - sum) <= 1e-12 * scale;
    };
    EXPECT_TRUE(near(shown.statSumX, x, false));
    EXPECT_TRUE(near(shown.statSumX2, x, true));
    EXPECT_TRUE(near(shown.statSumY, y, false));
    EXPECT_TRUE(near(shown.statSumY2, y, true));
}

struct StatRow {
    std::string keys;
    const char* numero;
    const char* result;
    const char* func = nullptr;   // not checked when null
    const char* dataX = nullptr;  // the X lines joined with "|"; not checked when null
    const char* dataY = nullptr;
    const char* num = nullptr;
};

void PrintTo(const StatRow& row, std::ostream* out) { *out << row.keys; }

// The keys that enter the values into one list ("X" or "Y").
std::string entered(char list, std::initializer_list<const char*> values) {
    std::string keys;
    const std::string key = list == 'X' ? " statEnterX " : " statEnterY ";
    for (const char* v : values) keys += v + key;
    return keys;
}

const std::string kOneTwoThreeX = entered('X', {"1", "2", "3"});
const std::string kTens = entered('X', {"10", "20", "30"});
// Twelve pairs (k, 10·k).
const std::string kTwelve = [] {
    std::string keys;
    for (int k = 1; k <= 12; ++k)
        keys += std::to_string(k) + " statEnterX " + std::to_string(10 * k) + " statEnterY ";
    return keys;
}();
const std::string kTwelveLinesX =
    "1)    1|2)    2|3)    3|4)    4|5)    5|6)    6|7)    7|8)    8|9)    9|10)    10|"
    "11)    11|12)    12";

const StatRow kEntryRows[] = {
    // Entry: label with the entry's number, the line, the count, the number in the info line.
    {"2,1 statEnterX", "0", "2,1", "Estad  X1", "1)    2,1", "", "1"},
    {kOneTwoThreeX + "4 statEnterY", "0", "4", "Estad  Y1", "1)    1|2)    2|3)    3", "1)    4",
     "3"},
    {"7 statEnterY 8 statEnterY 1 statEnterX", "0", "1", "Estad  X1", "1)    1",
     "1)    7|2)    8", "2"},  // the count display keeps the greater count
    {"1000000001 statEnterX 2 changeSign statEnterX", "0", "-2", "Estad  X2",
     "1)    1000000001|2)    -2", "", "2"},
    {"5 exponent 2 0 statEnterX", "0", "5E20", "Estad  X1", "1)    5E+20", "", "1"},
    // The value is stored as typed: a number of decimals does not round it.
    {"3 setDecimals 2,123456 statEnterX", "0", "2,123456", "Estad  X1", "1)    2,123456", "", "1"},
    // A display that is no number: the failure path, nothing stored.
    {"3 1 toHex statEnterX", "0", "Error: Parada crítica", "*** ERROR / BORRADO ***", "", "", "0"},
    // The entry flag stays: the next digit replaces the "0".
    {"1 statEnterX 5", "5", "1", nullptr, "1)    1", "", "1"},
    {"4 statEnterX statEnterX", "0", "0", "Estad  X2", "1)    4|2)    0", "", "2"},

    // "S xy": unequal counts are refused; equal counts give the sum in both displays.
    {kOneTwoThreeX + "4 statEnterY statSumXY", "0", "Error: los datos no coinciden",
     "*** ERROR / BORRADO ***", nullptr, nullptr, "3"},
    {kOneTwoThreeX + entered('Y', {"4", "5", "6"}) + "statSumXY", "32", "32", "Σ xy"},
    {"statSumXY", "0", "0", "Σ xy", "", "", "0"},
    // "S x" and "S y": the running sum into the main display only.
    {"1 statEnterX 2 statEnterX statSumX", "3", "2", "Σ x"},
    {"2,5 statEnterY 4 statEnterY statSumY", "6,5", "4", "Σ y"},
    {"statSumX", "0", "0", "Σ x"},
    {"3 setDecimals " + entered('X', {"1", "2", "4"}) + "statSumX2", "21", "21", "Σ x²"},
    {"3 setDecimals " + entered('X', {"1", "2", "4"}) + "statMeanX", "2,333", "2,33333333333333",
     "X m"},

    // Deletion: entry k of both lists, numbering closes up.
    {kTens + "2 statDeleteEntry", "0", "2", "ESTAD.: Borrado", "1)    10|2)    30", "", "2"},
    {kTens + "2 statDeleteEntry statSumX", "40", "2", "Σ x"},
    {kOneTwoThreeX + "4 statEnterX 5 statEnterY 6 statEnterY 4 statDeleteEntry", "0", "4",
     "ESTAD.: Borrado", "1)    1|2)    2|3)    3", "1)    5|2)    6", "3"},
    {entered('X', {"1", "2"}) + entered('Y', {"5", "6", "7"}) + "1 statDeleteEntry", "0", "1",
     "ESTAD.: Borrado", "1)    2", "1)    6|2)    7", "2"},
    {kTwelve + "5 statDeleteEntry", "0", "5", "ESTAD.: Borrado",
     "1)    1|2)    2|3)    3|4)    4|5)    6|6)    7|7)    8|8)    9|9)    10|10)    11|"
     "11)    12",
     nullptr, "11"},
    // A bad entry number is refused in the order: above the count, not positive, not whole.
    {kTwelve + "13 statDeleteEntry", "0", "Error: Dato Nº 13 no valido",
     "*** ERROR / BORRADO ***", kTwelveLinesX.c_str(), nullptr, "12"},
    {kTwelve + "0 statDeleteEntry", "0", "Error: Dato Nº 0 no valido", nullptr,
     kTwelveLinesX.c_str(), nullptr, "12"},
    {kTwelve + "1 changeSign statDeleteEntry", "0", "Error: Dato Nº -1 no valido",
     nullptr, kTwelveLinesX.c_str(), nullptr, "12"},
    {kTwelve + "2,5 statDeleteEntry", "0", "Error: Dato Nº 2,5 no valido", nullptr,
     kTwelveLinesX.c_str(), nullptr, "12"},
    {"1 statDeleteEntry", "0", "Error: Dato Nº 1 no valido", nullptr, "", "", "0"},
    {"3 1 toHex statDeleteEntry", "0", "Error: Parada crítica", nullptr, "", "", "0"},

    // Clearing.
    {"1 statEnterX 2 statEnterY 3 statEnterY statClear", "0", "0", "ESTAD.: Borrado", "", "", "0"},
    {"1 statEnterX statClear 7 statEnterX", "0", "7", "Estad  X1", "1)    7", "", "1"},
};

// Runs the row's keys on a fresh calculator and checks the displays the row names.
void expectRow(Calculator& calc, const StatRow& row) {
    const CalculatorState& s = calc.run(row.keys);
    EXPECT_EQ(s.numero, row.numero);
    EXPECT_EQ(s.result, row.result);
    const std::pair<const char*, std::string> checks[] = {
        {row.func, s.func},
        {row.dataX, joined(s.statistics.dataX)},
        {row.dataY, joined(s.statistics.dataY)},
        {row.num, s.statistics.num},
    };
    for (const auto& [expected, shown] : checks) {
        if (expected) {
            EXPECT_EQ(shown, expected);
        }
    }
}

class StatisticsEntry : public ::testing::TestWithParam<StatRow> {};

TEST_P(StatisticsEntry, DisplaysCountsAndSums) {
    Calculator calc;
    expectRow(calc, GetParam());
    expectConsistent(calc);
}

INSTANTIATE_TEST_SUITE_P(Rows, StatisticsEntry, ::testing::ValuesIn(kEntryRows));

const std::string kEight = entered('X', {"2", "4", "4", "4", "5", "5", "7", "9"});
const std::string kOneTwoThree = entered('Y', {"1", "2", "3"});
// X 1, 2, 3 seen 1, 2 and 1 times; the line y = 2x + 1.
const std::string kFrequencies = kOneTwoThreeX + entered('Y', {"1", "2", "1"});
const std::string kLine = kOneTwoThreeX + entered('Y', {"3", "5", "7"});

// The result keys over small data sets: values, and the guards of each key.
const StatRow kResultRows[] = {
    {kEight + "statDeviationX", "2", "2", "σ x n"},
    {kEight + "statSampleDeviationX", "2,1380899352994", "2,1380899352994", "σ x n-1"},
    {"5 statEnterX statDeviationX", "0", "0"},
    {kOneTwoThree + "statMeanY", "2", "2", "Y m"},
    {kOneTwoThree + "statDeviationY", "0,816496580927726", "0,816496580927726", "σ y n"},
    {kOneTwoThree + "statSampleDeviationY", "1", "1", "σ y n-1"},
    {kOneTwoThree + "statSumY2", "14", "14", "Σ y²"},
    {"1 statEnterX 2 statEnterX 3 statEnterY statCount", "2", "2", "N"},
    {"statCount", "0", "0", "N"},
    {kFrequencies + "statWeightedMeanX", "2", "2", "X m"},
    {kFrequencies + "statWeightedDeviationX", "0,707106781186548", "0,707106781186548", "σ X n"},
    {kOneTwoThreeX + entered('Y', {"0", "0", "2"}) + "statWeightedMeanX", "3", "3"},
    {kLine + "statSlope", "2", "2", "a"},
    {kLine + "statIntercept", "1", "1", "b"},
    {kLine + "statDetermination", "1", "1", "r ²"},
    {kLine + "1 0 statEstimateY", "21", "21", "EoY"},
    {kLine + "2 0 statEstimateX", "9,5", "9,5", "EoX"},
    // Polygons: a triangle, a square far from the origin, vertices in either turn.
    {entered('X', {"0", "4", "0"}) + entered('Y', {"0", "0", "3"}) + "polygonArea", "6", "6",
     "Area"},
    {entered('X', {"0", "0", "4"}) + entered('Y', {"0", "3", "0"}) + "polygonArea", "6", "6"},
    {entered('X', {"1000000000", "1000000001", "1000000001", "1000000000"}) +
         entered('Y', {"5000000000", "5000000000", "5000000001", "5000000001"}) + "polygonArea",
     "1", "1"},
    // A result goes through the display formatting step.
    {"3 setDecimals 1 statEnterX 2 statEnterX 2 statEnterX statDeviationX", "0,471",
     "0,471404520791032"},
};

class StatisticsResults : public ::testing::TestWithParam<StatRow> {};

TEST_P(StatisticsResults, ValuesInBothDisplays) {
    Calculator calc;
    expectRow(calc, GetParam());
    EXPECT_EQ(calc.model.state().entryFlag, 0);
    EXPECT_EQ(calc.model.state().errorKind, kNoError);
}

INSTANTIATE_TEST_SUITE_P(Rows, StatisticsResults, ::testing::ValuesIn(kResultRows));

TEST(Statistics, TheTwoHundredFirstEntryIsRefusedAndNothingChanges) {
    for (const char* key : {"statEnterX", "statEnterY"}) {
        SCOPED_TRACE(key);
        Calculator calc;
        for (int k = 1; k <= 200; ++k) calc.run("1 " + std::string(key));
        const StatisticsDisplays before = calc.model.state().statistics;
        const std::vector<double> x = calc.shared.statDataX, y = calc.shared.statDataY;
        const CalculatorState& s = calc.run("9 " + std::string(key));
        EXPECT_EQ(s.result, "Error: Parada crítica");
        EXPECT_EQ(s.numero, "0");
        EXPECT_EQ(s.statistics.dataX, before.dataX);
        EXPECT_EQ(s.statistics.dataY, before.dataY);
        EXPECT_EQ(s.statistics.num, "200");
        EXPECT_EQ(s.statistics.statSumX, before.statSumX);
        EXPECT_EQ(s.statistics.statSumY2, before.statSumY2);
        EXPECT_EQ(calc.shared.statDataX, x);
        EXPECT_EQ(calc.shared.statDataY, y);
        EXPECT_EQ(calc.shared.statCountX + calc.shared.statCountY, 200);
    }
}

TEST(Statistics, DeletingTheOnlyEntryResetsTheSumsExactly) {
    Calculator calc;
    // Subtracting would leave 0,30000000000000004 − 0,1 − 0,2 ≠ 0.
    const CalculatorState& s =
        calc.run("0,1 statEnterX 0,2 statEnterX 1 statDeleteEntry 1 statDeleteEntry");
    EXPECT_EQ(s.statistics.statSumX, 0.0);
    EXPECT_EQ(s.statistics.statSumX2, 0.0);
    EXPECT_EQ(calc.shared.statCountX, 0);
    EXPECT_EQ(s.statistics.num, "0");
}

TEST(Statistics, CountIsTheLongerListUpToItsCount) {
    struct Row {
        std::vector<double> x;
        std::int16_t countX;
        std::vector<double> y;
        std::int16_t countY;
        std::size_t expected;
    };
    const Row rows[] = {
        {{}, 0, {}, 0, 0},
        {{1, 2, 3}, 3, {5}, 1, 3},
        {{1}, 1, {5, 6}, 2, 2},
        // Values left past a list's count are no entries.
        {{1, 2, 3}, 1, {}, 0, 1},
        {{1, 2}, 2, {7, 8, 9}, 1, 2},
    };
    for (const Row& r : rows) {
        SharedState shared;
        shared.statDataX = r.x;
        shared.statCountX = r.countX;
        shared.statDataY = r.y;
        shared.statCountY = r.countY;
        EXPECT_EQ(statCount(shared), r.expected) << r.countX << " X, " << r.countY << " Y";
    }
}

TEST(Statistics, KeysAreRecordedInTheKeyHistory) {
    Calculator calc;
    const CalculatorState& s = calc.run("2 statEnterX statMeanX 1 statDeleteEntry statClear");
    const std::string indent(18, ' ');
    const std::vector<std::string> expected = {
        "2", indent + "Estad  X1", indent + "X m", "2", "1", indent + "ESTAD.: Borrado",
        indent + "ESTAD.: Borrado"};
    EXPECT_EQ(s.history, expected);
}

TEST(Statistics, AReopenedWindowRebuildsItsDisplaysAndSumsFromTheLists) {
    Calculator calc;
    calc.run("10 statEnterX 20 statEnterX 30 statEnterX 4 statEnterY 5 statEnterY 2 "
             "statDeleteEntry 0,5 statEnterY");
    // The window is destroyed on a switch of model; the lists stay in the shared state.
    CalculatorModel reopened(calc.shared, calc.sounds);
    const StatisticsDisplays& shown = reopened.state().statistics;
    EXPECT_EQ(joined(shown.dataX), "1)    10|2)    30");
    EXPECT_EQ(joined(shown.dataY), "1)    4|2)    0,5");
    EXPECT_EQ(shown.num, "2");
    EXPECT_EQ(shown.statSumX, 40);
    EXPECT_EQ(shown.statSumY2, 16.25);
    reopened.press(KeyId::statSumX);
    EXPECT_EQ(reopened.state().numero, "40");
    // The Normal model has no statistics: its keys do nothing there.
    CalculatorModel normal(calc.shared, calc.sounds, CalculatorKind::Normal);
    normal.press(KeyId::statClear);
    EXPECT_EQ(calc.shared.statCountX, 2);
    EXPECT_TRUE(normal.state().statistics.dataX.empty());
}

}  // namespace
}  // namespace numeralia::calc
