// Riding out a suspension of the application (minimised or in the background).
#include "kit/game_system.hpp"
#include "kit/projection.hpp"
#include "kit/truncate.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

namespace {

constexpr int kFadeBackFrames = 25;

// Without a picture of the screen the graphics may be gone: wait, then open them again.
void WaitAndReopen(const MGE_KitState& kit) {
  while (AppSuspendedQuery()) SleepMilliseconds(100);
  SleepMilliseconds(500);
  GraphicsOpen(kit.screenWidth, kit.screenHeight, kit.screenDepth, 60, 0);
  if (kit.projectionMode == 1)
    ProjectionMatrix::SetLetterbox(TruncToInt(kit.gameWidth), TruncToInt(kit.gameHeight));
}

// Shows the screen as it was, dimmed, while suspended and for a moment after.
void ShowDimmed(const MGE_KitState& kit, const PixmapPtr& screen) {
  MGE_GameSystem::ResetRenderStates();
  SetColor(0, 0, 0);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetAlpha(0.7f);
  SetBlend(ALPHABLEND);
  auto frame = [&](int sleep_ms) {
    // The grab is of the whole back buffer, so it goes to its corner whatever the origin.
    const TMax2DGraphics& s = DrawState();
    DrawPixmap(screen, -s.origin_x, -s.origin_y);
    DrawRect(0.0f, 0.0f, kit.gameWidth, kit.gameHeight);
    Flip(1);
    SleepMilliseconds(sleep_ms);
  };
  while (AppSuspendedQuery()) frame(100);
  for (int i = 0; i < kFadeBackFrames; ++i) frame(20);
}

}  // namespace

int MGE_GameSystem::DoAppSuspended() {
  if (!AppSuspendedQuery()) return 0;
  const MGE_KitState& kit = KitState();
  // Copies: the callbacks may replace themselves.
  MGE_AppFunction on_suspend = kit.suspendFunction;
  on_suspend();
  SetMouseVisible(true);
  PixmapPtr screen = GrabPixmap(0, 0, kit.screenWidth, kit.screenHeight);
  if (screen)
    ShowDimmed(kit, screen);
  else
    WaitAndReopen(kit);
  SetMouseVisible(false);
  ResetRenderStates();
  ResetDeltaLogicTime();
  MGE_AppFunction on_resume = kit.resumeFunction;
  on_resume();
  return 0;
}
