#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dem/conversions.h"

TEST(Conversions, IntegerTakesSignAndDigitsAndKeepsLowBits) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"  42", 42},   {"-17x", -17},    {"+5", 5},           {"", 0},       {"abc", 0},        {"   ", 0},
      {"1 2", 1},     {"\t-0", 0},      {"- 3", 0},          {"007", 7},    {"4294967297", 1}, {"3.9", 3},
  };
  for (auto& c : cases) EXPECT_EQ(toInteger(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(static_cast<std::int16_t>(toInteger(" 40000")), -25536);  // an int16 field wraps
}

TEST(Conversions, RealReadsTheLongestNumberPrefix) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"0.300000E+02", 30},  {" 1.5e1", 15},  {".5", 0.5},  {"5.", 5},          {"-2.5E-1", -0.25},
      {"1e", 1},             {"1e+", 1},      {"+.25x", 0.25}, {"x", 0},         {"", 0},
      {".", 0},              {"inf", 0},      {"nan", 0},    {"0x10", 0},       {"1D+02", 1},
      {"   0.000587469481022D+07", 0.000587469481022},
  };
  for (auto& c : cases) EXPECT_DOUBLE_EQ(toReal(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(toReal("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(toReal("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(toReal("1e-999"), 0.0);
}

TEST(Conversions, RealWithDExponentReplacesOnlyTheFirstCapitalD) {
  EXPECT_DOUBLE_EQ(toRealD("   0.500000000000000D+06"), 500000);
  EXPECT_DOUBLE_EQ(toRealD("   0.500000000000000E+06"), 500000);
  EXPECT_DOUBLE_EQ(toRealD("   0.000587469481022D+07"), 5874.69481022);
  EXPECT_DOUBLE_EQ(toRealD("1d+02"), 1);  // lower case d is not an exponent
  EXPECT_DOUBLE_EQ(toRealD("12.5"), 12.5);
}

TEST(Conversions, TruncationDropsTheFractionAndWraps) {
  EXPECT_EQ(truncate32(2.9), 2);
  EXPECT_EQ(truncate32(-2.9), -2);
  EXPECT_EQ(truncate16(70000.5), 4464);
  EXPECT_EQ(truncate16(0.5), 0);
  EXPECT_EQ(truncate32(4294967296.0 + 7), 7);
  EXPECT_EQ(truncate32(-4294967296.0 - 7), -7);
  EXPECT_EQ(truncate32(1e30), truncate32(std::fmod(1e30, 4294967296.0)));
  EXPECT_EQ(truncate32(std::nan("")), 0);
  EXPECT_EQ(truncate32(std::numeric_limits<double>::infinity()), 0);
}

TEST(Conversions, SingleRoundsToNearestAndOverflowsToInfinity) {
  EXPECT_EQ(toSingle(0.1), 0.1f);
  EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::infinity());
  EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(toSingle(double(std::numeric_limits<float>::max())), std::numeric_limits<float>::max());
}
