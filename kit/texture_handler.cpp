#include "kit/texture_handler.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kit/kit_state.hpp"
#include "kit/load_report.hpp"
#include "platform/graphics.hpp"

namespace {

std::vector<ImagePtr> g_slots;

bool ValidSlot(int slot) { return slot >= 0 && std::size_t(slot) < g_slots.size(); }

void Upload(const ImagePtr& image) {
  if (!image) return;
  for (int frame = 0; frame < image->FrameCount(); ++frame) image->Frame(frame);
}

// The columns (or rows) j of a copy of length n that stay clear of the left (top) edges: the
// target position t + j, and the source position s + j, or s + n - 1 - j when reversed, must not
// be negative. The right and bottom edges are already met by n.
struct Span {
  std::int64_t first, end;
};

Span CopySpan(std::int64_t s, std::int64_t t, std::int64_t n, bool reversed) {
  std::int64_t first = std::max<std::int64_t>(0, -t);
  std::int64_t end = n;
  if (reversed)
    end = std::min(end, s + n);
  else
    first = std::max(first, -s);
  return {first, std::max(first, end)};
}

void CopyPixels(const TPixmap& source, int sx, int sy, TPixmap& target, int tx, int ty,
                std::int64_t w, std::int64_t h, int mode, bool opaque_only) {
  bool mirror = mode == kCopyMirrored || mode == kCopyTurned;
  bool flip = mode == kCopyFlipped || mode == kCopyTurned;
  Span rows = CopySpan(sy, ty, h, flip);
  Span cols = CopySpan(sx, tx, w, mirror);
  for (std::int64_t i = rows.first; i < rows.end; ++i) {
    int src_y = int(flip ? sy + (h - 1) - i : sy + i);
    for (std::int64_t j = cols.first; j < cols.end; ++j) {
      int src_x = int(mirror ? sx + (w - 1) - j : sx + j);
      std::uint32_t argb = source.ReadPixel(src_x, src_y);
      if (opaque_only && (argb >> 24) == 0) continue;
      target.WritePixel(int(tx + j), int(ty + i), argb);
    }
  }
}

}  // namespace

int MGE_TextureHandler::Init(int n) {
  g_slots.assign(std::size_t(std::max(n, 0)) + 1, nullptr);
  for (ImagePtr& slot : g_slots) slot = std::make_shared<TImage>(0, 0, 0, 0);
  return 0;
}

int MGE_TextureHandler::Load(int slot, const std::string& source, int flags) {
  if (!ValidSlot(slot)) return 0;
  // Release first so two large atlases never hold texture memory at once.
  g_slots[std::size_t(slot)].reset();
  g_slots[std::size_t(slot)] = ImageLoad(source, flags);
  if (g_slots[std::size_t(slot)]) return 1;
  vorpel::detail::ReportLoadFailure("picture", source, "not a PNG or JPEG picture it can read");
  return 0;
}

int MGE_TextureHandler::PreDrawTextures() {
  for (std::size_t slot = 1; slot < g_slots.size(); ++slot) Upload(g_slots[slot]);
  return 0;
}

int MGE_TextureHandler::CacheIntoVram(int slot) {
  if (ValidSlot(slot)) Upload(g_slots[std::size_t(slot)]);
  return 0;
}

const ImagePtr& MGE_TextureHandler::Get(int slot) {
  // A slot Init filled but nothing was loaded into holds an image without frames: none too.
  static const ImagePtr none;
  if (!ValidSlot(slot)) return none;
  const ImagePtr& image = g_slots[std::size_t(slot)];
  return image && image->FrameCount() > 0 ? image : none;
}

int MGE_TextureHandler::NullATexture(int slot) {
  if (ValidSlot(slot)) g_slots[std::size_t(slot)].reset();
  return 0;
}

int MGE_TextureHandler::RemoveAllTextures() {
  for (std::size_t slot = 1; slot < g_slots.size(); ++slot) g_slots[slot].reset();
  return 0;
}

int MGE_TextureHandler::ReleaseAllSlots() {
  for (ImagePtr& slot : g_slots) slot.reset();
  return 0;
}

int MGE_TextureHandler::CopyBufferToTexture(int slot, int flags) {
  if (!ValidSlot(slot)) return 1;
  ImagePtr& target = g_slots[std::size_t(slot)];
  target.reset();
  const MGE_KitState& kit = KitState();
  ImagePtr capture = ImageCreate(kit.screenWidth, kit.screenHeight, 1, flags | DYNAMICIMAGE);
  if (capture && ImageGrab(capture, 0, 0, 0)) target = capture;
  return target ? 0 : 1;
}

int MGE_TextureHandler::CopyTextureToTexture(int sourceSlot, int sx, int sy, int w, int h,
                                             int targetSlot, int tx, int ty, int mode,
                                             int opaqueOnly) {
  const ImagePtr& source = Get(sourceSlot);
  const ImagePtr& target = Get(targetSlot);
  if (!source || !target) return 0;
  PixmapPtr from = source->Lock(0, true, false);
  PixmapPtr to = target->Lock(0, true, true);
  // A slot copied onto itself, mirrored or overlapping, must read the pixels as they were.
  if (from && from == to) from = std::make_shared<TPixmap>(*to);
  if (from && to && mode >= kCopyPlain && mode <= kCopyTurned && sx < from->width &&
      sy < from->height && tx < to->width && ty < to->height) {
    // Clipping at the right and bottom edges decides what a mirrored copy mirrors; pixels that
    // fall off the left or top edge of either picture are then left out.
    std::int64_t cw = std::min<std::int64_t>({w, std::int64_t(from->width) - sx,
                                              std::int64_t(to->width) - tx});
    std::int64_t ch = std::min<std::int64_t>({h, std::int64_t(from->height) - sy,
                                              std::int64_t(to->height) - ty});
    CopyPixels(*from, sx, sy, *to, tx, ty, cw, ch, mode, opaqueOnly == 1);
  }
  ImageUnlock(source, 0);
  ImageUnlock(target, 0);
  return 0;
}

int MGE_TextureHandler::SlotCount() { return int(g_slots.size()) - 1; }
