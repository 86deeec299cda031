#include "render.h"

#include <algorithm>
#include <cmath>
#include <emmintrin.h>

namespace visual {

namespace {

// 8x8 Bayer thresholds in 1/256 of a level, centred in their steps, for
// every row and for every start column modulo 8, eight at a time.
struct DitherTable {
  alignas(16) std::uint16_t cell[8][8][8];  // [row][start column][k]
  DitherTable() {
    std::uint16_t base[8][8];
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        int v = 0;
        for (int bit = 0; bit < 3; ++bit) {
          const int xb = (x >> bit) & 1, yb = (y >> bit) & 1;
          v |= ((xb ^ yb) << (5 - 2 * bit)) | (yb << (4 - 2 * bit));
        }
        base[y][x] = static_cast<std::uint16_t>(v * 4 + 2);
      }
    }
    for (int y = 0; y < 8; ++y) {
      for (int start = 0; start < 8; ++start) {
        for (int k = 0; k < 8; ++k) cell[y][start][k] = base[y][(start + k) & 7];
      }
    }
  }
};
const DitherTable kDither;

// One channel's addition: intensity (65535 full) times colour, in 1/256 of a
// level, plus the dither threshold; the SSE2 path computes exactly the same.
std::uint32_t Added(std::uint32_t intensity, std::uint32_t colour, std::uint32_t dither) {
  return (((intensity * colour) >> 8) + dither) >> 8;
}

std::uint32_t AddSaturated(std::uint32_t pixel, std::uint32_t b, std::uint32_t g, std::uint32_t r) {
  const std::uint32_t nb = std::min<std::uint32_t>(255, (pixel & 0xff) + b);
  const std::uint32_t ng = std::min<std::uint32_t>(255, ((pixel >> 8) & 0xff) + g);
  const std::uint32_t nr = std::min<std::uint32_t>(255, ((pixel >> 16) & 0xff) + r);
  return nb | (ng << 8) | (nr << 16);
}

// Eight pixels at once: the glow's whole cost is this loop.
void AddEight(std::uint32_t* dst, const std::uint16_t* src, const std::uint16_t* dither, __m128i b, __m128i g,
              __m128i r) {
  const __m128i i = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  const __m128i d = _mm_load_si128(reinterpret_cast<const __m128i*>(dither));
  const __m128i vb = _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(i, b), d), 8);
  const __m128i vg = _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(i, g), d), 8);
  const __m128i vr = _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(i, r), d), 8);
  const __m128i bg = _mm_or_si128(vb, _mm_slli_epi16(vg, 8));  // b | g << 8 per pixel
  const __m128i lo = _mm_unpacklo_epi16(bg, vr);                // b g r 0, four pixels
  const __m128i hi = _mm_unpackhi_epi16(bg, vr);
  __m128i* out = reinterpret_cast<__m128i*>(dst);
  _mm_storeu_si128(out, _mm_adds_epu8(_mm_loadu_si128(out), lo));
  _mm_storeu_si128(out + 1, _mm_adds_epu8(_mm_loadu_si128(out + 1), hi));
}

Rect Clip(const Rect& r, const Canvas& canvas) {
  return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, canvas.width),
          std::min(r.bottom, canvas.height)};
}

void Wipe(Canvas& canvas, const Rect& r) {
  if (r.Empty()) return;
  const __m128i zero = _mm_setzero_si128();
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint32_t* row = canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.stride;
    int x = r.left;
    for (; x + 4 <= r.right; x += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), zero);
    for (; x < r.right; ++x) row[x] = 0;
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
  const __m128i b8 = _mm_set1_epi16(static_cast<short>(b << 8));
  const __m128i g8 = _mm_set1_epi16(static_cast<short>(g << 8));
  const __m128i r8 = _mm_set1_epi16(static_cast<short>(r << 8));
  for (int row = area.top; row < area.bottom; ++row) {
    const std::uint16_t* src =
        sprite.intensity.data() + static_cast<std::ptrdiff_t>(row - y0) * sprite.width + (area.left - x0);
    std::uint32_t* dst = canvas.pixels + static_cast<std::ptrdiff_t>(row) * canvas.stride + area.left;
    const std::uint16_t* dither = kDither.cell[row & 7][area.left & 7];
    int col = area.left;
    for (; col + 8 <= area.right; col += 8, src += 8, dst += 8) AddEight(dst, src, dither, b8, g8, r8);
    for (; col < area.right; ++col, ++src, ++dst) {
      const std::uint32_t d = dither[(col - area.left) & 7];
      *dst = AddSaturated(*dst, Added(*src, b, d), Added(*src, g, d), Added(*src, r, d));
    }
  }
  return area;
}

void Renderer::Prepare(const std::vector<Rect>& monitors) {
  for (const Rect& monitor : monitors) {
    const int largest = SizeStep(LargestDotSize(monitor));
    for (int step = 0; step <= largest; ++step) {
      for (int q = 0; q < 16; ++q) bank_.For(step, q % 4, q / 4);
    }
  }
}

Rect Renderer::Render(Canvas& canvas, const std::vector<Rect>& monitors, double t) {
  // Wipe what the previous frame drew, tile by tile: the dots cover only part
  // of the spiral's bounds, and overlapping sprites cost one wipe.
  const int columns = (canvas.width + kTile - 1) / kTile, rows = (canvas.height + kTile - 1) / kTile;
  const Rect changed = Clip(drawnBounds_, canvas);
  if (tiles_.size() == static_cast<std::size_t>(columns) * rows) {
    for (int ty = 0; ty < rows; ++ty) {
      for (int tx = 0; tx < columns; ++tx) {
        if (!tiles_[static_cast<std::size_t>(ty) * columns + tx]) continue;
        Wipe(canvas, Clip({tx * kTile, ty * kTile, (tx + 1) * kTile, (ty + 1) * kTile}, canvas));
      }
    }
  }
  tiles_.assign(static_cast<std::size_t>(columns) * rows, 0);
  drawnBounds_ = {};
  dots_.clear();
  for (const Rect& monitor : monitors) SpiralDots(monitor, t, dots_);
  for (const Dot& dot : dots_) {
    const Colour colour = Dimmed(HueColour(dot.hue), dot.brightness);
    if (colour.r == 0 && colour.g == 0 && colour.b == 0) continue;
    const SpritePlace px = PlaceOf(dot.x), py = PlaceOf(dot.y);
    const Sprite& sprite = bank_.For(SizeStep(dot.size), px.quarter, py.quarter);
    const Rect area = DrawGlow(canvas, sprite, px.base, py.base, colour);
    if (area.Empty()) continue;
    for (int ty = area.top / kTile; ty <= (area.bottom - 1) / kTile; ++ty) {
      for (int tx = area.left / kTile; tx <= (area.right - 1) / kTile; ++tx) {
        tiles_[static_cast<std::size_t>(ty) * columns + tx] = 1;
      }
    }
    drawnBounds_ = Union(drawnBounds_, area);
  }
  return Union(changed, drawnBounds_);
}

}  // namespace visual
