#pragma once
// A text field of several lines. Enter breaks the line (the form's default
// button is not pressed), Tab and Esc keep their meaning in the form. Word
// wrap and scroll bars are fixed when the window is created.
#include <string>
#include <vector>

#include "platform/gui/Edit.h"

namespace platform {

class Memo : public Edit {
 public:
  using Edit::Edit;
  static constexpr std::string_view kKind = "Memo";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  // The lines as the user sees them without word wrap: the text split at its
  // line breaks (a break at the very end starts no further line).
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);

  // The selection in characters of the text, a line break counting two.
  int SelStart() const;
  int SelLength() const;
  std::string SelText() const;
  // Puts the caret there, with nothing selected.
  void SetSelStart(int start);
  // Selects so many characters from the selection's start.
  void SetSelLength(int length);
  // Replaces the selection (or inserts at the caret), as typing would.
  void SetSelText(const std::string& text);

  bool WordWrap() const { return wordWrap_; }
  // "none", "vertical", "horizontal", "both".
  const std::string& ScrollBars() const { return scrollBars_; }

 private:
  void Create(const LayoutObject& stored, Component* parent) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Both only confirm what the window was created with; another value
  // throws.
  void SetWordWrap(bool wordWrap);
  void SetScrollBars(const std::string& scrollBars);
  void Selection(DWORD& start, DWORD& end) const;

  bool wordWrap_ = true;
  std::string scrollBars_ = "none";
};

}  // namespace platform
