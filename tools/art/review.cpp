// Review pictures, composed from the written files so they show exactly what ships.
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "tools/art/assets.hpp"
#include "tools/art/atlas.hpp"
#include "tools/art/bitmap_font.hpp"
#include "tools/art/config_screen.hpp"
#include "tools/art/scene.hpp"

namespace art {
namespace {

Canvas Load(const std::string& path) {
  PixmapPtr p = LoadPixmap(path);
  if (!p) throw std::runtime_error("cannot read " + path);
  return FromPixmap(*p);
}

bool Save(const Canvas& c, const std::string& path) {
  bool ok = PixmapSavePNG(ToPixmap(c, PF_RGB888, false), path, 6) == 1;
  if (!ok) std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
  return ok;
}

// Bubbles of every size the scene makes, one drawn at alpha 1.25 (a light pass on top).
const std::vector<SceneBubble>& SheetBubbles() {
  static const std::vector<SceneBubble> b = {
      {90, 150, 1.0f, 1},   {215, 95, 0.7f, 1},   {330, 190, 0.45f, 1},   {395, 80, 0.25f, 1},
      {440, 180, 0.12f, 1}, {450, 250, 0.06f, 1}, {215, 230, 0.6f, 1.25f}};
  return b;
}

// One row per set: its a/b pair on the left, its c/d pair on the right.
Canvas SetRow(const std::string& dir, const Canvas& atlas, int set) {
  const int w = 480, h = 300;
  std::string n = dir + "/" + std::to_string(set);
  Canvas bubble = Crop(atlas, FindEntry(std::to_string(set)));
  Canvas row(2 * w, h), panel(w, h);
  ComposeScene(panel, Load(n + "b.png"), Load(n + "a.png"), 37, 91, bubble, SheetBubbles(), 1);
  Place(row, panel, 0, 0);
  ComposeScene(panel, Load(n + "d.png"), Load(n + "c.png"), 37, 91, bubble, SheetBubbles(), 1);
  Place(row, panel, w, 0);
  return row;
}

// Both pairs of a set filling a 1280 x 800 screen each, as the saver draws them there: three
// by two copies of the tile, where a patch that repeats shows at once.
Canvas ScreenView(const std::string& dir, int set) {
  const float zoom = 1280.0f / 800.0f;  // the virtual screen is 800 wide
  std::string n = dir + "/" + std::to_string(set);
  Canvas view(1280, 1600), screen(1280, 800);
  ComposeScene(screen, Load(n + "b.png"), Load(n + "a.png"), 37, 91, Canvas(), {}, zoom);
  Place(view, screen, 0, 0);
  ComposeScene(screen, Load(n + "d.png"), Load(n + "c.png"), 37, 91, Canvas(), {}, zoom);
  Place(view, screen, 0, 800);
  return view;
}

// The configuration screen with every sprite at its place; hover shows the pointer's effect
// on "view" and the check box cleared.
Canvas ConfigScreen(const Canvas& atlas, bool hover) {
  using L = ScreenLayout;
  auto sprite = [&](const char* name) { return Crop(atlas, FindEntry(name)); };
  Canvas c(kScreenWidth, kScreenHeight);
  DrawSprite(c, sprite("background"), 350, 210, 1, 1);
  DrawSprite(c, sprite("trevane"), L::kLogoX, L::kLogoY, 1, 1);
  DrawSprite(c, sprite("view"), L::kViewX, L::kButtonsY, hover ? 1.08f : 1, hover ? 1.25f : 1);
  DrawSprite(c, sprite("more"), L::kMoreX, L::kButtonsY, 1, 1);
  DrawSprite(c, sprite("exit"), L::kExitX, L::kButtonsY, 1, 1);
  DrawSprite(c, sprite(hover ? "off" : "on"), L::kCheckX, L::kCheckY, 1, 1);
  DrawSprite(c, sprite("slider"), L::kSliderLeft + 233, L::kSlider1Y, 1, 1);
  DrawSprite(c, sprite("slider"), L::kSliderLeft + (hover ? 299 : 200), L::kSlider2Y, 1, 1);
  return c;
}

// The ten bubbles enlarged twice, over a dark and over a light checkerboard.
Canvas Bubbles(const Canvas& atlas) {
  Canvas c(5 * 240, 4 * 240);
  Shade(c, {0, 0, c.width(), c.height()}, [](float x, float y) {
    bool odd = (int(x) / 20 + int(y) / 20) % 2 != 0;
    if (y < 480) return Paint(odd ? Hex(0x0c1830) : Hex(0x182848), 1);
    return Paint(odd ? Hex(0x9aaabb) : Hex(0xc0ccd8), 1);
  });
  for (int i = 0; i < 10; ++i) {
    Canvas b = Crop(atlas, FindEntry(std::to_string(i + 1)));
    float x = float(120 + 240 * (i % 5)), y = float(120 + 240 * (i / 5));
    DrawPicture(c, b, x, y, 2, 1);
    DrawPicture(c, b, x, y + 480, 2, 1);
  }
  return c;
}

// The effects picture, the preview and the icon, enlarged over dark and light grounds.
Canvas Extras(const std::string& dir) {
  Canvas c(1024, 560);
  Shade(c, {0, 0, c.width(), c.height()},
        [](float x, float) { return Paint(x < 880 ? Hex(0x101830) : Hex(0xa8b8c8), 1); });
  DrawPicture(c, Load(dir + "/mgeres1.png"), 256, 256, 2, 1);
  DrawPicture(c, Load(dir + "/previewimage.jpg"), 740, 180, 2, 1);
  Canvas icon = Load(dir + "/icon.png");
  DrawPicture(c, icon, 740, 420, 2, 1);
  DrawPicture(c, icon, 950, 420, 2, 1);
  DrawPicture(c, icon, 950, 300, 1, 1);
  return c;
}

// The bitmap font's glyph cells by code, read back from its definition text.
struct FontCells {
  int height = 0;
  Box cells[256];
};

FontCells ReadFontCells(const std::string& path) {
  std::ifstream in(path);
  FontCells font;
  char comma;
  int rows = 0;
  if (!(in >> font.height >> comma >> rows)) throw std::runtime_error("cannot read " + path);
  for (int r = 0; r < rows; ++r) {
    int y = 0, first = 0, count = 0;
    in >> y >> comma >> first >> comma >> count;
    for (int k = 0; k < count; ++k) {
      int x = 0, w = 0;
      in >> x >> comma >> w;
      if (k + 1 < count) in >> comma;
      if (first + k >= 0 && first + k < 256)
        font.cells[first + k] = {x, y, x + w, y + font.height};
    }
  }
  return font;
}

// Lines set as the kit sets them (each glyph followed by 2 pixels), tinted as its colour does.
Canvas FontSample(const std::string& dir) {
  Canvas sheet = Load(dir + "/" + kBitmapFontPicture);
  FontCells font = ReadFontCells(dir + "/" + kBitmapFontText);
  Canvas c(1000, 12 * font.height);
  Shade(c, {0, 0, c.width(), c.height()}, [&](float, float y) {
    return Paint(y < float(c.height()) * 0.6f ? Mix(Hex(0x142040), Hex(0x2a4a78), y / 600.0f)
                                              : Hex(0x9fb4c8),
                 1);
  });
  struct Sample {
    const char* text;
    Rgb tint;
  };
  const Sample samples[] = {
      {"The quick brown fox jumps over the lazy dog.", Grey(1)},
      {"SCORE 0123456789  LEVEL UP!  ?&@#%", Hex(0xffd060)},
      {"\xC0\xC9\xCE\xD5\xDC \xE0\xE9\xEE\xF5\xFC \xC6\xDF\xD8 \xA9\xAE\xBD", Hex(0x80e0ff)},
      {"Bubbles rise and burst.", Hex(0xff8080)},
      {"The quick brown fox jumps over the lazy dog.", Grey(1)},
      {"Game Over", Hex(0x60ff90)},
  };
  int y = font.height / 2;
  for (const Sample& s : samples) {
    int x = 20;
    for (unsigned char ch : std::string(s.text)) {
      Box b = font.cells[ch];
      for (int j = 0; j < b.y1 - b.y0; ++j)
        for (int i = 0; i < b.x1 - b.x0; ++i) {
          Rgba p = sheet.at(b.x0 + i, b.y0 + j);
          if (c.Contains(x + i, y + j))
            Over(c.at(x + i, y + j), {p.r * s.tint.r, p.g * s.tint.g, p.b * s.tint.b, p.a});
        }
      x += b.x1 - b.x0 + 2;
    }
    y += font.height * 2;
  }
  return c;
}

}  // namespace

bool WriteReview(const std::string& assetDir, const std::string& reviewDir) {
  Canvas atlas = Load(assetDir + "/image1.png");
  Canvas all(960, 150 * 5);
  bool ok = true;
  for (int set = 1; set <= 10; ++set) {
    Canvas row = SetRow(assetDir, atlas, set);
    char name[32];
    std::snprintf(name, sizeof name, "/set_%02d.png", set);
    ok = ok && Save(row, reviewDir + name);
    std::snprintf(name, sizeof name, "/screen_%02d.png", set);
    ok = ok && Save(ScreenView(assetDir, set), reviewDir + name);
    Place(all, Downsample(row, 2), set > 5 ? 480 : 0, 150 * ((set - 1) % 5));
  }
  Canvas screens(kScreenWidth, 2 * kScreenHeight);
  Place(screens, ConfigScreen(atlas, false), 0, 0);
  Place(screens, ConfigScreen(atlas, true), 0, kScreenHeight);
  return ok && Save(all, reviewDir + "/sets.png") && Save(screens, reviewDir + "/config.png") &&
         Save(Bubbles(atlas), reviewDir + "/bubbles.png") &&
         Save(Extras(assetDir), reviewDir + "/extras.png") &&
         Save(FontSample(assetDir), reviewDir + "/font.png");
}

}  // namespace art
