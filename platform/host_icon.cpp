// The window's icon, from one of our pictures.
#include <SDL.h>

#include "platform/host.hpp"

int SetWindowIconFromPicture(SDL_Window* window, const std::string& source) {
  if (!window) return 0;
  PixmapPtr picture = LoadPixmap(source);
  if (!picture || picture->width > kMaxIconSide || picture->height > kMaxIconSide) return 0;
  if (picture->format != PF_RGBA8888) picture = picture->Convert(PF_RGBA8888);
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(picture->pixels.data(), picture->width, picture->height,
                                         32, picture->pitch, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return 0;
  SDL_SetWindowIcon(window, surface);  // SDL copies the pixels
  SDL_FreeSurface(surface);
  return 1;
}
