// The character of each set's bubble: what it mirrors, how its film is marbled and drained,
// and the shape of the light caught on it.
#include "tools/art/bubble.hpp"

namespace art {

BubbleStyle BubbleStyleFor(int set) {
  BubbleStyle s;
  s.seed = std::uint32_t(set) * 1013u + 7u;
  switch (set) {
    case 1:  // classic: a four-pane window, full magenta, gold and cyan bands
      s.sky = Hex(0xd8ecff), s.ground = Hex(0x2c4660);
      s.thickness = 480, s.swirl = 300, s.highlight = Highlight::kWindow;
      break;
    case 2:  // cool blue, fine marbling, a round lamp
      s.sky = Hex(0xbfe0ff), s.ground = Hex(0x1c3a6a);
      s.thickness = 380, s.swirl = 220, s.swirlScale = 2.4f, s.warp = 0.9f;
      s.highlight = Highlight::kRound, s.lightAngle = -120;
      break;
    case 3:  // warm gold, draining thin at the top, a soft box
      s.sky = Hex(0xfff0cc), s.ground = Hex(0x5a3c1c);
      s.thickness = 360, s.drain = 0.7f, s.swirl = 200, s.twist = 2.5f;
      s.highlight = Highlight::kSoftbox, s.lightAngle = -145;
      break;
    case 4:  // green and cyan in wide stirred bands, a crescent
      s.sky = Hex(0xd0fff0), s.ground = Hex(0x1c4a40);
      s.thickness = 620, s.swirl = 380, s.swirlScale = 1.1f, s.warp = 1.6f, s.twist = 3.0f;
      s.highlight = Highlight::kCrescent, s.lightAngle = -110;
      break;
    case 5:  // rose, thin silvery film with soft colour, two small lamps
      s.sky = Hex(0xffe0ee), s.ground = Hex(0x5a2a40);
      s.thickness = 300, s.swirl = 160, s.saturation = 1.1f, s.reflect = 0.1f;
      s.highlight = Highlight::kTwinDots, s.lightAngle = -135;
      break;
    case 6:  // violet, turbulent, an arched window
      s.sky = Hex(0xe8dcff), s.ground = Hex(0x34205a);
      s.thickness = 520, s.swirl = 340, s.swirlScale = 2.0f, s.warp = 2.0f;
      s.highlight = Highlight::kArch, s.lightAngle = -125;
      break;
    case 7:  // emerald, banded by draining film, a strip light
      s.sky = Hex(0xd8ffe8), s.ground = Hex(0x143c2c);
      s.thickness = 450, s.swirl = 180, s.strata = 120, s.drain = 0.5f;
      s.highlight = Highlight::kStrip, s.lightAngle = -140;
      break;
    case 8:  // pearl: thick film, pastel colours, a large soft lamp
      s.sky = Hex(0xf4f4ff), s.ground = Hex(0x484860);
      s.thickness = 820, s.swirl = 320, s.saturation = 1.0f, s.reflect = 0.14f;
      s.highlight = Highlight::kRound, s.lightSize = 1.5f, s.lightAngle = -135;
      break;
    case 9:  // vivid rainbow, strongly stirred, a square window
      s.sky = Hex(0xe0f0ff), s.ground = Hex(0x303048);
      s.thickness = 540, s.swirl = 420, s.warp = 1.8f, s.saturation = 1.6f;
      s.highlight = Highlight::kWindow, s.lightSize = 0.8f, s.lightAngle = -115;
      break;
    default:  // amber and red, a star glint
      s.sky = Hex(0xffe4c8), s.ground = Hex(0x4a2014);
      s.thickness = 400, s.swirl = 280, s.twist = 2.0f, s.saturation = 1.4f;
      s.highlight = Highlight::kStar, s.lightAngle = -135;
      break;
  }
  return s;
}

}  // namespace art
