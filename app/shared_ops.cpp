#include "app/shared_ops.hpp"

#include <cstdlib>

#include "app/app_state.hpp"
#include "app/saver_settings.hpp"
#include "app/smooth_frame_rate.hpp"
#include "framework/error_report.hpp"
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

bool SaveSettingsOrLog() {
  if (!SettingsDocument || SaveSaverSettings(*SettingsDocument)) return true;
  LogError("Cannot save settings file " + SettingsDocument->GetFilename());
  return false;
}

void ExitProgram() {
  SaveSettingsOrLog();
  if (GraphicsOpened == 1 && Kit) Kit->Finish();
  SetMouseVisible(true);
  if (!ExitUrl.empty()) OpenURL(ExitUrl);
  std::exit(0);
}
