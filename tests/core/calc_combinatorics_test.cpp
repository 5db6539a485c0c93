// Factorials, variations and combinations against exact arithmetic of the test's own on
// decimal digit strings: the digits must agree, and the double shown must be the one the C
// library's correctly rounded strtod reads from those digits. Then the counting keys as
// the user presses them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc_script.h"
#include "core/calc/combinatorics.h"
#include "core/calc/function_math.h"
#include "core/text/number_text.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

// ---- Decimal digit strings, most significant digit first ----

std::string times(const std::string& digits, std::uint64_t factor) {
    if (factor == 0) return "0";
    // factor ≤ 2^54, so 9·factor plus the carry stays below 2^64.
    std::string out;
    std::uint64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        carry += static_cast<std::uint64_t>(*it - '0') * factor;
        out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(carry % 10)));
        carry /= 10;
    }
    for (; carry != 0; carry /= 10)
        out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(carry % 10)));
    const auto first = out.find_first_not_of('0');
    return first == std::string::npos ? "0" : out.substr(first);
}

// Long division; the remainder must be 0.
std::string over(const std::string& digits, std::uint64_t divisor) {
    std::string out;
    std::uint64_t rest = 0;
    for (char c : digits) {
        rest = rest * 10 + static_cast<std::uint64_t>(c - '0');
        out += static_cast<char>('0' + rest / divisor);
        rest %= divisor;
    }
    EXPECT_EQ(rest, 0u) << digits << " / " << divisor;
    const auto first = out.find_first_not_of('0');
    return first == std::string::npos ? "0" : out.substr(first);
}

std::string falling(std::uint64_t m, std::uint64_t n) {  // m·(m−1)·…·(m−n+1)
    std::string p = "1";
    for (std::uint64_t i = 0; i < n; ++i) p = times(p, m - i);
    return p;
}

// The exact count by its definition, on digit strings.
std::string reference(Counting kind, std::uint64_t m, std::uint64_t n) {
    switch (kind) {
        case Counting::Variations:
            return falling(m, n);
        case Counting::VariationsWithRepetition: {
            std::string p = "1";
            for (std::uint64_t i = 0; i < n; ++i) p = times(p, m);
            return p;
        }
        case Counting::Combinations: {
            const std::uint64_t k = std::min(n, m - n);  // C(m, n) = C(m, m − n)
            std::string c = falling(m, k);               // then / 2 / 3 … / k, each exact
            for (std::uint64_t i = 2; i <= k; ++i) c = over(c, i);
            return c;
        }
        case Counting::CombinationsWithRepetition:
            return m == 0 ? (n == 0 ? "1" : "0") : reference(Counting::Combinations, m + n - 1, n);
    }
    return "";
}

double nearest(const std::string& digits) { return std::strtod(digits.c_str(), nullptr); }

TEST(CalcCombinatorics, FactorialIsTheExactProductRoundedOnce) {
    std::string exact = "1";
    for (int n = 0; n <= largestFactorial; ++n) {
        if (n > 1) exact = times(exact, static_cast<std::uint64_t>(n));
        EXPECT_EQ(exactFactorial(static_cast<unsigned>(n)).decimalDigits(), exact) << n;
        const MathResult r = factorial(n);
        ASSERT_TRUE(r.isValue()) << n;
        EXPECT_EQ(r.value, nearest(exact)) << n << "! = " << exact;
    }
}

TEST(CalcCombinatorics, CountsAgreeWithExactArithmetic) {
    using enum Counting;
    const std::uint64_t top = std::uint64_t{1} << 53;
    struct Row {
        Counting kind;
        std::uint64_t m, n;
    };
    // clang-format off
    const Row rows[] = {
        {Variations, 6, 4},       {Variations, 6, 0},          {Variations, 0, 0},
        {Variations, 170, 170},   {Variations, 100, 60},       {Variations, top, 2},
        {Variations, top, 1},     {Variations, 1000, 100},
        {VariationsWithRepetition, 2, 1023}, {VariationsWithRepetition, 10, 12},
        {VariationsWithRepetition, 0, 0},    {VariationsWithRepetition, 0, 5},
        {VariationsWithRepetition, 1, 1000000}, {VariationsWithRepetition, top, 5},
        {VariationsWithRepetition, 3, 600},
        {Combinations, 60, 30},   {Combinations, 49, 6},       {Combinations, 10, 0},
        {Combinations, 10, 10},   {Combinations, 1000, 500},   {Combinations, 1020, 510},
        {Combinations, top, 3},   {Combinations, top, top - 2}, {Combinations, 67, 33},
        {CombinationsWithRepetition, 3, 2},   {CombinationsWithRepetition, 0, 0},
        {CombinationsWithRepetition, 0, 4},   {CombinationsWithRepetition, 10, 20},
        {CombinationsWithRepetition, 500, 500}, {CombinationsWithRepetition, top, 2},
    };
    // clang-format on
    for (const Row& r : rows) {
        const std::string exact = reference(r.kind, r.m, r.n);
        const CountingResult got = countArrangements(r.kind, {r.m, r.n});
        const std::string where = std::string(countingSymbol(r.kind)) + "(" + std::to_string(r.m) +
                                  "," + std::to_string(r.n) + ")";
        ASSERT_TRUE(got.value.isValue()) << where << " " << got.value.message;
        EXPECT_EQ(got.digits, exact) << where;
        EXPECT_EQ(got.value.value, nearest(exact)) << where;
    }
}

