#pragma once
// What the command line asks for, decided without touching anything, so start-up can be tested
// and fuzzed on its own.

enum class StartMode { Saver, Preview, Configuration };

struct StartChoice {
  StartMode mode = StartMode::Saver;
  bool hide_pointer = false;   // "/s" hides the pointer before the saver opens its screen
  long long parent_window = 0;  // the host window: the third element, when there are exactly three
};

// argv[0] is the program; a missing or null element counts as absent. The second element
// decides, exactly and case-sensitively: none or "/s" the saver, "/p" the preview, anything
// else the configuration screen.
StartChoice ChooseStart(int argc, const char* const* argv);
