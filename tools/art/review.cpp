// Review pictures, composed from the written files so they show exactly what ships.
#include <cstdio>
#include <stdexcept>

#include "tools/art/assets.hpp"
#include "tools/art/atlas.hpp"
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
    Place(all, Downsample(row, 2), set > 5 ? 480 : 0, 150 * ((set - 1) % 5));
  }
  Canvas screens(kScreenWidth, 2 * kScreenHeight);
  Place(screens, ConfigScreen(atlas, false), 0, 0);
  Place(screens, ConfigScreen(atlas, true), 0, kScreenHeight);
  return ok && Save(all, reviewDir + "/sets.png") && Save(screens, reviewDir + "/config.png") &&
         Save(Bubbles(atlas), reviewDir + "/bubbles.png") &&
         Save(Extras(assetDir), reviewDir + "/extras.png");
}

}  // namespace art
