#include "core/text/number_text.h"

#include <cfloat>
#include <cmath>
#include <charconv>
#include <cstdint>

#include "core/text/decimal.h"

namespace numeralia::text {

namespace {

using detail::Decimal;

// Power-of-ten exponents written in fixed notation by the general texts: from 1E-4 up to,
// but not including, 10 to the number of significant digits (1E15 for doubles, 1E7 for
// single precision), so a fixed text never shows a made-up zero digit.
constexpr int kLowestFixedExponent = -4;
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && isBlank(s[i])) ++i;
    return i;
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// 16 for "&h", 8 for "&o" (either case), 0 otherwise.
int radixPrefix(std::string_view s) {
    if (s.size() < 2 || s[0] != '&') return 0;
    if (s[1] == 'h' || s[1] == 'H') return 16;
    if (s[1] == 'o' || s[1] == 'O') return 8;
    return 0;
}

int digitValue(char c, int radix) {
    int v = 99;
    if (isDigit(c)) {
        v = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        v = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        v = c - 'A' + 10;
    }
    return v < radix ? v : -1;
}

// Reads the whole number of the given radix at the start of s; `used` tells how many
// characters were digits. No digits read 0; a value beyond the double range gives nullopt.
std::optional<double> readWhole(std::string_view s, int radix, std::size_t& used) {
    const int bits = radix == 16 ? 4 : 3;
    std::uint64_t head = 0;
    long long tailDigits = 0;  // digits that no longer fit in head
    used = 0;
    for (; used < s.size(); ++used) {
        const int v = digitValue(s[used], radix);
        if (v < 0) break;
        if (tailDigits == 0 && (head >> (64 - bits)) == 0) {
            head = (head << bits) | static_cast<std::uint64_t>(v);
        } else if (tailDigits < 100000) {
            ++tailDigits;
        }
    }
    const double value = std::ldexp(static_cast<double>(head), static_cast<int>(tailDigits * bits));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// A decimal number as the readers see it: optional sign, digits, optional fraction after
// the decimal mark, optional exponent after E or e (with optional sign; its digits may be
// missing, which callers treat as they choose).
struct Scanned {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    long long exponent = 0;
    bool exponentWithoutDigits = false;
    std::size_t end = 0;  // index just after the last character taken
    bool hasDigits() const { return !intDigits.empty() || !fracDigits.empty(); }
};

Scanned scanDecimal(std::string_view s, char mark) {
    Scanned r;
    std::size_t p = 0;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) r.negative = s[p++] == '-';
    const std::size_t intBegin = p;
    p = skipDigits(s, p);
    r.intDigits = s.substr(intBegin, p - intBegin);
    if (p < s.size() && s[p] == mark) {
        const std::size_t fracBegin = ++p;
        p = skipDigits(s, p);
        r.fracDigits = s.substr(fracBegin, p - fracBegin);
    }
    if (r.hasDigits() && p < s.size() && (s[p] == 'E' || s[p] == 'e')) {
        ++p;
        bool negativeExponent = false;
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) negativeExponent = s[p++] == '-';
        const std::size_t expBegin = p;
        p = skipDigits(s, p);
        r.exponentWithoutDigits = p == expBegin;
        r.exponent = detail::saturatedExponent(s.substr(expBegin, p - expBegin), negativeExponent);
    }
    r.end = p;
    return r;
}

