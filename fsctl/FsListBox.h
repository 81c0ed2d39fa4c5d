#pragma once
// A list box that finds its lines as the user types: each character extends
// the search text and makes the first line beginning with it current; a
// character that finds nothing beeps and is dropped. The search text is
// forgotten two seconds after the last character, and at a mouse press or a
// navigation key (Esc, Page Up/Down, End, Home, the arrow keys). Backspace
// takes the last character back; Esc leaves no line current.
//
// It also has a horizontal scroll bar over a given width (HorzExtent).
#include <functional>
#include <string>

#include "platform/gui/ListBox.h"

namespace fsctl {

class TFsListBox : public platform::ListBox {
 public:
  using ListBox::ListBox;
  ~TFsListBox() override;
  static constexpr std::string_view kKind = "FsListBox";
  std::string_view Kind() const override { return kKind; }
  static const platform::ControlKind& KindInfo();

  // The index of the first line that begins with prefix, case ignored,
  // searched from the top; -1 when none.
  int FindItem(const std::string& prefix) const { return FindPrefix(prefix); }
  const std::string& SearchText() const { return searchText_; }

  bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
  void SetBeepOnInvalidKey(bool beep) { beepOnInvalidKey_ = beep; }
  // The width in pixels the horizontal scroll bar reaches over.
  int HorzExtent() const { return horzExtent_; }
  void SetHorzExtent(int width);
  bool HorzScrollBar() const { return horzScrollBar_; }
  void SetHorzScrollBar(bool on);
  // HorzExtent := the widest line, and an "x" more, in the list's font.
  void FitExtent();

  // The search found a line.
  std::function<void()> OnMatch;

  // The search timer's period: the search text is forgotten this long after
  // the last character.
  static constexpr UINT kSearchMs = 2000;

 protected:
  DWORD CreationStyle(const platform::LayoutObject& stored) const override;
  std::optional<LRESULT> OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // The signal for a key that finds nothing.
  virtual void Beep();

 private:
  void TypeChar(unsigned char c);
  void Search(const std::string& candidate);
  void ClearSearch();
  void StartTimer();
  void StopTimer();

  std::string searchText_;
  bool typing_ = false;
  bool timerRunning_ = false;
  bool beepOnInvalidKey_ = true;
  int horzExtent_ = 0;
  bool horzScrollBar_ = false;
};

}  // namespace fsctl
