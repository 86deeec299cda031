// When the picture ends, decided per window message as a screen saver's users
// expect: a key (but not the volume and media keys: music plays beside the
// picture), a mouse button or wheel, the pointer moving more than a few pixels
// away from where it was when the window was made, losing activation, being
// closed and Windows ending the session. The picture refuses to be replaced by
// a screen saver while it runs, and keeps the cursor hidden.
#pragma once

#include <windows.h>

namespace visual {

enum class Reaction {
  kPassOn,      // to DefWindowProc
  kEnd,         // close the window, then exit
  kRefuse,      // answer 0 without passing the message on
  kHideCursor,  // set no cursor and answer TRUE
};

// Where the pointer was at the start. Unknown until the first look (if the
// pointer could not be read when the window was made).
struct PointerWatch {
  bool known = false;
  POINT start{};
};

// Jitter of this many pixels (in either direction, on either axis) is not a move.
inline constexpr int kPointerSlack = 4;

bool PointerMovedBeyond(PointerWatch& watch, POINT now);
bool KeyEndsRun(WPARAM virtualKey);
// pointer: the pointer in screen coordinates, used for WM_MOUSEMOVE only.
Reaction ReactTo(UINT message, WPARAM wParam, POINT pointer, PointerWatch& watch);

}  // namespace visual
