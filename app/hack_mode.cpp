#include "app/hack_mode.hpp"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_state.hpp"
#include "app/fixed_rate_pass.hpp"
#include "app/run_stats.hpp"
#include "app/saver.hpp"
#include "app/saver_settings.hpp"
#include "app/shared_ops.hpp"
#include "framework/fps_counter.hpp"
#include "kit/kit_state.hpp"
#include "kit/projection.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/host.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

namespace {

constexpr int kFramePeriodMs = 16;  // about 60 frames per second; the rest of the time we sleep

// Nothing is saved in this mode and the X server frees what we held, so a stop request ends the
// process at once, even in the middle of a slow frame.
void OnStopSignal(int) { _exit(0); }

void InstallStopSignals() {
  // Our own handler instead of SDL's, which would turn the signal into a close request that is
  // seen only between frames.
  LeaveStopSignalsToProgram();
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

void ApplyOverrides(const HackOptions& o) {
  if (o.how_often) HowOftenValue = *o.how_often;
  if (o.change) ChangeValue = *o.change;
  if (o.background) BackgroundOnValue = *o.background;
}

// Maps the scene onto the window as it is now: the virtual screen for its shape, stretched or
// letterboxed. Bubbles already on screen keep their places.
void FitToWindow() {
  int width = GraphicsWidth(), height = GraphicsHeight();
  int vw, vh, stretch;
  HackVirtualScreen(width, height, vw, vh, stretch);
  MGE_GameSystem::UseScreen(width, height, float(vw), float(vh), kDriverD3D7);
  SetDrawOrigin(0, 0);
  if (stretch) ProjectionMatrix::SetScale(vw, vh);
  else ProjectionMatrix::SetLetterbox(vw, vh);
  Scene.vw = float(vw);
  Scene.vh = float(vh);
}

void OpenScene(unsigned long window) {
  SetGraphicsTargetWindow(window);
  GraphicsOpened = 1;
  Kit->Start();
  int vw, vh, stretch;
  if (!GraphicsOpen(0, 0)) {
    std::fprintf(stderr, "vorpelsaver: cannot draw into window 0x%lx\n", window);
    std::exit(1);
  }
  HackVirtualScreen(GraphicsWidth(), GraphicsHeight(), vw, vh, stretch);
  MGE_GameSystem::Grafix(float(vw), float(vh), GraphicsWidth(), GraphicsHeight(), 0, kDriverD3D7,
                         60, 1, stretch, 0);
  FitToWindow();
  Scene.watch_mouse = false;
  OpenBubbleScene();
  ResetTiming();
}

void DrawFrameRate(int fps) {
  SetTransform(0, 1, 1);
  SetBlend(ALPHABLEND);
  SetAlpha(1);
  SetColor(255, 255, 255);
  float origin_x, origin_y;
  GetDrawOrigin(origin_x, origin_y);
  SetDrawOrigin(0, 0);
  TextDraw("FPS: " + std::to_string(fps), 8, 8);
  SetDrawOrigin(origin_x, origin_y);
}


}  // namespace

void RunHackMode(const HackOptions& options) {
  if (!options.error.empty()) {
    std::fprintf(stderr, "vorpelsaver: %s\n", options.error.c_str());
    std::exit(1);
  }
  InstallStopSignals();
  unsigned long window = options.window_text.empty() ? RootWindowId()
                                                     : ParseWindowId(options.window_text);
  if (!window) {
    std::fprintf(stderr, "vorpelsaver: no X display to draw on\n");
    std::exit(1);
  }
  LoadSaverSettings(*SettingsDocument);
  ApplyOverrides(options);
  OpenScene(window);

  TFPSCounter frame_rate;
  frame_rate.Init();
  for (;;) {
    int frame_start = MillisecondClock();
    int follow = GraphicsFollowTargetWindow();
    // A window taken away under us: SDL must not touch it again, so end without closing.
    if (follow < 0) std::_Exit(0);
    if (follow > 0) FitToWindow();
    PollEvents();
    RunFixedRateSteps(SaverLogic);
    SaverDrawFrame();
    frame_rate.Calc();
    if (options.fps) DrawFrameRate(frame_rate.current);
    RunStatsFrame();
    Flip(0);
    SleepMilliseconds(kFramePeriodMs - ClockDiff(MillisecondClock(), frame_start));
  }
}
