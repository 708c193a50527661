#pragma once
// Polled keyboard, mouse and window input. Key codes are Windows virtual-key codes (27 Escape,
// 32 Space, 48-57 digits, 65-90 letters); mouse buttons are 1 left, 2 right, 3 middle.
// Every query first pumps pending window events while automatic polling is on.
#include "platform/keys.hpp"

int KeyHitCount(int key);      // presses since the last call, then cleared
int MouseHitCount(int button); // presses since the last call, then cleared
int KeyIsDown(int key);
int MouseIsDown(int button);
int MousePosX();  // window pixels
int MousePosY();
int NextChar();   // the next typed character from the 256-entry ring; 0 when empty
void FlushInput();           // clears every key and button state, hit and the character ring
int AppSuspendedQuery();     // 1 while the application is inactive or minimised
int AppTerminateQuery();     // the close request, returned and cleared

void SetAutoPoll(bool on);
void PollEvents();  // pump the pending window events now
void WaitEvent();   // block until an event arrives, then pump

// The virtual-key code for an SDL key code; 0 for keys without one.
int VirtualKeyFromSDL(int sdl_keycode);

// Test seams: the same paths the window events take, usable without a display.
void InjectKey(int key, bool down);
void InjectMouseButton(int button, bool down);
void InjectMouseMove(int x, int y);
void InjectChar(int code);
void InjectSuspended(bool suspended);
void InjectCloseRequest();
