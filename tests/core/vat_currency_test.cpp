#include <gtest/gtest.h>

#include "core/calc/vat_currency.h"

using namespace numeralia;

namespace {

Variant number(double v) { return Variant::fromNumber(v); }
Variant textValue(const char* t) { return Variant::fromText(t); }

}  // namespace

TEST(VatCurrency, NewRateRange) {
    const struct {
        double rate;
        bool accepted;
    } rows[] = {{0, true}, {16, true}, {7.5, true}, {100, true},
                {100.0001, false}, {101, false}, {-0.5, false}, {-16, false}};
    for (const auto& row : rows) {
        const VatCurrencyOutcome out = vat::newRate(row.rate);
        EXPECT_EQ(out.value.has_value(), row.accepted) << row.rate;
        if (row.accepted) {
            EXPECT_EQ(*out.value, row.rate);
        } else {
            EXPECT_TRUE(out.refused());
            EXPECT_EQ(out.message.rfind("Error: ", 0), 0u) << out.message;
        }
    }
    EXPECT_NE(vat::newRate(101).message, vat::newRate(-1).message);
}

TEST(VatCurrency, DefaultRateAndDisplay) {
    const struct {
        Variant before;
        Variant after;
        const char* display;
    } rows[] = {
        {Variant{}, number(16), "16 %"},
        {number(0), number(16), "16 %"},
        {textValue("0"), number(16), "16 %"},
        {number(21), number(21), "21 %"},
        {number(7.5), number(7.5), "7,5 %"},
        {textValue("abc"), textValue("abc"), "abc %"},
    };
    for (const auto& row : rows) {
        Variant rate = row.before;
        vat::applyDefaultRate(rate);
        EXPECT_EQ(rate, row.after);
        EXPECT_EQ(vat::rateDisplayText(rate), row.display);
    }
}

TEST(VatCurrency, ReadsFactorWithEitherDecimalMark) {
    const struct {
        const char* typed;
        std::optional<double> value;
    } rows[] = {
        {"1.5", 1.5},         {"1,5", 1.5},   {" 166,386 ", 166.386}, {"166.386", 166.386},
        {"2E3", 2000},        {"-0.25", -0.25}, {"", std::nullopt},   {"abc", std::nullopt},
        {"1.000,5", std::nullopt}, {"1,5 pts", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(currency::readFactor(row.typed), row.value) << row.typed;
    }
}

TEST(VatCurrency, KeyTextsFollowTheNames) {
    SharedState state;
    state.currencyName1 = "euro";
    state.currencyName2 = "pts";
    state.exchangeFactor = number(166.386);
    currency::KeyTexts t = currency::keyTexts(state);
    EXPECT_EQ(t.caption1to2, "pts");
    EXPECT_EQ(t.caption2to1, "euro");
    EXPECT_EQ(t.tip1to2, "Conversor a pts.  {Q}");
    EXPECT_EQ(t.tip2to1, "Conversor a euro.  {W}");
    EXPECT_EQ(t.label1to2, "a pts");
    EXPECT_EQ(t.label2to1, "a euro");
    EXPECT_EQ(t.status, "1 euro = 166,386 pts");

    // A first run: no names, no factor. The keys still say what they do.
    t = currency::keyTexts(SharedState{});
    EXPECT_EQ(t.caption1to2, "moneda 2");
    EXPECT_EQ(t.caption2to1, "moneda 1");
    EXPECT_EQ(t.tip1to2, "Conversor a moneda 2.  {Q}");
    EXPECT_EQ(t.label2to1, "a moneda 1");
    EXPECT_EQ(t.status, "Cambio de moneda sin definir (Archivo, Preferencias)");

    state.currencyName2 = "  ";
    state.exchangeFactor = number(0.5);
    t = currency::keyTexts(state);
    EXPECT_EQ(t.caption1to2, "moneda 2");
    EXPECT_EQ(t.status, "1 euro = 0,5 moneda 2");
}
