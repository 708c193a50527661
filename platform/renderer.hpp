#pragma once
// The batched OpenGL renderer behind the drawing layer. Quads arrive already transformed into
// projection units; they collect in one vertex array and go out in one draw call per run of
// equal texture and blend. Internal to the platform layer.
#include <cstdint>

#include "platform/graphics.hpp"

namespace vorpel::detail {

struct Vertex {
  float x, y;
  float u, v;
  std::uint32_t rgba;  // bytes r, g, b, a in memory order
};

// Creates the GL objects for a fresh context; false when the context lacks what we need.
bool RendererInit();
void RendererShutdown();
bool RendererReady();
int RendererLiveTextures();

// State; each flushes pending quads only when it changes what the GPU would do (the rule at the
// top of renderer.cpp).
void RendererSetTexture(unsigned texture);  // 0 selects a plain white texture
void RendererSetBlend(int mode);
void RendererSetClip(int x, int y, int w, int h, bool enabled);  // back-buffer pixels, top-left
void RendererSetProjection(float width, float height);
void RendererSetBackBuffer(int width, int height);
// The sizes set last; the renderer is where they are kept.
void RendererBackBufferSize(int& width, int& height);
void RendererProjectionSize(float& width, float& height);
// Back-buffer pixels (top-left origin, inside the back buffer) with everything drawn so far,
// as rows of r, g, b, a bytes from the top down.
void RendererReadPixels(int x, int y, int width, int height, std::uint8_t* rgba);

// Appends one quad: corners in drawing order (top-left, top-right, bottom-right, bottom-left).
void RendererQuad(const float xy[8], const float uv[8], std::uint32_t rgba);
// Appends a triangle (as a quad with one corner repeated).
void RendererTriangle(const float xy[6], std::uint32_t rgba);

void RendererFlush();
// Binds the renderer's GL objects again and forgets what it believed the GPU state to be, after
// other code drew with GL directly.
void RendererResume();
void RendererClear(float r, float g, float b);
void RendererEndFrame();  // counters of this frame become the last frame's
void RendererCountStateChange();
// A draw made with GL directly, of this many quads, for the frame's counters.
void RendererCountDraw(int quads);

RenderStats RendererCurrentStats();
RenderStats RendererLastStats();

// Generation of the current GL context; textures made under another generation are stale.
unsigned RendererGeneration();

// Texture helpers; they flush first when the texture may be in the pending batch.
// On a software rasteriser, a mip-mapped texture made with pack_levels keeps its levels side by
// side in one level (texture_pixels.hpp); each quad drawn from it samples the one level it
// needs. Such a texture cannot wrap: pictures that are tiled are made without.
unsigned CreateTexture(const TPixmap& rgba, bool filtered, bool mipmapped,
                       bool pack_levels = false);
void UploadTexture(unsigned texture, const TPixmap& rgba, bool filtered, bool mipmapped,
                   bool pack_levels = false);
void SetTextureRepeat(unsigned texture, bool repeat);
void DeleteTexture(unsigned texture);
// A copy of the part uv (u0, v0, u1, v1) of a texture, resampled to width x height pixels with
// bilinear sampling that wraps round its edges, as the part would be sampled when magnified and
// repeated. Drawn pixel for pixel with nearest sampling (its own filter), it shows the same
// pixels as the texture magnified to that size. 0 on failure.
unsigned ResampleTexture(unsigned source, const float uv[4], int width, int height);

// The sampler a quad of the texture needs (0: the texture's own), as the batch would choose.
unsigned RendererMagnifySampler(unsigned texture, const float xy[8], const float uv[8]);
// A program of the renderer's vertex shader, with texture coordinates of uv_type, and fragment.
unsigned LinkQuadProgram(const char* uv_type, const char* fragment);
// The tiled-background pass (tile_drawing.cpp), made and dropped with the renderer's objects.
bool TileDrawingInit();
void TileDrawingShutdown();

std::uint32_t PackColor(int r, int g, int b, float alpha);

}  // namespace vorpel::detail
