#include "keys/preferences_adapter.h"

namespace numeralia::keys {

std::string PreferencesAdapter::perform(std::string_view line) {
    if (closed_) return "the Preferences window is closed";
    const std::size_t colon = line.find(':');
    const std::string_view control = line.substr(0, colon);
    const std::string value =
        colon == std::string_view::npos ? std::string() : std::string(line.substr(colon + 1));
    const bool hasValue = colon != std::string_view::npos;

    if (hasValue && control == "Text1") {
        model_.editText1(value);
    } else if (hasValue && control == "Text2") {
        model_.editText2(value);
    } else if (hasValue && control == "valor") {
        model_.editValor(value);
    } else if (hasValue && control == "leave") {
        if (value == "Text1") model_.leaveText1();
        else if (value == "Text2") model_.leaveText2();
        else if (value == "valor") model_.leaveValor();
        else return "no box named \"" + value + "\"";
    } else if (hasValue && control == "Check1" && (value == "1" || value == "0")) {
        model_.setSound(value == "1");
    } else if (!hasValue && (line == "Originales" || line == "Command1")) {
        model_.restoreOriginals();
    } else if (!hasValue && (line == "Guardar" || line == "Command2")) {
        model_.save();
    } else if (!hasValue && (line == "Cancelar" || line == "Command3")) {
        model_.cancel();
        closed_ = true;
    } else {
        return "the Preferences window has no control for \"" + std::string(line) + "\"";
    }
    return {};
}

void PreferencesAdapter::writeState(JsonObject& json) const {
    json.text("Text1", model_.text1());
    json.text("Text2", model_.text2());
    json.text("Label1", model_.label1());
    json.text("valor", model_.valor());
    json.text("Label2", model_.label2());
    json.boolean("Check1", model_.soundChecked());
    json.boolean("closed", closed_);
}

}  // namespace numeralia::keys
