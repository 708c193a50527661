#pragma once
// The framework's game object: settles where files live at start-up (the shared data folder,
// its profiles folder, the framework's own settings document) and owns the timing objects.
#include <memory>
#include <string>

#include "framework/debug_var.hpp"
#include "framework/fixed_rate_logic.hpp"
#include "framework/fps_counter.hpp"
#include "ini/ini_file.hpp"

class TGame {
 public:
  TGame();
  virtual ~TGame() = default;

  void SetSubPathWrapper(const std::string& name);
  void SetDefaultPaths();
  void SetImagePath(const std::string& path);
  void SetSoundPath(const std::string& path);
  void SetMusicPath(const std::string& path);
  void SetSpeechPath(const std::string& path);
  void SetMenuPath(const std::string& path);
  void SetProfilePath(const std::string& path);
  void SetTextPath(const std::string& path);
  void SetLevelsPath(const std::string& path);
  void SetSubPath(const std::string& name);
  void ApplySubPath();
  // The start-up sequence; a folder that cannot be made ends the program with a report.
  void Init(int soundMode);
  virtual void IniFill() {}
  virtual void IniExtract() {}
  void SetFlipSync();

  std::unique_ptr<TINIFile> Ini;
  int VSync = 1;
  int UseCorrectPath = 1;
  std::string SubPath = "Hollowmere/My Game/";
  std::string DataPrefix;
  std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath,
      LevelsPath;
  std::string OSVersion = "Mac OSX";
  std::unique_ptr<TFixedRateLogic> FixedRateLogic;
  std::unique_ptr<TDebugVar> LogicTime, DrawTime, CodeTime;
  std::unique_ptr<TFPSCounter> FPS;

 private:
  void CreateSharedFolder();
  std::string SettingsFileName() const;
};

// The one game object of the program.
inline std::unique_ptr<TGame> Game;

// The text unchanged when it ends in "/" or "\", else with "/" added ("" becomes "/").
std::string EnsureTrailingSlash(const std::string& text);
// The running program's file; a name like "saver.debug.exe" counts as "saver.exe".
std::string ProgramFileName();
// The same rule applied to a given path.
std::string ProgramFileNameFrom(const std::string& path);
