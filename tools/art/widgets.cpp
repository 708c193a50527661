#include "tools/art/widgets.hpp"

#include <cmath>

#include "tools/art/bubble.hpp"
#include "tools/art/text.hpp"

namespace art {
namespace {

// Colour and opacity of the orb's glass at (u, v) of its unit disc (v down).
Rgba OrbGlass(float u, float v, Rgb tint) {
  float d = std::hypot(u, v);
  Rgb body = Mix(tint * 0.45f, Mix(tint, Grey(1), 0.3f), Smoothstep(-0.9f, 1.0f, v));
  body = body * (1.0f - 0.35f * Smoothstep(0.55f, 1.0f, d));
  float glow = std::exp(-(u * u * 2.5f + (v - 0.62f) * (v - 0.62f) * 9.0f));
  body = body + Mix(tint, Grey(1), 0.55f) * (0.45f * glow);
  Rgba c = Paint(body, 0.94f);
  // The window reflected in the upper half: an ellipse fading downwards.
  float gloss = Coverage((std::hypot(u / 0.74f, (v + 0.46f) / 0.44f) - 1.0f) * 12.0f);
  Over(c, Paint(Grey(1), gloss * Lerp(0.75f, 0.06f, Smoothstep(-0.9f, -0.05f, v))));
  Over(c, Paint(Mix(tint, Grey(1), 0.6f),
                0.55f * Smoothstep(0.86f, 1.0f, d) * Smoothstep(-0.2f, 1.0f, v)));
  return c;
}

// A thin ring of polished metal round the glass.
Rgba Bezel(float v) {
  return Paint(Mix(Hex(0x2a3040), Hex(0xe8eef8), Smoothstep(0.9f, -0.9f, v)), 1.0f);
}

// The tick: two strokes, a soft glow under a bright core.
void DrawTick(Canvas& c, float cx, float cy) {
  auto strokes = [&](float x, float y, float w) {
    return std::min(SdSegment(x, y, cx - 10, cy + 0.5f, cx - 3, cy + 8, w),
                    SdSegment(x, y, cx - 3, cy + 8, cx + 11, cy - 9, w));
  };
  SoftShape(
      c, Around(cx, cy, 16, 16), [&](float x, float y) { return strokes(x, y, 4.0f); },
      Paint(Hex(0x3cf0b4), 0.9f), 3.5f);
  FillShape(
      c, Around(cx, cy, 16, 16), [&](float x, float y) { return strokes(x, y, 2.6f); },
      [&](float, float y) {
        return Paint(Mix(Hex(0xf0fff8), Hex(0x7af8c8), Smoothstep(cy - 9, cy + 8, y)), 1);
      });
}

}  // namespace

void DrawDropShadow(Canvas& c, float cx, float cy, float r, float drop, float blur, float alpha) {
  SoftShape(
      c, Around(cx, cy + drop, r, r),
      [&](float x, float y) { return SdCircle(x, y, cx, cy + drop, r); },
      Paint(Hex(0x02040c), alpha), blur);
}

void DrawOrb(Canvas& c, float cx, float cy, float r, Rgb tint) {
  float rim = std::max(1.5f, r * 0.06f);
  FillShape(
      c, Around(cx, cy, r + rim, r + rim),
      [&](float x, float y) { return SdCircle(x, y, cx, cy, r + rim); },
      [&](float, float y) { return Bezel((y - cy) / r); });
  FillShape(
      c, Around(cx, cy, r, r), [&](float x, float y) { return SdCircle(x, y, cx, cy, r); },
      [&](float x, float y) { return OrbGlass((x - cx) / r, (y - cy) / r, tint); });
}

Canvas MakeButton(const std::string& label, Rgb tint) {
  Canvas c(137, 140);
  const float cx = 68.5f, cy = 66.0f, r = 44.0f;
  DrawDropShadow(c, cx, cy, r + 2, 5, 5, 0.55f);
  DrawOrb(c, cx, cy, r, tint);
  TextStyle s;
  s.face = FontFace::kSansBold, s.size = 21, s.centred = true;
  s.shadow = tint * 0.25f, s.shadowAlpha = 0.9f, s.shadowBlur = 1.6f, s.shadowDy = 1.5f;
  DrawText(c, label, cx, cy + 8, s);
  return c;
}

Canvas MakeLogo() {
  Canvas c(204, 65);
  const float cy = 26;  // the window shows only the top 52 rows of the cell
  TextMask m = RenderText(FontFace::kSansBold, "Trevane", 30, 0.5f);
  const float icon = 30, gap = 7, left = (204 - (icon + gap + float(m.width))) / 2;
  Canvas bubble = DrawBubble(int(icon) + 2, int(icon) + 2, BubbleStyleFor(3));
  DrawPicture(c, bubble, left + icon / 2, cy, 1, 1);
  const int pad = 8;
  int px = int(std::lround(left + icon + gap)) - pad,
      py = int(std::lround(cy + 11)) - m.ascent - pad;
  Place(c, Softened(TextPicture(m, pad, Flat(Hex(0xffb040))), 4, 0.45f), px, py);
  Place(c, Softened(TextPicture(m, pad, Flat(Hex(0x1a0c00))), 1.5f, 1), px + 1, py + 2);
  float top = float(m.ascent) - 22, bottom = float(m.ascent);
  Place(c,
        TextPicture(m, pad,
                    [&](float, float y) {
                      return Mix(Hex(0xfff6dc), Hex(0xf0a838), Smoothstep(top, bottom, y));
                    }),
        px, py);
  return c;
}

Canvas MakeCheckBox(bool ticked) {
  Canvas c(98, 100);
  const float cx = 49, cy = 50, half = 19, r = 8;
  SoftShape(
      c, Around(cx, cy + 3, half + 2, half + 2),
      [&](float x, float y) { return SdRoundBox(x, y, cx, cy + 3, half + 2, half + 2, r + 2); },
      Paint(Hex(0x02040c), 0.5f), 3);
  FillShape(
      c, Around(cx, cy, half + 2, half + 2),
      [&](float x, float y) { return SdRoundBox(x, y, cx, cy, half + 2, half + 2, r + 2); },
      [&](float, float y) { return Bezel((y - cy) / half); });
  FillShape(
      c, Around(cx, cy, half, half),
      [&](float x, float y) { return SdRoundBox(x, y, cx, cy, half, half, r); },
      [&](float x, float y) {
        float v = (y - cy) / half;
        Rgba p = Paint(Mix(Hex(0x050a1c), Hex(0x16284a), Smoothstep(-1, 1, v)), 0.92f);
        if (ticked) Over(p, Paint(Hex(0x20a890), 0.25f + 0.2f * Smoothstep(-1, 1, v)));
        float gloss = Coverage(
            (std::hypot((x - cx) / (half * 1.1f), (y - cy + half * 0.55f) / (half * 0.5f)) - 1) *
            10);
        Over(p, Paint(Grey(1), gloss * Lerp(0.32f, 0.03f, Smoothstep(-1, -0.1f, v))));
        return p;
      });
  if (ticked) DrawTick(c, cx, cy);
  return c;
}

Canvas MakeKnob() {
  Canvas c(79, 82);
  const float cx = 39.5f, cy = 41, r = 16;
  SoftShape(
      c, Around(cx, cy, r + 4, r + 4),
      [&](float x, float y) { return SdCircle(x, y, cx, cy, r + 4); }, Paint(Hex(0x5fd8e8), 0.35f),
      5);
  DrawDropShadow(c, cx, cy, r + 1, 3, 2.5f, 0.6f);
  DrawOrb(c, cx, cy, r, Hex(0x8ab8e8));
  return c;
}

}  // namespace art
