#include "tests/e2e/e2e.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <set>
#include <thread>

namespace e2e {

std::string ProgramPath() { return VORPELSAVER_PATH; }

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

Program::Program(const std::vector<std::string>& args, const std::string& cwd,
                 const std::map<std::string, std::string>& env) {
  pid_ = fork();
  if (pid_ == 0) {
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
}

Program::~Program() {
  if (Running()) {
    kill(pid_, SIGKILL);
    Wait(5000);
  }
}

std::optional<int> Program::Wait(int timeout_ms) {
  if (status_) return status_;
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    int status = 0;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
      return status_;
    }
    if (r < 0 || std::chrono::steady_clock::now() > end) return std::nullopt;
    SleepMs(10);
  }
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
  for (int waited = 0; waited <= timeout_ms && !found; waited += 50) {
    found = FindInTree(*this, Root(), title);
    if (!found) SleepMs(50);
  }
  XSync(x_, False);
  XSetErrorHandler(old);
  return found;
}

bool XSession::WaitForWindowGone(Window window, int timeout_ms) {
  auto old = XSetErrorHandler(IgnoreErrors);
  bool gone = false;
  for (int waited = 0; waited <= timeout_ms && !gone; waited += 50) {
    XWindowAttributes attrs;
    gone = !XGetWindowAttributes(x_, window, &attrs) || attrs.map_state != IsViewable;
    if (!gone) SleepMs(50);
  }
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
  XImage* image = XGetImage(x_, window, 0, 0, unsigned(attrs.width), unsigned(attrs.height),
                            AllPlanes, ZPixmap);
  if (!image) return nullptr;
  auto picture = std::make_shared<TPixmap>(attrs.width, attrs.height, PF_RGB888);
  for (int y = 0; y < attrs.height; ++y)
    for (int x = 0; x < attrs.width; ++x)
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

void MovePointer(int x, int y) {
  Xdo({"mousemove", std::to_string(x), std::to_string(y)});
  SleepMs(150);
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

}  // namespace e2e
