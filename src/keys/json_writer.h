#pragma once
// A small writer of one-line JSON objects, enough for the driver's state lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numeralia::keys {

class JsonObject {
  public:
    void text(std::string_view name, std::string_view value);
    void optionalText(std::string_view name, const std::optional<std::string>& value);
    void number(std::string_view name, double value);
    void integer(std::string_view name, long long value);
    void boolean(std::string_view name, bool value);
    void null(std::string_view name);
    void textArray(std::string_view name, const std::vector<std::string>& values);
    // A value already written as JSON.
    void raw(std::string_view name, std::string_view json);

    // The object, "{...}".
    std::string str() const { return "{" + body_ + "}"; }

    static std::string quoted(std::string_view value);
    static std::string numberText(double value);

  private:
    void key(std::string_view name);
    std::string body_;
};

}  // namespace numeralia::keys
