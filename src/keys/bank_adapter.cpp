#include "keys/bank_adapter.h"

#include <array>
#include <utility>

namespace numeralia::keys {

namespace {

using Action = void (bank::BankModel::*)();

constexpr std::array<std::pair<std::string_view, Action>, 20> kKeys{{
    {".", &bank::BankModel::pressPoint},
    {"C", &bank::BankModel::pressClear},
    {"Capital  Base", &bank::BankModel::assignCapital},
    {"Capital", &bank::BankModel::assignCapital},
    {"F1", &bank::BankModel::assignCapital},
    {"Interés (%)", &bank::BankModel::assignRate},
    {"F2", &bank::BankModel::assignRate},
    {"Tiempo", &bank::BankModel::assignTerm},
    {"F3", &bank::BankModel::assignTerm},
    {"Aport. Mensual", &bank::BankModel::assignContribution},
    {"F4", &bank::BankModel::assignContribution},
    {"Incr. Anual (%)", &bank::BankModel::assignIncrease},
    {"F5", &bank::BankModel::assignIncrease},
    {"Calcular", &bank::BankModel::calculate},
    {"F12", &bank::BankModel::calculate},
    {"Años", &bank::BankModel::chooseYears},
    {"Meses", &bank::BankModel::chooseMonths},
    {"menu:Préstamos Bancarios", &bank::BankModel::loanMode},
    {"menu:Depósitos a Plazo Fijo", &bank::BankModel::depositMode},
    {"menu:Planes de Ahorro", &bank::BankModel::savingsMode},
}};

std::string quotedList(const std::vector<std::string>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) json += ",";
        json += JsonObject::quoted(values[i]);
    }
    return json + "]";
}

}  // namespace

std::string BankAdapter::perform(std::string_view line) {
    if (line.size() == 1 && line[0] >= '0' && line[0] <= '9') {
        model_.pressDigit(line[0] - '0');
        return {};
    }
    if (line.starts_with("type:")) {
        for (char c : line.substr(5)) model_.typeCharacter(c);
        return {};
    }
    if (line == "answer:yes" || line == "answer:no") {
        dialogs_.answer = line == "answer:yes";
        return {};
    }
    for (const auto& [name, action] : kKeys) {
        if (name == line) {
            (model_.*action)();
            return {};
        }
    }
    return "the bank window has no key \"" + std::string(line) + "\"";
}

void BankAdapter::writeState(JsonObject& json) const {
    json.text("caption", model_.caption());
    json.text("numero", model_.entry());
    json.text("capital", model_.capital());
    json.text("interes", model_.rate());
    json.text("tiempo", model_.term());
    json.text("unidad", model_.termInMonths() ? "Meses" : "Años");
    json.text("aportemes", model_.contribution());
    json.text("incremes", model_.increase());
    json.boolean("savingsFieldsEnabled", model_.savingsFieldsEnabled());
    const auto& captions = model_.resultCaptions();
    json.textArray("resultCaptions", {captions.begin(), captions.end()});
    json.text("mensual", model_.results()[0]);
    json.text("total", model_.results()[1]);
    json.text("intereses", model_.results()[2]);
    const auto& titles = model_.columnTitles();
    json.textArray("columns", {titles.begin(), titles.end()});
    std::string rows = "[";
    for (std::size_t r = 0; r < model_.rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < 5; ++c) cells.push_back(model_.cellText(r, c));
        if (r > 0) rows += ",";
        rows += quotedList(cells);
    }
    json.raw("rows", rows + "]");
    json.textArray("questions", dialogs_.questions);
    json.textArray("messages", dialogs_.messages);
}

}  // namespace numeralia::keys
