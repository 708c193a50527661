// Graphics context, drawing state and the operations that only change state.
#include "platform/graphics.hpp"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/graphics_internal.hpp"
#include "platform/renderer.hpp"

namespace vorpel::detail {

GraphicsContext& Context() {
  static GraphicsContext context;
  return context;
}

void ApplyViewport() {
  auto& s = Context().state;
  int back_w, back_h;
  RendererBackBufferSize(back_w, back_h);
  bool whole = s.viewport_x == 0 && s.viewport_y == 0 && s.viewport_w == back_w &&
               s.viewport_h == back_h;
  RendererSetClip(s.viewport_x, s.viewport_y, s.viewport_w, s.viewport_h, !whole);
}

std::uint32_t CurrentColor() {
  const auto& s = Context().state;
  return PackColor(s.color_red, s.color_green, s.color_blue, s.color_alpha);
}

void Transform(float u, float v, float tx, float ty, float& outx, float& outy) {
  const auto& s = Context().state;
  outx = u * s.tform_ix + v * s.tform_iy + tx;
  outy = u * s.tform_jx + v * s.tform_jy + ty;
}

void EmitQuad(float x0, float y0, float x1, float y1, float tx, float ty, const float uv[8]) {
  float xy[8];
  Transform(x0, y0, tx, ty, xy[0], xy[1]);
  Transform(x1, y0, tx, ty, xy[2], xy[3]);
  Transform(x1, y1, tx, ty, xy[4], xy[5]);
  Transform(x0, y1, tx, ty, xy[6], xy[7]);
  RendererSetBlend(Context().state.blend_mode);
  RendererQuad(xy, uv, CurrentColor());
}

float PixelsToUnitsX(float px) {
  int back_w, back_h;
  float proj_w, proj_h;
  RendererBackBufferSize(back_w, back_h);
  RendererProjectionSize(proj_w, proj_h);
  return px * proj_w / float(back_w);
}
float PixelsToUnitsY(float py) {
  int back_w, back_h;
  float proj_w, proj_h;
  RendererBackBufferSize(back_w, back_h);
  RendererProjectionSize(proj_w, proj_h);
  return py * proj_h / float(back_h);
}

bool EnsureVideo() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Where there is no GPU, Mesa's software rasteriser is asked to draw in this thread only:
  // its helper threads cost more CPU for each frame than they save, and a screen saver should
  // leave the other cores idle. A value the user set stays; GPU drivers do not read it.
  setenv("LP_NUM_THREADS", "0", 0);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  // Keep the GL library loaded for the life of the process: reopening it for every window is
  // slow, and the leak checker can only name the driver's allocations while it is loaded.
  SDL_GL_LoadLibrary(nullptr);
  return true;
}

}  // namespace vorpel::detail

using vorpel::detail::Context;

namespace {

// For a back buffer of the given size.
void ResetDrawState(int back_w, int back_h) {
  auto& c = Context();
  FontPtr font = c.state.image_font;
  c.state = TMax2DGraphics{};
  vorpel::detail::RendererSetBackBuffer(back_w, back_h);
  vorpel::detail::RendererBackBufferSize(c.state.viewport_w, c.state.viewport_h);
  vorpel::detail::RendererSetProjection(float(c.state.viewport_w), float(c.state.viewport_h));
  vorpel::detail::ApplyViewport();
  vorpel::detail::RendererSetBlend(c.state.blend_mode);
}

}  // namespace

void SetDrawDriver(int driver) { Context().driver = driver; }
int GetDrawDriver() { return Context().driver; }

void SetAppTitle(std::string_view title) {
  auto& c = Context();
  c.title = std::string(title);
  if (c.window) SDL_SetWindowTitle(c.window, c.title.c_str());
}
const std::string& AppTitle() { return Context().title; }

