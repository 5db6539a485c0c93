#include "core/chem/elements.h"

#include <algorithm>
#include <cmath>

#include "core/text/number_text.h"

namespace numeralia::chem {

namespace {

// clang-format off
constexpr std::array<MasterRow, kElementCount> kMaster = {{
    {"H", "Hidrógeno", 1.00794, "Hydrogen"},       {"He", "Helio", 4.002602, "Helium"},
    {"Li", "Litio", 6.941, "Lithium"},             {"Be", "Berilio", 9.012182, "Beryllium"},
    {"B", "Boro", 10.811, "Boron"},                {"C", "Carbono", 12.0107, "Carbon"},
    {"N", "Nitrógeno", 14.00674, "Nitrogen"},      {"O", "Oxígeno", 15.9994, "Oxygen"},
    {"F", "Flúor", 18.9984032, "Fluorine"},        {"Ne", "Neón", 20.1797, "Neon"},
    {"Na", "Sodio", 22.98977, "Sodium"},           {"Mg", "Magnesio", 24.305, "Magnesium"},
    {"Al", "Aluminio", 26.981538, "Aluminium"},    {"Si", "Silicio", 28.0855, "Silicon"},
    {"P", "Fósforo", 30.973762, "Phosphorus"},     {"S", "Azufre", 32.066, "Sulfur"},
    {"Cl", "Cloro", 35.4527, "Chlorine"},          {"Ar", "Argón", 39.948, "Argon"},
    {"K", "Potasio", 39.0983, "Potassium"},        {"Ca", "Calcio", 40.078, "Calcium"},
    {"Sc", "Escandio", 44.95591, "Scandium"},      {"Ti", "Titanio", 47.867, "Titanium"},
    {"V", "Vanadio", 50.9415, "Vanadium"},         {"Cr", "Cromo", 51.9961, "Chromium"},
    {"Mn", "Manganeso", 54.938049, "Manganese"},   {"Fe", "Hierro", 55.845, "Iron"},
    {"Co", "Cobalto", 58.9332, "Cobalt"},          {"Ni", "Niquel", 58.6934, "Nickel"},
    {"Cu", "Cobre", 63.546, "Copper"},             {"Zn", "Cinc", 65.39, "Zinc"},
    {"Ga", "Galio", 69.723, "Gallium"},            {"Ge", "Germanio", 72.61, "Germanium"},
    {"As", "Arsénico", 74.9216, "Arsenic"},        {"Se", "Selenio", 78.96, "Selenium"},
    {"Br", "Bromo", 79.904, "Bromine"},            {"Kr", "Kriptón", 83.8, "Krypton"},
    {"Rb", "Rubidio", 85.4678, "Rubidium"},        {"Sr", "Estroncio", 87.62, "Strontium"},
    {"Y", "Ytrio", 88.90585, "Yttrium"},           {"Zr", "Circonio", 91.224, "Zirconium"},
    {"Nb", "Niobio", 92.90638, "Niobium"},         {"Mo", "Molibdeno", 95.94, "Molybdenum"},
    {"Tc", "Tecnecio", 98, "Technetium"},          {"Ru", "Rutenio", 101.07, "Ruthenium"},
    {"Rh", "Rodio", 102.9055, "Rhodium"},          {"Pd", "Paladio", 106.42, "Palladium"},
    {"Ag", "Plata", 107.8682, "Silver"},           {"Cd", "Cadmio", 112.411, "Cadmium"},
    {"In", "Indio", 114.818, "Indium"},            {"Sn", "Estaño", 118.71, "Tin"},
    {"Sb", "Antimonio", 121.76, "Antimony"},       {"Te", "Teluro", 127.6, "Tellurium"},
    {"I", "Yodo", 126.90447, "Iodine"},            {"Xe", "Xenón", 131.29, "Xenon"},
    {"Cs", "Cesio", 132.90545, "Caesium"},         {"Ba", "Bario", 137.327, "Barium"},
    {"La", "Lantano", 138.9055, "Lanthanum"},      {"Ce", "Cerio", 140.116, "Cerium"},
    {"Pr", "Praseodimio", 140.90765, "Praseodymium"}, {"Nd", "Neodimio", 144.24, "Neodymium"},
    {"Pm", "Prometio", -145, "Promethium"},        {"Sm", "Samario", 150.36, "Samarium"},
    {"Eu", "Europio", 151.964, "Europium"},        {"Gd", "Gadolinio", 157.25, "Gadolinium"},
    {"Tb", "Terbio", 158.92534, "Terbium"},        {"Dy", "Disprosio", 162.5, "Dysprosium"},
    {"Ho", "Holmio", 164.93032, "Holmium"},        {"Er", "Erbio", 167.26, "Erbium"},
    {"Tm", "Tulio", 168.93421, "Thulium"},         {"Yb", "Yterbio", 173.04, "Ytterbium"},
    {"Lu", "Lutecio", 174.967, "Lutetium"},        {"Hf", "Hafnio", 178.49, "Hafnium"},
    {"Ta", "Tántalo", 180.9479, "Tantalum"},       {"W", "Volframio", 183.84, "Tungsten"},
    {"Re", "Renio", 186.207, "Rhenium"},           {"Os", "Osmio", 190.23, "Osmium"},
    {"Ir", "Iridio", 192.217, "Iridium"},          {"Pt", "Platino", 195.078, "Platinum"},
    {"Au", "Oro", 196.96655, "Gold"},              {"Hg", "Mercurio", 200.59, "Mercury"},
    {"Tl", "Talio", 204.3833, "Thallium"},         {"Pb", "Plomo", 207.2, "Lead"},
    {"Bi", "Bismuto", 208.98038, "Bismuth"},       {"Po", "Polonio", -210, "Polonium"},
    {"At", "Astato", -210, "Astatine"},            {"Rn", "Radón", -222, "Radon"},
    {"Fr", "Francio", -223, "Francium"},           {"Ra", "Radio", -226, "Radium"},
    {"Ac", "Actinio", -227, "Actinium"},           {"Th", "Torio", 232.0381, "Thorium"},
    {"Pa", "Protoactinio", 231.03588, "Protactinium"}, {"U", "Uranio", 238.0289, "Uranium"},
    {"Np", "Neptunio", -237, "Neptunium"},         {"Pu", "Plutonio", -244, "Plutonium"},
    {"Am", "Americio", -243, "Americium"},         {"Cm", "Curio", -247, "Curium"},
    {"Bk", "Berkelio", -247, "Berkelium"},         {"Cf", "Californio", -251, "Californium"},
    {"Es", "Einstenio", -252, "Einsteinium"},      {"Fm", "Fermio", -257, "Fermium"},
    {"Md", "Mendelevio", -258, "Mendelevium"},     {"No", "Nobelio", -259, "Nobelium"},
    {"Lr", "Laurencio", -262, "Lawrencium"},       {"Rf", "Rutherfordio", -261, "Rutherfordium"},
    {"Db", "Dubnio", -262, "Dubnium"},             {"Sg", "Seaborgio", -266, "Seaborgium"},
    {"Bh", "Bohrio", -264, "Bohrium"},             {"Hs", "Hassio", -269, "Hassium"},
    {"Mt", "Meitnerio", -268, "Meitnerium"},
}};
// clang-format on

constexpr int kNonMetals[] = {1, 6, 7, 8, 9, 15, 16, 17, 35, 53};
constexpr int kNobleGases[] = {2, 10, 18, 36, 54, 86};
constexpr int kSemimetals[] = {5, 14, 33, 34, 51, 52, 85};
constexpr int kUnderlined[] = {55, 87, 31, 80, 35};

template <std::size_t N>
bool listed(const int (&list)[N], int z) {
    return std::find(std::begin(list), std::end(list), z) != std::end(list);
}

// The column of the last element of each period, so that a period fills its row from the
// right: hydrogen stands in column 0 and helium in column 17, the p block ends each row.
int periodOf(int z) {
    constexpr int kLast[] = {2, 10, 18, 36, 54, 86, 118};
    int period = 0;
    while (z > kLast[period]) ++period;
    return period;
}

}  // namespace

const std::array<MasterRow, kElementCount>& masterTable() { return kMaster; }

bool isElement(int z) { return z >= 1 && z <= kElementCount; }

const MasterRow& element(int z) { return kMaster.at(static_cast<std::size_t>(z - 1)); }

std::string weightText(double weight) {
    if (weight < 0) return "(" + text::generalText(-weight) + ")";
    return text::generalText(weight);
}

std::optional<int> elementBySymbol(std::string_view symbol) {
    for (int z = 1; z <= kElementCount; ++z) {
        if (element(z).symbol == symbol) return z;
    }
    return std::nullopt;
}

KeyFace keyFace(int z) {
    if (listed(kNonMetals, z)) return KeyFace::NonMetal;
    if (listed(kNobleGases, z)) return KeyFace::NobleGas;
    if (listed(kSemimetals, z)) return KeyFace::Semimetal;
    return KeyFace::Metal;
}

std::uint32_t keyFaceColour(KeyFace face) {
    switch (face) {
        case KeyFace::NonMetal: return kNonMetalFace;
        case KeyFace::NobleGas: return kNobleGasFace;
        case KeyFace::Semimetal: return kSemimetalFace;
        case KeyFace::Metal: break;
    }
    return kMetalFace;
}

std::string_view keyFaceCaption(KeyFace face) {
    switch (face) {
        case KeyFace::NonMetal: return "No metales";
        case KeyFace::NobleGas: return "Gases Nobles";
        case KeyFace::Semimetal: return "Semimetales";
        case KeyFace::Metal: break;
    }
    return "Metales";
}

bool isArtificial(int z) { return z == 43 || z == 61 || z >= 93; }

bool isUnderlinedLiquid(int z) { return listed(kUnderlined, z); }

std::string keyToolTip(int z) {
    const MasterRow& row = element(z);
    return std::to_string(z) + ", " + std::string(row.name) + ", " + std::string(row.english);
}

GridPlace gridPlace(int z) {
    if (z >= 58 && z <= 71) return {7, z - 58 + 3};
    if (z >= 90 && z <= 103) return {8, z - 90 + 3};
    const int period = periodOf(z);
    constexpr int kFirst[] = {1, 3, 11, 19, 37, 55, 87};
    const int first = kFirst[period];
    const int offset = z - first;
    if (period == 0) return {0, z == 1 ? 0 : 17};
    if (offset < 2) return {period, offset};  // s block
    if (period <= 2) return {period, offset + 10};  // p block after the gap of periods 2 and 3
    // Periods 4 to 7: d block, then p block; in periods 6 and 7 the f block has moved down.
    int column = offset;
    if (period >= 5) {
        if (z > first + 2) column -= 14;  // after lanthanum or actinium
    }
    return {period, column};
}

int elementAt(GridPlace place) {
    for (int z = 1; z <= kElementCount; ++z) {
        if (gridPlace(z) == place) return z;
    }
    return 0;
}

}  // namespace numeralia::chem
