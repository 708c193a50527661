// Message boxes, the mouse pointer, opening web addresses and pumping window events.
#include "platform/system.hpp"

#include <SDL.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/input.hpp"

namespace {

// The headless drivers have no one to show a box to; a question there could never be answered.
bool HaveDisplay() {
  if (!vorpel::detail::EnsureVideo()) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

Uint32 BoxKind(bool serious) {
  return serious ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
}

void ToStandardError(const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", AppTitle().c_str(), text.c_str());
}

// Handed to the opener as one argument, so only an option-like start or control characters
// could make it mean something else.
bool SafeToOpen(const std::string& url) {
  if (url.empty() || url[0] == '-') return false;
  for (unsigned char c : url)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

// In the first child: leaves our session and terminal, starts the opener in a grandchild and
// ends, so the opener belongs to init and never becomes our zombie. An exec failure is reported
// through the status pipe; a successful exec closes it.
[[noreturn]] void StartDetached(char* const argv[], int status_fd) {
  setsid();
  status_fd = fcntl(status_fd, F_DUPFD_CLOEXEC, 3);  // out of the way of the standard streams
  int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    if (null > 2) close(null);
  }
  pid_t opener = fork();
  if (opener == 0) {
    execvp(argv[0], argv);
    int error = errno;
    (void)!write(status_fd, &error, sizeof error);
    _exit(127);
  }
  _exit(opener > 0 ? 0 : 1);
}

}  // namespace

void SetMouseVisible(bool visible) {
  // The pointer state lives in the video subsystem; starting it later would forget a hide.
  vorpel::detail::EnsureVideo();
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void MoveMouse(int x, int y) {
  if (SDL_Window* window = GraphicsWindow()) SDL_WarpMouseInWindow(window, x, y);
}

void Notify(const std::string& text, bool serious) {
  if (!HaveDisplay() || SDL_ShowSimpleMessageBox(BoxKind(serious), AppTitle().c_str(),
                                                 text.c_str(), GraphicsWindow()) != 0)
    ToStandardError(text);
}

int Confirm(const std::string& text, bool serious) {
  if (HaveDisplay()) {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
    };
    const SDL_MessageBoxData box{BoxKind(serious), GraphicsWindow(), AppTitle().c_str(),
                                 text.c_str(), 2, buttons, nullptr};
    int hit = 0;
    if (SDL_ShowMessageBox(&box, &hit) == 0) return hit == 1 ? 1 : 0;
  }
  ToStandardError(text);
  return 0;
}

int OpenURL(const std::string& url) {
  if (!SafeToOpen(url)) return 0;
  int status[2];
  if (pipe2(status, O_CLOEXEC) != 0) return 0;
  char program[] = "xdg-open";
  char* argv[] = {program, const_cast<char*>(url.c_str()), nullptr};
  pid_t child = fork();
  if (child == 0) {
    close(status[0]);
    StartDetached(argv, status[1]);
  }
  close(status[1]);
  int started = 0;
  if (child > 0) {
    int error = 0;
    ssize_t got;
    do got = read(status[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    int child_status = 0;
    while (waitpid(child, &child_status, 0) < 0 && errno == EINTR) {
    }
    started = got == 0 && WIFEXITED(child_status) && WEXITSTATUS(child_status) == 0;
  }
  close(status[0]);
  return started;
}

void Poll() { PollEvents(); }
void Wait() { WaitEvent(); }

void LeaveStopSignalsToProgram() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }
