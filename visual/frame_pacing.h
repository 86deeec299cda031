// Frame pacing: one frame per display refresh, without spinning. Where the
// desktop compositor runs, DwmFlush waits for its next composition; otherwise
// (and when DwmFlush turns out not to wait) a high-resolution waitable timer is
// set for each frame's deadline at the refresh rate.
//
//   RefreshRateHz(reported)  the rate Windows reports, or 60 where it reports
//                            none (0 and 1 mean "hardware default").
//   ChoosePacing             the compositor's wait where it can be had.
//   FlushWatch               falls back to the timer when DwmFlush fails or
//                            returns at once frame after frame.
//   NextDeadline             deadlines a period apart; one missed by more than a
//                            period is dropped rather than caught up in a burst.
#pragma once

#include <cstdint>

namespace visual {

enum class Pacing { kDwmFlush, kTimer };

double RefreshRateHz(std::uint32_t reported);
Pacing ChoosePacing(bool compositionEnabled, bool haveDwmFlush);

class FlushWatch {
 public:
  // A flush that returned after `waited` seconds, with `ok` its success, for a
  // frame period of `period` seconds. False once the timer should take over.
  bool StillPaces(bool ok, double waited, double period);

 private:
  int quickInARow_ = 0;
};
inline constexpr int kQuickFlushesTolerated = 5;

// Times are in ticks of any one clock.
std::int64_t NextDeadline(std::int64_t previous, std::int64_t now, std::int64_t period);

}  // namespace visual
