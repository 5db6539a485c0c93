#include "core/text/pasted_number.h"

#include <vector>

#include "core/text/decimal.h"
#include "core/text/number_text.h"

namespace numeralia::text {

namespace {

constexpr char kGroupBlank = ' ';

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The clipboard text in one byte per character: blanks that may separate thousands (space,
// no-break space, narrow no-break space, thin space) become ' ', the minus sign "−" becomes
// '-'; tabs and line breaks stay (they end up refused unless at an end). nullopt for any
// other character beyond ASCII.
std::optional<std::string> simplified(std::string_view text) {
    struct Mapping {
        std::string_view utf8;
        char to;
    };
    static constexpr Mapping kMappings[] = {
        {"\xC2\xA0", kGroupBlank},      // no-break space
        {"\xE2\x80\xAF", kGroupBlank},  // narrow no-break space
        {"\xE2\x80\x89", kGroupBlank},  // thin space
        {"\xE2\x88\x92", '-'},          // minus sign
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(byte));
            ++i;
            continue;
        }
        bool known = false;
        for (const Mapping& m : kMappings) {
            if (text.substr(i).starts_with(m.utf8)) {
                out.push_back(m.to);
                i += m.utf8.size();
                known = true;
                break;
            }
        }
        if (!known) return std::nullopt;
    }
    return out;
}

// The text without blanks, tabs and line breaks at either end.
std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == kGroupBlank || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

// The integer part split at a thousands separator: one to three digits, then groups of
// exactly three, the first group not beginning with 0 when there are several.
std::optional<std::string> ungrouped(std::string_view part, char separator) {
    std::vector<std::string_view> groups;
    for (std::size_t at = 0;;) {
        const std::size_t next = part.find(separator, at);
        groups.push_back(part.substr(at, next == std::string_view::npos ? next : next - at));
        if (next == std::string_view::npos) break;
        at = next + 1;
    }
    std::string digits;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::string_view group = groups[g];
        const bool sized = g == 0 ? !group.empty() && group.size() <= 3 : group.size() == 3;
        if (!sized) return std::nullopt;
        for (char c : group) {
            if (!isDigit(c)) return std::nullopt;
        }
        digits += group;
    }
    if (groups.size() > 1 && groups.front().size() > 1 && groups.front().front() == '0')
        return std::nullopt;
    return digits;
}

std::size_t countOf(std::string_view s, char c) {
    std::size_t n = 0;
    for (char x : s) n += x == c ? 1 : 0;
    return n;
}

bool allDigits(std::string_view s) {
    for (char c : s) {
        if (!isDigit(c)) return false;
    }
    return true;
}

// Splits the mantissa into integer digits (grouping removed) and decimals by the rule of
// the header. nullopt when the marks do not form one number.
std::optional<std::pair<std::string, std::string>> splitMantissa(std::string_view m,
                                                                 bool hasExponent) {
    const std::size_t commas = countOf(m, ',');
    const std::size_t points = countOf(m, '.');
    const std::size_t blanks = countOf(m, kGroupBlank);

    char decimalMark = 0;
    char grouping = blanks > 0 ? kGroupBlank : 0;
    if (commas > 0 && points > 0) {
        decimalMark = m.find_last_of(",.") == m.rfind(',') ? ',' : '.';
        if (grouping != 0) return std::nullopt;  // two kinds of thousands separator
        grouping = decimalMark == ',' ? '.' : ',';
        if (countOf(m, decimalMark) != 1) return std::nullopt;
    } else if (commas + points > 0) {
        const char mark = commas > 0 ? ',' : '.';
        if (commas + points > 1) {
            if (grouping != 0) return std::nullopt;
            grouping = mark;
        } else if (grouping != 0 || mark == ',') {
            decimalMark = mark;
        } else {
            // A single point: the Spanish thousands separator when it looks like one.
            const std::size_t at = m.find('.');
            const std::string_view before = m.substr(0, at);
            const std::string_view after = m.substr(at + 1);
            const bool thousands = !hasExponent && !before.empty() && before.size() <= 3 &&
                                   before.front() != '0' && allDigits(before) &&
                                   after.size() == 3 && allDigits(after);
            if (thousands) {
                grouping = '.';
            } else {
                decimalMark = '.';
            }
        }
    }

    const std::size_t at = decimalMark != 0 ? m.find(decimalMark) : std::string_view::npos;
    const std::string_view integer = m.substr(0, at);
    const std::string_view decimals =
        at == std::string_view::npos ? std::string_view{} : m.substr(at + 1);
    if (!allDigits(decimals)) return std::nullopt;
    std::string digits;
    if (grouping != 0) {
        auto joined = ungrouped(integer, grouping);
        if (!joined) return std::nullopt;
        digits = std::move(*joined);
    } else {
        if (!allDigits(integer)) return std::nullopt;
        digits = std::string(integer);
    }
    if (digits.empty() && decimals.empty()) return std::nullopt;
    return std::pair{std::move(digits), std::string(decimals)};
}

}  // namespace

