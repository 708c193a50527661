#pragma once

// The program: start-up, dispatch on the command line, the main loop and the single exit.
// Never returns.
[[noreturn]] void RunProgram(int argc, char** argv);
