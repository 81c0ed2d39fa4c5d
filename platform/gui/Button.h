#pragma once
// A push button. The default button is pressed by Enter, the cancel button
// by Esc; a button's modal result ends a modal form.
#include <functional>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class Button : public Control {
 public:
  using Control::Control;
  ~Button() override;
  static constexpr std::string_view kKind = "Button";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool isCancel);
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // What a click does: hands the button's modal result to the form, then
  // runs OnClick (which may take the result back).
  void Click();
  std::function<void()> OnClick;

  // A script presses the button: any value clicks it, as long as the user
  // could (a disabled button refuses).
  bool SetValue(const std::string& value) override;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  bool OnCommand(WORD code) override;
  void SetModalResultWord(const std::string& word);

  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

}  // namespace platform
