#pragma once
// Images (frames with textures and their source pixmaps) and image fonts.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

// Image flags.
enum ImageFlags : int {
  MASKEDIMAGE = 1,    // pixels of the mask colour become transparent
  FILTEREDIMAGE = 2,  // bilinear sampling
  MIPMAPPEDIMAGE = 4,
  DYNAMICIMAGE = 8,   // pixels may change after creation
};
inline constexpr int kDefaultImageFlags = MASKEDIMAGE | FILTEREDIMAGE;

class TImage;

// One frame of an image: a texture made from the frame's pixmap on first request, and the
// texture coordinates of the part of it that is drawn.
class TImageFrame {
 public:
  float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;

  void SetUV(float nu0, float nv0, float nu1, float nv1) {
    u0 = nu0;
    v0 = nv0;
    u1 = nu1;
    v1 = nv1;
  }
  // Draws the quad (x0, y0)-(x1, y1) through the current rotation and scale, translated to
  // (tx, ty). The drawing origin is not added here.
  void Draw(float x0, float y0, float x1, float y1, float tx, float ty);

  // The GL texture name, creating or re-uploading the texture when needed; 0 without graphics.
  unsigned Texture();
  // A texture of the frame resampled to width x height pixels for drawing pixel for pixel
  // (see ResampleTexture), kept until the frame's pixels, part or the size asked for change.
  unsigned Resampled(int width, int height);
  // The frame is tiled from now on: its texture repeats, with real mip levels.
  void SetTiled();
  bool HasTexture() const { return texture_ != 0 && generation_ == CurrentGeneration(); }
  static unsigned CurrentGeneration();

  ~TImageFrame();

 private:
  friend class TImage;
  friend void ImageUnlock(const std::shared_ptr<TImage>&, int);
  TImage* owner_ = nullptr;
  int index_ = 0;
  unsigned texture_ = 0;
  unsigned generation_ = 0;
  bool dirty_ = true;
  bool repeat_ = false;
  bool packed_ = false;  // the texture was made with its mip levels side by side
  struct Copy {
    unsigned texture = 0, generation = 0;
    int width = 0, height = 0;
    float uv[4] = {0, 0, 0, 0};
  } resampled_;
  void DropResampled();
};

class TImage {
 public:
  int width = 0, height = 0;
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0.0f, handle_y = 0.0f;
  std::vector<std::unique_ptr<TImageFrame>> frames;
  std::vector<PixmapPtr> pixmaps;

  // An embedded picture nothing has asked to write: its frame's pixels are given up once its
  // texture is made and decoded again from here when wanted.
  std::string embedded_source;

  // Frames of blank pixels, or the first one holding first_frame's (w x h, RGBA) when given.
  TImage(int w, int h, int frame_count, int image_flags, PixmapPtr first_frame = nullptr);
  int FrameCount() const { return int(pixmaps.size()); }
  // The frame's pixels, decoded again if they were given up; none when that fails.
  const PixmapPtr& Pixels(int frame);
  // Frame n, its texture created and uploaded on this first request; none out of range.
  TImageFrame* Frame(int n);
  // The frame's pixels for reading and/or writing; ImageUnlock uploads changes again.
  PixmapPtr Lock(int frame, bool read = true, bool write = true);
};

using ImagePtr = std::shared_ptr<TImage>;

void ImageUnlock(const ImagePtr& image, int frame);

// A font drawn from a picture of glyphs: character codes 0-255, one cell each.
struct TImageFont {
  struct Glyph {
    bool present = false;
    int x = 0, y = 0, w = 0, h = 0;   // cell in the picture
    float xoff = 0.0f, yoff = 0.0f;   // cell's top-left relative to the pen, top of the line = 0
    float advance = 0.0f;
  };
  ImagePtr image;
  int height = 0;
  std::array<Glyph, 256> glyphs;
};

using FontPtr = std::shared_ptr<TImageFont>;

// Loads a font from a glyph picture and its metrics text (see platform/font.cpp for the
// format); none when either cannot be read.
FontPtr LoadImageFont(const std::string& picture_source, const std::string& metrics_source);
