// The name of the running operating system.
#include <sys/utsname.h>

#include "platform/host.hpp"

std::string KernelName() {
  utsname u{};
  if (uname(&u) != 0) return "";
  return std::string(u.sysname) + " " + u.release;
}
