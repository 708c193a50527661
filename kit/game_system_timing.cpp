// Frame timing, the frame cap and fixed-rate logic of the game system.
#include <algorithm>

#include "kit/game_system.hpp"
#include "kit/projection.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"

namespace {

void CountFrame(MGE_KitState& kit, int now) {
  ++kit.frameCount;
  if (ClockDiff(now, kit.fpsTimer) > 1000) {
    kit.fpsTimer = now;
    kit.fps = kit.frameCount;
    kit.frameCount = 0;
  }
}

// Stores the frame's time in the ring and turns the ring's average into FrameDelta, sleeping
// off part of a frame that came in faster than the average.
void MeasureFrame(MGE_KitState& kit, int now) {
  // A clock that seems to run backwards counts as no time at all.
  int elapsed = std::clamp(ClockDiff(now, kit.lastFrameTime), 0, kMaxFrameMs);
  kit.deltaIndex = (kit.deltaIndex + 1) % kDeltaRingSize;
  kit.deltaArray[std::size_t(kit.deltaIndex)] = float(elapsed);
  float sum = 0.0f;
  for (float d : kit.deltaArray) sum += d;
  float average = sum / float(kDeltaRingSize);
  if (float(elapsed) < average) {
    SleepMilliseconds(int(average - float(elapsed)));
    average = (average + float(elapsed)) / 2.0f;
  }
  vorpel::FrameDelta = average;
  kit.lastFrameTime = MillisecondClock();
}

// Holds the frame until the clock is past the next frame time, in 1 ms sleeps. A next frame
// time further ahead than one frame period is stale (set before a clock wrap, or never set)
// and is not waited for.
void CapFrameRate(MGE_KitState& kit) {
  if (kit.fixedFPS == 0) return;
  int period = 1000 / kit.fixedFPS;
  for (;;) {
    SleepMilliseconds(1);
    int ahead = ClockDiff(kit.nextFrameTime, MillisecondClock());
    if (ahead < 0 || ahead > period) break;
  }
  kit.nextFrameTime = ClockDiff(MillisecondClock(), 1 - period);
}

void Present(int sync) {
  ProjectionMatrix::DrawLetterbox();
  Flip(sync);
}

int LogicStep(int rate) { return std::max(1000 / rate, 1); }

}  // namespace

int MGE_GameSystem::SetFixedFPS(int fps) {
  KitState().fixedFPS = fps;
  return 0;
}

int MGE_GameSystem::ResetDeltaArray() {
  KitState().deltaArray.fill(20.0f);
  return 0;
}

int MGE_GameSystem::FPS() { return KitState().fps; }

int MGE_GameSystem::EndScene(int sync) {
  MGE_KitState& kit = KitState();
  Present(sync);
  int now = MillisecondClock();
  CountFrame(kit, now);
  MeasureFrame(kit, now);
  CapFrameRate(kit);
  return 0;
}

int MGE_GameSystem::EndScene2(int sync) {
  MGE_KitState& kit = KitState();
  MGE_MouseType::Render();
  if (kit.screenFader) {
    kit.screenFader->Update();
    kit.screenFader->Render();
  }
  Present(sync);
  CapFrameRate(kit);
  return 0;
}

int MGE_GameSystem::EndScene3(int sync) {
  Present(sync);
  return 0;
}

int MGE_GameSystem::SetFixedLogicRate(int rate) {
  if (rate <= 0) return 0;
  MGE_KitState& kit = KitState();
  kit.logicRate = rate;
  kit.logicStep = LogicStep(rate);
  kit.lastLogicTime = ClockDiff(MillisecondClock(), kit.logicStep);
  return 0;
}

int MGE_GameSystem::ResetDeltaLogicTime() {
  ResetDeltaArray();
  MGE_KitState& kit = KitState();
  kit.logicStep = LogicStep(kit.logicRate);
  kit.lastLogicTime = ClockDiff(MillisecondClock(), kit.logicStep);
  return 0;
}

int MGE_GameSystem::DoFixedLogic(const std::function<void()>& logic) {
  MGE_KitState& kit = KitState();
  int now = 0, elapsed = 0;
  while ((elapsed = ClockDiff(now = MillisecondClock(), kit.lastLogicTime)) == 0) ClockSpin();
  int due = elapsed / kit.logicStep;
  if (due > 1000) {
    // After a long stall the backlog is dropped, not kept to be run all at once later: one step
    // runs and the next falls due where the step phase says.
    kit.lastLogicTime = ClockDiff(now, elapsed % kit.logicStep);
    if (logic) logic();
    return 0;
  }
  for (int i = 0; i < due; ++i) {
    kit.lastLogicTime = ClockDiff(kit.lastLogicTime, -kit.logicStep);
    if (logic) logic();
  }
  return 0;
}
