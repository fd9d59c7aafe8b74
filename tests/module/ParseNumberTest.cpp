#include "dialogs/ParseNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace
{
struct Case {
    const char* text; // "." stands for the locale's decimal separator
    bool number;
    double value;
};

// Decimal numbers only: the C library's other forms and results that are not finite are
// refused, as is a zero not written with a leading "0".
const Case kCases[] = {
    {"1.5", true, 1.5},      {" \t-2e3 \t", true, -2000.0},
    {"0", true, 0.0},        {"0.0", true, 0.0},
    {"0e5", true, 0.0},      {"+7", true, 7.0},
    {"\t.25", true, 0.25},   {"5.", true, 5.0},
    {"1e308", true, 1e308},  {"1E-3", true, 0.001},
    {"", false, 0},          {"  ", false, 0},
    {"abc", false, 0},       {"-0", false, 0},
    {"+0", false, 0},        {".0", false, 0},
    {"1e-400", false, 0},    {"1e400", false, 0},
    {"-1e400", false, 0},    {"nan", false, 0},
    {"NaN", false, 0},       {"inf", false, 0},
    {"-Infinity", false, 0}, {"INF", false, 0},
    {"0x10", false, 0},      {"0X1p3", false, 0},
    {"1.5x", false, 0},      {"1 2", false, 0},
    {"1e", false, 0},        {"1e+", false, 0},
    {".", false, 0},         {"-", false, 0},
    {"\t-", false, 0},
};

std::string InLocale(const char* text)
{
    std::string result;
    for (const char* p = text; *p; ++p)
        result += *p == '.' ? std::string(std::localeconv()->decimal_point) : std::string(1, *p);
    return result;
}

class ParseNumberIn : public ::testing::TestWithParam<const char*>
{
  protected:
    void SetUp() override { ASSERT_NE(nullptr, std::setlocale(LC_NUMERIC, GetParam())); }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};
} // namespace

TEST_P(ParseNumberIn, AcceptsOnlyWholeDecimalNumbers)
{
    for (const Case& c : kCases) {
        const std::string text = InLocale(c.text);
        double value = -1.0;
        EXPECT_EQ(c.number, ParseNumber(text.c_str(), value)) << '"' << text << '"';
        if (c.number) {
            EXPECT_DOUBLE_EQ(c.value, value) << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(NumericLocales, ParseNumberIn,
                         ::testing::Values("C", "German_Germany.1252"));

TEST(ParseNumber, TakesOnlyTheSeparatorOfTheNumericLocale)
{
    double value = 0.0;
    EXPECT_FALSE(ParseNumber("1,5", value));
    ASSERT_NE(nullptr, std::setlocale(LC_NUMERIC, "German_Germany.1252"));
    EXPECT_TRUE(ParseNumber("1,5", value));
    EXPECT_DOUBLE_EQ(1.5, value);
    EXPECT_FALSE(ParseNumber("1.5", value));
    std::setlocale(LC_NUMERIC, "C");
}
