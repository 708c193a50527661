#pragma once
#include <string>

struct SDL_Window;

// The shell folder id of the all-users application-data folder.
inline constexpr int CSIDL_COMMON_APPDATA = 35;

// The running system's name (on Linux the kernel's name and release).
std::string OSName();
// The path of a well-known folder ending in a separator, or "" when the id is not known.
std::string SpecialFolderPath(int csidl);
// 1 when the folder could be opened for sharing with every user of the machine.
int GrantUsersFullAccess(const std::string& path);
// Gives the window the program's icon. The path names the program file, whose icon is the
// embedded icon picture here.
void SetWindowIconFromExe(const std::string& path, SDL_Window* window);
