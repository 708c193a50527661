#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdint>
#include <string>

#include "ini/int_conversion.hpp"
#include "ini/real_conversion.hpp"

using namespace std::string_literals;

TEST(TextToInt, ReadsSignAndDecimalDigitsAfterLeadingControlCharacters) {
  EXPECT_EQ(TextToInt("  \t-42abc"), -42);
  EXPECT_EQ(TextToInt("+17"), 17);
  EXPECT_EQ(TextToInt("\x01\x1f 5"), 5);
  EXPECT_EQ(TextToInt("\xa0" "5"), 0);  // code 160 is not skipped
  EXPECT_EQ(TextToInt("12 34"), 12);
  EXPECT_EQ(TextToInt("-"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("abc"), 0);
  EXPECT_EQ(TextToInt("+-5"), 0);
  EXPECT_EQ(TextToInt("7\0" "8"s), 7);
}

TEST(TextToInt, ReadsHexadecimalAfterDollarAndBinaryAfterPercent) {
  EXPECT_EQ(TextToInt("$1F"), 31);
  EXPECT_EQ(TextToInt("$ff"), 255);
  EXPECT_EQ(TextToInt("-$10"), -16);
  EXPECT_EQ(TextToInt("$fg"), 15);
  EXPECT_EQ(TextToInt("$"), 0);
  EXPECT_EQ(TextToInt("%1011"), 11);
  EXPECT_EQ(TextToInt("%102"), 2);
  EXPECT_EQ(TextToInt("-%11"), -3);
  EXPECT_EQ(TextToInt("$-5"), 0);
}

TEST(TextToInt, WrapsLikeThirtyTwoBitArithmetic) {
  EXPECT_EQ(TextToInt("2147483647"), INT_MAX);
  EXPECT_EQ(TextToInt("2147483648"), INT_MIN);
  EXPECT_EQ(TextToInt("-2147483648"), INT_MIN);
  EXPECT_EQ(TextToInt("4294967297"), 1);
  EXPECT_EQ(TextToInt("99999999999"), 1215752191);
  EXPECT_EQ(TextToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(TextToInt("$123456789"), 0x23456789);
}

TEST(TextToLong, UsesSixtyFourBitsAndWraps) {
  EXPECT_EQ(TextToLong("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(TextToLong("9223372036854775808"), INT64_MIN);
  EXPECT_EQ(TextToLong("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(TextToLong("18446744073709551617"), 1);
  EXPECT_EQ(TextToLong("$7fffffffffffffff"), INT64_MAX);
  EXPECT_EQ(TextToLong("4294967296"), 4294967296LL);
  EXPECT_EQ(TextToLong("-%101"), -5);
}

TEST(TextToReal, ReadsTheDecimalFormOnly) {
  EXPECT_DOUBLE_EQ(TextToDouble(" 1.5e3x"), 1500.0);
  EXPECT_DOUBLE_EQ(TextToDouble("\t-.5"), -0.5);
  EXPECT_DOUBLE_EQ(TextToDouble("+5."), 5.0);
  EXPECT_DOUBLE_EQ(TextToDouble("1e"), 1.0);
  EXPECT_DOUBLE_EQ(TextToDouble("1e+"), 1.0);
  EXPECT_DOUBLE_EQ(TextToDouble("2E-2"), 0.02);
  EXPECT_DOUBLE_EQ(TextToDouble("1,5"), 1.0);
  EXPECT_DOUBLE_EQ(TextToDouble("0x10"), 0.0);
  EXPECT_DOUBLE_EQ(TextToDouble("e5"), 0.0);
  EXPECT_DOUBLE_EQ(TextToDouble("."), 0.0);
  EXPECT_DOUBLE_EQ(TextToDouble("inf"), 0.0);
  EXPECT_DOUBLE_EQ(TextToDouble("nan"), 0.0);
  EXPECT_FLOAT_EQ(TextToFloat("2.5e1xyz"), 25.0f);
}

TEST(TextToReal, NumbersBeyondTheRangeGiveTheLargestFiniteValue) {
  EXPECT_EQ(TextToDouble("1e999"), DBL_MAX);
  EXPECT_EQ(TextToDouble("-1e999"), -DBL_MAX);
  EXPECT_EQ(TextToFloat("1e39"), FLT_MAX);
  EXPECT_EQ(TextToFloat("-1e39"), -FLT_MAX);
  EXPECT_EQ(TextToDouble("1e-999"), 0.0);
  EXPECT_EQ(TextToDouble("1e99999999999999999999"), DBL_MAX);
}
