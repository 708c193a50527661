#include "app/entry.hpp"

#include <cstdlib>
#include <string>

#include "app/app_state.hpp"
#include "app/config_screen.hpp"
#include "app/hack_mode.hpp"
#include "app/preview.hpp"
#include "app/saver.hpp"
#include "app/shared_ops.hpp"
#include "assets/assets.hpp"
#include "framework/game.hpp"
#include "ini/int_conversion.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

void StartUp(int argc, char** argv) {
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

  if (argc == 3) ParentWindow = TextToInt(argv[2]);
  PreviewPicture = ImageLoad("incbin::previewimage.jpg", FILTEREDIMAGE);
  AppLogic->Create();
  AppLogic->Init();
}

namespace {

void Dispatch(int argc, char** argv) {
  std::string mode = argc >= 2 ? argv[1] : "";
  if (argc < 2) {
    SaverSetUp();
  } else if (mode == "/s") {
    SetMouseVisible(false);
    SaverSetUp();
  } else if (mode == "/p") {
    PreviewSetUp();
    while (KeyHitCount(27) == 0) PreviewStep();
    PreviewEnd();
  } else {
    ConfigSetUp();
  }
}

}  // namespace

void RunProgram(int argc, char** argv) {
  HackOptions hack = ParseHackOptions(argc, argv, std::getenv("XSCREENSAVER_WINDOW"));
  if (hack.active) {
    StartUp(argc, argv);
    RunHackMode(hack);
  }
  StartUp(argc, argv);
  Dispatch(argc, argv);
  while (RunMode != kRunFinished) {
    MouseHitLatch = MouseHitCount(1);
    if (RunMode == kRunConfiguration) ConfigStep();
    else if (RunMode == kRunSaver) SaverStep();
  }
  ExitProgram();
}
