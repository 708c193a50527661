#include "tools/art/config_screen.hpp"

#include <cmath>

#include "tools/art/bubble.hpp"
#include "tools/art/noise.hpp"
#include "tools/art/text.hpp"

namespace art {
namespace {

using L = ScreenLayout;

const Rgb kInk = Hex(0xeaf2ff);     // labels
const Rgb kAccent = Hex(0x5fd8e8);  // the sliders' fill

float Glow(float x, float y, float cx, float cy, float r) {
  float dx = (x - cx) / r, dy = (y - cy) / r;
  return std::exp(-(dx * dx + dy * dy) * 2.0f);
}

// Deep blue night with pools of coloured light and a soft vignette.
void Backdrop(Canvas& c) {
  Shade(c, {0, 0, c.width(), c.height()}, [](float x, float y) {
    float t = Clamp01(0.55f * x / kScreenWidth + 0.45f * (1.0f - y / kScreenHeight));
    Rgb col = Mix(Hex(0x070b22), Hex(0x1c1850), t);
    col = col + Hex(0x1a6a8a) * (0.45f * Glow(x, y, 560, 110, 280));
    col = col + Hex(0x6a2a86) * (0.35f * Glow(x, y, 690, 400, 240));
    col = col + Hex(0x1c3a9a) * (0.3f * Glow(x, y, 120, 60, 260));
    col = col * (1.0f + 0.06f * FbmTile(x / kScreenWidth, y / kScreenWidth, 3, 4, 5));
    float dx = x / kScreenWidth - 0.5f, dy = y / kScreenHeight - 0.5f;
    return Paint(col * (1.0f - 0.5f * (dx * dx + dy * dy)), 1);
  });
}

// A few bubbles floating round the title.
void Bubbles(Canvas& c) {
  struct Spot {
    float x, y, d;
    int set;
  };
  const Spot spots[] = {{650, 42, 118, 1}, {402, 52, 44, 9},  {668, 238, 68, 4},
                        {452, 218, 32, 6}, {565, 258, 20, 2}, {622, 186, 14, 10}};
  for (const Spot& s : spots) {
    int size = int(s.d);
    Canvas b = DrawBubble(size + 2, size + 2, BubbleStyleFor(s.set));
    DrawPicture(c, b, s.x, s.y, 1, 1);
  }
}

// A sheet of frosted glass behind the settings.
void Panel(Canvas& c) {
  const float cx = 195, cy = 144, hw = 177, hh = 132, r = 18;
  SoftShape(
      c, Around(cx, cy + 6, hw, hh),
      [&](float x, float y) { return SdRoundBox(x, y, cx, cy + 6, hw, hh, r); },
      Paint(Grey(0), 0.35f), 8);
  FillShape(
      c, Around(cx, cy, hw, hh),
      [&](float x, float y) { return SdRoundBox(x, y, cx, cy, hw, hh, r); },
      [&](float, float y) {
        float sheen = 1.0f - Smoothstep(cy - hh, cy + hh * 0.2f, y);
        return Paint(Hex(0xc8d8ff), 0.05f + 0.06f * sheen);
      });
  // A hairline edge, brighter along the top.
  FillShape(
      c, Around(cx, cy, hw, hh),
      [&](float x, float y) { return std::abs(SdRoundBox(x, y, cx, cy, hw, hh, r) + 0.5f) - 0.5f; },
      [&](float, float y) {
        return Paint(Grey(1), Lerp(0.3f, 0.08f, Smoothstep(cy - hh, cy + hh, y)));
      });
}

// A sunken groove from the slider's left end to its right end, filling with light towards
// "often", with tick marks and the words at both ends.
void SliderTrack(Canvas& c, float y, const char* label) {
  const float x0 = L::kSliderLeft, x1 = L::kSliderLeft + L::kSliderWidth - 1, half = 6;
  TextStyle title;
  title.face = FontFace::kSansBold, title.size = 15, title.colour = kInk;
  DrawText(c, label, x0 - 4, y - 32, title);
  // The rounded ends stay within the box the slider answers in.
  auto groove = [&](float px, float py) {
    return SdSegment(px, py, x0 + half, y, x1 - half, y, half);
  };
  FillShape(
      c, Around((x0 + x1) / 2, y, (x1 - x0) / 2 + half, half), groove, [&](float px, float py) {
        float lit = Smoothstep(x0, x1, px);
        Rgba p = Paint(Hex(0x03050e), 0.6f);
        Over(p, Paint(Mix(Hex(0x1a4a7a), kAccent, lit), 0.25f + 0.45f * lit));
        Over(p, Paint(Grey(0), 0.45f * Smoothstep(y - 1, y - half, py)));  // the upper lip's shade
        return p;
      });
  FillShape(
      c, Around((x0 + x1) / 2, y + half, (x1 - x0) / 2, 2),
      [&](float px, float py) {
        return SdSegment(px, py, x0 + half, y + half + 0.5f, x1 - half, y + half + 0.5f, 0.6f);
      },
      [](float, float) { return Paint(Grey(1), 0.18f); });
  for (int i = 0; i <= 10; ++i) {
    float tx = x0 + (x1 - x0) * float(i) / 10.0f;
    float r = i % 5 == 0 ? 1.8f : 1.2f;
    FillShape(
        c, Around(tx, y + 16, r, r),
        [&](float px, float py) { return SdCircle(px, py, tx, y + 16, r); },
        [](float, float) { return Paint(kInk, 0.4f); });
  }
  TextStyle ends;
  ends.size = 12, ends.colour = Mix(kInk, Hex(0x8aa0c8), 0.3f), ends.shadowAlpha = 0.6f;
  DrawText(c, "rarely", x0, y + 35, ends);
  ends.rightAligned = true;
  DrawText(c, "often", x1, y + 35, ends);
}

// The name, lit from within, and what it is beneath it.
void Title(Canvas& c) {
  const float cx = 536, baseline = 132;
  TextMask m = RenderText(FontFace::kSansBold, "Vorpel!", 64, 1);
  const int pad = 24;
  int px = int(std::lround(cx - float(m.width) / 2)) - pad, py = int(baseline) - m.ascent - pad;
  Place(c, Softened(TextPicture(m, pad, Flat(Hex(0x40c8f0))), 9, 0.8f), px, py);
  float top = float(m.ascent) - 48, bottom = float(m.ascent);
  Place(c,
        TextPicture(m, pad,
                    [&](float, float y) {
                      float t = Smoothstep(top, bottom, y);
                      return t < 0.5f ? Mix(Grey(1), Hex(0xc8f0ff), t * 2)
                                      : Mix(Hex(0xc8f0ff), Hex(0xb8a8ff), t * 2 - 1);
                    }),
        px, py);
  TextStyle sub;
  sub.size = 17, sub.tracking = 2.5f, sub.centred = true, sub.colour = Hex(0xbcd0f0),
  sub.shadowAlpha = 0.7f;
  DrawText(c, "bubble screen saver", cx, baseline + 34, sub);
}

void CheckLabel(Canvas& c) {
  TextStyle s;
  s.face = FontFace::kSansBold, s.size = 15, s.colour = kInk, s.rightAligned = true;
  DrawText(c, "Background pictures", L::kCheckX - 30, L::kCheckY + 5, s);
}

// A quiet shelf of shade for the buttons and the logo to stand on.
void Shelf(Canvas& c) {
  Shade(c, {0, 280, c.width(), c.height()}, [](float x, float y) {
    float line =
        std::exp(-(y - 296) * (y - 296) * 0.6f) * Smoothstep(120, 330, x) * Smoothstep(640, 430, x);
    Rgba p = Paint(Hex(0x02030a), 0.3f * Smoothstep(282, 330, y));
    Over(p, Paint(Hex(0x9ad8ff), 0.22f * line));
    return p;
  });
}

}  // namespace

Canvas MakeConfigBackground() {
  Canvas c(kScreenWidth, kScreenHeight);
  Backdrop(c);
  Bubbles(c);
  Shelf(c);
  Panel(c);
  Title(c);
  SliderTrack(c, L::kSlider1Y, "How often bubbles appear");
  SliderTrack(c, L::kSlider2Y, "How often the bubbles change");
  CheckLabel(c);
  return c;
}

}  // namespace art
