#include "platform/gui/Timer.h"

#include "platform/gui/Form.h"

namespace platform {

Timer::Timer(Form& owner, std::string name) : Component(owner, std::move(name)) {}

Timer::~Timer() {
  if (id_) {
    if (running_) KillTimer(Owner().Handle(), id_);
    Owner().RemoveTimer(id_);
  }
}

void Timer::Create(const LayoutObject& stored, HWND) {
  id_ = Owner().AddTimer(this);
  interval_ = stored.Int("Interval").value_or(interval_);
  enabled_ = stored.Bool("Enabled").value_or(enabled_);
  Restart();
}

void Timer::Apply(const LayoutObject& stored) {
  const int interval = stored.Int("Interval").value_or(interval_);
  const bool enabled = stored.Bool("Enabled").value_or(enabled_);
  if (interval == interval_ && enabled == enabled_) return;  // a running count is not reset
  interval_ = interval;
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

// Setting the interval or switching the timer on starts the count afresh.
void Timer::Restart() {
  HWND hwnd = Owner().Handle();
  if (!id_ || !hwnd) return;
  if (running_) KillTimer(hwnd, id_);
  running_ = enabled_ && interval_ > 0 && SetTimer(hwnd, id_, static_cast<UINT>(interval_), nullptr) != 0;
}

void Timer::Fire() {
  if (running_ && OnTimer) OnTimer();
}

}  // namespace platform
