#include "core/calc/combinatorics.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace numeralia::calc {

namespace {

// A product whose exact value has more binary digits than this is beyond the double range
// (it is 2^1024 or more); the products below only grow, so they stop as soon as they pass it.
constexpr int kDoubleRangeBits = 1024;

bool beyondRange(const BigNatural& x) { return x.bitLength() > kDoubleRangeBits; }

// first·(first+1)·…·last, or nothing once the product leaves the double range.
std::optional<BigNatural> rangeProduct(std::uint64_t first, std::uint64_t last) {
    BigNatural product(1);
    for (std::uint64_t f = first; f <= last; ++f) {
        product.multiply(f);
        if (beyondRange(product)) return std::nullopt;
    }
    return product;
}

// C(m, k) by C(m−k+i, i) = C(m−k+i−1, i−1)·(m−k+i)/i, for i = 1 .. k with k ≤ m − k. Every
// step is an exact division and the values never decrease, so the loop stops once the
// double range is passed.
std::optional<BigNatural> binomial(std::uint64_t m, std::uint64_t k) {
    k = std::min(k, m - k);
    BigNatural c(1);
    for (std::uint64_t i = 1; i <= k; ++i) {
        c.multiply(m - k + i);
        c.divide(static_cast<std::uint32_t>(i));  // i stays small: C(m, i) ≥ 2^i
        if (beyondRange(c)) return std::nullopt;
    }
    return c;
}

std::optional<BigNatural> power(std::uint64_t m, std::uint64_t n) {
    if (m == 0) return BigNatural(n == 0 ? 1 : 0);
    if (m == 1) return BigNatural(1);
    BigNatural p(1);
    for (std::uint64_t i = 0; i < n; ++i) {
        p.multiply(m);
        if (beyondRange(p)) return std::nullopt;
    }
    return p;
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

BigNatural exactFactorial(unsigned n) {
    BigNatural product(1);
    for (unsigned f = 2; f <= n; ++f) product.multiply(f);
    return product;
}

std::string_view countingSymbol(Counting kind) {
    switch (kind) {
        case Counting::Variations:
            return "V";
        case Counting::VariationsWithRepetition:
            return "VR";
        case Counting::Combinations:
            return "C";
        case Counting::CombinationsWithRepetition:
            return "CR";
    }
    return "";
}

bool needsNAtMostM(Counting kind) {
    return kind == Counting::Variations || kind == Counting::Combinations;
}

ElementsReading readElements(std::string_view display) {
    while (!display.empty() && display.front() == ' ') display.remove_prefix(1);
    while (!display.empty() && display.back() == ' ') display.remove_suffix(1);
    if (display.starts_with('-')) return {{}, message::negative};
    const std::size_t comma = display.find(',');
    const std::string_view whole = display.substr(0, comma);
    const std::string_view taken =
        comma == std::string_view::npos ? std::string_view{} : display.substr(comma + 1);
    if ((whole.empty() && taken.empty()) || !allDigits(whole) || !allDigits(taken))
        return {{}, message::invalidEntry};
    // Only digits are left, so nothing read means beyond 2^53.
    const auto m = wholeFromDigits(whole, 10);
    const auto n = wholeFromDigits(taken, 10);
    if (!m || !n) return {{}, message::outOfRange};
    return {{*m, *n}, {}};
}

CountingResult countArrangements(Counting kind, ElementsTaken e) {
    if (needsNAtMostM(kind) && e.n > e.m) return {MathResult::reported(message::nAboveM), {}};
    std::optional<BigNatural> exact;
    switch (kind) {
        case Counting::Variations:
            exact = e.n == 0 ? BigNatural(1) : rangeProduct(e.m - e.n + 1, e.m);
            break;
        case Counting::VariationsWithRepetition:
            exact = power(e.m, e.n);
            break;
        case Counting::Combinations:
            exact = binomial(e.m, e.n);
            break;
        case Counting::CombinationsWithRepetition:
            // No way to take n > 0 elements out of none; taking none is one way.
            exact = e.m == 0 ? BigNatural(e.n == 0 ? 1 : 0) : binomial(e.m + e.n - 1, e.n);
            break;
    }
    if (!exact) return {MathResult::reported(message::outOfRange), {}};
    const double rounded = exact->toDouble();
    if (!std::isfinite(rounded)) return {MathResult::reported(message::outOfRange), {}};
    return {MathResult::of(rounded), exact->decimalDigits()};
}

}  // namespace numeralia::calc
