#include "platform/gui/Edit.h"

namespace platform {

const ControlKind& Edit::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&Edit::SetText>("Text"),
      Prop<&Edit::SetReadOnly>("ReadOnly"),
      Prop<&Edit::SetMaxLength>("MaxLength"),
      Prop<&Edit::SetPasswordChar>("PasswordChar"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<Edit>};
  return kind;
}

void Edit::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor(
      {.className = "EDIT", .style = ES_AUTOHSCROLL | WS_TABSTOP, .exStyle = WS_EX_CLIENTEDGE, .parent = parent},
      stored);
}

bool Edit::ReadOnly() const { return Handle() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_READONLY); }
void Edit::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
void Edit::SetMaxLength(int length) { Send(EM_SETLIMITTEXT, length > 0 ? static_cast<WPARAM>(length) : 0); }
void Edit::SelectAll() { Send(EM_SETSEL, 0, -1); }

void Edit::SetPasswordChar(const std::string& character) {
  Send(EM_SETPASSWORDCHAR, character.empty() ? 0 : static_cast<unsigned char>(character[0]));
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

bool Edit::SetValue(const std::string& value) {
  if (!Handle()) return false;
  SetText(value);
  return true;
}

bool Edit::OnCommand(WORD code) {
  if (code == EN_KILLFOCUS) {
    if (OnExit) OnExit();
    return true;
  }
  if (code != EN_CHANGE) return false;
  if (OnChange) OnChange();
  return true;
}

}  // namespace platform