// A general text: fixed notation for exponents from -4 up to fixedLimit - 1, otherwise the
// mantissa, E, the exponent's sign and at least two exponent digits.
std::string plainText(const Decimal& d, char mark, int fixedLimit, bool signBlank) {
    char buf[64];
    char* out = buf;
    if (d.negative || signBlank) *out++ = d.negative ? '-' : ' ';
    if (d.count == 0) {
        *out++ = '0';
        return std::string(buf, out);
    }
    const int e = d.exponent;
    if (e < kLowestFixedExponent || e >= fixedLimit) {
        *out++ = d.digits[0];
        if (d.count > 1) {
            *out++ = mark;
            for (int i = 1; i < d.count; ++i) *out++ = d.digits[i];
        }
        *out++ = 'E';
        *out++ = e < 0 ? '-' : '+';
        const int magnitude = e < 0 ? -e : e;
        if (magnitude >= 100) *out++ = static_cast<char>('0' + magnitude / 100);
        *out++ = static_cast<char>('0' + magnitude / 10 % 10);
        *out++ = static_cast<char>('0' + magnitude % 10);
    } else if (e >= 0) {
        for (int i = 0; i <= e; ++i) *out++ = i < d.count ? d.digits[i] : '0';
        if (d.count > e + 1) {
            *out++ = mark;
            for (int i = e + 1; i < d.count; ++i) *out++ = d.digits[i];
        }
    } else {
        *out++ = '0';
        *out++ = mark;
        for (int i = -1; i > e; --i) *out++ = '0';
        for (int i = 0; i < d.count; ++i) *out++ = d.digits[i];
    }
    return std::string(buf, out);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    std::size_t begin = skipBlanks(text, 0);
    std::size_t end = text.size();
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view s = text.substr(begin, end - begin);
    if (s.empty()) return std::nullopt;

    if (const int radix = radixPrefix(s)) {
        std::size_t used = 0;
        const std::string_view digits = s.substr(2);
        auto value = readWhole(digits, radix, used);
        if (used == 0 || used != digits.size()) return std::nullopt;
        return value;
    }

    // A missing exponent ("5E", "5E-" while the exponent is being typed) counts as 0.
    const Scanned n = scanDecimal(s, ',');
    if (!n.hasDigits() || n.end != s.size()) return std::nullopt;
    return detail::readDecimal(n.negative, n.intDigits, n.fracDigits, n.exponent);
}

std::optional<double> leadingNumber(std::string_view text) {
    const std::string_view s = text.substr(skipBlanks(text, 0));
    if (const int radix = radixPrefix(s)) {
        std::size_t used = 0;
        return readWhole(s.substr(2), radix, used);
    }
    const Scanned n = scanDecimal(s, '.');
    if (!n.hasDigits()) return 0.0;
    return detail::readDecimal(n.negative, n.intDigits, n.fracDigits, n.exponent);
}

std::string generalText(double x) {
    return plainText(detail::toDecimal(x, kDoubleDigits), ',', kDoubleDigits, false);
}

std::string significantText(double x, int digits) {
    digits = digits < 1 ? 1 : digits > kDoubleDigits ? kDoubleDigits : digits;
    return plainText(detail::toDecimal(x, digits), ',', kDoubleDigits, false);
}

std::string singleText(double x) {
    // The value the single-precision variable holds; beyond its range the double itself.
    const double value = std::fabs(x) <= FLT_MAX ? static_cast<double>(static_cast<float>(x)) : x;
    return plainText(detail::toDecimal(value, kSingleDigits), ',', kSingleDigits, false);
}

std::string signBlankText(double x, char decimalMark) {
    return plainText(detail::toDecimal(x, kDoubleDigits), decimalMark, kDoubleDigits, true);
}

std::string fileNumberText(double x) {
    return plainText(detail::toDecimal(x, kDoubleDigits), '.', kDoubleDigits, false);
}

namespace {

// A whole text that is one decimal number with the given mark, or nothing.
std::optional<double> readWholeDecimal(std::string_view s, char decimalMark) {
    const Scanned n = scanDecimal(s, decimalMark);
    if (!n.hasDigits() || n.exponentWithoutDigits || n.end != s.size()) return std::nullopt;
    return detail::readDecimal(n.negative, n.intDigits, n.fracDigits, n.exponent);
}

}  // namespace

std::optional<double> parseFileNumber(std::string_view s) { return readWholeDecimal(s, '.'); }

std::string exactFileNumberText(double x) {
    if (!std::isfinite(x)) x = std::isnan(x) ? 0.0 : std::copysign(DBL_MAX, x);
    if (x == 0) x = 0.0;  // no "-0"
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, written.ptr);
}

std::optional<double> parseDataNumber(std::string_view s) {
    return readWholeDecimal(s, s.find(',') != std::string_view::npos ? ',' : '.');
}

std::string wholeNumberText(double value, int base) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::uint64_t magnitude = static_cast<std::uint64_t>(std::fabs(value));
    std::string reversed;
    do {
        reversed.push_back(digits[magnitude % static_cast<std::uint64_t>(base)]);
        magnitude /= static_cast<std::uint64_t>(base);
    } while (magnitude != 0);
    if (value < 0) reversed.push_back('-');
    return {reversed.rbegin(), reversed.rend()};
}

}  // namespace numeralia::text
