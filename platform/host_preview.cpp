// The preview lives inside a window of another program: the screen-saver host's.
#include <SDL.h>

#include "platform/host.hpp"
#include "platform/x11_glue.hpp"

namespace {

constexpr int kMaxX11Coordinate = 32767;  // positions and sizes are 16-bit on the wire

bool FitsX11(int x, int y, int width, int height) {
  auto fits = [](int v) { return v >= -kMaxX11Coordinate && v <= kMaxX11Coordinate; };
  return fits(x) && fits(y) && width > 0 && height > 0 && width <= kMaxX11Coordinate &&
         height <= kMaxX11Coordinate;
}

}  // namespace

int EmbedWindowInHost(SDL_Window* window, unsigned long host) {
  if (!window) return 0;
  Display* display;
  Window own;
  if (!vorpel::detail::X11WindowOf(window, display, own)) {
    SDL_ShowWindow(window);
    return 0;
  }
  bool embedded = false;
  if (vorpel::detail::IsX11Id(host)) {
    vorpel::detail::X11ErrorTrap trap(display);
    XReparentWindow(display, own, Window(host), 0, 0);
    embedded = !trap.Failed();
  }
  // Destroying the host destroys our window with it; drawing into it must not end the program
  // with an X error before it notices the host has gone.
  if (embedded) vorpel::detail::TolerateX11Errors();
  XMapWindow(display, own);
  XSync(display, False);
  return embedded ? 1 : 0;
}

int MoveResizeWindow(SDL_Window* window, int x, int y, int width, int height) {
  if (!window || !FitsX11(x, y, width, height)) return 0;
  Display* display;
  Window own;
  if (!vorpel::detail::X11WindowOf(window, display, own)) {
    SDL_SetWindowPosition(window, x, y);
    SDL_SetWindowSize(window, width, height);
    return 1;
  }
  vorpel::detail::X11ErrorTrap trap(display);
  XMoveResizeWindow(display, own, x, y, unsigned(width), unsigned(height));
  return trap.Failed() ? 0 : 1;
}

int IsHostWindowVisible(unsigned long host) {
  if (!vorpel::detail::IsX11Id(host)) return 0;
  Display* display = vorpel::detail::X11QueryDisplay();
  if (!display) return 0;
  vorpel::detail::X11ErrorTrap trap(display);
  XWindowAttributes attributes;
  Status ok = XGetWindowAttributes(display, Window(host), &attributes);
  return ok && !trap.Failed() && attributes.map_state == IsViewable ? 1 : 0;
}
