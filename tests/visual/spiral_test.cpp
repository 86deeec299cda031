#include "spiral.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using visual::Dot;
using visual::Hue;
using visual::Rect;

std::vector<Dot> DotsAt(const Rect& monitor, double t) {
  std::vector<Dot> dots;
  visual::SpiralDots(monitor, t, dots);
  return dots;
}

TEST(Spiral, EachMonitorGetsOneSpiralCentredOnIt) {
  const Rect monitors[] = {
      /* 0 */ {0, 0, 1920, 1080},
      /* 1 */ {1920, 0, 3200, 1024},
      /* 2 */ {-1080, -200, 0, 1720},  // portrait, left of and above the primary
      /* 3 */ {0, 0, 152, 112},
  };
  for (std::size_t i = 0; i < std::size(monitors); ++i) {
    const Rect& m = monitors[i];
    const double cx = (m.left + m.right) / 2.0, cy = (m.top + m.bottom) / 2.0;
    const double rim = visual::kRimShare * std::min(m.Width(), m.Height());
    for (const double t : {0.0, 7.3, 1234.5}) {
      const std::vector<Dot> dots = DotsAt(m, t);
      ASSERT_EQ(dots.size(), static_cast<std::size_t>(visual::kArms * visual::kDotsPerArm)) << "row " << i;
      double sumX = 0, sumY = 0;
      int hues[3] = {};
      for (const Dot& d : dots) {
        EXPECT_LE(std::hypot(d.x - cx, d.y - cy), rim + 0.01) << "row " << i << " t " << t;
        EXPECT_GE(d.brightness, 0.0f) << "row " << i;
        EXPECT_LE(d.brightness, 1.0f) << "row " << i;
        EXPECT_GE(d.size, visual::kMinDotSize) << "row " << i;
        EXPECT_LE(d.size, visual::LargestDotSize(m)) << "row " << i;
        sumX += d.x;
        sumY += d.y;
        ++hues[static_cast<int>(d.hue)];
      }
      // The arms are evenly spread round the centre.
      EXPECT_NEAR(sumX / dots.size(), cx, 0.5) << "row " << i << " t " << t;
      EXPECT_NEAR(sumY / dots.size(), cy, 0.5) << "row " << i << " t " << t;
      EXPECT_EQ(hues[0], hues[1]) << "row " << i;
      EXPECT_EQ(hues[1], hues[2]) << "row " << i;
    }
  }
}

TEST(Spiral, DotsMoveSmoothlyOutwardAndBreathe) {
  const Rect monitor{0, 0, 1920, 1080};
  const double frame = 1 / 60.0;
  double moved = 0, outward = 0, breath = 0;
  int steps = 0;
  for (double t = 0; t < 40; t += 0.25) {
    const std::vector<Dot> a = DotsAt(monitor, t), b = DotsAt(monitor, t + frame);
    for (std::size_t i = 0; i < a.size(); ++i) {
      const double step = std::hypot(b[i].x - a[i].x, b[i].y - a[i].y);
      // A dot may jump only where it wraps from the rim back to the centre,
      // and then it is invisible on both frames.
      if (step > 4) {
        EXPECT_LT(a[i].brightness + b[i].brightness, 0.01) << "dot " << i << " t " << t;
        continue;
      }
      EXPECT_LT(std::abs(b[i].brightness - a[i].brightness), 0.03) << "dot " << i << " t " << t;
      EXPECT_LT(std::abs(b[i].size - a[i].size), 0.05) << "dot " << i << " t " << t;
      moved += step;
      outward += std::hypot(b[i].x - 960, b[i].y - 540) - std::hypot(a[i].x - 960, a[i].y - 540);
      breath += std::abs(b[i].brightness - a[i].brightness);
      ++steps;
    }
  }
  ASSERT_GT(steps, 0);
  EXPECT_GT(moved / steps, 0.2);    // pixels a frame: it is alive
  EXPECT_GT(outward / steps, 0.1);  // and it flows outward
  EXPECT_GT(breath / steps, 1e-4);
}

TEST(Spiral, UnionHoldsBothAndIgnoresEmpty) {
  const Rect a{0, 0, 10, 10}, b{5, -3, 20, 4}, empty{};
  const Rect u = visual::Union(a, b);
  EXPECT_EQ(std::tie(u.left, u.top, u.right, u.bottom), std::make_tuple(0, -3, 20, 10));
  const Rect same = visual::Union(empty, b);
  EXPECT_EQ(std::tie(same.left, same.top, same.right, same.bottom), std::make_tuple(5, -3, 20, 4));
}

}  // namespace
