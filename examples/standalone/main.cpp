// A small program on the installed kit: bouncing, fading, spinning sprites from the embedded
// atlas, a fountain emitter, an explosion now and then, and a line of text, with logic at a
// fixed rate. With --headless --frames N --out FILE it runs N frames offscreen, one logic step
// of a fixed length each, and saves the last frame as a PNG.
#include <cstdio>
#include <cstdlib>
#include <string>

// The kit's headers are named as inside its own tree; Vorpel::kit puts include/vorpel on the path.
#include "assets/assets.hpp"
#include "framework/fixed_rate_logic.hpp"
#include "kit/game_system.hpp"
#include "kit/sprites/emitter_handler.hpp"
#include "kit/sprites/explosion_handler.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/pixmap.hpp"

// The program's own globals, named as the kit's process-wide variables are: the kit keeps its
// own in namespace vorpel, so these link beside them.
int layerCount = 3;
float Delta = 0.5f;
float FrameDelta = 0.25f;
namespace detail {
int frames_drawn = 0;
}

namespace {

constexpr float kWidth = 800, kHeight = 600;
constexpr int kLogicRate = 100;  // steps per second
constexpr float kStepMs = 1000.0f / kLogicRate;
enum Slots { kSlotAtlas = 1, kSlotFont = 2, kSlotCount = 2 };  // slot 0: the explosions'
constexpr int kSpriteLayers = 1;
constexpr int kEmitterLayers = 1;
constexpr int kExplosionLayers = 1;

struct Options {
  bool headless = false;
  int frames = 0;  // 0: run until Escape or the window closes
  std::string out;
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
      long n = std::strtol(argv[++i], &end, 10);
      o.valid = o.valid && *end == '\0' && n > 0 && n <= 1000000;
      o.frames = o.valid ? int(n) : 0;
    } else if (arg == "--out" && has_value) {
      o.out = argv[++i];
    } else {
      o.valid = false;
    }
  }
  if (o.headless && (o.frames == 0 || o.out.empty())) o.valid = false;
  return o;
}

// The order matters: slots before the explosions (which load slot 0), pictures before sprites.
bool SetUp(MGE_GameSystem& kit) {
  kit.Texture->Init(kSlotCount);
  kit.Explosion->Init(kExplosionLayers);
  if (!kit.Texture->Load(kSlotAtlas, "incbin::image1.png", FILTEREDIMAGE) ||
      !kit.Pack->Read("incbin::image1.pac", kSlotAtlas) ||
      !kit.Texture->Load(kSlotFont, kKitFontPicture, FILTEREDIMAGE) ||
      !kit.Font->LoadConfig(kKitFontDefinition, kSlotFont, 0, 0))
    return false;  // the kit has said what failed on standard error
  MGE_SpriteHandler::Init(kSpriteLayers);
  kit.Emitter->Init(kEmitterLayers);
  return true;
}

// Bubbles from the atlas that bounce inside the screen, fade in and out and spin.
void AddSprites(MGE_GameSystem& kit) {
  MGE_SpriteHandler& sprites = *kit.Sprite;
  for (int i = 0; i < 8; ++i) {
    std::string name = std::to_string(1 + i % 4);
    MGE_SpritePtr s = sprites.GetNewSpriteFromPack(name, 100.0f + 80.0f * float(i),
                                                   150.0f + 40.0f * float(i % 5), 1, 1);
    if (!s) continue;
    s->scale = 0.6f;
    // Speeds are per millisecond: 0.15 pixels a millisecond crosses the screen in 5 s.
    sprites.AutoSpritePong(s.get(), 0.05f + 0.02f * float(i), 0.15f - 0.01f * float(i), 40, 40,
                           kWidth - 40, kHeight - 40);
    sprites.AutoSpriteAlphaFade(s.get(), 0.3f, 1.0f, 0.0005f, kValueBounce, 0);
    sprites.AutoSpriteRotate(s.get(), 0.0f, 360.0f, 0.05f * float(i % 3 + 1), kValueWrap);
  }
}

