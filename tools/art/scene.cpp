#include "tools/art/scene.hpp"

namespace art {

void DrawSprite(Canvas& dst, const Canvas& src, float x, float y, float scale, float alpha) {
  DrawPicture(dst, src, x, y, scale, std::min(alpha, 1.0f));
  if (alpha > 1.0f) DrawPicture(dst, src, x, y, scale, alpha - 1.0f, Blend::kLight);
}

void ComposeScene(Canvas& dst, const Canvas& back, const Canvas& front, float ox, float oy,
                  const Canvas& bubble, const std::vector<SceneBubble>& bubbles, float zoom) {
  dst.Fill(Paint(Grey(0), 1));
  DrawTiled(dst, back, ox * 0.5f * zoom, oy * 0.5f * zoom, zoom);
  DrawTiled(dst, front, ox * zoom, oy * zoom, zoom);
  for (const SceneBubble& b : bubbles)
    DrawSprite(dst, bubble, b.x * zoom, b.y * zoom, b.scale * zoom, b.alpha);
}

}  // namespace art
