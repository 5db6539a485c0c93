#pragma once
// The table of the Ionic character window: the percentage of ionic character of a single
// bond against the electronegativity difference of its two atoms.

#include <array>
#include <string_view>

namespace numeralia::chem {

inline constexpr int kIonicPoints = 32;

struct IonicPoint {
    double difference;  // of electronegativity, 0.1 to 3.2
    double percent;     // ionic character, %
};
const std::array<IonicPoint, kIonicPoints>& ionicCharacterTable();

// The four rows of figures as the window writes them: differences 0.1 to 1.6, their
// percentages, differences 1.7 to 3.2, their percentages.
const std::array<std::string_view, 4>& ionicCharacterRows();

inline constexpr std::string_view kIonicCaption =
    "Porcentaje de  carácter iónico de un enlace químico sencillo";
inline constexpr std::string_view kIonicDifferenceAxis = "Diferencia de Electronegatividad";
inline constexpr std::string_view kIonicPercentAxis = "Porcentaje de carácter Iónico   (%)";

}  // namespace numeralia::chem
