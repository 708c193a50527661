#pragma once
#include "platform/pixmap.hpp"

// The game kit's built-in effects picture "mgeres1.png", 256 x 256: white shapes on clear,
// tinted when drawn. Cells: a soft round glow (0, 0, 64, 64), a ring (64, 0, 48, 48), a star
// flare (112, 0, 48, 48), a smoke puff (160, 0, 48, 48), a spark (214, 0, 8, 8), a thin
// streak (70, 50, 20, 3), sixteen 16 x 16 fragments from (0, 70) and a 32 x 32 snow flake at
// (0, 160).
namespace art {

inline constexpr int kEffectsSize = 256;

// Every pixel is white, clear ones too, so that filtering never darkens an edge.
TPixmap MakeEffects();

}  // namespace art
