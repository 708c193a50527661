// The kit tour. Without switches it opens a window and shows the screens in turn: Space or
// Right moves on, Left goes back, Escape quits. With --headless it runs every screen for
// --frames frames offscreen, with a fixed step and seed, and saves <out>/<screen>.png.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "assets/assets.hpp"
#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"

namespace {

constexpr int kSeed = 1234;
constexpr int kLayers = 4;
// Steps a screen runs before its first frame, so that it opens already in motion.
constexpr int kWarmUpSteps = 120;
constexpr long kMostFrames = 1000000;

struct Options {
  bool headless = false;
  int frames = 120;
  std::string out = ".";
  std::string only;  // one screen by name
  bool valid = true;
};

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool has_value = i + 1 < argc;
    if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--frames" && has_value) {
      char* end = nullptr;
      long frames = std::strtol(argv[++i], &end, 10);
      bool whole = end != argv[i] && *end == '\0';
      o.valid = o.valid && whole && frames > 0 && frames <= kMostFrames;
      o.frames = o.valid ? int(frames) : 0;
    } else if (arg == "--out" && has_value) {
      o.out = argv[++i];
    } else if (arg == "--screen" && has_value) {
      o.only = argv[++i];
    } else {
      o.valid = false;
    }
  }
  return o;
}

// A fresh stage for a screen: empty sprite layers and tables, no offsets, no texts, the same
// random numbers every time.
std::unique_ptr<tour::Screen> Enter(MGE_GameSystem& kit, const tour::ScreenInfo& info) {
  MGE_SpriteHandler::Init(kLayers);
  MGE_SpriteHandler::SetSpriteRenderOffset(0.0f, 0.0f);
  MGE_SpriteHandler::SetSpriteMapOffsetPointer(nullptr, nullptr);
  MGE_GameSystem::SetSpriteEventFunction(nullptr);
  kit.Font->RemoveAllFontFX();
  kit.Font->TextList.Clear();
  SeedRnd(kSeed);
  std::unique_ptr<tour::Screen> screen = info.make(kit);
  for (int i = 0; i < kWarmUpSteps; ++i) {
    vorpel::FrameDelta = tour::kStepMs;
    screen->Step();
  }
  return screen;
}

// The tour's title strip and key hint, over whatever the screen drew.
void DrawChrome(MGE_GameSystem& kit, std::size_t index, std::size_t count,
                const std::string& title) {
  tour::Panel(0, 0, tour::kWidth, tour::kTop, 8, 10, 26, 0.82f);
  tour::Panel(0, tour::kTop - 2, tour::kWidth, 2, 120, 200, 255, 0.5f);
  tour::Label(kit, 16, 9, "KIT TOUR", 0.42f, 120, 200, 255);
  std::string place = std::to_string(index + 1) + " / " + std::to_string(count);
  tour::Label(kit, 16, 25, place, 0.3f, 170, 180, 210);
  tour::Label(kit, 120, 7, title, 0.68f, 255, 255, 255);
  tour::Panel(0, tour::kBottom, tour::kWidth, tour::kHeight - tour::kBottom, 8, 10, 26, 0.78f);
  tour::Label(kit, tour::kWidth / 2, tour::kBottom + 7,
              "Space / Right: next screen      Left: back      Esc: quit", 0.36f, 190, 200, 225,
              1);
}

// One step and one picture. A window's end of frame draws the kit's pointer itself; an
// offscreen picture gets it here.
void Frame(MGE_GameSystem& kit, tour::Screen& screen, const std::vector<tour::ScreenInfo>& all,
           std::size_t index, bool headless) {
  vorpel::FrameDelta = tour::kStepMs;
  screen.Step();
  MGE_GameSystem::BeginScene(1);
  screen.Draw();
  DrawChrome(kit, index, all.size(), all[index].title);
  if (headless) MGE_MouseType::Render();
}

