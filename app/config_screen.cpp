#include "app/config_screen.hpp"

#include "app/app_state.hpp"
#include "app/fixed_rate_pass.hpp"
#include "app/saver.hpp"
#include "app/saver_settings.hpp"
#include "app/shared_ops.hpp"
#include "app/smooth_frame_rate.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

namespace {

enum ButtonId : int { kKnob = 0, kLogo = 1, kView = 2, kMore = 3, kExit = 4, kCheckBox = 5 };

MGE_SpriteHandler& Sprites() { return *Kit->Sprite; }

// Which button a sprite of this screen is, kept in its first free value.
float& ButtonOf(MGE_Sprite& s) { return s.var1; }

MGE_SpritePtr AddSprite(const char* name, float x, float y, int id, bool hooked) {
  MGE_SpritePtr s = Sprites().GetNewSpriteFromPack(
      name, x, y, 1, 1, hooked ? MGE_SpriteFunction(ConfigButtonHook) : MGE_SpriteFunction());
  if (s) ButtonOf(*s) = float(id);
  return s;
}

void ShowPicture(MGE_Sprite* s, const char* name) {
  MGE_Pack::GetImageDef(name, PackLookup);
  s->SetTexture(1, PackLookup.srcx, PackLookup.srcy, PackLookup.width, PackLookup.height);
}

// "view": the real saver, full screen, nested inside this button's step; the configuration
// screen is built again from scratch afterwards with the settings just saved.
void RunSaverNested() {
  FlushAppInput();
  SaveSettingsOrLog();
  GraphicsClose();
  SetMouseVisible(false);
  MGE_GameSystem::SleepMs(1000);
  SaverSetUp();
  while (RunMode != kRunFinished) SaverStep();
  GraphicsClose();
  SetMouseVisible(true);
  MGE_GameSystem::SleepMs(1000);
  ConfigSetUp();
  SetMouseVisible(true);
}

void Act(MGE_Sprite* s) {
  switch (int(ButtonOf(*s))) {
    case kLogo:
    case kMore:
      FlushAppInput();
      ExitUrl = kMakerWebSite;
      RunMode = kRunFinished;
      break;
    case kView:
      RunSaverNested();
      break;
    case kExit:
      FlushAppInput();
      RunMode = kRunFinished;
      break;
    case kCheckBox:
      FlushAppInput();
      if (BackgroundOnValue == 1) {
        BackgroundOnValue = 0;
        ShowPicture(s, "off");
      } else {
        BackgroundOnValue = 1;
        ShowPicture(s, "on");
      }
      break;
    default:
      break;
  }
}

void FollowPointer(MGE_Sprite* knob, float top, float y, int& value) {
  if (!knob || !MGE_MouseType::IsInBox(kTrackLeft, top, kTrackWidth, kTrackHeight)) return;
  knob->x = MGE_MouseType::X();
  knob->y = y;
  value = TruncToInt(knob->x - kTrackLeft);
}

}  // namespace

void ConfigSetUp() {
  RunMode = kRunConfiguration;
  SetAppTitle("Vorpel! Configuration");
  LoadSaverSettings(*SettingsDocument);
  GraphicsOpened = 1;
  Kit->Start();
  SetDrawDriver(kDriverD3D7);
  if (!GraphicsOpen(700, 420, 0, 0, 0)) {
    Notify("Could not create graphics screen. Please restart the program.", true);
    std::exit(0);
  }
  MGE_GameSystem::UseScreen(0, 0, 700, 420, kDriverD3D7);
  SetActiveWindowIcon();
  MGE_GameSystem::SleepMs(33);
  CentreWindowOnDesktop();
  RunMode = kRunConfiguration;

  MGE_TextureHandler::Init(1);
  Sprites().Init(3);
  MGE_TextureHandler::Load(1, "incbin::image1.png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
  // Made now, while little else is held: the decoded picture is given up before a frame needs
  // memory of its own.
  MGE_TextureHandler::CacheIntoVram(1);
  MGE_Pack::Read("incbin::image1.pac", 1);

  AddSprite("background", 350, 210, 0, false);
  AddSprite("trevane", 100, 400, kLogo, true);
  AddSprite("view", 255, 360, kView, true);
  AddSprite("more", 380, 360, kMore, true);
  AddSprite("exit", 505, 360, kExit, true);
  MGE_SpritePtr check = AddSprite("on", 320, 240, kCheckBox, true);
  if (check && BackgroundOnValue == 0) ShowPicture(check.get(), "off");
  // In float: a hand-edited value near the int limits must not overflow.
  FirstKnob = AddSprite("slider", float(HowOftenValue) + 44, kFirstKnobY, kKnob, true);
  SecondKnob = AddSprite("slider", float(ChangeValue) + 44, kSecondKnobY, kKnob, true);
  FlushAppInput();
  ResetTiming();
}

void ConfigStep() {
  RunFixedRateSteps(ConfigLogic);
  if (AppSuspendedQuery()) {
    while (AppSuspendedQuery()) {
      ConfigDraw(1);
      MGE_GameSystem::SleepMs(100);
    }
    MGE_GameSystem::ResetRenderStates();
    FlushAppInput();
    ResetTiming();
  }
  ConfigDraw(0);
  TSmoothFrameRate::Update();
  if (AppTerminateQuery()) RunMode = kRunFinished;
}

void ConfigLogic() {
  if (MouseIsDown(1)) {
    FollowPointer(FirstKnob.get(), kFirstTrackTop, kFirstKnobY, HowOftenValue);
    FollowPointer(SecondKnob.get(), kSecondTrackTop, kSecondKnobY, ChangeValue);
  }
  Sprites().UpdateSprites();
}

void ConfigDraw(int dim) {
  Sprites().RenderSprites();
  if (dim == 1) MGE_GameSystem::DimScreen(0.6f);
  Flip(1);
}

int ConfigButtonHook(MGE_Sprite* s) {
  if (Kit->Mouse->IsOverThisSprite(s)) {
    if (s->scaling == 0) Sprites().AutoSpriteScale(s, 1, 1.08f, 0.001f, 3);
    if (s->alphafading == 0) Sprites().AutoSpriteAlphaFade(s, 1, 1.25f, 0.002f, 3, 0);
    if (MouseHitLatch != 0) Act(s);
  } else {
    if (s->scaling == 0 && s->scale != 1) Sprites().AutoSpriteScale(s, 1, 1.08f, -0.001f, 3);
    if (s->alphafading == 0 && s->alpha > 1) Sprites().AutoSpriteAlphaFade(s, 1, 1.25f, -0.002f, 3, 0);
  }
  return 0;
}
