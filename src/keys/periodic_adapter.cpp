#include "keys/periodic_adapter.h"

#include "core/chem/elements.h"

namespace numeralia::keys {

namespace {

// The colour classes of the symbol.
std::string_view colourName(std::uint32_t colour) {
    switch (colour) {
        case chem::kGasColour: return "rojo";
        case chem::kLiquidColour: return "azul";
        case chem::kSolidColour: return "negro";
        case chem::kArtificialColour: return "verde";
        default: return "";
    }
}

}  // namespace

std::string PeriodicAdapter::perform(std::string_view line) {
    std::string_view entry = line;
    if (entry.starts_with("menu:")) entry.remove_prefix(5);
    if (entry == "Calorías") {
        model_.chooseCalories();
    } else if (entry == "Julios") {
        model_.chooseJoules();
    } else if (line == "picture:cristal") {
        model_.clickCrystalPicture();
    } else if (line == "picture:caracter") {
        model_.clickSwatch();
    } else if (const auto z = chem::elementBySymbol(line)) {
        model_.clickElement(*z);
    } else {
        return "the periodic table has no key \"" + std::string(line) + "\"";
    }
    return {};
}

void PeriodicAdapter::writeState(JsonObject& json) const {
    const chem::ElementSheet& s = model_.sheet();
    const std::pair<const char*, const std::string*> fields[] = {
        {"z", &s.z},
        {"nombres", &s.nombres},
        {"simbolos", &s.simbolos},
        {"pesos", &s.pesos},
        {"ebulliciones", &s.ebulliciones},
        {"fusiones", &s.fusiones},
        {"densidades", &s.densidades},
        {"valencias", &s.valencias},
        {"electronegs", &s.electronegs},
        {"electrones", &s.electrones},
        {"radiocs", &s.radiocs},
        {"radioas", &s.radioas},
        {"volumenes", &s.volumenes},
        {"energias", &s.energias},
        {"calorvs", &s.calorvs},
        {"radiois", &s.radiois},
        {"calorfs", &s.calorfs},
        {"conduces", &s.conduces},
        {"condutes", &s.condutes},
        {"calores", &s.calores},
        {"caracteres", &s.caracteres},
        {"sistemas", &s.sistemas},
    };
    for (const auto& [name, text] : fields) json.text(name, *text);
    json.integer("symbolColour", model_.symbolColour());
    json.text("symbolColourName", colourName(model_.symbolColour()));
    json.text("crystalPicture", chem::crystalPictureName(model_.crystalPicture()));
    json.text("swatch", chem::swatchName(model_.swatch()));
    json.number("energyFactor", model_.energyFactor());
    const chem::EnergyLabels& labels = model_.energyLabels();
    json.text("unidadEnergias", labels.energias);
    json.text("unidadCalorvs", labels.calorvs);
    json.text("unidadCalorfs", labels.calorfs);
    json.text("unidadCondutes", labels.condutes);
    json.text("unidadCalores", labels.calores);
}

}  // namespace numeralia::keys
