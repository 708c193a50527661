#include "tests/e2e/e2e.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

namespace e2e {

std::string ProgramPath() { return VORPELSAVER_PATH; }

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    SleepMs(50);
  }
}

namespace {

// Root ignores file permissions through these capabilities; without them it is refused like
// anyone else. They leave the bounding set too, or root would get them back at exec.
void DropFilePrivileges() {
  const int caps[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};
  for (int cap : caps) prctl(PR_CAPBSET_DROP, cap, 0, 0, 0);
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[2] = {};
  if (syscall(SYS_capget, &header, data) != 0) return;
  for (int cap : caps) {
    data[cap / 32].effective &= ~(1u << (cap % 32));
    data[cap / 32].permitted &= ~(1u << (cap % 32));
  }
  syscall(SYS_capset, &header, data);
}

void ApplySetup(const ProcessSetup& setup, int stderr_fd) {
  if (stderr_fd >= 0) dup2(stderr_fd, 2);
  if (setup.disk_full) {
    signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of ending the process
    rlimit none{0, 0};
    setrlimit(RLIMIT_FSIZE, &none);
  }
  if (setup.ordinary_user) DropFilePrivileges();
}

}  // namespace

Program::Program(const std::vector<std::string>& args, const std::string& cwd,
                 const std::map<std::string, std::string>& env, const ProcessSetup& setup) {
  int pipe_fds[2] = {-1, -1};
  if (setup.capture_stderr && pipe2(pipe_fds, O_CLOEXEC) != 0) pipe_fds[0] = pipe_fds[1] = -1;
  pid_ = fork();
  if (pid_ == 0) {
    ApplySetup(setup, pipe_fds[1]);
    if (chdir(cwd.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    std::vector<char*> argv;
    std::string program = ProgramPath();
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (pipe_fds[1] >= 0) close(pipe_fds[1]);
  stderr_fd_ = pipe_fds[0];
}

Program::~Program() {
  if (Running()) {
    kill(pid_, SIGKILL);
    Wait(5000);
  }
  if (stderr_fd_ >= 0) close(stderr_fd_);
}

std::string Program::Stderr() {
  // The pipe ends when the program and everything it started have closed it.
  char buffer[4096];
  ssize_t n;
  while (stderr_fd_ >= 0 && (n = read(stderr_fd_, buffer, sizeof buffer)) > 0)
    stderr_.append(buffer, std::size_t(n));
  return stderr_;
}

std::optional<int> Program::Wait(int timeout_ms) {
  WaitUntil(
      [&] {
        int status = 0;
        pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        return status_ || r < 0;
      },
      timeout_ms);
  return status_;
}

bool Program::Running() { return pid_ > 0 && !Wait(0).has_value(); }
void Program::Signal(int sig) { kill(pid_, sig); }

XSession::XSession() : x_(XOpenDisplay(nullptr)) {}
XSession::~XSession() {
  if (x_) XCloseDisplay(x_);
}

std::string XSession::Title(Window window) {
  std::string title;
  Atom net_name = XInternAtom(x_, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(x_, "UTF8_STRING", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x_, window, net_name, 0, 1024, False, utf8, &type, &format, &count, &after,
                         &data) == Success && data) {
    title.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  char* name = nullptr;
  if (XFetchName(x_, window, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

namespace {
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

Window FindInTree(XSession& screen, Window window, const std::string& title) {
  XWindowAttributes attrs;
  if (XGetWindowAttributes(screen.display(), window, &attrs) && attrs.map_state == IsViewable &&
      screen.Title(window) == title)
    return window;
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(screen.display(), window, &root, &parent, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && !found; ++i) found = FindInTree(screen, children[i], title);
  if (children) XFree(children);
  return found;
}
}  // namespace

Window XSession::WaitForWindow(const std::string& title, int timeout_ms) {
  auto old = XSetErrorHandler(IgnoreErrors);
  Window found = 0;
  WaitUntil([&] { return (found = FindInTree(*this, Root(), title)) != 0; }, timeout_ms);
  XSync(x_, False);
  XSetErrorHandler(old);
  return found;
}

bool XSession::WaitForWindowGone(Window window, int timeout_ms) {
  auto old = XSetErrorHandler(IgnoreErrors);
  bool gone = WaitUntil(
      [&] {
        XWindowAttributes attrs;
        return !XGetWindowAttributes(x_, window, &attrs) || attrs.map_state != IsViewable;
      },
      timeout_ms);
  XSetErrorHandler(old);
  return gone;
}

bool XSession::Geometry(Window window, int& x, int& y, int& w, int& h) {
  XWindowAttributes attrs;
  if (!XGetWindowAttributes(x_, window, &attrs)) return false;
  Window child;
  XTranslateCoordinates(x_, window, Root(), 0, 0, &x, &y, &child);
  w = attrs.width;
  h = attrs.height;
  return true;
}

PixmapPtr XSession::Grab(Window window) {
  XWindowAttributes attrs;
  if (!XGetWindowAttributes(x_, window, &attrs)) return nullptr;
  return Grab(window, 0, 0, attrs.width, attrs.height);
}

PixmapPtr XSession::Grab(Window window, int left, int top, int w, int h) {
  auto old = XSetErrorHandler(IgnoreErrors);  // the window may go at any time
  XImage* image = XGetImage(x_, window, left, top, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
  XSetErrorHandler(old);
  if (!image) return nullptr;
  auto picture = std::make_shared<TPixmap>(w, h, PF_RGB888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      picture->WritePixel(x, y, 0xFF000000u | std::uint32_t(XGetPixel(image, x, y) & 0xFFFFFF));
  XDestroyImage(image);
  return picture;
}

Window XSession::MakeHostWindow(int x, int y, int w, int h) {
  Window window = XCreateSimpleWindow(x_, Root(), x, y, unsigned(w), unsigned(h), 0, 0, 0x303030);
  XMapWindow(x_, window);
  XSync(x_, False);
  return window;
}

void XSession::Map(Window window, bool mapped) {
  if (mapped) XMapWindow(x_, window);
  else XUnmapWindow(x_, window);
  XSync(x_, False);
}

void XSession::Destroy(Window window) {
  XDestroyWindow(x_, window);
  XSync(x_, False);
}

void XSession::RequestClose(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(x_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(x_, window, False, NoEventMask, &event);
  XSync(x_, False);
}

bool XSession::OuterRect(Window window, Rect& rect) {
  auto old = XSetErrorHandler(IgnoreErrors);  // the window may go at any time
  Window root, parent = 0, *children = nullptr;
  unsigned count = 0;
  while (XQueryTree(x_, window, &root, &parent, &children, &count) && parent != Root()) {
    if (children) XFree(children);
    children = nullptr;
    window = parent;
  }
  if (children) XFree(children);
  XWindowAttributes attrs;
  bool found = parent == Root() && XGetWindowAttributes(x_, window, &attrs);
  if (found)  // x and y are the outer corner of the border
    rect = {attrs.x, attrs.y, attrs.width + 2 * attrs.border_width,
            attrs.height + 2 * attrs.border_width};
  XSync(x_, False);
  XSetErrorHandler(old);
  return found;
}

XSession::Rect XSession::WaitForOuterRect(Window window,
                                          const std::function<bool(const Rect&)>& settled,
                                          int timeout_ms) {
  Rect rect;
  WaitUntil(
      [&] {
        rect = Rect{};
        return !OuterRect(window, rect) || settled(rect);
      },
      timeout_ms);
  return rect;
}

namespace {
bool WindowManagerAnnounced(Display* x) {
  Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type,
                                  &format, &count, &after, &data) == Success &&
               count == 1;
  if (data) XFree(data);
  return found;
}
}  // namespace

WindowManager::WindowManager(XSession& screen, const std::string& folder) {
  // Its own settings: none of the system's menus, panels or tiled placement.
  std::string settings = folder + "/jwmrc";
  testsupport::WriteFile(settings, "<?xml version=\"1.0\"?><JWM></JWM>\n");
  pid_ = fork();
  if (pid_ == 0) {
    int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
      dup2(devnull, 1);
      dup2(devnull, 2);
    }
    execlp("jwm", "jwm", "-f", settings.c_str(), nullptr);
    _exit(127);
  }
  if (pid_ > 0)
    running_ = WaitUntil([&] { return WindowManagerAnnounced(screen.display()); }, 20000);
}

WindowManager::~WindowManager() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

void MovePointer(int x, int y) {
  Xdo({"mousemove", std::to_string(x), std::to_string(y)});
}

bool Xdo(const std::vector<std::string>& args) {
  pid_t pid = fork();
  if (pid == 0) {
    int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) {
      dup2(devnull, 1);
      dup2(devnull, 2);
    }
    std::vector<std::string> copy = args;
    std::vector<char*> argv{const_cast<char*>("xdotool")};
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp("xdotool", argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

PictureStats Analyse(const TPixmap& picture) {
  PictureStats stats;
  std::set<std::uint32_t> buckets;
  double brightness = 0;
  long black = 0, total = long(picture.width) * picture.height;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      std::uint32_t p = picture.ReadPixel(x, y);
      int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      buckets.insert(std::uint32_t((r >> 4) << 8 | (g >> 4) << 4 | (b >> 4)));
      brightness += (r + g + b) / 3.0;
      if (r < 8 && g < 8 && b < 8) ++black;
    }
  stats.distinct_colours = int(buckets.size());
  stats.mean_brightness = total ? brightness / double(total) : 0;
  stats.black_fraction = total ? double(black) / double(total) : 0;
  return stats;
}

PixmapPtr WaitForScene(XSession& screen, Window window, int min_colours, int timeout_ms) {
  PixmapPtr shot;
  WaitUntil(
      [&] {
        shot = screen.Grab(window);
        return !shot || Analyse(*shot).distinct_colours > min_colours;
      },
      timeout_ms);
  return shot;
}

bool SamePicture(const TPixmap& a, const TPixmap& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.ReadPixel(x, y) != b.ReadPixel(x, y)) return false;
  return true;
}

void ProgramTest::StoreSettings(const std::string& text) const {
  std::filesystem::create_directories(ProfilesFolder());
  testsupport::WriteFile(SettingsPath(), text);
}

Window ProgramTest::WaitAndFocus(const char* title) {
  Window window = screen.WaitForWindow(title, 20000);
  if (window) {
    WaitForScene(screen, window, 20, 20000);
    Xdo({"windowfocus", "--sync", std::to_string(window)});
  }
  return window;
}

}  // namespace e2e
