#pragma once
// A one-line text field.
#include <functional>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class Edit : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "Edit";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  std::string Text() const { return ReadText(); }
  void SetText(const std::string& text) { WriteText(text); }
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // 0 lifts the limit.
  void SetMaxLength(int length);
  // The character shown for each typed one ("*"); empty shows the text.
  void SetPasswordChar(const std::string& character);
  void SelectAll();

  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return Text(); }

  std::function<void()> OnChange;
  // The field lost the focus.
  std::function<void()> OnExit;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  bool OnCommand(WORD code) override;
};

}  // namespace platform
