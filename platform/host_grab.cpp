// A copy of the whole desktop, read from the X server's root window.
#include <X11/Xutil.h>

#include <bit>
#include <cstdint>

#include "platform/host.hpp"
#include "platform/x11_glue.hpp"

namespace {

// One colour channel of a true-colour pixel, scaled to 0..255.
class Channel {
 public:
  explicit Channel(unsigned long mask)
      : mask_(mask), shift_(std::countr_zero(mask)), max_(mask >> shift_) {}
  std::uint8_t operator()(unsigned long pixel) const {
    return std::uint8_t(((pixel & mask_) >> shift_) * 255 / max_);
  }

 private:
  unsigned long mask_;
  int shift_;
  unsigned long max_;
};

// Each channel one run of at most 16 bits (palette visuals have no masks).
bool TrueColour(const XImage& image) {
  for (unsigned long mask : {image.red_mask, image.green_mask, image.blue_mask}) {
    unsigned long run = mask ? mask >> std::countr_zero(mask) : 0;
    if (run == 0 || run > 0xFFFF || !std::has_single_bit(run + 1)) return false;
  }
  return true;
}

PixmapPtr ToPixmap(XImage& image, int flip) {
  auto pixmap = std::make_shared<TPixmap>(image.width, image.height, PF_RGB888);
  Channel red(image.red_mask), green(image.green_mask), blue(image.blue_mask);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = pixmap->Row(flip ? y : image.height - 1 - y);
    for (int x = 0; x < image.width; ++x, row += 3) {
      unsigned long pixel = XGetPixel(&image, x, y);
      row[0] = red(pixel);
      row[1] = green(pixel);
      row[2] = blue(pixel);
    }
  }
  return pixmap;
}

}  // namespace

PixmapPtr GrabDesktop(int flip) {
  Display* display = vorpel::detail::X11QueryDisplay();
  if (!display) return nullptr;
  Window root = DefaultRootWindow(display);
  vorpel::detail::X11ErrorTrap trap(display);
  XWindowAttributes root_attributes;
  if (!XGetWindowAttributes(display, root, &root_attributes)) return nullptr;
  int w = root_attributes.width, h = root_attributes.height;
  if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide ||
      std::int64_t(w) * h > kMaxPicturePixels)
    return nullptr;
  XImage* image = XGetImage(display, root, 0, 0, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
  if (!image) return nullptr;
  PixmapPtr pixmap = !trap.Failed() && TrueColour(*image) ? ToPixmap(*image, flip) : nullptr;
  XDestroyImage(image);
  return pixmap;
}
