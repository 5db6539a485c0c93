#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/convert/converter_model.h"

namespace {

using numeralia::SharedState;
using numeralia::convert::ConverterModel;
using numeralia::convert::findMagnitude;

// Buttons of the length table.
constexpr int kKm = 2, kM = 5, kIn = 15, kYd = 21, kRd = 23, kCubit = 25, kMi = 27, kVara = 34;
const std::string km = "Kilómetros", m = "¤ Metros {m}", mi = "Miles {mi}";

TEST(ConvertModel, SelectionRules) {
    const struct {
        const char* what;
        std::vector<int> clicks;
        std::string first, second, factor;
        std::set<int> selected;
    } rows[] = {
        // clang-format off
        {"nothing", {}, "", "", "", {}},
        {"one unit", {kKm}, km, "", "", {kKm}},
        {"the same unit twice", {kKm, kKm}, "", "", "", {}},
        {"a pair", {kKm, kM}, km, m, "1000", {kKm, kM}},
        {"a pair the other way", {kM, kKm}, m, km, "0,001", {kKm, kM}},
        {"first of a pair clicked: the second becomes the first", {kKm, kM, kKm}, m, "", "", {kM}},
        {"then a third unit is the second", {kKm, kM, kKm, kMi}, m, mi, "0,000621371192237334",
         {kM, kMi}},
        {"second of a pair clicked", {kKm, kM, kM}, km, "", "", {kKm}},
        {"a third unit starts over", {kKm, kM, kMi}, mi, "", "", {kMi}},
        {"and a fourth completes the new pair", {kKm, kM, kMi, kM}, mi, m, "1609,344", {kMi, kM}},
        {"an empty button does nothing", {kKm, 35, -1}, km, "", "", {kKm}},
        {"yards in inches", {kYd, kIn}, "Yards {yd}", "Inches {in}", "36", {kYd, kIn}},
        {"rods in varas", {kRd, kVara}, "Rods {rd}", "Varas", "6,01758899192342", {kRd, kVara}},
        {"cubits as always shown", {kCubit, kM}, "Cubits", m, "45,72", {kCubit, kM}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SharedState state;
        ConverterModel model(state);
        for (int click : row.clicks) model.clickUnit(click);
        SCOPED_TRACE(row.what);
        EXPECT_EQ(model.firstUnitName(), row.first);
        EXPECT_EQ(model.secondUnitName(), row.second);
        EXPECT_EQ(model.factorText(), row.factor);
        std::set<int> selected;
        for (int i = 0; i < numeralia::convert::kUnitButtonCount; ++i) {
            if (model.isSelected(i)) selected.insert(i);
        }
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(model.selectedCount(), static_cast<int>(row.selected.size()));
        if (model.selectedCount() < 2) {
            EXPECT_EQ(model.conversionFactor(), 0.0);
        }
    }
}

// The converter opens with the length table; loading another magnitude resets the selection.
TEST(ConvertModel, OpensWithLengthThenLoadsAMagnitude) {
    SharedState state;
    ConverterModel model(state);
    EXPECT_EQ(model.magnitudeName() + " " + model.dimension(), "Longitud L");
    EXPECT_EQ(model.unitName(0), "Año Luz {Ly}");
    EXPECT_EQ(model.unitName(34), "Varas");
    EXPECT_EQ(model.unitName(35), "");
    // Inches and rods are computed; yards are three feet in floating point.
    EXPECT_EQ(model.unitFactor(kIn), 0.3048 / 12);
    EXPECT_EQ(model.unitFactor(kRd), 10.0584 / 2);
    EXPECT_EQ(model.unitFactor(kYd), 0.9144000000000001);
    EXPECT_NE(model.unitFactor(kYd), 0.9144);
    EXPECT_EQ(model.unitFactor(kCubit), 45.72);

    model.clickUnit(kKm);
    model.clickUnit(kM);
    const auto* density = findMagnitude("Densidad");
    ASSERT_NE(density, nullptr);
    model.loadMagnitude(*density);
    EXPECT_EQ(model.magnitudeName() + " " + model.dimension(), "Densidad M L^-3");
    EXPECT_EQ(model.selectedCount(), 0);
    EXPECT_EQ(model.factorText() + model.firstUnitName(), "");
    EXPECT_FALSE(model.isSelected(kKm));
    EXPECT_EQ(model.conversionFactor(), 0.0);
    // The density table is shorter than the length table: its last buttons are empty.
    const int count = static_cast<int>(density->units.size());
    EXPECT_TRUE(model.isActive(count - 1));
    EXPECT_FALSE(model.isActive(count));
    model.clickUnit(count);
    EXPECT_EQ(model.selectedCount(), 0);
}

// "EXP" and "R1" to "R3": a memory takes the factor and its description only while a factor is
// on show, and the other memories keep what they held.
TEST(ConvertModel, ExpAndTransitMemories) {
    const std::string kmToM = "Factor de conversión de Kilómetros a ¤ Metros {m}";
    const struct {
        std::vector<int> clicks;
        bool exp;
        std::string factor;
        int memory;
        double value;  // what the memory holds afterwards
        std::string label;
    } rows[] = {
        // clang-format off
        {{kKm, kM}, false, "1000", 1, 1000, kmToM},
        {{kKm, kM}, true, "1,00e+03", 3, 1000, kmToM},
        {{kMi, kM}, true, "1,6093440e+03", 2, 1609.344,
         "Factor de conversión de Miles {mi} a ¤ Metros {m}"},
        {{}, true, "0,00e+00", 0, 0, ""},
        {{kKm}, false, "", 1, 7, "antes"},
        {{kKm, kM, kM}, false, "", 2, 7, "antes"},  // back to one unit
        // clang-format on
    };
    for (const auto& row : rows) {
        SharedState state;
        state.transitValue1 = state.transitValue2 = state.transitValue3 = 7;
        state.transitLabel1 = state.transitLabel2 = state.transitLabel3 = "antes";
        ConverterModel model(state);
        for (int click : row.clicks) model.clickUnit(click);
        if (row.exp) model.showExponential();
        SCOPED_TRACE(row.factor);
        EXPECT_EQ(model.factorText(), row.factor);
        model.copyToTransit(row.memory);
        const double values[] = {state.transitValue1, state.transitValue2, state.transitValue3};
        const std::string labels[] = {state.transitLabel1, state.transitLabel2,
                                      state.transitLabel3};
        for (int i = 0; i < 3; ++i) {
            const bool copied = i + 1 == row.memory;
            EXPECT_EQ(values[i], copied ? row.value : 7.0) << "R" << i + 1;
            EXPECT_EQ(labels[i], copied ? row.label : "antes") << "R" << i + 1;
        }
    }
}

// As many decimals as significant digits in the factor's text, at least two, at most ten and
// never nine: trailing zeros of a whole number and leading zeros below 1 do not count, and in
// the exponent form ("1,2345E-12") only the mantissa does.
TEST(ConvertModel, ExponentPatternCountsSignificantDigits) {
    // clang-format off
    const std::pair<double, const char*> rows[] = {
        {0, "0.00e+00"},      {1000, "0.00e+00"},      {1609.344, "0.0000000e+00"},
        {0.0254, "0.00e+00"}, {0.30479, "0.0000e+00"}, {1234.5, "0.00000e+00"},
        {1e-9, "0.00e+00"},   {123456789, "0.00000000e+00"}, {1234567891, "0.0000000000e+00"},
        {1.0 / 3, "0.0000000000e+00"}, {-1609.344, "0.0000000e+00"},
        {1.2345e-12, "0.00000e+00"},   {9.46055e15, "0.00e+00"}};
    // clang-format on
    for (const auto& [factor, pattern] : rows) {
        EXPECT_EQ(numeralia::convert::exponentPattern(factor), pattern) << factor;
    }
}

TEST(ConvertModel, MagnitudeMenuOrder) {
    // clang-format off
    const char* const menu[] = {
        "Aceleración Lineal", "Aceleración Angular", "Bidimensional", "Angulo Sólido", "Densidad",
        "Capacidad Eléctrica", "Carga Eléctrica", "Conductancia Eléctrica",
        "Inductancia Eléctrica", "Intensidad Eléctrica", "Potencial Eléctrico",
        "Resistencia Eléctrica", "Energía", "Frecuencia", "Fuerza", "Longitud", "Intensidad",
        "Flujo Magnético", "Masa", "Número de Onda", "Dosis Absorbida", "Potencia", "Presión",
        "Superfície", "Tiempo", "Velocidad Lineal", "Velocidad Angular", "Cinemática",
        "Dinámica", "Volumen"};
    // clang-format on
    const auto magnitudes = numeralia::convert::magnitudes();
    ASSERT_EQ(magnitudes.size(), std::size(menu));
    for (std::size_t i = 0; i < magnitudes.size(); ++i) {
        EXPECT_EQ(magnitudes[i]->menuEntry, menu[i]);
        EXPECT_EQ(findMagnitude(menu[i]), magnitudes[i]);
    }
    EXPECT_EQ(findMagnitude("Longitud"), &numeralia::convert::lengthMagnitude());
    EXPECT_EQ(findMagnitude("Temperatura"), nullptr);
}

TEST(ConvertModel, ReadmeCountsTheUnits) {
    std::stringstream readme;
    readme << std::ifstream(std::string(NUMERALIA_SOURCE_DIR) + "/README.md").rdbuf();
    const std::string expected =
        "The unit converter offers " + std::to_string(numeralia::convert::totalUnitCount()) +
        " units of " + std::to_string(numeralia::convert::magnitudes().size()) +
        " physical magnitudes";
    EXPECT_NE(readme.str().find(expected), std::string::npos) << expected;
}

}  // namespace
