#pragma once
#include <cstdint>

#include "tools/art/canvas.hpp"

// Soap bubbles: a sphere of thin film that mirrors a bright surrounding, coloured by
// interference that changes with the film's thickness and the viewing angle.
namespace art {

// The shape of the window or lamp the bubble mirrors.
enum class Highlight { kWindow, kRound, kSoftbox, kCrescent, kTwinDots, kArch, kStrip, kStar };

struct BubbleStyle {
  std::uint32_t seed = 1;
  Rgb sky{0.8f, 0.9f, 1.0f};     // the surroundings above, mirrored near the top
  Rgb ground{0.3f, 0.3f, 0.4f};  // and below
  float thickness = 420;         // mean film thickness, nanometres
  float drain = 0.35f;           // how much thicker the film is at the bottom than the top
  float swirl = 260;             // thickness change across the marbling, nanometres
  float swirlScale = 1.6f;       // size of the marbling on the sphere (higher is finer)
  float warp = 1.6f;             // how strongly the marbling is stirred
  float twist = 1.5f;            // vortex turning of the marbling round the view axis
  float strata = 0;              // horizontal bands left by draining film, nanometres
  float saturation = 1.3f;       // interference colour strength
  float reflect = 0.09f;         // reflectance facing the viewer (centre opacity)
  float rimPower = 3.0f;         // how quickly reflection rises towards the rim
  Highlight highlight = Highlight::kWindow;
  float lightAngle = -130;  // direction of the light on screen, degrees (0 = right)
  float lightSize = 1.3f;   // size of the mirrored light
  float secondary = 0.3f;   // strength of the soft reflection from the far face
};

// The style of bubble set 1..10.
BubbleStyle BubbleStyleFor(int set);

// A bubble filling a width x height picture: a circle of diameter min(width, height) - 2
// centred in it, antialiased, transparent outside.
Canvas DrawBubble(int width, int height, const BubbleStyle& style);

}  // namespace art
