#pragma once
// The Periodic table window: the element keys fill the property columns and show the
// element sheet; the sheet's energies can be shown in calories or joules; a crystal picture
// and an acid-base swatch follow the sheet; the molecular-weight calculator adds up the
// elements the keys show.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/chem/element_records.h"
#include "core/chem/molecular_weight.h"
#include "core/shell/shared_state.h"

namespace numeralia::chem {

inline constexpr int kSlotCount = 121;  // slots 0 to 120 of each property column
inline constexpr double kJoulesPerCalorie = 4.1855;

// The texts of the sheet's fields, named as the window names them.
struct ElementSheet {
    std::string z, nombres, simbolos, pesos;
    std::string ebulliciones, fusiones, densidades, valencias, electronegs, electrones;
    std::string radiocs, radioas, volumenes, energias, calorvs, radiois, calorfs;
    std::string conduces, condutes, calores, caracteres, sistemas;
};

// The unit labels of the five energy-type fields.
struct EnergyLabels {
    std::string energias, calorvs, calorfs, condutes, calores;
};

// The crystal pictures, in the order of the texts they answer to; None is the empty picture.
enum class CrystalPicture {
    None,
    CubicFaceCentred,  // "Cúbico CC"
    CubicBodyCentred,  // "Cúbico CE"
    Hexagonal,
    Cubic,
    Tetragonal,
    Rhombic,
    Orthorhombic,
    Monoclinic,
    Rhombohedral,
};
// The acid-base swatches of the oxide; None shows no swatch.
enum class Swatch { None, Acid, StrongAcid, Base, StrongBase, Amphoteric };

// The crystal-system text a picture stands for ("Cúbico CC"), empty for None.
std::string_view crystalPictureName(CrystalPicture picture);
// The acid-base text a swatch stands for ("Básico fuerte"), empty for None.
std::string_view swatchName(Swatch swatch);

class PeriodicTableModel {
public:
    // Opens with an empty sheet, the energy factor 1 and the calorie labels.
    explicit PeriodicTableModel(const SharedState& state);

    // Actions.
    void clickElement(int z);  // element key z (1 .. 109); any other number does nothing
    void chooseCalories();     // "Calorías"
    void chooseJoules();       // "Julios"
    void clickCrystalPicture();
    void clickSwatch();

    // The molecular-weight calculator ("Cálculo &PM"): while it is active every element key
    // adds its element to the formula.
    void startCalculator();              // "Cálculo"
    void exitCalculator();               // "Salir"
    void pressCalculatorDigit(int d);    // "0" .. "9"
    void pressCalculatorEquals();        // "="
    void pressCalculatorClear();         // "C"
    const MolecularWeightCalculator& calculator() const { return calculator_; }

    // What the window shows.
    const ElementSheet& sheet() const { return sheet_; }
    const EnergyLabels& energyLabels() const { return labels_; }
    std::uint32_t symbolColour() const { return symbolColour_; }  // 0x00BBGGRR
    double energyFactor() const { return energyFactor_; }
    CrystalPicture crystalPicture() const { return crystal_; }
    Swatch swatch() const { return swatch_; }
    // The element on the sheet, 0 while the sheet is empty.
    int shownElement() const;
    bool joules() const { return energyFactor_ != 1.0; }
    // The sound picture is shown, each time the window becomes active, while sounds are on.
    bool soundPictureVisible() const { return state_.soundOn == 1; }

    // A slot of a property column (slots 0 to 120).
    const Value& slot(Property property, int z) const;

private:
    // Fills the sheet from the slots of the field z; unitRefresh when a unit switch asks.
    void showElement(bool unitRefresh);
    int slotIndex() const;  // the integer value of the field z, or -1
    void switchUnits(double factor, EnergyLabels labels);
    void selectCrystalPicture(int z);
    void selectSwatch(int z);

    const SharedState& state_;
    std::array<std::array<Value, kSlotCount>, kPropertyCount> columns_{};
    ElementSheet sheet_;
    EnergyLabels labels_;
    std::uint32_t symbolColour_ = 0;
    double energyFactor_ = 1.0;
    CrystalPicture crystal_ = CrystalPicture::None;
    Swatch swatch_ = Swatch::None;
    MolecularWeightCalculator calculator_;
};

// The labels of each unit mode.
EnergyLabels calorieLabels();
EnergyLabels jouleLabels();

}  // namespace numeralia::chem
