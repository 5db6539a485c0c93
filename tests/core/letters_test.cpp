// Reading UTF-8 a character at a time and writing it back; lower case and search folding.

#include <gtest/gtest.h>

#include "core/text/letter_case.h"
#include "core/text/utf8.h"

using namespace numeralia;
using namespace numeralia::text;

TEST(Utf8, ReadsWholeSequencesAndLetsStrayBytesStandForThemselves) {
    struct Row {
        std::string_view text;
        std::vector<char32_t> codes;
        bool wellFormed;  // then written back byte for byte
    };
    const Row rows[] = {
        {"", {}, true},
        {"Aé€😀·", {U'A', U'é', U'€', U'😀', U'·'}, true},
        {"\x80z", {0x80, U'z'}, false},           // a continuation byte with no lead
        {"z\xC3", {U'z', 0xC3}, false},           // cut short at the end
        {"\xE2\x82", {0xE2, 0x82}, false},        // cut short inside a three-byte character
        {"\xC3(", {0xC3, U'('}, false},           // a lead not followed by a continuation
        {"\xF8\x88\x80", {0xF8, 0x88, 0x80}, false},  // no five-byte characters
    };
    for (const Row& row : rows) {
        EXPECT_EQ(codePoints(row.text), row.codes) << row.text;
        std::string back;
        for (char32_t c : row.codes) appendUtf8(back, c);
        if (row.wellFormed) {
            EXPECT_EQ(back, row.text);
        }
    }
    EXPECT_EQ(utf8Of(U'😀'), "😀");
}

TEST(LetterCase, LowersLettersOfEveryCommonAlphabet) {
    const std::pair<const char*, const char*> rows[] = {
        {"EURO", "euro"}, {"ÑÁÉÍÚÜ", "ñáéíúü"}, {"ZŁOTY", "złoty"}, {"РУБЛЬ", "рубль"},
        {"ΔΡΑΧΜΗ", "δραχμη"}, {"€ 2×3", "€ 2×3"}, {"ß", "ß"}, {"Ÿ", "ÿ"}, {"", ""},
        {"A\xC3" "B\x80", "a\xC3" "b\x80"},  // stray bytes copied as they are
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(text::lowerCase(in), out) << in;
}

TEST(LetterCase, SearchFoldingIgnoresCaseAndAccentsOnly) {
    const std::pair<const char*, const char*> rows[] = {
        {"Función", "funcion"}, {"ÁÉÍÓÚÜÑ áéíóúüñ", "aeiouun aeiouun"}, {"Hidrógeno", "hidrogeno"},
        {"àâäçÇ", "aaacc"}, {"x² π Σ 2⁵³ «»", "x² π σ 2⁵³ «»"}, {"SHIFT + F9", "shift + f9"},
        {"\xC3" "z", "\xC3" "z"},  // a stray byte copied as it is
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(text::searchFolded(in), out) << in;
}
