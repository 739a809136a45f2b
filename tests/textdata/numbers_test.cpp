// The number grammar of the data files and the clamping conversions.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "textdata/numbers.h"

namespace {

TEST(TextdataNumbers, TextToFloatFollowsTheGrammar) {
  struct Case {
    const char* text;
    float expected;
  };
  const Case cases[] = {
      {"5", 5.0f},          {" 5.00000000", 5.0f},
      {"\t-3.5", -3.5f},    {"+2", 2.0f},
      {"0.05", 0.05f},      {".5", 0.5f},
      {"5.", 5.0f},         {"1e3", 1000.0f},
      {"1E-2", 0.01f},      {"2.5e+1x", 25.0f},
      {"1e", 1.0f},         {"1e+", 1.0f},
      {"12abc", 12.0f},     {"", 0.0f},
      {"   ", 0.0f},        {"-", 0.0f},
      {".", 0.0f},          {"abc", 0.0f},
      {"nan", 0.0f},        {"inf", 0.0f},
      {"-infinity", 0.0f},  {"0x1p3", 0.0f},
      {"1e-999", 0.0f},     {"3000000000", 3e9f},
      {"1e30", 1e30f},      {"1e39", FLT_MAX},
      {"-1e999", -FLT_MAX}, {"1e99999999999", FLT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToFloat(c.text), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(TextdataNumbers, TextToFloatRoundsToSinglePrecision) {
  // 0.1 as a float is not 0.1 as a double: the result must be the float.
  EXPECT_EQ(TextToFloat("0.1"), 0.1f);
  EXPECT_EQ(TextToFloat("16777217"), 16777216.0f);
  std::string manyDigits(5000, '9');
  EXPECT_EQ(TextToFloat(manyDigits), FLT_MAX);
  EXPECT_EQ(TextToFloat("0." + std::string(400, '0') + "1"), 0.0f);
  EXPECT_EQ(TextToFloat("-1" + std::string(400, '0') + ".5e-10"), -FLT_MAX);
  EXPECT_EQ(TextToFloat("1" + std::string(400, '0') + "e-395"), 1e5f);
}

TEST(TextdataNumbers, TextToIntFollowsTheGrammar) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"42", 42},
      {"  -17x", -17},
      {"+8", 8},
      {" 5.00000000", 5},
      {"$ff", 255},
      {"$1G", 1},
      {"%101", 5},
      {"%102", 2},
      {"-$10", -16},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"3000000000", INT_MAX},
      {"-3000000000", INT_MIN},
      {"99999999999999999999999999", INT_MAX},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.expected) << "text: \"" << c.text << "\"";
  }
}

TEST(TextdataNumbers, TruncToIntClampsInsteadOfOverflowing) {
  EXPECT_EQ(TruncToInt(2.9f), 2);
  EXPECT_EQ(TruncToInt(-2.9f), -2);
  EXPECT_EQ(TruncToInt(1e30f), INT_MAX);
  EXPECT_EQ(TruncToInt(-1e30f), INT_MIN);
  EXPECT_EQ(TruncToInt(3e9f), INT_MAX);
  EXPECT_EQ(TruncToInt(std::nanf("")), 0);
  EXPECT_EQ(TruncToInt(INFINITY), INT_MAX);
  EXPECT_EQ(TruncToInt(-INFINITY), INT_MIN);
  EXPECT_EQ(TruncToInt(2147483520.0f), 2147483520);  // the largest float below 2^31
}

TEST(TextdataNumbers, FloatToTextKeepsNineDigitsAndThePoint) {
  EXPECT_EQ(FloatToText(5.0f), "5.00000000");
  EXPECT_EQ(FloatToText(0.05f), "0.0500000007");
  EXPECT_EQ(FloatToText(-3.0f), "-3.00000000");
  EXPECT_EQ(FloatToText(0.0f), "0.00000000");
  EXPECT_EQ(FloatToText(1e30f), "1.00000002e+30");
  EXPECT_EQ(FloatToText(std::nanf("")), "0.00000000");
  EXPECT_EQ(TextToFloat(FloatToText(INFINITY)), FLT_MAX);
  // Every float survives the trip through its text.
  for (float v : {0.1f, 123456.789f, -7.25e-12f, 3.4e38f, 1.17549435e-38f}) {
    EXPECT_EQ(TextToFloat(FloatToText(v)), v) << FloatToText(v);
  }
}

}  // namespace
