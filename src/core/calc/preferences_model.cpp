#include "core/calc/preferences_model.h"

#include "core/calc/vat_currency.h"
#include "core/text/letter_case.h"

namespace numeralia {

PreferencesModel::PreferencesModel(SharedState& state) : state_(state) {
    showStoredValues();
    save();
}

std::string PreferencesModel::label1() const { return "1 " + state_.currencyName1 + " ="; }

std::string PreferencesModel::label2() const { return state_.currencyName2; }

void PreferencesModel::editText1(const std::string& typed) {
    text1_ = typed;
    state_.currencyName1 = text::lowerCase(typed);
}

void PreferencesModel::leaveText1() { text1_ = state_.currencyName1; }

void PreferencesModel::editText2(const std::string& typed) {
    text2_ = typed;
    state_.currencyName2 = text::lowerCase(typed);
}

void PreferencesModel::leaveText2() { text2_ = state_.currencyName2; }

void PreferencesModel::editValor(const std::string& typed) {
    valor_ = typed;
    valorEdited_ = true;
}

void PreferencesModel::leaveValor() {
    if (valorEdited_) {
        if (const std::optional<double> factor = currency::readFactor(valor_)) {
            state_.exchangeFactor = Variant::fromNumber(*factor);
        }
        valorEdited_ = false;
    }
    valor_ = currency::factorText(state_.exchangeFactor);
}

void PreferencesModel::setSound(bool on) { state_.soundOn = on ? 1 : 0; }

void PreferencesModel::restoreOriginals() {
    state_.exchangeFactor = Variant::fromNumber(kOriginalFactor);
    state_.currencyName1 = kOriginalName1;
    state_.currencyName2 = kOriginalName2;
    state_.soundOn = 1;
    showStoredValues();
}

void PreferencesModel::save() {
    if (valorEdited_) leaveValor();  // a factor typed just before counts
    restore_ = {state_.currencyName1, state_.currencyName2, state_.exchangeFactor, state_.soundOn};
}

void PreferencesModel::cancel() {
    state_.currencyName1 = restore_.name1;
    state_.currencyName2 = restore_.name2;
    state_.exchangeFactor = restore_.factor;
    state_.soundOn = restore_.soundOn;
    showStoredValues();
}

void PreferencesModel::showStoredValues() {
    text1_ = state_.currencyName1;
    text2_ = state_.currencyName2;
    valor_ = currency::factorText(state_.exchangeFactor);
    valorEdited_ = false;
}

}  // namespace numeralia
