// Finding the X side of our windows and surviving X errors about windows that went away.
#include "platform/x11_glue.hpp"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>

#include "platform/graphics.hpp"

namespace vorpel::detail {

namespace {

bool trapped_error = false;

int RecordError(Display*, XErrorEvent*) {
  trapped_error = true;
  return 0;
}

int IgnoreError(Display*, XErrorEvent*) { return 0; }

bool HasProperty(Display* display, Window window, const char* name, Atom type) {
  Atom property = XInternAtom(display, name, True);
  if (property == None) return false;  // nobody has ever set it
  Atom actual;
  int format;
  unsigned long count = 0, after;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(display, window, property, 0, 4, False, type, &actual, &format,
                                  &count, &after, &data) == Success &&
               actual == type && count > 0;
  if (data) XFree(data);
  return found;
}

}  // namespace

bool X11WindowOf(SDL_Window* window, Display*& display, Window& xwindow) {
  if (!window) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  display = info.info.x11.display;
  xwindow = info.info.x11.window;
  return display != nullptr;
}

Display* X11QueryDisplay() {
  Display* display = nullptr;
  Window ignored;
  if (X11WindowOf(GraphicsWindow(), display, ignored)) return display;
  static Display* own = XOpenDisplay(nullptr);
  return own;
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);  // earlier requests' errors are not ours to judge
  trapped_error = false;
  previous_ = XSetErrorHandler(RecordError);
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
}

bool X11ErrorTrap::Failed() {
  XSync(display_, False);
  return trapped_error;
}

bool X11WindowManagerRunning(Display* display) {
  return HasProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
}

bool X11FrameExtentsGiven(Display* display, Window window) {
  return HasProperty(display, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
}

void TolerateX11Errors() { XSetErrorHandler(IgnoreError); }

bool ForeignWindowAttributes(unsigned long xid, XWindowAttributes& attrs) {
  Display* display = X11QueryDisplay();
  if (!display || !IsX11Id(xid)) return false;
  X11ErrorTrap trap(display);
  Status ok = XGetWindowAttributes(display, Window(xid), &attrs);
  return !trap.Failed() && ok;
}

}  // namespace vorpel::detail