int RunHeadless(MGE_GameSystem& kit, const std::vector<tour::ScreenInfo>& all,
                const Options& o) {
  std::error_code error;
  std::filesystem::create_directories(o.out, error);
  for (std::size_t i = 0; i < all.size(); ++i) {
    std::unique_ptr<tour::Screen> screen = Enter(kit, all[i]);
    for (int f = 0; f < o.frames; ++f) {
      Frame(kit, *screen, all, i, true);
      if (f + 1 == o.frames) {
        PixmapPtr shot = GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
        std::string path = (std::filesystem::path(o.out) / (all[i].name + ".png")).string();
        if (!shot || !PixmapSavePNG(*shot, path)) {
          std::fprintf(stderr, "kit_tour: could not write %s\n", path.c_str());
          return 1;
        }
      }
      MGE_GameSystem::EndScene3(0);
    }
  }
  return 0;
}

int RunWindow(MGE_GameSystem& kit, const std::vector<tour::ScreenInfo>& all) {
  MGE_GameSystem::SetFixedFPS(60);
  FlushInput();
  std::size_t index = 0;
  std::unique_ptr<tour::Screen> screen = Enter(kit, all[index]);
  while (!AppTerminateQuery() && !KeyHitCount(27)) {
    int move = KeyHitCount(32) + KeyHitCount(39) > 0 ? 1 : KeyHitCount(37) > 0 ? -1 : 0;
    if (move != 0) {
      screen.reset();
      index = (index + (move > 0 ? 1 : all.size() - 1)) % all.size();
      screen = Enter(kit, all[index]);
    }
    Frame(kit, *screen, all, index, false);
    MGE_GameSystem::EndScene2(1);
  }
  return 0;
}

}  // namespace

// In sanitizer builds LeakSanitizer scans every thread's dynamic thread-local storage at exit,
// and with the GL driver loaded that scan can crash on a slot the loader left half made,
// failing an otherwise clean run. The tour leaves thread-local storage out of the scan, so
// what the loader, the GL driver and the window system keep for the life of the process (some
// of it reachable only from there) is not reported either.
extern "C" const char* __lsan_default_options() { return "use_tls=0:print_suppressions=0"; }
extern "C" const char* __lsan_default_suppressions() {
  return "leak:_dl_map_object_deps\nleak:add_to_global_resize\nleak:libGLX_mesa.so\n"
         "leak:swrast_dri.so\nleak:libLLVM\nleak:libEGL_mesa.so\nleak:libX11.so\n"
         "leak:libdbus-1.so\nleak:libSDL2\n";
}

int main(int argc, char** argv) {
  Options o = Parse(argc, argv);
  if (!o.valid) {
    std::fprintf(stderr,
                 "usage: kit_tour [--headless] [--frames N] [--out DIR] [--screen NAME]\n");
    return 2;
  }
  if (o.headless) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  RegisterEmbeddedResources();
  RegisterTourPictures();
  SetAppTitle("Vorpel kit tour");

  std::vector<tour::ScreenInfo> screens;
  for (tour::ScreenInfo& info : tour::Screens())
    if (o.only.empty() || info.name == o.only) screens.push_back(std::move(info));
  if (screens.empty()) {
    std::fprintf(stderr, "kit_tour: no screen named %s\n", o.only.c_str());
    return 2;
  }

  MGE_GameSystem kit;
  kit.Start();
  if (!MGE_GameSystem::Grafix(tour::kWidth, tour::kHeight, int(tour::kWidth),
                              int(tour::kHeight), 0, kDriverOpenGL, 60, 0, 0, 1)) {
    std::fprintf(stderr, "kit_tour: could not open the graphics\n");
    return 1;
  }
  int result = 1;
  if (!tour::LoadArt(kit))
    std::fprintf(stderr, "kit_tour: the pictures could not be loaded\n");
  else
    result = o.headless ? RunHeadless(kit, screens, o) : RunWindow(kit, screens);
  kit.Finish();
  return result;
}
