#include <gtest/gtest.h>

#include <climits>

#include "framework/debug_var.hpp"
#include "framework/fps_counter.hpp"
#include "framework/tracking_var.hpp"
#include "platform/clock.hpp"

TEST(TrackingVar, DisplayPadsCurrentAndMaximumToTheLimitWidthWithoutCutting) {
  TTrackingVar v;
  v.displayLimit = 12345;
  v.Init();
  EXPECT_EQ(v.displayLimit, 999);
  EXPECT_EQ(v.displayLimitChars, 3);
  v.Label = "Ticks   ";
  v.current = 3;
  v.maximum = 12;
  EXPECT_EQ(v.GetDisplay(), "Ticks   003/012");
  v.current = 1234;
  v.maximum = -5;
  EXPECT_EQ(v.GetDisplay(), "Ticks   1234/-05");
}

TEST(DebugVar, MeasuresElapsedTimeAndClampsOnlyTheMaximum) {
  ScriptedClock clock(INT_MAX - 100);  // the measurement spans the clock's wrap
  TDebugVar watch;
  watch.Init();
  watch.Start();
  clock.Advance(1500);
  watch.Calc();
  EXPECT_EQ(watch.current, 1500);
  EXPECT_EQ(watch.maximum, 999);
  watch.Start();
  clock.Advance(20);
  watch.Calc();
  EXPECT_EQ(watch.current, 20);
  EXPECT_EQ(watch.maximum, 999);
}

TEST(FPSCounter, CountsFramesInWindowsOfJustOverASecond) {
  ScriptedClock clock(0);
  TFPSCounter fps;
  fps.Label = "FPS ";
  fps.Init();
  for (int i = 0; i < 100; ++i) {
    clock.Advance(10);
    fps.Calc();
  }
  EXPECT_EQ(fps.current, 0);  // at 1000 ms the window is still open
  clock.Advance(10);
  fps.Calc();
  EXPECT_EQ(fps.framerate, 101);
  EXPECT_EQ(fps.current, 101);
  EXPECT_EQ(fps.counter, 0);
  for (int i = 0; i < 51; ++i) {
    clock.Advance(20);
    fps.Calc();
  }
  EXPECT_EQ(fps.current, 51);
  EXPECT_EQ(fps.maximum, 101);
  EXPECT_EQ(fps.minimum, 51);
  EXPECT_EQ(fps.GetDisplay(), "FPS 051");
  EXPECT_EQ(fps.GetDisplayFPS(), "FPS 51");
}

TEST(FPSCounter, WindowClosesAcrossTheClockWrap) {
  ScriptedClock clock(INT_MAX - 500);
  TFPSCounter fps;
  fps.Init();
  for (int i = 0; i < 11; ++i) {
    clock.Advance(100);
    fps.Calc();
  }
  EXPECT_EQ(fps.current, 11);
}
