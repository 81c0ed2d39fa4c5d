#include "platform/gui/PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/gui/TabSheet.h"

namespace platform {

namespace {
constexpr std::string_view kSheetKinds[] = {"TabSheet"};

bool KeyDown(int key) { return GetKeyState(key) < 0; }
}  // namespace

const ControlKind& PageControl::KindInfo() {
  static constexpr PropSpec props[] = {
      RefProp<&PageControl::SetStoredActivePage>("ActivePage", kSheetKinds),
  };
  static const ControlKind kind{{.kind = kKind, .holds = Holds::Listed, .props = {props}}, &Make<PageControl>};
  return kind;
}

PageControl::~PageControl() {
  for (TabSheet* sheet : sheets_) sheet->page_ = nullptr;
}

void PageControl::Create(const LayoutObject& stored, Component* parent) {
  // WS_EX_CONTROLPARENT: Tab walks into the active page (the other pages are
  // hidden, so it passes them by). WS_CLIPCHILDREN: the tabs never paint over
  // the page.
  CreateWindowFor({.className = WC_TABCONTROLA,
                   .style = WS_CLIPCHILDREN | TCS_TABS | TCS_SINGLELINE,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .parent = parent},
                  stored);
}

void PageControl::SetStoredActivePage(const std::string& name) {
  storedActive_ = name;
  for (TabSheet* sheet : sheets_)
    if (sheet->Name() == name && sheet->tabVisible_) Activate(sheet, false);
}

void PageControl::SetActivePage(TabSheet& sheet) {
  if (sheet.page_ != this || !sheet.tabVisible_) return;
  Activate(&sheet, true);
}

void PageControl::AddSheet(TabSheet& sheet) {
  sheet.page_ = this;
  sheets_.push_back(&sheet);
  ShowWindow(sheet.Handle(), SW_HIDE);
  RebuildTabs();
  if (!active_ || sheet.Name() == storedActive_) Activate(&sheet, false);
}

void PageControl::RemoveSheet(TabSheet& sheet) {
  sheets_.erase(std::remove(sheets_.begin(), sheets_.end(), &sheet), sheets_.end());
  sheet.page_ = nullptr;
  if (active_ == &sheet) active_ = nullptr;
  RebuildTabs();
}

std::vector<TabSheet*> PageControl::ShownSheets() const {
  std::vector<TabSheet*> shown;
  for (TabSheet* sheet : sheets_)
    if (sheet->tabVisible_) shown.push_back(sheet);
  return shown;
}

void PageControl::RebuildTabs() {
  if (!Handle()) return;
  // Few tabs, rarely changed: the row is simply made anew.
  Send(TCM_DELETEALLITEMS);
  const std::vector<TabSheet*> shown = ShownSheets();
  for (size_t i = 0; i < shown.size(); ++i) {
    std::string caption = shown[i]->caption_;
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = caption.data();
    item.lParam = reinterpret_cast<LPARAM>(shown[i]);
    Send(TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  if (active_ && !active_->tabVisible_) {
    // The page whose tab goes hands over to the next shown one, else to the
    // one before.
    auto at = std::find(sheets_.begin(), sheets_.end(), active_);
    TabSheet* next = nullptr;
    for (auto it = at; it != sheets_.end() && !next; ++it)
      if ((*it)->tabVisible_) next = *it;
    for (auto it = at; it != sheets_.begin() && !next;)
      if ((*--it)->tabVisible_) next = *it;
    Activate(next, false);
  } else if (!active_ && !shown.empty()) {
    Activate(shown.front(), false);
  }
  const auto index = std::find(shown.begin(), shown.end(), active_) - shown.begin();
  Send(TCM_SETCURSEL, active_ ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1));
  // The row may have grown or shrunk.
  LayoutSheets();
}

void PageControl::Activate(TabSheet* sheet, bool notify) {
  if (sheet == active_) return;
  HWND focus = GetFocus();
  TabSheet* old = active_;
  const bool focusOnOld = old && old->Handle() && focus && IsChild(old->Handle(), focus);
  active_ = sheet;
  if (sheet) {
    const RECT r = DisplayArea();
    SetWindowPos(sheet->Handle(), HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  if (old && old->Handle()) ShowWindow(old->Handle(), SW_HIDE);
  const std::vector<TabSheet*> shown = ShownSheets();
  const auto index = std::find(shown.begin(), shown.end(), sheet) - shown.begin();
  if (sheet && static_cast<size_t>(index) < shown.size() && Send(TCM_GETCURSEL) != index)
    Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
  if (focusOnOld) {
    HWND first = sheet ? GetNextDlgTabItem(sheet->Handle(), nullptr, FALSE) : nullptr;
    ::SetFocus(first && IsChild(sheet->Handle(), first) ? first : Handle());
  }
  if (notify && OnChange) OnChange();
}

void PageControl::Step(bool backwards) {
  const std::vector<TabSheet*> shown = ShownSheets();
  if (shown.empty()) return;
  const auto at = std::find(shown.begin(), shown.end(), active_) - shown.begin();
  const auto n = static_cast<std::ptrdiff_t>(shown.size());
  const auto next = active_ ? (at + (backwards ? n - 1 : 1)) % n : 0;
  Activate(shown[static_cast<size_t>(next)], true);
}

RECT PageControl::DisplayArea() const {
  RECT r{};
  if (!Handle()) return r;
  GetClientRect(Handle(), &r);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void PageControl::LayoutSheets() {
  const RECT r = DisplayArea();
  for (TabSheet* sheet : sheets_)
    SetWindowPos(sheet->Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> PageControl::OnNotify(NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return std::nullopt;
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  const auto index = Send(TCM_GETCURSEL);
  if (index >= 0 && Send(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
    Activate(reinterpret_cast<TabSheet*>(item.lParam), true);
  return 0;
}

std::optional<LRESULT> PageControl::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_SIZE) return std::nullopt;
  // The tab window first takes its new size, then the pages follow it.
  const LRESULT result = CallStandard(msg, wParam, lParam);
  LayoutSheets();
  return result;
}

bool PageControl::FormKey(const MSG& msg) {
  if (!Handle() || !IsWindowVisible(Handle()) || !IsWindowEnabled(Handle())) return false;
  HWND focus = GetFocus();
  const bool focusInside = focus && (focus == Handle() || IsChild(Handle(), focus));
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && focusInside && !KeyDown(VK_MENU)) {
    if (KeyDown(VK_CONTROL)) {
      Step(KeyDown(VK_SHIFT));
      return true;
    }
    // From the row of tabs, Tab goes on into the page shown below it (the
    // dialog navigation would pass the page by).
    if (focus == Handle() && !KeyDown(VK_SHIFT) && active_) {
      HWND first = GetNextDlgTabItem(active_->Handle(), nullptr, FALSE);
      if (first && IsChild(active_->Handle(), first)) {
        ::SetFocus(first);
        return true;
      }
    }
    return false;
  }
  if (msg.message == WM_SYSCHAR) {
    for (TabSheet* sheet : ShownSheets()) {
      if (!MatchesMnemonic(sheet->caption_, msg.wParam)) continue;
      Activate(sheet, true);
      if (!focusInside) ::SetFocus(Handle());
      return true;
    }
  }
  return false;
}

}  // namespace platform
