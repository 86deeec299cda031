// The clock that paces frames (see frame_pacing.h for the decisions).
//
//   FrameClock(hz)   picks DwmFlush where the compositor runs, or else makes a
//                    high-resolution waitable timer (a plain one with a 1-ms
//                    system timer period where the high-resolution kind is
//                    not to be had).
//   Seconds()        time since the clock was made.
//   Wait(pump)       returns when the next frame is due. While the timer is
//                    awaited, window messages are handled through pump() as
//                    they arrive; false as soon as pump() returns false.
#pragma once

#include <cstdint>
#include <windows.h>

#include "frame_pacing.h"

namespace visual {

class FrameClock {
 public:
  explicit FrameClock(double hz);
  ~FrameClock();
  FrameClock(const FrameClock&) = delete;
  FrameClock& operator=(const FrameClock&) = delete;

  double Seconds() const;
  Pacing pacing() const { return pacing_; }
  bool Wait(bool (*pump)());

 private:
  bool WaitForTimer(bool (*pump)());
  std::int64_t Now() const;

  Pacing pacing_ = Pacing::kTimer;
  HRESULT(WINAPI* dwmFlush_)() = nullptr;
  HMODULE dwmapi_ = nullptr;
  FlushWatch flushWatch_;
  HANDLE timer_ = nullptr;
  bool timerPeriodSet_ = false;
  std::int64_t frequency_ = 1, start_ = 0, period_ = 1, deadline_ = 0;
};

}  // namespace visual
