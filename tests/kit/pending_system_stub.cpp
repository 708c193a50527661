// Stand-in until the system services land on main; removed with that merge.
#include "platform/system.hpp"

void SetMouseVisible(bool) {}
