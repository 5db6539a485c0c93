#include "core/calc/vat_currency.h"

#include <algorithm>
#include <cmath>

#include "core/text/number_text.h"

namespace numeralia {

namespace {

VatCurrencyOutcome fromResult(double r) {
    if (!std::isfinite(r)) return {};
    return {r, {}};
}

VatCurrencyOutcome refusal(std::string message) { return {std::nullopt, std::move(message)}; }

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

namespace vat {

std::optional<double> rateValue(const Variant& rate) {
    if (rate.isUnset()) return 0.0;
    if (rate.isNumber()) return rate.number;
    return currency::readFactor(rate.text);
}

void applyDefaultRate(Variant& rate) {
    const std::optional<double> value = rateValue(rate);
    if (value && *value == 0.0) rate = Variant::fromNumber(kDefaultRate);
}

std::string rateDisplayText(const Variant& rate) {
    return currency::factorText(rate) + " %";
}

VatCurrencyOutcome amount(double x, const Variant& rate) {
    const std::optional<double> r = rateValue(rate);
    if (!r) return {};
    return fromResult(x * *r / 100.0);
}

VatCurrencyOutcome addTo(double x, const Variant& rate) {
    const std::optional<double> r = rateValue(rate);
    if (!r) return {};
    return fromResult(x * (1.0 + *r / 100.0));
}

VatCurrencyOutcome removeFrom(double x, const Variant& rate) {
    const std::optional<double> r = rateValue(rate);
    if (!r) return {};
    const double divisor = *r / 100.0 + 1.0;
    if (divisor == 0.0) return {};
    return fromResult(x / divisor);
}

VatCurrencyOutcome newRate(double rate) {
    if (rate > kMaxRate) return refusal("Error: IVA superior al 100 %");
    if (rate < 0.0) return refusal("Error: IVA negativo");
    return {rate, {}};
}

}  // namespace vat

namespace currency {

namespace {

std::string nameOr(const std::string& name, const char* fallback) {
    return isBlank(name) ? std::string(fallback) : name;
}

VatCurrencyOutcome convert(double x, const Variant& factor, bool toCurrency2) {
    const std::optional<double> f =
        factor.isNumber() ? std::optional<double>(factor.number) : readFactor(factor.text);
    if (!f) return {};
    if (toCurrency2) return fromResult(x * *f);
    if (*f == 0.0) return {};
    return fromResult(x / *f);
}

}  // namespace

std::optional<double> readFactor(const std::string& typed) {
    std::string text = typed;
    std::replace(text.begin(), text.end(), '.', ',');
    return text::parseNumber(text);
}

std::string factorText(const Variant& factor) {
    if (factor.isNumber()) return text::generalText(factor.number);
    return factor.text;  // empty when unset
}

VatCurrencyOutcome toCurrency2(double x, const Variant& factor) {
    return convert(x, factor, true);
}

VatCurrencyOutcome toCurrency1(double x, const Variant& factor) {
    return convert(x, factor, false);
}

KeyTexts keyTexts(const SharedState& state) {
    const std::string name1 = nameOr(state.currencyName1, "moneda 1");
    const std::string name2 = nameOr(state.currencyName2, "moneda 2");
    KeyTexts texts;
    texts.caption1to2 = name2;
    texts.caption2to1 = name1;
    texts.tip1to2 = "Conversor a " + name2 + ".  {Q}";
    texts.tip2to1 = "Conversor a " + name1 + ".  {W}";
    texts.label1to2 = "a " + name2;
    texts.label2to1 = "a " + name1;
    texts.status = state.exchangeFactor.isUnset()
                       ? "Cambio de moneda sin definir (Archivo, Preferencias)"
                       : "1 " + name1 + " = " + factorText(state.exchangeFactor) + " " + name2;
    return texts;
}

}  // namespace currency

}  // namespace numeralia
