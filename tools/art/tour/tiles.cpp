// The map's tiles: seamless ground, water in three frames, walls, and objects on clear.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <utility>

#include "examples/kit_tour/sheets.hpp"
#include "tools/art/noise.hpp"
#include "tools/art/tour/tour_pictures.hpp"

namespace tour {
namespace {

using art::Canvas;
using art::Hex;
using art::Rgb;
using paint::Fill;
using paint::Outlined;

constexpr float kTwoPi = 6.2831853f;

// The distance to a union of circles, each {centre x, centre y, radius}.
template <std::size_t N>
float SdBlobs(float x, float y, const float (&blobs)[N][3]) {
  float d = 1e9f;
  for (const auto& b : blobs) d = std::min(d, art::SdCircle(x, y, b[0], b[1], b[2]));
  return d;
}

// A picture of cells across x down cells, painted pixel by pixel from (u, v) in [0, 1).
Canvas ShadeCell(const std::function<Rgb(float, float)>& colour, int across = 1, int down = 1) {
  Canvas c(kTile * across, kTile * down);
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      c.at(x, y) = art::Paint(
          colour((float(x) + 0.5f) / float(c.width()), (float(y) + 0.5f) / float(c.height())),
          1.0f);
  return c;
}

Canvas Ground(Rgb dark, Rgb light, std::uint32_t seed) {
  return ShadeCell([=](float u, float v) {
    float n = art::FbmTile(u, v, 4, 4, seed) * 0.5f + 0.5f;
    float speck = art::HashUnit(std::uint32_t(u * kTile), std::uint32_t(v * kTile), seed);
    return art::Mix(dark, light, art::Clamp01(n * 1.2f - 0.1f)) * (0.94f + 0.1f * speck);
  });
}

// Grass with short blades of darker and lighter green, wrapping round the cell.
Canvas Grass(std::uint32_t seed) {
  Canvas c = Ground(Hex(0x3d7f2f), Hex(0x67b247), seed);
  art::Rng rng(seed);
  for (int i = 0; i < 22; ++i) {
    float x = rng.Range(0, kTile), y = rng.Range(0, kTile), h = rng.Range(3, 6);
    Rgb blade = rng.Unit() < 0.5f ? Hex(0x2f6a25) : Hex(0x86c95a);
    art::FillShape(
        c, {int(x) - 2, int(y - h) - 2, int(x) + 3, int(y) + 2},
        [&](float px, float py) { return art::SdSegment(px, py, x, y, x + 1.0f, y - h, 0.5f); },
        [&](float, float) { return art::Paint(blade, 0.8f); }, true);
  }
  return c;
}

Canvas Flowers() {
  Canvas c = Grass(31);
  const Rgb petals[] = {Hex(0xffffff), Hex(0xffd34a), Hex(0xff8fc8), Hex(0xb58cff)};
  art::Rng rng(77);
  for (int i = 0; i < 4; ++i) {
    float cx = 6 + float(i % 2) * 16 + rng.Range(-2, 3),
          cy = 7 + float(i / 2) * 16 + rng.Range(-2, 3);
    for (int k = 0; k < 5; ++k) {
      float a = kTwoPi * float(k) / 5.0f;
      float px = cx + 2.6f * std::cos(a), py = cy + 2.6f * std::sin(a);
      Fill(
          c, art::Around(px, py, 2, 2),
          [&](float x, float y) { return art::SdCircle(x, y, px, py, 1.8f); }, petals[i]);
    }
    Fill(
        c, art::Around(cx, cy, 2, 2),
        [&](float x, float y) { return art::SdCircle(x, y, cx, cy, 1.4f); }, Hex(0xf2a100));
  }
  return c;
}

Canvas PathTile() {
  Canvas c = Ground(Hex(0x9b7448), Hex(0xc49a66), 5);
  art::Rng rng(12);
  for (int i = 0; i < 7; ++i) {
    float x = rng.Range(4, 28), y = rng.Range(4, 28), r = rng.Range(1.2f, 2.4f);
    Fill(
        c, art::Around(x, y, r, r),
        [&](float px, float py) { return art::SdCircle(px, py, x, y, r); }, Hex(0x7d6a58));
    Fill(
        c, art::Around(x, y, r, r),
        [&](float px, float py) { return art::SdCircle(px, py, x - 0.5f, y - 0.6f, r * 0.45f); },
        Hex(0xcdbfae));
  }
  return c;
}

// Water whose wave crests move a third of their spacing per frame: three frames loop.
Canvas Water(int frame) {
  float phase = float(frame) / 3.0f;
  return ShadeCell([=](float u, float v) {
    float n = art::FbmTile(u, v, 2, 3, 9);
    float wave = std::sin(kTwoPi * (2.0f * v + u + phase) + 2.5f * n);
    float crest = art::Smoothstep(0.72f, 0.95f, wave);
    Rgb deep = art::Mix(Hex(0x1d5a9c), Hex(0x2e7fc4), n * 0.5f + 0.5f);
    return art::Mix(deep, Hex(0xa8e4ff), crest * 0.8f);
  });
}

// Stone blocks, two by two, each bevelled: light from the top left.
Canvas Stone() {
  Canvas c = ShadeCell([](float u, float v) {
    float n = art::FbmTile(u, v, 4, 3, 21) * 0.5f + 0.5f;
    float bx = std::fmod(u * 2.0f, 1.0f), by = std::fmod(v * 2.0f, 1.0f);
    float edge = std::min(std::min(bx, 1.0f - bx), std::min(by, 1.0f - by)) * 16.0f;
    if (edge < 1.0f) return Hex(0x3b3d45);
    Rgb face = art::Mix(Hex(0x6f7480), Hex(0x9aa0ab), n);
    if (edge < 3.0f) return bx + by < 1.0f ? face * 1.25f : face * 0.7f;
    return face;
  });
  return c;
}

Canvas Brick() {
  return ShadeCell([](float u, float v) {
    float y = v * 4.0f, row = std::floor(y);
    float x = u * 2.0f + (int(row) % 2 ? 0.5f : 0.0f);
    float fx = x - std::floor(x), fy = y - row;
    if (fx < 0.06f || fy < 0.12f) return Hex(0xcfc6b8);
    float n = art::FbmTile(u, v, 4, 3, 33) * 0.5f + 0.5f;
    float tone = art::HashUnit(std::uint32_t(std::floor(x)) & 1u, std::uint32_t(row), 5);
    Rgb brick = art::Mix(Hex(0x9c3b2b), Hex(0xc45a3c), 0.5f * n + 0.5f * tone);
    return fy > 0.8f ? brick * 0.8f : brick;
  });
}

Canvas Bush() {
  Canvas c(kTile, kTile);
  const float blobs[][3] = {{11, 19, 8}, {21, 19, 8}, {16, 12, 9}, {9, 13, 6}, {23, 12, 6}};
  auto sdf = [&](float x, float y) { return SdBlobs(x, y, blobs); };
  Fill(
      c, paint::All(c), [&](float x, float y) { return sdf(x, y) - 1.0f; }, Hex(0x163d1a));
  art::FillShape(c, paint::All(c), sdf, [](float x, float y) {
    float light = art::Clamp01(1.0f - std::hypot(x - 11, y - 7) / 24.0f);
    float n = art::HashUnit(std::uint32_t(x), std::uint32_t(y), 3);
    return art::Paint(art::Mix(Hex(0x2b6b2a), Hex(0x7fc25a), light) * (0.85f + 0.25f * n), 1.0f);
  });
  for (auto [x, y] : {std::pair{12.0f, 18.0f}, {20.0f, 14.0f}, {17.0f, 22.0f}})
    Fill(
        c, art::Around(x, y, 2, 2),
        [&](float px, float py) { return art::SdCircle(px, py, x, y, 1.4f); }, Hex(0xe0304a));
  return c;
}

// A cut gem: a kite whose four facets catch the light differently.
Canvas Gem(Rgb tint) {
  Canvas c(kTile, kTile);
  const float cx = 16, top = 6, mid = 13, bottom = 27, half = 10;
  auto sdf = [&](float x, float y) {
    float dx = std::abs(x - cx) / half;
    float dy = y < mid ? (mid - y) / (mid - top) : (y - mid) / (bottom - mid);
    return (dx + dy - 1.0f) * 6.0f;
  };
  Outlined(c, paint::All(c), sdf, tint);
  art::FillShape(c, paint::All(c), sdf, [&](float x, float y) {
    bool upper = y < mid, left = x < cx;
    float k = upper ? (left ? 1.45f : 1.1f) : (left ? 0.8f : 0.55f);
    return art::Paint(art::Mix(tint * k, Hex(0xffffff), upper && left ? 0.25f : 0.0f), 1.0f);
  });
  Fill(
      c, art::Around(12, 10, 2, 2),
      [](float x, float y) { return art::SdCircle(x, y, 12, 10, 1.3f); }, Hex(0xffffff));
  return c;
}

Canvas Crate() {
  Canvas c(kTile, kTile);
  auto box = [](float x, float y) { return art::SdRoundBox(x, y, 16, 16, 13, 13, 2); };
  Outlined(c, paint::All(c), box, Hex(0x9a6a35));
  art::FillShape(c, paint::All(c), box, [](float x, float y) {
    float plank = std::fmod(y - 3.0f, 6.5f) < 0.8f ? 0.7f : 1.0f;
    float grain = 0.9f + 0.15f * std::sin(x * 0.9f + 3.0f * art::HashUnit(std::uint32_t(y / 6.5f)));
    return art::Paint(Hex(0xc08a4b) * (plank * grain), 1.0f);
  });
  for (auto [ax, ay, bx, by] : {std::array{6.f, 6.f, 26.f, 26.f}, std::array{26.f, 6.f, 6.f, 26.f}})
    Fill(
        c, paint::All(c),
        [&](float x, float y) { return art::SdSegment(x, y, ax, ay, bx, by, 1.6f); },
        Hex(0x7a5128));
  return c;
}

Canvas Lamp() {
  Canvas c(kTile, kTile);
  art::SoftShape(
      c, paint::All(c), [](float x, float y) { return art::SdCircle(x, y, 16, 9, 8); },
      art::Paint(Hex(0xffe7a0), 0.8f), 3.0f);
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdSegment(x, y, 16, 12, 16, 28, 1.5f); },
      Hex(0x4a4a55));
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 16, 28, 5, 2, 1); },
      Hex(0x4a4a55));
  Fill(
      c, paint::All(c), [](float x, float y) { return art::SdCircle(x, y, 16, 9, 4.5f); },
      Hex(0xfff6d0));
  return c;
}

