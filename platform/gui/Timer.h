#pragma once
// A timer component: OnTimer runs every Interval milliseconds while Enabled,
// from the message pump of the form's thread.
#include <functional>

#include "platform/gui/Control.h"

namespace platform {

class Timer : public Component {
 public:
  Timer(Form& owner, std::string name);
  ~Timer() override;
  static constexpr std::string_view kKind = "Timer";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> OnTimer;

 private:
  friend class Form;
  void Create(const LayoutObject& stored, Component* parent) override;
  // Re-reading a layout with the same values must not reset a running count.
  void SetStoredInterval(int milliseconds);
  void SetStoredEnabled(bool enabled);
  void Restart();
  void Fire();

  UINT_PTR id_ = 0;
  int interval_ = 1000;
  bool enabled_ = true;
  bool running_ = false;
};

}  // namespace platform
