#include <gtest/gtest.h>

#include "kit/game_system.hpp"
#include "platform/clock.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

namespace {

class FrameTiming : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    MGE_GameSystem().Start();
  }
  float LastRingEntry() const {
    const MGE_KitState& kit = KitState();
    return kit.deltaArray[std::size_t(kit.deltaIndex)];
  }
  ScriptedClock clock{100000};
};

}  // namespace

TEST_F(FrameTiming, SlowFramesEnterTheRingCappedAt50) {
  // The first frame after start-up is measured from a last frame time of 0.
  MGE_GameSystem::EndScene(0);
  EXPECT_EQ(KitState().deltaIndex, 1);
  EXPECT_EQ(LastRingEntry(), 50.0f);
  clock.Advance(200);
  MGE_GameSystem::EndScene(0);
  EXPECT_EQ(KitState().deltaIndex, 2);
  EXPECT_EQ(LastRingEntry(), 50.0f);
}

TEST_F(FrameTiming, AFastFrameSleepsTowardTheAverage) {
  MGE_GameSystem::ResetDeltaArray();
  KitState().lastFrameTime = clock.Now();
  clock.Advance(10);
  MGE_GameSystem::EndScene(0);
  // Average (79 * 20 + 10) / 80 = 19.875: sleep 9, then FrameDelta = (19.875 + 10) / 2.
  EXPECT_EQ(clock.TotalSlept(), 9);
  EXPECT_EQ(vorpel::FrameDelta, 14.9375f);
  EXPECT_EQ(KitState().lastFrameTime, clock.Now());
}

TEST_F(FrameTiming, TheRingWrapsAfter80Frames) {
  MGE_GameSystem::ResetDeltaArray();
  KitState().lastFrameTime = clock.Now();
  for (int i = 0; i < 80; ++i) {
    clock.Advance(30);
    MGE_GameSystem::EndScene(0);
  }
  EXPECT_EQ(KitState().deltaIndex, 0);
  EXPECT_EQ(KitState().deltaArray[0], 30.0f);
  EXPECT_EQ(vorpel::FrameDelta, 30.0f);
  EXPECT_EQ(clock.TotalSlept(), 0);
}

TEST_F(FrameTiming, FramesAreCountedPerSecond) {
  MGE_GameSystem::ResetDeltaArray();
  KitState().lastFrameTime = clock.Now();
  // 40 ms frames never sleep (the average stays below 40); the 26th passes 1000 ms.
  for (int i = 0; i < 25; ++i) {
    clock.Advance(40);
    MGE_GameSystem::EndScene(0);
  }
  EXPECT_EQ(MGE_GameSystem::FPS(), 0);
  clock.Advance(40);
  MGE_GameSystem::EndScene(0);
  EXPECT_EQ(MGE_GameSystem::FPS(), 26);
  EXPECT_EQ(KitState().frameCount, 0);
}

TEST_F(FrameTiming, TheFrameCapHoldsFramesApart) {
  MGE_GameSystem::SetFixedFPS(60);
  MGE_GameSystem::EndScene2(0);
  int first_end = clock.Now();
  EXPECT_EQ(clock.TotalSlept(), 1) << "at least one 1 ms sleep";
  EXPECT_EQ(KitState().nextFrameTime, first_end + 15);
  MGE_GameSystem::EndScene2(0);
  EXPECT_EQ(clock.Now() - first_end, 16);

  MGE_GameSystem::SetFixedFPS(0);
  int slept = clock.TotalSlept();
  MGE_GameSystem::EndScene2(0);
  EXPECT_EQ(clock.TotalSlept(), slept);
}

TEST_F(FrameTiming, AStaleNextFrameTimeIsNotWaitedFor) {
  MGE_GameSystem::SetFixedFPS(60);
  // As if the clock had wrapped since the time was set: far ahead, not a frame away.
  KitState().nextFrameTime = clock.Now() + 1000000;
  MGE_GameSystem::EndScene2(0);
  EXPECT_EQ(clock.TotalSlept(), 1);
}

TEST_F(FrameTiming, EndScene3OnlyFlips) {
  MGE_GameSystem::SetFixedFPS(60);
  MGE_GameSystem::EndScene3(0);
  EXPECT_EQ(clock.TotalSlept(), 0);
  EXPECT_EQ(KitState().deltaIndex, 0);
}

TEST_F(FrameTiming, FixedLogicRunsTheWholeStepsDue) {
  MGE_GameSystem::SetFixedLogicRate(30);
  EXPECT_EQ(KitState().logicStep, 33);
  int start = KitState().lastLogicTime;
  EXPECT_EQ(start, clock.Now() - 33);
  clock.Set(start + 100);
  int runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(clock.Now() - KitState().lastLogicTime, 1) << "1 ms left for the next frame";

  runs = 0;
  clock.Advance(20);
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 0);
}

TEST_F(FrameTiming, FixedLogicWaitsForTheClockToMove) {
  MGE_GameSystem::SetFixedLogicRate(30);
  clock.Set(KitState().lastLogicTime);
  int runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(clock.Now() - KitState().lastLogicTime, 1) << "it spun until 1 ms had passed";
  EXPECT_EQ(runs, 0);
}

TEST_F(FrameTiming, ALongStallRunsTheLogicOnceAndDropsItsBacklog) {
  MGE_GameSystem::SetFixedLogicRate(30);
  int start = KitState().lastLogicTime;
  clock.Set(start + 33 * 1001 + 7);
  int runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(KitState().lastLogicTime, clock.Now() - 7) << "the step phase is kept";
  clock.Advance(30);
  runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 1) << "the next frame runs one step, not the stall's backlog";
  clock.Set(KitState().lastLogicTime + 33 * 1000 + 20);
  runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 1000) << "1000 due steps all run";
}

TEST_F(FrameTiming, LogicRatesWithoutAWholeStepStayUsable) {
  MGE_GameSystem::SetFixedLogicRate(0);
  EXPECT_EQ(KitState().logicRate, 30) << "a rate of 0 is ignored";
  MGE_GameSystem::SetFixedLogicRate(5000);
  EXPECT_EQ(KitState().logicStep, 1);
  clock.Advance(3);
  int runs = 0;
  MGE_GameSystem::DoFixedLogic([&] { ++runs; });
  EXPECT_EQ(runs, 4);
}

TEST_F(FrameTiming, ResetDeltaLogicTimeRestartsFromNow) {
  MGE_GameSystem::SetFixedLogicRate(50);
  clock.Advance(5000);
  MGE_GameSystem::ResetDeltaLogicTime();
  EXPECT_EQ(KitState().lastLogicTime, clock.Now() - 20);
  for (float d : KitState().deltaArray) EXPECT_EQ(d, 20.0f);
}
