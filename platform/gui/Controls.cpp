#include "platform/gui/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"
#include "platform/gui/Timer.h"

namespace platform {

namespace {

int ModalResultFromWord(const std::string& word) {
  static const std::pair<const char*, int> kResults[] = {
      {"none", mrNone},     {"ok", mrOk},       {"cancel", mrCancel}, {"abort", mrAbort}, {"retry", mrRetry},
      {"ignore", mrIgnore}, {"yes", mrYes},     {"no", mrNo},         {"all", mrAll},
  };
  for (const auto& [name, result] : kResults)
    if (word == name) return result;
  return mrNone;
}

}  // namespace

// ---- Label --------------------------------------------------------------

DWORD Label::StaticStyle() const {
  DWORD style = alignment_ == "center" ? SS_CENTER : alignment_ == "right" ? SS_RIGHT
                : wordWrap_             ? SS_LEFT
                                        : SS_LEFTNOWORDWRAP;
  if (!showAccelChar_) style |= SS_NOPREFIX;
  return style;
}

void Label::Create(const LayoutObject& stored, HWND parent) {
  alignment_ = stored.Text("Alignment").value_or(alignment_);
  showAccelChar_ = stored.Bool("ShowAccelChar").value_or(showAccelChar_);
  wordWrap_ = stored.Bool("WordWrap").value_or(wordWrap_);
  transparent_ = stored.Bool("Transparent").value_or(transparent_);
  text_ = stored.Text("Caption").value_or("");
  CreateWindowFor({.className = "STATIC", .text = text_, .style = StaticStyle(), .parent = parent}, stored);
  textKnown_ = true;
}

void Label::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  alignment_ = stored.Text("Alignment").value_or(alignment_);
  showAccelChar_ = stored.Bool("ShowAccelChar").value_or(showAccelChar_);
  wordWrap_ = stored.Bool("WordWrap").value_or(wordWrap_);
  transparent_ = stored.Bool("Transparent").value_or(transparent_);
  SetStyleBits(SS_TYPEMASK | SS_NOPREFIX, StaticStyle());
  if (auto caption = stored.Text("Caption")) SetCaption(*caption);
}

std::string Label::Caption() const {
  if (!Handle()) return {};
  return textKnown_ ? text_ : ReadText();
}

void Label::SetCaption(const std::string& caption) {
  if (!Handle()) return;
  if (!textKnown_) {
    text_ = ReadText();
    textKnown_ = true;
  }
  if (caption == text_) return;
  text_ = caption;
  // One paint is on its way already; it takes the newest text.
  if (textPending_) return;
  textPending_ = true;
  ScheduleRepaint();
}

void Label::Invalidate() {
  if (!transparent_) {
    InvalidateRect(Handle(), nullptr, TRUE);
    return;
  }
  // The label paints no background: what lies behind it must be painted
  // afresh, or the old text would show through the new one.
  RECT r{};
  GetWindowRect(Handle(), &r);
  HWND parent = GetParent(Handle());
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Label::HandTextToWindow() {
  textPending_ = false;
  // Past the static control: its own WM_SETTEXT would paint at once, over a
  // background that is not erased yet. A text static keeps its text nowhere
  // but in the window, so storing it is all its WM_SETTEXT does besides.
  DefWindowProcA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
}

bool Label::OnOwnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
  if (msg == WM_SETTEXT) {
    // Text from outside replaces ours, and we no longer know what it is.
    textPending_ = false;
    textKnown_ = false;
    return false;
  }
  // Whatever comes to the window (its paint, a question for its text, a
  // change that makes it paint) finds the newest text in it.
  if (textPending_) HandTextToWindow();
  return false;
}

HBRUSH Label::OnCtlColor(HDC dc) {
  if (!transparent_) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// ---- Button -------------------------------------------------------------

Button::~Button() {
  // The form must not keep pointing at a button that is gone.
  if (default_) Owner().SetDefaultButton(this, false);
  if (cancel_) Owner().SetCancelButton(this, false);
}

void Button::Create(const LayoutObject& stored, HWND parent) {
  DWORD style = BS_PUSHBUTTON;
  if (stored.Bool("TabStop").value_or(true)) style |= WS_TABSTOP;
  CreateWindowFor({.className = "BUTTON", .text = stored.Text("Caption").value_or(""), .style = style, .parent = parent},
                  stored);
  Apply(stored);
}

void Button::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  if (auto caption = stored.Text("Caption")) SetCaption(*caption);
  if (auto tab = stored.Bool("TabStop")) SetStyleBits(WS_TABSTOP, *tab ? WS_TABSTOP : 0);
  if (auto d = stored.Bool("Default")) {
    default_ = *d;
    Owner().SetDefaultButton(this, default_);
    Send(BM_SETSTYLE, default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  if (auto c = stored.Bool("Cancel")) {
    cancel_ = *c;
    Owner().SetCancelButton(this, cancel_);
  }
  if (auto mr = stored.Text("ModalResult")) modalResult_ = ModalResultFromWord(*mr);
}

void Button::Click() {
  if (modalResult_ != mrNone) Owner().SetModalResult(modalResult_);
  if (OnClick) OnClick();
}

bool Button::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

// ---- Edit ---------------------------------------------------------------

void Edit::Create(const LayoutObject& stored, HWND parent) {
  DWORD style = ES_AUTOHSCROLL;
  if (stored.Bool("TabStop").value_or(true)) style |= WS_TABSTOP;
  CreateWindowFor({.className = "EDIT",
                   .text = stored.Text("Text").value_or(""),
                   .style = style,
                   .exStyle = WS_EX_CLIENTEDGE,
                   .parent = parent},
                  stored);
  Apply(stored);
}

void Edit::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  if (auto text = stored.Text("Text")) SetText(*text);
  if (auto ro = stored.Bool("ReadOnly")) SetReadOnly(*ro);
  if (auto max = stored.Int("MaxLength")) SetMaxLength(*max);
  if (auto tab = stored.Bool("TabStop")) SetStyleBits(WS_TABSTOP, *tab ? WS_TABSTOP : 0);
}

bool Edit::ReadOnly() const { return Handle() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_READONLY); }
void Edit::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
// 0 lifts the limit, as the stored property means it.
void Edit::SetMaxLength(int length) { Send(EM_SETLIMITTEXT, length > 0 ? static_cast<WPARAM>(length) : 0); }
void Edit::SelectAll() { Send(EM_SETSEL, 0, -1); }

