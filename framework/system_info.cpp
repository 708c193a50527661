#include "framework/system_info.hpp"

#include "platform/host.hpp"

std::string OSName() { return KernelName(); }

std::string SpecialFolderPath(int csidl) {
  return csidl == CSIDL_COMMON_APPDATA ? AllUsersDataFolder() : std::string();
}

int GrantUsersFullAccess(const std::string& path) { return GrantFolderToUsers(path); }

void SetWindowIconFromExe(const std::string&, SDL_Window* window) {
  SetWindowIconFromPicture(window, "incbin::icon.png");
}
