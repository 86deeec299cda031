// A timer of a form: ticks every Interval milliseconds while Enabled and while
// its form is loaded. Ticks arrive through the message loop, one at a time.
#pragma once

#include <functional>
#include <windows.h>

namespace forms {

class Form;

class Timer {
 public:
  Timer(Form& owner, UINT interval, bool enabled, std::function<void()> onTick);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT interval);

 private:
  friend class Form;
  void Arm();     // matches the Windows timer to Enabled, Interval and the form's window
  void Disarm();
  void Tick();

  Form& owner_;
  UINT interval_;
  bool enabled_;
  bool armed_ = false;
  std::function<void()> onTick_;
};

}  // namespace forms
