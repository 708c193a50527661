#pragma once
#include <functional>
#include <string>
#include <vector>

// Shows a message (a drawn box when graphics are open, the system message box otherwise),
// writes it to "ErrorLog.txt" in the shared data folder, and ends the program with exit code 1
// when endProgram is set.
void ReportError(const std::string& message, int endProgram);

// Writes the message to "ErrorLog.txt" and standard error, showing nothing and waiting for no
// one: for failures on the way out, when the screen is gone and a box could hold the program
// open with nobody there to answer it.
void LogError(const std::string& message);

// A modal box drawn with the drawing layer; returns when a key or mouse button is hit.
void ErrorBox(const std::string& message, int width, int height);

// Writes the three-line log ("Date: ...", "Time: ...", the message) for the given local time.
// False when the file cannot be written.
bool WriteErrorLog(const std::string& folder, const std::string& message, long long unix_time);

// Text with a soft black shadow ShadowX, ShadowY behind it; centred on x when asked.
void DrawShadowText(float x, float y, const std::string& text, bool centred);
// Lines drawn one lineHeight apart (0: the font height).
void DrawShadowLines(float x, float y, const std::vector<std::string>& lines, bool centred,
                     int lineHeight);

bool AnyKeyHit();    // any key 0-255 hit since the last flush
bool AnyMouseHit();  // button 1, 2 or 3 hit

// Test seam: called once per frame of the error box (a test injects the key that closes it).
inline std::function<void()> ErrorBoxFrameHook;
