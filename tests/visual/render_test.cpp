#include "render.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using visual::Canvas;
using visual::Colour;
using visual::Rect;
using visual::Sprite;

constexpr std::uint32_t kSentinel = 0xCCCCCCCC;

// A canvas inside a larger buffer whose margin holds a sentinel.
struct Framed {
  static constexpr int kMargin = 40;
  Framed(int width, int height)
      : stride(width + 2 * kMargin), buffer(static_cast<std::size_t>(stride) * (height + 2 * kMargin), kSentinel) {
    canvas = {buffer.data() + kMargin * stride + kMargin, width, height, stride};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) At(x, y) = 0;
    }
  }
  std::uint32_t& At(int x, int y) { return canvas.pixels[y * stride + x]; }
  bool MarginIntact() const {
    for (std::size_t i = 0; i < buffer.size(); ++i) {
      const int x = static_cast<int>(i % stride) - kMargin, y = static_cast<int>(i / stride) - kMargin;
      const bool inside = x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
      if (!inside && buffer[i] != kSentinel) return false;
    }
    return true;
  }
  int stride;
  std::vector<std::uint32_t> buffer;
  Canvas canvas;
};

Sprite Flat(int width, int height, std::uint16_t intensity) {
  Sprite s;
  s.width = width;
  s.height = height;
  s.intensity.assign(static_cast<std::size_t>(width) * height, intensity);
  return s;
}

TEST(Render, GlowIsClippedAtEveryEdge) {
  const Sprite sprite = visual::MakeSprite(3.0f, 1, 2);
  const struct {
    int x, y;
  } cases[] = {
      /* 0 */ {-5, 15}, /* 1 */ {45, 15}, /* 2 */ {20, -4}, /* 3 */ {20, 33},
      /* 4 */ {-3, -3}, /* 5 */ {42, 32}, /* 6 */ {-60, 10}, /* 7 */ {20, 15},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Framed f(40, 30);
    const Rect area = visual::DrawGlow(f.canvas, sprite, cases[i].x, cases[i].y, {255, 200, 30});
    EXPECT_TRUE(f.MarginIntact()) << "row " << i;
    if (i == 6) {
      EXPECT_TRUE(area.Empty()) << "row " << i;
      continue;
    }
    ASSERT_FALSE(area.Empty()) << "row " << i;
    EXPECT_TRUE(area.left >= 0 && area.top >= 0 && area.right <= 40 && area.bottom <= 30) << "row " << i;
    // Everything lit lies inside the area reported.
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        if (!inside) {
          EXPECT_EQ(f.At(x, y), 0u) << "row " << i << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(Render, GlowAddsAndSaturatesPerChannel) {
  Framed f(40, 30);
  const Sprite sprite = visual::MakeSprite(4.0f, 0, 0);
  visual::DrawGlow(f.canvas, sprite, 20, 15, {200, 100, 10});
  const std::uint32_t once = f.At(20, 15);
  visual::DrawGlow(f.canvas, sprite, 20, 15, {200, 100, 10});
  const std::uint32_t twice = f.At(20, 15);
  EXPECT_EQ((twice >> 16) & 0xff, 255u);  // red runs into the ceiling
  EXPECT_NEAR(static_cast<double>((twice >> 8) & 0xff), 2.0 * ((once >> 8) & 0xff), 1.0);
  EXPECT_NEAR(static_cast<double>(twice & 0xff), 2.0 * (once & 0xff), 1.0);
  EXPECT_GT(once & 0xff, 0u);
}

TEST(Render, DitherKeepsTheAverageOfFaintLevels) {
  // 0.3 of a level on average: without dither every pixel would round to 0,
  // which is how bands appear in a faint halo.
  const std::uint16_t intensity = 19660;  // 0.3 of full
  for (int start = 0; start < 8; ++start) {
    Framed f(24, 16);
    visual::DrawGlow(f.canvas, Flat(8, 8, intensity), start, 0, {1, 0, 0});
    int sum = 0, highest = 0;
    for (int y = 0; y < 8; ++y) {
      for (int x = start; x < start + 8; ++x) {
        const int red = (f.At(x, y) >> 16) & 0xff;
        sum += red;
        highest = std::max(highest, red);
        EXPECT_EQ(f.At(x, y) & 0xffff, 0u) << "start " << start;
      }
    }
    EXPECT_NEAR(sum / 64.0, 0.3, 1.0 / 64) << "start " << start;
    EXPECT_EQ(highest, 1) << "start " << start;
  }
}

TEST(Render, RowEndsGiveTheSameSumsAsEightAtATime) {
  Sprite sprite = Flat(16, 64, 0);
  for (std::size_t i = 0; i < sprite.intensity.size(); ++i) {
    sprite.intensity[i] = static_cast<std::uint16_t>((i * 40503u) & 0xffff);
  }
  Framed whole(16, 64), cut(13, 64);
  visual::DrawGlow(whole.canvas, sprite, 0, 0, {250, 130, 7});
  visual::DrawGlow(cut.canvas, sprite, 0, 0, {250, 130, 7});  // columns 8-12 one by one
  int differing = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 13; ++x) differing += cut.At(x, y) != whole.At(x, y);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(cut.MarginIntact());
}

TEST(Render, EachFrameWipesWhatTheLastOneDrew) {
  const int w = 480, h = 320;
  const std::vector<Rect> monitors{{0, 0, 300, 320}, {300, 40, 480, 200}};
  std::vector<std::uint32_t> a(w * h), b(w * h);
  Canvas ca{a.data(), w, h, w}, cb{b.data(), w, h, w};
  visual::Renderer sequence, fresh;
  const Rect first = sequence.Render(ca, monitors, 3.0);
  const std::vector<std::uint32_t> firstFrame = a;
  const Rect second = sequence.Render(ca, monitors, 9.5);
  fresh.Render(cb, monitors, 9.5);
  EXPECT_TRUE(a == b);
  EXPECT_NE(firstFrame, a);
  // The area to blit holds every pixel that changed.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (firstFrame[y * w + x] == a[y * w + x]) continue;
      ASSERT_TRUE(x >= second.left && x < second.right && y >= second.top && y < second.bottom) << x << "," << y;
    }
  }
  EXPECT_FALSE(first.Empty());
}

}  // namespace
