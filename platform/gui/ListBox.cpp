#include "platform/gui/ListBox.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "platform/base/StringList.h"

namespace platform {

namespace {
constexpr std::string_view kStyles[] = {"standard", "ownerdrawfixed"};

std::vector<std::string> SplitLines(const std::string& value) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t nl = value.find('\n', start);
    parts.push_back(value.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) return parts;
    start = nl + 1;
  }
}
}  // namespace

const ControlKind& ListBox::KindInfo() {
  static constexpr PropSpec props[] = {
      // Style, MultiSelect and ItemHeight are read when the window is made.
      Prop<&ListBox::SetItemHeight>("ItemHeight"),
      {.name = "Style", .type = PropType::Word, .words = kStyles},
      {.name = "MultiSelect", .type = PropType::Bool},
      Prop<&ListBox::SetSorted>("Sorted"),
      Prop<&ListBox::SetStoredItems>("Item"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<ListBox>};
  return kind;
}

DWORD ListBox::CreationStyle(const LayoutObject& stored) const {
  DWORD style = LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
  if (stored.Bool("MultiSelect").value_or(false)) style |= LBS_EXTENDEDSEL;
  if (stored.Text("Style").value_or("standard") == "ownerdrawfixed") style |= LBS_OWNERDRAWFIXED;
  return style;
}

void ListBox::Create(const LayoutObject& stored, Component* parent) {
  const DWORD style = CreationStyle(stored);
  multiSelect_ = (style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
  ownerDraw_ = (style & LBS_OWNERDRAWFIXED) != 0;
  // The list asks for its line height while it is being made.
  itemHeight_ = stored.Int("ItemHeight").value_or(itemHeight_);
  CreateWindowFor({.className = "LISTBOX", .style = style, .exStyle = WS_EX_CLIENTEDGE, .parent = parent}, stored);
}

// ---- Lines -------------------------------------------------------------------

int ListBox::Count() const {
  const LRESULT n = Send(LB_GETCOUNT);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}

void ListBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("Listenindex au\xDF" "erhalb des Bereichs (" + std::to_string(index) + ")");
}

std::string ListBox::Item(int index) const {
  CheckIndex(index);
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::vector<std::string> ListBox::Items() const {
  std::vector<std::string> items;
  const int n = Count();
  items.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) items.push_back(Item(i));
  return items;
}

void ListBox::BeginUpdate() {
  if (updating_++ == 0) Send(WM_SETREDRAW, FALSE);
}

void ListBox::EndUpdate() {
  if (--updating_ > 0) return;
  Send(WM_SETREDRAW, TRUE);
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void ListBox::InsertRaw(int index, const std::string& item) {
  const LRESULT at = Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
  if (at == LB_ERR || at == LB_ERRSPACE) throw std::runtime_error("Liste " + Name() + ": kein Platz f\xFCr eine Zeile");
}

void ListBox::SetItems(const std::vector<std::string>& items) {
  TStringList lines;
  lines.SetDuplicates(TDuplicates::dupAccept);
  for (const auto& item : items) lines.Add(item);
  if (sorted_) lines.SetSorted(true);
  BeginUpdate();
  Send(LB_RESETCONTENT);
  Send(LB_INITSTORAGE, static_cast<WPARAM>(lines.Count()), 0);
  for (int i = 0; i < lines.Count(); ++i) InsertRaw(-1, lines[i]);
  EndUpdate();
}

void ListBox::SetStoredItems(const std::vector<std::string>& items) {
  // Read again by the language switch: the same lines change nothing, and
  // translated ones keep the line the user had chosen.
  if (items == Items()) return;
  const bool keep = static_cast<int>(items.size()) == Count() && !multiSelect_;
  const int current = keep ? ItemIndex() : -1;
  SetItems(items);
  if (current >= 0) Send(LB_SETCURSEL, static_cast<WPARAM>(current));
}

int ListBox::SortedPlace(const std::string& item) const {
  // After the lines that compare equal, as the string list puts them.
  int low = 0;
  int high = Count();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (AnsiCompareText(Item(mid), item) <= 0) low = mid + 1;
    else high = mid;
  }
  return low;
}

int ListBox::Add(const std::string& item) {
  const int at = sorted_ ? SortedPlace(item) : Count();
  InsertRaw(at, item);
  return at;
}

void ListBox::Insert(int index, const std::string& item) {
  if (sorted_) throw std::logic_error("Liste " + Name() + ": in eine sortierte Liste wird nicht eingef\xFCgt");
  if (index != Count()) CheckIndex(index);
  InsertRaw(index, item);
}

void ListBox::Replace(int index, const std::string& item) {
  CheckIndex(index);
  const bool selected = Selected(index);
  const int current = ItemIndex();
  const int top = static_cast<int>(Send(LB_GETTOPINDEX));
  BeginUpdate();
  Send(LB_DELETESTRING, static_cast<WPARAM>(index));
  InsertRaw(index, item);
  if (multiSelect_) {
    Send(LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
    if (current >= 0) Send(LB_SETCARETINDEX, static_cast<WPARAM>(current), FALSE);
  } else if (current == index) {
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
  }
  Send(LB_SETTOPINDEX, static_cast<WPARAM>(std::max(top, 0)));
  EndUpdate();
}

void ListBox::Delete(int index) {
  CheckIndex(index);
  Send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

int ListBox::IndexOf(const std::string& item) const {
  const int n = Count();
  for (int i = 0; i < n; ++i)
    if (AnsiCompareText(Item(i), item) == 0) return i;
  return -1;
}

int ListBox::FindPrefix(const std::string& prefix) const {
  // In the locale, as the sorting: the list window's own prefix search
  // ignores the case of ASCII letters only under Wine.
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    const std::string line = Item(i);
    if (line.size() >= prefix.size() && AnsiCompareText(line.substr(0, prefix.size()), prefix) == 0) return i;
  }
  return -1;
}

void ListBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (!sorted_ || Count() < 2) return;
  const std::vector<std::string> items = Items();
  std::vector<int> order(items.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return AnsiCompareText(items[static_cast<size_t>(a)], items[static_cast<size_t>(b)]) < 0; });
  std::vector<bool> selected(items.size());
  for (size_t i = 0; i < items.size(); ++i) selected[i] = Selected(static_cast<int>(i));
  const int current = ItemIndex();
  BeginUpdate();
  Send(LB_RESETCONTENT);
  int newCurrent = -1;
  for (size_t i = 0; i < order.size(); ++i) {
    const auto from = static_cast<size_t>(order[i]);
    InsertRaw(-1, items[from]);
    if (multiSelect_ && selected[from]) Send(LB_SETSEL, TRUE, static_cast<LPARAM>(i));
    if (static_cast<int>(from) == current) newCurrent = static_cast<int>(i);
  }
  if (newCurrent >= 0) {
    if (multiSelect_) Send(LB_SETCARETINDEX, static_cast<WPARAM>(newCurrent), FALSE);
    else Send(LB_SETCURSEL, static_cast<WPARAM>(newCurrent));
  }
  EndUpdate();
}

