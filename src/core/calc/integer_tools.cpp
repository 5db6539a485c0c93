#include "core/calc/integer_tools.h"

#include <algorithm>
#include <numeric>

namespace numeralia::calc {

namespace {

// Primes below this are found by trial division before Pollard's rho takes over.
constexpr std::uint64_t kTrialLimit = 1000;
// Products of |x − y| gathered before each gcd in Brent's loop.
constexpr std::uint64_t kBatch = 128;

std::uint64_t addMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
    return a >= m - b ? a - (m - b) : a + b;
}

std::uint64_t distance(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

// A non-trivial factor of the composite n, or n when this polynomial x² + c failed.
std::uint64_t brentFactor(std::uint64_t n, std::uint64_t c) {
    auto step = [&](std::uint64_t v) { return addMod(mulMod(v, v, n), c, n); };
    std::uint64_t y = 2, x = 2, saved = 2, product = 1, g = 1;
    for (std::uint64_t length = 1; g == 1; length *= 2) {
        x = y;
        for (std::uint64_t i = 0; i < length; ++i) y = step(y);
        for (std::uint64_t done = 0; done < length && g == 1; done += kBatch) {
            saved = y;
            const std::uint64_t batch = std::min(kBatch, length - done);
            for (std::uint64_t i = 0; i < batch; ++i) {
                y = step(y);
                product = mulMod(product, distance(x, y), n);
            }
            g = std::gcd(product, n);
        }
    }
    if (g == n) {
        // The batch overshot: walk it again one step at a time.
        do {
            saved = step(saved);
            g = std::gcd(distance(x, saved), n);
        } while (g == 1);
    }
    return g;
}

void splitInto(std::uint64_t n, std::vector<std::uint64_t>& primes) {
    if (n == 1) return;
    if (isPrime(n)) {
        primes.push_back(n);
        return;
    }
    std::uint64_t factor = n;
    for (std::uint64_t c = 1; factor == n; ++c) factor = brentFactor(n, c);
    splitInto(factor, primes);
    splitInto(n / factor, primes);
}

}  // namespace

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 Unsigned128;
#endif

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
#if defined(__SIZEOF_INT128__)
    return static_cast<std::uint64_t>(static_cast<Unsigned128>(a) * b % m);
#else
    return mulModPortable(a, b, m);
#endif
}

std::uint64_t mulModPortable(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
    a %= m;
    std::uint64_t result = 0;
    for (; b != 0; b >>= 1) {
        if (b & 1u) result = addMod(result, a, m);
        a = addMod(a, a, m);
    }
    return result;
}

std::uint64_t powMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m) {
    std::uint64_t result = 1 % m;
    base %= m;
    for (; exponent != 0; exponent >>= 1) {
        if (exponent & 1u) result = mulMod(result, base, m);
        base = mulMod(base, base, m);
    }
    return result;
}

bool isPrime(std::uint64_t n) {
    // The first twelve primes as witnesses decide every n below 3·10^23.
    constexpr std::uint64_t witnesses[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    if (n < 2) return false;
    for (std::uint64_t p : witnesses) {
        if (n % p == 0) return n == p;
    }
    std::uint64_t d = n - 1;
    int s = 0;
    for (; d % 2 == 0; d /= 2) ++s;
    for (std::uint64_t a : witnesses) {
        std::uint64_t x = powMod(a, d, n);
        if (x == 1 || x == n - 1) continue;
        bool composite = true;
        for (int r = 1; r < s && composite; ++r) {
            x = mulMod(x, x, n);
            composite = x != n - 1;
        }
        if (composite) return false;
    }
    return true;
}

std::vector<PrimePower> primeFactors(std::uint64_t n) {
    std::vector<std::uint64_t> primes;
    for (std::uint64_t d = 2; d < kTrialLimit && d * d <= n; d += d == 2 ? 1 : 2) {
        for (; n % d == 0; n /= d) primes.push_back(d);
    }
    if (n > 1 && n < kTrialLimit * kTrialLimit) {
        primes.push_back(n);  // no divisor below its square root is left
    } else {
        splitInto(n, primes);
    }
    std::sort(primes.begin(), primes.end());
    std::vector<PrimePower> out;
    for (std::uint64_t p : primes) {
        if (!out.empty() && out.back().prime == p) {
            ++out.back().exponent;
        } else {
            out.push_back({p, 1});
        }
    }
    return out;
}

std::string primePowerText(const PrimePower& p) {
    static constexpr const char* superscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                   "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = std::to_string(p.prime);
    if (p.exponent > 1) {
        for (char digit : std::to_string(p.exponent)) text += superscripts[digit - '0'];
    }
    return text;
}

std::string factorizationText(std::uint64_t n, const std::vector<PrimePower>& factors) {
    std::string text = std::to_string(n) + " =";
    for (std::size_t i = 0; i < factors.size(); ++i) {
        text += i == 0 ? " " : " · ";
        text += primePowerText(factors[i]);
    }
    return text;
}

QuotientRemainder euclideanDivision(std::int64_t dividend, std::int64_t divisor) {
    QuotientRemainder r{dividend / divisor, dividend % divisor};
    if (r.remainder < 0) {
        if (divisor > 0) {
            r.remainder += divisor;
            --r.quotient;
        } else {
            r.remainder -= divisor;
            ++r.quotient;
        }
    }
    return r;
}

}  // namespace numeralia::calc