namespace {

void RequestContextAttributes() {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  // Nothing here tests depth or stencil. A software rasteriser shades even opaque quads three
  // times slower when such a buffer is there, and it would take memory besides.
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

// Makes the GL context on the new window and the drawing state for it; 1 on success.
int AttachContext(int width, int height, int depth, int hertz) {
  auto& c = Context();
  c.gl = SDL_GL_CreateContext(c.window);
  if (!c.gl || SDL_GL_MakeCurrent(c.window, c.gl) != 0 || !vorpel::detail::RendererInit()) {
    GraphicsClose();
    return 0;
  }
  c.width = width;
  c.height = height;
  c.depth = depth;
  c.hertz = hertz;
  int back_w = 0, back_h = 0;
  SDL_GL_GetDrawableSize(c.window, &back_w, &back_h);
  if (back_w <= 0 || back_h <= 0) {
    back_w = width;
    back_h = height;
  }
  c.swap_interval = -2;
  ResetDrawState(back_w, back_h);
  vorpel::detail::InputGraphicsOpened();
  return 1;
}

int OpenInTargetWindow() {
  auto& c = Context();
  int width = 0, height = 0;
  if (!vorpel::detail::ForeignWindowSize(c.target_window, width, height) ||
      !vorpel::detail::ForeignGlxAttach(c.target_window))
    return 0;
  c.foreign = true;
  if (!vorpel::detail::RendererInit()) {
    GraphicsClose();
    return 0;
  }
  c.width = width;
  c.height = height;
  c.depth = c.hertz = 0;
  ResetDrawState(width, height);
  return 1;
}

}  // namespace

void SetGraphicsTargetWindow(unsigned long xid) { Context().target_window = xid; }
unsigned long GraphicsTargetWindow() { return Context().target_window; }

int GraphicsOpen(int width, int height, int depth, int hertz, int flags) {
  GraphicsClose();
  if (!vorpel::detail::EnsureVideo()) return 0;
  auto& c = Context();
  if (c.target_window) return OpenInTargetWindow();
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return 0;

  Uint32 window_flags = SDL_WINDOW_OPENGL;
  if (flags & kGraphicsHidden) window_flags |= SDL_WINDOW_HIDDEN;
  SDL_DisplayMode mode{};
  bool exact_mode = false;
  if (depth != 0) {
    int index = vorpel::detail::FullScreenModeIndex(width, height, depth, hertz);
    exact_mode = index >= 0 && SDL_GetDisplayMode(0, index, &mode) == 0;
    SDL_DisplayMode desktop;
    bool desktop_size = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w == width &&
                        desktop.h == height;
    if (!exact_mode && !desktop_size) return 0;
    window_flags |= exact_mode ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  RequestContextAttributes();
  c.window = SDL_CreateWindow(c.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                              height, window_flags);
  if (!c.window) return 0;
  if (exact_mode) SDL_SetWindowDisplayMode(c.window, &mode);
  return AttachContext(width, height, depth, hertz);
}

int GraphicsFollowTargetWindow() {
  auto& c = Context();
  if (!c.foreign) return 0;
  int width = 0, height = 0;
  if (!vorpel::detail::ForeignWindowSize(c.target_window, width, height)) return -1;
  if (width == c.width && height == c.height) return 0;
  c.width = width;
  c.height = height;
  vorpel::detail::RendererSetBackBuffer(width, height);
  auto& s = c.state;
  s.viewport_x = s.viewport_y = 0;
  s.viewport_w = width;
  s.viewport_h = height;
  vorpel::detail::ApplyViewport();
  return 1;
}

void GraphicsClose() {
  auto& c = Context();
  if (c.foreign) {
    vorpel::detail::RendererShutdown();
    vorpel::detail::ForeignGlxRelease();
    c.foreign = false;
  }
  if (c.gl) {
    vorpel::detail::RendererShutdown();
    SDL_GL_DeleteContext(c.gl);
    c.gl = nullptr;
  }
  if (c.window) {
    SDL_DestroyWindow(c.window);
    c.window = nullptr;
  }
  c.width = c.height = c.depth = c.hertz = 0;
}

bool GraphicsIsOpen() { return Context().window != nullptr || Context().foreign; }
int GraphicsWidth() { return Context().width; }
int GraphicsHeight() { return Context().height; }
int GraphicsDepth() { return Context().depth; }
int GraphicsHertz() { return Context().hertz; }

int GraphicsRefreshRate() {
  SDL_Window* window = Context().window;
  SDL_DisplayMode mode;
  if (!window || SDL_GetCurrentDisplayMode(std::max(SDL_GetWindowDisplayIndex(window), 0), &mode))
    return 0;
  return std::max(mode.refresh_rate, 0);
}
SDL_Window* GraphicsWindow() { return Context().window; }

void Cls() {
  auto& s = Context().state;
  vorpel::detail::RendererClear(s.clscolor_red / 255.0f, s.clscolor_green / 255.0f,
                        s.clscolor_blue / 255.0f);
}

void SetClsColor(int r, int g, int b) {
  auto& s = Context().state;
  s.clscolor_red = r;
  s.clscolor_green = g;
  s.clscolor_blue = b;
}

void GetClsColor(int& r, int& g, int& b) {
  const auto& s = Context().state;
  r = s.clscolor_red;
  g = s.clscolor_green;
  b = s.clscolor_blue;
}

void Flip(int sync) {
  auto& c = Context();
  if (c.foreign) {
    vorpel::detail::RendererFlush();
    vorpel::detail::ForeignGlxSwap();
    vorpel::detail::RendererEndFrame();
    return;
  }
  if (!c.window) return;
  vorpel::detail::RendererFlush();
  int interval = sync == 1 ? 1 : 0;
  if (interval != c.swap_interval) {
    // Adaptive sync where offered, else plain; some drivers refuse both and never wait.
    if (interval == 0 || SDL_GL_SetSwapInterval(1) != 0) SDL_GL_SetSwapInterval(interval);
    c.swap_interval = interval;
  }
  SDL_GL_SwapWindow(c.window);
  vorpel::detail::RendererEndFrame();
}

// --- state -------------------------------------------------------------------------------------

const TMax2DGraphics& DrawState() { return Context().state; }

void SetColor(int r, int g, int b) {
  auto& s = Context().state;
  s.color_red = r;
  s.color_green = g;
  s.color_blue = b;
}

void GetColor(int& r, int& g, int& b) {
  const auto& s = Context().state;
  r = s.color_red;
  g = s.color_green;
  b = s.color_blue;
}

void SetAlpha(float alpha) {
  // NaN counts as 0 so it can never reach the colour byte.
  Context().state.color_alpha = alpha >= 1.0f ? 1.0f : alpha > 0.0f ? alpha : 0.0f;
}
float GetAlpha() { return Context().state.color_alpha; }

void SetBlend(int mode) {
  auto& s = Context().state;
  if (s.blend_mode == mode) return;
  s.blend_mode = mode;
  vorpel::detail::RendererSetBlend(mode);
}
int GetBlend() { return Context().state.blend_mode; }

void SetLineWidth(float width) { Context().state.line_width = width; }
float GetLineWidth() { return Context().state.line_width; }

void SetViewport(int x, int y, int w, int h) {
  auto& s = Context().state;
  s.viewport_x = x;
  s.viewport_y = y;
  s.viewport_w = w;
  s.viewport_h = h;
  vorpel::detail::ApplyViewport();
}

void GetViewport(int& x, int& y, int& w, int& h) {
  const auto& s = Context().state;
  x = s.viewport_x;
  y = s.viewport_y;
  w = s.viewport_w;
  h = s.viewport_h;
}

void SetDrawOrigin(float x, float y) {
  auto& s = Context().state;
  s.origin_x = x;
  s.origin_y = y;
}

void GetDrawOrigin(float& x, float& y) {
  const auto& s = Context().state;
  x = s.origin_x;
  y = s.origin_y;
}

void SetDrawHandle(float x, float y) {
  auto& s = Context().state;
  s.handle_x = -x;
  s.handle_y = -y;
}

void GetDrawHandle(float& x, float& y) {
  const auto& s = Context().state;
  x = -s.handle_x;
  y = -s.handle_y;
}

namespace {
void UpdateMatrix() {
  auto& s = Context().state;
  double rad = double(s.tform_rot) * M_PI / 180.0;
  float c = float(std::cos(rad)), sn = float(std::sin(rad));
  s.tform_ix = c * s.tform_scale_x;
  s.tform_iy = -sn * s.tform_scale_y;
  s.tform_jx = sn * s.tform_scale_x;
  s.tform_jy = c * s.tform_scale_y;
}
}  // namespace

void SetDrawRotation(float degrees) {
  Context().state.tform_rot = degrees;
  UpdateMatrix();
}
float GetDrawRotation() { return Context().state.tform_rot; }

void SetDrawScale(float sx, float sy) {
  auto& s = Context().state;
  s.tform_scale_x = sx;
  s.tform_scale_y = sy;
  UpdateMatrix();
}

void GetDrawScale(float& sx, float& sy) {
  const auto& s = Context().state;
  sx = s.tform_scale_x;
  sy = s.tform_scale_y;
}

void SetTransform(float degrees, float sx, float sy) {
  auto& s = Context().state;
  s.tform_rot = degrees;
  s.tform_scale_x = sx;
  s.tform_scale_y = sy;
  UpdateMatrix();
}

void SetDrawFont(FontPtr font) { Context().state.image_font = std::move(font); }
FontPtr GetDrawFont() {
  auto& s = Context().state;
  return s.image_font ? s.image_font : DefaultFont();
}

void SetMaskColor(int r, int g, int b) {
  auto& s = Context().state;
  s.mask_red = r;
  s.mask_green = g;
  s.mask_blue = b;
}

void GetMaskColor(int& r, int& g, int& b) {
  const auto& s = Context().state;
  r = s.mask_red;
  g = s.mask_green;
  b = s.mask_blue;
}

void SetProjectionSize(float width, float height) {
  if (!(width > 0.0f) || !(height > 0.0f) || !std::isfinite(width) || !std::isfinite(height))
    return;
  vorpel::detail::RendererSetProjection(width, height);
}

void ResetProjection() {
  int back_w, back_h;
  vorpel::detail::RendererBackBufferSize(back_w, back_h);
  SetProjectionSize(float(back_w), float(back_h));
}

void GetProjectionSize(float& width, float& height) {
  vorpel::detail::RendererProjectionSize(width, height);
}

RenderStats CurrentFrameStats() { return vorpel::detail::RendererCurrentStats(); }
RenderStats LastFrameStats() { return vorpel::detail::RendererLastStats(); }
int LiveTextureCount() { return vorpel::detail::RendererLiveTextures(); }
