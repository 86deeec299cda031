// Process-wide values of the start-up module that other modules share.
#pragma once

#include <cstdint>

namespace Kovaro_B {

// The display count ShowCursor returned when the full-screen run hid the
// cursor; the run passes it back to ShowCursor at its end.
inline std::int32_t CursorCount = 0;

// Scratch result of many Windows calls; only the settings dialog reads it,
// right after writing it.
inline std::int32_t ApiRet = 0;

}  // namespace Kovaro_B
