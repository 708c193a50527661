#include "framework/game.hpp"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "framework/error_report.hpp"
#include "framework/globals.hpp"
#include "framework/system_info.hpp"
#include "platform/clock.hpp"
#include "platform/random.hpp"

namespace fs = std::filesystem;

namespace {
bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && fs::is_directory(path, ec);
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

// The file name without folder and extension.
std::string BaseName(const std::string& path) {
  std::string name = path.substr(path.find_last_of("/\\") + 1);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string WithoutExtension(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}
}  // namespace

std::string EnsureTrailingSlash(const std::string& text) {
  if (!text.empty() && (text.back() == '/' || text.back() == '\\')) return text;
  return text + "/";
}

std::string ProgramFileNameFrom(const std::string& path) {
  if (path.size() >= 10 && path.compare(path.size() - 9, 5, "debug") == 0)
    return path.substr(0, path.size() - 10) + ".exe";
  return path;
}

std::string ProgramFileName() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ProgramFileNameFrom(ec ? std::string() : self.string());
}

TGame::TGame()
    : Ini(std::make_unique<TINIFile>()),
      FixedRateLogic(std::make_unique<TFixedRateLogic>()),
      LogicTime(std::make_unique<TDebugVar>()),
      DrawTime(std::make_unique<TDebugVar>()),
      CodeTime(std::make_unique<TDebugVar>()),
      FPS(std::make_unique<TFPSCounter>()) {}

void TGame::SetSubPathWrapper(const std::string& name) {
  SetDefaultPaths();
  SetSubPath(name);
}

void TGame::SetDefaultPaths() {
  SetImagePath(DataPrefix + "Data/graphics");
  SetSoundPath(DataPrefix + "Data/sound");
  SetMusicPath(DataPrefix + "Data/music");
  SetSpeechPath(DataPrefix + "Data/speech");
  SetMenuPath(DataPrefix + "Data/menus");
  SetProfilePath(UseCorrectPath ? "profiles" : DataPrefix + "Data/profiles");
  SetTextPath(DataPrefix + "Data/text");
  SetLevelsPath(DataPrefix + "Data/levels");
}

void TGame::SetImagePath(const std::string& path) { ImagePath = EnsureTrailingSlash(path); }
void TGame::SetSoundPath(const std::string& path) { SoundPath = EnsureTrailingSlash(path); }
void TGame::SetMusicPath(const std::string& path) { MusicPath = EnsureTrailingSlash(path); }
void TGame::SetSpeechPath(const std::string& path) { SpeechPath = EnsureTrailingSlash(path); }
void TGame::SetMenuPath(const std::string& path) { MenuPath = EnsureTrailingSlash(path); }
void TGame::SetProfilePath(const std::string& path) { ProfilePath = EnsureTrailingSlash(path); }
void TGame::SetTextPath(const std::string& path) { TextPath = EnsureTrailingSlash(path); }
void TGame::SetLevelsPath(const std::string& path) { LevelsPath = EnsureTrailingSlash(path); }

void TGame::SetSubPath(const std::string& name) {
  SubPath = name.empty() ? std::string() : EnsureTrailingSlash(name);
  if (UseCorrectPath) {
    SubPath = SpecialFolderPath(CSIDL_COMMON_APPDATA) + SubPath;
    ApplySubPath();
  }
  DataFolder = SubPath;
}

void TGame::ApplySubPath() { SetProfilePath(SubPath + ProfilePath); }

void TGame::SetFlipSync() { FlipSync = VSync ? 1 : 0; }

void TGame::CreateSharedFolder() {
  std::error_code ec;
  fs::create_directories(SubPath, ec);
  if (!IsFolder(SubPath)) ReportError("Cannot create shared data folder " + SubPath, 1);
  std::string os = OSName();
  if (os == "Windows 95" || os == "Windows 98" || os == "Windows ME") return;
  // Open each new folder up to, not including, the all-users folder itself.
  std::string stop = EnsureTrailingSlash(SpecialFolderPath(CSIDL_COMMON_APPDATA));
  std::string c = SubPath;
  while (c != stop) {
    if (!GrantUsersFullAccess(c)) ReportError("Cannot give shared data folder full access!", 1);
    c.pop_back();
    std::size_t sep = c.find_last_of("/\\");
    if (sep == std::string::npos) break;
    c = c.substr(0, sep + 1);
  }
}

std::string TGame::SettingsFileName() const {
  std::string program = ProgramFileName();
  std::string base = UseCorrectPath ? SubPath + BaseName(program) : WithoutExtension(program);
  return base + ".ini";
}

void TGame::Init(int) {
  SeedRnd(MillisecondClock());
  FixedRateLogic->Label = "Ticks   ";
  LogicTime->Label = "Logic   ";
  DrawTime->Label = "Draw    ";
  CodeTime->Label = "Code    ";
  FPS->Label = "FPS     ";
  if (UseCorrectPath && !IsFolder(SubPath)) CreateSharedFolder();

  std::string settings = SettingsFileName();
  Ini->SetFilename(settings);
  IniFill();
  std::string defaults = DataPrefix + "data/Default.ini";
  if (!FileExists(settings) && FileExists(defaults)) {
    std::error_code ec;
    fs::copy_file(defaults, settings, fs::copy_options::skip_existing, ec);
  }
  Ini->Load();
  IniExtract();

  if (!IsFolder(ProfilePath)) {
    std::error_code ec;
    fs::create_directory(ProfilePath, ec);
    if (!IsFolder(ProfilePath)) ReportError("Cannot create shared profiles folder " + ProfilePath, 1);
  }
  SetFlipSync();
  OSVersion = OSName();
  FixedRateLogic->Create();
}
