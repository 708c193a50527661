#include "kit/tiler_handler.hpp"

#include <cstdint>

#include "kit/game_system.hpp"
#include "kit/kit_state.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"

namespace {

// Moves a tint component toward its target without passing it.
void FadeToward(float& value, float target, float step) {
  if (value > target) {
    value -= step;
    if (value < target) value = target;
  } else if (value < target) {
    value += step;
    if (value > target) value = target;
  }
}

// Keeps the origin within one tile to the left of (or above) the start; the overshoot is not
// carried over.
void Wrap(float& origin, float start, int tile) {
  if (origin < start - float(tile))
    origin = start;
  else if (origin > start)
    origin = start - float(tile);
}

// One tile's extent along an axis, cut to [clip1, clip2): where it is drawn and which part of
// the source it shows.
struct Span {
  std::int64_t draw, src, length;
};

Span ClipSpan(std::int64_t pos, int src, int size, int clip1, int clip2) {
  std::int64_t left = src, draw = pos;
  if (pos < clip1) {
    left = src + (clip1 - pos);
    draw = clip1;
  }
  std::int64_t right = std::int64_t(src) + size;
  if (pos + size > clip2) right -= pos + size - clip2;
  return {draw, left, right - left};
}

}  // namespace

int MGE_TilerHandler::InitTiler(int slot, int sx, int sy, int swidth, int sheight, float x,
                                float y, int width, int height) {
  img = slot;
  srcx = sx;
  srcy = sy;
  srcwidth = swidth;
  srcheight = sheight;
  destx = startx = x;
  desty = starty = y;
  destwidth = width;
  destheight = height;
  clipx1 = TruncToInt(x);
  clipy1 = TruncToInt(y);
  clipx2 = TruncToInt(double(x) + width);
  clipy2 = TruncToInt(double(y) + height);
  xspeed = yspeed = 0.0f;
  alpha = 1.0f;
  blend = ALPHABLEND;
  red = green = blue = 255.0f;
  return 0;
}

int MGE_TilerHandler::SetTilerImage(int slot) {
  img = slot;
  return 0;
}

int MGE_TilerHandler::SetTilerBlend(int mode) {
  blend = mode;
  return 0;
}

int MGE_TilerHandler::SetTilerAlpha(float a) {
  alpha = a;
  return 0;
}

int MGE_TilerHandler::SetTilerRGB(float r, float g, float b) {
  red = r;
  green = g;
  blue = b;
  return 0;
}

int MGE_TilerHandler::AutoRGBFade(float r, float g, float b, float speed) {
  redtarget = r;
  greentarget = g;
  bluetarget = b;
  rgbfadespeed = speed;
  rgbfading = 1;
  return 0;
}

int MGE_TilerHandler::SetTilerDirection(float x, float y) {
  xspeed = x;
  yspeed = y;
  return 0;
}

int MGE_TilerHandler::Update() {
  if (rgbfading) {
    float step = rgbfadespeed * vorpel::FrameDelta;
    FadeToward(red, redtarget, step);
    FadeToward(green, greentarget, step);
    FadeToward(blue, bluetarget, step);
    if (red == redtarget && green == greentarget && blue == bluetarget) rgbfading = 0;
  }
  destx += xspeed * vorpel::FrameDelta;
  desty += yspeed * vorpel::FrameDelta;
  Wrap(destx, startx, srcwidth);
  Wrap(desty, starty, srcheight);
  return 0;
}

int MGE_TilerHandler::Render() const {
  if (alpha == 0.0f || srcwidth <= 0 || srcheight <= 0) return 0;
  SetColor(TruncToInt(red), TruncToInt(green), TruncToInt(blue));
  SetBlend(blend);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetAlpha(alpha);
  const ImagePtr& image = MGE_TextureHandler::Get(img);
  if (!image) return 0;
  ImageSetHandle(image, 0.0f, 0.0f);
  const MGE_KitState& kit = KitState();
  std::int64_t rows = destheight / srcheight, columns = destwidth / srcwidth;
  std::int64_t left = TruncToInt(destx), top = TruncToInt(desty);
  for (std::int64_t i = 0; i <= rows + 1; ++i) {
    Span v = ClipSpan(top + i * srcheight, srcy, srcheight, clipy1, clipy2);
    if (v.length <= 0) continue;
    for (std::int64_t j = 0; j <= columns + 1; ++j) {
      Span h = ClipSpan(left + j * srcwidth, srcx, srcwidth, clipx1, clipx2);
      if (h.length <= 0) continue;
      MGE_GameSystem::DrawUV(image, float(h.draw) + kit.renderOffsetX,
                             float(v.draw) + kit.renderOffsetY, float(h.src), float(v.src),
                             float(h.length), float(v.length));
    }
  }
  return 0;
}
