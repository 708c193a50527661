#include "app/shared_ops.hpp"

#include <cstdlib>

#include "app/app_state.hpp"
#include "app/saver_settings.hpp"
#include "app/smooth_frame_rate.hpp"
#include "framework/system_info.hpp"
#include "platform/host.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

int IsInstanceLocked(const std::string& name) { return InstanceLockHeldElsewhere(name); }

void FlushAppInput() {
  FlushInput();
  MouseHitLatch = 0;
}

void ResetTiming() {
  AppLogic->Init();
  TSmoothFrameRate::Reset();
}

void CentreWindowOnDesktop() { CentreActiveWindowOnDesktop(); }

void SetActiveWindowIcon() { SetWindowIconFromExe(ProgramPath, ActiveWindow()); }

void ExitProgram() {
  if (SettingsDocument) SaveSaverSettings(*SettingsDocument);
  if (GraphicsOpened == 1 && Kit) Kit->Finish();
  SetMouseVisible(true);
  if (!ExitUrl.empty()) OpenURL(ExitUrl);
  std::exit(0);
}
