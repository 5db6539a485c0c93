// The constant keys: sixteen distinct keys with CODATA values and tool tips; the draws of
// "rand".

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/calc/constants.h"
#include "core/calc/random_source.h"

using namespace numeralia;
using namespace numeralia::calc;

namespace {

TEST(CalcConstants, ValuesAndToolTips) {
    struct Row {
        const char* symbol;
        double value;
        const char* toolTip;
    };
    const Row rows[] = {
        {"c", 299792458.0, "Velocidad de la luz en el vacío = 299792458 m/s"},
        {"h", 6.62607015E-34, "Constante de Plank = 6,62607015E-34 J·s"},
        {"g", 9.80665, "Aceleración de la gravedad = 9,80665 m/s²"},
        {"Vm", 0.0224139695450141,
         "Volumen molar del gas ideal (CNTP) = 0,0224139695450141 m³/mol"},
        {"R∞", 10973731.568157, "Constante de Rydberg = 10973731,568157 m⁻¹"},
    };
    for (const Row& r : rows) {
        const PhysicalConstant* c = findConstant(r.symbol);
        ASSERT_NE(c, nullptr) << r.symbol;
        EXPECT_EQ(c->value, r.value) << r.symbol;
        EXPECT_EQ(constantToolTip(*c), r.toolTip);
    }
    EXPECT_EQ(findConstant("x"), nullptr);
    // The derived constants agree with the defined ones they come from.
    auto v = [](const char* symbol) { return findConstant(symbol)->value; };
    EXPECT_NEAR(v("F") / (v("NA") * v("e")), 1.0, 1e-14);
    EXPECT_NEAR(v("R") / (v("NA") * v("k")), 1.0, 1e-14);
    EXPECT_NEAR(v("Vm") / (v("R") * 273.15 / 101325.0), 1.0, 1e-14);
    EXPECT_NEAR(v("K") * 4 * 3.141592653589793 * v("Eo"), 1.0, 1e-10);
    // Sixteen distinct keys, each with a value and a unit.
    std::set<std::string> symbols, labels;
    for (const PhysicalConstant& c : physicalConstants()) {
        symbols.insert(c.symbol);
        labels.insert(c.label);
        EXPECT_GT(c.value, 0.0) << c.symbol;
        EXPECT_NE(std::string(c.unit), "") << c.symbol;
    }
    EXPECT_EQ(physicalConstants().size(), 16u);
    EXPECT_EQ(symbols.size(), 16u);
    EXPECT_EQ(labels.size(), 16u);
}

TEST(CalcRandom, DrawsStayBelowOneAtSinglePrecision) {
    ClockRandomSource source;
    for (int i = 0; i < 2000; ++i) {
        const double r = source.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        EXPECT_EQ(singlePrecisionUnit(r), r);  // already single precision
    }
    EXPECT_LT(singlePrecisionUnit(0.99999999), 1.0);
    EXPECT_EQ(singlePrecisionUnit(0.5), 0.5);
    EXPECT_EQ(singlePrecisionUnit(-0.1), 0.0);
}

}  // namespace
