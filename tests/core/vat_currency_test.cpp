#include <gtest/gtest.h>

#include <cmath>

#include "core/calc/vat_currency.h"

using namespace numeralia;

namespace {

Variant number(double v) { return Variant::fromNumber(v); }
Variant textValue(const char* t) { return Variant::fromText(t); }

enum class Op { Amount, Add, Remove, To2, To1 };

VatCurrencyOutcome run(Op op, double x, const Variant& v) {
    switch (op) {
        case Op::Amount: return vat::amount(x, v);
        case Op::Add: return vat::addTo(x, v);
        case Op::Remove: return vat::removeFrom(x, v);
        case Op::To2: return currency::toCurrency2(x, v);
        case Op::To1: return currency::toCurrency1(x, v);
    }
    return {};
}

struct Row {
    Op op;
    double x;
    Variant rateOrFactor;
    double expected;  // NAN: a calculation failure
};

}  // namespace

TEST(VatCurrency, KeysComputeOrFail) {
    const Row rows[] = {
        {Op::Remove, 116, number(16), 100},
        {Op::Add, 100, number(16), 116},
        {Op::Amount, 100, number(16), 16},
        {Op::Amount, 250, number(7.5), 18.75},
        {Op::Add, -50, number(21), -60.5},
        {Op::Remove, 0, number(16), 0},
        {Op::Add, 100, Variant{}, 100},             // unset rate counts as 0
        {Op::Add, 100, textValue("21"), 121},        // a rate read as text from the file
        {Op::Amount, 100, textValue("4.5"), 4.5},
        {Op::Add, 100, textValue("mucho"), NAN},
        {Op::Remove, 100, number(-100), NAN},        // division by zero
        {Op::Add, 1e308, number(100), NAN},          // overflow
        {Op::To2, 1, number(166.386), 166.386},
        {Op::To1, 166.386, number(166.386), 1},
        {Op::To1, 332.772, number(166.386), 2},
        {Op::To2, 3, textValue("1,5"), 4.5},
        {Op::To2, 3, textValue("x"), NAN},
        {Op::To1, 3, textValue("x"), NAN},
        {Op::To2, 5, number(0), 0},                  // multiplying by 0 is fine
        {Op::To1, 5, number(0), NAN},                // dividing by 0 is not
        {Op::To2, 1e300, number(1e10), NAN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "op " << static_cast<int>(row.op) << " x " << row.x);
        const VatCurrencyOutcome out = run(row.op, row.x, row.rateOrFactor);
        if (std::isnan(row.expected)) {
            EXPECT_TRUE(out.failed());
        } else {
            ASSERT_TRUE(out.value.has_value());
            EXPECT_NEAR(*out.value, row.expected, 1e-12 * std::max(1.0, std::abs(row.expected)));
        }
    }
}

TEST(VatCurrency, UnsetFactorIsRefusedWithAMessage) {
    for (const VatCurrencyOutcome& out :
         {currency::toCurrency2(1, Variant{}), currency::toCurrency1(1, Variant{})}) {
        EXPECT_TRUE(out.refused());
        EXPECT_EQ(out.message.rfind("Error: ", 0), 0u) << out.message;
    }
}

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