// Glowing blobs rising from the bottom middle.
void AddFountain(MGE_GameSystem& kit) {
  MGE_EmitterConfig c;
  c.img = 0;  // the explosions' effects picture
  c.srcx = 0, c.srcy = 0, c.srcwidth = 64, c.srcheight = 64, c.frames = 1;
  c.scale = 0.6f, c.scaledir = -0.0005f, c.xscale = c.yscale = 1;
  c.alphafadespeed = 0.0011f, c.blend = LIGHTBLEND;
  c.red = 255, c.green = 120, c.blue = 40;
  c.x = kWidth / 2, c.y = kHeight - 60, c.xrandom = 24, c.yrandom = 4;
  c.velocityangle = 270, c.velocitymin = 0.06f, c.velocitymax = 0.14f;
  c.spawns = 3, c.frequencyspeed = 30;
  kit.Emitter->GetNewEmitter(1, c);
}

// One logic step; FrameDelta must hold the step's milliseconds before it runs.
void Logic(MGE_GameSystem& kit, int step) {
  kit.Sprite->UpdateSprites();
  kit.Emitter->UpdateEmitters();
  kit.Explosion->UpdateExplosions();
  if (step % 60 == 0)
    kit.Explosion->Explosion(1, 1 + (step / 60) % 8, 200.0f + float(step % 400), 200, 1.0f, 1, 0,
                             0, LIGHTBLEND, 255, 255, 255, 0, 1);
}

void Draw(MGE_GameSystem& kit) {
  MGE_GameSystem::BeginScene(1);
  MGE_GameSystem::Blit(kSlotAtlas, 0, 332, 700, 420, kWidth / 2, kHeight / 2, 1.0f, 1.1f, 0,
                       SOLIDBLEND);
  kit.Emitter->RenderEmitters();
  kit.Sprite->RenderSprites();
  kit.Explosion->RenderExplosions();
  kit.Font->Reset();
  kit.Font->Scale(0.6f, 0.6f);
  kit.Font->Render(kWidth / 2, 24, "A program on the Vorpel kit", 1);
  ++detail::frames_drawn;
}

int RunHeadless(MGE_GameSystem& kit, const Options& o) {
  for (int f = 0; f < o.frames; ++f) {
    vorpel::FrameDelta = kStepMs;
    Logic(kit, f);
    Draw(kit);
    if (f + 1 == o.frames) {
      PixmapPtr shot = GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight());
      if (!shot || !PixmapSavePNG(*shot, o.out)) {
        std::fprintf(stderr, "standalone: could not write %s\n", o.out.c_str());
        return 1;
      }
    }
    MGE_GameSystem::EndScene3(0);
  }
  return 0;
}

// A fixed-rate loop: DoFixedLogic runs the steps due, each of which sets FrameDelta itself;
// EndScene2 draws the fader and holds the frame rate but measures nothing.
int RunWindow(MGE_GameSystem& kit) {
  MGE_GameSystem::SetFixedLogicRate(kLogicRate);
  MGE_GameSystem::SetFixedFPS(60);
  int step = 0;
  while (!AppTerminateQuery() && !KeyHitCount(kKeyEscape)) {
    MGE_GameSystem::DoFixedLogic([&] {
      vorpel::FrameDelta = kStepMs;
      Logic(kit, step++);
    });
    Draw(kit);
    MGE_GameSystem::EndScene2(1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o = Parse(argc, argv);
  if (!o.valid) {
    std::fprintf(stderr, "usage: standalone [--headless --frames N --out FILE]\n");
    return 2;
  }
  if (o.headless) setenv("SDL_VIDEODRIVER", "offscreen", 1);
  RegisterEmbeddedResources();
  SetAppTitle("Vorpel kit: standalone");

  MGE_GameSystem kit;
  kit.Start();
  if (!MGE_GameSystem::Grafix(kWidth, kHeight, int(kWidth), int(kHeight), 0, kDriverOpenGL, 60,
                              0, 0, 1)) {
    std::fprintf(stderr, "standalone: could not open the graphics\n");
    return 1;
  }
  int result = 1;
  if (SetUp(kit)) {
    AddSprites(kit);
    AddFountain(kit);
    result = o.headless ? RunHeadless(kit, o) : RunWindow(kit);
  }
  kit.Finish();
  // The program's globals are its own: the kit never wrote them.
  if (layerCount != 3 || Delta != 0.5f || FrameDelta != 0.25f) {
    std::fprintf(stderr, "standalone: the kit wrote the program's own globals\n");
    return 1;
  }
  return result;
}
