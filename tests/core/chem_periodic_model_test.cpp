// The Periodic table window model: element keys, the sheet, the unit switch, the pictures,
// and finding keys from the keyboard.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/chem/element_search.h"
#include "core/chem/elements.h"
#include "core/chem/periodic_model.h"

namespace {

using namespace numeralia;
using namespace numeralia::chem;

// Steps of a row: an element symbol clicks its key; "J" and "Cal" switch units; "pic" and
// "sw" click the crystal picture and the swatch; "#N" clicks key number N directly.
void run(PeriodicTableModel& model, const std::vector<std::string>& steps) {
    for (const std::string& step : steps) {
        if (step == "J") model.chooseJoules();
        else if (step == "Cal") model.chooseCalories();
        else if (step == "pic") model.clickCrystalPicture();
        else if (step == "sw") model.clickSwatch();
        else if (step.starts_with("#")) model.clickElement(std::stoi(step.substr(1)));
        else model.clickElement(elementBySymbol(step).value());
    }
}

std::map<std::string, std::string> fields(const PeriodicTableModel& m) {
    const ElementSheet& s = m.sheet();
    const EnergyLabels& l = m.energyLabels();
    return {{"z", s.z},
            {"nombres", s.nombres},
            {"simbolos", s.simbolos},
            {"pesos", s.pesos},
            {"ebulliciones", s.ebulliciones},
            {"fusiones", s.fusiones},
            {"densidades", s.densidades},
            {"valencias", s.valencias},
            {"electronegs", s.electronegs},
            {"electrones", s.electrones},
            {"radiocs", s.radiocs},
            {"radioas", s.radioas},
            {"volumenes", s.volumenes},
            {"energias", s.energias},
            {"calorvs", s.calorvs},
            {"radiois", s.radiois},
            {"calorfs", s.calorfs},
            {"conduces", s.conduces},
            {"condutes", s.condutes},
            {"calores", s.calores},
            {"caracteres", s.caracteres},
            {"sistemas", s.sistemas},
            {"label:energias", l.energias},
            {"label:calores", l.calores},
            {"label:condutes", l.condutes},
            {"crystal", std::string(crystalPictureName(m.crystalPicture()))},
            {"swatch", std::string(swatchName(m.swatch()))}};
}

TEST(PeriodicModel, SheetAfterKeysAndUnitSwitches) {
    const struct {
        const char* what;
        std::vector<std::string> steps;
        std::map<std::string, std::string> expected;  // fields not named are not checked
        double factor;
    } rows[] = {
        // clang-format off
        {"an empty sheet", {}, {{"nombres", ""}, {"energias", ""}, {"label:energias", "(Kcal/mol)"}, {"crystal", ""}, {"swatch", ""}}, 1.0},
        {"francium: mass number, estimated melting point and no-value fields", {"Fr"},
         {{"z", "87"}, {"nombres", "Francio"}, {"pesos", "(223)"}, {"fusiones", "(27)"}, {"ebulliciones", "--"},
          {"densidades", "--"}, {"radiocs", "--"}, {"radioas", "--"}, {"volumenes", "--"}, {"energias", "--"},
          {"calorvs", "--"}, {"calorfs", "--"}, {"conduces", "--"}, {"condutes", "--"}, {"calores", "--"},
          {"valencias", "1"}, {"electronegs", "0,7"}, {"electrones", "Rn-7s1"}, {"radiois", "1,76(+1)"},
          {"caracteres", "Básico fuerte"}, {"sistemas", "Cúbico CE"}}, 1.0},
        {"francium in joules: still no values", {"H", "J", "Fr"},
         {{"pesos", "(223)"}, {"fusiones", "(27)"}, {"energias", "--"}, {"calores", "--"}, {"condutes", "--"},
          {"label:energias", "(KJ/mol)"}}, kJoulesPerCalorie},
        {"hydrogen in calories", {"H"},
         {{"nombres", "Hidrógeno"}, {"simbolos", "H"}, {"pesos", "1,00794"}, {"ebulliciones", "-252,7"},
          {"energias", "31,3"}, {"calorvs", "0,108"}, {"calorfs", "0,014"}, {"condutes", "0,004"}, {"calores", "3,45"},
          {"radiois", "2,08(-1)"}, {"radioas", "--"}, {"label:calores", "(cal/(g·C))"}}, 1.0},
        {"hydrogen in joules", {"H", "J"},
         {{"energias", "131,00615"}, {"calores", "14,439975"}, {"calorvs", "0,452034"}, {"calorfs", "0,058597"},
          {"condutes", "0,016742"}, {"ebulliciones", "-252,7"}, {"densidades", "0,071"},
          {"label:energias", "(KJ/mol)"}, {"label:calores", "(J/(g·C))"}, {"label:condutes", "(J/(cm²·cm·C·seg))"}},
         kJoulesPerCalorie},
        {"and back in calories", {"H", "J", "Cal"},
         {{"energias", "31,3"}, {"calores", "3,45"}, {"ebulliciones", "-252,7"}, {"label:energias", "(Kcal/mol)"},
          {"label:condutes", "(cal/(cm²·cm·C·seg))"}}, 1.0},
        {"joules before any element change nothing", {"J"},
         {{"nombres", ""}, {"label:energias", "(Kcal/mol)"}, {"label:calores", "(cal/(g·C))"}}, 1.0},
        {"so the next element still shows calories", {"J", "H"}, {{"energias", "31,3"}}, 1.0},
        {"the joules stay for the next element", {"H", "J", "Na"}, {{"energias", "498,0745"}, {"nombres", "Sodio"}},
         kJoulesPerCalorie},
        {"whole numbers show no decimal point", {"Li"}, {{"ebulliciones", "1330"}, {"energias", "124"}, {"electronegs", "1"}}, 1.0},
        {"technetium weighs a plain 98, promethium its mass number", {"Tc"}, {{"pesos", "98"}}, 1.0},
        {"promethium", {"Pm"}, {{"pesos", "(145)"}, {"calores", "--"}}, 1.0},
        {"small numbers in the general number text", {"Rn"}, {{"condutes", "8,63E-06"}}, 1.0},
        {"hydrogen: hexagonal and amphoteric", {"H"}, {{"crystal", "Hexagonal"}, {"swatch", "Anfótero"}}, 1.0},
        {"lithium: body-centred cube and strong base", {"Li"}, {{"crystal", "Cúbico CE"}, {"swatch", "Básico fuerte"}}, 1.0},
        {"sulphur: rhombic and strong acid", {"S"}, {{"crystal", "Rómbico"}, {"swatch", "Acido fuerte"}}, 1.0},
        {"no oxide, no lattice: empty pictures", {"H", "At"}, {{"crystal", ""}, {"swatch", ""}, {"sistemas", "--"}, {"caracteres", "--"}}, 1.0},
        {"and the next element fills them again", {"At", "Na"}, {{"crystal", "Cúbico CE"}, {"swatch", "Básico fuerte"}}, 1.0},
        {"pictures clicked on an empty sheet show nothing", {"pic", "sw"}, {{"crystal", ""}, {"swatch", ""}, {"z", ""}}, 1.0},
        {"pictures clicked choose again what is on show", {"Fe", "pic", "sw"}, {{"crystal", "Cúbico CE"}, {"swatch", "Anfótero"}}, 1.0},
        {"key numbers outside the table change nothing", {"Na", "#0", "#110", "#121", "#-3"}, {{"z", "11"}, {"nombres", "Sodio"}}, 1.0},
        {"nor on an empty sheet", {"#0", "#500", "J"}, {{"z", ""}, {"nombres", ""}, {"label:energias", "(Kcal/mol)"}}, 1.0},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        SharedState state;
        PeriodicTableModel model(state);
        run(model, row.steps);
        const auto shown = fields(model);
        for (const auto& [name, text] : row.expected) EXPECT_EQ(shown.at(name), text) << name;
        EXPECT_EQ(model.energyFactor(), row.factor);
    }
}

// Every key shows the element of its own number, in the colour of its record, with the record
// stored in its slot; the slots keep what earlier keys stored. The sound picture shows while
// the sounds are on.
TEST(PeriodicModel, EveryKeyShowsItsElementAndKeepsItsSlot) {
    SharedState state;
    PeriodicTableModel model(state);
    EXPECT_FALSE(model.soundPictureVisible());
    state.soundOn = 1;
    EXPECT_TRUE(model.soundPictureVisible());
    for (int z = 1; z <= kElementCount; ++z) {
        model.clickElement(z);
        ASSERT_EQ(model.shownElement(), z);
        EXPECT_EQ(model.sheet().nombres, element(z).name);
        EXPECT_EQ(model.sheet().z, std::to_string(z));
        EXPECT_FALSE(model.sheet().valencias.empty()) << z;
        EXPECT_EQ(model.symbolColour(), record(z).symbolColour) << z;
    }
    // Gas, the liquids of the warm room (caesium, francium), synthetic.
    const std::pair<int, std::uint32_t> colours[] = {
        {1, 200}, {55, 0xFF8080}, {87, 16744576}, {43, 0x008000}, {3, 0}};
    for (const auto& [z, colour] : colours) EXPECT_EQ(record(z).symbolColour, colour) << z;
    EXPECT_EQ(model.slot(Property::Density, 11), record(11)[Property::Density]);
    EXPECT_EQ(model.slot(Property::CrystalSystem, 1), record(1)[Property::CrystalSystem]);
    EXPECT_TRUE(model.slot(Property::Density, 0).isEmpty());
    EXPECT_TRUE(model.slot(Property::Density, 120).isEmpty());
}

TEST(PeriodicModel, KeysOfTheLegend) {
    const struct {
        const char* symbol;
        KeyFace face;
        bool italic, underlined;
        const char* tip;
        GridPlace place;
    } rows[] = {
        // clang-format off
        {"H",  KeyFace::NonMetal,  false, false, "1, Hidrógeno, Hydrogen", {0, 0}},
        {"He", KeyFace::NobleGas,  false, false, "2, Helio, Helium", {0, 17}},
        {"B",  KeyFace::Semimetal, false, false, "5, Boro, Boron", {1, 12}},
        {"Al", KeyFace::Metal,     false, false, "13, Aluminio, Aluminium", {2, 12}},
        {"Sc", KeyFace::Metal,     false, false, "21, Escandio, Scandium", {3, 2}},
        {"Tc", KeyFace::Metal,     true,  false, "43, Tecnecio, Technetium", {4, 6}},
        {"La", KeyFace::Metal,     false, false, "57, Lantano, Lanthanum", {5, 2}},
        {"Ce", KeyFace::Metal,     false, false, "58, Cerio, Cerium", {7, 3}},
        {"Lu", KeyFace::Metal,     false, false, "71, Lutecio, Lutetium", {7, 16}},
        {"Hf", KeyFace::Metal,     false, false, "72, Hafnio, Hafnium", {5, 3}},
        {"Hg", KeyFace::Metal,     false, true,  "80, Mercurio, Mercury", {5, 11}},
        {"At", KeyFace::Semimetal, false, false, "85, Astato, Astatine", {5, 16}},
        {"Fr", KeyFace::Metal,     false, true,  "87, Francio, Francium", {6, 0}},
        {"Ac", KeyFace::Metal,     false, false, "89, Actinio, Actinium", {6, 2}},
        {"Th", KeyFace::Metal,     false, false, "90, Torio, Thorium", {8, 3}},
        {"Np", KeyFace::Metal,     true,  false, "93, Neptunio, Neptunium", {8, 6}},
        {"Lr", KeyFace::Metal,     true,  false, "103, Laurencio, Lawrencium", {8, 16}},
        {"Rf", KeyFace::Metal,     true,  false, "104, Rutherfordio, Rutherfordium", {6, 3}},
        {"Mt", KeyFace::Metal,     true,  false, "109, Meitnerio, Meitnerium", {6, 8}},
        {"Br", KeyFace::NonMetal,  false, true,  "35, Bromo, Bromine", {3, 16}},
        {"Rn", KeyFace::NobleGas,  false, false, "86, Radón, Radon", {5, 17}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.symbol);
        const int z = elementBySymbol(row.symbol).value();
        EXPECT_EQ(keyFace(z), row.face);
        EXPECT_EQ(isArtificial(z), row.italic);
        EXPECT_EQ(isUnderlinedLiquid(z), row.underlined);
        EXPECT_EQ(keyToolTip(z), row.tip);
        EXPECT_EQ(gridPlace(z), row.place);
        EXPECT_EQ(elementAt(row.place), z);
    }
    // 109 keys on 109 different places.
    std::set<std::pair<int, int>> places;
    for (int z = 1; z <= kElementCount; ++z) places.insert({gridPlace(z).row, gridPlace(z).column});
    EXPECT_EQ(places.size(), 109u);
    EXPECT_EQ(elementAt({0, 1}), 0);
    EXPECT_EQ(elementAt({7, 2}), 0);
}

TEST(ElementSearch, TypedTextFindsAnElement) {
    const struct {
        const char* typed;
        const char* symbol;  // nullptr: none
    } rows[] = {
        {"Fe", "Fe"},      {"fe", "Fe"},   {"FE", "Fe"},    {"hier", "Fe"},      {"iron", "Fe"},
        {"Hierro", "Fe"},  {"h", "H"},     {"hi", "H"},     {"hie", "Fe"},       {"oxig", "O"},
        {"fosforo", "P"},  {"FÓSFORO", "P"}, {"fósf", "P"}, {"Ni", "Ni"},        {"nio", "Nb"},
        {"neo", "Ne"},     {"neod", "Nd"}, {"c", "C"},      {"ca", "Ca"},        {"cal", "Ca"},
        {"calif", "Cf"},   {"w", "W"},     {"volf", "W"},   {"tungsten", "W"},   {"lead", "Pb"},
        {"plom", "Pb"},    {"sodium", "Na"}, {"zinc", "Zn"}, {"cinc", "Zn"},     {"z", "Zn"},
        {"mt", "Mt"},      {"meit", "Mt"}, {"xyz", nullptr}, {"", nullptr},      {"hierros", nullptr},
    };
    for (const auto& row : rows) {
        const int expected = row.symbol ? elementBySymbol(row.symbol).value() : 0;
        EXPECT_EQ(findElement(row.typed), expected) << row.typed;
    }
}

TEST(ElementSearch, TypeAheadBuildsAWordUntilAPause) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, long long>> keys;  // character, time in ms
        const char* symbol;
        const char* typed;
    } rows[] = {
        {"one letter", {{"f", 0}}, "F", "f"},
        {"a symbol", {{"f", 0}, {"e", 300}}, "Fe", "fe"},
        {"a name", {{"h", 0}, {"i", 100}, {"e", 200}, {"r", 300}}, "Fe", "hier"},
        {"an English name", {{"i", 0}, {"r", 100}, {"o", 200}, {"n", 300}}, "Fe", "iron"},
        {"after a pause a new search", {{"f", 0}, {"e", 1500}}, "Sc", "e"},
        {"a letter that finds nothing starts over", {{"f", 0}, {"e", 100}, {"x", 200}}, "Xe", "x"},
        {"an accented letter", {{"f", 0}, {"ó", 100}}, "P", "fó"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ElementTypeAhead typeAhead;
        int z = 0;
        long long base = 10000;
        for (const auto& [character, time] : row.keys) z = typeAhead.type(character, base + time);
        EXPECT_EQ(z, elementBySymbol(row.symbol).value());
        EXPECT_EQ(typeAhead.typed(), row.typed);
    }
    ElementTypeAhead typeAhead;
    EXPECT_EQ(typeAhead.type("?", 0), 0);
}

