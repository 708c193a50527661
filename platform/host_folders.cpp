// The per-user settings folder and the (empty) work of opening folders up to other users.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/host.hpp"

namespace {

// Relative values are invalid for these variables; they would make the folder depend on the
// working folder.
const char* AbsoluteEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? value : nullptr;
}

std::string WithTrailingSlash(std::string path) {
  if (path.back() != '/') path += '/';
  return path;
}

}  // namespace

std::string AllUsersDataFolder() {
  if (const char* config = AbsoluteEnv("XDG_CONFIG_HOME")) return WithTrailingSlash(config);
  if (const char* home = AbsoluteEnv("HOME")) return WithTrailingSlash(home) + ".config/";
  return "";
}

int GrantFolderToUsers(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  close(fd);
  return 1;
}
