#pragma once
// Decimal building blocks shared by the number texts: a double as a short string of
// significant decimal digits, rounding of such a string, and the exact reading of a
// scanned decimal number back into a double. Internal to core/text.

#include <optional>
#include <string_view>

namespace numeralia::text::detail {

// The most significant digits any conversion asks for.
inline constexpr int kMaxSignificant = 17;

// value = (negative ? -1 : 1) * 0.d0 d1 d2 ... * 10^(exponent + 1), that is d0 stands at
// the position 10^exponent. No trailing zero digits are kept; zero has count 0 (and then
// exponent 0 and no sign).
struct Decimal {
    bool negative = false;
    int count = 0;
    int exponent = 0;
    char digits[kMaxSignificant + 1] = {};  // ASCII '0'..'9'
};

// The value rounded to the nearest decimal with `significant` digits (1 to 17). Zero and
// negative zero give zero. A program never shows infinity or NaN: NaN is taken as zero and
// an infinity as the largest finite double of its sign.
Decimal toDecimal(double x, int significant);

// Rounds half away from zero so that at most `keep` digits remain, the last one standing
// at the position of digit index keep - 1. keep 0 rounds to one unit at the position just
// above d0 (giving 1 * 10^(exponent + 1) when d0 is 5 or more, otherwise zero); keep below
// 0 gives zero. Trailing zeros are dropped again.
void roundHalfAway(Decimal& d, int keep);

// The double nearest to the decimal number  sign intDigits.fracDigits * 10^exponent
// (digit strings may be empty or long; the exponent is already saturated by the caller).
// A magnitude beyond the double range gives nullopt, except that a text no larger than the
// largest double written with 15 significant digits (1.79769313486232E+308) reads as the
// largest double, so that every text this module writes reads back. Magnitudes below the
// smallest subnormal read as 0; negative zero reads as 0.
std::optional<double> readDecimal(bool negative, std::string_view intDigits,
                                  std::string_view fracDigits, long long exponent);

// Reads the digits of an exponent with saturation far beyond any meaningful value, so that
// "1E99999999999999999999" overflows instead of wrapping around.
long long saturatedExponent(std::string_view digits, bool negative);

}  // namespace numeralia::text::detail
