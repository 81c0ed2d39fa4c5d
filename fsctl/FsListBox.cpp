#include "fsctl/FsListBox.h"

#include <algorithm>

#include "platform/gui/Form.h"

namespace fsctl {

namespace {
// Far from the small numbers the list box itself may use for its timers.
constexpr UINT_PTR kSearchTimerId = 0x5EA7;
}  // namespace

const platform::ControlKind& TFsListBox::KindInfo() {
  static constexpr platform::PropSpec props[] = {
      platform::Prop<&TFsListBox::SetBeepOnInvalidKey>("BeepOnInvalidKey"),
      platform::Prop<&TFsListBox::SetHorzExtent>("HorzExtent"),
      platform::Prop<&TFsListBox::SetHorzScrollBar>("HorzScrollBar"),
  };
  static const platform::ControlKind kind{
      {.kind = kKind, .props = {ListBox::KindInfo().schema.props.front(), props}}, &platform::Make<TFsListBox>};
  return kind;
}

TFsListBox::~TFsListBox() { StopTimer(); }

DWORD TFsListBox::CreationStyle(const platform::LayoutObject& stored) const {
  return ListBox::CreationStyle(stored) | WS_HSCROLL;
}

void TFsListBox::SetHorzExtent(int width) {
  width = std::clamp(width, 0, 0xFFFF);
  if (width == horzExtent_) return;
  horzExtent_ = width;
  Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(horzExtent_));
}

void TFsListBox::SetHorzScrollBar(bool on) {
  if (on == horzScrollBar_) return;
  horzScrollBar_ = on;
  if (Handle()) ShowScrollBar(Handle(), SB_HORZ, on ? TRUE : FALSE);
}

void TFsListBox::FitExtent() {
  if (!Handle()) return;
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, CurrentFont());
  int widest = 0;
  for (const auto& line : Items()) {
    const std::string measured = line + "x";
    SIZE size{};
    GetTextExtentPoint32A(dc, measured.data(), static_cast<int>(measured.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  SetHorzExtent(widest);
}

void TFsListBox::Beep() { MessageBeep(0); }

// ---- Type-ahead ----------------------------------------------------------------

void TFsListBox::StartTimer() {
  StopTimer();
  timerRunning_ = Handle() && SetTimer(Handle(), kSearchTimerId, kSearchMs, nullptr) != 0;
}

void TFsListBox::StopTimer() {
  if (timerRunning_ && Handle()) KillTimer(Handle(), kSearchTimerId);
  timerRunning_ = false;
}

void TFsListBox::ClearSearch() { searchText_.clear(); }

void TFsListBox::Search(const std::string& candidate) {
  const int old = ItemIndex();
  const int found = FindItem(candidate);
  if (found < 0) {
    if (beepOnInvalidKey_) Beep();
    return;
  }
  if (MultiSelect()) {
    if (old >= 0 && old < Count() && old != found) SetSelected(old, false);
    SetSelected(found, true);
    SetItemIndex(found);
  } else {
    SetItemIndex(found);
  }
  searchText_ = candidate;
  if (OnMatch) OnMatch();
}

void TFsListBox::TypeChar(unsigned char c) {
  std::string candidate = searchText_;
  if (c == VK_BACK) {
    if (candidate.empty()) {
      if (beepOnInvalidKey_) Beep();
      Search(candidate);
      return;
    }
    candidate.pop_back();
    if (!candidate.empty()) {
      Search(candidate);
      return;
    }
    if (Count() > 0) SetItemIndex(0);
    ClearSearch();
    return;
  }
  if (c == VK_ESCAPE) {
    SetItemIndex(-1);
    return;
  }
  if (c < 32) return;
  typing_ = true;
  candidate += static_cast<char>(c);
  Search(candidate);
  StartTimer();
  typing_ = false;
}

std::optional<LRESULT> TFsListBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CHAR:
      // The list box's own search by first letter never sees a character.
      TypeChar(static_cast<unsigned char>(wParam));
      return 0;
    case WM_TIMER:
      if (wParam != kSearchTimerId) break;
      if (!typing_) {
        StopTimer();
        ClearSearch();
      }
      return 0;
    case WM_LBUTTONDOWN: ClearSearch(); break;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE || (wParam >= VK_PRIOR && wParam <= VK_DOWN)) ClearSearch();
      break;
    case WM_DESTROY: StopTimer(); break;
    default: break;
  }
  return ListBox::OnOwnMessage(msg, wParam, lParam);
}

}  // namespace fsctl
