#pragma once
// A combo box: an edit field with a list that drops down (Style dropdown), a
// list alone whose current line shows in the field (dropdownlist), or such a
// list drawn by its owner (ownerdrawfixed).
//
// OnChange follows every change of the current line or of the text, by the
// user or from code (a setter fires it only when something changed).
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Control.h"
#include "platform/gui/OwnerDraw.h"

namespace platform {

class ComboBox : public Control {
 public:
  using Control::Control;
  static constexpr std::string_view kKind = "ComboBox";
  std::string_view Kind() const override { return kKind; }
  static const ControlKind& KindInfo();

  int Count() const;
  // The line at index; std::out_of_range when there is none.
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  // Replaces every line; nothing is current then.
  void SetItems(const std::vector<std::string>& items);
  int Add(const std::string& item);
  void Clear();
  // The first line equal to item, case ignored in the locale; -1 if none.
  int IndexOf(const std::string& item) const;

  // The current line, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The text in the field: the current line's in a drop-down list. Setting
  // it there chooses the line of that text (case ignored), or none.
  std::string Text() const;
  void SetText(const std::string& text);
  bool EditableText() const { return editable_; }

  // Owner-drawn lists: the height of the field and of every line.
  int ItemHeight() const;
  void SetItemHeight(int height);

  // Value is the text; setting it in a drop-down list must name a line.
  bool SetValue(const std::string& value) override;
  std::optional<std::string> Value() const override { return Text(); }

  std::function<void()> OnChange;
  // Owner-drawn lists: draws one line, or the field (inComboField). Without
  // a handler the text is drawn plainly.
  std::function<void(const ListDrawItem&)> OnDrawListItem;

 protected:
  // The window style the combo box is created with; kinds built on it may
  // add their own bits.
  virtual DWORD CreationStyle(const LayoutObject& stored) const;
  // Draws one line of an owner-drawn list; the background is not painted yet.
  virtual void DrawItem(const ListDrawItem& item);
  // The current line or the text changed: by default OnChange.
  virtual void SelectionChanged() { FireChange(); }
  void FireChange();
  void Create(const LayoutObject& stored, Component* parent) override;

 private:
  bool OnCommand(WORD code) override;
  bool OnDrawItem(DRAWITEMSTRUCT& item) override;
  bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // A combo box that is resized to a height near its field's lets its
  // dropped list shrink to the difference: it is given its lines back.
  void KeepDroppedHeight();
  void SetStoredItems(const std::vector<std::string>& items);
  void SetStoredText(const std::string& text);
  void CheckIndex(int index) const;
  // The height of the dropped list.
  int ListHeight() const;

  bool editable_ = true;
  bool ownerDraw_ = false;
  int itemHeight_ = 0;  // 0: the font's
  bool keepingDroppedHeight_ = false;
  int sizing_ = 0;
};

}  // namespace platform