// ---- Current and selected lines ----------------------------------------------

int ListBox::ItemIndex() const {
  if (!Handle()) return -1;
  if (multiSelect_) {
    if (Count() == 0 || noCurrent_) return -1;
    const LRESULT caret = Send(LB_GETCARETINDEX);
    return caret == LB_ERR ? -1 : static_cast<int>(caret);
  }
  const LRESULT current = Send(LB_GETCURSEL);
  return current == LB_ERR ? -1 : static_cast<int>(current);
}

void ListBox::SetItemIndex(int index) {
  if (!Handle()) return;
  if (index >= 0) CheckIndex(index);
  bool changed = false;
  if (multiSelect_) {
    if (index < 0) {
      changed = SelCount() > 0 || ItemIndex() >= 0;
      Send(LB_SETSEL, FALSE, -1);
      // The window keeps its focus rectangle; the list has no current item
      // until code or the user gives it one again.
      noCurrent_ = true;
    } else {
      changed = ItemIndex() != index;
      noCurrent_ = false;
      Send(LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    }
  } else {
    changed = ItemIndex() != index;
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
  }
  if (changed) SelectionChanged();
}

bool ListBox::Selected(int index) const {
  CheckIndex(index);
  if (!multiSelect_) return ItemIndex() == index;
  return Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  if (Selected(index) == selected) return;
  if (selected) noCurrent_ = false;
  if (multiSelect_) Send(LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
  else Send(LB_SETCURSEL, selected ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1));
  SelectionChanged();
}

int ListBox::SelCount() const {
  if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  const LRESULT n = Send(LB_GETSELCOUNT);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}

void ListBox::FireChange() {
  if (OnChange) OnChange();
}

std::optional<std::string> ListBox::Value() const {
  if (!Handle()) return std::nullopt;
  if (!multiSelect_) {
    const int current = ItemIndex();
    return current >= 0 ? Item(current) : std::string();
  }
  std::string joined;
  bool first = true;
  for (int i = 0; i < Count(); ++i) {
    if (!Selected(i)) continue;
    if (!first) joined += '\n';
    joined += Item(i);
    first = false;
  }
  return joined;
}

bool ListBox::SetValue(const std::string& value) {
  if (!Handle()) return false;
  std::vector<int> wanted;
  if (!value.empty()) {
    const std::vector<std::string> items = Items();
    for (const auto& part : multiSelect_ ? SplitLines(value) : std::vector<std::string>{value}) {
      auto exact = std::find(items.begin(), items.end(), part);
      const int index = exact != items.end() ? static_cast<int>(exact - items.begin()) : IndexOf(part);
      if (index < 0) return false;
      wanted.push_back(index);
    }
  }
  if (!multiSelect_) {
    SetItemIndex(wanted.empty() ? -1 : wanted.front());
    return true;
  }
  bool changed = false;
  for (int i = 0; i < Count(); ++i) {
    const bool on = std::find(wanted.begin(), wanted.end(), i) != wanted.end();
    if (Selected(i) == on) continue;
    Send(LB_SETSEL, on ? TRUE : FALSE, static_cast<LPARAM>(i));
    changed = true;
  }
  if (!wanted.empty() && ItemIndex() != wanted.front()) {
    noCurrent_ = false;
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(wanted.front()), FALSE);
    changed = true;
  }
  if (changed) SelectionChanged();
  return true;
}

