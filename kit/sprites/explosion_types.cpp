// The 43 built-in explosion types. They draw from the kit's effects picture (slot 0) and come
// in families: grow and shrink pairs of one large piece, bursts of small pieces, sparks thrown
// along their rotation, rings, smoke, and scatters around the point. Rates are per delta unit
// (a millisecond of scene time), so a fade of 0.001 lasts one second.
#include "kit/sprites/explosion_handler.hpp"

namespace {

struct Cell {
  int x, y, w, h;
};

// The cells of the effects picture.
constexpr Cell kGlow{0, 0, 64, 64};
constexpr Cell kRing{64, 0, 48, 48};
constexpr Cell kFlare{112, 0, 48, 48};
constexpr Cell kPuff{160, 0, 48, 48};
constexpr Cell kSpark{214, 0, 8, 8};
constexpr Cell kStreak{70, 50, 20, 3};
constexpr Cell kBits{0, 70, 16, 16};     // 16 fragments side by side
constexpr Cell kShards{128, 70, 16, 16};  // the last 8 of them, smaller and turned
constexpr Cell kFlake{0, 160, 32, 32};

struct Row {
  Cell cell;
  float scale, scaledir, fade;
  float startrot, rotatedir;
  float xgravity, ygravity, xdir, ydir;
  float vmin, vmax;
  int spawns, delay, style, frames;
};

// startrot: 0 random angle and spin sign, -1 upright with random spin sign, -2 upright spinning
// as given. style: 2 random direction, 3 along the start angle, 4 scattered, others fixed.
constexpr Row kRows[kBuiltInExplosionTypes] = {
    // Grow and shrink pairs of one piece.
    /* 1 */ {kGlow, 0.25f, 0.003f, 0.001f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 2 */ {kGlow, 3.0f, -0.003f, 0.001f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 3 */ {kRing, 0.25f, 0.003f, 0.001f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 4 */ {kRing, 3.0f, -0.003f, 0.001f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 5 */ {kFlare, 0.25f, 0.003f, 0.001f, -1, 0.05f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 6 */ {kFlare, 3.0f, -0.003f, 0.001f, -1, 0.05f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 7 */ {kPuff, 0.25f, 0.003f, 0.001f, 0, 0.02f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 8 */ {kPuff, 3.0f, -0.003f, 0.001f, 0, 0.02f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    // Quick flashes and a slow cloud.
    /* 9 */ {kGlow, 0.5f, 0.006f, 0.004f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 10 */ {kRing, 0.2f, 0.008f, 0.003f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 11 */ {kFlare, 0.5f, 0.004f, 0.003f, -2, 0.3f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 12 */ {kPuff, 0.5f, 0.0015f, 0.0006f, 0, 0.01f, 0, 0, 0, -0.01f, 0, 0, 1, 0, 1, 1},
    // Bursts of small pieces.
    /* 13 */ {kGlow, 0.4f, -0.0003f, 0.0015f, -1, 0, 0, 0, 0, 0, 0.03f, 0.12f, 12, 0, 2, 1},
    /* 14 */ {kPuff, 0.5f, 0.0015f, 0.0012f, 0, 0.03f, 0, 0, 0, 0, 0.01f, 0.05f, 10, 0, 2, 1},
    /* 15 */ {kSpark, 1.0f, 0.01f, 0.001f, 0, 0.1f, 0, 0, 0, 0, 0.025f, 0.08f, 8, 15, 2, 1},
    /* 16 */ {kSpark, 1.5f, -0.0008f, 0.0015f, 0, 0, 0, 0.0002f, 0, 0, 0.05f, 0.3f, 40, 0, 2, 1},
    /* 17 */ {kSpark, 1.5f, -0.001f, 0.0012f, 0, 0, 0, 0, 0, -0.06f, 0, 0, 20, 30, 4, 1},
    /* 18 */ {kFlare, 0.5f, -0.0003f, 0.0015f, 0, 0.2f, 0, 0, 0, 0, 0.02f, 0.08f, 6, 0, 2, 1},
    /* 19 */ {kGlow, 0.15f, 0, 0.001f, -1, 0, 0, 0.0002f, 0, 0, 0.08f, 0.2f, 20, 0, 2, 1},
    /* 20 */ {kRing, 0.3f, 0.002f, 0.0015f, -1, 0, 0, 0, 0, 0, 0.02f, 0.06f, 5, 0, 2, 1},
    /* 21 */ {kSpark, 1.2f, 0, 0.003f, 0, 0, 0, 0, 0, 0, 0.1f, 0.4f, 60, 0, 2, 1},
    /* 22 */ {kFlake, 0.6f, 0, 0.001f, 0, 0.2f, 0, 0, 0, 0, 0.02f, 0.08f, 10, 0, 2, 1},
    // Sparks thrown along their rotation.
    /* 23 */ {kStreak, 1.0f, 0, 0.001f, 0, 0, 0, 0, 0, 0, 0.02f, 0.2f, 20, 10, 3, 1},
    /* 24 */ {kStreak, 1.5f, 0, 0.002f, 0, 0, 0, 0, 0, 0, 0.1f, 0.3f, 30, 0, 3, 1},
    /* 25 */ {kStreak, 1.0f, 0, 0.0015f, 0, 0, 0, 0.0003f, 0, 0, 0.1f, 0.25f, 24, 0, 3, 1},
    /* 26 */ {kStreak, 3.0f, 0.002f, 0.002f, 0, 0, 0, 0, 0, 0, 0.05f, 0.1f, 16, 0, 3, 1},
    // Fragments.
    /* 27 */ {kBits, 0.5f, 0.002f, 0.001f, 0, 0.5f, 0, 0, 0, 0, 0, 0.1f, 20, 10, 2, 16},
    /* 28 */ {kBits, 1.0f, 0, 0.0012f, 0, 0.5f, 0, 0.0004f, 0, 0, 0.05f, 0.25f, 24, 0, 2, 16},
    /* 29 */ {kBits, 0.8f, -0.0005f, 0.0015f, 0, 0.3f, 0, 0, 0, 0, 0.05f, 0.15f, 30, 0, 2, 8},
    /* 30 */ {kShards, 1.0f, 0, 0.0015f, 0, 0, 0, 0, 0, 0, 0.05f, 0.2f, 20, 0, 3, 8},
    /* 31 */ {kBits, 1.0f, 0, 0.001f, 0, 0.2f, 0, 0.0001f, 0, 0.03f, 0, 0, 20, 20, 4, 16},
    // Scatters around the point.
    /* 32 */ {kFlake, 1.0f, -0.002f, 0.002f, -2, 0, 0, 0, 0, 0, 0, 0, 20, 50, 4, 1},
    /* 33 */ {kGlow, 0.5f, 0.002f, 0.002f, -1, 0, 0, 0, 0, 0, 0, 0, 8, 40, 4, 1},
    /* 34 */ {kPuff, 0.5f, 0.002f, 0.0012f, 0, 0.02f, 0, 0, 0, -0.02f, 0, 0, 8, 60, 4, 1},
    /* 35 */ {kFlare, 0.3f, 0.002f, 0.003f, 0, 0.2f, 0, 0, 0, 0, 0, 0, 10, 50, 4, 1},
    /* 36 */ {kSpark, 0.8f, 0.003f, 0.003f, 0, 0, 0, 0, 0, 0, 0, 0, 30, 20, 4, 1},
    /* 37 */ {kRing, 0.1f, 0.003f, 0.002f, -1, 0, 0, 0, 0, 0, 0, 0, 6, 80, 4, 1},
    // Afterglow, double shock wave, twinkle, smoke column, spiral of sparks, nova.
    /* 38 */ {kGlow, 1.5f, -0.0005f, 0.0005f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 39 */ {kRing, 0.25f, 0.004f, 0.0015f, -1, 0, 0, 0, 0, 0, 0, 0, 2, 150, 1, 1},
    /* 40 */ {kFlare, 1.5f, -0.0012f, 0.0012f, -2, 0.3f, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
    /* 41 */ {kPuff, 0.3f, 0.002f, 0.0012f, 0, 0.02f, 0, 0, 0, -0.1f, 0, 0, 12, 100, 1, 1},
    /* 42 */ {kSpark, 1.0f, 0, 0.0015f, 0, 0, 0, 0, 0, 0, 0.1f, 0.2f, 24, 8, 3, 1},
    /* 43 */ {kGlow, 0.25f, 0.01f, 0.003f, -1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1},
};

}  // namespace

namespace vorpel::detail {

void ConfigureBuiltInExplosions() {
  for (int i = 0; i < kBuiltInExplosionTypes; ++i) {
    const Row& r = kRows[i];
    MGE_ExplosionHandler::ConfigureExplosion(
        i + 1, kExplosionSlot, r.cell.x, r.cell.y, r.cell.w, r.cell.h, r.scale, r.scaledir,
        r.fade, r.startrot, r.rotatedir, r.xgravity, r.ygravity, r.xdir, r.ydir, r.vmin, r.vmax,
        r.spawns, r.delay, r.style, r.frames, 1.0f, 0.0f, 1.0f, 0.0f);
  }
}

}  // namespace vorpel::detail
