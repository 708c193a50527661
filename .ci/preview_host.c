/* A stand-in for a screen-saver dialog's preview area: maps a window, prints its id, keeps it
   for the given number of seconds, then destroys it and exits. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(NULL);
  if (!display) return 1;
  Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 320, 240, 0, 0, 0);
  XMapWindow(display, window);
  XSync(display, False);
  printf("%lu\n", window);  /* decimal, as a preview host passes it */
  fflush(stdout);
  sleep(argc > 1 ? (unsigned)atoi(argv[1]) : 3);
  XDestroyWindow(display, window);
  XCloseDisplay(display);
  return 0;
}
