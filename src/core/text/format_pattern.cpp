// Numeric patterns in the usual notation: "0" a digit always shown, "#" a digit shown when
// significant, "." the decimal place, "," in the integer part thousands grouping,
// "E+0"/"E-0"/"e+0"/"e-0" an exponent part, literal text around the number ("\x" one
// character, "..." a quoted text, "%" shown and multiplying by 100). Written with the comma
// as decimal separator and the point as grouping separator.

#include <algorithm>
#include <string>

#include "core/text/decimal.h"
#include "core/text/number_text.h"

namespace numeralia::text {

namespace {

using detail::Decimal;

constexpr int kSignificant = 15;
constexpr char kDecimalSeparator = ',';
constexpr char kGroupSeparator = '.';

struct Pattern {
    std::string prefix;  // literal text before the number
    std::string suffix;  // literal text after it
    bool percent = false;
    int intPlaceholders = 0;
    int intMinDigits = 0;  // from the first "0" of the integer part to the decimal place
    bool grouping = false;
    bool hasPoint = false;
    int fracPlaceholders = 0;
    int fracMinDigits = 0;  // up to the last "0" of the fraction
    bool hasExponent = false;
    char exponentLetter = 'E';
    bool exponentSignAlways = false;
    int exponentMinDigits = 1;
};

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

bool startsExponent(std::string_view p, std::size_t i) {
    return i + 2 < p.size() && (p[i] == 'E' || p[i] == 'e') &&
           (p[i + 1] == '+' || p[i + 1] == '-') && isPlaceholder(p[i + 2]);
}

// Copies the literal element at i to out and returns the index after it.
std::size_t takeLiteral(std::string_view p, std::size_t i, std::string& out, bool& percent) {
    const char c = p[i];
    if (c == '\\') {  // the next character, all bytes of it
        std::size_t end = std::min(i + 2, p.size());
        while (end < p.size() && (static_cast<unsigned char>(p[end]) & 0xC0) == 0x80) ++end;
        out.append(p.substr(i + 1, end - i - 1));
        return std::max(end, i + 2);
    }
    if (c == '"') {
        std::size_t close = p.find('"', i + 1);
        if (close == std::string_view::npos) close = p.size();
        out.append(p.substr(i + 1, close - i - 1));
        return close + 1;
    }
    if (c == '%') percent = true;
    out += c;
    return i + 1;
}

Pattern parsePattern(std::string_view p) {
    Pattern r;
    std::size_t i = 0;
    while (i < p.size() && !isPlaceholder(p[i]) && p[i] != '.') {
        i = takeLiteral(p, i, r.prefix, r.percent);
    }
    int firstIntZero = -1;
    for (; i < p.size(); ++i) {
        const char c = p[i];
        if (isPlaceholder(c) && r.hasPoint) {
            ++r.fracPlaceholders;
            if (c == '0') r.fracMinDigits = r.fracPlaceholders;
        } else if (isPlaceholder(c)) {
            if (c == '0' && firstIntZero < 0) firstIntZero = r.intPlaceholders;
            ++r.intPlaceholders;
        } else if (c == ',' && !r.hasPoint) {
            r.grouping = true;
        } else if (c == '.' && !r.hasPoint) {
            r.hasPoint = true;
        } else {
            break;
        }
    }
    if (firstIntZero >= 0) r.intMinDigits = r.intPlaceholders - firstIntZero;
    if (startsExponent(p, i)) {
        r.hasExponent = true;
        r.exponentLetter = p[i];
        r.exponentSignAlways = p[i + 1] == '+';
        int zeros = 0;
        for (i += 2; i < p.size() && isPlaceholder(p[i]); ++i) zeros += p[i] == '0';
        r.exponentMinDigits = std::max(zeros, 1);
    }
    while (i < p.size()) i = takeLiteral(p, i, r.suffix, r.percent);
    return r;
}

// Digit index i of d (0 is the leading digit); zeros beyond the kept digits.
char digitAt(const Decimal& d, int i) { return i >= 0 && i < d.count ? d.digits[i] : '0'; }

// Appends the decimal separator (always, when the pattern has one) and the fraction whose
// first digit has index `first`: all placeholders' worth, less trailing zeros beyond the
// last "0" placeholder.
void appendFraction(std::string& out, const Pattern& pat, const Decimal& d, int first) {
    if (!pat.hasPoint) return;
    out += kDecimalSeparator;
    int shown = pat.fracMinDigits;
    for (int j = pat.fracPlaceholders; j > shown; --j) {
        if (digitAt(d, first + j - 1) != '0') shown = j;
    }
    for (int j = 0; j < shown; ++j) out += digitAt(d, first + j);
}

void appendFixed(std::string& out, const Pattern& pat, Decimal d) {
    detail::roundHalfAway(d, d.exponent + 1 + pat.fracPlaceholders);
    if (d.negative) out += '-';
    out += pat.prefix;
    const int intDigits = d.count > 0 && d.exponent >= 0 ? d.exponent + 1 : 0;
    const int shown = std::max(intDigits, pat.intMinDigits);
    for (int power = shown - 1; power >= 0; --power) {
        out += power < intDigits ? digitAt(d, d.exponent - power) : '0';
        if (pat.grouping && power > 0 && power % 3 == 0) out += kGroupSeparator;
    }
    appendFraction(out, pat, d, d.count > 0 ? d.exponent + 1 : 0);
}

void appendScientific(std::string& out, const Pattern& pat, Decimal d) {
    const int intDigits = std::max(pat.intPlaceholders, 1);
    int exponent = 0;
    if (d.count > 0) {
        detail::roundHalfAway(d, intDigits + pat.fracPlaceholders);
        exponent = d.exponent - (intDigits - 1);
    }
    if (d.negative) out += '-';
    out += pat.prefix;
    for (int i = 0; i < intDigits; ++i) out += digitAt(d, i);
    appendFraction(out, pat, d, intDigits);

    out += pat.exponentLetter;
    if (exponent < 0 || pat.exponentSignAlways) out += exponent < 0 ? '-' : '+';
    char digits[8];
    int n = 0;
    for (int e = exponent < 0 ? -exponent : exponent; e > 0 || n < pat.exponentMinDigits; e /= 10) {
        digits[n++] = static_cast<char>('0' + e % 10);
        if (n == static_cast<int>(sizeof digits)) break;
    }
    while (n > 0) out += digits[--n];
}

bool isGeneralNumber(std::string_view pattern) {
    constexpr std::string_view kName = "general number";
    if (pattern.size() != kName.size()) return false;
    for (std::size_t i = 0; i < kName.size(); ++i) {
        const char c = pattern[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kName[i]) return false;
    }
    return true;
}

}  // namespace

std::string formatPattern(double x, std::string_view pattern) {
    if (pattern.empty() || isGeneralNumber(pattern)) return generalText(x);
    const Pattern pat = parsePattern(pattern);
    if (pat.intPlaceholders == 0 && pat.fracPlaceholders == 0 && !pat.hasPoint) {
        return generalText(x);
    }
    if (pat.percent) x *= 100;
    // The sign is written only when a shown digit is not zero: -0.001 with "0.00" is 0,00.
    const Decimal d = detail::toDecimal(x, kSignificant);
    std::string out;
    if (pat.hasExponent) {
        appendScientific(out, pat, d);
    } else {
        appendFixed(out, pat, d);
    }
    out += pat.suffix;
    return out;
}

}  // namespace numeralia::text
