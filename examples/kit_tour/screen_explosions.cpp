// Every built-in explosion type in a grid, each thrown again and again at its own moment, in
// the colours and blends that suit its family.
#include <array>
#include <string>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/sprites/explosion_handler.hpp"
#include "platform/graphics.hpp"

namespace tour {
namespace {

constexpr int kColumns = 8, kRows = 6;
constexpr float kGridLeft = 10, kGridTop = kTop + 6;
constexpr float kCellW = (kWidth - 2 * kGridLeft) / kColumns;
constexpr float kCellH = (kBottom - kGridTop - 4) / kRows;
constexpr float kPeriod = 700;  // milliseconds between throws of one type

struct Look {
  int blend, red, green, blue;
};

// Fire in light, smoke grey in alpha blending, frost and rings in pale blue.
Look LookOf(int type) {
  switch (type) {
    case 7:
    case 8:
    case 12:
    case 14:
    case 34:
    case 41:
      return {ALPHABLEND, 160, 160, 172};
    case 22:
    case 32:
      return {LIGHTBLEND, 150, 200, 255};
    case 3:
    case 4:
    case 10:
    case 20:
    case 37:
    case 39:
      return {LIGHTBLEND, 120, 220, 255};
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
      return {LIGHTBLEND, -1, -1, -1};
    default:
      return {LIGHTBLEND, 255, 160, 70};
  }
}

class ExplosionsScreen : public Screen {
 public:
  explicit ExplosionsScreen(MGE_GameSystem& kit) : kit_(kit), boom_(*kit.Explosion) {
    boom_.Init(1);
    // Staggered, so that the grid always shows every stage of an explosion somewhere.
    for (int type = 1; type <= kBuiltInExplosionTypes; ++type)
      clocks_[std::size_t(type)] = kPeriod * float(type * 5 % 13) / 13.0f;
  }

  void Step() override {
    for (int type = 1; type <= kBuiltInExplosionTypes; ++type) {
      float& clock = clocks_[std::size_t(type)];
      clock += vorpel::FrameDelta;
      if (clock < kPeriod) continue;
      clock -= kPeriod;
      Look look = LookOf(type);
      boom_.Explosion(1, type, CentreX(type), CentreY(type), 0.6f, 1, 0, 0, look.blend, look.red,
                      look.green, look.blue, 0, 0);
    }
    boom_.UpdateExplosions();
  }

  void Draw() override {
    MGE_GameSystem::BlitS(kSlotBackdrops, kSky.x, kSky.y, kSky.w, kSky.h, 0, 0,
                          kWidth / float(kSky.w), kHeight / float(kSky.h));
    Panel(0, kTop, kWidth, kBottom - kTop, 4, 6, 16, 0.55f);
    for (int type = 1; type <= kBuiltInExplosionTypes; ++type) {
      float x = CentreX(type) - kCellW / 2, y = CentreY(type) - kCellH / 2;
      Panel(x + 2, y + 2, kCellW - 4, kCellH - 4, 10, 14, 32, 0.6f);
    }
    boom_.RenderExplosions();
    for (int type = 1; type <= kBuiltInExplosionTypes; ++type)
      Label(kit_, CentreX(type) - kCellW / 2 + 7, CentreY(type) - kCellH / 2 + 5,
            std::to_string(type), 0.3f, 150, 170, 210);
  }

 private:
  static float CentreX(int type) {
    return kGridLeft + (float((type - 1) % kColumns) + 0.5f) * kCellW;
  }
  static float CentreY(int type) {
    return kGridTop + (float((type - 1) / kColumns) + 0.5f) * kCellH;
  }

  MGE_GameSystem& kit_;
  MGE_ExplosionHandler& boom_;
  std::array<float, kBuiltInExplosionTypes + 1> clocks_{};
};

const bool registered =
    RegisterScreen({60, "explosions", "Explosions: the 43 built-in types",
                    [](MGE_GameSystem& kit) { return std::make_unique<ExplosionsScreen>(kit); }});

}  // namespace
}  // namespace tour
