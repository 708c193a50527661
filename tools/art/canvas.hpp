#pragma once
#include <cmath>
#include <utility>
#include <vector>

#include "platform/pixmap.hpp"
#include "tools/art/color.hpp"

// A float RGBA picture with premultiplied alpha, antialiased shapes drawn from signed
// distances, and the compositing the saver's renderer does (alpha over, additive light).
namespace art {

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height) : w_(width), h_(height), px_(std::size_t(width) * height) {}

  int width() const { return w_; }
  int height() const { return h_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
  Rgba& at(int x, int y) { return px_[std::size_t(y) * w_ + x]; }
  const Rgba& at(int x, int y) const { return px_[std::size_t(y) * w_ + x]; }
  // The pixel at (x, y) with both coordinates taken modulo the size: the picture as a tile.
  Rgba& wrapped(int x, int y) { return at(Mod(x, w_), Mod(y, h_)); }
  const Rgba& wrapped(int x, int y) const { return at(Mod(x, w_), Mod(y, h_)); }
  std::vector<Rgba>& pixels() { return px_; }
  const std::vector<Rgba>& pixels() const { return px_; }

  void Fill(Rgba c) { px_.assign(px_.size(), c); }
  // Bilinear sample at a position in pixels (pixel centres at +0.5); outside is clear unless
  // the canvas is read as a tile.
  Rgba Sample(float x, float y, bool tile) const;

  static int Mod(int v, int n) { return ((v % n) + n) % n; }

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgba> px_;
};

// An integer pixel range [x0, x1) x [y0, y1).
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// The pixels a shape centred at (cx, cy) with the given reach can touch.
inline Box Around(float cx, float cy, float rx, float ry) {
  return {int(std::floor(cx - rx - 1)), int(std::floor(cy - ry - 1)), int(std::ceil(cx + rx + 1)),
          int(std::ceil(cy + ry + 1))};
}

// Coverage of a pixel whose centre lies at signed distance d from a shape's edge.
inline float Coverage(float d) { return Clamp01(0.5f - d); }

// Signed distances (negative inside) of the basic shapes.
inline float SdCircle(float x, float y, float cx, float cy, float r) {
  return std::hypot(x - cx, y - cy) - r;
}
float SdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float radius);
float SdSegment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);

// Paints every pixel of a box: paint(x, y) gets the pixel centre and returns a premultiplied
// colour laid over the canvas. With tile set the box may run past the edges and wraps round.
template <class PaintFn>
void Shade(Canvas& c, Box box, PaintFn paint, bool tile = false) {
  for (int y = box.y0; y < box.y1; ++y)
    for (int x = box.x0; x < box.x1; ++x) {
      if (!tile && !c.Contains(x, y)) continue;
      Rgba src = paint(float(x) + 0.5f, float(y) + 0.5f);
      if (src.a <= 0.0f && src.r <= 0.0f && src.g <= 0.0f && src.b <= 0.0f) continue;
      Over(tile ? c.wrapped(x, y) : c.at(x, y), src);
    }
}

// Fills a shape given by its signed distance with a colour that may vary over it.
template <class SdfFn, class PaintFn>
void FillShape(Canvas& c, Box box, SdfFn sdf, PaintFn paint, bool tile = false) {
  Shade(
      c, box,
      [&](float x, float y) {
        float cover = Coverage(sdf(x, y));
        return cover > 0.0f ? paint(x, y) * cover : Rgba{};
      },
      tile);
}

// Three box blurs, close to a Gaussian of the given radius; a tile blurs round its edges.
void Blur(Canvas& c, float radius, bool tile);
// Scales every pixel (colour and coverage) by k.
void Fade(Canvas& c, float k);
// Lays src over dst with src's top-left at (x, y), pixel for pixel.
void Place(Canvas& dst, const Canvas& src, int x, int y);
// A picture blurred and faded: the stuff of shadows and glows.
Canvas Softened(Canvas c, float blur, float alpha);

// A shape in one colour, blurred, laid over the canvas: a shadow or a glow.
template <class SdfFn>
void SoftShape(Canvas& c, Box box, SdfFn sdf, Rgba colour, float blur) {
  Canvas soft(c.width(), c.height());
  FillShape(soft, box, sdf, [&](float, float) { return colour; });
  Place(c, Softened(std::move(soft), blur, 1.0f), 0, 0);
}

// How a picture is laid onto another, as the renderer's blend modes 3 and 4 do.
enum class Blend { kAlpha, kLight };

// Draws src centred at (cx, cy), scaled, with an overall opacity. Scaling down averages over
// the source area so small copies stay smooth.
void DrawPicture(Canvas& dst, const Canvas& src, float cx, float cy, float scale, float alpha,
                 Blend blend = Blend::kAlpha);
// Tiles src over the whole of dst, the tile's corner at (ox, oy), scaled.
void DrawTiled(Canvas& dst, const Canvas& src, float ox, float oy, float scale,
               Blend blend = Blend::kAlpha);
// The picture shrunk by an integer factor, each pixel the mean of its block.
Canvas Downsample(const Canvas& c, int factor);

// Quantises to 8 bits per channel (straight alpha). Dither adds a fixed sub-step noise that
// breaks banding in smooth gradients.
TPixmap ToPixmap(const Canvas& c, int format, bool dither);
Canvas FromPixmap(const TPixmap& p);

}  // namespace art
