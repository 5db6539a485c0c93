#include "keys/window_adapter.h"

namespace numeralia::keys {

namespace {

void variant(JsonObject& json, std::string_view name, const Variant& value) {
    if (value.isNumber()) {
        json.number(name, value.number);
    } else if (value.isText()) {
        json.text(name, value.text);
    } else {
        json.null(name);
    }
}

}  // namespace

void writeSharedState(const SharedState& state, JsonObject& json) {
    variant(json, "vatRate", state.vatRate);
    json.number("memory1", state.memory1);
    json.number("memory2", state.memory2);
    json.number("memory3", state.memory3);
    json.number("memory4", state.memory4);
    json.number("transitValue1", state.transitValue1);
    json.number("transitValue2", state.transitValue2);
    json.number("transitValue3", state.transitValue3);
    json.text("transitLabel1", state.transitLabel1);
    json.text("transitLabel2", state.transitLabel2);
    json.text("transitLabel3", state.transitLabel3);
    json.text("currencyName1", state.currencyName1);
    json.text("currencyName2", state.currencyName2);
    variant(json, "exchangeFactor", state.exchangeFactor);
    json.text("calculatorModel", state.calculatorModel);
    json.integer("soundOn", state.soundOn);
}

}  // namespace numeralia::keys
