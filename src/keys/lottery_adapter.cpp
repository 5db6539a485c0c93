#include "keys/lottery_adapter.h"

#include <array>
#include <utility>

namespace numeralia::keys {

namespace {

using Action = void (lotto::LottoModel::*)();

constexpr std::array<std::pair<std::string_view, Action>, 10> kEntries{{
    {"Seleccionar", &lotto::LottoModel::store},
    {"Cerrar Ventana", &lotto::LottoModel::store},
    {"menu:Abrir Fichero  de Apuestas", &lotto::LottoModel::openBetsFile},
    {"menu:Guardar Fichero de Apuestas", &lotto::LottoModel::saveBetsFile},
    {"menu:Mostrar Apuestas Seleccionadas", &lotto::LottoModel::showStoredBets},
    {"menu:Borrar Apuestas", &lotto::LottoModel::clearStoredBets},
    {"menu:Apuestas al Azar", &lotto::LottoModel::randomMode},
    {"menu:Apuestas Manuales", &lotto::LottoModel::manualMode},
    {"menu:Modo Automático", &lotto::LottoModel::automaticMode},
    {"menu:Sorteo Simulado", &lotto::LottoModel::simulatedDraw},
}};

std::string numberList(const int* first, const int* last) {
    std::string json = "[";
    for (const int* x = first; x != last; ++x) {
        if (x != first) json += ",";
        json += std::to_string(*x);
    }
    return json + "]";
}

// A whole number written with digits only, within [low, high]; -1 otherwise.
int wholeNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 2) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high ? value : -1;
}

}  // namespace

bool LotteryAdapter::setSeed(std::uint64_t seed) {
    seeded_ = std::make_unique<SeededRandomSource>(seed);
    model_.setRandomSource(*seeded_);
    return true;
}

std::string LotteryAdapter::perform(std::string_view line) {
    if (const int n = wholeNumber(line, lotto::kSmallestBet, lotto::kLargestBet); n > 0) {
        model_.sizeKey(n);
        return {};
    }
    if (line == "c") {
        model_.sizeKey(7);
        return {};
    }
    if (line.starts_with("cell:")) {
        const int number = wholeNumber(line.substr(5), 1, lotto::kNumbers);
        if (number < 0) return "no cell \"" + std::string(line.substr(5)) + "\" (1 to 49)";
        model_.clickCell(number - 1);
        return {};
    }
    if (line.starts_with("input:")) {
        dialogs_.texts.emplace_back(std::string(line.substr(6)));
        return {};
    }
    if (line == "input-cancel") {
        dialogs_.texts.emplace_back(std::nullopt);
        return {};
    }
    if (line == "answer:yes" || line == "answer:no") {
        dialogs_.answer = line == "answer:yes";
        return {};
    }
    if (line.starts_with("file:")) {
        files_.paths.emplace_back(line.substr(5));
        return {};
    }
    for (const auto& [name, action] : kEntries) {
        if (name == line) {
            (model_.*action)();
            return {};
        }
    }
    return "the lottery window has no key \"" + std::string(line) + "\"";
}

void LotteryAdapter::writeState(JsonObject& json) const {
    std::vector<int> marked;
    for (int cell = 0; cell < lotto::kNumbers; ++cell) {
        if (model_.isMarked(cell)) marked.push_back(cell + 1);
    }
    json.raw("marked", numberList(marked.data(), marked.data() + marked.size()));
    json.integer("betSize", model_.betSize());
    json.text("mode", model_.isManual() ? "manual" : "random");
    std::vector<std::string> captions;
    for (int n = lotto::kSmallestBet; n <= lotto::kLargestBet; ++n)
        captions.push_back(model_.sizeKeyEnabled(n) ? model_.sizeKeyCaption(n) : "");
    json.textArray("sizeKeys", captions);
    json.text("currentBet", model_.currentBet());
    const auto& fields = model_.probabilities();
    json.textArray("probabilities", {fields.begin(), fields.end()});
    json.text("information", model_.information());
    json.text("counter", model_.counter());
    json.text("storeCaption", model_.storeCaption());
    json.boolean("listVisible", model_.listVisible());
    json.textArray("storedBets", model_.storedBets());
    if (const auto& draw = model_.lastDraw()) {
        const auto& counts = model_.lastOutcome().simpleBets;
        std::string prizes = "[";
        for (std::size_t i = 0; i < counts.size(); ++i)
            prizes += (i ? "," : "") + std::to_string(counts[i]);
        json.raw("draw", "{\"winning\":" +
                             numberList(draw->winning.data(), draw->winning.data() + draw->winning.size()) +
                             ",\"complementary\":" + std::to_string(draw->complementary) +
                             ",\"simpleBets\":" + prizes + "]}");
    } else {
        json.null("draw");
    }
    json.textArray("questions", dialogs_.questions);
    json.textArray("messages", dialogs_.messages);
}

}  // namespace numeralia::keys
