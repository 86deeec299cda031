#include "render.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace visual {

namespace {

// 8x8 Bayer thresholds in 1/65536 of a level, centred in their steps.
struct DitherTable {
  std::uint32_t cell[8][8];
  DitherTable() {
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        int v = 0;
        for (int bit = 0; bit < 3; ++bit) {
          const int xb = (x >> bit) & 1, yb = (y >> bit) & 1;
          v |= ((xb ^ yb) << (5 - 2 * bit)) | (yb << (4 - 2 * bit));
        }
        cell[y][x] = static_cast<std::uint32_t>(v) * 1024 + 512;
      }
    }
  }
};
const DitherTable kDither;

Rect Clip(const Rect& r, const Canvas& canvas) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, canvas.width),
          std::min(r.bottom, canvas.height)};
}

void Wipe(Canvas& canvas, const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    std::memset(canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.stride + r.left, 0,
                static_cast<std::size_t>(r.Width()) * 4);
  }
}

}  // namespace

Colour Dimmed(Colour colour, float brightness) {
  const float b = std::clamp(brightness, 0.0f, 1.0f);
  return {static_cast<std::uint8_t>(std::lround(colour.r * b)),
          static_cast<std::uint8_t>(std::lround(colour.g * b)),
          static_cast<std::uint8_t>(std::lround(colour.b * b))};
}

Rect DrawGlow(Canvas& canvas, const Sprite& sprite, int x, int y, Colour colour) {
  const int x0 = x + sprite.left, y0 = y + sprite.top;
  const Rect area = Clip({x0, y0, x0 + sprite.width, y0 + sprite.height}, canvas);
  if (area.Empty()) return {};
  const std::uint32_t r = colour.r, g = colour.g, b = colour.b;
  for (int row = area.top; row < area.bottom; ++row) {
    const std::uint16_t* src =
        sprite.intensity.data() + static_cast<std::ptrdiff_t>(row - y0) * sprite.width + (area.left - x0);
    std::uint32_t* dst = canvas.pixels + static_cast<std::ptrdiff_t>(row) * canvas.stride + area.left;
    const std::uint32_t* dither = kDither.cell[row & 7];
    for (int col = area.left; col < area.right; ++col, ++src, ++dst) {
      const std::uint32_t i = *src;
      if (i == 0) continue;
      const std::uint32_t d = dither[col & 7];
      const std::uint32_t p = *dst;
      const std::uint32_t nb = std::min<std::uint32_t>(255, (p & 0xff) + ((i * b + d) >> 16));
      const std::uint32_t ng = std::min<std::uint32_t>(255, ((p >> 8) & 0xff) + ((i * g + d) >> 16));
      const std::uint32_t nr = std::min<std::uint32_t>(255, ((p >> 16) & 0xff) + ((i * r + d) >> 16));
      *dst = nb | (ng << 8) | (nr << 16);
    }
  }
  return area;
}

Rect Renderer::Render(Canvas& canvas, const std::vector<Rect>& monitors, double t) {
  Rect changed;
  for (const Rect& r : drawn_) {
    const Rect clipped = Clip(r, canvas);
    if (clipped.Empty()) continue;
    Wipe(canvas, clipped);
    changed = Union(changed, clipped);
  }
  drawn_.clear();
  dots_.clear();
  for (const Rect& monitor : monitors) SpiralDots(monitor, t, dots_);
  for (const Dot& dot : dots_) {
    const Colour colour = Dimmed(HueColour(dot.hue), dot.brightness);
    if (colour.r == 0 && colour.g == 0 && colour.b == 0) continue;
    const SpritePlace px = PlaceOf(dot.x), py = PlaceOf(dot.y);
    const Sprite& sprite = bank_.For(SizeStep(dot.size), px.quarter, py.quarter);
    const Rect area = DrawGlow(canvas, sprite, px.base, py.base, colour);
    if (area.Empty()) continue;
    drawn_.push_back(area);
    changed = Union(changed, area);
  }
  return changed;
}

}  // namespace visual
