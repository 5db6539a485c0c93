#pragma once
// Whole-number tools of the keys "Div" and "Fact": quotient and remainder, primality and
// prime factorisation of numbers up to 2^53 (and, for the arithmetic, up to 2^64).

#include <cstdint>
#include <string>
#include <vector>

namespace numeralia::calc {

// a·b mod m without overflow, through a 128-bit product.
std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m);
// The same with 64-bit arithmetic only (the fallback of compilers without a 128-bit type).
std::uint64_t mulModPortable(std::uint64_t a, std::uint64_t b, std::uint64_t m);
// base^exponent mod m.
std::uint64_t powMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m);

// Deterministic Miller-Rabin: exact for every 64-bit number.
bool isPrime(std::uint64_t n);

struct PrimePower {
    std::uint64_t prime = 0;
    int exponent = 0;
    bool operator==(const PrimePower&) const = default;
};

// The prime factors of n ≥ 2, smallest first: small primes by trial division, the rest by
// Pollard's rho in Brent's form, each factor proved prime by Miller-Rabin.
std::vector<PrimePower> primeFactors(std::uint64_t n);

// "25428 = 2² · 3 · 13 · 163": the number, then the prime powers joined by " · " with
// their exponents as superscript digits.
std::string factorizationText(std::uint64_t n, const std::vector<PrimePower>& factors);
// One prime power: "2²", "163".
std::string primePowerText(const PrimePower& p);

// Euclidean division of whole numbers: dividend = quotient·divisor + remainder with
// 0 ≤ remainder < |divisor| (divisor not 0).
struct QuotientRemainder {
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
};
QuotientRemainder euclideanDivision(std::int64_t dividend, std::int64_t divisor);

}  // namespace numeralia::calc
