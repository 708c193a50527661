#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "framework/fixed_rate_logic.hpp"
#include "platform/clock.hpp"

namespace {

// A logic object created and started at the scripted clock's present time.
struct Started {
  explicit Started(int start_time = 0) : clock(start_time) {
    logic.Create();
    logic.Init();
  }
  // One frame that took ms milliseconds; returns the ticks due.
  double Frame(int ms) {
    clock.Advance(ms);
    logic.Calc();
    return logic.NumTicks;
  }
  void PassFirstFrames() {
    for (int i = 0; i < logic.FirstMax; ++i) Frame(5);
  }
  ScriptedClock clock;
  TFixedRateLogic logic;
};

}  // namespace

TEST(FixedRateLogic, InitComputesMillisecondsPerTickAndPublishesDeltaOne) {
  Started s;
  EXPECT_FLOAT_EQ(s.logic.MS, 5.0f);
  EXPECT_EQ(vorpel::Delta, 1.0f);
  EXPECT_EQ(s.logic.LastNumTicks, 1.0);
  EXPECT_EQ(s.logic.First, 5);
  s.logic.SetDefaultFramerate(60);
  EXPECT_FLOAT_EQ(s.logic.MS, 5.0f);  // only CalcMS or Init recompute it
  s.logic.CalcMS();
  EXPECT_FLOAT_EQ(s.logic.MS, 16.666667f);
}

TEST(FixedRateLogic, FirstFiveFramesBypassTheHistoryAndTheSixthWritesIt) {
  Started s;
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(s.Frame(16), 3.2);
  EXPECT_EQ(s.logic.History[0], 0);
  EXPECT_EQ(s.logic.HistorySize, 1);
  EXPECT_DOUBLE_EQ(s.Frame(17), 3.4);
  EXPECT_EQ(s.logic.History[0], 17);
  EXPECT_EQ(s.logic.HistorySize, 2);
}

TEST(FixedRateLogic, FrameTimesWithinAMillisecondOfTheAverageUseTheAverage) {
  Started s;
  s.PassFirstFrames();
  for (int ms : {16, 17, 16, 17}) s.Frame(ms);
  EXPECT_NEAR(s.Frame(17), 3.32, 1e-9);  // (16+17+16+17+17)/5 = 16.6
  EXPECT_EQ(s.logic.current, 3);

  Started t;
  t.PassFirstFrames();
  for (int ms : {16, 17, 16, 17}) t.Frame(ms);
  EXPECT_DOUBLE_EQ(t.Frame(30), 6.0);  // far from the average 19.2: taken raw
}

TEST(FixedRateLogic, WithoutJitterCorrectionTheRawTimeCounts) {
  Started s;
  s.logic.JitterCorrection = 0;
  s.PassFirstFrames();
  for (int ms : {16, 17, 16, 17}) s.Frame(ms);
  EXPECT_DOUBLE_EQ(s.Frame(17), 3.4);
  EXPECT_EQ(s.logic.History[4], 17);  // the history is still kept
}

TEST(FixedRateLogic, HistoryRingAveragesTheLastFiftyFrames) {
  Started s;
  s.PassFirstFrames();
  for (int i = 0; i < 60; ++i) s.Frame(10);
  for (int i = 0; i < 49; ++i) s.Frame(20);
  EXPECT_EQ(s.logic.HistorySize, 50);
  EXPECT_NEAR(s.Frame(20), 20.0 / 5, 1e-9);  // neither 10 nor 30 of the old frames remain
  EXPECT_NEAR(s.Frame(19), (49 * 20 + 19) / 50.0 / 5, 1e-9);
}

TEST(FixedRateLogic, LongFrameCountsAsTheThreshold) {
  Started s;
  EXPECT_DOUBLE_EQ(s.Frame(400), 10.0);
  EXPECT_EQ(s.logic.TmpMS, 50.0);
  EXPECT_EQ(s.logic.current, 10);
  EXPECT_EQ(s.logic.maximum, 10);
  s.logic.SetThreshold(100);
  EXPECT_DOUBLE_EQ(s.Frame(400), 20.0);
}

TEST(FixedRateLogic, ClockWrappingToNegativeRepeatsTheLastTickCount) {
  Started s(INT_MAX - 30);
  EXPECT_DOUBLE_EQ(s.Frame(16), 3.2);
  EXPECT_DOUBLE_EQ(s.Frame(22), 3.2);  // wrapped: now < LastTime
  EXPECT_LT(s.logic.LastTime, 0);
  EXPECT_DOUBLE_EQ(s.Frame(15), 3.0);
}

TEST(FixedRateLogic, HistoryClearEmptiesTheUsedEntries) {
  Started s;
  s.PassFirstFrames();
  for (int ms : {16, 17, 18}) s.Frame(ms);
  s.logic.HistoryClear();
  EXPECT_EQ(s.logic.History[0] + s.logic.History[1] + s.logic.History[2], 0);
  EXPECT_EQ(s.logic.HistorySize, 1);
  EXPECT_EQ(s.logic.HistoryCounter, 0);
}

TEST(FixedRateLogic, SetDeltaScalesWhatItPublishes) {
  TFixedRateLogic logic;
  logic.DeltaMultiplier = 2.5f;
  logic.SetDelta(0.4f);
  EXPECT_FLOAT_EQ(vorpel::Delta, 1.0f);
  EXPECT_FLOAT_EQ(logic.FullDelta, 0.4f);
}

TEST(FixedRateLogic, MisuseGivesFiniteResultsInsteadOfUndefinedBehaviour) {
  ScriptedClock clock(0);
  TFixedRateLogic logic;  // no Create: the history is allocated when first needed
  logic.Init();
  for (int i = 0; i < 7; ++i) {
    clock.Advance(10);
    logic.Calc();
  }
  EXPECT_DOUBLE_EQ(logic.NumTicks, 2.0);
  EXPECT_EQ(logic.History.size(), 50u);

  logic.Framerate = 0;  // no rate: no ticks, no division by zero
  logic.Init();
  clock.Advance(10);
  logic.Calc();
  EXPECT_EQ(logic.NumTicks, 0.0);

  logic.Framerate = 1e30f;  // absurd rate and threshold: the counters saturate
  logic.SetThreshold(INT_MAX);
  clock.Set(INT_MIN);
  logic.Init();
  clock.Advance(INT_MAX);
  logic.Calc();
  EXPECT_TRUE(std::isfinite(logic.NumTicks));
  EXPECT_EQ(logic.current, INT_MAX);
}
