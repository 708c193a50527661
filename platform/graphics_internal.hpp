#pragma once
// State shared by the drawing layer's source files. Internal to the platform layer.
#include <cstdint>
#include <string>

#include "platform/graphics.hpp"

struct SDL_Window;
typedef void* SDL_GLContext;

namespace vorpel::detail {

struct GraphicsContext {
  SDL_Window* window = nullptr;
  SDL_GLContext gl = nullptr;
  int driver = kDriverOpenGL;
  std::string title;
  int width = 0, height = 0, depth = 0, hertz = 0;
  int swap_interval = -2;
  bool auto_mid_handle = false;
  unsigned long target_window = 0;  // an X window of another program to draw into
  bool foreign = false;             // the graphics are open in that window
  TMax2DGraphics state;
};

GraphicsContext& Context();
bool EnsureVideo();

void ApplyViewport();
std::uint32_t CurrentColor();
// (u, v) through the current rotation and scale, then translated by (tx, ty).
void Transform(float u, float v, float tx, float ty, float& outx, float& outy);
// A quad (x0, y0)-(x1, y1) through the transform, translated, in the current colour and blend
// with the currently selected texture.
void EmitQuad(float x0, float y0, float x1, float y1, float tx, float ty, const float uv[8]);
float PixelsToUnitsX(float px);
float PixelsToUnitsY(float py);

// A GL context drawn into an X window of another program, made current; and its swap and end.
bool ForeignGlxAttach(unsigned long xid);
void ForeignGlxSwap();
void ForeignGlxRelease();

// The size of an X window of another program; false when it does not exist (or no X).
bool ForeignWindowSize(unsigned long xid, int& width, int& height);

// The driver's number of the display mode to open a full screen with (ChooseGraphicsMode);
// -1 when none fits.
int FullScreenModeIndex(int width, int height, int depth, int hertz);

// Input learns that a new window exists (mouse position, focus).
void InputGraphicsOpened();

}  // namespace vorpel::detail
