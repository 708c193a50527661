// Fuzz target: any bytes as a bitmap-font definition and as text. A definition either loads,
// leaving every glyph with a width of zero or more, or is refused with the font unchanged; the
// offsets given never change whether it loads. Measuring, drawing and animating the bytes as
// text afterwards stays defined.
#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kit/bmfont_handler.hpp"
#include "kit/kit_state.hpp"
#include "platform/resources.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Glyphs {
  std::array<int, 256> x, y, w;
  int height, slot;
  explicit Glyphs(const MGE_BMFontHandler& f)
      : x(f.fsrcx), y(f.fsrcy), w(f.fwidth), height(f.fheight), slot(f.fimg) {}
  bool operator==(const Glyphs&) const = default;
};

// A font that already holds a glyph, so a refused definition has something to keep.
void Prepare(MGE_BMFontHandler& font) {
  font.ConfigFont(1, 5);
  font.ConfigChar('A', 1, 2, 3);
}

int Load(MGE_BMFontHandler& font, int xoffset, int yoffset) {
  const Glyphs before(font);
  int loaded = font.LoadConfig("incbin::fuzz_bmfont.txt", 1, xoffset, yoffset);
  if (loaded) {
    Require(font.fheight >= 0);
    for (int w : font.fwidth) Require(w >= 0);
  } else {
    Require(Glyphs(font) == before);
  }
  return loaded;
}

void UseAsText(MGE_BMFontHandler& font, std::string_view text) {
  float width = font.GetWidthOfString(text);
  Require(std::isfinite(width));
  MGE_BMFontCharDef def;
  font.GetFontCharDef(text, def);
  font.Render(1.5f, 2.5f, text, 1);
  font.RenderShadowed(-3.0f, 1e30f, text, INT_MAX, INT_MIN, 0.5f, 1);
  font.Text(std::string(text), 10, 10, 1, 2, 2, 2, 1, 300, 255, -5, 1, 1, 0.5f, 3);
  font.RenderText();
  vorpel::FrameDelta = 7.0f;
  font.FontFX(std::string(text), 0, 0, 0.4f, 0.3f, 2, 1, -1, 0, 0.5f, 1, 1, 0.1f, 2, 0.5f, 255,
              128, 0, 3);
  for (int i = 0; i < 8; ++i) font.UpdateAndRenderFontFX();
  Require(font.FXList.Empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RegisterResource("fuzz_bmfont.txt", data, size);
  MGE_BMFontHandler font, shifted;
  Prepare(font);
  Prepare(shifted);
  int loaded = Load(font, 0, 0);
  Require(Load(shifted, INT_MAX, INT_MIN) == loaded);
  UseAsText(font, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
