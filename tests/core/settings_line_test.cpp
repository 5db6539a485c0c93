// The line of the settings file: what is written, and how tolerant reading is.

#include <gtest/gtest.h>

#include "core/shell/settings_line.h"

namespace numeralia {
namespace {

constexpr const char* kExample = "16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1";

TEST(SettingsLine, WritesTheFieldsInFileOrderAndReadsThemBack) {
    SharedState all;
    all.vatRate = Variant::fromText("dieciséis");
    all.memory1 = -2.5;
    all.memory2 = 1e20;
    all.memory3 = 1.23456789012345e-300;
    all.memory4 = 123456789012345;
    all.transitValue1 = 0.1;
    all.transitValue2 = -1e-20;
    all.transitValue3 = 3;
    all.transitLabel1 = "Factor de conversión de Kilómetros a ¤ Metros {m}";
    all.transitLabel3 = "Cuota \"mensual\", 12 meses";
    all.exchangeFactor = Variant::fromText("");
    all.calculatorModel = "normalita";
    all.soundOn = -1;
    all.soundCue = 3;  // not persisted
    all.statCountX = 5;

    const std::pair<SharedState, std::string> rows[] = {
        {SharedState{}, ",0,0,0,0,0,0,0,,,,,,,,0"},
        {all,
         "\"dieciséis\",-2.5,1E+20,1.23456789012345E-300,123456789012345,0.1,-1E-20,3,"
         "\"Factor de conversión de Kilómetros a ¤ Metros {m}\",,"
         "\"Cuota \"\"mensual\"\", 12 meses\",,,\"\",\"normalita\",-1"},
    };
    for (const auto& [state, line] : rows) {
        const std::string written = encodeSettingsLine(state);
        EXPECT_EQ(written, line + "\r\n");
        SharedState back;
        EXPECT_EQ(decodeSettingsLine(written, back), kSettingsFieldCount) << line;
        EXPECT_EQ(encodeSettingsLine(back), written);
    }
}

// Every row of reading starts from a state whose persisted fields all differ from what the
// rows hold, so a field that was not taken is seen keeping its old value.
constexpr const char* kSentinelFields[kSettingsFieldCount] = {
    "7",     "7",     "7",     "7",     "7",     "7", "7",     "7",
    "\"x\"", "\"x\"", "\"x\"", "\"x\"", "\"x\"", "7", "\"x\"", "7"};

SharedState sentinelState() {
    SharedState s;
    s.vatRate = s.exchangeFactor = Variant::fromNumber(7);
    s.memory1 = s.memory2 = s.memory3 = s.memory4 = 7;
    s.transitValue1 = s.transitValue2 = s.transitValue3 = 7;
    s.transitLabel1 = s.transitLabel2 = s.transitLabel3 = "x";
    s.currencyName1 = s.currencyName2 = s.calculatorModel = "x";
    s.soundOn = 7;
    return s;
}

struct ReadRow {
    std::string content;
    int taken;
    std::string fields;  // the fields taken, as they are written back
};

// clang-format off
const ReadRow kReadRows[] = {
    {"", 0, ""}, {"\r\n", 0, ""}, {"abc,1", 0, ""},
    // cut after the 9th field; a text where a number belongs
    {"16,1,2,3,4,5,6,7,\"R1\"\r\n", 9, "16,1,2,3,4,5,6,7,\"R1\""},
    {"16,1,2,\"tres\",4,5,6,7,,,,,,,,1", 3, "16,1,2"},
    {"16,1,2,3,4,5,6,7,,,,\"a\",\"b\",ocho,\"c\",1", 13, "16,1,2,3,4,5,6,7,,,,\"a\",\"b\""},
    // an unterminated quote, and text after a closing quote
    {"16,1,2,3,4,5,6,7,,,,\"euro", 11, "16,1,2,3,4,5,6,7,,,"},
    {"16,1,2,3,4,5,6,7,,,,\"euro,\"pts\"", 11, "16,1,2,3,4,5,6,7,,,"},
    {"16,1,2,3,4,5,6,7,\"a\"b,,,,,,,1", 8, "16,1,2,3,4,5,6,7"},
    // a sound switch beyond a 16-bit integer
    {"16,0,0,0,0,0,0,0,,,,,,,\"avanzada\",40000", 15, "16,0,0,0,0,0,0,0,,,,,,,\"avanzada\""},
    // variants keep their kind: a quoted text, an empty text, an unset field
    {"\"16\",0,0,0,0,0,0,0,,,,,,\"166,386\",,1", 16, "\"16\",0,0,0,0,0,0,0,,,,,,\"166,386\",,1"},
    {",0,0,0,0,0,0,0,,,,,,\"\",,1", 16, ",0,0,0,0,0,0,0,,,,,,\"\",,1"},
    // quotes inside texts, commas and blanks
    {"16,0,0,0,0,0,0,0,\"a, \"\"b\"\"\",,,,,,,0", 16, "16,0,0,0,0,0,0,0,\"a, \"\"b\"\"\",,,,,,,0"},
    {" 16 , 0,0,0,0,0,0,0 ,,,, \"euro\" ,\"pts\",166.386,\"avanzada\",1", 16, kExample},
    // an unquoted text is taken as it stands; an empty number reads 0
    {"16,,0,0,0,0,0,0,R1,,,euro,,,avanzada,", 16,
     "16,0,0,0,0,0,0,0,\"R1\",,,\"euro\",,,\"avanzada\",0"},
    // only the first line counts; more than 16 fields are ignored
    {"16,1\n2,3,4", 2, "16,1"},
    {std::string(kExample) + ",99,\"z\"", 16, kExample},
    // optional sign, leading zero and exponent in numbers
    {"+16,-0.5,.25,1E+03,-1.5E-20,2,3,4,,,,,,,,0", 16, "16,-0.5,0.25,1000,-1.5E-20,2,3,4,,,,,,,,0"},
};
// clang-format on

TEST(SettingsLine, ReadingStopsAtTheFirstFieldThatFails) {
    for (const ReadRow& r : kReadRows) {
        SharedState s = sentinelState();
        EXPECT_EQ(decodeSettingsLine(r.content, s), r.taken) << r.content;
        std::string expected = r.fields;
        for (int i = r.taken; i < kSettingsFieldCount; ++i) {
            expected += (i > 0 ? "," : "") + std::string(kSentinelFields[i]);
        }
        EXPECT_EQ(encodeSettingsLine(s), expected + "\r\n") << r.content;
    }
}

}  // namespace
}  // namespace numeralia
