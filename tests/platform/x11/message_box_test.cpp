#include "tests/platform/x11/x11_fixture.hpp"
// (after the fixture, which includes gtest before Xlib)
#include <X11/Xatom.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/system.hpp"

namespace {

// A mapped message box (a key sent before it is mapped would be lost).
bool IsShownDialog(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
    return false;
  Atom type_property = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
  Atom dialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(display, window, type_property, 0, 1, False, XA_ATOM, &type,
                                  &format, &count, &after, &data) == Success &&
               data && count == 1 && *reinterpret_cast<Atom*>(data) == dialog;
  if (data) XFree(data);
  return found;
}

Window FindDialog(Display* display) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  Window dialog = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
    for (unsigned i = 0; i < count && !dialog; ++i)
      if (IsShownDialog(display, children[i])) dialog = children[i];
  if (children) XFree(children);
  return dialog;
}

// Another process waits for the message box and answers it with a key, as a user would.
pid_t AnswerWith(const char* key) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  Display* display = XOpenDisplay(nullptr);
  Window dialog = 0;
  for (int tries = 0; display && !dialog && tries < 600; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    dialog = FindDialog(display);
  }
  if (!dialog) _exit(1);
  std::string id = std::to_string(dialog);
  // Our graphics window may hold the keyboard focus; the box gets it as a click would give it.
  execlp("xdotool", "xdotool", "windowfocus", id.c_str(), "key", key, static_cast<char*>(nullptr));
  _exit(127);
}

int ExitCodeOf(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MessageBox : public X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    SetAppTitle("VorpelBoxTest");
  }
};

}  // namespace

TEST_F(MessageBox, ConfirmAnswersYesToReturnAndNoToEscape) {
  pid_t answer = AnswerWith("Return");
  EXPECT_EQ(Confirm("Run the saver now?"), 1);
  EXPECT_EQ(ExitCodeOf(answer), 0);

  answer = AnswerWith("Escape");
  EXPECT_EQ(Confirm("Run the saver now?", true), 0);
  EXPECT_EQ(ExitCodeOf(answer), 0);
}

TEST_F(MessageBox, NotifyWaitsForTheUserOverOurWindow) {
  ASSERT_EQ(GraphicsOpen(200, 100), 1);
  pid_t answer = AnswerWith("Return");
  Notify("Could not create graphics screen. Please restart the program.");
  EXPECT_EQ(ExitCodeOf(answer), 0);  // the box was there to be answered
}
