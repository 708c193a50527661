#pragma once
// Application-wide state: one owner each (start-up creates them, the modes read and change
// them), held for the life of the process.
#include <memory>
#include <string>

#include "framework/fixed_rate_logic.hpp"
#include "ini/ini_file.hpp"
#include "kit/game_system.hpp"
#include "kit/pack.hpp"
#include "platform/image.hpp"

// The maker's web site, opened by the logo and "more" buttons after the program has closed.
inline constexpr const char* kMakerWebSite = "https://trevane.example/vorpel";
inline constexpr const char* kApplicationTitle = "VorpelScreenSaver";

enum RunModes : int { kRunFinished = 0, kRunPreview = 1, kRunConfiguration = 2, kRunSaver = 3 };

inline int RunMode = kRunFinished;
inline int MouseHitLatch = 0;     // left-button presses since the previous main-loop pass
inline std::string ExitUrl;       // opened after the program has closed its screen
inline int GraphicsOpened = 0;    // the kit was started: the exit path finishes it
inline long long ParentWindow = 0;  // the host window of the preview
inline ImagePtr PreviewPicture;
inline std::string ProgramPath;   // this program's file, for the window icon

// The saver's settings document ("config.ini" in the profiles folder).
inline std::unique_ptr<TINIFile> SettingsDocument;
// The fixed-rate logic behind every mode's frame loop (200 steps per second).
inline std::unique_ptr<TFixedRateLogic> AppLogic;
// The game kit's root object.
inline std::unique_ptr<MGE_GameSystem> Kit;
// Filled whenever the application looks an atlas rectangle up by name.
inline MGE_PackDefinitionType PackLookup;
