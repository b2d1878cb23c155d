// Number <-> text conversions used by every listing, message and chart file.
#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "astro/NumberText.h"

namespace natalis {
namespace {

TEST(IntFloor, RoundsTowardsMinusInfinity) {
    EXPECT_EQ(IntFloor(-0.25), -1.0);
    EXPECT_EQ(IntFloor(2.999), 2.0);
    EXPECT_EQ(IntFloor(-3.0), -3.0);
}

// Values no long can hold have no rounding of their own; they never reach a text, since the
// computations refuse them first, but they must not be undefined on the way.
TEST(CIntEven, NaNAndHugeValuesStayDefined) {
    EXPECT_EQ(CIntEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(CIntEven(1e300), LONG_MAX);
    EXPECT_EQ(CIntEven(-std::numeric_limits<double>::infinity()), LONG_MIN);
    EXPECT_EQ(CIntEven(9.1e18), 9100000000000000000L);
}

TEST(CIntEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double x;
        long expected;
    } cases[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},   {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
                 {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {59.4, 59}, {59.7, 60}};
    for (const Case& c : cases) EXPECT_EQ(CIntEven(c.x), c.expected) << c.x;
}

TEST(Val, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"2 000", 2000},   {"05/", 5},    {"  -12.5xyz", -12.5},
        {"", 0},           {"abc", 0},    {"-", 0},
        {".", 0},          {".25", 0.25}, {"- 5", -5},
        {"1.2.3", 1.2},    {"1e3", 1000}, {"1E-2", 0.01},
        {"1e", 1},         {"1e+", 1},    {"+7", 7},
        {"3 2000", 32000}, {"14:30", 14}, {"1 2e 1", 120},
        {"\t4", 4},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << c.text;
}

TEST(Val, HugeExponentStaysFinite) {
    EXPECT_TRUE(std::isfinite(Val("1e999")));
    EXPECT_GT(Val("1e999"), 1e300);
    EXPECT_EQ(Val("1e-999"), 0.0);
}

// A number of more than 308 digits is too large for a double, like a huge exponent, and
// keeps the largest finite value; one whose first digit lies that far after the point is
// too small and reads as 0.
TEST(Val, NumbersOfMoreThan308DigitsAreHugeNotZero) {
    const std::string digits400 = "1" + std::string(399, '0');
    EXPECT_EQ(Val(digits400), std::numeric_limits<double>::max());
    EXPECT_EQ(ValLeading("  " + digits400 + " x"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val("-" + digits400), -std::numeric_limits<double>::max());
    EXPECT_EQ(Val(digits400 + ".5"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val(digits400 + "e-50"), std::numeric_limits<double>::max());  // still 1e349
    EXPECT_DOUBLE_EQ(Val(digits400 + "e-500"), 1e-101);  // in range: read as it is
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1e800"), std::numeric_limits<double>::max());
    EXPECT_EQ(Val(std::string(400, '0') + "7"), 7.0);  // leading zeros are no digits of size
    EXPECT_EQ(Val("1e99999999999999999999"), std::numeric_limits<double>::max());
}

TEST(ValLeading, BlankEndsTheNumber) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {{"2: 5", 2}, {"  5: 14.3000", 5}, {"2 000", 2},
                 {"- 5", 0},  {"-3.5abc", -3.5},   {"", 0},
                 {"x1", 0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ValLeading(c.text), c.expected) << c.text;
}

TEST(StrSigned, PlaceForTheSignAndNoZeroBeforeThePoint) {
    struct Case {
        double x;
        const char* expected;
    } cases[] = {{25, " 25"},     {-1, "-1"},      {0.25, " .25"},
                 {-0.5, "-.5"},   {14.5, " 14.5"}, {0, " 0"},
                 {-0.0, " 0"},    {2000, " 2000"}, {123.45679, " 123.45679"},
                 {1e16, " 1E+16"}};
    for (const Case& c : cases) EXPECT_EQ(StrSigned(c.x), c.expected) << c.x;
}

TEST(FormatGeneral, OnlyTheDecimalsItHas) {
    struct Case {
        double x;
        const char* expected;
    } cases[] = {{32, "32"},       {45.5, "45.5"}, {-3, "-3"},         {0.25, "0.25"},
                 {32000, "32000"}, {0, "0"},       {0.1 + 0.2, "0.3"}, {-3001, "-3001"}};
    for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.x), c.expected) << c.x;
}

TEST(FormatPicture, NoLeadingZeroNoTrailingZerosHalvesAwayFromZero) {
    struct Case {
        double x;
        int decimals;
        const char* expected;
    } cases[] = {
        {0.25, 5, ".25"},      {123.456789, 5, "123.45679"}, {123.45, 5, "123.45"},
        {30.125, 2, "30.13"},  {-30.125, 2, "-30.13"},       {0.004, 2, "0"},
        {99.999999, 5, "100"}, {359.999996, 5, "360"},       {7, 2, "7"},
        {-0.5, 2, "-.5"},      {0.000005, 5, ".00001"},      {12.34567, 4, "12.3457"},
        {1234.5, 0, "1235"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPicture(c.x, c.decimals), c.expected) << c.x << " " << c.decimals;
}

TEST(ZeroPad, LeadingZerosToWidth) {
    EXPECT_EQ(ZeroPad(5, 2), "05");
    EXPECT_EQ(ZeroPad(-5, 2), "-5");
    EXPECT_EQ(ZeroPad(-5, 3), "-05");
    EXPECT_EQ(ZeroPad(123, 2), "123");
    EXPECT_EQ(ZeroPad(5, 3), "005");
    EXPECT_EQ(ZeroPad(0, 2), "00");
}

// A user locale with a decimal comma must change neither reading nor writing.
TEST(NumberText, IndependentOfTheCLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    std::string saved = old ? old : "C";
    bool switched = std::setlocale(LC_ALL, "es_ES.UTF-8") || std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(Val("14.5"), 14.5);
    EXPECT_EQ(StrSigned(14.5), " 14.5");
    EXPECT_EQ(FormatGeneral(45.5), "45.5");
    EXPECT_EQ(FormatPicture(0.25, 5), ".25");
    std::setlocale(LC_ALL, saved.c_str());
    if (!switched) GTEST_LOG_(INFO) << "no comma locale installed; checked in the C locale only";
}

}  // namespace
}  // namespace natalis
