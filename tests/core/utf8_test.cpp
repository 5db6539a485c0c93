// Reading UTF-8 a character at a time and writing it back.

#include <gtest/gtest.h>

#include "core/text/utf8.h"

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
