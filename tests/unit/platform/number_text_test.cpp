#include <gtest/gtest.h>

#include <cmath>

#include "platform/format_mask.h"
#include "platform/number_text.h"

namespace slv {
namespace {

struct MaskCase {
    const char* mask;
    double value;
    const char* shown;
};

// Every mask the program's windows and reports use, each with the values that
// exercise its sections: positive, negative (the empty marker -1), zero.
TEST(FormatNumber, EveryDisplayMaskOfTheProgram)
{
    const MaskCase cases[] = {
        {"##0.00;\\ ", 12.345, "12.35"},
        {"##0.00;\\ ", -1, " "},
        {"##0.00;\\ ", 0, "0.00"},
        {"##0.00;\\ ", 1234.5, "1234.50"},
        {"####0.00;\\ ", 0.5, "0.50"},
        {"####0.00;\\ ", -2, " "},
        {"###0.00;\\ ", 7, "7.00"},
        {"#0.000;\\ ", 0.1234, "0.123"},
        {"##0.000;\\ ", -1, " "},
        {"##0.0000;\\ ", 1.5, "1.5000"},
        {"###0.000;\\ ", 2, "2.000"},
        {"####0.0;\\ ", 12.25, "12.3"},
        {"###0.0;\\ ", -3, " "},
        {"#0;\\ ", 3, "3"},
        {"##0;\\ ", -1, " "},
        {"########0;\\ ", 12345, "12345"},
        {"#######0;\\ ", 0, "0"},
        {"##0.00;\\ ;\\ ", 0, " "},
        {"##0.00;\\ ;\\ ", -1, " "},
        {"##0.00;\\ ;\\ ", 1.234, "1.23"},
        {"###0.00;\\ ;\\ ", 0, " "},
        {"##0.000;;\\ ", -1.5, "-1.500"},
        {"##0.000;;\\ ", 0, " "},
        {"##0.000;;\\ ", 2, "2.000"},
        {"##0.00;;\\ ", 0, " "},
        {"###0.00;;\\ ", 3.14159, "3.14"},
        {"#0.000;;\\ ", 0, " "},
        {"####0;;\\ ", 0, " "},
        {"####0;;\\ ", 5, "5"},
        {"#0.000", 0.75, "0.750"},
        {"#0.000", -0.5, "-0.500"},
        {"#0.0", 3, "3.0"},
        {"##0.0", 54.7356, "54.7"},
        {"##0.00", 8.96, "8.96"},
        {"###0.0", 1486.6, "1486.6"},
        {"##0.000", 63.546, "63.546"},
        {"###0.00", 0, "0.00"},
        {"###0.000", 1.0005, "1.001"},
        {"####0.0", 1253.6, "1253.6"},
        {"#0.0000", 0.00005, "0.0001"},
        {"#0.00", 0.125, "0.13"},
        {"#0", 9.5, "10"},
        {"##0", 10, "10"},
        {"0", 2.5, "3"},
        {"#", 0, ""},
        {"#", 7, "7"},
        {"##", 3, "3"},
        {"###", 150, "150"},
        {"#0\\.00", 400, "4.00"},
        {"#0\\.00", 230, "2.30"},
        {"#0\\.00", 5, "0.05"},
        {"0\\.00", 400, "4.00"},
        {"#0.00", -0.001, "0.00"},
        {"##0.00", 2.675, "2.68"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.mask), c.shown) << "mask " << c.mask << " value " << c.value;
}

TEST(FormatNumber, DecimalPlaceholderShowsTheLocaleSeparatorButAnEscapedPointStays)
{
    EXPECT_EQ(FormatNumber(1.5, "#0.00", ','), "1,50");
    EXPECT_EQ(FormatNumber(400, "#0\\.00", ','), "4.00");
}

TEST(FormatNumber, ValuesThatAreNotFiniteAreShownNotHidden)
{
    EXPECT_EQ(FormatNumber(std::nan(""), "##0.00;\\ "), "NaN");
    EXPECT_EQ(FormatNumber(-HUGE_VAL, "##0.00;\\ "), "-Inf");
    EXPECT_EQ(FormatNumber(1e300, "0.0").size(), 303u);
}

TEST(FormatNumber, SingleValuesShowTheirDecimalDigitsNotTheirBinaryNoise)
{
    EXPECT_EQ(FormatNumber(0.1f, "#0.000"), "0.100");
    EXPECT_EQ(FormatNumber(1486.6f, "###0.0"), "1486.6");
}

TEST(ParseNumbers, GridTextHonoursTheLocaleSeparatorAndGivesZeroOtherwise)
{
    EXPECT_FLOAT_EQ(ParseSingle(" 1.5 ", '.'), 1.5f);
    EXPECT_FLOAT_EQ(ParseSingle("1,5", ','), 1.5f);
    EXPECT_FLOAT_EQ(ParseSingle("-2.5e3", '.'), -2500.0f);
    EXPECT_FLOAT_EQ(ParseSingle(".5", '.'), 0.5f);
    for (const char* bad : {"", "   ", "abc", "1.5x", "1,5", "--1", "1e400", "e5", "."})
        EXPECT_EQ(ParseSingle(bad, '.'), 0.0f) << bad;
}

TEST(ParseNumbers, IntegersRoundHalvesToEvenAndRejectOverflow)
{
    EXPECT_EQ(ParseInteger("2.5", '.'), 2);
    EXPECT_EQ(ParseInteger("3.5", '.'), 4);
    EXPECT_EQ(ParseInteger("-2.5", '.'), -2);
    EXPECT_EQ(ParseInteger("2.6", '.'), 3);
    EXPECT_EQ(ParseInteger("32767", '.'), 32767);
    EXPECT_EQ(ParseInteger("32768", '.'), 0);
    EXPECT_EQ(ParseInteger("x", '.'), 0);
}

TEST(NeutralNumbers, WrittenWithPointAndLeadingBlankAndReadBackWhateverFollows)
{
    EXPECT_EQ(NeutralNumberText(1.5f), " 1.5");
    EXPECT_EQ(NeutralNumberText(-0.25f), "-0.25");
    EXPECT_EQ(NeutralNumberText(0.0f), " 0");
    for (float v : {0.1f, 1253.6f, -7.125e-9f, 3.4e38f})
        EXPECT_EQ(static_cast<float>(*NeutralNumberValue(NeutralNumberText(v))), v);
    EXPECT_DOUBLE_EQ(*NeutralNumberValue(" 1.5 cm"), 1.5);
    EXPECT_DOUBLE_EQ(*NeutralNumberValue(" .5"), 0.5);
    EXPECT_FALSE(NeutralNumberValue("abc").has_value());
}

TEST(NeutralNumbers, TheLocalesSeparatorIsJudgedFromItsTextOfOnePointOne)
{
    EXPECT_EQ(DecimalSeparatorOf("1.1"), '.');
    EXPECT_EQ(DecimalSeparatorOf("1,1"), ',');
}

}  // namespace
}  // namespace slv
