#pragma once
// A list box: lines set in the layout (`Item = "..."`) or from code, sorted
// or not (switchable at run time; sorted lists order as the string list
// does, in the locale and ignoring case), one current item or several
// selected ones (MultiSelect: Shift and Ctrl extend the selection), drawn by
// the system or by the owner.
//
// Events: OnClick when the user picks an item (mouse or keys), OnDblClick,
// OnChange whenever the current item or the selection changes, by the user
// or from code (a setter fires it only when something changed; adding and
// deleting lines fires nothing), OnKeyDown for every key pressed in the list.
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/gui/OwnerDraw.h"

namespace platform {

class ListBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "ListBox";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int Count() const;
  // The line at index; std::out_of_range when there is none.
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  // Replaces every line (a sorted list sorts them); nothing is current then.
  void SetItems(const std::vector<std::string>& items);
  // Where the line went: the end, or its place in a sorted list (after the
  // lines that compare equal).
  int Add(const std::string& item);
  // Not in a sorted list (std::logic_error).
  void Insert(int index, const std::string& item);
  // Replaces the line where it stands, keeping its selection; a sorted list
  // does not move it.
  void Replace(int index, const std::string& item);
  void Delete(int index);
  void Clear();
  // The first line equal to item, case ignored in the locale; -1 if none.
  int IndexOf(const std::string& item) const;
  // The first line that begins with prefix, case ignored, searched from the
  // top; -1 if none.
  int FindPrefix(const std::string& prefix) const;

  bool Sorted() const { return sorted_; }
  // Switching it on sorts the lines now; the current and selected lines stay
  // current and selected.
  void SetSorted(bool sorted);
  bool MultiSelect() const { return multiSelect_; }
  bool OwnerDraw() const { return ownerDraw_; }

  // The current item, -1 for none. In a multi-select list it is the item with
  // the focus rectangle, whether selected or not; setting it moves only that
  // rectangle, and -1 there unselects every item and leaves no current item
  // until code, a key or a click makes one current again.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;

  // Owner-drawn lists: the height of every line in pixels.
  int ItemHeight() const;
  void SetItemHeight(int height);

  // The current line's text ("" for none); a multi-select list gives the
  // selected lines joined by "\n". Setting it selects the lines so named
  // (exact, else case ignored); false when one is not in the list.
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnChange;
  std::function<void(WORD key)> OnKeyDown;
  // Owner-drawn lists: draws one line. Without a handler the line's text is
  // drawn plainly.
  std::function<void(const ListDrawItem&)> OnDrawListItem;

 protected:
  // The window style the list is created with; kinds built on the list box
  // add their own bits (an owner-drawn file list, a horizontal scroll bar).
  virtual DWORD CreationStyle(const LayoutObject& stored) const;
  // Draws one line of an owner-drawn list; the background is not painted
  // yet. By default OnDrawListItem or the plain look.
  virtual void DrawItem(const ListDrawItem& item);
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Create(const LayoutObject& stored, Component* parent) override;
  // The current line or the selection changed: by default OnChange.
  virtual void SelectionChanged() { FireChange(); }
  // A double click on a line: by default OnDblClick.
  virtual void DoubleClicked();
  void FireChange();
  // The lines between Begin and End are changed without a paint each.
  void BeginUpdate();
  void EndUpdate();

 private:
  bool OnCommand(WORD code) override;
  bool OnDrawItem(DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  void SetStoredItems(const std::vector<std::string>& items);
  void CheckIndex(int index) const;
  int SortedPlace(const std::string& item) const;
  void InsertRaw(int index, const std::string& item);

  bool sorted_ = false;
  bool multiSelect_ = false;
  bool ownerDraw_ = false;
  int itemHeight_ = 0;  // 0: the font's
  int updating_ = 0;
  bool noCurrent_ = false;  // multi-select: SetItemIndex(-1) was the last word
};

}  // namespace platform
