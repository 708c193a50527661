#include "platform/input.hpp"

#include <SDL.h>

#include <array>

#include "platform/graphics_internal.hpp"

namespace {

constexpr int kKeys = 256;
constexpr int kButtons = 4;  // 1..3 used
constexpr int kRing = 256;

struct InputState {
  std::array<int, kKeys> key_hits{};
  std::array<bool, kKeys> key_down{};
  std::array<int, kButtons> mouse_hits{};
  std::array<bool, kButtons> mouse_down{};
  int mouse_x = 0, mouse_y = 0;
  std::array<int, kRing> ring{};
  int ring_head = 0, ring_count = 0;
  bool suspended = false;
  bool terminate = false;
  bool auto_poll = true;
} input_state;

bool ValidKey(int key) { return key > 0 && key < kKeys; }
bool ValidButton(int button) { return button > 0 && button < kButtons; }

void PushChar(int code) {
  if (input_state.ring_count == kRing)
    return;  // a full ring drops new characters, as a keyboard buffer does
  input_state.ring[std::size_t((input_state.ring_head + input_state.ring_count) % kRing)] = code;
  input_state.ring_count++;
}

// Keys whose press also types a control character.
int ControlChar(int key) {
  switch (key) {
    case 8: case 9: case 13: case 27: return key;
    default: return 0;
  }
}

void KeyEvent(int key, bool down) {
  if (!ValidKey(key)) return;
  if (down && !input_state.key_down[std::size_t(key)]) input_state.key_hits[std::size_t(key)]++;
  input_state.key_down[std::size_t(key)] = down;
}

// Left and right modifier keys also count as the generic one.
int GenericKey(int key) {
  switch (key) {
    case 160: case 161: return 16;
    case 162: case 163: return 17;
    case 164: case 165: return 18;
    default: return 0;
  }
}

void KeyboardEvent(int key, bool down, bool repeat) {
  if (repeat) return;
  KeyEvent(key, down);
  if (int generic = GenericKey(key)) KeyEvent(generic, down);
  if (down)
    if (int ch = ControlChar(key)) PushChar(ch);
}

void TextEvent(const char* utf8) {
  // Decode UTF-8 into code points; malformed bytes are taken one by one as they stand.
  const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
  while (*p) {
    unsigned c = *p;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    unsigned code = extra == 3 ? c & 7 : extra == 2 ? c & 15 : extra == 1 ? c & 31 : c;
    int i = 1;
    for (; i <= extra && (p[i] & 0xC0) == 0x80; ++i) code = (code << 6) | (p[i] & 0x3F);
    if (i <= extra) {
      PushChar(int(c));
      ++p;
      continue;
    }
    PushChar(int(code));
    p += extra + 1;
  }
}

void HandleEvent(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      KeyboardEvent(VirtualKeyFromSDL(e.key.keysym.sym), e.type == SDL_KEYDOWN, e.key.repeat);
      break;
    case SDL_TEXTINPUT:
      TextEvent(e.text.text);
      break;
    case SDL_MOUSEMOTION:
      InjectMouseMove(e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int button = e.button.button == SDL_BUTTON_LEFT    ? 1
                   : e.button.button == SDL_BUTTON_RIGHT ? 2
                   : e.button.button == SDL_BUTTON_MIDDLE ? 3 : 0;
      InjectMouseMove(e.button.x, e.button.y);
      InjectMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    case SDL_QUIT:
      input_state.terminate = true;
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: input_state.terminate = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED: input_state.suspended = true; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED: input_state.suspended = false; break;
        default: break;
      }
      break;
    default:
      break;
  }
}

void AutoPoll() {
  if (input_state.auto_poll) PollEvents();
}

}  // namespace

void PollEvents() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) HandleEvent(e);
}

void WaitEvent() {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, 100)) HandleEvent(e);
  PollEvents();
}

void SetAutoPoll(bool on) { input_state.auto_poll = on; }

int KeyHitCount(int key) {
  AutoPoll();
  if (!ValidKey(key)) return 0;
  int n = input_state.key_hits[std::size_t(key)];
  input_state.key_hits[std::size_t(key)] = 0;
  return n;
}

int MouseHitCount(int button) {
  AutoPoll();
  if (!ValidButton(button)) return 0;
  int n = input_state.mouse_hits[std::size_t(button)];
  input_state.mouse_hits[std::size_t(button)] = 0;
  return n;
}

int KeyIsDown(int key) {
  AutoPoll();
  return ValidKey(key) && input_state.key_down[std::size_t(key)] ? 1 : 0;
}

int MouseIsDown(int button) {
  AutoPoll();
  return ValidButton(button) && input_state.mouse_down[std::size_t(button)] ? 1 : 0;
}

int MousePosX() {
  AutoPoll();
  return input_state.mouse_x;
}

int MousePosY() {
  AutoPoll();
  return input_state.mouse_y;
}

int NextChar() {
  AutoPoll();
  if (input_state.ring_count == 0) return 0;
  int c = input_state.ring[std::size_t(input_state.ring_head)];
  input_state.ring_head = (input_state.ring_head + 1) % kRing;
  input_state.ring_count--;
  return c;
}

void FlushInput() {
  PollEvents();
  input_state.key_hits.fill(0);
  input_state.key_down.fill(false);
  input_state.mouse_hits.fill(0);
  input_state.mouse_down.fill(false);
  input_state.ring_head = input_state.ring_count = 0;
}

int AppSuspendedQuery() {
  AutoPoll();
  return input_state.suspended ? 1 : 0;
}

int AppTerminateQuery() {
  AutoPoll();
  bool t = input_state.terminate;
  input_state.terminate = false;
  return t ? 1 : 0;
}

void InjectKey(int key, bool down) { KeyboardEvent(key, down, false); }

void InjectMouseButton(int button, bool down) {
  if (!ValidButton(button)) return;
  if (down && !input_state.mouse_down[std::size_t(button)])
    input_state.mouse_hits[std::size_t(button)]++;
  input_state.mouse_down[std::size_t(button)] = down;
}

void InjectMouseMove(int x, int y) {
  input_state.mouse_x = x;
  input_state.mouse_y = y;
}

void InjectChar(int code) { PushChar(code); }
void InjectSuspended(bool suspended) { input_state.suspended = suspended; }
void InjectCloseRequest() { input_state.terminate = true; }

namespace vorpel::detail {
void InputGraphicsOpened() {
  input_state.suspended = false;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  input_state.mouse_x = x;
  input_state.mouse_y = y;
  SDL_StartTextInput();
}
}  // namespace vorpel::detail
