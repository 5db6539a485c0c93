// Angle units, conversions, degrees-minutes-seconds and the reduction to the first turn.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "core/calc/angle_math.h"
#include "core/text/number_text.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

using A = AngleMode;

constexpr const char* kFailed = "<failure>";
constexpr const char* kUnchanged = "<unchanged>";

std::string shown(const MathResult& o) {
    if (o.isValue()) return text::generalText(o.value);
    if (o.isReported()) return o.message;
    return kFailed;
}

TEST(CalcAngles, ConversionKeysConvertFromTheCurrentMode) {
    struct Row {
        double x;
        AngleMode mode;
        AngleMode key;
        std::string expected;
    };
    // clang-format off
    const Row rows[] = {
        {180, A::Deg, A::Rad, "3,14159265358979"}, {-90, A::Deg, A::Rad, "-1,5707963267949"},
        {50, A::Gra, A::Deg, "45"}, {90, A::Deg, A::Gra, "100"},
        {200, A::Gra, A::Rad, "3,14159265358979"}, {1, A::Rad, A::Deg, "57,2957795130823"},
        {1, A::Rad, A::Gra, "63,6619772367581"}, {12.5, A::Rad, A::Rad, kUnchanged},
        {12.5, A::Deg, A::Deg, kUnchanged},
        {1e308, A::Gra, A::Deg, kFailed}, {1e308, A::Rad, A::Gra, kFailed},  // products overflow
    };
    // clang-format on
    for (const Row& r : rows) {
        const std::optional<MathResult> got = convertAngle(r.x, r.mode, r.key);
        EXPECT_EQ(got ? shown(*got) : kUnchanged, r.expected)
            << r.x << " from " << angleModeText(r.mode) << " to " << angleModeText(r.key);
    }
    for (A m : {A::Rad, A::Deg, A::Gra}) EXPECT_EQ(angleModeFromText(angleModeText(m)), m);
    EXPECT_EQ(angleModeFromText("DEG"), std::nullopt);
}

TEST(CalcAngles, DegreesMinutesSecondsText) {
    // clang-format off
    const std::pair<double, std::string> rows[] = {
        {12.5, "12°  30'  0,00''"}, {-12.5, "-12°  -30'  0,00''"}, {-0.5, "0°  -30'  0,00''"},
        {0.0001, "0°  0'  0,36''"}, {359.999, "359°  59'  56,40''"},
        {10.2, "10°  12'  0,00''"},        // the seconds round up to 60: carried into the minutes
        {29.99999999, "30°  0'  0,00''"},  // and on into the degrees
    };
    // clang-format on
    for (const auto& [x, expected] : rows) EXPECT_EQ(degreesMinutesSecondsText(x), expected) << x;
}

TEST(CalcAngles, FieldsAreFoundByTheLengthOfTheNumbersRead) {
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"12#29#60", "12,5"}, {"12#30", "12,5"}, {"12#30#", "12,5"}, {"12", "12"}, {"12#", "12"},
        {"012#30#0", "12"},  // the minutes field starts one character early, at "#"
        {"0#0#36", "0,01"},
        {"-12#30", "-12,5"},  // a negative angle is negative in all its parts
        {"007#30", "7,125"},  // degrees 7 (one character), so minutes 7 and seconds 30
        {"12#30#1,5", "Error: Entrada no válida"}, {"1,5", "Error: Entrada no válida"},
    };
    // clang-format on
    for (const auto& [t, expected] : rows) EXPECT_EQ(shown(degreesFromFields(t)), expected) << t;
}

TEST(CalcAngles, ReductionRoundsToAWholeNumberOfTurns) {
    // clang-format off
    const std::pair<double, double> rows[] = {
        {725.7, 5.7}, {360, 0}, {719.6, -0.4}, {720.4, 0.4}, {540, 180},
        {1079.5, -0.5}, {1080.5, 0.5}, {719.5, -0.5},  // halves round to an even number of turns
        {2147483647.0, 2147483647.0 - 360.0 * 5965232},
    };
    // clang-format on
    for (const auto& [x, expected] : rows) {
        const MathResult o = reduceAngle(x);
        ASSERT_TRUE(o.isValue()) << x;
        EXPECT_NEAR(o.value, expected, 1e-9) << x;
    }
    EXPECT_EQ(shown(reduceAngle(359)), "Error: Angulo inferior a 360°");
    EXPECT_EQ(shown(reduceAngle(-720)), "Error: Angulo inferior a 360°");
    EXPECT_EQ(shown(reduceAngle(2147483647.5)), kFailed);  // rounds to 2^31: beyond 32 bits
    EXPECT_EQ(shown(reduceAngle(1e300)), kFailed);
}

}  // namespace
