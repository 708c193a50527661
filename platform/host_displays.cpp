// The monitors, the desktop's size and mode, and the system pointer.
#include <SDL.h>

#include <algorithm>

#include "platform/graphics_internal.hpp"
#include "platform/host.hpp"
#include "platform/x11_glue.hpp"

namespace {

bool DesktopMode(SDL_DisplayMode& mode) {
  return vorpel::detail::EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0;
}

// The rectangle of the display whose id is index + 1, or of all displays together for -1.
SDL_Rect DesktopArea(int index) {
  std::vector<DisplayArea> displays = ListDisplays();
  if (index >= 0 && std::size_t(index) < displays.size()) {
    const DisplayArea& d = displays[std::size_t(index)];
    return {d.x, d.y, d.width, d.height};
  }
  if (index != -1 || displays.empty()) return {0, 0, 0, 0};
  int left = displays[0].x, top = displays[0].y;
  int right = left + displays[0].width, bottom = top + displays[0].height;
  for (const DisplayArea& d : displays) {
    left = std::min(left, d.x);
    top = std::min(top, d.y);
    right = std::max(right, d.x + d.width);
    bottom = std::max(bottom, d.y + d.height);
  }
  return {left, top, right - left, bottom - top};
}

// SDL's x11 driver answers from a cache that only its own input events refresh, so X is asked
// directly when it is there.
void GlobalMouse(int& x, int& y) {
  x = y = 0;
  if (Display* display = vorpel::detail::X11QueryDisplay()) {
    Window root, child;
    int wx, wy;
    unsigned mask;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &wx, &wy, &mask))
      return;
    x = y = 0;
  }
  if (vorpel::detail::EnsureVideo()) SDL_GetGlobalMouseState(&x, &y);
}

}  // namespace

int MonitorCount() {
  if (!vorpel::detail::EnsureVideo()) return 0;
  return std::max(SDL_GetNumVideoDisplays(), 0);
}

std::vector<DisplayArea> ListDisplays() {
  std::vector<DisplayArea> out;
  int count = MonitorCount();
  for (int i = 0; i < count; ++i) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) != 0) continue;
    out.push_back({int(out.size()) + 1, r.x, r.y, r.w, r.h});
  }
  return out;
}

int DesktopWidth(int index) { return DesktopArea(index).w; }
int DesktopHeight(int index) { return DesktopArea(index).h; }

int DesktopDepth() {
  SDL_DisplayMode mode;
  if (!DesktopMode(mode)) return 0;
  int bits = SDL_BITSPERPIXEL(mode.format);
  return bits >= 24 ? 32 : bits;
}

int DesktopHertz() {
  SDL_DisplayMode mode;
  return DesktopMode(mode) ? mode.refresh_rate : 0;
}

int CursorX() {
  int x, y;
  GlobalMouse(x, y);
  return x;
}

int CursorY() {
  int x, y;
  GlobalMouse(x, y);
  return y;
}
