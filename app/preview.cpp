#include "app/preview.hpp"

#include <cstdlib>

#include "app/app_state.hpp"
#include "app/shared_ops.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/host.hpp"

namespace {
constexpr int kWidth = 152, kHeight = 112;
int g_start_time = 0;

// Only a handle X can name is passed on; anything else has no host.
unsigned long HostHandle() { return ParentWindow > 0 ? static_cast<unsigned long>(ParentWindow) : 0; }
}  // namespace

[[noreturn]] void PreviewEnd() {
  // The host may have taken our window down with it; closing it through SDL could then wait for
  // an answer that never comes, and the process ends anyway.
  std::_Exit(0);
}

void PreviewSetUp() {
  if (IsInstanceLocked("PreviewModeLock")) std::exit(0);
  RunMode = kRunPreview;
  SetDrawDriver(kDriverD3D7);
  if (!GraphicsOpen(kWidth, kHeight, 0, 60, kGraphicsHidden)) PreviewEnd();
  WindowHandle window = FindWindowByTitle(AppTitle());
  // Without a usable host the window stays on the desktop: bare, at its top-left corner.
  RemoveWindowFrame(window);
  EmbedWindowInHost(window, HostHandle());
  MoveResizeWindow(window, 0, 0, kWidth, kHeight);
  g_start_time = MillisecondClock();
}

void PreviewStep() {
  SetTransform(0, 1, 1);
  SetAlpha(1);
  SetBlend(SOLIDBLEND);
  Cls();
  ImageDraw(PreviewPicture, 0, 0, 0);
  Flip(1);
  SleepMilliseconds(50);
  HostGoneCheck();
}

void HostGoneCheck() {
  if (ClockDiff(MillisecondClock(), g_start_time) > 2000 && !IsHostWindowVisible(HostHandle()))
    PreviewEnd();
}
