#include <gtest/gtest.h>

#include "core/text/number_text.h"

using namespace numeralia::text;

TEST(NumberText, ReadsDisplayTextWithComma) {
    ASSERT_TRUE(parseNumber("2,5").has_value());
    EXPECT_DOUBLE_EQ(*parseNumber("2,5"), 2.5);
    EXPECT_FALSE(parseNumber("abc").has_value());
}