Canvas Mushroom() {
  Canvas c(kTile, kTile);
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 16, 23, 4, 5, 2); },
      Hex(0xf1e6d0));
  auto cap = [](float x, float y) { return std::max(art::SdCircle(x, y, 16, 18, 11), y - 18.0f); };
  Outlined(c, paint::All(c), cap, Hex(0xd8342c));
  for (auto [x, y, r] : {std::array{11.f, 13.f, 2.2f}, {19.f, 11.f, 2.6f}, {22.f, 16.f, 1.6f}})
    Fill(
        c, art::Around(x, y, r, r),
        [&](float px, float py) { return art::SdCircle(px, py, x, y, r); }, Hex(0xfff4e8));
  return c;
}

// A broad tree over two by two cells: trunk, shadowed crown, leaf speckles.
Canvas Tree() {
  Canvas c(2 * kTile, 2 * kTile);
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 32, 50, 5, 11, 2); },
      Hex(0x7a4b26));
  const float blobs[][3] = {{32, 24, 18}, {18, 30, 12}, {46, 30, 12}, {24, 14, 11}, {40, 14, 11}};
  auto crown = [&](float x, float y) { return SdBlobs(x, y, blobs); };
  Fill(
      c, paint::All(c), [&](float x, float y) { return crown(x, y) - 1.2f; }, Hex(0x123a1a));
  art::FillShape(c, paint::All(c), crown, [](float x, float y) {
    float light = art::Clamp01(1.1f - std::hypot(x - 22, y - 8) / 40.0f);
    float n = art::Perlin(x / 5.0f, y / 5.0f, 64, 8) * 0.5f + 0.5f;
    float leaf = art::HashUnit(std::uint32_t(x / 2), std::uint32_t(y / 2), 4);
    Rgb green = art::Mix(Hex(0x1f5e2a), Hex(0x8ed062), light * (0.7f + 0.5f * n));
    return art::Paint(green * (0.88f + 0.2f * leaf), 1.0f);
  });
  return c;
}

