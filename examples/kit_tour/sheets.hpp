#pragma once
// Where each picture sits on the tour's sheets. The tour cuts its sprites by these; the asset
// generator draws the sheets (examples/kit_tour/pictures) by them.

namespace tour {

struct Rect {
  int x, y, w, h;
};

// The map's tile sheet: 32-pixel cells; a picture is named by its column and row.
inline constexpr int kTile = 32;
struct Cell {
  int column, row, across = 1, down = 1;
};
inline constexpr Cell kGrass1{0, 0}, kGrass2{1, 0}, kFlowers{2, 0}, kPath{3, 0}, kSand{4, 0};
inline constexpr Cell kWater[3] = {{5, 0}, {6, 0}, {7, 0}};
inline constexpr Cell kStone{0, 1}, kBrick{1, 1}, kBush{2, 1}, kRedGem{3, 1}, kBlueGem{4, 1},
    kCrate{5, 1}, kLamp{6, 1}, kMushroom{7, 1};
inline constexpr Cell kTree{0, 2, 2, 2}, kBoulder{2, 2, 2, 2}, kHut{4, 2, 2, 2};

// The walkers' sheet: the hero's 32 x 32 frames in rows by heading (down, left, right, up),
// four steps each; two frames of a slime after them in the first row.
enum Heading : int { kDown = 0, kLeft = 1, kRight = 2, kUp = 3 };
inline constexpr int kHeroFrames = 4;
inline constexpr Rect kSlime[2] = {{128, 0, 32, 32}, {160, 0, 32, 32}};

// The backdrops picture (512 x 512).
inline constexpr Rect kSky{0, 0, 256, 256};        // night sky with a nebula, opaque
inline constexpr Rect kStars{256, 0, 256, 256};    // stars on clear, seamless
inline constexpr Rect kClouds{0, 256, 256, 256};   // white wisps on clear, seamless
inline constexpr Rect kFloor{256, 256, 128, 128};  // bevelled floor tiles, seamless
inline constexpr Rect kScales{384, 256, 128, 128}; // fish scales, seamless
inline constexpr Rect kGrid{256, 384, 128, 128};   // a glowing grid on clear, seamless
inline constexpr Rect kWeave{384, 384, 128, 128};  // woven bands, seamless

// The GUI picture (512 x 512). A button's strip holds its normal, hover and pressed cells, a
// check box's its unchecked and checked ones, each cell one texel after the one before.
inline constexpr Rect kButtonStrip[3] = {{0, 0, 96, 96}, {0, 100, 96, 96}, {0, 200, 96, 96}};
inline constexpr Rect kCheckStrip{0, 300, 98, 100};
inline constexpr Rect kKnob{200, 300, 79, 82};
inline constexpr Rect kPointer{300, 300, 32, 32};
inline constexpr Rect kTrack{0, 420, 340, 36};

}  // namespace tour
