#pragma once
// A check box. OnClick follows every change of the state, by the user or by
// the program, and only a change.
#include <functional>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class CheckBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "CheckBox";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

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
  void Create(const LayoutObject& stored, Component* parent) override;
  bool OnCommand(WORD code) override;
  // The design state: no click event for it.
  void SetStoredChecked(bool checked);
};

}  // namespace platform
