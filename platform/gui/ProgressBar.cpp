#include "platform/gui/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

namespace platform {

const ControlKind& ProgressBar::KindInfo() {
  // Range first: a stored position must fit the stored range.
  static constexpr PropSpec props[] = {
      Prop<&ProgressBar::SetMin>("Min"),
      Prop<&ProgressBar::SetMax>("Max"),
      Prop<&ProgressBar::SetPosition>("Position"),
      Prop<&ProgressBar::SetStep>("Step"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<ProgressBar>};
  return kind;
}

void ProgressBar::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor({.className = PROGRESS_CLASSA, .parent = parent}, stored);
  Send(PBM_SETRANGE32, 0, 100);
  Send(PBM_SETSTEP, static_cast<WPARAM>(step_));
}

void ProgressBar::SetMin(int min) { Send(PBM_SETRANGE32, static_cast<WPARAM>(min), max_); }
void ProgressBar::SetMax(int max) { Send(PBM_SETRANGE32, static_cast<WPARAM>(min_), max); }

void ProgressBar::SetPosition(int position) {
  if (!Handle()) return;
  // What the control makes of a position in a reversed range is its own
  // business: it is asked.
  if (min_ > max_) {
    Send(PBM_SETPOS, static_cast<WPARAM>(position));
    return;
  }
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  if (paintPending_ || LooksAlike(position_, held_)) return;
  paintPending_ = true;
  ScheduleRepaint();
}

// The control paints its own background.
void ProgressBar::Invalidate() { InvalidateRect(Handle(), nullptr, FALSE); }

void ProgressBar::SetStep(int step) {
  step_ = step;
  Send(PBM_SETSTEP, static_cast<WPARAM>(step));
}

void ProgressBar::StepIt() { Send(PBM_STEPIT); }

bool ProgressBar::LooksAlike(int a, int b) const {
  RECT r{};
  GetClientRect(Handle(), &r);
  return ProgressLooksAlike(a, b, min_, max_, r.right - r.left);
}

void ProgressBar::HandPositionToControl() {
  if (held_ == position_) return;
  // Before the message: the control repaints at once, and that paint comes
  // back through OnOwnMessage.
  held_ = position_;
  CallStandard(PBM_SETPOS, static_cast<WPARAM>(position_));
}

void ProgressBar::ReadStateBack() {
  PBRANGE range{};
  CallStandard(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  min_ = range.iLow;
  max_ = range.iHigh;
  position_ = held_ = static_cast<int>(CallStandard(PBM_GETPOS));
}

std::optional<LRESULT> ProgressBar::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case PBM_GETPOS:
      return position_;
    case PBM_SETPOS:
      if (min_ <= max_) {
        const LRESULT previous = position_;
        SetPosition(static_cast<int>(wParam));
        return previous;
      }
      [[fallthrough]];
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32: {
      // Ours or anybody's: the control works from the position we report,
      // and its answer becomes our state (it clamps and wraps as it does).
      HandPositionToControl();
      const LRESULT answer = CallStandard(msg, wParam, lParam);
      ReadStateBack();
      return answer;
    }
    case WM_PAINT:
      paintPending_ = false;
      if (held_ == position_) return std::nullopt;
      // The control paints the new position before this returns; if that
      // paint covered everything, this one has nothing left to do.
      HandPositionToControl();
      if (GetUpdateRect(Handle(), nullptr, FALSE)) return std::nullopt;
      return 0;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      HandPositionToControl();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool ProgressLooksAlike(int a, int b, int min, int max, int clientWidth) {
  if (a == b) return true;
  // The ends are always shown exactly: a full bar must be full.
  if (max <= min || a == min || b == min || a == max || b == max) return false;
  // The control fills MulDiv(position - min, width, max - min) pixels of the
  // width inside its one-pixel frame (MulDiv rounds halves up).
  const std::int64_t width = std::int64_t{clientWidth} - 2;
  if (width <= 0) return false;
  const std::int64_t range = std::int64_t{max} - min;
  auto filled = [&](int position) { return (2 * (std::int64_t{position} - min) * width + range) / (2 * range); };
  return filled(a) == filled(b);
}

}  // namespace platform
