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

bool PeriodicAdapter::calculatorKey(std::string_view caption) {
    if (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') {
        model_.pressCalculatorDigit(caption[0] - '0');
    } else if (caption == "=") {
        model_.pressCalculatorEquals();
    } else if (caption == "Salir") {
        model_.exitCalculator();
    } else if (caption == "Cálculo") {
        model_.startCalculator();
    } else {
        return false;
    }
    return true;
}

std::string PeriodicAdapter::perform(std::string_view line) {
    std::string_view entry = line;
    if (entry.starts_with("menu:")) entry.remove_prefix(5);
    if (line.starts_with("formula:")) {
        typed_ = std::string(line.substr(8));
        analysis_ = chem::analyseFormula(typed_);
        return {};
    }
    if (line == "pm:C") {
        model_.pressCalculatorClear();
        return {};
    }
    if (calculatorKey(line.starts_with("pm:") ? line.substr(3) : entry)) return {};
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

    const chem::MolecularWeightCalculator& calc = model_.calculator();
    json.boolean("calculatorActive", calc.active());
    json.text("formula", calc.formula());
    json.text("masa", calc.massText());
    json.text("nn", calc.subscript());
    std::string entries = "[";
    for (const auto& e : calc.entries()) {
        if (entries.size() > 1) entries += ",";
        entries += "{\"symbol\":" + JsonObject::quoted(e.symbol) +
                   ",\"count\":" + std::to_string(e.count) + "}";
    }
    json.raw("entries", entries + "]");

    json.text("formulaEscrita", typed_);
    if (analysis_.error) {
        json.text("formulaError", analysis_.error->message);
        json.integer("formulaErrorPosition", static_cast<long long>(analysis_.error->position));
    } else {
        json.null("formulaError");
    }
    json.text("pmEscrito", typed_.empty() || analysis_.error ? "" : analysis_.sum.massText());
    std::string composition = "[";
    for (const chem::CompositionRow& row : analysis_.composition) {
        if (composition.size() > 1) composition += ",";
        composition += "{\"symbol\":" + JsonObject::quoted(row.symbol) +
                       ",\"count\":" + std::to_string(row.count) +
                       ",\"mass\":" + JsonObject::quoted(row.massText) +
                       ",\"percent\":" + JsonObject::quoted(row.percentText) + "}";
    }
    json.raw("composition", composition + "]");
}

}  // namespace numeralia::keys
