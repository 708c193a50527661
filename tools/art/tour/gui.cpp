// The GUI screen's pictures: glass buttons in three states, the check box, the slider and the
// pointer. The controls reuse the configuration screen's glass from the asset generator.
#include <algorithm>
#include <cmath>

#include "examples/kit_tour/sheets.hpp"
#include "tools/art/tour/tour_pictures.hpp"
#include "tools/art/widgets.hpp"

namespace tour {
namespace {

using art::Canvas;
using art::Hex;
using art::Rgb;

const Rgb kButtonTints[3] = {Hex(0xff7a2e), Hex(0x8d9bb8), Hex(0xb070ff)};

// Cell n of a strip starts n cell widths and n texels after the strip.
int CellX(Rect strip, int n) { return strip.x + n * (strip.w + 1); }

// Normal, hover (lit, with a halo) and pressed (darker, sunk a little).
void Button(Canvas& sheet, Rect strip, Rgb tint) {
  for (int state = 0; state < 3; ++state) {
    Canvas c(strip.w, strip.h);
    float cx = float(strip.w) / 2, cy = float(strip.h) / 2 - 2, r = 34;
    if (state == 1)
      art::SoftShape(
          c, paint::All(c), [&](float x, float y) { return art::SdCircle(x, y, cx, cy, r + 5); },
          art::Paint(art::Mix(tint, Hex(0xffffff), 0.4f), 0.55f), 5);
    float sink = state == 2 ? 2.0f : 0.0f;
    art::DrawDropShadow(c, cx, cy + sink, r + 1, state == 2 ? 2.0f : 5.0f, 4, 0.55f);
    Rgb face = state == 1 ? art::Mix(tint, Hex(0xffffff), 0.22f) : state == 2 ? tint * 0.7f : tint;
    art::DrawOrb(c, cx, cy + sink, r, face);
    art::Place(sheet, c, CellX(strip, state), strip.y);
  }
}

// A groove with a scale of ticks.
void Track(Canvas& sheet) {
  Canvas c(kTrack.w, kTrack.h);
  float cy = float(kTrack.h) / 2, half = float(kTrack.w) / 2 - 8;
  paint::Fill(
      c, paint::All(c),
      [&](float x, float y) { return art::SdRoundBox(x, y, float(kTrack.w) / 2, cy, half, 5, 5); },
      Hex(0x0a0f20), 0.9f);
  art::FillShape(
      c, paint::All(c),
      [&](float x, float y) {
        return art::SdRoundBox(x, y, float(kTrack.w) / 2, cy, half - 2, 3, 3);
      },
      [&](float x, float) {
        float t = (x - 10) / (2 * half - 4);
        return art::Paint(art::Mix(Hex(0x1b4c7a), Hex(0x5fd8e8), art::Clamp01(t)), 1.0f);
      });
  for (int i = 0; i <= 10; ++i) {
    float x = 10 + float(i) * (2 * half - 4) / 10;
    paint::Fill(
        c, paint::All(c),
        [&](float px, float py) { return art::SdCircle(px, py, x, cy + 12, 1.4f); }, Hex(0x9fb4d8),
        0.8f);
  }
  art::Place(sheet, c, kTrack.x, kTrack.y);
}

// An arrow: a triangular head and a stem, white with a dark edge.
void Pointer(Canvas& sheet) {
  Canvas c(kPointer.w, kPointer.h);
  const float head[3][2] = {{3, 2}, {3, 23}, {18, 17}};
  auto sdf = [&](float x, float y) {
    // The largest distance outside the head's three edges (their normals point outwards).
    float d = -1e9f;
    for (int i = 0; i < 3; ++i) {
      const float* a = head[i];
      const float* b = head[(i + 1) % 3];
      float nx = a[1] - b[1], ny = b[0] - a[0];
      d = std::max(d, ((x - a[0]) * nx + (y - a[1]) * ny) / std::hypot(nx, ny));
    }
    return std::min(d, art::SdSegment(x, y, 8, 17, 13, 28, 2.2f));
  };
  paint::Outlined(c, paint::All(c), sdf, Hex(0xffffff), 1.4f);
  art::Place(sheet, c, kPointer.x, kPointer.y);
}

}  // namespace

Canvas DrawGuiSheet() {
  Canvas sheet(512, 512);
  for (int i = 0; i < 3; ++i) Button(sheet, kButtonStrip[i], kButtonTints[i]);
  art::Place(sheet, art::MakeCheckBox(false), CellX(kCheckStrip, 0), kCheckStrip.y);
  art::Place(sheet, art::MakeCheckBox(true), CellX(kCheckStrip, 1), kCheckStrip.y);
  art::Place(sheet, art::MakeKnob(), kKnob.x, kKnob.y);
  Pointer(sheet);
  Track(sheet);
  return sheet;
}

}  // namespace tour
