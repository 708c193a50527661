#pragma once
// Host glue: what the program needs of the desktop around it — other copies of itself, the
// per-user settings folder, its own windows, a screen-saver host's preview window, the monitors
// and the kernel's name.
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

struct SDL_Window;

// --- Instance lock --------------------------------------------------------------------------

// 1 when another process holds the lock of this name. The first call for a name takes the lock
// if it is free and keeps it until the process ends (a crash releases it too); later calls with
// the same name repeat the test on the same lock. An empty name, or a lock file that cannot be
// used, gives 0.
int InstanceLockHeldElsewhere(const std::string& name);

// --- Folders --------------------------------------------------------------------------------

// The folder settings shared by every run of the program live under: $XDG_CONFIG_HOME or
// $HOME/.config (absolute paths only), ending in "/"; "" when neither is known.
std::string AllUsersDataFolder();
// 1 when the path is an existing folder that can be opened. Folders are per-user here, so
// nothing needs opening up and nothing is ever made writable by others.
int GrantFolderToUsers(const std::string& path);

// --- Windows of this process ----------------------------------------------------------------

struct WindowRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Our own window with exactly this title; none when there is no such window.
// One of our windows as the host calls name it; opaque outside this layer.
using WindowHandle = SDL_Window*;
WindowHandle FindWindowByTitle(const std::string& title);
// The window with the keyboard, else the graphics window; none when neither exists.
SDL_Window* ActiveWindow();
// Keeps the window above all others (or stops doing so). 1 on success.
int SetWindowTopmost(SDL_Window* window, bool topmost);
// The rectangle, in desktop pixels, of the display the window is on (of the primary display
// without a window). 1 on success, 0 when unknown.
int GetDesktopRect(WindowRect& out, SDL_Window* window = nullptr);
// The window's rectangle including its frame, as far as the window manager tells it.
int GetWindowFrameRect(SDL_Window* window, WindowRect& out);
// Asks for the window to have no title bar and no border. 1 on success.
int RemoveWindowFrame(SDL_Window* window);
// Moves the window so that its frame's top-left corner lands at (x, y). 1 on success.
int MoveWindowFrameTo(SDL_Window* window, int x, int y);
// Where a window's top-left corner goes to centre it on a display: the display's left and top
// plus half of what the window leaves free of its width and height, truncated.
void CentreRectOnDisplay(const WindowRect& display, const WindowRect& window, int& x, int& y);
// Centres the active window, frame included, on the display it is on; not top-most, size
// unchanged. A window manager's frame is waited for briefly, since it comes after the window.
void CentreActiveWindowOnDesktop();

// Gives the window a picture ("incbin::" name or path) as its icon. 1 on success; 0 for no
// window or a picture that cannot be loaded or is larger than kMaxIconSide.
inline constexpr int kMaxIconSide = 1024;
int SetWindowIconFromPicture(SDL_Window* window, const std::string& source);

// --- Preview inside a host window (X11) -----------------------------------------------------

// Makes our window a child of the host window at (0, 0) and shows it. 1 when it was embedded;
// 0 without X11 or for a bad host id, in which case the window is only shown. After embedding,
// X errors no longer end the program: the host may take our window down with it at any time.
int EmbedWindowInHost(SDL_Window* window, unsigned long host);
// Moves and sizes the window in its parent's coordinates. 1 on success.
int MoveResizeWindow(SDL_Window* window, int x, int y, int width, int height);
// The root window of the X display; 0 without X11.
unsigned long RootWindowId();
// 1 while the host window and all its ancestors are mapped. A bad or destroyed id, or no X11,
// gives 0.
int IsHostWindowVisible(unsigned long host);

// --- Operating system -----------------------------------------------------------------------

// The kernel's name and release, e.g. "Linux 6.1.0-18-amd64"; "" when unknown.
std::string KernelName();

// --- Displays -------------------------------------------------------------------------------

// A monitor's rectangle in desktop pixels; id is its 1-based position in the enumeration.
struct DisplayArea {
  int id = 0;
  int x = 0, y = 0, width = 0, height = 0;
};

int MonitorCount();  // 0 when unknown
std::vector<DisplayArea> ListDisplays();
// Size of the display with id index + 1, or of the whole virtual desktop (all monitors) for
// index -1; 0 when there is no such display.
int DesktopWidth(int index);
int DesktopHeight(int index);
int DesktopDepth();  // bits per pixel of the primary display (24-bit colour counts as 32)
int DesktopHertz();  // refresh rate of the primary display; 0 when unknown
// The system pointer's position in desktop pixels.
int CursorX();
int CursorY();
// The whole virtual desktop as a new RGB pixmap; none when any step fails (no X11 included).
// flip 1 puts the top row first; flip 0 leaves the rows bottom-up.
PixmapPtr GrabDesktop(int flip);
