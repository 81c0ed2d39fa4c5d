#include "platform/gui/GroupBox.h"

namespace platform {

const ControlKind& GroupBox::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&GroupBox::SetCaption>("Caption"),
  };
  static const ControlKind kind{{.kind = kKind, .holds = Holds::Controls, .props = {props}}, &Make<GroupBox>};
  return kind;
}

void GroupBox::Create(const LayoutObject& stored, Component* parent) {
  // WS_EX_CONTROLPARENT lets Tab walk into the controls it holds.
  CreateWindowFor(
      {.className = "BUTTON", .style = BS_GROUPBOX, .exStyle = WS_EX_CONTROLPARENT, .parent = parent}, stored);
}

}  // namespace platform
