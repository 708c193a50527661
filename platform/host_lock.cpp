// Instance locks: one locked file per name, held open until the process ends. The kernel drops
// an flock when the last descriptor closes, so a crashed or killed holder never leaves a stale
// lock behind.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/host.hpp"

namespace {

constexpr std::size_t kMaxNameLength = 128;

// Only letters, digits, "-" and "_" reach the file name: no separators, no "..".
std::string SafeName(const std::string& name) {
  std::string out;
  for (char c : name.substr(0, kMaxNameLength)) {
    bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '_';
    out += keep ? c : '_';
  }
  return out;
}

std::string LockPath(const std::string& safe_name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/' && fs::is_directory(runtime, ec))
    return (fs::path(runtime) / (safe_name + ".lock")).string();
  fs::path temp = fs::temp_directory_path(ec);
  if (ec) temp = "/tmp";
  // The shared temporary folder needs the user in the name so users do not lock each other out.
  return (temp / (safe_name + "-" + std::to_string(getuid()) + ".lock")).string();
}

int OpenLockFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  // A file someone else planted in a shared folder must not decide whether we run.
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

int InstanceLockHeldElsewhere(const std::string& name) {
  std::string safe = SafeName(name);
  if (safe.empty()) return 0;
  static std::map<std::string, int> locks;  // name -> descriptor, kept for the process's life
  int& fd = locks.try_emplace(safe, -1).first->second;
  if (fd < 0) fd = OpenLockFile(LockPath(safe));
  if (fd < 0) return 0;
  // Taking a lock we already hold succeeds, so a repeated test keeps answering 0 for the holder.
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EINTR) return errno == EWOULDBLOCK ? 1 : 0;
  }
  return 0;
}