std::optional<PastedNumber> readPastedNumber(std::string_view clipboard) {
    const auto plain = simplified(clipboard);
    if (!plain) return std::nullopt;
    std::string_view s = trimmed(*plain);

    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }

    // The exponent: E or e, an optional sign, at least one digit, up to the end.
    std::string_view exponentDigits;
    bool negativeExponent = false;
    const std::size_t e = s.find_first_of("Ee");
    const bool hasExponent = e != std::string_view::npos;
    if (hasExponent) {
        std::string_view exp = s.substr(e + 1);
        if (!exp.empty() && (exp.front() == '+' || exp.front() == '-')) {
            negativeExponent = exp.front() == '-';
            exp.remove_prefix(1);
        }
        if (exp.empty() || !allDigits(exp)) return std::nullopt;
        exponentDigits = exp;
        s = s.substr(0, e);
    }

    const auto parts = splitMantissa(s, hasExponent);
    if (!parts) return std::nullopt;
    const auto& [integer, decimals] = *parts;

    const long long exponent = detail::saturatedExponent(exponentDigits, negativeExponent);
    const auto value = detail::readDecimal(negative, integer, decimals, exponent);
    if (!value) return std::nullopt;

    PastedNumber n;
    n.value = *value;
    if (negative && *value != 0) n.typed = "-";
    n.typed += integer.empty() ? std::string_view("0") : withoutLeadingZeros(integer);
    if (!decimals.empty()) n.typed += "," + decimals;
    if (hasExponent) {
        n.typed += negativeExponent ? "E-" : "E";
        n.typed += withoutLeadingZeros(exponentDigits);
    }
    return n;
}

std::optional<std::string> readPastedHexadecimal(std::string_view clipboard) {
    const auto plain = simplified(clipboard);
    if (!plain) return std::nullopt;
    std::string_view s = trimmed(*plain);
    if (s.size() > 2 && (s.starts_with("&h") || s.starts_with("&H") || s.starts_with("0x") ||
                         s.starts_with("0X"))) {
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;
    std::string digits;
    for (char c : s) {
        if (isDigit(c) || (c >= 'A' && c <= 'F')) {
            digits.push_back(c);
        } else if (c >= 'a' && c <= 'f') {
            digits.push_back(static_cast<char>(c - 'a' + 'A'));
        } else {
            return std::nullopt;
        }
    }
    digits = std::string(withoutLeadingZeros(digits));
    if (!parseNumber("&h" + digits)) return std::nullopt;  // beyond the double range
    return digits;
}

std::string_view pasteRuleHelp() {
    return "Pegar (teclas Mayús+Insert, o «Pegar» en el menú de la pantalla principal, que se "
           "abre con el botón derecho del ratón o con la tecla de menú) escribe en la pantalla "
           "principal un número copiado de otro programa, como si se hubiera tecleado. Se "
           "admiten blancos alrededor, un signo delante, la coma o el punto como separador "
           "decimal, los miles separados por puntos, comas o blancos (1.234.567,89, "
           "1,234,567.89, 1 234 567,89) y un exponente (1,5E+3, 2e-5). Si el número lleva coma "
           "y punto, el último de los dos es el separador decimal. Una coma sola es siempre el "
           "separador decimal: 1,234 es uno coma dos tres cuatro. Un punto solo separa los miles "
           "cuando delante tiene de una a tres cifras que no empiezan por cero, detrás "
           "exactamente tres cifras y no sigue ningún exponente: 1.234 es mil doscientos treinta "
           "y cuatro, como se escribe en España; en los demás casos es el separador decimal "
           "(1.5, 0.125, 1234.5). Varias comas o varios puntos separan siempre miles, en grupos "
           "de tres cifras. En modo hexadecimal solo se admiten cifras hexadecimales (0 a 9 y A "
           "a F), con &h o 0x delante o sin ellos. Un texto que no es un número (palabras, dos "
           "números, un número fuera del alcance de la calculadora) no cambia nada: la línea de "
           "información dice «Error: el portapapeles no contiene un número». Copiar "
           "(Ctrl+Insert, o «Copiar» en el menú de cada pantalla) copia el texto que se ve, sin "
           "cambiar nada en la calculadora.";
}

}  // namespace numeralia::text
