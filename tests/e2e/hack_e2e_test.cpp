#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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
    PixmapPtr shot = WaitForScene(screen, host, 60, 20000);
    ASSERT_TRUE(shot);
    EXPECT_GT(Analyse(*shot).distinct_colours, 60) << "the host window shows no scene";
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
  // Promptly: within seconds even on a loaded machine, not at the next timeout of anything.
  EXPECT_EQ(hack.Wait(8000), 0);
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
  // The bottom-right corner, new since the resize, is drawn too (not left to the host's grey).
  PixmapPtr corner;
  WaitUntil([&] {
    corner = screen.Grab(host, 700, 400, 200, 100);
    return corner && Analyse(*corner).distinct_colours > 20;
  }, 20000);
  ASSERT_TRUE(corner);
  EXPECT_GT(Analyse(*corner).distinct_colours, 20);
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
  std::string command = as_user + envs + "xscreensaver-command ";
  EXPECT_TRUE(WaitUntil([&] { return system((command + "-time >/dev/null 2>&1").c_str()) == 0; },
                        30000))
      << "the daemon does not answer";
  EXPECT_EQ(system((command + "-activate >/dev/null 2>&1").c_str()), 0);
  // This saver's own copy, whatever else runs on the machine.
  std::string ours = "pgrep -f '" + home + "/bin/vorpelsave[r] --root' >/dev/null";
  PixmapPtr shot;
  bool running = false;
  WaitUntil([&] {
    running = system(ours.c_str()) == 0;
    shot = screen.Grab(screen.Root());
    return running && shot && Analyse(*shot).distinct_colours > 60;
  }, 30000);
  system((command + "-exit >/dev/null 2>&1").c_str());
  WaitUntil([&] { return system(ours.c_str()) != 0; }, 10000);
  EXPECT_TRUE(running) << testsupport::ReadFile(dir.str() + "/daemon.log");
  ASSERT_TRUE(shot);
  EXPECT_GT(Analyse(*shot).distinct_colours, 60) << "the daemon's window shows no bubbles";
  EXPECT_NE(system(ours.c_str()), 0) << "our saver outlived the daemon";
}
