#include "keys/json_writer.h"

#include <cmath>
#include <cstdio>

#include "core/text/number_text.h"

namespace numeralia::keys {

std::string JsonObject::quoted(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                    out += buffer;
                } else {
                    out += c;  // UTF-8 passes through
                }
        }
    }
    return out + "\"";
}

std::string JsonObject::numberText(double value) {
    if (!std::isfinite(value)) return "null";
    std::string t = text::fileNumberText(value);  // point as decimal mark, up to 15 digits
    // JSON wants a digit on both sides of the point.
    if (t.starts_with(".")) t.insert(0, "0");
    if (t.starts_with("-.")) t.insert(1, "0");
    return t;
}

void JsonObject::key(std::string_view name) {
    if (!body_.empty()) body_ += ",";
    body_ += quoted(name);
    body_ += ":";
}

void JsonObject::text(std::string_view name, std::string_view value) {
    key(name);
    body_ += quoted(value);
}

void JsonObject::optionalText(std::string_view name, const std::optional<std::string>& value) {
    if (value) {
        text(name, *value);
    } else {
        null(name);
    }
}

void JsonObject::number(std::string_view name, double value) {
    key(name);
    body_ += numberText(value);
}

void JsonObject::integer(std::string_view name, long long value) {
    key(name);
    body_ += std::to_string(value);
}

void JsonObject::boolean(std::string_view name, bool value) {
    key(name);
    body_ += value ? "true" : "false";
}

void JsonObject::null(std::string_view name) {
    key(name);
    body_ += "null";
}

void JsonObject::textArray(std::string_view name, const std::vector<std::string>& values) {
    key(name);
    body_ += "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) body_ += ",";
        body_ += quoted(values[i]);
    }
    body_ += "]";
}

void JsonObject::raw(std::string_view name, std::string_view json) {
    key(name);
    body_ += json;
}

}  // namespace numeralia::keys
