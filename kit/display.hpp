#pragma once
// The monitors and the desktop they make up: sizes, colour depth, refresh rate, the system
// pointer and a picture of the whole desktop.
#include <vector>

#include "platform/pixmap.hpp"

struct TDisplay {
  int id = 0;      // 1-based position in the enumeration
  int handle = 0;  // the system's number for the monitor
  int x = 0, y = 0, width = 0, height = 0;
};

// A rectangle as the system reports it.
struct TRect {
  int rLeft = 0, rTop = 0, rRight = 0, rBottom = 0;
};

// The monitors in the order the system reports them, enumerated on first use.
const std::vector<TDisplay>& Displays();

int GetMonitorCount();
// Position of the display whose id is index + 1 (a negative index means display 1); 0 when
// there is none.
int GetDisplayX(int index);
int GetDisplayY(int index);
// Size of the display whose id is index + 1, or of the whole virtual desktop for index -1;
// 0 when there is no such display.
int GetDesktopWidth(int index);
int GetDesktopHeight(int index);
// Colour depth and refresh rate of the desktop, whatever the index.
int GetDesktopDepth(int index);
int GetDesktopHertz(int index);
// The system pointer in desktop pixels.
int GetCursorX();
int GetCursorY();
// The whole virtual desktop as 24-bit RGB pixels; flip 1 puts the top row first. None when any
// step fails.
PixmapPtr GrabDesktopPixmap(int flip);