// ---- Drawing -------------------------------------------------------------------

int ListBox::ItemHeight() const {
  const LRESULT h = Send(LB_GETITEMHEIGHT);
  return h == LB_ERR ? itemHeight_ : static_cast<int>(h);
}

void ListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  if (!ownerDraw_ || !Handle()) return;
  Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(std::min(height, 255), 0));
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool ListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (itemHeight_ <= 0) return false;
  item.itemHeight = static_cast<UINT>(itemHeight_);
  return true;
}

bool ListBox::OnDrawItem(DRAWITEMSTRUCT& draw) {
  const int index = static_cast<int>(draw.itemID);
  AnswerDrawItem(draw, CurrentFont(), index >= 0 && index < Count() ? Item(index) : std::string(),
                 [this](const ListDrawItem& item) { DrawItem(item); });
  return true;
}

void ListBox::DrawItem(const ListDrawItem& item) { DrawListItemWith(item, OnDrawListItem); }

// ---- Notifications -----------------------------------------------------------

bool ListBox::OnCommand(WORD code) {
  switch (code) {
    case LBN_SELCHANGE:
      noCurrent_ = false;
      if (OnClick) OnClick();
      SelectionChanged();
      return true;
    case LBN_DBLCLK: DoubleClicked(); return true;
    default: return false;
  }
}

void ListBox::DoubleClicked() {
  if (OnDblClick) OnDblClick();
}

std::optional<LRESULT> ListBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_KEYDOWN && OnKeyDown) OnKeyDown(static_cast<WORD>(wParam));
  // Keys and clicks move the focus rectangle, which is the current item
  // again (after the key's own handler saw the list as it was).
  if (msg == WM_KEYDOWN || msg == WM_LBUTTONDOWN) noCurrent_ = false;
  return std::nullopt;
}

}  // namespace platform
