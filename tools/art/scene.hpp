#pragma once
#include <vector>

#include "tools/art/canvas.hpp"

// The saver's picture as its renderer draws it, for the preview and for looking at the art.
namespace art {

struct SceneBubble {
  float x, y, scale, alpha;  // alpha above 1 adds a light pass of alpha - 1
};

// Tiles the back layer at half the offset and the front layer at the full offset, then draws
// the bubbles; zoom scales the whole scene (positions, tiles and bubbles).
void ComposeScene(Canvas& dst, const Canvas& back, const Canvas& front, float ox, float oy,
                  const Canvas& bubble, const std::vector<SceneBubble>& bubbles, float zoom);

// Draws a picture as a sprite does: alpha above 1 draws it whole, then adds alpha - 1 of it
// as light.
void DrawSprite(Canvas& dst, const Canvas& src, float x, float y, float scale, float alpha);

}  // namespace art