Canvas Boulder() {
  Canvas c(2 * kTile, 2 * kTile);
  const float blobs[][3] = {{30, 36, 22}, {44, 42, 15}, {20, 44, 14}};
  auto rock = [&](float x, float y) { return std::max(SdBlobs(x, y, blobs), y - 58.0f); };
  Outlined(c, paint::All(c), rock, Hex(0x8b8d94), 1.2f);
  art::FillShape(c, paint::All(c), rock, [](float x, float y) {
    float light = art::Clamp01(1.15f - std::hypot(x - 22, y - 20) / 42.0f);
    float n = art::Perlin(x / 6.0f, y / 6.0f, 64, 17) * 0.5f + 0.5f;
    Rgb stone = art::Mix(Hex(0x585b63), Hex(0xc3c6cc), light);
    Rgb moss = Hex(0x5f8d3a);
    return art::Paint(
        art::Mix(stone, moss, art::Smoothstep(0.62f, 0.75f, n) * (y > 40 ? 0.8f : 0.3f)), 1.0f);
  });
  for (auto [ax, ay, bx, by] : {std::array{30.f, 22.f, 36.f, 34.f}, {36.f, 34.f, 33.f, 44.f}})
    Fill(
        c, paint::All(c),
        [&](float x, float y) { return art::SdSegment(x, y, ax, ay, bx, by, 0.7f); },
        Hex(0x3c3e45));
  return c;
}