TEST(CalcCombinatorics, RefusalsAndTheEdgeOfTheDoubleRange) {
    using enum Counting;
    const std::string range = "Error: Número fuera de rango", nAboveM = "Error: n mayor que m";
    struct Row {
        Counting kind;
        std::uint64_t m, n;
        std::string message;
    };
    const Row rows[] = {
        {Variations, 10, 12, nAboveM},
        {Combinations, 3, 4, nAboveM},
        {Variations, 171, 171, range},
        {VariationsWithRepetition, 2, 1024, range},
        {VariationsWithRepetition, 10, 309, range},
        {Combinations, 1100, 550, range},
        {CombinationsWithRepetition, 600, 600, range},
        {VariationsWithRepetition, 3, std::uint64_t{1} << 53, range},
    };
    for (const Row& r : rows) {
        const CountingResult got = countArrangements(r.kind, {r.m, r.n});
        EXPECT_EQ(got.value.message, r.message)
            << countingSymbol(r.kind) << "(" << r.m << "," << r.n << ")";
    }
}

TEST(CalcCombinatorics, ElementsTypedAsOneNumber) {
    struct Row {
        const char* display;
        std::uint64_t m, n;
        const char* message;
    };
    const Row rows[] = {
        {"6,4", 6, 4, ""},
        {"20,10", 20, 10, ""},  // n with two digits: both after the comma
        {"6,04", 6, 4, ""},
        {"7", 7, 0, ""},
        {"7,", 7, 0, ""},
        {",5", 0, 5, ""},
        {"9007199254740992,3", 9007199254740992u, 3, ""},
        {"9007199254740993,3", 0, 0, "Error: Número fuera de rango"},
        {"5,9007199254740993", 0, 0, "Error: Número fuera de rango"},
        {"-6,4", 0, 0, "Error: Número negativo"},
        {"6E+20", 0, 0, "Error: Entrada no válida"},
        {"12#3", 0, 0, "Error: Entrada no válida"},
        {",", 0, 0, "Error: Entrada no válida"},
    };
    for (const Row& r : rows) {
        const ElementsReading e = readElements(r.display);
        EXPECT_EQ(e.message, r.message) << r.display;
        if (e.message.empty()) {
            EXPECT_EQ(e.value.m, r.m) << r.display;
            EXPECT_EQ(e.value.n, r.n) << r.display;
        }
    }
}

TEST(CalcCombinatorics, CountingKeysShowTheCountAndItsDigits) {
    struct Row {
        const char* keys;
        const char* numero;              // also the info line, unless there is a message
        std::vector<std::string> right;  // the lines of the result, when one is shown
        const char* message = nullptr;
    };
    // clang-format off
    const Row rows[] = {
        {"6,4 variations", "360", {"Resultado", "V(6,4) = 360"}},
        {"6,4 variationsWithRepetition", "1296", {"Resultado", "VR(6,4) = 1296"}},
        {"6,4 combinations", "15", {"Resultado", "C(6,4) = 15"}},
        {"6,4 combinationsWithRepetition", "126", {"Resultado", "CR(6,4) = 126"}},
        {"60,30 combinations", "1,18264581564861E+17",
         {"Resultado", "C(60,30) = 118264581564861424"}},
        {"100,50 combinations", "1,00891344545564E+29",
         {"Resultado", "C(100,50) =", "1008913445", "45564193334812497256"}},
        {"10,12 variations", "0", {}, "Error: n mayor que m"},
        {"10,12 variationsWithRepetition", "1000000000000",
         {"Resultado", "VR(10,12) = 1000000000000"}},
        {"10,15 variationsWithRepetition", "1E+15", {"Resultado", "VR(10,15) = 1000000000000000"}},
        {"171,171 variations", "0", {}, "Error: Número fuera de rango"},
        {"6,4 ± combinations", "0", {}, "Error: Número negativo"},
        {"1 # 2 combinations", "0", {}, "Error: Parada crítica"},
    };
    // clang-format on
    for (const Row& row : rows) {
        calc::testing::Calculator calc;
        const CalculatorState& s = calc.run(row.keys);
        EXPECT_EQ(s.numero, row.numero) << row.keys;
        EXPECT_EQ(s.result, row.message ? row.message : row.numero) << row.keys;
        EXPECT_EQ(s.solver.blue.polar, row.right) << row.keys;
        EXPECT_EQ(s.entryFlag, 0) << row.keys;
    }
    calc::testing::Calculator calc;
    EXPECT_EQ(calc.run("6,4 variations").func, "V m,n");
    EXPECT_EQ(calc.run("6,4 combinationsWithRepetition").solver.blue.rectangular,
              (std::vector<std::string>{"Combinaciones con repetición", "m = 6", "n = 4"}));
    // With 3 decimals set the count goes through the display formatting step.
    EXPECT_EQ(calc.run("3 SET 60,30 combinations").numero, "1,183E+17");
}

}  // namespace
