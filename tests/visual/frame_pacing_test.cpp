#include "frame_pacing.h"

#include <gtest/gtest.h>

namespace {

TEST(FramePacing, RefreshRateFallsBackTo60) {
  const struct {
    std::uint32_t reported;
    double hz;
  } cases[] = {
      /* 0 */ {0, 60}, /* 1 */ {1, 60}, /* 2 */ {59, 59}, /* 3 */ {60, 60},
      /* 4 */ {75, 75}, /* 5 */ {144, 144}, /* 6 */ {5000, 60},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(visual::RefreshRateHz(cases[i].reported), cases[i].hz) << "row " << i;
  }
}

TEST(FramePacing, CompositorWaitOnlyWhereItRuns) {
  EXPECT_EQ(visual::ChoosePacing(true, true), visual::Pacing::kDwmFlush);
  EXPECT_EQ(visual::ChoosePacing(false, true), visual::Pacing::kTimer);
  EXPECT_EQ(visual::ChoosePacing(true, false), visual::Pacing::kTimer);
}

TEST(FramePacing, FlushThatDoesNotWaitHandsOverToTheTimer) {
  const double period = 1 / 60.0;
  visual::FlushWatch waits;
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(waits.StillPaces(true, period * 0.9, period)) << i;

  visual::FlushWatch quick;
  for (int i = 0; i < visual::kQuickFlushesTolerated; ++i) EXPECT_TRUE(quick.StillPaces(true, 0.0001, period)) << i;
  EXPECT_TRUE(quick.StillPaces(true, period, period));  // a real wait starts the count again
  for (int i = 0; i < visual::kQuickFlushesTolerated; ++i) EXPECT_TRUE(quick.StillPaces(true, 0.0001, period)) << i;
  EXPECT_FALSE(quick.StillPaces(true, 0.0001, period));

  visual::FlushWatch failing;
  EXPECT_FALSE(failing.StillPaces(false, period, period));
}

TEST(FramePacing, DeadlinesKeepTheirPeriodAndDropWhatWasMissed) {
  const struct {
    std::int64_t previous, now, next;
  } cases[] = {
      /* 0 */ {1000, 1005, 1100},  // on time
      /* 1 */ {1000, 1099, 1100},
      /* 2 */ {1000, 1150, 1100},  // a little late: due at once, the beat kept
      /* 3 */ {1000, 1200, 1300},  // a whole period late: start again from now
      /* 4 */ {1000, 5000, 5100},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(visual::NextDeadline(cases[i].previous, cases[i].now, 100), cases[i].next) << "row " << i;
  }
}

}  // namespace
