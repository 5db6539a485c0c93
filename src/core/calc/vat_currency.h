#pragma once
// VAT and currency arithmetic of the calculators, and the texts they show for the two
// currencies. Pure functions over the shared variables; the keys that use them are part of
// the calculator model.

#include <optional>
#include <string>

#include "core/shell/shared_state.h"

namespace numeralia {

// What a VAT or currency computation gives: a value; or a refusal with the key's own message,
// which begins with "Error: "; or, with neither, a calculation failure.
struct VatCurrencyOutcome {
    std::optional<double> value;
    std::string message;

    bool refused() const { return !value && !message.empty(); }
    bool failed() const { return !value && message.empty(); }
};

namespace vat {

inline constexpr double kDefaultRate = 16.0;
inline constexpr double kMaxRate = 100.0;

// The percentage held in vatRate: unset counts as 0, a text is read as a typed number (either
// "," or "." as decimal mark). nullopt when the text is not a number.
std::optional<double> rateValue(const Variant& rate);

// A calculator that opens and finds the rate unset or equal to 0 sets it to 16.
void applyDefaultRate(Variant& rate);

// The VAT display: the rate followed by " %" ("16 %", "7,5 %").
std::string rateDisplayText(const Variant& rate);

// The three VAT keys on a number x: the VAT amount x·rate/100, the price with VAT
// x·(1 + rate/100), the price without VAT x/(rate/100 + 1). A rate that is not a number or a
// result beyond the double range fails.
VatCurrencyOutcome amount(double x, const Variant& rate);
VatCurrencyOutcome addTo(double x, const Variant& rate);
VatCurrencyOutcome removeFrom(double x, const Variant& rate);

// A new rate for "d.IVA": the rate itself, or a refusal for a rate above 100 or below 0.
VatCurrencyOutcome newRate(double rate);

}  // namespace vat

namespace currency {

// Reads a factor typed by the user with either "," or "." as decimal mark ("1.5", "1,5",
// " 166,386 ", "2E3"). nullopt for a text that is not a number.
std::optional<double> readFactor(const std::string& typed);

// The factor as the user sees it: a number in the comma notation, a text as it stands,
// nothing when it was never set.
std::string factorText(const Variant& factor);

// Currency 1 to currency 2 (x·factor) and back (x/factor). A factor that is not a number, a
// factor of 0 for the way back, or a result beyond the double range fails; a factor that was
// never set is refused with a message that sends the user to the preferences.
VatCurrencyOutcome toCurrency2(double x, const Variant& factor);
VatCurrencyOutcome toCurrency1(double x, const Variant& factor);

// What the calculators show for the two currency keys, renewed each time a calculator window
// becomes active. A name that was never set reads "moneda 1" or "moneda 2".
struct KeyTexts {
    std::string caption1to2, caption2to1;  // key captions: the target currency
    std::string tip1to2, tip2to1;          // "Conversor a pts.  {Q}", "Conversor a euro.  {W}"
    std::string label1to2, label2to1;      // function labels: "a pts", "a euro"
    std::string status;                    // "1 euro = 166,386 pts"
};
KeyTexts keyTexts(const SharedState& state);

}  // namespace currency

}  // namespace numeralia
