// The picture's geometry and motion: one spiral of glowing dots centred on each
// monitor, as a pure function of time, so a frame can be rendered again exactly.
//
//   SpiralDots(monitor, t, out) appends the dots of one monitor's spiral at t
//   seconds. Six arms (red, yellow, green, twice over) wind out of the centre;
//   the arms turn slowly, the dots flow outward along them, fading in near the
//   centre and out near the rim, and their brightness breathes in a wave that
//   runs along each arm.
#pragma once

#include <cstdint>
#include <vector>

namespace visual {

enum class Hue : std::uint8_t { kRed, kYellow, kGreen };

// Pixels; right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
};

// The smallest rectangle holding both (an empty one adds nothing).
Rect Union(const Rect& a, const Rect& b);

struct Dot {
  float x = 0, y = 0;       // centre, pixels
  float size = 0;           // core radius (standard deviation of the core), pixels
  float brightness = 0;     // 0 to 1
  Hue hue = Hue::kRed;
};

inline constexpr int kArms = 6;
inline constexpr int kDotsPerArm = 40;
// The rim of the spiral, as a share of the monitor's smaller side.
inline constexpr double kRimShare = 0.46;
// Dots never get smaller than this, so that a small picture still glows.
inline constexpr float kMinDotSize = 0.6f;

void SpiralDots(const Rect& monitor, double t, std::vector<Dot>& out);
// No dot of the monitor's spiral is ever larger.
float LargestDotSize(const Rect& monitor);

}  // namespace visual
