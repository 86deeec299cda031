// The window-manager calls that tests must watch: the instance check and the
// cursor. Production binds the real functions; a test build swaps in recorders.
#pragma once

#include <windows.h>

namespace Kovaro_B {

#define KOVARO_USER32_CALLS(X) \
  X(FindWindowA)               \
  X(ShowCursor)

struct User32Calls {
#define KOVARO_SEAM_ENTRY(name) decltype(&::name) name = &::name;
  KOVARO_USER32_CALLS(KOVARO_SEAM_ENTRY)
#undef KOVARO_SEAM_ENTRY
};

inline User32Calls user32;

}  // namespace Kovaro_B
