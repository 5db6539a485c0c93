// Every key that reports an error or takes the failure path leaves its message and its face
// on show, whether or not a number of decimals was set with "SET" (the formatting step after
// an error path must not clear it); the next digit clears them.

#include <gtest/gtest.h>

#include "calc_error_rows.h"
#include "calc_script.h"

namespace numeralia::calc {
namespace {

using testing::Calculator;
using testing::ErrorRow;
using testing::kFailed;

class CalcErrorDisplay : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(CalcErrorDisplay, TheErrorStaysOnShowUntilTheNextDigit) {
    const ErrorRow& row = GetParam();
    for (const std::string before : {"", "3 SET "}) {
        SCOPED_TRACE(before + row.keys);
        Calculator calc;
        calc.shared.soundOn = 1;
        const CalculatorState& s = calc.run(before + row.keys);
        EXPECT_EQ(s.numero, "0");
        EXPECT_EQ(s.result, row.message);
        EXPECT_EQ(s.errorKind, kErrorShown);
        EXPECT_EQ(s.picture, std::string_view(row.message) == kFailed
                                 ? ErrorPicture::Critical
                                 : ErrorPicture::FunctionError);
        EXPECT_EQ(calc.sounds.played, std::vector<std::string>{"pato.wav"});

        calc.run("7");
        EXPECT_TRUE(s.numero == "7" || s.numero == "&h7") << s.numero;  // hexadecimal mode
        EXPECT_EQ(s.result, "0");
        EXPECT_EQ(s.errorKind, kNoError);
        EXPECT_EQ(s.picture, ErrorPicture::Normal);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CalcErrorDisplay, ::testing::ValuesIn(testing::kErrorRows));

}  // namespace
}  // namespace numeralia::calc
