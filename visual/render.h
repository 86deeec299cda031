// Frames of the picture, rendered into a 32-bit top-down pixel buffer (blue in
// the low byte), as a DIB section holds them.
//
//   DrawGlow(canvas, sprite, x, y, colour)  adds a sprite, clipped to the
//       canvas, with saturation at 255 per channel; returns the area touched.
//       An ordered dither spreads the rounding so faint halos fall off without
//       rings; where the sprite is 0 nothing is added, so black stays black.
//   Renderer::Render(canvas, monitors, t)  wipes what its previous frame drew,
//       draws every monitor's spiral at t seconds, and returns the area that
//       changed (previous and new dots), which is all that needs a blit.
//       Forget() after the canvas has been replaced or cleared.
//   Renderer::Prepare(monitors)  makes every sprite those spirals can need,
//       so that the first frames come as quickly as the rest.
#pragma once

#include <cstdint>
#include <vector>

#include "glow.h"
#include "spiral.h"

namespace visual {

struct Canvas {
  std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  int stride = 0;  // pixels from one row to the next
};

Rect DrawGlow(Canvas& canvas, const Sprite& sprite, int x, int y, Colour colour);

// A colour at a brightness from 0 to 1.
Colour Dimmed(Colour colour, float brightness);

class Renderer {
 public:
  Rect Render(Canvas& canvas, const std::vector<Rect>& monitors, double t);
  void Prepare(const std::vector<Rect>& monitors);
  void Forget() {
    drawnBounds_ = {};
    tiles_.clear();
  }

 private:
  static constexpr int kTile = 32;  // pixels
  SpriteBank bank_;
  Rect drawnBounds_;
  std::vector<std::uint8_t> tiles_;  // per tile of the canvas: drawn on this frame
  std::vector<Dot> dots_;
};

}  // namespace visual
