#pragma once
// Exact natural numbers of any size, for the counting keys and the factorial: products of
// many whole factors are built exactly and rounded once, to the nearest double, at the end.

#include <cstdint>
#include <string>
#include <vector>

namespace numeralia::calc {

class BigNatural {
  public:
    BigNatural() = default;
    explicit BigNatural(std::uint64_t value);

    bool isZero() const { return limbs_.empty(); }
    // The number of binary digits (0 for zero).
    int bitLength() const;

    void multiply(std::uint64_t factor);
    // Divides by a non-zero divisor and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor);

    // The double nearest to the number, ties to even (so every whole number up to 2^53 is
    // exact). Infinity when the rounded value is 2^1024 or more.
    double toDouble() const;

    // All the decimal digits, without grouping ("0" for zero).
    std::string decimalDigits() const;

  private:
    // The count binary digits from bit `start` up (count at most 64).
    std::uint64_t bits(int start, int count) const;
    // Whether any bit below `end` is set.
    bool anyBitBelow(int end) const;
    void trim();

    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limb
};

}  // namespace numeralia::calc
