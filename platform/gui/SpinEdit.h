#pragma once
// A number field with up and down arrows (also the arrow keys), held to
// MinValue..MaxValue. While the user types, the text stays as typed and the
// number is the typed one held to the range; when the field loses the focus
// it shows the number again. OnChange runs when the number changes, after it
// was held to the range: by typing, by the arrows or from code, never for the
// same number twice. OnCommit runs when a changed number is complete: at
// once for the arrows and code, for a typed one when the focus moves on to
// another control of the form or when Commit is called (a dialog's OK), so
// that a check of the number never interrupts the typing of it.
#include <functional>
#include <string>

#include "platform/gui/Control.h"

namespace platform {

class SpinEdit : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "SpinEdit";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  // A new range holds the number to it without an event.
  void SetMinValue(int min);
  void SetMaxValue(int max);
  int Number() const { return number_; }
  void SetNumber(int number);
  // The text as it stands (as typed, while the user types).
  std::string Text() const { return ReadText(); }

  // The number in decimal; a text that is no whole number is refused.
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return std::to_string(number_); }

  // A typed number that has not been committed is committed now.
  void Commit();

  std::function<void()> OnChange;
  std::function<void()> OnCommit;

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  bool OnCommand(WORD code) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void FontChanged() override;
  void SetStoredNumber(int number);
  int Held(long long number) const;
  void ShowNumber();
  void PlaceArrows();

  HWND arrows_ = nullptr;  // the up-down control, a child of the field
  int min_ = 0;
  int max_ = 100;
  int number_ = 0;
  int committed_ = 0;     // the number OnCommit last saw (or set without events)
  bool writing_ = false;  // the text changes because ShowNumber writes it
};

}  // namespace platform
