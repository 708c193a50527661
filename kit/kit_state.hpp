#pragma once
// The kit's process-wide state: one copy shared by every game system instance and every kit
// handler. The default values are the start-up values.
#include <array>
#include <functional>
#include <memory>

#include "platform/clock.hpp"

struct MGE_Sprite;
class MGE_ScreenFaderType;

using MGE_AppFunction = std::function<void()>;
using MGE_SpriteEventFunction = std::function<int(MGE_Sprite*, int)>;

// The kit's process-wide variables keep their names inside the namespace vorpel, where a
// program's own globals of the same names cannot clash with them.
namespace vorpel {
// The kit's per-step delta in milliseconds; every delta-scaled movement multiplies by it. A plain
// variable because the per-sprite path reads it constantly. Only EndScene sets it: a program
// that ends its frames with EndScene2 or EndScene3, or runs its logic through DoFixedLogic,
// sets it itself before each logic step (to the step's length in milliseconds), or nothing moves.
extern float FrameDelta;

// The two cells Start hands the sprite engine for its map offset, 0 until a map moves them.
inline float kitMapOffsetCells[2] = {0.0f, 0.0f};
}  // namespace vorpel

inline constexpr int kDeltaRingSize = 80;
inline constexpr int kMaxFrameMs = 50;

// The kit's own mouse pointer picture and its animation.
struct MGE_PointerState {
  int visible = 0;
  int slot = 0, srcX = 0, srcY = 0, width = 0, height = 0;
  float hotX = 0.0f, hotY = 0.0f;    // hot-spot argument plus half the picture size
  float gameX = 0.0f, gameY = 0.0f;  // last computed game mouse position, unrounded
  int animMode = 0;
  int animIndex = 0;
  float frame = 0.0f, firstFrame = 0.0f, lastFrame = 0.0f;
  float animSpeed = 0.0f;
};

// What the back buffer shows (projection) and the game area inside it.
struct MGE_ProjectionState {
  int width = 0, height = 0;
  int gameWidth = 0, gameHeight = 0;
};

struct MGE_KitState {
  // Screen mode opened by Grafix (depth 0 is a window) and the virtual game area.
  int screenWidth = 0, screenHeight = 0, screenDepth = 0;
  float gameWidth = 0.0f, gameHeight = 0.0f;

  // Window-to-game mouse mapping, kept by the projection: game = window * scale - offset.
  float mouseScaleX = 1.0f, mouseScaleY = 1.0f;
  float mouseOffsetX = 0.0f, mouseOffsetY = 0.0f;
  int projectionMode = 0;
  MGE_ProjectionState projection;

  // Added to every blit and sprite position.
  float renderOffsetX = 0.0f, renderOffsetY = 0.0f;
  // The sprite engine's own offset, and the sum of both that sprites are drawn with.
  float spriteRenderOffsetX = 0.0f, spriteRenderOffsetY = 0.0f;
  float spriteDrawOffsetX = 0.0f, spriteDrawOffsetY = 0.0f;
  // Where sprites read the map offset they subtract.
  const float* mapOffsetX = &vorpel::kitMapOffsetCells[0];
  const float* mapOffsetY = &vorpel::kitMapOffsetCells[1];

  // Clear colour and the flash that fades it back to black.
  float clearRed = 0.0f, clearGreen = 0.0f, clearBlue = 0.0f;
  int flashActive = 0;
  float flashSpeed = 0.0f;

  // The kit's own fader, created by the first Grafix.
  std::shared_ptr<MGE_ScreenFaderType> screenFader;

  // Frame timing.
  int fixedFPS = 0;
  int nextFrameTime = 0;
  int frameCount = 0, fpsTimer = 0, fps = 0;
  std::array<float, kDeltaRingSize> deltaArray{};
  int deltaIndex = 0;
  int lastFrameTime = 0;

  // Fixed-rate logic.
  int logicRate = 30;
  int logicStep = 1000 / 30;
  int lastLogicTime = ClockDiff(MillisecondClock(), 1000 / 30);

  int directXInUse = 0, directX9InUse = 0;

  MGE_AppFunction suspendFunction = [] {};
  MGE_AppFunction resumeFunction = [] {};
  MGE_SpriteEventFunction spriteEventFunction = [](MGE_Sprite*, int) { return 0; };

  MGE_PointerState pointer;

  int screenshotCounter = 0;
  // Corners (0,0), (W,0), (W,H), (0,H) of the game area as x, y pairs.
  std::array<float, 8> gameOutline{};
};

MGE_KitState& KitState();
