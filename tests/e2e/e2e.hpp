#pragma once
// End-to-end helpers: the real program started as a process under the test's X server (Xvfb
// under CTest), driven with xdotool and watched through X.
// gtest first: Xlib defines None as a macro.
#include <gtest/gtest.h>
// (keep this order)
#include <X11/Xlib.h>
#include <sys/types.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"
#include "tests/support/support.hpp"

namespace e2e {

// How the program's process is set up besides its arguments, folder and environment.
struct ProcessSetup {
  bool capture_stderr = false;  // collect standard error for Program::Stderr
  bool disk_full = false;       // every write that would grow a file fails (RLIMIT_FSIZE 0)
  bool ordinary_user = false;   // file permissions apply even when the tests run as root
};

// The program under test, started with arguments in a working folder and with extra
// environment variables; killed if still running when destroyed.
class Program {
 public:
  Program(const std::vector<std::string>& args, const std::string& cwd,
          const std::map<std::string, std::string>& env = {}, const ProcessSetup& setup = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The exit code, or nullopt when it did not end within the time (or died by a signal: -signal).
  std::optional<int> Wait(int timeout_ms);
  bool Running();
  void Signal(int sig);
  pid_t pid() const { return pid_; }
  // What the program wrote to standard error, once it has ended (capture_stderr).
  std::string Stderr();

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  int stderr_fd_ = -1;
  std::string stderr_;
};

// A connection to the X server the program runs on.
class XSession {
 public:
  XSession();
  ~XSession();
  Display* display() const { return x_; }
  Window Root() const { return DefaultRootWindow(x_); }

  // The first window (searching the whole tree) whose title is exactly this; waits up to the
  // given time for it to appear and be mapped. 0 when there is none.
  Window WaitForWindow(const std::string& title, int timeout_ms);
  bool WaitForWindowGone(Window window, int timeout_ms);
  std::string Title(Window window);
  bool Geometry(Window window, int& x, int& y, int& w, int& h);  // root coordinates
  // A window's pixels (the root window for the whole screen), or those of a part of it.
  PixmapPtr Grab(Window window);
  PixmapPtr Grab(Window window, int x, int y, int w, int h);
  Window MakeHostWindow(int x, int y, int w, int h);
  void Map(Window window, bool mapped);
  void Destroy(Window window);
  // Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
  void RequestClose(Window window);
  // The outer rectangle, in root coordinates, of what stands on the desktop for the window: the
  // window manager's frame around it, border included, or the window itself. Polled until
  // `settled` holds for it or the time is up; the last one read (all 0 when the window is gone).
  struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
  };
  Rect WaitForOuterRect(Window window, const std::function<bool(const Rect&)>& settled,
                        int timeout_ms);

 private:
  bool OuterRect(Window window, Rect& rect);
  Display* x_ = nullptr;
};

// A window manager (JWM, with a title bar and a border) on the test's X server, its settings in
// the folder given; stopped when destroyed. Running() is false when it did not take over.
class WindowManager {
 public:
  WindowManager(XSession& screen, const std::string& folder);
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;
  bool Running() const { return running_; }

 private:
  pid_t pid_ = -1;
  bool running_ = false;
};

// Runs xdotool with the arguments (no shell); true when it succeeded.
bool Xdo(const std::vector<std::string>& args);

void SleepMs(int ms);
// Polls until `done` holds or the time is up; whether it held. Tests wait for the state they
// need, so a slow machine makes them slower rather than failing them.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms);
// Moves the pointer to screen coordinates. The program gets its input in order, so nothing
// needs to wait here. (xdotool's --sync waits forever when the pointer is already there.)
void MovePointer(int x, int y);

// Counts of pixels by kind, to tell a scene from a blank screen.
struct PictureStats {
  int distinct_colours = 0;   // coarse buckets of 16 levels per channel
  double mean_brightness = 0;
  double black_fraction = 0;  // pixels darker than 8 in every channel
};
PictureStats Analyse(const TPixmap& picture);

// Grabs the window until its picture has more than min_colours distinct colours (a scene rather
// than a black or blank screen) or the time is up; the last grab, none if the window is gone.
// Busy machines start the scene late, so tests wait for it instead of sleeping a fixed time.
PixmapPtr WaitForScene(XSession& screen, Window window, int min_colours, int timeout_ms);
bool SamePicture(const TPixmap& a, const TPixmap& b);

// The program under test.
std::string ProgramPath();

// A test of the real program: its own settings and runtime folders, and the X server.
class ProgramTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", dir.str() + "/config"},
                                          {"XDG_RUNTIME_DIR", dir.str()}};
  XSession screen;

  void SetUp() override { ASSERT_NE(screen.display(), nullptr) << "no X server"; }

  std::string DataFolder() const { return dir.str() + "/config/Trevane/VorpelScreenSaver/"; }
  std::string ProfilesFolder() const { return DataFolder() + "profiles/"; }
  std::string SettingsPath() const { return ProfilesFolder() + "config.ini"; }
  void StoreSettings(const std::string& text) const;
  // Waits for a window with this title to show its scene and gives it the keyboard; 0 if none
  // shows. Input that comes before the first frame is forgotten.
  Window WaitAndFocus(const char* title);
};

}  // namespace e2e
