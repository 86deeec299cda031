#include "frame_pacing.h"

namespace visual {

double RefreshRateHz(std::uint32_t reported) {
  if (reported <= 1 || reported > 1000) return 60.0;
  return reported;
}

Pacing ChoosePacing(bool compositionEnabled, bool haveDwmFlush) {
  return compositionEnabled && haveDwmFlush ? Pacing::kDwmFlush : Pacing::kTimer;
}

bool FlushWatch::StillPaces(bool ok, double waited, double period) {
  if (!ok) return false;
  quickInARow_ = waited < period / 4 ? quickInARow_ + 1 : 0;
  return quickInARow_ <= kQuickFlushesTolerated;
}

std::int64_t NextDeadline(std::int64_t previous, std::int64_t now, std::int64_t period) {
  const std::int64_t next = previous + period;
  return next + period <= now ? now + period : next;
}

}  // namespace visual
