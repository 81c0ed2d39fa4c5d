#pragma once
// What an owner-drawn list (a list box or the list of a combo box) hands to
// whoever draws one of its items.
#include <windows.h>

#include <functional>
#include <string>

namespace platform {

struct ListDrawItem {
  int index = -1;  // -1: the empty list's focus rectangle, or a combo box's empty field
  HDC dc = nullptr;
  RECT rect{};
  bool selected = false;
  bool focused = false;
  bool inComboField = false;  // the closed combo box's own field, not a line of its list
  std::string text;
};

// The item's background in the colours of its state, with the DC's text and
// background colours set to match, so that text drawn next reads as the
// standard list would show it.
void PrepareListItem(const ListDrawItem& item);
// The plain look: the background, then the text 2 pixels in from the left
// edge, at the top.
void DrawPlainListItem(const ListDrawItem& item);
// The handler's drawing on the prepared background, or without a handler
// the plain look.
void DrawListItemWith(const ListDrawItem& item, const std::function<void(const ListDrawItem&)>& handler);
// Answers a WM_DRAWITEM of an owner-drawn list: a change of focus alone
// toggles the focus rectangle; otherwise paint draws the item (text: its
// line) in the control's font, and the focus rectangle goes on top.
void AnswerDrawItem(const DRAWITEMSTRUCT& draw, HFONT font, std::string text,
                    const std::function<void(const ListDrawItem&)>& paint);

}  // namespace platform
