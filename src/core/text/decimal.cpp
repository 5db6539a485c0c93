#include "core/text/decimal.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace numeralia::text::detail {

namespace {

// Significant digits handed to the reader. A double is decided by at most 767 significant
// digits; the digits beyond the kept ones only matter as "something nonzero follows",
// which one sticky digit 1 keeps.
constexpr int kKeptDigits = 780;

// The largest double written with 15 significant digits.
constexpr std::string_view kLargestText = "179769313486232";

bool notAboveLargestText(const char* digits, int count) {
    for (int i = 0; i < count; ++i) {
        if (i >= static_cast<int>(kLargestText.size())) return false;  // longer, nonzero tail
        if (digits[i] != kLargestText[i]) return digits[i] < kLargestText[i];
    }
    return true;
}

}  // namespace

Decimal toDecimal(double x, int significant) {
    Decimal d;
    if (std::isnan(x) || x == 0) return d;
    if (std::isinf(x)) x = x > 0 ? DBL_MAX : -DBL_MAX;
    significant = std::clamp(significant, 1, kMaxSignificant);
    d.negative = std::signbit(x);

    char buf[48];
    const auto result = std::to_chars(buf, buf + sizeof buf, std::fabs(x),
                                      std::chars_format::scientific, significant - 1);
    const char* p = buf;
    int n = 0;
    for (; p < result.ptr && *p != 'e'; ++p) {
        if (*p != '.') d.digits[n++] = *p;
    }
    ++p;  // 'e'
    const bool negativeExponent = *p == '-';
    ++p;  // the exponent's sign, always written
    int exponent = 0;
    for (; p < result.ptr; ++p) exponent = exponent * 10 + (*p - '0');
    d.exponent = negativeExponent ? -exponent : exponent;
    while (n > 0 && d.digits[n - 1] == '0') --n;
    d.count = n;
    return d;
}

void roundHalfAway(Decimal& d, int keep) {
    if (d.count <= keep) return;
    if (keep < 0) {
        d = Decimal{};
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') --i;
        if (i < 0) {  // 999.. (or nothing kept) carries into a new leading digit
            d.digits[0] = '1';
            d.count = 1;
            d.exponent += 1;
            return;
        }
        ++d.digits[i];
        d.count = i + 1;  // the nines after it became zeros
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
    if (d.count == 0) d = Decimal{};
}

long long saturatedExponent(std::string_view digits, bool negative) {
    constexpr long long kLimit = 1'000'000'000;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            value = kLimit;
            break;
        }
    }
    return negative ? -value : value;
}

std::optional<double> readDecimal(bool negative, std::string_view intDigits,
                                  std::string_view fracDigits, long long exponent) {
    char digits[kKeptDigits + 1];
    int count = 0;
    bool dropped = false;
    auto take = [&](std::string_view part) {
        for (char c : part) {
            if (count < kKeptDigits) {
                digits[count++] = c;
            } else if (c != '0') {
                dropped = true;
                break;
            }
        }
    };

    long long lead;  // power of ten of the first significant digit, before the exponent
    const std::size_t firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
        lead = static_cast<long long>(intDigits.size() - 1 - firstInt);
        take(intDigits.substr(firstInt));
        take(fracDigits);
    } else {
        const std::size_t firstFrac = fracDigits.find_first_not_of('0');
        if (firstFrac == std::string_view::npos) return 0.0;
        lead = -static_cast<long long>(firstFrac) - 1;
        take(fracDigits.substr(firstFrac));
    }
    while (count > 1 && digits[count - 1] == '0') --count;
    if (dropped) digits[count++] = '1';

    lead += exponent;
    if (lead > 308) return std::nullopt;
    if (lead < -400) return 0.0;

    char text[kKeptDigits + 16];
    char* out = text;
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        out = std::copy(digits + 1, digits + count, out);
    }
    *out++ = 'e';
    out = std::to_chars(out, text + sizeof text, lead).ptr;

    double value = 0;
    const auto result = std::from_chars(text, out, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (lead < 0) return 0.0;  // below the smallest subnormal
        if (!notAboveLargestText(digits, count)) return std::nullopt;
        value = DBL_MAX;
    } else if (result.ec != std::errc{}) {
        return std::nullopt;  // cannot happen with the text built above
    }
    if (value == 0) return 0.0;
    return negative ? -value : value;
}

}  // namespace numeralia::text::detail
