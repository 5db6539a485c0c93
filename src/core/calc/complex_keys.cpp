// The complex conversion of the Scientific model: "(x,y)" takes x and y and writes the
// modulus and the angle, "m,Ø" takes the modulus and the angle (in degrees) and writes x
// and y, each in two presses; and "C" beside the blue display.
//
// The two keys share complexStep, but each decides between its first and second press by
// its own first operand only ("(x,y)" by complexX, "m,Ø" by complexModulus); complexStep
// only decides whether the blue display is emptied first. A first operand is stored as the
// display's text, and only once that text reads as a number; the second is read from the
// display and completes the conversion at once. The display is read before anything else
// changes: a press that fails stores nothing, so the operands, complexStep, the blue display
// and an unfinished "abc" or "Div" stay as they were before it.

#include <cmath>

#include "core/calc/angle_math.h"
#include "core/calc/calculator_model.h"
#include "core/calc/solver_keys.h"
#include "core/text/number_text.h"

namespace numeralia::calc {

namespace {

constexpr const char* kLabel = "Compl.";
constexpr const char* kPattern = "0.00000000";

std::string fixed(double v) { return text::formatPattern(v, kPattern); }

// The angle of (x, y) in degrees: 0, 90 and 270 on the axis x = 0, otherwise the arc
// tangent of y/x, plus 180 when x < 0 (so negative below the positive x axis).
double angleDegrees(double x, double y) {
    if (x == 0) return y == 0 ? 0.0 : y > 0 ? 90.0 : 270.0;
    const double angle = std::atan(y / x) * 180.0 / calculatorPi();
    return x < 0 ? angle + 180.0 : angle;
}

// The display's text, once it reads as a number.
std::string operandText(const CalculatorModel& m) {
    const std::string text = m.state().numero;
    CalculatorModel::readNumber(text);  // CalcFailure for a text that is not a number
    return text;
}

void rectangularPress(SolverState& v, const std::string& operand) {
    if (!v.complexX) {
        v.complexX = operand;
        v.blue.rectangular.push_back("x = " + *v.complexX);
        v.complexStep = 1;
        return;
    }
    const std::string& yText = operand;
    const double x = CalculatorModel::readNumber(*v.complexX);
    const double y = CalculatorModel::readNumber(yText);
    const double modulus = CalculatorModel::checked(std::hypot(x, y));
    const double angle = CalculatorModel::checked(angleDegrees(x, y));
    v.blue.rectangular.push_back("y = " + yText + " i");
    v.blue.polar.push_back("m = " + fixed(modulus));
    if (x > 0 && y < 0) v.blue.polar.push_back("Ø = " + fixed(angle + 360.0) + " °");
    v.blue.polar.push_back("Ø = " + fixed(angle) + " °");
    abandonEntries(v);  // the conversion is complete: both first operands unset
}

void polarPress(SolverState& v, const std::string& operand) {
    if (!v.complexModulus) {
        v.complexModulus = operand;
        v.blue.polar.push_back("m = " + *v.complexModulus);
        v.complexStep = 1;
        return;
    }
    const std::string& angleText = operand;
    const double modulus = CalculatorModel::readNumber(*v.complexModulus);
    const double radians =
        CalculatorModel::checked(CalculatorModel::readNumber(angleText) * calculatorPi() / 180.0);
    const double x = CalculatorModel::checked(modulus * std::cos(radians));
    const double y = CalculatorModel::checked(modulus * std::sin(radians));
    v.blue.polar.push_back("Ø = " + angleText + " °");
    v.blue.rectangular.push_back("x = " + fixed(x));
    v.blue.rectangular.push_back("y = " + fixed(y) + " i");
    abandonEntries(v);
}

}  // namespace

void complexKey(CalculatorModel& m, bool rectangular) {
    CalculatorState& s = m.mutableState();
    s.func = kLabel;
    m.recordHistory();
    m.trap([&] {
        SolverState& v = s.solver;
        s.angulo = std::string(angleModeText(AngleMode::Deg));
        // Read first: a display that does not read leaves everything below as it was.
        const std::string operand = operandText(m);
        if (v.complexStep == 0) {
            abandonEntries(v);  // an unfinished "abc" or "Div"
            showInBlueDisplay(v, {"Coord. Rectangulares"}, {"Coord. Polares"});
        }
        v.blue.visible = true;
        if (rectangular) {
            rectangularPress(v, operand);
        } else {
            polarPress(v, operand);
        }
        endEntryStep(m);
    });
}

void blueDisplayClearKey(CalculatorModel& m) {
    SolverState& v = m.mutableState().solver;
    v.blue.rectangular.clear();
    v.blue.polar.clear();
    v.blue.visible = false;
    abandonEntries(v);
    m.setDisplay("0");
}

}  // namespace numeralia::calc
