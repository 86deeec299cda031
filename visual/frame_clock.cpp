#include "frame_clock.h"

#include <mmsystem.h>

// Windows 10 1803 and later; older systems refuse the flag and get a plain timer.
#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace visual {

namespace {

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through void(*)(): the one cast between function types that GCC accepts.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace

FrameClock::FrameClock(double hz) {
  LARGE_INTEGER value;
  if (QueryPerformanceFrequency(&value)) frequency_ = value.QuadPart;
  start_ = Now();
  period_ = static_cast<std::int64_t>(static_cast<double>(frequency_) / hz);
  deadline_ = start_;

  dwmapi_ = LoadLibraryA("dwmapi.dll");
  using IsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
  const auto isEnabled = Lookup<IsCompositionEnabled>(dwmapi_, "DwmIsCompositionEnabled");
  dwmFlush_ = Lookup<HRESULT(WINAPI*)()>(dwmapi_, "DwmFlush");
  BOOL enabled = FALSE;
  if (isEnabled && FAILED(isEnabled(&enabled))) enabled = FALSE;
  pacing_ = ChoosePacing(enabled != FALSE, dwmFlush_ != nullptr);

  // Made in any case: DwmFlush may turn out not to wait.
  timer_ = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
  if (!timer_) {
    timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    timerPeriodSet_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  }
}

FrameClock::~FrameClock() {
  if (timerPeriodSet_) timeEndPeriod(1);
  if (timer_) CloseHandle(timer_);
  if (dwmapi_) FreeLibrary(dwmapi_);
}

std::int64_t FrameClock::Now() const {
  LARGE_INTEGER value;
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

double FrameClock::Seconds() const { return static_cast<double>(Now() - start_) / frequency_; }

bool FrameClock::Wait(bool (*pump)()) {
  if (pacing_ == Pacing::kDwmFlush) {
    const std::int64_t before = Now();
    const bool ok = SUCCEEDED(dwmFlush_());
    const double waited = static_cast<double>(Now() - before) / frequency_;
    if (!flushWatch_.StillPaces(ok, waited, static_cast<double>(period_) / frequency_)) {
      pacing_ = Pacing::kTimer;
      deadline_ = Now();
    }
    if (pacing_ == Pacing::kDwmFlush) return pump();
  }
  return WaitForTimer(pump);
}

bool FrameClock::WaitForTimer(bool (*pump)()) {
  deadline_ = NextDeadline(deadline_, Now(), period_);
  for (;;) {
    const std::int64_t ahead = deadline_ - Now();
    if (ahead <= 0) break;
    // Relative due time, in 100-ns units.
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(static_cast<double>(ahead) * 1e7 / frequency_) - 1;
    DWORD woke;
    if (timer_ && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) {
      woke = MsgWaitForMultipleObjectsEx(1, &timer_, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woke != WAIT_OBJECT_0 + 1) break;  // the timer fired
    } else {
      // No timer: a coarse sleep of whole milliseconds still never spins.
      const DWORD ms = static_cast<DWORD>(ahead * 1000 / frequency_) + 1;
      woke = MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      if (woke != WAIT_OBJECT_0) break;
    }
    if (!pump()) return false;
  }
  return pump();
}

}  // namespace visual
