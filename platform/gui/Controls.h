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

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption);
  bool Transparent() const { return transparent_; }

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;
  HBRUSH OnCtlColor(HDC dc) override;
  DWORD StaticStyle() const;

  std::string alignment_ = "left";
  bool showAccelChar_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
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

  int Min() const;
  int Max() const;
  void SetMin(int min);
  void SetMax(int max);
  int Position() const;
  void SetPosition(int position);
  int Step() const { return step_; }
  void SetStep(int step);
  void StepIt();

 private:
  void Create(const LayoutObject& stored, HWND parent) override;
  void Apply(const LayoutObject& stored) override;

  int step_ = 10;
};

// A component of the kind a layout names, not yet created; nullptr for a kind
// this library has no class for.
std::unique_ptr<Component> MakeComponent(Form& owner, const LayoutObject& stored);

}  // namespace platform
