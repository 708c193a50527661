#pragma once
// Running as an xscreensaver "hack": the daemon (or its settings preview) owns the window and
// starts us with --root (its window is named by XSCREENSAVER_WINDOW) or --window-id ID. We draw
// the bubble scene into that window, follow its size, ignore the keyboard and the mouse (the
// daemon decides when to stop), take no instance lock, never write the settings, and end with
// exit code 0 on SIGTERM or when the window goes away.
#include <optional>
#include <string>

struct HackOptions {
  bool active = false;        // --root or --window-id was given
  bool root = false;
  std::string window_text;    // the ID of --window-id, or of XSCREENSAVER_WINDOW for --root
  bool fps = false;           // --fps: the frame rate in a corner
  std::optional<int> how_often, change, background;  // overrides of config.ini for this run
  std::string error;          // what was wrong with the command line, if anything
};

// Reads the hack switches; other arguments are left to the normal dispatch. `env_window` is the
// value of XSCREENSAVER_WINDOW (or none).
HackOptions ParseHackOptions(int argc, const char* const* argv, const char* env_window);

// A window id as xscreensaver writes one: "0x" and hexadecimal digits, or decimal digits.
// 0 for anything else, or for a value that does not fit 32 bits.
unsigned long ParseWindowId(const std::string& text);

// The virtual screen for a window: 800 x 500 when it is wider than 3:2, else 800 x 600;
// stretched over the window unless its shape is far from that (then letterboxed).
void HackVirtualScreen(int width, int height, int& vw, int& vh, int& stretch);

[[noreturn]] void RunHackMode(const HackOptions& options);
