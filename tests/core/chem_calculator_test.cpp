// The molecular-weight calculator of the Periodic table, the typed formula checked against
// it, and the printed element sheet.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/chem/elements.h"
#include "core/chem/formula_parser.h"
#include "core/chem/periodic_model.h"
#include "core/chem/sheet_printout.h"

namespace {

using namespace numeralia;
using namespace numeralia::chem;

// A script of blank-separated steps: "start" ("Cálculo"), "exit" ("Salir"), "clear" ("C"),
// "=", a digit key "0" to "9", "J" and "Cal" for the units, otherwise an element symbol.
void press(PeriodicTableModel& model, const std::string& script) {
    std::istringstream steps(script);
    std::string step;
    while (steps >> step) {
        if (step == "start") model.startCalculator();
        else if (step == "exit") model.exitCalculator();
        else if (step == "clear") model.pressCalculatorClear();
        else if (step == "=") model.pressCalculatorEquals();
        else if (step == "J") model.chooseJoules();
        else if (step == "Cal") model.chooseCalories();
        else if (step.size() == 1 && std::isdigit(static_cast<unsigned char>(step[0])))
            model.pressCalculatorDigit(step[0] - '0');
        else model.clickElement(elementBySymbol(step).value());
    }
}

TEST(MolecularWeight, KeysBuildTheFormulaAndTheMass) {
    const struct {
        const char* what;
        const char* script;
        const char* formula;
        const char* mass;
        const char* subscript;
        bool active;
    } rows[] = {
        // clang-format off
        {"one click per atom", "start H H S O O O O", "H 2 S 1 O 4 ", " 98,07948", "0", true},
        {"subscripts after their element", "start H 2 = S O 4 =", "H 2 S 1 O 4 ", " 98,07948", "0", true},
        {"hydrogen alone: a blank for the sign", "start H", "H 1 ", " 1,00794", "0", true},
        {"the order of first clicks, no other", "start O S H H O O O", "O 4 S 1 H 2 ", " 98,07948", "0", true},
        {"\"=\" with the subscript 0 takes the element out", "start H =", "H 0 ", " 0", "0", true},
        {"and leaves the others", "start H S =", "H 1 S 0 ", " 1,00794", "0", true},
        {"francium counts its mass number", "start Fr", "Fr 1 ", " 223", "0", true},
        {"two-digit subscripts: sucrose", "start C 1 2 = H 2 2 = O 1 1 =", "C 12 H 22 O 11 ", " 342,29648", "0", true},
        {"digits before any element do nothing", "start 2 5", "", "", "0", true},
        {"then the element comes alone", "start 2 H", "H 1 ", " 1,00794", "0", true},
        {"a subscript typed waits for \"=\"", "start H 2", "H 1 ", " 1,00794", "2", true},
        {"at most four digits", "start H 1 2 3 4 5", "H 1 ", " 1,00794", "1234", true},
        {"\"C\" clears the formula but not the subscript", "start H 2 clear", "", "0", "2", true},
        {"after \"C\" the digits wait for an element", "start H clear 3", "", "0", "0", true},
        {"\"=\" on an empty formula does nothing", "start H clear =", "", "0", "0", true},
        {"units switched while active change nothing", "start H J Cal J", "H 1 ", " 1,00794", "0", true},
        {"and the next element is added normally", "start H J O", "H 1 O 1 ", " 17,00734", "0", true},
        {"a unit switch before the start does not swallow the first key", "H J start Cal H", "H 1 ", " 1,00794", "0", true},
        {"elements shown before the start are not added", "H O start", "", "", "0", true},
        {"the keys do nothing while the calculator is closed", "H 2 = clear", "", "", "0", false},
        {"\"Salir\" clears everything", "start H 2 exit", "", "", "0", false},
        {"and the next start is clean", "start H 2 exit start N", "N 1 ", " 14,00674", "0", true},
        {"\"=\" counts the element shown, even when it joined an earlier entry", "start H S H 3 =", "H 3 S 1 ", " 35,08982", "0", true},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        SharedState state;
        PeriodicTableModel model(state);
        press(model, row.script);
        const MolecularWeightCalculator& calc = model.calculator();
        EXPECT_EQ(calc.formula(), row.formula);
        EXPECT_EQ(calc.massText(), row.mass);
        EXPECT_EQ(calc.subscript(), row.subscript);
        EXPECT_EQ(calc.active(), row.active);
    }
}

// A formula holds at most 30 different elements: the 31st starts a new formula, while an
// element already in it is still counted there.
TEST(MolecularWeight, ThirtyEntriesAtMost) {
    SharedState state;
    PeriodicTableModel model(state);
    model.startCalculator();
    for (int z = 1; z <= 30; ++z) model.clickElement(z);
    ASSERT_EQ(model.calculator().entries().size(), 30u);
    model.clickElement(1);
    EXPECT_EQ(model.calculator().entries().size(), 30u);
    EXPECT_EQ(model.calculator().entries().front(), (MolecularWeightCalculator::Entry{"H", 2}));
    model.pressCalculatorDigit(5);
    model.pressCalculatorEquals();
    EXPECT_EQ(model.calculator().entries().size(), 30u);
    EXPECT_EQ(model.calculator().entries().front().count, 5);
    model.clickElement(31);
    EXPECT_EQ(model.calculator().formula(), "Ga 1 ");
    EXPECT_EQ(model.calculator().massText(), " 69,723");
}

// The typed formula and the clicks that enter the same compound give the same formula line
// and the same mass.
TEST(TypedFormula, AgreesWithTheClickingCalculator) {
    const struct {
        const char* typed;
        const char* clicks;
        const char* formula;
    } rows[] = {
        // clang-format off
        {"H2O",            "H 2 = O",                           "H 2 O 1 "},
        {"CO2",            "C O O",                             "C 1 O 2 "},
        {"NaCl",           "Na Cl",                             "Na 1 Cl 1 "},
        {"H2SO4",          "H H S O O O O",                     "H 2 S 1 O 4 "},
        {"Ca(OH)2",        "Ca O H O H",                        "Ca 1 O 2 H 2 "},
        {"C6H12O6",        "C 6 = H 1 2 = O 6 =",               "C 6 H 12 O 6 "},
        {"CuSO4·5H2O",     "Cu S O 4 = H 1 0 = O 9 =",          "Cu 1 S 1 O 9 H 10 "},
        {"CuSO4*5H2O",     "Cu S O 4 = H 1 0 = O 9 =",          "Cu 1 S 1 O 9 H 10 "},
        {"CuSO4.5H2O",     "Cu S O 4 = H 1 0 = O 9 =",          "Cu 1 S 1 O 9 H 10 "},
        {"Al2(SO4)3",      "Al 2 = S 3 = O 1 2 =",              "Al 2 S 3 O 12 "},
        {"K4[Fe(CN)6]",    "K 4 = Fe C 6 = N 6 =",              "K 4 Fe 1 C 6 N 6 "},
        {"Mg3(PO4)2",      "Mg 3 = P 2 = O 8 =",                "Mg 3 P 2 O 8 "},
        {"(NH4)2SO4",      "N 2 = H 8 = S O 4 =",               "N 2 H 8 S 1 O 4 "},
        {"Fe2O3",          "Fe Fe O O O",                       "Fe 2 O 3 "},
        {"KMnO4",          "K Mn O 4 =",                        "K 1 Mn 1 O 4 "},
        {"C12H22O11",      "C 1 2 = H 2 2 = O 1 1 =",           "C 12 H 22 O 11 "},
        {"NaHCO3",         "Na H C O 3 =",                      "Na 1 H 1 C 1 O 3 "},
        {"Ca3(PO4)2",      "Ca 3 = P 2 = O 8 =",                "Ca 3 P 2 O 8 "},
        {"UF6",            "U F 6 =",                           "U 1 F 6 "},
        {"Na2B4O7·10H2O",  "Na 2 = B 4 = O 1 7 = H 2 0 =",      "Na 2 B 4 O 17 H 20 "},
        {"Fr",             "Fr",                                "Fr 1 "},
        {"Pu(NO3)4",       "Pu N 4 = O 1 2 =",                  "Pu 1 N 4 O 12 "},
        {"CH3COOH",        "C H H H C O O H",                   "C 2 H 4 O 2 "},
        {"[Co(NH3)6]Cl3",  "Co N 6 = H 1 8 = Cl 3 =",           "Co 1 N 6 H 18 Cl 3 "},
        {"C₆H₆",           "C 6 = H 6 =",                       "C 6 H 6 "},
        {" H2 O ",         "H H O",                             "H 2 O 1 "},
        {"{[(CH3)3C]2O}2", "C 1 6 = H 3 6 = O 2 =",             "C 16 H 36 O 2 "},
        {"((((((((((((((((((((H))))))))))))))))))))", "H",     "H 1 "},  // 20 deep
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const FormulaAnalysis typed = analyseFormula(row.typed);
        ASSERT_FALSE(typed.error.has_value()) << typed.error->message;
        SharedState state;
        PeriodicTableModel model(state);
        model.startCalculator();
        press(model, row.clicks);
        EXPECT_EQ(model.calculator().formula(), row.formula);
        EXPECT_EQ(typed.sum.formula(), row.formula);
        EXPECT_EQ(typed.sum.massText(), model.calculator().massText());
        EXPECT_NEAR(typed.sum.runningMass(), model.calculator().runningMass(), 1e-9);
    }
}

// Masses worked out by hand from the table's weights.
TEST(TypedFormula, MassesWorkedOutByHand) {
    const struct {
        const char* typed;
        const char* mass;
    } rows[] = {
        {"H2O", " 18,01528"},           // 2 × 1.00794 + 15.9994
        {"CO2", " 44,0095"},            // 12.0107 + 2 × 15.9994
        {"NaCl", " 58,44247"},          // 22.98977 + 35.4527
        {"C6H12O6", " 180,15588"},      // 6 × 12.0107 + 12 × 1.00794 + 6 × 15.9994
        {"CuSO4·5H2O", " 249,686"},     // 63.546 + 32.066 + 9 × 15.9994 + 10 × 1.00794
        {"Tc2O7", " 307,9958"},         // 2 × 98 + 7 × 15.9994
        {"RaCl2", " 296,9054"},         // 226 + 2 × 35.4527
    };
    for (const auto& row : rows) {
        const FormulaAnalysis typed = analyseFormula(row.typed);
        ASSERT_FALSE(typed.error.has_value()) << row.typed;
        EXPECT_EQ(typed.sum.massText(), row.mass) << row.typed;
    }
}

TEST(TypedFormula, CompositionByMass) {
    const FormulaAnalysis water = analyseFormula("H2O");
    ASSERT_EQ(water.composition.size(), 2u);
    EXPECT_EQ(water.composition[0].symbol, "H");
    EXPECT_EQ(water.composition[0].count, 2);
    EXPECT_EQ(water.composition[0].massText, "2,01588");
    EXPECT_EQ(water.composition[0].percentText, "11,19");
    EXPECT_EQ(water.composition[1].massText, "15,9994");
    EXPECT_EQ(water.composition[1].percentText, "88,81");
    const FormulaAnalysis alum = analyseFormula("KAl(SO4)2·12H2O");
    ASSERT_FALSE(alum.error.has_value());
    double total = 0;
    for (const CompositionRow& row : alum.composition) total += row.percent;
    EXPECT_NEAR(total, 100, 1e-9);
    EXPECT_EQ(alum.composition.size(), 5u);
}

TEST(TypedFormula, FaultsArePointedAt) {
    const struct {
        const char* typed;
        std::size_t position, length;
        const char* says;
    } rows[] = {
        // clang-format off
        {"",               1, 1, "Escriba una fórmula"},
        {"   ",            1, 1, "Escriba una fórmula"},
        {"Xx2",            1, 2, "«Xx» no es el símbolo de ningún elemento"},
        {"H2Q",            3, 1, "«Q» no es el símbolo"},
        {"Ca(OH2",         3, 1, "Falta cerrar el paréntesis «(»"},
        {"CaOH)2",         5, 1, "«)» cierra un paréntesis que no se ha abierto"},
        {"Ca(OH]2",        6, 1, "«]» no cierra el paréntesis «(»"},
        {"h2o",            1, 1, "«h» no empieza ningún símbolo"},
        {"H2O·",           4, 1, "Falta la fórmula que sigue al punto"},
        {"·H2O",           1, 1, "Falta la fórmula antes del punto"},
        {"H0",             2, 1, "Un subíndice 0"},
        {"H2()",           3, 2, "Un paréntesis vacío"},
        {"H2O$",           4, 1, "«$» no puede estar en una fórmula"},
        {"Fe(CN)12345",    7, 5, "demasiado grande"},
        {"CuSO4·(5H2O)",   8, 1, "Un número sin elemento"},
        {"Na2[Fe(CN)5·NO]", 12, 1, "Un punto de hidrato dentro de un paréntesis"},
        {"Cañ",            3, 1, "«ñ» no puede estar en una fórmula"},
        {"5",              1, 1, "Falta la fórmula tras el número"},
        {"H2O🙂",          4, 1, "«🙂» no puede estar en una fórmula"},
        {"H2\xff",         3, 1, "no puede estar en una fórmula"},
        // Groups 21 deep; one element beyond 999999 atoms over the whole formula.
        {"((((((((((((((((((((((H))))))))))))))))))))))", 21, 1, "Demasiados paréntesis unos dentro de otros"},
        {"(H9999)99O(H9999)99", 12, 1, "Demasiados átomos de H"},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const FormulaAnalysis typed = analyseFormula(row.typed);
        ASSERT_TRUE(typed.error.has_value());
        EXPECT_EQ(typed.error->position, row.position);
        EXPECT_EQ(typed.error->length, row.length);
        EXPECT_NE(typed.error->message.find(row.says), std::string::npos) << typed.error->message;
        EXPECT_TRUE(typed.composition.empty());
    }
}

TEST(SheetPrintout, LinesFollowTheSheetAndItsUnits) {
    SharedState state;
    PeriodicTableModel model(state);
    const SheetPrintout empty = sheetPrintout(model);
    ASSERT_EQ(empty.properties.size(), 18u);
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.large[0].caption, " Símbolo:  ");
    EXPECT_EQ(empty.large[1].caption, " Número Atómico:");
    EXPECT_EQ(empty.properties[12].caption, "1ª Energía de Ionización (Kcal/mol):");
    for (const PrintLine& line : empty.properties) EXPECT_EQ(line.value, "") << line.caption;

