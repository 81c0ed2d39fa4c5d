#include "platform/gui/RadioGroup.h"

#include <algorithm>
#include <charconv>

namespace platform {

const ControlKind& RadioGroup::KindInfo() {
  static constexpr PropSpec props[] = {
      Prop<&RadioGroup::SetCaption>("Caption"),
      Prop<&RadioGroup::SetItems>("Item"),
      Prop<&RadioGroup::SetStoredItemIndex>("ItemIndex"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<RadioGroup>};
  return kind;
}

void RadioGroup::Create(const LayoutObject& stored, Component* parent) {
  // WS_EX_CONTROLPARENT lets Tab walk into the buttons.
  CreateWindowFor(
      {.className = "BUTTON", .style = BS_GROUPBOX, .exStyle = WS_EX_CONTROLPARENT, .parent = parent}, stored);
}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
  if (!Handle()) return;
  if (items.size() != buttons_.size()) {
    for (HWND b : buttons_) DestroyWindow(b);
    buttons_.clear();
    for (size_t i = 0; i < items.size(); ++i) {
      // WS_GROUP on the first: the buttons are one group for the arrow keys.
      DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
      if (!IsWindowEnabled(Handle())) style |= WS_DISABLED;
      HWND b = CreateWindowExA(0, "BUTTON", items[i].c_str(), style, 0, 0, 0, 0, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), GetModuleHandleA(nullptr),
                               nullptr);
      SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(CurrentFont()), FALSE);
      buttons_.push_back(b);
    }
    if (itemIndex_ >= static_cast<int>(items.size())) itemIndex_ = -1;
    LayoutButtons();
  } else {
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i] != items_[i]) SetWindowTextA(buttons_[i], items[i].c_str());
  }
  items_ = items;
  ShowChoice();
}

HWND RadioGroup::ItemHandle(int index) const {
  return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(index)] : nullptr;
}

void RadioGroup::SetStoredItemIndex(int index) {
  itemIndex_ = index >= 0 && index < static_cast<int>(buttons_.size()) ? index : -1;
  ShowChoice();
}

void RadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(buttons_.size()) || index == itemIndex_) return;
  itemIndex_ = index;
  ShowChoice();
  if (OnClick) OnClick();
}

bool RadioGroup::SetValue(const std::string& value) {
  int index = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), index);
  if (ec != std::errc() || end != value.data() + value.size()) return false;
  if (index < -1 || index >= static_cast<int>(buttons_.size())) return false;
  SetItemIndex(index);
  return true;
}

void RadioGroup::ShowChoice() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const bool chosen = static_cast<int>(i) == itemIndex_;
    SendMessageA(buttons_[i], BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    const bool tabStop = chosen || (itemIndex_ < 0 && i == 0);
    const LONG_PTR style = GetWindowLongPtrA(buttons_[i], GWL_STYLE);
    SetWindowLongPtrA(buttons_[i], GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
}

void RadioGroup::ButtonClicked() {
  // BN_CLICKED also comes when a button merely takes the focus: only a
  // changed check counts.
  int checked = -1;
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (SendMessageA(buttons_[i], BM_GETCHECK, 0, 0) == BST_CHECKED) checked = static_cast<int>(i);
  if (checked < 0 || checked == itemIndex_) return;
  itemIndex_ = checked;
  ShowChoice();
  if (OnClick) OnClick();
}

void RadioGroup::LayoutButtons() {
  if (!Handle() || buttons_.empty()) return;
  RECT r{};
  GetClientRect(Handle(), &r);
  HDC dc = GetDC(Handle());
  HGDIOBJ old = SelectObject(dc, CurrentFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(Handle(), dc);
  // The items share the room below the caption line evenly, one per row.
  const int top = tm.tmHeight + 1;
  const int n = static_cast<int>(buttons_.size());
  const int rowHeight = std::max<int>(tm.tmHeight, (r.bottom - top - 5) / n);
  for (int i = 0; i < n; ++i)
    SetWindowPos(buttons_[static_cast<size_t>(i)], nullptr, 8, top + i * rowHeight, std::max<int>(0, r.right - 16),
                 rowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void RadioGroup::FontChanged() {
  for (HWND b : buttons_) SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(CurrentFont()), TRUE);
  LayoutButtons();
}

std::optional<LRESULT> RadioGroup::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED ||
          std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam)) == buttons_.end())
        return std::nullopt;
      ButtonClicked();
      return 0;
    case WM_SIZE: {
      const LRESULT result = CallStandard(msg, wParam, lParam);
      LayoutButtons();
      return result;
    }
    case WM_ENABLE:
      // The buttons look disabled with their group.
      for (HWND b : buttons_) EnableWindow(b, static_cast<BOOL>(wParam));
      return std::nullopt;
    default: return std::nullopt;
  }
}

bool RadioGroup::FormKey(const MSG& msg) {
  if (buttons_.empty() || !IsWindowVisible(Handle()) || !IsWindowEnabled(Handle())) return false;
  if (msg.message == WM_KEYDOWN) {
    // The arrows go round inside the group: the dialog navigation would walk
    // on to the controls after it.
    const bool back = msg.wParam == VK_UP || msg.wParam == VK_LEFT;
    if (!back && msg.wParam != VK_DOWN && msg.wParam != VK_RIGHT) return false;
    const auto at = std::find(buttons_.begin(), buttons_.end(), msg.hwnd);
    if (at == buttons_.end()) return false;
    const auto n = static_cast<int>(buttons_.size());
    const int next = (static_cast<int>(at - buttons_.begin()) + (back ? n - 1 : 1)) % n;
    ::SetFocus(buttons_[static_cast<size_t>(next)]);
    SetItemIndex(next);
    return true;
  }
  if (msg.message != WM_SYSCHAR || !MatchesMnemonic(Caption(), msg.wParam)) return false;
  ::SetFocus(buttons_[static_cast<size_t>(std::max(itemIndex_, 0))]);
  return true;
}

}  // namespace platform
