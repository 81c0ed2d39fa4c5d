#include "platform/gui/Button.h"

#include "platform/gui/Dialogs.h"
#include "platform/gui/Form.h"

namespace platform {

namespace {

constexpr std::string_view kModalResults[] = {"none",  "ok",  "cancel", "abort", "retry",
                                              "ignore", "yes", "no",     "all"};

int ModalResultFromWord(const std::string& word) {
  static const std::pair<const char*, int> kResults[] = {
      {"none", mrNone},     {"ok", mrOk},   {"cancel", mrCancel}, {"abort", mrAbort}, {"retry", mrRetry},
      {"ignore", mrIgnore}, {"yes", mrYes}, {"no", mrNo},         {"all", mrAll},
  };
  for (const auto& [name, result] : kResults)
    if (word == name) return result;
  return mrNone;
}

}  // namespace

const ControlKind& Button::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&Button::SetCaption>("Caption"),
      Prop<&Button::SetDefault>("Default"),
      Prop<&Button::SetCancel>("Cancel"),
      Prop<&Button::SetModalResultWord>("ModalResult", kModalResults),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<Button>};
  return kind;
}

Button::~Button() {
  // The form must not keep pointing at a button that is gone.
  if (default_) Owner().SetDefaultButton(this, false);
  if (cancel_) Owner().SetCancelButton(this, false);
}

void Button::Create(const LayoutObject& stored, Component* parent) {
  CreateWindowFor({.className = "BUTTON", .style = BS_PUSHBUTTON | WS_TABSTOP, .parent = parent}, stored);
}

void Button::SetDefault(bool isDefault) {
  default_ = isDefault;
  Owner().SetDefaultButton(this, default_);
  Send(BM_SETSTYLE, default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::SetCancel(bool isCancel) {
  cancel_ = isCancel;
  Owner().SetCancelButton(this, cancel_);
}

void Button::SetModalResultWord(const std::string& word) { modalResult_ = ModalResultFromWord(word); }

void Button::Click() {
  if (modalResult_ != mrNone) Owner().SetModalResult(modalResult_);
  if (OnClick) OnClick();
}

bool Button::SetValue(const std::string&) {
  if (!Enabled()) return false;
  Click();
  return true;
}

bool Button::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

}  // namespace platform
