// The texts of the statistics printout and chart: every result with its value or the reason
// it has none, the labels of histogram classes and the regression line's equation.

#include <gtest/gtest.h>

#include <map>

#include "calc_script.h"
#include "core/calc/statistics_keys.h"
#include "core/calc/statistics_report.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

std::map<std::string, std::string> report(const std::string& keys) {
    Calculator calc;
    calc.run(keys);
    std::map<std::string, std::string> values;
    for (const ReportLine& line : statisticsReport(calc.shared, calc.model.state().statistics))
        values[line.label] = line.value;
    return values;
}

TEST(StatisticsReport, ValuesOrTheReasonThereIsNone) {
    const auto square = report(
        "0 statEnterX 2 statEnterX 2 statEnterX 0 statEnterX 0 statEnterY 0 statEnterY 2 "
        "statEnterY 2 statEnterY");
    EXPECT_EQ(square.at("Número de datos (N)"), "4  (4 X, 4 Y)");
    EXPECT_EQ(square.at("Σ x²"), "8");
    EXPECT_EQ(square.at("Media de X (X m)"), "1");
    EXPECT_EQ(square.at("Desviación estándar de la muestra Y (σ y n-1)"), "1,15470053837925");
    EXPECT_EQ(square.at("Regresión lineal y = a·x + b: coeficiente a"), "0");
    EXPECT_EQ(square.at("Regresión lineal: r²"), "0");
    EXPECT_EQ(square.at("Área del polígono de vértices (X, Y)"), "4");
    EXPECT_EQ(square.at("Media de X con sus frecuencias Y (X m)"), "1");

    const auto one = report("5 statEnterX");
    EXPECT_EQ(one.at("Desviación estándar de la muestra X (σ x n-1)"),
              "—  (se necesitan al menos 2 datos)");
    EXPECT_EQ(one.at("Media de Y (Y m)"), "—  (no hay datos estadísticos)");
    EXPECT_EQ(one.at("Regresión lineal: r²"), "—  (los datos no coinciden)");
    EXPECT_EQ(one.count("Área del polígono de vértices (X, Y)"), 0u);  // only where it applies
    const auto huge = report("1 exponent 3 0 0 statEnterX 1 exponent 3 0 0 statEnterX");
    EXPECT_EQ(huge.at("Σ x²"), "—  (fuera del alcance de la calculadora)");
}

TEST(StatisticsReport, ClassLabelsAndTheLineOfTheChart) {
    EXPECT_EQ(classLabel({1, 1.75, 3}), "1–1,75");
    EXPECT_EQ(classLabel({4.26, 5.5760000001, 2}), "4,26–5,58");
    EXPECT_EQ(classLabel({1000000001, 1000000001.5, 2}), "1000000001–1000000001,5");
    EXPECT_EQ(classLabel({7, 7, 3}), "7");

    const std::vector<double> x = {10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};
    const std::vector<double> y = {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68};
    const auto line = chartLine(x, y);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->equation, "y = 0,5000909·x + 3,000091   (r² = 0,6665425)");
    const auto falling = chartLine(std::vector<double>{1, 2}, std::vector<double>{-5, -9});
    ASSERT_TRUE(falling);
    EXPECT_EQ(falling->equation, "y = -4·x − 1   (r² = 1)");
    EXPECT_FALSE(chartLine(std::vector<double>{1, 1}, std::vector<double>{1, 2}));
}

}  // namespace
}  // namespace numeralia::calc
