#pragma once
// Angles of the Scientific calculator: the three angle units, the conversions between them,
// degrees-minutes-seconds in both directions and the reduction of an angle to the first turn.

#include "core/calc/math_result.h"

#include <optional>
#include <string>
#include <string_view>

namespace numeralia::calc {

enum class AngleMode { Rad, Deg, Gra };

// "rad", "deg" or "gra": the text of the angle box.
std::string_view angleModeText(AngleMode mode);
std::optional<AngleMode> angleModeFromText(std::string_view text);

// π as the calculator computes it each time: 4·atan(1).
double calculatorPi();

// An angle in the given unit expressed in radians, and back: x·π/180, x·π/200 and
// r·180/π, r·200/π with the products in that order.
double angleToRadians(double x, AngleMode unit);
double radiansToAngle(double r, AngleMode unit);

// The conversion keys: x, read in the unit `from`, expressed in the unit `to`. Nothing is
// computed (nullopt) when both units are the same. An overflow of the product fails.
std::optional<MathResult> convertAngle(double x, AngleMode from, AngleMode to);

// Decimal degrees split into degrees, minutes and seconds; every part carries the sign of
// x. The seconds are rounded to hundredths for display; when that rounding reaches 60 the
// carry goes into the minutes (and from there into the degrees), so 10,2 shows 10° 12' and
// not 10° 11' 60,00''.
struct DegreesMinutesSeconds {
    double degrees = 0;
    double minutes = 0;
    double seconds = 0;
};
DegreesMinutesSeconds splitDegrees(double x);

// The text of "gms": degrees, "°  ", minutes, "'  ", seconds with two decimals, "''".
std::string degreesMinutesSecondsText(double x);

// "g": a text typed as degrees#minutes#seconds read as decimal degrees. The minutes field
// begins right after the text of the degrees read plus one character, the seconds field
// after the minutes read plus one character; a missing field reads as 0. A comma anywhere
// is refused. A text that begins with "-" is a negative angle in all its parts.
MathResult degreesFromFields(std::string_view text);

// "red": an angle of 360 or more reduced to the first turn, by whole turns of the angle
// rounded to the nearest whole number (halves to even) as a 32-bit integer.
MathResult reduceAngle(double x);

}  // namespace numeralia::calc
