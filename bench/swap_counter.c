// Preloaded into a program (LD_PRELOAD) to count the frames it shows: every buffer swap through
// SDL, GLX or EGL adds one to a 64-bit counter in the file SWAP_COUNT_FILE names. The file is
// mapped shared, so the count is there however the program ends, a kill included.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

static volatile uint64_t* Counter(void) {
  static volatile uint64_t* mapped;
  static int tried;
  if (tried) return mapped;
  tried = 1;
  const char* path = getenv("SWAP_COUNT_FILE");
  if (!path) return NULL;
  int fd = open(path, O_RDWR | O_CREAT, 0600);
  if (fd < 0) return NULL;
  if (ftruncate(fd, sizeof(uint64_t)) == 0) {
    void* p = mmap(NULL, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (p != MAP_FAILED) mapped = p;
  }
  close(fd);
  return mapped;
}

// SDL may swap through GLX or EGL underneath: count that frame once.
static __thread int inside_sdl;

static void Count(void) {
  volatile uint64_t* counter = Counter();
  if (counter && !inside_sdl) ++*counter;
}

void SDL_GL_SwapWindow(void* window) {
  static void (*next)(void*);
  if (!next) next = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
  Count();
  inside_sdl = 1;
  next(window);
  inside_sdl = 0;
}

void glXSwapBuffers(void* display, unsigned long drawable) {
  static void (*next)(void*, unsigned long);
  if (!next) next = (void (*)(void*, unsigned long))dlsym(RTLD_NEXT, "glXSwapBuffers");
  Count();
  next(display, drawable);
}

unsigned eglSwapBuffers(void* display, void* surface) {
  static unsigned (*next)(void*, void*);
  if (!next) next = (unsigned (*)(void*, void*))dlsym(RTLD_NEXT, "eglSwapBuffers");
  Count();
  return next(display, surface);
}
