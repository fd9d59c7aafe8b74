#include "dialogs/ParseNumber.h"

#include <gtest/gtest.h>

TEST(ParseNumber, AcceptsWholeNumbersWithSurroundingBlanks)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"1.5", 1.5},   {" \t-2e3 \t", -2000.0}, {"0", 0.0},
                          {"0.0", 0.0},   {"0e5", 0.0},            {"+7", 7.0},
                          {"1e300", 1e300}, {"\t.25", 0.25}};
    for (const Case& c : cases) {
        double value = -1.0;
        EXPECT_TRUE(ParseNumber(c.text, value)) << c.text;
        EXPECT_DOUBLE_EQ(c.value, value) << c.text;
    }
}

TEST(ParseNumber, RefusesZeroNotWrittenWithLeadingZeroAndTrailingText)
{
    const char* const refused[] = {"", "  ", "abc", "-0", "+0", ".0", "1e-400", "1.5x", "1 2",
                                   "1,5", "0x", "\t-"};
    for (const char* text : refused) {
        double value = 0.0;
        EXPECT_FALSE(ParseNumber(text, value)) << '"' << text << '"';
    }
}
