#include "forms/timer.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

Timer::Timer(Form& owner, UINT interval, bool enabled, std::function<void()> onTick)
    : owner_(owner), interval_(interval), enabled_(enabled), onTick_(std::move(onTick)) {
  owner_.timers_.push_back(this);
  Arm();
}

Timer::~Timer() {
  Disarm();
  auto& timers = owner_.timers_;
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Arm();
}

void Timer::SetInterval(UINT interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Disarm();
  Arm();
}

void Timer::Arm() {
  const bool wanted = enabled_ && interval_ > 0 && owner_.hWnd();
  if (wanted && !armed_) {
    armed_ = SetTimer(owner_.hWnd(), reinterpret_cast<UINT_PTR>(this), interval_, nullptr) != 0;
  } else if (!wanted) {
    Disarm();
  }
}

void Timer::Disarm() {
  if (armed_ && owner_.hWnd()) KillTimer(owner_.hWnd(), reinterpret_cast<UINT_PTR>(this));
  armed_ = false;
}

void Timer::Tick() {
  // A tick already queued when the timer was switched off is dropped.
  if (enabled_ && armed_ && onTick_) onTick_();
}

}  // namespace forms
