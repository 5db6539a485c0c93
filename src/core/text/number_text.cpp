#include "core/text/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace numeralia::text {

// First, simple version; the full conversions replace it.

std::optional<double> parseNumber(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    if (s.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<double> leadingNumber(std::string_view text) {
    std::string s(text);
    double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

std::string generalText(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    std::string s(buf);
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

std::string singleText(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7G", x);
    std::string s(buf);
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

std::string signBlankText(double x, char decimalMark) {
    std::string s = generalText(x);
    for (char& c : s) {
        if (c == ',') c = decimalMark;
    }
    return x >= 0 ? " " + s : s;
}

std::string formatPattern(double x, std::string_view pattern) {
    (void)pattern;
    return generalText(x);
}

std::string fileNumberText(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    return buf;
}

std::optional<double> parseFileNumber(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') return std::nullopt;
    return v;
}

}  // namespace numeralia::text
