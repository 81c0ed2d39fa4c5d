#pragma once
// The small standard controls: label, button, edit, check box, group box and
// progress bar. Thin wrappers: one method per control message; each checks
// that its window exists.
#include <functional>
#include <memory>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class Label : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Label";
  std::string_view Kind() const override { return kKind; }

  // The caption as last set, also while the window has yet to paint it.
  std::string Caption() const;
  // A new caption is painted with the next paint the message pump delivers,
  // not at once: long runs set one per page, far more often than anybody can
  // read, and each paint costs more than the work of a page.
  void SetCaption(const std::string& caption);
  bool Transparent() const { return transparent_; }

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  HBRUSH OnCtlColor(HDC dc) override;
  bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Invalidate() override;
  DWORD StaticStyle() const;
  void HandTextToWindow();

  std::string alignment_ = "left";
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  // The caption as set. Known: it is what the window holds or is about to
  // take; text set from outside (WM_SETTEXT) makes it unknown.
  std::string text_;
  bool textKnown_ = false;
  // The window still holds an older text; a paint is on its way.
  bool textPending_ = false;
};

class Button : public Control {
 public:
  using Control::Control;
  ~Button() override;
  static constexpr std::string_view kKind = "Button";
  std::string_view Kind() const override { return kKind; }

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // What a click does: hands the button's modal result to the form, then
  // runs OnClick (which may take the result back).
  void Click();
  std::function<void()> OnClick;

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  bool OnCommand(WORD code) override;

  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

class Edit : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Edit";
  std::string_view Kind() const override { return kKind; }

  std::string Text() const { return ReadText(); }
  void SetText(const std::string& text) { WriteText(text); }
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  void SetMaxLength(int length);
  void SelectAll();

  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return Text(); }

  std::function<void()> OnChange;

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  bool OnCommand(WORD code) override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "CheckBox";
  std::string_view Kind() const override { return kKind; }

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }
  bool Checked() const;
  // Ticking from code runs OnClick as a user's click would, when the state
  // changes.
  void SetChecked(bool checked);

  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return Checked() ? "1" : "0"; }

  std::function<void()> OnClick;

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  bool OnCommand(WORD code) override;
};

class GroupBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "GroupBox";
  std::string_view Kind() const override { return kKind; }
  bool IsContainer() const override { return true; }

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "ProgressBar";
  std::string_view Kind() const override { return kKind; }

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
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  bool OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
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

// A component of the kind a layout names, not yet created; nullptr for a kind
// this library has no class for.
std::unique_ptr<Component> MakeComponent(Form& owner, const LayoutObject& stored);

}  // namespace platform
