#include "tools/art/assets.hpp"

#include <cstdio>
#include <map>

#include "platform/replace_file.hpp"
#include "tools/art/atlas.hpp"
#include "tools/art/bitmap_font.hpp"
#include "tools/art/bubble.hpp"
#include "tools/art/config_screen.hpp"
#include "tools/art/effects.hpp"
#include "tools/art/scene.hpp"
#include "tools/art/tiles.hpp"
#include "tools/art/widgets.hpp"

namespace art {
namespace {

bool Report(bool ok, const std::string& path) {
  if (!ok) std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
  return ok;
}

bool SavePNG(const TPixmap& p, const std::string& path) {
  return Report(PixmapSavePNG(p, path, 6) == 1, path);
}

std::map<std::string, Canvas> AtlasPictures() {
  std::map<std::string, Canvas> p;
  for (int set = 1; set <= 10; ++set) {
    const AtlasEntry& e = FindEntry(std::to_string(set));
    p[e.name] = DrawBubble(e.width, e.height, BubbleStyleFor(set));
  }
  p["background"] = MakeConfigBackground();
  p["view"] = MakeButton("View", Hex(0x1f9c8c));
  p["more"] = MakeButton("More", Hex(0x3c64c8));
  p["exit"] = MakeButton("Exit", Hex(0xc8466e));
  p["trevane"] = MakeLogo();
  p["off"] = MakeCheckBox(false);
  p["on"] = MakeCheckBox(true);
  p["slider"] = MakeKnob();
  return p;
}

bool WriteAtlas(const std::string& dir) {
  std::string pac = PackText();
  auto bytes = reinterpret_cast<const std::uint8_t*>(pac.data());
  return SavePNG(ComposeAtlas(AtlasPictures()), dir + "/image1.png") &&
         Report(ReplaceFile(dir + "/image1.pac", bytes, pac.size()), dir + "/image1.pac");
}

bool WriteTiles(const std::string& dir) {
  for (int set = 1; set <= 10; ++set)
    for (char layer : {'a', 'b', 'c', 'd'}) {
      bool front = layer == 'a' || layer == 'c';
      std::string path = dir + "/" + std::to_string(set) + layer + ".png";
      if (!SavePNG(MakeTile(set, layer), front ? PF_RGBA8888 : PF_RGB888, true, path)) return false;
    }
  return true;
}

// The running scene in miniature: the sunset set with bubbles of many sizes rising.
bool WritePreview(const std::string& dir) {
  const AtlasEntry& e = FindEntry("2");
  Canvas bubble = DrawBubble(e.width, e.height, BubbleStyleFor(2));
  std::vector<SceneBubble> bubbles = {
      {120, 250, 1.5f, 1},  {330, 120, 1.0f, 1}, {420, 300, 0.8f, 1},  {250, 330, 0.35f, 1},
      {200, 80, 0.4f, 1},   {460, 60, 0.3f, 1},  {40, 90, 0.3f, 1},    {300, 230, 0.2f, 1},
      {470, 200, 0.25f, 1}, {60, 360, 0.2f, 1},  {370, 370, 0.15f, 1}, {160, 150, 0.12f, 1}};
  Canvas scene(304, 224);
  ComposeScene(scene, MakeTile(2, 'b'), MakeTile(2, 'a'), 60, 40, bubble, bubbles, 0.6f);
  std::string path = dir + "/previewimage.jpg";
  return Report(PixmapSaveJPEG(ToPixmap(Downsample(scene, 2), PF_RGB888, false), path, 90) == 1,
                path);
}

bool WriteIcon(const std::string& dir) {
  BubbleStyle s = BubbleStyleFor(2);
  s.reflect = 0.25f, s.swirlScale = 1.2f, s.lightSize = 1.6f;
  return SavePNG(DrawBubble(64, 64, s), PF_RGBA8888, false, dir + "/icon.png");
}

}  // namespace

bool SavePNG(const Canvas& c, int format, bool dither, const std::string& path) {
  return SavePNG(ToPixmap(c, format, dither), path);
}

bool WriteAssets(const std::string& dir) {
  return WriteAtlas(dir) && WriteTiles(dir) && WritePreview(dir) && WriteIcon(dir) &&
         SavePNG(MakeEffects(), dir + "/mgeres1.png") && WriteDefaultFont(dir) &&
         WriteBitmapFont(dir);
}

}  // namespace art
