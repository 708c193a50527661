#include "app/entry.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_state.hpp"
#include "app/command_line.hpp"
#include "app/config_screen.hpp"
#include "app/hack_mode.hpp"
#include "app/preview.hpp"
#include "app/program_info.hpp"
#include "app/saver.hpp"
#include "app/shared_ops.hpp"
#include "assets/assets.hpp"
#include "framework/game.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

void StartUp(const StartChoice& choice) {
  RegisterEmbeddedResources();
  AppLogic = std::make_unique<TFixedRateLogic>();
  PackLookup = MGE_PackDefinitionType{};
  Kit = std::make_unique<MGE_GameSystem>();
  SetAppTitle(kApplicationTitle);
  ProgramPath = ProgramFileName();

  Game = std::make_unique<TGame>();
  Game->SetSubPathWrapper(std::string("Trevane/") + kApplicationTitle);
  Game->Init(0);
  SettingsDocument = std::make_unique<TINIFile>(Game->ProfilePath + "config.ini");
  SettingsDocument->CreateMissingEntries(1);

  ParentWindow = choice.parent_window;
  PreviewPicture = ImageLoad("incbin::previewimage.jpg", FILTEREDIMAGE);
  AppLogic->Create();
  AppLogic->Init();
}

namespace {

void Dispatch(const StartChoice& choice) {
  if (choice.mode == StartMode::Preview) {
    PreviewSetUp();
    while (KeyHitCount(kKeyEscape) == 0) PreviewStep();
    PreviewEnd();
  }
  if (choice.mode == StartMode::Configuration) return ConfigSetUp();
  if (choice.hide_pointer) SetMouseVisible(false);
  SaverSetUp();
}

}  // namespace

void RunProgram(int argc, char** argv) {
  // Answered before start-up: no window, no settings folder, nothing written but the text.
  if (InfoRequest info = ChooseInfo(argc, argv); info != InfoRequest::None) {
    if (PrintInfo(info, stdout)) std::exit(0);
    std::perror("vorpelsaver: cannot write to standard output");
    std::exit(1);
  }
  const StartChoice choice = ChooseStart(argc, argv);
  HackOptions hack = ParseHackOptions(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (hack.active) {
    StartUp(choice);
    RunHackMode(hack);
  }
  StartUp(choice);
  Dispatch(choice);
  while (RunMode != kRunFinished) {
    MouseHitLatch = MouseHitCount(1);
    if (RunMode == kRunConfiguration) ConfigStep();
    else if (RunMode == kRunSaver) SaverStep();
  }
  ExitProgram();
}
