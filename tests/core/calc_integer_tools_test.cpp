// Whole-number tools: modular products, primality, prime factors and Euclidean division,
// each checked against an independent computation (a sieve, trial division, products of
// primes the test chose, quotient·divisor + remainder).

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "calc_script.h"
#include "core/calc/integer_tools.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace numeralia::calc {
void PrintTo(const PrimePower& p, std::ostream* out) { *out << p.prime << "^" << p.exponent; }
}  // namespace numeralia::calc

namespace {

constexpr std::uint64_t kTop = std::uint64_t{1} << 53;

bool primeByTrial(std::uint64_t n) {
    if (n < 2) return false;
    for (std::uint64_t d = 2; d * d <= n; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

// The largest prime at most n, by trial division.
std::uint64_t primeAtMost(std::uint64_t n) {
    while (!primeByTrial(n)) --n;
    return n;
}

std::uint64_t product(const std::vector<PrimePower>& factors) {
    std::uint64_t p = 1;
    for (const PrimePower& f : factors) {
        for (int i = 0; i < f.exponent; ++i) p *= f.prime;
    }
    return p;
}

TEST(CalcIntegerTools, ModularProductsAgreeWithAndWithout128Bits) {
    std::mt19937_64 random(11);
    const std::uint64_t moduli[] = {
        2, 3, 97, kTop - 1, kTop + 1, ~std::uint64_t{0}, (std::uint64_t{1} << 63) + 29};
    for (std::uint64_t m : moduli) {
        for (int i = 0; i < 200; ++i) {
            const std::uint64_t a = random(), b = random();
            EXPECT_EQ(mulMod(a % m, b % m, m), mulModPortable(a, b, m))
                << a << " " << b << " " << m;
        }
    }
    // Small cases against plain arithmetic.
    for (std::uint64_t a = 0; a < 40; ++a) {
        for (std::uint64_t b = 0; b < 40; ++b) EXPECT_EQ(mulModPortable(a, b, 37), a * b % 37);
    }
    EXPECT_EQ(powMod(3, 200, 1000003), powMod(powMod(3, 100, 1000003), 2, 1000003));
    EXPECT_EQ(powMod(2, 10, 1025), 1024u);
}

TEST(CalcIntegerTools, PrimalityAgreesWithASieveAndRefusesPseudoprimes) {
    constexpr std::size_t limit = 200000;
    std::vector<bool> composite(limit, false);
    composite[0] = composite[1] = true;
    for (std::size_t i = 2; i * i < limit; ++i) {
        if (!composite[i]) {
            for (std::size_t j = i * i; j < limit; j += i) composite[j] = true;
        }
    }
    for (std::size_t n = 0; n < limit; ++n) EXPECT_EQ(isPrime(n), !composite[n]) << n;
    // Strong pseudoprimes to several small bases, and Carmichael numbers.
    for (std::uint64_t n :
         {2047ull, 1373653ull, 25326001ull, 3215031751ull, 2152302898747ull, 3474749660383ull,
          341550071728321ull, 3825123056546413051ull, 561ull, 41041ull, 825265ull}) {
        EXPECT_FALSE(isPrime(n)) << n;
    }
    const std::uint64_t big = primeAtMost(kTop);
    EXPECT_EQ(big, 9007199254740881u);
    EXPECT_TRUE(isPrime(big));
    EXPECT_FALSE(isPrime(big + 2));
}

TEST(CalcIntegerTools, FactorsOfChosenPrimesMultiplyBack) {
    // Two primes near 2^26.5 whose product is just below 2^53: the hardest case of rho.
    const std::uint64_t p = primeAtMost(94906265), q = primeAtMost(p - 1);
    const std::uint64_t big = 9007199254740881;  // proved prime by trial division above
    const std::uint64_t r = primeAtMost(1u << 31), s = primeAtMost(r - 1);
    struct Row {
        std::uint64_t n;
        std::vector<PrimePower> factors;
    };
    const Row rows[] = {
        {2, {{2, 1}}},
        {4, {{2, 2}}},
        {25428, {{2, 2}, {3, 1}, {13, 1}, {163, 1}}},
        {kTop, {{2, 53}}},
        {kTop - 1, {{6361, 1}, {69431, 1}, {20394401, 1}}},
        {big, {{big, 1}}},
        {p * q, {{q, 1}, {p, 1}}},
        {p * p, {{p, 2}}},
        {2 * r * s, {{2, 1}, {s, 1}, {r, 1}}},
        {997 * 997, {{997, 2}}},
        {1009 * 1013, {{1009, 1}, {1013, 1}}},
        {304250263527210,  // the primes up to 41
         {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}, {23, 1}, {29, 1},
          {31, 1}, {37, 1}, {41, 1}}},
        {1162261467ull * 5, {{3, 19}, {5, 1}}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(primeFactors(row.n), row.factors) << row.n;
        EXPECT_EQ(product(row.factors), row.n) << "the row itself: " << row.n;
    }
    EXPECT_GT(p * q, kTop - kTop / 100);  // the semiprime sits at the top of the range
    EXPECT_LE(p * q, kTop);
    // Random numbers of the whole range: the factors are primes, in order, and their
    // product is the number.
    std::mt19937_64 random(53);
    for (int i = 0; i < 300; ++i) {
        const std::uint64_t n = 2 + random() % (kTop - 1);
        const std::vector<PrimePower> factors = primeFactors(n);
        EXPECT_EQ(product(factors), n);
        for (std::size_t k = 0; k < factors.size(); ++k) {
            EXPECT_TRUE(factors[k].prime < 1000000 ? primeByTrial(factors[k].prime)
                                                   : isPrime(factors[k].prime))
                << n;
            if (k > 0) {
                EXPECT_LT(factors[k - 1].prime, factors[k].prime) << n;
            }
        }
    }
}

TEST(CalcIntegerTools, FactorTexts) {
    EXPECT_EQ(factorizationText(25428, primeFactors(25428)), "25428 = 2² · 3 · 13 · 163");
    EXPECT_EQ(factorizationText(kTop, primeFactors(kTop)), "9007199254740992 = 2⁵³");
    EXPECT_EQ(primePowerText({3, 10}), "3¹⁰");
    EXPECT_EQ(primePowerText({7, 1}), "7");
}

TEST(CalcIntegerTools, EuclideanDivisionRebuildsTheDividend) {
    const std::int64_t top = static_cast<std::int64_t>(kTop);
    const std::int64_t values[] = {0, 1,  -1,  2,          -2,  6,    4,       -7,
                                   7, 13, -13, 1000000007, top, -top, top - 1, -(top - 1)};
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            if (b == 0) continue;
            const QuotientRemainder r = euclideanDivision(a, b);
            EXPECT_EQ(r.quotient * b + r.remainder, a) << a << " / " << b;
            EXPECT_GE(r.remainder, 0) << a << " / " << b;
            EXPECT_LT(r.remainder, b < 0 ? -b : b) << a << " / " << b;
        }
    }
}

TEST(CalcIntegerTools, FactKeyWritesTheBlueDisplay) {
    using Lines = std::vector<std::string>;
    struct Row {
        const char* keys;
        Lines left, right;
        const char* result;
    };
    const Lines top{"Descomposición factorial", "N = 9007199254740992", "9007199254740992 = 2⁵³"};
    // clang-format off
    const Row rows[] = {
        {"25428 Fact", {"Descomposición factorial", "N = 25428", "25428 = 2² · 3 · 13 · 163"},
         {"Factores primos", "2²", "3", "13", "163"}, "0"},
        {"9007199254740881 Fact",
         {"Descomposición factorial", "N = 9007199254740881", "9007199254740881 es primo"},
         {"Factores primos", "9007199254740881"}, "0"},
        {"9007199254740992 Fact", top, {"Factores primos", "2⁵³"}, "0"},
        {"1 Fact", {}, {}, "Error: Número menor que 2"},
        {"12 ± Fact", {}, {}, "Error: Número menor que 2"},
        {"12,5 Fact", {}, {}, "Error: Número no entero"},
        {"9007199254740993 Fact", {}, {}, "Error: Número fuera de rango"},
        {"1 EXP 16 Fact", {}, {}, "Error: Número fuera de rango"},
        {"1 # 2 Fact", {}, {}, "Error: Parada crítica"},
        // A refused number leaves the last decomposition on show.
        {"12 Fact 1 Fact", {"Descomposición factorial", "N = 12", "12 = 2² · 3"},
         {"Factores primos", "2²", "3"}, "Error: Número menor que 2"},
    };
    // clang-format on
    for (const Row& row : rows) {
        calc::testing::Calculator calc;
        const CalculatorState& s = calc.run(row.keys);
        EXPECT_EQ(s.solver.blue.rectangular, row.left) << row.keys;
        EXPECT_EQ(s.solver.blue.polar, row.right) << row.keys;
        EXPECT_EQ(s.result, row.result) << row.keys;
        EXPECT_EQ(s.numero, "0") << row.keys;
        EXPECT_EQ(s.func,
                  std::string(row.result).starts_with("Err") ? "*** ERROR / BORRADO ***" : "Fact")
            << row.keys;
    }
}

}  // namespace
