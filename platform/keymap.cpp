// SDL key codes to Windows virtual-key codes, in one table.
#include <SDL.h>

#include "platform/input.hpp"

int VirtualKeyFromSDL(int sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return 65 + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return 48 + (sym - SDLK_0);
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return 112 + (sym - SDLK_F1);
  if (sym >= SDLK_F13 && sym <= SDLK_F24) return 124 + (sym - SDLK_F13);
  if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return 97 + (sym - SDLK_KP_1);
  static const struct { int sdl, vk; } table[] = {
      {SDLK_BACKSPACE, 8},     {SDLK_TAB, 9},          {SDLK_CLEAR, 12},
      {SDLK_RETURN, 13},       {SDLK_KP_ENTER, 13},    {SDLK_PAUSE, 19},
      {SDLK_CAPSLOCK, 20},     {SDLK_ESCAPE, 27},      {SDLK_SPACE, 32},
      {SDLK_PAGEUP, 33},       {SDLK_PAGEDOWN, 34},    {SDLK_END, 35},
      {SDLK_HOME, 36},         {SDLK_LEFT, 37},        {SDLK_UP, 38},
      {SDLK_RIGHT, 39},        {SDLK_DOWN, 40},        {SDLK_SELECT, 41},
      {SDLK_PRINTSCREEN, 44},  {SDLK_INSERT, 45},      {SDLK_DELETE, 46},
      {SDLK_HELP, 47},         {SDLK_LGUI, 91},        {SDLK_RGUI, 92},
      {SDLK_APPLICATION, 93},  {SDLK_SLEEP, 95},       {SDLK_KP_0, 96},
      {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},    {SDLK_KP_MINUS, 109},
      {SDLK_KP_PERIOD, 110},   {SDLK_KP_DIVIDE, 111},  {SDLK_NUMLOCKCLEAR, 144},
      {SDLK_SCROLLLOCK, 145},  {SDLK_LSHIFT, 160},     {SDLK_RSHIFT, 161},
      {SDLK_LCTRL, 162},       {SDLK_RCTRL, 163},      {SDLK_LALT, 164},
      {SDLK_RALT, 165},        {SDLK_SEMICOLON, 186},  {SDLK_EQUALS, 187},
      {SDLK_COMMA, 188},       {SDLK_MINUS, 189},      {SDLK_PERIOD, 190},
      {SDLK_SLASH, 191},       {SDLK_BACKQUOTE, 192},  {SDLK_LEFTBRACKET, 219},
      {SDLK_BACKSLASH, 220},   {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
  };
  for (const auto& entry : table)
    if (entry.sdl == sym) return entry.vk;
  return 0;
}
