#pragma once
#include <string>

// 1 when another process holds the named instance lock ("SaverModeLock", "PreviewModeLock").
int IsInstanceLocked(const std::string& name);
// Forgets every pending key and mouse hit and held state, and the latched left-button hits.
void FlushAppInput();
// Restarts the fixed-rate logic and the frame limiter after a set-up or a long pause.
void ResetTiming();
// Centres the active window on the desktop (not top-most, size unchanged).
void CentreWindowOnDesktop();
// Gives the active window the program's icon.
void SetActiveWindowIcon();
// Saves the saver's settings. A save that fails (an unwritable folder, a full disk) leaves the
// previous file whole and is logged (LogError); the program carries on. False when it failed.
bool SaveSettingsOrLog();
// The single orderly exit: save the settings, close the kit, show the pointer, open ExitUrl,
// end with exit code 0.
[[noreturn]] void ExitProgram();
