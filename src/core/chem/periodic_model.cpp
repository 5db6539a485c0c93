#include "core/chem/periodic_model.h"

#include <algorithm>
#include <charconv>

#include "core/text/number_text.h"

namespace numeralia::chem {

namespace {

constexpr std::array<std::string_view, 10> kCrystalTexts = {
    "Cúbico CC", "Cúbico CE",    "Hexagonal",   "Cúbico",      "Tetragonal",
    "Rómbico",   "Ortorrómbico", "Monoclínico", "Romboédrico", "--"};
constexpr std::array<std::string_view, 6> kSwatchTexts = {
    "Acido", "Acido fuerte", "Básico", "Básico fuerte", "Anfótero", "--"};

// A slot as the sheet writes it: numbers in the general number text, texts as stored with
// the comma as decimal mark ("0,95(+1)").
std::string slotText(const Value& value) {
    switch (value.kind) {
        case Value::Kind::Empty: return {};
        case Value::Kind::Integer: return text::generalText(value.integer);
        case Value::Kind::Real: return text::generalText(value.real);
        case Value::Kind::Text: break;
    }
    std::string shown(value.text);
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

// An energy-type slot: "--" stays, a number is multiplied by the energy factor.
std::string energyText(const Value& value, double factor) {
    if (const auto number = value.number()) return text::generalText(*number * factor);
    return slotText(value);
}

}  // namespace

std::string_view crystalPictureName(CrystalPicture picture) {
    if (picture == CrystalPicture::None) return {};
    return kCrystalTexts[static_cast<std::size_t>(picture) - 1];
}

std::string_view swatchName(Swatch swatch) {
    if (swatch == Swatch::None) return {};
    return kSwatchTexts[static_cast<std::size_t>(swatch) - 1];
}

EnergyLabels calorieLabels() {
    return {"(Kcal/mol)", "(Kcal/mol)", "(Kcal/mol)", "(cal/(cm²·cm·C·seg))", "(cal/(g·C))"};
}

EnergyLabels jouleLabels() {
    return {"(KJ/mol)", "(KJ/mol)", "(KJ/mol)", "(J/(cm²·cm·C·seg))", "(J/(g·C))"};
}

PeriodicTableModel::PeriodicTableModel(const SharedState& state)
    : state_(state), labels_(calorieLabels()) {}

const Value& PeriodicTableModel::slot(Property property, int z) const {
    return columns_.at(static_cast<std::size_t>(property)).at(static_cast<std::size_t>(z));
}

int PeriodicTableModel::slotIndex() const {
    const std::string& z = sheet_.z;
    int index = -1;
    const auto [end, error] = std::from_chars(z.data(), z.data() + z.size(), index);
    if (z.empty() || error != std::errc() || end != z.data() + z.size()) return -1;
    return index;
}

int PeriodicTableModel::shownElement() const {
    const int z = slotIndex();
    return isElement(z) && !sheet_.nombres.empty() ? z : 0;
}

void PeriodicTableModel::clickElement(int z) {
    if (!isElement(z)) return;
    const ElementRecord& rec = record(z);
    symbolColour_ = rec.symbolColour;
    sheet_.z = std::to_string(z);
    for (int p = 0; p < kPropertyCount; ++p) {
        columns_[static_cast<std::size_t>(p)][static_cast<std::size_t>(z)] =
            rec.values[static_cast<std::size_t>(p)];
    }
    showElement(false);
}

void PeriodicTableModel::showElement(bool unitRefresh) {
    // Only the keys write z, and only with an element's number: an empty or other z (a
    // picture clicked before any key) shows nothing and changes nothing.
    const int z = slotIndex();
    if (!isElement(z)) return;
    auto at = [&](Property p) -> const Value& { return slot(p, z); };
    const MasterRow& row = element(z);
    sheet_.nombres = std::string(row.name);
    sheet_.simbolos = std::string(row.symbol);
    sheet_.ebulliciones = slotText(at(Property::BoilingPoint));
    sheet_.fusiones = slotText(at(Property::MeltingPoint));
    sheet_.densidades = slotText(at(Property::Density));
    sheet_.pesos = weightText(row.weight);
    sheet_.valencias = slotText(at(Property::Valence));
    sheet_.electronegs = slotText(at(Property::Electronegativity));
    sheet_.electrones = slotText(at(Property::ElectronStructure));
    sheet_.radiocs = slotText(at(Property::CovalentRadius));
    sheet_.radioas = slotText(at(Property::AtomicRadius));
    sheet_.volumenes = slotText(at(Property::AtomicVolume));
    sheet_.radiois = slotText(at(Property::IonicRadius));
    sheet_.energias = energyText(at(Property::IonizationEnergy), energyFactor_);
    sheet_.calorvs = energyText(at(Property::HeatOfVaporization), energyFactor_);
    sheet_.calorfs = energyText(at(Property::HeatOfFusion), energyFactor_);
    sheet_.condutes = energyText(at(Property::ThermalConductivity), energyFactor_);
    sheet_.calores = energyText(at(Property::SpecificHeat), energyFactor_);
    sheet_.conduces = slotText(at(Property::ElectricalConductance));
    const std::string acidBase = slotText(at(Property::AcidBase));
    const std::string crystal = slotText(at(Property::CrystalSystem));
    // The pictures follow a change of their field.
    if (acidBase != sheet_.caracteres) {
        sheet_.caracteres = acidBase;
        selectSwatch(z);
    }
    if (crystal != sheet_.sistemas) {
        sheet_.sistemas = crystal;
        selectCrystalPicture(z);
    }
    // A key adds its element to the formula; the refresh of a unit switch never does.
    if (calculator_.active() && !unitRefresh) calculator_.add(row.symbol, row.weight);
}

void PeriodicTableModel::switchUnits(double factor, EnergyLabels labels) {
    if (sheet_.nombres.empty()) return;
    energyFactor_ = factor;
    labels_ = std::move(labels);
    showElement(true);
}

void PeriodicTableModel::chooseCalories() { switchUnits(1.0, calorieLabels()); }

void PeriodicTableModel::chooseJoules() { switchUnits(kJoulesPerCalorie, jouleLabels()); }

void PeriodicTableModel::selectCrystalPicture(int z) {
    const Value& value = slot(Property::CrystalSystem, z);
    if (value.kind != Value::Kind::Text) return;
    for (std::size_t i = 0; i < kCrystalTexts.size(); ++i) {
        if (value.text == kCrystalTexts[i]) {
            crystal_ = i + 1 < kCrystalTexts.size() ? static_cast<CrystalPicture>(i + 1)
                                                    : CrystalPicture::None;
            return;
        }
    }
}

void PeriodicTableModel::selectSwatch(int z) {
    const Value& value = slot(Property::AcidBase, z);
    if (value.kind != Value::Kind::Text) return;
    for (std::size_t i = 0; i < kSwatchTexts.size(); ++i) {
        if (value.text == kSwatchTexts[i]) {
            swatch_ = i + 1 < kSwatchTexts.size() ? static_cast<Swatch>(i + 1) : Swatch::None;
            return;
        }
    }
}

void PeriodicTableModel::clickCrystalPicture() {
    const int z = slotIndex();
    if (z >= 0 && z < kSlotCount) selectCrystalPicture(z);
}

void PeriodicTableModel::clickSwatch() {
    const int z = slotIndex();
    if (z >= 0 && z < kSlotCount) selectSwatch(z);
}

void PeriodicTableModel::startCalculator() { calculator_.start(); }

void PeriodicTableModel::exitCalculator() { calculator_.exit(); }

void PeriodicTableModel::pressCalculatorDigit(int d) {
    if (calculator_.active()) calculator_.digit(d);
}

void PeriodicTableModel::pressCalculatorClear() {
    if (calculator_.active()) calculator_.clear();
}

void PeriodicTableModel::pressCalculatorEquals() {
    const int z = shownElement();
    if (!calculator_.active() || z == 0) return;
    // The element on the sheet is added once more with the count the subscript leaves.
    if (calculator_.applySubscript(element(z).symbol, element(z).weight)) showElement(false);
}

}  // namespace numeralia::chem
