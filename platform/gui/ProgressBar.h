#pragma once
// A progress bar whose position can be set once per item of a long run at
// little cost: it repaints at most every few dozen milliseconds.
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class ProgressBar : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "ProgressBar";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int Min() const { return Handle() ? min_ : 0; }
  int Max() const { return Handle() ? max_ : 0; }
  void SetMin(int min);
  void SetMax(int max);
  // The position as set (clamped to the range, as the control does).
  int Position() const { return Handle() ? position_ : 0; }
  // Long runs set the position once per page. A position that fills as many
  // pixels as the painted one is only noted; the control takes it with its
  // next paint, which the message pump delivers.
  void SetPosition(int position);
  int Step() const { return step_; }
  void SetStep(int step);
  void StepIt();

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Invalidate() override;
  // True when the bar looks the same at both positions.
  bool LooksAlike(int a, int b) const;
  void HandPositionToControl();
  void ReadStateBack();

  int step_ = 10;
  // Mirrors of the control's state, so that reading them costs no message.
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  // The position the control holds and has painted; lags position_ until the
  // next paint.
  int held_ = 0;
  // A paint is on its way that will show position_.
  bool paintPending_ = false;
};

// True when a progress bar of the given client width looks the same at both
// positions (which must lie in the range).
bool ProgressLooksAlike(int a, int b, int min, int max, int clientWidth);

}  // namespace platform
