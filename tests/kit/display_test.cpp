#include <gtest/gtest.h>

#include "kit/display.hpp"

TEST(Displays, EnumeratedMonitorsAnswerByIndex) {
  const std::vector<TDisplay>& displays = Displays();
  ASSERT_EQ(int(displays.size()), GetMonitorCount());
  ASSERT_FALSE(displays.empty()) << "the offscreen driver has one display";
  const TDisplay& first = displays[0];
  EXPECT_EQ(first.id, 1);
  EXPECT_EQ(GetDisplayX(0), first.x);
  EXPECT_EQ(GetDisplayY(-5), first.y) << "a negative index means display 1";
  EXPECT_EQ(GetDesktopWidth(0), first.width);
  EXPECT_EQ(GetDesktopHeight(0), first.height);
  EXPECT_GE(GetDesktopWidth(-1), first.width) << "the whole virtual desktop";
  int beyond = int(displays.size());
  EXPECT_EQ(GetDisplayX(beyond), 0);
  EXPECT_EQ(GetDesktopWidth(beyond), 0);
  EXPECT_EQ(GetDesktopHeight(-2), 0);
  EXPECT_EQ(GetDesktopDepth(0), GetDesktopDepth(-1));
}
