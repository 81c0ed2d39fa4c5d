#pragma once
// A captioned group of radio buttons, one per item, of which at most one is
// chosen (item index -1: none). The arrow keys move the choice inside the
// group; Tab comes to the chosen button; Alt with the "&" letter of the
// caption moves there too.
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Control.h"

namespace platform {

class RadioGroup : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "RadioGroup";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  std::string Caption() const { return ReadText(); }
  void SetCaption(const std::string& caption) { WriteText(caption); }
  const std::vector<std::string>& Items() const { return items_; }
  // As many items as before only change the buttons' texts (a language
  // switch); another number of items starts with none chosen when the
  // choice falls outside.
  void SetItems(const std::vector<std::string>& items);
  int ItemIndex() const { return itemIndex_; }
  // Choosing from code runs OnClick as a user's choice would, when the
  // choice changes.
  void SetItemIndex(int index);
  // The window of an item's button (for tests and key handling).
  HWND ItemHandle(int index) const;

  // The item index as a decimal number.
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return std::to_string(itemIndex_); }

  // Runs after the choice changed.
  std::function<void()> OnClick;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool FormKey(const MSG& msg) override;
  void FontChanged() override;
  // The design choice: no click event for it.
  void SetStoredItemIndex(int index);
  // The buttons show itemIndex_; only the chosen one (or the first) is a tab
  // stop, so that Tab lands on the choice.
  void ShowChoice();
  void LayoutButtons();
  void ButtonClicked();

  std::vector<HWND> buttons_;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace platform
