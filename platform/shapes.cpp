// Untextured shapes. Corners are offset by the drawing handle, passed through the transform and
// translated to the drawing position plus the origin.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/renderer.hpp"

using vorpel::detail::Context;

namespace {
constexpr float kNoUV[8] = {0, 0, 0, 0, 0, 0, 0, 0};

void SelectPlain() {
  vorpel::detail::RendererSetTexture(0);
  vorpel::detail::RendererSetBlend(Context().state.blend_mode);
}

// A corner relative to the drawing position, through handle and transform.
void Corner(float u, float v, float tx, float ty, float* out) {
  const auto& s = Context().state;
  vorpel::detail::Transform(u + s.handle_x, v + s.handle_y, tx, ty, out[0], out[1]);
}
}  // namespace

void Plot(float x, float y) {
  const auto& s = Context().state;
  float px = x + s.origin_x, py = y + s.origin_y;
  const float xy[8] = {px, py, px + 1, py, px + 1, py + 1, px, py + 1};
  SelectPlain();
  vorpel::detail::RendererQuad(xy, kNoUV, vorpel::detail::CurrentColor());
}

void DrawRect(float x, float y, float w, float h) {
  const auto& s = Context().state;
  float tx = x + s.origin_x, ty = y + s.origin_y;
  float xy[8];
  Corner(0, 0, tx, ty, xy);
  Corner(w, 0, tx, ty, xy + 2);
  Corner(w, h, tx, ty, xy + 4);
  Corner(0, h, tx, ty, xy + 6);
  SelectPlain();
  vorpel::detail::RendererQuad(xy, kNoUV, vorpel::detail::CurrentColor());
}

void DrawLine(float x1, float y1, float x2, float y2) {
  const auto& s = Context().state;
  float tx = x1 + s.origin_x, ty = y1 + s.origin_y;
  float a[2], b[2];
  Corner(0, 0, tx, ty, a);
  Corner(x2 - x1, y2 - y1, tx, ty, b);
  float dx = b[0] - a[0], dy = b[1] - a[1];
  float len = std::sqrt(dx * dx + dy * dy);
  // A line is a quad of the line width around the segment, extended half a width at each end
  // so that a zero-length line still marks its point.
  float half = std::max(s.line_width, 1.0f) * 0.5f;
  float ux = len > 0 ? dx / len : 1.0f, uy = len > 0 ? dy / len : 0.0f;
  float nx = -uy * half, ny = ux * half;
  float ex = ux * half, ey = uy * half;
  const float xy[8] = {a[0] - ex + nx, a[1] - ey + ny, b[0] + ex + nx, b[1] + ey + ny,
                       b[0] + ex - nx, b[1] + ey - ny, a[0] - ex - nx, a[1] - ey - ny};
  SelectPlain();
  vorpel::detail::RendererQuad(xy, kNoUV, vorpel::detail::CurrentColor());
}

namespace {
// A convex outline as a fan of triangles around its first point.
void FillFan(const std::vector<float>& pts) {
  std::size_t n = pts.size() / 2;
  if (n < 3) return;
  SelectPlain();
  std::uint32_t color = vorpel::detail::CurrentColor();
  for (std::size_t i = 1; i + 1 < n; ++i) {
    const float tri[6] = {pts[0], pts[1], pts[i * 2], pts[i * 2 + 1], pts[i * 2 + 2], pts[i * 2 + 3]};
    vorpel::detail::RendererTriangle(tri, color);
  }
}
}  // namespace

void DrawOval(float x, float y, float w, float h) {
  const auto& s = Context().state;
  float tx = x + s.origin_x, ty = y + s.origin_y;
  float rx = w * 0.5f, ry = h * 0.5f;
  float scale = std::max(std::fabs(s.tform_scale_x), std::fabs(s.tform_scale_y));
  float r = std::max(std::fabs(rx), std::fabs(ry)) * (std::isfinite(scale) ? scale : 1.0f);
  int segments = std::isfinite(r) ? std::clamp(int(r * 1.5f) + 8, 8, 256) : 8;
  std::vector<float> pts(std::size_t(segments) * 2);
  for (int i = 0; i < segments; ++i) {
    double a = 2.0 * M_PI * i / segments;
    Corner(rx + rx * float(std::cos(a)), ry + ry * float(std::sin(a)), tx, ty, &pts[std::size_t(i) * 2]);
  }
  FillFan(pts);
}

void DrawPoly(const std::vector<float>& xy) {
  const auto& s = Context().state;
  std::vector<float> pts(xy.size() & ~std::size_t(1));
  for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
    Corner(xy[i], xy[i + 1], s.origin_x, s.origin_y, &pts[i]);
  FillFan(pts);
}
