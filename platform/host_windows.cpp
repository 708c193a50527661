// Our own windows: found by title, kept on top, measured with their frames and moved.
#include <SDL.h>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/host.hpp"
#include "platform/x11_glue.hpp"

namespace {

// SDL numbers windows from 1 and cannot list them; the graphics window is checked first, so
// this only bounds the search for windows opened beside it.
constexpr Uint32 kWindowIdsSearched = 256;
// A window manager that never tells its frames' size is not waited for longer than this.
constexpr Uint32 kFrameWaitMs = 500;

bool HasTitle(SDL_Window* window, const std::string& title) {
  return window && title == SDL_GetWindowTitle(window);
}

struct Borders {
  int top = 0, left = 0, bottom = 0, right = 0;
};

// Frame sizes come from the window manager; without one (or without word from it) there is none.
Borders FrameOf(SDL_Window* window) {
  Borders b;
  if (SDL_GetWindowBordersSize(window, &b.top, &b.left, &b.bottom, &b.right) != 0) b = Borders{};
  return b;
}

// A window manager frames a new window a little after it is shown and then says how large the
// frame is; until it has, the frame reads as none.
void AwaitFrame(SDL_Window* window) {
  Display* display;
  Window own;
  if (!vorpel::detail::X11WindowOf(window, display, own) ||
      !vorpel::detail::X11WindowManagerRunning(display))
    return;
  Uint32 start = SDL_GetTicks();
  while (!vorpel::detail::X11FrameExtentsGiven(display, own) &&
         SDL_GetTicks() - start < kFrameWaitMs)
    SDL_Delay(5);
  SDL_PumpEvents();  // SDL takes the frame's size from the same notice
}

}  // namespace

SDL_Window* FindWindowByTitle(const std::string& title) {
  if (HasTitle(GraphicsWindow(), title)) return GraphicsWindow();
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return nullptr;
  for (Uint32 id = 1; id <= kWindowIdsSearched; ++id)
    if (SDL_Window* window = SDL_GetWindowFromID(id); HasTitle(window, title)) return window;
  return nullptr;
}

SDL_Window* ActiveWindow() {
  if (SDL_WasInit(SDL_INIT_VIDEO))
    if (SDL_Window* focused = SDL_GetKeyboardFocus()) return focused;
  return GraphicsWindow();
}

int SetWindowTopmost(SDL_Window* window, bool topmost) {
  if (!window) return 0;
  SDL_SetWindowAlwaysOnTop(window, topmost ? SDL_TRUE : SDL_FALSE);
  return 1;
}

int GetDesktopRect(WindowRect& out, SDL_Window* window) {
  SDL_Rect bounds;
  if (!vorpel::detail::EnsureVideo()) return 0;
  int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
  if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0) return 0;
  out = {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
  return 1;
}

int GetWindowFrameRect(SDL_Window* window, WindowRect& out) {
  if (!window) return 0;
  int x, y, w, h;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &w, &h);
  Borders b = FrameOf(window);
  out = {x - b.left, y - b.top, x + w + b.right, y + h + b.bottom};
  return 1;
}

int RemoveWindowFrame(SDL_Window* window) {
  if (!window) return 0;
  SDL_SetWindowBordered(window, SDL_FALSE);
  return 1;
}

int MoveWindowFrameTo(SDL_Window* window, int x, int y) {
  if (!window) return 0;
  Borders b = FrameOf(window);
  SDL_SetWindowPosition(window, x + b.left, y + b.top);
  return 1;
}

void CentreRectOnDisplay(const WindowRect& display, const WindowRect& window, int& x, int& y) {
  x = display.left + (display.Width() - window.Width()) / 2;
  y = display.top + (display.Height() - window.Height()) / 2;
}

void CentreActiveWindowOnDesktop() {
  SDL_Window* window = ActiveWindow();
  if (!window) return;
  AwaitFrame(window);
  WindowRect display, frame;
  if (!GetDesktopRect(display, window) || !GetWindowFrameRect(window, frame)) return;
  int x = 0, y = 0;
  CentreRectOnDisplay(display, frame, x, y);
  SetWindowTopmost(window, false);
  MoveWindowFrameTo(window, x, y);
}
