#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>

#include "ini/decimal_float.h"

TEST(DecimalFloat, ReadsDecimalNumbersAsAtofDoesNarrowedToFloat) {
    const char* const numbers[] = {"0",     "-0",      "1",          "-1034.6",  "12.5",    "0.8",  ".5",
                                   "5.",    "+7.25",   "2e2",        "2E-2",     "1e38",    "-3.4e38",
                                   "123456789012345678901234567890", "0.000000000000000000000000000000000000012",
                                   "3.14159265358979323846264338", "  \t42",   "1e-50",   "100000000000000000000e-5"};
    for (const char* number : numbers)
        EXPECT_EQ(decimalFloat(number), static_cast<float>(std::atof(number))) << number;
}

TEST(DecimalFloat, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(decimalFloat("12.5abc"), 12.5f);
    EXPECT_EQ(decimalFloat("3e"), 3.0f);
    EXPECT_EQ(decimalFloat("3e+"), 3.0f);
    EXPECT_EQ(decimalFloat("4.5.6"), 4.5f);
    EXPECT_EQ(decimalFloat("7 8"), 7.0f);
    EXPECT_EQ(decimalFloat("high"), 0.0f);
    EXPECT_EQ(decimalFloat(""), 0.0f);
    EXPECT_EQ(decimalFloat("-"), 0.0f);
    EXPECT_EQ(decimalFloat("."), 0.0f);
}

TEST(DecimalFloat, NeverGivesAnInfiniteOrUndefinedValue) {
    // What the shipped runtime reads as 0, and what lies beyond a float.
    for (const char* text : {"inf", "-inf", "INFINITY", "nan", "NaN(1)", "0x10", "1e39", "-1e39", "3.5e38",
                             "1e999999999", "99999999999999999999999999999999999999999", "1e-999999999"}) {
        float value = decimalFloat(text);
        EXPECT_TRUE(std::isfinite(value)) << text;
        EXPECT_EQ(value, 0.0f) << text;
    }
    EXPECT_EQ(decimalFloat("3.4028234e38"), FLT_MAX);
}

TEST(DecimalFloat, TellsHowMuchOfTheTextIsTheNumberAndWhenItIsBeyondAFloat) {
    struct Case {
        const char* text;
        size_t length;
        bool beyondFloat;
    };
    const Case cases[] = {{"12.5abc", 4, false}, {"3e", 1, false},   {"3e+", 1, false},      {"1e5x", 3, false},
                          {"  7", 3, false},     {"abc", 0, false},  {"1e999", 5, true},     {"-4e38", 5, true},
                          {"1e-999", 6, false},  {".5.", 2, false}};
    for (const Case& c : cases) {
        DecimalNumber number = readDecimal(c.text);
        EXPECT_EQ(number.length, c.length) << c.text;
        EXPECT_EQ(number.beyondFloat, c.beyondFloat) << c.text;
        EXPECT_EQ(number.value, decimalFloat(c.text)) << c.text;
    }
}
