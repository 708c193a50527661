// Pixel-accurate collision layers. Each entry remembers what was written as a transformed
// rectangle of local pixels (with the frame's pixels for images); a query maps every drawing
// unit where two bounding boxes overlap back into both shapes and asks whether both are solid.
#include <algorithm>
#include <array>
#include <cmath>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"

namespace {

struct Shape {
  CollisionId id = 0;
  PixmapPtr pixels;  // none: every pixel of the rectangle is solid
  bool masked = false;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float w = 0, h = 0;         // local size
  float ox = 0, oy = 0;       // local point that lands on (tx, ty)
  float ix = 1, iy = 0, jx = 0, jy = 1, tx = 0, ty = 0;
  float minx = 0, miny = 0, maxx = 0, maxy = 0;  // bounding box in drawing units
  float det = 1;

  void ScreenPoint(float u, float v, float& x, float& y) const {
    float a = u - ox, b = v - oy;
    x = a * ix + b * iy + tx;
    y = a * jx + b * jy + ty;
  }

  void Finish() {
    float xs[4], ys[4];
    ScreenPoint(0, 0, xs[0], ys[0]);
    ScreenPoint(w, 0, xs[1], ys[1]);
    ScreenPoint(w, h, xs[2], ys[2]);
    ScreenPoint(0, h, xs[3], ys[3]);
    minx = *std::min_element(xs, xs + 4);
    maxx = *std::max_element(xs, xs + 4);
    miny = *std::min_element(ys, ys + 4);
    maxy = *std::max_element(ys, ys + 4);
    det = ix * jy - iy * jx;
  }

  bool Solid(float x, float y) const {
    if (det == 0 || !std::isfinite(det)) return false;
    float dx = x - tx, dy = y - ty;
    float u = (dx * jy - dy * iy) / det + ox;
    float v = (dy * ix - dx * jx) / det + oy;
    if (!(u >= 0 && v >= 0 && u < w && v < h)) return false;
    if (!pixels) return true;
    int px = int(u), py = int(v);
    std::uint32_t argb = pixels->ReadPixel(px, py);
    if (masked && int((argb >> 16) & 255) == mask_r && int((argb >> 8) & 255) == mask_g &&
        int(argb & 255) == mask_b)
      return false;
    return (argb >> 24) != 0;
  }
};

std::array<std::vector<Shape>, 32> g_layers;

Shape CurrentTransform(float tx, float ty) {
  const auto& s = DrawState();
  Shape shape;
  shape.ix = s.tform_ix;
  shape.iy = s.tform_iy;
  shape.jx = s.tform_jx;
  shape.jy = s.tform_jy;
  shape.tx = tx + s.origin_x;
  shape.ty = ty + s.origin_y;
  return shape;
}

bool Overlap(const Shape& a, const Shape& b) {
  float x0 = std::max(a.minx, b.minx), x1 = std::min(a.maxx, b.maxx);
  float y0 = std::max(a.miny, b.miny), y1 = std::min(a.maxy, b.maxy);
  if (!(x0 < x1 && y0 < y1)) return false;
  // Sample at unit centres; the area is bounded by the smaller shape's box.
  for (float y = std::floor(y0) + 0.5f; y < y1; y += 1.0f)
    for (float x = std::floor(x0) + 0.5f; x < x1; x += 1.0f)
      if (x >= x0 && y >= y0 && a.Solid(x, y) && b.Solid(x, y)) return true;
  return false;
}

std::vector<CollisionId> Query(Shape shape, unsigned collide_mask, unsigned write_mask) {
  shape.Finish();
  std::vector<CollisionId> hits;
  bool finite = std::isfinite(shape.minx) && std::isfinite(shape.maxx) &&
                std::isfinite(shape.miny) && std::isfinite(shape.maxy);
  if (!finite) return hits;
  for (unsigned layer = 0; layer < 32; ++layer) {
    if (!(collide_mask & (1u << layer))) continue;
    for (const Shape& other : g_layers[layer])
      if (Overlap(shape, other) && std::find(hits.begin(), hits.end(), other.id) == hits.end())
        hits.push_back(other.id);
  }
  for (unsigned layer = 0; layer < 32; ++layer)
    if (write_mask & (1u << layer)) g_layers[layer].push_back(shape);
  return hits;
}

}  // namespace

void CollisionsReset(unsigned mask) {
  for (unsigned layer = 0; layer < 32; ++layer)
    if (mask == 0 || (mask & (1u << layer))) g_layers[layer].clear();
}

std::vector<CollisionId> CollideImageQuery(const ImagePtr& image, float x, float y, int frame,
                                           unsigned collide_mask, unsigned write_mask,
                                           CollisionId id) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return {};
  Shape shape = CurrentTransform(x, y);
  shape.id = id;
  shape.pixels = image->Pixels(frame);
  shape.masked = image->flags & MASKEDIMAGE;
  shape.mask_r = image->mask_r;
  shape.mask_g = image->mask_g;
  shape.mask_b = image->mask_b;
  shape.w = float(image->width);
  shape.h = float(image->height);
  shape.ox = image->handle_x;
  shape.oy = image->handle_y;
  return Query(shape, collide_mask, write_mask);
}

std::vector<CollisionId> CollideRectQuery(float x, float y, float w, float h, unsigned collide_mask,
                                          unsigned write_mask, CollisionId id) {
  if (!(w > 0) || !(h > 0)) return {};
  const auto& s = DrawState();
  Shape shape = CurrentTransform(x, y);
  shape.id = id;
  shape.w = w;
  shape.h = h;
  shape.ox = -s.handle_x;  // the drawing handle is stored negated
  shape.oy = -s.handle_y;
  return Query(shape, collide_mask, write_mask);
}
