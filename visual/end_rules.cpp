#include "end_rules.h"

#include <cstdlib>

namespace visual {

bool PointerMovedBeyond(PointerWatch& watch, POINT now) {
  if (!watch.known) {
    watch = {true, now};
    return false;
  }
  return std::abs(now.x - watch.start.x) > kPointerSlack || std::abs(now.y - watch.start.y) > kPointerSlack;
}

bool KeyEndsRun(WPARAM virtualKey) {
  // VK_VOLUME_MUTE to VK_MEDIA_PLAY_PAUSE: volume, track and play keys.
  return !(virtualKey >= VK_VOLUME_MUTE && virtualKey <= VK_MEDIA_PLAY_PAUSE);
}

Reaction ReactTo(UINT message, WPARAM wParam, POINT pointer, PointerWatch& watch) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return KeyEndsRun(wParam) ? Reaction::kEnd : Reaction::kPassOn;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      return Reaction::kEnd;
    case WM_MOUSEMOVE:
      return PointerMovedBeyond(watch, pointer) ? Reaction::kEnd : Reaction::kPassOn;
    case WM_ACTIVATE:
      return LOWORD(wParam) == WA_INACTIVE ? Reaction::kEnd : Reaction::kPassOn;
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
      return wParam == FALSE ? Reaction::kEnd : Reaction::kPassOn;
    case WM_CLOSE:
      return Reaction::kEnd;
    case WM_ENDSESSION:
      return wParam != FALSE ? Reaction::kEnd : Reaction::kPassOn;
    case WM_SYSCOMMAND:
      return (wParam & 0xFFF0) == SC_SCREENSAVE ? Reaction::kRefuse : Reaction::kPassOn;
    case WM_SETCURSOR:
      return Reaction::kHideCursor;
    default:
      return Reaction::kPassOn;
  }
}

}  // namespace visual
