#pragma once
// System services used beside drawing.
#include <string>

void SetMouseVisible(bool visible);
void MoveMouse(int x, int y);  // window pixels of the open graphics
// A message box with an OK button; serious marks it as a warning. Without a display the text
// goes to standard error.
void Notify(const std::string& text, bool serious = false);
// A yes/no question: 1 for yes, 0 for no (and without a display).
int Confirm(const std::string& text, bool serious = false);
// Hands a web address or file to the desktop's default handler; 1 when it was started.
int OpenURL(const std::string& url);
// The program handles SIGINT and SIGTERM itself: the window layer installs no handlers of its
// own for them (call before graphics open).
void LeaveStopSignalsToProgram();
void Poll();  // pump window events without blocking
void Wait();  // block until a window event arrives
