#pragma once
// A framed, captioned container. OnExit runs when the focus leaves the
// controls inside it for a control outside.
#include <functional>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class GroupBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "GroupBox";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();
  HWND ContainerHandle() const override { return Handle(); }

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }

  std::function<void()> OnExit;

 protected:
  void FocusLeft() override {
    if (OnExit) OnExit();
  }

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
};

}  // namespace platform