bool Edit::SetValue(const std::string& value) {
  if (!Handle()) return false;
  SetText(value);
  return true;
}

bool Edit::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  if (OnChange) OnChange();
  return true;
}

// ---- CheckBox -----------------------------------------------------------

void CheckBox::Create(const LayoutObject& stored, HWND parent) {
  DWORD style = BS_AUTOCHECKBOX;
  if (stored.Bool("TabStop").value_or(true)) style |= WS_TABSTOP;
  CreateWindowFor(
      {.className = "BUTTON", .text = stored.Text("Caption").value_or(""), .style = style, .parent = parent}, stored);
  // The stored state is the design state: no click event for it.
  if (stored.Bool("Checked").value_or(false)) Send(BM_SETCHECK, BST_CHECKED);
}

void CheckBox::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  if (auto caption = stored.Text("Caption")) SetCaption(*caption);
  if (auto tab = stored.Bool("TabStop")) SetStyleBits(WS_TABSTOP, *tab ? WS_TABSTOP : 0);
  if (auto checked = stored.Bool("Checked")) Send(BM_SETCHECK, *checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CheckBox::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (!Handle() || checked == Checked()) return;
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
  if (OnClick) OnClick();
}

bool CheckBox::SetValue(const std::string& value) {
  if (!Handle() || (value != "0" && value != "1")) return false;
  SetChecked(value == "1");
  return true;
}

bool CheckBox::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  if (OnClick) OnClick();
  return true;
}

// ---- GroupBox -----------------------------------------------------------

void GroupBox::Create(const LayoutObject& stored, HWND parent) {
  // WS_EX_CONTROLPARENT lets Tab walk into the controls it holds.
  CreateWindowFor({.className = "BUTTON",
                   .text = stored.Text("Caption").value_or(""),
                   .style = BS_GROUPBOX,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .parent = parent},
                  stored);
}

void GroupBox::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  if (auto caption = stored.Text("Caption")) SetCaption(*caption);
}

// ---- ProgressBar --------------------------------------------------------

void ProgressBar::Create(const LayoutObject& stored, HWND parent) {
  CreateWindowFor({.className = PROGRESS_CLASSA, .parent = parent}, stored);
  Send(PBM_SETRANGE32, 0, 100);
  Send(PBM_SETSTEP, static_cast<WPARAM>(step_));
  Apply(stored);
}

void ProgressBar::Apply(const LayoutObject& stored) {
  ApplyCommon(stored);
  // Range first: a stored position must fit the stored range.
  const auto min = stored.Int("Min");
  const auto max = stored.Int("Max");
  if (min || max) Send(PBM_SETRANGE32, static_cast<WPARAM>(min.value_or(Min())), max.value_or(Max()));
  if (auto pos = stored.Int("Position")) SetPosition(*pos);
  if (auto step = stored.Int("Step")) SetStep(*step);
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

bool ProgressBar::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case PBM_GETPOS:
      result = position_;
      return true;
    case PBM_SETPOS:
      if (min_ <= max_) {
        result = position_;
        SetPosition(static_cast<int>(wParam));
        return true;
      }
      [[fallthrough]];
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
      // Ours or anybody's: the control works from the position we report,
      // and its answer becomes our state (it clamps and wraps as it does).
      HandPositionToControl();
      result = CallStandard(msg, wParam, lParam);
      ReadStateBack();
      return true;
    case WM_PAINT:
      paintPending_ = false;
      if (held_ == position_) return false;
      // The control paints the new position before this returns; if that
      // paint covered everything, this one has nothing left to do.
      HandPositionToControl();
      if (GetUpdateRect(Handle(), nullptr, FALSE)) return false;
      result = 0;
      return true;
    case WM_PRINT:
    case WM_PRINTCLIENT:
      HandPositionToControl();
      return false;
    default:
      return false;
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

// ---- Factory ------------------------------------------------------------

std::unique_ptr<Component> MakeComponent(Form& owner, const LayoutObject& stored) {
  const std::string& k = stored.kind;
  if (k == "Label") return std::make_unique<Label>(owner, stored.name);
  if (k == "Button") return std::make_unique<Button>(owner, stored.name);
  if (k == "Edit") return std::make_unique<Edit>(owner, stored.name);
  if (k == "CheckBox") return std::make_unique<CheckBox>(owner, stored.name);
  if (k == "GroupBox") return std::make_unique<GroupBox>(owner, stored.name);
  if (k == "ProgressBar") return std::make_unique<ProgressBar>(owner, stored.name);
  if (k == "Timer") return std::make_unique<Timer>(owner, stored.name);
  return nullptr;
}

}  // namespace platform
