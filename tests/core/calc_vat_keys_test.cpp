// VAT and currency: the arithmetic and texts over the shared values, and the keys as key
// scripts over a given rate, factor and currency names.

#include <gtest/gtest.h>

#include "calc_script.h"
#include "core/calc/vat_currency.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

Variant num(double v) { return Variant::fromNumber(v); }
Variant txt(const char* s) { return Variant::fromText(s); }
const Variant unset{};

constexpr const char* kFailed = "Error: Parada crítica";
constexpr const char* kCleared = "*** ERROR / BORRADO ***";

TEST(VatCurrency, NewRateRange) {
    for (double rate : {0.0, 7.5, 100.0}) EXPECT_EQ(vat::newRate(rate).value, rate) << rate;
    for (double rate : {100.0001, -0.5}) {
        const VatCurrencyOutcome out = vat::newRate(rate);
        EXPECT_TRUE(out.refused()) << rate;
        EXPECT_EQ(out.message.rfind("Error: ", 0), 0u) << out.message;
    }
    EXPECT_NE(vat::newRate(101).message, vat::newRate(-1).message);
}

TEST(VatCurrency, DefaultRateAndDisplay) {
    const struct { Variant before, after; const char* display; } rows[] = {
        {unset, num(16), "16 %"},          {num(0), num(16), "16 %"},
        {txt("0"), num(16), "16 %"},       {num(7.5), num(7.5), "7,5 %"},
        {txt("abc"), txt("abc"), "abc %"},
    };
    for (const auto& row : rows) {
        Variant rate = row.before;
        vat::applyDefaultRate(rate);
        EXPECT_EQ(rate, row.after) << row.display;
        EXPECT_EQ(vat::rateDisplayText(rate), row.display);
    }
}

TEST(VatCurrency, ReadsFactorWithEitherDecimalMark) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"1.5", 1.5}, {"1,5", 1.5}, {" 166,386 ", 166.386}, {"2E3", 2000}, {"-0.25", -0.25},
        {"", std::nullopt}, {"abc", std::nullopt}, {"1.000,5", std::nullopt},
        {"1,5 pts", std::nullopt},
    };
    for (const auto& [typed, value] : rows) EXPECT_EQ(currency::readFactor(typed), value) << typed;
}

// Captions, tool tips, function labels and the status-bar text, in that order.
std::vector<std::string> keyTexts(const SharedState& state) {
    const currency::KeyTexts t = currency::keyTexts(state);
    return {t.caption1to2, t.caption2to1, t.tip1to2, t.tip2to1, t.label1to2, t.label2to1, t.status};
}

TEST(VatCurrency, KeyTextsFollowTheNames) {
    using Texts = std::vector<std::string>;
    SharedState state;
    state.currencyName1 = "euro";
    state.currencyName2 = "pts";
    state.exchangeFactor = num(166.386);
    EXPECT_EQ(keyTexts(state), (Texts{"pts", "euro", "Conversor a pts.  {Q}",
                                      "Conversor a euro.  {W}", "a pts", "a euro",
                                      "1 euro = 166,386 pts"}));
    // A first run: no names, no factor. The keys still say what they do.
    EXPECT_EQ(keyTexts(SharedState{}),
              (Texts{"moneda 2", "moneda 1", "Conversor a moneda 2.  {Q}",
                     "Conversor a moneda 1.  {W}", "a moneda 2", "a moneda 1",
                     "Cambio de moneda sin definir (Archivo, Preferencias)"}));
    state.currencyName2 = "  ";
    state.exchangeFactor = num(0.5);
    EXPECT_EQ(keyTexts(state)[0], "moneda 2");
    EXPECT_EQ(keyTexts(state)[6], "1 euro = 0,5 moneda 2");
}

