#pragma once
// X11 access for the host glue. Internal to the platform layer; only files that talk to X
// include it (Xlib's macros would leak into everything else).
#include <X11/Xlib.h>

struct SDL_Window;

namespace vorpel::detail {

// The X display and window behind an SDL window; false unless SDL runs on its x11 driver.
bool X11WindowOf(SDL_Window* window, Display*& display, Window& xwindow);

// A connection for questions about the desktop and other programs' windows: the graphics
// window's own when it is on x11, else a private connection to $DISPLAY opened once; none
// without an X server.
Display* X11QueryDisplay();

// X ids are 29 bits; 0 is "no window".
inline bool IsX11Id(unsigned long id) { return id != 0 && id <= 0x1FFFFFFFUL; }

// Collects the X errors of the requests made during its life instead of letting the default
// handler end the program.
class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  bool Failed();  // waits for the server's answers, then tells whether a request failed

 private:
  Display* display_;
  XErrorHandler previous_;
};

// The attributes of a window of any program on the query display; false when there is no X,
// the id cannot be a window's, or the window is gone.
bool ForeignWindowAttributes(unsigned long xid, XWindowAttributes& attrs);

// True when a window manager runs that announces itself as the desktop conventions ask.
bool X11WindowManagerRunning(Display* display);
// True once the window manager has told the window the size of its frame (_NET_FRAME_EXTENTS).
bool X11FrameExtentsGiven(Display* display, Window window);

// From now on X errors are ignored instead of ending the program.
void TolerateX11Errors();

}  // namespace vorpel::detail
