// The full-screen display modes the driver offers, and the choice of one to open.
#include <SDL.h>

#include <cstdlib>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"

namespace {

int ReportedDepth(Uint32 format) {
  int bits = SDL_BITSPERPIXEL(format);
  return bits >= 24 ? 32 : bits;
}

std::vector<GraphicsMode> OfferedModes() {
  std::vector<GraphicsMode> modes(static_cast<std::size_t>(CountGraphicsModes()));
  // An unreadable mode stays in place, empty, so that positions are the driver's.
  for (std::size_t i = 0; i < modes.size(); ++i)
    GetGraphicsMode(int(i), modes[i].width, modes[i].height, modes[i].depth, modes[i].hertz);
  return modes;
}

bool HasSize(const GraphicsMode& m, int width, int height, int depth) {
  return m.width == width && m.height == height && (depth <= 0 || m.depth == depth);
}

// A mode that does not state its rate is taken to have any.
bool HasRate(const GraphicsMode& m, int hertz) {
  return hertz <= 0 || m.hertz == 0 || m.hertz == hertz;
}

}  // namespace

int ChooseGraphicsMode(const std::vector<GraphicsMode>& modes, int width, int height, int depth,
                       int hertz) {
  // A monitor may offer a size only at 75 or 144 Hz: the size matters, the rate is a wish.
  int nearest = -1, nearest_gap = 0;
  for (std::size_t i = 0; i < modes.size(); ++i) {
    const GraphicsMode& m = modes[i];
    if (!HasSize(m, width, height, depth)) continue;
    if (HasRate(m, hertz)) return int(i);
    int gap = std::abs(m.hertz - hertz);
    if (nearest < 0 || gap < nearest_gap) {
      nearest = int(i);
      nearest_gap = gap;
    }
  }
  return nearest;
}

int CountGraphicsModes() {
  if (!vorpel::detail::EnsureVideo()) return 0;
  int n = SDL_GetNumDisplayModes(0);
  return n > 0 ? n : 0;
}

bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz) {
  SDL_DisplayMode m;
  if (index < 0 || index >= CountGraphicsModes() || SDL_GetDisplayMode(0, index, &m) != 0)
    return false;
  width = m.w;
  height = m.h;
  depth = ReportedDepth(m.format);
  hertz = m.refresh_rate;
  return true;
}

int GraphicsModeExists(int width, int height, int depth, int hertz) {
  std::vector<GraphicsMode> modes = OfferedModes();
  int i = ChooseGraphicsMode(modes, width, height, depth, hertz);
  return i >= 0 && HasRate(modes[std::size_t(i)], hertz) ? 1 : 0;
}

namespace vorpel::detail {

int FullScreenModeIndex(int width, int height, int depth, int hertz) {
  return ChooseGraphicsMode(OfferedModes(), width, height, depth, hertz);
}

}  // namespace vorpel::detail