    model.clickElement(1);
    model.chooseJoules();
    const SheetPrintout page = sheetPrintout(model);
    EXPECT_TRUE(page.credit.starts_with("Numeralia - Tabla Periódica."));
    EXPECT_EQ(page.name, "Hidrógeno");
    EXPECT_EQ(page.large[0].value, "H");
    EXPECT_EQ(page.large[2].value, "1,00794");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Valencias. (la más estable):", "1"},
        {"Punto de Fusión (C):", "-259,2"},
        {"Punto de Ebullición (C):", "-252,7"},
        {"Densidad (g/ml):", "0,071"},
        {"Volumen Atómico (W/D):", "14,1"},
        {"Radio Atómico (Å):", "--"},
        {"Radio Covalente (Å):", "0,32"},
        {"Radio Iónico (Å):", "2,08(-1)"},
        {"Estructura Electrónica:", "1s1"},
        {"Electronegatividad (Pauling):", "2,1"},
        {"Sistema Cristalino:", "Hexagonal"},
        {"Carácter Acido-Básico:", "Anfótero"},
        {"1ª Energía de Ionización (KJ/mol):", "131,00615"},
        {"Calor Específico (J/(g·C)):", "14,439975"},
        {"Calor de Fusión (KJ/mol):", "0,058597"},
        {"Calor de Vaporización (KJ/mol):", "0,452034"},
        {"Conductancia Eléctrica (miliOhmios):", "--"},
        {"Conductividad Térmica (J/(cm²·cm·C·seg)):", "0,016742"},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(page.properties[i].caption, expected[i].first);
        EXPECT_EQ(page.properties[i].value, expected[i].second) << expected[i].first;
    }
}

}  // namespace
