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

// The masks of the program's windows and reports, by their grammar: one to
// three sections (positive; negative, where the empty marker -1 shows blank;
// zero), an empty section, optional and required digits, an escaped point,
// and rounding half away from zero.
TEST(FormatNumber, EveryKindOfDisplayMask)
{
    const MaskCase cases[] = {
        {"##0.00;\\ ", 12.345, "12.35"},
        {"##0.00;\\ ", -1, " "},
        {"##0.00;\\ ", 0, "0.00"},
        {"##0.00;\\ ", 1234.5, "1234.50"},
        {"#0;\\ ", 3, "3"},
        {"##0.00;\\ ;\\ ", 0, " "},
        {"##0.00;\\ ;\\ ", -1, " "},
        {"##0.000;;\\ ", -1.5, "-1.500"},
        {"##0.000;;\\ ", 0, " "},
        {"#0.000", -0.5, "-0.500"},
        {"#0.0000", 0.00005, "0.0001"},
        {"#0.00", 0.125, "0.13"},
        {"#0", 9.5, "10"},
        {"0", 2.5, "3"},
        {"#", 0, ""},
        {"###", 150, "150"},
        {"#0\\.00", 230, "2.30"},
        {"#0\\.00", 5, "0.05"},
        {"0\\.00", 400, "4.00"},
        {"#0.00", -0.001, "0.00"},
        {"##0.00", 2.675, "2.68"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.mask), c.shown) << "mask " << c.mask << " value " << c.value;
    // The decimal placeholder shows the locale's separator, an escaped point stays.
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
    const std::pair<const char*, int> cases[] = {{"2.5", 2},       {"3.5", 4},   {"-2.5", -2}, {"2.6", 3},
                                                 {"32767", 32767}, {"32768", 0}, {"x", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseInteger(text, '.'), value) << text;
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
    EXPECT_EQ(std::string() + DecimalSeparatorOf("1.1") + DecimalSeparatorOf("1,1"), ".,");
}

}  // namespace
}  // namespace slv