Canvas Hut() {
  Canvas c(2 * kTile, 2 * kTile);
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 32, 44, 22, 16, 2); },
      Hex(0xe8d3a8));
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 32, 50, 6, 10, 3); },
      Hex(0x5b3a22));
  Outlined(
      c, paint::All(c), [](float x, float y) { return art::SdRoundBox(x, y, 46, 42, 5, 5, 1); },
      Hex(0xffd76a));
  auto roof = [](float x, float y) {
    float slope = std::abs(x - 32.0f) * 0.62f + 6.0f;  // the ridge at y = 6
    return std::max(slope - y, y - 32.0f);
  };
  Fill(
      c, paint::All(c), [&](float x, float y) { return roof(x, y) - 1.0f; }, Hex(0x2a1414));
  art::FillShape(c, paint::All(c), roof, [](float x, float y) {
    float shingle = std::fmod(y, 5.0f) < 0.9f ? 0.7f : 1.0f;
    return art::Paint(Hex(x < 32 ? 0xc8433a : 0xa1352e) * shingle, 1.0f);
  });
  return c;
}

void Put(Canvas& sheet, const Canvas& picture, Cell at) {
  art::Place(sheet, picture, at.column * kTile, at.row * kTile);
}

}  // namespace

Canvas DrawTileSheet() {
  Canvas sheet(256, 256);
  Put(sheet, Grass(11), kGrass1);
  Put(sheet, Grass(12), kGrass2);
  Put(sheet, Flowers(), kFlowers);
  Put(sheet, PathTile(), kPath);
  Put(sheet, Ground(Hex(0xd4bc7c), Hex(0xf0dca2), 8), kSand);
  for (int f = 0; f < 3; ++f) Put(sheet, Water(f), kWater[f]);
  Put(sheet, Stone(), kStone);
  Put(sheet, Brick(), kBrick);
  Put(sheet, Bush(), kBush);
  Put(sheet, Gem(Hex(0xe0284a)), kRedGem);
  Put(sheet, Gem(Hex(0x2f8cff)), kBlueGem);
  Put(sheet, Crate(), kCrate);
  Put(sheet, Lamp(), kLamp);
  Put(sheet, Mushroom(), kMushroom);
  Put(sheet, Tree(), kTree);
  Put(sheet, Boulder(), kBoulder);
  Put(sheet, Hut(), kHut);
  return sheet;
}

}  // namespace tour
