#pragma once
// The unit converter window: the unit table of the magnitude on show, the selection of two
// units and the factor between them, which can be copied into a transit memory.

#include <array>
#include <string>

#include "core/convert/unit_table.h"
#include "core/shell/shared_state.h"

namespace numeralia::convert {

// The pattern "EXP" formats a factor with: as many decimals as the factor has significant
// digits (at least two, at most ten, never nine).
std::string exponentPattern(double factor);

class ConverterModel {
public:
    // Opens with the length table and nothing selected.
    explicit ConverterModel(SharedState& state);

    // Actions.
    void loadMagnitude(const Magnitude& magnitude);
    void clickUnit(int button);      // 0 .. 34
    void showExponential();          // "EXP"
    void copyToTransit(int memory);  // "R1" .. "R3": 1 .. 3

    // What the window shows.
    const Magnitude& magnitude() const { return *magnitude_; }
    const std::string& magnitudeName() const { return magnitudeName_; }
    const std::string& dimension() const { return dimension_; }
    const std::string& firstUnitName() const { return firstUnitName_; }
    const std::string& secondUnitName() const { return secondUnitName_; }
    const std::string& factorText() const { return factorText_; }
    const std::string& unitName(int button) const { return slots_.at(button).name; }
    double unitFactor(int button) const { return slots_.at(button).factor; }
    bool isSelected(int button) const { return selected_.at(button); }
    bool isActive(int button) const { return !unitName(button).empty(); }

    int selectedCount() const { return selectedCount_; }
    int selectedUnit(int position) const { return selectedUnits_.at(position); }
    double conversionFactor() const { return conversionFactor_; }

    // The sound picture is shown, each time the window becomes active, while the sounds are on.
    bool soundPictureVisible() const { return state_.soundOn == 1; }

private:
    struct Slot {
        std::string name;
        double factor = 0;
    };

    void clearSelection();
    void deselect(int button);

    SharedState& state_;
    const Magnitude* magnitude_ = nullptr;
    std::array<Slot, kUnitSlotCount> slots_{};
    std::array<bool, kUnitButtonCount> selected_{};
    int selectedCount_ = 0;
    std::array<int, 4> selectedUnits_{};
    double conversionFactor_ = 0;
    std::string magnitudeName_, dimension_;
    std::string firstUnitName_, secondUnitName_, factorText_;
};

}  // namespace numeralia::convert
