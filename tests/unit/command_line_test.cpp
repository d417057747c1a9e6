// jaggo tests: reading the -s value.
// White space, signs, junk, no digits and both 32-bit limits.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/command_line.h"

namespace {

using jaggo::parse_samples;

TEST(SamplesValue, DigitsSignsAndWhiteSpace) {
    EXPECT_EQ(parse_samples("8"), 8);
    EXPECT_EQ(parse_samples("0"), 0);
    EXPECT_EQ(parse_samples("+16"), 16);
    EXPECT_EQ(parse_samples("-2"), -2);
    EXPECT_EQ(parse_samples(" \t\n\v\f\r4"), 4);
    EXPECT_EQ(parse_samples("0004"), 4);
}

TEST(SamplesValue, TextWithoutLeadingDigitsGivesZero) {
    EXPECT_EQ(parse_samples(""), 0);
    EXPECT_EQ(parse_samples("abc"), 0);
    EXPECT_EQ(parse_samples("-h"), 0);
    EXPECT_EQ(parse_samples("+"), 0);
    EXPECT_EQ(parse_samples("--4"), 0);
    EXPECT_EQ(parse_samples("+-4"), 0);
    EXPECT_EQ(parse_samples("x8"), 0);
}

TEST(SamplesValue, StopsAtFirstNonDigit) {
    EXPECT_EQ(parse_samples("8x"), 8);
    EXPECT_EQ(parse_samples("4.9"), 4);
    EXPECT_EQ(parse_samples("12 34"), 12);
    EXPECT_EQ(parse_samples("0x10"), 0);
    EXPECT_EQ(parse_samples("- 4"), 0);
}

TEST(SamplesValue, SaturatesAtThe32BitLimits) {
    EXPECT_EQ(parse_samples("2147483647"), INT32_MAX);
    EXPECT_EQ(parse_samples("2147483648"), INT32_MAX);
    EXPECT_EQ(parse_samples("99999999999"), INT32_MAX);
    EXPECT_EQ(parse_samples("99999999999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(parse_samples("-2147483648"), INT32_MIN);
    EXPECT_EQ(parse_samples("-2147483649"), INT32_MIN);
    EXPECT_EQ(parse_samples("-99999999999999999999999999999999"), INT32_MIN);
    EXPECT_EQ(parse_samples("-2147483647"), -2147483647);
}

}  // namespace
