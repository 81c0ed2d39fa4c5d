#include "platform/gui/CheckBox.h"

namespace platform {

const ControlKind& CheckBox::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&CheckBox::SetCaption>("Caption"),
      Prop<&CheckBox::SetStoredChecked>("Checked"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<CheckBox>};
  return kind;
}

void CheckBox::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor({.className = "BUTTON", .style = BS_AUTOCHECKBOX | WS_TABSTOP, .parent = parent}, stored);
}

void CheckBox::SetStoredChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

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

}  // namespace platform
