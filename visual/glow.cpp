#include "glow.h"

#include <algorithm>
#include <cmath>

namespace visual {

namespace {

// The halo is wider and fainter than the core; summed, neighbouring halos
// merge into a soft glow along the arms.
constexpr float kHaloWeight = 0.38f;
constexpr float kHaloSpread = 2.2f;
constexpr float kHalfLevel = 0.5f / 255.0f;

float Gaussian(float d, float sigma) { return std::exp(-d * d / (2 * sigma * sigma)); }

// Small sprites are sampled 4x4 within each pixel: a point sample of a core
// narrower than a pixel would flicker as the dot moves.
float PixelIntensity(float dx, float dy, float size) {
  if (size >= 1.5f) return GlowFalloff(std::hypot(dx, dy), size);
  float sum = 0;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      sum += GlowFalloff(std::hypot(dx + (i - 1.5f) / 4, dy + (j - 1.5f) / 4), size);
    }
  }
  return sum / 16;
}

}  // namespace

Colour HueColour(Hue hue) {
  // A little of the other channels, so that overlapping cores run hot towards
  // white instead of clipping to a flat primary.
  switch (hue) {
    case Hue::kRed: return {255, 44, 22};
    case Hue::kYellow: return {255, 196, 30};
    case Hue::kGreen: return {48, 255, 64};
  }
  return {};
}

float GlowFalloff(float distance, float size) {
  const float core = Gaussian(distance, size);
  const float halo = Gaussian(distance, kHaloSpread * size);
  return (core + kHaloWeight * halo) / (1 + kHaloWeight);
}

float GlowReach(float size) {
  // Solve the halo term alone for half a level (the core has long gone there).
  const float share = kHaloWeight / (1 + kHaloWeight);
  const float sigma = kHaloSpread * size;
  return sigma * std::sqrt(2 * std::log(share / kHalfLevel));
}

SpritePlace PlaceOf(float coordinate) {
  const long quarters = std::lround(coordinate * 4);
  const long base = quarters >= 0 ? quarters / 4 : -((-quarters + 3) / 4);
  return {static_cast<int>(base), static_cast<int>(quarters - base * 4)};
}

int SizeStep(float size) {
  if (size <= kSmallestSize) return 0;
  const int step = static_cast<int>(std::lround(std::log(size / kSmallestSize) / std::log(kSizeRatio)));
  return std::clamp(step, 0, kSizeSteps - 1);
}

float StepSize(int step) { return kSmallestSize * std::pow(kSizeRatio, static_cast<float>(step)); }

Sprite MakeSprite(float size, int quarterX, int quarterY) {
  // The dot's centre lies at (quarter / 4) past the start of its base pixel;
  // pixel i spans [i, i + 1) around it.
  const float cx = quarterX / 4.0f, cy = quarterY / 4.0f;
  const int reach = static_cast<int>(std::ceil(GlowReach(size))) + 1;
  Sprite sprite;
  sprite.left = -reach;
  sprite.top = -reach;
  sprite.width = sprite.height = 2 * reach + 1;
  sprite.intensity.resize(static_cast<std::size_t>(sprite.width) * sprite.height);
  for (int j = 0; j < sprite.height; ++j) {
    for (int i = 0; i < sprite.width; ++i) {
      const float dx = sprite.left + i + 0.5f - cx;
      const float dy = sprite.top + j + 0.5f - cy;
      const float v = PixelIntensity(dx, dy, size);
      sprite.intensity[static_cast<std::size_t>(j) * sprite.width + i] =
          v < kHalfLevel ? 0 : static_cast<std::uint16_t>(std::lround(v * 65535));
    }
  }
  return sprite;
}

SpriteBank::SpriteBank() : sprites_(static_cast<std::size_t>(kSizeSteps) * 16) {}

const Sprite& SpriteBank::For(int sizeStep, int quarterX, int quarterY) {
  Sprite& sprite = sprites_[static_cast<std::size_t>(sizeStep) * 16 + quarterY * 4 + quarterX];
  if (sprite.intensity.empty()) sprite = MakeSprite(StepSize(sizeStep), quarterX, quarterY);
  return sprite;
}

}  // namespace visual
