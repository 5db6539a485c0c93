#pragma once
// The element master table (names, symbols and atomic weights of elements 1 to 109) and the
// facts the key grid of the Periodic table shows about each element: its place in the
// 18-column table, its key face, and the italic and underline marks of the legend.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numeralia::chem {

inline constexpr int kElementCount = 109;

struct MasterRow {
    std::string_view symbol;
    std::string_view name;     // Spanish, as the sheet shows it
    double weight;             // relative to C-12; -N: mass number N of the most stable isotope
    std::string_view english;  // for the key's tool tip and the search by name
};

// Row z - 1 holds element z.
const std::array<MasterRow, kElementCount>& masterTable();
// The row of element z (1 .. 109).
const MasterRow& element(int z);
bool isElement(int z);

// The weight as the sheet writes it: "(223)" for -223, the number otherwise ("1,00794").
std::string weightText(double weight);

// The element with this symbol (exact case), or nothing.
std::optional<int> elementBySymbol(std::string_view symbol);

// Key faces of the legend, with their colours as 0x00BBGGRR values.
enum class KeyFace { NonMetal, NobleGas, Semimetal, Metal };
inline constexpr std::uint32_t kNonMetalFace = 0x80C0FF;
inline constexpr std::uint32_t kNobleGasFace = 0x8080FF;
inline constexpr std::uint32_t kSemimetalFace = 0xE0E0E0;
inline constexpr std::uint32_t kMetalFace = 0xC0C0C0;
KeyFace keyFace(int z);
std::uint32_t keyFaceColour(KeyFace face);
// "No metales", "Gases Nobles", "Semimetales", "Metales".
std::string_view keyFaceCaption(KeyFace face);

// Italic symbol: made artificially. Underlined symbol: liquid at room temperature.
bool isArtificial(int z);
bool isUnderlinedLiquid(int z);

// The key's tool tip: "1, Hidrógeno, Hydrogen".
std::string keyToolTip(int z);

// Place of a key in the grid: rows 0 to 6 are the periods, row 7 the lanthanides (cerium
// to lutetium) and row 8 the actinides (thorium to lawrencium), under columns 3 to 16;
// columns 0 to 17 are the groups 1 to 18.
struct GridPlace {
    int row;
    int column;
    bool operator==(const GridPlace&) const = default;
};
inline constexpr int kGridRows = 9;
inline constexpr int kGridColumns = 18;
GridPlace gridPlace(int z);
// The element at a place of the grid, or 0 for an empty place.
int elementAt(GridPlace place);

}  // namespace numeralia::chem
