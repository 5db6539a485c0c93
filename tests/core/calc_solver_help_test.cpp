// The help texts of the solver keys say what the keys really do: every key has one, and it
// names every message the key can report and the limits the model applies.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calc/linear_system.h"
#include "core/calc/math_result.h"
#include "core/calc/solver_help.h"

using namespace numeralia::calc;

namespace {

TEST(CalcSolverHelp, EveryToolNamesItsMessagesAndLimits) {
    namespace msg = message;
    struct Row {
        KeyId key;
        std::vector<std::string> mentions;
    };
    const std::string most = std::to_string(kMostEquations),
                      fewest = std::to_string(kFewestEquations);
    const Row rows[] = {
        {KeyId::complexRectangular,
         {"(x,y)", "Coord. Rectangulares", "Coord. Polares", "deg", "Error: Parada crítica"}},
        {KeyId::complexPolar, {"m,Ø", "deg"}},
        {KeyId::blueDisplayClear, {"abc", "Div"}},
        {KeyId::quadraticEquation, {msg::notAnEquation, "x1 = p + q i", "x2 = p − q i"}},
        {KeyId::integerDivision,
         {msg::notWhole, msg::outOfRange, msg::divisionByZero, "9007199254740992"}},
        {KeyId::factorization,
         {msg::notWhole, msg::belowTwo, msg::outOfRange, "25428 = 2² · 3 · 13 · 163"}},
        {KeyId::variations,
         {msg::nAboveM, msg::negative, msg::invalidEntry, msg::outOfRange, "20,10"}},
        {KeyId::variationsWithRepetition, {msg::negative, msg::invalidEntry, msg::outOfRange}},
        {KeyId::combinations, {msg::nAboveM, msg::outOfRange, "118264581564861424"}},
        {KeyId::combinationsWithRepetition, {msg::negative, msg::invalidEntry, msg::outOfRange}},
        {KeyId::linearSystem, {msg::singularSystem, msg::badCoefficient, fewest + " a " + most}},
        {KeyId::interpolation, {msg::dataMismatch, msg::tooFewPoints, msg::repeatedX}},
        {KeyId::magneticMoment, {msg::electronCount, "√(n·(n + 2))"}},
        {KeyId::temperature, {msg::belowAbsoluteZero, "273,15", "459,67"}},
        {KeyId::factorial, {msg::negative, msg::notWhole, msg::outOfRange, "170"}},
        {KeyId::reserved1,
         {"Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora."}},
        {KeyId::reserved2,
         {"Botones reservados para futuras aplicaciones / ampliaciones de la Calculadora."}},
    };
    for (const Row& row : rows) {
        const std::string text(solverHelpText(row.key));
        EXPECT_FALSE(text.empty()) << static_cast<int>(row.key);
        for (const std::string& mention : row.mentions) {
            EXPECT_NE(text.find(mention), std::string::npos)
                << static_cast<int>(row.key) << " lacks " << mention;
        }
    }
    EXPECT_TRUE(solverHelpText(KeyId::plus).empty());
    EXPECT_NE(std::string(blueDisplayHelpText()).find("Pantalla auxiliar azul"), std::string::npos);
}

}  // namespace
