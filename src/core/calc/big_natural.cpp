#include "core/calc/big_natural.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace numeralia::calc {

namespace {

constexpr int kLimbBits = 32;
constexpr std::uint64_t kLimbMask = 0xFFFFFFFFu;

}  // namespace

BigNatural::BigNatural(std::uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value & kLimbMask));
        value >>= kLimbBits;
    }
}

int BigNatural::bitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<int>(limbs_.size() - 1) * kLimbBits + std::bit_width(limbs_.back());
}

void BigNatural::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

void BigNatural::multiply(std::uint64_t factor) {
    if (factor == 0 || limbs_.empty()) {
        limbs_.clear();
        return;
    }
    // The factor as two limbs; each partial product of a limb and a factor limb fits in 64
    // bits with its carry.
    const std::uint64_t parts[2] = {factor & kLimbMask, factor >> kLimbBits};
    std::vector<std::uint32_t> product(limbs_.size() + 2, 0);
    for (std::size_t p = 0; p < 2; ++p) {
        if (parts[p] == 0) continue;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint64_t t = limbs_[i] * parts[p] + product[i + p] + carry;
            product[i + p] = static_cast<std::uint32_t>(t & kLimbMask);
            carry = t >> kLimbBits;
        }
        for (std::size_t k = limbs_.size() + p; carry != 0; ++k) {
            const std::uint64_t t = product[k] + carry;
            product[k] = static_cast<std::uint32_t>(t & kLimbMask);
            carry = t >> kLimbBits;
        }
    }
    limbs_ = std::move(product);
    trim();
}

std::uint32_t BigNatural::divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const std::uint64_t t = (remainder << kLimbBits) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(t / divisor);
        remainder = t % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
}

std::uint64_t BigNatural::bits(int start, int count) const {
    std::uint64_t out = 0;
    for (int k = 0; k < count; ++k) {
        const int bit = start + k;
        const auto limb = static_cast<std::size_t>(bit / kLimbBits);
        if (limb < limbs_.size() && ((limbs_[limb] >> (bit % kLimbBits)) & 1u))
            out |= std::uint64_t{1} << k;
    }
    return out;
}

bool BigNatural::anyBitBelow(int end) const {
    const auto whole = static_cast<std::size_t>(end / kLimbBits);
    for (std::size_t i = 0; i < std::min(whole, limbs_.size()); ++i) {
        if (limbs_[i] != 0) return true;
    }
    return end % kLimbBits != 0 && bits(static_cast<int>(whole) * kLimbBits, end % kLimbBits) != 0;
}

double BigNatural::toDouble() const {
    constexpr int kMantissaBits = 53;
    const int length = bitLength();
    if (length <= kMantissaBits) return static_cast<double>(bits(0, length));
    // The 53 leading bits, the next bit (half a unit of the last place) and whether anything
    // below it is set: round half to even.
    const int shift = length - kMantissaBits;
    std::uint64_t mantissa = bits(shift, kMantissaBits);
    const bool half = bits(shift - 1, 1) != 0;
    const bool sticky = anyBitBelow(shift - 1);
    if (half && (sticky || (mantissa & 1u))) ++mantissa;
    // A carry out of the 53 bits gives 2^53, still exact in a double; ldexp overflows to
    // infinity beyond the double range.
    return std::ldexp(static_cast<double>(mantissa), shift);
}

std::string BigNatural::decimalDigits() const {
    if (limbs_.empty()) return "0";
    constexpr std::uint32_t kChunk = 1000000000;  // nine digits at a time
    BigNatural rest = *this;
    std::vector<std::uint32_t> chunks;
    while (!rest.isZero()) chunks.push_back(rest.divide(kChunk));
    std::string out = std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(chunks[i]);
        out += std::string(9 - part.size(), '0') + part;
    }
    return out;
}

}  // namespace numeralia::calc
