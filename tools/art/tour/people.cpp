// The map's walkers: a hero in four headings and four steps, and a slime in two.
#include <cmath>

#include "examples/kit_tour/sheets.hpp"
#include "tools/art/tour/tour_pictures.hpp"

namespace tour {
namespace {

using art::Canvas;
using art::Hex;
using art::Rgb;
using paint::Fill;
using paint::Outlined;

const Rgb kSkin = Hex(0xf4c9a0), kHair = Hex(0x70401f), kTunic = Hex(0x3f72dc),
          kTrousers = Hex(0x2b2f52), kBelt = Hex(0x7a4a22), kBoot = Hex(0x3a2416);

void Shadow(Canvas& c, float cx, float cy, float rx) {
  Fill(
      c, paint::All(c),
      [&](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / 3.0f) - 1.0f) * 3.0f; },
      Hex(0x000000), 0.3f);
}

// One frame: step 1 and 3 lift one leg each and bob the body a pixel.
Canvas Hero(int heading, int step) {
  Canvas c(kTile, kTile);
  Shadow(c, 16, 29, 8);
  bool side = heading == kLeft || heading == kRight;
  float facing = heading == kLeft ? -1.0f : 1.0f;
  float swing = step == 1 ? 1.0f : step == 3 ? -1.0f : 0.0f;
  float bob = swing != 0.0f ? -1.0f : 0.0f;
  // Legs: side by side from the front, one ahead of the other from the side.
  for (int leg = 0; leg < 2; ++leg) {
    float s = leg == 0 ? swing : -swing;
    float lx = side ? 16.0f + facing * s * 2.5f : (leg == 0 ? 13.0f : 19.0f);
    float lift = side ? 0.0f : std::max(s, 0.0f) * 2.0f;
    float foot = 27.5f - lift;
    Outlined(
        c, paint::All(c),
        [&](float x, float y) {
          return art::SdRoundBox(x, y, lx, foot - 3.5f + bob, 2.2f, 3.5f, 1);
        },
        kTrousers);
    Outlined(
        c, paint::All(c),
        [&](float x, float y) {
          return art::SdRoundBox(x, y, lx + (side ? facing : 0.0f), foot + bob, 2.6f, 1.4f, 1);
        },
        kBoot);
  }
  float by = 18.5f + bob;
  // The far arm goes behind the body.
  auto arm = [&](float ax, float ay) {
    Outlined(
        c, paint::All(c), [&](float x, float y) { return art::SdCircle(x, y, ax, ay, 2.3f); },
        kSkin);
  };
  if (side) arm(16.0f - facing * swing * 2.5f, by + 1.0f);
  Outlined(
      c, paint::All(c),
      [&](float x, float y) { return art::SdRoundBox(x, y, 16, by, 6.5f, 5.5f, 2.5f); }, kTunic);
  Fill(
      c, paint::All(c),
      [&](float x, float y) { return art::SdRoundBox(x, y, 16, by + 3.0f, 6.5f, 1.0f, 0.5f); },
      kBelt);
  if (side) {
    arm(16.0f + facing * swing * 2.5f, by + 1.0f);
  } else {
    arm(9.0f, by + 1.0f + swing);
    arm(23.0f, by + 1.0f - swing);
  }
  float hy = 9.5f + bob;
  Outlined(
      c, paint::All(c), [&](float x, float y) { return art::SdCircle(x, y, 16, hy, 7.0f); }, kSkin);
  // Hair: a cap over the top, the whole head from behind, swept back from the side.
  auto hair = [&](float x, float y) {
    float head = art::SdCircle(x, y, 16, hy, 7.0f);
    if (heading == kUp) return head;
    float line = heading == kDown ? hy - 2.0f - y
                 : side           ? (hy - 1.0f - y) + facing * (x - 16) * -0.6f - 1.0f
                                  : 0.0f;
    return std::max(head, line);
  };
  Fill(c, paint::All(c), hair, kHair);
  auto eye = [&](float ex) {
    Fill(
        c, paint::All(c),
        [&](float x, float y) { return art::SdRoundBox(x, y, ex, hy + 1.5f, 0.8f, 1.3f, 0.8f); },
        Hex(0x1c1a26));
  };
  if (heading == kDown) {
    eye(13.3f);
    eye(18.7f);
  } else if (side) {
    eye(16.0f + facing * 4.0f);
  }
  return c;
}

// A green slime; its second frame squashes it.
Canvas Slime(int frame) {
  Canvas c(kTile, kTile);
  Shadow(c, 16, 28.5f, 10);
  float rx = frame == 0 ? 10.5f : 12.0f, ry = frame == 0 ? 10.0f : 8.5f, cy = 28.0f - ry;
  auto body = [&](float x, float y) {
    return std::max((std::hypot((x - 16) / rx, (y - cy) / ry) - 1.0f) * std::min(rx, ry),
                    y - 28.0f);
  };
  Outlined(c, paint::All(c), body, Hex(0x52c049));
  art::FillShape(c, paint::All(c), body, [&](float x, float y) {
    float light = art::Clamp01(1.0f - std::hypot(x - 11, y - (cy - 5)) / 16.0f);
    return art::Paint(art::Mix(Hex(0x2f8f3a), Hex(0x9df27a), light), 1.0f);
  });
  Fill(
      c, paint::All(c), [&](float x, float y) { return art::SdCircle(x, y, 11, cy - 4, 2.2f); },
      Hex(0xffffff), 0.7f);
  for (float ex : {12.5f, 19.5f}) {
    Fill(
        c, paint::All(c), [&](float x, float y) { return art::SdCircle(x, y, ex, cy + 1, 1.8f); },
        Hex(0x1c1a26));
    Fill(
        c, paint::All(c),
        [&](float x, float y) { return art::SdCircle(x, y, ex - 0.6f, cy + 0.4f, 0.6f); },
        Hex(0xffffff));
  }
  return c;
}

}  // namespace

Canvas DrawPeopleSheet() {
  Canvas sheet(256, 256);
  for (int heading = 0; heading < 4; ++heading)
    for (int step = 0; step < kHeroFrames; ++step)
      art::Place(sheet, Hero(heading, step), step * kTile, heading * kTile);
  for (int f = 0; f < 2; ++f) art::Place(sheet, Slime(f), kSlime[f].x, kSlime[f].y);
  return sheet;
}

}  // namespace tour
