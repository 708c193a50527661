#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/graphics.hpp"

namespace testsupport {

// Opens a real window with a GL context (the offscreen driver under CTest) for each test and
// closes it afterwards.
class GraphicsTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 160;
  static constexpr int kHeight = 120;
  void SetUp() override;
  void TearDown() override;
  // The back buffer's pixel as 0xAARRGGBB (alpha always 255).
  static std::uint32_t Pixel(int x, int y);
  static int Red(std::uint32_t argb) { return int((argb >> 16) & 255); }
  static int Green(std::uint32_t argb) { return int((argb >> 8) & 255); }
  static int Blue(std::uint32_t argb) { return int(argb & 255); }
};

}  // namespace testsupport
