// Tiled backgrounds: a picture repeated over the viewport, and the two layers of a tiled scene
// in one pass. Kept apart from the batcher, which knows nothing of them.
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/image.hpp"
#include "platform/renderer.hpp"

namespace {

// Copies larger than this are not worth their memory; such tiles are sampled as they are.
constexpr long kMaxResampledPixels = 1L << 20;

// An opaque back layer and an alpha-blended front layer over it, as the two separate draws
// would give, with one rasterisation instead of two.
const char* kPairFragmentShader = R"(#version 330 core
in vec4 v_uv;
noperspective in vec4 v_color;
uniform sampler2D u_back;
uniform sampler2D u_front;
out vec4 o_color;
void main() {
  vec3 back = texture(u_back, v_uv.xy).rgb;
  vec4 front = texture(u_front, v_uv.zw) * v_color;
  o_color = vec4(mix(back, front.rgb, front.a), 1.0);
}
)";

struct PairVertex {
  float x, y, u0, v0, u1, v1;
  std::uint32_t rgba;
};

struct Pair {
  GLuint program = 0, vao = 0, vbo = 0;
  GLint u_scale = -1;
} pair;

// How one picture covers the viewport: a copy at screen scale drawn pixel for pixel
// (TileResampled), or one quad of the picture repeating.
struct Layer {
  unsigned texture = 0;
  bool resampled = false;
  long width = 0, height = 0;    // of the copy, in pixels
  float px = 0, py = 0;          // where a tile's corner lands in the viewport
  float view[4] = {0, 0, 0, 0};  // the viewport in projection units
  float xy[8], uv[8];            // the quad, when not resampled
};

// A filtered image magnified on the screen is tiled from a copy resampled to its size there,
// drawn pixel for pixel from a whole-pixel offset: nearest sampling then gives the pixels that
// bilinear sampling of the image would, at a fraction of the cost on a software rasteriser.
// The size on the screen is rounded to whole pixels (a tile magnified to 409.6 is drawn 410
// wide), and so is the offset, so the tiling moves in whole-pixel steps.
bool ResampledCopy(TImageFrame& f, const TImage& image, Layer& layer) {
  if (!(image.flags & FILTEREDIMAGE)) return false;
  const float unit_x = vorpel::detail::PixelsToUnitsX(1.0f),
              unit_y = vorpel::detail::PixelsToUnitsY(1.0f);
  layer.width = std::lround(float(image.width) / unit_x);
  layer.height = std::lround(float(image.height) / unit_y);
  if (layer.width < image.width || layer.height < image.height ||
      layer.width * layer.height > kMaxResampledPixels)
    return false;
  layer.texture = f.Resampled(int(layer.width), int(layer.height));
  layer.resampled = layer.texture != 0;
  return layer.resampled;
}

// Each copy on the screen is a quad of its own that samples inside the copy, so a software
// rasteriser draws it as a plain copy of rows.
void DrawResampled(const Layer& layer, std::uint32_t color) {
  const float unit_x = vorpel::detail::PixelsToUnitsX(1.0f),
              unit_y = vorpel::detail::PixelsToUnitsY(1.0f);
  const long width = layer.width, height = layer.height;
  const float* view = layer.view;
  // The viewport and the first tile's corner in back-buffer pixels, that corner at or left of
  // and above the viewport's.
  const long view_w = std::lround(view[2] / unit_x), view_h = std::lround(view[3] / unit_y);
  long first_x = std::lround(layer.px / unit_x), first_y = std::lround(layer.py / unit_y);
  first_x -= (first_x > 0 ? (first_x + width - 1) / width : 0) * width;
  first_y -= (first_y > 0 ? (first_y + height - 1) / height : 0) * height;
  for (long ty = first_y; ty < view_h; ty += height) {
    const long y0 = std::max(ty, 0L), y1 = std::min(ty + height, view_h);
    for (long tx = first_x; tx < view_w; tx += width) {
      const long x0 = std::max(tx, 0L), x1 = std::min(tx + width, view_w);
      const float u0 = float(x0 - tx) / float(width), u1 = float(x1 - tx) / float(width);
      const float v0 = float(y0 - ty) / float(height), v1 = float(y1 - ty) / float(height);
      const float l = view[0] + float(x0) * unit_x, r = view[0] + float(x1) * unit_x;
      const float t = view[1] + float(y0) * unit_y, b = view[1] + float(y1) * unit_y;
      const float xy[8] = {l, t, r, t, r, b, l, b};
      const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
      vorpel::detail::RendererQuad(xy, uv, color);
    }
  }
}

