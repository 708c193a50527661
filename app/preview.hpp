#pragma once

// The small preview inside a screen-saver host's window: one fixed picture, redrawn every 50 ms
// until the host window goes away. It never touches the settings.
void PreviewSetUp();
void PreviewStep();
void HostGoneCheck();
// Ends the program from the preview: at once, exit code 0.
[[noreturn]] void PreviewEnd();
