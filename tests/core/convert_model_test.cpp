#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/convert/converter_model.h"

namespace {

using numeralia::SharedState;
using numeralia::convert::ConverterModel;
using numeralia::convert::exponentPattern;
using numeralia::convert::findMagnitude;

// Buttons of the length table.
constexpr int kKilometres = 2, kMetres = 5, kInches = 15, kYards = 21, kRods = 23, kCubits = 25,
              kMiles = 27, kVaras = 34;

struct SelectionRow {
    const char* what;
    std::vector<int> clicks;
    std::string first, second, factor;
    std::set<int> selected;
};

TEST(ConvertModel, SelectionRules) {
    const SelectionRow rows[] = {
        {"nothing", {}, "", "", "", {}},
        {"one unit", {kKilometres}, "Kilómetros", "", "", {kKilometres}},
        {"the same unit twice", {kKilometres, kKilometres}, "", "", "", {}},
        {"a pair", {kKilometres, kMetres}, "Kilómetros", "¤ Metros {m}", "1000",
         {kKilometres, kMetres}},
        {"a pair the other way", {kMetres, kKilometres}, "¤ Metros {m}", "Kilómetros", "0,001",
         {kKilometres, kMetres}},
        {"first of a pair clicked: the second becomes the first",
         {kKilometres, kMetres, kKilometres}, "¤ Metros {m}", "", "", {kMetres}},
        {"then a third unit is the second",
         {kKilometres, kMetres, kKilometres, kMiles}, "¤ Metros {m}", "Miles {mi}",
         "0,000621371192237334", {kMetres, kMiles}},
        {"second of a pair clicked", {kKilometres, kMetres, kMetres}, "Kilómetros", "", "",
         {kKilometres}},
        {"a third unit starts over", {kKilometres, kMetres, kMiles}, "Miles {mi}", "", "",
         {kMiles}},
        {"and a fourth completes the new pair", {kKilometres, kMetres, kMiles, kMetres},
         "Miles {mi}", "¤ Metros {m}", "1609,344", {kMiles, kMetres}},
        {"an empty button does nothing", {kKilometres, 35, -1}, "Kilómetros", "", "",
         {kKilometres}},
        {"yards in inches", {kYards, kInches}, "Yards {yd}", "Inches {in}", "36", {kYards, kInches}},
        {"rods in varas", {kRods, kVaras}, "Rods {rd}", "Varas", "6,01758899192342",
         {kRods, kVaras}},
        {"cubits as always shown", {kCubits, kMetres}, "Cubits", "¤ Metros {m}", "45,72",
         {kCubits, kMetres}},
    };
    for (const SelectionRow& row : rows) {
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

TEST(ConvertModel, OpensWithLengthAndItsComputedValues) {
    SharedState state;
    ConverterModel model(state);
    EXPECT_EQ(model.magnitudeName(), "Longitud");
    EXPECT_EQ(model.dimension(), "L");
    EXPECT_EQ(model.unitName(0), "Año Luz {Ly}");
    EXPECT_EQ(model.unitName(34), "Varas");
    EXPECT_EQ(model.unitName(35), "");
    // Inches and rods are computed; yards are three feet in floating point.
    EXPECT_EQ(model.unitFactor(kInches), 0.3048 / 12);
    EXPECT_EQ(model.unitFactor(kRods), 10.0584 / 2);
    EXPECT_EQ(model.unitFactor(kYards), 0.9144000000000001);
    EXPECT_NE(model.unitFactor(kYards), 0.9144);
    EXPECT_EQ(model.unitFactor(kCubits), 45.72);
}

TEST(ConvertModel, KilometresToMetresThenExpAndR1) {
    SharedState state;
    state.transitValue2 = 7;
    state.transitLabel2 = "antes";
    ConverterModel model(state);
    model.clickUnit(kKilometres);
    model.clickUnit(kMetres);
    EXPECT_EQ(model.factorText(), "1000");
    model.showExponential();
    EXPECT_EQ(model.factorText(), "1,00e+03");
    EXPECT_EQ(model.conversionFactor(), 1000.0);
    model.copyToTransit(1);
    EXPECT_EQ(state.transitValue1, 1000.0);
    EXPECT_EQ(state.transitLabel1, "Factor de conversión de Kilómetros a ¤ Metros {m}");
    EXPECT_EQ(state.transitValue2, 7.0);
    EXPECT_EQ(state.transitLabel2, "antes");
    model.copyToTransit(3);
    EXPECT_EQ(state.transitValue3, 1000.0);
    EXPECT_EQ(state.transitLabel3, state.transitLabel1);
}

TEST(ConvertModel, ExpOfMilesAndOfNothing) {
    SharedState state;
    ConverterModel model(state);
    model.showExponential();
    EXPECT_EQ(model.factorText(), "0,00e+00");
    model.clickUnit(kMiles);
    model.clickUnit(kMetres);
    EXPECT_EQ(model.factorText(), "1609,344");
    model.showExponential();
    EXPECT_EQ(model.factorText(), "1,6093440e+03");
}

TEST(ConvertModel, TransitMemoriesNeedAFactorOnShow) {
    SharedState state;
    ConverterModel model(state);
    model.clickUnit(kKilometres);
    model.copyToTransit(1);
    model.clickUnit(kMetres);
    model.clickUnit(kMetres);  // back to one unit: the factor display is empty again
    model.copyToTransit(2);
    EXPECT_EQ(state.transitValue1, 0.0);
    EXPECT_EQ(state.transitLabel1, "");
    EXPECT_EQ(state.transitValue2, 0.0);
    EXPECT_EQ(state.transitLabel2, "");
}

TEST(ConvertModel, LoadingAMagnitudeResetsTheSelection) {
    SharedState state;
    ConverterModel model(state);
    model.clickUnit(kKilometres);
    model.clickUnit(kMetres);
    const auto* density = findMagnitude("Densidad");
    ASSERT_NE(density, nullptr);
    model.loadMagnitude(*density);
    EXPECT_EQ(model.magnitudeName(), "Densidad");
    EXPECT_EQ(model.dimension(), "M L^-3");
    EXPECT_EQ(model.selectedCount(), 0);
    EXPECT_EQ(model.factorText(), "");
    EXPECT_EQ(model.firstUnitName(), "");
    EXPECT_FALSE(model.isSelected(kKilometres));
    EXPECT_EQ(model.conversionFactor(), 0.0);
    // The density table is shorter than the length table: its last buttons are empty.
    const int count = static_cast<int>(density->units.size());
    EXPECT_TRUE(model.isActive(count - 1));
    EXPECT_FALSE(model.isActive(count));
    model.clickUnit(count);
    EXPECT_EQ(model.selectedCount(), 0);
}

TEST(ConvertModel, ExponentPatternCountsSignificantDigits) {
    struct Row {
        double factor;
        const char* pattern;
    };
    const Row rows[] = {
        {0, "0.00e+00"},
        {1000, "0.00e+00"},             // trailing zeros of a whole number do not count
        {1609.344, "0.0000000e+00"},   // "1609,344": eight characters
        {0.001, "0.00e+00"},           // leading zeros below 1 do not count
        {0.0254, "0.00e+00"},
        {0.30479, "0.0000e+00"},
        {1234.5, "0.00000e+00"},
        {123456789, "0.00000000e+00"},
        {1234567891, "0.0000000000e+00"},  // there is no pattern with nine decimals
        {1.0 / 3, "0.0000000000e+00"},
        {-1609.344, "0.0000000e+00"},
        {1e-9, "0.00e+00"},
        {1.2345e-12, "0.00000e+00"},    // "1,2345E-12": the mantissa has six characters
        {9.46055e15, "0.00e+00"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(exponentPattern(row.factor), row.pattern) << row.factor;
    }
}

TEST(ConvertModel, MagnitudeMenuOrder) {
    const char* const menu[] = {
        "Aceleración Lineal", "Aceleración Angular", "Bidimensional", "Angulo Sólido", "Densidad",
        "Capacidad Eléctrica", "Carga Eléctrica", "Conductancia Eléctrica",
        "Inductancia Eléctrica", "Intensidad Eléctrica", "Potencial Eléctrico",
        "Resistencia Eléctrica", "Energía", "Frecuencia", "Fuerza", "Longitud", "Intensidad",
        "Flujo Magnético", "Masa", "Número de Onda", "Dosis Absorbida", "Potencia", "Presión",
        "Superfície", "Tiempo", "Velocidad Lineal", "Velocidad Angular", "Cinemática",
        "Dinámica", "Volumen"};
    const auto magnitudes = numeralia::convert::magnitudes();
    ASSERT_EQ(magnitudes.size(), std::size(menu));
    for (std::size_t i = 0; i < magnitudes.size(); ++i) {
        EXPECT_EQ(magnitudes[i]->menuEntry, menu[i]);
        EXPECT_EQ(findMagnitude(menu[i]), magnitudes[i]);
    }
    EXPECT_EQ(findMagnitude("Longitud"), &numeralia::convert::lengthMagnitude());
    EXPECT_EQ(findMagnitude("Temperatura"), nullptr);
}

}  // namespace


namespace {

TEST(ConvertModel, ReadmeCountsTheUnits) {
    std::ifstream readme(std::string(NUMERALIA_SOURCE_DIR) + "/README.md");
    std::stringstream text;
    text << readme.rdbuf();
    const std::string expected =
        "The unit converter offers " + std::to_string(numeralia::convert::totalUnitCount()) +
        " units of " + std::to_string(numeralia::convert::magnitudes().size()) +
        " physical magnitudes";
    EXPECT_NE(text.str().find(expected), std::string::npos) << expected;
}

}  // namespace
