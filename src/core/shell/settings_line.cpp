#include "core/shell/settings_line.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/text/number_text.h"

namespace numeralia {

namespace {

// ---- writing ----

void appendText(std::string& line, const std::string& text) {
    if (text.empty()) return;  // an empty text is written as an empty field
    line += '"';
    for (char c : text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

void appendNumber(std::string& line, double x) {
    // The reader could not read back an infinity or a NaN; such a value is kept as 0.
    line += text::fileNumberText(std::isfinite(x) ? x : 0.0);
}

void appendVariant(std::string& line, const Variant& v) {
    if (v.isNumber()) appendNumber(line, v.number);
    if (v.isText()) {
        if (v.text.empty())
            line += "\"\"";  // an empty text stays a text, not an unset field
        else
            appendText(line, v.text);
    }
}

// ---- reading ----

struct Field {
    enum class Kind { Empty, Quoted, Bare, Broken };
    Kind kind = Kind::Empty;
    std::string text;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Splits the first line into at most kSettingsFieldCount fields. A quoted field may hold
// commas and line breaks; an unterminated quote or text after a closing quote gives a
// broken field, which ends the list.
std::vector<Field> splitFields(std::string_view s) {
    std::vector<Field> fields;
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (n == 0 || isLineEnd(s[0])) return fields;  // an empty line holds no field
    while (static_cast<int>(fields.size()) < kSettingsFieldCount) {
        Field f;
        while (i < n && isBlank(s[i])) ++i;
        if (i < n && s[i] == '"') {
            f.kind = Field::Kind::Quoted;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == '"') {
                    if (i + 1 < n && s[i + 1] == '"') {
                        f.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                f.text += s[i++];
            }
            while (i < n && isBlank(s[i])) ++i;
            if (!closed || (i < n && s[i] != ',' && !isLineEnd(s[i]))) f.kind = Field::Kind::Broken;
        } else {
            const std::size_t start = i;
            while (i < n && s[i] != ',' && !isLineEnd(s[i])) ++i;
            std::size_t end = i;
            while (end > start && isBlank(s[end - 1])) --end;
            f.text.assign(s.substr(start, end - start));
            f.kind = f.text.empty() ? Field::Kind::Empty : Field::Kind::Bare;
        }
        fields.push_back(std::move(f));
        if (fields.back().kind == Field::Kind::Broken) break;
        if (i >= n || s[i] != ',') break;  // end of the line
        ++i;
    }
    return fields;
}

std::optional<double> readNumber(const Field& f) {
    switch (f.kind) {
        case Field::Kind::Empty: return 0.0;
        case Field::Kind::Bare: return text::parseFileNumber(f.text);
        default: return std::nullopt;
    }
}

std::optional<std::string> readText(const Field& f) {
    if (f.kind == Field::Kind::Broken) return std::nullopt;
    return f.text;  // an unquoted field is taken as the text it shows
}

std::optional<Variant> readVariant(const Field& f) {
    switch (f.kind) {
        case Field::Kind::Empty: return Variant{};
        case Field::Kind::Quoted: return Variant::fromText(f.text);
        case Field::Kind::Bare:
            if (auto x = text::parseFileNumber(f.text)) return Variant::fromNumber(*x);
            return std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<std::int16_t> readShort(const Field& f) {
    auto x = readNumber(f);
    if (!x || !std::isfinite(*x)) return std::nullopt;
    const double r = std::nearbyint(*x);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

}  // namespace

std::string encodeSettingsLine(const SharedState& s) {
    std::string line;
    appendVariant(line, s.vatRate);
    for (double x : {s.memory1, s.memory2, s.memory3, s.memory4, s.transitValue1, s.transitValue2,
                     s.transitValue3}) {
        line += ',';
        appendNumber(line, x);
    }
    for (const std::string* t : {&s.transitLabel1, &s.transitLabel2, &s.transitLabel3,
                                 &s.currencyName1, &s.currencyName2}) {
        line += ',';
        appendText(line, *t);
    }
    line += ',';
    appendVariant(line, s.exchangeFactor);
    line += ',';
    appendText(line, s.calculatorModel);
    line += ',';
    line += std::to_string(s.soundOn);
    line += "\r\n";
    return line;
}

int decodeSettingsLine(std::string_view content, SharedState& s) {
    int taken = 0;
    try {
        const std::vector<Field> fields = splitFields(content);
        double* numbers[] = {&s.memory1,       &s.memory2,       &s.memory3,      &s.memory4,
                             &s.transitValue1, &s.transitValue2, &s.transitValue3};
        std::string* texts[] = {&s.transitLabel1, &s.transitLabel2, &s.transitLabel3,
                                &s.currencyName1, &s.currencyName2};
        auto next = [&]() -> const Field* {
            return taken < static_cast<int>(fields.size()) ? &fields[taken] : nullptr;
        };

        const Field* f = next();
        if (!f) return taken;
        auto vat = readVariant(*f);
        if (!vat) return taken;
        s.vatRate = *vat;
        ++taken;

        for (double* target : numbers) {
            if (!(f = next())) return taken;
            auto x = readNumber(*f);
            if (!x) return taken;
            *target = *x;
            ++taken;
        }
        for (std::string* target : texts) {
            if (!(f = next())) return taken;
            auto t = readText(*f);
            if (!t) return taken;
            *target = std::move(*t);
            ++taken;
        }
        if (!(f = next())) return taken;
        auto factor = readVariant(*f);
        if (!factor) return taken;
        s.exchangeFactor = *factor;
        ++taken;

        if (!(f = next())) return taken;
        auto model = readText(*f);
        if (!model) return taken;
        s.calculatorModel = std::move(*model);
        ++taken;

        if (!(f = next())) return taken;
        auto sound = readShort(*f);
        if (!sound) return taken;
        s.soundOn = *sound;
        ++taken;
        return taken;
    } catch (...) {
        return taken;  // out of memory on a huge line: keep what was taken so far
    }
}

}  // namespace numeralia
