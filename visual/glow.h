// Glow: a dot is a bright core with a wide soft halo, summed additively. Each
// dot is drawn from a precomputed sprite (a patch of 16-bit intensities) for its
// size step and quarter-pixel position, so a frame costs one multiply-add per
// pixel and channel and no mathematics.
//
//   GlowFalloff(d, size)  intensity at distance d from the centre: 1 at d = 0,
//                         falling smoothly, below half a level of 255 at the
//                         sprite's edge.
//   SpriteBank::For       the sprite for a size and a position; sprites are made
//                         on first use and kept.
//   HueColour             the full-strength colour of a hue.
#pragma once

#include <cstdint>
#include <vector>

#include "spiral.h"

namespace visual {

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
};

Colour HueColour(Hue hue);

float GlowFalloff(float distance, float size);
// The distance beyond which GlowFalloff stays under half a level of 255.
float GlowReach(float size);

struct Sprite {
  // Offset of the first pixel from the dot's whole-pixel position.
  int left = 0, top = 0;
  int width = 0, height = 0;
  std::vector<std::uint16_t> intensity;  // row by row; 65535 is full strength
};

// Where a sprite lands: its whole-pixel base and the quarter-pixel step (0-3).
struct SpritePlace {
  int base = 0;
  int quarter = 0;
};
SpritePlace PlaceOf(float coordinate);

inline constexpr int kSizeSteps = 56;
inline constexpr float kSmallestSize = 0.5f;
inline constexpr float kSizeRatio = 1.06f;  // each step 6% larger: growth shows no jumps

// The size step nearest to size, within 0 to kSizeSteps - 1.
int SizeStep(float size);
float StepSize(int step);

class SpriteBank {
 public:
  SpriteBank();
  const Sprite& For(int sizeStep, int quarterX, int quarterY);

 private:
  std::vector<Sprite> sprites_;  // empty intensity: not made yet
};

// Made directly, for tests and the bank.
Sprite MakeSprite(float size, int quarterX, int quarterY);

}  // namespace visual
