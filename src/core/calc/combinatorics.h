#pragma once
// Factorials, variations and combinations, computed exactly and rounded once: a result is
// the exact whole number while it fits in 2^53 and otherwise the double nearest to the exact
// value, up to the double range; beyond it the key reports "Error: Número fuera de rango".

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc/big_natural.h"
#include "core/calc/math_result.h"

namespace numeralia::calc {

// The greatest n of n!: 171! is beyond the double range.
inline constexpr int largestFactorial = 170;

// n! exactly.
BigNatural exactFactorial(unsigned n);

// The four ways of counting of the keys "V m,n", "VR m,n", "C m,n" and "CR m,n".
enum class Counting {
    Variations,                  // m·(m−1)·…·(m−n+1)
    VariationsWithRepetition,    // m^n
    Combinations,                // m! / (n!·(m−n)!)
    CombinationsWithRepetition,  // C(m+n−1, n)
};

// "V", "VR", "C" or "CR".
std::string_view countingSymbol(Counting kind);
// Whether the formula needs n ≤ m (variations and combinations without repetition).
bool needsNAtMostM(Counting kind);

// m elements taken n at a time, typed as one number m.n: m is the whole part, n the digits
// after the decimal comma as they stand ("6,4" is m = 6, n = 4; "20,10" is m = 20, n = 10;
// "7" is m = 7, n = 0).
struct ElementsTaken {
    std::uint64_t m = 0;
    std::uint64_t n = 0;
};

// Reads m and n from the main display's text. Refused: a negative number ("Error: Número
// negativo"), m or n above 2^53 ("Error: Número fuera de rango"), any other text such as an
// exponent form ("Error: Entrada no válida").
struct ElementsReading {
    ElementsTaken value;
    std::string message;  // empty when read
};
ElementsReading readElements(std::string_view display);

// The count, exactly; reported when n > m where the formula needs n ≤ m, or beyond the
// double range.
struct CountingResult {
    MathResult value;    // the double nearest to the count, or the message
    std::string digits;  // every decimal digit of the exact count, when value holds one
};
CountingResult countArrangements(Counting kind, ElementsTaken e);

}  // namespace numeralia::calc