TEST(ElementSearch, ArrowKeysWalkTheGrid) {
    const struct {
        const char* from;
        Direction direction;
        const char* to;
    } rows[] = {
        // clang-format off
        {"H", Direction::Right, "He"}, {"He", Direction::Left, "H"},  {"H", Direction::Down, "Li"},
        {"Li", Direction::Up, "H"},    {"Be", Direction::Up, "H"},    {"B", Direction::Up, "He"},
        {"Be", Direction::Right, "B"}, {"B", Direction::Left, "Be"},  {"Mg", Direction::Down, "Ca"},
        {"Sc", Direction::Up, "Mg"},   {"Al", Direction::Down, "Ga"}, {"La", Direction::Down, "Ac"},
        {"Ac", Direction::Down, "Ce"}, {"Fr", Direction::Down, "Ce"}, {"Ce", Direction::Down, "Th"},
        {"Th", Direction::Up, "Ce"},   {"Ce", Direction::Up, "Rf"},   {"Lu", Direction::Up, "Mt"},
        {"Ce", Direction::Left, "Ce"}, {"Lu", Direction::Right, "Lu"}, {"Mt", Direction::Right, "Mt"},
        {"H", Direction::Up, "H"},     {"Lr", Direction::Down, "Lr"}, {"Fr", Direction::Left, "Fr"},
        {"Rn", Direction::Up, "Xe"},   {"He", Direction::Down, "Ne"},
        // clang-format on
    };
    for (const auto& row : rows) {
        const int from = elementBySymbol(row.from).value();
        EXPECT_EQ(element(neighbour(from, row.direction)).symbol, row.to)
            << row.from << " " << static_cast<int>(row.direction);
    }
}

}  // namespace
