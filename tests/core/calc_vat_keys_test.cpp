// VAT and currency keys: key scripts over a given rate, factor and currency names, with the
// displays and the shared values they must leave.

#include <gtest/gtest.h>

#include "calc_script.h"
#include "core/calc/keyboard_tables.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

struct Row {
    Variant rate;
    Variant factor;
    const char* keys;
    const char* numero;
    const char* result;
    const char* func;
    const char* ivas;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.keys; }

Variant num(double v) { return Variant::fromNumber(v); }
Variant txt(const char* s) { return Variant::fromText(s); }
const Variant unset{};

constexpr const char* kFailed = "Error: Parada crítica";
constexpr const char* kCleared = "*** ERROR / BORRADO ***";

class CalcVatKeys : public ::testing::TestWithParam<Row> {};

TEST_P(CalcVatKeys, LeavesDisplays) {
    const Row& row = GetParam();
    SharedState shared;
    shared.vatRate = row.rate;
    shared.exchangeFactor = row.factor;
    shared.currencyName1 = "euro";
    shared.currencyName2 = "pts";
    testing::RecordingSounds sounds;
    CalculatorModel model(shared, sounds);  // opens with the values above
    testing::runScript(model, row.keys);
    const CalculatorState& s = model.state();
    EXPECT_EQ(s.numero, row.numero);
    EXPECT_EQ(s.result, row.result);
    EXPECT_EQ(s.func, row.func);
    EXPECT_EQ(s.ivas, row.ivas);
    EXPECT_EQ(s.entryFlag, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalcVatKeys,
    ::testing::Values(
        // Rate 16 (also what an unset or zero rate becomes when the window opens).
        Row{num(16), unset, "116 --IVA", "100", "100", "-IVA", "16 %"},
        Row{num(16), unset, "100 +IVA", "116", "116", "+IVA", "16 %"},
        Row{num(16), unset, "100 IVA", "16", "16", "IVA", "16 %"},
        Row{unset, unset, "100 IVA", "16", "16", "IVA", "16 %"},
        Row{num(0), unset, "58 --IVA", "50", "50", "-IVA", "16 %"},
        Row{num(21), unset, "12,1 --IVA", "10", "10", "-IVA", "21 %"},
        Row{num(16), unset, "100 +IVA x 2 =", "232", "232", "=", "16 %"},
        Row{num(7.5), unset, "250 IVA", "18,75", "18,75", "IVA", "7,5 %"},
        Row{num(21), unset, "50 ± +IVA", "-60,5", "-60,5", "+IVA", "21 %"},
        Row{txt("21"), unset, "100 +IVA", "121", "121", "+IVA", "21 %"},  // a text from the file
        Row{txt("mucho"), unset, "100 IVA", "0", kFailed, kCleared, "mucho %"},
        Row{num(-100), unset, "5 --IVA", "0", kFailed, kCleared, "-100 %"},  // division by 0
        Row{num(100), unset, "1 EXP 308 +IVA", "0", kFailed, kCleared, "100 %"},
        // "d.IVA": the number on display becomes the rate.
        Row{num(16), unset, "21 d.IVA", "21", "21", "d.IVA", "21 %"},
        Row{num(16), unset, "7,5 d.IVA 200 +IVA", "215", "215", "+IVA", "7,5 %"},
        Row{num(16), unset, "100 d.IVA", "100", "100", "d.IVA", "100 %"},
        Row{num(16), unset, "0 d.IVA 50 +IVA", "50", "50", "+IVA", "0 %"},
        Row{num(16), unset, "101 d.IVA", "0", "Error: IVA superior al 100 %", kCleared, "16 %"},
        Row{num(16), unset, "5 ± d.IVA", "0", "Error: IVA negativo", kCleared, "16 %"},
        Row{num(16), unset, "101 d.IVA 100 +IVA", "116", "116", "+IVA", "16 %"},
        // Currency keys.
        Row{num(16), num(166.386), "1 currencyTo2", "166,386", "166,386", "a pts", "16 %"},
        Row{num(16), num(166.386), "166,386 currencyTo1", "1", "1", "a euro", "16 %"},
        Row{num(16), num(166.386), "1 currencyTo2 currencyTo1", "1", "1", "a euro", "16 %"},
        Row{num(16), txt("2,5"), "4 currencyTo2", "10", "10", "a pts", "16 %"},
        Row{num(16), txt("cien"), "4 currencyTo2", "0", kFailed, kCleared, "16 %"},
        Row{num(16), txt("cien"), "4 currencyTo1", "0", kFailed, kCleared, "16 %"},
        Row{num(16), num(0), "4 currencyTo2", "0", "0", "a pts", "16 %"},
        Row{num(16), num(0), "4 currencyTo1", "0", kFailed, kCleared, "16 %"},
        Row{num(16), num(1e10), "1 EXP 300 currencyTo2", "0", kFailed, kCleared, "16 %"},
        Row{num(16), unset, "4 currencyTo2", "0", "Error: Cambio de moneda sin definir (Preferencias)",
            kCleared, "16 %"}));

TEST(CalcVatKeys, RefusedRateKeepsTheSharedRate) {
    Calculator calc;
    calc.run("21 d.IVA");
    EXPECT_EQ(calc.shared.vatRate, Variant::fromNumber(21));
    const CalculatorState& s = calc.run("101 d.IVA");
    EXPECT_EQ(calc.shared.vatRate, Variant::fromNumber(21));
    EXPECT_EQ(s.errorKind, kErrorShown);
    EXPECT_EQ(s.picture, ErrorPicture::FunctionError);
}

TEST(CalcVatKeys, LabelsGoToTheKeyHistory) {
    Calculator calc;
    calc.shared.currencyName2 = "pts";
    calc.shared.exchangeFactor = Variant::fromNumber(2);
    calc.run("116 --IVA currencyTo2");
    const std::vector<std::string> expected = {
        "1", "11", "116", std::string(18, ' ') + "-IVA", "100", std::string(18, ' ') + "a pts",
        "200"};
    EXPECT_EQ(calc.model.state().history, expected);
}

TEST(CalcVatKeys, CurrencyKeysReadWellWithoutNames) {
    Calculator calc;
    calc.shared.exchangeFactor = Variant::fromNumber(2);
    EXPECT_EQ(calc.run("3 currencyTo2").func, "a moneda 2");
    EXPECT_EQ(calc.run("currencyTo1").func, "a moneda 1");
    EXPECT_EQ(calc.model.state().numero, "3");
}

TEST(CalcVatKeys, NormalModelHasTheKeys) {
    SharedState shared;
    testing::RecordingSounds sounds;
    CalculatorModel normal(shared, sounds, CalculatorKind::Normal);
    testing::runScript(normal, "116 --IVA");
    EXPECT_EQ(normal.state().numero, "100");
    EXPECT_EQ(normal.state().ivas, "16 %");
}

TEST(CalcVatKeys, KeyboardRowsInBothModels) {
    const struct {
        int code;
        int shift;
        KeyId key;
    } keyDown[] = {
        {'V', 0, KeyId::vatAmount},
        {'V', kShiftBit, KeyId::vatAdd},
        {'V', kCtrlBit, KeyId::vatRemove},
        {'V', kShiftBit | kCtrlBit, KeyId::vatAmount},  // neither Shift alone nor Ctrl alone
        {'V', kAltBit, KeyId::vatAmount},
        {'V', kCtrlBit | kAltBit, KeyId::vatAmount},
    };
    const struct {
        char32_t c;
        std::optional<KeyId> key;
    } characters[] = {
        {U'Q', KeyId::currencyTo2}, {U'q', KeyId::currencyTo2}, {U'W', KeyId::currencyTo1},
        {U'w', KeyId::currencyTo1}, {U'v', std::nullopt},
    };
    for (CalculatorKind kind : {CalculatorKind::Scientific, CalculatorKind::Normal}) {
        const KeyboardTables& tables = keyboardTables(kind);
        for (const auto& row : keyDown) {
            EXPECT_EQ(matchKeyDown(tables, row.code, row.shift), row.key) << row.shift;
        }
        for (const auto& row : characters) {
            EXPECT_EQ(matchCharacter(tables, row.c), row.key) << static_cast<int>(row.c);
        }
    }
}

}  // namespace
}  // namespace numeralia::calc
