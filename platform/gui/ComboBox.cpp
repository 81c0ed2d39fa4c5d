#include "platform/gui/ComboBox.h"

#include <algorithm>
#include <stdexcept>

#include "platform/base/StringList.h"

namespace platform {

namespace {
constexpr std::string_view kStyles[] = {"dropdown", "dropdownlist", "ownerdrawfixed"};
// Lines the dropped list shows before it scrolls.
constexpr int kDroppedLines = 8;
}  // namespace

const ControlKind& ComboBox::KindInfo() {
  static constexpr PropSpec props[] = {
      // Style and ItemHeight are read when the window is made.
      {.name = "Style", .type = PropType::Word, .words = kStyles},
      Prop<&ComboBox::SetItemHeight>("ItemHeight"),
      Prop<&ComboBox::SetStoredItems>("Item"),
      Prop<&ComboBox::SetStoredText>("Text"),
  };
  static const ControlKind kind{{.kind = kKind, .props = {props}}, &Make<ComboBox>};
  return kind;
}

DWORD ComboBox::CreationStyle(const LayoutObject& stored) const {
  const std::string style = stored.Text("Style").value_or("dropdown");
  DWORD bits = CBS_AUTOHSCROLL | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
  if (style == "dropdown") return bits | CBS_DROPDOWN;
  bits |= CBS_DROPDOWNLIST;
  if (style == "ownerdrawfixed") bits |= CBS_OWNERDRAWFIXED;
  return bits;
}

int ComboBox::ListHeight() const { return kDroppedLines * ItemHeight() + 2; }

void ComboBox::KeepDroppedHeight() {
  RECT dropped{};
  Send(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const int wanted = ListHeight();
  if (dropped.bottom - dropped.top >= wanted) return;
  // Made taller than its field, the combo box takes the rest as the height
  // of its list and shrinks back to the field.
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int field = static_cast<int>(Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1))) + 6;
  keepingDroppedHeight_ = true;
  SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, field + wanted,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  keepingDroppedHeight_ = false;
}

std::optional<LRESULT> ComboBox::OnOwnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_SIZE || keepingDroppedHeight_) return std::nullopt;
  // The combo box resizes itself while it handles a size: only once it is
  // done may it be resized again.
  ++sizing_;
  const LRESULT result = CallStandard(msg, wParam, lParam);
  --sizing_;
  if (sizing_ == 0) KeepDroppedHeight();
  return result;
}

void ComboBox::Create(const LayoutObject& stored, Component* parent) {
  const DWORD style = CreationStyle(stored);
  editable_ = (style & 3) == CBS_DROPDOWN;
  ownerDraw_ = (style & CBS_OWNERDRAWFIXED) != 0;
  itemHeight_ = stored.Int("ItemHeight").value_or(itemHeight_);
  // The layout gives the closed field's height.
  CreateWindowFor({.className = "COMBOBOX", .style = style, .parent = parent}, stored);
  KeepDroppedHeight();
}

// ---- Lines -------------------------------------------------------------------

int ComboBox::Count() const {
  const LRESULT n = Send(CB_GETCOUNT);
  return n == CB_ERR ? 0 : static_cast<int>(n);
}

void ComboBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw std::out_of_range("Listenindex au\xDF" "erhalb des Bereichs (" + std::to_string(index) + ")");
}

std::string ComboBox::Item(int index) const {
  CheckIndex(index);
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::vector<std::string> ComboBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
  return items;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
  Send(CB_RESETCONTENT);
  for (const auto& item : items) Add(item);
}

void ComboBox::SetStoredItems(const std::vector<std::string>& items) {
  // Read again by the language switch: translated lines keep the choice.
  if (items == Items()) return;
  const int current = static_cast<int>(items.size()) == Count() ? ItemIndex() : -1;
  SetItems(items);
  if (current >= 0) Send(CB_SETCURSEL, static_cast<WPARAM>(current));
}

int ComboBox::Add(const std::string& item) {
  const LRESULT at = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (at == CB_ERR || at == CB_ERRSPACE) throw std::runtime_error("Liste " + Name() + ": kein Platz f\xFCr eine Zeile");
  return static_cast<int>(at);
}

void ComboBox::Clear() {
  const bool had = ItemIndex() >= 0 || !Text().empty();
  Send(CB_RESETCONTENT);
  if (editable_) WriteText("");
  if (had) SelectionChanged();
}

int ComboBox::IndexOf(const std::string& item) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (AnsiCompareText(Item(i), item) == 0) return i;
  return -1;
}

// ---- Current line and text ---------------------------------------------------

int ComboBox::ItemIndex() const {
  const LRESULT current = Send(CB_GETCURSEL);
  return current == CB_ERR ? -1 : static_cast<int>(current);
}

void ComboBox::SetItemIndex(int index) {
  if (!Handle()) return;
  if (index >= 0) CheckIndex(index);
  if (index == ItemIndex()) return;
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  SelectionChanged();
}

std::string ComboBox::Text() const {
  if (editable_) return ReadText();
  const int current = ItemIndex();
  return current >= 0 ? Item(current) : std::string();
}

void ComboBox::SetText(const std::string& text) {
  if (!Handle()) return;
  if (!editable_) {
    SetItemIndex(IndexOf(text));
    return;
  }
  if (text == ReadText()) return;
  WriteText(text);
  SelectionChanged();
}

void ComboBox::SetStoredText(const std::string& text) {
  if (editable_) WriteText(text);
}

bool ComboBox::SetValue(const std::string& value) {
  if (!Handle()) return false;
  if (!editable_ && !value.empty() && IndexOf(value) < 0) return false;
  SetText(value);
  return true;
}

void ComboBox::FireChange() {
  if (OnChange) OnChange();
}

// ---- Drawing -------------------------------------------------------------------

int ComboBox::ItemHeight() const {
  const LRESULT h = Send(CB_GETITEMHEIGHT, 0);
  return h == CB_ERR ? itemHeight_ : static_cast<int>(h);
}

void ComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  if (!ownerDraw_ || !Handle()) return;
  // -1 is the closed field, 0 every line of the list.
  Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
  Send(CB_SETITEMHEIGHT, 0, height);
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool ComboBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (itemHeight_ <= 0) return false;
  item.itemHeight = static_cast<UINT>(itemHeight_);
  return true;
}

bool ComboBox::OnDrawItem(DRAWITEMSTRUCT& draw) {
  const int index = static_cast<int>(draw.itemID);
  AnswerDrawItem(draw, CurrentFont(), index >= 0 && index < Count() ? Item(index) : std::string(),
                 [this](const ListDrawItem& item) { DrawItem(item); });
  return true;
}

void ComboBox::DrawItem(const ListDrawItem& item) { DrawListItemWith(item, OnDrawListItem); }

// ---- Notifications -----------------------------------------------------------

bool ComboBox::OnCommand(WORD code) {
  switch (code) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE: SelectionChanged(); return true;
    default: return false;
  }
}

}  // namespace platform
