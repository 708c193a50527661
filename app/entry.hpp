#pragma once

// The program: start-up, dispatch on the command line, the main loop and the single exit.
// Never returns.
[[noreturn]] void RunProgram(int argc, char** argv);

struct StartChoice;

// Start-up: resources, the shared objects, the folders and the settings document, the host
// handle and the preview picture.
void StartUp(const StartChoice& choice);
