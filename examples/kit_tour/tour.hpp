#pragma once
// The kit tour: one program that shows each feature of the game kit on a screen of its own.
// A screen is one file that registers itself in the table below with its place in the tour.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "examples/kit_tour/sheets.hpp"
#include "kit/game_system.hpp"
#include "kit/sprites/sprite_handler.hpp"

namespace tour {

// The virtual game area every screen draws in; the window shows it one to one.
inline constexpr float kWidth = 800.0f;
inline constexpr float kHeight = 600.0f;
// The strips the tour's own title and hint take at the top and the bottom.
inline constexpr float kTop = 44.0f;
inline constexpr float kBottom = kHeight - 30.0f;
// Milliseconds of scene time per frame: the kit's speeds count per millisecond.
inline constexpr float kStepMs = 1000.0f / 60.0f;

// Texture slots the tour fills at start-up.
enum Slot : int {
  kSlotAtlas = 1,    // "image1.png" with the names of "image1.pac"
  kSlotEffects = 2,  // "mgeres1.png": glow, ring, flare, puff, spark, streak, fragments
  kSlotFont = 3,     // the kit's bitmap font
  kSlotTiles = 4,    // the map's tiles, drawn at start-up
  kSlotPeople = 5,   // the map's walkers
  kSlotBackdrops = 6,  // skies and seamless patterns
  kSlotGui = 7,        // picture strips of buttons and a check box, a slider, a pointer
  kSlotCount = 7,
  // Slot 0 is left to the explosion handler, which loads the kit's effects picture there.
};

// Rectangles of the effects picture (white shapes, tinted when drawn).
inline constexpr Rect kGlow{0, 0, 64, 64};
inline constexpr Rect kRing{64, 0, 48, 48};
inline constexpr Rect kFlare{112, 0, 48, 48};
inline constexpr Rect kPuff{160, 0, 48, 48};
inline constexpr Rect kSpark{214, 0, 8, 8};

// One screen of the tour. It is made when the tour reaches it (sprite layers empty, the
// random generator freshly seeded) and dropped when the tour moves on.
class Screen {
 public:
  virtual ~Screen() = default;
  // One logic step; FrameDelta holds the step's milliseconds.
  virtual void Step() = 0;
  // Draws the screen's frame between the tour's clear and its title strip.
  virtual void Draw() = 0;
};

struct ScreenInfo {
  int order;          // place in the tour
  std::string name;   // file name of its picture in headless runs
  std::string title;  // shown in the title strip
  std::function<std::unique_ptr<Screen>(MGE_GameSystem&)> make;
};

// Adds a screen to the tour; returns true so that a file can register from a static.
bool RegisterScreen(ScreenInfo info);
// Every registered screen in tour order.
std::vector<ScreenInfo> Screens();

// --- Helpers the screens share --------------------------------------------------------------

// A real number between a and b from the kit's generator.
float RandF(float a, float b);
// A sprite of a rectangle of a texture slot, centred on (x, y).
MGE_SpritePtr NewSprite(MGE_GameSystem& kit, int layer, int slot, Rect r, float x, float y);
// A sprite of a named atlas picture, or none.
MGE_SpritePtr NewAtlasSprite(MGE_GameSystem& kit, const std::string& name, int layer, float x,
                             float y);
// Text in the kit's font at a scale and colour; centred around x when centred is 1.
void Label(MGE_GameSystem& kit, float x, float y, const std::string& text, float scale,
           int r, int g, int b, int centred = 0, float alpha = 1.0f);
// A filled rectangle in one colour.
void Panel(float x, float y, float w, float h, int r, int g, int b, float alpha);
// A filled rectangle with a border of another colour.
void Frame(float x, float y, float w, float h, int border, int r, int g, int b, float alpha);

}  // namespace tour