// Where the tiling of a frame lands; false when there is nothing to draw.
bool PrepareLayer(const ImagePtr& image, float x, float y, int frame, Layer& layer) {
  if (!image || image->width <= 0 || image->height <= 0) return false;
  if (frame < 0 || frame >= image->FrameCount()) return false;
  TImageFrame* f = image->frames[std::size_t(frame)].get();
  f->SetTiled();
  const auto& s = DrawState();
  // The viewport in projection units; the tiling ignores rotation and scale.
  float vx = vorpel::detail::PixelsToUnitsX(float(s.viewport_x));
  float vy = vorpel::detail::PixelsToUnitsY(float(s.viewport_y));
  float vw = vorpel::detail::PixelsToUnitsX(float(s.viewport_w));
  float vh = vorpel::detail::PixelsToUnitsY(float(s.viewport_h));
  float w = float(image->width), h = float(image->height);
  // Where a tile's top-left corner lands, reduced modulo the size; the texture repeats from
  // there, so one quad covers the viewport.
  layer.px = std::fmod(x + s.origin_x - image->handle_x - vx, w);
  layer.py = std::fmod(y + s.origin_y - image->handle_y - vy, h);
  if (!std::isfinite(layer.px) || !std::isfinite(layer.py)) return false;
  const float view[4] = {vx, vy, vw, vh};
  std::copy(view, view + 4, layer.view);
  if (ResampledCopy(*f, *image, layer)) return true;
  layer.texture = f->Texture();
  if (!layer.texture) return false;
  float su = f->u1 - f->u0, sv = f->v1 - f->v0;
  float u0 = f->u0 + (-layer.px / w) * su, v0 = f->v0 + (-layer.py / h) * sv;
  float u1 = u0 + (vw / w) * su, v1 = v0 + (vh / h) * sv;
  const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
  const float xy[8] = {vx, vy, vx + vw, vy, vx + vw, vy + vh, vx, vy + vh};
  std::copy(uv, uv + 8, layer.uv);
  std::copy(xy, xy + 8, layer.xy);
  return true;
}

void DrawLayer(const Layer& layer, int blend) {
  vorpel::detail::RendererSetTexture(layer.texture);
  vorpel::detail::RendererSetBlend(blend);
  if (layer.resampled)
    DrawResampled(layer, vorpel::detail::CurrentColor());
  else
    vorpel::detail::RendererQuad(layer.xy, layer.uv, vorpel::detail::CurrentColor());
}

void DrawPair(const Layer& back, const Layer& front, std::uint32_t rgba) {
  vorpel::detail::RendererFlush();
  PairVertex v[4];
  for (int i = 0; i < 4; ++i)
    v[i] = {back.xy[i * 2], back.xy[i * 2 + 1], back.uv[i * 2], back.uv[i * 2 + 1],
            front.uv[i * 2], front.uv[i * 2 + 1], rgba};
  float proj_w, proj_h;
  vorpel::detail::RendererProjectionSize(proj_w, proj_h);
  glUseProgram(pair.program);
  glUniform2f(pair.u_scale, 2.0f / proj_w, 2.0f / proj_h);
  glBindVertexArray(pair.vao);
  glBindBuffer(GL_ARRAY_BUFFER, pair.vbo);
  glBufferData(GL_ARRAY_BUFFER, sizeof v, v, GL_STREAM_DRAW);
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_2D, front.texture);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, back.texture);
  glBindSampler(0, vorpel::detail::RendererMagnifySampler(back.texture, back.xy, back.uv));
  glBindSampler(1, vorpel::detail::RendererMagnifySampler(front.texture, back.xy, front.uv));
  glDisable(GL_BLEND);
  glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
  glBindSampler(0, 0);
  glBindSampler(1, 0);
  vorpel::detail::RendererCountDraw(2);
  vorpel::detail::RendererResume();
}

}  // namespace

namespace vorpel::detail {

bool TileDrawingInit() {
  pair.program = LinkQuadProgram("vec4", kPairFragmentShader);
  if (!pair.program) return false;
  glUseProgram(pair.program);
  pair.u_scale = glGetUniformLocation(pair.program, "u_scale");
  glUniform1i(glGetUniformLocation(pair.program, "u_back"), 0);
  glUniform1i(glGetUniformLocation(pair.program, "u_front"), 1);
  glGenVertexArrays(1, &pair.vao);
  glBindVertexArray(pair.vao);
  glGenBuffers(1, &pair.vbo);
  glBindBuffer(GL_ARRAY_BUFFER, pair.vbo);
  glBufferData(GL_ARRAY_BUFFER, sizeof(PairVertex) * 4, nullptr, GL_STREAM_DRAW);
  auto stride = GLsizei(sizeof(PairVertex));
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, (void*)offsetof(PairVertex, x));
  glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride, (void*)offsetof(PairVertex, u0));
  glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride, (void*)offsetof(PairVertex, rgba));
  for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
  return true;
}

void TileDrawingShutdown() {
  glDeleteBuffers(1, &pair.vbo);
  glDeleteVertexArrays(1, &pair.vao);
  glDeleteProgram(pair.program);
  pair = Pair{};
}

}  // namespace vorpel::detail

void ImageTile(const ImagePtr& image, float x, float y, int frame) {
  Layer layer;
  if (PrepareLayer(image, x, y, frame, layer)) DrawLayer(layer, DrawState().blend_mode);
}

void ImageTileLayers(const ImagePtr& back, float back_x, float back_y, const ImagePtr& front,
                     float front_x, float front_y) {
  Layer b, f;
  SetBlend(SOLIDBLEND);
  const bool has_back = PrepareLayer(back, back_x, back_y, 0, b);
  // The pair shader tints only the front layer: a tinted back layer is drawn on its own.
  const bool fusable = has_back && !b.resampled && vorpel::detail::CurrentColor() == 0xFFFFFFFFu;
  if (has_back && !fusable) DrawLayer(b, SOLIDBLEND);
  SetBlend(ALPHABLEND);
  const bool has_front = PrepareLayer(front, front_x, front_y, 0, f);
  if (fusable && has_front && !f.resampled) return DrawPair(b, f, vorpel::detail::CurrentColor());
  if (fusable) DrawLayer(b, SOLIDBLEND);
  if (has_front) DrawLayer(f, ALPHABLEND);
}
