// The picture's window: one borderless topmost window titled "KovaroVC" over
// the whole virtual screen, shown black at once, then animated a frame per
// display refresh until the user ends it (see end_rules.h).
//
//   ShowPicture(stopAfter, frames)  runs until the window has closed; with
//       stopAfter > 0 the window also closes itself after that many seconds.
//       frames receives the number of frames shown, seconds the time they took.
#pragma once

#include <cstdint>

namespace visual {

inline constexpr char kWindowTitle[] = "KovaroVC";
inline constexpr char kWindowClass[] = "KovaroVisual";

struct ShowResult {
  std::uint64_t frames = 0;
  double seconds = 0;
};

ShowResult ShowPicture(double stopAfter);

}  // namespace visual
