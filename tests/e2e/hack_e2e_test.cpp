#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>

#include "tests/e2e/e2e.hpp"

using namespace e2e;

namespace {

std::string Hex(Window w) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%lX", static_cast<unsigned long>(w));
  return buf;
}

class HackE2E : public ProgramTest {
 protected:

  std::set<Window> TopLevelWindows() {
    std::set<Window> windows;
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(screen.display(), screen.Root(), &root, &parent, &children, &count)) {
      windows.insert(children, children + count);
      if (children) XFree(children);
    }
    return windows;
  }

  // The host shows the scene: many colours, not the host's own flat grey.
  void ExpectScene(Window host) {
    PixmapPtr shot;
    for (int i = 0; i < 40; ++i) {
      SleepMs(250);
      shot = screen.Grab(host);
      if (shot && Analyse(*shot).distinct_colours > 60) break;
    }
    ASSERT_TRUE(shot);
    EXPECT_GT(Analyse(*shot).distinct_colours, 60) << "the host window shows no scene";
  }

  static double EndsWithin(Program& p, int timeout_ms, std::optional<int>& code) {
    auto start = std::chrono::steady_clock::now();
    code = p.Wait(timeout_ms);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
};

}  // namespace

TEST_F(HackE2E, RootDrawsIntoTheDaemonsWindowAndEndsOnSigterm) {
  Window host = screen.MakeHostWindow(0, 0, 725, 407);
  std::set<Window> before = TopLevelWindows();
  auto with_window = env;
  with_window["XSCREENSAVER_WINDOW"] = Hex(host);
  Program hack({"--root"}, dir.str(), with_window);
  ExpectScene(host);
  EXPECT_EQ(TopLevelWindows(), before) << "a window of our own appeared";
  hack.Signal(SIGTERM);
  std::optional<int> code;
  EXPECT_LT(EndsWithin(hack, 5000, code), 1.0);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath())) << "the settings were written";
}

TEST_F(HackE2E, DestroyingTheWindowEndsIt) {
  Window host = screen.MakeHostWindow(0, 0, 640, 360);
  Program hack({"--window-id", Hex(host)}, dir.str(), env);
  ExpectScene(host);
  screen.Destroy(host);
  EXPECT_EQ(hack.Wait(5000), 0);
}

TEST_F(HackE2E, WindowIdsInDecimalAndTwoProcessesAtOnce) {
  Window left = screen.MakeHostWindow(0, 0, 600, 400);
  Window right = screen.MakeHostWindow(640, 0, 600, 400);
  Program a({"-window-id", std::to_string(left)}, dir.str(), env);
  Program b({"--window-id", Hex(right), "--fps"}, dir.str(), env);
  ExpectScene(left);
  ExpectScene(right);
  EXPECT_TRUE(a.Running());
  EXPECT_TRUE(b.Running());
  a.Signal(SIGTERM);
  b.Signal(SIGTERM);
  EXPECT_EQ(a.Wait(5000), 0);
  EXPECT_EQ(b.Wait(5000), 0);
}

TEST_F(HackE2E, TheSceneFollowsTheWindowsSize) {
  Window host = screen.MakeHostWindow(0, 0, 400, 300);
  Program hack({"--window-id", Hex(host)}, dir.str(), env);
  ExpectScene(host);
  XResizeWindow(screen.display(), host, 900, 500);
  XSync(screen.display(), False);
  SleepMs(1500);
  PixmapPtr shot = screen.Grab(host);
  ASSERT_TRUE(shot);
  ASSERT_EQ(shot->width, 900);
  // The bottom-right corner, new since the resize, is drawn too (not left to the host's grey).
  TPixmap corner(200, 100, PF_RGB888);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) corner.WritePixel(x, y, shot->ReadPixel(700 + x, 400 + y));
  EXPECT_GT(Analyse(corner).distinct_colours, 20);
  hack.Signal(SIGTERM);
  EXPECT_EQ(hack.Wait(5000), 0);
}

TEST_F(HackE2E, ABadWindowIdIsRefused) {
  Program junk({"--window-id", "not-a-window"}, dir.str(), env);
  EXPECT_EQ(junk.Wait(10000), 1);
  Program gone({"--window-id", "0x1FFFFFF"}, dir.str(), env);
  EXPECT_EQ(gone.Wait(10000), 1);
}

// The real xscreensaver daemon from Debian starts our saver. It refuses to run savers as root,
// so as root the daemon runs as "nobody" with a copy of the program and the X authority.
TEST_F(HackE2E, TheXscreensaverDaemonRunsOurSaver) {
  if (system("command -v xscreensaver >/dev/null && command -v xscreensaver-command >/dev/null") != 0)
    GTEST_FAIL() << "xscreensaver is not installed";
  std::string home = dir.str() + "/home";
  std::filesystem::create_directories(home + "/bin");
  std::filesystem::copy_file(ProgramPath(), home + "/bin/vorpelsaver");
  testsupport::WriteFile(home + "/.xscreensaver",
                         "mode:\t\tone\nselected:\t0\ntimeout:\t1:00:00\nlock:\t\tFalse\n"
                         "splash:\t\tFalse\nfade:\t\tFalse\nunfade:\t\tFalse\n"
                         "programs:\t\t\t\t\t\t\t\t      \\\n"
                         "  GL: \t\t\t\t" + home + "/bin/vorpelsaver --root\t\t\t\t    \\n\\\n\n");
  if (const char* auth = std::getenv("XAUTHORITY")) std::filesystem::copy_file(auth, home + "/.Xauthority");
  std::string as_user;
  if (geteuid() == 0) {
    chmod(dir.str().c_str(), 0755);
    std::string chown = "chown -R nobody:nogroup '" + home + "'";
    ASSERT_EQ(system(chown.c_str()), 0);
    as_user = "runuser -u nobody -- ";
  }
  std::string envs = "env HOME='" + home + "' XAUTHORITY='" + home + "/.Xauthority' PATH='" + home +
                     "/bin:/usr/bin:/bin' XDG_CONFIG_HOME='" + home + "/config' ";
  std::string start = as_user + envs + "xscreensaver -no-splash > '" + dir.str() + "/daemon.log' 2>&1 &";
  ASSERT_EQ(system(start.c_str()), 0);
  SleepMs(3000);
  std::string command = as_user + envs + "xscreensaver-command ";
  EXPECT_EQ(system((command + "-activate >/dev/null 2>&1").c_str()), 0);
  // This saver's own copy, whatever else runs on the machine.
  std::string ours = "pgrep -f '" + home + "/bin/vorpelsave[r] --root' >/dev/null";
  PixmapPtr shot;
  bool running = false;
  for (int waited = 0; waited < 20000; waited += 500) {
    SleepMs(500);
    running = system(ours.c_str()) == 0;
    shot = screen.Grab(screen.Root());
    if (running && shot && Analyse(*shot).distinct_colours > 60) break;
  }
  system((command + "-exit >/dev/null 2>&1").c_str());
  for (int waited = 0; waited < 5000 && system(ours.c_str()) == 0; waited += 250) SleepMs(250);
  EXPECT_TRUE(running) << testsupport::ReadFile(dir.str() + "/daemon.log");
  ASSERT_TRUE(shot);
  EXPECT_GT(Analyse(*shot).distinct_colours, 60) << "the daemon's window shows no bubbles";
  EXPECT_NE(system(ours.c_str()), 0) << "our saver outlived the daemon";
}
