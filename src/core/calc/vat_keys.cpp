// The VAT keys and the currency keys of both calculator models. Each runs in the function
// frame; the arithmetic and the texts of the currencies are in vat_currency.cpp.

#include "core/calc/calculator_model.h"
#include "core/calc/vat_currency.h"

namespace numeralia::calc {

namespace {

// Inside the error trap: a refusal reports the key's own message, a failure takes the
// calculation failure path.
double valueOf(const VatCurrencyOutcome& outcome) {
    if (outcome.refused()) throw ReportedError{outcome.message};
    if (!outcome.value) throw CalcFailure{};
    return *outcome.value;
}

}  // namespace

void CalculatorModel::vatAmount() {
    functionFrame("IVA", [this](double x) { return valueOf(vat::amount(x, shared_.vatRate)); });
}

void CalculatorModel::vatAdd() {
    functionFrame("+IVA", [this](double x) { return valueOf(vat::addTo(x, shared_.vatRate)); });
}

void CalculatorModel::vatRemove() {
    functionFrame("-IVA",
                  [this](double x) { return valueOf(vat::removeFrom(x, shared_.vatRate)); });
}

// The number on display becomes the VAT rate; it stays on display as the key's result.
void CalculatorModel::vatSetRate() {
    functionFrame("d.IVA", [this](double x) {
        const double rate = valueOf(vat::newRate(x));
        shared_.vatRate = Variant::fromNumber(rate);
        state_.ivas = vat::rateDisplayText(shared_.vatRate);
        return rate;
    });
}

void CalculatorModel::currencyTo2() {
    functionFrame(currency::keyTexts(shared_).label1to2, [this](double x) {
        return valueOf(currency::toCurrency2(x, shared_.exchangeFactor));
    });
}

void CalculatorModel::currencyTo1() {
    functionFrame(currency::keyTexts(shared_).label2to1, [this](double x) {
        return valueOf(currency::toCurrency1(x, shared_.exchangeFactor));
    });
}

}  // namespace numeralia::calc
