#include <gtest/gtest.h>

#include <cstdint>

#include "platform/random.hpp"

namespace {
// The same recurrence computed directly in 64 bits, independent of Schrage's method.
std::int64_t Next(std::int64_t s) { return s * 48271 % 2147483647; }
}  // namespace

TEST(Random, StatesFollowTheMinimalStandardRecurrence) {
  SeedRnd(0x1234);
  std::int64_t s = 0x1234;
  for (int i = 0; i < 1000; ++i) {
    s = Next(s);
    RndReal();  // takes two states
    s = Next(s);
    ASSERT_EQ(RndSeed(), s) << "step " << i;
  }
  SeedRnd(2147483646);  // the largest state: Schrage's intermediate goes negative
  EXPECT_EQ(RndSeed(), 2147483646);
  RndReal();
  EXPECT_EQ(RndSeed(), Next(Next(2147483646)));
}

TEST(Random, TheRealIsBuiltFromTwoStates) {
  SeedRnd(99);
  std::int64_t r1 = Next(99), r2 = Next(r1);
  double expected = ((r1 & 0x1FFFFFFC) + (r2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
  EXPECT_DOUBLE_EQ(RndReal(), expected);
}

TEST(Random, SeedingMasksAndAvoidsTheFixedPoints) {
  SeedRnd(0);
  EXPECT_EQ(RndSeed(), 4660);
  SeedRnd(2147483647);
  EXPECT_EQ(RndSeed(), 4660);
  SeedRnd(-1);  // 0xFFFFFFFF & 0x7FFFFFFF = 2^31 - 1: also replaced
  EXPECT_EQ(RndSeed(), 4660);
  SeedRnd(-2);
  EXPECT_EQ(RndSeed(), 0x7FFFFFFE);
}

TEST(Random, RangesIncludeTheirBoundsInEitherOrder) {
  SeedRnd(7);
  bool saw_low = false, saw_high = false;
  for (int i = 0; i < 5000; ++i) {
    int v = Rand(10, 1);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 10);
    saw_low |= v == 1;
    saw_high |= v == 10;
    double r = Rnd(-0.025, -0.07);
    ASSERT_GE(r, -0.07);
    ASSERT_LT(r, -0.025);
  }
  EXPECT_TRUE(saw_low);
  EXPECT_TRUE(saw_high);
  int extreme = Rand(INT32_MIN, INT32_MAX);  // the whole int range: no overflow
  (void)extreme;
  EXPECT_EQ(Rand(5, 5), 5);
}
