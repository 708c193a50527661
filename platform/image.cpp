// Images: frames, their textures, loading, grabbing and drawing.
#include "platform/image.hpp"

#include <algorithm>
#include <cstring>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/renderer.hpp"
#include "platform/resources.hpp"

using vorpel::detail::Context;

namespace {

int NormaliseFlags(int flags) { return flags < 0 ? kDefaultImageFlags : flags; }

// The pixels a texture is made from: the frame's pixmap, with the mask colour cleared when the
// image is masked.
PixmapPtr TexturePixels(const TImage& image, const PixmapPtr& source) {
  if (!(image.flags & MASKEDIMAGE)) return source;
  auto masked = source->Convert(PF_RGBA8888);
  for (int y = 0; y < masked->height; ++y) {
    std::uint8_t* p = masked->Row(y);
    for (int x = 0; x < masked->width; ++x, p += 4)
      if (p[0] == image.mask_r && p[1] == image.mask_g && p[2] == image.mask_b) p[3] = 0;
  }
  return masked;
}

// A picture decoded from its source, in the format frames hold; none when it cannot be read.
PixmapPtr LoadRgba(const std::string& source) {
  PixmapPtr decoded = LoadPixmap(source);
  if (!decoded || decoded->width <= 0 || decoded->height <= 0) return nullptr;
  // No one else holds what was just decoded: it needs no copy.
  return decoded->format == PF_RGBA8888 ? decoded : decoded->Convert(PF_RGBA8888);
}

}  // namespace

unsigned TImageFrame::CurrentGeneration() { return vorpel::detail::RendererGeneration(); }

TImageFrame::~TImageFrame() {
  DropResampled();
  if (HasTexture()) vorpel::detail::DeleteTexture(texture_);
}

void TImageFrame::DropResampled() {
  if (resampled_.texture && resampled_.generation == CurrentGeneration())
    vorpel::detail::DeleteTexture(resampled_.texture);
  resampled_ = Copy{};
}

unsigned TImageFrame::Resampled(int width, int height) {
  const float uv[4] = {u0, v0, u1, v1};
  Copy& c = resampled_;
  if (c.texture && c.generation == CurrentGeneration() && c.width == width &&
      c.height == height && std::equal(uv, uv + 4, c.uv) && !dirty_)
    return c.texture;
  DropResampled();
  unsigned source = Texture();
  if (!source) return 0;
  c.texture = vorpel::detail::ResampleTexture(source, uv, width, height);
  // A picture that can be decoded again needs no texture of its own while the copy stands in.
  if (c.texture && !owner_->embedded_source.empty()) {
    vorpel::detail::DeleteTexture(texture_);
    texture_ = 0;
  }
  c.generation = CurrentGeneration();
  c.width = width;
  c.height = height;
  std::copy(uv, uv + 4, c.uv);
  return c.texture;
}

void TImageFrame::SetTiled() {
  if (repeat_) return;
  repeat_ = true;
  if (HasTexture()) vorpel::detail::SetTextureRepeat(texture_, true);
}

unsigned TImageFrame::Texture() {
  if (!vorpel::detail::RendererReady() || !owner_) return 0;
  bool filtered = owner_->flags & FILTEREDIMAGE;
  bool mipmapped = owner_->flags & MIPMAPPEDIMAGE;
  // Mip levels side by side suit pictures drawn as quads; a tiled one wraps and keeps real ones.
  const bool pack = mipmapped && !repeat_;
  if (HasTexture() && !dirty_ && packed_ == pack) return texture_;
  const PixmapPtr& pixels = owner_->Pixels(index_);
  if (!pixels || pixels->width <= 0 || pixels->height <= 0) return 0;
  if (!HasTexture()) {
    texture_ =
        vorpel::detail::CreateTexture(*TexturePixels(*owner_, pixels), filtered, mipmapped, pack);
    generation_ = CurrentGeneration();
  } else {
    vorpel::detail::UploadTexture(texture_, *TexturePixels(*owner_, pixels), filtered, mipmapped,
                                  pack);
    DropResampled();
  }
  if (repeat_) vorpel::detail::SetTextureRepeat(texture_, true);
  dirty_ = false;
  packed_ = pack;
  if (!owner_->embedded_source.empty()) owner_->pixmaps[std::size_t(index_)].reset();
  return texture_;
}

void TImageFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty) {
  unsigned texture = Texture();
  if (!texture) return;
  vorpel::detail::RendererSetTexture(texture);
  const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
  vorpel::detail::EmitQuad(x0, y0, x1, y1, tx, ty, uv);
}

TImage::TImage(int w, int h, int frame_count, int image_flags, PixmapPtr first_frame)
    : width(w), height(h), flags(image_flags) {
  for (int i = 0; i < frame_count; ++i) {
    auto frame = std::make_unique<TImageFrame>();
    frame->owner_ = this;
    frame->index_ = i;
    frames.push_back(std::move(frame));
    pixmaps.push_back(i == 0 && first_frame ? std::move(first_frame)
                                            : std::make_shared<TPixmap>(w, h, PF_RGBA8888));
  }
  int r, g, b;
  GetMaskColor(r, g, b);
  mask_r = r;
  mask_g = g;
  mask_b = b;
}

TImageFrame* TImage::Frame(int n) {
  if (n < 0 || n >= FrameCount()) return nullptr;
  TImageFrame* frame = frames[std::size_t(n)].get();
  frame->Texture();
  return frame;
}

const PixmapPtr& TImage::Pixels(int frame) {
  PixmapPtr& pixels = pixmaps[std::size_t(frame)];
  if (!pixels && !embedded_source.empty()) {
    PixmapPtr decoded = LoadRgba(embedded_source);
    if (decoded && decoded->width == width && decoded->height == height) pixels = decoded;
  }
  return pixels;
}

PixmapPtr TImage::Lock(int frame, bool, bool write) {
  if (frame < 0 || frame >= FrameCount()) return nullptr;
  if (write) frames[std::size_t(frame)]->dirty_ = true;
  PixmapPtr pixels = Pixels(frame);
  // Whoever holds them may change them from now on: they are kept.
  embedded_source.clear();
  return pixels;
}

void ImageUnlock(const ImagePtr& image, int frame) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return;
  TImageFrame& f = *image->frames[std::size_t(frame)];
  f.dirty_ = true;
  if (f.HasTexture()) f.Texture();
}

// --- creation ------------------------------------------------------------------------------------

namespace {
ImagePtr MakeImage(int w, int h, int frames, int flags, PixmapPtr first_frame = nullptr) {
  auto image = std::make_shared<TImage>(w, h, frames, flags, std::move(first_frame));
  if (GetAutoMidHandle()) ImageMidHandle(image);
  return image;
}
}  // namespace

ImagePtr ImageFromPixmap(const PixmapPtr& pixmap, int flags) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  return MakeImage(pixmap->width, pixmap->height, 1, NormaliseFlags(flags),
                   pixmap->Convert(PF_RGBA8888));
}

ImagePtr ImageLoad(const std::string& source, int flags) {
  PixmapPtr decoded = LoadRgba(source);
  if (!decoded) return nullptr;
  flags = NormaliseFlags(flags);
  auto image = MakeImage(decoded->width, decoded->height, 1, flags, decoded);
  if (source.starts_with(kIncbinPrefix) && !(flags & DYNAMICIMAGE)) image->embedded_source = source;
  return image;
}

ImagePtr ImageLoadAnim(const std::string& source, int cell_width, int cell_height, int first_cell,
                       int cell_count, int flags) {
  PixmapPtr sheet = LoadPixmap(source);
  if (!sheet || cell_width <= 0 || cell_height <= 0 || first_cell < 0 || cell_count <= 0)
    return nullptr;
  int across = sheet->width / cell_width;
  int down = sheet->height / cell_height;
  if (across <= 0 || down <= 0 || std::int64_t(first_cell) + cell_count > std::int64_t(across) * down)
    return nullptr;
  auto image = MakeImage(cell_width, cell_height, cell_count, NormaliseFlags(flags));
  for (int i = 0; i < cell_count; ++i) {
    int cell = first_cell + i;
    int sx = (cell % across) * cell_width, sy = (cell / across) * cell_height;
    TPixmap& out = *image->pixmaps[std::size_t(i)];
    for (int y = 0; y < cell_height; ++y)
      std::memcpy(out.Row(y), sheet->Row(sy + y) + std::size_t(sx) * 4, std::size_t(cell_width) * 4);
  }
  return image;
}

ImagePtr ImageCreate(int width, int height, int frames, int flags) {
  // All frames together are held to the size of one decoded picture.
  if (width <= 0 || height <= 0 || frames <= 0 || width > kMaxPictureSide ||
      height > kMaxPictureSide || std::int64_t(width) * height * frames > kMaxPicturePixels)
    return nullptr;
  return MakeImage(width, height, frames, NormaliseFlags(flags) | DYNAMICIMAGE);
}

