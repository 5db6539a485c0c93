#pragma once
// What a computation of a calculator key gives back: a value, a message the key reports to
// the user (always beginning "Error: "), or a failure that the calculation failure path
// shows. A value is always a finite number; a computation that would give infinity or
// "not a number" gives a failure instead, so no display ever shows either.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace numeralia::calc {

// The greatest whole number up to which a double holds every whole number exactly: 2^53.
inline constexpr double largestExactWhole = 9007199254740992.0;

// The whole number the digits stand for in the base (2 to 16; the digits after 9 are "A" to
// "F" or "a" to "f"), or nothing when a character is not a digit of the base or the number
// passes largestExactWhole. No digits at all stand for 0.
inline std::optional<std::uint64_t> wholeFromDigits(std::string_view digits, int base) {
    constexpr auto limit = static_cast<std::uint64_t>(largestExactWhole);
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : base;
        if (d >= base) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > limit) return std::nullopt;  // stops before the product could overflow
    }
    return value;
}

struct MathResult {
    enum class Kind { Value, Reported, Failed };
    Kind kind = Kind::Failed;
    double value = 0.0;
    std::string message;  // the reported message

    static MathResult of(double v) {
        if (!std::isfinite(v)) return failed();
        return {Kind::Value, v == 0.0 ? 0.0 : v, {}};  // never a negative zero
    }
    static MathResult reported(std::string text) { return {Kind::Reported, 0.0, std::move(text)}; }
    static MathResult failed() { return {Kind::Failed, 0.0, {}}; }

    bool isValue() const { return kind == Kind::Value; }
    bool isReported() const { return kind == Kind::Reported; }
    bool isFailed() const { return kind == Kind::Failed; }
};

// The messages the keys report.
namespace message {
inline constexpr const char* infiniteResult = "Error: Resultado infinito";
inline constexpr const char* aboveOne = "Error: | x | > 1";
inline constexpr const char* belowOne = "Error: | x | < 1";
inline constexpr const char* oneOrAbove = "Error: | x | >= 1";
inline constexpr const char* negativeOrZero = "Error: Número negativo ó nulo";
inline constexpr const char* negative = "Error: Número negativo";
inline constexpr const char* outOfRange = "Error: Número fuera de rango";
inline constexpr const char* divisionByZero = "Error: División por cero";
inline constexpr const char* invalidEntry = "Error: Entrada no válida";
inline constexpr const char* angleBelow360 = "Error: Angulo inferior a 360°";
inline constexpr const char* notWhole = "Error: Número no entero";
// Lists of unequal length: the statistics keys and "intp".
inline constexpr const char* dataMismatch = "Error: los datos no coinciden";
// Equation solvers and number tools.
inline constexpr const char* nAboveM = "Error: n mayor que m";
inline constexpr const char* notAnEquation = "Error: a y b no pueden ser nulos a la vez";
inline constexpr const char* belowTwo = "Error: Número menor que 2";
inline constexpr const char* singularSystem = "Error: Sistema sin solución única";
inline constexpr const char* badCoefficient = "Error: Coeficiente no válido";
inline constexpr const char* tooFewPoints = "Error: Se necesitan al menos 2 puntos";
inline constexpr const char* repeatedX = "Error: Valores de X repetidos";
inline constexpr const char* electronCount = "Error: n entero de 0 a 7";
inline constexpr const char* belowAbsoluteZero = "Error: Temperatura inferior al cero absoluto";
}  // namespace message

}  // namespace numeralia::calc
