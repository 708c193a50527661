#pragma once
// The kit's numbered texture slots: one process-wide table of images, 0 to n, that packs,
// sprites, blits, fonts and the mouse pointer refer to by number.
#include <string>

#include "platform/image.hpp"

// Pixel copy orientations of CopyTextureToTexture.
enum TextureCopyMode : int { kCopyPlain = 0, kCopyMirrored = 1, kCopyFlipped = 2, kCopyTurned = 3 };

class MGE_TextureHandler {
 public:
  virtual ~MGE_TextureHandler() = default;

  // Slots 0 to n, none loaded, replacing any earlier table (slot 0 too: the explosion
  // handler's Init loads its picture there, so it comes after this).
  static int Init(int n);
  // 1 if the slot now holds the loaded image, 0 if loading failed (the slot is then empty and
  // a line on standard error names the source and why).
  static int Load(int slot, const std::string& source, int flags);
  // Uploads every frame of slots 1 to n now rather than at their first draw.
  static int PreDrawTextures();
  static int CacheIntoVram(int slot);
  // The slot's image; an empty pointer for a slot nothing was loaded into, an emptied one, or
  // a number outside the table.
  static const ImagePtr& Get(int slot);
  static int NullATexture(int slot);
  // Releases slots 1 to n.
  static int RemoveAllTextures();
  // Releases every slot, 0 included, keeping the table's size.
  static int ReleaseAllSlots();
  // Captures the back buffer into the slot. Note the sense: 1 when the slot ended up empty (the
  // capture failed), 0 when it holds the capture.
  static int CopyBufferToTexture(int slot, int flags);
  // Copies a pixel rectangle between slots' first frames. Rectangles are clipped to both
  // pictures on every side; an unknown mode copies nothing. With opaqueOnly 1 only source
  // pixels with a non-zero alpha are written.
  static int CopyTextureToTexture(int sourceSlot, int sx, int sy, int w, int h, int targetSlot,
                                  int tx, int ty, int mode, int opaqueOnly);
  // Number of the last slot (n of Init); -1 before Init.
  static int SlotCount();
};
