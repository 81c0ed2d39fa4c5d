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

const ControlKind& Timer::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&Timer::SetStoredInterval>("Interval"),
      Prop<&Timer::SetStoredEnabled>("Enabled"),
  };
  static const ControlKind kind{{.kind = kKind, .placement = Placement::Form, .props = {props}}, &Make<Timer>};
  return kind;
}

void Timer::Create(const LayoutObject& stored, Component*) {
  id_ = Owner().AddTimer(this);
  // The stored values come next; starting with them saves a restart.
  interval_ = stored.Int("Interval").value_or(interval_);
  enabled_ = stored.Bool("Enabled").value_or(enabled_);
  Restart();
}

void Timer::SetStoredInterval(int milliseconds) {
  if (milliseconds != interval_) SetInterval(milliseconds);
}

void Timer::SetStoredEnabled(bool enabled) {
  if (enabled != enabled_) SetEnabled(enabled);
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