int ImageGrab(const ImagePtr& image, int x, int y, int frame) {
  if (!image || frame < 0 || frame >= image->FrameCount()) return 0;
  PixmapPtr grabbed = GrabPixmap(x, y, image->width, image->height);
  if (!grabbed) return 0;
  image->pixmaps[std::size_t(frame)] = grabbed;
  image->embedded_source.clear();
  ImageUnlock(image, frame);
  return 1;
}

void ImageSetHandle(const ImagePtr& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void ImageMidHandle(const ImagePtr& image) {
  if (!image) return;
  image->handle_x = image->width * 0.5f;
  image->handle_y = image->height * 0.5f;
}

void SetAutoMidHandle(bool on) { Context().auto_mid_handle = on; }
bool GetAutoMidHandle() { return Context().auto_mid_handle; }

// --- drawing -------------------------------------------------------------------------------------

void ImageDraw(const ImagePtr& image, float x, float y, int frame) {
  if (!image) return;
  TImageFrame* f = image->Frame(frame);
  if (!f) return;
  const auto& s = DrawState();
  float x0 = -image->handle_x, y0 = -image->handle_y;
  f->Draw(x0, y0, x0 + image->width, y0 + image->height, x + s.origin_x, y + s.origin_y);
}

void ImageDrawRect(const ImagePtr& image, float x, float y, float w, float h, int frame) {
  if (!image || image->width <= 0 || image->height <= 0) return;
  TImageFrame* f = image->Frame(frame);
  if (!f) return;
  const auto& s = DrawState();
  float x0 = -image->handle_x * w / float(image->width);
  float y0 = -image->handle_y * h / float(image->height);
  f->Draw(x0, y0, x0 + w, y0 + h, x + s.origin_x, y + s.origin_y);
}

// --- pixmaps ---------------------------------------------------------------------------------

PixmapPtr GrabPixmap(int x, int y, int w, int h) {
  if (!vorpel::detail::RendererReady() || w <= 0 || h <= 0) return nullptr;
  int back_w, back_h;
  vorpel::detail::RendererBackBufferSize(back_w, back_h);
  // Only the part inside the back buffer is read; the rest stays transparent black.
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, back_w), y1 = std::min(y + h, back_h);
  auto pixmap = std::make_shared<TPixmap>(w, h, PF_RGBA8888);
  if (x1 <= x0 || y1 <= y0) return pixmap;
  std::vector<std::uint8_t> rows(std::size_t(x1 - x0) * (y1 - y0) * 4);
  vorpel::detail::RendererReadPixels(x0, y0, x1 - x0, y1 - y0, rows.data());
  std::size_t row_bytes = std::size_t(x1 - x0) * 4;
  for (int row = 0; row < y1 - y0; ++row) {
    std::uint8_t* dst = pixmap->Row(y0 - y + row) + std::size_t(x0 - x) * 4;
    std::memcpy(dst, rows.data() + std::size_t(row) * row_bytes, row_bytes);
    for (int i = 3; i < int(row_bytes); i += 4) dst[i] = 255;
  }
  return pixmap;
}

void DrawPixmap(const PixmapPtr& pixmap, float x, float y) {
  if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0 || !vorpel::detail::RendererReady())
    return;
  // A throw-away texture: the pixmap is drawn once, in back-buffer pixels, with no transform.
  PixmapPtr rgba = pixmap->Convert(PF_RGBA8888);
  unsigned texture = vorpel::detail::CreateTexture(*rgba, false, false);
  const auto& s = DrawState();
  float left = x + s.origin_x, top = y + s.origin_y;
  float right = left + vorpel::detail::PixelsToUnitsX(float(pixmap->width));
  float bottom = top + vorpel::detail::PixelsToUnitsY(float(pixmap->height));
  const float xy[8] = {left, top, right, top, right, bottom, left, bottom};
  const float uv[8] = {0, 0, 1, 0, 1, 1, 0, 1};
  vorpel::detail::RendererSetTexture(texture);
  vorpel::detail::RendererSetBlend(s.blend_mode);
  vorpel::detail::RendererQuad(xy, uv, vorpel::detail::PackColor(255, 255, 255, 1.0f));
  vorpel::detail::RendererFlush();
  vorpel::detail::DeleteTexture(texture);
}
