#pragma once
#include <string>
#include <vector>

#include "tools/art/canvas.hpp"

// Lines of text drawn with FreeType from the DejaVu fonts of the system (fonts-dejavu-core).
namespace art {

enum class FontFace { kSans, kSansBold, kSerif, kSerifBold };

// A line of text as coverage 0..1, with the baseline `ascent` pixels below the top.
struct TextMask {
  int width = 0, height = 0, ascent = 0;
  std::vector<float> cover;
  float At(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? 0.0f : cover[std::size_t(y) * width + x];
  }
};

// Renders ASCII text; tracking adds space between letters (pixels). Throws when the font file
// cannot be read.
TextMask RenderText(FontFace face, const std::string& text, int pixelSize, float tracking = 0);

// The text as a picture coloured by paint(x, y) (mask coordinates), with `pad` clear pixels
// round it so glows and shadows have room.
template <class PaintFn>
Canvas TextPicture(const TextMask& m, int pad, PaintFn paint) {
  Canvas c(m.width + 2 * pad, m.height + 2 * pad);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      if (float a = m.At(x, y); a > 0) c.at(x + pad, y + pad) = Paint(paint(float(x), float(y)), a);
  return c;
}

// A paint of one colour for TextPicture.
inline auto Flat(Rgb colour) {
  return [colour](float, float) { return colour; };
}

// How DrawText sets a line: face, size, colour, and a soft shadow (or glow) beneath it.
struct TextStyle {
  FontFace face = FontFace::kSans;
  int size = 16;
  Rgb colour{1, 1, 1};
  Rgb shadow{0, 0, 0};
  float shadowAlpha = 0.5f, shadowBlur = 2.0f, shadowDx = 0, shadowDy = 1;
  float tracking = 0;
  bool centred = false;
  bool rightAligned = false;
};

// Draws a line of text whose baseline starts at (x, baseline), or is centred on x or ends at x.
void DrawText(Canvas& c, const std::string& text, float x, float baseline, const TextStyle& s);

}  // namespace art
