#include "core/calc/angle_math.h"

#include "core/text/number_text.h"

#include <cmath>
#include <cstdint>

namespace numeralia::calc {

std::string_view angleModeText(AngleMode mode) {
    switch (mode) {
        case AngleMode::Rad:
            return "rad";
        case AngleMode::Gra:
            return "gra";
        case AngleMode::Deg:
            break;
    }
    return "deg";
}

std::optional<AngleMode> angleModeFromText(std::string_view text) {
    if (text == "rad") return AngleMode::Rad;
    if (text == "deg") return AngleMode::Deg;
    if (text == "gra") return AngleMode::Gra;
    return std::nullopt;
}

double calculatorPi() { return 4.0 * std::atan(1.0); }

namespace {

// Degrees or grads in half a turn.
double halfTurn(AngleMode unit) { return unit == AngleMode::Gra ? 200.0 : 180.0; }

}  // namespace

double angleToRadians(double x, AngleMode unit) {
    if (unit == AngleMode::Rad) return x;
    return x * calculatorPi() / halfTurn(unit);
}

double radiansToAngle(double r, AngleMode unit) {
    if (unit == AngleMode::Rad) return r;
    return r * halfTurn(unit) / calculatorPi();
}

std::optional<MathResult> convertAngle(double x, AngleMode from, AngleMode to) {
    if (from == to) return std::nullopt;
    if (from == AngleMode::Rad) return MathResult::of(radiansToAngle(x, to));
    if (to == AngleMode::Rad) return MathResult::of(angleToRadians(x, from));
    // Between degrees and grads.
    return MathResult::of(x * halfTurn(to) / halfTurn(from));
}

DegreesMinutesSeconds splitDegrees(double x) {
    // The parts of a negative angle are those of its magnitude with the sign; a zero part
    // stays an unsigned zero so that it never reads "-0".
    const double a = std::fabs(x);
    double degrees = std::trunc(a);
    const double m = (a - degrees) * 60.0;
    double minutes = std::trunc(m);
    double seconds = (m - minutes) * 60.0;
    const auto shown = text::parseNumber(text::formatPattern(seconds, "0.00"));
    if (shown && *shown >= 60.0) {
        seconds = 0.0;
        minutes += 1.0;
        if (minutes >= 60.0) {
            minutes = 0.0;
            degrees += 1.0;
        }
    }
    auto withSign = [x](double part) { return (x < 0 && part != 0.0) ? -part : part; };
    return {withSign(degrees), withSign(minutes), withSign(seconds)};
}

std::string degreesMinutesSecondsText(double x) {
    const DegreesMinutesSeconds p = splitDegrees(x);
    return text::generalText(p.degrees) + "°  " + text::generalText(p.minutes) + "'  " +
           text::formatPattern(p.seconds, "0.00") + "''";
}

MathResult degreesFromFields(std::string_view t) {
    if (t.find(',') != std::string_view::npos) return MathResult::reported(message::invalidEntry);
    const bool negative = !t.empty() && t.front() == '-';
    const auto d = text::leadingNumber(t);
    if (!d) return MathResult::failed();
    const double degrees = std::fabs(*d);
    // Fields are found by the lengths of the numbers read, not by looking for "#".
    const std::size_t minutesAt = text::generalText(degrees).size() + (negative ? 1 : 0) + 1;
    double minutes = 0.0;
    double seconds = 0.0;
    if (minutesAt < t.size()) {
        const auto m = text::leadingNumber(t.substr(minutesAt));
        if (!m) return MathResult::failed();
        minutes = *m;
        const std::size_t secondsAt = minutesAt + text::generalText(minutes).size() + 1;
        if (secondsAt < t.size()) {
            const auto s = text::leadingNumber(t.substr(secondsAt));
            if (!s) return MathResult::failed();
            seconds = *s;
        }
    }
    const double value = degrees + (minutes + seconds / 60.0) / 60.0;
    return MathResult::of(negative ? -value : value);
}

MathResult reduceAngle(double x) {
    if (!(x >= 360.0)) return MathResult::reported(message::angleBelow360);
    const double n = std::nearbyint(x);  // the default rounding: halves to the even neighbour
    if (n > 2147483647.0) return MathResult::failed();
    const auto whole = static_cast<std::int32_t>(n);
    const std::int32_t turns = whole / 360;
    return MathResult::of(x - 360.0 * turns);
}

}  // namespace numeralia::calc
