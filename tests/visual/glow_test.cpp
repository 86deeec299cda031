#include "glow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Glow, FalloffIsOneAtTheCentreAndFadesSmoothlyToNothing) {
  for (const float size : {0.6f, 2.0f, 7.5f}) {
    EXPECT_FLOAT_EQ(visual::GlowFalloff(0, size), 1.0f) << "size " << size;
    const float reach = visual::GlowReach(size);
    EXPECT_LE(visual::GlowFalloff(reach, size), 0.5f / 255 * 1.001f) << "size " << size;
    EXPECT_GT(visual::GlowFalloff(reach * 0.8f, size), 0.5f / 255) << "size " << size;
    float previous = 1;
    for (float d = size / 20; d <= reach; d += size / 20) {
      const float f = visual::GlowFalloff(d, size);
      EXPECT_LT(f, previous) << "size " << size << " d " << d;
      EXPECT_LT(previous - f, 0.035f) << "size " << size << " d " << d;  // no steps
      previous = f;
    }
  }
}

TEST(Glow, SpriteCentresItsDotAtTheQuarterPixelAndEndsInZeros) {
  for (int q = 0; q < 16; ++q) {
    const int qx = q % 4, qy = q / 4;
    const visual::Sprite s = visual::MakeSprite(3.0f, qx, qy);
    ASSERT_EQ(s.intensity.size(), static_cast<std::size_t>(s.width) * s.height);
    double sum = 0, sx = 0, sy = 0;
    bool edgeZero = true;
    for (int j = 0; j < s.height; ++j) {
      for (int i = 0; i < s.width; ++i) {
        const double v = s.intensity[static_cast<std::size_t>(j) * s.width + i];
        sum += v;
        sx += v * (s.left + i + 0.5);
        sy += v * (s.top + j + 0.5);
        if ((i == 0 || j == 0 || i == s.width - 1 || j == s.height - 1) && v != 0) edgeZero = false;
      }
    }
    EXPECT_NEAR(sx / sum, qx / 4.0, 0.02) << "quarter " << q;
    EXPECT_NEAR(sy / sum, qy / 4.0, 0.02) << "quarter " << q;
    EXPECT_TRUE(edgeZero) << "quarter " << q;  // no square edge can show
  }
}

TEST(Glow, PlaceSplitsWholePixelsAndQuarters) {
  const struct {
    float coordinate;
    int base, quarter;
  } cases[] = {
      /* 0 */ {0.0f, 0, 0},    /* 1 */ {0.25f, 0, 1},    /* 2 */ {0.9f, 1, 0},
      /* 3 */ {10.6f, 10, 2},  /* 4 */ {-0.25f, -1, 3},  /* 5 */ {-1.0f, -1, 0},
      /* 6 */ {-2.6f, -3, 2},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const visual::SpritePlace p = visual::PlaceOf(cases[i].coordinate);
    EXPECT_EQ(p.base, cases[i].base) << "row " << i;
    EXPECT_EQ(p.quarter, cases[i].quarter) << "row " << i;
  }
}

TEST(Glow, SizeStepsFollowTheSizeClosely) {
  const float largest = visual::StepSize(visual::kSizeSteps - 1);
  for (float size = visual::kSmallestSize; size <= largest; size *= 1.03f) {
    const float stepped = visual::StepSize(visual::SizeStep(size));
    EXPECT_LT(std::abs(stepped / size - 1), 0.035f) << "size " << size;
  }
  EXPECT_EQ(visual::SizeStep(0.1f), 0);
  EXPECT_EQ(visual::SizeStep(largest * 3), visual::kSizeSteps - 1);
}

}  // namespace
