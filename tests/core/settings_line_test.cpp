// The line of the settings file: what is written, and how tolerant reading is.

#include <gtest/gtest.h>

#include "core/shell/settings_line.h"

namespace numeralia {
namespace {

constexpr const char* kExample = "16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1\r\n";

TEST(SettingsLine, WritesTheFieldsInFileOrder) {
    SharedState fresh;
    EXPECT_EQ(encodeSettingsLine(fresh), ",0,0,0,0,0,0,0,,,,,,,,0\r\n");

    SharedState s;
    s.vatRate = Variant::fromNumber(16);
    s.currencyName1 = "euro";
    s.currencyName2 = "pts";
    s.exchangeFactor = Variant::fromNumber(166.386);
    s.calculatorModel = "avanzada";
    s.soundOn = 1;
    s.soundCue = 3;  // not persisted
    s.statCountX = 5;
    EXPECT_EQ(encodeSettingsLine(s), kExample);

    SharedState all;
    all.vatRate = Variant::fromText("dieciséis");
    all.memory1 = -2.5;
    all.memory2 = 1e20;
    all.memory3 = 0.0001;
    all.memory4 = 123456789012345;
    all.transitValue1 = 1000;
    all.transitValue2 = -1e-20;
    all.transitValue3 = 3;
    all.transitLabel1 = "Factor de conversión de Kilómetros a ¤ Metros {m}";
    all.transitLabel3 = "Cuota \"mensual\", 12 meses";
    all.exchangeFactor = Variant::fromText("");
    all.calculatorModel = "normalita";
    all.soundOn = -1;
    EXPECT_EQ(encodeSettingsLine(all),
              "\"dieciséis\",-2.5,1E+20,0.0001,123456789012345,1000,-1E-20,3,"
              "\"Factor de conversión de Kilómetros a ¤ Metros {m}\",,"
              "\"Cuota \"\"mensual\"\", 12 meses\",,,\"\",\"normalita\",-1\r\n");
}

// Every row starts from a state whose persisted fields all differ from what the rows write,
// so a field that was not taken is seen keeping its old value.
SharedState sentinelState() {
    SharedState s;
    s.vatRate = Variant::fromNumber(7);
    s.memory1 = s.memory2 = s.memory3 = s.memory4 = 7;
    s.transitValue1 = s.transitValue2 = s.transitValue3 = 7;
    s.transitLabel1 = s.transitLabel2 = s.transitLabel3 = "x";
    s.currencyName1 = s.currencyName2 = "x";
    s.exchangeFactor = Variant::fromNumber(7);
    s.calculatorModel = "x";
    s.soundOn = 7;
    return s;
}

TEST(SettingsLine, ReadingStopsAtTheFirstFieldThatFails) {
    struct Row {
        const char* content;
        int taken;
        const char* after;  // the state written back after reading
    };
    const Row rows[] = {
        {kExample, 16, kExample},
        {"", 0, "7,7,7,7,7,7,7,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        {"\r\n", 0, "7,7,7,7,7,7,7,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        {",0,0,0,0,0,0,0,,,,,,,,0\r\n", 16, ",0,0,0,0,0,0,0,,,,,,,,0\r\n"},
        // cut after the 9th field, with and without its line end
        {"16,1,2,3,4,5,6,7,\"R1\"", 9, "16,1,2,3,4,5,6,7,\"R1\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        {"16,1,2,3,4,5,6,7,\"R1\"\r\n", 9,
         "16,1,2,3,4,5,6,7,\"R1\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        // a text where a number belongs
        {"16,1,2,\"tres\",4,5,6,7,,,,,,,,1", 3,
         "16,1,2,7,7,7,7,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        {"16,1,2,3,4,5,6,7,,,,\"a\",\"b\",ocho,\"c\",1", 13,
         "16,1,2,3,4,5,6,7,,,,\"a\",\"b\",7,\"x\",7\r\n"},
        {"abc,1", 0, "7,7,7,7,7,7,7,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        // an unterminated quote, and text after a closing quote
        {"16,1,2,3,4,5,6,7,,,,\"euro", 11,
         "16,1,2,3,4,5,6,7,,,,\"x\",\"x\",7,\"x\",7\r\n"},
        {"16,1,2,3,4,5,6,7,,,,\"euro,\"pts\"", 11,
         "16,1,2,3,4,5,6,7,,,,\"x\",\"x\",7,\"x\",7\r\n"},
        {"16,1,2,3,4,5,6,7,\"a\"b,,,,,,,1", 8,
         "16,1,2,3,4,5,6,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        // a sound switch beyond a 16-bit integer
        {"16,0,0,0,0,0,0,0,,,,,,,\"avanzada\",40000", 15,
         "16,0,0,0,0,0,0,0,,,,,,,\"avanzada\",7\r\n"},
        // variants read back as what they hold
        {"\"16\",0,0,0,0,0,0,0,,,,,,\"166,386\",,1", 16,
         "\"16\",0,0,0,0,0,0,0,,,,,,\"166,386\",,1\r\n"},
        {",0,0,0,0,0,0,0,,,,,,1.5E+20,,1", 16, ",0,0,0,0,0,0,0,,,,,,1.5E+20,,1\r\n"},
        // quotes inside texts, commas and blanks
        {"16,0,0,0,0,0,0,0,\"a, \"\"b\"\"\",,,,,,,0", 16,
         "16,0,0,0,0,0,0,0,\"a, \"\"b\"\"\",,,,,,,0\r\n"},
        {" 16 , 0,0,0,0,0,0,0 ,,,, \"euro\" ,\"pts\",166.386,\"avanzada\",1", 16, kExample},
        // an unquoted text is taken as it stands; an empty number reads 0
        {"16,,0,0,0,0,0,0,R1,,,euro,,,avanzada,", 16,
         "16,0,0,0,0,0,0,0,\"R1\",,,\"euro\",,,\"avanzada\",0\r\n"},
        // only the first line counts; more than 16 fields are ignored
        {"16,1\n2,3,4", 2, "16,1,7,7,7,7,7,7,\"x\",\"x\",\"x\",\"x\",\"x\",7,\"x\",7\r\n"},
        {"16,0,0,0,0,0,0,0,,,,\"euro\",\"pts\",166.386,\"avanzada\",1,99,\"z\"", 16, kExample},
        // optional sign, leading zero and exponent in numbers
        {"+16,-0.5,.25,1E+03,-1.5E-20,2,3,4,,,,,,,,0", 16,
         "16,-0.5,0.25,1000,-1.5E-20,2,3,4,,,,,,,,0\r\n"},
    };
    for (const Row& r : rows) {
        SharedState s = sentinelState();
        EXPECT_EQ(decodeSettingsLine(r.content, s), r.taken) << r.content;
        EXPECT_EQ(encodeSettingsLine(s), r.after) << r.content;
    }
}

TEST(SettingsLine, VariantFieldsKeepTheirKind) {
    SharedState s;
    decodeSettingsLine("\"16\",0,0,0,0,0,0,0,,,,,,,,0", s);
    EXPECT_EQ(s.vatRate, Variant::fromText("16"));
    EXPECT_TRUE(s.exchangeFactor.isUnset());
    decodeSettingsLine("16,0,0,0,0,0,0,0,,,,,,\"\",,0", s);
    EXPECT_EQ(s.vatRate, Variant::fromNumber(16));
    EXPECT_EQ(s.exchangeFactor, Variant::fromText(""));
}

TEST(SettingsLine, NumbersAndTextsSurviveAWriteAndRead) {
    SharedState s;
    s.vatRate = Variant::fromNumber(21.5);
    s.memory1 = 3.14159265358979;
    s.memory2 = -123456789012345;
    s.memory3 = 1.23456789012345e-300;
    s.memory4 = 9.87654321098765e300;
    s.transitValue1 = 0.1;
    s.transitValue2 = -0.000123;
    s.transitValue3 = 1e15;
    s.transitLabel2 = "Cuota mensual (€)";
    s.currencyName1 = "dólar \"USA\"";
    s.currencyName2 = "peseta, antigua";
    s.exchangeFactor = Variant::fromNumber(0.00601012104383);
    s.calculatorModel = "normalita";
    s.soundOn = 1;
    const std::string line = encodeSettingsLine(s);
    SharedState back;
    EXPECT_EQ(decodeSettingsLine(line, back), 16);
    EXPECT_EQ(encodeSettingsLine(back), line);
    EXPECT_EQ(back.memory1, s.memory1);
    EXPECT_EQ(back.memory2, s.memory2);
    EXPECT_DOUBLE_EQ(back.memory3, s.memory3);
    EXPECT_DOUBLE_EQ(back.memory4, s.memory4);
    EXPECT_EQ(back.transitValue1, s.transitValue1);
    EXPECT_EQ(back.transitValue2, s.transitValue2);
    EXPECT_EQ(back.transitValue3, s.transitValue3);
    EXPECT_EQ(back.transitLabel1, "");
    EXPECT_EQ(back.transitLabel2, s.transitLabel2);
    EXPECT_EQ(back.currencyName1, s.currencyName1);
    EXPECT_EQ(back.currencyName2, s.currencyName2);
    EXPECT_EQ(back.exchangeFactor, s.exchangeFactor);
}

}  // namespace
}  // namespace numeralia
