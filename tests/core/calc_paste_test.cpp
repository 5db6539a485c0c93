// A number pasted into the calculator: the main display takes it as typed digits would (entry
// flag 1, one logged display change, a shown error cleared), in both models and in
// hexadecimal mode; a refused text only writes its message into the info line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;

// Keys before the paste, the clipboard, keys after it, and the displays they leave.
struct PasteRow {
    const char* before;
    const char* clipboard;
    const char* after;
    const char* numero;
    const char* result;
};

void PrintTo(const PasteRow& row, std::ostream* out) {
    *out << row.before << " [" << row.clipboard << "] " << row.after;
}

class CalcPaste : public ::testing::TestWithParam<PasteRow> {};

TEST_P(CalcPaste, LeavesDisplays) {
    const PasteRow& row = GetParam();
    Calculator calc;
    calc.shared.soundOn = 1;
    calc.run(row.before);
    const std::size_t soundsBefore = calc.sounds.played.size();
    calc.model.paste(row.clipboard);
    const CalculatorState& s = calc.run(row.after);
    EXPECT_EQ(s.numero, row.numero);
    EXPECT_EQ(s.result, row.result);
    if (std::string(row.after).empty()) {
        EXPECT_EQ(calc.sounds.played.size(), soundsBefore) << "a paste plays no sound";
    }
}

constexpr const char* kRefused = "Error: el portapapeles no contiene un número";

const PasteRow kRows[] = {
    // The pasted number replaces a result and is typed on by the next digits.
    {"", "1.234,5", "", "1234,5", "0"}, {"2 + 3 =", " 1,234,567.89 ", "", "1234567,89", "5"},
    {"", "42", "7", "427", "0"}, {"", "1,5E+3", "x 2 =", "3000", "3000"},
    {"2 +", "3", "=", "5", "5"}, {"", "-7,5", "±", "7,5", "0"},
    {"", "2,5", ".", "2,5", "0"},  // a second decimal mark is refused as when typed
    // Results keep the number of decimals; a pasted number, like a typed one, does not.
    {"3 SET", "0,123456", "", "0,123456", "0"}, {"3 SET", "0,123456", "+ 0 =", "0,123", "0,123456"},
    // A shown error goes as with a typed digit.
    {"5 / 0 =", "8", "", "8", "0"}, {"5 / 0 =", "0", "", "0", "0"},
    // Refused: nothing but the info line changes, and the next digit clears the message.
    {"5", "hola", "", "5", kRefused}, {"5", "1e400", "", "5", kRefused}, {"5", "", "", "5", kRefused},
    {"5", "hola", "7", "57", "0"}, {"2 + 3 =", "1,2,3", "", "5", kRefused},
    // Hexadecimal mode: hexadecimal digits only, shown as a typed hexadecimal number.
    {"Hexadecimal", "ff", "", "&hFF", "0"}, {"Hexadecimal", "0x1a", "DEC", "26", "26"},
    {"Hexadecimal", "1E3", "A", "&h1E3A", "0"}, {"Hexadecimal 7", "12,5", "", "&h7", kRefused},
    {"Hexadecimal", "-1", "", "0", kRefused}, {"Hexadecimal Decimal", "ff", "", "0", kRefused},
};

INSTANTIATE_TEST_SUITE_P(Rows, CalcPaste, ::testing::ValuesIn(kRows));

TEST(CalcPasteHistory, LogsThePastedNumberOnceAndRefusalsNotAtAll) {
    Calculator calc;
    calc.run("1 2");
    calc.model.paste("1.000.000");
    const CalculatorState& s = calc.model.state();
    EXPECT_EQ(s.history, (std::vector<std::string>{"1", "12", "1000000"}));
    EXPECT_EQ(s.historyText, "1000000");
    EXPECT_EQ(s.entryFlag, 1);
    EXPECT_TRUE(calc.model.focusToEquals());

    const CalculatorState before = s;
    calc.model.paste("doce");
    EXPECT_EQ(s.history, before.history);
    EXPECT_EQ(s.numero, before.numero);
    EXPECT_EQ(s.entryFlag, before.entryFlag);
    EXPECT_EQ(s.errorKind, kNoError);
    EXPECT_EQ(s.picture, ErrorPicture::Normal);
    EXPECT_EQ(s.func, before.func);

    calc.run("¬");  // the correction brings back the display before the paste
    EXPECT_EQ(s.numero, "12");
}

}  // namespace
}  // namespace numeralia::calc