TEST(CalcVatKeys, LeavesDisplays) {
    const struct {
        Variant rate, factor;
        const char *keys, *numero, *result, *func, *ivas;
    } rows[] = {
        // Rate 16 (also what an unset rate becomes when the window opens).
        {num(16), unset, "116 --IVA", "100", "100", "-IVA", "16 %"},
        {num(16), unset, "100 +IVA", "116", "116", "+IVA", "16 %"},
        {num(16), unset, "100 IVA", "16", "16", "IVA", "16 %"},
        {unset, unset, "100 IVA", "16", "16", "IVA", "16 %"},
        {num(7.5), unset, "250 IVA", "18,75", "18,75", "IVA", "7,5 %"},
        {txt("21"), unset, "100 +IVA", "121", "121", "+IVA", "21 %"},  // a text from the file
        {txt("mucho"), unset, "100 IVA", "0", kFailed, kCleared, "mucho %"},
        {num(-100), unset, "5 --IVA", "0", kFailed, kCleared, "-100 %"},  // division by 0
        {num(100), unset, "1 EXP 308 +IVA", "0", kFailed, kCleared, "100 %"},
        // "d.IVA": the number on display becomes the rate.
        {num(16), unset, "21 d.IVA", "21", "21", "d.IVA", "21 %"},
        {num(16), unset, "7,5 d.IVA 200 +IVA", "215", "215", "+IVA", "7,5 %"},
        {num(16), unset, "100 d.IVA", "100", "100", "d.IVA", "100 %"},
        {num(16), unset, "0 d.IVA 50 +IVA", "50", "50", "+IVA", "0 %"},
        {num(16), unset, "101 d.IVA", "0", "Error: IVA superior al 100 %", kCleared, "16 %"},
        {num(16), unset, "5 ± d.IVA", "0", "Error: IVA negativo", kCleared, "16 %"},
        {num(16), unset, "101 d.IVA 100 +IVA", "116", "116", "+IVA", "16 %"},
        // Currency keys.
        {num(16), num(166.386), "1 currencyTo2", "166,386", "166,386", "a pts", "16 %"},
        {num(16), num(166.386), "166,386 currencyTo1", "1", "1", "a euro", "16 %"},
        {num(16), txt("2,5"), "4 currencyTo2", "10", "10", "a pts", "16 %"},
        {num(16), txt("cien"), "4 currencyTo2", "0", kFailed, kCleared, "16 %"},
        {num(16), txt("cien"), "4 currencyTo1", "0", kFailed, kCleared, "16 %"},
        {num(16), num(0), "4 currencyTo2", "0", "0", "a pts", "16 %"},
        {num(16), num(0), "4 currencyTo1", "0", kFailed, kCleared, "16 %"},
        {num(16), num(1e10), "1 EXP 300 currencyTo2", "0", kFailed, kCleared, "16 %"},
        {num(16), unset, "4 currencyTo2", "0", kFailed, kCleared, "16 %"},
        {num(16), unset, "4 currencyTo1", "0", kFailed, kCleared, "16 %"},
    };
    for (const auto& row : rows) {
        SharedState shared;
        shared.vatRate = row.rate;
        shared.exchangeFactor = row.factor;
        shared.currencyName1 = "euro";
        shared.currencyName2 = "pts";
        Calculator calc{shared, {}};  // opens with the values above
        const CalculatorState& s = calc.run(row.keys);
        EXPECT_EQ(s.numero, row.numero) << row.keys;
        EXPECT_EQ(s.result, row.result) << row.keys;
        EXPECT_EQ(s.func, row.func) << row.keys;
        EXPECT_EQ(s.ivas, row.ivas) << row.keys;
        EXPECT_EQ(s.entryFlag, 0) << row.keys;
    }
}

TEST(CalcVatKeys, SharedRateAndKeyHistory) {
    Calculator calc;
    calc.run("21 d.IVA");
    EXPECT_EQ(calc.shared.vatRate, num(21));
    const CalculatorState& s = calc.run("101 d.IVA");  // refused: the rate stays
    EXPECT_EQ(calc.shared.vatRate, num(21));
    EXPECT_EQ(s.errorKind, kErrorShown);
    EXPECT_EQ(s.picture, ErrorPicture::FunctionError);
    // Without currency names the labels still read well; every label goes to the key history.
    calc.shared.exchangeFactor = num(2);
    EXPECT_EQ(calc.run("3 currencyTo2").func, "a moneda 2");
    EXPECT_EQ(calc.run("currencyTo1").func, "a moneda 1");
    EXPECT_EQ(s.numero, "3");
    calc.shared.currencyName2 = "pts";
    calc.run("16 d.IVA historyClear 116 --IVA currencyTo2");
    const std::string indent(18, ' ');
    const std::vector<std::string> expected = {"1",   "11",           "116", indent + "-IVA",
                                               "100", indent + "a pts", "200"};
    EXPECT_EQ(s.history, expected);
}

}  // namespace
}  // namespace numeralia::calc
